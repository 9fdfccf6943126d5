// BMP files and the device-independent bitmaps inside them and inside icons.

#include <algorithm>
#include <bit>

#include "platform/gdi/CodecSupportInternal.h"

namespace {

// The compression field of a DIB header.
enum : uint32_t { kBmpRgb = 0, kBmpBitFields = 3, kBmpAlphaBitFields = 6 };

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;

// One colour channel of a bit-field pixel, scaled to 8 bits.
class TChannelMask {
 public:
  explicit TChannelMask(uint32_t AMask)
      : FMask(AMask), FShift(AMask ? std::countr_zero(AMask) : 0), FMax(AMask >> FShift) {}
  bool Present() const { return FMask != 0; }
  uint32_t Extract(uint32_t APixel) const {
    if (!FMask) return 0;
    return uint32_t((uint64_t((APixel & FMask) >> FShift) * 255 + FMax / 2) / FMax);
  }

 private:
  uint32_t FMask;
  int FShift;
  uint32_t FMax;
};

// What the information header says, with every size widened so that arithmetic on
// hostile values cannot overflow.
struct TDibHeader {
  int64_t Width = 0;
  int64_t Height = 0;
  bool TopDown = false;
  int BitsPerPixel = 0;
  uint32_t Compression = kBmpRgb;
  uint32_t ColorsUsed = 0;
  size_t PaletteOffset = 0;
  size_t PaletteEntrySize = 4;
  uint32_t Masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
};

[[noreturn]] void Fail(const TDibLayout& ALayout) { throw EInvalidGraphic(ALayout.ErrorText); }

TDibHeader ReadDibHeader(std::span<const uint8_t> AData, size_t AOffset, const TDibLayout& ALayout) {
  if (AOffset + 4 > AData.size()) Fail(ALayout);
  const uint8_t* P = AData.data() + AOffset;
  const uint32_t HeaderSize = ReadLE32(P);
  TDibHeader Header;
  if (HeaderSize == kCoreHeaderSize) {
    // The OS/2 core header: 16-bit sizes, always bottom-up, three-byte palette entries.
    if (AOffset + kCoreHeaderSize > AData.size()) Fail(ALayout);
    Header.Width = ReadLE16(P + 4);
    Header.Height = ReadLE16(P + 6);
    Header.BitsPerPixel = ReadLE16(P + 10);
    Header.PaletteOffset = AOffset + kCoreHeaderSize;
    Header.PaletteEntrySize = 3;
  } else if (HeaderSize == 40 || HeaderSize == 52 || HeaderSize == 56 || HeaderSize == 108 ||
             HeaderSize == 124) {
    if (AOffset + HeaderSize > AData.size()) Fail(ALayout);
    Header.Width = int32_t(ReadLE32(P + 4));
    const int64_t Height = int32_t(ReadLE32(P + 8));
    Header.TopDown = Height < 0;
    Header.Height = Height < 0 ? -Height : Height;
    Header.BitsPerPixel = ReadLE16(P + 14);
    Header.Compression = ReadLE32(P + 16);
    Header.ColorsUsed = ReadLE32(P + 32);
    Header.PaletteOffset = AOffset + HeaderSize;
    const bool HasBitFields = Header.Compression == kBmpBitFields || Header.Compression == kBmpAlphaBitFields;
    // Version 4 and 5 headers hold the masks (and an alpha mask) themselves; the plain
    // header is followed by them.
    size_t MaskCount = HeaderSize >= 56 ? 4 : HeaderSize >= 52 ? 3 : 0;
    size_t MaskOffset = AOffset + kInfoHeaderSize;
    if (HasBitFields && HeaderSize == kInfoHeaderSize) {
      MaskCount = Header.Compression == kBmpAlphaBitFields ? 4 : 3;
      Header.PaletteOffset += MaskCount * 4;
      if (Header.PaletteOffset > AData.size()) Fail(ALayout);
    }
    if (HasBitFields)
      for (size_t I = 0; I < MaskCount; ++I) Header.Masks[I] = ReadLE32(AData.data() + MaskOffset + I * 4);
  } else {
    Fail(ALayout);
  }
  if (ALayout.IconMask) Header.Height /= 2;
  CheckPictureSize(Header.Width, Header.Height, ALayout.ErrorText);
  const int Bpp = Header.BitsPerPixel;
  const bool ValidDepth =
      Header.Compression == kBmpRgb
          ? (Bpp == 1 || Bpp == 4 || Bpp == 8 || Bpp == 16 || Bpp == 24 || Bpp == 32)
          : (Header.Compression == kBmpBitFields || Header.Compression == kBmpAlphaBitFields) &&
                (Bpp == 16 || Bpp == 32);
  if (!ValidDepth) Fail(ALayout);
  if (Header.Compression == kBmpRgb && Bpp == 16) {
    Header.Masks[0] = 0x7C00;
    Header.Masks[1] = 0x03E0;
    Header.Masks[2] = 0x001F;
  }
  return Header;
}

// The colour table of a bitmap of 8 bits or fewer; indexes past its end are black. A
// table whose size the header leaves open holds 2^bits entries, or as many as fit before
// the pixel rows when the file says where they start (tolerated: short tables are common).
std::vector<uint32_t> ReadPalette(std::span<const uint8_t> AData, const TDibHeader& AHeader,
                                  size_t ABitsOffset, const TDibLayout& ALayout) {
  const uint32_t MaxColors = 1u << AHeader.BitsPerPixel;
  uint64_t Count = AHeader.ColorsUsed;
  if (!Count) {
    Count = MaxColors;
    if (ABitsOffset > AHeader.PaletteOffset)
      Count = std::min<uint64_t>(Count, (ABitsOffset - AHeader.PaletteOffset) / AHeader.PaletteEntrySize);
  }
  if (Count > MaxColors) Fail(ALayout);
  if (AHeader.PaletteOffset + Count * AHeader.PaletteEntrySize > AData.size()) Fail(ALayout);
  std::vector<uint32_t> Palette(MaxColors, 0xFF000000);
  for (uint32_t I = 0; I < Count; ++I) {
    const uint8_t* Entry = AData.data() + AHeader.PaletteOffset + I * AHeader.PaletteEntrySize;
    Palette[I] = 0xFF000000 | uint32_t(Entry[2]) << 16 | uint32_t(Entry[1]) << 8 | Entry[0];
  }
  return Palette;
}

size_t RowStride(int64_t AWidth, int ABitsPerPixel) { return size_t((AWidth * ABitsPerPixel + 31) / 32 * 4); }

// Fails unless ARows rows of AStride bytes starting at AOffset lie in the data; the
// last row may lack its padding, which some writers leave out.
bool RowsFit(std::span<const uint8_t> AData, uint64_t AOffset, uint64_t AStride, int64_t AWidth, int ABpp,
             int64_t ARows) {
  return AOffset + AStride * uint64_t(ARows - 1) + uint64_t((AWidth * ABpp + 7) / 8) <= AData.size();
}

void DecodeRow(const uint8_t* ASource, uint32_t* ADest, int AWidth, const TDibHeader& AHeader,
               const std::vector<uint32_t>& APalette, const TChannelMask (&AMasks)[4]) {
  const int Bpp = AHeader.BitsPerPixel;
  switch (Bpp) {
    case 1:
    case 4:
    case 8: {
      const int PerByte = 8 / Bpp;
      const uint32_t IndexMask = (1u << Bpp) - 1;
      for (int X = 0; X < AWidth; ++X) {
        const int Shift = (PerByte - 1 - X % PerByte) * Bpp;
        ADest[X] = APalette[(ASource[X / PerByte] >> Shift) & IndexMask];
      }
      break;
    }
    case 24:
      for (int X = 0; X < AWidth; ++X, ASource += 3)
        ADest[X] = 0xFF000000 | uint32_t(ASource[2]) << 16 | uint32_t(ASource[1]) << 8 | ASource[0];
      break;
    case 32:
      if (AHeader.Compression == kBmpRgb) {
        for (int X = 0; X < AWidth; ++X, ASource += 4) ADest[X] = ReadLE32(ASource);
        break;
      }
      [[fallthrough]];
    case 16:
      for (int X = 0; X < AWidth; ++X, ASource += Bpp / 8) {
        const uint32_t Value = Bpp == 16 ? ReadLE16(ASource) : ReadLE32(ASource);
        const uint32_t Alpha = AMasks[3].Present() ? AMasks[3].Extract(Value) : 0xFF;
        ADest[X] = Alpha << 24 | AMasks[0].Extract(Value) << 16 | AMasks[1].Extract(Value) << 8 |
                   AMasks[2].Extract(Value);
      }
      break;
  }
}

// Applies the 1-bit AND mask of an icon: a set bit makes the pixel transparent.
void ApplyIconMask(TPixelImage& AImage, const uint8_t* AMaskRows, size_t AStride) {
  for (int Y = 0; Y < AImage.Height; ++Y) {
    const uint8_t* MaskRow = AMaskRows + AStride * size_t(AImage.Height - 1 - Y);
    uint32_t* Row = AImage.Row(Y);
    for (int X = 0; X < AImage.Width; ++X) {
      const bool Transparent = (MaskRow[X / 8] >> (7 - X % 8)) & 1;
      Row[X] = Transparent ? Row[X] & 0x00FFFFFF : Row[X] | 0xFF000000;
    }
  }
}

void SetOpaque(TPixelImage& AImage) {
  for (uint32_t& Pixel : AImage.Pixels) Pixel |= 0xFF000000;
}

}  // namespace

