// Creating the output of a conversion task: stream selection, maps, per-stream encoder
// settings, metadata, limits, the join set-up, the refusal to overwrite an input and
// the temporary name that only a finished task turns into the final one.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "Src/FFLoad.h"
#include "Src/FFmpeg.h"
#include "tests/Src/ConverterTestMedia.h"
#include "tests/Src/TranscodeTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace converter_test_media;
namespace fs = std::filesystem;

class FFmpegOutputTest : public transcode_test::TranscodeFixture {
 protected:
  void SetUp() override {
    TranscodeFixture::SetUp();
    if (HasFatalFailure()) return;
    Multi = MakeMultiStreamMatroska(Dir.File(""));
  }

  // A task with the multi-stream file as its input and an output made with AOptions.
  std::unique_ptr<TCustomFFmpeg> TaskWithOutput(const String& AOptions, int& AResult,
                                                const String& AOutput = "out.mkv") {
    auto Task = std::make_unique<TCustomFFmpeg>();
    EXPECT_EQ(Task->OpenInputFile(Multi), 0) << Task->FLastErrMsg;
    Task->ParseOptions(AOptions);
    AResult = Task->OpenOutputFile(Dir.File(AOutput), false);
    return Task;
  }

  // The message of the failure that an output made with AOptions raises.
  String FailureOf(const String& AOptions) {
    int Result;
    try {
      TaskWithOutput(AOptions, Result);
    } catch (const Exception& E) {
      return E.Message();
    }
    return "";
  }

  static std::vector<int> Sources(const TCustomFFmpeg& ATask) {
    std::vector<int> Indexes;
    for (const auto& Stream : ATask.Foutput_streams) Indexes.push_back(Stream->source_index);
    return Indexes;
  }

  std::vector<String> FolderEntries() const {
    std::vector<String> Names;
    for (const auto& Entry : fs::directory_iterator(Dir.Path()))
      Names.push_back(Entry.path().filename().string());
    std::sort(Names.begin(), Names.end());
    return Names;
  }

  String Multi;
};

TEST_F(FFmpegOutputTest, AutomaticSelectionTakesTheLargestPictureAndTheMostChannels) {
  int Result;
  auto Task = TaskWithOutput("", Result);
  ASSERT_EQ(Result, 0) << Task->FLastErrMsg;
  // Video from the 1280x720 stream, audio from the 5.1 stream, the first subtitle.
  EXPECT_EQ(Sources(*Task), (std::vector<int>{1, 3, 4}));
  const std::vector<int> Discard = {1, 0, 1, 0, 0};
  for (size_t I = 0; I < Discard.size(); I++) EXPECT_EQ(Task->Finput_streams[I]->discard, Discard[I]) << I;
  const TOutputStream& Video = *Task->Foutput_streams[0];
  EXPECT_EQ(Video.sync_ist, 1);
  EXPECT_EQ(Video.st->codecpar->codec_type, AVMEDIA_TYPE_VIDEO);
  EXPECT_NE(Video.enc, nullptr);
  EXPECT_EQ(Video.enc_ctx->codec_id, Video.enc->id);
  ASSERT_EQ(Task->Foutput_files.size(), 1u);
  EXPECT_EQ(Task->Foutput_files[0]->ost_index, 0);
}

TEST_F(FFmpegOutputTest, SwitchedOffKindsAreNotSelected) {
  const std::pair<const char*, std::vector<int>> Cases[] = {
      {"-vn", {3, 4}},
      {"-an -sn", {1}},
      {"-vn -an -sn", {}},
  };
  for (const auto& [Options, Expected] : Cases) {
    int Result;
    auto Task = TaskWithOutput(Options, Result);
    ASSERT_EQ(Result, 0) << Task->FLastErrMsg;
    EXPECT_EQ(Sources(*Task), Expected) << Options;
  }
}

