// JPEG files through libjpeg.
//
// libjpeg's default error handler ends the process; ours records the message and makes
// a long jump back into RunGuarded instead. As in the PNG codec, the code between the
// jump target and the library creates no object with a destructor, and everything that
// owns memory lives in the caller's frame.

// jpeglib.h uses size_t and FILE without including their headers.
// clang-format off
#include <cstddef>
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>
// clang-format on

#include <algorithm>
#include <csetjmp>
#include <cstdlib>

#include "platform/gdi/CodecSupportInternal.h"

namespace {

// Huffman coding spends at least one bit on every 8 × 8 block of every component, so a
// file of N bytes cannot describe more than 512 N pixels (arithmetic coding, which has
// no such floor, is held by the general pixel limit only).
constexpr uint64_t kMaxPixelsPerHuffmanByte = 512;
// libjpeg allocates whole-image coefficient buffers for progressive files; this bounds
// them.
constexpr long kMaxLibraryMemory = 1024L * 1024 * 1024;

struct TJpegErrorManager {
  jpeg_error_mgr Base;
  jmp_buf Jump;
  int Code = 0;
  char Message[JMSG_LENGTH_MAX] = "";
};

[[noreturn]] void ExitWithError(j_common_ptr AInfo) {
  auto* Errors = reinterpret_cast<TJpegErrorManager*>(AInfo->err);
  Errors->Code = Errors->Base.msg_code;
  Errors->Base.format_message(AInfo, Errors->Message);
  longjmp(Errors->Jump, 1);
}

// Warnings about damaged entropy data are tolerated (the picture shows what could be
// decoded), but a file that ends before its picture does is an error, as it is for the
// other formats.
void EmitMessage(j_common_ptr AInfo, int ALevel) {
  if (ALevel < 0 && AInfo->err->msg_code == JWRN_JPEG_EOF) ExitWithError(AInfo);
}

void OutputNothing(j_common_ptr) {}

template <typename TStep>
bool RunGuarded(TJpegErrorManager& AErrors, TStep&& AStep) {
  if (setjmp(AErrors.Jump)) return false;
  AStep();
  return true;
}

void InstallErrorManager(TJpegErrorManager& AErrors) {
  jpeg_std_error(&AErrors.Base);
  AErrors.Base.error_exit = ExitWithError;
  AErrors.Base.emit_message = EmitMessage;
  AErrors.Base.output_message = OutputNothing;
}

[[noreturn]] void FailWith(const TJpegErrorManager& AErrors) {
  throw EInvalidGraphic(Format("JPEG error #%d: %s", AErrors.Code, AErrors.Message));
}

// CMYK rows to blue, green, red, alpha. Adobe's files store the inks inverted.
void ConvertCmykRow(const uint8_t* ASource, uint32_t* ADest, int AWidth, bool AInverted) {
  for (int X = 0; X < AWidth; ++X, ASource += 4) {
    const uint32_t K = AInverted ? ASource[3] : 255 - ASource[3];
    uint32_t Channels[3];
    for (int I = 0; I < 3; ++I) {
      const uint32_t Ink = AInverted ? ASource[I] : 255 - ASource[I];
      Channels[I] = (Ink * K + 127) / 255;
    }
    ADest[X] = 0xFF000000 | Channels[0] << 16 | Channels[1] << 8 | Channels[2];
  }
}

class TJpegReader {
 public:
  explicit TJpegReader(std::span<const uint8_t> AData) : FData(AData) {
    InstallErrorManager(FErrors);
    FInfo.err = &FErrors.Base;
    if (!RunGuarded(FErrors, [this] { jpeg_create_decompress(&FInfo); })) FailWith(FErrors);
    FCreated = true;
    FInfo.mem->max_memory_to_use = kMaxLibraryMemory;
  }
  ~TJpegReader() {
    if (FCreated) jpeg_destroy_decompress(&FInfo);
  }
  TJpegReader(const TJpegReader&) = delete;
  TJpegReader& operator=(const TJpegReader&) = delete;

