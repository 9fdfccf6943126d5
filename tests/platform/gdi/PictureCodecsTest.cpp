// The picture readers and writers, checked against FFmpeg's own decoding of the same
// files; files are made at test time by the ffmpeg tool, or by libpng and libjpeg where
// ffmpeg cannot write the variant (interlacing, colour keys, grey and CMYK JPEG).

#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>
#include <sys/resource.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>

#include "platform/gdi/PictureCodecs.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace testing_support;
using TBytes = std::vector<uint8_t>;

// The test picture: FFmpeg's testsrc2 at an odd size (so rows need padding) with an
// alpha ramp from left to right.
const char* const kSource = "testsrc2=s=61x47,format=rgba,geq=r='r(X,Y)':g='g(X,Y)':b='b(X,Y)':a='4*X'";

// A smooth picture for JPEG, whose errors grow at sharp colour edges; computed, so that
// it is the same on every run.
const char* const kSmoothSource =
    "nullsrc=s=61x47,format=gbrp,geq=r='128+60*sin(X/20)':g='128+60*cos(Y/17)':b='128+50*sin((X+Y)/25)'";

TBytes ReadBytes(const std::string& AFileName) {
  const std::string Data = ReadWholeFile(AFileName);
  return TBytes(Data.begin(), Data.end());
}

void WriteBytes(const std::string& AFileName, const TBytes& AData) {
  WriteWholeFile(AFileName, std::string(AData.begin(), AData.end()));
}

void PutBE32(TBytes& AData, size_t AOffset, uint32_t AValue) {
  for (int I = 0; I < 4; ++I) AData[AOffset + I] = uint8_t(AValue >> (24 - 8 * I));
}

void PutLE32(TBytes& AData, size_t AOffset, uint32_t AValue) {
  for (int I = 0; I < 4; ++I) AData[AOffset + I] = uint8_t(AValue >> (8 * I));
}

void PutLE16(TBytes& AData, size_t AOffset, uint16_t AValue) {
  AData[AOffset] = uint8_t(AValue);
  AData[AOffset + 1] = uint8_t(AValue >> 8);
}

void AppendLE32(TBytes& AData, uint32_t AValue) {
  AData.resize(AData.size() + 4);
  PutLE32(AData, AData.size() - 4, AValue);
}

void AppendLE16(TBytes& AData, uint16_t AValue) {
  AData.resize(AData.size() + 2);
  PutLE16(AData, AData.size() - 2, AValue);
}

uint8_t Channel(uint32_t APixel, int AShift) { return uint8_t(APixel >> AShift); }

// Counts the pixels whose channels differ by more than ATolerance and prints the first.
::testing::AssertionResult ImagesMatch(const TPixelImage& AActual, const TPixelImage& AExpected,
                                       int ATolerance, bool ACompareAlpha = true) {
  if (AActual.Width != AExpected.Width || AActual.Height != AExpected.Height)
    return ::testing::AssertionFailure() << "size " << AActual.Width << "x" << AActual.Height << ", expected "
                                         << AExpected.Width << "x" << AExpected.Height;
  int Mismatches = 0;
  std::string First;
  for (int Y = 0; Y < AActual.Height; ++Y)
    for (int X = 0; X < AActual.Width; ++X)
      for (int Shift = 0; Shift < (ACompareAlpha ? 32 : 24); Shift += 8) {
        const int Difference =
            std::abs(Channel(AActual.Pixel(X, Y), Shift) - Channel(AExpected.Pixel(X, Y), Shift));
        if (Difference <= ATolerance) continue;
        if (!Mismatches++)
          First = Format("(%d, %d): %08X, expected %08X", X, Y, AActual.Pixel(X, Y), AExpected.Pixel(X, Y));
      }
  if (Mismatches)
    return ::testing::AssertionFailure() << Mismatches << " channels differ, first at " << First;
  return ::testing::AssertionSuccess();
}

double MeanColourError(const TPixelImage& A, const TPixelImage& B) {
  double Sum = 0;
  for (size_t I = 0; I < A.Pixels.size(); ++I)
    for (int Shift = 0; Shift < 24; Shift += 8)
      Sum += std::abs(Channel(A.Pixels[I], Shift) - Channel(B.Pixels[I], Shift));
  return Sum / (3.0 * double(A.Pixels.size()));
}

class PictureCodecsTest : public ::testing::Test {
 protected:
  // Writes the test picture (or the lavfi source ASource) to AName with AOptions.
  std::string MakeWithFfmpeg(const std::string& AName, const std::string& AOptions,
                             const char* ASource = kSource) {
    return MakeAllWithFfmpeg({{AName, AOptions}}, ASource)[0];
  }

  // Writes the test picture (or ASource) to each file name with its options, in one run
  // of ffmpeg: starting ffmpeg costs more than the comparisons themselves.
  std::vector<std::string> MakeAllWithFfmpeg(const std::vector<std::pair<std::string, std::string>>& AFiles,
                                             const char* ASource = kSource) {
    std::string Command = "ffmpeg -v error -y -f lavfi -i " + ShellQuote(ASource);
    std::vector<std::string> FileNames;
    for (const auto& [Name, Options] : AFiles) {
      FileNames.push_back(FDir.File(Name));
      Command += " -frames:v 1 " + Options + " " + ShellQuote(FileNames.back());
    }
    const CommandResult Result = RunCommand(Command);
    EXPECT_EQ(Result.ExitCode, 0) << Result.Output;
    return FileNames;
  }

