// The picture menu's window: its class, the cell layout, its size and place, showing,
// the application hook and closing. Closing runs from the window's own mouse handler
// and from the hook, so the window is freed later, by the message loop.

#include "components/controls/SkinElementLookup.h"
#include "components/core/SPUtils.h"
#include "components/core/spEffBmp.h"
#include "components/forms/SkinMenus.h"
#include "components/forms/SkinPictureMenu.h"
#include "platform/ui/Application.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/PostedRelease.h"
#include "platform/ui/Screen.h"
#include "platform/win/Capture.h"
#include "platform/win/Cursors.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowRegions.h"

namespace {

constexpr UINT_PTR ImagesMenuFadeTimerId = 1;

// The form whose monitor the menu opens on: the active form, else the visible main
// form, else the form that owns the menu.
HWND ImagesMenuMonitorWindow(const TspSkinImagesMenu& AMenu) {
  if (TForm* Active = Screen->ActiveForm()) return Active->Handle();
  TCustomForm* Main = Application->MainForm();
  if (Main && Main->Visible()) return Main->Handle();
  for (TComponent* Owner = AMenu.Owner(); Owner; Owner = Owner->Owner())
    if (auto* Form = dynamic_cast<TCustomForm*>(Owner))
      return Form->HandleAllocated() ? Form->Handle() : nullptr;
  return nullptr;
}

// Messages that close the menu without item events while it is open.
bool ClosesImagesMenu(UINT AMessage) {
  switch (AMessage) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_SYSKEYDOWN:
    case WM_SYSCHAR:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
      return true;
    default:
      return false;
  }
}

}  // namespace

TspSkinImagesMenuPopupWindow::TspSkinImagesMenuPopupWindow(TspSkinImagesMenu* AImagesMenu)
    : TCustomControl(AImagesMenu), ImagesMenu(AImagesMenu) {
  FVisible = false;
  const TspSkinData* Skin = ImagesMenu->SkinData();
  if (!Skin || Skin->Empty || !Skin->PopupWindow) return;
  WindowPicture = Skin->Picture(Skin->PopupWindow->WindowPictureIndex);
  if (!WindowPicture) return;
  FSkinSupport = true;
  MaskPicture = Skin->Picture(Skin->PopupWindow->MaskPictureIndex);
}

TspSkinImagesMenuPopupWindow::~TspSkinImagesMenuPopupWindow() {
  // Freed while open (the menu went): the hook and the capture go with the window.
  if (FAppHook) Application->OnMessage.Remove(FAppHook);
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
  if (FReleaseHook) RemoveMessageHook(FReleaseHook);
}

// Top-most, never activated, layered with AlphaBlend.
void TspSkinImagesMenuPopupWindow::CreateParams(TCreateParams& AParams) {
  TCustomControl::CreateParams(AParams);
  AParams.Style = WS_POPUP;
  AParams.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  if (ImagesMenu->AlphaBlend) AParams.ExStyle |= WS_EX_LAYERED;
  AParams.WndParent = nullptr;
  AParams.WindowClass.style |= CS_SAVEBITS;
  if (IsWindowsXPOrLater()) AParams.WindowClass.style |= CS_DROPSHADOW;
}

int TspSkinImagesMenuPopupWindow::HeaderHeight(int ACellHeight) const {
  const TspSkinData* Skin = ImagesMenu->SkinData();
  const int Index = FindSkinElement(Skin, "label");
  return Index == -1 ? ACellHeight : RectangleHeight(Skin->Control(Index)->SkinRect);
}

int TspSkinImagesMenuPopupWindow::LayoutItems() {
  const int CW = ImagesMenu->Images()->Width() + 10;
  const int CH = ImagesMenu->Images()->Height() + 10;
  const int RW = CW * ImagesMenu->ColumnsCount();
  const TPoint Start = FSkinSupport ? ImagesMenu->SkinData()->PopupWindow->ItemsRect.TopLeft() : TPoint{5, 5};
  const int L = Start.X;
  int X = L;
  int Y = Start.Y;
  for (int I = 0; I < ItemCount(); ++I) {
    TspImagesMenuItem& Cell = Item(I);
    if (Cell.Header || Cell.Button) {
      if (X != L) Y += CH + 1;
      const int H = Cell.Header ? HeaderHeight(CH) : CH;
      Cell.ItemRect = TRect{L, Y, L + RW, Y + H};
      Y += H + 1;
      X = L;
      continue;
    }
    Cell.ItemRect = TRect{X, Y, X + CW, Y + CH};
    X += CW;
    if (X + CW > L + RW) {
      X = L;
      Y += CH + 1;
    }
  }
  if (ItemCount() == 0) return 0;
  return Item(ItemCount() - 1).ItemRect.Bottom - Item(0).ItemRect.Top;
}

