// The set-up of an encoded stream: the encoder's parameters from the input and the
// options, the video filter chain and the two-pass log.

#include "Src/FFmpeg.h"

int TCustomFFmpeg::PrepareEncoding(TOutputStream& AStream, TInputStream& AInput, int AIndex, bool ALater) {
  AVCodecContext* Encoder = AStream.enc_ctx.get();
  if (!AStream.enc) AStream.enc = FF.avcodec_find_encoder(Encoder->codec_id);
  AInput.decoding_needed = 1;
  AStream.encoding_needed = 1;
  int Error = 0;
  switch (Encoder->codec_type) {
    case AVMEDIA_TYPE_AUDIO:
      AStream.resampling = std::make_shared<TAudioResampling>();
      if (!ALater) Error = PrepareAudioEncoding(AStream, AInput);
      break;
    case AVMEDIA_TYPE_VIDEO:
      Error = PrepareVideoEncoding(AStream, AInput, ALater);
      break;
    case AVMEDIA_TYPE_SUBTITLE:
      // Subtitles are timed in microseconds; pictures of bitmap subtitles keep the input's
      // canvas.
      Encoder->time_base = AV_TIME_BASE_Q;
      if (!Encoder->width) {
        Encoder->width = AInput.st->codecpar->width;
        Encoder->height = AInput.st->codecpar->height;
      }
      break;
    default:
      FLastErrMsg = "invalid codec_type of output stream";
      return -1;
  }
  if (Error < 0 || ALater) return Error;
  return PrepareTwoPass(AStream, AIndex);
}

