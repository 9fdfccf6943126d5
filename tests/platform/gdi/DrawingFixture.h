#pragma once
// An off-screen bitmap with a memory device context for pixel-exact drawing tests.

#include <cstdint>
#include <cstring>

#include "platform/base/Strings.h"
#include "platform/gdi/DeviceContext.h"
#include "tests/support/Pictures.h"

class TTestBitmap {
 public:
  // A top-down DIB section of the given format, every pixel set to AFill (0xAARRGGBB).
  TTestBitmap(int AWidth, int AHeight, uint32_t AFill = 0, int ABitsPerPixel = 32)
      : Bitmap(CreateDib(AWidth, AHeight, ABitsPerPixel)), DC(CreateCompatibleDC(nullptr)) {
    FOldBitmap = SelectObject(DC, Bitmap);
    Fill(AFill);
  }
  ~TTestBitmap() {
    SelectObject(DC, FOldBitmap);
    DeleteDC(DC);
    DeleteObject(Bitmap);
  }
  TTestBitmap(const TTestBitmap&) = delete;
  TTestBitmap& operator=(const TTestBitmap&) = delete;

  void Fill(uint32_t AValue) {
    for (int Y = 0; Y < Height(); ++Y)
      for (int X = 0; X < Width(); ++X) Set(X, Y, AValue);
  }
  // The raw pixel value (0xAARRGGBB; alpha 0 for a 24-bit bitmap).
  uint32_t At(int AX, int AY) const {
    const TSurface& S = Bitmap->Surface();
    uint32_t Value = 0;
    std::memcpy(&Value, S.Pixel(AX, AY), S.BytesPerPixel());
    return Value;
  }
  void Set(int AX, int AY, uint32_t AValue) {
    const TSurface& S = Bitmap->Surface();
    std::memcpy(S.Pixel(AX, AY), &AValue, S.BytesPerPixel());
  }
  int Width() const { return Bitmap->Width(); }
  int Height() const { return Bitmap->Height(); }

  // The rows of the rectangle as text: '#' for pixels other than ABackground, '.' for
  // the others, rows separated by '\n'.
  String Picture(const TRect& AArea, uint32_t ABackground) const {
    return testing_support::AsciiPicture(AArea, [this](int AX, int AY) { return At(AX, AY); },
                                         {{ABackground, '.'}});
  }
  String Picture(uint32_t ABackground) const { return Picture(Rect(0, 0, Width(), Height()), ABackground); }

  HBITMAP const Bitmap;
  HDC const DC;

 private:
  HGDIOBJ FOldBitmap = nullptr;
};
