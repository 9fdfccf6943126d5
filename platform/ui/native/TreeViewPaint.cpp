// The tree-view window's painting: the background, then each shown row (tree lines,
// expand button, picture, text and the selection), with the custom-draw notifications
// around the whole and around each item (CDRF_SKIPDEFAULT leaves an item to the
// receiver).

#include <optional>

#include "platform/gdi/DcScopes.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Primitives.h"
#include "platform/gdi/Text.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/native/TreeViewWindowInternal.h"
#include "platform/win/Painting.h"

namespace {

// Half the side of the expand button's box.
constexpr int ButtonHalf = 4;

// Tree lines are dotted: every other pixel, starting on an even coordinate so that
// the dots of neighbouring rows line up.
void DottedLine(HDC ADC, int AX1, int AY1, int AX2, int AY2, COLORREF AColor) {
  if (AX1 == AX2) {
    for (int Y = AY1 + ((AY1 & 1) ? 1 : 0); Y < AY2; Y += 2) SetPixel(ADC, AX1, Y, AColor);
  } else {
    for (int X = AX1 + ((AX1 & 1) ? 1 : 0); X < AX2; X += 2) SetPixel(ADC, X, AY1, AColor);
  }
}

void SolidLine(HDC ADC, int AX1, int AY1, int AX2, int AY2, COLORREF AColor) {
  const RECT Line = Rect(AX1, AY1, std::max(AX2, AX1 + 1), std::max(AY2, AY1 + 1));
  FillSolidRect(ADC, Line, AColor);
}

}  // namespace

COLORREF TTreeViewWindow::BackColor() const {
  return FBackColor == CLR_INVALID ? GetSysColor(COLOR_WINDOW) : FBackColor;
}

COLORREF TTreeViewWindow::TextColor() const {
  return FTextColor == CLR_INVALID ? GetSysColor(COLOR_WINDOWTEXT) : FTextColor;
}

bool TTreeViewWindow::ShowsSelection() const { return FFocused || (Style() & TVS_SHOWSELALWAYS); }

LRESULT TTreeViewWindow::WMPaint(HDC AGivenDC) {
  if (AGivenDC) {
    PaintItems(AGivenDC);
    return 0;
  }
  PAINTSTRUCT Paint;
  HDC DC = BeginPaint(FWindow, &Paint);
  PaintItems(DC);
  EndPaint(FWindow, &Paint);
  return 0;
}

LRESULT TTreeViewWindow::CustomDraw(HDC ADC, DWORD AStage, TTreeViewItem* AItem, const TRect& ARect,
                                    NMTVCUSTOMDRAW& ARecord) {
  ARecord.nmcd.dwDrawStage = AStage;
  ARecord.nmcd.hdc = ADC;
  ARecord.nmcd.rc = ARect;
  ARecord.nmcd.dwItemSpec = reinterpret_cast<DWORD_PTR>(AItem);
  ARecord.nmcd.lItemlParam = AItem ? AItem->Param : 0;
  ARecord.iLevel = AItem ? AItem->Level() : 0;
  return Notify(ARecord.nmcd.hdr, NM_CUSTOMDRAW);
}

void TTreeViewWindow::PaintItems(HDC ADC) {
  const TRect Client = Rect(0, 0, ClientWidth(), ClientHeight());
  FillSolidRect(ADC, Client, BackColor());
  NMTVCUSTOMDRAW Whole;
  const LRESULT Wants = CustomDraw(ADC, CDDS_PREPAINT, nullptr, Client, Whole);
  if (Wants & CDRF_SKIPDEFAULT) return;
  const std::vector<TTreeViewItem*> Rows = FModel.Rows();
  for (int Row = FTopRow; Row < static_cast<int>(Rows.size()); ++Row) {
    TTreeViewItem* Item = Rows[Row];
    const TRect Line = RowRect(Item);
    if (Line.Top >= Client.Bottom) break;
    const bool Selected = (Item->State & TVIS_SELECTED) && ShowsSelection();
    NMTVCUSTOMDRAW Record;
    Record.nmcd.uItemState =
        (Selected ? CDIS_SELECTED : 0) | (Item == FSelected && FFocused ? CDIS_FOCUS : 0);
    Record.clrText = Selected ? GetSysColor(FFocused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT) : TextColor();
    Record.clrTextBk = Selected ? GetSysColor(FFocused ? COLOR_HIGHLIGHT : COLOR_BTNFACE) : BackColor();
    LRESULT ItemWants = CDRF_DODEFAULT;
    if (Wants & CDRF_NOTIFYITEMDRAW) ItemWants = CustomDraw(ADC, CDDS_ITEMPREPAINT, Item, Line, Record);
    // The receiver may have deleted items while drawing: the rows are read again next
    // time, this paint stops.
    if (!FModel.Contains(Item)) break;
    if (!(ItemWants & CDRF_SKIPDEFAULT)) PaintItem(ADC, Item, Line, Record.clrText, Record.clrTextBk);
    if (ItemWants & CDRF_NOTIFYPOSTPAINT) CustomDraw(ADC, CDDS_ITEMPOSTPAINT, Item, Line, Record);
  }
  if (Wants & CDRF_NOTIFYPOSTPAINT) CustomDraw(ADC, CDDS_POSTPAINT, nullptr, Client, Whole);
}

