// The windowed skinned bases: background notices to the children, the window region
// cut from the element's mask, and the direct painting of a freely resizable
// element's borders.

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_PiecesInternal.h"
#include "platform/base/ScopeExit.h"
#include "platform/gdi/DcScopes.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowRegions.h"

TspSkinControl::TspSkinControl(TComponent* AOwner) : TspSkinBinding<TCustomControl>(AOwner) {}

void TspSkinControl::CheckControlsBackground() {
  for (int I = 0; I < ControlCount(); ++I) {
    TControl* Child = Controls(I);
    if (auto* Windowed = dynamic_cast<TWinControl*>(Child)) {
      SendMessage(Windowed->Handle(), SP_CHECKPARENTBACKGROUND, 0, 0);
    } else if (dynamic_cast<TGraphicControl*>(Child) != nullptr) {
      Child->Perform(SP_CHECKPARENTBACKGROUND, 0, 0);
    }
  }
}

void TspSkinControl::CheckParentBackground() {
  if (!FAlphaBlend) return;
  Repaint();
  CheckControlsBackground();
}

void TspSkinControl::Dispatch(TMessage& AMessage) {
  switch (AMessage.Msg) {
    case WM_PAINT:
      WMPaint(AMessage);
      break;
    case SP_CHECKPARENTBACKGROUND:
      CheckParentBackground();
      break;
    default:
      TspSkinBinding<TCustomControl>::Dispatch(AMessage);
      break;
  }
}

void TspSkinControl::WMPaint(TMessage& AMessage) {
  FromWMPaint = true;
  ScopeExit PaintDone([this] { FromWMPaint = false; });
  TspSkinBinding<TCustomControl>::Dispatch(AMessage);
}

// ---------------------------------------------------------------- TspSkinCustomControl

TspSkinCustomControl::TspSkinCustomControl(TComponent* AOwner) : TspSkinCustomLayer<TspSkinControl>(AOwner) {}

void TspSkinCustomControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TspSkinCustomLayer<TspSkinControl>::SetBounds(ALeft, ATop, AWidth, AHeight);
  // The stretched picture under the children changed with the size.
  if (FIndex != -1 && StretchEffect) CheckControlsBackground();
}

void TspSkinCustomControl::GetSkinData() {
  TspSkinCustomLayer<TspSkinControl>::GetSkinData();
  const auto* Custom = SkinElement<TspDataSkinCustomControl>();
  MaskPicture = Custom != nullptr ? FSD->Picture(Custom->MaskPictureIndex) : nullptr;
}

void TspSkinCustomControl::SetControlRegion() {
  if (Parent() == nullptr) return;
  if (MaskPicture == nullptr || FIndex == -1) {
    if (FRgn != nullptr) {
      SetWindowRgn(Handle(), nullptr, true);
      FRgn = nullptr;
    }
    return;
  }
  if (ResizeMode < 0) return;
  // The window owns the region from here on and frees the one it replaces.
  FRgn = CreateControlRegion();
  SetWindowRgn(Handle(), FRgn, true);
}

HRGN TspSkinCustomControl::CreateControlRegion() {
  int W = Width(), H = Height();
  CalcSize(W, H);
  W = Width();
  H = Height();
  switch (ResizeMode) {
    case 0:
      return CreateMaskRegion(*MaskPicture);
    case 1:
      return CreateSkinRegion(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint,
                              NewClRect, *MaskPicture, W, H);
    case 2:
      // A horizontal element has no bottom corners: the top ones stand for them.
      return CreateSkinRegion(LTPt, RTPt, LTPt, RTPt, ClRect, NewLTPoint, NewRTPoint, NewLTPoint, NewRTPoint,
                              NewClRect, *MaskPicture, W, H);
    case 3:
      // A vertical element has no right corners: the left ones stand for them.
      return CreateSkinRegion(LTPt, LTPt, LBPt, LBPt, ClRect, NewLTPoint, NewLTPoint, NewLBPoint, NewLBPoint,
                              NewClRect, *MaskPicture, W, H);
    default:
      return nullptr;
  }
}

void TspSkinCustomControl::Paint() {
  if (Width() < 1 || Height() < 1) return;
  RefreshGeometry();
  if (FIndex != -1 && FForceBackground && ResizeMode == 1 && !FAlphaBlend) {
    PaintBordersDirectly();
    return;
  }
  TspSkinControl::Paint();
}

