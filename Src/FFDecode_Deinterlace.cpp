#include "Src/FFDecode_Deinterlace.h"

#include "Src/FFLoad.h"
#include "platform/base/Strings.h"

TDeinterlacer::TDeinterlacer() = default;

TDeinterlacer::~TDeinterlacer() {
  FreeGraph();
  if (FOutput) FF.av_frame_free(&FOutput);
}

void TDeinterlacer::FreeGraph() {
  if (FGraph) FF.avfilter_graph_free(&FGraph);
  FSource = FSink = nullptr;
}

bool TDeinterlacer::BuildGraph(const AVFrame* APicture) {
  FGraph = FF.avfilter_graph_alloc();
  if (!FGraph) return false;
  AVRational Shape = APicture->sample_aspect_ratio.den ? APicture->sample_aspect_ratio : AVRational{0, 1};
  String SourceArguments = Format("video_size=%dx%d:pix_fmt=%d:time_base=1/25:pixel_aspect=%d/%d",
                                  APicture->width, APicture->height, APicture->format, Shape.num, Shape.den);
  AVFilterContext* Yadif = nullptr;
  // Every picture is deinterlaced, marked interlaced or not: the caller asked for it.
  return FF.avfilter_graph_create_filter(&FSource, FF.avfilter_get_by_name("buffer"), "in",
                                         SourceArguments.c_str(), nullptr, FGraph) >= 0 &&
         FF.avfilter_graph_create_filter(&Yadif, FF.avfilter_get_by_name("yadif"), "deinterlace",
                                         "mode=send_frame:parity=auto:deint=all", nullptr, FGraph) >= 0 &&
         FF.avfilter_graph_create_filter(&FSink, FF.avfilter_get_by_name("buffersink"), "out", nullptr,
                                         nullptr, FGraph) >= 0 &&
         FF.avfilter_link(FSource, 0, Yadif, 0) >= 0 && FF.avfilter_link(Yadif, 0, FSink, 0) >= 0 &&
         FF.avfilter_graph_config(FGraph, nullptr) >= 0;
}

AVFrame* TDeinterlacer::Run(const AVFrame* APicture) {
  if (!FFLoader().Loaded(avFilter)) return nullptr;
  if (!FOutput) FOutput = FF.av_frame_alloc();
  if (!FOutput) return nullptr;
  FF.av_frame_unref(FOutput);

  // A graph that has seen the end of its input takes no more pictures, so each
  // picture gets a graph of its own.
  FreeGraph();
  AVFrame* Input = FF.av_frame_clone(APicture);
  bool Done = Input && BuildGraph(APicture);
  if (Done) {
    Input->pts = 0;
    Done = FF.av_buffersrc_add_frame_flags(FSource, Input, 0) >= 0 &&
           FF.av_buffersrc_add_frame_flags(FSource, nullptr, 0) >= 0 &&
           FF.av_buffersink_get_frame(FSink, FOutput) >= 0;
  }
  if (Input) FF.av_frame_free(&Input);
  FreeGraph();
  if (!Done) FF.av_frame_unref(FOutput);
  return Done ? FOutput : nullptr;
}
