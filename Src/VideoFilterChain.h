#pragma once
// A chain of video filters between a source of pictures and their user: libavfilter's
// filters and the engine's own (EngineFilter.h) in one text.
//
// The text is split at the engine filters. Each run of libavfilter filters between them
// becomes one graph "buffer -> run -> buffersink"; an empty run is a graph that only
// converts the pixel format. So a chain without engine filters is exactly one graph, as
// libavfilter would run it alone, and pictures pass by reference throughout.
//
// Threads: a chain is built and run by one thread at a time.

#include <memory>
#include <vector>

#include "Src/EngineFilter.h"
#include "Src/FFmpegOwners.h"

// One part of a chain text: a run of libavfilter filters (Filter is nullptr, Text holds
// the run, possibly empty) or one engine filter (Text holds its arguments).
struct TChainPart {
  TEngineVideoFilter* Filter = nullptr;
  String Text;
};

// Splits AText at its top-level commas (not inside quotes, brackets or after a
// backslash) into runs of libavfilter filters and the registered engine filters. The
// result alternates: run, engine filter, run, ..., run; a run keeps the text's ";" and
// link labels, so "movie=logo.png [wm]; [in][wm] overlay=10:10, nativeeq=20,
// scale=320:240 [out]" gives the run up to the overlay, "nativeeq" and the run of the
// scaler. A filter name that neither the engine nor libavfilter knows, and an engine
// filter before the text's last chain or with link labels of its own, are refused:
// false with AError set.
bool SplitFilterChain(const String& AText, std::vector<TChainPart>& AParts, String& AError);

class TVideoFilterChain {
 public:
  TVideoFilterChain();
  ~TVideoFilterChain();
  TVideoFilterChain(const TVideoFilterChain&) = delete;
  TVideoFilterChain& operator=(const TVideoFilterChain&) = delete;

  // Builds the chain AText (empty: pictures pass unchanged) for pictures of AInput.
  // AOutputFormats: the pixel formats the pictures may leave in, the preferred first
  // (empty: any). AScalerFlags: the flags of the scalers that libavfilter inserts for
  // format conversions. A chain built before is dropped first. 0, or a negative FFmpeg
  // code with AError set when there is more to say than the code.
  int Configure(const String& AText, const TVideoFormat& AInput,
                const std::vector<AVPixelFormat>& AOutputFormats, int64_t AScalerFlags, String& AError);
  bool Configured() const { return !FGraphs.empty(); }
  const TVideoFormat& InputFormat() const { return FInput; }
  // The pictures that leave the chain; valid after Configure.
  const TVideoFormat& OutputFormat() const { return FOutput; }

  // Hands a picture to the chain, which takes a reference of its own; nullptr ends the
  // input (the chain then gives what it still holds). 0 or a negative code.
  int SendFrame(AVFrame* AFrame);
  // Takes the next picture into AFrame (which must be empty): 0, AVERROR(EAGAIN) when
  // the chain needs more input, AVERROR_EOF when it has given everything after the end.
  int ReceiveFrame(AVFrame* AFrame);

 private:
  struct TGraph;
  int AddGraph(const String& AText, const TVideoFormat& AInput,
               const std::vector<AVPixelFormat>& AOutputFormats, int64_t AScalerFlags, TVideoFormat& AOutput);
  int PassBetweenGraphs();
  void Clear();

  // Graph i feeds FFilters[i], which feeds graph i + 1; the last graph feeds the user.
  std::vector<std::unique_ptr<TGraph>> FGraphs;
  std::vector<std::unique_ptr<TEngineFilterInstance>> FFilters;
  std::vector<bool> FEnded;  // graph i has been given the end of its input
  TFramePtr FFiltered;       // a picture between a graph and an engine filter
  TFramePtr FResult;
  TVideoFormat FInput;
  TVideoFormat FOutput;
};