int TCustomFFmpeg::PrepareAudioEncoding(TOutputStream& AStream, const TInputStream& AInput) {
  AVCodecContext* Encoder = AStream.enc_ctx.get();
  const AVCodecParameters* Source = AInput.st->codecpar;
  if (!Encoder->sample_rate) Encoder->sample_rate = Source->sample_rate;
  ChooseSampleRate(AStream, AStream.enc);
  Encoder->time_base = {1, Encoder->sample_rate};
  if (Encoder->sample_fmt == AV_SAMPLE_FMT_NONE)
    Encoder->sample_fmt = static_cast<AVSampleFormat>(Source->format);
  ChooseSampleFormat(AStream, AStream.enc);

  if (AStream.audio_channels_mapped) {
    if (!Encoder->ch_layout.nb_channels) {
      FF.av_channel_layout_default(&Encoder->ch_layout, AStream.audio_channels_mapped);
      if (Encoder->ch_layout.order != AV_CHANNEL_ORDER_NATIVE) {
        FLastErrMsg = "Unable to find an appropriate channel layout for requested number of channel";
        return -1;
      }
    }
    for (size_t I = AStream.audio_channels_mapped; I < AStream.audio_channels_map.size(); I++)
      AStream.audio_channels_map[I] = -1;
  } else if (!Encoder->ch_layout.nb_channels) {
    if (Source->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
      FF.av_channel_layout_default(&Encoder->ch_layout, Source->ch_layout.nb_channels);
    else
      FF.av_channel_layout_copy(&Encoder->ch_layout, &Source->ch_layout);
  }
  return 0;
}

int TCustomFFmpeg::PrepareVideoEncoding(TOutputStream& AStream, TInputStream& AInput, bool ALater) {
  AVCodecContext* Encoder = AStream.enc_ctx.get();
  const AVCodecParameters* Source = AInput.st->codecpar;
  if (!ALater) {
    if (Encoder->pix_fmt == AV_PIX_FMT_NONE) Encoder->pix_fmt = static_cast<AVPixelFormat>(Source->format);
    ChoosePixelFormat(AStream, AStream.enc);
    if (Encoder->pix_fmt == AV_PIX_FMT_NONE) {
      FLastErrMsg = "Video pixel format is unknown, stream cannot be encoded";
      return -1;
    }
    if (!Encoder->width || !Encoder->height) {
      Encoder->width = Source->width;
      Encoder->height = Source->height;
    }
    if (Encoder->width != Source->width || Encoder->height != Source->height ||
        Encoder->pix_fmt != Source->format)
      Encoder->bits_per_raw_sample = Fframe_bits_per_raw_sample;

    AVRational Rate = ChooseFrameRate(AStream, AInput);
    Encoder->framerate = Rate;
    Encoder->time_base = av_inv_q(Rate);
    const AVFormatContext* Output = Foutput_files[AStream.file_index]->ctx;
    if (av_q2d(Encoder->time_base) < 0.001 && Fvideo_sync_method &&
        (Fvideo_sync_method == 1 ||
         (Fvideo_sync_method < 0 && !(Output->oformat->flags & AVFMT_VARIABLE_FPS))))
      FF.av_log(const_cast<AVFormatContext*>(Output), AV_LOG_WARNING,
                "Frame rate very high for a muxer not effciciently supporting it.\n"
                "Please consider specifiying a lower framerate, a different muxer or -vsync 2\n");
  }
  // Forced key frames are compared with frame times in the encoder's time base; every
  // join segment has its own copy of the list.
  for (int64_t& Time : AStream.forced_kf_pts)
    Time = FF.av_rescale_q(Time, AV_TIME_BASE_Q, Encoder->time_base);

  if (Fdo_deinterlace && !AInput.deinterlacer) {
    AInput.deinterlacer = std::make_unique<TVideoFilterChain>();
    String Error;
    int Result = AInput.deinterlacer->Configure("yadif=mode=send_frame:parity=auto:deint=all",
                                                DecodedVideoFormat(AInput), {}, AStream.sws_flags, Error);
    if (Result < 0) {
      // Pictures the deinterlacer does not take are encoded as they are.
      Log(llWarning, "Deinterlacing failed.");
      AInput.deinterlacer.reset();
    }
  }

  AStream.filter = std::make_shared<TVideoFilterChain>();
  FLastErrMsg.clear();
  TVideoFormat Format =
      AInput.deinterlacer ? AInput.deinterlacer->OutputFormat() : DecodedVideoFormat(AInput);
  int Error = ConfigureVideoGraph(AStream, Format, ALater);
  if (Error < 0) {
    FLastErrMsg = FLastErrMsg.empty() ? ErrorToText("Error opening filters", Error)
                                      : "Error opening filters: " + FLastErrMsg;
    return Error;
  }
  return 0;
}

AVRational TCustomFFmpeg::ChooseFrameRate(TOutputStream& AStream, const TInputStream& AInput) {
  AVRational Rate = AStream.frame_rate;
  if (!Rate.num || !Rate.den)
    Rate = FF.av_guess_frame_rate(Finput_files[AInput.file_index]->ctx, AInput.st, nullptr);
  if (!Rate.num || !Rate.den) Rate = {25, 1};
  if (AStream.enc && AStream.enc->supported_framerates && !AStream.force_fps)
    Rate =
        AStream.enc->supported_framerates[FF.av_find_nearest_q_idx(Rate, AStream.enc->supported_framerates)];
  return Rate;
}

// H.264 through libx264 keeps its own statistics: it is told the task's file name, so
// that tasks running at once never share x264's default file in the current folder.
int TCustomFFmpeg::PrepareTwoPass(TOutputStream& AStream, int AStreamIndex) {
  AVCodecContext* Encoder = AStream.enc_ctx.get();
  if (!(Encoder->flags & (AV_CODEC_FLAG_PASS1 | AV_CODEC_FLAG_PASS2))) return 0;
  const String LogName = PassLogFileName(AStreamIndex);
  if (Encoder->codec_id == AV_CODEC_ID_H264) {
    if (AStream.enc && String(AStream.enc->name) == "libx264")
      FF.av_dict_set(AStream.opts.Address(), "stats", LogName.c_str(), AV_DICT_DONT_OVERWRITE);
    return 0;
  }
  if (Encoder->flags & AV_CODEC_FLAG_PASS2) {
    uint8_t* Buffer = nullptr;
    size_t Size = 0;
    int Error = ReadFileToBuffer(LogName, Buffer, Size);
    if (Error == AVERROR(ENOMEM)) {
      FLastErrMsg = Format(
          "Could not allocate file buffer: Error reading log file \"%s\" for pass-2 encoding", LogName);
      return AVERROR(ENOMEM);
    }
    if (Error < 0) {
      FLastErrMsg = Format("Error reading log file \"%s\" for pass-2 encoding", LogName);
      return -1;
    }
    FF.av_freep(&Encoder->stats_in);
    Encoder->stats_in = reinterpret_cast<char*>(Buffer);
  }
  if (Encoder->flags & AV_CODEC_FLAG_PASS1) {
    AStream.state->logfile.reset(std::fopen(LogName.c_str(), "wb"));
    if (!AStream.state->logfile) {
      FLastErrMsg = Format("Cannot write log file %s for pass-1 encoding", LogName);
      return -1;
    }
  }
  return 0;
}
