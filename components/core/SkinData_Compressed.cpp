// Compressed skins: the payload of a skin (pictures as BMP file images, then the
// description as text) written and read, and the stored skin with its file form.
// Every count and length read is checked against the bytes present.

#include <cstring>

#include "components/core/SkinData_LoadInternal.h"
#include "components/core/spzlibcompress.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"

namespace {

constexpr int32_t WrittenPayloadVersion = 2;
constexpr int32_t NewestPayloadVersion = 3;
constexpr int BmpFileHeaderSize = 14;

[[noreturn]] void RaiseDamagedCompressedSkin(const String& AWhat) {
  throw EReadError("Invalid compressed skin: " + AWhat);
}

void WritePayloadInt32(TStream& AStream, int32_t AValue) {
  const uint32_t Value = uint32_t(AValue);
  const uint8_t Bytes[4] = {uint8_t(Value), uint8_t(Value >> 8), uint8_t(Value >> 16), uint8_t(Value >> 24)};
  AStream.WriteBuffer(Bytes, 4);
}

int32_t PayloadInt32At(const uint8_t* AData) {
  return int32_t(uint32_t(AData[0]) | (uint32_t(AData[1]) << 8) | (uint32_t(AData[2]) << 16) |
                 (uint32_t(AData[3]) << 24));
}

// A picture as a BMP file image. An empty picture has no image of its own: it is
// written as a bare header of 0 × 0 pixels, which reads back as an empty picture.
void WritePayloadPicture(TStream& AStream, TBitmap& APicture) {
  if (!APicture.Empty()) {
    APicture.SaveToStream(AStream);
    return;
  }
  uint8_t Header[BmpFileHeaderSize + 40] = {'B', 'M'};
  Header[2] = sizeof(Header);
  Header[10] = sizeof(Header);
  Header[14] = 40;
  Header[26] = 1;
  Header[28] = 24;
  AStream.WriteBuffer(Header, sizeof(Header));
}

// The empty flag, and the image when there is a picture.
void WritePayloadFramePicture(TStream& AStream, TBitmap& APicture) {
  const uint8_t EmptyFlag = APicture.Empty() ? 1 : 0;
  AStream.WriteBuffer(&EmptyFlag, 1);
  if (!APicture.Empty()) APicture.SaveToStream(AStream);
}

void WritePayloadPictures(TStream& AStream, const TspSkinContent& AContent) {
  WritePayloadInt32(AStream, WrittenPayloadVersion);
  for (TBitmap* Picture : {AContent.FPicture.get(), AContent.FInActivePicture.get(), AContent.FMask.get(),
                           AContent.FRollUpPicture.get(), AContent.FRollUpMask.get()})
    WritePayloadFramePicture(AStream, *Picture);
  WritePayloadInt32(AStream, int32_t(AContent.PictureCount()));
  for (int I = 0; I < AContent.PictureCount(); ++I) WritePayloadPicture(AStream, *AContent.Picture(I));
}

// Reads a payload in order, never past its end.
class TspSkinPayloadReader {
 public:
  explicit TspSkinPayloadReader(TMemoryStream& APayload)
      : FData(APayload.Memory()), FSize(size_t(APayload.Size())) {}

  size_t Left() const { return FSize - FPosition; }

  int32_t ReadInt32(const char* AWhat) {
    if (Left() < 4) RaiseDamagedCompressedSkin(Format("the data ends before the %s", AWhat));
    const int32_t Value = PayloadInt32At(FData + FPosition);
    FPosition += 4;
    return Value;
  }

  // A BMP file image, its length taken from its file header. An image that does not
  // decode gives an empty picture; one that runs past the data ends the reading.
  void ReadPicture(TBitmap& APicture, const String& AWhat) {
    if (Left() < BmpFileHeaderSize || FData[FPosition] != 'B' || FData[FPosition + 1] != 'M')
      RaiseDamagedCompressedSkin(AWhat + " is not a BMP image");
    const uint32_t Length = uint32_t(PayloadInt32At(FData + FPosition + 2));
    if (Length < BmpFileHeaderSize || Length > Left())
      RaiseDamagedCompressedSkin(
          Format("%s has a length of %u bytes, %u present", AWhat, Length, unsigned(Left())));
    TMemoryStream Image;
    Image.WriteBuffer(FData + FPosition, Length);
    Image.SetPosition(0);
    FPosition += Length;
    try {
      APicture.LoadFromStream(Image);
    } catch (const EInvalidGraphic&) {
      APicture.SetSize(0, 0);
    }
  }

