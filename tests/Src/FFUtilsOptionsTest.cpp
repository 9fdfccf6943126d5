// Option tables, the option parser, value parsers and the default-option path.

#include <gtest/gtest.h>

#include <cstddef>
#include <thread>

#include "Src/FFLoad.h"
#include "Src/FFUtils.h"
#include "platform/base/Exceptions.h"
#include "tests/support/TestSupport.h"

namespace {

// The pending state a table stores into, shaped like the converter's.
struct TTestContext {
  String format;
  int subtitle_disable = -1;
  int64_t recording_time = 0;
  int64_t limit_filesize = 0;
  float mux_max_delay = 0;
  TSpecifierOpts codec_names;
  TSpecifierOpts audio_sample_rate;
  TSpecifierOpts qscale;
};

class OptionParserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FFLoader().Load(DecoderLibraries)) << FFLoader().LastErrMsg();
    InitOptions(FFOptions, SWS_BICUBIC);
    OptionErrorText.clear();
  }
  void TearDown() override { UninitOptions(FFOptions); }

  int Parse(const std::vector<String>& ATokens, bool AHalt = true) {
    return ParseOptionList(&Context, ATokens, AHalt, Table);
  }

  TTestContext Context;
  TFFOptions FFOptions;
  int FileOverwrite = 0;
  int AudioVolume = 256;
  double DriftThreshold = 0;
  std::vector<String> Calls;  // what the handlers saw
  String LogLevel;

  TOptionTable Table = {
      {.name = "f",
       .flags = OPT_STRING | OPT_HAS_ARG | OPT_OFFSET,
       .u = TOptionOffset{offsetof(TTestContext, format)}},
      {.name = "sn",
       .flags = OPT_BOOL | OPT_OFFSET | OPT_SUBTITLE,
       .u = TOptionOffset{offsetof(TTestContext, subtitle_disable)}},
      {.name = "t",
       .flags = OPT_HAS_ARG | OPT_TIME | OPT_OFFSET,
       .u = TOptionOffset{offsetof(TTestContext, recording_time)}},
      {.name = "fs",
       .flags = OPT_HAS_ARG | OPT_INT64 | OPT_OFFSET,
       .u = TOptionOffset{offsetof(TTestContext, limit_filesize)}},
      {.name = "muxdelay",
       .flags = OPT_HAS_ARG | OPT_FLOAT | OPT_OFFSET,
       .u = TOptionOffset{offsetof(TTestContext, mux_max_delay)}},
      {.name = "c",
       .flags = OPT_STRING | OPT_HAS_ARG | OPT_SPEC,
       .u = TOptionOffset{offsetof(TTestContext, codec_names)}},
      {.name = "ar",
       .flags = OPT_INT | OPT_HAS_ARG | OPT_SPEC | OPT_AUDIO,
       .u = TOptionOffset{offsetof(TTestContext, audio_sample_rate)}},
      {.name = "q",
       .flags = OPT_DOUBLE | OPT_HAS_ARG | OPT_SPEC,
       .u = TOptionOffset{offsetof(TTestContext, qscale)}},
      {.name = "y", .flags = OPT_BOOL, .u = static_cast<void*>(&FileOverwrite)},
      {.name = "vol", .flags = OPT_INT | OPT_HAS_ARG | OPT_AUDIO, .u = static_cast<void*>(&AudioVolume)},
      {.name = "adrift_threshold",
       .flags = OPT_DOUBLE | OPT_HAS_ARG,
       .u = static_cast<void*>(&DriftThreshold)},
      {.name = "loglevel",
       .flags = OPT_HAS_ARG,
       .u = TOptionHandler([this](const String&, const String& AArg) {
         LogLevel = AArg;
         return 0;
       })},
      {.name = "v", .flags = OPT_HAS_ARG, .u = TOptionHandler([this](const String&, const String& AArg) {
                                            LogLevel = AArg;
                                            return 0;
                                          })},
      {.name = "map",
       .flags = OPT_HAS_ARG | OPT_FUNC2,
       .u = TOptionContextHandler([this](void* AOptCtx, const String& AOpt, const String& AArg) {
         EXPECT_EQ(AOptCtx, &Context);
         Calls.push_back(AOpt + "=" + AArg);
         if (AArg != "bad") return 0;
         OptionErrorText = "Invalid input file index: 7.";
         return AVERROR(EINVAL);
       })},
      {.name = "version", .flags = OPT_EXIT, .u = TOptionHandler([this](const String& AOpt, const String&) {
                                               Calls.push_back(AOpt);
                                               return 0;
                                             })},
      {.name = "default",
       .flags = OPT_HAS_ARG | OPT_VIDEO | OPT_AUDIO | OPT_EXPERT,
       .u = TOptionHandler([this](const String& AOpt, const String& AArg) {
         Calls.push_back("default " + AOpt + "=" + AArg);
         return SetDefaultOption(FFOptions, AOpt, AArg);
       })},
  };
};

