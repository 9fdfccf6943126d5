// The pixel kernels: the plain arithmetic, with SSE2 doing four pixels at a time where
// the compiler targets it, and blending eight at a time with AVX2 where the processor has
// it (glows and shadows are partial alpha all over). Every path gives the same bits: a
// row runs the widest path first and the narrower ones on its rest, so the tests' random
// rows of every length compare each path with a per-pixel model.

#include <algorithm>
#include <cstring>

#include "components/core/spEffBmp.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#include <immintrin.h>
#define SKIN_KERNELS_HAVE_AVX2 1
#endif

namespace {

constexpr TspColor KernelAlphaMask = 0xFF000000;

TspColor BlendPixelPlain(TspColor ASource, TspColor ADest) {
  const uint32_t A = ASource >> 24;
  if (A == 255) return ASource;
  if (A == 0) return ADest;
  const uint32_t Rest = 255 - A;
  const uint32_t Blue = ((ASource & 0xFF) * A + (ADest & 0xFF) * Rest) >> 8;
  const uint32_t Green = (((ASource >> 8) & 0xFF) * A + ((ADest >> 8) & 0xFF) * Rest) >> 8;
  const uint32_t Red = (((ASource >> 16) & 0xFF) * A + ((ADest >> 16) & 0xFF) * Rest) >> 8;
  return KernelAlphaMask | (Red << 16) | (Green << 8) | Blue;
}

#if defined(__SSE2__)

// Four pixels: a = 255 takes the source, a = 0 keeps the destination, the rest get the
// weighted colour with alpha 255. Red and blue share one 16-bit multiply per pixel and
// green (with alpha, whose result is then replaced) another; every product and sum
// fits 16 bits (at most 255 × 255).
inline __m128i BlendFour(__m128i ASource, __m128i ADest) {
  const __m128i LowBytes = _mm_set1_epi32(0x00FF00FF);
  const __m128i AlphaMask = _mm_set1_epi32(int32_t(KernelAlphaMask));
  __m128i Alpha = _mm_srli_epi32(ASource, 24);
  const __m128i IsOpaque = _mm_cmpeq_epi32(Alpha, _mm_set1_epi32(255));
  const __m128i IsClear = _mm_cmpeq_epi32(Alpha, _mm_setzero_si128());
  Alpha = _mm_or_si128(Alpha, _mm_slli_epi32(Alpha, 16));
  const __m128i Rest = _mm_xor_si128(Alpha, LowBytes);  // 255 − a in both halves
  const __m128i RedBlue =
      _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_and_si128(ASource, LowBytes), Alpha),
                                   _mm_mullo_epi16(_mm_and_si128(ADest, LowBytes), Rest)),
                     8);
  const __m128i GreenAlpha = _mm_add_epi16(_mm_mullo_epi16(_mm_srli_epi16(ASource, 8), Alpha),
                                           _mm_mullo_epi16(_mm_srli_epi16(ADest, 8), Rest));
  const __m128i Mixed =
      _mm_or_si128(_mm_or_si128(RedBlue, _mm_andnot_si128(LowBytes, GreenAlpha)), AlphaMask);
  const __m128i Chosen = _mm_or_si128(_mm_and_si128(IsOpaque, ASource), _mm_andnot_si128(IsOpaque, Mixed));
  return _mm_or_si128(_mm_and_si128(IsClear, ADest), _mm_andnot_si128(IsClear, Chosen));
}

#endif

#if defined(SKIN_KERNELS_HAVE_AVX2)

