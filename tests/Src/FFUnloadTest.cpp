// Unloading the libraries while a decoder and a picture converter still hold FFmpeg
// objects: the objects are freed before the libraries go, so closing or destroying the
// components afterwards calls nothing that is gone.

#include "Src/FFLoad.h"
#include "Src/FormatConverter.h"
#include "tests/Src/DecoderTestFixture.h"

TEST_F(DecoderTest, UnloadingTheLibrariesFreesWhatDecodersAndConvertersHold) {
  auto Held = std::make_unique<TFFDecoder>(nullptr);
  ASSERT_TRUE(Held->LoadFile(decoder_media::MakeMp4(Folder()))) << Held->LastErrMsg();
  ASSERT_TRUE(Held->Decode());
  TBitmap Bitmap;
  ASSERT_TRUE(Held->CopyToBitmap(Bitmap));
  ASSERT_TRUE(Held->DecodeAudio());

  auto Converter = std::make_unique<TFormatConverter>();
  AVFrame* Picture = FF.av_frame_alloc();
  Picture->format = AV_PIX_FMT_YUV420P;
  Picture->width = 32;
  Picture->height = 16;
  ASSERT_EQ(FF.av_frame_get_buffer(Picture, 0), 0);
  ASSERT_TRUE(Converter->PictureToRGB(Picture, true)) << Converter->LastErrMsg();
  ASSERT_TRUE(Converter->RGBToPicture(Picture));
  FF.av_frame_free(&Picture);

  Held->UnloadAVLib();
  ASSERT_FALSE(Held->AVLibLoaded());
  EXPECT_EQ(Held->FileHandle(), nullptr);
  EXPECT_EQ(Converter->RGBPictureRef(), nullptr);
  Held->CloseFile();
  Held.reset();
  Converter.reset();

  // The components work again once the libraries are back.
  ASSERT_TRUE(Decoder.LoadAVLib("")) << Decoder.LastErrMsg();
  ASSERT_TRUE(Decoder.LoadFile(decoder_media::MakeWav(Folder()))) << Decoder.LastErrMsg();
  EXPECT_TRUE(Decoder.DecodeAudio());
}
