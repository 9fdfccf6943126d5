// Bad input: a pipe that never delivers, cut-off and damaged files. The decoder must
// fail with a clear text or decode what it can, and never hang or crash.

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <thread>

#include "platform/base/Clock.h"
#include "tests/Src/DecoderTestFixture.h"

namespace {

class FFDecodeFailureTest : public DecoderTest {
 protected:
  // Decodes every picture and every audio block that can be had; the picture count.
  // The bounds only guard against a decoder that would go on for ever.
  int DecodeEverything() {
    int Pictures = 0;
    while (Decoder.Decode() && Pictures < 1000) {
      TBitmap Bitmap;
      EXPECT_TRUE(Decoder.CopyToBitmap(Bitmap)) << Decoder.LastErrMsg();
      ++Pictures;
    }
    EXPECT_LT(Pictures, 1000);
    EXPECT_TRUE(Decoder.Seek(0)) << Decoder.LastErrMsg();
    int Blocks = 0;
    while (Decoder.DecodeAudio() && Blocks < 10000) ++Blocks;
    EXPECT_LT(Blocks, 10000);
    return Pictures;
  }
};

// A pipe without a writer, and one whose writer stays silent: either way the open
// gives up once the read time-out has passed.
TEST_F(FFDecodeFailureTest, ASilentPipeTimesOut) {
  std::string Pipe = decoder_media::MakeFifo(Folder());
  for (bool WithWriter : {false, true}) {
    SCOPED_TRACE(WithWriter ? "with a silent writer" : "without a writer");
    int Writer = WithWriter ? open(Pipe.c_str(), O_RDWR) : -1;
    LogLines.clear();
    Decoder.ReadTimeout = 300;
    int64_t Start = MonotonicMicroseconds();
    EXPECT_FALSE(Decoder.LoadFile(Pipe));
    int64_t Elapsed = MonotonicMicroseconds() - Start;
    EXPECT_EQ(Decoder.LastErrMsg(), Pipe + ": Immediate exit requested");
    EXPECT_TRUE(WasLogged("connecting/reading timeout"));
    EXPECT_GE(Elapsed, 300000);
    EXPECT_LT(Elapsed, 10000000);  // a guard against hanging, not a speed target
    EXPECT_EQ(Decoder.FileHandle(), nullptr);
    if (Writer >= 0) close(Writer);
  }
}

TEST_F(FFDecodeFailureTest, APipeIsReadLikeAFile) {
  std::string Pipe = decoder_media::MakeFifo(Folder());
  std::string Wav = testing_support::ReadWholeFile(decoder_media::MakeWav(Folder()));
  // Should the decoder stop reading early, the writer gets an error, not a signal.
  signal(SIGPIPE, SIG_IGN);
  // The writer's open waits until the decoder opens the reading end.
  std::thread Writer([&] {
    int Handle = open(Pipe.c_str(), O_WRONLY);
    for (size_t Done = 0; Handle >= 0 && Done < Wav.size();) {
      ssize_t Written = write(Handle, Wav.data() + Done, Wav.size() - Done);
      if (Written <= 0) break;
      Done += size_t(Written);
    }
    if (Handle >= 0) close(Handle);
  });
  Decoder.ReadTimeout = 10000;
  EXPECT_TRUE(Decoder.LoadFile(Pipe)) << Decoder.LastErrMsg();
  EXPECT_EQ(Decoder.FormatName(), "wav");
  int64_t Total = 0;
  uint8_t Buffer[4096];
  for (int Count; (Count = Decoder.ReadAudio(Buffer, sizeof(Buffer))) > 0;) Total += Count;
  EXPECT_EQ(Total, 176400);
  Decoder.CloseFile();  // a writer still waiting ends with a broken pipe
  Writer.join();
}

TEST_F(FFDecodeFailureTest, ACutOffFileWithoutItsIndexFailsClearly) {
  std::string Cut =
      decoder_media::TruncatedCopy(decoder_media::MakeMp4(Folder()), Folder() + "/cut.mp4", 0.6);
  EXPECT_FALSE(Decoder.LoadFile(Cut));
  EXPECT_EQ(Decoder.LastErrMsg(), Cut + ": Invalid data found when processing input");
  EXPECT_EQ(Decoder.StreamCount(), -1);
}

TEST_F(FFDecodeFailureTest, ACutOffFileDecodesWhatItHas) {
  std::string Cut =
      decoder_media::TruncatedCopy(decoder_media::MakeMp4(Folder(), true), Folder() + "/cut.mp4", 0.5);
  ASSERT_TRUE(Decoder.LoadFile(Cut)) << Decoder.LastErrMsg();
  int Pictures = DecodeEverything();
  EXPECT_GT(Pictures, 5);
  EXPECT_LT(Pictures, 50);
}

TEST_F(FFDecodeFailureTest, DamagedFilesDecodeWhatTheyCan) {
  std::string Clip = decoder_media::MakeMp4(Folder(), true);
  std::string Streams = decoder_media::MakeMatroska(Folder());
  for (const std::string& Source : {Clip, Streams}) {
    SCOPED_TRACE(Source);
    std::string Damaged = decoder_media::BitFlippedCopy(Source, Source + ".damaged");
    if (!Decoder.LoadFile(Damaged)) {
      EXPECT_EQ(Decoder.LastErrMsg().rfind(Damaged + ": ", 0), 0u) << Decoder.LastErrMsg();
      continue;
    }
    EXPECT_GT(Decoder.StreamCount(), 0);
    EXPECT_FALSE(Decoder.FileInfoText().empty());
    DecodeEverything();
  }
}

TEST_F(FFDecodeFailureTest, NotAMediaFile) {
  std::string Text = Folder() + "/notes.txt";
  testing_support::WriteWholeFile(Text, std::string(3000, '\xAB'));
  EXPECT_FALSE(Decoder.LoadFile(Text));
  EXPECT_EQ(Decoder.LastErrMsg(), Text + ": Invalid data found when processing input");
}

}  // namespace