// BlendFour on eight pixels.
__attribute__((target("avx2"))) inline __m256i BlendEight(__m256i ASource, __m256i ADest) {
  const __m256i LowBytes = _mm256_set1_epi32(0x00FF00FF);
  const __m256i AlphaMask = _mm256_set1_epi32(int32_t(KernelAlphaMask));
  __m256i Alpha = _mm256_srli_epi32(ASource, 24);
  const __m256i IsOpaque = _mm256_cmpeq_epi32(Alpha, _mm256_set1_epi32(255));
  const __m256i IsClear = _mm256_cmpeq_epi32(Alpha, _mm256_setzero_si256());
  Alpha = _mm256_or_si256(Alpha, _mm256_slli_epi32(Alpha, 16));
  const __m256i Rest = _mm256_xor_si256(Alpha, LowBytes);
  const __m256i RedBlue =
      _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(_mm256_and_si256(ASource, LowBytes), Alpha),
                                         _mm256_mullo_epi16(_mm256_and_si256(ADest, LowBytes), Rest)),
                        8);
  const __m256i GreenAlpha = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_srli_epi16(ASource, 8), Alpha),
                                              _mm256_mullo_epi16(_mm256_srli_epi16(ADest, 8), Rest));
  const __m256i Mixed =
      _mm256_or_si256(_mm256_or_si256(RedBlue, _mm256_andnot_si256(LowBytes, GreenAlpha)), AlphaMask);
  const __m256i Chosen = _mm256_blendv_epi8(Mixed, ASource, IsOpaque);
  return _mm256_blendv_epi8(Chosen, ADest, IsClear);
}

// Blends the first multiple of eight pixels of the row and returns how many it did.
__attribute__((target("avx2"))) int BlendRowEights(const TspColor* ASource, TspColor* ADest, int ACount) {
  const __m256i AlphaMask = _mm256_set1_epi32(int32_t(KernelAlphaMask));
  int I = 0;
  for (; I + 8 <= ACount; I += 8) {
    const __m256i Source = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(ASource + I));
    const __m256i SourceAlpha = _mm256_and_si256(Source, AlphaMask);
    __m256i* Dest = reinterpret_cast<__m256i*>(ADest + I);
    if (_mm256_movemask_epi8(_mm256_cmpeq_epi32(SourceAlpha, AlphaMask)) == -1) {
      _mm256_storeu_si256(Dest, Source);
    } else if (_mm256_movemask_epi8(_mm256_cmpeq_epi32(SourceAlpha, _mm256_setzero_si256())) != -1) {
      _mm256_storeu_si256(Dest, BlendEight(Source, _mm256_loadu_si256(Dest)));
    }
  }
  return I;
}

bool TestWideVectors() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2");
}

const bool HasWideVectors = TestWideVectors();

#endif

void BlendRowPlain(const TspColor* ASource, TspColor* ADest, int ACount) {
  int I = 0;
#if defined(SKIN_KERNELS_HAVE_AVX2)
  if (HasWideVectors) I = BlendRowEights(ASource, ADest, ACount);
#endif
#if defined(__SSE2__)
  const __m128i AlphaMask = _mm_set1_epi32(int32_t(KernelAlphaMask));
  for (; I + 4 <= ACount; I += 4) {
    const __m128i Source = _mm_loadu_si128(reinterpret_cast<const __m128i*>(ASource + I));
    const __m128i SourceAlpha = _mm_and_si128(Source, AlphaMask);
    // Skin pictures are mostly wholly opaque or wholly clear: skip the arithmetic there.
    const int Opaque = _mm_movemask_epi8(_mm_cmpeq_epi32(SourceAlpha, AlphaMask));
    if (Opaque == 0xFFFF) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(ADest + I), Source);
      continue;
    }
    const int Clear = _mm_movemask_epi8(_mm_cmpeq_epi32(SourceAlpha, _mm_setzero_si128()));
    if (Clear == 0xFFFF) continue;
    __m128i* Dest = reinterpret_cast<__m128i*>(ADest + I);
    _mm_storeu_si128(Dest, BlendFour(Source, _mm_loadu_si128(Dest)));
  }
#endif
  for (; I < ACount; ++I) ADest[I] = BlendPixelPlain(ASource[I], ADest[I]);
}

