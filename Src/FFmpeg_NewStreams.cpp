// New output streams: an FFmpeg stream in the output context with its own encoder
// context, and its record with the per-stream options of the pending state applied.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Src/FFmpeg.h"

TOutputStream& TCustomFFmpeg::NewOutputStream(TOptionsContext& o, AVFormatContext* AContext,
                                              AVMediaType AType, int ASourceIndex) {
  AVStream* Stream = FF.avformat_new_stream(AContext, nullptr);
  if (!Stream) RaiseError("Could not alloc stream.");
  const int Index = static_cast<int>(AContext->nb_streams) - 1;
  if (Index < static_cast<int>(o.streamid_map.size())) Stream->id = o.streamid_map[Index];

  Foutput_streams.push_back(std::make_unique<TOutputStream>());
  TOutputStream& Record = *Foutput_streams.back();
  Record.file_index = static_cast<int>(Foutput_files.size());
  Record.index = Index;
  Record.st = Stream;
  Record.source_index = ASourceIndex;
  Stream->codecpar->codec_type = AType;
  ChooseEncoder(o, AContext, Record);
  if (Record.enc)
    Record.opts = TDictionary(FilterCodecOptions(FOptions.codec_opts, Record.enc, AContext, Stream));

  Record.enc_ctx = MakeCodecContext(Record.enc);
  if (!Record.enc_ctx) RaiseError(ErrorToText("avcodec_alloc_context3", AVERROR(ENOMEM)));
  AVCodecContext* Codec = Record.enc_ctx.get();
  Codec->codec_type = AType;
  Codec->codec_id = Stream->codecpar->codec_id;

  MatchPerStreamOption(o.max_frames, AContext, Stream, Record.max_frames);

  String Filters;
  MatchPerStreamOption(o.bitstream_filters, AContext, Stream, Filters);
  for (const String& Name : SplitNonEmpty(Filters, ',')) {
    const AVBitStreamFilter* Filter = FF.av_bsf_get_by_name(Name.c_str());
    if (!Filter) RaiseErrorFmt("Unknown bitstream filter \"%s\"", Name);
    TBitstreamFilterPtr Context = MakeBitstreamFilter(Filter);
    if (!Context) RaiseError(ErrorToText("av_bsf_alloc", AVERROR(ENOMEM)));
    Record.bitstream_filters.push_back(std::move(Context));
  }

  String Tag;
  MatchPerStreamOption(o.codec_tags, AContext, Stream, Tag);
  if (!Tag.empty()) Codec->codec_tag = CodecTagFromText(Tag);

  double Quality = -1;
  MatchPerStreamOption(o.qscale, AContext, Stream, Quality);
  if (Quality >= 0) {
    Codec->flags |= AV_CODEC_FLAG_QSCALE;
    Codec->global_quality = static_cast<int>(FF_QP2LAMBDA * Quality);
  }
  if (AContext->oformat->flags & AVFMT_GLOBALHEADER) Codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  FF.av_opt_get_int(FOptions.sws_opts, "sws_flags", 0, &Record.sws_flags);
  return Record;
}

void TCustomFFmpeg::ChooseEncoder(TOptionsContext& o, AVFormatContext* AContext, TOutputStream& AStream) {
  String Name;
  MatchPerStreamOption(o.codec_names, AContext, AStream.st, Name);
  AVCodecParameters* Parameters = AStream.st->codecpar;
  if (Name.empty()) {
    Parameters->codec_id =
        FF.av_guess_codec(AContext->oformat, nullptr, AContext->url, nullptr, Parameters->codec_type);
    AStream.enc = FF.avcodec_find_encoder(Parameters->codec_id);
  } else if (Name == "copy") {
    AStream.stream_copy = 1;
  } else {
    AStream.enc = FindCodecByName(Name, Parameters->codec_type, true);
    Parameters->codec_id = AStream.enc->id;
  }
}

