#pragma once
// Turning one picture plane by a multiple of 90 degrees with plain copies: "rotate"
// takes this way whenever its nearest-sample walk amounts to it, because a quarter turn
// then costs what a transposition costs instead of a walk per sample.

#include <cstddef>
#include <cstdint>

// Which input sample each output sample takes, for output column J of output row I:
//   transposing:     input row FirstRow + RowStep × J, input column FirstColumn + ColumnStep × I
//   not transposing: input row FirstRow + RowStep × I, input column FirstColumn + ColumnStep × J
// ColumnStep is 1 or -1: the samples of an input row lie next to each other in memory,
// and the copies read them eight at a time. RowStep may be any whole number.
struct TQuarterTurnCopy {
  bool Transposes = false;
  int FirstRow = 0;
  int RowStep = 0;
  int FirstColumn = 0;
  int ColumnStep = 1;
};

// Fills the AWidth × AHeight output plane ADest from the input plane ASource. Every
// sample the copy names must lie inside the input plane.
void CopyTurnedPlane(const TQuarterTurnCopy& ACopy, const uint8_t* ASource, ptrdiff_t ASourceLineSize,
                     uint8_t* ADest, ptrdiff_t ADestLineSize, int AWidth, int AHeight);
