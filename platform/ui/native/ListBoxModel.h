#pragma once
// The content and state of a list box, without a window: the items with their data and
// selection flags, the caret and the anchor of extended selection, the top index, and
// the geometry of rows and columns in a client area of a given size. The LISTBOX window
// keeps one per window; TCustomListBox keeps one for its items while it has no window.
// User-interface thread only.
//
// Rows have one height. With several columns the items run down a column and on into
// the next; the list then scrolls by whole columns, so the top index is always the first
// item of a column. The caret is the item with the focus rectangle: -1 only in an empty
// list.

#include <string_view>
#include <vector>

#include "platform/base/Strings.h"
#include "platform/gdi/Geometry.h"
#include "platform/win/WindowTypes.h"

enum TListBoxSelectMode {
  lsmSingle,    // one item or none
  lsmMultiple,  // a click or Space toggles an item
  lsmExtended,  // a click selects one item; Shift extends from the anchor, Ctrl toggles
};

class TListBoxModel {
 public:
  // ---- Configuration
  TListBoxSelectMode SelectMode() const { return FSelectMode; }
  // Keeps at most the caret's selection when the new mode is single.
  void SetSelectMode(TListBoxSelectMode AMode);
  bool Sorted() const { return FSorted; }
  // Turning sorting on sorts the items (equal ones keep their order).
  void SetSorted(bool AValue);
  bool MultiColumn() const { return FMultiColumn; }
  void SetMultiColumn(bool AValue);
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int AValue);
  int ColumnWidth() const { return FColumnWidth; }
  void SetColumnWidth(int AValue);
  void SetClientSize(int AWidth, int AHeight);

  // ---- Items
  int Count() const { return static_cast<int>(FItems.size()); }
  bool IsIndex(int AIndex) const { return AIndex >= 0 && AIndex < Count(); }
  // The index must be valid (IsIndex) for these.
  const String& Text(int AIndex) const { return FItems[AIndex].Text; }
  LPARAM Data(int AIndex) const { return FItems[AIndex].Data; }
  void SetData(int AIndex, LPARAM AData) { FItems[AIndex].Data = AData; }
  // Appends, or in a sorted list inserts after the last item not greater (letter case
  // ignored); returns the index.
  int Add(const String& AText);
  // Inserts before AIndex (-1: appends) without regard to sorting; -1 for a bad index.
  int Insert(int AIndex, const String& AText);
  void Delete(int AIndex);
  void Clear();
  // The first item after AStart (-1 or a bad index: from the top) that starts with
  // AText, or with AExact equals it, letter case ignored, wrapping round to AStart
  // itself; -1 when none does.
  int Find(int AStart, std::string_view AText, bool AExact) const;
  // Takes the items, selection, caret and top index of ASource, which is left empty;
  // then sorts them when this list is sorted and fits the selection to its mode.
  void TakeContent(TListBoxModel& ASource);

  // ---- Selection
  bool IsSelected(int AIndex) const { return IsIndex(AIndex) && FItems[AIndex].Selected; }
  int SelCount() const;
  // The selected item of a single-selection list (-1: none); the caret otherwise.
  int CurSel() const;
  // Single selection: selects AIndex alone (-1: nothing) and scrolls it into view.
  void SetCurSel(int AIndex);
  // Multiple selection: selects or deselects AIndex (-1: every item).
  void SetSel(bool ASelect, int AIndex);
  int Caret() const { return FCaret; }
  // Moves the caret and scrolls it into view (fully unless APartlyVisible allows a
  // partly shown item to stay); a single-selection list does not change its selection.
  void SetCaret(int AIndex, bool APartlyVisible);

  // ---- What the user does. Each changes the selection as its mode says, moves the
  // caret to the item and scrolls it into view.
  // A press of the pointer on the item, with Shift and Ctrl as held.
  void Click(int AIndex, bool AShift, bool ACtrl);
  // The pointer dragged to the item with the button held (nothing in a multiple-
  // selection list).
  void DragTo(int AIndex);
  // A navigation key led to the item: selects it (single, extended) or only moves the
  // caret (multiple; extended with Ctrl); Shift extends from the anchor.
  void KeyTo(int AIndex, bool AShift, bool ACtrl);
  // Space: toggles the caret's item (multiple; extended with Ctrl), or selects it.
  void Space(bool AShift, bool ACtrl);

  // ---- Scrolling and geometry (client coordinates)
  int TopIndex() const { return FTopIndex; }
  // Clamped so that the last page stays full, and with several columns moved to the
  // first item of its column.
  void SetTopIndex(int AIndex);
  // Scrolls by rows, or by columns in a multi-column list.
  void ScrollLines(int ALines);
  // The rows that fit whole (at least one) and the columns that fit whole (at least
  // one; always one for a single column).
  int RowsPerPage() const;
  int ColumnsPerPage() const;
  // The columns the items fill (multi-column lists).
  int ColumnCount() const;
  // The first column shown (the top index in columns).
  int TopColumn() const { return FTopIndex / RowsPerPage(); }
  // The rectangle of any item, shown or not.
  TRect ItemRect(int AIndex) const;
  // The items shown, partly or whole: from TopIndex to one before this.
  int VisibleEnd() const;
  // The item nearest to the point (-1 in an empty list); AOutside is set when the point
  // lies outside the client area or on no item.
  int ItemFromPoint(TPoint APoint, bool& AOutside) const;

  // ---- Change stamps: a window compares them before and after an operation.
  // Anything shown changed (items, selection, caret, scrolling, geometry).
  unsigned ViewStamp() const { return FViewStamp; }
  // The selection or the caret changed.
  unsigned SelectionStamp() const { return FSelectionStamp; }

 private:
  struct TItem {
    String Text;
    LPARAM Data = 0;
    bool Selected = false;
  };

  void SetSelected(int AIndex, bool ASelected);
  void SetCaretOnly(int AIndex);
  void SelectOnly(int AIndex);
  // Selects the items from the anchor to AIndex; AKeepOthers leaves the rest as it is.
  void SelectRange(int AIndex, bool AKeepOthers);
  void EnsureVisible(int AIndex, bool APartlyVisible = false);
  int MaxTopIndex() const;
  // Brings caret, anchor and top index back into the list after a change.
  void Normalize();
  void ViewChanged() { ++FViewStamp; }

  std::vector<TItem> FItems;
  TListBoxSelectMode FSelectMode = lsmSingle;
  bool FSorted = false;
  bool FMultiColumn = false;
  int FItemHeight = 16;
  int FColumnWidth = 100;
  int FClientWidth = 0;
  int FClientHeight = 0;
  int FCaret = -1;
  int FAnchor = -1;
  int FTopIndex = 0;
  unsigned FViewStamp = 0;
  unsigned FSelectionStamp = 0;
};
