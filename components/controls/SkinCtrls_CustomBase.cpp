// The resizable element shared by the windowed and the windowless custom bases: the
// geometry copied at each lookup, size fitting, the default size and font, and the
// element image at the control's size.

#include "components/controls/SkinBars.h"
#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_PiecesInternal.h"

template <class TSkinBase>
TspSkinCustomLayer<TSkinBase>::TspSkinCustomLayer(TComponent* AOwner)
    : TSkinBase(AOwner), FDefaultFont(std::make_unique<TFont>()) {
  FDefaultFont->SetName("Arial");
  FDefaultFont->SetHeight(14);
  FDefaultFont->SetStyle({});
  FDefaultFont->OnChange = [this](TGraphicsObject*) {
    DefaultFontChanged();
    if (this->FIndex == -1) this->Repaint();
  };
}

template <class TSkinBase>
void TspSkinCustomLayer<TSkinBase>::SetDefaultWidth(int AValue) {
  FDefaultWidth = AValue;
  if (this->FIndex == -1 && AValue > 0) this->SetWidth(AValue);
}

template <class TSkinBase>
void TspSkinCustomLayer<TSkinBase>::SetDefaultHeight(int AValue) {
  FDefaultHeight = AValue;
  if (this->FIndex == -1 && AValue > 0) this->SetHeight(AValue);
}

template <class TSkinBase>
void TspSkinCustomLayer<TSkinBase>::GetSkinData() {
  TSkinBase::GetSkinData();
  const TspDataSkinControl* Element = this->SkinElement();
  if (Element == nullptr) return;
  if (const auto* Custom = this->template SkinElement<TspDataSkinCustomControl>()) {
    ReadElement(*Custom, *this->FSD);
    this->CursorIndex = Custom->CursorIndex;
  } else {
    ResizeMode = 0;
    Picture = nullptr;
  }
}

template <class TSkinBase>
void TspSkinCustomLayer<TSkinBase>::ChangeSkinData() {
  GetSkinData();
  this->ApplySkinCursor();
  if (this->FIndex == -1) {
    if (FDefaultWidth > 0) this->SetWidth(FDefaultWidth);
    if (FDefaultHeight > 0) this->SetHeight(FDefaultHeight);
    SetControlRegion();
    this->Repaint();
    return;
  }
  int W = this->Width(), H = this->Height();
  CalcSize(W, H);
  const bool Fitted = W != this->Width() || H != this->Height();
  // Each assignment passes through SetBounds, which sets the region and repaints.
  if (W != this->Width()) this->SetWidth(W);
  if (H != this->Height()) this->SetHeight(H);
  if (!Fitted) {
    SetControlRegion();
    this->Repaint();
  }
}

template <class TSkinBase>
void TspSkinCustomLayer<TSkinBase>::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  GetSkinData();
  const bool Fits = (AWidth != this->Width() || AHeight != this->Height()) && this->FIndex != -1;
  if (Fits) {
    CalcSize(AWidth, AHeight);
    if (ResizeMode == 0) NewClRect = ClRect;
  }
  ATop = CentredTopOnToolBar(this->Parent(), ATop, AHeight, true);
  TSkinBase::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (Fits) {
    SetControlRegion();
    this->Repaint();
  }
}

template <class TSkinBase>
void TspSkinCustomLayer<TSkinBase>::Paint() {
  if (this->Width() < 1 || this->Height() < 1) return;
  RefreshGeometry();
  TSkinBase::Paint();
}

template <class TSkinBase>
void TspSkinCustomLayer<TSkinBase>::RefreshGeometry() {
  GetSkinData();
  int W = this->Width(), H = this->Height();
  CalcSize(W, H);
}

template <class TSkinBase>
void TspSkinCustomLayer<TSkinBase>::CreateControlDefaultImage(TBitmap& B) {
  B.Canvas().Brush().SetColor(clBtnFace);
  B.Canvas().FillRect(this->ClientRect());
}

template <class TSkinBase>
typename TspSkinCustomLayer<TSkinBase>::TComposedImageInputs
TspSkinCustomLayer<TSkinBase>::ComposedImageInputs(TBitmap* APicture, const TRect& ASource) const {
  TComposedImageInputs Inputs;
  Inputs.Skin = this->FSD;
  Inputs.SkinChangeCount = this->FSD != nullptr ? this->FSD->ChangeCount() : 0;
  Inputs.Source = APicture;
  Inputs.SourceRect = ASource;
  Inputs.Geometry = *this;
  Inputs.Width = this->Width();
  Inputs.Height = this->Height();
  Inputs.SkipNinePart = PaintsBordersDirectly();
  return Inputs;
}

// Into the paint's blank bitmap the image of the last paint is copied when it was made
// of the same: the composition of a nine-part element costs many small blits.
template <class TSkinBase>
void TspSkinCustomLayer<TSkinBase>::CreateSkinImage(TBitmap& B, TBitmap* APicture, const TRect& ASource) {
  const bool OnBlank = &B == this->FBlankImage;
  this->FBlankImage = nullptr;
  if (!OnBlank) {
    ComposeImage(B, APicture, ASource, this->Width(), this->Height(), PaintsBordersDirectly());
    return;
  }
  const TComposedImageInputs Inputs = ComposedImageInputs(APicture, ASource);
  if (FComposedImageInputs == Inputs) {
    CopyImage(FComposedImage, B);
    return;
  }
  FComposedImageInputs.reset();
  ComposeImage(B, APicture, ASource, Inputs.Width, Inputs.Height, Inputs.SkipNinePart);
  CopyImage(B, FComposedImage);
  FComposedImageInputs = Inputs;
}

template <class TSkinBase>
void TspSkinCustomLayer<TSkinBase>::ApplySkinFont(TFont& AFont, const String& AName, int AHeight,
                                                  TFontStyles AStyle) {
  if (!FUseSkinFont) {
    ApplyDefaultFont(AFont);
    return;
  }
  AFont.SetName(AName);
  AFont.SetHeight(AHeight);
  AFont.SetStyle(AStyle);
  AFont.SetCharset(SkinTextCharset(this->FSD, *FDefaultFont));
}

template <class TSkinBase>
void TspSkinCustomLayer<TSkinBase>::ApplyDefaultFont(TFont& AFont) {
  AFont.Assign(*FDefaultFont);
  AFont.SetCharset(SkinTextCharset(this->FSD, *FDefaultFont));
}

template class TspSkinCustomLayer<TspSkinControl>;
template class TspSkinCustomLayer<TspGraphicSkinControl>;
