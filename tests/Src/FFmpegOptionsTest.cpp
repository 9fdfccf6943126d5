// The converter's option table, option texts and presets, applied to a task's pending
// option state.

#include <gtest/gtest.h>

#include <functional>

#include "Src/FFLoad.h"
#include "Src/FFmpeg.h"
#include "platform/base/Paths.h"
#include "tests/support/TestSupport.h"

namespace {

class FFmpegOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(FFLoader().Load(AllLibraries)) << FFLoader().LastErrMsg(); }

  // The message of the failure that AText raises, or "" when it raises none.
  String FailureOf(const String& AText) {
    TCustomFFmpeg Task;
    try {
      Task.ParseOptions(AText);
    } catch (const FFmpegException& E) {
      EXPECT_EQ(Task.FLastErrMsg, E.Message());
      return E.Message();
    }
    return "";
  }

  static const char* CodecOption(const TCustomFFmpeg& ATask, const char* AName) {
    const AVDictionaryEntry* Entry =
        FF.av_dict_get(ATask.FOptions.codec_opts, AName, nullptr, AV_DICT_MATCH_CASE);
    return Entry ? Entry->value : nullptr;
  }

  // "specifier=value" of each entry.
  static std::vector<String> Entries(const TSpecifierOpts& AOpts) {
    std::vector<String> Texts;
    for (const TSpecifierOpt& Entry : AOpts)
      Texts.push_back(Entry.specifier + "=" +
                      std::visit(
                          [](const auto& AValue) -> String {
                            using T = std::decay_t<decltype(AValue)>;
                            if constexpr (std::is_same_v<T, String>)
                              return AValue;
                            else
                              return Format("%g", static_cast<double>(AValue));
                          },
                          Entry.u));
    return Texts;
  }
};

using Strings = std::vector<String>;

TEST_F(FFmpegOptionsTest, TheTableHasTheConverterRowsInOrder) {
  TCustomFFmpeg Task;
  ASSERT_EQ(Task.options.size(), 140u);
  EXPECT_STREQ(Task.options[0].name, "L");
  EXPECT_STREQ(Task.options[17].name, "f");
  EXPECT_STREQ(Task.options[30].name, "t_microsecond");
  EXPECT_STREQ(Task.options[33].name, "ss_microsecond");
  EXPECT_STREQ(Task.options[131].name, "vhook");
  EXPECT_STREQ(Task.options[138].name, "Join");
  EXPECT_STREQ(Task.options[139].name, "default");
}

