#pragma once
// The state of one list view window and the geometry of its four views. Items keep
// only their state bits and parameter; texts and images come from the parent on
// request (LVN_GETDISPINFOW), for ordinary and owner-data lists alike. Internal to the
// list view control (ListView*.cpp). User-interface thread only.
//
// Geometry, in client coordinates:
// - report: one row per item under the header, columns side by side; vertical scroll
//   in rows, horizontal in pixels;
// - list: items run top to bottom in columns of ListColumnWidth; horizontal scroll in
//   columns, no vertical scroll;
// - small icons: cells of ListColumnWidth × row height, left to right and wrapped at
//   the client width; icons: cells of IconCellWidth holding the large image with the
//   caption under it (two lines when labels wrap); both scroll in pixels.

#include <vector>

#include "platform/base/Strings.h"
#include "platform/ui/native/ListViewMessages.h"

class TCustomImageList;

struct TListViewItemState {
  UINT State = 0;  // LVIS_ bits and the state image index
  LPARAM Param = 0;
};

struct TListViewColumn {
  String Text;
  int Width = 50;
  int Format = LVCFMT_LEFT;
  int Image = -1;
};

class TListViewModel {
 public:
  static constexpr int IconCellWidth = 76;
  static constexpr int DefaultListColumnWidth = 120;
  static constexpr int CheckBoxSize = 13;

  DWORD Style = 0;
  DWORD ExStyle = 0;
  std::vector<TListViewItemState> Items;
  std::vector<TListViewColumn> Columns;
  // The columns from left to right, as the header shows them; empty: in index order.
  std::vector<int> ColumnOrder;
  TCustomImageList* LargeImages = nullptr;
  TCustomImageList* SmallImages = nullptr;
  TCustomImageList* StateImages = nullptr;
  HFONT Font = nullptr;
  COLORREF BkColor = CLR_INVALID;  // CLR_INVALID: the window colour
  COLORREF TextColor = CLR_INVALID;
  // The list view's column width; 0: DefaultListColumnWidth.
  int ListColumnWidth = 0;
  // Scroll state: the first row (report) or column (list) shown, and the pixel offsets.
  int TopIndex = 0;
  int ScrollX = 0;
  int ScrollY = 0;
  // Filled by the window before layout questions.
  int ClientWidth = 0;
  int ClientHeight = 0;
  int HeaderHeight = 0;
  int LineHeight = 16;

  int Count() const { return static_cast<int>(Items.size()); }
  bool IsValid(int AIndex) const { return AIndex >= 0 && AIndex < Count(); }
  DWORD View() const { return Style & LVS_TYPEMASK; }
  bool HasCheckBoxes() const { return ExStyle & LVS_EX_CHECKBOXES; }

  // ---- Geometry
  int RowHeight() const;
  int ColumnsWidth() const;
  // The distance from a report row's left edge to the column's left edge.
  int ColumnLeft(int AColumn) const;
  int ListColumnPitch() const;
  // Full rows under the header (report), rows of a list column (list).
  int RowsPerPage() const;
  // Whole list columns in the client width.
  int ListColumnsPerPage() const;
  int ListColumnCount() const;
  // Cells per row in the icon views, and the cell size.
  int CellsPerRow() const;
  TSize CellSize() const;
  // The size of everything in the icon views.
  TSize ContentSize() const;
  // LVM_GETCOUNTPERPAGE.
  int CountPerPage() const;
  // The item's rectangle of an LVIR_ part.
  TRect ItemRect(int AIndex, int APart) const;
  TRect CheckBoxRect(int AIndex) const;
  // The rectangle of column ASubItem of a report row (column 0: the label part).
  TRect SubItemRect(int AIndex, int ASubItem) const;
  // The item at a client point and where on it (LVHT_ flags); -1 when none.
  int HitTest(POINT APoint, UINT& AFlags) const;
  // The items whose bounds may meet the client area, as a range [First, Last).
  void VisibleRange(int& AFirst, int& ALast) const;
  // The item beside AIndex in a direction (LVNI_ABOVE, …), or -1 at an edge.
  int Neighbour(int AIndex, UINT ADirection) const;

  // ---- Scrolling: positions are kept inside their ranges.
  void ClampScroll();
  // Scrolls so that the item is wholly shown (partly, with APartialOk).
  void EnsureVisible(int AIndex, bool APartialOk);

 private:
  TSize SmallImageSize() const;
  TSize LargeImageSize() const;
  int StateWidth() const;
  // The cell origin of an item in the icon views, in client coordinates.
  TPoint CellOrigin(int AIndex) const;
};
