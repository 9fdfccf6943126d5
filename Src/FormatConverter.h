#pragma once
// TFormatConverter (unit FFUtils): moves a picture between FFmpeg's world (an AVFrame
// in any pixel format) and a bitmap, without scaling, and back.
//
// The decoder turns decoded pictures into bitmaps with it; hooks convert a frame to a
// bitmap, draw on the bitmap and convert the result back into the frame. Each user owns
// its converter and uses it from one thread at a time. Row 0 is the top row on both
// sides.

#include <memory>

#include "Src/FFEntryPoints.h"
#include "Src/FFLoad.h"
#include "platform/base/Strings.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Graphics.h"

class TFormatConverter : public TFFObjectHolder {
 public:
  TFormatConverter();
  ~TFormatConverter() override;

  // Frees the pictures and scalers; the RGB picture is gone afterwards.
  void ReleaseFFObjects() override;

  // Bits per pixel of the RGB side. Setting 8, 15, 16, 24 or 32 selects the bitmap
  // format of that depth (and forgets the current RGB picture); another value raises
  // "Invalid BitsPixel %d". The 15-bit format takes 16 bits a pixel, so after setting 15
  // BitsPixel reads 16, and setting 16 then changes nothing.
  int BitsPixel() const { return FBitsPixel; }
  void SetBitsPixel(int AValue);
  // The same choice as the bitmap's pixel format, pf8bit to pf32bit; another format
  // raises "Invalid PixelFormat %d" with its ordinal.
  TPixelFormat BMPPixFmt() const { return FBMPPixFmt; }
  void SetBMPPixFmt(TPixelFormat AValue);
  // FFmpeg's pixel format of the RGB side: the bitmap's pixel layout.
  AVPixelFormat AVPixFmt() const { return FAVPixFmt; }

  TBitmap& Bitmap() { return *FBitmap; }
  // The current RGB picture as a bitmap record (type 0, one plane, rows top first).
  const BITMAP* DIB() const { return &FDIB; }
  // The picture that holds the RGB data: the converter's own, or a reference to the
  // caller's picture when that already was in the RGB format; nullptr before the
  // first conversion.
  const AVFrame* RGBPictureRef() const { return FRGBPictureRef; }
  const String& LastErrMsg() const { return FLastErrMsg; }

  // Converts ASource (its format and size) into the RGB picture, sizing the bitmap to
  // the picture, and
  // copies it into the bitmap when ACopyToBitmap is set. A source already in the RGB
  // format with even sides and rows of the bitmap's row size is referenced, not
  // copied. False with LastErrMsg() when the scaler cannot be set up.
  bool PictureToRGB(const AVFrame* ASource, bool ACopyToBitmap);
  // Copy between the RGB picture and the bitmap, row by row. Both need a current RGB
  // picture (else Assert fails).
  void RGBToBitmap();
  void BitmapToRGB();
  // Converts the RGB picture into ADestination in its own format (a destination of
  // another size gets the picture scaled, never read past its end). The destination
  // is made writable first, so a picture shared with a decoder is never written
  // into. Needs a current RGB picture (else Assert fails).
  bool RGBToPicture(AVFrame* ADestination);

 private:
  void Reset();
  bool ReferenceSource(const AVFrame* ASource);
  bool ScaleSource(const AVFrame* ASource);
  void DescribeRGBPicture();

  int FBitsPixel = 24;
  AVPixelFormat FAVPixFmt = AV_PIX_FMT_BGR24;
  TPixelFormat FBMPPixFmt = pf24bit;
  std::unique_ptr<TBitmap> FBitmap;
  BITMAP FDIB;
  AVFrame* FRGBPicture = nullptr;     // our own RGB picture
  AVFrame* FSourceRef = nullptr;      // a reference to the caller's RGB picture
  AVFrame* FRGBPictureRef = nullptr;  // one of the two above, or nullptr
  SwsContext* FtoRGB_convert_ctx = nullptr;
  SwsContext* FfromRGB_convert_ctx = nullptr;
  String FLastErrMsg;
};
