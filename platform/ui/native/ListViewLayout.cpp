// The list view's geometry: rows, columns and cells of the four views, hit testing,
// neighbours for the arrow keys, and the scroll positions' ranges.

#include <algorithm>

#include "platform/ui/ImgList.h"
#include "platform/ui/native/ListViewModelInternal.h"

namespace {

struct TItemParts {
  TRect Bounds;
  TRect Icon;
  TRect Label;
  TRect Select;
};

int CeilDiv(int A, int B) { return B <= 0 ? 0 : (A + B - 1) / B; }

}  // namespace

TSize TListViewModel::SmallImageSize() const {
  return SmallImages ? TSize{SmallImages->Width(), SmallImages->Height()} : TSize{};
}

TSize TListViewModel::LargeImageSize() const {
  return LargeImages ? TSize{LargeImages->Width(), LargeImages->Height()} : TSize{32, 32};
}

int TListViewModel::StateWidth() const {
  if (StateImages) return StateImages->Width() + 3;
  return HasCheckBoxes() ? CheckBoxSize + 3 : 0;
}

int TListViewModel::RowHeight() const {
  int Height = LineHeight + 2;
  if (SmallImages) Height = std::max(Height, SmallImages->Height() + 1);
  if (StateImages) Height = std::max(Height, StateImages->Height() + 1);
  if (HasCheckBoxes()) Height = std::max(Height, CheckBoxSize + 2);
  return Height;
}

int TListViewModel::ColumnsWidth() const {
  int Width = 0;
  for (const TListViewColumn& Column : Columns) Width += std::max(0, Column.Width);
  return Width;
}

int TListViewModel::ColumnLeft(int AColumn) const {
  int Left = 0;
  for (size_t Position = 0; Position < Columns.size(); ++Position) {
    const int Shown = Position < ColumnOrder.size() ? ColumnOrder[Position] : static_cast<int>(Position);
    if (Shown == AColumn) return Left;
    Left += std::max(0, Columns[Shown].Width);
  }
  return Left;
}

int TListViewModel::ListColumnPitch() const {
  return ListColumnWidth > 0 ? ListColumnWidth : DefaultListColumnWidth;
}

int TListViewModel::RowsPerPage() const {
  if (View() == LVS_REPORT) return std::max(0, (ClientHeight - HeaderHeight) / RowHeight());
  return std::max(1, ClientHeight / RowHeight());
}

int TListViewModel::ListColumnsPerPage() const { return std::max(1, ClientWidth / ListColumnPitch()); }

int TListViewModel::ListColumnCount() const { return CeilDiv(Count(), RowsPerPage()); }

TSize TListViewModel::CellSize() const {
  if (View() == LVS_SMALLICON) return {ListColumnPitch(), RowHeight()};
  const int Lines = (Style & LVS_NOLABELWRAP) ? 1 : 2;
  return {std::max(IconCellWidth, LargeImageSize().cx + 4), LargeImageSize().cy + 8 + Lines * LineHeight};
}

int TListViewModel::CellsPerRow() const { return std::max(1, ClientWidth / CellSize().cx); }

TSize TListViewModel::ContentSize() const {
  const TSize Cell = CellSize();
  const int PerRow = CellsPerRow();
  return {std::min(Count(), PerRow) * Cell.cx, CeilDiv(Count(), PerRow) * Cell.cy};
}

int TListViewModel::CountPerPage() const {
  switch (View()) {
    case LVS_REPORT:
      return RowsPerPage();
    case LVS_LIST:
      return RowsPerPage() * ListColumnsPerPage();
    default:
      return Count();
  }
}

TPoint TListViewModel::CellOrigin(int AIndex) const {
  const TSize Cell = CellSize();
  const int PerRow = CellsPerRow();
  return {(AIndex % PerRow) * Cell.cx - ScrollX, (AIndex / PerRow) * Cell.cy - ScrollY};
}

namespace {

// The parts of a row-shaped item (report, list, small icons) in its first cell: room
// for the state image (CheckBoxRect), the small image, then the label to the cell's
// end. A full-row selection covers the whole row.
TItemParts RowParts(const TRect& ARow, const TRect& ACell, int AStateWidth, TSize ASmall, bool AFullRow) {
  TItemParts Parts;
  Parts.Bounds = ARow;
  int X = ACell.Left + 2 + AStateWidth;
  Parts.Icon = Rect(X, ARow.Top, X + ASmall.cx, ARow.Bottom);
  X += ASmall.cx + (ASmall.cx ? 2 : 0);
  Parts.Label = Rect(X, ARow.Top, std::max(X, ACell.Right), ARow.Bottom);
  Parts.Select = AFullRow ? ARow : Rect(Parts.Icon.Left, ARow.Top, Parts.Label.Right, ARow.Bottom);
  return Parts;
}

}  // namespace

