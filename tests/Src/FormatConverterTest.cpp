// TFormatConverter: pictures into 8-, 15-, 16-, 24- and 32-bit bitmaps and back, and
// the decoder's pictures as bitmaps.

#include "Src/FormatConverter.h"
#include "tests/Src/DecoderTestFixture.h"

namespace {

class FormatConverterTest : public DecoderTest {
 protected:
  void TearDown() override {
    for (AVFrame*& Picture : Pictures) FF.av_frame_free(&Picture);
  }
  // A refcounted picture whose rows are aligned to AAlign bytes (1: no padding), each
  // byte a pattern of its position, so that a shifted row shows.
  AVFrame* Picture(int AWidth, int AHeight, AVPixelFormat AFormat, int AAlign = 0) {
    AVFrame* Made = FF.av_frame_alloc();
    Made->width = AWidth;
    Made->height = AHeight;
    Made->format = AFormat;
    EXPECT_GE(FF.av_frame_get_buffer(Made, AAlign), 0);
    for (int Y = 0; Y < AHeight; ++Y)
      for (int X = 0; X < Made->linesize[0]; ++X)
        Made->data[0][Y * Made->linesize[0] + X] = uint8_t(X * 7 + Y * 13);
    Pictures.push_back(Made);
    return Made;
  }
  std::vector<AVFrame*> Pictures;
  TFormatConverter Converter;
};

// Each depth selects its bitmap format; 15 bits take 16 a pixel, so after 15 a 16 is
// the value already set.
TEST_F(FormatConverterTest, EachBitmapDepthSelectsItsFormat) {
  EXPECT_EQ(Converter.BitsPixel(), 24);
  EXPECT_EQ(Converter.BMPPixFmt(), pf24bit);
  struct TCase {
    int Set;
    int Reads;
    TPixelFormat Format;
    AVPixelFormat AV;
  } Cases[] = {{8, 8, pf8bit, AV_PIX_FMT_BGR8},        {15, 16, pf15bit, AV_PIX_FMT_RGB555LE},
               {16, 16, pf15bit, AV_PIX_FMT_RGB555LE}, {32, 32, pf32bit, AV_PIX_FMT_BGRA},
               {16, 16, pf16bit, AV_PIX_FMT_RGB565LE}, {24, 24, pf24bit, AV_PIX_FMT_BGR24}};
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Set);
    Converter.SetBitsPixel(Case.Set);
    EXPECT_EQ(Converter.BitsPixel(), Case.Reads);
    EXPECT_EQ(Converter.BMPPixFmt(), Case.Format);
    EXPECT_EQ(Converter.Bitmap().PixelFormat(), Case.Format);
    EXPECT_EQ(Converter.AVPixFmt(), Case.AV);
  }
  for (int Bits : {0, 12, 48}) {
    try {
      Converter.SetBitsPixel(Bits);
      ADD_FAILURE() << Bits << " bits must be refused";
    } catch (const Exception& E) {
      EXPECT_EQ(E.Message(), Format("Invalid BitsPixel %d", Bits));
    }
    EXPECT_EQ(Converter.BitsPixel(), 24);
  }
  try {
    Converter.SetBMPPixFmt(pf4bit);
    ADD_FAILURE() << "pf4bit must be refused";
  } catch (const Exception& E) {
    EXPECT_EQ(E.Message(), "Invalid PixelFormat 2");
  }
  Converter.SetBMPPixFmt(pf15bit);
  EXPECT_EQ(Converter.BitsPixel(), 16);
}

