// Name texts of codecs, media and picture types, and frame durations.

#include <gtest/gtest.h>

#include "Src/FFLoad.h"
#include "Src/FFUtils.h"

namespace {

class CodecNameTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FFLoader().Load(DecoderLibraries)) << FFLoader().LastErrMsg();
    Parameters = FF.avcodec_parameters_alloc();
  }
  void TearDown() override { FF.avcodec_parameters_free(&Parameters); }
  AVCodecParameters* Parameters = nullptr;
};

TEST_F(CodecNameTextTest, NamesAKnownCodecWithItsLongName) {
  Parameters->codec_id = AV_CODEC_ID_MPEG4;
  EXPECT_EQ(CodecNameText(Parameters, false), "mpeg4(MPEG-4 part 2)");
  Parameters->codec_id = AV_CODEC_ID_PCM_S16LE;
  EXPECT_EQ(CodecNameText(Parameters, true), "pcm_s16le(PCM signed 16-bit little-endian)");
}

TEST_F(CodecNameTextTest, AnUnknownCodecIsNamedByItsTag) {
  Parameters->codec_id = AV_CODEC_ID_NONE;
  Parameters->codec_tag = MKTAG('X', 'V', 'I', 'D');
  EXPECT_EQ(CodecNameText(Parameters, false), "XVID / 0x44495658");
  Parameters->codec_tag = MKTAG('a', 'b', 0x01, 0);
  EXPECT_EQ(CodecNameText(Parameters, false), "0x16261");
  Parameters->codec_tag = 0;
  EXPECT_EQ(CodecNameText(Parameters, true), "0x0000");
}

TEST(FrameDurationTest, MicrosecondsPerFrame) {
  EXPECT_EQ(FrameDurationFromRate({30000, 1001}), 33366);
  EXPECT_EQ(FrameDurationFromRate({25, 1}), 40000);
  EXPECT_EQ(FrameDurationFromRate({0, 1}), 40000);
  EXPECT_EQ(FrameDurationFromRate({30, 0}), 40000);
}

TEST(TypeNameTest, MediaAndPictureTypes) {
  const std::pair<AVMediaType, const char*> MediaTypes[] = {{AVMEDIA_TYPE_VIDEO, "Video"},
                                                            {AVMEDIA_TYPE_AUDIO, "Audio"},
                                                            {AVMEDIA_TYPE_DATA, "Data"},
                                                            {AVMEDIA_TYPE_SUBTITLE, "Subtitle"},
                                                            {AVMEDIA_TYPE_ATTACHMENT, "Attachment"},
                                                            {AVMEDIA_TYPE_UNKNOWN, "Unknown"},
                                                            {AVMEDIA_TYPE_NB, "Unknown"}};
  for (auto [Type, Name] : MediaTypes) EXPECT_EQ(MediaTypeName(Type), Name);

  const std::pair<AVPictureType, const char*> PictureTypes[] = {{AV_PICTURE_TYPE_NONE, "Unknown"},
                                                                {AV_PICTURE_TYPE_I, "Intra"},
                                                                {AV_PICTURE_TYPE_P, "Predicted"},
                                                                {AV_PICTURE_TYPE_B, "Bi-dir predicted"},
                                                                {AV_PICTURE_TYPE_S, "S(GMC)-VOP MPEG4"},
                                                                {AV_PICTURE_TYPE_SI, "Switching Intra"},
                                                                {AV_PICTURE_TYPE_SP, "Switching Predicted"},
                                                                {AV_PICTURE_TYPE_BI, "BI type"}};
  for (auto [Type, Name] : PictureTypes) EXPECT_EQ(PictureTypeName(Type), Name);
}

}  // namespace
