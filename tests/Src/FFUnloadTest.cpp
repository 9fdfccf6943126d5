// Unloading the libraries while a decoder and a picture converter still hold FFmpeg
// objects: the objects are freed before the libraries go, so closing or destroying the
// components afterwards calls nothing that is gone.

#include <dlfcn.h>

#include "Src/FFLoad.h"
#include "Src/FormatConverter.h"
#include "tests/Src/DecoderTestFixture.h"

namespace {

// Keeps FFmpeg's libraries mapped through the unload. The loader clears its entries
// all the same, which is what the test is about; the libraries' own start-up
// allocations stay readable, so the leak checker does not take them for leaks of
// ours once their code is gone.
void PinFFmpegLibraries() {
  for (const char* Name : {"libavutil.so.57", "libswresample.so.4", "libswscale.so.6", "libavcodec.so.59",
                           "libavformat.so.59", "libavfilter.so.8", "libavdevice.so.59"})
    dlopen(Name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}

}  // namespace

TEST_F(DecoderTest, UnloadingTheLibrariesFreesWhatDecodersAndConvertersHold) {
  PinFFmpegLibraries();
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