TEST_F(FFmpegOptionsTest, OptionTextsFillThePendingState) {
  struct Case {
    const char* Text;
    std::function<void(const TCustomFFmpeg&)> Check;
  };
  const Case Cases[] = {
      {"-vcodec libx264 -b:v 1000k -s 640x360 -acodec aac -ar 44100 -ac 2",
       [](const TCustomFFmpeg& T) {
         EXPECT_EQ(Entries(T.optctx.codec_names), (Strings{"v=libx264", "a=aac"}));
         EXPECT_STREQ(CodecOption(T, "b:v"), "1000k");
         EXPECT_EQ(Entries(T.optctx.frame_sizes), (Strings{"=640x360"}));
         EXPECT_EQ(Entries(T.optctx.audio_sample_rate), (Strings{"=44100"}));
         EXPECT_EQ(Entries(T.optctx.audio_channels), (Strings{"=2"}));
         EXPECT_EQ(T.Fvideo_codec_name, "libx264");
         EXPECT_EQ(T.Faudio_codec_name, "aac");
       }},
      // Quoting: double quotes group, backslashes escape a quote.
      {R"(-metadata "title=My Movie" -vf "scale=320:240,pad=400:300:40:30:black" -metadata "comment=say \"hi\"")",
       [](const TCustomFFmpeg& T) {
         EXPECT_EQ(Entries(T.optctx.metadata), (Strings{"=title=My Movie", "=comment=say \"hi\""}));
         EXPECT_EQ(Entries(T.optctx.filters), (Strings{"v=scale=320:240,pad=400:300:40:30:black"}));
       }},
      {"-c:a:1 copy -codec:v mpeg4 -q:v 4 -frames:v 100 -metadata:s:0 language=eng",
       [](const TCustomFFmpeg& T) {
         EXPECT_EQ(Entries(T.optctx.codec_names), (Strings{"a:1=copy", "v=mpeg4"}));
         EXPECT_EQ(Entries(T.optctx.qscale), (Strings{"v=4"}));
         EXPECT_EQ(Entries(T.optctx.max_frames), (Strings{"v=100"}));
         EXPECT_EQ(Entries(T.optctx.metadata), (Strings{"s:0=language=eng"}));
       }},
      // Renamed rows land in their per-stream names.
      {"-vframes 10 -aq 3 -vtag xvid -absf aac_adtstoasc -dframes 2 -b 800k",
       [](const TCustomFFmpeg& T) {
         EXPECT_EQ(Entries(T.optctx.max_frames), (Strings{"v=10", "d=2"}));
         EXPECT_EQ(Entries(T.optctx.qscale), (Strings{"a=3"}));
         EXPECT_EQ(Entries(T.optctx.codec_tags), (Strings{"v=xvid"}));
         EXPECT_EQ(Entries(T.optctx.bitstream_filters), (Strings{"a=aac_adtstoasc"}));
         EXPECT_STREQ(CodecOption(T, "b:v"), "800k");
       }},
      {"-t 5 -fs 1000000 -muxdelay 0.5 -map_chapters 1 -vn -an -sn -dn",
       [](const TCustomFFmpeg& T) {
         EXPECT_EQ(T.optctx.recording_time, 5000000);
         EXPECT_EQ(T.optctx.limit_filesize, 1000000);
         EXPECT_FLOAT_EQ(T.optctx.mux_max_delay, 0.5f);
         EXPECT_EQ(T.optctx.chapters_input_file, 1);
         EXPECT_EQ(T.optctx.video_disable + T.optctx.audio_disable + T.optctx.subtitle_disable +
                       T.optctx.data_disable,
                   4);
       }},
      {"-t_microsecond 5000000", [](const TCustomFFmpeg& T) { EXPECT_EQ(T.optctx.recording_time, 5000000); }},
      {"-ss 1.5 -itsoffset 2",
       [](const TCustomFFmpeg& T) {
         EXPECT_EQ(T.optctx.start_time, 1500000);
         EXPECT_EQ(T.optctx.input_ts_offset, 2000000);
       }},
      {"-ss_microsecond 1500000 -itsoffset_microsecond 2000000",
       [](const TCustomFFmpeg& T) {
         EXPECT_EQ(T.optctx.start_time, 1500000);
         EXPECT_EQ(T.optctx.input_ts_offset, 2000000);
       }},
      {"-shortest -noshortest -y -copyts -vsync 2 -async 1 -vol 512 -intra -pass 3",
       [](const TCustomFFmpeg& T) {
         EXPECT_EQ(T.Fopt_shortest, 0);
         EXPECT_EQ(T.Ffile_overwrite, 1);
         EXPECT_EQ(T.Fcopy_ts, 1);
         EXPECT_EQ(T.Fvideo_sync_method, 2);
         EXPECT_EQ(T.Faudio_sync_method, 1);
         EXPECT_EQ(T.Faudio_volume, 512);
         EXPECT_EQ(T.Fintra_only, 1);
         EXPECT_EQ(T.Fdo_pass, 3);
       }},
      {"-map_metadata:s:0 0:g -streamid 2:300 -attach cover.jpg",
       [](const TCustomFFmpeg& T) {
         ASSERT_EQ(T.optctx.meta_data_maps.size(), 1u);
         EXPECT_EQ(T.optctx.meta_data_maps[0][0].type_, 's');
         EXPECT_EQ(T.optctx.meta_data_maps[0][1].type_, 'g');
         EXPECT_EQ(T.optctx.metadata_global_manual, 1);
         EXPECT_EQ(T.optctx.metadata_streams_manual, 1);
         EXPECT_EQ(T.optctx.streamid_map, (std::vector<int>{0, 0, 300}));
         EXPECT_EQ(T.optctx.attachments, Strings{"cover.jpg"});
       }},
      {"-target pal-dvd",
       [](const TCustomFFmpeg& T) {
         EXPECT_EQ(T.optctx.format, "dvd");
         EXPECT_EQ(Entries(T.optctx.frame_sizes), (Strings{"=720x576"}));
         EXPECT_EQ(Entries(T.optctx.frame_rates), (Strings{"=25"}));
         EXPECT_EQ(Entries(T.optctx.frame_pix_fmts), (Strings{"=yuv420p"}));
         EXPECT_EQ(Entries(T.optctx.codec_names), (Strings{"v=mpeg2video", "a=ac3"}));
         EXPECT_STREQ(CodecOption(T, "g"), "15");
         EXPECT_STREQ(CodecOption(T, "b:v"), "6000000");
         EXPECT_EQ(Entries(T.optctx.audio_sample_rate), (Strings{"=48000"}));
       }},
      // The recording time stamp becomes ISO 8601 "creation_time" in UTC.
      {"-timestamp 2011-05-01T12:00:00Z",
       [](const TCustomFFmpeg& T) {
         EXPECT_EQ(Entries(T.optctx.metadata), (Strings{"=creation_time=2011-05-01T12:00:00.000000Z"}));
       }},
      // Switches for the component, program-level rows and options that lost their
      // meaning are accepted without effect.
      {"-VideoInputHook -Join -version -sameq -me_threshold 5",
       [](const TCustomFFmpeg& T) {
         EXPECT_EQ(T.FOptions.codec_opts, nullptr);
         EXPECT_EQ(T.FOptions.format_opts, nullptr);
       }},
      {"-VideoHookBitsPixel 32", [](const TCustomFFmpeg& T) { EXPECT_EQ(T.FVideoHookBitsPixel, 32); }},
      // Old x264 option names and flag values of preset texts become today's options.
      {"-flags2 +bpyramid+mixed_refs-fastpskip -partitions +parti8x8+partp8x8-partb8x8 -directpred 1 -flags "
       "+loop",
       [](const TCustomFFmpeg& T) {
         EXPECT_STREQ(CodecOption(T, "b-pyramid"), "normal");
         EXPECT_STREQ(CodecOption(T, "mixed-refs"), "1");
         EXPECT_STREQ(CodecOption(T, "fast-pskip"), "0");
         EXPECT_EQ(CodecOption(T, "flags2"), nullptr);
         EXPECT_STREQ(CodecOption(T, "partitions"), "i8x8,p8x8");
         EXPECT_STREQ(CodecOption(T, "direct-pred"), "1");
         EXPECT_STREQ(CodecOption(T, "flags"), "+loop");
       }},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Text);
    TCustomFFmpeg Task;
    Task.ParseOptions(C.Text);
    C.Check(Task);
  }
}