TEST_F(OptionParserTest, FindOptionComparesTheNameUpToItsSpecifier) {
  EXPECT_EQ(FindOption(Table, "c:a:1"), &Table[5]);
  EXPECT_EQ(FindOption(Table, "c"), &Table[5]);
  EXPECT_EQ(FindOption(Table, "co"), nullptr);
  EXPECT_EQ(FindOption(Table, ""), nullptr);
}

TEST_F(OptionParserTest, BooleanNoFormStoresZeroAndUnknownNamesGoToTheDefaultRow) {
  EXPECT_EQ(ParseOption(&Context, "nosn", nullptr, Table), 0);
  EXPECT_EQ(Context.subtitle_disable, 0);
  EXPECT_EQ(ParseOption(&Context, "sn", nullptr, Table), 0);
  EXPECT_EQ(Context.subtitle_disable, 1);

  // "nofoo" has no row foo; "nof" names a row f that is not boolean: both are unknown.
  EXPECT_EQ(ParseOption(&Context, "nofoo", "1", Table), AVERROR_OPTION_NOT_FOUND);
  EXPECT_EQ(ParseOption(&Context, "nof", "1", Table), AVERROR_OPTION_NOT_FOUND);
  EXPECT_EQ(Calls, (std::vector<String>{"default nofoo=1", "default nof=1"}));
  EXPECT_EQ(Context.format, "");
}

TEST_F(OptionParserTest, TypedRowsStoreIntoVariablesAndContextFields) {
  EXPECT_EQ(ParseOption(&Context, "f", "matroska", Table), 1);
  EXPECT_EQ(ParseOption(&Context, "t", "1:02.5", Table), 1);
  EXPECT_EQ(ParseOption(&Context, "fs", "5000000000", Table), 1);
  EXPECT_EQ(ParseOption(&Context, "muxdelay", "0.25", Table), 1);
  EXPECT_EQ(ParseOption(&Context, "y", "ignored", Table), 0);
  EXPECT_EQ(ParseOption(&Context, "vol", "512", Table), 1);
  EXPECT_EQ(ParseOption(&Context, "adrift_threshold", "0.5", Table), 1);

  EXPECT_EQ(Context.format, "matroska");
  EXPECT_EQ(Context.recording_time, 62500000);
  EXPECT_EQ(Context.limit_filesize, 5000000000LL);
  EXPECT_FLOAT_EQ(Context.mux_max_delay, 0.25f);
  EXPECT_EQ(FileOverwrite, 1);
  EXPECT_EQ(AudioVolume, 512);
  EXPECT_DOUBLE_EQ(DriftThreshold, 0.5);
}

TEST_F(OptionParserTest, PerStreamRowsKeepOneEntryPerOccurrenceWithItsSpecifier) {
  EXPECT_EQ(ParseOption(&Context, "c:a:1", "aac", Table), 1);
  EXPECT_EQ(ParseOption(&Context, "c", "mpeg4", Table), 1);
  EXPECT_EQ(ParseOption(&Context, "ar:a", "44100", Table), 1);
  EXPECT_EQ(ParseOption(&Context, "q:v", "2.5", Table), 1);

  ASSERT_EQ(Context.codec_names.size(), 2u);
  EXPECT_EQ(Context.codec_names[0].specifier, "a:1");
  EXPECT_EQ(std::get<String>(Context.codec_names[0].u), "aac");
  EXPECT_EQ(Context.codec_names[1].specifier, "");
  EXPECT_EQ(std::get<String>(Context.codec_names[1].u), "mpeg4");
  ASSERT_EQ(Context.audio_sample_rate.size(), 1u);
  EXPECT_EQ(std::get<int>(Context.audio_sample_rate[0].u), 44100);
  ASSERT_EQ(Context.qscale.size(), 1u);
  EXPECT_DOUBLE_EQ(std::get<double>(Context.qscale[0].u), 2.5);
}

