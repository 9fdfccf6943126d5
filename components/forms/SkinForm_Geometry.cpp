// The frame of the current size: the skin's geometry moved to the form's size, the
// window region from the skin's mask, the hit tests of the skinned and the built-in
// frame, and the frame's active state.

#include <algorithm>
#include <vector>

#include "components/controls/SkinCtrls.h"
#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Graphics.h"
#include "platform/gdi/Regions.h"
#include "platform/ui/Screen.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowRegions.h"

namespace {

TPoint SkinFormShiftedPoint(TPoint APoint, int ADX, int ADY) { return {APoint.X + ADX, APoint.Y + ADY}; }

// The black pixels of a mask strip, placed at (AX, AY), added to ARegion.
void AddStripToRegion(HRGN ARegion, TBitmap& AStrip, int AX, int AY) {
  std::vector<uint8_t> Data;
  if (GetMaskRegionRects(AStrip, AX, AY, Data) == 0) return;
  const TOwnedGdiObject<TRegionObject> Strip(
      ExtCreateRegion(nullptr, uint32_t(Data.size()), reinterpret_cast<const RGNDATA*>(Data.data())));
  if (Strip == nullptr) return;
  CombineRgn(ARegion, ARegion, Strip.get(), RGN_OR);
}

// The pixel of a mask strip at (AX, AY) is black; a pixel outside the strip never is.
bool StripPixelIsBlack(TBitmap& AStrip, int AX, int AY) {
  if (AStrip.Empty() || AX < 0 || AY < 0 || AX >= AStrip.Width() || AY >= AStrip.Height()) return false;
  const uint8_t* Pixel = AStrip.ScanLine(AY) + AX * (AStrip.PixelFormat() == pf24bit ? 3 : 4);
  return (Pixel[0] | Pixel[1] | Pixel[2]) == 0;
}

}  // namespace

bool TspSkinFormGeometry::SkinFrameResizable() const {
  return SkinForm.FSD != nullptr && SkinForm.FSD->RBPoint.X != SkinForm.FSD->LTPoint.X &&
         SkinForm.FSD->RBPoint.Y != SkinForm.FSD->LTPoint.Y;
}

void TspSkinFormGeometry::CalcRects() {
  if (FFormWidth == 0) FFormWidth = SkinForm.FForm->Width();
  if (FFormHeight == 0) FFormHeight = SkinForm.FForm->Height();
  if (!SkinForm.HasSkin()) return;
  const TspSkinData& S = *SkinForm.FSD;
  const int PictureWidth = S.FPicture->Width();
  const int DX = FFormWidth - PictureWidth;
  const int DY = FFormHeight - S.FPicture->Height();

  NewLTPoint = S.LTPoint;
  NewRTPoint = SkinFormShiftedPoint(S.RTPoint, DX, 0);
  NewLBPoint = SkinFormShiftedPoint(S.LBPoint, 0, DY);
  NewRBPoint = SkinFormShiftedPoint(S.RBPoint, DX, DY);
  NewClRect = Rect(S.ClRect.Left, S.ClRect.Top, S.ClRect.Right + DX, S.ClRect.Bottom + DY);

  NewCaptionRect = S.CaptionRect;
  if (!RectangleIsEmpty(S.CaptionRect)) NewCaptionRect.Right += DX;

  NewButtonsRect = S.ButtonsRect;
  NewButtonsInLeft = S.CapButtonsInLeft;
  if (!RectangleIsEmpty(S.ButtonsRect)) {
    if (S.ButtonsRect.Left > PictureWidth / 2)
      OffsetRect(NewButtonsRect, DX, 0);
    else if (S.ButtonsRect.Left < PictureWidth / 2)
      ButtonsInLeft = true;
  }
  NewButtonsOffset = S.ButtonsOffset;

  NewHitTestLTPoint = S.HitTestLTPoint;
  NewHitTestRTPoint = SkinFormShiftedPoint(S.HitTestRTPoint, DX, 0);
  NewHitTestLBPoint = SkinFormShiftedPoint(S.HitTestLBPoint, 0, DY);
  NewHitTestRBPoint = SkinFormShiftedPoint(S.HitTestRBPoint, DX, DY);
  NewMaskRectArea =
      Rect(S.MaskRectArea.Left, S.MaskRectArea.Top, S.MaskRectArea.Right + DX, S.MaskRectArea.Bottom + DY);

  NewIconRect = MapSkinRect(S.IconRect);
  NewMainMenuRect = S.MainMenuRect;
  if (SkinFrameResizable()) {
    NewMainMenuRect.Right += DX;
    const TRect BottomLeftZone = Rect(0, S.LBPoint.Y, S.LBPoint.X, S.FPicture->Height());
    if (PtInRect(BottomLeftZone, S.MainMenuRect.TopLeft())) OffsetRect(NewMainMenuRect, 0, DY);
  }
}