TEST_F(FFmpegOptionsTest, OptionsWithoutMeaningTodayAreAcceptedWithAWarning) {
  TCustomFFmpeg Task;
  std::vector<std::pair<TLogLevel, String>> Lines;
  TVORerivi* Logger = GetLogger();
  Logger->TriggerEventInMainThread = false;
  Logger->OnLog = [&](TObject* Sender, TThreadID, TLogLevel ALevel, const String& AText) {
    if (Sender == &Task && ALevel == llWarning) Lines.emplace_back(ALevel, AText);
  };
  Task.ParseOptions("-version -sameq -tvstd pal -vc 2 -me_threshold 5 -f avi");
  Logger->OnLog = nullptr;
  EXPECT_EQ(Task.optctx.format, "avi");
  std::vector<String> Texts;
  for (const auto& Line : Lines) Texts.push_back(Line.second);
  EXPECT_EQ(Texts,
            (Strings{"options \"version\" not supported, ignore",
                     "Option \"sameq\" has lost its meaning and is ignored",
                     "This option is deprecated, use -standard.", "This option is deprecated, use -channel.",
                     "Option \"me_threshold\" is no longer supported by FFmpeg and is ignored"}));
  // The video capture device takes them under their names of today.
  const AVDictionaryEntry* Standard = FF.av_dict_get(Task.FOptions.format_opts, "standard", nullptr, 0);
  const AVDictionaryEntry* Channel = FF.av_dict_get(Task.FOptions.format_opts, "channel", nullptr, 0);
  ASSERT_NE(Standard, nullptr);
  ASSERT_NE(Channel, nullptr);
  EXPECT_STREQ(Standard->value, "pal");
  EXPECT_STREQ(Channel->value, "2");
}