TEST_F(OptionParserTest, AValueThatDoesNotParseRaisesAndStoresNothing) {
  struct Case {
    const char* Opt;
    const char* Arg;
    const char* Message;
  };
  for (const Case& C : {Case{"ar:a", "x", "Expected integer for ar:a but found x"},
                        Case{"vol", "1.5", "Expected integer for vol but found 1.5"},
                        Case{"fs", "big", "Expected int64 for fs but found big"},
                        Case{"muxdelay", "soon", "Expected float for muxdelay but found soon"},
                        Case{"q", "high", "Expected double for q but found high"},
                        Case{"t", "abc", "Invalid duration specification for t: abc"}}) {
    try {
      ParseOption(&Context, C.Opt, C.Arg, Table);
      ADD_FAILURE() << C.Opt << " did not raise";
    } catch (const EConvertError& E) {
      EXPECT_EQ(E.Message(), C.Message);
    }
  }
  EXPECT_TRUE(Context.audio_sample_rate.empty());
  EXPECT_TRUE(Context.qscale.empty());
  EXPECT_EQ(AudioVolume, 256);
}

TEST_F(OptionParserTest, HandlersGetTheNameAsWrittenAndTheirFailureIsExplained) {
  EXPECT_EQ(ParseOption(&Context, "map", "0:1", Table), 1);
  EXPECT_EQ(ParseOption(&Context, "version", nullptr, Table), 0);
  EXPECT_EQ(ParseOption(&Context, "map", "bad", Table), AVERROR(EINVAL));
  EXPECT_EQ(Calls, (std::vector<String>{"map=0:1", "version", "map=bad"}));
  EXPECT_EQ(OptionErrorText,
            "Invalid input file index: 7.\r\nFailed to set value \"bad\" for option \"map\"");
}

TEST_F(OptionParserTest, UnknownOptionWithoutDefaultRowIsInvalid) {
  TOptionTable Small = {Table[0]};
  EXPECT_EQ(ParseOption(&Context, "foo", "1", Small), AVERROR(EINVAL));
  EXPECT_EQ(OptionErrorText, "Unrecognized option \"foo\"");
}

TEST_F(OptionParserTest, ListAppliesOptionsWithTheirArguments) {
  EXPECT_EQ(Parse({"-f", "mp4", "-c:v", "mpeg4", "-y", "-nosn", "-b:v", "1000k", "-map", "0"}), 0);
  EXPECT_EQ(Context.format, "mp4");
  EXPECT_EQ(Context.codec_names.size(), 1u);
  EXPECT_EQ(FileOverwrite, 1);
  EXPECT_EQ(Context.subtitle_disable, 0);
  EXPECT_STREQ(FF.av_dict_get(FFOptions.codec_opts, "b:v", nullptr, 0)->value, "1000k");
  EXPECT_EQ(Calls, (std::vector<String>{"default b:v=1000k", "map=0"}));
}

TEST_F(OptionParserTest, HaltingListStopsAtTheFirstFailureWithItsMessage) {
  struct Case {
    std::vector<String> Tokens;
    int Result;
    const char* Message;
  };
  for (const Case& C : {
           Case{{"-f", "mp4", "-c:v"}, AVERROR(EINVAL), "Missing argument for option \"c:v\""},
           Case{{"-f", "mp4", "-"}, -1, "Failed to parse options on -"},
           Case{{"-y", "movie.avi"}, -1, "Failed to parse options on movie.avi"},
           Case{{"-y", ""}, -1, "Failed to parse options"},
           Case{{"-foo", "1", "-f", "avi"},
                AVERROR_OPTION_NOT_FOUND,
                "Unrecognized option \"foo\"\r\nFailed to set value \"1\" for option \"foo\""},
       }) {
    Context.format.clear();
    EXPECT_EQ(Parse(C.Tokens), C.Result) << C.Tokens.back();
    EXPECT_EQ(OptionErrorText, C.Message);
    EXPECT_NE(Context.format, "avi");  // nothing after the failure was applied
  }
}

