// The stream format of TspBitmap and TspBitmapLink. Every stored size is checked against
// the bytes the stream still holds before anything is allocated: a damaged or hostile
// skin file raises EReadError instead of asking for gigabytes.

#include <cstdlib>

#include "components/core/spEffBmp.h"
#include "components/core/spEffBmp_Internal.h"
#include "platform/base/Exceptions.h"

namespace {

// No skin names a bitmap with more than this many bytes.
constexpr int32_t MaxStoredNameLength = 64 * 1024;

[[noreturn]] void RaiseDamagedBitmapStream(const char* AWhat) {
  throw EReadError(Format("Invalid bitmap stream: %s", AWhat));
}

int64_t StreamBytesLeft(TStream& AStream) { return AStream.Size() - AStream.Position(); }

int32_t ReadStoredInt32(TStream& AStream) {
  uint8_t Bytes[4];
  AStream.ReadBuffer(Bytes, 4);
  return int32_t(uint32_t(Bytes[0]) | (uint32_t(Bytes[1]) << 8) | (uint32_t(Bytes[2]) << 16) |
                 (uint32_t(Bytes[3]) << 24));
}

void WriteStoredInt32(TStream& AStream, int32_t AValue) {
  const uint32_t Value = uint32_t(AValue);
  const uint8_t Bytes[4] = {uint8_t(Value), uint8_t(Value >> 8), uint8_t(Value >> 16), uint8_t(Value >> 24)};
  AStream.WriteBuffer(Bytes, 4);
}

}  // namespace

// Shared with the link's stream form: a 32-bit length, then the bytes of the name.
String ReadStoredName(TStream& AStream) {
  const int32_t Length = ReadStoredInt32(AStream);
  if (Length < 0 || Length > MaxStoredNameLength || Length > StreamBytesLeft(AStream)) {
    RaiseDamagedBitmapStream("the name length is out of range");
  }
  String Name(size_t(Length), '\0');
  AStream.ReadBuffer(Name.data(), Length);
  return Name;
}

void WriteStoredName(TStream& AStream, const String& AName) {
  WriteStoredInt32(AStream, int32_t(AName.size()));
  AStream.WriteBuffer(AName.data(), int64_t(AName.size()));
}

TRect ReadStoredRect(TStream& AStream) {
  TRect R;
  R.Left = ReadStoredInt32(AStream);
  R.Top = ReadStoredInt32(AStream);
  R.Right = ReadStoredInt32(AStream);
  R.Bottom = ReadStoredInt32(AStream);
  return R;
}

void WriteStoredRect(TStream& AStream, const TRect& ARect) {
  WriteStoredInt32(AStream, ARect.Left);
  WriteStoredInt32(AStream, ARect.Top);
  WriteStoredInt32(AStream, ARect.Right);
  WriteStoredInt32(AStream, ARect.Bottom);
}

void TspBitmap::SaveToStream(TStream& AStream) const {
  WriteStoredName(AStream, Name);
  WriteStoredInt32(AStream, FWidth);
  WriteStoredInt32(AStream, FHeight);
  AStream.WriteBuffer(FBits, int64_t(FWidth) * FHeight * 4);
}

void TspBitmap::LoadFromStream(TStream& AStream) {
  String StoredName = ReadStoredName(AStream);
  const int32_t StoredWidth = ReadStoredInt32(AStream);
  const int32_t StoredHeight = ReadStoredInt32(AStream);
  const int64_t Rows = std::llabs(int64_t(StoredHeight));
  const int64_t PixelBytes = std::llabs(int64_t(StoredWidth)) * Rows * 4;
  if (PixelBytes > StreamBytesLeft(AStream))
    RaiseDamagedBitmapStream("the pixels are shorter than the stored size");
  SetSize(StoredWidth, StoredHeight);
  if (FBits && FWidth == StoredWidth && FHeight == Rows) AStream.ReadBuffer(FBits, PixelBytes);
  if (StoredHeight <= 0) FlipVert();
  Name = std::move(StoredName);
}