// The round trip of a hook at every depth: a picture of colour bands into the bitmap,
// a box drawn on the bitmap's canvas, and back into a picture of FFmpeg's 24-bit format.
// Bands and box arrive within the depth's precision: a step of the layout, and one
// more where the scaler dithers the smaller depths.
TEST_F(FormatConverterTest, AHooksRoundTripKeepsThePictureAtEveryDepth) {
  constexpr int Width = 48, Height = 32;
  // Blue, green, red bytes: red, green, a blue, grey.
  const uint8_t Bands[4][3] = {{0, 0, 255}, {0, 200, 0}, {220, 40, 40}, {128, 128, 128}};
  AVFrame* Source = Picture(Width, Height, AV_PIX_FMT_BGR24);
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X)
      std::memcpy(Source->data[0] + Y * Source->linesize[0] + X * 3, Bands[X / 12], 3);
  struct TCase {
    int Bits;
    int Tolerance[3];  // blue, green, red
  } Cases[] = {{8, {86, 45, 45}}, {16, {12, 7, 12}}, {15, {12, 12, 12}}, {24, {2, 2, 2}}, {32, {2, 2, 2}}};
  // (16 comes before 15: after 15 a 16 is the value already set.)
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Bits);
    Converter.SetBitsPixel(Case.Bits);
    ASSERT_TRUE(Converter.PictureToRGB(Source, true)) << Converter.LastErrMsg();
    TBitmap Seen;
    Seen.Assign(Converter.Bitmap());
    Seen.SetPixelFormat(pf24bit);
    TCanvas& Canvas = Converter.Bitmap().Canvas();
    Canvas.Brush().SetStyle(bsSolid);
    Canvas.Brush().SetColor(TColor(RGB(255, 255, 0)));
    Canvas.FillRect(Rect(4, 4, 8, 8));
    Converter.BitmapToRGB();
    AVFrame* Back = Picture(Width, Height, AV_PIX_FMT_BGR24);
    ASSERT_TRUE(Converter.RGBToPicture(Back)) << Converter.LastErrMsg();
    for (int Y = 0; Y < Height; ++Y)
      for (int X = 0; X < Width; ++X) {
        const bool InBox = X >= 4 && X < 8 && Y >= 4 && Y < 8;
        const uint8_t Yellow[3] = {0, 255, 255};
        const uint8_t* Expected = InBox ? Yellow : Bands[X / 12];
        // The scaler's bicubic filter blurs the box's edges into its neighbours.
        const bool NearBox = X >= 2 && X < 10 && Y >= 2 && Y < 10;
        for (int C = 0; C < 3; ++C) {
          EXPECT_NEAR(Seen.ScanLine(Y)[X * 3 + C], Bands[X / 12][C], Case.Tolerance[C]) << X << "," << Y;
          if (!NearBox || InBox) {
            EXPECT_NEAR(Back->data[0][Y * Back->linesize[0] + X * 3 + C], Expected[C], Case.Tolerance[C])
                << X << "," << Y;
          }
        }
      }
  }
}

TEST_F(FormatConverterTest, NothingToCopyBeforeTheFirstConversion) {
  for (auto Step : {&TFormatConverter::RGBToBitmap, &TFormatConverter::BitmapToRGB}) {
    try {
      (Converter.*Step)();
      ADD_FAILURE() << "must raise";
    } catch (const EAssertionFailed& E) {
      EXPECT_EQ(E.Message(), "Assertion failure");
    }
  }
  EXPECT_THROW(Converter.RGBToPicture(Picture(4, 4, AV_PIX_FMT_YUV420P)), EAssertionFailed);
}

// A BGRA picture whose rows are exactly bitmap rows is taken as it is; one pixel more
// and it is converted.
TEST_F(FormatConverterTest, AFittingPictureIsReferencedNotCopied) {
  Converter.SetBitsPixel(32);
  AVFrame* Fitting = Picture(640, 480, AV_PIX_FMT_BGRA);
  ASSERT_EQ(Fitting->linesize[0], 2560);
  ASSERT_TRUE(Converter.PictureToRGB(Fitting, true));
  EXPECT_EQ(Converter.RGBPictureRef()->data[0], Fitting->data[0]);
  EXPECT_EQ(Converter.DIB()->bmBits, Fitting->data[0]);
  EXPECT_EQ(Converter.DIB()->bmWidthBytes, 2560);
  EXPECT_EQ(Converter.DIB()->bmBitsPixel, 32);
  EXPECT_EQ(std::memcmp(Converter.Bitmap().ScanLine(479), Fitting->data[0] + 479 * 2560, 2560), 0);

  AVFrame* Odd = Picture(641, 480, AV_PIX_FMT_BGRA);
  ASSERT_TRUE(Converter.PictureToRGB(Odd, true));
  EXPECT_NE(Converter.RGBPictureRef()->data[0], Odd->data[0]);
  EXPECT_EQ(Converter.Bitmap().Width(), 641);
  EXPECT_EQ(std::memcmp(Converter.Bitmap().ScanLine(300), Odd->data[0] + 300 * Odd->linesize[0], 641 * 4), 0);
}