TRect TListViewModel::ItemRect(int AIndex, int APart) const {
  if (!IsValid(AIndex)) return {};
  TItemParts Parts;
  if (View() == LVS_ICON) {
    const TPoint O = CellOrigin(AIndex);
    const TSize Cell = CellSize();
    Parts.Bounds = Rect(O.X, O.Y, O.X + Cell.cx, O.Y + Cell.cy);
    Parts.Icon = Rect(O.X, O.Y, O.X + Cell.cx, O.Y + LargeImageSize().cy + 4);
    Parts.Label = Rect(O.X, Parts.Icon.Bottom, O.X + Cell.cx, O.Y + Cell.cy);
    // The icon is marked by its caption alone.
    Parts.Select = Parts.Label;
  } else {
    TRect Bounds;
    TRect Cell;
    const int Row = RowHeight();
    if (View() == LVS_REPORT) {
      const int Top = HeaderHeight + (AIndex - TopIndex) * Row;
      Bounds = Rect(-ScrollX, Top, -ScrollX + ColumnsWidth(), Top + Row);
      // The image and label sit in column 0, wherever the header shows it.
      const int Left = Bounds.Left + ColumnLeft(0);
      Cell = Rect(Left, Top, Left + (Columns.empty() ? 0 : std::max(0, Columns[0].Width)), Top + Row);
    } else if (View() == LVS_LIST) {
      const int Rows = RowsPerPage();
      const int Left = (AIndex / Rows - TopIndex) * ListColumnPitch();
      const int Top = (AIndex % Rows) * Row;
      Bounds = Cell = Rect(Left, Top, Left + ListColumnPitch(), Top + Row);
    } else {
      const TPoint O = CellOrigin(AIndex);
      Bounds = Cell = Rect(O.X, O.Y, O.X + ListColumnPitch(), O.Y + Row);
    }
    const bool FullRow = View() == LVS_REPORT && (ExStyle & LVS_EX_FULLROWSELECT);
    Parts = RowParts(Bounds, Cell, StateWidth(), SmallImageSize(), FullRow);
  }
  switch (APart) {
    case LVIR_ICON:
      return Parts.Icon;
    case LVIR_LABEL:
      return Parts.Label;
    case LVIR_SELECTBOUNDS:
      return Parts.Select;
    default:
      return Parts.Bounds;
  }
}

TRect TListViewModel::CheckBoxRect(int AIndex) const {
  if (!IsValid(AIndex) || StateWidth() == 0) return {};
  const TRect Icon = ItemRect(AIndex, LVIR_ICON);
  const int Check = StateImages ? StateImages->Width() : CheckBoxSize;
  if (View() == LVS_ICON) {
    const int ImageLeft = Icon.Left + (Icon.Width() - LargeImageSize().cx) / 2;
    return Rect(ImageLeft - Check - 1, Icon.Bottom - Check - 1, ImageLeft - 1, Icon.Bottom - 1);
  }
  const TRect Bounds = ItemRect(AIndex, LVIR_BOUNDS);
  const int Left = Bounds.Left + (View() == LVS_REPORT ? ColumnLeft(0) : 0) + 2;
  const int Top = Bounds.Top + (Bounds.Height() - Check) / 2;
  return Rect(Left, Top, Left + Check, Top + Check);
}

TRect TListViewModel::SubItemRect(int AIndex, int ASubItem) const {
  if (!IsValid(AIndex) || ASubItem < 0 || ASubItem >= static_cast<int>(Columns.size())) return {};
  if (ASubItem == 0) return ItemRect(AIndex, LVIR_LABEL);
  const TRect Bounds = ItemRect(AIndex, LVIR_BOUNDS);
  const int Left = Bounds.Left + ColumnLeft(ASubItem);
  return Rect(Left, Bounds.Top, Left + std::max(0, Columns[ASubItem].Width), Bounds.Bottom);
}

