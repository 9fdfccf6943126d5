// Opening the inputs of a conversion task: demuxers, engine protocols and devices,
// start offsets, stream records, forced decoders and time-outs.

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "Src/FFLoad.h"
#include "Src/FFmpeg.h"
#include "platform/base/Clock.h"
#include "tests/Src/ConverterTestMedia.h"
#include "tests/Src/DecoderTestMedia.h"
#include "tests/Src/TranscodeTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace converter_test_media;

class FFmpegInputTest : public transcode_test::TranscodeFixture {
 protected:
  static int Open(TCustomFFmpeg& ATask, const String& AOptions, const String& AFileName) {
    ATask.ParseOptions(AOptions);
    return ATask.OpenInputFile(AFileName);
  }
};

TEST_F(FFmpegInputTest, AMissingFileGivesTheSystemCodeAndKeepsThePendingOptions) {
  TCustomFFmpeg Task;
  String Missing = Dir.File("missing.mkv");
  EXPECT_EQ(Open(Task, "-ss 2", Missing), AVERROR(ENOENT));
  EXPECT_EQ(Task.FLastErrMsg, Missing + ": No such file or directory");
  EXPECT_TRUE(Task.Finput_files.empty());
  EXPECT_EQ(Task.optctx.start_time, 2000000);  // still pending for the next opening
}

TEST_F(FFmpegInputTest, AnUnknownFormatIsRefused) {
  TCustomFFmpeg Task;
  EXPECT_EQ(Open(Task, "-f nosuchformat", MakeClip(Dir.File(""), "clip.mkv", 1)), AVERROR(EINVAL));
  EXPECT_EQ(Task.FLastErrMsg, "Unknown input format: \"nosuchformat\"");
}

TEST_F(FFmpegInputTest, StartOffsetInMicrosecondsEqualsTheTimeText) {
  String Clip = MakeClip(Dir.File(""), "clip.mkv", 3);
  for (const char* Options : {"-ss 1.5", "-ss_microsecond 1500000", "-ss 00:00:01.500"}) {
    SCOPED_TRACE(Options);
    TCustomFFmpeg Task;
    ASSERT_EQ(Open(Task, Options, Clip), 0) << Task.FLastErrMsg;
    const TInputFile& Input = *Task.Finput_files[0];
    int64_t FileStart = Input.ctx->start_time == AV_NOPTS_VALUE ? 0 : Input.ctx->start_time;
    EXPECT_EQ(Input.ts_offset, -(1500000 + FileStart));
    EXPECT_EQ(Task.FInputDuration, Input.ctx->duration - 1500000);
    EXPECT_EQ(Task.optctx.start_time, 0);  // consumed by the opening
  }
}

TEST_F(FFmpegInputTest, ReadingGoesOnFromTheStartOffset) {
  TCustomFFmpeg Task;
  ASSERT_EQ(Open(Task, "-ss 2", MakeClip(Dir.File(""), "clip.mkv", 3)), 0) << Task.FLastErrMsg;
  TMediaInput& Input = *Task.Finput_files[0]->input;
  AVPacket* Packet = FF.av_packet_alloc();
  ASSERT_EQ(Input.ReadPacket(Packet), 0);
  const AVStream* Stream = Input.Context()->streams[Packet->stream_index];
  // The seek lands on a key frame at or before the offset, never at the start.
  EXPECT_GT(Packet->pts * av_q2d(Stream->time_base), 0.5);
  FF.av_packet_free(&Packet);
}