// 854 pixels of 3 bytes: FFmpeg's rows and the bitmap's (2564 bytes) differ in size,
// and every row must still land where it belongs.
TEST_F(FormatConverterTest, RowsOfAnOddByteWidthDoNotShift) {
  AVFrame* Wide = Picture(854, 9, AV_PIX_FMT_BGR24, 1);
  ASSERT_EQ(Wide->linesize[0], 2562);
  ASSERT_TRUE(Converter.PictureToRGB(Wide, true));
  for (int Row = 0; Row < 9; ++Row)
    EXPECT_EQ(std::memcmp(Converter.Bitmap().ScanLine(Row), Wide->data[0] + Row * 2562, 2562), 0) << Row;
}

// The round trip of a hook: to the bitmap, draw, back into the frame. A frame shared
// with someone else (a decoder) is copied before it is written.
TEST_F(FormatConverterTest, DrawingGoesBackIntoTheFrameButNotIntoSharedPictures) {
  AVFrame* Frame = Picture(64, 48, AV_PIX_FMT_BGRA);
  AVFrame* Shared = FF.av_frame_clone(Frame);
  Pictures.push_back(Shared);
  std::vector<uint8_t> Before(Shared->data[0], Shared->data[0] + 48 * Shared->linesize[0]);
  Converter.SetBitsPixel(32);
  ASSERT_TRUE(Converter.PictureToRGB(Frame, true));
  for (int Row = 0; Row < 48; ++Row) std::memset(Converter.Bitmap().ScanLine(Row), 0x55, 64 * 4);
  Converter.BitmapToRGB();
  ASSERT_TRUE(Converter.RGBToPicture(Frame));
  EXPECT_NE(Frame->data[0], Shared->data[0]);
  EXPECT_EQ(Frame->data[0][47 * Frame->linesize[0] + 63 * 4], 0x55);
  EXPECT_EQ(std::memcmp(Shared->data[0], Before.data(), Before.size()), 0);
}

TEST_F(FormatConverterTest, AnUnconvertibleSourceIsReported) {
  AVFrame* Broken = Picture(16, 16, AV_PIX_FMT_BGRA);
  Broken->format = AV_PIX_FMT_NONE;
  EXPECT_FALSE(Converter.PictureToRGB(Broken, true));
  EXPECT_EQ(Converter.LastErrMsg(), "Cannot initialize the toRGB conversion context");
  EXPECT_EQ(Converter.RGBPictureRef(), nullptr);
  EXPECT_EQ(Converter.Bitmap().Width(), 16);
}

// The decoder's pictures: the red second and the green second of a clip, in both
// bitmap formats.
TEST_F(FormatConverterTest, RedThenGreenInBothBitmapFormats) {
  ASSERT_TRUE(Decoder.LoadFile(decoder_media::MakeRedGreenClip(Folder())));
  TBitmap Bitmap;
  EXPECT_FALSE(Decoder.CopyToBitmap(Bitmap));
  EXPECT_EQ(Decoder.LastErrMsg(), "picture not ready, please decode first");
  EXPECT_EQ(Decoder.GetBitmapPtr(), nullptr);
  struct TCase {
    int64_t At;
    uint8_t Blue, Green, Red;
  } Cases[] = {{400000, 0, 0, 255}, {1400000, 0, 128, 0}};
  for (int Bits : {24, 32}) {
    Decoder.SetBitmapBitsPixel(Bits);
    for (const TCase& Case : Cases) {
      SCOPED_TRACE(Format("%d bits at %d", Bits, Case.At));
      ASSERT_TRUE(Decoder.Seek(Case.At));
      ASSERT_TRUE(Decoder.Decode()) << Decoder.LastErrMsg();
      ASSERT_TRUE(Decoder.CopyToBitmap(Bitmap)) << Decoder.LastErrMsg();
      ASSERT_EQ(Bitmap.Width(), 320);
      ASSERT_EQ(Bitmap.Height(), 240);
      EXPECT_EQ(Bitmap.PixelFormat(), Bits == 24 ? pf24bit : pf32bit);
      for (auto [X, Y] : {std::pair{0, 0}, std::pair{160, 120}, std::pair{319, 239}}) {
        const uint8_t* Pixel = Bitmap.ScanLine(Y) + X * (Bits / 8);
        EXPECT_NEAR(Pixel[0], Case.Blue, 12) << X << "," << Y;
        EXPECT_NEAR(Pixel[1], Case.Green, 12) << X << "," << Y;
        EXPECT_NEAR(Pixel[2], Case.Red, 12) << X << "," << Y;
        if (Bits == 32) {
          EXPECT_EQ(Pixel[3], 255);
        }
      }
      const BITMAP* Record = Decoder.GetBitmapPtr();
      ASSERT_NE(Record, nullptr);
      EXPECT_EQ(Record->bmWidth, 320);
      EXPECT_EQ(Record->bmBitsPixel, Bits);
      EXPECT_EQ(Record->bmPlanes, 1);
    }
  }
}

