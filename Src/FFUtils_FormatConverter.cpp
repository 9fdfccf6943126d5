// TFormatConverter: pictures between FFmpeg's pixel formats and 8-, 15-, 16-, 24- or
// 32-bit bitmaps.

#include <cstring>

#include "Src/FFLoad.h"
#include "Src/FormatConverter.h"
#include "platform/base/Exceptions.h"

namespace {

struct TRGBFormat {
  TPixelFormat Bitmap;
  int Chosen;     // the BitsPixel value that selects the format
  int BitsPixel;  // the bits a pixel takes
  AVPixelFormat AV;
};

// FFmpeg's pixel formats that hold the bitmaps' own layouts: blue, green, red (and
// alpha) from the lowest byte up; 16-bit words with red in the highest bits; bytes of
// 2 bits blue, 3 green, 3 red (blue highest), as the 8-bit bitmaps' colour table reads
// them. (FFmpeg's "BGR" 5-5-5 and 5-6-5 formats put red in the lowest bits, which would
// swap red and blue on the bitmap.)
constexpr TRGBFormat RGBFormats[] = {{pf8bit, 8, 8, AV_PIX_FMT_BGR8},
                                     {pf15bit, 15, 16, AV_PIX_FMT_RGB555LE},
                                     {pf16bit, 16, 16, AV_PIX_FMT_RGB565LE},
                                     {pf24bit, 24, 24, AV_PIX_FMT_BGR24},
                                     {pf32bit, 32, 32, AV_PIX_FMT_BGRA}};

const TRGBFormat* FindFormat(TPixelFormat ABitmap) {
  for (const TRGBFormat& Format : RGBFormats)
    if (Format.Bitmap == ABitmap) return &Format;
  return nullptr;
}

const TRGBFormat* FindFormat(int AChosen) {
  for (const TRGBFormat& Format : RGBFormats)
    if (Format.Chosen == AChosen) return &Format;
  return nullptr;
}

}  // namespace

TFormatConverter::TFormatConverter() : FBitmap(std::make_unique<TBitmap>()) {
  FBitmap->Canvas().Brush().SetStyle(bsClear);
  Reset();
}

TFormatConverter::~TFormatConverter() { TFormatConverter::ReleaseFFObjects(); }

void TFormatConverter::ReleaseFFObjects() {
  // The FFmpeg objects exist only once a conversion ran, with the libraries bound, and
  // they are freed before the libraries are unbound.
  FRGBPictureRef = nullptr;
  FDIB = BITMAP();
  if (FRGBPicture) FF.av_frame_free(&FRGBPicture);
  if (FSourceRef) FF.av_frame_free(&FSourceRef);
  if (FtoRGB_convert_ctx) FF.sws_freeContext(FtoRGB_convert_ctx);
  FtoRGB_convert_ctx = nullptr;
  if (FfromRGB_convert_ctx) FF.sws_freeContext(FfromRGB_convert_ctx);
  FfromRGB_convert_ctx = nullptr;
}

void TFormatConverter::Reset() {
  FDIB = BITMAP();
  FRGBPictureRef = nullptr;
  if (FSourceRef) FF.av_frame_unref(FSourceRef);
  const TRGBFormat* Chosen = FindFormat(FBMPPixFmt);
  FBitsPixel = Chosen->BitsPixel;
  FAVPixFmt = Chosen->AV;
  FBitmap->SetPixelFormat(FBMPPixFmt);
}

void TFormatConverter::SetBitsPixel(int AValue) {
  if (AValue == FBitsPixel) return;
  const TRGBFormat* Chosen = FindFormat(AValue);
  if (!Chosen) throw Exception(Format("Invalid BitsPixel %d", AValue));
  FBMPPixFmt = Chosen->Bitmap;
  Reset();
}

void TFormatConverter::SetBMPPixFmt(TPixelFormat AValue) {
  if (AValue == FBMPPixFmt) return;
  if (!FindFormat(AValue)) throw Exception(Format("Invalid PixelFormat %d", static_cast<int>(AValue)));
  FBMPPixFmt = AValue;
  Reset();
}

bool TFormatConverter::PictureToRGB(const AVFrame* ASource, bool ACopyToBitmap) {
  FBitmap->SetSize(ASource->width, ASource->height);
  bool TakesAsItIs = ASource->format == FAVPixFmt && ASource->width % 2 == 0 && ASource->height % 2 == 0 &&
                     ASource->linesize[0] == DibRowBytes(ASource->width, FBitsPixel);
  if (!(TakesAsItIs && ReferenceSource(ASource)) && !ScaleSource(ASource)) return false;
  DescribeRGBPicture();
  if (ACopyToBitmap) RGBToBitmap();
  return true;
}

// A reference, not a copy: the caller may free its frame while we keep the picture.
bool TFormatConverter::ReferenceSource(const AVFrame* ASource) {
  if (!FSourceRef) FSourceRef = FF.av_frame_alloc();
  if (!FSourceRef) return false;
  FF.av_frame_unref(FSourceRef);
  if (FF.av_frame_ref(FSourceRef, ASource) < 0) return false;
  FRGBPictureRef = FSourceRef;
  return true;
}

