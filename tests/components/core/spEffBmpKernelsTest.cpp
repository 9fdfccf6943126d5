// The pixel kernels: the blend and key cases as one table, and every row kernel against
// a per-pixel model over random rows of every length around the vector width.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "components/core/spEffBmp.h"

namespace {

enum TKernelCase { kcBlendPixel, kcBlendRow, kcCopyRowTransparent };

struct TPixelCase {
  const char* What;
  TKernelCase Kernel;
  TspColor Source;
  TspColor Dest;
  TspColor Expected;
};

// Channels in the comments are red, green, blue, alpha.
const TPixelCase PixelCases[] = {
    // (255 × 128) >> 8 = 127 red, (255 × 127) >> 8 = 126 blue, opaque.
    {"half red over blue", kcBlendRow, 0x80FF0000, 0xFF0000FF, 0xFF7F007E},
    {"half red over blue, one pixel", kcBlendPixel, 0x80FF0000, 0xFF0000FF, 0xFF7F007E},
    {"clear source keeps the destination and its alpha", kcBlendRow, 0x00123456, 0x80ABCDEF, 0x80ABCDEF},
    {"clear source, one pixel", kcBlendPixel, 0x00123456, 0x80ABCDEF, 0x80ABCDEF},
    {"opaque source is copied", kcBlendRow, 0xFF102030, 0x80ABCDEF, 0xFF102030},
    // (255 × 1) >> 8 = 0 and (255 × 254) >> 8 = 253: the remainder is dropped.
    {"alpha 1 over black", kcBlendRow, 0x01FFFFFF, 0x00000000, 0xFF000000},
    {"alpha 254 over black", kcBlendRow, 0xFEFFFFFF, 0x00000000, 0xFFFDFDFD},
    {"alpha 254 over white", kcBlendRow, 0xFE000000, 0x00FFFFFF, 0xFF000000},
    {"key is skipped", kcCopyRowTransparent, 0xFF7F007F, 0x11223344, 0x11223344},
    {"key with alpha 0 is skipped", kcCopyRowTransparent, 0x007F007F, 0x11223344, 0x11223344},
    {"key with partial alpha is skipped", kcCopyRowTransparent, 0x807F007F, 0x11223344, 0x11223344},
    {"next to the key is copied opaque", kcCopyRowTransparent, 0x007F0080, 0x11223344, 0xFF7F0080},
    {"any other pixel is copied opaque", kcCopyRowTransparent, 0x10203040, 0x11223344, 0xFF203040},
};

// Runs the kernel of ACase on a row of ACount copies, so that the vector path (four at
// a time) and the rest both see the case.
TspColor RunCase(const TPixelCase& ACase, int ACount) {
  if (ACase.Kernel == kcBlendPixel) return PixelKernels.BlendPixel(ACase.Source, ACase.Dest);
  std::vector<TspColor> Source(ACount, ACase.Source), Dest(ACount, ACase.Dest);
  if (ACase.Kernel == kcBlendRow) {
    PixelKernels.BlendRow(Source.data(), Dest.data(), ACount);
  } else {
    PixelKernels.CopyRowTransparent(Source.data(), Dest.data(), ACount);
  }
  for (TspColor Pixel : Dest) EXPECT_EQ(Pixel, Dest[0]) << ACase.What;
  return Dest[0];
}

TEST(PixelKernelsTest, BlendAndKeyCases) {
  for (const TPixelCase& Case : PixelCases) {
    for (int Count : {1, 4, 7}) {
      EXPECT_EQ(RunCase(Case, Count), Case.Expected) << Case.What << ", " << Count << " pixels";
    }
  }
}

TspColor ModelBlend(TspColor S, TspColor D) {
  const uint32_t A = S >> 24;
  if (A == 255) return S;
  if (A == 0) return D;
  TspColor Result = 0xFF000000;
  for (int Shift = 0; Shift <= 16; Shift += 8) {
    Result |= ((((S >> Shift) & 0xFF) * A + ((D >> Shift) & 0xFF) * (255 - A)) >> 8) << Shift;
  }
  return Result;
}

TspColor ModelKeyed(TspColor S, TspColor D) { return (S & 0xFFFFFF) == 0x7F007F ? D : S | 0xFF000000; }

// Random pixels with the alphas that take different paths: clear, opaque and between,
// and the key now and then.
std::vector<TspColor> RandomRow(std::mt19937& ARandom, int ACount) {
  std::vector<TspColor> Row(ACount);
  for (TspColor& Pixel : Row) {
    const uint32_t Kind = ARandom() % 4;
    Pixel = ARandom() & 0xFFFFFF;
    if (ARandom() % 8 == 0) Pixel = 0x7F007F;
    Pixel |= (Kind == 0 ? 0u : Kind == 1 ? 255u : ARandom() & 0xFF) << 24;
  }
  return Row;
}

TEST(PixelKernelsTest, RowKernelsMatchThePixelModelOnRandomRows) {
  std::mt19937 Random(2024);
  for (int Round = 0; Round < 200; ++Round) {
    const int Count = Round % 19;
    const std::vector<TspColor> Source = RandomRow(Random, Count);
    const std::vector<TspColor> Dest = RandomRow(Random, Count);
    std::vector<TspColor> Blended = Dest, Keyed = Dest, Moved = Dest;
    PixelKernels.BlendRow(Source.data(), Blended.data(), Count);
    PixelKernels.CopyRowTransparent(Source.data(), Keyed.data(), Count);
    PixelKernels.MoveRow(Source.data(), Moved.data(), Count);
    for (int I = 0; I < Count; ++I) {
      ASSERT_EQ(Blended[I], ModelBlend(Source[I], Dest[I])) << "pixel " << I << " of " << Count;
      ASSERT_EQ(Blended[I], PixelKernels.BlendPixel(Source[I], Dest[I]));
      ASSERT_EQ(Keyed[I], ModelKeyed(Source[I], Dest[I])) << "pixel " << I << " of " << Count;
    }
    EXPECT_EQ(Moved, Source);
  }
}

TEST(PixelKernelsTest, FillsAndAlphaCoverInclusiveRectanglesAndNothingWhenInverted) {
  std::vector<TspColor> Pixels(5 * 4, 0x11223344);
  PixelKernels.FillRectPixels(Pixels.data(), 5, 0xAABBCCDD, 1, 1, 3, 2);
  PixelKernels.SetRectAlpha(Pixels.data(), 5, 0x7F, 0, 3, 4, 3);
  PixelKernels.FillRectPixels(Pixels.data(), 5, 0, 3, 0, 2, 3);  // last column left of the first
  PixelKernels.SetRectAlpha(Pixels.data(), 5, 0, 0, 2, 4, 1);    // last row above the first
  PixelKernels.FillRow(Pixels.data(), 0, 0);
  PixelKernels.SetRowAlpha(Pixels.data(), -1, 0);
  for (int Y = 0; Y < 4; ++Y) {
    for (int X = 0; X < 5; ++X) {
      TspColor Expected = 0x11223344;
      if (X >= 1 && X <= 3 && Y >= 1 && Y <= 2) Expected = 0xAABBCCDD;
      if (Y == 3) Expected = 0x7F223344;
      EXPECT_EQ(Pixels[Y * 5 + X], Expected) << X << "," << Y;
    }
  }
}

TEST(PixelKernelsTest, TheVectorUnitNeedsTheInstructionFamilyFiveAndTheFlag) {
  constexpr uint32_t MMX = 1u << 23;
  EXPECT_FALSE(IsVectorUnitUsable(false, 0x600, MMX)) << "no identification instruction";
  EXPECT_FALSE(IsVectorUnitUsable(true, 0x400, MMX)) << "family 4";
  EXPECT_FALSE(IsVectorUnitUsable(true, 0x600, 0)) << "no MMX flag";
  EXPECT_TRUE(IsVectorUnitUsable(true, 0x500, MMX));
  EXPECT_TRUE(IsVectorUnitUsable(true, 0xF00, MMX | 1));
}

TEST(PixelKernelsTest, ColoursBecomePixelsWithTheirBytesReversed) {
  EXPECT_EQ(ColorToPixel(RGB(0x12, 0x34, 0x56)), 0xFF123456u);
  EXPECT_EQ(ColorAlphaToPixel(RGB(0x12, 0x34, 0x56), 0x40), 0x40123456u);
  EXPECT_EQ(ColorToPixel(clBtnFace), ColorToPixel(ColorToRGB(clBtnFace))) << "system colours are resolved";
}

}  // namespace
