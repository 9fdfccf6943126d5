#pragma once
// The engine's input interface: one opened input of a conversion task, whatever serves
// it. FFmpeg's demuxers are one implementation (TDemuxerInput); the engine's own input
// devices, registered with RegisterInputFormat, are the other.
//
// An input is used by one thread at a time: the thread that opens it (the caller of the
// encoder's list operations), then the task's converting thread.

#include <memory>

#include "Src/FFUtils.h"

class TMediaInput {
 public:
  virtual ~TMediaInput() = default;  // closes the input

  // Opens AName. AOptions holds the pending format options: the input removes every
  // entry it used and leaves the others (the caller reports them as unknown).
  // AInterrupt aborts blocking calls (time-outs). 0 or a negative FFmpeg code.
  virtual int Open(const String& AName, AVDictionary** AOptions, const AVIOInterruptCB& AInterrupt) = 0;

  // The description of the opened input: its streams with their codec parameters,
  // start time and duration. Owned by the input; the caller may adjust it before
  // FindStreamInfo (the encoder's OnBeforeFindStreamInfo does).
  virtual AVFormatContext* Context() const = 0;

  // Completes the description of the streams, reading ahead where needed.
  // AStreamOptions: one decoder option dictionary per stream, or nullptr. 0 or a
  // negative code.
  virtual int FindStreamInfo(AVDictionary** AStreamOptions) = 0;

  // The next packet, in the time base of its stream. 0, AVERROR(EAGAIN) when none is
  // ready yet, AVERROR_EOF at the end, or another negative code.
  virtual int ReadPacket(AVPacket* APacket) = 0;

  // Moves reading to the position of ATimestamp (microseconds on the input's own time
  // line, its start time included) or the nearest one before it. 0 or a negative code.
  virtual int Seek(int64_t ATimestamp) = 0;
};

// An input device of the engine ("-f <name>" before an input selects it). Devices are
// registered once and create one input per opening.
class TInputDevice : public TEngineInputFormat {
 public:
  virtual std::unique_ptr<TMediaInput> CreateInput() = 0;
};

// An input read by an FFmpeg demuxer. A name served by an engine protocol
// (RegisterProtocol) is read through that protocol's AVIOContext.
class TDemuxerInput final : public TMediaInput {
 public:
  // Takes AContext, made by avformat_alloc_context and prepared by the caller (forced
  // codec ids, flags). AFormat: the demuxer to use, or nullptr to probe.
  TDemuxerInput(AVFormatContext* AContext, const AVInputFormat* AFormat);
  ~TDemuxerInput() override;

  int Open(const String& AName, AVDictionary** AOptions, const AVIOInterruptCB& AInterrupt) override;
  AVFormatContext* Context() const override { return FContext; }
  int FindStreamInfo(AVDictionary** AStreamOptions) override;
  int ReadPacket(AVPacket* APacket) override;
  int Seek(int64_t ATimestamp) override;

 private:
  AVFormatContext* FContext;
  const AVInputFormat* FFormat;
  bool FOpened = false;
  AVIOContext* FProtocolIO = nullptr;  // set when an engine protocol serves the input
};
