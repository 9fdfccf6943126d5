#include "platform/ui/Image.h"

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
  ControlStyle.Include(csReplicatable);
  FPicture.OnChange = [this](TPicture*) { PictureChanged(); };
  SetBounds(Left(), Top(), 105, 105);
}

void TImage::SetStretch(bool AValue) {
  if (FStretch == AValue) return;
  FStretch = AValue;
  PictureChanged();
}

void TImage::SetCenter(bool AValue) {
  if (FCenter == AValue) return;
  FCenter = AValue;
  PictureChanged();
}

void TImage::SetTransparent(bool AValue) {
  if (FTransparent == AValue) return;
  FTransparent = AValue;
  PictureChanged();
}

TRect TImage::DestRect() {
  const int ClientW = ClientWidth();
  const int ClientH = ClientHeight();
  const int W = FStretch ? ClientW : FPicture.Width();
  const int H = FStretch ? ClientH : FPicture.Height();
  TRect Result = Rect(0, 0, W, H);
  if (FCenter) OffsetRect(Result, (ClientW - W) / 2, (ClientH - H) / 2);
  return Result;
}

// The control is opaque while an opaque picture covers it.
void TImage::PictureChanged() {
  if (AutoSize() && FPicture.Width() > 0 && FPicture.Height() > 0)
    SetBounds(Left(), Top(), FPicture.Width(), FPicture.Height());
  if (TGraphic* Graphic = FPicture.Graphic()) {
    if (Graphic->Transparent() != FTransparent) Graphic->SetTransparent(FTransparent);
    const TRect Dest = DestRect();
    const bool Covers = Dest.Left <= 0 && Dest.Top <= 0 && Dest.Right >= Width() && Dest.Bottom >= Height();
    if (!Graphic->Transparent() && Covers)
      ControlStyle.Include(csOpaque);
    else
      ControlStyle.Exclude(csOpaque);
  } else {
    ControlStyle.Exclude(csOpaque);
  }
  Invalidate();
}

void TImage::Paint() {
  if (TGraphic* Graphic = FPicture.Graphic(); Graphic && !Graphic->Empty())
    Canvas().StretchDraw(DestRect(), *Graphic);
}

bool TImage::CanAutoSize(int& ANewWidth, int& ANewHeight) {
  if (FPicture.Width() <= 0 || FPicture.Height() <= 0) return true;
  ANewWidth = FPicture.Width();
  ANewHeight = FPicture.Height();
  return true;
}
