// What every graphic shares (change notification, files), and TPicture, which holds a
// graphic of the kind its data calls for.

#include "platform/gdi/Graphics.h"
#include "platform/gdi/GraphicsStreams.h"

std::vector<uint8_t> ReadRestOfStream(TStream& AStream) {
  const int64_t Rest = AStream.Size() - AStream.Position();
  std::vector<uint8_t> Bytes(size_t(std::max<int64_t>(Rest, 0)));
  if (!Bytes.empty()) AStream.ReadBuffer(Bytes.data(), int64_t(Bytes.size()));
  return Bytes;
}

void WriteBytesToStream(TStream& AStream, const std::vector<uint8_t>& ABytes) {
  if (!ABytes.empty()) AStream.WriteBuffer(ABytes.data(), int64_t(ABytes.size()));
}

// ---------------------------------------------------------------- TGraphic

void TGraphic::Changed() {
  if (OnChange) OnChange(this);
}

void TGraphic::Assign(const TPersistent& ASource) {
  if (const auto* Graphic = dynamic_cast<const TGraphic*>(&ASource)) return AssignGraphic(*Graphic);
  TPersistent::Assign(ASource);
}

void TGraphic::SetTransparent(bool ATransparent) {
  if (ATransparent == FTransparent) return;
  FTransparent = ATransparent;
  Changed();
}

void TGraphic::LoadFromFile(const String& AFileName) {
  TFileStream Stream(AFileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(Stream);
}

void TGraphic::SaveToFile(const String& AFileName) {
  // Written in memory first, so that a failure leaves the old file as it was.
  TMemoryStream Stream;
  SaveToStream(Stream);
  Stream.SaveToFile(AFileName);
}

// ---------------------------------------------------------------- TPicture

void TPicture::TakeGraphic(std::unique_ptr<TGraphic> AGraphic) {
  FGraphic = std::move(AGraphic);
  if (FGraphic)
    FGraphic->OnChange = [this](TGraphic*) {
      if (OnChange) OnChange(this);
    };
  if (OnChange) OnChange(this);
}

void TPicture::SetGraphic(const TGraphic* AGraphic) {
  if (AGraphic == FGraphic.get() && AGraphic) return;
  TakeGraphic(AGraphic ? AGraphic->Clone() : nullptr);
}

void TPicture::Assign(const TPersistent& ASource) {
  if (const auto* Picture = dynamic_cast<const TPicture*>(&ASource)) return SetGraphic(Picture->Graphic());
  if (const auto* Graphic = dynamic_cast<const TGraphic*>(&ASource)) return SetGraphic(Graphic);
  TPersistent::Assign(ASource);
}

TBitmap& TPicture::Bitmap() {
  if (!dynamic_cast<TBitmap*>(FGraphic.get())) TakeGraphic(std::make_unique<TBitmap>());
  return static_cast<TBitmap&>(*FGraphic);
}

void TPicture::LoadFromFile(const String& AFileName) {
  TFileStream Stream(AFileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(Stream);
}

void TPicture::LoadFromStream(TStream& AStream) {
  // The kind is chosen by the first bytes, which the graphic then reads again.
  uint8_t Signature[8] = {};
  const int64_t Start = AStream.Position();
  const int64_t Count = AStream.Read(Signature, sizeof(Signature));
  AStream.SetPosition(Start);
  std::unique_ptr<TGraphic> Graphic;
  switch (DetectPictureFormat(std::span<const uint8_t>(Signature, size_t(Count)))) {
    case pcfBmp:
      Graphic = std::make_unique<TBitmap>();
      break;
    case pcfPng:
      Graphic = std::make_unique<TPngImage>();
      break;
    case pcfJpeg:
      Graphic = std::make_unique<TJPEGImage>();
      break;
    case pcfIcon:
    case pcfCursor:
      Graphic = std::make_unique<TIcon>();
      break;
    case pcfUnknown:
      throw EInvalidGraphic("Unknown picture file format");
  }
  Graphic->LoadFromStream(AStream);
  TakeGraphic(std::move(Graphic));
}
