// TCustomTabControl: its properties as window styles and messages, the selection,
// the display rectangle and the notifications of a selection by the user.

#include "platform/ui/native/TabControl.h"

#include <algorithm>

#include "platform/ui/native/TabControlWindow.h"
#include "platform/win/Windows.h"

namespace {

constexpr DWORD TabStyleMask =
    TCS_BOTTOM | TCS_VERTICAL | TCS_BUTTONS | TCS_FLATBUTTONS | TCS_MULTILINE | TCS_FOCUSNEVER;

}  // namespace

TCustomTabControl::TCustomTabControl(TComponent* AOwner) : TWinControl(AOwner) {
  ControlStyle = {csAcceptsControls, csCaptureMouse, csDoubleClicks};
  SetBounds(0, 0, 289, 193);
  SetTabStop(true);
}

// ---------------------------------------------------------------- the window

void TCustomTabControl::CreateParams(TCreateParams& AParams) {
  RegisterTabControlClass();
  TWinControl::CreateParams(AParams);
  CreateSubClass(AParams, WC_TABCONTROL);
  AParams.Style |= WS_CLIPCHILDREN | TabStyleBits();
}

void TCustomTabControl::CreateWnd() {
  TWinControl::CreateWnd();
  Perform(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FImages));
  UpdateTabSize();
  CreateTabs();
  Perform(TCM_SETCURSEL, static_cast<WPARAM>(FTabIndex), 0);
  // The window's first WM_SIZE aligned the children before it had tabs.
  Realign();
}

void TCustomTabControl::DestroyWnd() {
  FTabIndex = TabIndex();
  TWinControl::DestroyWnd();
}

DWORD TCustomTabControl::TabStyleBits() const {
  static constexpr DWORD PositionBits[] = {0, TCS_BOTTOM, TCS_VERTICAL, TCS_VERTICAL | TCS_RIGHT};
  static constexpr DWORD StyleBits[] = {TCS_TABS, TCS_BUTTONS, TCS_BUTTONS | TCS_FLATBUTTONS};
  DWORD Bits = PositionBits[FTabPosition] | StyleBits[FStyle];
  if (FMultiLine) Bits |= TCS_MULTILINE;
  if (!TabStop()) Bits |= TCS_FOCUSNEVER;
  return Bits;
}

void TCustomTabControl::UpdateTabStyle() {
  if (!HandleAllocated()) return;
  const auto Style = static_cast<DWORD>(GetWindowLong(Handle(), GWL_STYLE));
  SetWindowLong(Handle(), GWL_STYLE, static_cast<LONG_PTR>((Style & ~TabStyleMask) | TabStyleBits()));
  Realign();
}

void TCustomTabControl::UpdateTabSize() {
  if (!HandleAllocated()) return;
  Perform(TCM_SETITEMSIZE, 0, MAKELPARAM(static_cast<WORD>(FTabWidth), static_cast<WORD>(FTabHeight)));
  Realign();
}

// ---------------------------------------------------------------- properties

int TCustomTabControl::TabIndex() {
  return HandleAllocated() ? static_cast<int>(Perform(TCM_GETCURSEL, 0, 0)) : FTabIndex;
}

void TCustomTabControl::SetTabIndex(int AValue) {
  FTabIndex = AValue;
  if (HandleAllocated()) Perform(TCM_SETCURSEL, static_cast<WPARAM>(AValue), 0);
}

void TCustomTabControl::SetTabPosition(TTabPosition AValue) {
  if (FTabPosition == AValue) return;
  FTabPosition = AValue;
  UpdateTabStyle();
}

void TCustomTabControl::SetStyle(TTabStyle AValue) {
  if (FStyle == AValue) return;
  FStyle = AValue;
  UpdateTabStyle();
}

void TCustomTabControl::SetMultiLine(bool AValue) {
  if (FMultiLine == AValue) return;
  FMultiLine = AValue;
  UpdateTabStyle();
}

// The window keeps sizes in 16 bits, as the message carries them.
void TCustomTabControl::SetTabHeight(int AValue) {
  AValue = std::clamp(AValue, 0, 0xFFFF);
  if (FTabHeight == AValue) return;
  FTabHeight = AValue;
  UpdateTabSize();
}

void TCustomTabControl::SetTabWidth(int AValue) {
  AValue = std::clamp(AValue, 0, 0xFFFF);
  if (FTabWidth == AValue) return;
  FTabWidth = AValue;
  UpdateTabSize();
}

void TCustomTabControl::SetImages(TCustomImageList* AValue) {
  if (FImages == AValue) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = AValue;
  if (FImages) FImages->FreeNotification(this);
  if (!HandleAllocated()) return;
  Perform(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FImages));
  Realign();
}

void TCustomTabControl::Notification(TComponent* AComponent, TOperation AOperation) {
  TWinControl::Notification(AComponent, AOperation);
  if (AOperation == opRemove && AComponent == FImages) SetImages(nullptr);
}

TRect TCustomTabControl::DisplayRect() {
  TRect Result = ClientRect();
  Perform(TCM_ADJUSTRECT, 0, reinterpret_cast<LPARAM>(&Result));
  return Result;
}

// Before the window exists the children take the whole client area; the window's
// first WM_SIZE aligns them again.
void TCustomTabControl::AdjustClientRect(TRect& ARect) {
  if (HandleAllocated()) ARect = DisplayRect();
}

// ---------------------------------------------------------------- tabs

void TCustomTabControl::InsertTab(int AIndex, const String& ACaption, int AImageIndex) {
  if (!HandleAllocated()) return;
  TCITEM Item;
  Item.mask = TCIF_TEXT | TCIF_IMAGE;
  Item.pszText = ACaption.c_str();
  Item.iImage = AImageIndex;
  Perform(TCM_INSERTITEM, static_cast<WPARAM>(AIndex), reinterpret_cast<LPARAM>(&Item));
}

void TCustomTabControl::DeleteTab(int AIndex) {
  if (HandleAllocated()) Perform(TCM_DELETEITEM, static_cast<WPARAM>(AIndex), 0);
}

int TCustomTabControl::TabCount() {
  return HandleAllocated() ? static_cast<int>(Perform(TCM_GETITEMCOUNT, 0, 0)) : 0;
}

// ---------------------------------------------------------------- notifications

void TCustomTabControl::Dispatch(TMessage& AMessage) {
  // clang-format off
  switch (AMessage.Msg) {
    case WM_PAINT: PaintHandler(AMessage); break;
    case CN_NOTIFY: CNNotify(AMessage); break;
    case CM_TABSTOPCHANGED: UpdateTabStyle(); break;
    case CM_FONTCHANGED: CMFontChanged(AMessage); break;
    default: TWinControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

void TCustomTabControl::CNNotify(TMessage& AMessage) {
  const auto* Header = reinterpret_cast<const NMHDR*>(AMessage.LParam);
  if (Header->code == TCN_SELCHANGING)
    AMessage.Result = CanChange() ? 0 : 1;
  else if (Header->code == TCN_SELCHANGE)
    Change();
}

// Measured tabs follow the font, and the pages follow the tabs.
void TCustomTabControl::CMFontChanged(TMessage& AMessage) {
  TWinControl::Dispatch(AMessage);
  Realign();
}

bool TCustomTabControl::CanChange() {
  bool AllowChange = true;
  if (OnChanging) OnChanging(this, AllowChange);
  return AllowChange;
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(this);
}
