// Stream specifiers and per-stream codec options, on real files made by ffmpeg.

#include <gtest/gtest.h>

#include "Src/FFLoad.h"
#include "Src/FFUtils.h"
#include "tests/support/TestSupport.h"

namespace {

using testing_support::RunCommand;
using testing_support::ShellQuote;

class StreamSpecifierTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(FFLoader().Load(DecoderLibraries)) << FFLoader().LastErrMsg(); }
  void TearDown() override { FF.avformat_close_input(&Context); }

  // Opens a file that ffmpeg makes from the given inputs and output options.
  void OpenMedia(const String& AFileName, const String& AArguments) {
    String Path = Dir.File(AFileName);
    auto Made = RunCommand("ffmpeg -hide_banner -loglevel error -y " + AArguments + " " + ShellQuote(Path));
    ASSERT_EQ(Made.ExitCode, 0) << Made.Output;
    ASSERT_EQ(FF.avformat_open_input(&Context, Path.c_str(), nullptr, nullptr), 0);
    ASSERT_GE(FF.avformat_find_stream_info(Context, nullptr), 0);
  }

  // One video stream and two audio streams.
  void OpenVideoWithTwoAudioStreams() {
    OpenMedia("three.mkv",
              "-f lavfi -i testsrc2=d=1:s=64x48 -f lavfi -i sine=d=1 -f lavfi -i sine=d=1:f=880 "
              "-map 0 -map 1 -map 2 -c:v mpeg4 -c:a aac");
  }

  // The streams ASpecifier gives 1 for, as indexes, or the first non-0/1 result.
  std::vector<int> Matches(const String& ASpecifier) {
    std::vector<int> Result;
    for (unsigned I = 0; I < Context->nb_streams; I++) {
      int Match = check_stream_specifier(Context, Context->streams[I], ASpecifier);
      if (Match != 0 && Match != 1) return {Match};
      if (Match == 1) Result.push_back(static_cast<int>(I));
    }
    return Result;
  }

  testing_support::TempDir Dir;
  AVFormatContext* Context = nullptr;
};

TEST_F(StreamSpecifierTest, SelectsStreamsByIndexTypeAndPositionOfType) {
  ASSERT_NO_FATAL_FAILURE(OpenVideoWithTwoAudioStreams());
  ASSERT_EQ(Context->nb_streams, 3u);
  struct Case {
    const char* Specifier;
    std::vector<int> Streams;
  };
  for (const Case& C :
       {Case{"", {0, 1, 2}}, Case{"v", {0}}, Case{"a", {1, 2}}, Case{"a:1", {2}}, Case{"a:0", {1}},
        Case{"a:2", {}}, Case{"v:0", {0}}, Case{"s", {}}, Case{"1", {1}}, Case{"0x2", {2}}, Case{"7", {}}})
    EXPECT_EQ(Matches(C.Specifier), C.Streams) << '"' << C.Specifier << '"';
}

TEST_F(StreamSpecifierTest, MalformedSpecifiersAreInvalid) {
  ASSERT_NO_FATAL_FAILURE(OpenVideoWithTwoAudioStreams());
  // A typo after a valid start is refused instead of read as stream 0.
  for (const char* Specifier : {"x", "a:", "a:l", "a1", "1a", "p:", "p:x", "p:1:"})
    EXPECT_EQ(Matches(Specifier), std::vector<int>{AVERROR(EINVAL)}) << '"' << Specifier << '"';
}

TEST_F(StreamSpecifierTest, SelectsStreamsOfAProgram) {
  ASSERT_NO_FATAL_FAILURE(
      OpenMedia("program.ts",
                "-f lavfi -i testsrc2=d=1:s=64x48 -f lavfi -i sine=d=1 -c:v mpeg2video -c:a mp2 "
                "-mpegts_service_id 7"));
  ASSERT_EQ(Context->nb_programs, 1u);
  ASSERT_EQ(Context->programs[0]->id, 7);
  EXPECT_EQ(Matches("p:7"), (std::vector<int>{0, 1}));
  int Second = static_cast<int>(Context->programs[0]->stream_index[1]);
  EXPECT_EQ(Matches("p:7:1"), std::vector<int>{Second});
  EXPECT_EQ(Matches("p:7:2"), std::vector<int>{});
  EXPECT_EQ(Matches("p:8"), std::vector<int>{});
}

TEST_F(StreamSpecifierTest, DecoderOptionsAreFilteredPerStream) {
  ASSERT_NO_FATAL_FAILURE(OpenVideoWithTwoAudioStreams());
  AVDictionary* CodecOpts = nullptr;
  FF.av_dict_set(&CodecOpts, "threads", "2", 0);               // every decoder
  FF.av_dict_set(&CodecOpts, "skip_frame:v", "nokey", 0);      // video streams
  FF.av_dict_set(&CodecOpts, "vskip_top", "2", 0);             // video, without the prefix letter
  FF.av_dict_set(&CodecOpts, "request_sample_fmt", "s16", 0);  // an audio decoding option
  FF.av_dict_set(&CodecOpts, "ac:a:1", "1", 0);                // the second audio stream only
  FF.av_dict_set(&CodecOpts, "b", "1000k", 0);                 // encoders only
  FF.av_dict_set(&CodecOpts, "not_an_option", "1", 0);

  std::vector<AVDictionary*> PerStream = SetupFindStreamInfoOptions(Context, CodecOpts);
  ASSERT_EQ(PerStream.size(), 3u);
  auto Entries = [](AVDictionary* ADictionary) {
    String Text;
    const AVDictionaryEntry* Entry = nullptr;
    while ((Entry = FF.av_dict_get(ADictionary, "", Entry, AV_DICT_IGNORE_SUFFIX)))
      Text += String(Entry->key) + "=" + Entry->value + " ";
    return Text;
  };
  EXPECT_EQ(Entries(PerStream[0]), "threads=2 skip_frame=nokey skip_top=2 ");
  EXPECT_EQ(Entries(PerStream[1]), "threads=2 request_sample_fmt=s16 ");
  EXPECT_EQ(Entries(PerStream[2]), "threads=2 request_sample_fmt=s16 ac=1 ");
  for (AVDictionary*& Options : PerStream) FF.av_dict_free(&Options);

  FF.av_dict_set(&CodecOpts, "threads:x", "1", 0);
  const AVCodec* Decoder = FF.avcodec_find_decoder(Context->streams[1]->codecpar->codec_id);
  EXPECT_EQ(FilterCodecOptions(CodecOpts, Decoder, Context, Context->streams[1]), nullptr);
  EXPECT_EQ(FilterCodecOptions(CodecOpts, nullptr, Context, Context->streams[1]), nullptr);
  FF.av_dict_free(&CodecOpts);
}

TEST_F(StreamSpecifierTest, StreamNamesDescribeTheStreams) {
  ASSERT_NO_FATAL_FAILURE(OpenVideoWithTwoAudioStreams());
  EXPECT_EQ(CodecNameText(Context->streams[0]->codecpar, false), "mpeg4(MPEG-4 part 2)");
  EXPECT_EQ(CodecNameText(Context->streams[1]->codecpar, true), "aac(AAC (Advanced Audio Coding))");
  EXPECT_EQ(MediaTypeName(Context->streams[0]->codecpar->codec_type), "Video");
  EXPECT_EQ(GetMetadataValue(Context->metadata, "encoder", "none").substr(0, 4), "Lavf");
  EXPECT_EQ(GetMetadataValue(Context->metadata, "no such key", "none"), "none");
}

}  // namespace
