// Icon (ICO) and cursor (CUR) files: a directory of images, each a bitmap with an AND
// mask or a complete PNG file.

#include <algorithm>

#include "platform/gdi/CodecSupportInternal.h"

namespace {

constexpr const char* kInvalidIcon = "Icon image is not valid";
constexpr size_t kDirectoryHeaderSize = 6;
constexpr size_t kDirectoryEntrySize = 16;

}  // namespace

std::vector<TIconEntry> ReadIconDirectory(std::span<const uint8_t> AData) {
  const TPictureFormat Format = DetectPictureFormat(AData);
  if (Format != pcfIcon && Format != pcfCursor) throw EInvalidGraphic(kInvalidIcon);
  const size_t Count = ReadLE16(AData.data() + 4);
  if (kDirectoryHeaderSize + Count * kDirectoryEntrySize > AData.size()) throw EInvalidGraphic(kInvalidIcon);
  std::vector<TIconEntry> Entries(Count);
  for (size_t I = 0; I < Count; ++I) {
    const uint8_t* P = AData.data() + kDirectoryHeaderSize + I * kDirectoryEntrySize;
    TIconEntry& Entry = Entries[I];
    // A size byte of 0 stands for 256.
    Entry.Width = P[0] ? P[0] : 256;
    Entry.Height = P[1] ? P[1] : 256;
    // Cursors keep their hot spot where icons keep planes and depth.
    if (Format == pcfCursor)
      Entry.HotSpot = {ReadLE16(P + 4), ReadLE16(P + 6)};
    else
      Entry.BitsPerPixel = ReadLE16(P + 6);
    Entry.Size = ReadLE32(P + 8);
    Entry.Offset = ReadLE32(P + 12);
    if (Entry.Size == 0 || uint64_t(Entry.Offset) + Entry.Size > AData.size())
      throw EInvalidGraphic(kInvalidIcon);
  }
  return Entries;
}

TPixelImage DecodeIconEntry(std::span<const uint8_t> AData, const TIconEntry& AEntry) {
  if (uint64_t(AEntry.Offset) + AEntry.Size > AData.size()) throw EInvalidGraphic(kInvalidIcon);
  const std::span<const uint8_t> ImageData = AData.subspan(AEntry.Offset, AEntry.Size);
  TPixelImage Image = DetectPictureFormat(ImageData) == pcfPng
                          ? DecodePng(ImageData)
                          : DecodeDib(ImageData, 0, TDibLayout{0, true, kInvalidIcon});
  Image.HotSpot = AEntry.HotSpot;
  return Image;
}

TPixelImage DecodeIcon(std::span<const uint8_t> AData) {
  const std::vector<TIconEntry> Entries = ReadIconDirectory(AData);
  if (Entries.empty()) throw EInvalidGraphic(kInvalidIcon);
  const TIconEntry* Best = &Entries.front();
  for (const TIconEntry& Entry : Entries) {
    const int Area = Entry.Width * Entry.Height;
    const int BestArea = Best->Width * Best->Height;
    if (Area > BestArea || (Area == BestArea && Entry.BitsPerPixel > Best->BitsPerPixel)) Best = &Entry;
  }
  return DecodeIconEntry(AData, *Best);
}

std::vector<uint8_t> EncodeIcon(const TPixelImage& AImage) {
  const std::vector<uint8_t> Png = EncodePng(AImage, true);
  std::vector<uint8_t> Out;
  Out.reserve(kDirectoryHeaderSize + kDirectoryEntrySize + Png.size());
  WriteLE16(Out, 0);
  WriteLE16(Out, 1);
  WriteLE16(Out, 1);
  // The directory's size bytes say 0 for 256; larger PNG images keep that (their own
  // header holds the real size).
  Out.push_back(uint8_t(std::min(AImage.Width, 256)));
  Out.push_back(uint8_t(std::min(AImage.Height, 256)));
  Out.push_back(0);  // no palette
  Out.push_back(0);
  WriteLE16(Out, 1);   // planes
  WriteLE16(Out, 32);  // bits per pixel
  WriteLE32(Out, uint32_t(Png.size()));
  WriteLE32(Out, uint32_t(kDirectoryHeaderSize + kDirectoryEntrySize));
  Out.insert(Out.end(), Png.begin(), Png.end());
  return Out;
}
