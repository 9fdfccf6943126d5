// The form window procedure: message by message, what the skin takes over (frame size,
// hit test, activation, the sizing loop, the skin-change messages) and what still
// reaches the form's own procedure.

#include <algorithm>

#include "components/core/spEffBmp.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "components/forms/SkinForm_PlacementInternal.h"
#include "components/forms/spTrayIcon.h"
#include "platform/win/Cursors.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowPos.h"

namespace {

bool SkinFormIsBorderHitCode(LRESULT ACode) { return ACode >= HTLEFT && ACode <= HTBOTTOMRIGHT; }

}  // namespace

void TspSkinForm::FormWindowProc(TMessage& AMessage) {
  const TLiveToken Alive = FLive.Token();
  if (Mdi().MDIWindowProc(AMessage)) {
    if (Alive) FollowMDIChildButtons(AMessage);
    return;
  }
  if (IsSkinMenuCloseMessage(AMessage.Msg)) {
    Menus().CheckCloseMenus();
    CancelControlsMode();
    if (!Alive) return;
  }
  FollowMDITabsBar(AMessage);
  // Each handler finishes its message or passes it on to the form's own procedure;
  // Observe passes it on after its handler.
  switch (AMessage.Msg) {
    case WM_DESTROY:
      return Observe(&TspSkinForm::WMDestroy, AMessage);
    case WM_SIZE:
      return WMSize(AMessage);
    case WM_ACTIVATE:
      return WMActivate(AMessage);
    case WM_SETTEXT:
      return WMSetText(AMessage);
    case WM_ERASEBKGND:
      return WMEraseBkgnd(AMessage);
    case WM_SHOWWINDOW:
      return Observe(&TspSkinForm::WMShowWindow, AMessage);
    case WM_SETCURSOR:
      return Observe(&TspSkinForm::WMSetCursor, AMessage);
    case WM_GETMINMAXINFO:
      return Observe(&TspSkinForm::WMGetMinMaxInfo, AMessage);
    case WM_DISPLAYCHANGE:
      return Observe(&TspSkinForm::WMDisplayChange, AMessage);
    case WM_NCCALCSIZE:
      return WMNCCalcSize(AMessage);
    case WM_NCHITTEST:
      return WMNCHitTest(AMessage);
    case WM_NCPAINT:
      return WMNCPaint(AMessage);
    case WM_NCACTIVATE:
      return WMNCActivate(AMessage);
    case WM_SYNCPAINT:
      return WMSyncPaint(AMessage);
    case WM_NCMOUSEMOVE:
      return WMNCMouseMove(AMessage);
    case WM_NCLBUTTONDOWN:
      return WMNCButtonDown(AMessage, mbLeft);
    case WM_NCLBUTTONUP:
      return WMNCButtonUp(AMessage, mbLeft);
    case WM_NCLBUTTONDBLCLK:
      return WMNCLButtonDblClk(AMessage);
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
      return WMNCButtonDown(AMessage, mbRight);
    case WM_NCRBUTTONUP:
      return WMNCButtonUp(AMessage, mbRight);
    case WM_SYSCOMMAND:
      return WMSysCommand(AMessage);
    case WM_TIMER:
      return Observe(&TspSkinForm::FadeStep, AMessage);
    case WM_MOUSEMOVE:
      return WMMouseMove(AMessage);
    case WM_LBUTTONDOWN:
      return WMButtonDown(AMessage, mbLeft);
    case WM_RBUTTONDOWN:
      return WMButtonDown(AMessage, mbRight);
    case WM_LBUTTONUP:
      return WMButtonUp(AMessage, mbLeft);
    case WM_RBUTTONUP:
      return WMButtonUp(AMessage, mbRight);
    case WM_LBUTTONDBLCLK:
      return WMButtonDblClk(AMessage, mbLeft);
    case WM_RBUTTONDBLCLK:
      return WMButtonDblClk(AMessage, mbRight);
    case WM_SIZING:
      return WMSizing(AMessage);
    case WM_MOVING:
      return Observe(&TspSkinForm::WMMoving, AMessage);
    case WM_ENTERSIZEMOVE:
      return Observe(&TspSkinForm::WMEnterSizeMove, AMessage);
    case WM_EXITSIZEMOVE:
      return Observe(&TspSkinForm::WMExitSizeMove, AMessage);
    case SP_BEFORECHANGESKINDATA:
    case SP_CHANGESKINDATA:
      return Observe(&TspSkinForm::SPSkinChange, AMessage);
    case SP_CHANGERESSTRDATA:
      return Observe(&TspSkinForm::SPChangeResStrData, AMessage);
    case SP_PAINTINTODC:
    case SP_PAINTNCINTODC:
      return SPPaintIntoDC(AMessage);
    case SP_CHANGESKINNABLEFORM:
      return Observe(&TspSkinForm::SPChangeSkinnableForm, AMessage);
    case SP_CHANGELAYEREDBORDERS:
      return SPChangeLayeredBorders(AMessage);
    case SP_CLOSESKINMENU:
      return Observe(&TspSkinForm::SPCloseSkinMenu, AMessage);
    case SP_QUERYSKINNABLE:
      return SPQuerySkinnable(AMessage);
    case SP_TRAYRESTOREFORM:
      return Observe(&TspSkinForm::SPTrayRestoreForm, AMessage);
    default:
      return PassOn(AMessage);
  }
}