TEST_F(FFmpegInputTest, EachStreamGetsARecordAndTheRecordingTimeStaysForTheOutput) {
  String Multi = MakeMultiStreamMatroska(Dir.File(""));
  TCustomFFmpeg Task;
  ASSERT_EQ(Open(Task, "-t 0.5", Multi), 0) << Task.FLastErrMsg;
  ASSERT_EQ(Open(Task, "", Multi), 1) << Task.FLastErrMsg;
  ASSERT_EQ(Task.Finput_streams.size(), 10u);
  EXPECT_EQ(Task.Finput_files[1]->ist_index, 5);
  EXPECT_EQ(Task.Finput_files[1]->nb_streams, 5);
  for (size_t I = 0; I < Task.Finput_streams.size(); I++) {
    const TInputStream& Stream = *Task.Finput_streams[I];
    EXPECT_EQ(Stream.file_index, static_cast<int>(I / 5));
    EXPECT_EQ(Stream.st->index, static_cast<int>(I % 5));
    EXPECT_EQ(Stream.discard, 1);
    EXPECT_DOUBLE_EQ(Stream.ts_scale, 1.0);
  }
  EXPECT_STREQ(Task.Finput_streams[0]->avdec->name, "mpeg4");
  EXPECT_STREQ(Task.Finput_streams[3]->avdec->name, "ac3");
  EXPECT_EQ(Task.optctx.recording_time, 500000);
}

TEST_F(FFmpegInputTest, SwitchesAndPerStreamOptionsApplyToTheirStreams) {
  String Multi = MakeMultiStreamMatroska(Dir.File(""));
  TCustomFFmpeg Task;
  ASSERT_EQ(Open(Task, "-vn -itsscale:a:1 2 -itsscale 0.5", Multi), 0) << Task.FLastErrMsg;
  EXPECT_EQ(Task.Finput_streams[0]->st->discard, AVDISCARD_ALL);
  EXPECT_EQ(Task.Finput_streams[1]->st->discard, AVDISCARD_ALL);
  EXPECT_NE(Task.Finput_streams[2]->st->discard, AVDISCARD_ALL);
  // The last matching entry wins.
  EXPECT_DOUBLE_EQ(Task.Finput_streams[3]->ts_scale, 0.5);
  EXPECT_DOUBLE_EQ(Task.Finput_streams[2]->ts_scale, 0.5);

  TCustomFFmpeg Other;
  ASSERT_EQ(Open(Other, "-itsscale 0.5 -itsscale:a:1 2", Multi), 0) << Other.FLastErrMsg;
  EXPECT_DOUBLE_EQ(Other.Finput_streams[3]->ts_scale, 2.0);
  EXPECT_DOUBLE_EQ(Other.Finput_streams[2]->ts_scale, 0.5);
}

TEST_F(FFmpegInputTest, ACodecNameForcesItsDecoderOnLaterInputs) {
  String Clip = MakeClip(Dir.File(""), "clip.mkv", 1);
  TCustomFFmpeg Task;
  ASSERT_EQ(Open(Task, "-acodec ac3_fixed", Clip), 0) << Task.FLastErrMsg;
  ASSERT_EQ(Open(Task, "", Clip), 1) << Task.FLastErrMsg;
  EXPECT_STREQ(Task.Finput_streams[1]->avdec->name, "ac3_fixed");
  EXPECT_STREQ(Task.Finput_streams[3]->avdec->name, "ac3_fixed");
  EXPECT_EQ(Task.Finput_files[1]->ctx->audio_codec_id, AV_CODEC_ID_AC3);
}

TEST_F(FFmpegInputTest, AFailureInsideTheOpeningLeavesNoRecords) {
  String Clip = MakeClip(Dir.File(""), "clip.mkv", 1);
  TCustomFFmpeg Task;
  try {
    Open(Task, "-c:a:0 nosuch", Clip);
    ADD_FAILURE() << "no failure";
  } catch (const FFmpegException& E) {
    EXPECT_EQ(E.Message(), "Unknown decoder 'nosuch'");
  }
  EXPECT_TRUE(Task.Finput_files.empty());
  EXPECT_TRUE(Task.Finput_streams.empty());
}