void TListViewModel::VisibleRange(int& AFirst, int& ALast) const {
  switch (View()) {
    case LVS_REPORT:
      AFirst = TopIndex;
      ALast = TopIndex + RowsPerPage() + 1;
      break;
    case LVS_LIST:
      AFirst = TopIndex * RowsPerPage();
      ALast = (TopIndex + ListColumnsPerPage() + 1) * RowsPerPage();
      break;
    default: {
      const TSize Cell = CellSize();
      AFirst = ScrollY / Cell.cy * CellsPerRow();
      ALast = ((ScrollY + ClientHeight) / Cell.cy + 1) * CellsPerRow();
      break;
    }
  }
  AFirst = std::clamp(AFirst, 0, Count());
  ALast = std::clamp(ALast, AFirst, Count());
}

int TListViewModel::HitTest(POINT APoint, UINT& AFlags) const {
  AFlags = LVHT_NOWHERE;
  int First = 0;
  int Last = 0;
  VisibleRange(First, Last);
  for (int I = First; I < Last; ++I) {
    if (!PtInRect(ItemRect(I, LVIR_BOUNDS), APoint)) continue;
    if (PtInRect(CheckBoxRect(I), APoint))
      AFlags = LVHT_ONITEMSTATEICON;
    else if (PtInRect(ItemRect(I, LVIR_ICON), APoint))
      AFlags = LVHT_ONITEMICON;
    else if (PtInRect(ItemRect(I, LVIR_SELECTBOUNDS), APoint) || View() == LVS_ICON)
      AFlags = LVHT_ONITEMLABEL;
    else
      continue;
    return I;
  }
  return -1;
}

int TListViewModel::Neighbour(int AIndex, UINT ADirection) const {
  int Step = 0;
  const bool Grid = View() == LVS_ICON || View() == LVS_SMALLICON;
  const int Across = View() == LVS_LIST ? RowsPerPage() : 0;
  switch (ADirection) {
    case LVNI_ABOVE:
      Step = Grid ? -CellsPerRow() : -1;
      break;
    case LVNI_BELOW:
      Step = Grid ? CellsPerRow() : 1;
      break;
    case LVNI_TOLEFT:
      Step = Grid ? -1 : -Across;
      break;
    case LVNI_TORIGHT:
      Step = Grid ? 1 : Across;
      break;
    default:
      break;
  }
  if (Step == 0 || !IsValid(AIndex + Step)) return -1;
  return AIndex + Step;
}

void TListViewModel::ClampScroll() {
  switch (View()) {
    case LVS_REPORT:
      TopIndex = std::clamp(TopIndex, 0, std::max(0, Count() - RowsPerPage()));
      ScrollX = std::clamp(ScrollX, 0, std::max(0, ColumnsWidth() - ClientWidth));
      ScrollY = 0;
      break;
    case LVS_LIST:
      TopIndex = std::clamp(TopIndex, 0, std::max(0, ListColumnCount() - ListColumnsPerPage()));
      ScrollX = ScrollY = 0;
      break;
    default: {
      const TSize Content = ContentSize();
      TopIndex = 0;
      ScrollX = std::clamp(ScrollX, 0, std::max(0, Content.cx - ClientWidth));
      ScrollY = std::clamp(ScrollY, 0, std::max(0, Content.cy - ClientHeight));
      break;
    }
  }
}

void TListViewModel::EnsureVisible(int AIndex, bool APartialOk) {
  if (!IsValid(AIndex)) return;
  if (View() == LVS_REPORT || View() == LVS_LIST) {
    const bool Report = View() == LVS_REPORT;
    const int Unit = Report ? AIndex : AIndex / RowsPerPage();
    const int PerPage = std::max(1, Report ? RowsPerPage() : ListColumnsPerPage());
    const int Shown = PerPage + (APartialOk ? 1 : 0);
    if (Unit < TopIndex)
      TopIndex = Unit;
    else if (Unit >= TopIndex + Shown)
      TopIndex = Unit - PerPage + 1;
  } else {
    const TRect Box = ItemRect(AIndex, LVIR_BOUNDS);
    if (Box.Top < 0)
      ScrollY += Box.Top;
    else if (Box.Bottom > ClientHeight && !(APartialOk && Box.Top < ClientHeight))
      ScrollY += std::min(Box.Top, Box.Bottom - ClientHeight);
  }
  ClampScroll();
}