void TTreeViewWindow::PaintItem(HDC ADC, TTreeViewItem* AItem, const TRect& ARow, COLORREF ATextColor,
                                COLORREF ATextBack) {
  PaintLinesAndButton(ADC, AItem, ARow);
  const bool Selected = (AItem->State & TVIS_SELECTED) != 0;
  if (FImages) {
    const int Index = ImageOf(AItem, Selected);
    TCanvas Canvas;
    TCanvasHandleScope Scope(Canvas, ADC);
    const int Left = ButtonColumnOf(AItem) + FIndent - FHorzPos;
    FImages->Draw(Canvas, Left, ARow.Top + (ARow.Height() - FImages->Height()) / 2, Index);
  }
  TRect Text = TextRect(AItem);
  const bool ShowSelected = Selected && ShowsSelection();
  if (ShowSelected || ATextBack != BackColor()) FillSolidRect(ADC, Text, ATextBack);
  {
    std::optional<TSelectedObject> TextFont;
    if (FFont) TextFont.emplace(ADC, FFont);
    SetBkMode(ADC, TRANSPARENT);
    SetTextColor(ADC, ATextColor);
    TRect Inside = Text;
    InflateRect(Inside, -2, 0);
    DrawText(ADC, AItem->Text, Inside, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  if (ShowSelected && FFocused) {
    const RECT Focus = Text;
    DrawFocusRect(ADC, &Focus);
  }
}

void TTreeViewWindow::PaintLinesAndButton(HDC ADC, TTreeViewItem* AItem, const TRect& ARow) {
  const DWORD Styles = Style();
  const int Column = ButtonColumnOf(AItem) - FHorzPos;
  const int X = Column + FIndent / 2;
  const int Y = ARow.Top + ARow.Height() / 2;
  const COLORREF LineColor = GetSysColor(COLOR_GRAYTEXT);
  if (Styles & TVS_HASLINES) {
    DottedLine(ADC, X, Y, Column + FIndent, Y, LineColor);
    if (AItem->Prev || AItem->Parent) DottedLine(ADC, X, ARow.Top, X, Y, LineColor);
    if (AItem->Next) DottedLine(ADC, X, Y, X, ARow.Bottom, LineColor);
    // The lines of the ancestors that have siblings below them pass through this row.
    int AncestorX = X;
    for (TTreeViewItem* Up = AItem->Parent; Up; Up = Up->Parent) {
      AncestorX -= FIndent;
      if (Up->Next) DottedLine(ADC, AncestorX, ARow.Top, AncestorX, ARow.Bottom, LineColor);
    }
  }
  if ((Styles & TVS_HASBUTTONS) && AItem->HasButton()) {
    const TRect Box = Rect(X - ButtonHalf, Y - ButtonHalf, X + ButtonHalf + 1, Y + ButtonHalf + 1);
    FillSolidRect(ADC, Box, BackColor());
    SolidLine(ADC, Box.Left, Box.Top, Box.Right, Box.Top, LineColor);
    SolidLine(ADC, Box.Left, Box.Bottom - 1, Box.Right, Box.Bottom - 1, LineColor);
    SolidLine(ADC, Box.Left, Box.Top, Box.Left, Box.Bottom, LineColor);
    SolidLine(ADC, Box.Right - 1, Box.Top, Box.Right - 1, Box.Bottom, LineColor);
    SolidLine(ADC, X - 2, Y, X + 3, Y, TextColor());
    if (!AItem->IsExpanded()) SolidLine(ADC, X, Y - 2, X, Y + 3, TextColor());
  }
}
