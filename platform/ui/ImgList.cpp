// TCustomImageList: the images, how they are added from bitmaps, and how they are handed
// out and drawn.

#include "platform/ui/ImgList.h"

#include <algorithm>

#include "platform/base/Exceptions.h"

namespace {

constexpr uint32_t Transparent = 0x00000000;

// A picture handed to the graphics classes' Assign, which take any graphic's pixels.
class TPixelSource : public TGraphic {
 public:
  explicit TPixelSource(const TPixelImage& AImage) : FImage(AImage) {}

  int Width() const override { return FImage.Width; }
  int Height() const override { return FImage.Height; }
  void LoadFromStream(TStream&) override {}
  void SaveToStream(TStream&) override {}
  std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TPixelSource>(FImage); }
  TPixelImage ToPixelImage() const override { return FImage; }

 protected:
  void AssignGraphic(const TGraphic&) override {}
  void Draw(TCanvas&, const TRect&) override {}

 private:
  TPixelImage FImage;
};

bool IsLight(uint32_t APixel) {
  return ((APixel >> 16) & 0xFF) + ((APixel >> 8) & 0xFF) + (APixel & 0xFF) >= 3 * 128;
}

// A colour as a pixel value (0x00RRGGBB, alpha 0).
uint32_t ColourPixel(TColor AColor) {
  const COLORREF Rgb = ColorToRGB(AColor);
  return ((Rgb & 0xFF) << 16) | (Rgb & 0xFF00) | ((Rgb >> 16) & 0xFF);
}

// Each colour channel of APixel mapped by AMap, alpha kept.
template <typename TMap>
uint32_t MapChannels(uint32_t APixel, TMap AMap) {
  uint32_t Result = APixel & 0xFF000000;
  for (int Shift = 0; Shift < 24; Shift += 8)
    Result |= (AMap((APixel >> Shift) & 0xFF, Shift) & 0xFF) << Shift;
  return Result;
}

uint32_t Premultiplied(uint32_t APixel) {
  const uint32_t Alpha = APixel >> 24;
  return MapChannels(APixel, [Alpha](uint32_t AChannel, int) { return (AChannel * Alpha + 127) / 255; });
}

// The colour of APixel moved towards ATint by AWeight / 256, alpha kept.
uint32_t TintPixel(uint32_t APixel, uint32_t ATint, uint32_t AWeight) {
  return MapChannels(APixel, [ATint, AWeight](uint32_t AChannel, int AShift) {
    return (AChannel * (256 - AWeight) + ((ATint >> AShift) & 0xFF) * AWeight) / 256;
  });
}

// Lays a picture with straight alpha over the canvas at (AX, AY).
void BlendImage(TCanvas& ACanvas, int AX, int AY, const TPixelImage& AImage) {
  TBitmap Work;
  Work.SetPixelFormat(pf32bit);
  Work.SetSize(AImage.Width, AImage.Height);
  for (int Y = 0; Y < AImage.Height; ++Y) {
    auto* Row = reinterpret_cast<uint32_t*>(Work.ScanLine(Y));
    for (int X = 0; X < AImage.Width; ++X) Row[X] = Premultiplied(AImage.Pixel(X, Y));
  }
  BLENDFUNCTION Blend;
  Blend.AlphaFormat = AC_SRC_ALPHA;
  AlphaBlend(ACanvas.Handle(), AX, AY, AImage.Width, AImage.Height, Work.Canvas().Handle(), 0, 0,
             AImage.Width, AImage.Height, Blend);
}

// The image's shape in one colour: each pixel keeps its alpha.
TPixelImage Silhouette(const TPixelImage& AImage, TColor AColor) {
  TPixelImage Result = AImage;
  const uint32_t Colour = ColourPixel(AColor);
  for (uint32_t& Pixel : Result.Pixels) Pixel = (Pixel & 0xFF000000) | Colour;
  return Result;
}

// The mask: opaque black where the image is at least half opaque, opaque white
// elsewhere.
TPixelImage Mask(const TPixelImage& AImage) {
  TPixelImage Result = AImage;
  for (uint32_t& Pixel : Result.Pixels) Pixel = (Pixel >> 24) >= 128 ? 0xFF000000 : 0xFFFFFFFF;
  return Result;
}

