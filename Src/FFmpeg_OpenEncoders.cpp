// Opening the encoders and the bitstream filters of the output streams.

#include <cstring>

#include "Src/FFmpeg.h"

int TCustomFFmpeg::OpenEncoder(TOutputStream& AStream) {
  AVCodecContext* Encoder = AStream.enc_ctx.get();
  const String Kind = MediaTypeName(Encoder->codec_type);
  if (!AStream.enc) {
    FLastErrMsg = Format("Encoder (codec %s) not found for output stream #%d:%d (%s)",
                         FF.avcodec_get_name(Encoder->codec_id), AStream.file_index, AStream.index, Kind);
    return AVERROR(EINVAL);
  }
  const AVCodecContext* Decoder = Finput_streams[AStream.source_index]->dec_ctx.get();
  if (Decoder && Decoder->subtitle_header) {
    Encoder->subtitle_header = static_cast<uint8_t*>(FF.av_mallocz(Decoder->subtitle_header_size + 1));
    if (!Encoder->subtitle_header) {
      FLastErrMsg = "av_malloc failed";
      return AVERROR(ENOMEM);
    }
    std::memcpy(Encoder->subtitle_header, Decoder->subtitle_header, Decoder->subtitle_header_size);
    Encoder->subtitle_header_size = Decoder->subtitle_header_size;
  }

  TDictionary Options(AStream.opts);
  // Encoders use as many threads as FFmpeg's own converter gives them.
  FF.av_dict_set(Options.Address(), "threads", "auto", AV_DICT_DONT_OVERWRITE);
  if (FF.avcodec_open2(Encoder, AStream.enc, Options.Address()) < 0) {
    FLastErrMsg = Format(
        "Error while opening encoder for output stream #%d:%d (%s) - maybe incorrect parameters such as "
        "bit_rate, "
        "rate, width or height. Please check error log message(reported by VORerivi) to find out more detail "
        "information.",
        AStream.file_index, AStream.index, Kind);
    return AVERROR(EINVAL);
  }
  CheckExperimentalCodec(Encoder, true);
  CheckUnusedOptions(Options.Get());
  if (Encoder->bit_rate && Encoder->bit_rate < 1000)
    Log(llWarning, "The bitrate parameter is set too low. It takes bits/s as argument, not kbits/s");
  Fextra_size += Encoder->extradata_size;

  int Error = FF.avcodec_parameters_from_context(AStream.st->codecpar, Encoder);
  if (Error < 0) {
    FLastErrMsg = ErrorToText("avcodec_parameters_from_context", Error);
    return Error;
  }
  AStream.st->time_base = Encoder->time_base;
  if (Encoder->codec_type == AVMEDIA_TYPE_VIDEO) AStream.st->avg_frame_rate = Encoder->framerate;
  if (Encoder->codec_type == AVMEDIA_TYPE_AUDIO) {
    TStreamOutputState& State = *AStream.state;
    State.fifo.reset(FF.av_audio_fifo_alloc(Encoder->sample_fmt, Encoder->ch_layout.nb_channels,
                                            Encoder->frame_size > 0 ? Encoder->frame_size : 1));
    State.frame.reset(FF.av_frame_alloc());
    if (!State.fifo || !State.frame) {
      FLastErrMsg = "av_fifo_alloc failed";
      return AVERROR(ENOMEM);
    }
  }
  return 0;
}

// The filters work in the time base of the packets they get: the encoder's, or the
// input stream's for a copy. What they make of the codec parameters goes to the muxer.
int TCustomFFmpeg::InitBitstreamFilters(TOutputStream& AStream) {
  if (AStream.bitstream_filters.empty()) return 0;
  AVRational TimeBase =
      AStream.stream_copy ? Finput_streams[AStream.source_index]->st->time_base : AStream.enc_ctx->time_base;
  const AVCodecParameters* Parameters = AStream.st->codecpar;
  for (const TBitstreamFilterPtr& Filter : AStream.bitstream_filters) {
    int Error = FF.avcodec_parameters_copy(Filter->par_in, Parameters);
    Filter->time_base_in = TimeBase;
    if (Error >= 0) Error = FF.av_bsf_init(Filter.get());
    if (Error < 0) {
      FLastErrMsg =
          ErrorToText(Format("Error initializing bitstream filter: %s", Filter->filter->name), Error);
      return Error;
    }
    Parameters = Filter->par_out;
    TimeBase = Filter->time_base_out;
  }
  int Error = FF.avcodec_parameters_copy(AStream.st->codecpar, Parameters);
  if (Error < 0) FLastErrMsg = ErrorToText("avcodec_parameters_copy", Error);
  return Error;
}