void TspSkinForm::Observe(void (TspSkinForm::*AHandler)(TMessage&), TMessage& AMessage) {
  const TLiveToken Alive = FLive.Token();
  (this->*AHandler)(AMessage);
  // The handler may have run user code that freed the component.
  if (Alive) PassOn(AMessage);
}

void TspSkinForm::WMDestroy(TMessage&) { Objects().StopObjectTimers(); }

void TspSkinForm::WMSetText(TMessage& AMessage) {
  const bool Skinnable = FSkinnableForm;
  if (!CallOldWindowProc(AMessage)) return;
  if (!Skinnable) return;
  // A client-area form draws its caption objects in its client area, whatever its
  // border style; a frame shows the caption only where the form has one.
  if (!FSupportNCArea) {
    if (FSkinSupport) UpdateCaptionText();
  } else if (FForm->BorderStyle() != bsNone) {
    UpDateFormNC();
  }
}

void TspSkinForm::WMEraseBkgnd(TMessage& AMessage) {
  // Never passed on: the skin paints the whole background.
  if (FForm->FormStyle() != fsMDIForm || FClientInActiveDraw)
    PaintBackground(reinterpret_cast<HDC>(AMessage.WParam));
}

void TspSkinForm::WMShowWindow(TMessage& AMessage) {
  if (AMessage.WParam == 0) return;
  // The layered borders of the application's forms come back in order with it.
  if (FForm == Application->MainForm() && !Application->OnRestore)
    Application->OnRestore = [Live = FLive.Token(), this](TObject*) {
      if (Live) CheckAppLayeredBorders();
    };
  States().PlaceOnFirstShow();
  StartFadeIn();
  // Every show recomputes the frame at the size the form is shown at.
  if (FSkinnableForm && FSupportNCArea) RefreshFrameSize();
  if (FSkinnableForm && !FSupportNCArea) UpdateLinkedControls();
  // The skin draws the main menu: the form keeps no menu of its own.
  if (FSkinnableForm && FForm->Menu()) FForm->SetMenu(nullptr);
  // A state asked for while loading reaches a client-area form when it shows.
  if (!FSupportNCArea && FWindowStateInit != FWindowState) SetWindowState(FWindowStateInit);
}

void TspSkinForm::WMDisplayChange(TMessage&) {
  if (FSupportNCArea && FForm->BorderStyle() != bsNone &&
      (FForm->Width() > GetMaxWidth() || FForm->Height() > GetMaxHeight()))
    RefreshFrameSize();
}

// A rolled-up frame is repainted whole: the region of its strip leaves the window
// system nothing of its own to paint.
void TspSkinForm::WMSyncPaint(TMessage& AMessage) {
  if (!FSkinnableForm || !FSupportNCArea || !FRollUpState) return PassOn(AMessage);
  SendMessage(FForm->Handle(), WM_NCPAINT, 0, 0);
  AMessage.Result = 0;
}

void TspSkinForm::WMNCPaint(TMessage& AMessage) {
  if (!FSkinnableForm) return PassOn(AMessage);
  PaintFrame(0, false);
}

void TspSkinForm::SPChangeResStrData(TMessage&) { UpdateButtonHints(); }