TEST_F(FFmpegInputTest, InputSizeRateAndFormatOptionsBecomeDemuxerOptions) {
  String Raw = Dir.File("picture.raw");
  testing_support::WriteWholeFile(Raw, String(64 * 48 * 5, '\x80'));
  TCustomFFmpeg Task;
  ASSERT_EQ(Open(Task, "-f rawvideo -s 64x48 -pix_fmt gray -r 5", Raw), 0) << Task.FLastErrMsg;
  const AVCodecParameters* Video = Task.Finput_streams[0]->st->codecpar;
  EXPECT_EQ(Video->width, 64);
  EXPECT_EQ(Video->height, 48);
  EXPECT_EQ(Video->format, AV_PIX_FMT_GRAY8);
  EXPECT_EQ(Task.Finput_streams[0]->st->r_frame_rate.num, 5);

  String Pcm = Dir.File("sound.raw");
  testing_support::WriteWholeFile(Pcm, String(8000 * 4, '\0'));
  ASSERT_EQ(Open(Task, "-f s16le -ar 8000 -ac 2", Pcm), 1) << Task.FLastErrMsg;
  const AVCodecParameters* Audio = Task.Finput_streams[1]->st->codecpar;
  EXPECT_EQ(Audio->sample_rate, 8000);
  EXPECT_EQ(Audio->ch_layout.nb_channels, 2);

  // A demuxer that does not know an option leaves it unused, which fails the input.
  try {
    Open(Task, "-s 64x48", MakeClip(Dir.File(""), "clip.mkv", 1));
    ADD_FAILURE() << "no failure";
  } catch (const FFmpegException& E) {
    EXPECT_EQ(E.Message(), "Option video_size not found.");
  }
}

// "-loop_input" warns that only picture sequences loop; on any other input it is left
// over without failing the opening, while a picture sequence takes it.
TEST_F(FFmpegInputTest, LoopInputWarnsAndOnlyPictureSequencesTakeIt) {
  const String Clip = MakeClip(Dir.File(""), "clip.mkv", 1);
  const String Pictures = Dir.File("pic%d.png");
  testing_support::RunCommand("ffmpeg -v error -y -f lavfi -i color=s=32x32:d=0.3:r=10 " +
                              testing_support::ShellQuote(Pictures));
  TCustomFFmpeg Task;
  std::vector<String> Warnings;
  TVORerivi* Logger = GetLogger();
  Logger->TriggerEventInMainThread = false;
  Logger->OnLog = [&](TObject* Sender, TThreadID, TLogLevel ALevel, const String& AText) {
    if (Sender == &Task && ALevel == llWarning) Warnings.push_back(AText);
  };
  const int ClipResult = Open(Task, "-loop_input", Clip);
  const int PicturesResult = Open(Task, "-loop_input", Pictures);
  Logger->OnLog = nullptr;
  EXPECT_EQ(ClipResult, 0) << Task.FLastErrMsg;
  ASSERT_EQ(PicturesResult, 1) << Task.FLastErrMsg;
  const String Text =
      "-loop_input is deprecated, use -loop 1\r\nNote, both loop options only work with -f image2";
  EXPECT_EQ(Warnings, (std::vector<String>{Text, Text}));
  int64_t Loop = 0;
  ASSERT_GE(FF.av_opt_get_int(Task.Finput_files[1]->ctx->priv_data, "loop", 0, &Loop), 0);
  EXPECT_EQ(Loop, 1);
}

