// TListBoxModel: items, selection, scrolling and the geometry of rows and columns.

#include "platform/ui/native/ListBoxModel.h"

#include <algorithm>
#include <numeric>

namespace {

// Floor division: items above the top index lie in columns left of the first one.
int FloorDiv(int A, int B) { return A >= 0 ? A / B : -((-A + B - 1) / B); }

}  // namespace

// ---------------------------------------------------------------- configuration

void TListBoxModel::SetSelectMode(TListBoxSelectMode AMode) {
  if (FSelectMode == AMode) return;
  FSelectMode = AMode;
  if (AMode != lsmSingle || SelCount() <= 1) return;
  const int Kept = IsSelected(FCaret) ? FCaret : CurSel();
  for (int I = 0; I < Count(); ++I) SetSelected(I, I == Kept);
}

void TListBoxModel::SetSorted(bool AValue) {
  if (FSorted == AValue) return;
  FSorted = AValue;
  if (!AValue) return;
  // The caret and the anchor stay on their items.
  std::vector<int> Order(FItems.size());
  std::iota(Order.begin(), Order.end(), 0);
  std::stable_sort(Order.begin(), Order.end(),
                   [this](int A, int B) { return CompareText(FItems[A].Text, FItems[B].Text) < 0; });
  std::vector<TItem> Items;
  Items.reserve(FItems.size());
  int Caret = FCaret, Anchor = FAnchor;
  for (int Place = 0; Place < Count(); ++Place) {
    Items.push_back(std::move(FItems[Order[Place]]));
    if (Order[Place] == FCaret) Caret = Place;
    if (Order[Place] == FAnchor) Anchor = Place;
  }
  FItems = std::move(Items);
  FCaret = Caret;
  FAnchor = Anchor;
  ViewChanged();
}

void TListBoxModel::SetMultiColumn(bool AValue) {
  if (FMultiColumn == AValue) return;
  FMultiColumn = AValue;
  Normalize();
}

void TListBoxModel::SetItemHeight(int AValue) {
  if (AValue < 1 || FItemHeight == AValue) return;
  FItemHeight = AValue;
  Normalize();
}

void TListBoxModel::SetColumnWidth(int AValue) {
  if (AValue < 1 || FColumnWidth == AValue) return;
  FColumnWidth = AValue;
  Normalize();
}

void TListBoxModel::SetClientSize(int AWidth, int AHeight) {
  if (FClientWidth == AWidth && FClientHeight == AHeight) return;
  FClientWidth = std::max(0, AWidth);
  FClientHeight = std::max(0, AHeight);
  Normalize();
}

// ---------------------------------------------------------------- items

int TListBoxModel::Add(const String& AText) {
  int Index = Count();
  if (FSorted)
    Index = static_cast<int>(std::upper_bound(FItems.begin(), FItems.end(), AText,
                                              [](const String& Text, const TItem& Item) {
                                                return CompareText(Text, Item.Text) < 0;
                                              }) -
                             FItems.begin());
  return Insert(Index, AText);
}

int TListBoxModel::Insert(int AIndex, const String& AText) {
  if (AIndex == -1) AIndex = Count();
  if (AIndex < 0 || AIndex > Count()) return -1;
  FItems.insert(FItems.begin() + AIndex, TItem{AText});
  if (FCaret >= AIndex) ++FCaret;
  if (FAnchor >= AIndex) ++FAnchor;
  Normalize();
  ViewChanged();
  return AIndex;
}

void TListBoxModel::Delete(int AIndex) {
  if (!IsIndex(AIndex)) return;
  if (FItems[AIndex].Selected) ++FSelectionStamp;
  FItems.erase(FItems.begin() + AIndex);
  // The caret on the deleted item passes to the item that takes its place (Normalize
  // keeps it in the list).
  if (FCaret > AIndex) --FCaret;
  if (FAnchor > AIndex) --FAnchor;
  Normalize();
  ViewChanged();
}

void TListBoxModel::Clear() {
  if (FItems.empty()) return;
  if (SelCount() > 0) ++FSelectionStamp;
  FItems.clear();
  Normalize();
  ViewChanged();
}

int TListBoxModel::Find(int AStart, std::string_view AText, bool AExact) const {
  const int N = Count();
  if (!IsIndex(AStart)) AStart = -1;
  for (int Step = 1; Step <= N; ++Step) {
    const int I = (AStart + Step) % N;
    const String& Text = FItems[I].Text;
    if (AExact ? SameText(Text, AText) : StartsText(AText, Text)) return I;
  }
  return -1;
}

