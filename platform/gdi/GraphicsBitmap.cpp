// TBitmap: a DIB section with its own canvas.

#include <algorithm>
#include <cstring>

#include "platform/gdi/Graphics.h"
#include "platform/gdi/GraphicsStreams.h"
#include "platform/gdi/PixelOpsInternal.h"

// The bitmap's canvas: a memory device context, made at first use, into which the
// bitmap's current section is selected.
class TBitmap::TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap& ABitmap) : FBitmap(ABitmap) {}
  ~TBitmapCanvas() override {
    if (!FDC) return;
    SetHandle(nullptr);
    if (FDefaultBitmap) SelectObject(FDC, FDefaultBitmap);
    DeleteDC(FDC);
  }

  // Selects the bitmap's section (or, for an empty bitmap, the device context's own
  // default bitmap) after the bitmap replaced it.
  void SelectBitmap() {
    if (!FDC) return;
    if (HBITMAP Section = FBitmap.Handle()) {
      HGDIOBJ Previous = SelectObject(FDC, Section);
      if (!FDefaultBitmap) FDefaultBitmap = Previous;
    } else if (FDefaultBitmap) {
      SelectObject(FDC, FDefaultBitmap);
      FDefaultBitmap = nullptr;
    }
  }

 protected:
  void CreateHandle() override {
    FDC = CreateCompatibleDC(nullptr);
    SelectBitmap();
    SetHandle(FDC);
  }

 private:
  TBitmap& FBitmap;
  HDC FDC = nullptr;
  HGDIOBJ FDefaultBitmap = nullptr;  // what the device context had before our sections
};

namespace {

// A zero-filled top-down section (its pixels unset when AZeroed is false), or
// EOutOfMemory.
TOwnedGdiObject<TBitmapObject> NewSection(int AWidth, int AHeight, int ABitsPerPixel, bool AZeroed = true) {
  TOwnedGdiObject<TBitmapObject> Section(CreateDib(AWidth, AHeight, ABitsPerPixel, true, AZeroed));
  if (!Section) throw EOutOfMemory("Out of system resources");
  return Section;
}

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() = default;

TCanvas& TBitmap::Canvas() {
  if (!FCanvas) FCanvas = std::make_unique<TBitmapCanvas>(*this);
  return *FCanvas;
}

void TBitmap::ReplaceHandle(TOwnedGdiObject<TBitmapObject> AHandle, int AWidth, int AHeight) {
  std::swap(FHandle, AHandle);
  FWidth = FHandle ? AWidth : 0;
  FHeight = FHandle ? AHeight : 0;
  if (FCanvas) FCanvas->SelectBitmap();
  // AHandle, the old section, is freed on return, after the canvas let go of it.
}

void TBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (AWidth == FWidth && AHeight == FHeight) return;
  if (AWidth == 0 || AHeight == 0) {
    ReplaceHandle(nullptr, 0, 0);
    Changed();
    return;
  }
  TOwnedGdiObject<TBitmapObject> Section = NewSection(AWidth, AHeight, BitsPerPixel(), false);
  const TSurface& Pixels = Section->Surface();
  // New pixels are white, as the class library makes them; GDI's white has alpha 0.
  // Every row starts alike, so one is made (its padding zero) and copied whole: this
  // runs for every picture the decoder hands out and every off-screen paint.
  const size_t RowBytes = size_t(AWidth) * Pixels.BytesPerPixel();
  const size_t StoredRowBytes = size_t(Section->RowBytes());
  uint8_t* FirstRow = Pixels.Row(0);
  std::memset(FirstRow, 0, StoredRowBytes);
  if (Pixels.BitsPerPixel >= 24)
    for (int X = 0; X < AWidth; ++X) std::memset(FirstRow + X * Pixels.BytesPerPixel(), 0xFF, 3);
  else
    std::memset(FirstRow, 0xFF, RowBytes);  // white in every smaller layout
  for (int Y = 1; Y < AHeight; ++Y) std::memcpy(Pixels.Row(Y), FirstRow, StoredRowBytes);
  const int SharedWidth = std::min(AWidth, FWidth);
  for (int Y = 0; Y < std::min(AHeight, FHeight); ++Y)
    std::memcpy(Pixels.Row(Y), FHandle->Surface().Row(Y), size_t(SharedWidth) * Pixels.BytesPerPixel());
  ReplaceHandle(std::move(Section), AWidth, AHeight);
  Changed();
}