void TspSkinImagesMenuPopupWindow::SizeWindow() {
  const int A = (ImagesMenu->Images()->Width() + 10) * ImagesMenu->ColumnsCount();
  const int D = LayoutItems();
  if (!FSkinSupport) {
    SetBounds(Left(), Top(), A + 10, D + 10);
    return;
  }
  const TspDataSkinPopupWindow& PW = *ImagesMenu->SkinData()->PopupWindow;
  const int W = A + WindowPicture->Width() - RectangleWidth(PW.ItemsRect);
  const int H = D + WindowPicture->Height() - RectangleHeight(PW.ItemsRect);
  const int DX = W - WindowPicture->Width();
  const int DY = H - WindowPicture->Height();
  NewLTPoint = PW.LTPoint;
  NewRTPoint = TPoint{PW.RTPoint.X + DX, PW.RTPoint.Y};
  NewLBPoint = TPoint{PW.LBPoint.X, PW.LBPoint.Y + DY};
  NewRBPoint = TPoint{PW.RBPoint.X + DX, PW.RBPoint.Y + DY};
  NewItemsRect =
      TRect{PW.ItemsRect.Left, PW.ItemsRect.Top, PW.ItemsRect.Right + DX, PW.ItemsRect.Bottom + DY};
  SetBounds(Left(), Top(), W, H);
  if (!MaskPicture) return;
  // The window owns the region once given.
  if (HRGN Region = CreateSkinRegion(PW.LTPoint, PW.RTPoint, PW.LBPoint, PW.RBPoint, PW.ItemsRect, NewLTPoint,
                                     NewRTPoint, NewLBPoint, NewRBPoint, NewItemsRect, *MaskPicture, W, H))
    SetWindowRgn(Handle(), Region, false);
}

void TspSkinImagesMenuPopupWindow::Show(const TRect& R) {
  SizeWindow();
  TRect WorkArea;
  GetScreenArea(true, WorkArea);
  GetMonitorArea(ImagesMenuMonitorWindow(*ImagesMenu), true, WorkArea);
  const TPoint Place = PlaceSkinImagesMenu(WorkArea, R, TSize{Width(), Height()});
  SetBounds(Place.X, Place.Y, Width(), Height());
  const bool Fade = ImagesMenu->AlphaBlend && ImagesMenu->AlphaBlendAnimation;
  FFadeAlpha = Fade ? 0 : ImagesMenu->AlphaBlendValue;
  if (ImagesMenu->AlphaBlend) SetLayeredAlpha(Handle(), uint8_t(FFadeAlpha));
  if (Fade) SetTimer(Handle(), ImagesMenuFadeTimerId, MenuFadeStepMs, nullptr);
  SetWindowPos(Handle(), HWND_TOPMOST, Place.X, Place.Y, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_SHOWWINDOW);
  FVisible = true;
  FAppHook = Application->OnMessage.Add([this](MSG& AMessage, bool&) { AppMessage(AMessage); });
  SetCapture(Handle());
}

void TspSkinImagesMenuPopupWindow::AppMessage(MSG& AMessage) {
  if (ClosesImagesMenu(AMessage.message)) return Hide(false);
  if (AMessage.message != WM_KEYDOWN) return;
  const auto Key = static_cast<WORD>(AMessage.wParam);
  AMessage.message = WM_NULL;
  ProcessKey(Key);
}

void TspSkinImagesMenuPopupWindow::Dispatch(TMessage& AMessage) {
  // A closed window only waits to be freed: its menu may be gone already.
  const bool MouseMessage = (AMessage.Msg >= WM_MOUSEFIRST && AMessage.Msg <= WM_MOUSELAST) ||
                            AMessage.Msg == CM_MOUSEENTER || AMessage.Msg == CM_MOUSELEAVE;
  if (FClosed && MouseMessage) return;
  switch (AMessage.Msg) {
    case WM_ERASEBKGND:
      AMessage.Result = 1;
      return;
    case WM_MOUSEACTIVATE:
      AMessage.Result = MA_NOACTIVATE;
      return;
    case CM_MOUSEENTER:
      return;
    case WM_TIMER:
      if (AMessage.WParam == ImagesMenuFadeTimerId) return FadeStep();
      break;
    case CM_MOUSELEAVE:
      MouseLeft();
      return;
    default:
      break;
  }
  TCustomControl::Dispatch(AMessage);
  if (!FVisible || (AMessage.Msg != WM_LBUTTONDOWN && AMessage.Msg != WM_LBUTTONDBLCLK)) return;
  TPoint Cursor;
  if (GetCursorPos(&Cursor) && WindowFromPoint(Cursor) != Handle()) Hide(false);
}

void TspSkinImagesMenuPopupWindow::Hide(bool AProcessEvents) {
  if (!FVisible) return;
  HideSkinHint();
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW);
  FVisible = false;
  FClosed = true;
  KillTimer(Handle(), ImagesMenuFadeTimerId);
  Application->OnMessage.Remove(FAppHook);
  FAppHook = 0;
  if (GetCapture() == Handle()) ReleaseCapture();
  ReleaseLater();
  ImagesMenu->WindowClosed(AProcessEvents);
}

void TspSkinImagesMenuPopupWindow::FadeStep() {
  const int Target = ImagesMenu->AlphaBlendValue;
  FFadeAlpha = NextMenuFadeAlpha(FFadeAlpha, Target);
  SetLayeredAlpha(Handle(), uint8_t(FFadeAlpha));
  if (FFadeAlpha >= Target) KillTimer(Handle(), ImagesMenuFadeTimerId);
}

// As a form's Release: a message posted now comes off the queue after everything
// queued before it, and the hook sees it before any window procedure runs. Until
// then the application owns the window, so that the menu may go meanwhile (an item's
// OnClick may free it) without freeing a window whose handler is still running.
void TspSkinImagesMenuPopupWindow::ReleaseLater() {
  Application->InsertComponent(this);
  FReleaseHook = PostRelease(this, [this] { delete this; });
}
