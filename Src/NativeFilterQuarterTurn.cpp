// Quarter turns of a plane: rows copied forwards or backwards, or 8 × 8 blocks
// transposed in registers inside tiles small enough to stay in the first-level cache.

#include "Src/NativeFilterQuarterTurn.h"

#include <algorithm>
#include <bit>
#include <cstring>

// The words below hold eight samples with the first one in their lowest byte.
static_assert(std::endian::native == std::endian::little);

namespace {

constexpr int Block = 8;  // samples per 64-bit word
constexpr int Tile = 64;  // output rows and columns per tile of blocks

uint64_t Load(const uint8_t* AAddress) {
  uint64_t Word;
  std::memcpy(&Word, AAddress, sizeof Word);
  return Word;
}

void Store(uint8_t* AAddress, uint64_t AWord) { std::memcpy(AAddress, &AWord, sizeof AWord); }

// Sixteen samples in one vector register; the compiler turns the shuffles below into
// the processor's interleaving instructions.
using TVector = uint8_t __attribute__((vector_size(16)));

// Interleaves the low halves of A and B in units of 1, 2 or 4 bytes (Low), or their
// high halves (High).
TVector InterleaveLow8(TVector A, TVector B) {
  return __builtin_shufflevector(A, B, 0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23);
}
TVector InterleaveLow16(TVector A, TVector B) {
  return __builtin_shufflevector(A, B, 0, 1, 16, 17, 2, 3, 18, 19, 4, 5, 20, 21, 6, 7, 22, 23);
}
TVector InterleaveHigh16(TVector A, TVector B) {
  return __builtin_shufflevector(A, B, 8, 9, 24, 25, 10, 11, 26, 27, 12, 13, 28, 29, 14, 15, 30, 31);
}
TVector InterleaveLow32(TVector A, TVector B) {
  return __builtin_shufflevector(A, B, 0, 1, 2, 3, 16, 17, 18, 19, 4, 5, 6, 7, 20, 21, 22, 23);
}
TVector InterleaveHigh32(TVector A, TVector B) {
  return __builtin_shufflevector(A, B, 8, 9, 10, 11, 24, 25, 26, 27, 12, 13, 14, 15, 28, 29, 30, 31);
}

// The same register seen as two words of eight samples.
using TWords = uint64_t __attribute__((vector_size(16)));

// Eight samples into the low half of a register.
TVector LoadEight(const uint8_t* AAddress) { return reinterpret_cast<TVector>(TWords{Load(AAddress), 0}); }

// Stores the low (AHalf 0) or high (1) eight samples of AVector.
void StoreEight(uint8_t* AAddress, TVector AVector, int AHalf) {
  Store(AAddress, reinterpret_cast<TWords>(AVector)[AHalf]);
}

// Transposes the 8 × 8 samples whose rows start at ASource + k × ASourceStep into the
// rows that start at ADest + m × ADestStep: sample m of source row k becomes sample k of
// destination row m. Written out step by step, so that everything stays in registers.
void Transpose8x8(const uint8_t* ASource, ptrdiff_t ASourceStep, uint8_t* ADest, ptrdiff_t ADestStep) {
  const TVector Pairs0 = InterleaveLow8(LoadEight(ASource), LoadEight(ASource + ASourceStep));
  const TVector Pairs1 =
      InterleaveLow8(LoadEight(ASource + 2 * ASourceStep), LoadEight(ASource + 3 * ASourceStep));
  const TVector Pairs2 =
      InterleaveLow8(LoadEight(ASource + 4 * ASourceStep), LoadEight(ASource + 5 * ASourceStep));
  const TVector Pairs3 =
      InterleaveLow8(LoadEight(ASource + 6 * ASourceStep), LoadEight(ASource + 7 * ASourceStep));
  const TVector Quads0 = InterleaveLow16(Pairs0, Pairs1), Quads1 = InterleaveHigh16(Pairs0, Pairs1);
  const TVector Quads2 = InterleaveLow16(Pairs2, Pairs3), Quads3 = InterleaveHigh16(Pairs2, Pairs3);
  const TVector Columns01 = InterleaveLow32(Quads0, Quads2), Columns23 = InterleaveHigh32(Quads0, Quads2);
  const TVector Columns45 = InterleaveLow32(Quads1, Quads3), Columns67 = InterleaveHigh32(Quads1, Quads3);
  StoreEight(ADest, Columns01, 0);
  StoreEight(ADest + ADestStep, Columns01, 1);
  StoreEight(ADest + 2 * ADestStep, Columns23, 0);
  StoreEight(ADest + 3 * ADestStep, Columns23, 1);
  StoreEight(ADest + 4 * ADestStep, Columns45, 0);
  StoreEight(ADest + 5 * ADestStep, Columns45, 1);
  StoreEight(ADest + 6 * ADestStep, Columns67, 0);
  StoreEight(ADest + 7 * ADestStep, Columns67, 1);
}

struct TPlanes {
  const uint8_t* Source;
  ptrdiff_t SourceLineSize;
  uint8_t* Dest;
  ptrdiff_t DestLineSize;

