#pragma once
// Owners of the FFmpeg objects that a conversion task's records hold. Each frees its
// object through the entry table, so a record must die while the libraries are loaded
// (a task is always released before the encoder unloads them).

#include <memory>
#include <utility>

#include "Src/FFEntryPoints.h"

// An FFmpeg dictionary with value semantics: copying a record copies its options, so a
// join segment can hand its own copy to FFmpeg without touching its neighbours'.
class TDictionary {
 public:
  TDictionary() = default;
  // Takes ownership of ADictionary.
  explicit TDictionary(AVDictionary* ADictionary) : FDictionary(ADictionary) {}
  TDictionary(const TDictionary& AOther) { FF.av_dict_copy(&FDictionary, AOther.FDictionary, 0); }
  TDictionary(TDictionary&& AOther) noexcept : FDictionary(std::exchange(AOther.FDictionary, nullptr)) {}
  TDictionary& operator=(TDictionary AOther) noexcept {
    std::swap(FDictionary, AOther.FDictionary);
    return *this;
  }
  ~TDictionary() {
    if (FDictionary) FF.av_dict_free(&FDictionary);
  }

  AVDictionary* Get() const { return FDictionary; }
  // For FFmpeg calls that take options and leave the unused ones behind.
  AVDictionary** Address() { return &FDictionary; }

 private:
  AVDictionary* FDictionary = nullptr;
};

// An input opened with avformat_open_input (or allocated for it).
struct TInputContextDeleter {
  void operator()(AVFormatContext* AContext) const { FF.avformat_close_input(&AContext); }
};
using TInputContextPtr = std::unique_ptr<AVFormatContext, TInputContextDeleter>;

// An encoder context shared by the join segments that write into one FFmpeg stream, or
// the decoder context of an input stream. The second pass's statistics (stats_in) belong
// to the user of the context, which gives them from av_malloc, so they go with it.
using TCodecContextPtr = std::shared_ptr<AVCodecContext>;
inline TCodecContextPtr MakeCodecContext(const AVCodec* ACodec) {
  AVCodecContext* Context = FF.avcodec_alloc_context3(ACodec);
  if (!Context) return nullptr;
  return TCodecContextPtr(Context, [](AVCodecContext* AContext) {
    FF.av_freep(&AContext->stats_in);
    FF.avcodec_free_context(&AContext);
  });
}

struct TFrameDeleter {
  void operator()(AVFrame* AFrame) const { FF.av_frame_free(&AFrame); }
};
using TFramePtr = std::unique_ptr<AVFrame, TFrameDeleter>;

struct TPacketDeleter {
  void operator()(AVPacket* APacket) const { FF.av_packet_free(&APacket); }
};
using TPacketPtr = std::unique_ptr<AVPacket, TPacketDeleter>;

struct TAudioFifoDeleter {
  void operator()(AVAudioFifo* AFifo) const { FF.av_audio_fifo_free(AFifo); }
};
using TAudioFifoPtr = std::unique_ptr<AVAudioFifo, TAudioFifoDeleter>;

struct TResamplerDeleter {
  void operator()(SwrContext* AContext) const { FF.swr_free(&AContext); }
};
using TResamplerPtr = std::unique_ptr<SwrContext, TResamplerDeleter>;

// One bitstream filter of an output stream's chain; join segments share the chain.
using TBitstreamFilterPtr = std::shared_ptr<AVBSFContext>;
inline TBitstreamFilterPtr MakeBitstreamFilter(const AVBitStreamFilter* AFilter) {
  AVBSFContext* Context = nullptr;
  if (FF.av_bsf_alloc(AFilter, &Context) < 0) return nullptr;
  return TBitstreamFilterPtr(Context, [](AVBSFContext* AContext) { FF.av_bsf_free(&AContext); });
}

struct TScalerDeleter {
  void operator()(SwsContext* AContext) const { FF.sws_freeContext(AContext); }
};
using TScalerPtr = std::unique_ptr<SwsContext, TScalerDeleter>;
