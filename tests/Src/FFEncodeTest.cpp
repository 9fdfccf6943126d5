// The converter component's task list: adding tasks and inputs, setting outputs with
// option records and option texts, and removing tasks.

#include <gtest/gtest.h>

#include <typeinfo>

#include "Src/FFEncode.h"
#include "Src/FFLoad.h"
#include "Src/StreamProtocol.h"
#include "platform/base/Paths.h"
#include "platform/base/Streams.h"
#include "tests/Src/ConverterTestMedia.h"
#include "tests/Src/TranscodeTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace converter_test_media;

// Opens the task list and the dispatch of the tasks' events to the tests.
class TEncoderWithOpenTasks : public TFFEncoder {
 public:
  using TCustomEncoder::DoProgress;
  using TCustomEncoder::DoTerminate;
  using TCustomEncoder::Task;
  using TFFEncoder::TFFEncoder;
};

class FFEncodeTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(Encoder.LoadAVLib(GetAppPath() + "LibAV")) << Encoder.LastErrMsg(); }

  TEncoderWithOpenTasks Encoder{nullptr};
  testing_support::TempDir Dir;
};

TEST_F(FFEncodeTest, TheOptionRecordsStartEmpty) {
  TInputOptions Input{"in.avi", "-ss 1", "b=1", 7, &Input};
  InitInputOptions(Input);
  EXPECT_TRUE(Input.FileName.empty() && Input.Options.empty() && Input.Presets.empty());
  EXPECT_EQ(Input.Tag, 0);
  EXPECT_EQ(Input.Data, nullptr);

  TOutputOptions Output;
  Output.Join = Output.AudioHook = true;
  Output.VideoHookBitsPixel = 32;
  Output.Options = "-an";
  InitOutputOptions(Output);
  EXPECT_FALSE(Output.Join || Output.AudioHook || Output.VideoInputHook || Output.FrameOutputHook);
  EXPECT_EQ(Output.VideoHookBitsPixel, 24);
  EXPECT_TRUE(Output.Options.empty());
}

TEST_F(FFEncodeTest, AddTaskOnAMissingFileKeepsTheListAsItWas) {
  String Clip = MakeClip(Dir.File(""), "clip.mkv", 1);
  ASSERT_EQ(Encoder.AddTask(Clip, "", ""), 0) << Encoder.LastErrMsg();
  String Missing = Dir.File("missing.mkv");
  EXPECT_EQ(Encoder.AddTask(Missing, "", ""), AVERROR(ENOENT));
  EXPECT_EQ(Encoder.LastErrMsg(), Missing + ": No such file or directory");
  EXPECT_EQ(Encoder.TasksCount(), 1);

  EXPECT_EQ(Encoder.AddTask(Clip, "-foo 1", ""), -1);
  EXPECT_EQ(Encoder.LastErrMsg(),
            "Unrecognized option \"foo\"\r\nFailed to set value \"1\" for option \"foo\"");
  EXPECT_EQ(Encoder.TasksCount(), 1);

  Encoder.HaltOnInvalidOption = false;
  EXPECT_EQ(Encoder.AddTask(Clip, "-foo 1", ""), 1) << Encoder.LastErrMsg();
}

TEST_F(FFEncodeTest, InputsAreNumberedWithinTheirTask) {
  String Clip = MakeClip(Dir.File(""), "clip.mkv", 1);
  TInputOptions Options;
  Options.Options = "-ss 0.5";
  ASSERT_EQ(Encoder.AddTask(Clip, &Options), 0);
  EXPECT_EQ(Encoder.AddInput(0, Clip, nullptr), 1);
  EXPECT_EQ(Encoder.AddInput(0, Dir.File("missing.mkv"), nullptr), AVERROR(ENOENT));
  EXPECT_EQ(Encoder.AddInput(0, Clip, "", ""), 2);
  EXPECT_EQ(Encoder.AddTask(Clip, nullptr), 1);
  EXPECT_EQ(Encoder.Task(0).Finput_files.size(), 3u);
  EXPECT_EQ(Encoder.Task(0).Finput_files[0]->ts_offset,
            -500000 - Encoder.Task(0).Finput_files[0]->ctx->start_time);
  EXPECT_THROW(Encoder.AddInput(5, Clip, nullptr), EListError);
}