TPixelImage DecodeDib(std::span<const uint8_t> AData, size_t AHeaderOffset, const TDibLayout& ALayout) {
  const TDibHeader Header = ReadDibHeader(AData, AHeaderOffset, ALayout);
  const int Bpp = Header.BitsPerPixel;
  const std::vector<uint32_t> Palette =
      Bpp <= 8 ? ReadPalette(AData, Header, ALayout.BitsOffset, ALayout) : std::vector<uint32_t>();
  uint64_t BitsOffset = ALayout.BitsOffset;
  if (!BitsOffset) {
    const uint64_t PaletteCount = Bpp <= 8 && !Header.ColorsUsed ? Palette.size() : Header.ColorsUsed;
    BitsOffset = Header.PaletteOffset + PaletteCount * Header.PaletteEntrySize;
  }
  const size_t Stride = RowStride(Header.Width, Bpp);
  if (!RowsFit(AData, BitsOffset, Stride, Header.Width, Bpp, Header.Height)) Fail(ALayout);

  TPixelImage Image;
  ResizePixelImage(Image, int(Header.Width), int(Header.Height));
  Image.SourceBitsPerPixel = Bpp;
  const TChannelMask Masks[4] = {TChannelMask(Header.Masks[0]), TChannelMask(Header.Masks[1]),
                                 TChannelMask(Header.Masks[2]), TChannelMask(Header.Masks[3])};
  for (int Y = 0; Y < Image.Height; ++Y) {
    const int64_t SourceRow = Header.TopDown ? Y : Image.Height - 1 - Y;
    DecodeRow(AData.data() + BitsOffset + Stride * SourceRow, Image.Row(Y), Image.Width, Header, Palette,
              Masks);
  }

  // A 32-bit bitmap without an alpha mask stores its fourth byte anyway; many writers
  // leave it zero, which means opaque rather than invisible.
  const bool FourthByteIsAlpha = Bpp == 32 && Header.Compression == kBmpRgb;
  const bool AlphaAllZero =
      FourthByteIsAlpha && std::all_of(Image.Pixels.begin(), Image.Pixels.end(),
                                       [](uint32_t APixel) { return APixel >> 24 == 0; });
  if (ALayout.IconMask && (!FourthByteIsAlpha || AlphaAllZero)) {
    const size_t MaskStride = RowStride(Header.Width, 1);
    const uint64_t MaskOffset = BitsOffset + Stride * uint64_t(Image.Height);
    if (RowsFit(AData, MaskOffset, MaskStride, Header.Width, 1, Image.Height))
      ApplyIconMask(Image, AData.data() + MaskOffset, MaskStride);
    else if (Bpp != 32)
      Fail(ALayout);
    else
      SetOpaque(Image);
  } else if (AlphaAllZero) {
    SetOpaque(Image);
  }
  UpdateHasAlpha(Image);
  return Image;
}

