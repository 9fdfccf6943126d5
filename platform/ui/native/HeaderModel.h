#pragma once
// The state of one column header window: its sections (text, width, alignment, image)
// in their index order, the order they are shown in, and the geometry derived from
// them. Kept by HeaderWindow.cpp, one per window. User-interface thread only.

#include <vector>

#include "platform/base/Strings.h"
#include "platform/ui/native/HeaderMessages.h"

class TCustomImageList;

// Copies AText into a caller's buffer of ASize bytes for the messages that hand out
// texts (HDM_GETITEMW, LVM_GETITEMW, LVM_GETCOLUMNW), cut short without splitting a
// character and always terminated.
void CopyTextToBuffer(const String& AText, char* ABuffer, int ASize);

struct THeaderSection {
  String Text;
  int Width = 0;
  int Format = HDF_LEFT | HDF_STRING;
  int Image = -1;
  LPARAM Param = 0;
};

class THeaderModel {
 public:
  // How far left and right of a section's right edge a press grabs the divider.
  static constexpr int DividerGrip = 4;

  int Count() const { return static_cast<int>(FSections.size()); }
  bool IsValid(int AIndex) const { return AIndex >= 0 && AIndex < Count(); }
  THeaderSection& Section(int AIndex) { return FSections[AIndex]; }
  const THeaderSection& Section(int AIndex) const { return FSections[AIndex]; }
  // Inserts before AIndex (clamped to 0 .. Count) at the same place in the shown order;
  // returns the index it got.
  int Insert(int AIndex, const THeaderSection& ASection);
  bool Delete(int AIndex);
  // The indexes of the sections from left to right.
  const std::vector<int>& Order() const { return FOrder; }
  // Takes a new order; refused (false) unless it names every section once.
  bool SetOrder(const std::vector<int>& AOrder);
  // The place of a section in the shown order; -1 for an invalid index.
  int PositionOf(int AIndex) const;
  // Shows section AIndex at place APosition (clamped), the others closing up.
  void MoveTo(int AIndex, int APosition);
  // The place in the shown order that a point at AX falls on (clamped to the ends).
  int PositionAt(int AX) const;

  // The section's rectangle in the header window of height AHeight; empty for an
  // invalid index.
  TRect ItemRect(int AIndex, int AHeight) const;
  // Fills AInfo.flags and AInfo.iItem for AInfo.pt; returns the item (-1: none). The
  // divider belongs to the section left of it; of several dividers in reach (narrow
  // sections) the rightmost wins, so that a section shrunk to nothing can be pulled
  // out again.
  int HitTest(HDHITTESTINFO& AInfo, int AHeight, int AWindowWidth) const;

  TCustomImageList* Images = nullptr;
  HFONT Font = nullptr;

 private:
  std::vector<THeaderSection> FSections;
  std::vector<int> FOrder;
};
