// TPixelImageGraphic, and its kinds TPngImage, TJPEGImage and TIcon.

#include <algorithm>

#include "platform/gdi/Graphics.h"
#include "platform/gdi/GraphicsStreams.h"

namespace {

// A memory device context with a bitmap selected for the length of one transfer.
class TSelectedBitmap {
 public:
  explicit TSelectedBitmap(HBITMAP ABitmap) : FDC(CreateCompatibleDC(nullptr)) {
    FPrevious = SelectObject(FDC, ABitmap);
  }
  ~TSelectedBitmap() {
    SelectObject(FDC, FPrevious);
    DeleteDC(FDC);
  }
  TSelectedBitmap(const TSelectedBitmap&) = delete;
  TSelectedBitmap& operator=(const TSelectedBitmap&) = delete;
  HDC DC() const { return FDC; }

 private:
  HDC FDC;
  HGDIOBJ FPrevious = nullptr;
};

// The picture with every colour channel multiplied by its alpha, as AlphaBlend takes it.
TOwnedGdiObject<TBitmapObject> PremultipliedSection(const TPixelImage& AImage) {
  TOwnedGdiObject<TBitmapObject> Section(CreateDib(AImage.Width, AImage.Height, 32));
  if (!Section) throw EOutOfMemory("Out of system resources");
  for (int Y = 0; Y < AImage.Height; ++Y) {
    const uint32_t* Source = AImage.Row(Y);
    uint8_t* Dest = Section->Surface().Row(Y);
    for (int X = 0; X < AImage.Width; ++X, Dest += 4) {
      const uint32_t Pixel = Source[X];
      const uint32_t Alpha = Pixel >> 24;
      for (int Channel = 0; Channel < 3; ++Channel)
        Dest[Channel] = uint8_t((((Pixel >> (8 * Channel)) & 0xFF) * Alpha + 127) / 255);
      Dest[3] = uint8_t(Alpha);
    }
  }
  return Section;
}

TPixelImage OpaqueCopy(TPixelImage AImage) {
  for (uint32_t& Pixel : AImage.Pixels) Pixel |= 0xFF000000;
  AImage.HasAlpha = false;
  return AImage;
}

}  // namespace

// ---------------------------------------------------------------- TPixelImageGraphic

TPixelImageGraphic::TPixelImageGraphic() = default;

TPixelImageGraphic::~TPixelImageGraphic() = default;

void TPixelImageGraphic::SetImage(TPixelImage AImage) {
  FImage = std::move(AImage);
  FDrawBitmap.reset();
  FTransparent = FImage.HasAlpha;
  Changed();
}

void TPixelImageGraphic::Draw(TCanvas& ACanvas, const TRect& ARect) {
  if (Empty()) return;
  if (!FDrawBitmap) FDrawBitmap = PremultipliedSection(FImage);
  const TSelectedBitmap Source(FDrawBitmap.get());
  if (FTransparent && FImage.HasAlpha) {
    BLENDFUNCTION Blend;
    Blend.AlphaFormat = AC_SRC_ALPHA;
    AlphaBlend(ACanvas.Handle(), ARect.Left, ARect.Top, ARect.Width(), ARect.Height(), Source.DC(), 0, 0,
               Width(), Height(), Blend);
  } else {
    StretchBlt(ACanvas.Handle(), ARect.Left, ARect.Top, ARect.Width(), ARect.Height(), Source.DC(), 0, 0,
               Width(), Height(), ACanvas.CopyMode);
  }
}

// ---------------------------------------------------------------- TPngImage

void TPngImage::AssignGraphic(const TGraphic& ASource) {
  if (&ASource != this) SetImage(ASource.ToPixelImage());
}

std::unique_ptr<TGraphic> TPngImage::Clone() const {
  auto Copy = std::make_unique<TPngImage>();
  Copy->Assign(*this);
  return Copy;
}

void TPngImage::LoadFromStream(TStream& AStream) { SetImage(DecodePng(ReadRestOfStream(AStream))); }

void TPngImage::SaveToStream(TStream& AStream) {
  WriteBytesToStream(AStream, EncodePng(Image(), Image().HasAlpha));
}

// ---------------------------------------------------------------- TJPEGImage

void TJPEGImage::SetCompressionQuality(int AQuality) {
  AQuality = std::clamp(AQuality, 1, 100);
  if (AQuality == FCompressionQuality) return;
  FCompressionQuality = AQuality;
  FData.clear();
}

void TJPEGImage::AssignGraphic(const TGraphic& ASource) {
  if (&ASource == this) return;
  if (const auto* Source = dynamic_cast<const TJPEGImage*>(&ASource)) {
    FCompressionQuality = Source->FCompressionQuality;
    FData = Source->FData;
    SetImage(Source->Image());
    return;
  }
  FData.clear();
  SetImage(OpaqueCopy(ASource.ToPixelImage()));
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() const {
  auto Copy = std::make_unique<TJPEGImage>();
  Copy->Assign(*this);
  return Copy;
}

void TJPEGImage::LoadFromStream(TStream& AStream) {
  std::vector<uint8_t> Data = ReadRestOfStream(AStream);
  SetImage(DecodeJpeg(Data));
  FData = std::move(Data);
}

void TJPEGImage::SaveToStream(TStream& AStream) {
  if (FData.empty()) FData = EncodeJpeg(Image(), FCompressionQuality);
  WriteBytesToStream(AStream, FData);
}

// ---------------------------------------------------------------- TIcon

void TIcon::AssignGraphic(const TGraphic& ASource) {
  if (&ASource == this) return;
  const auto* Source = dynamic_cast<const TIcon*>(&ASource);
  FData = Source ? Source->FData : std::vector<uint8_t>();
  SetImage(ASource.ToPixelImage());
}

std::unique_ptr<TGraphic> TIcon::Clone() const {
  auto Copy = std::make_unique<TIcon>();
  Copy->Assign(*this);
  return Copy;
}

void TIcon::LoadFromStream(TStream& AStream) {
  std::vector<uint8_t> Data = ReadRestOfStream(AStream);
  SetImage(DecodeIcon(Data));
  FData = std::move(Data);
}

void TIcon::SaveToStream(TStream& AStream) {
  WriteBytesToStream(AStream, FData.empty() ? EncodeIcon(Image()) : FData);
}