  const uint8_t* SourceAt(int ARow, int AColumn) const { return Source + ARow * SourceLineSize + AColumn; }
  uint8_t* DestAt(int ARow, int AColumn) const { return Dest + ARow * DestLineSize + AColumn; }
};

// Output rows I0..I0+7, columns J0..J0+7 of a transposing copy: eight input rows, eight
// input columns wide. Going backwards the input's leftmost column is the last output row.
void TransposeBlock(const TQuarterTurnCopy& ACopy, const TPlanes& APlanes, int I0, int J0) {
  const int FirstColumn = ACopy.FirstColumn + ACopy.ColumnStep * I0;
  const bool Forwards = ACopy.ColumnStep > 0;
  Transpose8x8(APlanes.SourceAt(ACopy.FirstRow + ACopy.RowStep * J0,
                                Forwards ? FirstColumn : FirstColumn - (Block - 1)),
               ACopy.RowStep * APlanes.SourceLineSize, APlanes.DestAt(Forwards ? I0 : I0 + Block - 1, J0),
               Forwards ? APlanes.DestLineSize : -APlanes.DestLineSize);
}

void TransposeSample(const TQuarterTurnCopy& ACopy, const TPlanes& APlanes, int I, int J) {
  *APlanes.DestAt(I, J) =
      *APlanes.SourceAt(ACopy.FirstRow + ACopy.RowStep * J, ACopy.FirstColumn + ACopy.ColumnStep * I);
}

void CopyTransposed(const TQuarterTurnCopy& ACopy, const TPlanes& APlanes, int AWidth, int AHeight) {
  const int FullHeight = AHeight - AHeight % Block;
  const int FullWidth = AWidth - AWidth % Block;
  for (int TileI = 0; TileI < FullHeight; TileI += Tile)
    for (int TileJ = 0; TileJ < FullWidth; TileJ += Tile)
      for (int I0 = TileI; I0 < std::min(TileI + Tile, FullHeight); I0 += Block)
        for (int J0 = TileJ; J0 < std::min(TileJ + Tile, FullWidth); J0 += Block)
          TransposeBlock(ACopy, APlanes, I0, J0);
  // The right and bottom edges that do not fill a block.
  for (int I = 0; I < AHeight; I++)
    for (int J = I < FullHeight ? FullWidth : 0; J < AWidth; J++) TransposeSample(ACopy, APlanes, I, J);
}

void CopyRows(const TQuarterTurnCopy& ACopy, const TPlanes& APlanes, int AWidth, int AHeight) {
  for (int I = 0; I < AHeight; I++) {
    const uint8_t* Source = APlanes.SourceAt(ACopy.FirstRow + ACopy.RowStep * I, ACopy.FirstColumn);
    uint8_t* Dest = APlanes.DestAt(I, 0);
    if (ACopy.ColumnStep > 0) {
      std::memcpy(Dest, Source, AWidth);
      continue;
    }
    // Backwards: eight samples at a time, their order reversed by a byte swap.
    int J = 0;
    for (; J + Block <= AWidth; J += Block)
      Store(Dest + J, __builtin_bswap64(Load(Source - J - (Block - 1))));
    for (; J < AWidth; J++) Dest[J] = Source[-J];
  }
}

}  // namespace

void CopyTurnedPlane(const TQuarterTurnCopy& ACopy, const uint8_t* ASource, ptrdiff_t ASourceLineSize,
                     uint8_t* ADest, ptrdiff_t ADestLineSize, int AWidth, int AHeight) {
  const TPlanes Planes{ASource, ASourceLineSize, ADest, ADestLineSize};
  if (ACopy.Transposes)
    CopyTransposed(ACopy, Planes, AWidth, AHeight);
  else
    CopyRows(ACopy, Planes, AWidth, AHeight);
}