TEST_F(FFmpegOutputTest, StreamsSwitchedOffOnTheInputAreNotSelected) {
  TCustomFFmpeg Task;
  Task.ParseOptions("-vn");
  ASSERT_EQ(Task.OpenInputFile(Multi), 0) << Task.FLastErrMsg;
  ASSERT_EQ(Task.OpenOutputFile(Dir.File("out.mkv"), false), 0) << Task.FLastErrMsg;
  EXPECT_EQ(Sources(Task), (std::vector<int>{3, 4}));
}

TEST_F(FFmpegOutputTest, MapsSelectExactlyWhatTheySay) {
  const std::pair<const char*, std::vector<int>> Cases[] = {
      {"-map 0:1 -map 0:0", {1, 0}},
      {"-map 0:a", {2, 3}},
      {"-map 0:v:1 -map 0:a:0", {1, 2}},
      {"-map 0 -map -0:s", {0, 1, 2, 3}},
      {"-map 0 -map -0:v", {2, 3, 4}},
      {"-map 0:a -vn", {2, 3}},
      {"-map 0:4 -sn", {}},
  };
  for (const auto& [Options, Expected] : Cases) {
    int Result;
    auto Task = TaskWithOutput(Options, Result);
    ASSERT_EQ(Result, 0) << Task->FLastErrMsg;
    EXPECT_EQ(Sources(*Task), Expected) << Options;
  }

  int Result;
  auto Task = TaskWithOutput("-map 0:3,0:1", Result);
  ASSERT_EQ(Task->Foutput_streams.size(), 1u);
  EXPECT_EQ(Task->Foutput_streams[0]->source_index, 3);
  EXPECT_EQ(Task->Foutput_streams[0]->sync_ist, 1);
}

TEST_F(FFmpegOutputTest, BadMapsFailWithTheirMessages) {
  const std::pair<const char*, const char*> Cases[] = {
      {"-map 1:0", "Invalid input file index: 1."},
      {"-map -0:a", "Stream map \"0:a\" matches no streams."},
      {"-map 0:9", "Stream map \"0:9\" matches no streams."},
      {"-map 0:0,3:0", "Invalid sync file index: 3."},
      {"-map 0:0,0:s:5", "Sync stream specification in map 0:0,0:s:5 does not match any streams."},
      {"-map_channel 0.3.6", "mapchan: invalid audio channel #0.3.6"},
      {"-map_channel 0.0.0", "mapchan: stream #0.0 is not an audio stream."},
      {"-map_channel 0.7.0", "mapchan: invalid input file stream index #0.7"},
      {"-map_channel 2.0.0", "mapchan: invalid input file index: 2"},
  };
  for (const auto& [Options, Message] : Cases) EXPECT_EQ(FailureOf(Options), Message) << Options;
}