void TspSkinFormGeometry::CalcDefRects() {
  NewDefCaptionRect = Rect(3, 3, FFormWidth - 3, SkinForm.DefaultCaptionHeight());
}

void TspSkinFormGeometry::GetDefCaptionRect(TRect& ARect) {
  // The caption without the built-in buttons.
  CalcDefRects();
  SkinForm.CaptionPart().PlaceDefaultButtons();
  ARect = NewDefCaptionRect;
}

void TspSkinFormGeometry::UpdateSkinFrame(bool AFull) {
  if (SkinForm.ComponentState().Contains(csDesigning) || !SkinForm.HasSkin()) return;
  if (SkinForm.FSkinnableForm) CalcRects();
  UpdateFormRegion(AFull);
  if (SkinForm.OnChangeClientRect) SkinForm.OnChangeClientRect(NewClRect);
  if (SkinForm.FSupportNCArea) {
    if (SkinForm.FSkinnableForm && !FHasRegion) SkinForm.UpDateFormNC();
    // A step of a live sizing computes the frame before the window takes the size;
    // the background follows in WM_SIZE, once it has.
    if (SkinForm.FForm->Width() == FFormWidth && SkinForm.FForm->Height() == FFormHeight)
      RepaintStretchedBackground();
  } else {
    SkinForm.FForm->Invalidate();
    SkinForm.UpdateLinkedControls();
  }
}

void TspSkinFormGeometry::RepaintStretchedBackground() {
  if (!SkinForm.FSkinSupport || !SkinForm.FSD->StretchEffect) return;
  SkinForm.FForm->Repaint();
  SendCheckParentBackground();
}

void TspSkinFormGeometry::SendCheckParentBackground() {
  for (int I = 0; I < SkinForm.FForm->ControlCount(); ++I)
    if (auto* Windowed = dynamic_cast<TWinControl*>(SkinForm.FForm->Controls(I)))
      SendMessage(Windowed->Handle(), SP_CHECKPARENTBACKGROUND, 0, 0);
}

void TspSkinFormGeometry::UpdateFormRegion(bool AFull) {
  if (!SkinForm.FForm->HandleAllocated()) return;
  const HWND Window = SkinForm.FForm->Handle();
  auto SetRegion = [&](HRGN ARegion) {
    // The window owns the region from here on and frees the one it replaces.
    SetWindowRgn(Window, ARegion, true);
    FHasRegion = ARegion != nullptr;
  };
  const bool NoRegion =
      !SkinForm.FSkinnableForm || (SkinForm.FSupportNCArea && SkinForm.FForm->BorderStyle() == bsNone);
  if (NoRegion) return SetRegion(nullptr);
  if (!SkinForm.HasSkin()) {
    for (TBitmap* Strip : {&RMTop, &RMBottom, &RMLeft, &RMRight}) Strip->SetSize(0, 0);
    return SetRegion(CreateRectRgn(0, 0, FFormWidth, FFormHeight));
  }
  if (SkinForm.FSupportNCArea && SkinForm.FullLayeredBorderInForce()) {
    // The layered border draws the frame: the window is its client rectangle, or the
    // caption strip of the collapsed frame.
    const int Height =
        SkinForm.UseCollapsedLayerFrame() ? SkinForm.FBorderLayer->Data()->RollUpFormHeight : FFormHeight;
    return SetRegion(CreateRectRgn(0, 0, FFormWidth, std::max(Height, 0)));
  }
  if (SkinForm.FSD->FMask->Empty() ||
      (SkinForm.FForm->FormStyle() == fsMDIChild && SkinForm.FWindowStateInit == wsMaximized))
    return SetRegion(CreateRectRgn(0, 0, FFormWidth, FFormHeight));
  if (!AFull) {
    std::vector<uint8_t> Data;
    GetMaskRegionRects(*SkinForm.FSD->FMask, 0, 0, Data);
    return SetRegion(
        ExtCreateRegion(nullptr, uint32_t(Data.size()), reinterpret_cast<const RGNDATA*>(Data.data())));
  }
  const TspSkinData& S = *SkinForm.FSD;
  CreateSkinMaskBorders(S.LTPoint, S.RTPoint, S.LBPoint, S.RBPoint, S.MaskRectArea, NewLTPoint, NewRTPoint,
                        NewLBPoint, NewRBPoint, NewMaskRectArea, *S.FMask, RMTop, RMLeft, RMRight, RMBottom,
                        FFormWidth, FFormHeight);
  // Only the four border strips are scanned; the inner rectangle enters whole (and
  // not at all when the form is too small to have one).
  TOwnedGdiObject<TRegionObject> Region(
      IsRectEmpty(NewMaskRectArea) ? CreateRectRgn(0, 0, 0, 0) : CreateRectRgnIndirect(&NewMaskRectArea));
  AddStripToRegion(Region.get(), RMTop, 0, 0);
  AddStripToRegion(Region.get(), RMBottom, 0, NewMaskRectArea.Bottom);
  AddStripToRegion(Region.get(), RMLeft, 0, NewMaskRectArea.Top);
  AddStripToRegion(Region.get(), RMRight, NewMaskRectArea.Right, NewMaskRectArea.Top);
  SetRegion(Region.release());
}

