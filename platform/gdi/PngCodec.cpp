// PNG files through libpng.
//
// libpng reports errors by a long jump. Every call into it therefore runs inside
// RunGuarded, whose frame holds the jump target; the code between the jump target and
// libpng creates no object with a destructor, and everything that owns memory lives in
// the caller's frame, so a jump leaks nothing and skips no destructor.

#include <png.h>

#include <csetjmp>
#include <cstring>

#include "platform/gdi/CodecSupportInternal.h"

namespace {

// The greatest expansion deflate allows (a run of zeros): about 1032 to 1, rounded up.
constexpr uint64_t kMaxDeflateRatio = 1040;

struct TPngContext {
  png_structp Png = nullptr;
  png_infop Info = nullptr;
  std::span<const uint8_t> Input;
  size_t Position = 0;
  std::vector<uint8_t>* Output = nullptr;
  char Message[200] = "";
};

[[noreturn]] void StoreError(png_structp APng, png_const_charp AMessage) {
  auto* Context = static_cast<TPngContext*>(png_get_error_ptr(APng));
  std::strncpy(Context->Message, AMessage, sizeof(Context->Message) - 1);
  // Jumping here keeps libpng from printing the message itself.
  png_longjmp(APng, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

void ReadFromMemory(png_structp APng, png_bytep ABuffer, size_t ACount) {
  auto* Context = static_cast<TPngContext*>(png_get_io_ptr(APng));
  if (ACount > Context->Input.size() - Context->Position) png_error(APng, "the file is truncated");
  std::memcpy(ABuffer, Context->Input.data() + Context->Position, ACount);
  Context->Position += ACount;
}

void WriteToMemory(png_structp APng, png_bytep ABuffer, size_t ACount) {
  auto* Context = static_cast<TPngContext*>(png_get_io_ptr(APng));
  // An exception must not pass through libpng's C frames.
  try {
    Context->Output->insert(Context->Output->end(), ABuffer, ABuffer + ACount);
  } catch (const std::bad_alloc&) {
    png_error(APng, "out of memory");
  }
}

void FlushNothing(png_structp) {}

template <typename TStep>
bool RunGuarded(TPngContext& AContext, TStep&& AStep) {
  if (setjmp(png_jmpbuf(AContext.Png))) return false;
  AStep();
  return true;
}

class TPngReader {
 public:
  explicit TPngReader(std::span<const uint8_t> AData) {
    FContext.Input = AData;
    FContext.Png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &FContext, StoreError, IgnoreWarning);
    if (FContext.Png) FContext.Info = png_create_info_struct(FContext.Png);
    if (!FContext.Info) throw std::bad_alloc();
    png_set_read_fn(FContext.Png, &FContext, ReadFromMemory);
    png_set_user_limits(FContext.Png, kMaxPictureSide, kMaxPictureSide);
  }
  ~TPngReader() { png_destroy_read_struct(&FContext.Png, &FContext.Info, nullptr); }
  TPngReader(const TPngReader&) = delete;
  TPngReader& operator=(const TPngReader&) = delete;

  TPixelImage Read() {
    if (!RunGuarded(FContext, [this] { png_read_info(FContext.Png, FContext.Info); })) Fail(FContext.Message);
    const uint32_t Width = png_get_image_width(FContext.Png, FContext.Info);
    const uint32_t Height = png_get_image_height(FContext.Png, FContext.Info);
    CheckPictureSize(Width, Height, "Invalid PNG image: the picture is too large");
    CheckDataSuffices(Height, png_get_rowbytes(FContext.Png, FContext.Info));

    TPixelImage Image;
    Image.SourceBitsPerPixel =
        png_get_bit_depth(FContext.Png, FContext.Info) * png_get_channels(FContext.Png, FContext.Info);
    if (!RunGuarded(FContext, [this] { RequestBgra(); })) Fail(FContext.Message);
    if (png_get_rowbytes(FContext.Png, FContext.Info) != size_t(Width) * 4) Fail("unexpected row layout");
    ResizePixelImage(Image, int(Width), int(Height));
    std::vector<png_bytep> Rows(Height);
    for (uint32_t Y = 0; Y < Height; ++Y) Rows[Y] = reinterpret_cast<png_bytep>(Image.Row(int(Y)));
    // The chunks after the image data are not read: the picture is complete without them.
    if (!RunGuarded(FContext, [&] { png_read_image(FContext.Png, Rows.data()); })) Fail(FContext.Message);
    UpdateHasAlpha(Image);
    return Image;
  }

 private:
  [[noreturn]] static void Fail(const char* AReason) {
    throw EInvalidGraphic(Format("Invalid PNG image: %s", AReason));
  }

  // Refuses a picture whose compressed data is too short to hold it, before its pixels
  // are allocated: a hostile header cannot make us allocate more than deflate could
  // produce from the file.
  void CheckDataSuffices(uint32_t AHeight, size_t ARowBytes) const {
    uint64_t DataSize = 0;
    const std::span<const uint8_t> Data = FContext.Input;
    for (size_t Offset = 8; Offset + 8 <= Data.size();) {
      const uint64_t Length =
          uint64_t(Data[Offset]) << 24 | Data[Offset + 1] << 16 | Data[Offset + 2] << 8 | Data[Offset + 3];
      if (std::memcmp(Data.data() + Offset + 4, "IDAT", 4) == 0) DataSize += Length;
      Offset += 12 + Length;
    }
    const uint64_t Needed = uint64_t(AHeight) * (ARowBytes + 1);
    if (Needed > DataSize * kMaxDeflateRatio + 1024) Fail("the image data is too short");
  }

  // Whatever the colour type and depth, rows come out as 8-bit blue, green, red, alpha.
  void RequestBgra() {
    png_structp Png = FContext.Png;
    png_set_expand(Png);
    png_set_scale_16(Png);
    png_set_gray_to_rgb(Png);
    png_set_bgr(Png);
    const int ColorType = png_get_color_type(Png, FContext.Info);
    if (!(ColorType & PNG_COLOR_MASK_ALPHA) && !png_get_valid(Png, FContext.Info, PNG_INFO_tRNS))
      png_set_filler(Png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(Png);
    png_read_update_info(Png, FContext.Info);
  }

  TPngContext FContext;
};

class TPngWriter {
 public:
  TPngWriter() {
    FContext.Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &FContext, StoreError, IgnoreWarning);
    if (FContext.Png) FContext.Info = png_create_info_struct(FContext.Png);
    if (!FContext.Info) throw std::bad_alloc();
  }
  ~TPngWriter() { png_destroy_write_struct(&FContext.Png, &FContext.Info); }
  TPngWriter(const TPngWriter&) = delete;
  TPngWriter& operator=(const TPngWriter&) = delete;

  std::vector<uint8_t> Write(const TPixelImage& AImage, bool AWithAlpha) {
    std::vector<uint8_t> Output;
    FContext.Output = &Output;
    std::vector<png_bytep> Rows(size_t(AImage.Height));
    for (int Y = 0; Y < AImage.Height; ++Y)
      Rows[size_t(Y)] = reinterpret_cast<png_bytep>(const_cast<uint32_t*>(AImage.Row(Y)));
    const bool Written = RunGuarded(FContext, [&] {
      png_structp Png = FContext.Png;
      png_set_write_fn(Png, &FContext, WriteToMemory, FlushNothing);
      png_set_IHDR(Png, FContext.Info, uint32_t(AImage.Width), uint32_t(AImage.Height), 8,
                   AWithAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                   PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
      png_write_info(Png, FContext.Info);
      png_set_bgr(Png);
      // When writing, the filler transform drops the fourth byte of each pixel.
      if (!AWithAlpha) png_set_filler(Png, 0, PNG_FILLER_AFTER);
      png_write_image(Png, Rows.data());
      png_write_end(Png, nullptr);
    });
    if (!Written) throw EInvalidGraphic(Format("Cannot write PNG image: %s", FContext.Message));
    return Output;
  }

 private:
  TPngContext FContext;
};

}  // namespace

TPixelImage DecodePng(std::span<const uint8_t> AData) { return TPngReader(AData).Read(); }

std::vector<uint8_t> EncodePng(const TPixelImage& AImage, bool AWithAlpha) {
  CheckPictureSize(AImage.Width, AImage.Height, "Cannot write an empty PNG image");
  return TPngWriter().Write(AImage, AWithAlpha);
}