  // FFmpeg's own decoding of each picture file, as blue, green, red, alpha, in one run.
  std::vector<TBytes> DecodeAllWithFfmpeg(const std::vector<std::string>& AFileNames) {
    std::string Inputs, Outputs;
    for (size_t I = 0; I < AFileNames.size(); ++I) {
      Inputs += " -i " + ShellQuote(AFileNames[I]);
      Outputs +=
          " -map " + std::to_string(I) + ":v -f rawvideo -pix_fmt bgra " + ShellQuote(AFileNames[I] + ".raw");
    }
    const CommandResult Result = RunCommand("ffmpeg -v error -y" + Inputs + Outputs);
    EXPECT_EQ(Result.ExitCode, 0) << Result.Output;
    std::vector<TBytes> Decoded;
    for (const std::string& Name : AFileNames) Decoded.push_back(ReadBytes(Name + ".raw"));
    return Decoded;
  }

  static TPixelImage ImageOfRaw(const TBytes& ARaw, int AWidth, int AHeight) {
    TPixelImage Image;
    Image.Width = AWidth;
    Image.Height = AHeight;
    Image.Pixels.resize(ARaw.size() / 4);
    std::memcpy(Image.Pixels.data(), ARaw.data(), Image.Pixels.size() * 4);
    EXPECT_EQ(Image.Pixels.size(), size_t(AWidth) * AHeight);
    return Image;
  }

  // FFmpeg's own decoding of a picture file, as blue, green, red, alpha.
  TPixelImage DecodeWithFfmpeg(const std::string& AFileName, int AWidth, int AHeight) {
    return ImageOfRaw(DecodeAllWithFfmpeg({AFileName})[0], AWidth, AHeight);
  }

  // Decodes a file with our reader and compares it with FFmpeg's decoding AFfmpegRaw.
  static void ExpectSameAs(const TBytes& AFfmpegRaw, const std::string& AFileName, int ATolerance,
                           bool ACompareAlpha = true) {
    const TPixelImage Ours = DecodePicture(ReadBytes(AFileName));
    EXPECT_TRUE(
        ImagesMatch(Ours, ImageOfRaw(AFfmpegRaw, Ours.Width, Ours.Height), ATolerance, ACompareAlpha));
  }

  // Decodes a file with our reader and FFmpeg's and compares them.
  void ExpectSameAsFfmpeg(const std::string& AFileName, int ATolerance, bool ACompareAlpha = true) {
    ExpectSameAs(DecodeAllWithFfmpeg({AFileName})[0], AFileName, ATolerance, ACompareAlpha);
  }

  TempDir FDir;
};

// A picture of seeded random pixels, alpha included.
TPixelImage RandomImage(int AWidth, int AHeight, unsigned ASeed) {
  std::mt19937 Random(ASeed);
  TPixelImage Image;
  ResizePixelImage(Image, AWidth, AHeight);
  for (uint32_t& Pixel : Image.Pixels) Pixel = Random();
  return Image;
}

// ---------------------------------------------------------------- format detection

