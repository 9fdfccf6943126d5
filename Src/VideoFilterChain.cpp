// Running a chain of video filters: libavfilter graphs with the engine's filters between
// them.

#include "Src/VideoFilterChain.h"

struct TVideoFilterChain::TGraph {
  AVFilterGraph* Graph = nullptr;
  AVFilterContext* Source = nullptr;
  AVFilterContext* Sink = nullptr;
  ~TGraph() {
    if (Graph) FF.avfilter_graph_free(&Graph);
  }
};

namespace {

// Frees the link descriptions that avfilter_graph_parse_ptr leaves behind.
struct TInOuts {
  AVFilterInOut* Outputs = nullptr;
  AVFilterInOut* Inputs = nullptr;
  ~TInOuts() {
    FF.avfilter_inout_free(&Outputs);
    FF.avfilter_inout_free(&Inputs);
  }
};

int LinkThroughText(AVFilterGraph* AGraph, const String& AText, AVFilterContext* ASource,
                    AVFilterContext* ASink) {
  TInOuts Links;
  Links.Outputs = FF.avfilter_inout_alloc();
  Links.Inputs = FF.avfilter_inout_alloc();
  if (!Links.Outputs || !Links.Inputs) return AVERROR(ENOMEM);
  Links.Outputs->name = FF.av_strdup("in");
  Links.Outputs->filter_ctx = ASource;
  Links.Inputs->name = FF.av_strdup("out");
  Links.Inputs->filter_ctx = ASink;
  return FF.avfilter_graph_parse_ptr(AGraph, AText.c_str(), &Links.Inputs, &Links.Outputs, nullptr);
}

}  // namespace

TVideoFilterChain::TVideoFilterChain() : FFiltered(FF.av_frame_alloc()), FResult(FF.av_frame_alloc()) {}

TVideoFilterChain::~TVideoFilterChain() { Clear(); }

void TVideoFilterChain::Clear() {
  FFilters.clear();
  FGraphs.clear();
  FEnded.clear();
}

int TVideoFilterChain::AddGraph(const String& AText, const TVideoFormat& AInput,
                                const std::vector<AVPixelFormat>& AOutputFormats, int64_t AScalerFlags,
                                TVideoFormat& AOutput) {
  auto Graph = std::make_unique<TGraph>();
  Graph->Graph = FF.avfilter_graph_alloc();
  if (!Graph->Graph) return AVERROR(ENOMEM);
  Graph->Graph->scale_sws_opts = FF.av_strdup(Format("flags=0x%X", AScalerFlags).c_str());

  AVRational Aspect = AInput.SampleAspectRatio.den ? AInput.SampleAspectRatio : AVRational{0, 1};
  String Arguments = Format("video_size=%dx%d:pix_fmt=%d:time_base=%d/%d:pixel_aspect=%d/%d", AInput.Width,
                            AInput.Height, static_cast<int>(AInput.PixelFormat), AInput.TimeBase.num,
                            AInput.TimeBase.den, Aspect.num, Aspect.den);
  if (AInput.FrameRate.num > 0 && AInput.FrameRate.den > 0)
    Arguments += Format(":frame_rate=%d/%d", AInput.FrameRate.num, AInput.FrameRate.den);
  int Error = FF.avfilter_graph_create_filter(&Graph->Source, FF.avfilter_get_by_name("buffer"), "src",
                                              Arguments.c_str(), nullptr, Graph->Graph);
  if (Error >= 0)
    Error = FF.avfilter_graph_create_filter(&Graph->Sink, FF.avfilter_get_by_name("buffersink"), "out",
                                            nullptr, nullptr, Graph->Graph);
  if (Error >= 0 && !AOutputFormats.empty())
    Error = FF.av_opt_set_bin(
        Graph->Sink, "pix_fmts", reinterpret_cast<const uint8_t*>(AOutputFormats.data()),
        static_cast<int>(AOutputFormats.size() * sizeof(AVPixelFormat)), AV_OPT_SEARCH_CHILDREN);
  if (Error >= 0)
    Error = AText.empty() ? FF.avfilter_link(Graph->Source, 0, Graph->Sink, 0)
                          : LinkThroughText(Graph->Graph, AText, Graph->Source, Graph->Sink);
  if (Error >= 0) Error = FF.avfilter_graph_config(Graph->Graph, nullptr);
  if (Error < 0) return Error;

  AOutput.Width = FF.av_buffersink_get_w(Graph->Sink);
  AOutput.Height = FF.av_buffersink_get_h(Graph->Sink);
  AOutput.PixelFormat = static_cast<AVPixelFormat>(FF.av_buffersink_get_format(Graph->Sink));
  AOutput.SampleAspectRatio = FF.av_buffersink_get_sample_aspect_ratio(Graph->Sink);
  AOutput.TimeBase = FF.av_buffersink_get_time_base(Graph->Sink);
  AOutput.FrameRate = FF.av_buffersink_get_frame_rate(Graph->Sink);
  FGraphs.push_back(std::move(Graph));
  FEnded.push_back(false);
  return 0;
}

