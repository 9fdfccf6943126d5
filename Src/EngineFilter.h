#pragma once
// The engine's own video filters: the contract between a filter registered with
// RegisterFilter and the filter chains that run it (TVideoFilterChain).
//
// A chain text names libavfilter's filters and the engine's side by side ("scale=320:240,
// rotate=90,hflip"). The chain runs each run of libavfilter filters as one graph and
// hands the pictures between two graphs to the engine filter that stands there, one
// picture in and one picture out. The graph before an engine filter converts the
// pictures into a pixel format the filter takes.
//
// Threads: a filter instance belongs to one chain and is used by the thread that runs
// that chain (a conversion task's thread, a player's video thread).

#include <memory>
#include <vector>

#include "Src/FFUtils.h"

// What a picture looks like on one link of a chain.
struct TVideoFormat {
  int Width = 0;
  int Height = 0;
  AVPixelFormat PixelFormat = AV_PIX_FMT_NONE;
  AVRational SampleAspectRatio{0, 1};
  AVRational TimeBase{1, AV_TIME_BASE};  // of the pictures' time stamps
  AVRational FrameRate{0, 1};            // 0/1 when unknown
};

// One use of an engine filter in a chain, with its own arguments and state.
class TEngineFilterInstance {
 public:
  virtual ~TEngineFilterInstance() = default;

  // The pixel formats the instance takes, the preferred one first.
  virtual std::vector<AVPixelFormat> InputFormats() const = 0;

  // Called once, before the first picture, with the format of the pictures that will
  // come (its pixel format is one of InputFormats()). Fills AOutput with the format of
  // the pictures the instance gives. 0, or a negative FFmpeg code with AError set.
  virtual int Configure(const TVideoFormat& AInput, TVideoFormat& AOutput, String& AError) = 0;

  // One picture in, one picture out. AInput is the instance's to use up: a filter that
  // works in place moves it into AOutput (av_frame_move_ref) and makes it writable
  // first (av_frame_make_writable), since the decoder may still share its buffers; any
  // other filter fills AOutput with a new picture and the chain frees AInput. AOutput
  // comes empty and leaves with the input's time stamp. 0 or a negative FFmpeg code.
  virtual int FilterFrame(AVFrame* AInput, AVFrame* AOutput) = 0;
};

// A registered engine filter: a factory of instances.
class TEngineVideoFilter : public TEngineFilter {
 public:
  // A new instance for one place in a chain; AArguments is the text after "=" (empty
  // when there is none). nullptr with AError set when the arguments are refused.
  virtual std::unique_ptr<TEngineFilterInstance> CreateInstance(const String& AArguments, String& AError) = 0;
};