TEST(PictureFormatTest, DetectsBySignatureOnly) {
  const struct {
    TBytes Start;
    TPictureFormat Expected;
  } Cases[] = {
      {{'B', 'M', 0, 0}, pcfBmp},
      {{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, pcfPng},
      {{0xFF, 0xD8, 0xFF, 0xE0}, pcfJpeg},
      {{0, 0, 1, 0, 1, 0}, pcfIcon},
      {{0, 0, 2, 0, 3, 0}, pcfCursor},
      {{0, 0, 1, 0, 0, 0}, pcfUnknown},  // an icon directory without images
      {{0x89, 'P', 'N', 'G'}, pcfUnknown},
      {{'G', 'I', 'F', '8', '9', 'a'}, pcfUnknown},
      {{}, pcfUnknown},
  };
  for (const auto& Case : Cases) EXPECT_EQ(DetectPictureFormat(Case.Start), Case.Expected);
  EXPECT_THROW(DecodePicture(TBytes{'G', 'I', 'F', '8', '9', 'a'}), EInvalidGraphic);
}

// ---------------------------------------------------------------- BMP

TEST_F(PictureCodecsTest, BmpOfEveryDepthFfmpegWritesDecodesAsFfmpegDoes) {
  const struct {
    const char* PixelFormat;
    int BitsPerPixel;
    // FFmpeg widens 16-bit channels by shifting or bit copying; we scale 31 or 15 to 255.
    int Tolerance;
  } Cases[] = {{"bgr24", 24, 0},    {"bgra", 32, 0},      {"rgb565le", 16, 2},
               {"rgb555le", 16, 2}, {"rgb444le", 16, 15}, {"pal8", 8, 0},
               {"bgr8", 8, 0},      {"gray", 8, 0},       {"monob", 1, 0}};
  std::vector<std::pair<std::string, std::string>> Files;
  for (const auto& Case : Cases)
    Files.emplace_back(Format("%s.bmp", Case.PixelFormat), Format("-pix_fmt %s", Case.PixelFormat));
  const std::vector<std::string> FileNames = MakeAllWithFfmpeg(Files);
  const std::vector<TBytes> FfmpegDecoded = DecodeAllWithFfmpeg(FileNames);
  for (size_t I = 0; I < std::size(Cases); ++I) {
    const auto& Case = Cases[I];
    SCOPED_TRACE(Case.PixelFormat);
    const TPixelImage Image = DecodeBmp(ReadBytes(FileNames[I]));
    EXPECT_EQ(Image.SourceBitsPerPixel, Case.BitsPerPixel);
    EXPECT_EQ(Image.HasAlpha, Case.BitsPerPixel == 32);
    ExpectSameAs(FfmpegDecoded[I], FileNames[I], Case.Tolerance);
  }
}

// A BMP built field by field, for the header variants ffmpeg does not write.
struct TBmpBuilder {
  uint32_t HeaderSize = 40;
  int Width = 0;
  int Height = 0;  // negative: top-down
  int BitsPerPixel = 24;
  uint32_t Compression = 0;
  std::vector<uint32_t> Masks;      // written in the header (52 and up) or after it
  std::vector<uint32_t> Palette;    // 0x00RRGGBB
  std::vector<TBytes> RowsTopDown;  // unpadded

  TBytes Build() const {
    TBytes Dib;
    AppendLE32(Dib, HeaderSize);
    if (HeaderSize == 12) {
      AppendLE16(Dib, uint16_t(Width));
      AppendLE16(Dib, uint16_t(Height));
      AppendLE16(Dib, 1);
      AppendLE16(Dib, uint16_t(BitsPerPixel));
    } else {
      AppendLE32(Dib, uint32_t(Width));
      AppendLE32(Dib, uint32_t(Height));
      AppendLE16(Dib, 1);
      AppendLE16(Dib, uint16_t(BitsPerPixel));
      AppendLE32(Dib, Compression);
      Dib.resize(40, 0);
      PutLE32(Dib, 32, uint32_t(Palette.size()));
      for (uint32_t Mask : Masks) AppendLE32(Dib, Mask);
      Dib.resize(std::max<size_t>(Dib.size(), HeaderSize), 0);
    }
    for (uint32_t Color : Palette) {
      for (int Shift = 0; Shift < 24; Shift += 8) Dib.push_back(uint8_t(Color >> Shift));
      if (HeaderSize != 12) Dib.push_back(0);
    }
    const size_t BitsOffset = 14 + Dib.size();
    const size_t Stride = (size_t(Width) * BitsPerPixel + 31) / 32 * 4;
    for (size_t I = 0; I < RowsTopDown.size(); ++I) {
      const TBytes& Row = Height < 0 ? RowsTopDown[I] : RowsTopDown[RowsTopDown.size() - 1 - I];
      Dib.insert(Dib.end(), Row.begin(), Row.end());
      Dib.resize(Dib.size() + Stride - Row.size(), 0);
    }
    TBytes File = {'B', 'M'};
    AppendLE32(File, uint32_t(14 + Dib.size()));
    AppendLE32(File, 0);
    AppendLE32(File, uint32_t(BitsOffset));
    File.insert(File.end(), Dib.begin(), Dib.end());
    return File;
  }
};

TEST(BmpTest, HeaderVariantsAndRowOrders) {
  // Channels are 0 or full so that every bit depth represents them exactly.
  const std::vector<uint32_t> Expected = {0xFFFF0000, 0xFF00FF00, 0x800000FF,
                                          0x00FFFFFF, 0xFF000000, 0xFFFFFF00};
  TBmpBuilder V5;  // 32-bit bit fields with an alpha mask, top-down
  V5.HeaderSize = 124;
  V5.Width = 3;
  V5.Height = -2;
  V5.BitsPerPixel = 32;
  V5.Compression = 3;
  V5.Masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
  V5.RowsTopDown = {{0, 0, 255, 255, 0, 255, 0, 255, 255, 0, 0, 128},
                    {255, 255, 255, 0, 0, 0, 0, 255, 0, 255, 255, 255}};

  TBmpBuilder Masks565;  // 16-bit 5-6-5 masks after a plain header, bottom-up; no alpha
  Masks565.Width = 3;
  Masks565.Height = 2;
  Masks565.BitsPerPixel = 16;
  Masks565.Compression = 3;
  Masks565.Masks = {0xF800, 0x07E0, 0x001F};
  Masks565.RowsTopDown = {{0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00}, {0xFF, 0xFF, 0x00, 0x00, 0xE0, 0xFF}};

  TBmpBuilder Core;  // OS/2 core header, 8-bit palette of three-byte entries
  Core.HeaderSize = 12;
  Core.Width = 3;
  Core.Height = 2;
  Core.BitsPerPixel = 8;
  Core.Palette = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0xFFFF00};
  Core.RowsTopDown = {{0, 1, 2}, {3, 4, 5}};

  TPixelImage Image = DecodeBmp(V5.Build());
  EXPECT_EQ(Image.Pixels, Expected);
  EXPECT_TRUE(Image.HasAlpha);
  std::vector<uint32_t> Opaque = Expected;
  for (uint32_t& Pixel : Opaque) Pixel |= 0xFF000000;
  EXPECT_EQ(DecodeBmp(Masks565.Build()).Pixels, Opaque);
  Image = DecodeBmp(Core.Build());
  EXPECT_EQ(Image.Pixels, Opaque);
  EXPECT_FALSE(Image.HasAlpha);
}

TEST(BmpTest, ThirtyTwoBitFileWithZeroAlphaIsOpaque) {
  TBmpBuilder Bmp;
  Bmp.Width = 2;
  Bmp.Height = 1;
  Bmp.BitsPerPixel = 32;
  Bmp.RowsTopDown = {{1, 2, 3, 0, 4, 5, 6, 0}};
  const TPixelImage Image = DecodeBmp(Bmp.Build());
  EXPECT_EQ(Image.Pixels, (std::vector<uint32_t>{0xFF030201, 0xFF060504}));
  EXPECT_FALSE(Image.HasAlpha);
}

TEST(BmpTest, PaletteIndexesPastTheTableAreBlackAndOversizedTablesAreRefused) {
  TBmpBuilder Bmp;
  Bmp.Width = 2;
  Bmp.Height = 1;
  Bmp.BitsPerPixel = 4;
  Bmp.Palette = {0x123456};
  Bmp.RowsTopDown = {{0x05}};
  EXPECT_EQ(DecodeBmp(Bmp.Build()).Pixels, (std::vector<uint32_t>{0xFF123456, 0xFF000000}));
  Bmp.Palette.resize(17);  // more colours than 4 bits can index
  EXPECT_THROW(DecodeBmp(Bmp.Build()), EInvalidGraphic);
}