TEST_F(FFEncodeTest, TheEventBeforeProbingNamesTheTask) {
  std::vector<TObject*> Senders;
  Encoder.OnBeforeFindStreamInfo = [&](TObject* ASender, AVFormatContext*) { Senders.push_back(ASender); };
  String Clip = MakeClip(Dir.File(""), "clip.mkv", 1);
  ASSERT_EQ(Encoder.AddTask(Clip, nullptr), 0);
  ASSERT_EQ(Encoder.AddInput(0, Clip, nullptr), 1);
  ASSERT_EQ(Senders.size(), 2u);
  EXPECT_EQ(Senders[0], &Encoder.Task(0));
  EXPECT_EQ(Encoder.GetTaskIndex(dynamic_cast<TFFmpeg*>(Senders[1])), 0);
}

// The dispatch takes the task back from the sender of the task's event; a sender that
// is not a task is refused before any handler runs.
TEST_F(FFEncodeTest, TheDispatchRefusesASenderThatIsNotATask) {
  Encoder.OnProgress = [](TObject*, const TProgressInfo*) { ADD_FAILURE() << "progress raised"; };
  Encoder.OnTerminate = [](TObject*, const TTerminateInfo&) { ADD_FAILURE() << "end raised"; };
  TObject NotATask;
  for (TObject* Sender : {&NotATask, static_cast<TObject*>(nullptr)}) {
    EXPECT_THROW(Encoder.DoProgress(Sender, 0, 1, 25, 2, 800, 1000, 40000, 80000), std::bad_cast);
    EXPECT_THROW(Encoder.DoTerminate(Sender), std::bad_cast);
  }
}

TEST_F(FFEncodeTest, SetOutputWithATextReadsTheJoinSwitchAsAnOption) {
  String Clip = MakeClip(Dir.File(""), "clip.mkv", 1);
  for (int Task = 0; Task < 2; Task++) {
    ASSERT_EQ(Encoder.AddTask(Clip, nullptr), Task);
    ASSERT_EQ(Encoder.AddInput(Task, Clip, nullptr), 1);
  }
  // A word inside another option's argument is no switch.
  EXPECT_EQ(Encoder.SetOutput(0, Dir.File("plain.mkv"), "-metadata comment=-Join -vcodec mpeg4", ""), 0)
      << Encoder.LastErrMsg();
  EXPECT_FALSE(Encoder.Task(0).FJoinMode);
  EXPECT_EQ(Encoder.Task(0).Foutput_files.size(), 1u);

  EXPECT_EQ(Encoder.SetOutput(1, Dir.File("joined.mkv"), "-vcodec mpeg4 -VideoInputHook -Join", ""), 0)
      << Encoder.LastErrMsg();
  EXPECT_TRUE(Encoder.Task(1).FJoinMode);
  EXPECT_EQ(Encoder.Task(1).Foutput_files.size(), 2u);
  EXPECT_EQ(Encoder.SetOutput(1, Dir.File("again.mkv"), "", ""), -1);
  EXPECT_EQ(Encoder.LastErrMsg(), "Cannot join more than one output file.");
}

TEST_F(FFEncodeTest, SetOutputTakesTheRecordsSettings) {
  String Clip = MakeClip(Dir.File(""), "clip.mkv", 1);
  ASSERT_EQ(Encoder.AddTask(Clip, nullptr), 0);
  TOutputOptions Options;
  Options.Options = "-t_microsecond 500000";
  Options.Presets = "g=12";
  Options.VideoHookBitsPixel = 32;
  ASSERT_EQ(Encoder.SetOutput(0, Dir.File("out.mkv"), &Options), 0) << Encoder.LastErrMsg();
  EXPECT_EQ(Encoder.Task(0).FVideoHookBitsPixel, 32);
  EXPECT_EQ(Encoder.Task(0).Foutput_files[0]->recording_time, 500000);
  EXPECT_STREQ(FF.av_dict_get(Encoder.Task(0).Foutput_streams[0]->opts.Get(), "g", nullptr, 0)->value, "12");

  Options.VideoHookBitsPixel = 12;
  EXPECT_EQ(Encoder.SetOutput(0, Dir.File("other.mkv"), &Options), -1);
  EXPECT_EQ(Encoder.LastErrMsg(), "Invalid BitsPixel 12");
}

