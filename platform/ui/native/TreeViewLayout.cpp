// The tree-view window's geometry: row height, item and text rectangles, hit testing,
// and the scroll state kept in the window's own (hidden) bars.

#include <algorithm>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Text.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/native/TreeViewWindowInternal.h"
#include "platform/win/Painting.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"

namespace {

// The room between a picture and the text, and around the text inside its rectangle.
constexpr int ImageGap = 2;
constexpr int TextMargin = 2;

// A memory device context with the window's font, for measuring.
class TMeasuringDC {
 public:
  explicit TMeasuringDC(HFONT AFont) : FDC(CreateCompatibleDC(nullptr)) {
    if (AFont) SelectObject(FDC, AFont);
  }
  ~TMeasuringDC() { DeleteDC(FDC); }
  HDC Handle() const { return FDC; }

 private:
  HDC FDC;
};

}  // namespace

int TTreeViewWindow::ItemHeight() {
  if (FItemHeight > 0) return FItemHeight;
  TMeasuringDC DC(FFont);
  TEXTMETRIC Metric;
  GetTextMetrics(DC.Handle(), Metric);
  const int ImageHeight = FImages ? FImages->Height() : 0;
  FItemHeight = std::max({Metric.tmHeight, ImageHeight, 1}) + 2;
  return FItemHeight;
}

int TTreeViewWindow::ClientWidth() const {
  RECT Client;
  GetClientRect(FWindow, &Client);
  return Client.Right - Client.Left;
}

int TTreeViewWindow::ClientHeight() const {
  RECT Client;
  GetClientRect(FWindow, &Client);
  return Client.Bottom - Client.Top;
}

int TTreeViewWindow::FullyVisibleRows() { return ClientHeight() / ItemHeight(); }

int TTreeViewWindow::ButtonColumnOf(const TTreeViewItem* AItem) const {
  const int RootColumns = (Style() & TVS_LINESATROOT) ? 1 : 0;
  return (AItem->Level() + RootColumns - 1) * FIndent;
}

int TTreeViewWindow::TextLeftOf(const TTreeViewItem* AItem) const {
  const int ImageLeft = ButtonColumnOf(AItem) + FIndent;
  return FImages ? ImageLeft + FImages->Width() + ImageGap : ImageLeft;
}

int TTreeViewWindow::TextWidthOf(TTreeViewItem* AItem) {
  if (AItem->TextWidth < 0) {
    TMeasuringDC DC(FFont);
    TSize Size;
    GetTextExtentPoint32(DC.Handle(), AItem->Text, Size);
    AItem->TextWidth = Size.cx;
  }
  return AItem->TextWidth;
}

TRect TTreeViewWindow::RowRect(TTreeViewItem* AItem) {
  const int Row = FModel.RowOf(AItem);
  if (Row < 0) return {};
  const int Top = (Row - FTopRow) * ItemHeight();
  return Rect(0, Top, ClientWidth(), Top + ItemHeight());
}

TRect TTreeViewWindow::TextRect(TTreeViewItem* AItem) {
  TRect Row = RowRect(AItem);
  if (IsRectEmpty(Row)) return {};
  Row.Left = TextLeftOf(AItem) - FHorzPos;
  Row.Right = Row.Left + TextWidthOf(AItem) + 2 * TextMargin;
  return Row;
}

int TTreeViewWindow::ContentWidth() {
  int Width = 0;
  for (TTreeViewItem* Item : FModel.Rows())
    Width = std::max(Width, TextLeftOf(Item) + TextWidthOf(Item) + 2 * TextMargin);
  return Width;
}

TTreeViewItem* TTreeViewWindow::HitTest(TPoint APoint, UINT& AFlags) {
  if (APoint.Y < 0) {
    AFlags = TVHT_ABOVE;
    return nullptr;
  }
  const std::vector<TTreeViewItem*>& Rows = FModel.Rows();
  const int Row = FTopRow + APoint.Y / ItemHeight();
  if (APoint.Y >= ClientHeight() || Row >= static_cast<int>(Rows.size())) {
    AFlags = APoint.Y >= ClientHeight() ? TVHT_BELOW : TVHT_NOWHERE;
    return nullptr;
  }
  TTreeViewItem* Item = Rows[Row];
  const int X = APoint.X + FHorzPos;
  const int Button = ButtonColumnOf(Item);
  const int TextLeft = TextLeftOf(Item);
  if (X >= Button && X < Button + FIndent && Item->HasButton() && (Style() & TVS_HASBUTTONS))
    AFlags = TVHT_ONITEMBUTTON;
  else if (X < Button + FIndent)
    AFlags = TVHT_ONITEMINDENT;
  else if (X < TextLeft)
    AFlags = TVHT_ONITEMICON;
  else if (X < TextLeft + TextWidthOf(Item) + 2 * TextMargin)
    AFlags = TVHT_ONITEMLABEL;
  else
    AFlags = TVHT_ONITEMRIGHT;
  return Item;
}

void TTreeViewWindow::UpdateScrollState() {
  const int Rows = static_cast<int>(FModel.Rows().size());
  const int Visible = FullyVisibleRows();
  const int Content = ContentWidth();
  const int Width = ClientWidth();
  FTopRow = std::clamp(FTopRow, 0, std::max(Rows - Visible, 0));
  FHorzPos = std::clamp(FHorzPos, 0, std::max(Content - Width, 0));
  SCROLLINFO Vertical;
  Vertical.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  Vertical.nMax = std::max(Rows - 1, 0);
  Vertical.nPage = static_cast<UINT>(Visible);
  Vertical.nPos = FTopRow;
  SetScrollInfo(FWindow, SB_VERT, &Vertical, false);
  SCROLLINFO Horizontal;
  Horizontal.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  Horizontal.nMax = Content;
  Horizontal.nPage = static_cast<UINT>(Width);
  Horizontal.nPos = FHorzPos;
  SetScrollInfo(FWindow, SB_HORZ, &Horizontal, false);
}

void TTreeViewWindow::ScrollToRow(int ARow) {
  FTopRow = ARow;
  Changed();
}

void TTreeViewWindow::ScrollToPixel(int AX) {
  FHorzPos = AX;
  Changed();
}

LRESULT TTreeViewWindow::WMScroll(bool AVertical, WPARAM AWParam) {
  const int Position = AVertical ? FTopRow : FHorzPos;
  const int Line = AVertical ? 1 : ItemHeight();
  const int Page = AVertical ? std::max(FullyVisibleRows(), 1) : std::max(ClientWidth(), 1);
  int Wanted = Position;
  switch (ScrollCodeOf(AWParam)) {
    case SB_LINEUP:
      Wanted = Position - Line;
      break;
    case SB_LINEDOWN:
      Wanted = Position + Line;
      break;
    case SB_PAGEUP:
      Wanted = Position - Page;
      break;
    case SB_PAGEDOWN:
      Wanted = Position + Page;
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      Wanted = ScrollPosOf(AWParam);
      break;
    case SB_TOP:
      Wanted = 0;
      break;
    case SB_BOTTOM:
      Wanted = INT32_MAX;
      break;
    default:
      return 0;
  }
  if (AVertical)
    ScrollToRow(Wanted);
  else
    ScrollToPixel(Wanted);
  return 0;
}

void TTreeViewWindow::Changed() {
  UpdateScrollState();
  InvalidateRect(FWindow, nullptr, true);
}