TEST_F(PictureCodecsTest, BmpRoundTripsAt24And32Bits) {
  const TPixelImage Source = RandomImage(37, 19, 1);
  const TBytes Bmp32 = EncodeBmp(Source, 32);
  TPixelImage Decoded = DecodeBmp(Bmp32);
  EXPECT_EQ(Decoded.Pixels, Source.Pixels);
  EXPECT_EQ(Decoded.SourceBitsPerPixel, 32);

  const TBytes Bmp24 = EncodeBmp(Source, 24);
  EXPECT_EQ(Bmp24.size(), 54u + 112u * 19u);  // 37 * 3 = 111 bytes padded to 112
  Decoded = DecodeBmp(Bmp24);
  EXPECT_TRUE(ImagesMatch(Decoded, Source, 0, false));
  EXPECT_FALSE(Decoded.HasAlpha);

  // FFmpeg reads what we write.
  WriteBytes(FDir.File("ours24.bmp"), Bmp24);
  EXPECT_TRUE(ImagesMatch(DecodeWithFfmpeg(FDir.File("ours24.bmp"), 37, 19), Source, 0, false));
  EXPECT_THROW(EncodeBmp(Source, 16), EInvalidGraphic);
  EXPECT_THROW(EncodeBmp(TPixelImage(), 24), EInvalidGraphic);
}

// ---------------------------------------------------------------- PNG

TEST_F(PictureCodecsTest, PngOfEveryColourTypeFfmpegWritesDecodesAsFfmpegDoes) {
  const struct {
    const char* PixelFormat;
    int BitsPerPixel;
    bool HasAlpha;
    int Tolerance;  // 16-bit samples may round differently
  } Cases[] = {{"rgb24", 24, false, 0},   {"rgba", 32, true, 0},      {"rgb48be", 48, false, 1},
               {"rgba64be", 64, true, 1}, {"pal8", 8, false, 0},      {"gray", 8, false, 0},
               {"ya8", 16, true, 0},      {"gray16be", 16, false, 1}, {"ya16be", 32, true, 1},
               {"monob", 1, false, 0}};
  std::vector<std::pair<std::string, std::string>> Files;
  for (const auto& Case : Cases)
    Files.emplace_back(Format("%s.png", Case.PixelFormat), Format("-pix_fmt %s", Case.PixelFormat));
  const std::vector<std::string> FileNames = MakeAllWithFfmpeg(Files);
  const std::vector<TBytes> FfmpegDecoded = DecodeAllWithFfmpeg(FileNames);
  for (size_t I = 0; I < std::size(Cases); ++I) {
    const auto& Case = Cases[I];
    SCOPED_TRACE(Case.PixelFormat);
    const TPixelImage Image = DecodePng(ReadBytes(FileNames[I]));
    EXPECT_EQ(Image.SourceBitsPerPixel, Case.BitsPerPixel);
    EXPECT_EQ(Image.HasAlpha, Case.HasAlpha);
    ExpectSameAs(FfmpegDecoded[I], FileNames[I], Case.Tolerance);
  }
}

// Writes a PNG with libpng; ASample(x, y, channel) gives every sample.
struct TPngSpec {
  int ColorType = PNG_COLOR_TYPE_RGB;
  int BitDepth = 8;
  bool Interlaced = false;
  std::vector<png_color> Palette;
  std::vector<uint8_t> PaletteAlpha;
  bool HasColorKey = false;
  png_color_16 ColorKey{};
};

TPngSpec PngSpec(int AColorType, int ABitDepth, bool AInterlaced) {
  TPngSpec Spec;
  Spec.ColorType = AColorType;
  Spec.BitDepth = ABitDepth;
  Spec.Interlaced = AInterlaced;
  return Spec;
}

void WritePngWithLibpng(const std::string& AFileName, int AWidth, int AHeight, const TPngSpec& ASpec,
                        const std::function<int(int, int, int)>& ASample) {
  FILE* File = std::fopen(AFileName.c_str(), "wb");
  ASSERT_NE(File, nullptr);
  png_structp Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop Info = png_create_info_struct(Png);
  const int Channels = ASpec.ColorType == PNG_COLOR_TYPE_RGB_ALPHA ? 4
                       : ASpec.ColorType == PNG_COLOR_TYPE_RGB     ? 3
                       : ASpec.ColorType == PNG_COLOR_TYPE_GA      ? 2
                                                                   : 1;
  std::vector<TBytes> Rows(size_t(AHeight), TBytes((size_t(AWidth) * Channels * ASpec.BitDepth + 7) / 8, 0));
  for (int Y = 0; Y < AHeight; ++Y)
    for (int X = 0; X < AWidth; ++X)
      for (int C = 0; C < Channels; ++C) {
        const int Value = ASample(X, Y, C);
        const size_t Bit = (size_t(X) * Channels + C) * ASpec.BitDepth;
        if (ASpec.BitDepth == 16) {
          Rows[Y][Bit / 8] = uint8_t(Value >> 8);
          Rows[Y][Bit / 8 + 1] = uint8_t(Value);
        } else {
          Rows[Y][Bit / 8] |= uint8_t(Value << (8 - ASpec.BitDepth - Bit % 8));
        }
      }
  std::vector<png_bytep> RowPointers;
  for (TBytes& Row : Rows) RowPointers.push_back(Row.data());
  if (setjmp(png_jmpbuf(Png)) == 0) {
    png_init_io(Png, File);
    png_set_IHDR(Png, Info, uint32_t(AWidth), uint32_t(AHeight), ASpec.BitDepth, ASpec.ColorType,
                 ASpec.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!ASpec.Palette.empty()) png_set_PLTE(Png, Info, ASpec.Palette.data(), int(ASpec.Palette.size()));
    if (!ASpec.PaletteAlpha.empty())
      png_set_tRNS(Png, Info, ASpec.PaletteAlpha.data(), int(ASpec.PaletteAlpha.size()), nullptr);
    if (ASpec.HasColorKey) png_set_tRNS(Png, Info, nullptr, 0, &ASpec.ColorKey);
    png_write_info(Png, Info);
    png_write_image(Png, RowPointers.data());
    png_write_end(Png, nullptr);
  } else {
    ADD_FAILURE() << "libpng could not write " << AFileName;
  }
  png_destroy_write_struct(&Png, &Info);
  std::fclose(File);
}

