// Unloading the libraries while decoders, picture converters, conversion tasks, an
// encoder with its tasks and a player still hold FFmpeg objects: the objects are freed
// before the libraries go, so closing or destroying the components afterwards calls
// nothing that is gone (the loader clears every entry it unbinds).

#include <filesystem>

#include "Src/FFEncode.h"
#include "Src/FFLoad.h"
#include "Src/FFPlay.h"
#include "Src/FormatConverter.h"
#include "tests/Src/DecoderTestFixture.h"
#include "tests/Src/PinnedLibraries.h"
#include "tests/Src/PlayerTestFixture.h"

namespace {

size_t FilesIn(const std::string& AFolder) {
  auto Entries = std::filesystem::directory_iterator(AFolder);
  return static_cast<size_t>(std::distance(begin(Entries), end(Entries)));
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

TEST_F(DecoderTest, UnloadingTheLibrariesFreesWhatAConversionTaskHolds) {
  const std::string Input = decoder_media::MakeMp4(Folder());
  const size_t FilesBefore = FilesIn(Folder());
  ASSERT_TRUE(FFLoader().Load(AllLibraries)) << FFLoader().LastErrMsg();
  PinFFmpegLibraries();
  auto Task = std::make_unique<TFFmpeg>();
  ASSERT_GE(Task->OpenInputFile(Input), 0) << Task->FLastErrMsg;
  ASSERT_EQ(Task->Decoder(0).VideoStreamCount(), 1);
  Task->ParseOptions("-c:v mpeg4 -c:a ac3");
  ASSERT_GE(Task->OpenOutputFile(Dir.File("out.mkv"), false), 0) << Task->FLastErrMsg;
  Task->ParseOptions("-b:v 300k -ar 22050 -f matroska");  // pending options, never used
  ASSERT_GT(FilesIn(Folder()), FilesBefore);

  FFLoader().Unload(AllLibraries);
  ASSERT_EQ(FF.avformat_close_input, nullptr);
  // The unfinished output was discarded before the libraries went.
  EXPECT_EQ(FilesIn(Folder()), FilesBefore);
  EXPECT_TRUE(Task->Finput_files.empty());
  Task.reset();
}

TEST_F(DecoderTest, UnloadingTheLibrariesFreesWhatAnEncoderAndItsTasksHold) {
  const std::string Input = decoder_media::MakeMp4(Folder());
  const size_t FilesBefore = FilesIn(Folder());
  auto Encoder = std::make_unique<TFFEncoder>(nullptr);
  ASSERT_TRUE(Encoder->LoadAVLib("")) << Encoder->LastErrMsg();
  PinFFmpegLibraries();
  for (const char* Output : {"first.mkv", "second.mkv"}) {
    const int Task = Encoder->AddTask(Input, "-ss 0.5", "");
    ASSERT_GE(Task, 0) << Encoder->LastErrMsg();
    ASSERT_GE(Encoder->SetOutput(Task, Dir.File(Output), "-c:v mpeg4 -c:a ac3", ""), 0)
        << Encoder->LastErrMsg();
  }
  ASSERT_EQ(Encoder->GetTaskDecoder(1, 0)->AudioStreamCount(), 1);
  ASSERT_TRUE(Encoder->Decoder()->LoadFile(Input)) << Encoder->Decoder()->LastErrMsg();

  Encoder->UnloadAVLib();
  ASSERT_FALSE(Encoder->AVLibLoaded());
  EXPECT_EQ(FilesIn(Folder()), FilesBefore);
  EXPECT_EQ(Encoder->Decoder()->FileHandle(), nullptr);
  Encoder.reset();
}

namespace {

using PlayerUnloadTest = player_test::PlayerTest;

}  // namespace

TEST_F(PlayerUnloadTest, UnloadingTheLibrariesEndsThePlaybackFirst) {
  PinFFmpegLibraries();
  const std::string Clip = decoder_media::MakeMp4(Dir.Path().string());
  ASSERT_TRUE(Player->opt_default("probesize", "100000"));
  ASSERT_TRUE(Player->Open(Clip, Window, false)) << Player->LastErrMsg();
  ASSERT_TRUE(WaitForState(psPlay));

  Player->UnloadAVLib();
  ASSERT_EQ(FF.avcodec_free_context, nullptr);
  EXPECT_TRUE(WaitForState(psStop));
  EXPECT_EQ(Player->Decoder()->FileHandle(), nullptr);
  Player.reset();

  // A new player plays again once the libraries are back.
  MakePlayer();
  ASSERT_TRUE(Player->Open(Clip, Window, true)) << Player->LastErrMsg();
  Player->Stop(true);
}