UINT StyleFlags(TDrawingStyle AStyle, TImageType AType) {
  UINT Flags = AType == itMask ? ILD_MASK : ILD_NORMAL;
  switch (AStyle) {
    case dsFocus:
      return Flags | ILD_FOCUS;
    case dsSelected:
      return Flags | ILD_SELECTED;
    case dsTransparent:
      return Flags | ILD_TRANSPARENT;
    case dsNormal:
      break;
  }
  return Flags;
}

}  // namespace

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::TCustomImageList(TComponent* AOwner, int AWidth, int AHeight) : TComponent(AOwner) {
  SetSize(AWidth, AHeight);
}

void TCustomImageList::SetSize(int AWidth, int AHeight) {
  if (AWidth < 1 || AHeight < 1) throw EInvalidOperation("Invalid image size");
  if (AWidth == FWidth && AHeight == FHeight) return;
  FWidth = AWidth;
  FHeight = AHeight;
  FImages.clear();
  Change();
}

void TCustomImageList::SetBkColor(TColor AValue) {
  if (FBkColor == AValue) return;
  FBkColor = AValue;
  Change();
}

void TCustomImageList::SetDrawingStyle(TDrawingStyle AValue) {
  if (FDrawingStyle == AValue) return;
  FDrawingStyle = AValue;
  Change();
}

void TCustomImageList::SetImageType(TImageType AValue) {
  if (FImageType == AValue) return;
  FImageType = AValue;
  Change();
}

// ---------------------------------------------------------------- adding and removing

std::vector<TPixelImage> TCustomImageList::Slice(const TBitmap& AImage, const TBitmap* AMask) const {
  if (AImage.Width() < FWidth || AImage.Height() < FHeight) throw EInvalidOperation("Invalid image size");
  TPixelImage Source = AImage.ToPixelImage();
  if (AMask && !AMask->Empty()) {
    const TPixelImage MaskImage = AMask->ToPixelImage();
    for (int Y = 0; Y < std::min(Source.Height, MaskImage.Height); ++Y)
      for (int X = 0; X < std::min(Source.Width, MaskImage.Width); ++X)
        if (IsLight(MaskImage.Pixel(X, Y))) Source.Row(Y)[X] = Transparent;
  }
  std::vector<TPixelImage> Images(static_cast<size_t>(Source.Width / FWidth));
  for (size_t I = 0; I < Images.size(); ++I) {
    TPixelImage& Image = Images[I];
    ResizePixelImage(Image, FWidth, FHeight, Transparent);
    for (int Y = 0; Y < FHeight; ++Y)
      for (int X = 0; X < FWidth; ++X) {
        const uint32_t Pixel = Source.Pixel(static_cast<int>(I) * FWidth + X, Y);
        // Fully transparent pixels keep no colour, so that every kind of drawing agrees.
        Image.Row(Y)[X] = (Pixel >> 24) == 0 ? Transparent : Pixel;
        if ((Pixel >> 24) != 0xFF) Image.HasAlpha = true;
      }
  }
  return Images;
}

int TCustomImageList::Add(const TBitmap& AImage, const TBitmap* AMask) {
  std::vector<TPixelImage> Images = Slice(AImage, AMask);
  const int First = Count();
  for (TPixelImage& Image : Images) FImages.push_back(std::move(Image));
  Change();
  return First;
}

int TCustomImageList::AddMasked(const TBitmap& AImage, TColor AMaskColor) {
  TBitmap Mask;
  Mask.SetPixelFormat(pf24bit);
  Mask.SetSize(AImage.Width(), AImage.Height());
  const TPixelImage Source = AImage.ToPixelImage();
  const uint32_t Key = AMaskColor == clDefault && Source.Height > 0
                           ? Source.Pixel(0, Source.Height - 1) & 0x00FFFFFF
                           : ColourPixel(AMaskColor);
  for (int Y = 0; Y < Source.Height; ++Y) {
    uint8_t* Row = Mask.ScanLine(Y);
    for (int X = 0; X < Source.Width; ++X) {
      const uint8_t Value = (Source.Pixel(X, Y) & 0x00FFFFFF) == Key ? 0xFF : 0x00;
      Row[3 * X] = Row[3 * X + 1] = Row[3 * X + 2] = Value;
    }
  }
  return Add(AImage, &Mask);
}

