// TransparentBlt and AlphaBlend: transfers that keep part of the destination.

#include <cstring>

#include "platform/gdi/Blit.h"
#include "platform/gdi/BlitCoreInternal.h"

namespace {

// Maps the call's blocks onto bitmaps; false, as the window system answers, when a
// size is not positive or the source block leaves the source bitmap.
bool MakeKeepingTransfer(TTransfer& ATransfer, HDC ADest, int AX, int AY, int AWidth, int AHeight,
                         HDC ASource, int AXSrc, int AYSrc, int AWidthSrc, int AHeightSrc) {
  if (!ADest || !ASource || AWidth <= 0 || AHeight <= 0 || AWidthSrc <= 0 || AHeightSrc <= 0) return false;
  const TPoint Corner = ADest->LogicalToSurface(Point(AX, AY));
  const TPoint SourceCorner = ASource->LogicalToSurface(Point(AXSrc, AYSrc));
  const TSurface& Source = ASource->Surface();
  if (SourceCorner.X < 0 || SourceCorner.Y < 0 || SourceCorner.X > Source.Width - AWidthSrc ||
      SourceCorner.Y > Source.Height - AHeightSrc)
    return false;
  return MakeTransfer(ATransfer, Corner.X, Corner.Y, AWidth, AHeight, Source, SourceCorner.X, SourceCorner.Y,
                      AWidthSrc, AHeightSrc);
}

// m(S, k) + m(D, 255 − k) on every channel. The sum never exceeds 255, since
// m(255, k) + m(255, 255 − k) = 255.
uint32_t BlendConstant(uint32_t ASource, uint32_t ADest, uint32_t AAlpha) {
  return ScalePixel(ASource, AAlpha) + ScalePixel(ADest, 255 - AAlpha);
}

// S' := m(S, k); D := S' + m(D, 255 − alpha of S'), saturating (a source that is not
// properly premultiplied may exceed 255). Opaque and transparent sources need no special
// case: m(D, 0) = 0 and m(D, 255) = D.
uint32_t BlendPremultiplied(uint32_t ASource, uint32_t ADest, uint32_t AAlpha) {
  const uint32_t Source = ScalePixel(ASource, AAlpha);
  return AddPixelsSaturating(Source, ScalePixel(ADest, 255 - (Source >> 24)));
}

// Four pixels per step, one 16-bit lane per channel (GCC vector extensions: plain SIMD
// where the processor has it, scalar code elsewhere), with the same arithmetic as the
// one-pixel kernels above. The 32-byte lane vectors pass by reference only, since their
// passing by value differs between processors with and without AVX.
using TBytes = uint8_t __attribute__((vector_size(16)));
using TWords = uint16_t __attribute__((vector_size(32)));

void LoadFour(const uint32_t* APixels, TWords& ALanes) {
  TBytes Bytes;
  std::memcpy(&Bytes, APixels, sizeof(Bytes));
  ALanes = __builtin_convertvector(Bytes, TWords);
}

// Every lane holds a value of 0 to 255.
void StoreFour(uint32_t* APixels, const TWords& ALanes) {
  const TBytes Bytes = __builtin_convertvector(ALanes, TBytes);
  std::memcpy(APixels, &Bytes, sizeof(Bytes));
}

// ALanes := m(ALanes, AFactor) lane by lane.
void ScaleLanes(TWords& ALanes, const TWords& AFactor) {
  const TWords T = ALanes * AFactor + 128;
  ALanes = (T + (T >> 8)) >> 8;
}

void BlendConstantRow(uint32_t* ADest, const uint32_t* ASource, int ACount, uint32_t AAlpha) {
  const TWords Alpha = TWords{} + uint16_t(AAlpha), Rest = TWords{} + uint16_t(255 - AAlpha);
  int I = 0;
  for (; I + 4 <= ACount; I += 4) {
    TWords Source, Dest;
    LoadFour(ASource + I, Source);
    LoadFour(ADest + I, Dest);
    ScaleLanes(Source, Alpha);
    ScaleLanes(Dest, Rest);
    StoreFour(ADest + I, Source + Dest);
  }
  for (; I < ACount; ++I) ADest[I] = BlendConstant(ASource[I], ADest[I], AAlpha);
}

void BlendPremultipliedRow(uint32_t* ADest, const uint32_t* ASource, int ACount, uint32_t AAlpha) {
  const TWords Alpha = TWords{} + uint16_t(AAlpha), Full = TWords{} + 255;
  const TWords AlphaLanes = {3, 3, 3, 3, 7, 7, 7, 7, 11, 11, 11, 11, 15, 15, 15, 15};
  int I = 0;
  for (; I + 4 <= ACount; I += 4) {
    TWords Source, Dest;
    LoadFour(ASource + I, Source);
    LoadFour(ADest + I, Dest);
    ScaleLanes(Source, Alpha);
    ScaleLanes(Dest, Full - __builtin_shuffle(Source, AlphaLanes));
    const TWords Sum = Source + Dest;
    StoreFour(ADest + I, Sum > Full ? Full : Sum);
  }
  for (; I < ACount; ++I) ADest[I] = BlendPremultiplied(ASource[I], ADest[I], AAlpha);
}

// A run onto a destination without alpha (24 bits or fewer), read with alpha 0.
template <typename TBlend>
void BlendRunWithoutAlpha(uint8_t* ADest, int ABits, const uint32_t* ASource, int ACount, uint32_t AAlpha,
                          TBlend ABlend) {
  for (int I = 0; I < ACount; ++I, ADest += PixelBytes(ABits))
    StorePixel(ADest, ABits, ABlend(ASource[I], LoadPixel(ADest, ABits), AAlpha));
}

}  // namespace