void TspSkinForm::SPPaintIntoDC(TMessage& AMessage) {
  // SP_PAINTNCINTODC carries its magic in lParam and answers with it.
  const bool NonClient = AMessage.Msg == SP_PAINTNCINTODC;
  if (!FSkinnableForm || (NonClient && AMessage.LParam != PAINTNC_MAGIC)) return PassOn(AMessage);
  PaintFrame(reinterpret_cast<HDC>(AMessage.WParam), true);
  AMessage.Result = NonClient ? PAINTNC_MAGIC : PAINTINTODC_RESULT;
}

void TspSkinForm::SPCloseSkinMenu(TMessage&) { SkinMenuClose(); }

// The skin's layered-border switch changed: the border follows it in its own hook, then
// the outer rectangle the user saw is put back, and a full border takes the frame's
// objects anew.
void TspSkinForm::SPChangeLayeredBorders(TMessage& AMessage) {
  States().SaveBoundsBeforeBorderChange();
  if (!CallOldWindowProc(AMessage)) return;
  States().RestoreFullBorderBounds();
  if (FBorderLayer->FullBorder()) ChangeSkinData();
}

void TspSkinForm::SPQuerySkinnable(TMessage& AMessage) {
  AMessage.Result = FSkinnableForm ? SKINNABLE_RESULT_YES : SKINNABLE_RESULT_NO;
}

void TspSkinForm::WMSysCommand(TMessage& AMessage) {
  if (!TakeSysCommand(AMessage)) PassOn(AMessage);
}

bool TspSkinForm::TakeSysCommand(TMessage& AMessage) {
  switch (AMessage.WParam & 0xFFF0) {
    case SC_RESTORE:
      // The window system restores a form the skin did not minimize (the main form,
      // or one with MinimizeDefault).
      if (OnRestore) OnRestore(this);
      return false;
    case SC_KEYMENU:
      return Menus().TakeMenuKey();
    default:
      return false;
  }
}

void TspSkinForm::PaintFrame(HDC ADC, bool AUseExternalDC) {
  if (AUseExternalDC && ADC == nullptr) return;
  if (!FSupportNCArea || FForm->BorderStyle() == bsNone || IsMaximizedMDIChild()) return;
  if (FSkinSupport && FullLayeredBorderInForce()) return;
  if (FSkinSupport)
    PaintNCSkin(ADC, AUseExternalDC);
  else if (!FStopPainting)
    PaintNCDefault(ADC, AUseExternalDC);
}

void TspSkinForm::PaintBackground(HDC ADC) {
  if (!FSupportNCArea)
    Paint(ADC);
  else if (!FSkinSupport)
    PaintBGDefault(ADC);
  else if (FSD->BGPictureIndex == -1)
    PaintBG(ADC);
  else
    PaintBG2(ADC);
}

TPoint TspSkinForm::ScreenToFramePoint(LPARAM ALParam) const {
  RECT Window{};
  GetWindowRect(FForm->Handle(), &Window);
  const POINT OnScreen = LParamToPoint(ALParam);
  return {OnScreen.X - Window.Left, OnScreen.Y - Window.Top};
}

void TspSkinForm::WMSize(TMessage& AMessage) {
  if (!CallOldWindowProc(AMessage)) return;
  // During a sizing loop WM_SIZING has already computed the frame of this step; the
  // window has taken its size only now.
  if (FSizeMove && FFullDrag) {
    if (FSupportNCArea) Geometry().RepaintStretchedBackground();
    return;
  }
  Geometry().FFormWidth = FForm->Width();
  Geometry().FFormHeight = FForm->Height();
  States().ReleaseMagneticEdges();
  if (!FSupportNCArea) return UpdateClientAreaSkinFrame();
  if (FSkinSupport) {
    if (FSkinnableForm && Geometry().FFormWidth >= GetMinWidth() && Geometry().FFormHeight >= GetMinHeight())
      UpdateSkinFrame(true);
  } else {
    UpDateFormNC();
    UpdateFormRegion(true);
  }
  // A translucent form shows what lies behind its whole window anew; a centred logo
  // moves with the size.
  if (FAlphaBlend && FAlphaBlendValue < 255 && IsWindows2000OrLater()) {
    UpDateFormNC();
    FForm->Invalidate();
  }
  if (!LogoBitMap.Empty() && FForm->FormStyle() != fsMDIForm) FForm->Invalidate();
}

