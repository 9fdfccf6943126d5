// Name texts that describe streams: metadata values, codec names, media and picture types,
// frame durations.

#include "Src/FFUtils.h"

String GetMetadataValue(const AVDictionary* AMetadata, const String& AKey, const String& ADefault) {
  // Without AV_DICT_MATCH_CASE FFmpeg compares keys without regard to case.
  const AVDictionaryEntry* Entry = FF.av_dict_get(AMetadata, AKey.c_str(), nullptr, 0);
  return Entry ? String(Entry->value) : ADefault;
}

namespace {

String CodecTagText(uint32_t ATag) {
  String Characters;
  for (int Shift = 0; Shift < 32; Shift += 8) {
    unsigned Byte = (ATag >> Shift) & 0xFF;
    if (Byte < 32 || Byte > 126) return Format("0x%04x", ATag);
    Characters += static_cast<char>(Byte);
  }
  return Format("%s / 0x%04X", Characters, ATag);
}

}  // namespace

String CodecNameText(const AVCodecParameters* AParameters, bool AEncoder) {
  const AVCodec* Codec = AEncoder ? FF.avcodec_find_encoder(AParameters->codec_id)
                                  : FF.avcodec_find_decoder(AParameters->codec_id);
  if (Codec) {
    if (Codec->long_name && !Trim(Codec->long_name).empty())
      return Format("%s(%s)", Codec->name, Codec->long_name);
    return Codec->name;
  }
  return CodecTagText(AParameters->codec_tag);
}

String MediaTypeName(AVMediaType AType) {
  switch (AType) {
    case AVMEDIA_TYPE_VIDEO:
      return "Video";
    case AVMEDIA_TYPE_AUDIO:
      return "Audio";
    case AVMEDIA_TYPE_DATA:
      return "Data";
    case AVMEDIA_TYPE_SUBTITLE:
      return "Subtitle";
    case AVMEDIA_TYPE_ATTACHMENT:
      return "Attachment";
    default:
      return "Unknown";
  }
}

String PictureTypeName(AVPictureType AType) {
  switch (AType) {
    case AV_PICTURE_TYPE_I:
      return "Intra";
    case AV_PICTURE_TYPE_P:
      return "Predicted";
    case AV_PICTURE_TYPE_B:
      return "Bi-dir predicted";
    case AV_PICTURE_TYPE_S:
      return "S(GMC)-VOP MPEG4";
    case AV_PICTURE_TYPE_SI:
      return "Switching Intra";
    case AV_PICTURE_TYPE_SP:
      return "Switching Predicted";
    case AV_PICTURE_TYPE_BI:
      return "BI type";
    default:
      return "Unknown";
  }
}

int64_t FrameDurationFromRate(AVRational ARate) {
  if (ARate.num == 0 || ARate.den == 0) return AV_TIME_BASE / 25;
  return int64_t(AV_TIME_BASE) * ARate.den / ARate.num;
}
