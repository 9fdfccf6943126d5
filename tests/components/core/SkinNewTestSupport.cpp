#include "tests/components/core/SkinNewTestSupport.h"

#include <cmath>

namespace skin_new_test {

namespace {

TPixelImage ReadSkinNewPicture(const std::string& AFileName) {
  const std::string Data = testing_support::ReadWholeFile(AFileName);
  return DecodeBmp(std::span(reinterpret_cast<const uint8_t*>(Data.data()), Data.size()));
}

class TSkinNewValueCollector : public TspSkinKeys {
 public:
  TRecordValues Values;
  void IntegerKey(const char* AKey, int& AField, int) override { Values.Integers[AKey] = AField; }
  void BooleanKey(const char*, bool&) override {}
  void TextKey(const char*, String&, const char*) override {}
  void RectKey(const char* AKey, TRect& AField) override { Values.Rects[AKey] = AField; }
  void PointKey(const char* AKey, TPoint& AField) override { Values.Points[AKey] = AField; }
  void FontStylesKey(const char*, TFontStyles&) override {}
  void AlignmentKey(const char*, TAlignment&) override {}
  void TextLinesKey(const char*, TStrings&) override {}
  void EnumKey(const char*, int&, const TspEnumWords&) override {}
};

// Reads the list section ASection: one record per "IDName:kind" line, each loading
// its own section.
template <typename TRecord, typename TCreate>
void ReadSkinNewList(const TCustomIniFile& AIni, const String& ASection, TCreate ACreate,
                     std::vector<std::unique_ptr<TRecord>>& ARecords, std::map<String, String>& AKinds) {
  const int Count = AIni.ReadInteger(ASection, "count", 0);
  for (int I = 0; I < Count; ++I) {
    const String Line = AIni.ReadString(ASection, std::to_string(I), "");
    const size_t Colon = Line.find(':');
    const String Name = Line.substr(0, Colon), Kind = Line.substr(Colon + 1);
    AKinds[Name] = Kind;
    if (auto Record = ACreate(Kind, Name)) {
      Record->LoadFromFile(AIni);
      ARecords.push_back(std::move(Record));
    }
  }
}

std::unique_ptr<TLoadedSkinNew> StoreAndLoadSkinNew() {
  auto Skin = std::make_unique<TLoadedSkinNew>();
  Skin->Generated = skin_new::BuildSkinNew();
  skin_new::StoreSkinNew(*Skin->Generated, Skin->Folder.Path().string());

  auto File = [&](const String& AName) { return Skin->Folder.File(AName); };
  Skin->Ini = std::make_unique<TMemIniFile>(File("skin.ini"));
  const TMemIniFile& Ini = *Skin->Ini;
  Skin->Frame = ReadSkinNewPicture(File(Ini.ReadString("PICTURES", "picture", "")));
  Skin->InActiveFrame = ReadSkinNewPicture(File(Ini.ReadString("PICTURES", "inactivepicture", "")));
  Skin->Mask = ReadSkinNewPicture(File(Ini.ReadString("PICTURES", "mask", "")));
  TStringList Names;
  IniReadStringList(Ini, "PICTURES", "activepictures", Names);
  for (int I = 0; I < Names.Count(); ++I)
    Skin->Pictures.push_back(ReadSkinNewPicture(File(Names.Strings(I))));
  ReadSkinNewList(Ini, "SKINCONTROLS", CreateSkinControl, Skin->Controls, Skin->KindWords);
  ReadSkinNewList(Ini, "SKINOBJECTS", CreateSkinObject, Skin->Objects, Skin->KindWords);
  return Skin;
}

double ChannelLuminance(int AChannel) {
  const double C = AChannel / 255.0;
  return C <= 0.04045 ? C / 12.92 : std::pow((C + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(TColor AColor) {
  const COLORREF C = COLORREF(ColorToRGB(AColor));
  return 0.2126 * ChannelLuminance(GetRValue(C)) + 0.7152 * ChannelLuminance(GetGValue(C)) +
         0.0722 * ChannelLuminance(GetBValue(C));
}

}  // namespace

const TspDataSkinControl* TLoadedSkinNew::Control(const String& AIDName) const {
  for (const auto& Record : Controls)
    if (Record->IDName == AIDName) return Record.get();
  return nullptr;
}

const TspDataSkinObject* TLoadedSkinNew::Object(const String& AIDName) const {
  for (const auto& Record : Objects)
    if (Record->IDName == AIDName) return Record.get();
  return nullptr;
}

const TPixelImage* TLoadedSkinNew::Picture(int AIndex) const {
  return AIndex >= 0 && AIndex < int(Pictures.size()) ? &Pictures[size_t(AIndex)] : nullptr;
}

const TLoadedSkinNew& StoredSkinNew() {
  static const std::unique_ptr<TLoadedSkinNew> Skin = StoreAndLoadSkinNew();
  return *Skin;
}

TRecordValues ValuesOf(const TspSkinKeyedRecord& ARecord) {
  TSkinNewValueCollector Collector;
  // DescribeKeys only reads the fields for a collector that does not write them.
  const_cast<TspSkinKeyedRecord&>(ARecord).DescribeKeys(Collector);
  return Collector.Values;
}

double ContrastRatio(TColor A, TColor B) {
  const double LA = RelativeLuminance(A), LB = RelativeLuminance(B);
  return (std::max(LA, LB) + 0.05) / (std::min(LA, LB) + 0.05);
}

TColor PixelColor(uint32_t APixel) {
  return TColor(RGB(int(APixel >> 16 & 0xFF), int(APixel >> 8 & 0xFF), int(APixel & 0xFF)));
}

}  // namespace skin_new_test
