// An input read by an FFmpeg demuxer.

#include "Src/MediaInput.h"

TDemuxerInput::TDemuxerInput(AVFormatContext* AContext, const AVInputFormat* AFormat)
    : FContext(AContext), FFormat(AFormat) {}

TDemuxerInput::~TDemuxerInput() {
  if (FOpened)
    FF.avformat_close_input(&FContext);  // leaves a protocol's context alone (custom I/O)
  else if (FContext)
    FF.avformat_free_context(FContext);
  CloseProtocolIO(FProtocolIO);
}

int TDemuxerInput::Open(const String& AName, AVDictionary** AOptions, const AVIOInterruptCB& AInterrupt) {
  FContext->interrupt_callback = AInterrupt;
  int Error = 0;
  FProtocolIO = OpenProtocolIO(AName, AVIO_FLAG_READ, Error);
  if (FProtocolIO) {
    FContext->pb = FProtocolIO;
    FContext->flags |= AVFMT_FLAG_CUSTOM_IO;
  } else if (Error != AVERROR_PROTOCOL_NOT_FOUND) {
    return Error;  // an engine protocol serves the name but could not open it
  }
  // On failure FFmpeg frees the context it was given.
  int Result = FF.avformat_open_input(&FContext, AName.c_str(), FFormat, AOptions);
  FOpened = Result >= 0;
  return Result;
}

int TDemuxerInput::FindStreamInfo(AVDictionary** AStreamOptions) {
  return FF.avformat_find_stream_info(FContext, AStreamOptions);
}

int TDemuxerInput::ReadPacket(AVPacket* APacket) { return FF.av_read_frame(FContext, APacket); }

int TDemuxerInput::Seek(int64_t ATimestamp) {
  return FF.avformat_seek_file(FContext, -1, INT64_MIN, ATimestamp, INT64_MAX, 0);
}