// Every depth carries the decoded picture: the bitmap, read as 24 bits, agrees with the
// 24-bit one within the depth's precision. Each channel differs by at most two steps of
// its bits (the layout's step, and one where the scaler dithers), and by much less on
// average.
TEST_F(FormatConverterTest, EveryDepthCarriesTheDecodedPicture) {
  ASSERT_TRUE(Decoder.LoadFile(decoder_media::MakeWideClip(Folder())));
  ASSERT_TRUE(Decoder.Decode());
  TBitmap Reference;
  ASSERT_TRUE(Decoder.CopyToBitmap(Reference));
  struct TCase {
    int Bits;
    TPixelFormat Format;
    int ChannelBits[3];  // blue, green, red
  } Cases[] = {
      {8, pf8bit, {2, 3, 3}}, {16, pf16bit, {5, 6, 5}}, {15, pf15bit, {5, 5, 5}}, {32, pf32bit, {8, 8, 8}}};
  // (16 comes before 15: after 15 a 16 is the value already set.)
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Bits);
    Decoder.SetBitmapBitsPixel(Case.Bits);
    TBitmap Bitmap;
    ASSERT_TRUE(Decoder.CopyToBitmap(Bitmap)) << Decoder.LastErrMsg();
    EXPECT_EQ(Bitmap.PixelFormat(), Case.Format);
    ASSERT_EQ(Bitmap.Width(), Reference.Width());
    ASSERT_EQ(Bitmap.Height(), Reference.Height());
    EXPECT_EQ(Decoder.GetBitmapPtr()->bmBitsPixel, Case.Bits == 15 ? 16 : Case.Bits);
    Bitmap.SetPixelFormat(pf24bit);
    int Largest[3] = {0, 0, 0};
    int64_t Sums[3] = {0, 0, 0};
    for (int Row = 0; Row < Bitmap.Height(); ++Row)
      for (int Byte = 0; Byte < Bitmap.Width() * 3; ++Byte) {
        const int Difference = std::abs(Bitmap.ScanLine(Row)[Byte] - Reference.ScanLine(Row)[Byte]);
        Largest[Byte % 3] = std::max(Largest[Byte % 3], Difference);
        Sums[Byte % 3] += Difference;
      }
    for (int C = 0; C < 3; ++C) {
      const double Step = 255.0 / ((1 << Case.ChannelBits[C]) - 1);
      const double Mean = double(Sums[C]) / (double(Bitmap.Width()) * Bitmap.Height());
      EXPECT_LE(Largest[C], 2 * Step) << C;
      EXPECT_LE(Mean, Step / 4) << C;
    }
  }
}

// The 854-pixel clip against ffmpeg's own decoding of the same picture to BGR24.
TEST_F(FormatConverterTest, TheWideClipMatchesFFmpegRowByRow) {
  std::string Clip = decoder_media::MakeWideClip(Folder());
  std::string Raw = Folder() + "/first.bgr";
  decoder_media::RunFFmpeg("-i " + testing_support::ShellQuote(Clip) +
                           " -frames:v 1 -f rawvideo -pix_fmt bgr24 -sws_flags bicubic " +
                           testing_support::ShellQuote(Raw));
  std::string Expected = testing_support::ReadWholeFile(Raw);
  ASSERT_EQ(Expected.size(), 854u * 3 * 480);
  ASSERT_TRUE(Decoder.LoadFile(Clip));
  ASSERT_TRUE(Decoder.Decode());
  TBitmap Bitmap;
  ASSERT_TRUE(Decoder.CopyToBitmap(Bitmap));
  int64_t Differences = 0, Largest = 0;
  for (int Row = 0; Row < 480; ++Row)
    for (int Byte = 0; Byte < 854 * 3; ++Byte) {
      int Difference = std::abs(Bitmap.ScanLine(Row)[Byte] - uint8_t(Expected[size_t(Row) * 854 * 3 + Byte]));
      Differences += Difference;
      Largest = std::max<int64_t>(Largest, Difference);
    }
  EXPECT_LE(Largest, 3);
  EXPECT_LT(double(Differences) / Expected.size(), 0.5);
}

}  // namespace
