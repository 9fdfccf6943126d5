// The transcode set-up: every output stream is settled (copy or encode), decoders and
// encoders are opened and the headers written, before the packet loop starts.

#include "Src/FFmpeg.h"
#include "platform/base/Clock.h"

namespace {

bool IsJoinLater(bool AJoinMode, size_t AIndex, int AStreamsPerSegment) {
  return AJoinMode && AIndex >= static_cast<size_t>(AStreamsPerSegment);
}

}  // namespace

int TCustomFFmpeg::transcode_init() {
  FFilteredFrame.reset(FF.av_frame_alloc());
  FDeinterlacedFrame.reset(FF.av_frame_alloc());
  FEncodedPacket.reset(FF.av_packet_alloc());
  FCopyPacket.reset(FF.av_packet_alloc());
  if (!FFilteredFrame || !FDeinterlacedFrame || !FEncodedPacket || !FCopyPacket) {
    FLastErrMsg = ErrorToText("transcode_init() error", AVERROR(ENOMEM));
    return AVERROR(ENOMEM);
  }
  for (const auto& File : Finput_files)
    if (File->rate_emu)
      for (int I = 0; I < File->nb_streams; I++)
        Finput_streams[File->ist_index + I]->start = MonotonicMicroseconds();

  for (size_t I = 0; I < Foutput_files.size(); I++) {
    AVFormatContext* Context = Foutput_files[I]->ctx;
    if (Context->nb_streams == 0 && !(Context->oformat->flags & AVFMT_NOSTREAMS)) {
      FF.av_dump_format(Context, static_cast<int>(I), Context->url, 1);
      FLastErrMsg = Format("Output file #%d does not contain any stream", static_cast<int>(I));
      Log(llError, FLastErrMsg);
      return AVERROR(EINVAL);
    }
  }

  // One output state per FFmpeg stream; the join segments share the first segment's.
  for (size_t I = 0; I < Foutput_streams.size(); I++)
    Foutput_streams[I]->state = IsJoinLater(FJoinMode, I, Fnb_output_streams_join)
                                    ? Foutput_streams[I % Fnb_output_streams_join]->state
                                    : std::make_shared<TStreamOutputState>();

  for (size_t I = 0; I < Foutput_streams.size(); I++) {
    TOutputStream& Stream = *Foutput_streams[I];
    if (Stream.st->codecpar->codec_type == AVMEDIA_TYPE_ATTACHMENT) continue;
    int Error = PrepareOutputStream(static_cast<int>(I));
    if (Error < 0) return Error;
  }

  // The decoders open first: a subtitle encoder takes its header from its decoder.
  int Error = 0;
  for (size_t I = 0; I < Finput_streams.size() && Error >= 0; I++) {
    String Text;
    Error = InitInputStream(static_cast<int>(I), Text);
    if (Error < 0) FLastErrMsg = Text;
  }
  const size_t Encoders = FJoinMode ? static_cast<size_t>(Fnb_output_streams_join) : Foutput_streams.size();
  for (size_t I = 0; I < Encoders && Error >= 0; I++) {
    TOutputStream& Stream = *Foutput_streams[I];
    if (Stream.encoding_needed) Error = OpenEncoder(Stream);
    if (Error >= 0) Error = InitBitstreamFilters(Stream);
  }

  DiscardUnusedInputs();
  if (Error >= 0) Error = WriteHeaders();
  DumpStreamMapping();
  if (Error < 0) {
    Log(llError, FLastErrMsg);
    return Error;
  }
  bool AllRtp = true;
  for (const auto& File : Foutput_files) AllRtp = AllRtp && String(File->ctx->oformat->name) == "rtp";
  if (AllRtp) LogSdp();
  return 0;
}

// The demuxers skip what no output takes: programs none of whose streams is used, and
// unused streams.
void TCustomFFmpeg::DiscardUnusedInputs() {
  for (const auto& File : Finput_files)
    for (unsigned P = 0; P < File->ctx->nb_programs; P++) {
      AVProgram* Program = File->ctx->programs[P];
      bool Used = false;
      for (unsigned K = 0; K < Program->nb_stream_indexes; K++) {
        const int Index = static_cast<int>(Program->stream_index[K]);
        Used = Used || (Index < File->nb_streams && !Finput_streams[File->ist_index + Index]->discard);
      }
      Program->discard = Used ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    }
  for (const auto& Input : Finput_streams)
    if (Input->discard) Input->st->discard = AVDISCARD_ALL;
}