TEST_F(FFEncodeTest, AnOutputThatIsTheInputIsRefused) {
  String Clip = MakeClip(Dir.File(""), "clip.mkv", 1);
  const String Original = testing_support::ReadWholeFile(Clip);
  ASSERT_EQ(Encoder.AddTask(Clip, nullptr), 0);
  EXPECT_EQ(Encoder.SetOutput(0, Clip, "-vcodec mpeg4", ""), -1);
  EXPECT_EQ(Encoder.LastErrMsg(),
            Format("Output file \"%s\" is the same file as the input \"%s\".", Clip, Clip));
  EXPECT_EQ(testing_support::ReadWholeFile(Clip), Original);
}

TEST_F(FFEncodeTest, TasksAreRemovedAndCleared) {
  String Clip = MakeClip(Dir.File(""), "clip.mkv", 1);
  for (int I = 0; I < 3; I++) ASSERT_EQ(Encoder.AddTask(Clip, nullptr), I);
  TFFmpeg* Last = &Encoder.Task(2);
  Encoder.RemoveTask(1);
  EXPECT_EQ(Encoder.TasksCount(), 2);
  EXPECT_EQ(Encoder.GetTaskIndex(Last), 1);
  EXPECT_THROW(Encoder.RemoveTask(2), EListError);

  Encoder.AddTask(Dir.File("missing.mkv"), nullptr);
  EXPECT_FALSE(Encoder.LastErrMsg().empty());
  Encoder.ClearTasks();
  EXPECT_EQ(Encoder.TasksCount(), 0);
  EXPECT_TRUE(Encoder.LastErrMsg().empty());
  EXPECT_EQ(Encoder.GetTaskIndex(Last), -1);
}

// The main window probes a file with the encoder's own decoder, which belongs to the
// encoder and needs no task.
TEST_F(FFEncodeTest, TheEncodersDecoderProbesAFile) {
  String Clip = MakeClip(Dir.File(""), "clip.mkv", 2);
  TFFDecoder* Decoder = Encoder.Decoder();
  ASSERT_NE(Decoder, nullptr);
  EXPECT_EQ(Decoder->Owner(), &Encoder);
  ASSERT_TRUE(Decoder->LoadFile(Clip)) << Decoder->LastErrMsg();
  EXPECT_EQ(Decoder->VideoStreamCount(), 1);
  EXPECT_EQ(Decoder->AudioStreamCount(), 1);
  EXPECT_EQ(Decoder->FirstVideoStreamInfo().Width, 160);
  EXPECT_EQ(Decoder->FirstVideoStreamInfo().Height, 120);
  EXPECT_EQ(Encoder.TasksCount(), 0);
}

// Each input of a task has a decoder that describes it from the task's own opened
// input, also while the task converts; the stored option records are the task's
// copies, with the call's file name where the record had none.
TEST_F(FFEncodeTest, ATasksDecodersDescribeItsOpenedInputsWhileItRuns) {
  String Clip = MakeClip(Dir.File(""), "clip.mkv", 1);
  String Multi = MakeMultiStreamMatroska(Dir.File(""));
  TInputOptions First;
  First.Tag = 5;
  ASSERT_EQ(Encoder.AddTask(Clip, &First), 0) << Encoder.LastErrMsg();
  ASSERT_EQ(Encoder.AddInput(0, Multi, "", ""), 1) << Encoder.LastErrMsg();
  EXPECT_EQ(Encoder.AddInput(0, Dir.File("missing.mkv"), "", ""), AVERROR(ENOENT));
  TFFmpeg& Task = Encoder.Task(0);
  EXPECT_EQ(Task.FParent, &Encoder);
  ASSERT_GE(Task.FInputOptions.size(), 2u);
  EXPECT_EQ(Task.FInputOptions[0].FileName, Clip);
  EXPECT_EQ(Task.FInputOptions[0].Tag, 5);
  EXPECT_EQ(Task.FInputOptions[1].FileName, Multi);
  EXPECT_THROW(Encoder.GetTaskDecoder(0, 2), EListError);

  TOutputOptions Output;
  Output.Options = "-map 0:v -map 0:a -c:v mpeg4 -c:a copy";
  Output.Tag = 9;
  ASSERT_EQ(Encoder.SetOutput(0, Dir.File("out.mkv"), &Output), 0) << Encoder.LastErrMsg();
  ASSERT_EQ(Task.FOutputOptions.size(), 1u);
  EXPECT_EQ(Task.FOutputOptions[0].FileName, Dir.File("out.mkv"));
  EXPECT_EQ(Task.FOutputOptions[0].Tag, 9);

  int Described = 0;
  Encoder.OnProgress = [&](TObject*, const TProgressInfo*) {
    TFFDecoder* ClipDecoder = Encoder.GetTaskDecoder(0, 0);
    TFFDecoder* MultiDecoder = Encoder.GetTaskDecoder(0, 1);
    EXPECT_EQ(ClipDecoder->FileHandle(), Task.Finput_files[0]->ctx);
    EXPECT_EQ(ClipDecoder->VideoStreamCount(), 1);
    EXPECT_EQ(ClipDecoder->FirstVideoStreamInfo().Width, 160);
    EXPECT_EQ(MultiDecoder->VideoStreamCount(), 2);
    EXPECT_EQ(MultiDecoder->AudioStreamCount(), 2);
    EXPECT_EQ(MultiDecoder->SubtitleStreamCount(), 1);
    EXPECT_EQ(Encoder.GetTaskDecoder(0, 0), ClipDecoder);
    Described++;
  };
  Encoder.Start(0);
  EXPECT_GT(Described, 0);
  EXPECT_GT(transcode_test::Probe(Dir.File("out.mkv")).Video.at(0).Frames, 0);
}