TEST_F(FFmpegOutputTest, PerStreamSettingsReachTheEncoderContexts) {
  int Result;
  auto Task = TaskWithOutput(
      "-map 0:1 -map 0:2 -map 0:3 -c:v mpeg4 -r 30000/1001 -s 320x240 -aspect 16:9 -q:v 4 -pix_fmt yuv420p "
      "-rc_override 0,100,2/101,200,-50 -force_key_frames 0,5,10.5 -bsf:v dump_extra,null -streamid 0:33 "
      "-ar 22050 -ar:a:0 44100 -ac:a:1 2 -sample_fmt fltp -c:a libfaac -map_channel -1 -filter:v hflip -top "
      "1",
      Result);
  ASSERT_EQ(Result, 0) << Task->FLastErrMsg;
  const TOutputStream& Video = *Task->Foutput_streams[0];
  EXPECT_EQ(Video.frame_rate.num, 30000);
  EXPECT_EQ(Video.frame_rate.den, 1001);
  EXPECT_EQ(Video.enc_ctx->width, 320);
  EXPECT_EQ(Video.enc_ctx->height, 240);
  EXPECT_NEAR(Video.frame_aspect_ratio, 16.0 / 9, 1e-6);
  EXPECT_TRUE(Video.enc_ctx->flags & AV_CODEC_FLAG_QSCALE);
  EXPECT_EQ(Video.enc_ctx->global_quality, 472);
  EXPECT_EQ(Video.enc_ctx->pix_fmt, AV_PIX_FMT_YUV420P);
  ASSERT_EQ(Video.enc_ctx->rc_override_count, 2);
  EXPECT_EQ(Video.enc_ctx->rc_override[0].qscale, 2);
  EXPECT_EQ(Video.enc_ctx->rc_override[1].start_frame, 101);
  EXPECT_FLOAT_EQ(Video.enc_ctx->rc_override[1].quality_factor, 0.5f);
  EXPECT_EQ(Video.forced_kf_pts, (std::vector<int64_t>{0, 5000000, 10500000}));
  ASSERT_EQ(Video.bitstream_filters.size(), 2u);
  EXPECT_STREQ(Video.bitstream_filters[0]->filter->name, "dump_extra");
  EXPECT_STREQ(Video.bitstream_filters[1]->filter->name, "null");
  EXPECT_EQ(Video.st->id, 33);
  EXPECT_EQ(Video.avfilter, "hflip");
  EXPECT_EQ(Video.top_field_first, 1);

  // The last matching entry wins; an old codec name becomes today's.
  const TOutputStream& Mono = *Task->Foutput_streams[1];
  const TOutputStream& Surround = *Task->Foutput_streams[2];
  EXPECT_EQ(Mono.enc_ctx->sample_rate, 44100);
  EXPECT_EQ(Surround.enc_ctx->sample_rate, 22050);
  EXPECT_EQ(Surround.enc_ctx->ch_layout.nb_channels, 2);
  EXPECT_EQ(Mono.enc_ctx->sample_fmt, AV_SAMPLE_FMT_FLTP);
  EXPECT_STREQ(Mono.enc->name, "aac");
  EXPECT_EQ(Mono.audio_channels_mapped, 1);
  EXPECT_EQ(Mono.audio_channels_map[0], -1);
}

TEST_F(FFmpegOutputTest, StreamCopySkipsTheEncoderSettings) {
  int Result;
  auto Task = TaskWithOutput("-map 0:1 -c:v copy -s 320x240 -copyinkf", Result);
  ASSERT_EQ(Result, 0) << Task->FLastErrMsg;
  const TOutputStream& Video = *Task->Foutput_streams[0];
  EXPECT_EQ(Video.stream_copy, 1);
  EXPECT_EQ(Video.enc, nullptr);
  EXPECT_EQ(Video.enc_ctx->width, 0);
  EXPECT_EQ(Video.copy_initial_nonkeyframes, 1);
}

TEST_F(FFmpegOutputTest, BadStreamSettingsFailAndLeaveTheTaskAsItWas) {
  const std::pair<const char*, String> Cases[] = {
      {"-aspect 0:1", "Incorrect aspect ratio specification."},
      {"-intra_matrix 8,16", "Syntax error in matrix \"8,16\" at coeff 1"},
      {"-rc_override 0,100", "error parsing rc_override"},
      {"-bsf:a nosuch", "Unknown bitstream filter \"nosuch\""},
      {"-c:a nosuch", "Unknown encoder 'nosuch'"},
      {"-c:a mpeg4", "Invalid encoder type 'mpeg4'"},
      {"-r fast", "Invalid framerate value: fast"},
      {"-s huge", "Invalid frame size: huge."},
      {"-pix_fmt nosuch", "Unknown pixel format requested: nosuch."},
      {"-sample_fmt nosuch", "Invalid sample format \"nosuch\""},
      {"-q:x 2", ErrorToText("check_stream_specifier", AVERROR(EINVAL))},
      {"-map 0:0 -metadata:s:1 language=eng", "Invalid stream index 1 in metadata specifier."},
      {"-metadata:p:0 x=y", "Invalid metadata specifier p:0."},
      {"-metadata title", "No \"=\" character in metadata string title."},
      {"-map_chapters 3", "Invalid input file index 3 in chapter mapping."},
      {"-map_metadata:s:9 0", "Invalid stream index 9 while processing metadata maps"},
      {"-map_metadata 4", "Invalid input file index 4 while processing metadata maps"},
  };
  for (const auto& [Options, Message] : Cases) {
    SCOPED_TRACE(Options);
    auto Task = std::make_unique<TCustomFFmpeg>();
    ASSERT_EQ(Task->OpenInputFile(Multi), 0);
    try {
      Task->ParseOptions(Options);
      EXPECT_EQ(Task->OpenOutputFile(Dir.File("out.mkv"), false), -1);
      EXPECT_EQ(Task->FLastErrMsg, Message);
    } catch (const Exception& E) {
      EXPECT_EQ(E.Message(), Message);
    }
    EXPECT_TRUE(Task->Foutput_files.empty());
    EXPECT_TRUE(Task->Foutput_streams.empty());
    EXPECT_EQ(FolderEntries(), (std::vector<String>{"multi.mkv", "subtitles.srt"}));
  }
}

