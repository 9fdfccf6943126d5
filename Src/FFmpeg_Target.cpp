// "-target": the settings of a disc standard (VCD, SVCD, DVD, DV) in one option.

#include <cmath>

#include "Src/FFmpeg.h"

namespace {

enum TNorm { nmUnknown, nmPAL, nmNTSC, nmFilm };

// PAL or NTSC from the frame rate of the first input video stream that shows one.
TNorm NormOfInputs(const std::vector<std::unique_ptr<TInputFile>>& AInputs) {
  for (const auto& Input : AInputs)
    for (int I = 0; I < Input->nb_streams; I++) {
      const AVStream* Stream = Input->ctx->streams[I];
      if (Stream->codecpar->codec_type != AVMEDIA_TYPE_VIDEO) continue;
      AVRational Rate = Stream->avg_frame_rate.num > 0 ? Stream->avg_frame_rate : Stream->r_frame_rate;
      if (Rate.num <= 0 || Rate.den <= 0) continue;
      long Milli = std::lround(1000.0 * Rate.num / Rate.den);
      if (Milli == 25000) return nmPAL;
      if (Milli == 29970 || Milli == 23976) return nmNTSC;
    }
  return nmUnknown;
}

}  // namespace

int TCustomFFmpeg::OptTarget(const String& AArg) {
  TNorm Norm = nmUnknown;
  String Name = AArg;
  for (auto [Prefix, PrefixNorm] : {std::pair{"pal-", nmPAL}, {"ntsc-", nmNTSC}, {"film-", nmFilm}})
    if (Name.starts_with(Prefix)) {
      Norm = PrefixNorm;
      Name = Name.substr(String(Prefix).size());
      break;
    }
  if (Norm == nmUnknown) {
    Norm = NormOfInputs(Finput_files);
    if (Norm == nmUnknown)
      RaiseError(
          "Could not determine norm (PAL/NTSC/NTSC-Film) for target.\r\nPlease prefix target with \"pal-\", "
          "\"ntsc-\" or \"film-\",\r\nor set a framerate with \"-r xxx\".");
    Log(llInfo, Format("Assuming %s for target.", Norm == nmPAL ? "PAL" : "NTSC"));
  }
  const bool PAL = Norm == nmPAL;
  const char* Rate = PAL ? "25" : Norm == nmNTSC ? "30000/1001" : "24000/1001";
  auto Size = [PAL](const char* ANtsc, const char* APal) { return PAL ? APal : ANtsc; };

  if (Name == "vcd") {
    OptVideoCodec("mpeg1video");
    OptAudioCodec("mp2");
    ParseAs("f", "vcd");
    ParseAs("s", Size("352x240", "352x288"));
    ParseAs("r", Rate);
    ApplyDefaultOption("g", PAL ? "15" : "18");
    ApplyDefaultOption("b:v", "1150000");
    ApplyDefaultOption("maxrate", "1150000");
    ApplyDefaultOption("minrate", "1150000");
    ApplyDefaultOption("bufsize", "327680");
    ApplyDefaultOption("b:a", "224000");
    ParseAs("ar", "44100");
    ParseAs("ac", "2");
    ApplyDefaultOption("packetsize", "2324");
    ApplyDefaultOption("muxrate", "1411200");
    optctx.mux_preload = 0.44f;
  } else if (Name == "svcd") {
    OptVideoCodec("mpeg2video");
    OptAudioCodec("mp2");
    ParseAs("f", "svcd");
    ParseAs("s", Size("480x480", "480x576"));
    ParseAs("r", Rate);
    ParseAs("pix_fmt", "yuv420p");
    ApplyDefaultOption("g", PAL ? "15" : "18");
    ApplyDefaultOption("b:v", "2040000");
    ApplyDefaultOption("maxrate", "2516000");
    ApplyDefaultOption("minrate", "0");
    ApplyDefaultOption("bufsize", "1835008");
    ApplyDefaultOption("flags", "+scan_offset");
    ApplyDefaultOption("b:a", "224000");
    ParseAs("ar", "44100");
    ApplyDefaultOption("packetsize", "2324");
  } else if (Name == "dvd") {
    OptVideoCodec("mpeg2video");
    OptAudioCodec("ac3");
    ParseAs("f", "dvd");
    ParseAs("s", Size("720x480", "720x576"));
    ParseAs("r", Rate);
    ParseAs("pix_fmt", "yuv420p");
    ApplyDefaultOption("g", PAL ? "15" : "18");
    ApplyDefaultOption("b:v", "6000000");
    ApplyDefaultOption("maxrate", "9000000");
    ApplyDefaultOption("minrate", "0");
    ApplyDefaultOption("bufsize", "1835008");
    ApplyDefaultOption("packetsize", "2048");
    ApplyDefaultOption("muxrate", "10080000");
    ApplyDefaultOption("b:a", "448000");
    ParseAs("ar", "48000");
  } else if (Name.starts_with("dv")) {
    ParseAs("f", "dv");
    ParseAs("s", Size("720x480", "720x576"));
    ParseAs("pix_fmt", Name == "dv50" ? "yuv422p" : PAL ? "yuv420p" : "yuv411p");
    ParseAs("r", Rate);
    ParseAs("ar", "48000");
    ParseAs("ac", "2");
  } else {
    OptionErrorText = Format("Unknown target: %s", Name);
    Log(llError, OptionErrorText);
    return AVERROR(EINVAL);
  }
  return 0;
}