  // A frame picture: its empty flag, and its image unless the flag is set.
  void ReadFramePicture(TBitmap& APicture, const char* AWhat) {
    if (Left() < 1) RaiseDamagedCompressedSkin(Format("the data ends before the %s", AWhat));
    if (FData[FPosition++] != 0)
      APicture.SetSize(0, 0);
    else
      ReadPicture(APicture, AWhat);
  }

  std::string_view Rest() const { return {reinterpret_cast<const char*>(FData) + FPosition, Left()}; }

 private:
  const uint8_t* FData;
  size_t FSize;
  size_t FPosition = 0;
};

// Version 0 holds the frame picture and the mask; 1 adds the rolled-up pair; 2 holds
// all five; 3 the frame picture, the inactive picture and the mask.
void ReadSkinPayload(TMemoryStream& APayload, TspSkinContent& AContent) {
  TspSkinPayloadReader Reader(APayload);
  const int32_t Version = Reader.ReadInt32("payload version");
  if (Version < 0 || Version > NewestPayloadVersion)
    RaiseDamagedCompressedSkin(Format("unsupported payload version %d", Version));
  Reader.ReadFramePicture(*AContent.FPicture, "frame picture");
  if (Version == 2 || Version == 3)
    Reader.ReadFramePicture(*AContent.FInActivePicture, "inactive frame picture");
  Reader.ReadFramePicture(*AContent.FMask, "frame mask");
  if (Version == 1 || Version == 2) {
    Reader.ReadFramePicture(*AContent.FRollUpPicture, "rolled-up frame picture");
    Reader.ReadFramePicture(*AContent.FRollUpMask, "rolled-up frame mask");
  }
  const int32_t Count = Reader.ReadInt32("picture count");
  if (Count > 0 && size_t(Count) > Reader.Left() / BmpFileHeaderSize)
    RaiseDamagedCompressedSkin(Format("%d pictures cannot fit in %u bytes", Count, unsigned(Reader.Left())));
  for (int32_t I = 0; I < Count; ++I) {
    auto Picture = std::make_unique<TBitmap>();
    Reader.ReadPicture(*Picture, Format("picture %d", I));
    TspSkinEditor(AContent).AddPicture(std::move(Picture));
  }
  TStringList Lines;
  Lines.SetText(Reader.Rest());
  TMemIniFile Ini("");
  Ini.SetStrings(Lines);
  ReadSkinDescription(Ini, AContent);
}

}  // namespace

// ---------------------------------------------------------------- the skin data

void TspSkinData::LoadCompressedStoredSkin(TspCompressedStoredSkin& ASkin) {
  if (ASkin.Empty()) return;
  TMemoryStream Payload;
  ASkin.DeCompressToStream(Payload);
  TspSkinContent Content;
  ReadSkinPayload(Payload, Content);
  ReplaceContent(std::move(Content));
}

void TspSkinData::LoadFromCompressedFile(const String& AFileName) {
  TspCompressedStoredSkin Stored(nullptr);
  Stored.LoadFromCompressFile(AFileName);
  LoadCompressedStoredSkin(Stored);
}

void TspSkinData::SaveToCompressedFile(const String& AFileName) {
  TspCompressedStoredSkin Stored(nullptr);
  Stored.LoadFromSkinData(*this);
  Stored.SaveToCompressFile(AFileName);
}

// ---------------------------------------------------------------- the stored skin

TspCompressedStoredSkin::TspCompressedStoredSkin(TComponent* AOwner) : TComponent(AOwner) {}

void TspCompressedStoredSkin::LoadFromSkinData(TspSkinData& ASkinData) {
  FCompressedStream.Clear();
  TMemoryStream Payload;
  WritePayloadPictures(Payload, ASkinData);
  TMemIniFile Ini("");
  ASkinData.SaveToCustomIniFile(Ini);
  TStringList Lines;
  Ini.GetStrings(Lines);
  const String Text = Lines.Text();
  Payload.WriteBuffer(Text.data(), int64_t(Text.size()));
  CompressStream(Payload, FCompressedStream);
}

