// The popup window itself: its window class, activation, showing with the fade, hiding
// and leaving the chain.

#include "components/core/spEffBmp.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/Application.h"
#include "platform/ui/PostedRelease.h"
#include "platform/ui/Screen.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"

namespace {

constexpr UINT_PTR PopupScrollTimerId = 1;
constexpr UINT_PTR PopupFadeTimerId = 2;

}  // namespace

TspSkinPopupWindow::TspSkinPopupWindow(TComponent* AOwner, TspDataSkinPopupWindow* AData,
                                       TspSkinMenu& AParentMenu)
    : TCustomControl(AOwner),
      ParentMenu(AParentMenu),
      MouseTimer(NewDisabledTimer(this, 50, [this] { MouseTimerTick(); })),
      MorphTimer(NewDisabledTimer(this, 20, [this] { MorphTimerTick(); })) {
  FVisible = false;
  // A skin look needs its window picture to be measured and drawn from.
  if (!AData || !AParentMenu.SkinData) return;
  WindowPicture = AParentMenu.SkinData->Picture(AData->WindowPictureIndex);
  if (!WindowPicture) return;
  PW = AData;
  SD = AParentMenu.SkinData;
  MaskPicture = SD->Picture(AData->MaskPictureIndex);
}

TspSkinPopupWindow::~TspSkinPopupWindow() {
  if (FReleaseHook) RemoveMessageHook(FReleaseHook);
}

// Top-most and never activated.
void TspSkinPopupWindow::CreateParams(TCreateParams& AParams) {
  TCustomControl::CreateParams(AParams);
  AParams.Style = WS_POPUP;
  AParams.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  AParams.WndParent = nullptr;
  AParams.WindowClass.style |= CS_SAVEBITS | CS_DROPSHADOW;
}

void TspSkinPopupWindow::Dispatch(TMessage& AMessage) {
  switch (AMessage.Msg) {
    case WM_MOUSEACTIVATE:
      AMessage.Result = MA_NOACTIVATE;
      break;
    // Paint composes the whole window in one picture.
    case WM_ERASEBKGND:
      AMessage.Result = 1;
      break;
    case WM_TIMER:
      if (AMessage.WParam == PopupScrollTimerId) ScrollStep();
      if (AMessage.WParam == PopupFadeTimerId) FadeStep();
      break;
    default:
      TCustomControl::Dispatch(AMessage);
      break;
  }
}

void TspSkinPopupWindow::Show(const TRect& AAnchor, TMenuItem* AItem, int AStartIndex,
                              TspPopupDirection ADirection, TMenuItem* AItem2) {
  FillItems(AItem, AItem2, AStartIndex);
  const TRect WorkArea = RectangleIsEmpty(ParentMenu.WorkArea)
                             ? Screen->MonitorFromRect(AAnchor)->WorkareaRect()
                             : ParentMenu.WorkArea;
  VisibleStartIndex = 0;
  Scroll = false;
  Scroll2 = false;
  int Height = ContentHeight();
  if (Height > WorkArea.Height()) {
    Height = WorkArea.Height();
    Scroll = true;
  }
  SizeTo(ContentWidth(), Height);
  LayoutItems();
  ApplyMaskRegion();

  const TPoint Place = PlaceSkinPopupWindow(WorkArea, AAnchor, TSize{Width(), Height}, NewItemsRect.Top,
                                            ADirection, Scroll && !Scroll2);
  ShowX = Place.X;
  ShowY = Place.Y;
  if (PW && PW->CursorIndex != -1) SetCursor(TCursor(SD->StartCursorIndex + PW->CursorIndex));
  SetBounds(ShowX, ShowY, Width(), Height);
  ShowLayered();
  SetWindowPos(Handle(), HWND_TOPMOST, ShowX, ShowY, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_SHOWWINDOW);
  FVisible = true;
  LastMousePos = TPoint{-1, -1};
  MouseTimer->SetEnabled(true);
  HighlightFirstItem();
}

// With the chain's alpha blending the window is layered; the first window of a new
// chain fades in from nothing, one step per tick of the fade timer.
void TspSkinPopupWindow::ShowLayered() {
  if (!ParentMenu.AlphaBlend) return;
  const LONG_PTR ExStyle = GetWindowLongPtr(Handle(), GWL_EXSTYLE);
  SetWindowLongPtr(Handle(), GWL_EXSTYLE, ExStyle | WS_EX_LAYERED);
  const bool Fade = ParentMenu.FFirst && ParentMenu.AlphaBlendAnimation;
  FFadeAlpha = Fade ? 0 : ParentMenu.AlphaBlendValue;
  SetLayeredAlpha(Handle(), uint8_t(FFadeAlpha));
  if (Fade) SetTimer(Handle(), PopupFadeTimerId, MenuFadeStepMs, nullptr);
}

void TspSkinPopupWindow::FadeStep() {
  const int Target = ParentMenu.AlphaBlendValue;
  FFadeAlpha = NextMenuFadeAlpha(FFadeAlpha, Target);
  SetLayeredAlpha(Handle(), uint8_t(FFadeAlpha));
  if (FFadeAlpha >= Target) KillTimer(Handle(), PopupFadeTimerId);
}

// The first item that can be chosen is highlighted, waiting for the mouse to reach it.
void TspSkinPopupWindow::HighlightFirstItem() {
  for (int I = 0; I < ItemCount(); ++I) {
    TspSkinMenuItem& Line = *ItemList[I];
    if (!Line.IsSelectable()) continue;
    Line.WaitCommand = true;
    ActiveItem = I;
    Line.MouseEnter(true);
    return;
  }
}

void TspSkinPopupWindow::Hide() {
  MouseTimer->SetEnabled(false);
  MorphTimer->SetEnabled(false);
  if (HandleAllocated()) {
    KillTimer(Handle(), PopupScrollTimerId);
    KillTimer(Handle(), PopupFadeTimerId);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW);
  }
  ScrollCode = 0;
  FVisible = false;
}

// A message posted now comes off the queue after everything queued before it, so the
// window goes once the handler that closed its level has returned.
void TspSkinPopupWindow::Release() {
  Hide();
  if (FReleaseHook) return;
  // Out of the chain, the window belongs to the application until the loop frees it:
  // a command may free the chain while the handler that closed this level still runs.
  if (Application && Owner() != Application) {
    if (Owner()) Owner()->RemoveComponent(this);
    Application->InsertComponent(this);
  }
  FReleaseHook = PostRelease(this, [this] { delete this; });
}

void TspSkinPopupWindow::CollapseBelow() {
  ParentMenu.CloseLevels(ParentMenu.LevelOf(*this) + 1);
  for (const auto& Line : ItemList) {
    if (!Line->Down) continue;
    Line->Down = false;
    if (Line->EnableAnimation() && !Line->MI->InActiveAnimation) {
      Line->CurrentFrame = 0;
      Line->Draw(Canvas());
    } else {
      Line->ReDraw();
    }
  }
}
