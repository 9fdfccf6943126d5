// Audio: decoding, mixing down and resampling to the wanted format, read as bytes.

#include "tests/Src/DecoderTestFixture.h"
#include "tests/Src/ProbeJson.h"

namespace {

class FFDecodeAudioTest : public DecoderTest {
 protected:
  // Reads the stream to its end in pieces of APiece bytes; the byte count.
  int64_t ReadAll(int AStreamIndex, int APiece = 4096) {
    std::vector<uint8_t> Buffer(static_cast<size_t>(APiece));
    int64_t Total = 0;
    for (int Count; (Count = Decoder.ReadAudio(Buffer.data(), APiece, AStreamIndex)) >= 0;) {
      EXPECT_GT(Count, 0);
      EXPECT_LE(Count, APiece);
      Total += Count;
      if (Total > 100000000) break;
    }
    EXPECT_EQ(Decoder.LastErrMsg(), "stream eof reached.");
    return Total;
  }
  // The duration of an audio stream as ffprobe counts it, from its packets, in seconds.
  double ProbedDuration(const std::string& AFileName, int AStreamIndex) {
    TJsonValue Probe =
        ProbeJson(AFileName, Format("-select_streams %d -show_entries packet=duration_time", AStreamIndex));
    double Seconds = 0;
    for (const TJsonValue& Packet : Probe["packets"].Items) Seconds += Packet.Num("duration_time");
    return Seconds;
  }
};

// 5.1 AC-3 at 48 kHz comes out as 2 channels of 16 bits at 44.1 kHz, as many bytes as
// its duration implies (give or take what the resampler's filter takes, 2 ms).
TEST_F(FFDecodeAudioTest, SurroundAc3BecomesStereo44100Signed16) {
  std::string File = decoder_media::MakeMatroska(Folder());
  ASSERT_TRUE(Decoder.LoadFile(File));
  TAudioStreamInfo Source;
  ASSERT_TRUE(Decoder.GetAudioStreamInfo(3, Source));
  ASSERT_EQ(Source.Channels, 6);
  ASSERT_EQ(Source.SampleRate, 48000);

  ASSERT_TRUE(Decoder.DecodeAudio(3)) << Decoder.LastErrMsg();
  const TWaveInfo& Wave = Decoder.WaveInfo();
  EXPECT_EQ(Wave.Channels, 2);
  EXPECT_EQ(Wave.SampleRate, 44100);
  EXPECT_EQ(Wave.SampleFormat, AV_SAMPLE_FMT_S16);
  EXPECT_EQ(Wave.BytesPerSample, 2);
  EXPECT_EQ(Wave.BytesPerSecond, 176400);
  EXPECT_EQ(Wave.StreamIndex, 3);
  EXPECT_EQ(Wave.PTS, 0);
  EXPECT_TRUE(Wave.Ready);
  EXPECT_GT(Wave.Size, 0);
  EXPECT_EQ(Wave.Size % 4, 0);
  EXPECT_NEAR(double(Wave.Duration), 1000000.0 * (Wave.Size / 4) / 44100, 1.0);
  int64_t First = Wave.Size;

  double Expected = ProbedDuration(File, 3) * 176400;
  ASSERT_GT(Expected, 176400.0);
  int64_t Total = First + ReadAll(3);
  EXPECT_NEAR(double(Total), Expected, 0.002 * 176400) << "bytes";
  EXPECT_TRUE(WasLogged("need resample 6 channels @ 48000 Hz to 2 channels @ 44100 Hz") ||
              WasLogged("need resample 2 channels @ 48000 Hz to 2 channels @ 44100 Hz"));
}

TEST_F(FFDecodeAudioTest, AudioInTheWantedFormatPassesUnchanged) {
  std::string File = decoder_media::MakeWav(Folder());
  ASSERT_TRUE(Decoder.LoadFile(File));
  EXPECT_EQ(ReadAll(-1, 1000), 176400);
  for (const String& Line : LogLines) EXPECT_EQ(Line.find("need resample"), String::npos) << Line;
}

TEST_F(FFDecodeAudioTest, ReadingWithoutABufferOnlyTellsWhatIsReady) {
  ASSERT_TRUE(Decoder.LoadFile(decoder_media::MakeWav(Folder())));
  int Ready = Decoder.ReadAudio(nullptr, 1 << 30);
  ASSERT_GT(Ready, 1000);
  EXPECT_EQ(Decoder.ReadAudio(nullptr, 1 << 30), Ready);
  EXPECT_EQ(Decoder.ReadAudio(nullptr, 10), 10);
  const uint8_t* Block = Decoder.WaveInfo().Buffer;
  std::vector<uint8_t> Bytes(1000);
  ASSERT_EQ(Decoder.ReadAudio(Bytes.data(), 1000), 1000);
  EXPECT_EQ(std::memcmp(Bytes.data(), Block, 1000), 0);
  ASSERT_EQ(Decoder.ReadAudio(Bytes.data(), 1000), 1000);
  EXPECT_EQ(std::memcmp(Bytes.data(), Block + 1000, 1000), 0);
  EXPECT_EQ(Decoder.ReadAudio(nullptr, 1 << 30), Ready - 2000);
  // The rest of the block first, then the next block.
  std::vector<uint8_t> Rest(static_cast<size_t>(Ready));
  EXPECT_EQ(Decoder.ReadAudio(Rest.data(), Ready), Ready - 2000);
  EXPECT_GT(Decoder.ReadAudio(Rest.data(), 1), 0);
  EXPECT_NE(Decoder.WaveInfo().PTS, 0);
}

TEST_F(FFDecodeAudioTest, AnotherSampleRateMidStreamGetsANewResampler) {
  ASSERT_TRUE(Decoder.LoadFile(decoder_media::MakeRateChangingAac(Folder())));
  int64_t Total = ReadAll(-1);
  // Half a second at each rate comes out as about one second at 44.1 kHz.
  EXPECT_NEAR(double(Total), 176400.0, 0.1 * 176400);
  int Changes = 0;
  for (const String& Line : LogLines)
    if (Line.find("frame changed from rate:44100 fmt:fltp ch:1 to rate:22050 fmt:fltp ch:1") != String::npos)
      ++Changes;
  EXPECT_EQ(Changes, 1);
}

TEST_F(FFDecodeAudioTest, AnotherWantedRateAppliesToTheNextBlock) {
  ASSERT_TRUE(Decoder.LoadFile(decoder_media::MakeWav(Folder())));
  Decoder.SetDesireAudioSampleRate(44100);  // unchanged: nothing happens
  Decoder.SetDesireAudioSampleRate(22050);
  Decoder.SetDesireAudioChannels(1);
  EXPECT_NEAR(double(ReadAll(-1)), 44100.0, 0.01 * 44100);
  EXPECT_EQ(Decoder.WaveInfo().SampleRate, 0);  // reset at the end
  EXPECT_TRUE(WasLogged("need resample 2 channels @ 44100 Hz to 1 channels @ 22050 Hz"));
}

TEST_F(FFDecodeAudioTest, SeekingForgetsTheBlock) {
  ASSERT_TRUE(Decoder.LoadFile(decoder_media::MakeMp4(Folder())));
  ASSERT_GT(Decoder.ReadAudio(nullptr, 100), 0);
  ASSERT_TRUE(Decoder.Seek(1000000));
  EXPECT_FALSE(Decoder.WaveInfo().Ready);
  ASSERT_TRUE(Decoder.DecodeAudio()) << Decoder.LastErrMsg();
  EXPECT_NEAR(double(Decoder.WaveInfo().PTS), 1000000.0, 30000.0);
  // Pictures of the same file still decode after the audio.
  ASSERT_TRUE(Decoder.Decode()) << Decoder.LastErrMsg();
}

}  // namespace