void TspSkinForm::WMActivate(TMessage& AMessage) {
  if (!FSkinnableForm) return PassOn(AMessage);
  // A drag by the picture never outlives the activation it started in.
  Objects().StopDragging();
  if (!CallOldWindowProc(AMessage)) return;
  if (FSupportNCArea) {
    // The hover ends with the activation change.
    Objects().ActiveObject = -1;
    ResetObjectStates();
    UpDateFormNC();
  }
  UpdateActiveState(true);
  if (!FSupportNCArea) FForm->Invalidate();
}

void TspSkinForm::WMSetCursor(TMessage& AMessage) {
  if (!FSupportNCArea || !FSkinnableForm || !UseFormCursorInNCArea) return;
  // The form's own cursor over caption and objects; the borders keep the sizing
  // cursors.
  const LRESULT Code = static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(AMessage.LParam)));
  if (Code != HTCLIENT && !SkinFormIsBorderHitCode(Code))
    AMessage.LParam =
        MAKELPARAM(static_cast<WORD>(HTCLIENT), HIWORD(static_cast<uintptr_t>(AMessage.LParam)));
}

void TspSkinForm::WMGetMinMaxInfo(TMessage& AMessage) {
  if (!FSkinnableForm) return;
  auto* Info = reinterpret_cast<MINMAXINFO*>(AMessage.LParam);
  Info->ptMinTrackSize = {GetMinWidth(), GetMinHeight()};
  Info->ptMaxTrackSize = {GetMaxWidth(), GetMaxHeight()};
  AMessage.Result = 0;
}

void TspSkinForm::WMNCCalcSize(TMessage& AMessage) {
  if (!FSkinnableForm) return PassOn(AMessage);
  // Never passed on: the form's whole rectangle is ours to divide.
  if (!FSupportNCArea || FForm->BorderStyle() == bsNone) return;
  // The full layered border draws the whole frame: the window is all client.
  if (FSkinSupport && FullLayeredBorderInForce()) return;
  auto* Params = reinterpret_cast<NCCALCSIZE_PARAMS*>(AMessage.LParam);
  RECT& R = Params->rgrc[0];
  if (FSkinSupport && !RectangleIsEmpty(FSD->ClRect)) {
    Geometry().FFormWidth = R.Right - R.Left;
    Geometry().FFormHeight = R.Bottom - R.Top;
    CalcRects();
    // A client rectangle reaching past the frame picture insets by nothing there,
    // never outwards.
    R.Left += std::max(FSD->ClRect.Left, 0);
    R.Top += std::max(FSD->ClRect.Top, 0);
    R.Right -= std::max(FSD->FPicture->Width() - FSD->ClRect.Right, 0);
    R.Bottom -= std::max(FSD->FPicture->Height() - FSD->ClRect.Bottom, 0);
  } else {
    R.Left += 3;
    R.Top += DefaultCaptionHeight() + 3;
    R.Right -= 3;
    R.Bottom -= 3;
  }
  if (R.Right < R.Left) R.Right = R.Left;
  if (R.Bottom < R.Top) R.Bottom = R.Top;
}

void TspSkinForm::WMNCHitTest(TMessage& AMessage) {
  if (!FSkinnableForm || (!FSupportNCArea && !FSkinSupport)) return PassOn(AMessage);
  const TPoint P = Objects().ScreenToObjectPoint(LParamToPoint(AMessage.LParam));
  if (!FSupportNCArea) {
    // The first hit test after the cursor came in starts the hover.
    if (!Objects().MouseIn) {
      Objects().MouseIn = true;
      Objects().TestActive(P.X, P.Y, true);
      Objects().MouseTimer().SetEnabled(true);
    }
    AMessage.Result = Objects().ClientAreaHitTest(P);
    return;
  }
  // The frame's windows hit-test the full layered border themselves.
  if (WearsFullLayeredBorder()) {
    AMessage.Result = HTCLIENT;
    return;
  }
  AMessage.Result = FSkinSupport ? Geometry().SkinFrameHitTest(P) : Geometry().DefaultFrameHitTest(P);
  // The pointer reached a frame object: the hover starts and the mouse timer follows it.
  if (AMessage.Result == HTOBJECT && !Objects().MouseTimer().Enabled()) {
    Objects().TestActive(P.X, P.Y, true);
    Objects().MouseTimer().SetEnabled(true);
  }
}

// ---------------------------------------------------------------- the mouse
// Each case lets the form's own procedure see the message first, then hands the mouse
// to the frame objects: non-client messages in frame mode, client messages in
// client-area mode (and, in frame mode, the release that ends a press the form has
// captured).