void TCustomImageList::CheckIndex(int AIndex, int ALast) const {
  if (AIndex < 0 || AIndex > ALast) throw EInvalidOperation("Invalid ImageList Index");
}

void TCustomImageList::Insert(int AIndex, const TBitmap& AImage, const TBitmap* AMask) {
  CheckIndex(AIndex, Count());
  std::vector<TPixelImage> Images = Slice(AImage, AMask);
  if (Images.empty()) return;
  FImages.insert(FImages.begin() + AIndex, std::move(Images.front()));
  Change();
}

void TCustomImageList::Delete(int AIndex) {
  CheckIndex(AIndex, Count() - 1);
  FImages.erase(FImages.begin() + AIndex);
  Change();
}

void TCustomImageList::Replace(int AIndex, const TBitmap& AImage, const TBitmap* AMask) {
  CheckIndex(AIndex, Count() - 1);
  std::vector<TPixelImage> Images = Slice(AImage, AMask);
  if (Images.empty()) return;
  FImages[static_cast<size_t>(AIndex)] = std::move(Images.front());
  Change();
}

void TCustomImageList::Clear() {
  if (FImages.empty()) return;
  FImages.clear();
  Change();
}

const TPixelImage& TCustomImageList::Image(int AIndex) const {
  CheckIndex(AIndex, Count() - 1);
  return FImages[static_cast<size_t>(AIndex)];
}

// ---------------------------------------------------------------- handing out and drawing

bool TCustomImageList::GetBitmap(int AIndex, TBitmap& AImage) const {
  if (AIndex < 0 || AIndex >= Count()) return false;
  AImage.Assign(TPixelSource(FImages[static_cast<size_t>(AIndex)]));
  AImage.SetPixelFormat(pf32bit);
  return true;
}

bool TCustomImageList::GetIcon(int AIndex, TIcon& AIcon) const {
  if (AIndex < 0 || AIndex >= Count()) return false;
  AIcon.Assign(TPixelSource(FImages[static_cast<size_t>(AIndex)]));
  return true;
}

void TCustomImageList::Draw(TCanvas& ACanvas, int AX, int AY, int AIndex, bool AEnabled) {
  DoDraw(AIndex, ACanvas, AX, AY, StyleFlags(FDrawingStyle, FImageType), AEnabled);
}

void TCustomImageList::DoDraw(int AIndex, TCanvas& ACanvas, int AX, int AY, UINT AStyle, bool AEnabled) {
  if (AIndex < 0 || AIndex >= Count()) return;
  const TPixelImage& Picture = FImages[static_cast<size_t>(AIndex)];
  if (AStyle & ILD_MASK) return BlendImage(ACanvas, AX, AY, Mask(Picture));
  if (!AEnabled) {
    BlendImage(ACanvas, AX + 1, AY + 1, Silhouette(Picture, clBtnHighlight));
    BlendImage(ACanvas, AX, AY, Silhouette(Picture, clBtnShadow));
    return;
  }
  if (!(AStyle & ILD_TRANSPARENT) && FBkColor != clNone) {
    ACanvas.Brush().SetStyle(bsSolid);
    ACanvas.Brush().SetColor(FBkColor);
    ACanvas.FillRect(Bounds(AX, AY, FWidth, FHeight));
  }
  if (!(AStyle & (ILD_FOCUS | ILD_SELECTED))) return BlendImage(ACanvas, AX, AY, Picture);
  TPixelImage TintedPicture = Picture;
  const uint32_t Highlight = ColourPixel(clHighlight);
  const uint32_t Weight = (AStyle & ILD_SELECTED) ? 128 : 64;
  for (uint32_t& Pixel : TintedPicture.Pixels)
    if (Pixel >> 24) Pixel = TintPixel(Pixel, Highlight, Weight);
  BlendImage(ACanvas, AX, AY, TintedPicture);
}

void TCustomImageList::Change() {
  if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
  if (OnChange) OnChange(this);
}
