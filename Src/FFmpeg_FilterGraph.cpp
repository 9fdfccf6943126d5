// The filter chain of an encoded video stream: the pictures of its input, scaled to the
// encoder's size, through the user's filters, in the encoder's pixel format.

#include "Src/FFmpeg.h"

namespace {

// The labels by which the caller's links enter a filter text: "in" is the link from the
// source, "out" the link to the sink.
constexpr const char* SourceLabel = "in";
constexpr const char* SinkLabel = "out";
// The links around the engine's scalers; names no user text is expected to take.
constexpr const char* ScaledSourceLabel = "encoder_scaled_in";
constexpr const char* UnscaledSinkLabel = "encoder_unscaled_out";

// A "[name]" link label of a filter text, outside quotes; End lies after the "]".
struct TLinkLabel {
  size_t Start = 0;
  size_t End = 0;
  String Name;
};

std::vector<TLinkLabel> FindLinkLabels(const String& AText) {
  std::vector<TLinkLabel> Labels;
  bool Quoted = false;
  for (size_t I = 0; I < AText.size(); I++) {
    if (AText[I] == '\\') {
      I++;
    } else if (AText[I] == '\'') {
      Quoted = !Quoted;
    } else if (!Quoted && AText[I] == '[') {
      const size_t Close = AText.find(']', I);
      if (Close == String::npos) break;
      Labels.push_back({I, Close + 1, Trim(AText.substr(I + 1, Close - I - 1))});
      I = Close;
    }
  }
  return Labels;
}

bool HasLinkLabel(const String& AText, const String& AName) {
  for (const TLinkLabel& Label : FindLinkLabels(AText))
    if (Label.Name == AName) return true;
  return false;
}

String RenameLinkLabel(const String& AText, const String& AName, const String& ANewName) {
  String Result;
  size_t Copied = 0;
  for (const TLinkLabel& Label : FindLinkLabels(AText)) {
    if (Label.Name != AName) continue;
    Result += AText.substr(Copied, Label.Start - Copied) + "[" + ANewName + "]";
    Copied = Label.End;
  }
  return Result + AText.substr(Copied);
}

// AFilters with AScaler on the link from the source. A text takes that link by its
// "[in]" label, or else at its first filter; a text that starts with a source of its
// own ("movie=logo.png [wm]; [in][wm] overlay") must get the scaler at its label, as a
// chain of its own.
String ScaleSource(const String& AFilters, const String& AScaler) {
  if (AFilters.empty()) return AScaler;
  if (!HasLinkLabel(AFilters, SourceLabel)) return AScaler + "," + AFilters;
  return Format("[%s]%s[%s];", SourceLabel, AScaler, ScaledSourceLabel) +
         RenameLinkLabel(AFilters, SourceLabel, ScaledSourceLabel);
}

// AFilters with AScaler on the link to the sink: behind the text's last filter, or at its
// "[out]" label. When that label ends the text, the scaler joins the text's last chain
// in its place, where an engine filter of that chain keeps its one path to the sink.
String ScaleSink(const String& AFilters, const String& AScaler) {
  if (AFilters.empty()) return AScaler;
  if (!HasLinkLabel(AFilters, SinkLabel)) return AFilters + "," + AScaler;
  const std::vector<TLinkLabel> Labels = FindLinkLabels(AFilters);
  if (Labels.back().Name == SinkLabel && Trim(AFilters.substr(Labels.back().End)).empty())
    return AFilters.substr(0, Labels.back().Start) + "," + AScaler;
  return RenameLinkLabel(AFilters, SinkLabel, UnscaledSinkLabel) +
         Format(";[%s]%s", UnscaledSinkLabel, AScaler);
}

}  // namespace

TVideoFormat TCustomFFmpeg::DecodedVideoFormat(const TInputStream& AInput) const {
  const AVCodecParameters* Parameters = AInput.st->codecpar;
  TVideoFormat Format;
  Format.Width = Parameters->width;
  Format.Height = Parameters->height;
  Format.PixelFormat = static_cast<AVPixelFormat>(Parameters->format);
  Format.SampleAspectRatio =
      AInput.st->sample_aspect_ratio.num ? AInput.st->sample_aspect_ratio : Parameters->sample_aspect_ratio;
  Format.TimeBase = AV_TIME_BASE_Q;  // the pictures carry the input's times in microseconds
  Format.FrameRate = FF.av_guess_frame_rate(Finput_files[AInput.file_index]->ctx, AInput.st, nullptr);
  return Format;
}

int TCustomFFmpeg::ConfigureVideoGraph(TOutputStream& AStream, const TVideoFormat& AFormat, bool AFixedSize) {
  AVCodecContext* Encoder = AStream.enc_ctx.get();
  auto ScaleToEncoder = [&] {
    return Format("scale=%d:%d:flags=0x%X", Encoder->width, Encoder->height,
                  static_cast<unsigned>(AStream.sws_flags));
  };
  String Text = AStream.avfilter;
  if (Encoder->width != AFormat.Width || Encoder->height != AFormat.Height)
    Text = ScaleSource(Text, ScaleToEncoder());

  String Error;
  int Result = AStream.filter->Configure(Text, AFormat, {Encoder->pix_fmt}, AStream.sws_flags, Error);
  // Pictures of a later join segment, or pictures whose size changed on the way, are
  // brought to the size of the encoder that is already running.
  const TVideoFormat* Output = &AStream.filter->OutputFormat();
  if (Result >= 0 && AFixedSize && (Output->Width != Encoder->width || Output->Height != Encoder->height))
    Result = AStream.filter->Configure(ScaleSink(Text, ScaleToEncoder()), AFormat, {Encoder->pix_fmt},
                                       AStream.sws_flags, Error);
  if (Result < 0) {
    if (!Error.empty()) FLastErrMsg = Error;
    return Result;
  }
  if (AFixedSize) return 0;

  Encoder->width = Output->Width;
  Encoder->height = Output->Height;
  AVRational Aspect = Output->SampleAspectRatio;
  if (AStream.frame_aspect_ratio)
    Aspect = FF.av_d2q(AStream.frame_aspect_ratio * Encoder->height / Encoder->width, 255);
  Encoder->sample_aspect_ratio = AStream.st->sample_aspect_ratio = Aspect;
  return 0;
}