TEST_F(PictureCodecsTest, InterlacedLowDepthAndColourKeyedPngDecodeAsFfmpegDoes) {
  const struct {
    const char* Name;
    int ColorType;
    int BitDepth;
    bool Interlaced;
    bool ColorKeyed;
  } Cases[] = {
      {"rgba-interlaced", PNG_COLOR_TYPE_RGB_ALPHA, 8, true, false},
      {"rgb16-interlaced", PNG_COLOR_TYPE_RGB, 16, true, false},
      {"grey2-interlaced", PNG_COLOR_TYPE_GRAY, 2, true, false},
      {"grey4", PNG_COLOR_TYPE_GRAY, 4, false, false},
      {"palette4-alpha", PNG_COLOR_TYPE_PALETTE, 4, true, false},
      {"grey8-key", PNG_COLOR_TYPE_GRAY, 8, false, true},
      {"rgb8-key-interlaced", PNG_COLOR_TYPE_RGB, 8, true, true},
  };
  std::vector<std::string> FileNames;
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TPngSpec Spec = PngSpec(Case.ColorType, Case.BitDepth, Case.Interlaced);
    if (Case.ColorType == PNG_COLOR_TYPE_PALETTE) {
      for (int I = 0; I < 16; ++I)
        Spec.Palette.push_back({uint8_t(I * 16), uint8_t(255 - I * 16), uint8_t(I * 5)});
      Spec.PaletteAlpha = {0, 64, 128, 200};
    }
    Spec.HasColorKey = Case.ColorKeyed;
    Spec.ColorKey = {0, 30, 60, 90, 100};
    const std::string FileName = FDir.File(Format("%s.png", Case.Name));
    // Every fifth pixel carries the colour key.
    WritePngWithLibpng(FileName, 29, 13, Spec, [&](int X, int Y, int C) {
      if (Case.ColorType == PNG_COLOR_TYPE_PALETTE) return (X + Y) % 16;
      if (Case.ColorKeyed && (X + Y) % 5 == 0)
        return Case.ColorType == PNG_COLOR_TYPE_GRAY ? 100 : 30 * (C + 1);
      return (X * 37 + Y * 11 + C * 71) % (1 << Case.BitDepth);
    });
    const TPixelImage Image = DecodePng(ReadBytes(FileName));
    EXPECT_EQ(Image.HasAlpha, Case.ColorType == PNG_COLOR_TYPE_RGB_ALPHA ||
                                  Case.ColorType == PNG_COLOR_TYPE_PALETTE || Case.ColorKeyed);
    FileNames.push_back(FileName);
  }
  const std::vector<TBytes> FfmpegDecoded = DecodeAllWithFfmpeg(FileNames);
  for (size_t I = 0; I < std::size(Cases); ++I) {
    SCOPED_TRACE(Cases[I].Name);
    ExpectSameAs(FfmpegDecoded[I], FileNames[I], Cases[I].BitDepth == 16 ? 1 : 0);
  }
}

TEST_F(PictureCodecsTest, PngRoundTripsWithAndWithoutAlpha) {
  const TPixelImage Source = RandomImage(33, 21, 2);
  const TBytes Rgba = EncodePng(Source, true);
  EXPECT_EQ(DetectPictureFormat(Rgba), pcfPng);
  const TPixelImage Decoded = DecodePng(Rgba);
  EXPECT_EQ(Decoded.Pixels, Source.Pixels);
  EXPECT_TRUE(Decoded.HasAlpha);
  WriteBytes(FDir.File("ours.png"), Rgba);
  EXPECT_TRUE(ImagesMatch(DecodeWithFfmpeg(FDir.File("ours.png"), 33, 21), Source, 0));

  const TPixelImage Opaque = DecodePng(EncodePng(Source, false));
  EXPECT_TRUE(ImagesMatch(Opaque, Source, 0, false));
  EXPECT_FALSE(Opaque.HasAlpha);
  EXPECT_EQ(Opaque.SourceBitsPerPixel, 24);
}

// ---------------------------------------------------------------- JPEG

TEST_F(PictureCodecsTest, JpegDecodesCloseToFfmpeg) {
  for (const char* Sampling : {"yuvj420p", "yuvj444p"}) {
    SCOPED_TRACE(Sampling);
    const std::string FileName =
        MakeWithFfmpeg(Format("%s.jpg", Sampling), Format("-pix_fmt %s -q:v 2", Sampling), kSmoothSource);
    const TPixelImage Ours = DecodeJpeg(ReadBytes(FileName));
    EXPECT_EQ(Ours.SourceBitsPerPixel, 24);
    EXPECT_FALSE(Ours.HasAlpha);
    // The two decoders upsample chroma and round differently; they agree closely.
    EXPECT_LT(MeanColourError(Ours, DecodeWithFfmpeg(FileName, 61, 47)), 2.0);
  }
}

// Writes a grey or CMYK JPEG with libjpeg, which ffmpeg cannot write.
void WriteJpegWithLibjpeg(const std::string& AFileName, int AWidth, int AHeight, J_COLOR_SPACE AColorSpace,
                          const std::function<void(int, int, uint8_t*)>& APixel) {
  const int Components = AColorSpace == JCS_CMYK ? 4 : 1;
  jpeg_compress_struct Info;
  jpeg_error_mgr Errors;
  Info.err = jpeg_std_error(&Errors);
  jpeg_create_compress(&Info);
  FILE* File = std::fopen(AFileName.c_str(), "wb");
  jpeg_stdio_dest(&Info, File);
  Info.image_width = JDIMENSION(AWidth);
  Info.image_height = JDIMENSION(AHeight);
  Info.input_components = Components;
  Info.in_color_space = AColorSpace;
  jpeg_set_defaults(&Info);
  jpeg_set_quality(&Info, 100, TRUE);
  jpeg_start_compress(&Info, TRUE);
  TBytes Row(size_t(AWidth) * Components);
  for (int Y = 0; Y < AHeight; ++Y) {
    for (int X = 0; X < AWidth; ++X) APixel(X, Y, Row.data() + X * Components);
    JSAMPROW RowPointer = Row.data();
    jpeg_write_scanlines(&Info, &RowPointer, 1);
  }
  jpeg_finish_compress(&Info);
  jpeg_destroy_compress(&Info);
  std::fclose(File);
}