// Draws the borders and the client picture between them without composing the
// element's nine-part image of the whole size: the strips and the client area are
// composed again only when what they are made of changed, and reach the canvas in one
// blit.
void TspSkinCustomControl::PaintBordersDirectly() {
  if (Picture == nullptr) return;
  const TBorderPaintInputs Inputs = CurrentBorderPaintInputs();
  if (FBorderPaintInputs != Inputs) ComposeBorderPaint(Inputs);
  if (TopStripDrawingChanged() || !FTopStripDrawn) {
    FCaptionedTopStrip.SetSize(FTopStrip.Width(), FTopStrip.Height());
    FCaptionedTopStrip.Canvas().Draw(0, 0, FTopStrip);
    CreateControlSkinImage(FCaptionedTopStrip);
    TCanvas& Composed = FComposedBorders.Canvas();
    Composed.Draw(0, 0, FCaptionedTopStrip);
    const int BottomTop = Height() - FBottomStrip.Height();
    if (BottomTop < FTopStrip.Height()) Composed.Draw(0, BottomTop, FBottomStrip);
    FTopStripDrawn = true;
  }
  TCanvas& Target = Canvas();
  if (FClientAreaFilled) {
    Target.Draw(0, 0, FComposedBorders);
    return;
  }
  TSavedDC Saved(Target.Handle());
  ExcludeClipRect(Target.Handle(), NewClRect.Left, NewClRect.Top, NewClRect.Right, NewClRect.Bottom);
  Target.Draw(0, 0, FComposedBorders);
}

TspSkinCustomControl::TBorderPaintInputs TspSkinCustomControl::CurrentBorderPaintInputs() const {
  TBorderPaintInputs Inputs;
  Inputs.Skin = FSD;
  Inputs.SkinChangeCount = FSD != nullptr ? FSD->ChangeCount() : 0;
  Inputs.Index = FIndex;
  Inputs.Picture = Picture;
  Inputs.SkinRect = SkinRect;
  Inputs.ClRect = ClRect;
  Inputs.NewClRect = NewClRect;
  Inputs.LTPt = LTPt;
  Inputs.RTPt = RTPt;
  Inputs.LBPt = LBPt;
  Inputs.RBPt = RBPt;
  Inputs.NewLTPoint = NewLTPoint;
  Inputs.NewRTPoint = NewRTPoint;
  Inputs.NewLBPoint = NewLBPoint;
  Inputs.NewRBPoint = NewRBPoint;
  Inputs.Width = Width();
  Inputs.Height = Height();
  Inputs.LeftStretch = LeftStretch;
  Inputs.TopStretch = TopStretch;
  Inputs.RightStretch = RightStretch;
  Inputs.BottomStretch = BottomStretch;
  Inputs.StretchEffect = StretchEffect;
  Inputs.DrawBackground = FDrawbackground;
  Inputs.StretchType = StretchType;
  return Inputs;
}

void TspSkinCustomControl::ComposeBorderPaint(const TBorderPaintInputs& AInputs) {
  FBorderPaintInputs.reset();
  FTopStripDrawn = false;
  TBitmap LeftStrip, RightStrip;
  CreateSkinBorderImages(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint,
                         NewClRect, LeftStrip, FTopStrip, RightStrip, FBottomStrip, *Picture, SkinRect,
                         Width(), Height(), LeftStretch, TopStretch, RightStretch, BottomStretch);
  FComposedBorders.SetSize(Width(), Height());
  TCanvas& Composed = FComposedBorders.Canvas();
  FClientAreaFilled = false;
  if (FDrawbackground) {
    // An element without a client piece fills nothing between its borders.
    TBitmap Piece;
    TRect Source = ClRect;
    OffsetRect(Source, SkinRect.Left, SkinRect.Top);
    CutSkinPiece(Piece, *Picture, Source);
    if (!Piece.Empty() && !RectangleIsEmpty(NewClRect)) {
      FillWithSkinPiece(Composed, NewClRect, Piece, StretchEffect, StretchType);
      FClientAreaFilled = true;
    }
  }
  Composed.Draw(0, 0, FTopStrip);
  Composed.Draw(0, FTopStrip.Height(), LeftStrip);
  Composed.Draw(Width() - RightStrip.Width(), FTopStrip.Height(), RightStrip);
  Composed.Draw(0, Height() - FBottomStrip.Height(), FBottomStrip);
  FBorderPaintInputs = AInputs;
}