// The codec's own rate is told when it is not the container's, and only then.
TEST_F(FFmpegInputTest, ACodecRateOtherThanTheContainerRateIsLogged) {
  const String Mismatch = decoder_media::MakeCodecRateMismatchClip(Dir.File(""));
  const String Plain = Dir.File("rate25.mp4");  // made on the way, with matching rates
  TCustomFFmpeg Task;
  std::vector<String> Infos;
  TVORerivi* Logger = GetLogger();
  Logger->TriggerEventInMainThread = false;
  Logger->OnLog = [&](TObject* Sender, TThreadID, TLogLevel ALevel, const String& AText) {
    if (Sender == &Task && ALevel == llInfo && AText.starts_with("Seems")) Infos.push_back(AText);
  };
  const int PlainResult = Open(Task, "", Plain);
  const int MismatchResult = Open(Task, "", Mismatch);
  Logger->OnLog = nullptr;
  EXPECT_EQ(PlainResult, 0) << Task.FLastErrMsg;
  EXPECT_EQ(MismatchResult, 1) << Task.FLastErrMsg;
  EXPECT_EQ(Infos, (std::vector<String>{"Seems stream 0 codec frame rate differs from container frame rate: "
                                        "100.00 (100/1) -> 25.00 (25/1)"}));
}

TEST_F(FFmpegInputTest, AttachmentsAreDumpedUnlessTheFileExists) {
  String Font = Dir.File("font.txt");
  testing_support::WriteWholeFile(Font, "glyphs");
  String Attached = Dir.File("attached.mkv");
  auto Made = testing_support::RunCommand("ffmpeg -hide_banner -loglevel error -y -i " +
                                          testing_support::ShellQuote(MakeClip(Dir.File(""), "clip.mkv", 1)) +
                                          " -attach " + testing_support::ShellQuote(Font) +
                                          " -metadata:s:t mimetype=text/plain -map 0 -c copy " +
                                          testing_support::ShellQuote(Attached));
  ASSERT_EQ(Made.ExitCode, 0) << Made.Output;

  String Dumped = Dir.File("dumped.txt");
  TCustomFFmpeg Task;
  ASSERT_EQ(Open(Task, "-dump_attachment:t:0 " + Dumped, Attached), 0) << Task.FLastErrMsg;
  EXPECT_EQ(testing_support::ReadWholeFile(Dumped), "glyphs");

  testing_support::WriteWholeFile(Dumped, "mine");
  ASSERT_EQ(Open(Task, "-dump_attachment:t:0 " + Dumped, Attached), 1) << Task.FLastErrMsg;
  EXPECT_EQ(Task.FLastErrMsg, "File \"" + Dumped + "\" already exists. Ignore.");
  EXPECT_EQ(testing_support::ReadWholeFile(Dumped), "mine");
  ASSERT_EQ(Open(Task, "-y -dump_attachment:t:0 " + Dumped, Attached), 2) << Task.FLastErrMsg;
  EXPECT_EQ(testing_support::ReadWholeFile(Dumped), "glyphs");
}

TEST_F(FFmpegInputTest, TheEventBeforeProbingGetsTheTaskAndTheContext) {
  TCustomFFmpeg Task;
  TObject* Sender = nullptr;
  unsigned Streams = 0;
  Task.FOnBeforeFindStreamInfo = [&](TObject* ASender, AVFormatContext* AContext) {
    Sender = ASender;
    Streams = AContext->nb_streams;
  };
  ASSERT_EQ(Open(Task, "", MakeMultiStreamMatroska(Dir.File(""))), 0) << Task.FLastErrMsg;
  EXPECT_EQ(Sender, &Task);
  EXPECT_EQ(Streams, 5u);
}

TEST_F(FFmpegInputTest, AnEngineProtocolServesTheInput) {
  String Clip = MakeClip(Dir.File(""), "clip.mkv", 1);
  TCustomFFmpeg Task;
  ASSERT_EQ(Open(Task, "", "unicode:" + Clip), 0) << Task.FLastErrMsg;
  EXPECT_EQ(Task.Finput_streams.size(), 2u);
  EXPECT_EQ(Open(Task, "", "unicode:" + Dir.File("missing.mkv")), AVERROR(ENOENT));
}