TEST_F(PictureCodecsTest, GreyAndAdobeCmykJpeg) {
  const std::string Grey = FDir.File("grey.jpg");
  WriteJpegWithLibjpeg(Grey, 40, 24, JCS_GRAYSCALE,
                       [](int X, int Y, uint8_t* P) { *P = uint8_t(X * 6 + Y); });
  const TPixelImage GreyImage = DecodeJpeg(ReadBytes(Grey));
  EXPECT_EQ(GreyImage.SourceBitsPerPixel, 8);
  EXPECT_TRUE(ImagesMatch(GreyImage, DecodeWithFfmpeg(Grey, 40, 24), 0));

  // Four 8 × 8 blocks of full cyan, magenta, yellow and black ink, stored inverted as
  // Adobe's programs store them (libjpeg writes the Adobe marker for CMYK).
  const std::string Cmyk = FDir.File("cmyk.jpg");
  WriteJpegWithLibjpeg(Cmyk, 32, 8, JCS_CMYK, [](int X, int, uint8_t* P) {
    for (int Ink = 0; Ink < 4; ++Ink) P[Ink] = uint8_t(Ink == X / 8 ? 0 : 255);
  });
  const TPixelImage CmykImage = DecodeJpeg(ReadBytes(Cmyk));
  EXPECT_EQ(CmykImage.SourceBitsPerPixel, 32);
  const uint32_t Expected[4] = {0xFF00FFFF, 0xFFFF00FF, 0xFFFFFF00, 0xFF000000};
  for (int Block = 0; Block < 4; ++Block) {
    TPixelImage Patch;
    ResizePixelImage(Patch, 1, 1, Expected[Block]);
    TPixelImage Centre;
    ResizePixelImage(Centre, 1, 1, CmykImage.Pixel(Block * 8 + 4, 4));
    EXPECT_TRUE(ImagesMatch(Centre, Patch, 4)) << "block " << Block;
  }
}

TEST_F(PictureCodecsTest, JpegRoundTripStaysCloseAndQualityControlsSize) {
  const TPixelImage Source =
      DecodePng(ReadBytes(MakeWithFfmpeg("source.png", "-pix_fmt rgb24", kSmoothSource)));
  const TBytes Best = EncodeJpeg(Source, 95);
  const TBytes Default = EncodeJpeg(Source, 90);
  const TBytes Poor = EncodeJpeg(Source, 10);
  EXPECT_EQ(DetectPictureFormat(Default), pcfJpeg);
  EXPECT_GT(Best.size(), Default.size());
  EXPECT_GT(Default.size(), Poor.size());
  EXPECT_LT(MeanColourError(DecodeJpeg(Default), Source), 4.0);
  EXPECT_GT(MeanColourError(DecodeJpeg(Poor), Source), MeanColourError(DecodeJpeg(Best), Source));
  // Quality is clamped, and FFmpeg reads what we write.
  EXPECT_EQ(EncodeJpeg(Source, 0), EncodeJpeg(Source, 1));
  WriteBytes(FDir.File("ours.jpg"), Default);
  EXPECT_LT(MeanColourError(DecodeWithFfmpeg(FDir.File("ours.jpg"), 61, 47), DecodeJpeg(Default)), 2.0);
}

TEST(JpegTest, DamageRaisesTheLibrarysNumberedError) {
  const TBytes NotJpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0, 2, 0xFF, 0xD9};
  try {
    DecodeJpeg(NotJpeg);
    FAIL() << "no exception";
  } catch (const EInvalidGraphic& E) {
    EXPECT_EQ(E.Message().rfind("JPEG error #", 0), 0u) << E.Message();
  }
}

// ---------------------------------------------------------------- icons and cursors

TEST_F(PictureCodecsTest, IconsWithBitmapAndPngImagesDecodeAsFfmpegDoes) {
  for (const char* Codec : {"bmp", "png"}) {
    SCOPED_TRACE(Codec);
    const std::string FileName =
        MakeWithFfmpeg(Format("%s.ico", Codec),
                       Format("-c:v %s -pix_fmt %s", Codec, Codec == std::string("bmp") ? "bgra" : "rgba"),
                       "testsrc2=s=48x32,format=rgba,geq=r='r(X,Y)':g='g(X,Y)':b='b(X,Y)':a='5*X'");
    const TBytes Data = ReadBytes(FileName);
    EXPECT_EQ(DetectPictureFormat(Data), pcfIcon);
    const TPixelImage Image = DecodeIcon(Data);
    EXPECT_EQ(Image.Width, 48);
    EXPECT_EQ(Image.Height, 32);
    EXPECT_TRUE(Image.HasAlpha);
    ExpectSameAsFfmpeg(FileName, 0);
  }
}

