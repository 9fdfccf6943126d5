#pragma once
// A white 32-bit bitmap in a memory device context for the text tests, with black
// text in the pinned test font and helpers that read the ink back.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Text.h"

constexpr const char* TestFontName = "DejaVu Sans";

inline HFONT CreateTestFont(int AHeight, int AWeight = FW_NORMAL, int AEscapement = 0) {
  LOGFONT logFont;
  logFont.lfFaceName = TestFontName;
  logFont.lfHeight = AHeight;
  logFont.lfWeight = AWeight;
  logFont.lfEscapement = AEscapement;
  return CreateFontIndirect(logFont);
}

class TTextCanvas {
 public:
  // Opaque white pixels (alpha 255), black text, transparent background mode, and the
  // font selected when given (the canvas does not own it).
  TTextCanvas(int AWidth, int AHeight, HFONT AFont = nullptr) {
    FBitmap = CreateDib(AWidth, AHeight, 32);
    FDC = CreateCompatibleDC(nullptr);
    SelectObject(FDC, FBitmap);
    const TSurface& surface = FDC->Surface();
    for (int y = 0; y < surface.Height; ++y) std::memset(surface.Row(y), 0xFF, size_t(surface.Width) * 4);
    SetTextColor(FDC, RGB(0, 0, 0));
    SetBkMode(FDC, TRANSPARENT);
    if (AFont) SelectObject(FDC, AFont);
  }
  ~TTextCanvas() {
    DeleteDC(FDC);
    DeleteObject(FBitmap);
  }
  TTextCanvas(const TTextCanvas&) = delete;
  TTextCanvas& operator=(const TTextCanvas&) = delete;

  HDC DC() const { return FDC; }
  int Width() const { return FDC->Surface().Width; }
  int Height() const { return FDC->Surface().Height; }
  const uint8_t* Pixel(int AX, int AY) const { return FDC->Surface().Pixel(AX, AY); }
  // How much black went onto a white pixel: 0 untouched, 255 fully covered.
  int Ink(int AX, int AY) const { return 255 - Pixel(AX, AY)[2]; }

  // The smallest rectangle around every pixel with more ink than AThreshold (all
  // zero when there is none).
  TRect InkBox(int AThreshold = 0) const {
    TRect box{Width(), Height(), 0, 0};
    for (int y = 0; y < Height(); ++y)
      for (int x = 0; x < Width(); ++x)
        if (Ink(x, y) > AThreshold)
          box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                 std::max(box.Bottom, y + 1)};
    return box.Left < box.Right ? box : TRect{};
  }
  long InkSum(const TRect& AArea) const {
    long sum = 0;
    for (int y = std::max(0, AArea.Top); y < std::min(Height(), AArea.Bottom); ++y)
      for (int x = std::max(0, AArea.Left); x < std::min(Width(), AArea.Right); ++x) sum += Ink(x, y);
    return sum;
  }
  long InkSum() const { return InkSum({0, 0, Width(), Height()}); }
  // True when the two canvases have the same pixels in AArea of this one, AArea
  // shifted by (ADX, ADY) in the other.
  bool SamePixels(const TTextCanvas& AOther, const TRect& AArea, int ADX = 0, int ADY = 0) const {
    for (int y = AArea.Top; y < AArea.Bottom; ++y)
      for (int x = AArea.Left; x < AArea.Right; ++x)
        if (std::memcmp(Pixel(x, y), AOther.Pixel(x + ADX, y + ADY), 4) != 0) return false;
    return true;
  }

 private:
  HBITMAP FBitmap = nullptr;
  HDC FDC = nullptr;
};

// Deletes a font at the end of a test.
struct TFontGuard {
  HFONT Font;
  explicit TFontGuard(HFONT AFont) : Font(AFont) {}
  ~TFontGuard() { DeleteObject(Font); }
  TFontGuard(const TFontGuard&) = delete;
  TFontGuard& operator=(const TFontGuard&) = delete;
};