TOutputStream& TCustomFFmpeg::NewVideoStream(TOptionsContext& o, AVFormatContext* AContext,
                                             int ASourceIndex) {
  TOutputStream& Record = NewOutputStream(o, AContext, AVMEDIA_TYPE_VIDEO, ASourceIndex);
  AVStream* Stream = Record.st;
  AVCodecContext* Codec = Record.enc_ctx.get();
  MatchPerStreamOption(o.copy_initial_nonkeyframes, AContext, Stream, Record.copy_initial_nonkeyframes);
  if (Record.stream_copy) return Record;

  String Rate;
  MatchPerStreamOption(o.frame_rates, AContext, Stream, Rate);
  if (!Rate.empty() && FF.av_parse_video_rate(&Record.frame_rate, Rate.c_str()) < 0)
    RaiseErrorFmt("Invalid framerate value: %s", Rate);
  String Size;
  MatchPerStreamOption(o.frame_sizes, AContext, Stream, Size);
  if (!Size.empty() && FF.av_parse_video_size(&Codec->width, &Codec->height, Size.c_str()) < 0)
    RaiseErrorFmt("Invalid frame size: %s.", Size);
  String Aspect;
  MatchPerStreamOption(o.frame_aspect_ratios, AContext, Stream, Aspect);
  if (!Aspect.empty()) Record.frame_aspect_ratio = static_cast<float>(ParseFrameAspectRatio(Aspect));
  Codec->bits_per_raw_sample = Fframe_bits_per_raw_sample;
  String PixelFormat;
  MatchPerStreamOption(o.frame_pix_fmts, AContext, Stream, PixelFormat);
  if (!PixelFormat.empty() && (Codec->pix_fmt = FF.av_get_pix_fmt(PixelFormat.c_str())) == AV_PIX_FMT_NONE)
    RaiseErrorFmt("Unknown pixel format requested: %s.", PixelFormat);
  Stream->sample_aspect_ratio = Codec->sample_aspect_ratio;
  if (Fintra_only) Codec->gop_size = 0;

  for (auto [Texts, Matrix, Name] : {std::tuple{&o.intra_matrices, &Codec->intra_matrix, "intra"},
                                     std::tuple{&o.inter_matrices, &Codec->inter_matrix, "inter"}}) {
    String Text;
    MatchPerStreamOption(*Texts, AContext, Stream, Text);
    if (Text.empty()) continue;
    *Matrix = static_cast<uint16_t*>(FF.av_mallocz(sizeof(uint16_t) * 64));
    if (!*Matrix) RaiseErrorFmt("Could not allocate memory for %s matrix.", Name);
    ParseMatrixCoefficients(*Matrix, Text);
  }

  String Overrides;
  MatchPerStreamOption(o.rc_overrides, AContext, Stream, Overrides);
  if (!Overrides.empty()) {
    size_t Count = std::count(Overrides.begin(), Overrides.end(), '/') + 1;
    Codec->rc_override = static_cast<RcOverride*>(FF.av_mallocz(sizeof(RcOverride) * Count));
    if (!Codec->rc_override) RaiseError(ErrorToText("rc_override", AVERROR(ENOMEM)));
    Codec->rc_override_count = 0;
    size_t Start = 0;
    for (size_t I = 0; I < Count; I++) {
      size_t Slash = Overrides.find('/', Start);
      String Group = Overrides.substr(Start, Slash == String::npos ? String::npos : Slash - Start);
      Start = Slash + 1;
      int First, Last, Q;
      if (std::sscanf(Group.c_str(), "%d,%d,%d", &First, &Last, &Q) != 3)
        RaiseError("error parsing rc_override");
      RcOverride& Override = Codec->rc_override[Codec->rc_override_count++];
      Override.start_frame = First;
      Override.end_frame = Last;
      Override.qscale = Q > 0 ? Q : 0;
      Override.quality_factor = Q > 0 ? 1.0f : -Q / 100.0f;
    }
  }

  if (!Codec->rc_initial_buffer_occupancy) Codec->rc_initial_buffer_occupancy = Codec->rc_buffer_size * 3 / 4;
  Codec->intra_dc_precision = Fintra_dc_precision - 8;
  if (Fdo_psnr) Codec->flags |= AV_CODEC_FLAG_PSNR;
  if (Fdo_pass & 1) Codec->flags |= AV_CODEC_FLAG_PASS1;
  if (Fdo_pass & 2) Codec->flags |= AV_CODEC_FLAG_PASS2;

  String ForcedKeyFrames;
  MatchPerStreamOption(o.forced_key_frames, AContext, Stream, ForcedKeyFrames);
  if (!ForcedKeyFrames.empty()) ParseForcedKeyFrames(ForcedKeyFrames, Record);
  MatchPerStreamOption(o.force_fps, AContext, Stream, Record.force_fps);
  MatchPerStreamOption(o.top_field_first, AContext, Stream, Record.top_field_first);
  MatchPerStreamOption(o.filters, AContext, Stream, Record.avfilter);
  return Record;
}