TEST_F(FFmpegOptionsTest, InvalidOptionsFailWithTheirMessages) {
  const std::pair<const char*, const char*> Cases[] = {
      {"-i x.avi", "options \"i\" not supported\r\nFailed to set value \"x.avi\" for option \"i\""},
      {"-report", "options \"report\" not supported\r\nFailed to set value \"\" for option \"report\""},
      {"-croptop 10",
       "Option \"croptop\" has been removed, use the crop filter instead\r\nFailed to set value \"10\" for "
       "option "
       "\"croptop\""},
      {"-padcolor red",
       "Option \"padcolor\" has been removed, use the pad filter instead\r\nFailed to set value \"red\" for "
       "option "
       "\"padcolor\""},
      {"-foo 1", "Unrecognized option \"foo\"\r\nFailed to set value \"1\" for option \"foo\""},
      {"-c:v", "Missing argument for option \"c:v\""},
      {"-y movie.avi", "Failed to parse options on movie.avi"},
      {"-ar x", "Expected integer for ar but found x"},
      {"-t abc", "Invalid duration specification for t: abc"},
      {"-streamid 1024:1",
       "The value for \"streamid\" was \"1024\" which is not within 0 - 1023\r\nFailed to set value "
       "\"1024:1\" for "
       "option \"streamid\""},
      {"-streamid 5",
       "Invalid value \"5\" for option \"streamid\", required syntax is \"index:value\"\r\nFailed to set "
       "value \"5\" "
       "for option \"streamid\""},
      {"-pass 4",
       "The value for \"pass\" was \"4\" which is not within 1 - 3\r\nFailed to set value \"4\" for option "
       "\"pass\""},
      {"-map_metadata 0:x",
       "Invalid metadata type x.\r\nFailed to set value \"0:x\" for option \"map_metadata\""},
      {"-target pal-foo", "Unknown target: foo\r\nFailed to set value \"pal-foo\" for option \"target\""},
      {"-target vcd",
       "Could not determine norm (PAL/NTSC/NTSC-Film) for target.\r\nPlease prefix target with \"pal-\", "
       "\"ntsc-\" or "
       "\"film-\",\r\nor set a framerate with \"-r xxx\"."},
      {"-map 0", "Invalid input file index: 0."},
      {"-map_channel 1.2", "Syntax error, mapchan usage: [file.stream.channel|-1][:syncfile:syncstream]"},
      {"-VideoHookBitsPixel 12",
       "Invalid BitsPixel 12\r\nFailed to set value \"12\" for option \"VideoHookBitsPixel\""},
      {"-fpre /no/such.ffpreset",
       "Preset file \"/no/such.ffpreset\" not found\r\nFailed to set value \"/no/such.ffpreset\" for option "
       "\"fpre\""},
      {"-loglevel loud",
       "Invalid loglevel \"loud\". Possible levels are numbers "
       "or:\r\n\"quiet\"\r\n\"panic\"\r\n\"fatal\"\r\n\"error\"\r\n"
       "\"warning\"\r\n\"info\"\r\n\"verbose\"\r\n\"debug\"\r\n\r\nFailed to set value \"loud\" for option "
       "\"loglevel\""},
  };
  for (const auto& [Text, Message] : Cases) EXPECT_EQ(FailureOf(Text), Message) << Text;
}

TEST_F(FFmpegOptionsTest, WithoutHaltingInvalidOptionsArePassedOver) {
  TCustomFFmpeg Task;
  Task.HaltOnInvalidOption = false;
  Task.ParseOptions("-foo 1 -croptop 2 stray -f avi");
  EXPECT_EQ(Task.optctx.format, "avi");
  // A handler that raises still fails the text.
  EXPECT_THROW(Task.ParseOptions("-map 3"), FFmpegException);
}

TEST_F(FFmpegOptionsTest, TheLogLevelIsSetBeforeTheOtherOptions) {
  TLogLevel Before = GetLogger()->LogLevel();
  EXPECT_NE(FailureOf("-foo 1 -loglevel 16"), "");
  EXPECT_EQ(GetLogger()->LogLevel(), AVToLogLevel(16));
  GetLogger()->SetLogLevel(Before);
}

