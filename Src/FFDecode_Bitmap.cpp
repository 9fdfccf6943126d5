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
  if (ScaleIntoBitmap(ABitmap)) return true;
  // The caller still gets a picture of the right size: a black one.
  ABitmap.SetPixelFormat(FFormatConv->BMPPixFmt());
  ABitmap.SetSize(FPicture.Width, FPicture.Height);
  for (int Row = 0; Row < ABitmap.Height(); ++Row)
    std::memset(ABitmap.ScanLine(Row), 0, size_t(ABitmap.Width()) * (FFormatConv->BitsPixel() / 8));
  Report(llError, FFormatConv->LastErrMsg());
  return false;
}

// One conversion from the decoded picture into rows of our own that only grow, then the
// rows into the caller's bitmap: a thumbnail per file is the loading dialog's work, and
// a picture or bitmap sized anew for every file costs as much as the conversion
// itself. (The scaler's fast paths write whole aligned blocks, so it never writes into
// the bitmap's rows directly.)
bool TFFDecoder::ScaleIntoBitmap(TBitmap& ABitmap) {
  const AVFrame* Source = FPicture.Picture;
  const int BitsPixel = FFormatConv->BitsPixel();
  const AVPixelFormat Target = FFormatConv->AVPixFmt();
  const auto SourceFormat = static_cast<AVPixelFormat>(Source->format);
  // The scaler aborts the process on a format it does not know, so it is asked first.
  if (!FF.sws_isSupportedInput(SourceFormat)) return false;
  SwsContext* Scaler =
      FF.sws_getCachedContext(FBitmapScaler.release(), Source->width, Source->height, SourceFormat,
                              Source->width, Source->height, Target, SWS_BICUBIC, nullptr, nullptr, nullptr);
  FBitmapScaler.reset(Scaler);
  if (!Scaler) return false;
  const size_t RowBytes = size_t(Source->width) * (BitsPixel / 8);
  const size_t Stride = (RowBytes + 63) & ~size_t(63);
  const size_t Needed = Stride * Source->height + 64;
  if (FBitmapRows.size() < Needed) FBitmapRows.resize(Needed);
  uint8_t* First = FBitmapRows.data() + (-reinterpret_cast<uintptr_t>(FBitmapRows.data()) & 63);
  uint8_t* Rows[4] = {First, nullptr, nullptr, nullptr};
  const int Steps[4] = {static_cast<int>(Stride), 0, 0, 0};
  FF.sws_scale(Scaler, Source->data, Source->linesize, 0, Source->height, Rows, Steps);
  ABitmap.SetPixelFormat(FFormatConv->BMPPixFmt());
  ABitmap.SetSize(Source->width, Source->height);
  for (int Row = 0; Row < Source->height; ++Row)
    std::memcpy(ABitmap.ScanLine(Row), First + Stride * Row, RowBytes);
  return true;
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
