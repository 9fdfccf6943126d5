// The values and the picture flow that "nativeeq" and "nativehue" share.

#include "Src/NativeFilterEqualizer.h"

#include <algorithm>

#include "Src/FFLog.h"
#include "platform/base/Exceptions.h"

namespace {

constexpr int LowestValue = -100;
constexpr int HighestValue = 100;

String ParsingFailure(const String& AReason) { return "failed to parsing parameters: " + AReason; }

}  // namespace

bool TEqualizerValue::Parse(const String& AField, String& AError) {
  const String Text = Trim(AField);
  try {
    if (!Text.starts_with("@")) {
      FFixed = Text.empty() ? 0 : Force(StrToInt(Text));
      return true;
    }
    const int Handle = StrToInt(Text.substr(1));
    FLive = FindLiveParameter(Handle);
    if (!FLive) AError = Format("Unknown live parameter @%d for the %s", Handle, FName);
    return FLive != nullptr;
  } catch (const EConvertError& E) {
    AError = ParsingFailure(E.Message());
    return false;
  }
}

int TEqualizerValue::Read() {
  if (!FLive) return FFixed;
  int Value = FLive->load();
  const int Forced = Force(Value);
  // A value the application set after this read is newer than the forced one: keep it.
  if (Forced != Value) FLive->compare_exchange_strong(Value, Forced);
  return Forced;
}

int TEqualizerValue::Force(int AValue) {
  const int Forced = std::clamp(AValue, LowestValue, HighestValue);
  if (Forced != AValue)
    GetLogger()->Log(nullptr, llError, "Invalid %s value %d, force to %d", FName, AValue, Forced);
  return Forced;
}

bool TEqualizerInstance::ParseArguments(const String& AArguments, String& AError) {
  if (!Trim(AArguments).empty()) {
    TEqualizerValue* Positions[] = {&FFirst, &FSecond};
    size_t Position = 0;
    size_t Start = 0;
    for (;;) {
      const size_t End = AArguments.find(':', Start);
      const String Field = AArguments.substr(Start, End == String::npos ? String::npos : End - Start);
      TEqualizerValue* Value = nullptr;
      String Text = Field;
      const size_t Equals = Field.find('=');
      if (Equals != String::npos) {
        const String Name = Trim(Field.substr(0, Equals));
        Value = Name == FFirst.Name() ? &FFirst : Name == FSecond.Name() ? &FSecond : nullptr;
        if (!Value) {
          AError = ParsingFailure(Format("there is no value named \"%s\"", Name));
          return false;
        }
        Text = Field.substr(Equals + 1);
      } else if (Position < 2) {
        Value = Positions[Position++];
      } else {
        AError = ParsingFailure(Format("more than two values in \"%s\"", AArguments));
        return false;
      }
      if (!Value->Parse(Text, AError)) return false;
      if (End == String::npos) break;
      Start = End + 1;
    }
  }
  FLastFirst = FFirst.Read();
  FLastSecond = FSecond.Read();
  GetLogger()->Log(nullptr, llDebug, "%s:%d, %s:%d", FFirst.Name(), FLastFirst, FSecond.Name(), FLastSecond);
  return true;
}

std::vector<AVPixelFormat> TEqualizerInstance::InputFormats() const {
  return {AV_PIX_FMT_YUV420P,  AV_PIX_FMT_YUV422P, AV_PIX_FMT_YUV444P,  AV_PIX_FMT_YUV410P,
          AV_PIX_FMT_YUV411P,  AV_PIX_FMT_YUV440P, AV_PIX_FMT_YUVJ420P, AV_PIX_FMT_YUVJ422P,
          AV_PIX_FMT_YUVJ444P, AV_PIX_FMT_YUVJ440P};
}

int TEqualizerInstance::Configure(const TVideoFormat& AInput, TVideoFormat& AOutput, String&) {
  const AVPixFmtDescriptor* Descriptor = FF.av_pix_fmt_desc_get(AInput.PixelFormat);
  FChromaShiftX = Descriptor->log2_chroma_w;
  FChromaShiftY = Descriptor->log2_chroma_h;
  AOutput = AInput;
  return 0;
}

int TEqualizerInstance::FilterFrame(AVFrame* AInput, AVFrame* AOutput) {
  // Both values are read once per picture, so a change reaches the next picture whole.
  const int First = FFirst.Read();
  const int Second = FSecond.Read();
  AnnounceValues(First, Second);
  if (First != 0 || Second != 0) {
    // The decoder may still share the picture's buffers.
    const int Error = FF.av_frame_make_writable(AInput);
    if (Error < 0) return Error;
    Process(AInput, First, Second);
  }
  return FF.av_frame_ref(AOutput, AInput);
}

void TEqualizerInstance::AnnounceValues(int AFirst, int ASecond) {
  if (AFirst == FLastFirst && ASecond == FLastSecond) return;
  FLastFirst = AFirst;
  FLastSecond = ASecond;
  GetLogger()->Log(nullptr, llDebug, "%s:%d, %s:%d", FFirst.Name(), AFirst, FSecond.Name(), ASecond);
}