TEST_F(FFmpegOptionsTest, PresetTextsSetCodecChoicesAndFFmpegOptions) {
  TCustomFFmpeg Task;
  Task.ParsePresets("b=1000k<CRLF>g=250<CRLF># comment\r\n\r\n  vcodec=mpeg4  \nACODEC=ac3");
  EXPECT_STREQ(CodecOption(Task, "b"), "1000k");
  EXPECT_STREQ(CodecOption(Task, "g"), "250");
  EXPECT_EQ(Entries(Task.optctx.codec_names), (Strings{"v=mpeg4", "a=ac3"}));
  EXPECT_EQ(Task.Fvideo_codec_name, "mpeg4");
}

TEST_F(FFmpegOptionsTest, InvalidPresetLinesFailWithTheirMessages) {
  const std::pair<const char*, const char*> Cases[] = {
      {"foo", "Invalid syntax: \"foo\""},
      {"=5", "Invalid syntax: \"=5\""},
      // Blanks around "=" stay in the name and the value.
      {"b = 1000k",
       "Unrecognized option \"b \"\r\nInvalid option or argument: \"b = 1000k\", parsed as \"b \" = \" "
       "1000k\""},
      // The converter's own option names are not available in presets.
      {"s=640x480",
       "Unrecognized option \"s\"\r\nInvalid option or argument: \"s=640x480\", parsed as \"s\" = "
       "\"640x480\""},
  };
  for (const auto& [Text, Message] : Cases) {
    TCustomFFmpeg Task;
    try {
      Task.ParsePresets(Text);
      ADD_FAILURE() << Text << " did not fail";
    } catch (const FFmpegException& E) {
      EXPECT_EQ(E.Message(), Message);
    }
  }
}

TEST_F(FFmpegOptionsTest, PresetFilesStopAtTheFirstBadLine) {
  testing_support::TempDir Dir;
  String Path = Dir.File("x264.ffpreset");
  testing_support::WriteWholeFile(Path, "# medium\nb=1000k\ng=250\nnovalue\nbf=2\n");
  TCustomFFmpeg Task;
  try {
    Task.ParseOptions("-vpre " + Path);
    ADD_FAILURE() << "the preset file did not fail";
  } catch (const FFmpegException& E) {
    EXPECT_EQ(E.Message(),
              Format("%s: Invalid syntax: \"novalue\"\r\nFailed to set value \"%s\" for option \"vpre\"",
                     Path, Path));
  }
  EXPECT_STREQ(CodecOption(Task, "b"), "1000k");
  EXPECT_STREQ(CodecOption(Task, "g"), "250");
  EXPECT_EQ(CodecOption(Task, "bf"), nullptr);
}

TEST_F(FFmpegOptionsTest, SwitchesAreFoundOnlyAsOptionsOfTheirOwn) {
  TCustomFFmpeg Task;
  const std::tuple<const char*, const char*, bool> Cases[] = {
      {"-vcodec libx264 -VideoInputHook -Join", "Join", true},
      {"-vcodec libx264 -VideoInputHook -Join", "VideoInputHook", true},
      {"-vcodec libx264 -VideoInputHook -Join", "AudioHook", false},
      {"-vcodec mpeg4 -AudioHook", "AudioHook", true},
      {"-AudioHookX 1", "AudioHook", false},
      {R"(-vf "drawtext=text=' -Join '")", "Join", false},
      {"-metadata -Join", "Join", false},  // the argument of -metadata
      {"-metadata:s:0 title=x -Join", "Join", true},
      {"-join", "Join", false},
  };
  for (const auto& [Text, Switch, Given] : Cases)
    EXPECT_EQ(Task.IsSwitchGiven(Text, Switch), Given) << Text << " " << Switch;
}

TEST_F(FFmpegOptionsTest, PassLogFilesAreUniquePerTaskInTheTemporaryFolder) {
  TCustomFFmpeg First, Second;
  String Name = First.PassLogFileName(0);
  EXPECT_TRUE(Name.starts_with(IncludeTrailingPathDelimiter(GetTempDir()) + "ffencoder2pass-")) << Name;
  EXPECT_TRUE(Name.ends_with("-0.log")) << Name;
  EXPECT_NE(Name, Second.PassLogFileName(0));
  EXPECT_NE(Name, First.PassLogFileName(1));

  First.ParseOptions("-passlogfile /work/pass");
  EXPECT_EQ(First.PassLogFileName(2), "/work/pass-2.log");
  // The name is bounded.
  First.ParseOptions("-passlogfile " + String(2000, 'p'));
  EXPECT_EQ(First.PassLogFileName(0).size(), 1023u);
}

}  // namespace