bool TspSkinFormGeometry::PointInSkinFrame(TPoint APoint) {
  const TRect& Inner = NewMaskRectArea;
  if (PtInRect(Inner, APoint)) return true;
  if (APoint.Y < Inner.Top) return StripPixelIsBlack(RMTop, APoint.X, APoint.Y);
  if (APoint.Y >= Inner.Bottom) return StripPixelIsBlack(RMBottom, APoint.X, APoint.Y - Inner.Bottom);
  if (APoint.X >= Inner.Right)
    return StripPixelIsBlack(RMRight, APoint.X - Inner.Right, APoint.Y - Inner.Top);
  return StripPixelIsBlack(RMLeft, APoint.X, APoint.Y - Inner.Top);
}

bool TspSkinFormGeometry::PointNearSkinEdge(TPoint APoint) {
  const int B = SkinForm.FSD->BorderW;
  const TPoint Probes[] = {
      {APoint.X - B, APoint.Y}, {APoint.X, APoint.Y - B}, {APoint.X + B, APoint.Y}, {APoint.X, APoint.Y + B}};
  if (SkinForm.FSD->FMask->Empty()) {
    const TRect Window = Rect(0, 0, SkinForm.FForm->Width(), SkinForm.FForm->Height());
    return std::any_of(std::begin(Probes), std::end(Probes), [&](TPoint P) { return !PtInRect(Window, P); });
  }
  if (PtInRect(NewMaskRectArea, APoint)) return false;
  return std::any_of(std::begin(Probes), std::end(Probes), [&](TPoint P) { return !PointInSkinFrame(P); });
}

LRESULT TspSkinFormGeometry::SkinCornerOrSide(TPoint APoint) const {
  const TPoint LT = NewHitTestLTPoint, RT = NewHitTestRTPoint, LB = NewHitTestLBPoint, RB = NewHitTestRBPoint;
  const int X = APoint.X, Y = APoint.Y;
  if (X <= LT.X && Y <= LT.Y) return HTTOPLEFT;
  if (X >= RT.X && Y <= RT.Y) return HTTOPRIGHT;
  if (X <= LB.X && Y >= LB.Y) return HTBOTTOMLEFT;
  if (X >= RB.X && Y >= RB.Y) return HTBOTTOMRIGHT;
  if (PtInRect(Rect(LT.X, 0, RT.X, NewClRect.Top), APoint)) return HTTOP;
  if (PtInRect(Rect(LB.X, NewClRect.Bottom, RB.X, SkinForm.FForm->Height()), APoint)) return HTBOTTOM;
  if (PtInRect(Rect(0, LT.Y, NewClRect.Left, LB.Y), APoint)) return HTLEFT;
  if (PtInRect(Rect(NewClRect.Right, RT.Y, SkinForm.FForm->Width(), RB.Y), APoint)) return HTRIGHT;
  return HTNOWHERE;
}

bool TspSkinForm::PointInCaptionObject(TPoint APoint) const {
  if (!NCDraggAble) return false;
  for (const auto& Object : ObjectList) {
    if (!dynamic_cast<const TspSkinCaptionObject*>(Object.get()) || !IsObjectPresent(*Object)) continue;
    if (!PtInRect(Object->ObjectRect, APoint)) continue;
    // The quick buttons at the caption's left end take the mouse themselves.
    if (!HasQuickButtons()) return true;
    return APoint.X >= Object->ObjectRect.Left + CaptionPart().QuickButtons().Count() *
                                                     (CaptionPart().QuickImageList()->Width() + 8);
  }
  return false;
}