void TspSkinForm::WMNCMouseMove(TMessage& AMessage) {
  if (!CallOldWindowProc(AMessage)) return;
  if (!FSupportNCArea || !FSkinnableForm) return;
  const TPoint P = ScreenToFramePoint(AMessage.LParam);
  Objects().ObjectsMouseMove(P.X, P.Y);
}

void TspSkinForm::WMNCButtonDown(TMessage& AMessage, TMouseButton AButton) {
  if (!CallOldWindowProc(AMessage)) return;
  if (!FSupportNCArea || !FSkinnableForm) return;
  // A press that started a move or size loop comes back here once the loop is over.
  if (AButton == mbLeft && FSizeMove) {
    FSizeMove = false;
    return;
  }
  const TPoint P = ScreenToFramePoint(AMessage.LParam);
  Objects().TestActive(P.X, P.Y, true);
  Objects().ObjectsMouseDown(AButton, P.X, P.Y);
  // The caption's press belongs to the system's move handling; a right click on it
  // opens the system menu at the cursor.
  if (AMessage.WParam != HTCAPTION) return;
  Objects().MouseCaptureObject = -1;
  if (AMessage.Msg == WM_NCRBUTTONDOWN && !DisableSystemMenu) {
    POINT Cursor{};
    GetCursorPos(&Cursor);
    PopupSystemMenu(Cursor.X, Cursor.Y);
  }
}

void TspSkinForm::WMNCButtonUp(TMessage& AMessage, TMouseButton AButton) {
  if (!CallOldWindowProc(AMessage)) return;
  if (!FSupportNCArea || !FSkinnableForm) return;
  const TPoint P = ScreenToFramePoint(AMessage.LParam);
  Objects().ObjectsMouseUp(AButton, P.X, P.Y);
}

void TspSkinForm::WMNCLButtonDblClk(TMessage& AMessage) {
  if (!CallOldWindowProc(AMessage)) return;
  if (!FSupportNCArea || !FSkinnableForm) return;
  const TPoint P = ScreenToFramePoint(AMessage.LParam);
  Objects().TestActive(P.X, P.Y, true);
  Objects().ObjectsMouseDown(mbLeft, P.X, P.Y);
  Objects().ObjectsDblClick();
  if (AMessage.WParam != HTCAPTION) return;
  NCCaptionDblClick();
  Objects().MouseCaptureObject = -1;
}

void TspSkinForm::NCCaptionDblClick() {
  // A sizeable form is restored from minimized or maximized, or maximized; otherwise
  // it rolls up or down.
  if (Sizeable) {
    if (FWindowStateInit == wsMinimized) return SetWindowState(wsNormal);
    if (FWindowStateInit != wsMaximized && !FRollUpState && FBorderIcons.Contains(biMaximize))
      return SetWindowState(wsMaximized);
    if (FWindowStateInit == wsMaximized && !MaxRolledUp()) return SetWindowState(wsNormal);
  }
  SetRollUpState(!FRollUpState);
}

void TspSkinForm::WMMouseMove(TMessage& AMessage) {
  if (!CallOldWindowProc(AMessage)) return;
  if (FSupportNCArea) return;
  const TPoint P = LParamToPoint(AMessage.LParam);
  Objects().ObjectsMouseMove(P.X, P.Y);
  if (Objects().IsDragging()) Objects().FollowDrag();
}

void TspSkinForm::WMButtonDown(TMessage& AMessage, TMouseButton AButton) {
  if (!CallOldWindowProc(AMessage)) return;
  if (FSupportNCArea) return;
  const TPoint P = LParamToPoint(AMessage.LParam);
  Objects().ObjectsMouseDown(AButton, P.X, P.Y);
}

void TspSkinForm::WMButtonUp(TMessage& AMessage, TMouseButton AButton) {
  if (!CallOldWindowProc(AMessage)) return;
  if (!FSupportNCArea) {
    const TPoint P = LParamToPoint(AMessage.LParam);
    return Objects().ObjectsMouseUp(AButton, P.X, P.Y);
  }
  // The release of a press the form captured. The hover is brought up to the point of
  // release first, so a release off the object cancels even before the mouse timer
  // has seen the pointer leave.
  if (Objects().MouseCaptureObject == -1) return;
  POINT Release = LParamToPoint(AMessage.LParam);
  ClientToScreen(FForm->Handle(), &Release);
  const TPoint P = ScreenToFramePoint(PointToLParam(Release));
  Objects().TestActive(P.X, P.Y, true);
  Objects().ObjectsMouseUp(AButton, -1, -1);
}