int TCustomFFmpeg::PrepareOutputStream(int AIndex) {
  TOutputStream& Stream = *Foutput_streams[AIndex];
  // A record of a join segment after the first: the first segment has set up its FFmpeg
  // stream and encoder already.
  const bool Later = IsJoinLater(FJoinMode, AIndex, Fnb_output_streams_join);
  if (Stream.source_index < 0) {
    // Only a join segment can lack the source of a stream the output has.
    FLastErrMsg = Format("Input file #%d cannot be joined: it has no %s stream", Stream.file_index,
                         LowerCase(MediaTypeName(Stream.st->codecpar->codec_type)));
    return AVERROR(EINVAL);
  }
  TInputStream& Input = *Finput_streams[Stream.source_index];
  if (!Later) {
    Stream.st->disposition = Input.st->disposition;
    Stream.enc_ctx->bits_per_raw_sample = Input.st->codecpar->bits_per_raw_sample;
    Stream.enc_ctx->chroma_sample_location = Input.st->codecpar->chroma_location;
  }
  if (Stream.stream_copy) return Later ? CheckJoinedCopy(Stream, Input) : PrepareStreamCopy(Stream, Input);
  return PrepareEncoding(Stream, Input, AIndex, Later);
}

int TCustomFFmpeg::InitInputStream(int AIndex, String& AError) {
  TInputStream& Input = *Finput_streams[AIndex];
  if (Input.decoding_needed) {
    if (!Input.avdec) {
      AError = Format("Decoder (codec %s) not found for input stream #%d:%d",
                      FF.avcodec_get_name(Input.st->codecpar->codec_id), Input.file_index, Input.st->index);
      return AVERROR(EINVAL);
    }
    Input.dec_ctx = MakeCodecContext(Input.avdec);
    Input.decoded_frame.reset(FF.av_frame_alloc());
    if (!Input.dec_ctx || !Input.decoded_frame) {
      AError = ErrorToText("avcodec_alloc_context3", AVERROR(ENOMEM));
      return AVERROR(ENOMEM);
    }
    TDictionary Options(Input.opts);
    // Decoders use as many threads as FFmpeg's own converter gives them.
    FF.av_dict_set(Options.Address(), "threads", "auto", AV_DICT_DONT_OVERWRITE);
    int Error = FF.avcodec_parameters_to_context(Input.dec_ctx.get(), Input.st->codecpar);
    Input.dec_ctx->pkt_timebase = Input.st->time_base;
    if (Error < 0 || FF.avcodec_open2(Input.dec_ctx.get(), Input.avdec, Options.Address()) < 0) {
      AError =
          Format("Error while opening decoder for input stream #%d:%d", Input.file_index, Input.st->index);
      return AVERROR(EINVAL);
    }
    CheckExperimentalCodec(Input.dec_ctx.get(), false);
    CheckUnusedOptions(Options.Get());
  }
  AVRational Rate = Input.st->avg_frame_rate;
  Input.pts =
      Rate.num && Rate.den
          ? -std::llround(Input.st->codecpar->video_delay * static_cast<double>(AV_TIME_BASE) / av_q2d(Rate))
          : 0;
  Input.next_pts = AV_NOPTS_VALUE;
  Input.is_start = 1;
  return 0;
}

int TCustomFFmpeg::WriteHeaders() {
  const size_t Count = FJoinMode ? 1 : Foutput_files.size();
  for (size_t I = 0; I < Count; I++) {
    TOutputFile& File = *Foutput_files[I];
    File.ctx->interrupt_callback = FWriteCallback;
    TDictionary Options(File.opts);
    FLastWrite = MonotonicMicroseconds();
    if (FF.avformat_write_header(File.ctx, Options.Address()) < 0) {
      FLastErrMsg = Format("Could not write header for output file #%d (incorrect codec parameters ?)",
                           static_cast<int>(I));
      return AVERROR(EINVAL);
    }
    File.header_written = true;
  }
  return 0;
}