void TListBoxModel::TakeContent(TListBoxModel& ASource) {
  FItems = std::move(ASource.FItems);
  FCaret = ASource.FCaret;
  FAnchor = ASource.FAnchor;
  FTopIndex = ASource.FTopIndex;
  ASource.FItems.clear();
  ASource.Normalize();
  ASource.ViewChanged();
  if (FSorted) {
    FSorted = false;
    SetSorted(true);
  }
  // The selection is fitted to the mode as a change of mode would fit it.
  const TListBoxSelectMode Mode = FSelectMode;
  FSelectMode = lsmMultiple;
  SetSelectMode(Mode);
  Normalize();
  ViewChanged();
  ++FSelectionStamp;
}

// ---------------------------------------------------------------- selection

int TListBoxModel::SelCount() const {
  return static_cast<int>(
      std::count_if(FItems.begin(), FItems.end(), [](const TItem& I) { return I.Selected; }));
}

int TListBoxModel::CurSel() const {
  if (FSelectMode != lsmSingle) return FCaret;
  auto It = std::find_if(FItems.begin(), FItems.end(), [](const TItem& I) { return I.Selected; });
  return It == FItems.end() ? -1 : static_cast<int>(It - FItems.begin());
}

void TListBoxModel::SetCurSel(int AIndex) {
  SelectOnly(AIndex);
  if (!IsIndex(AIndex)) return;
  SetCaretOnly(AIndex);
  EnsureVisible(AIndex);
}

void TListBoxModel::SetSel(bool ASelect, int AIndex) {
  if (AIndex == -1) {
    for (int I = 0; I < Count(); ++I) SetSelected(I, ASelect);
    return;
  }
  SetSelected(AIndex, ASelect);
}

void TListBoxModel::SetCaret(int AIndex, bool APartlyVisible) {
  if (!IsIndex(AIndex)) return;
  SetCaretOnly(AIndex);
  EnsureVisible(AIndex, APartlyVisible);
}

void TListBoxModel::SetSelected(int AIndex, bool ASelected) {
  if (!IsIndex(AIndex) || FItems[AIndex].Selected == ASelected) return;
  FItems[AIndex].Selected = ASelected;
  ++FSelectionStamp;
  ViewChanged();
}

void TListBoxModel::SetCaretOnly(int AIndex) {
  if (FCaret == AIndex) return;
  FCaret = AIndex;
  ++FSelectionStamp;
  ViewChanged();
}

void TListBoxModel::SelectOnly(int AIndex) {
  for (int I = 0; I < Count(); ++I) SetSelected(I, I == AIndex);
}

void TListBoxModel::SelectRange(int AIndex, bool AKeepOthers) {
  const int Anchor = IsIndex(FAnchor) ? FAnchor : AIndex;
  const int First = std::min(Anchor, AIndex);
  const int Last = std::max(Anchor, AIndex);
  for (int I = 0; I < Count(); ++I) {
    const bool InRange = I >= First && I <= Last;
    if (InRange || !AKeepOthers) SetSelected(I, InRange);
  }
}

// ---------------------------------------------------------------- user actions

void TListBoxModel::Click(int AIndex, bool AShift, bool ACtrl) {
  if (!IsIndex(AIndex)) return;
  switch (FSelectMode) {
    case lsmSingle:
      SelectOnly(AIndex);
      break;
    case lsmMultiple:
      SetSelected(AIndex, !FItems[AIndex].Selected);
      break;
    case lsmExtended:
      if (AShift) {
        SelectRange(AIndex, ACtrl);
      } else {
        if (ACtrl)
          SetSelected(AIndex, !FItems[AIndex].Selected);
        else
          SelectOnly(AIndex);
        FAnchor = AIndex;
      }
      break;
  }
  SetCaretOnly(AIndex);
  EnsureVisible(AIndex);
}

void TListBoxModel::DragTo(int AIndex) {
  // A drag toggles nothing in a multiple-selection list.
  if (!IsIndex(AIndex) || FSelectMode == lsmMultiple) return;
  if (FSelectMode == lsmSingle) SelectOnly(AIndex);
  if (FSelectMode == lsmExtended) SelectRange(AIndex, false);
  SetCaretOnly(AIndex);
  EnsureVisible(AIndex);
}

void TListBoxModel::KeyTo(int AIndex, bool AShift, bool ACtrl) {
  if (!IsIndex(AIndex)) return;
  if (FSelectMode == lsmSingle) SelectOnly(AIndex);
  if (FSelectMode == lsmExtended && !ACtrl) {
    if (AShift) {
      SelectRange(AIndex, false);
    } else {
      SelectOnly(AIndex);
      FAnchor = AIndex;
    }
  }
  SetCaretOnly(AIndex);
  EnsureVisible(AIndex);
}