TEST_F(FFmpegOutputTest, TheRecordingTimeLimitsTheOutput) {
  for (const char* Options : {"-t_microsecond 2500000", "-t 2.5"}) {
    int Result;
    auto Task = TaskWithOutput(Options, Result);
    ASSERT_EQ(Result, 0) << Task->FLastErrMsg;
    EXPECT_EQ(Task->Foutput_files[0]->recording_time, 2500000) << Options;
    EXPECT_EQ(Task->FOutputDuration, 2500000) << Options;
    EXPECT_EQ(Task->optctx.recording_time, INT64_MAX);  // consumed
  }
}

TEST_F(FFmpegOutputTest, MetadataIsCopiedSetAndRemoved) {
  int Result;
  auto Task = TaskWithOutput(
      "-map 0:2 -metadata title=Hello -metadata:s:0 language=eng -metadata:s:0 handler=", Result);
  ASSERT_EQ(Result, 0) << Task->FLastErrMsg;
  AVFormatContext* Context = Task->Foutput_files[0]->ctx;
  EXPECT_STREQ(FF.av_dict_get(Context->metadata, "title", nullptr, 0)->value, "Hello");
  EXPECT_STREQ(FF.av_dict_get(Context->streams[0]->metadata, "language", nullptr, 0)->value, "eng");
  EXPECT_EQ(FF.av_dict_get(Context->streams[0]->metadata, "handler", nullptr, 0), nullptr);
}

TEST_F(FFmpegOutputTest, ChaptersAreCopiedWithinTheRecordingTime) {
  String Metadata = Dir.File("chapters.txt");
  testing_support::WriteWholeFile(Metadata,
                                  ";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1000\ntitle=One\n"
                                  "[CHAPTER]\nTIMEBASE=1/1000\nSTART=1000\nEND=2000\ntitle=Two\n"
                                  "[CHAPTER]\nTIMEBASE=1/1000\nSTART=2000\nEND=3000\ntitle=Three\n");
  String WithChapters = Dir.File("chapters.mkv");
  auto Made = testing_support::RunCommand("ffmpeg -hide_banner -loglevel error -y -i " +
                                          testing_support::ShellQuote(MakeClip(Dir.File(""), "clip.mkv", 3)) +
                                          " -i " + testing_support::ShellQuote(Metadata) +
                                          " -map 0 -map_chapters 1 -c copy " +
                                          testing_support::ShellQuote(WithChapters));
  ASSERT_EQ(Made.ExitCode, 0) << Made.Output;

  auto Seconds = [](const AVChapter* AChapter, int64_t AValue) {
    return AValue * av_q2d(AChapter->time_base);
  };
  TCustomFFmpeg Task;
  ASSERT_EQ(Task.OpenInputFile(WithChapters), 0) << Task.FLastErrMsg;
  Task.ParseOptions("-t 1.5");
  ASSERT_EQ(Task.OpenOutputFile(Dir.File("out.mkv"), false), 0) << Task.FLastErrMsg;
  const AVFormatContext* Output = Task.Foutput_files[0]->ctx;
  ASSERT_EQ(Output->nb_chapters, 2u);
  EXPECT_NEAR(Seconds(Output->chapters[1], Output->chapters[1]->start), 1.0, 1e-6);
  EXPECT_NEAR(Seconds(Output->chapters[1], Output->chapters[1]->end), 1.5, 1e-6);
  EXPECT_STREQ(FF.av_dict_get(Output->chapters[1]->metadata, "title", nullptr, 0)->value, "Two");

  TCustomFFmpeg Without;
  ASSERT_EQ(Without.OpenInputFile(WithChapters), 0);
  Without.ParseOptions("-map_chapters -1");
  ASSERT_EQ(Without.OpenOutputFile(Dir.File("none.mkv"), false), 0) << Without.FLastErrMsg;
  EXPECT_EQ(Without.Foutput_files[0]->ctx->nb_chapters, 0u);
}

