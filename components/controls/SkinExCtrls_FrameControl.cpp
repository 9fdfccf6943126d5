// The frame control: one frame of a strip, from the skin element or the default
// image, sized to one frame and shaped by its mask.

#include "components/controls/SkinCtrls_PaintInternal.h"
#include "components/controls/SkinExCtrls.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/DcScopes.h"
#include "platform/win/WindowRegions.h"

TspFrameSkinControl::TspFrameSkinControl(TComponent* AOwner) : TspSkinControl(AOwner) {}

void TspFrameSkinControl::CalcFrameSize(int AWidth, int AHeight) {
  FrameW = FFramesPlacement == fpHorizontal ? AWidth / FFramesCount : AWidth;
  FrameH = FFramesPlacement == fpHorizontal ? AHeight : AHeight / FFramesCount;
}

void TspFrameSkinControl::CalcDefaultFrameSize() {
  if (FDefaultImage.Empty()) return;
  FFramesCount = FDefaultFramesCount;
  FFramesPlacement = FDefaultFramesPlacement;
  CalcFrameSize(FDefaultImage.Width(), FDefaultImage.Height());
}

void TspFrameSkinControl::GetSkinData() {
  TspSkinControl::GetSkinData();
  Picture = MaskPicture = nullptr;
  CursorIndex = -1;
  const auto* Element = SkinElement<TspDataSkinFrameControl>();
  if (!Element) return;
  SkinRect = Element->SkinRect;
  CursorIndex = Element->CursorIndex;
  Picture = FSD->Picture(Element->PictureIndex);
  MaskPicture = FSD->Picture(Element->MaskPictureIndex);
  // A strip of one frame would never change: skins that declare one mean two.
  FFramesCount = std::max(Element->FramesCount, 2);
  FFramesPlacement = Element->FramesPlacement;
  CalcFrameSize(SkinRect.Width(), SkinRect.Height());
}

void TspFrameSkinControl::SizeToFrame() { TspSkinControl::SetBounds(Left(), Top(), FrameW, FrameH); }

void TspFrameSkinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  GetSkinData();
  const bool Resized = AWidth != Width() || AHeight != Height();
  if (!Resized || !HasStrip()) {
    TspSkinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    return;
  }
  TspSkinControl::SetBounds(ALeft, ATop, FrameW, FrameH);
  UpdateRegion();
  Repaint();
}

void TspFrameSkinControl::ChangeSkinData() {
  GetSkinData();
  if (FIndex == -1 && !FDefaultImage.Empty()) {
    CalcDefaultFrameSize();
    UpdateRegion();
    SizeToFrame();
    Repaint();
    return;
  }
  if (FIndex != -1 && FFrame > FFramesCount) FFrame = FFramesCount;
  ApplySkinCursor();
  const TPoint OldSize{Width(), Height()};
  if (FIndex != -1) SizeToFrame();
  if (FIndex == -1 || (Width() == OldSize.X && Height() == OldSize.Y)) {
    UpdateRegion();
    Repaint();
  }
}

void TspFrameSkinControl::Loaded() {
  TspSkinControl::Loaded();
  CalcDefaultFrameSize();
  if (FIndex == -1 && !FSD) UpdateRegion();
}

void TspFrameSkinControl::SetFrame(int AValue) {
  if (!HasStrip()) return;
  const int Frame = std::clamp(AValue, 1, FFramesCount);
  if (Frame == FFrame) return;
  FFrame = Frame;
  Repaint();
}

void TspFrameSkinControl::SetDefaultImage(const TBitmap& AValue) {
  FDefaultImage.Assign(AValue);
  FFrame = 1;
  CalcDefaultFrameSize();
  if (!FDefaultImage.Empty()) SizeToFrame();
  Repaint();
}

void TspFrameSkinControl::SetDefaultMask(const TBitmap& AValue) {
  FDefaultMask.Assign(AValue);
  UpdateRegion();
  Repaint();
}

void TspFrameSkinControl::SetDefaultFramesCount(int AValue) {
  FDefaultFramesCount = AValue <= 0 ? 1 : AValue;
  CalcDefaultFrameSize();
  if (!FDefaultImage.Empty()) SizeToFrame();
  Repaint();
}

void TspFrameSkinControl::SetDefaultFramesPlacement(TFramesPlacement AValue) {
  FDefaultFramesPlacement = AValue;
  CalcDefaultFrameSize();
  if (!FDefaultImage.Empty()) SizeToFrame();
  Repaint();
}

void TspFrameSkinControl::UpdateRegion() {
  if (!Parent()) return;
  TBitmap* Mask = FIndex != -1 ? MaskPicture : (FDefaultMask.Empty() ? nullptr : &FDefaultMask);
  if (!Mask || Mask->Empty()) {
    if (FRgn) {
      SetWindowRgn(Handle(), nullptr, true);
      FRgn = nullptr;
    }
    return;
  }
  // The window owns the region it is given and frees the one it had.
  FRgn = CreateMaskRegion(*Mask);
  SetWindowRgn(Handle(), FRgn, true);
}

void TspFrameSkinControl::CopyFrame(TBitmap& B, TBitmap& ASource, TPoint AOrigin) {
  const bool Across = FFramesPlacement == fpHorizontal;
  const int X = AOrigin.X + (Across ? (FFrame - 1) * FrameW : 0);
  const int Y = AOrigin.Y + (Across ? 0 : (FFrame - 1) * FrameH);
  BitBlt(B.Canvas().Handle(), 0, 0, FrameW, FrameH, ASource.Canvas().Handle(), X, Y, SRCCOPY);
}

void TspFrameSkinControl::CreateControlDefaultImage(TBitmap& B) {
  if (!FDefaultImage.Empty()) {
    CopyFrame(B, FDefaultImage, {0, 0});
    return;
  }
  TCanvas& Surface = B.Canvas();
  Surface.Brush().SetStyle(bsSolid);
  Surface.Brush().SetColor(clBtnFace);
  Surface.FillRect(Rect(0, 0, B.Width(), B.Height()));
  Surface.Brush().SetColor(clBtnShadow);
  Surface.FrameRect(Rect(0, 0, B.Width(), B.Height()));
}

void TspFrameSkinControl::CreateControlSkinImage(TBitmap& B) {
  if (Picture) CopyFrame(B, *Picture, {SkinRect.Left, SkinRect.Top});
}

void TspFrameSkinControl::Dispatch(TMessage& AMessage) {
  if (AMessage.Msg == WM_ERASEBKGND)
    WMEraseBkgnd(AMessage);
  else
    TspSkinControl::Dispatch(AMessage);
}

// An erase from outside the control's paint cycle (a parent drawing its children into a
// bitmap) is answered with the control's picture.
void TspFrameSkinControl::WMEraseBkgnd(TMessage& AMessage) {
  AMessage.Result = 1;
  if (EraseIsLeftToPaint(*this, FromWMPaint)) return;
  TCanvasHandleScope Scope(Canvas(), reinterpret_cast<HDC>(AMessage.WParam));
  Paint();
}
