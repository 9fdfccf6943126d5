// The LISTBOX window's painting: the parent's brush, the shown items (owner-drawn by
// the parent through WM_DRAWITEM, or plain text), and the rest of the client area.

#include "platform/base/ScopeExit.h"
#include "platform/gdi/DcScopes.h"
#include "platform/gdi/Primitives.h"
#include "platform/gdi/Text.h"
#include "platform/ui/native/ListBoxWindowInternal.h"
#include "platform/win/Focus.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"

namespace {

// The parent chooses the colours (WM_CTLCOLORLISTBOX sets the DC's text colour and
// answers the brush); without an answer the system's window colours are used.
HBRUSH BackgroundBrush(HWND AWindow, HDC ADC) {
  HWND Parent = GetParent(AWindow);
  const auto Brush =
      reinterpret_cast<HBRUSH>(Parent ? SendMessage(Parent, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(ADC),
                                                    reinterpret_cast<LPARAM>(AWindow))
                                      : 0);
  if (Brush) return Brush;
  SetTextColor(ADC, GetSysColor(COLOR_WINDOWTEXT));
  return GetSysColorBrush(COLOR_WINDOW);
}

UINT ItemState(HWND AWindow, const TListBoxModel& AModel, int AIndex, bool AFocused) {
  UINT State = AModel.IsSelected(AIndex) ? ODS_SELECTED : 0;
  if (AFocused && AIndex == AModel.Caret()) State |= ODS_FOCUS;
  if (!IsWindowEnabled(AWindow)) State |= ODS_DISABLED;
  return State;
}

void SendDrawItem(HWND AWindow, HDC ADC, const TListBoxModel& AModel, int AIndex, const TRect& ARect,
                  UINT AState) {
  DRAWITEMSTRUCT Item;
  Item.CtlType = ODT_LISTBOX;
  Item.CtlID = static_cast<UINT>(GetWindowLong(AWindow, GWL_ID));
  Item.itemID = static_cast<UINT>(AIndex);
  Item.itemAction = ODA_DRAWENTIRE;
  Item.itemState = AState;
  Item.hwndItem = AWindow;
  Item.hDC = ADC;
  Item.rcItem = ARect;
  Item.itemData = static_cast<DWORD_PTR>(AModel.Data(AIndex));
  SendMessage(GetParent(AWindow), WM_DRAWITEM, Item.CtlID, reinterpret_cast<LPARAM>(&Item));
}

void DrawPlainItem(HDC ADC, const TListBoxWindow& AState, int AIndex, const TRect& ARect, UINT AItemState,
                   HBRUSH ABrush) {
  const bool Selected = AItemState & ODS_SELECTED;
  FillRect(ADC, &ARect, Selected ? GetSysColorBrush(COLOR_HIGHLIGHT) : ABrush);
  if (Selected) SetTextColor(ADC, GetSysColor(COLOR_HIGHLIGHTTEXT));
  if (AState.Font) SelectObject(ADC, AState.Font);
  SetBkMode(ADC, TRANSPARENT);
  ExtTextOut(ADC, ARect.Left + 2, ARect.Top, ETO_CLIPPED, &ARect, AState.Model.Text(AIndex));
  if (AItemState & ODS_FOCUS) DrawFocusRect(ADC, &ARect);
}

}  // namespace

LRESULT PaintListBox(HWND AWindow, TListBoxWindow& AState, HDC AGivenDC) {
  PAINTSTRUCT Paint;
  HDC DC = AGivenDC ? AGivenDC : BeginPaint(AWindow, &Paint);
  if (!DC) return 0;
  const TListBoxModel& Model = AState.Model;
  const bool OwnerDraw = GetWindowLong(AWindow, GWL_STYLE) & LBS_OWNERDRAWFIXED;
  ScopeExit EndOwnPaint([&] {
    if (!AGivenDC) EndPaint(AWindow, &Paint);
  });
  const bool Focused = GetFocus() == AWindow;
  // The owner's WM_DRAWITEM may throw: the DC's state comes back then too.
  TSavedDC Outer(DC);
  const HBRUSH Brush = BackgroundBrush(AWindow, DC);
  for (int I = Model.TopIndex(); I < Model.VisibleEnd(); ++I) {
    const TRect Row = Model.ItemRect(I);
    {
      TSavedDC Saved(DC);
      IntersectClipRect(DC, Row.Left, Row.Top, Row.Right, Row.Bottom);
      const UINT State = ItemState(AWindow, Model, I, Focused);
      if (OwnerDraw)
        SendDrawItem(AWindow, DC, Model, I, Row, State);
      else
        DrawPlainItem(DC, AState, I, Row, State, Brush);
    }
    // What an item covers is left out of the fill below.
    ExcludeClipRect(DC, Row.Left, Row.Top, Row.Right, Row.Bottom);
  }
  RECT Client;
  GetClientRect(AWindow, &Client);
  FillRect(DC, &Client, Brush);
  return 0;
}