TEST_F(FFmpegOutputTest, AnAttachmentIsNamedByItsFileName) {
  String Cover = Dir.File("cover.jpg");
  testing_support::WriteWholeFile(Cover, "not really a picture");
  int Result;
  auto Task = TaskWithOutput("-map 0:0 -attach " + Cover, Result);
  ASSERT_EQ(Result, 0) << Task->FLastErrMsg;
  ASSERT_EQ(Task->Foutput_streams.size(), 2u);
  const TOutputStream& Attachment = *Task->Foutput_streams[1];
  EXPECT_EQ(Attachment.st->codecpar->codec_type, AVMEDIA_TYPE_ATTACHMENT);
  EXPECT_EQ(Attachment.source_index, -1);
  EXPECT_EQ(Attachment.attachment_filename, Cover);
  EXPECT_EQ(Attachment.st->codecpar->extradata_size, 20);
  EXPECT_STREQ(FF.av_dict_get(Attachment.st->metadata, "filename", nullptr, 0)->value, "cover.jpg");

  auto Failed = TaskWithOutput("-attach " + Dir.File("none.jpg"), Result);
  EXPECT_EQ(Result, -1);
  EXPECT_EQ(Failed->FLastErrMsg, "Could not open attachment file " + Dir.File("none.jpg") + ".");
}

TEST_F(FFmpegOutputTest, ATargetSetsTheDiscSettingsOfItsNorm) {
  int Result;
  auto Task = TaskWithOutput("-target pal-vcd", Result, "out.mpg");
  ASSERT_EQ(Result, 0) << Task->FLastErrMsg;
  const TOutputStream& Video = *Task->Foutput_streams[0];
  EXPECT_STREQ(Video.enc->name, "mpeg1video");
  EXPECT_EQ(Video.enc_ctx->width, 352);
  EXPECT_EQ(Video.enc_ctx->height, 288);
  EXPECT_STREQ(Task->Foutput_files[0]->ctx->oformat->name, "vcd");
}

TEST_F(FFmpegOutputTest, AnOutputNeedsAnInput) {
  TCustomFFmpeg Task;
  try {
    Task.OpenOutputFile(Dir.File("out.mkv"), false);
    ADD_FAILURE() << "no failure";
  } catch (const FFmpegException& E) {
    EXPECT_EQ(E.Message(), "At least one input file must be specified");
  }
}

TEST_F(FFmpegOutputTest, AnOutputInAMissingFolderFails) {
  String Name = Dir.File("no/such/folder/out.mkv");
  auto Task = std::make_unique<TCustomFFmpeg>();
  ASSERT_EQ(Task->OpenInputFile(Multi), 0);
  EXPECT_EQ(Task->OpenOutputFile(Name, false), -1);
  EXPECT_EQ(Task->FLastErrMsg, Name + ": No such file or directory");
  EXPECT_TRUE(Task->Foutput_files.empty());
}