TEST_F(OptionParserTest, LenientListPassesOverFailuresAndStrayTokens) {
  EXPECT_EQ(Parse({"-foo", "1", "stray", "-", "-f", "avi", "-c:v"}, false), 0);
  EXPECT_EQ(Context.format, "avi");
  EXPECT_TRUE(Context.codec_names.empty());
}

TEST_F(OptionParserTest, LocateOptionSkipsArgumentsAndKnowsNoForms) {
  std::vector<String> Tokens = {"-f", "-loglevel", "-nosn", "x", "-loglevel", "16", "-bogus"};
  EXPECT_EQ(LocateOption(Tokens, Table, "loglevel"), 4);  // index 1 is the argument of -f
  EXPECT_EQ(LocateOption(Tokens, Table, "sn"), 2);
  EXPECT_EQ(LocateOption(Tokens, Table, "bogus"), 6);
  EXPECT_EQ(LocateOption(Tokens, Table, "v"), -1);
}

TEST_F(OptionParserTest, LogLevelArgumentPrefersLoglevelOverV) {
  EXPECT_EQ(FindLogLevelArgument({"-v", "8", "-loglevel", "16"}, Table), "16");
  EXPECT_EQ(FindLogLevelArgument({"-y", "-v", "24"}, Table), "24");
  EXPECT_EQ(FindLogLevelArgument({"-y", "-loglevel"}, Table), std::nullopt);
  EXPECT_EQ(FindLogLevelArgument({"-y"}, Table), std::nullopt);
}

TEST(OptionErrorTextTest, EachThreadKeepsItsOwnMessage) {
  OptionErrorText = "main thread's message";
  String SeenByWorker = "unset";
  std::thread Worker([&] {
    SeenByWorker = OptionErrorText;
    OptionErrorText = "worker's message";
  });
  Worker.join();
  EXPECT_EQ(SeenByWorker, "");
  EXPECT_EQ(OptionErrorText, "main thread's message");
}

class DefaultOptionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FFLoader().Load(DecoderLibraries)) << FFLoader().LastErrMsg();
    InitOptions(Options, SWS_BICUBIC);
  }
  void TearDown() override { UninitOptions(Options); }

  static const char* Value(AVDictionary* ADictionary, const char* AKey) {
    const AVDictionaryEntry* Entry = FF.av_dict_get(ADictionary, AKey, nullptr, AV_DICT_MATCH_CASE);
    return Entry ? Entry->value : nullptr;
  }

  TFFOptions Options;
};

TEST_F(DefaultOptionTest, CodecOptionsKeepTheirNameAsGiven) {
  for (auto [Name, Value] :
       {std::pair{"b", "1000k"}, {"g", "250"}, {"b:v", "2M"}, {"ab", "128k"}, {"crf", "23"}})
    EXPECT_EQ(SetDefaultOption(Options, Name, Value), 0) << Name;
  EXPECT_STREQ(Value(Options.codec_opts, "b"), "1000k");
  EXPECT_STREQ(Value(Options.codec_opts, "g"), "250");
  EXPECT_STREQ(Value(Options.codec_opts, "b:v"), "2M");
  EXPECT_STREQ(Value(Options.codec_opts, "ab"), "128k");
  EXPECT_STREQ(Value(Options.codec_opts, "crf"), "23");  // a private option of an encoder
  EXPECT_EQ(Options.format_opts, nullptr);
  EXPECT_EQ(Options.swr_opts, nullptr);
}

TEST_F(DefaultOptionTest, FormatScalerAndResamplerOptionsLandInTheirPlaces) {
  EXPECT_EQ(SetDefaultOption(Options, "probesize", "5000000"), 0);
  EXPECT_EQ(SetDefaultOption(Options, "sws_flags", "lanczos"), 0);
  EXPECT_EQ(SetDefaultOption(Options, "dither_method", "triangular"), 0);

  EXPECT_STREQ(Value(Options.format_opts, "probesize"), "5000000");
  int64_t ScalerFlags = 0;
  ASSERT_GE(FF.av_opt_get_int(Options.sws_opts, "sws_flags", 0, &ScalerFlags), 0);
  EXPECT_EQ(ScalerFlags, SWS_LANCZOS);
  EXPECT_STREQ(Value(Options.swr_opts, "dither_method"), "triangular");
  EXPECT_EQ(Options.codec_opts, nullptr);
}

