// The converter's option table: 140 rows in the converter's order, built once per task.
// Typed rows store into the pending option state or into a field of the task; handler
// rows call the task's handlers. A handler row carries no type bits, so the parser
// always reaches its handler.

#include <cstddef>

#include "Src/FFmpeg.h"

namespace {

TOptionDef StateField(const char* AName, int AFlags, size_t AOffset) {
  return {.name = AName, .flags = AFlags | OPT_OFFSET, .u = TOptionOffset{AOffset}};
}

TOptionDef PerStream(const char* AName, int AFlags, size_t AOffset) {
  return {.name = AName, .flags = AFlags | OPT_SPEC | OPT_HAS_ARG, .u = TOptionOffset{AOffset}};
}

TOptionDef TaskField(const char* AName, int AFlags, void* AField) {
  return {.name = AName, .flags = AFlags, .u = AField};
}

TOptionDef Handler(const char* AName, int AFlags, TOptionHandler AHandler) {
  return {.name = AName, .flags = AFlags, .u = std::move(AHandler)};
}

// Rows with OPT_FUNC2: their handlers also receive the option state, which is always
// the task's own optctx, so the handlers use that directly.
TOptionDef StateHandler(const char* AName, int AFlags,
                        std::function<int(const String&, const String&)> AHandler) {
  return {.name = AName,
          .flags = AFlags | OPT_FUNC2,
          .u = TOptionContextHandler(
              [AHandler](void*, const String& AOpt, const String& AArg) { return AHandler(AOpt, AArg); })};
}

}  // namespace

#define STATE(Field) offsetof(TOptionsContext, Field)

