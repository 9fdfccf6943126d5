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

bool InLinkRange(int AValue, int AStart, int AEnd) { return AValue >= AStart && AValue < AEnd; }

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

void TspBitmapLink::CheckingMasked(const TRect& AMargin) {
  Masked = MaskedBorder = MaskedAngles = false;
  if (!Image) return;
  const bool NoMargins = AMargin == TRect{};
  const int W = Rect.Width();
  const int H = Rect.Height();
  const int CentreRight = W - AMargin.Right;
  const int CentreBottom = H - AMargin.Bottom;
  for (int Y = 0; Y < H; ++Y) {
    for (int X = 0; X < W; ++X) {
      if (!IsMaskedPixel(Image->GetPixel(Rect.Left + X, Rect.Top + Y))) continue;
      if (NoMargins) {
        Masked = true;
        return;
      }
      const bool MiddleColumn = InLinkRange(X, AMargin.Left, CentreRight);
      const bool MiddleRow = InLinkRange(Y, AMargin.Top, CentreBottom);
      const bool EdgeColumn = InLinkRange(X, 0, AMargin.Left) || InLinkRange(X, CentreRight, W);
      const bool EdgeRow = InLinkRange(Y, 0, AMargin.Top) || InLinkRange(Y, CentreBottom, H);
      if (EdgeColumn && EdgeRow) MaskedAngles = true;
      if ((MiddleColumn && EdgeRow) || (EdgeColumn && MiddleRow)) MaskedBorder = true;
      if (MiddleColumn && MiddleRow) Masked = true;
    }
  }
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