int TVideoFilterChain::Configure(const String& AText, const TVideoFormat& AInput,
                                 const std::vector<AVPixelFormat>& AOutputFormats, int64_t AScalerFlags,
                                 String& AError) {
  Clear();
  AError.clear();
  if (!FFiltered || !FResult) return AVERROR(ENOMEM);
  std::vector<TChainPart> Parts;
  if (!SplitFilterChain(AText, Parts, AError)) return AVERROR(EINVAL);

  // Parts alternate: run, engine filter, run, ..., run. Each run's graph leaves its
  // pictures in a format that the filter after it takes.
  FInput = AInput;
  TVideoFormat LinkFormat = AInput;
  for (size_t I = 0; I < Parts.size(); I += 2) {
    std::unique_ptr<TEngineFilterInstance> Filter;
    if (I + 1 < Parts.size()) {
      Filter = Parts[I + 1].Filter->CreateInstance(Parts[I + 1].Text, AError);
      if (!Filter) {
        Clear();
        return AVERROR(EINVAL);
      }
    }
    TVideoFormat GraphOutput;
    int Error = AddGraph(Parts[I].Text, LinkFormat, Filter ? Filter->InputFormats() : AOutputFormats,
                         AScalerFlags, GraphOutput);
    if (Error >= 0 && Filter) Error = Filter->Configure(GraphOutput, LinkFormat, AError);
    if (Error < 0) {
      Clear();
      return Error;
    }
    if (Filter)
      FFilters.push_back(std::move(Filter));
    else
      FOutput = GraphOutput;
  }
  return 0;
}

int TVideoFilterChain::SendFrame(AVFrame* AFrame) {
  if (FGraphs.empty()) return AVERROR(EINVAL);
  if (!AFrame) {
    if (FEnded[0]) return 0;
    FEnded[0] = true;
  }
  int Error =
      FF.av_buffersrc_add_frame_flags(FGraphs[0]->Source, AFrame, AFrame ? AV_BUFFERSRC_FLAG_KEEP_REF : 0);
  return Error < 0 ? Error : PassBetweenGraphs();
}

// Moves every picture that a graph before an engine filter has ready through that
// filter into the next graph, and the end of input after the last one.
int TVideoFilterChain::PassBetweenGraphs() {
  for (size_t I = 0; I < FFilters.size(); I++) {
    AVFilterContext* Next = FGraphs[I + 1]->Source;
    for (;;) {
      int Error = FF.av_buffersink_get_frame(FGraphs[I]->Sink, FFiltered.get());
      if (Error == AVERROR(EAGAIN)) break;
      if (Error == AVERROR_EOF) {
        if (!FEnded[I + 1]) {
          FEnded[I + 1] = true;
          Error = FF.av_buffersrc_add_frame_flags(Next, nullptr, 0);
          if (Error < 0) return Error;
        }
        break;
      }
      if (Error < 0) return Error;
      Error = FFilters[I]->FilterFrame(FFiltered.get(), FResult.get());
      FF.av_frame_unref(FFiltered.get());
      if (Error >= 0) Error = FF.av_buffersrc_add_frame_flags(Next, FResult.get(), 0);
      FF.av_frame_unref(FResult.get());
      if (Error < 0) return Error;
    }
  }
  return 0;
}

int TVideoFilterChain::ReceiveFrame(AVFrame* AFrame) {
  if (FGraphs.empty()) return AVERROR(EINVAL);
  return FF.av_buffersink_get_frame(FGraphs.back()->Sink, AFrame);
}