TOutputStream& TCustomFFmpeg::NewAudioStream(TOptionsContext& o, AVFormatContext* AContext,
                                             int ASourceIndex) {
  TOutputStream& Record = NewOutputStream(o, AContext, AVMEDIA_TYPE_AUDIO, ASourceIndex);
  AVStream* Stream = Record.st;
  AVCodecContext* Codec = Record.enc_ctx.get();
  if (!Record.stream_copy) {
    int Channels = Codec->ch_layout.nb_channels;
    MatchPerStreamOption(o.audio_channels, AContext, Stream, Channels);
    if (Channels != Codec->ch_layout.nb_channels) {
      FF.av_channel_layout_uninit(&Codec->ch_layout);
      FF.av_channel_layout_default(&Codec->ch_layout, Channels);
    }
    String SampleFormat;
    MatchPerStreamOption(o.sample_fmts, AContext, Stream, SampleFormat);
    if (!SampleFormat.empty() &&
        (Codec->sample_fmt = FF.av_get_sample_fmt(SampleFormat.c_str())) == AV_SAMPLE_FMT_NONE)
      RaiseErrorFmt("Invalid sample format \"%s\"", SampleFormat);
    MatchPerStreamOption(o.audio_sample_rate, AContext, Stream, Codec->sample_rate);
    MatchPerStreamOption(o.rematrix_volume, AContext, Stream, Record.rematrix_volume);
  }

  const TInputStream* Source = ASourceIndex >= 0 ? Finput_streams[ASourceIndex].get() : nullptr;
  for (const TAudioChannelMap& Map : o.audio_channel_maps) {
    bool FromSource = Map.channel_idx == -1 ||
                      (Source && Source->file_index == Map.file_idx && Source->st->index == Map.stream_idx);
    if (!FromSource || (Map.ofile_idx != -1 && Map.ofile_idx != Record.file_index) ||
        (Map.ostream_idx != -1 && Map.ostream_idx != Stream->index))
      continue;
    if (Record.audio_channels_mapped == static_cast<int>(Record.audio_channels_map.size()))
      RaiseErrorFmt("Max channel mapping for output %d.%d reached", Record.file_index, Stream->index);
    Record.audio_channels_map[Record.audio_channels_mapped++] = Map.channel_idx;
  }
  return Record;
}

TOutputStream& TCustomFFmpeg::NewSubtitleStream(TOptionsContext& o, AVFormatContext* AContext,
                                                int ASourceIndex) {
  return NewOutputStream(o, AContext, AVMEDIA_TYPE_SUBTITLE, ASourceIndex);
}

TOutputStream& TCustomFFmpeg::NewDataStream(TOptionsContext& o, AVFormatContext* AContext, int ASourceIndex) {
  TOutputStream& Record = NewOutputStream(o, AContext, AVMEDIA_TYPE_DATA, ASourceIndex);
  if (!Record.stream_copy) RaiseError("Data stream encoding not supported yet (only streamcopy)");
  return Record;
}

TOutputStream& TCustomFFmpeg::NewAttachmentStream(TOptionsContext& o, AVFormatContext* AContext,
                                                  int ASourceIndex) {
  TOutputStream& Record = NewOutputStream(o, AContext, AVMEDIA_TYPE_ATTACHMENT, ASourceIndex);
  Record.stream_copy = 1;
  return Record;
}

TOutputStream* TCustomFFmpeg::NewStreamOfType(TOptionsContext& o, AVFormatContext* AContext,
                                              AVMediaType AType, int ASourceIndex) {
  switch (AType) {
    case AVMEDIA_TYPE_VIDEO:
      return &NewVideoStream(o, AContext, ASourceIndex);
    case AVMEDIA_TYPE_AUDIO:
      return &NewAudioStream(o, AContext, ASourceIndex);
    case AVMEDIA_TYPE_SUBTITLE:
      return &NewSubtitleStream(o, AContext, ASourceIndex);
    case AVMEDIA_TYPE_DATA:
      return &NewDataStream(o, AContext, ASourceIndex);
    case AVMEDIA_TYPE_ATTACHMENT:
      return &NewAttachmentStream(o, AContext, ASourceIndex);
    default:
      return nullptr;
  }
}

void TCustomFFmpeg::ParseForcedKeyFrames(const String& AText, TOutputStream& AStream) {
  AStream.forced_kf_pts.clear();
  size_t Start = 0;
  for (;;) {
    size_t Comma = AText.find(',', Start);
    AStream.forced_kf_pts.push_back(ParseTime(
        "force_key_frames", AText.substr(Start, Comma == String::npos ? String::npos : Comma - Start), true));
    if (Comma == String::npos) break;
    Start = Comma + 1;
  }
}

void TCustomFFmpeg::ParseMatrixCoefficients(uint16_t* ADestination, const String& AText) {
  const char* Position = AText.c_str();
  for (int I = 0; I < 64; I++) {
    ADestination[I] = static_cast<uint16_t>(std::atoi(Position));
    if (I == 63) break;
    Position = std::strchr(Position, ',');
    if (!Position) RaiseErrorFmt("Syntax error in matrix \"%s\" at coeff %d", AText, I);
    Position++;
  }
}

double TCustomFFmpeg::ParseFrameAspectRatio(const String& AText) {
  double Ratio = 0;
  size_t Colon = AText.find(':');
  if (Colon != String::npos) {
    char* End = nullptr;
    long X = std::strtol(AText.c_str(), &End, 10);
    if (End == AText.c_str() + Colon) {
      long Y = std::strtol(End + 1, nullptr, 10);
      if (X > 0 && Y > 0) Ratio = static_cast<double>(X) / Y;
    }
  } else {
    Ratio = std::strtod(AText.c_str(), nullptr);
  }
  if (Ratio == 0) RaiseError("Incorrect aspect ratio specification.");
  return Ratio;
}