void TListBoxModel::Space(bool AShift, bool ACtrl) {
  if (!IsIndex(FCaret)) return;
  if (FSelectMode == lsmExtended && !ACtrl) return KeyTo(FCaret, AShift, false);
  if (FSelectMode == lsmSingle) {
    SelectOnly(FCaret);
  } else {
    SetSelected(FCaret, !FItems[FCaret].Selected);
    FAnchor = FCaret;
  }
}

// ---------------------------------------------------------------- scrolling and geometry

int TListBoxModel::RowsPerPage() const { return std::max(1, FClientHeight / FItemHeight); }

int TListBoxModel::ColumnsPerPage() const {
  return FMultiColumn ? std::max(1, FClientWidth / FColumnWidth) : 1;
}

int TListBoxModel::ColumnCount() const {
  const int Rows = RowsPerPage();
  return (Count() + Rows - 1) / Rows;
}

int TListBoxModel::MaxTopIndex() const {
  if (!FMultiColumn) return std::max(0, Count() - RowsPerPage());
  return std::max(0, ColumnCount() - ColumnsPerPage()) * RowsPerPage();
}

void TListBoxModel::SetTopIndex(int AIndex) {
  int Top = std::clamp(AIndex, 0, MaxTopIndex());
  if (FMultiColumn) Top -= Top % RowsPerPage();
  if (FTopIndex == Top) return;
  FTopIndex = Top;
  ViewChanged();
}

void TListBoxModel::ScrollLines(int ALines) {
  const int Step = FMultiColumn ? RowsPerPage() : 1;
  SetTopIndex(FTopIndex + ALines * Step);
}

void TListBoxModel::EnsureVisible(int AIndex, bool APartlyVisible) {
  if (!IsIndex(AIndex)) return;
  if (FMultiColumn) {
    const int Rows = RowsPerPage();
    const int Column = AIndex / Rows;
    const int Top = TopColumn();
    if (Column < Top) SetTopIndex(Column * Rows);
    if (Column >= Top + ColumnsPerPage()) SetTopIndex((Column - ColumnsPerPage() + 1) * Rows);
    return;
  }
  // A partly shown last row counts as visible when that is enough.
  const int Shown = APartlyVisible ? (FClientHeight + FItemHeight - 1) / FItemHeight : RowsPerPage();
  if (AIndex < FTopIndex) SetTopIndex(AIndex);
  if (AIndex >= FTopIndex + std::max(1, Shown)) SetTopIndex(AIndex - RowsPerPage() + 1);
}

TRect TListBoxModel::ItemRect(int AIndex) const {
  const int Relative = AIndex - FTopIndex;
  if (!FMultiColumn) return Rect(0, Relative * FItemHeight, FClientWidth, (Relative + 1) * FItemHeight);
  const int Rows = RowsPerPage();
  const int Column = FloorDiv(Relative, Rows);
  const int Row = Relative - Column * Rows;
  return Rect(Column * FColumnWidth, Row * FItemHeight, (Column + 1) * FColumnWidth, (Row + 1) * FItemHeight);
}

int TListBoxModel::VisibleEnd() const {
  const int Rows = (FClientHeight + FItemHeight - 1) / FItemHeight;
  int Shown = Rows;
  if (FMultiColumn) Shown = RowsPerPage() * ((FClientWidth + FColumnWidth - 1) / FColumnWidth);
  return std::min(Count(), FTopIndex + Shown);
}

int TListBoxModel::ItemFromPoint(TPoint APoint, bool& AOutside) const {
  AOutside = !PtInRect(Rect(0, 0, FClientWidth, FClientHeight), APoint);
  if (FItems.empty()) {
    AOutside = true;
    return -1;
  }
  int Index;
  if (FMultiColumn) {
    const int Rows = RowsPerPage();
    const int Row = std::clamp(APoint.Y / FItemHeight, 0, Rows - 1);
    Index = FTopIndex + std::max(0, APoint.X / FColumnWidth) * Rows + Row;
  } else {
    Index = FTopIndex + FloorDiv(APoint.Y, FItemHeight);
  }
  if (Index < 0 || Index >= Count()) AOutside = true;
  return std::clamp(Index, 0, Count() - 1);
}

void TListBoxModel::Normalize() {
  const int Last = Count() - 1;
  if (Last < 0) {
    FCaret = -1;
    FAnchor = -1;
  } else {
    FCaret = std::clamp(FCaret, 0, Last);
    FAnchor = std::min(FAnchor, Last);
  }
  const int Top = FTopIndex;
  FTopIndex = -1;  // forces SetTopIndex to store the clamped value
  SetTopIndex(Top);
}