void TCustomFFmpeg::BuildOptionTable() {
  auto IgnoredRow = [this](const char* AName) {
    return Handler(AName, OPT_EXIT,
                   [this](const String& AOpt, const String&) { return OptUnsupportedIgnored(AOpt); });
  };
  auto UnsupportedRow = [this](const char* AName, int AFlags) {
    return Handler(AName, AFlags, [this](const String& AOpt, const String&) { return OptUnsupported(AOpt); });
  };
  auto RenamedRow = [this](const char* AName, int AFlags, const char* ANewName) {
    return StateHandler(AName, AFlags, [this, ANewName](const String&, const String& AArg) {
      return ParseAs(ANewName, AArg);
    });
  };
  auto CropRow = [this](const char* AName) {
    return Handler(AName, OPT_VIDEO | OPT_HAS_ARG,
                   [this](const String& AOpt, const String&) { return OptRemovedCrop(AOpt); });
  };
  auto PadRow = [this](const char* AName) {
    return Handler(AName, OPT_VIDEO | OPT_HAS_ARG,
                   [this](const String& AOpt, const String&) { return OptRemovedPad(AOpt); });
  };
  auto PresetFileRow = [this](const char* AName, int AFlags) {
    return StateHandler(AName, AFlags | OPT_EXPERT | OPT_HAS_ARG,
                        [this](const String&, const String& AArg) { return OptPresetFile(AArg); });
  };
  auto ComponentSwitchRow = [](const char* AName) {
    // Read by the encoder from the option text itself; accepted here without effect.
    return Handler(AName, OPT_EXIT, [](const String&, const String&) { return 0; });
  };
  auto LogLevelRow = [this](const char* AName) {
    return Handler(AName, OPT_HAS_ARG,
                   [this](const String&, const String& AArg) { return OptLogLevel(AArg); });
  };

  options = {
      IgnoredRow("L"),
      IgnoredRow("h"),
      IgnoredRow("?"),
      IgnoredRow("help"),
      IgnoredRow("-help"),
      IgnoredRow("version"),
      IgnoredRow("formats"),
      IgnoredRow("codecs"),
      IgnoredRow("bsfs"),
      IgnoredRow("protocols"),
      IgnoredRow("filters"),
      IgnoredRow("pix_fmts"),
      IgnoredRow("sample_fmts"),
      LogLevelRow("loglevel"),
      LogLevelRow("v"),
      Handler("debug", OPT_HAS_ARG,
              [this](const String& AOpt, const String& AArg) { return OptDebug(AOpt, AArg); }),
      UnsupportedRow("report", 0),
      StateField("f", OPT_STRING | OPT_HAS_ARG, STATE(format)),
      UnsupportedRow("i", OPT_EXIT | OPT_HAS_ARG),
      TaskField("y", OPT_BOOL, &Ffile_overwrite),
      TaskField("n", OPT_BOOL, &Fno_file_overwrite),
      PerStream("c", OPT_STRING, STATE(codec_names)),
      PerStream("codec", OPT_STRING, STATE(codec_names)),
      UnsupportedRow("pre", OPT_EXIT | OPT_HAS_ARG),
      StateHandler("map", OPT_EXPERT | OPT_HAS_ARG,
                   [this](const String&, const String& AArg) { return OptMap(AArg); }),
      StateHandler("map_channel", OPT_EXPERT | OPT_HAS_ARG,
                   [this](const String&, const String& AArg) { return OptMapChannel(AArg); }),
      StateHandler("map_meta_data", OPT_EXPERT | OPT_HAS_ARG,
                   [this](const String& AOpt, const String& AArg) { return OptMapMetadata(AOpt, AArg); }),
      StateHandler("map_metadata", OPT_EXPERT | OPT_HAS_ARG,
                   [this](const String& AOpt, const String& AArg) { return OptMapMetadata(AOpt, AArg); }),
      StateField("map_chapters", OPT_INT | OPT_EXPERT | OPT_HAS_ARG, STATE(chapters_input_file)),
      StateField("t", OPT_TIME | OPT_HAS_ARG, STATE(recording_time)),
      StateField("t_microsecond", OPT_INT64 | OPT_HAS_ARG, STATE(recording_time)),
      StateField("fs", OPT_INT64 | OPT_HAS_ARG, STATE(limit_filesize)),
      StateField("ss", OPT_TIME | OPT_HAS_ARG, STATE(start_time)),
      StateField("ss_microsecond", OPT_INT64 | OPT_HAS_ARG, STATE(start_time)),
      StateField("itsoffset", OPT_TIME | OPT_HAS_ARG, STATE(input_ts_offset)),
      StateField("itsoffset_microsecond", OPT_INT64 | OPT_HAS_ARG, STATE(input_ts_offset)),
      PerStream("itsscale", OPT_DOUBLE, STATE(ts_scale)),
      StateHandler(
          "timestamp", OPT_HAS_ARG,
          [this](const String& AOpt, const String& AArg) { return OptRecordingTimestamp(AOpt, AArg); }),
      PerStream("metadata", OPT_STRING, STATE(metadata)),
      RenamedRow("dframes", OPT_HAS_ARG, "frames:d"),
      UnsupportedRow("benchmark", OPT_EXIT),
      UnsupportedRow("timelimit", OPT_HAS_ARG),
      TaskField("dump", OPT_BOOL | OPT_EXPERT, &Fdo_pkt_dump),
      TaskField("hex", OPT_BOOL | OPT_EXPERT, &Fdo_hex_dump),
      StateField("re", OPT_BOOL | OPT_EXPERT, STATE(rate_emu)),
      TaskField("loop_input", OPT_BOOL | OPT_EXPERT, &Floop_input),
      TaskField("loop_output", OPT_INT | OPT_EXPERT | OPT_HAS_ARG, &Floop_output),
      StateHandler("target", OPT_HAS_ARG,
                   [this](const String&, const String& AArg) { return OptTarget(AArg); }),
      TaskField("vsync", OPT_INT | OPT_EXPERT | OPT_HAS_ARG, &Fvideo_sync_method),
      TaskField("async", OPT_INT | OPT_EXPERT | OPT_HAS_ARG, &Faudio_sync_method),
      TaskField("adrift_threshold", OPT_FLOAT | OPT_EXPERT | OPT_HAS_ARG, &Faudio_drift_threshold),
      TaskField("copyts", OPT_BOOL | OPT_EXPERT, &Fcopy_ts),
      TaskField("copytb", OPT_INT | OPT_EXPERT | OPT_HAS_ARG, &Fcopy_tb),
      TaskField("shortest", OPT_BOOL | OPT_EXPERT, &Fopt_shortest),
      TaskField("dts_delta_threshold", OPT_FLOAT | OPT_EXPERT | OPT_HAS_ARG, &Fdts_delta_threshold),
      TaskField("xerror", OPT_BOOL, &Fexit_on_error),
      {.name = "copyinkf",
       .flags = OPT_BOOL | OPT_EXPERT | OPT_SPEC,
       .u = TOptionOffset{STATE(copy_initial_nonkeyframes)}},
      PerStream("frames", OPT_INT64, STATE(max_frames)),
      PerStream("tag", OPT_STRING, STATE(codec_tags)),
      PerStream("q", OPT_DOUBLE | OPT_EXPERT, STATE(qscale)),
      PerStream("qscale", OPT_DOUBLE | OPT_EXPERT, STATE(qscale)),
      PerStream("filter", OPT_STRING, STATE(filters)),
      TaskField("stats", OPT_BOOL, &Fprint_stats),
      StateHandler("attach", OPT_HAS_ARG,
                   [this](const String&, const String& AArg) { return OptAttach(AArg); }),
      PerStream("dump_attachment", OPT_STRING, STATE(dump_attachment)),
      RenamedRow("vframes", OPT_VIDEO | OPT_HAS_ARG, "frames:v"),
      PerStream("r", OPT_STRING | OPT_VIDEO, STATE(frame_rates)),
      PerStream("s", OPT_STRING | OPT_VIDEO, STATE(frame_sizes)),
      PerStream("aspect", OPT_STRING | OPT_VIDEO, STATE(frame_aspect_ratios)),
      PerStream("pix_fmt", OPT_STRING | OPT_VIDEO | OPT_EXPERT, STATE(frame_pix_fmts)),
      TaskField("bits_per_raw_sample", OPT_INT | OPT_VIDEO | OPT_HAS_ARG, &Fframe_bits_per_raw_sample),
      CropRow("croptop"),
      CropRow("cropbottom"),
      CropRow("cropleft"),
      CropRow("cropright"),
      PadRow("padtop"),
      PadRow("padbottom"),
      PadRow("padleft"),
      PadRow("padright"),
      PadRow("padcolor"),
      // "-intra" keeps its meaning: new video encoders get a group size of 0.
      TaskField("intra", OPT_BOOL | OPT_VIDEO | OPT_EXPERT, &Fintra_only),
      StateField("vn", OPT_BOOL | OPT_VIDEO, STATE(video_disable)),
      TaskField("vdt", OPT_INT | OPT_VIDEO | OPT_EXPERT | OPT_HAS_ARG, &Fvideo_discard),
      PerStream("rc_override", OPT_STRING | OPT_VIDEO | OPT_EXPERT, STATE(rc_overrides)),
      StateHandler("vcodec", OPT_VIDEO | OPT_HAS_ARG,
                   [this](const String&, const String& AArg) { return OptVideoCodec(AArg); }),
      Handler("sameq", OPT_VIDEO, [this](const String& AOpt, const String&) { return OptLostMeaning(AOpt); }),
      Handler("same_quant", OPT_VIDEO,
              [this](const String& AOpt, const String&) { return OptLostMeaning(AOpt); }),
      Handler("pass", OPT_VIDEO | OPT_HAS_ARG,
              [this](const String& AOpt, const String& AArg) { return OptPass(AOpt, AArg); }),
      Handler("passlogfile", OPT_VIDEO | OPT_HAS_ARG,
              [this](const String&, const String& AArg) { return OptPassLogFile(AArg); }),
      TaskField("deinterlace", OPT_BOOL | OPT_VIDEO | OPT_EXPERT, &Fdo_deinterlace),
      TaskField("psnr", OPT_BOOL | OPT_VIDEO | OPT_EXPERT, &Fdo_psnr),
      Handler("vstats", OPT_VIDEO | OPT_EXPERT, [this](const String&, const String&) { return OptVStats(); }),
      Handler("vstats_file", OPT_VIDEO | OPT_EXPERT | OPT_HAS_ARG,
              [this](const String&, const String& AArg) { return OptVStatsFile(AArg); }),
      RenamedRow("vf", OPT_VIDEO | OPT_HAS_ARG, "filter:v"),
      PerStream("intra_matrix", OPT_STRING | OPT_VIDEO | OPT_EXPERT, STATE(intra_matrices)),
      PerStream("inter_matrix", OPT_STRING | OPT_VIDEO | OPT_EXPERT, STATE(inter_matrices)),
      PerStream("top", OPT_INT | OPT_VIDEO | OPT_EXPERT, STATE(top_field_first)),
      TaskField("dc", OPT_INT | OPT_VIDEO | OPT_EXPERT | OPT_HAS_ARG, &Fintra_dc_precision),
      RenamedRow("vtag", OPT_VIDEO | OPT_EXPERT | OPT_HAS_ARG, "tag:v"),
      TaskField("qphist", OPT_BOOL | OPT_VIDEO | OPT_EXPERT, &Fqp_hist),
      {.name = "force_fps",
       .flags = OPT_BOOL | OPT_VIDEO | OPT_EXPERT | OPT_SPEC,
       .u = TOptionOffset{STATE(force_fps)}},
      StateHandler("streamid", OPT_EXPERT | OPT_HAS_ARG,
                   [this](const String& AOpt, const String& AArg) { return OptStreamId(AOpt, AArg); }),
      PerStream("force_key_frames", OPT_STRING | OPT_VIDEO | OPT_EXPERT, STATE(forced_key_frames)),
      StateHandler("b", OPT_VIDEO | OPT_HAS_ARG,
                   [this](const String& AOpt, const String& AArg) { return OptBitrate(AOpt, AArg); }),
      RenamedRow("aframes", OPT_AUDIO | OPT_HAS_ARG, "frames:a"),
      RenamedRow("aq", OPT_AUDIO | OPT_HAS_ARG, "q:a"),
      PerStream("ar", OPT_INT | OPT_AUDIO, STATE(audio_sample_rate)),
      PerStream("ac", OPT_INT | OPT_AUDIO, STATE(audio_channels)),
      StateField("an", OPT_BOOL | OPT_AUDIO, STATE(audio_disable)),
      StateHandler("acodec", OPT_AUDIO | OPT_HAS_ARG,
                   [this](const String&, const String& AArg) { return OptAudioCodec(AArg); }),
      RenamedRow("atag", OPT_AUDIO | OPT_EXPERT | OPT_HAS_ARG, "tag:a"),
      TaskField("vol", OPT_INT | OPT_AUDIO | OPT_HAS_ARG, &Faudio_volume),
      PerStream("sample_fmt", OPT_STRING | OPT_AUDIO | OPT_EXPERT, STATE(sample_fmts)),
      PerStream("rmvol", OPT_FLOAT | OPT_AUDIO, STATE(rematrix_volume)),
      StateField("sn", OPT_BOOL | OPT_SUBTITLE, STATE(subtitle_disable)),
      StateHandler("scodec", OPT_SUBTITLE | OPT_HAS_ARG,
                   [this](const String&, const String& AArg) { return OptSubtitleCodec(AArg); }),
      RenamedRow("stag", OPT_SUBTITLE | OPT_EXPERT | OPT_HAS_ARG, "tag:s"),
      // The capture device still takes them under their new names.
      Handler("vc", OPT_GRAB | OPT_VIDEO | OPT_EXPERT | OPT_HAS_ARG,
              [this](const String&, const String& AArg) {
                Log(llWarning, "This option is deprecated, use -channel.");
                return ApplyDefaultOption("channel", AArg);
              }),
      Handler("tvstd", OPT_GRAB | OPT_VIDEO | OPT_EXPERT | OPT_HAS_ARG,
              [this](const String&, const String& AArg) {
                Log(llWarning, "This option is deprecated, use -standard.");
                return ApplyDefaultOption("standard", AArg);
              }),
      TaskField("isync", OPT_BOOL | OPT_GRAB | OPT_EXPERT, &Finput_sync),
      StateField("muxdelay", OPT_FLOAT | OPT_EXPERT | OPT_HAS_ARG, STATE(mux_max_delay)),
      StateField("muxpreload", OPT_FLOAT | OPT_EXPERT | OPT_HAS_ARG, STATE(mux_preload)),
      PerStream("bsf", OPT_STRING, STATE(bitstream_filters)),
      RenamedRow("absf", OPT_AUDIO | OPT_EXPERT | OPT_HAS_ARG, "bsf:a"),
      RenamedRow("vbsf", OPT_VIDEO | OPT_EXPERT | OPT_HAS_ARG, "bsf:v"),
      PresetFileRow("apre", OPT_AUDIO),
      PresetFileRow("vpre", OPT_VIDEO),
      PresetFileRow("spre", OPT_SUBTITLE),
      PresetFileRow("fpre", 0),
      StateHandler("dcodec", OPT_DATA | OPT_HAS_ARG,
                   [this](const String&, const String& AArg) { return OptDataCodec(AArg); }),
      StateField("dn", OPT_BOOL | OPT_VIDEO, STATE(data_disable)),
      Handler("vhook", OPT_VIDEO | OPT_EXPERT | OPT_HAS_ARG,
              [this](const String&, const String& AArg) { return OptVideoHook(AArg); }),
      Handler("VideoHookBitsPixel", OPT_VIDEO | OPT_EXPERT | OPT_HAS_ARG,
              [this](const String&, const String& AArg) { return OptVideoHookBitsPixel(AArg); }),
      ComponentSwitchRow("AudioHook"),
      ComponentSwitchRow("VideoInputHook"),
      ComponentSwitchRow("VideoOutputHook"),
      ComponentSwitchRow("FrameInputHook"),
      ComponentSwitchRow("FrameOutputHook"),
      ComponentSwitchRow("Join"),
      Handler("default", OPT_AUDIO | OPT_VIDEO | OPT_EXPERT | OPT_HAS_ARG,
              [this](const String& AOpt, const String& AArg) { return ApplyDefaultOption(AOpt, AArg); }),
  };
}

#undef STATE
