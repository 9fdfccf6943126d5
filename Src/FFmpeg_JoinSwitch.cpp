// The switch from one join segment to the next: the segment's input is drained into the
// output's encoders, which stay open, and the next input continues the output's time
// line.

#include <algorithm>

#include "Src/FFmpeg.h"

void TCustomFFmpeg::SwitchJoinSegment(int AFileIndex) {
  const size_t N = static_cast<size_t>(Fnb_output_streams_join);
  const TInputFile& File = *Finput_files[AFileIndex];
  for (int I = 0; I < File.nb_streams; I++) {
    TInputStream& Input = *Finput_streams[File.ist_index + I];
    if (Input.decoding_needed && !Input.decoder_flushed) ProcessPacket(Input, nullptr);
  }
  FlushFilterChains(AFileIndex * N, N);

  // Where the output stands: the time of the next frame each stream expects, counted
  // from what went into the encoders, since encoders hold back some packets.
  int64_t End = 0;
  for (size_t I = AFileIndex * N; I < (AFileIndex + 1) * N; I++) {
    TOutputStream& Stream = *Foutput_streams[I];
    Stream.not_show_fps = 1;
    const TStreamOutputState& State = *Stream.state;
    int64_t Next = 0;
    if (Stream.encoding_needed) {
      int64_t Ticks = State.sync_opts;
      if (State.fifo) Ticks += FF.av_audio_fifo_size(State.fifo.get());
      Next = FF.av_rescale_q(Ticks, Stream.enc_ctx->time_base, AV_TIME_BASE_Q);
    } else if (State.end_time != AV_NOPTS_VALUE) {
      Next = State.end_time;
    }
    End = std::max(End, Next);
  }
  Finput_files[AFileIndex + 1]->ts_offset += End;
}
