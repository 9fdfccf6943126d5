#pragma once
// Deinterlacing of single pictures with FFmpeg's yadif filter.

#include "Src/FFEntryPoints.h"

// Runs one picture at a time through a small graph "buffer -> yadif -> buffersink".
// The picture is followed at once by the end of input, so yadif gives its result
// without waiting for a next picture: the decoder deinterlaces whatever picture it
// lands on, also right after a seek. Needs libavfilter.
class TDeinterlacer {
 public:
  TDeinterlacer();
  ~TDeinterlacer();
  TDeinterlacer(const TDeinterlacer&) = delete;
  TDeinterlacer& operator=(const TDeinterlacer&) = delete;

  // The deinterlaced picture, owned here and valid until the next Run; nullptr when
  // the filter cannot run (libavfilter not loaded, or a format it does not take).
  AVFrame* Run(const AVFrame* APicture);

 private:
  bool BuildGraph(const AVFrame* APicture);
  void FreeGraph();

  AVFilterGraph* FGraph = nullptr;
  AVFilterContext* FSource = nullptr;
  AVFilterContext* FSink = nullptr;
  AVFrame* FOutput = nullptr;
};
