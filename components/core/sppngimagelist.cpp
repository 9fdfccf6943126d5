// TspPngImageList: PNG pictures with alpha as named items over the class library's
// image list, and their faded disabled look.

#include "components/core/sppngimagelist.h"

#include <algorithm>
#include <cmath>

#include "platform/base/Strings.h"

std::unique_ptr<TGraphic> TspPngImage::Clone() const {
  auto Copy = std::make_unique<TspPngImage>();
  Copy->SetImage(ToPixelImage());
  return Copy;
}

void FadePngImage(TspPngImage& APicture, int ALevel) {
  TPixelImage Image = APicture.ToPixelImage();
  const bool Indexed = Image.SourceBitsPerPixel <= 8;
  const double Scale = (ALevel + 1) / 256.0;
  for (uint32_t& Pixel : Image.Pixels) {
    const uint32_t Alpha = Pixel >> 24;
    const uint32_t Faded =
        Indexed ? (Alpha == 0 ? 0 : uint32_t(ALevel)) : uint32_t(std::nearbyint(Alpha * Scale));
    Pixel = (Pixel & 0x00FFFFFF) | (std::min<uint32_t>(Faded, 255) << 24);
  }
  Image.HasAlpha = true;
  APicture.SetImage(std::move(Image));
}

// ---------------------------------------------------------------- items

TspPngImageItem::TspPngImageItem(TCollection* ACollection) : TCollectionItem(ACollection) {
  FName = Format("PngImage%d", Index());
  if (TspPngImageList* List = ImageList()) List->InsertBlankImage(Index());
}

TspPngImageItem::~TspPngImageItem() {
  TspPngImageList* List = ImageList();
  const int Place = Index();
  if (List && Place >= 0 && Place < List->Count()) List->Delete(Place);
}

TspPngImageList* TspPngImageItem::ImageList() const {
  const auto* Items = dynamic_cast<const TspPngImageItems*>(Collection());
  return Items ? Items->PngImageList() : nullptr;
}

void TspPngImageItem::SetPngImage(const TGraphic& AValue) {
  FPngImage.Assign(AValue);
  Changed(false);
}

void TspPngImageItem::Assign(const TPersistent& ASource) {
  const auto* Source = dynamic_cast<const TspPngImageItem*>(&ASource);
  if (!Source) return TCollectionItem::Assign(ASource);
  FPngImage.Assign(Source->FPngImage);
  FName = Source->FName;
}

String TspPngImageItem::GetDisplayName() const {
  return FName.empty() ? TCollectionItem::GetDisplayName() : FName;
}

TspPngImageItems::TspPngImageItems(TspPngImageList* APngImageList)
    : TCollection(ItemClass<TspPngImageItem>()), FPngImageList(APngImageList) {}

// ---------------------------------------------------------------- the list

TspPngImageList::TspPngImageList(TComponent* AOwner)
    : TCustomImageList(AOwner), FPngImages(std::make_unique<TspPngImageItems>(this)) {}

TspPngImageList::~TspPngImageList() {
  // The items give back their slots while the list still stands.
  FPngImages.reset();
}

void TspPngImageList::InsertBlankImage(int AIndex) {
  TBitmap Blank;
  Blank.SetSize(Width(), Height());
  Insert(AIndex, Blank, nullptr);
}

void TspPngImageList::SetPngSize(int AWidth, int AHeight) {
  if (AWidth == Width() && AHeight == Height()) return;
  if (!ComponentState().Contains(csLoading)) FPngImages->Clear();
  SetSize(AWidth, AHeight);
  for (int Index = 0; Index < FPngImages->Count(); ++Index) InsertBlankImage(Index);
}

void TspPngImageList::DoDraw(int AIndex, TCanvas& ACanvas, int AX, int AY, UINT, bool AEnabled) {
  TspPngImage& Picture = FPngImages->GetItem(AIndex)->PngImage();
  const TRect Target = Rect(AX, AY, AX + Width(), AY + Height());
  if (AEnabled) {
    ACanvas.StretchDraw(Target, Picture);
    return;
  }
  TspPngImage Faded;
  Faded.Assign(Picture);
  FadePngImage(Faded, 127);
  ACanvas.StretchDraw(Target, Faded);
}
