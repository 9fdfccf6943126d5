// The body of a conversion: the set-up, the packet loop, and the end that drains every
// stage into the output.

#include <algorithm>

#include "Src/FFmpeg.h"
#include "platform/base/Clock.h"
#include "platform/base/ScopeExit.h"

void TCustomFFmpeg::Transcode() {
  FLastErrMsg.clear();
  // Whatever ends the run, its codecs, files and buffers are released.
  ScopeExit ReleaseAtEnd([this] { ReleaseTranscode(); });
  const int InitError = transcode_init();
  if (InitError < 0) {
    if (FLastErrMsg.empty()) FLastErrMsg = ErrorToText("transcode_init() error", InitError);
    RaiseError(FLastErrMsg);
  }
  if (FOutputDuration < 0) FOutputDuration = FInputDuration;

  std::vector<bool> NoPacket(Finput_files.size(), false);
  const int64_t TimerStart = MonotonicMicroseconds();
  int64_t LastReport = TimerStart;
  int Current = 0;  // the input being read in join mode
  TPacketPtr Packet(FF.av_packet_alloc());
  if (!Packet) RaiseError(ErrorToText("av_packet_alloc", AVERROR(ENOMEM)));

  while (!FBroken) {
    WaitWhilePaused();
    if (FBroken) break;
    const int FileIndex = ChooseInputFile(Current, NoPacket);
    if (FileIndex < 0) {
      if (FJoinMode || std::none_of(NoPacket.begin(), NoPacket.end(), [](bool AMark) { return AMark; }))
        break;
      // Every input that could be read said "not yet": wait a little.
      std::fill(NoPacket.begin(), NoPacket.end(), false);
      SleepMs(10);
      continue;
    }
    TInputFile& File = *Finput_files[FileIndex];
    FLastRead = MonotonicMicroseconds();
    int Error = File.input->ReadPacket(Packet.get());
    if (Error == AVERROR(EAGAIN)) {
      NoPacket[FileIndex] = true;
      continue;
    }
    if (Error < 0) {
      File.eof_reached = 1;
      if (Fopt_shortest && !FJoinMode) {
        LimitToInputEnd(FileIndex);
        break;
      }
      if (FJoinMode) {
        if (FileIndex + 1 >= static_cast<int>(Finput_files.size())) break;
        SwitchJoinSegment(FileIndex);
        Current = FileIndex + 1;
      }
      continue;
    }
    std::fill(NoPacket.begin(), NoPacket.end(), false);
    if (Fdo_pkt_dump && Packet->stream_index < File.nb_streams)
      FF.av_pkt_dump_log2(nullptr, AV_LOG_DEBUG, Packet.get(), Fdo_hex_dump,
                          File.ctx->streams[Packet->stream_index]);

    if (AdjustPacketTimestamps(Packet.get(), FileIndex)) {
      TInputStream& Input = *Finput_streams[File.ist_index + Packet->stream_index];
      Error = ProcessPacket(Input, Packet.get());
      if (Error < 0) {
        String Text = Format("Error while decoding stream #%d:%d (%s)", Input.file_index, Input.st->index,
                             MediaTypeName(Input.st->codecpar->codec_type));
        if (Fexit_on_error) RaiseError(Text);
        Log(llError, Text);
        FF.av_packet_unref(Packet.get());
        continue;
      }
    }
    FF.av_packet_unref(Packet.get());

    const int64_t Now = MonotonicMicroseconds();
    if (Now - LastReport > ReportInterval) {
      LastReport = Now;
      ReportProgress(Now, TimerStart, false, Current);
    }
  }

  EndTranscode();
  ReportProgress(MonotonicMicroseconds(), TimerStart, true, -1);
  FFinished = !FBroken;
}

// The input to read next: in join mode the current segment's; otherwise the one whose
// output is furthest behind (or, with "-isync", whose input is), among the outputs
// still open.
int TCustomFFmpeg::ChooseInputFile(int ACurrentFile, const std::vector<bool>& ANoPacket) {
  if (FJoinMode) {
    for (int I = 0; I < Fnb_output_streams_join; I++) {
      const TOutputStream& Stream = *Foutput_streams[ACurrentFile * Fnb_output_streams_join + I];
      if (Stream.state->frame_number >= Stream.max_frames) return -1;
    }
    return ACurrentFile;
  }
  int Chosen = -1;
  int64_t BestInput = INT64_MAX;
  int64_t BestOutput = INT64_MAX;
  for (const auto& Record : Foutput_streams) {
    TOutputStream& Stream = *Record;
    if (Stream.source_index < 0 || Stream.is_past_recording_time) continue;
    const TInputStream& Input = *Finput_streams[Stream.source_index];
    const TOutputFile& Output = *Foutput_files[Stream.file_index];
    if (ANoPacket[Input.file_index]) continue;
    if (Output.limit_filesize != INT64_MAX && Output.ctx->pb &&
        FF.avio_seek(Output.ctx->pb, 0, SEEK_CUR) >= Output.limit_filesize)
      continue;
    const int64_t OutputTime = Stream.state->end_time == AV_NOPTS_VALUE ? 0 : Stream.state->end_time;
    if (!Finput_files[Input.file_index]->eof_reached) {
      if (Finput_sync ? Input.pts < BestInput : OutputTime < BestOutput) {
        BestInput = Input.pts;
        BestOutput = OutputTime;
        Chosen = Input.file_index;
      }
    }
    if (Stream.state->frame_number >= Stream.max_frames)
      for (auto& Other : Foutput_streams)
        if (Other->file_index == Stream.file_index) Other->is_past_recording_time = 1;
  }
  return Chosen;
}