// An icon file of the given images (each a complete PNG or a bitmap with its mask).
TBytes BuildIconFile(uint16_t AType, const std::vector<std::pair<TSize, TBytes>>& AImages,
                     TPoint AHotSpot = {}) {
  TBytes File;
  AppendLE16(File, 0);
  AppendLE16(File, AType);
  AppendLE16(File, uint16_t(AImages.size()));
  size_t Offset = 6 + 16 * AImages.size();
  for (const auto& [Size, Data] : AImages) {
    File.push_back(uint8_t(Size.cx));
    File.push_back(uint8_t(Size.cy));
    File.push_back(0);
    File.push_back(0);
    AppendLE16(File, uint16_t(AType == 2 ? AHotSpot.X : 1));
    AppendLE16(File, uint16_t(AType == 2 ? AHotSpot.Y : 32));
    AppendLE32(File, uint32_t(Data.size()));
    AppendLE32(File, uint32_t(Offset));
    Offset += Data.size();
  }
  for (const auto& Image : AImages) File.insert(File.end(), Image.second.begin(), Image.second.end());
  return File;
}

TEST(IconTest, PaletteIconTakesItsTransparencyFromTheAndMask) {
  // 8 × 2 pixels of 4 bits; header height 4 = colour rows and mask rows together.
  TBytes Dib;
  AppendLE32(Dib, 40);
  AppendLE32(Dib, 8);
  AppendLE32(Dib, 4);
  AppendLE16(Dib, 1);
  AppendLE16(Dib, 4);
  Dib.resize(40, 0);
  for (uint32_t I = 0; I < 16; ++I) AppendLE32(Dib, I * 0x111111);
  const TBytes Colours = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};  // bottom row, then top row
  Dib.insert(Dib.end(), Colours.begin(), Colours.end());
  const TBytes Mask = {0xF0, 0, 0, 0, 0x0F, 0, 0, 0};  // bottom row: left half clear; top row: right half
  Dib.insert(Dib.end(), Mask.begin(), Mask.end());

  const TPixelImage Image = DecodeIcon(BuildIconFile(1, {{{8, 2}, Dib}}));
  ASSERT_EQ(Image.Width, 8);
  ASSERT_EQ(Image.Height, 2);
  EXPECT_EQ(Image.SourceBitsPerPixel, 4);
  EXPECT_TRUE(Image.HasAlpha);
  for (int X = 0; X < 8; ++X) {
    EXPECT_EQ(Image.Pixel(X, 0), (X < 4 ? 0xFF000000 : 0u) | (8 + X) * 0x111111u) << X;
    EXPECT_EQ(Image.Pixel(X, 1), (X < 4 ? 0u : 0xFF000000) | X * 0x111111u) << X;
  }
  // Without its mask a palette icon is damaged.
  Dib.resize(Dib.size() - Mask.size());
  EXPECT_THROW(DecodeIcon(BuildIconFile(1, {{{8, 2}, Dib}})), EInvalidGraphic);
}

TEST_F(PictureCodecsTest, CursorKeepsItsHotSpotAndTheLargestImageIsChosen) {
  TPixelImage Small;
  ResizePixelImage(Small, 16, 16, 0x80112233);
  const TPixelImage Large = RandomImage(32, 24, 3);
  const TBytes Cursor =
      BuildIconFile(2, {{{16, 16}, EncodePng(Small, true)}, {{32, 24}, EncodePng(Large, true)}}, {5, 7});
  EXPECT_EQ(DetectPictureFormat(Cursor), pcfCursor);

  const std::vector<TIconEntry> Entries = ReadIconDirectory(Cursor);
  ASSERT_EQ(Entries.size(), 2u);
  EXPECT_EQ(Entries[0].Width, 16);
  EXPECT_EQ(Entries[1].Height, 24);
  EXPECT_EQ(DecodeIconEntry(Cursor, Entries[0]).Pixels, Small.Pixels);

  const TPixelImage Chosen = DecodeIcon(Cursor);
  EXPECT_EQ(Chosen.Pixels, Large.Pixels);
  EXPECT_EQ(Chosen.HotSpot, (TPoint{5, 7}));

  // An entry reaching past the end of the file makes the directory invalid.
  TBytes Damaged = Cursor;
  PutLE32(Damaged, 6 + 16 + 8, uint32_t(Cursor.size()));
  EXPECT_THROW(ReadIconDirectory(Damaged), EInvalidGraphic);
}

TEST_F(PictureCodecsTest, WrittenIconRoundTripsAndFfmpegReadsIt) {
  const TPixelImage Source = RandomImage(24, 20, 4);
  const TBytes Icon = EncodeIcon(Source);
  EXPECT_EQ(DetectPictureFormat(Icon), pcfIcon);
  EXPECT_EQ(DecodeIcon(Icon).Pixels, Source.Pixels);
  WriteBytes(FDir.File("ours.ico"), Icon);
  EXPECT_TRUE(ImagesMatch(DecodeWithFfmpeg(FDir.File("ours.ico"), 24, 20), Source, 0));
}

// ---------------------------------------------------------------- damaged and hostile files

class DamagedPicturesTest : public PictureCodecsTest {
 protected:
  std::vector<std::pair<std::string, TBytes>> Samples() {
    std::vector<std::pair<std::string, TBytes>> Result;
    const auto Add = [&](const std::string& AName, const std::string& AOptions) {
      Result.emplace_back(AName, ReadBytes(MakeWithFfmpeg(AName, AOptions)));
    };
    Add("24.bmp", "-pix_fmt bgr24");
    Add("8.bmp", "-pix_fmt pal8");
    Add("16.bmp", "-pix_fmt rgb565le");
    Add("rgba.png", "-pix_fmt rgba");
    Add("pal.png", "-pix_fmt pal8");
    Add("420.jpg", "-pix_fmt yuvj420p");
    Add("bmp.ico", "-c:v bmp -pix_fmt bgra");
    Add("png.ico", "-c:v png -pix_fmt rgba");
    const std::string Interlaced = FDir.File("interlaced.png");
    WritePngWithLibpng(Interlaced, 23, 17, PngSpec(PNG_COLOR_TYPE_RGB_ALPHA, 8, true),
                       [](int X, int Y, int C) { return (X * 13 + Y * 7 + C * 50) % 256; });
    Result.emplace_back("interlaced.png", ReadBytes(Interlaced));
    const std::string Lossless = MakeWithFfmpeg("lossless.png", "-pix_fmt rgb24");
    Result.emplace_back("ours.jpg", EncodeJpeg(DecodePng(ReadBytes(Lossless)), 75));
    return Result;
  }
};