LRESULT TspSkinFormGeometry::SkinFrameHitTest(TPoint APoint) {
  const bool OnCaption = SkinForm.PointInCaptionObject(APoint);
  if (SkinForm.FRollUpState || SkinForm.FWindowStateInit == wsMinimized)
    return OnCaption ? HTCAPTION : HTOBJECT;
  if (SkinForm.Objects().ActiveObject != -1 && !OnCaption && !PtInRect(NewClRect, APoint) &&
      !SkinForm.FSizeMove)
    return HTOBJECT;
  if (SkinForm.FWindowStateInit != wsMaximized && SkinForm.Sizeable && PointNearSkinEdge(APoint)) {
    const LRESULT Code = SkinCornerOrSide(APoint);
    if (Code != HTNOWHERE) return Code;
  }
  if (PtInRect(NewClRect, APoint)) return HTCLIENT;
  return OnCaption ? HTCAPTION : HTOBJECT;
}

LRESULT TspSkinFormGeometry::DefaultFrameHitTest(TPoint APoint) {
  const int W = SkinForm.FForm->Width(), H = SkinForm.FForm->Height();
  const int X = APoint.X, Y = APoint.Y;
  auto CaptionOrClient = [&]() -> LRESULT {
    TRect Caption;
    GetDefCaptionRect(Caption);
    if (PtInRect(Caption, APoint)) return HTCAPTION;
    if (PtInRect(Rect(3, SkinForm.DefaultCaptionHeight() + 3, W - 3, H - 3), APoint)) return HTCLIENT;
    return HTOBJECT;
  };
  if (SkinForm.FWindowState == wsMaximized || SkinForm.FWindowState == wsMinimized || SkinForm.FRollUpState ||
      !SkinForm.Sizeable)
    return CaptionOrClient();
  if (SkinForm.Objects().ActiveObject != -1) return HTOBJECT;
  if (X <= 2 && Y <= 2) return HTTOPLEFT;
  if (X >= W - 2 && Y <= 2) return HTTOPRIGHT;
  if (X <= 2 && Y >= H - 2) return HTBOTTOMLEFT;
  if (X >= W - 2 && Y >= H - 2) return HTBOTTOMRIGHT;
  if (X <= 2) return HTLEFT;
  if (Y <= 2) return HTTOP;
  if (X >= W - 2) return HTRIGHT;
  if (Y >= H - 2) return HTBOTTOM;
  return CaptionOrClient();
}

bool TspSkinForm::GetFormActive() const {
  if (PreviewMode) return true;
  if (FForm->FormStyle() == fsMDIChild || FForm->FormStyle() == fsMDIForm) return FFormActive;
  return FForm->Active() && Screen->ActiveCustomForm() == FForm;
}

void TspSkinForm::UpdateActiveState(bool ARedraw) {
  const bool Active = GetFormActive();
  if (!Active) CaptionPart().ReleaseQuickButtons();
  const bool Changed = Active != OldActive;
  // The events are reported on every call, also when nothing changed; they and a
  // caption's redraw (the application's OnCaptionPaint) may change the skin or free the
  // component, so the state is noted first, the objects are reached by index, and the
  // walk ends once the component is gone.
  OldActive = Active;
  const TLiveToken Alive = FLive.Token();
  for (size_t I = 0; I < ObjectList.size(); ++I) {
    if (auto* Caption = dynamic_cast<TspSkinCaptionObject*>(ObjectList[I].get())) {
      Caption->FollowActivation(Active, Changed, ARedraw);
      if (!Alive) return;
    }
  }
  if (Active && OnActivate) OnActivate(this);
  if (!Active && OnDeActivate) OnDeActivate(this);
}

void TspSkinForm::SetNativeBorderIcons() {
  TBorderIcons Icons;
  if (!HideCaptionButtons && !FSkinnableForm) Icons.Include(::biSystemMenu);
  if (FBorderIcons.Contains(TspSkinForm::biMaximize)) Icons.Include(::biMaximize);
  if (FBorderIcons.Contains(TspSkinForm::biMinimize)) Icons.Include(::biMinimize);
  FForm->SetBorderIcons(Icons);
}

void TspSkinFormGeometry::RefreshFrameSize() {
  const int Width = SkinForm.FForm->Width();
  SkinForm.FForm->SetBounds(SkinForm.FForm->Left(), SkinForm.FForm->Top(),
                            Width - 1 < GetMinWidth() ? Width + 1 : Width - 1, SkinForm.FForm->Height());
  SkinForm.FForm->SetBounds(SkinForm.FForm->Left(), SkinForm.FForm->Top(), Width, SkinForm.FForm->Height());
}
