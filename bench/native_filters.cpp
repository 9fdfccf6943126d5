// The engine's own video filters against libavfilter's filters doing comparable work,
// each run through a filter chain on 1280 × 720 yuv420p pictures: "rotate" by quarter
// turns against "transpose" and the flips (and by 91 degrees, which walks sample by
// sample, to show what the quarter turns' copies save), "nativeeq" against "eq",
// "nativehue" against "hue". Prints the time per picture of each and their ratio.
//
// libavfilter's filters work in slices on several threads, the engine's on one; run the
// benchmark on one processor (taskset -c 0) to compare the work itself.

#include <cstdio>
#include <cstring>

#include "Src/FFLoad.h"
#include "Src/VideoFilterChain.h"
#include "bench/BenchSupport.h"

namespace {

constexpr int Width = 1280;
constexpr int Height = 720;
constexpr int Pictures = 50;
constexpr int Runs = 5;

// A picture with some variety in every plane, so no filter meets only one value.
TFramePtr MakePicture() {
  TFramePtr Frame(FF.av_frame_alloc());
  Frame->format = AV_PIX_FMT_YUV420P;
  Frame->width = Width;
  Frame->height = Height;
  if (FF.av_frame_get_buffer(Frame.get(), 0) < 0) return nullptr;
  for (int Plane = 0; Plane < 3; Plane++) {
    const int PlaneWidth = Plane ? Width / 2 : Width;
    const int PlaneHeight = Plane ? Height / 2 : Height;
    for (int Y = 0; Y < PlaneHeight; Y++)
      for (int X = 0; X < PlaneWidth; X++)
        Frame->data[Plane][Y * Frame->linesize[Plane] + X] = (X + Y * 3 + Plane * 50) & 255;
  }
  return Frame;
}

// Seconds per picture of AFilters, or a negative value when the chain fails.
double SecondsPerPicture(const char* AFilters, AVFrame* APicture) {
  TVideoFormat Input;
  Input.Width = Width;
  Input.Height = Height;
  Input.PixelFormat = AV_PIX_FMT_YUV420P;
  Input.SampleAspectRatio = {1, 1};
  Input.TimeBase = {1, 25};
  bool Failed = false;
  const double Seconds = bench::MedianSeconds(Runs, [&] {
    TVideoFilterChain Chain;
    String Error;
    if (Chain.Configure(AFilters, Input, {AV_PIX_FMT_YUV420P}, SWS_BICUBIC, Error) < 0) {
      std::fprintf(stderr, "%s: %s\n", AFilters, Error.c_str());
      Failed = true;
      return;
    }
    TFramePtr Result(FF.av_frame_alloc());
    for (int I = 0; I < Pictures; I++) {
      APicture->pts = I;
      if (Chain.SendFrame(APicture) < 0) Failed = true;
      while (Chain.ReceiveFrame(Result.get()) == 0) FF.av_frame_unref(Result.get());
    }
  });
  return Failed ? -1 : Seconds / Pictures;
}

}  // namespace

int main() {
  if (!FFLoader().Load(AllLibraries)) {
    std::fprintf(stderr, "cannot load FFmpeg: %s\n", FFLoader().LastErrMsg().c_str());
    return 1;
  }
  TFramePtr Picture = MakePicture();
  if (!Picture) return 1;
  const std::pair<const char*, const char*> Pairs[] = {
      {"rotate=90", "transpose=clock"},
      {"rotate=270", "transpose=cclock"},
      {"rotate=180", "hflip,vflip"},
      {"rotate=0", "null"},
      // Not a quarter turn: the sample-by-sample walk, for what the copies save.
      {"rotate=91", "transpose=clock"},
      {"nativeeq=20:30", "eq=brightness=0.1:contrast=1.3"},
      {"nativehue=30:50", "hue=h=54:s=1.5"},
  };
  std::printf("%d x %d yuv420p, %d pictures, median of %d runs\n", Width, Height, Pictures, Runs);
  int Result = 0;
  for (const auto& [Native, Reference] : Pairs) {
    const double NativeSeconds = SecondsPerPicture(Native, Picture.get());
    const double ReferenceSeconds = SecondsPerPicture(Reference, Picture.get());
    if (NativeSeconds < 0 || ReferenceSeconds < 0) {
      Result = 1;
      continue;
    }
    std::printf("%-18s %7.3f ms   %-32s %7.3f ms   ratio %.2f\n", Native, NativeSeconds * 1e3, Reference,
                ReferenceSeconds * 1e3, NativeSeconds / ReferenceSeconds);
  }
  return Result;
}
