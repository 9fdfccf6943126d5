// The decoded picture as a bitmap or as a bitmap record of the converter's RGB picture.

#include <cstring>

#include "Src/FFDecode.h"

int TFFDecoder::BitmapBitsPixel() const { return FFormatConv->BitsPixel(); }

void TFFDecoder::SetBitmapBitsPixel(int AValue) { FFormatConv->SetBitsPixel(AValue); }

bool TFFDecoder::CopyToBitmap(TBitmap& ABitmap) {
  if (!FPicture.Ready) {
    Report(llError, "picture not ready, please decode first");
    return false;
  }
  if (FFormatConv->PictureToRGB(FPicture.Picture, true)) {
    ABitmap.Assign(FFormatConv->Bitmap());
    return true;
  }
  // The caller still gets a picture of the right size: a black one.
  ABitmap.SetPixelFormat(FFormatConv->BMPPixFmt());
  ABitmap.SetSize(FPicture.Width, FPicture.Height);
  for (int Row = 0; Row < ABitmap.Height(); ++Row)
    std::memset(ABitmap.ScanLine(Row), 0, size_t(ABitmap.Width()) * (FFormatConv->BitsPixel() / 8));
  Report(llError, FFormatConv->LastErrMsg());
  return false;
}

const BITMAP* TFFDecoder::GetBitmapPtr() {
  if (!FPicture.Ready) {
    Report(llError, "picture not ready, please decode first");
    return nullptr;
  }
  if (FFormatConv->PictureToRGB(FPicture.Picture, false)) return FFormatConv->DIB();
  Report(llError, FFormatConv->LastErrMsg());
  return nullptr;
}