// An input device of the engine: one mono 16-bit audio stream at the sample rate it is
// given.
class TToneInput final : public TMediaInput {
 public:
  ~TToneInput() override { FF.avformat_free_context(FContext); }
  int Open(const String&, AVDictionary** AOptions, const AVIOInterruptCB&) override {
    FContext = FF.avformat_alloc_context();
    FContext->duration = AV_NOPTS_VALUE;  // a device has no length
    AVStream* Stream = FF.avformat_new_stream(FContext, nullptr);
    Stream->codecpar->codec_type = AVMEDIA_TYPE_AUDIO;
    Stream->codecpar->codec_id = AV_CODEC_ID_PCM_S16LE;
    Stream->codecpar->sample_rate = 44100;
    FF.av_channel_layout_default(&Stream->codecpar->ch_layout, 1);
    if (const AVDictionaryEntry* Rate = FF.av_dict_get(*AOptions, "sample_rate", nullptr, 0)) {
      Stream->codecpar->sample_rate = std::atoi(Rate->value);
      FF.av_dict_set(AOptions, "sample_rate", nullptr, 0);
    }
    return 0;
  }
  AVFormatContext* Context() const override { return FContext; }
  int FindStreamInfo(AVDictionary**) override { return 0; }
  int ReadPacket(AVPacket*) override { return AVERROR_EOF; }
  int Seek(int64_t) override { return 0; }

 private:
  AVFormatContext* FContext = nullptr;
};

class TToneDevice final : public TInputDevice {
 public:
  String Name() const override { return "pelladrin-test-tone"; }
  std::unique_ptr<TMediaInput> CreateInput() override { return std::make_unique<TToneInput>(); }
};

TEST_F(FFmpegInputTest, ARegisteredDeviceIsOpenedThroughTheInputInterface) {
  static TToneDevice Device;
  RegisterInputFormat(Device);
  TCustomFFmpeg Task;
  ASSERT_EQ(Open(Task, "-f pelladrin-test-tone -ar 22050", "-1"), 0) << Task.FLastErrMsg;
  ASSERT_EQ(Task.Finput_streams.size(), 1u);
  EXPECT_EQ(Task.Finput_streams[0]->st->codecpar->sample_rate, 22050);
  EXPECT_STREQ(Task.Finput_streams[0]->avdec->name, "pcm_s16le");
  EXPECT_EQ(Task.FInputDuration, -1);
}

// A server on 127.0.0.1 that accepts connections and never sends a byte.
class TSilentServer {
 public:
  TSilentServer() {
    FSocket = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in Address{};
    Address.sin_family = AF_INET;
    Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(FSocket, reinterpret_cast<sockaddr*>(&Address), sizeof(Address));
    listen(FSocket, 4);
    socklen_t Length = sizeof(Address);
    getsockname(FSocket, reinterpret_cast<sockaddr*>(&Address), &Length);
    FPort = ntohs(Address.sin_port);
  }
  ~TSilentServer() { close(FSocket); }
  int Port() const { return FPort; }

 private:
  int FSocket = -1;
  int FPort = 0;
};

TEST_F(FFmpegInputTest, AReadThatBlocksLongerThanTheTimeOutIsAborted) {
  TSilentServer Server;
  TCustomFFmpeg Task;
  Task.FReadTimeout = 300;
  std::vector<String> Lines;
  TVORerivi* Logger = GetLogger();
  Logger->TriggerEventInMainThread = false;
  Logger->OnLog = [&](TObject* Sender, TThreadID, TLogLevel, const String& AText) {
    if (Sender == &Task) Lines.push_back(AText);
  };
  int64_t Start = MonotonicMicroseconds();
  int Result = Open(Task, "-f mpegts", Format("tcp://127.0.0.1:%d", Server.Port()));
  int64_t Elapsed = MonotonicMicroseconds() - Start;
  Logger->OnLog = nullptr;

  EXPECT_LT(Result, 0);
  EXPECT_LT(Elapsed, 20000000);  // a guard only: the default time-out would be 30 s
  EXPECT_NE(std::find(Lines.begin(), Lines.end(), "connecting/reading timeout"), Lines.end());
}

}  // namespace