bool TransparentBlt(HDC ADest, int AX, int AY, int AWidth, int AHeight, HDC ASource, int AXSrc, int AYSrc,
                    int AWidthSrc, int AHeightSrc, COLORREF AKey) {
  TTransfer Transfer;
  if (!MakeKeepingTransfer(Transfer, ADest, AX, AY, AWidth, AHeight, ASource, AXSrc, AYSrc, AWidthSrc,
                           AHeightSrc))
    return false;
  const uint32_t Key = ColorRefToPixel(AKey);
  RunTransfer(*ADest, Transfer,
              [Key](uint8_t* ADestPixel, int ABits, const uint32_t* ASourcePixels, int ACount) {
                for (int I = 0; I < ACount; ++I, ADestPixel += PixelBytes(ABits))
                  if ((ASourcePixels[I] & 0x00FFFFFF) != Key) StorePixel(ADestPixel, ABits, ASourcePixels[I]);
              });
  return true;
}

bool AlphaBlend(HDC ADest, int AX, int AY, int AWidth, int AHeight, HDC ASource, int AXSrc, int AYSrc,
                int AWidthSrc, int AHeightSrc, BLENDFUNCTION ABlend) {
  if (ABlend.BlendOp != AC_SRC_OVER) return false;
  const bool PerPixel = (ABlend.AlphaFormat & AC_SRC_ALPHA) != 0;
  // Per-pixel alpha needs a source that has an alpha channel.
  if (PerPixel && ASource && ASource->Surface().BitsPerPixel != 32) return false;
  TTransfer Transfer;
  if (!MakeKeepingTransfer(Transfer, ADest, AX, AY, AWidth, AHeight, ASource, AXSrc, AYSrc, AWidthSrc,
                           AHeightSrc))
    return false;
  const uint32_t Alpha = ABlend.SourceConstantAlpha;
  RunTransfer(*ADest, Transfer,
              [&](uint8_t* ADestPixel, int ABits, const uint32_t* ASourcePixels, int ACount) {
                // Rows of 32-bit bitmaps are 4-byte aligned.
                uint32_t* Dest32 = reinterpret_cast<uint32_t*>(ADestPixel);
                if (PerPixel) {
                  if (ABits == 32)
                    BlendPremultipliedRow(Dest32, ASourcePixels, ACount, Alpha);
                  else
                    BlendRunWithoutAlpha(ADestPixel, ABits, ASourcePixels, ACount, Alpha, BlendPremultiplied);
                } else {
                  if (ABits == 32)
                    BlendConstantRow(Dest32, ASourcePixels, ACount, Alpha);
                  else
                    BlendRunWithoutAlpha(ADestPixel, ABits, ASourcePixels, ACount, Alpha, BlendConstant);
                }
              });
  return true;
}