// "-shortest": the outputs end where input AFileIndex ended. Its decoders give what
// they hold first, so its end is known; what the other inputs' decoders still hold
// beyond it is not written.
void TCustomFFmpeg::LimitToInputEnd(int AFileIndex) {
  const TInputFile& File = *Finput_files[AFileIndex];
  int64_t End = INT64_MIN;
  for (int I = 0; I < File.nb_streams; I++) {
    TInputStream& Input = *Finput_streams[File.ist_index + I];
    if (Input.discard) continue;
    if (Input.decoding_needed && !Input.decoder_flushed) ProcessPacket(Input, nullptr);
    End = std::max(End, Input.next_pts != AV_NOPTS_VALUE ? Input.next_pts : Input.pts);
  }
  if (End == INT64_MIN) return;
  for (const auto& Output : Foutput_files)
    Output->recording_time = std::min(Output->recording_time, std::max<int64_t>(0, End - Output->start_time));
}

// Puts the packet on the output's time line: the file's offset and the stream's scale,
// and a jump of the input's time stamps taken out. False for a packet to drop.
bool TCustomFFmpeg::AdjustPacketTimestamps(AVPacket* APacket, int AFileIndex) {
  TInputFile& File = *Finput_files[AFileIndex];
  if (APacket->stream_index >= File.nb_streams) return false;
  TInputStream& Input = *Finput_streams[File.ist_index + APacket->stream_index];
  if (Input.discard) return false;
  const AVRational TimeBase = Input.st->time_base;

  const int64_t Offset = FF.av_rescale_q(File.ts_offset, AV_TIME_BASE_Q, TimeBase);
  if (APacket->dts != AV_NOPTS_VALUE) APacket->dts += Offset;
  if (APacket->pts != AV_NOPTS_VALUE) APacket->pts += Offset;
  if (Input.ts_scale != 1.0) {
    if (APacket->dts != AV_NOPTS_VALUE) APacket->dts = std::llround(APacket->dts * Input.ts_scale);
    if (APacket->pts != AV_NOPTS_VALUE) APacket->pts = std::llround(APacket->pts * Input.ts_scale);
  }

  const bool Discontinuous = File.ctx->iformat && (File.ctx->iformat->flags & AVFMT_TS_DISCONT);
  if (Discontinuous && APacket->dts != AV_NOPTS_VALUE && Input.next_pts != AV_NOPTS_VALUE && !Fcopy_ts) {
    const int64_t Dts = FF.av_rescale_q(APacket->dts, TimeBase, AV_TIME_BASE_Q);
    const int64_t Delta = Dts - Input.next_pts;
    const double Threshold = Fdts_delta_threshold * AV_TIME_BASE;
    if (Delta < -Threshold ||
        (Delta > Threshold && Input.st->codecpar->codec_type != AVMEDIA_TYPE_SUBTITLE) ||
        Dts + 1 < Input.pts) {
      File.ts_offset -= Delta;
      Log(llDebug, Format("timestamp discontinuity %d, new offset= %d", Delta, File.ts_offset));
      const int64_t Shift = FF.av_rescale_q(Delta, AV_TIME_BASE_Q, TimeBase);
      APacket->dts -= Shift;
      if (APacket->pts != AV_NOPTS_VALUE) APacket->pts -= Shift;
    }
  }
  return true;
}

// The end of the run, after the last packet or a stop: every decoder, filter chain and
// encoder gives what it still holds, and the trailers complete the files.
void TCustomFFmpeg::EndTranscode() {
  FEnding = true;
  for (const auto& Input : Finput_streams)
    if (Input->decoding_needed && !Input->decoder_flushed) ProcessPacket(*Input, nullptr);
  FlushFilterChains(0, Foutput_streams.size());
  FlushEncoders(Foutput_streams.size());
  const size_t Files = FJoinMode ? 1 : Foutput_files.size();
  for (size_t I = 0; I < Files; I++) {
    TOutputFile& File = *Foutput_files[I];
    if (!File.header_written) continue;
    FLastWrite = MonotonicMicroseconds();
    int Error = FF.av_write_trailer(File.ctx);
    File.header_written = false;
    if (Error < 0) RaiseError(ErrorToText("av_write_trailer()", Error));
  }
}

// Frees what only the run needs; the records themselves go with the task's release.
void TCustomFFmpeg::ReleaseTranscode() {
  for (const auto& Input : Finput_streams) {
    Input->dec_ctx.reset();
    Input->deinterlacer.reset();
    Input->decoded_frame.reset();
  }
  for (const auto& Stream : Foutput_streams) {
    Stream->filter.reset();
    Stream->resampling.reset();
    Stream->state.reset();  // closes the first pass's log
  }
  Faudio_buf.reset();
  Fallocated_audio_buf_samples = 0;
  FFilteredFrame.reset();
  FDeinterlacedFrame.reset();
  FEncodedPacket.reset();
  Fsubtitle_out.clear();
  Fsubtitle_out.shrink_to_fit();
  Fvstats_file.reset();
}