TEST_F(FFmpegOutputTest, AnOutputThatIsAnInputIsRefusedAndTheInputStaysIntact) {
  const String Original = testing_support::ReadWholeFile(Multi);
  fs::create_hard_link(Multi, Dir.File("link.mkv"));
  fs::create_symlink(Multi, Dir.File("symlink.mkv"));
  const String Spellings[] = {
      Multi,           Dir.File("link.mkv"),        Dir.File("symlink.mkv"), "unicode:" + Multi,
      "file:" + Multi, Dir.File("sub/../multi.mkv")};
  for (const String& Output : Spellings) {
    SCOPED_TRACE(Output);
    TCustomFFmpeg Task;
    ASSERT_EQ(Task.OpenInputFile(Multi), 0);
    EXPECT_EQ(Task.OpenOutputFile(Output, false), -1);
    EXPECT_EQ(Task.FLastErrMsg,
              Format("Output file \"%s\" is the same file as the input \"%s\".", Output, Multi));
    EXPECT_TRUE(Task.Foutput_files.empty());
  }
  EXPECT_EQ(testing_support::ReadWholeFile(Multi), Original);
}

TEST_F(FFmpegOutputTest, TheFileIsWrittenUnderATemporaryNameUntilTheTaskFinishes) {
  int Result;
  auto Task = TaskWithOutput("", Result);
  ASSERT_EQ(Result, 0) << Task->FLastErrMsg;
  const TOutputTarget& Target = *Task->Foutput_files[0]->target;
  EXPECT_EQ(Target.FileName(), Dir.File("out.mkv"));
  String Working = fs::path(Target.WorkingName()).filename().string();
  EXPECT_TRUE(Working.starts_with(".out.mkv.") && Working.ends_with(".part")) << Working;
  EXPECT_EQ(fs::path(Target.WorkingName()).parent_path(), Dir.Path());
  EXPECT_FALSE(fs::exists(Dir.File("out.mkv")));

  FF.avio_write(Task->Foutput_files[0]->ctx->pb, reinterpret_cast<const unsigned char*>("data"), 4);
  ASSERT_EQ(Task->FinishOutputFiles(), 0);
  EXPECT_EQ(testing_support::ReadWholeFile(Dir.File("out.mkv")), "data");
  EXPECT_EQ(FolderEntries(), (std::vector<String>{"multi.mkv", "out.mkv", "subtitles.srt"}));
  Task.reset();  // a finished output stays
  EXPECT_TRUE(fs::exists(Dir.File("out.mkv")));
}

TEST_F(FFmpegOutputTest, AFileNamedThroughTheUnicodeProtocolIsRenamedToo) {
  auto Task = std::make_unique<TCustomFFmpeg>();
  ASSERT_EQ(Task->OpenInputFile(Multi), 0);
  ASSERT_EQ(Task->OpenOutputFile("unicode:" + Dir.File("out.mkv"), false), 0) << Task->FLastErrMsg;
  EXPECT_TRUE(Task->Foutput_files[0]->target->WorkingName().starts_with("unicode:" + Dir.File(".out.mkv.")));
  FF.avio_write(Task->Foutput_files[0]->ctx->pb, reinterpret_cast<const unsigned char*>("data"), 4);
  ASSERT_EQ(Task->FinishOutputFiles(), 0) << Task->FLastErrMsg;
  EXPECT_EQ(testing_support::ReadWholeFile(Dir.File("out.mkv")), "data");
}

TEST_F(FFmpegOutputTest, AServerFeedFormatIsChosenByTheFileNameInstead) {
  int Result;
  auto Task = TaskWithOutput("-f ffm", Result);
  ASSERT_EQ(Result, 0) << Task->FLastErrMsg;
  EXPECT_STREQ(Task->Foutput_files[0]->ctx->oformat->name, "matroska");
}