void TspCompressedStoredSkin::LoadFromIniFile(const String& AFileName) {
  if (!FileExists(AFileName)) return;
  const String Text = ReadFileToString(AFileName);
  TMemIniFile Ini("");
  {
    TStringList Lines;
    Lines.SetText(Text);
    Ini.SetStrings(Lines);
  }
  if (!IsSkinIniFile(Ini)) return;
  FCompressedStream.Clear();
  const String Folder = ExtractFilePath(AFileName);
  TspSkinContent Content;
  const std::pair<TBitmap*, const char*> MainPictures[] = {
      {Content.FPicture.get(), "picture"},
      {Content.FInActivePicture.get(), "inactivepicture"},
      {Content.FMask.get(), "mask"},
      {Content.FRollUpPicture.get(), "rolluppicture"},
      {Content.FRollUpMask.get(), "rollupmask"}};
  for (const auto& [Picture, Key] : MainPictures) {
    const String Name = Ini.ReadString("PICTURES", Key, "");
    if (!Name.empty()) LoadSkinPictureFile(*Picture, Folder + Name);
  }
  IniReadStringList(Ini, "PICTURES", "activepictures", *Content.FActivePicturesNames);
  for (int I = 0; I < Content.FActivePicturesNames->Count(); ++I) {
    auto Picture = std::make_unique<TBitmap>();
    const String Name = Content.FActivePicturesNames->Strings(I);
    if (!Name.empty()) LoadSkinPictureFile(*Picture, Folder + Name);
    TspSkinEditor(Content).AddPicture(std::move(Picture));
  }
  TMemoryStream Payload;
  WritePayloadPictures(Payload, Content);
  Payload.WriteBuffer(Text.data(), int64_t(Text.size()));
  CompressStream(Payload, FCompressedStream);
}

void TspCompressedStoredSkin::DeCompressToStream(TStream& AStream) {
  DecompressStream(AStream, FCompressedStream, MaxPayloadBytes);
}

void TspCompressedStoredSkin::SaveToCompressStream(TStream& AStream) {
  WritePayloadInt32(AStream, WrittenPayloadVersion);
  WritePayloadInt32(AStream, int32_t(FCompressedStream.Size()));
  AStream.WriteBuffer(FCompressedStream.Memory(), FCompressedStream.Size());
}

void TspCompressedStoredSkin::SaveToCompressFile(const String& AFileName) {
  if (Empty()) return;
  TMemoryStream File;
  SaveToCompressStream(File);
  WriteFileAtomically(AFileName,
                      std::string_view(reinterpret_cast<const char*>(File.Memory()), size_t(File.Size())));
}

void TspCompressedStoredSkin::LoadFromCompressStream(TStream& AStream) {
  FCompressedStream.Clear();
  AStream.SetPosition(0);
  uint8_t Header[8];
  if (AStream.Read(Header, 8) != 8) RaiseDamagedCompressedSkin("the file is shorter than its header");
  const int32_t Version = PayloadInt32At(Header);
  if (Version < 0 || Version > NewestPayloadVersion)
    RaiseDamagedCompressedSkin(Format("unsupported file version %d", Version));
  const int32_t Length = PayloadInt32At(Header + 4);
  const int64_t Present = AStream.Size() - AStream.Position();
  if (Length < 0 || Length > Present)
    RaiseDamagedCompressedSkin(Format("%d bytes of zlib data announced, %d present", Length, int(Present)));
  if (Length > 0) FCompressedStream.CopyFrom(AStream, Length);
}

void TspCompressedStoredSkin::LoadFromCompressFile(const String& AFileName) {
  TMemoryStream File;
  File.LoadFromFile(AFileName);
  LoadFromCompressStream(File);
}

bool TspCompressedStoredSkin::IsBeingDesigned() const {
  return ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading);
}

void TspCompressedStoredSkin::SetFileName(const String& AValue) {
  if (!IsBeingDesigned()) {
    FFileName = AValue;
    return;
  }
  LoadFromIniFile(AValue);
  FFileName = ExtractFileName(AValue);
}

void TspCompressedStoredSkin::SetCompressedFileName(const String& AValue) {
  if (!IsBeingDesigned()) {
    FCompressedFileName = AValue;
    return;
  }
  LoadFromCompressFile(AValue);
  FCompressedFileName = ExtractFileName(AValue);
}
