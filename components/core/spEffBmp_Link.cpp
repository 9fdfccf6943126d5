// TspBitmapLink, a named rectangle of a TspBitmap, and the bitmap's link factories.

#include "components/core/spEffBmp.h"
#include "components/core/spEffBmp_Internal.h"
#include "platform/base/Exceptions.h"

namespace {

// One number of a rectangle text: the characters up to the next separator (which is
// consumed) or the end, trimmed; ARest keeps what follows, trimmed.
int TakeRectNumber(String& ARest) {
  const size_t End = ARest.find_first_of(" (),:;=");
  const String Token = Trim(ARest.substr(0, End));
  ARest = End == String::npos ? String() : Trim(ARest.substr(End + 1));
  return StrToInt(Token);
}

TRect ParseLinkRect(const String& AText) {
  String Rest = Trim(AText);
  try {
    TRect R;
    R.Left = TakeRectNumber(Rest);
    R.Top = TakeRectNumber(Rest);
    R.Right = TakeRectNumber(Rest);
    R.Bottom = TakeRectNumber(Rest);
    return R;
  } catch (const EConvertError&) {
    return {};  // tolerated: a malformed rectangle links nothing
  }
}

bool IsMaskedPixel(TspColor APixel) {
  constexpr TspColor ShadowPixel = 0x33333333;  // drawn shadows count as solid
  if (APixel == ShadowPixel) return false;
  return (APixel & spColorMask) == spTransparentKey || (APixel >> 24) < 255;
}

}  // namespace

std::unique_ptr<TspBitmapLink> TspBitmap::GetBitmapLink(const TRect& ARect) {
  auto Link = std::make_unique<TspBitmapLink>();
  Link->Image = this;
  Link->Name = Name;
  Link->Rect = ARect;
  return Link;
}

std::unique_ptr<TspBitmapLink> TspBitmap::GetBitmapLink(const String& ARect) {
  return GetBitmapLink(ParseLinkRect(ARect));
}

void TspBitmapLink::Assign(const TPersistent& ASource) {
  const auto* Other = dynamic_cast<const TspBitmapLink*>(&ASource);
  if (!Other) {
    TPersistent::Assign(ASource);
    return;
  }
  Image = Other->Image;
  Rect = Other->Rect;
  Name = Other->Name;
  Masked = Other->Masked;
  MaskedBorder = Other->MaskedBorder;
  MaskedAngles = Other->MaskedAngles;
}

void TspBitmapLink::SaveToStream(TStream& AStream) const {
  WriteStoredName(AStream, Name);
  WriteStoredRect(AStream, Rect);
}

void TspBitmapLink::LoadFromStream(TStream& AStream) {
  Name = ReadStoredName(AStream);
  Rect = ReadStoredRect(AStream);
}

void TspBitmapLink::CheckingMasked() { CheckingMasked(TRect{}); }

namespace {

// Whether the link's columns [AX0, AX1) and rows [AY0, AY1) (link coordinates, 64-bit so
// that any rectangle a skin names is safe) hold a masked pixel. Pixels outside the image
// read as clear, so a span reaching outside it is masked without a look.
bool LinkSpanMasked(const TspBitmapLink& ALink, int64_t AX0, int64_t AY0, int64_t AX1, int64_t AY1) {
  const int64_t Width = int64_t(ALink.Rect.Right) - ALink.Rect.Left;
  const int64_t Height = int64_t(ALink.Rect.Bottom) - ALink.Rect.Top;
  AX0 = std::max<int64_t>(AX0, 0);
  AY0 = std::max<int64_t>(AY0, 0);
  AX1 = std::min(AX1, Width);
  AY1 = std::min(AY1, Height);
  if (AX0 >= AX1 || AY0 >= AY1) return false;
  const int64_t Left = ALink.Rect.Left + AX0, Top = ALink.Rect.Top + AY0;
  const int64_t Right = ALink.Rect.Left + AX1, Bottom = ALink.Rect.Top + AY1;
  if (Left < 0 || Top < 0 || Right > ALink.Image->Width() || Bottom > ALink.Image->Height()) return true;
  for (int64_t Y = Top; Y < Bottom; ++Y)
    for (int64_t X = Left; X < Right; ++X)
      if (IsMaskedPixel(ALink.Image->GetPixel(int(X), int(Y)))) return true;
  return false;
}

}  // namespace

void TspBitmapLink::CheckingMasked(const TRect& AMargin) {
  Masked = MaskedBorder = MaskedAngles = false;
  if (!Image) return;
  const int64_t W = int64_t(Rect.Right) - Rect.Left;
  const int64_t H = int64_t(Rect.Bottom) - Rect.Top;
  if (AMargin == TRect{}) {
    Masked = LinkSpanMasked(*this, 0, 0, W, H);
    return;
  }
  // The columns and rows of the corners and edges, and of the centre, by the margins.
  const int64_t CentreRight = W - AMargin.Right, CentreBottom = H - AMargin.Bottom;
  const int64_t EdgeColumns[2][2] = {{0, AMargin.Left}, {CentreRight, W}};
  const int64_t EdgeRows[2][2] = {{0, AMargin.Top}, {CentreBottom, H}};
  for (const auto& Column : EdgeColumns)
    for (const auto& Row : EdgeRows)
      MaskedAngles = MaskedAngles || LinkSpanMasked(*this, Column[0], Row[0], Column[1], Row[1]);
  for (const auto& Row : EdgeRows)
    MaskedBorder = MaskedBorder || LinkSpanMasked(*this, AMargin.Left, Row[0], CentreRight, Row[1]);
  for (const auto& Column : EdgeColumns)
    MaskedBorder = MaskedBorder || LinkSpanMasked(*this, Column[0], AMargin.Top, Column[1], CentreBottom);
  Masked = LinkSpanMasked(*this, AMargin.Left, AMargin.Top, CentreRight, CentreBottom);
}

bool TspBitmapLink::CanDraw() const {
  return Image && !Image->Empty() && Rect.Width() > 0 && Rect.Height() > 0;
}

void TspBitmapLink::Draw(TCanvas& ACanvas, int AX, int AY) const {
  if (CanDraw()) Image->Draw(ACanvas, AX, AY, Rect);
}

void TspBitmapLink::Draw(TspBitmap& ABitmap, int AX, int AY) const {
  if (CanDraw()) Image->Draw(ABitmap, AX, AY, Rect);
}