TEST_F(FFmpegOutputTest, AnUnfinishedTaskLeavesAnEarlierFileAlone) {
  testing_support::WriteWholeFile(Dir.File("out.mkv"), "earlier");
  for (bool Discard : {true, false}) {
    int Result;
    auto Task = TaskWithOutput("", Result);
    ASSERT_EQ(Result, 0) << Task->FLastErrMsg;
    FF.avio_write(Task->Foutput_files[0]->ctx->pb, reinterpret_cast<const unsigned char*>("partial"), 7);
    if (Discard) Task->DiscardOutputFiles();
    Task.reset();
    EXPECT_EQ(testing_support::ReadWholeFile(Dir.File("out.mkv")), "earlier");
    EXPECT_EQ(FolderEntries(), (std::vector<String>{"multi.mkv", "out.mkv", "subtitles.srt"}));
  }
}

TEST_F(FFmpegOutputTest, JoinMakesOneSegmentPerInputAndSumsTheDuration) {
  TCustomFFmpeg Task;
  for (int Seconds : {1, 2, 3})
    ASSERT_GE(Task.OpenInputFile(MakeClip(Dir.File(""), Format("clip%d.mkv", Seconds), Seconds)), 0)
        << Task.FLastErrMsg;
  ASSERT_EQ(Task.OpenOutputFile(Dir.File("joined.mkv"), true), 0) << Task.FLastErrMsg;
  ASSERT_TRUE(Task.FJoinMode);
  ASSERT_EQ(Task.JoinOutputs(), 0) << Task.FLastErrMsg;

  const size_t N = 2;  // video and audio
  EXPECT_EQ(Task.Fnb_output_streams_join, static_cast<int>(N));
  ASSERT_EQ(Task.Foutput_files.size(), 3u);
  ASSERT_EQ(Task.Foutput_streams.size(), 3 * N);
  int64_t Total = 0;
  for (size_t K = 0; K < 3; K++) {
    const TOutputFile& Segment = *Task.Foutput_files[K];
    EXPECT_EQ(Segment.ctx, Task.Foutput_files[0]->ctx);
    EXPECT_EQ(Segment.target, Task.Foutput_files[0]->target);
    EXPECT_EQ(Segment.ost_index, static_cast<int>(K * N));
    for (size_t I = 0; I < N; I++) {
      const TOutputStream& Stream = *Task.Foutput_streams[K * N + I];
      EXPECT_EQ(Stream.file_index, static_cast<int>(K));
      EXPECT_EQ(Stream.st, Task.Foutput_streams[I]->st);
      EXPECT_EQ(Stream.enc_ctx, Task.Foutput_streams[I]->enc_ctx);
      ASSERT_GE(Stream.source_index, 0);
      EXPECT_EQ(Task.Finput_streams[Stream.source_index]->file_index, static_cast<int>(K));
      EXPECT_EQ(Task.Finput_streams[Stream.source_index]->st->codecpar->codec_type,
                Stream.st->codecpar->codec_type);
    }
    Total += Task.Finput_files[K]->ctx->duration;
  }
  EXPECT_EQ(Task.FOutputDuration, Total);
  EXPECT_NEAR(Total / 1e6, 6.0, 0.2);

  EXPECT_EQ(Task.OpenOutputFile(Dir.File("second.mkv"), true), -1);
  EXPECT_EQ(Task.FLastErrMsg, "Cannot join more than one output file.");
}

TEST_F(FFmpegOutputTest, JoinWithOneInputIsAPlainOutput) {
  TCustomFFmpeg Task;
  ASSERT_EQ(Task.OpenInputFile(Multi), 0);
  EXPECT_EQ(Task.OpenOutputFile(Dir.File("out.mkv"), true), 0) << Task.FLastErrMsg;
  EXPECT_FALSE(Task.FJoinMode);
}

}  // namespace