void CopyRowTransparentPlain(const TspColor* ASource, TspColor* ADest, int ACount) {
  int I = 0;
#if defined(__SSE2__)
  const __m128i Key = _mm_set1_epi32(int32_t(spTransparentKey));
  const __m128i ColorMask = _mm_set1_epi32(int32_t(spColorMask));
  const __m128i AlphaMask = _mm_set1_epi32(int32_t(KernelAlphaMask));
  for (; I + 4 <= ACount; I += 4) {
    const __m128i Source = _mm_loadu_si128(reinterpret_cast<const __m128i*>(ASource + I));
    const __m128i IsKey = _mm_cmpeq_epi32(_mm_and_si128(Source, ColorMask), Key);
    const __m128i Opaque = _mm_or_si128(Source, AlphaMask);
    __m128i* Dest = reinterpret_cast<__m128i*>(ADest + I);
    const int KeyBits = _mm_movemask_epi8(IsKey);
    if (KeyBits == 0) {
      _mm_storeu_si128(Dest, Opaque);
    } else if (KeyBits != 0xFFFF) {
      const __m128i Old = _mm_loadu_si128(Dest);
      _mm_storeu_si128(Dest, _mm_or_si128(_mm_and_si128(IsKey, Old), _mm_andnot_si128(IsKey, Opaque)));
    }
  }
#endif
  for (; I < ACount; ++I) {
    if ((ASource[I] & spColorMask) != spTransparentKey) ADest[I] = ASource[I] | KernelAlphaMask;
  }
}

void MoveRowPlain(const TspColor* ASource, TspColor* ADest, int ACount) {
  if (ACount <= 0 || ASource == ADest) return;
  std::memmove(ADest, ASource, size_t(ACount) * sizeof(TspColor));
}

void FillRowPlain(TspColor* ADest, int ACount, TspColor AValue) {
  if (ACount > 0) std::fill_n(ADest, ACount, AValue);
}

void FillRectPixelsPlain(TspColor* APixels, int ARowLength, TspColor AValue, int ALeft, int ATop,
                         int ALastColumn, int ALastRow) {
  for (int Y = ATop; Y <= ALastRow; ++Y) {
    FillRowPlain(APixels + ptrdiff_t(Y) * ARowLength + ALeft, ALastColumn - ALeft + 1, AValue);
  }
}

void SetRowAlphaPlain(TspColor* ADest, int ACount, uint8_t AAlpha) {
  const TspColor Alpha = TspColor(AAlpha) << 24;
  for (int I = 0; I < ACount; ++I) ADest[I] = (ADest[I] & spColorMask) | Alpha;
}

void SetRectAlphaPlain(TspColor* APixels, int ARowLength, uint8_t AAlpha, int ALeft, int ATop,
                       int ALastColumn, int ALastRow) {
  for (int Y = ATop; Y <= ALastRow; ++Y) {
    SetRowAlphaPlain(APixels + ptrdiff_t(Y) * ARowLength + ALeft, ALastColumn - ALeft + 1, AAlpha);
  }
}

bool TestProcessor() {
#if defined(__i386__) || defined(__x86_64__)
  unsigned Eax = 0, Ebx = 0, Ecx = 0, Edx = 0;
  // __get_cpuid_max flips the identification flag of the flags register, as the test
  // asks, and answers 0 when the instruction is missing.
  const bool HasIdentification = __get_cpuid_max(0, nullptr) >= 1;
  if (HasIdentification) __get_cpuid(1, &Eax, &Ebx, &Ecx, &Edx);
  return IsVectorUnitUsable(HasIdentification, Eax, Edx);
#else
  return false;
#endif
}

}  // namespace

TspColor ColorToPixel(TColor AColor) { return ColorAlphaToPixel(AColor, 255); }

TspColor ColorAlphaToPixel(TColor AColor, uint8_t AAlpha) {
  const COLORREF Color = ColorToRGB(AColor);
  return (TspColor(AAlpha) << 24) | (TspColor(GetRValue(Color)) << 16) | (TspColor(GetGValue(Color)) << 8) |
         GetBValue(Color);
}

bool IsVectorUnitUsable(bool AHasIdentification, uint32_t ASignature, uint32_t AFeatures) {
  if (!AHasIdentification) return false;
  const uint32_t Family = (ASignature >> 8) & 0xF;
  return Family > 4 && (AFeatures & (1u << 23)) != 0;
}

const bool HasMMX = TestProcessor();

const TPixelKernels PixelKernels = {
    BlendPixelPlain, BlendRowPlain,       CopyRowTransparentPlain, MoveRowPlain,
    FillRowPlain,    FillRectPixelsPlain, SetRowAlphaPlain,        SetRectAlphaPlain,
};