void TBitmap::SetSizeBlack(int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (AWidth == 0 || AHeight == 0) {
    SetSize(AWidth, AHeight);
    return;
  }
  if (AWidth != FWidth || AHeight != FHeight)
    ReplaceHandle(NewSection(AWidth, AHeight, BitsPerPixel(), false), AWidth, AHeight);
  // A new section is allocated uncleared; every row is cleared below.
  const TSurface& Pixels = FHandle->Surface();
  const size_t RowBytes = size_t(FHandle->RowBytes());
  for (int Y = 0; Y < AHeight; ++Y) std::memset(Pixels.Row(Y), 0, RowBytes);
  Changed();
}

int TBitmap::BitsPerPixel() const {
  switch (FPixelFormat) {
    case pf8bit:
      return 8;
    case pf15bit:
      return 15;
    case pf16bit:
      return 16;
    case pf24bit:
      return 24;
    default:
      return 32;
  }
}

void TBitmap::SetPixelFormat(TPixelFormat AFormat) {
  if (AFormat != pfDevice && (AFormat < pf8bit || AFormat > pf32bit))
    throw EInvalidGraphic("Unsupported pixel format");
  if (AFormat == FPixelFormat) return;
  const int OldBits = BitsPerPixel();
  FPixelFormat = AFormat;
  if (FHandle && BitsPerPixel() != OldBits) {
    TOwnedGdiObject<TBitmapObject> Section = NewSection(FWidth, FHeight, BitsPerPixel());
    for (int Y = 0; Y < FHeight; ++Y)
      ConvertPixelRow(FHandle->Surface().Row(Y), OldBits, Section->Surface().Row(Y), BitsPerPixel(), FWidth,
                      0xFF);
    ReplaceHandle(std::move(Section), FWidth, FHeight);
  }
  Changed();
}

uint8_t* TBitmap::ScanLine(int ARow) {
  if (!FHandle || ARow < 0 || ARow >= FHeight) throw EInvalidGraphic("Scan line index out of range");
  return FHandle->Surface().Row(ARow);
}

void TBitmap::SetTransparentMode(TTransparentMode AMode) {
  if (AMode == FTransparentMode) return;
  FTransparentMode = AMode;
  Changed();
}

TColor TBitmap::TransparentColor() {
  if (FTransparentMode == tmFixed) return FTransparentColor;
  if (!FHandle) return clDefault;
  return TColor(PixelToColorRef(LoadPixel(FHandle->Surface().Pixel(0, FHeight - 1), BitsPerPixel())));
}

void TBitmap::SetTransparentColor(TColor AColor) {
  if (AColor == FTransparentColor && FTransparentMode == tmFixed) return;
  FTransparentColor = AColor;
  FTransparentMode = tmFixed;
  Changed();
}

void TBitmap::LoadPixelImage(const TPixelImage& AImage, TPixelFormat AFormat) {
  FPixelFormat = AFormat;
  if (AImage.Width <= 0 || AImage.Height <= 0) {
    ReplaceHandle(nullptr, 0, 0);
    Changed();
    return;
  }
  TOwnedGdiObject<TBitmapObject> Section = NewSection(AImage.Width, AImage.Height, BitsPerPixel());
  for (int Y = 0; Y < AImage.Height; ++Y)
    ConvertPixelRow(reinterpret_cast<const uint8_t*>(AImage.Row(Y)), 32, Section->Surface().Row(Y),
                    BitsPerPixel(), AImage.Width, 0xFF);
  ReplaceHandle(std::move(Section), AImage.Width, AImage.Height);
  Changed();
}