// A task reads its input from a stream of the application and writes its output into
// another; both are named "stream:<address>:<private data>".
TEST_F(FFEncodeTest, ATaskConvertsFromAStreamIntoAStream) {
  String Clip = MakeClip(Dir.File(""), "clip.mkv", 1);
  TFileStream Input(Clip, fmOpenRead);
  TMemoryStream Output;
  ASSERT_EQ(Encoder.AddTask(&Input, "clip.mkv", "", ""), 0) << Encoder.LastErrMsg();
  EXPECT_EQ(String(Encoder.Task(0).Finput_files[0]->ctx->url), StreamURL(&Input, "clip.mkv"));
  EXPECT_EQ(StreamURL(&Input, "abc"),
            "stream:" + std::to_string(reinterpret_cast<intptr_t>(&Input)) + ":abc");
  ASSERT_EQ(Encoder.SetOutput(0, &Output, "out.mkv", "-c:v mpeg4 -c:a copy", ""), 0) << Encoder.LastErrMsg();
  TTerminateInfo End;
  Encoder.OnTerminate = [&](TObject*, const TTerminateInfo& AInfo) {
    if (AInfo.TaskIndex == 0) End = AInfo;
  };
  Encoder.Start(0);
  EXPECT_TRUE(End.Finished) << End.ExceptionMsg;
  ASSERT_GT(Output.Size(), 0);
  Output.SaveToFile(Dir.File("out.mkv"));
  const transcode_test::TFileFacts Facts = transcode_test::Probe(Dir.File("out.mkv"));
  ASSERT_EQ(Facts.Video.size(), 1u);
  EXPECT_EQ(Facts.Video[0].Width, 160);
  EXPECT_EQ(Facts.Video[0].Frames, 10);
  EXPECT_EQ(Facts.Audio.size(), 1u);
}

