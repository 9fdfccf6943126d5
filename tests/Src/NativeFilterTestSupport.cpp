#include "tests/Src/NativeFilterTestSupport.h"

#include <cstring>
#include <stdexcept>

#include "tests/support/TestSupport.h"

namespace native_filter_test {

namespace {

// Plane size of APlane in samples: chroma planes are subsampled, rounding up.
void PlaneSize(const AVFrame* AFrame, int APlane, int& AWidth, int& AHeight) {
  const AVPixFmtDescriptor* Descriptor = FF.av_pix_fmt_desc_get(static_cast<AVPixelFormat>(AFrame->format));
  AWidth = APlane ? AV_CEIL_RSHIFT(AFrame->width, Descriptor->log2_chroma_w) : AFrame->width;
  AHeight = APlane ? AV_CEIL_RSHIFT(AFrame->height, Descriptor->log2_chroma_h) : AFrame->height;
}

}  // namespace

TFramePtr MakeFlatFrame(AVPixelFormat AFormat, int AWidth, int AHeight, int AY, int AU, int AV) {
  TFramePtr Frame(FF.av_frame_alloc());
  Frame->format = AFormat;
  Frame->width = AWidth;
  Frame->height = AHeight;
  if (FF.av_frame_get_buffer(Frame.get(), 0) < 0) throw std::runtime_error("no picture buffer");
  const int Values[] = {AY, AU, AV};
  for (int Plane = 0; Plane < 3; Plane++) {
    int Width, Height;
    PlaneSize(Frame.get(), Plane, Width, Height);
    for (int Row = 0; Row < Height; Row++)
      std::memset(Frame->data[Plane] + Row * Frame->linesize[Plane], Values[Plane], Width);
  }
  Frame->pts = 0;
  return Frame;
}

TFramePtr MakeStripedFrame(int AWidth, const std::vector<std::array<int, 3>>& ARows) {
  TFramePtr Frame = MakeFlatFrame(AV_PIX_FMT_YUV444P, AWidth, static_cast<int>(ARows.size()), 0, 0, 0);
  for (size_t Row = 0; Row < ARows.size(); Row++)
    for (int Plane = 0; Plane < 3; Plane++)
      std::memset(Frame->data[Plane] + Row * Frame->linesize[Plane], ARows[Row][Plane], AWidth);
  return Frame;
}

TVideoFormat FlatFormat(AVPixelFormat AFormat, int AWidth, int AHeight) {
  TVideoFormat Format;
  Format.Width = AWidth;
  Format.Height = AHeight;
  Format.PixelFormat = AFormat;
  Format.SampleAspectRatio = {1, 1};
  Format.TimeBase = {1, 25};
  return Format;
}

std::vector<uint8_t> PlaneSamples(const AVFrame* AFrame, int APlane) {
  int Width, Height;
  PlaneSize(AFrame, APlane, Width, Height);
  std::vector<uint8_t> Samples;
  for (int Row = 0; Row < Height; Row++) {
    const uint8_t* Start = AFrame->data[APlane] + Row * AFrame->linesize[APlane];
    Samples.insert(Samples.end(), Start, Start + Width);
  }
  return Samples;
}

TFramePtr FilterOne(TVideoFilterChain& AChain, AVFrame* AFrame) {
  if (AChain.SendFrame(AFrame) < 0) throw std::runtime_error("the chain refused a picture");
  TFramePtr Result(FF.av_frame_alloc());
  if (AChain.ReceiveFrame(Result.get()) < 0) throw std::runtime_error("the chain gave no picture");
  return Result;
}

std::string DecodeToRawVideo(const std::string& AFileName, const std::string& AFilters) {
  using namespace testing_support;
  const std::string Raw = AFileName + (AFilters.empty() ? "" : ".filtered") + ".yuv";
  auto Run = RunCommand("ffmpeg -hide_banner -loglevel error -y -i " + ShellQuote(AFileName) +
                        (AFilters.empty() ? "" : " -vf " + ShellQuote(AFilters)) +
                        " -f rawvideo -pix_fmt yuv420p " + ShellQuote(Raw));
  if (Run.ExitCode != 0) throw std::runtime_error("ffmpeg could not decode " + AFileName + ": " + Run.Output);
  return ReadWholeFile(Raw);
}

}  // namespace native_filter_test
