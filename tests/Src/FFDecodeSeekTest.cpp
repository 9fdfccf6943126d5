// Seeking and stepping through pictures: times, key frames, the end of the stream and
// still pictures.

#include "tests/Src/DecoderTestFixture.h"

namespace {

constexpr int64_t KeyFrameInterval = 400000;  // every 10 pictures at 25 fps
constexpr int64_t FrameStep = 40000;

class FFDecodeSeekTest : public DecoderTest {
 protected:
  void SetUp() override {
    DecoderTest::SetUp();
    ASSERT_TRUE(Decoder.LoadFile(decoder_media::MakeMp4(Folder()))) << Decoder.LastErrMsg();
  }
  // Decodes forward until the picture at APTS is the current one.
  void DecodeUpTo(int64_t APTS) {
    ASSERT_TRUE(Decoder.Seek(APTS - KeyFrameInterval, {sfBackward})) << Decoder.LastErrMsg();
    do ASSERT_TRUE(Decoder.Decode()) << Decoder.LastErrMsg();
    while (Decoder.FrameInfo().PTS < APTS);
    ASSERT_EQ(Decoder.FrameInfo().PTS, APTS);
  }
};

TEST_F(FFDecodeSeekTest, SeekToZeroThenDecodeGivesTheFirstPicture) {
  ASSERT_TRUE(Decoder.Decode());
  ASSERT_TRUE(Decoder.Decode());
  ASSERT_TRUE(Decoder.Seek(0));
  EXPECT_FALSE(Decoder.FrameInfo().Ready);
  ASSERT_TRUE(Decoder.Decode()) << Decoder.LastErrMsg();
  const TFrameInfo& Picture = Decoder.FrameInfo();
  EXPECT_EQ(Picture.PTS, 0);
  EXPECT_TRUE(Picture.IsKeyFrame);
  EXPECT_EQ(Picture.PictureType, AV_PICTURE_TYPE_I);
  EXPECT_EQ(Picture.Width, 320);
  EXPECT_EQ(Picture.Height, 240);
  EXPECT_EQ(Picture.PixFmt, AV_PIX_FMT_YUV420P);
  EXPECT_EQ(Picture.StreamIndex, 0);
  EXPECT_GT(Picture.Position, 0);
  EXPECT_TRUE(Picture.Ready);
  ASSERT_TRUE(Decoder.Decode());
  EXPECT_EQ(Decoder.FrameInfo().PTS, FrameStep);
  EXPECT_FALSE(Decoder.FrameInfo().IsKeyFrame);
}

TEST_F(FFDecodeSeekTest, NextKeyFramesLandOnMultiplesOf400Milliseconds) {
  ASSERT_TRUE(Decoder.Seek(0));
  ASSERT_TRUE(Decoder.Decode());
  for (int64_t Expected = KeyFrameInterval; Expected < 2000000; Expected += KeyFrameInterval) {
    ASSERT_TRUE(Decoder.DecodeNextKeyFrame()) << Decoder.LastErrMsg();
    EXPECT_EQ(Decoder.FrameInfo().PTS, Expected);
    EXPECT_TRUE(Decoder.FrameInfo().IsKeyFrame);
  }
}

TEST_F(FFDecodeSeekTest, PreviousKeyFramesLandOnMultiplesOf400Milliseconds) {
  ASSERT_NO_FATAL_FAILURE(DecodeUpTo(1320000));
  ASSERT_TRUE(Decoder.DecodePreviousKeyFrame()) << Decoder.LastErrMsg();
  EXPECT_EQ(Decoder.FrameInfo().PTS, 1200000);
  EXPECT_TRUE(Decoder.FrameInfo().IsKeyFrame);
  for (int64_t Expected = 800000; Expected >= 0; Expected -= KeyFrameInterval) {
    ASSERT_TRUE(Decoder.DecodePreviousKeyFrame()) << Decoder.LastErrMsg();
    EXPECT_EQ(Decoder.FrameInfo().PTS, Expected);
  }
  // At the first picture there is nothing earlier: the first picture again.
  ASSERT_TRUE(Decoder.DecodePreviousKeyFrame()) << Decoder.LastErrMsg();
  EXPECT_EQ(Decoder.FrameInfo().PTS, 0);
}

TEST_F(FFDecodeSeekTest, PreviousFrameStepsBackOnePicture) {
  for (int64_t From : {int64_t{1320000}, int64_t{1200000}, int64_t{1240000}}) {
    ASSERT_NO_FATAL_FAILURE(DecodeUpTo(From));
    ASSERT_TRUE(Decoder.DecodePreviousFrame()) << Decoder.LastErrMsg();
    EXPECT_EQ(Decoder.FrameInfo().PTS, From - FrameStep) << "from " << From;
  }
}

TEST_F(FFDecodeSeekTest, TheEndOfTheStreamComesAfterTheLastPicture) {
  ASSERT_TRUE(Decoder.Seek(0));
  int Pictures = 0;
  int64_t LastPTS = -1;
  while (Decoder.Decode()) {
    EXPECT_GT(Decoder.FrameInfo().PTS, LastPTS);
    LastPTS = Decoder.FrameInfo().PTS;
    ASSERT_LT(++Pictures, 1000);
  }
  EXPECT_EQ(Pictures, 50);
  EXPECT_EQ(LastPTS, 1960000);
  EXPECT_EQ(Decoder.LastErrMsg(), "stream eof reached.");
  EXPECT_TRUE(Decoder.Eof());
  EXPECT_FALSE(Decoder.Decode());
  EXPECT_EQ(Decoder.LastErrMsg(), "stream eof reached.");
  // Seeking starts over.
  ASSERT_TRUE(Decoder.Seek(1000000));
  EXPECT_FALSE(Decoder.Eof());
  EXPECT_TRUE(Decoder.Decode());
}

TEST_F(FFDecodeSeekTest, ChoosingStreamsByIndex) {
  EXPECT_FALSE(Decoder.Decode(1));
  EXPECT_EQ(Decoder.LastErrMsg(), "stream #1 is not video stream.");
  EXPECT_FALSE(Decoder.Decode(2));
  EXPECT_EQ(Decoder.LastErrMsg(), "stream index #2 is invalid.");
  EXPECT_FALSE(Decoder.DecodeAudio(0));
  EXPECT_EQ(Decoder.LastErrMsg(), "stream #0 is not audio stream.");
  EXPECT_TRUE(Decoder.Decode(0));
  ASSERT_TRUE(Decoder.LoadFile(decoder_media::MakeWav(Folder())));
  EXPECT_FALSE(Decoder.Decode());
  EXPECT_EQ(Decoder.LastErrMsg(), "no video stream.");
}

TEST_F(FFDecodeSeekTest, WithoutAFileNothingIsDecoded) {
  Decoder.CloseFile();
  EXPECT_FALSE(Decoder.Seek(0));
  EXPECT_EQ(Decoder.LastErrMsg(), "file not loaded.");
  EXPECT_FALSE(Decoder.Decode());
  EXPECT_EQ(Decoder.Position(), -1);
  EXPECT_EQ(Decoder.ReadAudio(nullptr, 100), -1);
}

TEST_F(FFDecodeSeekTest, SecondVideoStreamOfMatroska) {
  ASSERT_TRUE(Decoder.LoadFile(decoder_media::MakeMatroska(Folder())));
  ASSERT_TRUE(Decoder.Decode(0)) << Decoder.LastErrMsg();
  EXPECT_EQ(Decoder.FrameInfo().Width, 1280);
  // 29.97 fps: the fifth picture comes at 4 * 1001/30 ms, in Matroska's milliseconds.
  for (int I = 0; I < 4; ++I) ASSERT_TRUE(Decoder.Decode());
  EXPECT_EQ(Decoder.FrameInfo().PTS, 133000);
  // Decoding one stream passes the other stream's packets by; seeking starts over.
  ASSERT_TRUE(Decoder.Seek(0));
  ASSERT_TRUE(Decoder.Decode(1)) << Decoder.LastErrMsg();
  EXPECT_EQ(Decoder.FrameInfo().Width, 640);
  EXPECT_EQ(Decoder.FrameInfo().StreamIndex, 1);
  EXPECT_EQ(Decoder.FrameInfo().PTS, 0);
}

TEST_F(FFDecodeSeekTest, AStillPictureDecodesOnceAndCannotBeSought) {
  ASSERT_TRUE(Decoder.LoadFile(decoder_media::MakePicture(Folder()))) << Decoder.LastErrMsg();
  ASSERT_TRUE(Decoder.Decode()) << Decoder.LastErrMsg();
  EXPECT_EQ(Decoder.FrameInfo().Width, 64);
  for (int I = 0; I < 3; ++I) EXPECT_TRUE(Decoder.Decode());
  EXPECT_FALSE(Decoder.Seek(0));
  EXPECT_EQ(Decoder.LastErrMsg(), "\"image2\" format cannot to be seeked.");
}

// Rows alternate between white and black, as two fields of an interlaced picture
// that caught something moving. Deinterlaced, neighbouring rows agree.
TEST_F(FFDecodeSeekTest, DeinterlacingJoinsTheFields) {
  std::string File = Folder() + "/combed.mkv";
  decoder_media::RunFFmpeg(
      "-f lavfi -i color=c=white:s=64x48:r=25 -vf \"geq=lum='if(mod(Y,2),16,235)':cb=128:cr=128\" "
      "-frames:v 3 -c:v ffv1 -pix_fmt yuv420p " +
      testing_support::ShellQuote(File));
  ASSERT_TRUE(Decoder.LoadFile(File));
  auto RowDifference = [this] {
    const AVFrame* Picture = Decoder.FrameInfo().Picture;
    int Sum = 0;
    for (int Y = 10; Y < 30; Y += 2)
      Sum += std::abs(Picture->data[0][Y * Picture->linesize[0] + 20] -
                      Picture->data[0][(Y + 1) * Picture->linesize[0] + 20]);
    return Sum / 10;
  };
  ASSERT_TRUE(Decoder.Decode());
  EXPECT_GT(RowDifference(), 200);
  Decoder.SetDeinterlace(true);
  ASSERT_TRUE(Decoder.Seek(0));
  ASSERT_TRUE(Decoder.Decode()) << Decoder.LastErrMsg();
  EXPECT_TRUE(Decoder.Deinterlace());
  EXPECT_EQ(Decoder.FrameInfo().Width, 64);
  EXPECT_EQ(Decoder.FrameInfo().PTS, 0);
  EXPECT_LT(RowDifference(), 10);
}

}  // namespace