bool TFormatConverter::ScaleSource(const AVFrame* ASource) {
  FRGBPictureRef = nullptr;
  if (!FRGBPicture) FRGBPicture = FF.av_frame_alloc();
  bool SameLayout = FRGBPicture && FRGBPicture->buf[0] && FRGBPicture->width == ASource->width &&
                    FRGBPicture->height == ASource->height && FRGBPicture->format == FAVPixFmt;
  if (FRGBPicture && !SameLayout) {
    FF.av_frame_unref(FRGBPicture);
    FRGBPicture->width = ASource->width;
    FRGBPicture->height = ASource->height;
    FRGBPicture->format = FAVPixFmt;
    if (FF.av_frame_get_buffer(FRGBPicture, 0) < 0) FF.av_frame_unref(FRGBPicture);
  }
  if (FRGBPicture && FRGBPicture->buf[0]) FF.av_frame_make_writable(FRGBPicture);
  // The scaler aborts the process on a format it does not know, so it is asked first.
  if (!FF.sws_isSupportedInput(static_cast<AVPixelFormat>(ASource->format))) {
    FLastErrMsg = "Cannot initialize the toRGB conversion context";
    return false;
  }
  FtoRGB_convert_ctx = FF.sws_getCachedContext(
      FtoRGB_convert_ctx, ASource->width, ASource->height, static_cast<AVPixelFormat>(ASource->format),
      ASource->width, ASource->height, FAVPixFmt, SWS_BICUBIC, nullptr, nullptr, nullptr);
  if (!FtoRGB_convert_ctx || !FRGBPicture || !FRGBPicture->buf[0]) {
    FLastErrMsg = "Cannot initialize the toRGB conversion context";
    return false;
  }
  FF.sws_scale(FtoRGB_convert_ctx, ASource->data, ASource->linesize, 0, ASource->height, FRGBPicture->data,
               FRGBPicture->linesize);
  FRGBPictureRef = FRGBPicture;
  return true;
}

void TFormatConverter::DescribeRGBPicture() {
  FDIB = BITMAP();
  FDIB.bmWidth = FRGBPictureRef->width;
  FDIB.bmHeight = FRGBPictureRef->height;
  FDIB.bmWidthBytes = FRGBPictureRef->linesize[0];
  FDIB.bmPlanes = 1;
  FDIB.bmBitsPixel = static_cast<uint16_t>(FBitsPixel);
  FDIB.bmBits = FRGBPictureRef->data[0];
}

// Only the pixels of a row move: FFmpeg pads its rows to its own alignment and bitmap
// rows to 4 bytes, so neither side's row size fits the other.
void TFormatConverter::RGBToBitmap() {
  Assert(FRGBPictureRef != nullptr);
  size_t RowBytes = size_t(FRGBPictureRef->width) * (FBitsPixel / 8);
  for (int Row = 0; Row < FRGBPictureRef->height; ++Row)
    std::memcpy(FBitmap->ScanLine(Row),
                FRGBPictureRef->data[0] + ptrdiff_t(Row) * FRGBPictureRef->linesize[0], RowBytes);
}

void TFormatConverter::BitmapToRGB() {
  Assert(FRGBPictureRef != nullptr);
  // The picture may be the caller's, shared with a decoder: write into a copy of our own.
  if (FF.av_frame_make_writable(FRGBPictureRef) < 0) return;
  DescribeRGBPicture();
  size_t RowBytes = size_t(FRGBPictureRef->width) * (FBitsPixel / 8);
  for (int Row = 0; Row < FRGBPictureRef->height; ++Row)
    std::memcpy(FRGBPictureRef->data[0] + ptrdiff_t(Row) * FRGBPictureRef->linesize[0],
                FBitmap->ScanLine(Row), RowBytes);
}

bool TFormatConverter::RGBToPicture(AVFrame* ADestination) {
  Assert(FRGBPictureRef != nullptr);
  if (!FF.sws_isSupportedOutput(static_cast<AVPixelFormat>(ADestination->format))) {
    FLastErrMsg = "Cannot initialize the fromRGB conversion context";
    return false;
  }
  FfromRGB_convert_ctx = FF.sws_getCachedContext(
      FfromRGB_convert_ctx, FRGBPictureRef->width, FRGBPictureRef->height, FAVPixFmt, ADestination->width,
      ADestination->height, static_cast<AVPixelFormat>(ADestination->format), SWS_BICUBIC, nullptr, nullptr,
      nullptr);
  if (!FfromRGB_convert_ctx || FF.av_frame_make_writable(ADestination) < 0) {
    FLastErrMsg = "Cannot initialize the fromRGB conversion context";
    return false;
  }
  FF.sws_scale(FfromRGB_convert_ctx, FRGBPictureRef->data, FRGBPictureRef->linesize, 0,
               FRGBPictureRef->height, ADestination->data, ADestination->linesize);
  return true;
}