// Decodes damaged data: it either decodes into a consistent picture or raises
// EInvalidGraphic; any other outcome fails. Returns whether it decoded.
bool DecodesOrRaises(const TBytes& AData) {
  try {
    const TPixelImage Image = DecodePicture(AData);
    EXPECT_EQ(Image.Pixels.size(), size_t(Image.Width) * size_t(Image.Height));
    EXPECT_GT(Image.Width, 0);
    return true;
  } catch (const EInvalidGraphic&) {
    return false;
  }
}

TEST_F(DamagedPicturesTest, EveryTruncationRaisesOrDecodes) {
  for (const auto& [Name, Data] : Samples()) {
    SCOPED_TRACE(Name);
    const size_t Step = std::max<size_t>(1, Data.size() / 150);
    for (size_t Length = 0; Length < Data.size(); Length += Length < 96 ? 1 : Step) {
      const TBytes Prefix(Data.begin(), Data.begin() + Length);
      // Without the second half of the file the pixels are missing: that must raise.
      if (DecodesOrRaises(Prefix)) {
        EXPECT_GT(Length, Data.size() / 2) << "decoded a prefix of " << Length;
      }
    }
  }
}

TEST_F(DamagedPicturesTest, FlippedBitsRaiseOrDecode) {
  std::mt19937 Random(20260);
  for (const auto& [Name, Data] : Samples()) {
    SCOPED_TRACE(Name);
    for (int Mutant = 0; Mutant < 250; ++Mutant) {
      TBytes Damaged = Data;
      const int Flips = 1 + int(Random() % 4);
      // Half of the damage goes to the headers, where it does the most harm.
      for (int I = 0; I < Flips; ++I) {
        const size_t Limit = Mutant % 2 ? Damaged.size() : std::min<size_t>(Damaged.size(), 128);
        Damaged[Random() % Limit] ^= uint8_t(1u << (Random() % 8));
      }
      DecodesOrRaises(Damaged);
    }
  }
}

long PeakMemoryKiB() {
  rusage Usage{};
  getrusage(RUSAGE_SELF, &Usage);
  return Usage.ru_maxrss;
}

TEST_F(PictureCodecsTest, HugeDimensionsRaiseWithoutAllocating) {
  std::vector<std::pair<std::string, TBytes>> Hostile;

  TBytes Bmp = ReadBytes(MakeWithFfmpeg("x.bmp", "-pix_fmt bgr24"));
  PutLE32(Bmp, 18, 100000);
  PutLE32(Bmp, 22, 100000);
  Hostile.emplace_back("bmp 100000x100000", Bmp);
  PutLE32(Bmp, 18, 20000);  // within the limits, but far beyond the file
  PutLE32(Bmp, 22, 12000);
  Hostile.emplace_back("bmp 20000x12000", Bmp);

  TBytes Png = ReadBytes(MakeWithFfmpeg("x.png", "-pix_fmt rgba"));
  for (const auto& [Width, Height] : {std::pair<uint32_t, uint32_t>{100000, 100000}, {20000, 12000}}) {
    PutBE32(Png, 16, Width);  // IHDR data starts at 16; its CRC follows the 13 bytes
    PutBE32(Png, 20, Height);
    PutBE32(Png, 29, uint32_t(crc32(crc32(0, nullptr, 0), Png.data() + 12, 17)));
    Hostile.emplace_back(Format("png %ux%u", Width, Height), Png);
  }

  TBytes Jpeg = ReadBytes(MakeWithFfmpeg("x.jpg", "-pix_fmt yuvj420p"));
  for (size_t I = 2; I + 9 < Jpeg.size(); ++I)
    if (Jpeg[I] == 0xFF && Jpeg[I + 1] == 0xC0) {  // the frame header: length, precision, height, width
      Jpeg[I + 5] = uint8_t(12000 >> 8);
      Jpeg[I + 6] = uint8_t(12000 & 0xFF);
      Jpeg[I + 7] = uint8_t(20000 >> 8);
      Jpeg[I + 8] = uint8_t(20000 & 0xFF);
      break;
    }
  Hostile.emplace_back("jpeg 20000x12000", Jpeg);

  TBytes Dib(40, 0);
  PutLE32(Dib, 0, 40);
  PutLE32(Dib, 4, 20000);
  PutLE32(Dib, 8, 24000);
  PutLE16(Dib, 12, 1);
  PutLE16(Dib, 14, 32);
  Hostile.emplace_back("icon 20000x12000", BuildIconFile(1, {{{0, 0}, Dib}}));

  const long PeakBefore = PeakMemoryKiB();
  for (const auto& [Name, Data] : Hostile) EXPECT_THROW(DecodePicture(Data), EInvalidGraphic) << Name;
  EXPECT_LT(PeakMemoryKiB() - PeakBefore, 64 * 1024) << "a hostile header made the reader allocate";
}

// The small damaged files kept in tests/fixtures/pictures/ (headers that claim more than
// the file holds, files cut short): each is refused with the readers' own exception,
// without allocating what the header claims.
TEST_F(PictureCodecsTest, EveryHostileFixtureIsRefused) {
  int Files = 0;
  const long PeakBefore = PeakMemoryKiB();
  for (const auto& Entry : std::filesystem::directory_iterator(FixtureFile("pictures"))) {
    ++Files;
    EXPECT_THROW(DecodePicture(ReadBytes(Entry.path().string())), EInvalidGraphic) << Entry.path().filename();
  }
  EXPECT_GE(Files, 6);
  EXPECT_LT(PeakMemoryKiB() - PeakBefore, 64 * 1024) << "a hostile header made the reader allocate";
}

}  // namespace
