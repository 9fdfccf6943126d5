// The bit-map-font label on the frame: its text drawn character by character from the
// cells of a symbol table picture.

#include <algorithm>

#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_ObjInternal.h"
#include "platform/gdi/Blit.h"

TspSkinBitLabelObject::TspSkinBitLabelObject(TspSkinForm* AParent, const TspDataSkinBitLabel& AData)
    : TspActiveSkinObject(AParent, AData),
      SymbolWidth(AData.SymbolWidth),
      SymbolHeight(AData.SymbolHeight),
      Symbols(&AData.Symbols),
      Transparent(AData.Transparent),
      TransparentColor(AData.TransparentColor),
      FTextValue(AData.TextValue) {}

void TspSkinBitLabelObject::SetTextValue(const String& AValue, bool AUpDate) {
  FTextValue = AValue;
  if (AUpDate) Parent->DrawSkinObject(this);
}

bool TspSkinBitLabelObject::FindSymbol(char32_t ACharacter, TPoint& ACell) const {
  for (int Row = 0; Row < Symbols->Count(); ++Row) {
    const String Line = Symbols->Strings(Row);
    int Column = 0;
    for (size_t Pos = 0; Pos < Line.size(); ++Column)
      if (Utf8Next(Line, Pos) == ACharacter) {
        ACell = Point(Column, Row);
        return true;
      }
  }
  return false;
}

void TspSkinBitLabelObject::Draw(TCanvas& Cnvs, bool /*UpDate*/) {
  const int W = RectangleWidth(SkinRect);
  const int H = RectangleHeight(SkinRect);
  if (!HasSkin() || !Picture || W <= 0 || H <= 0) return;
  TBitmap Image;
  ObjectsStretchedLook(Image, W, H, *Picture, SkinRect);
  TCanvas& C = Image.Canvas();
  if (ActivePicture && SymbolWidth > 0 && SymbolHeight > 0) {
    int Left = 0;
    for (size_t Pos = 0; Pos < FTextValue.size() && Left < W; Left += SymbolWidth) {
      TPoint Cell;
      // A character the table lacks leaves its cell showing the background.
      if (!FindSymbol(Utf8Next(FTextValue, Pos), Cell)) continue;
      // The cell that passes the right edge is cut there.
      const int Width = std::min(SymbolWidth, W - Left);
      const int SourceX = ActiveSkinRect.Left + Cell.X * SymbolWidth;
      const int SourceY = ActiveSkinRect.Top + Cell.Y * SymbolHeight;
      C.CopyRect(Rect(Left, 0, Left + Width, SymbolHeight), ActivePicture->Canvas(),
                 Rect(SourceX, SourceY, SourceX + Width, SourceY + SymbolHeight));
    }
  }
  if (Transparent && SD->FPicture) {
    TBitmap Back;
    Back.SetPixelFormat(pf32bit);
    Back.SetSize(W, H);
    Back.Canvas().CopyRect(Rect(0, 0, W, H), SD->FPicture->Canvas(), SkinRect);
    Image.SetTransparentColor(TransparentColor);
    Image.SetTransparent(true);
    Back.Canvas().Draw(0, 0, Image);
    BitBlt(Cnvs.Handle(), ObjectRect.Left, ObjectRect.Top, W, H, Back.Canvas().Handle(), 0, 0, SRCCOPY);
    return;
  }
  BitBlt(Cnvs.Handle(), ObjectRect.Left, ObjectRect.Top, W, H, C.Handle(), 0, 0, SRCCOPY);
}
