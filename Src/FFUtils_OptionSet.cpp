// The pending FFmpeg option set of a component and the path that routes an option name
// to the codec, format, scaler or resampler options.

#include "Src/FFUtils.h"

namespace {

const int SearchAll = AV_OPT_SEARCH_CHILDREN | AV_OPT_SEARCH_FAKE_OBJ;

const AVOption* FindClassOption(const AVClass* AClass, const char* AName, int ASearchFlags) {
  return FF.av_opt_find(&AClass, AName, nullptr, 0, ASearchFlags);
}

// A flags option given as "+a" or "-b" changes the flags already pending, so it is
// appended to them; any other value replaces what was there (appending "a" to "b"
// would give the meaningless "ba").
int DictionaryFlags(const AVOption* AOption, const String& AValue) {
  bool IsRelative = !AValue.empty() && (AValue[0] == '+' || AValue[0] == '-');
  return AOption->type == AV_OPT_TYPE_FLAGS && IsRelative ? AV_DICT_APPEND : 0;
}

int FailDefaultOption(const char* AMessage, const String& AName, int ACode) {
  OptionErrorText = Format(AMessage, AName);
  FF.av_log(nullptr, AV_LOG_ERROR, "%s\n", OptionErrorText.c_str());
  return ACode;
}

// The resampler keeps no pending context of its own: the value is tried on a scratch
// context so that a bad value fails here, with the option, and not later when the
// resampler is built.
int CheckResamplerValue(const String& AName, const String& AValue) {
  SwrContext* Scratch = FF.swr_alloc();
  if (!Scratch) return AVERROR(ENOMEM);
  int Result = FF.av_opt_set(Scratch, AName.c_str(), AValue.c_str(), 0);
  FF.swr_free(&Scratch);
  return Result;
}

}  // namespace

void UninitOptions(TFFOptions& AOptions) {
  if (AOptions.sws_opts) FF.sws_freeContext(AOptions.sws_opts);
  AOptions.sws_opts = nullptr;
  for (AVDictionary** Dictionary : {&AOptions.format_opts, &AOptions.codec_opts, &AOptions.swr_opts})
    if (*Dictionary) FF.av_dict_free(Dictionary);
}

void InitOptions(TFFOptions& AOptions, int AScalerFlags) {
  UninitOptions(AOptions);
  AOptions.sws_opts = FF.sws_getContext(16, 16, AV_PIX_FMT_YUV420P, 16, 16, AV_PIX_FMT_YUV420P, AScalerFlags,
                                        nullptr, nullptr, nullptr);
}

int SetDefaultOption(TFFOptions& AOptions, const String& AName, const String& AValue) {
  bool Consumed = false;

  // Codec options may carry a stream specifier ("b:v") and a media prefix letter ("ab");
  // both stay in the key for FilterCodecOptions to resolve per stream.
  String CodecName = AName.substr(0, AName.find(':'));
  const AVOption* Option = FindClassOption(FF.avcodec_get_class(), CodecName.c_str(), SearchAll);
  if (!Option && !CodecName.empty() && String("asv").find(CodecName[0]) != String::npos)
    Option = FindClassOption(FF.avcodec_get_class(), CodecName.c_str() + 1, AV_OPT_SEARCH_FAKE_OBJ);
  if (Option) {
    FF.av_dict_set(&AOptions.codec_opts, AName.c_str(), AValue.c_str(), DictionaryFlags(Option, AValue));
    Consumed = true;
  }

  Option = FindClassOption(FF.avformat_get_class(), AName.c_str(), SearchAll);
  if (Option) {
    FF.av_dict_set(&AOptions.format_opts, AName.c_str(), AValue.c_str(), DictionaryFlags(Option, AValue));
    Consumed = true;
  }

  if (FindClassOption(FF.sws_get_class(), AName.c_str(), SearchAll)) {
    int Result = AOptions.sws_opts ? FF.av_opt_set(AOptions.sws_opts, AName.c_str(), AValue.c_str(), 0)
                                   : AVERROR(EINVAL);
    if (Result < 0) return FailDefaultOption("Error setting option \"%s\"", AName, Result);
    Consumed = true;
  }

  // The resampler shares names such as "flags" and "cutoff" with the codecs; those stay
  // codec options, so the resampler only gets names nobody else knows.
  if (!Consumed) {
    Option = FindClassOption(FF.swr_get_class(), AName.c_str(), SearchAll);
    if (Option) {
      int Result = CheckResamplerValue(AName, AValue);
      if (Result < 0) return FailDefaultOption("Error setting option \"%s\"", AName, Result);
      FF.av_dict_set(&AOptions.swr_opts, AName.c_str(), AValue.c_str(), DictionaryFlags(Option, AValue));
      Consumed = true;
    }
  }

  if (!Consumed) return FailDefaultOption("Unrecognized option \"%s\"", AName, AVERROR_OPTION_NOT_FOUND);
  return 0;
}