void TspSkinForm::WMButtonDblClk(TMessage& AMessage, TMouseButton AButton) {
  if (!CallOldWindowProc(AMessage)) return;
  // Client points are object points only in client-area mode.
  if (FSupportNCArea) return;
  const TPoint P = LParamToPoint(AMessage.LParam);
  const TLiveToken Alive = FLive.Token();
  Objects().ObjectsMouseDown(AButton, P.X, P.Y);
  if (AButton != mbLeft || !Alive) return;
  Objects().ObjectsDblClick();
  if (Alive) CaptionDblClick();
}

void TspSkinForm::WMNCActivate(TMessage& AMessage) {
  if (!FSkinnableForm) return PassOn(AMessage);
  FFormActive = AMessage.WParam != 0;
  if (!FFormActive) Objects().ActiveObject = -1;
  // The form's own procedure is not called, so the platform never draws its caption.
  AMessage.Result = 1;
  if (FForm->BorderStyle() == bsNone) {
    UpdateActiveState(false);
  } else {
    UpDateFormNC();
    UpdateActiveState(true);
  }
  FollowActivationWithClientEffect();
}

void TspSkinForm::WMSizing(TMessage& AMessage) {
  if (!FSizeMove || !FFullDrag) return PassOn(AMessage);
  FSizing = true;
  States().ReleaseMagneticEdges();
  // The form's procedure applies its constraints to the rectangle first.
  if (!CallOldWindowProc(AMessage)) return;
  const auto* R = reinterpret_cast<const RECT*>(AMessage.LParam);
  const int Width = std::max(static_cast<int>(R->Right - R->Left), GetMinWidth());
  const int Height = std::max(static_cast<int>(R->Bottom - R->Top), GetMinHeight());
  if (!FSkinSupport) {
    Geometry().FFormWidth = Width;
    Geometry().FFormHeight = Height;
    UpdateFormRegion(true);
    return;
  }
  if (!FSupportNCArea || !FSkinnableForm ||
      (Width == Geometry().FFormWidth && Height == Geometry().FFormHeight))
    return;
  Geometry().FFormWidth = Width;
  Geometry().FFormHeight = Height;
  UpdateSkinFrame(true);
}

void TspSkinForm::WMMoving(TMessage& AMessage) {
  if (!FSkinnableForm) return;
  auto* R = reinterpret_cast<RECT*>(AMessage.LParam);
  // A maximized form stays where it is.
  if (FWindowStateInit == wsMaximized && FForm->FormStyle() != fsMDIChild) {
    *R = FForm->BoundsRect();
  } else if (Magnetic) {
    int X = R->Left, Y = R->Top;
    DoMagnetic(X, Y, FForm->Width(), FForm->Height());
    *R = Rect(X, Y, SaturatedCoordinate(static_cast<long long>(X) + FForm->Width()),
              SaturatedCoordinate(static_cast<long long>(Y) + FForm->Height()));
  }
}

void TspSkinForm::WMEnterSizeMove(TMessage&) {
  States().NoteMoveStart();
  if (!FSupportNCArea || !FSkinnableForm) return;
  ResetObjectStates();
  Objects().MouseTimer().SetEnabled(false);
  Objects().ActiveObject = Objects().MouseCaptureObject = -1;
  FSizeMove = true;
  int FullDrag = 0;
  SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &FullDrag, 0);
  FFullDrag = FullDrag != 0;
}

void TspSkinForm::WMExitSizeMove(TMessage&) {
  if (!FSupportNCArea || !FSkinnableForm) return;
  if (FSizing && (FForm->Width() != Geometry().FFormWidth || FForm->Height() != Geometry().FFormHeight)) {
    Geometry().FFormWidth = FForm->Width();
    Geometry().FFormHeight = FForm->Height();
    UpdateSkinFrame(true);
  }
  Objects().MouseTimer().SetEnabled(false);
  Objects().ActiveObject = Objects().OldActiveObject = Objects().MouseCaptureObject = -1;
  FSizeMove = false;
  FSizing = false;
  if (FSkinSupport) UpDateFormNC();
}