  TPixelImage Read() {
    if (!RunGuarded(FErrors, [this] {
          jpeg_mem_src(&FInfo, FData.data(), static_cast<unsigned long>(FData.size()));
          jpeg_read_header(&FInfo, TRUE);
        }))
      FailWith(FErrors);
    CheckPictureSize(FInfo.image_width, FInfo.image_height, "JPEG image is too large");
    if (!FInfo.arith_code &&
        uint64_t(FInfo.image_width) * FInfo.image_height > FData.size() * kMaxPixelsPerHuffmanByte)
      throw EInvalidGraphic("JPEG image is not valid: its data is too short for its size");

    const bool Cmyk = FInfo.jpeg_color_space == JCS_CMYK || FInfo.jpeg_color_space == JCS_YCCK;
    FInfo.out_color_space = Cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    if (!RunGuarded(FErrors, [this] { jpeg_start_decompress(&FInfo); })) FailWith(FErrors);

    TPixelImage Image;
    Image.SourceBitsPerPixel = 8 * FInfo.num_components;
    ResizePixelImage(Image, int(FInfo.output_width), int(FInfo.output_height));
    std::vector<uint8_t> CmykRow(Cmyk ? size_t(Image.Width) * 4 : 0);
    const bool Inverted = FInfo.saw_Adobe_marker;
    if (!RunGuarded(FErrors, [&] {
          while (FInfo.output_scanline < FInfo.output_height) {
            const int Y = int(FInfo.output_scanline);
            JSAMPROW Row = Cmyk ? CmykRow.data() : reinterpret_cast<JSAMPROW>(Image.Row(Y));
            jpeg_read_scanlines(&FInfo, &Row, 1);
            if (Cmyk) ConvertCmykRow(CmykRow.data(), Image.Row(Y), Image.Width, Inverted);
          }
        }))
      FailWith(FErrors);
    // Whatever follows the last row is not needed; destroying the decompressor ends it.
    return Image;
  }

 private:
  std::span<const uint8_t> FData;
  TJpegErrorManager FErrors;
  jpeg_decompress_struct FInfo{};
  bool FCreated = false;
};

class TJpegWriter {
 public:
  TJpegWriter() {
    InstallErrorManager(FErrors);
    FInfo.err = &FErrors.Base;
    if (!RunGuarded(FErrors, [this] { jpeg_create_compress(&FInfo); })) FailWith(FErrors);
    FCreated = true;
  }
  ~TJpegWriter() {
    if (FCreated) jpeg_destroy_compress(&FInfo);
    std::free(FBuffer);  // allocated by libjpeg's memory destination with malloc
  }
  TJpegWriter(const TJpegWriter&) = delete;
  TJpegWriter& operator=(const TJpegWriter&) = delete;

  std::vector<uint8_t> Write(const TPixelImage& AImage, int AQuality) {
    if (!RunGuarded(FErrors, [&] {
          jpeg_mem_dest(&FInfo, &FBuffer, &FBufferSize);
          FInfo.image_width = JDIMENSION(AImage.Width);
          FInfo.image_height = JDIMENSION(AImage.Height);
          FInfo.input_components = 4;
          FInfo.in_color_space = JCS_EXT_BGRX;
          jpeg_set_defaults(&FInfo);
          jpeg_set_quality(&FInfo, AQuality, TRUE);
          jpeg_start_compress(&FInfo, TRUE);
          while (FInfo.next_scanline < FInfo.image_height) {
            JSAMPROW Row =
                reinterpret_cast<JSAMPROW>(const_cast<uint32_t*>(AImage.Row(int(FInfo.next_scanline))));
            jpeg_write_scanlines(&FInfo, &Row, 1);
          }
          jpeg_finish_compress(&FInfo);
        }))
      FailWith(FErrors);
    return std::vector<uint8_t>(FBuffer, FBuffer + FBufferSize);
  }

 private:
  TJpegErrorManager FErrors;
  jpeg_compress_struct FInfo{};
  bool FCreated = false;
  unsigned char* FBuffer = nullptr;
  unsigned long FBufferSize = 0;
};

}  // namespace

TPixelImage DecodeJpeg(std::span<const uint8_t> AData) { return TJpegReader(AData).Read(); }

std::vector<uint8_t> EncodeJpeg(const TPixelImage& AImage, int AQuality) {
  CheckPictureSize(AImage.Width, AImage.Height, "Cannot write an empty JPEG image");
  return TJpegWriter().Write(AImage, std::clamp(AQuality, 1, 100));
}