TPixelImage TBitmap::ToPixelImage() const {
  TPixelImage Image;
  if (!FHandle) return Image;
  ResizePixelImage(Image, FWidth, FHeight);
  for (int Y = 0; Y < FHeight; ++Y)
    ConvertPixelRow(FHandle->Surface().Row(Y), BitsPerPixel(), reinterpret_cast<uint8_t*>(Image.Row(Y)), 32,
                    FWidth, 0xFF);
  // Drawing leaves alpha 0 on a 32-bit bitmap, so alpha that is 0 everywhere means the
  // bitmap was never given any: it is opaque, as when such a BMP file is read.
  const auto IsOpaque = [](uint32_t APixel) { return APixel >> 24 == 0xFF; };
  const auto IsClear = [](uint32_t APixel) { return APixel >> 24 == 0; };
  if (std::all_of(Image.Pixels.begin(), Image.Pixels.end(), IsClear))
    for (uint32_t& Pixel : Image.Pixels) Pixel |= 0xFF000000;
  Image.HasAlpha = !std::all_of(Image.Pixels.begin(), Image.Pixels.end(), IsOpaque);
  Image.SourceBitsPerPixel = FHandle->StorageBits();
  return Image;
}

void TBitmap::AssignGraphic(const TGraphic& ASource) {
  if (&ASource == this) return;
  if (const auto* Source = dynamic_cast<const TBitmap*>(&ASource)) {
    FPixelFormat = Source->FPixelFormat;
    FTransparent = Source->FTransparent;
    FTransparentMode = Source->FTransparentMode;
    FTransparentColor = Source->FTransparentColor;
    TOwnedGdiObject<TBitmapObject> Section;
    if (Source->FHandle) {
      Section = NewSection(Source->FWidth, Source->FHeight, BitsPerPixel());
      std::memcpy(Section->Bits(), Source->FHandle->Bits(),
                  size_t(Section->RowBytes()) * size_t(Source->FHeight));
    }
    ReplaceHandle(std::move(Section), Source->FWidth, Source->FHeight);
    Changed();
    return;
  }
  const TPixelImage Image = ASource.ToPixelImage();
  LoadPixelImage(Image, Image.HasAlpha ? pf32bit : pf24bit);
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
  auto Copy = std::make_unique<TBitmap>();
  Copy->Assign(*this);
  return Copy;
}

void TBitmap::LoadFromStream(TStream& AStream) {
  const std::vector<uint8_t> Data = ReadRestOfStream(AStream);
  if (Data.empty()) {
    LoadPixelImage(TPixelImage(), FPixelFormat);
    return;
  }
  const TPixelImage Image = DecodePicture(Data);
  LoadPixelImage(Image, Image.HasAlpha || Image.SourceBitsPerPixel == 32 ? pf32bit : pf24bit);
}

void TBitmap::SaveToStream(TStream& AStream) {
  if (!FHandle) return;
  TPixelImage Image;
  ResizePixelImage(Image, FWidth, FHeight);
  for (int Y = 0; Y < FHeight; ++Y)
    ConvertPixelRow(FHandle->Surface().Row(Y), BitsPerPixel(), reinterpret_cast<uint8_t*>(Image.Row(Y)), 32,
                    FWidth, 0xFF);
  // The smaller layouts are written as 24-bit files, which show the same colours.
  WriteBytesToStream(AStream, EncodeBmp(Image, BitsPerPixel() == 32 ? 32 : 24));
}

void TBitmap::Draw(TCanvas& ACanvas, const TRect& ARect) {
  if (!FHandle) return;
  HDC Source = Canvas().Handle();
  if (FTransparent)
    TransparentBlt(ACanvas.Handle(), ARect.Left, ARect.Top, ARect.Width(), ARect.Height(), Source, 0, 0,
                   FWidth, FHeight, ColorToRGB(TransparentColor()) & 0xFFFFFF);
  else
    StretchBlt(ACanvas.Handle(), ARect.Left, ARect.Top, ARect.Width(), ARect.Height(), Source, 0, 0, FWidth,
               FHeight, ACanvas.CopyMode);
}