TPixelImage DecodeBmp(std::span<const uint8_t> AData) {
  const TDibLayout Layout;
  if (AData.size() < kFileHeaderSize || AData[0] != 'B' || AData[1] != 'M') Fail(Layout);
  // An offset of zero is tolerated: some writers leave it out, and the rows then follow
  // the colour table.
  const uint32_t BitsOffset = ReadLE32(AData.data() + 10);
  if (BitsOffset >= AData.size()) Fail(Layout);
  return DecodeDib(AData, kFileHeaderSize, TDibLayout{BitsOffset, false, Layout.ErrorText});
}

std::vector<uint8_t> EncodeBmp(const TPixelImage& AImage, int ABitsPerPixel) {
  if (ABitsPerPixel != 24 && ABitsPerPixel != 32)
    throw EInvalidGraphic("BMP files are written with 24 or 32 bits per pixel");
  CheckPictureSize(AImage.Width, AImage.Height, "Cannot write an empty bitmap");
  const size_t Stride = RowStride(AImage.Width, ABitsPerPixel);
  const size_t ImageSize = Stride * size_t(AImage.Height);
  const size_t BitsOffset = kFileHeaderSize + kInfoHeaderSize;
  constexpr uint32_t kPixelsPerMetreAt96Dpi = 3780;

  std::vector<uint8_t> Out;
  Out.reserve(BitsOffset + ImageSize);
  Out.push_back('B');
  Out.push_back('M');
  WriteLE32(Out, uint32_t(BitsOffset + ImageSize));
  WriteLE32(Out, 0);
  WriteLE32(Out, uint32_t(BitsOffset));
  WriteLE32(Out, kInfoHeaderSize);
  WriteLE32(Out, uint32_t(AImage.Width));
  WriteLE32(Out, uint32_t(AImage.Height));  // positive: bottom-up, as every reader expects
  WriteLE16(Out, 1);
  WriteLE16(Out, uint16_t(ABitsPerPixel));
  WriteLE32(Out, kBmpRgb);
  WriteLE32(Out, uint32_t(ImageSize));
  WriteLE32(Out, kPixelsPerMetreAt96Dpi);
  WriteLE32(Out, kPixelsPerMetreAt96Dpi);
  WriteLE32(Out, 0);
  WriteLE32(Out, 0);
  for (int Y = AImage.Height - 1; Y >= 0; --Y) {
    const uint32_t* Row = AImage.Row(Y);
    const size_t RowStart = Out.size();
    for (int X = 0; X < AImage.Width; ++X) {
      const uint32_t Pixel = Row[X];
      Out.push_back(uint8_t(Pixel));
      Out.push_back(uint8_t(Pixel >> 8));
      Out.push_back(uint8_t(Pixel >> 16));
      if (ABitsPerPixel == 32) Out.push_back(uint8_t(Pixel >> 24));
    }
    Out.resize(RowStart + Stride, 0);
  }
  return Out;
}
