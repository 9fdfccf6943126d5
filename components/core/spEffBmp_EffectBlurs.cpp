// The neighbour blurs of TspEffectBmp: SplitBlur and the mask-driven MaskBlur and
// MaskAntialiasing. A pixel becomes the average of the four pixels AAmount away
// diagonally; a neighbour that would lie before the first row (column) is the pixel's
// own row (column), one past the last is mirrored (H − y) and kept inside the bitmap.

#include <algorithm>

#include "components/core/spEffBmp.h"

namespace {

struct TBlurNeighbours {
  int Up, Down, Left, Right;
};

int BlurBefore(int APosition, int AAmount) {
  return APosition - AAmount >= 0 ? APosition - AAmount : APosition;
}

int BlurAfter(int APosition, int AAmount, int ALimit, int ASize) {
  return APosition + AAmount < ALimit ? APosition + AAmount : std::min(ASize - APosition, ASize - 1);
}

TBlurNeighbours BlurNeighboursOf(int AX, int AY, int AAmount, int AWidth, int AHeight) {
  return {BlurBefore(AY, AAmount), BlurAfter(AY, AAmount, AHeight, AHeight), BlurBefore(AX, AAmount),
          BlurAfter(AX, AAmount, AWidth, AWidth)};
}

bool IsWhiteMaskPixel(const TspEffectBmp& AMask, int AX, int AY) {
  return AMask.GetPixel(AX, AY) == 0xFFFFFF;
}

}  // namespace

template <typename TChoose>
void TspEffectBmp::BlurNeighbours(int AAmount, TChoose&& AShouldBlur) {
  if (AAmount <= 0) return;
  for (int Y = 0; Y < FHeight; ++Y) {
    for (int X = 0; X < FWidth; ++X) {
      if (!AShouldBlur(X, Y)) continue;
      const TBlurNeighbours N = BlurNeighboursOf(X, Y, AAmount, FWidth, FHeight);
      const uint8_t* Corners[4] = {GetScanLinePtr(N.Up) + 3 * N.Left, GetScanLinePtr(N.Down) + 3 * N.Left,
                                   GetScanLinePtr(N.Up) + 3 * N.Right, GetScanLinePtr(N.Down) + 3 * N.Right};
      uint8_t* Pixel = GetScanLinePtr(Y) + 3 * X;
      for (int I = 0; I < 3; ++I) {
        Pixel[I] = uint8_t((Corners[0][I] + Corners[1][I] + Corners[2][I] + Corners[3][I]) >> 2);
      }
    }
  }
}

void TspEffectBmp::SplitBlur(int AAmount) {
  BlurNeighbours(AAmount, [](int, int) { return true; });
}

void TspEffectBmp::MaskBlur(const TspEffectBmp& AMask, int AAmount) {
  if (!MaskFits(AMask)) return;
  BlurNeighbours(AAmount, [&](int AX, int AY) { return !IsWhiteMaskPixel(AMask, AX, AY); });
}

void TspEffectBmp::MaskAntialiasing(const TspEffectBmp& AMask, int AAmount) {
  if (!MaskFits(AMask)) return;
  BlurNeighbours(AAmount, [&](int AX, int AY) {
    if (IsWhiteMaskPixel(AMask, AX, AY)) return false;
    // The mask may be higher than the picture: its lower row may lie below the
    // picture's last.
    const TBlurNeighbours N = BlurNeighboursOf(AX, AY, AAmount, FWidth, FHeight);
    const int MaskDown = BlurAfter(AY, AAmount, AMask.Height(), FHeight);
    return IsWhiteMaskPixel(AMask, N.Left, N.Up) || IsWhiteMaskPixel(AMask, N.Left, MaskDown) ||
           IsWhiteMaskPixel(AMask, N.Right, N.Up) || IsWhiteMaskPixel(AMask, N.Right, MaskDown);
  });
}