// More inputs of a task come from streams of the application, through both overloads:
// an option record and option texts; a stream that holds no media is refused and the
// task keeps the inputs it had.
TEST_F(FFEncodeTest, AddInputTakesStreamsWithAnOptionRecordOrOptionTexts) {
  String First = MakeClip(Dir.File(""), "first.mkv", 1);
  TFileStream Pictures(MakeClip(Dir.File(""), "pictures.mkv", 3), fmOpenRead);
  TFileStream Sound(MakeClip(Dir.File(""), "sound.mkv", 1), fmOpenRead);
  TMemoryStream Garbage;
  Garbage.Write("not a media file at all", 23);
  ASSERT_EQ(Encoder.AddTask(First, "", ""), 0) << Encoder.LastErrMsg();
  TInputOptions FromSecond;
  FromSecond.Options = "-ss 2";
  ASSERT_EQ(Encoder.AddInput(0, &Pictures, "pictures.mkv", &FromSecond), 1) << Encoder.LastErrMsg();
  ASSERT_EQ(Encoder.AddInput(0, &Sound, "sound.mkv", "", ""), 2) << Encoder.LastErrMsg();
  EXPECT_LT(Encoder.AddInput(0, &Garbage, "garbage", "", ""), 0);
  const TFFmpeg& Task = Encoder.Task(0);
  ASSERT_EQ(Task.Finput_files.size(), 3u);
  EXPECT_EQ(String(Task.Finput_files[1]->ctx->url), StreamURL(&Pictures, "pictures.mkv"));
  EXPECT_EQ(String(Task.Finput_files[2]->ctx->url), StreamURL(&Sound, "sound.mkv"));
  // The record's empty file name takes the stream's name.
  EXPECT_EQ(Task.FInputOptions.at(1).FileName, StreamURL(&Pictures, "pictures.mkv"));

  ASSERT_EQ(Encoder.SetOutput(0, Dir.File("out.mkv"), "-map 1:v -map 2:a -c:v mpeg4 -c:a copy", ""), 0)
      << Encoder.LastErrMsg();
  TTerminateInfo End;
  Encoder.OnTerminate = [&](TObject*, const TTerminateInfo& AInfo) {
    if (AInfo.TaskIndex == 0) End = AInfo;
  };
  Encoder.Start(0);
  EXPECT_TRUE(End.Finished) << End.ExceptionMsg;
  const transcode_test::TFileFacts Facts = transcode_test::Probe(Dir.File("out.mkv"));
  ASSERT_EQ(Facts.Video.size(), 1u);
  EXPECT_EQ(Facts.Video[0].Frames, 10);  // the last of the three seconds
  EXPECT_EQ(Facts.Audio.size(), 1u);
}

// The application's value stays as it was set, through a whole run, and is there for
// the event handlers, which get the encoder as their sender.
TEST_F(FFEncodeTest, UserDataKeepsTheApplicationsValue) {
  EXPECT_EQ(Encoder.UserData, nullptr);
  int Mine = 0;
  Encoder.UserData = &Mine;
  ASSERT_EQ(Encoder.AddTask(MakeClip(Dir.File(""), "clip.mkv", 1), "", ""), 0) << Encoder.LastErrMsg();
  ASSERT_EQ(Encoder.SetOutput(0, Dir.File("out.mkv"), "-c:v mpeg4 -c:a copy", ""), 0) << Encoder.LastErrMsg();
  std::vector<void*> Seen;
  Encoder.OnTerminate = [&](TObject* ASender, const TTerminateInfo&) {
    const auto* SendingEncoder = dynamic_cast<TFFEncoder*>(ASender);
    ASSERT_NE(SendingEncoder, nullptr);
    Seen.push_back(SendingEncoder->UserData);
  };
  Encoder.Start(0);
  Encoder.ClearTasks();
  EXPECT_EQ(Seen, (std::vector<void*>{&Mine, &Mine}));  // the task's end and the run's
  EXPECT_EQ(Encoder.UserData, &Mine);
}

TEST_F(FFEncodeTest, ExchangeSwapsTwoTasksAndTheirRuns) {
  String Short = MakeClip(Dir.File(""), "short.mkv", 1);
  String Long = MakeClip(Dir.File(""), "long.mkv", 2);
  ASSERT_EQ(Encoder.AddTask(Short, nullptr), 0);
  ASSERT_EQ(Encoder.AddTask(Long, nullptr), 1);
  TFFmpeg* ShortTask = &Encoder.Task(0);
  Encoder.Exchange(0, 1);
  EXPECT_EQ(Encoder.GetTaskIndex(ShortTask), 1);
  EXPECT_THROW(Encoder.Exchange(0, 2), EListError);
  for (int I = 0; I < 2; I++)
    ASSERT_EQ(Encoder.SetOutput(I, Dir.File(Format("out%d.mkv", I)), "-c:v mpeg4 -c:a copy", ""), 0)
        << Encoder.LastErrMsg();
  std::vector<int> Ended;
  Encoder.OnTerminate = [&](TObject*, const TTerminateInfo& AInfo) { Ended.push_back(AInfo.TaskIndex); };
  Encoder.Start(0);
  EXPECT_EQ(Ended, (std::vector<int>{0, 1, -1}));
  // The task now first converted the longer clip.
  EXPECT_EQ(transcode_test::Probe(Dir.File("out0.mkv")).Video.at(0).Frames, 20);
  EXPECT_EQ(transcode_test::Probe(Dir.File("out1.mkv")).Video.at(0).Frames, 10);
  try {
    Encoder.Exchange(0, 1);
    FAIL() << "no exception";
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), "Cannot Exchange while working.");
  }
}

}  // namespace