TEST_F(DefaultOptionTest, NamesTheCodecsKnowStayWithTheCodecs) {
  // "flags" and "cutoff" are resampler options too.
  EXPECT_EQ(SetDefaultOption(Options, "flags", "+global_header"), 0);
  EXPECT_EQ(SetDefaultOption(Options, "cutoff", "18000"), 0);
  EXPECT_STREQ(Value(Options.codec_opts, "flags"), "+global_header");
  EXPECT_STREQ(Value(Options.codec_opts, "cutoff"), "18000");
  EXPECT_EQ(Options.swr_opts, nullptr);
}

TEST_F(DefaultOptionTest, RelativeFlagsAccumulateAndAbsoluteFlagsReplace) {
  SetDefaultOption(Options, "flags", "+global_header");
  SetDefaultOption(Options, "flags", "+loop");
  EXPECT_STREQ(Value(Options.codec_opts, "flags"), "+global_header+loop");
  SetDefaultOption(Options, "flags", "qscale");
  EXPECT_STREQ(Value(Options.codec_opts, "flags"), "qscale");
}

TEST_F(DefaultOptionTest, FailuresKeepTheirMessage) {
  OptionErrorText.clear();
  EXPECT_EQ(SetDefaultOption(Options, "foo", "1"), AVERROR_OPTION_NOT_FOUND);
  EXPECT_EQ(OptionErrorText, "Unrecognized option \"foo\"");

  EXPECT_LT(SetDefaultOption(Options, "sws_flags", "nonsense"), 0);
  EXPECT_EQ(OptionErrorText, "Error setting option \"sws_flags\"");

  EXPECT_LT(SetDefaultOption(Options, "resampler", "nonsense"), 0);
  EXPECT_EQ(OptionErrorText, "Error setting option \"resampler\"");
  EXPECT_EQ(Value(Options.swr_opts, "resampler"), nullptr);
}

TEST_F(DefaultOptionTest, InitOptionsStartsAnEmptySet) {
  SetDefaultOption(Options, "b", "1M");
  SetDefaultOption(Options, "probesize", "32");
  InitOptions(Options, SWS_BILINEAR);
  EXPECT_EQ(Options.codec_opts, nullptr);
  EXPECT_EQ(Options.format_opts, nullptr);
  int64_t ScalerFlags = 0;
  ASSERT_NE(Options.sws_opts, nullptr);
  FF.av_opt_get_int(Options.sws_opts, "sws_flags", 0, &ScalerFlags);
  EXPECT_EQ(ScalerFlags, SWS_BILINEAR);
}

class ReadFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(FFLoader().Load(DecoderLibraries)) << FFLoader().LastErrMsg(); }
  testing_support::TempDir Dir;
};

TEST_F(ReadFileTest, ReadsTheWholeFileWithAZeroAfterIt) {
  for (const String& Data : {String("pass-1 log\n\x01\x02"), String()}) {
    testing_support::WriteWholeFile(Dir.File("log.txt"), Data);
    uint8_t* Buffer = nullptr;
    size_t Size = 0;
    ASSERT_EQ(ReadFileToBuffer(Dir.File("log.txt"), Buffer, Size), 0);
    EXPECT_EQ(Size, Data.size() + 1);
    EXPECT_EQ(String(reinterpret_cast<char*>(Buffer), Data.size()), Data);
    EXPECT_EQ(Buffer[Data.size()], 0);
    FF.av_free(Buffer);
  }
}

TEST_F(ReadFileTest, AMissingFileFails) {
  uint8_t* Buffer = nullptr;
  size_t Size = 0;
  EXPECT_EQ(ReadFileToBuffer(Dir.File("missing.log"), Buffer, Size), -1);
  EXPECT_EQ(Buffer, nullptr);
}

}  // namespace
