#include "tests/components/core/SkinNewTestSupport.h"

#include <cmath>

namespace skin_new_test {

namespace {

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

// The kind word of every record of the list section ASection, by IDName.
void ReadSkinNewKinds(const TCustomIniFile& AIni, const String& ASection, std::map<String, String>& AKinds) {
  const int Count = AIni.ReadInteger(ASection, "count", 0);
  for (int I = 0; I < Count; ++I) {
    const String Line = AIni.ReadString(ASection, std::to_string(I), "");
    const size_t Colon = Line.find(':');
    AKinds[Line.substr(0, Colon)] = Colon == String::npos ? String() : Line.substr(Colon + 1);
  }
}

std::unique_ptr<TLoadedSkinNew> StoreAndLoadSkinNew() {
  auto Skin = std::make_unique<TLoadedSkinNew>();
  Skin->Generated = skin_new::BuildSkinNew();
  skin_new::StoreSkinNew(*Skin->Generated, Skin->Folder.Path().string());

  const String IniName = Skin->Folder.File("skin.ini");
  Skin->Loaded = std::make_unique<TspSkinData>(nullptr);
  Skin->Loaded->BuildMode = true;
  Skin->Loaded->LoadFromFile(IniName);
  Skin->Ini = std::make_unique<TMemIniFile>(IniName);
  Skin->Frame = Skin->Loaded->FPicture->ToPixelImage();
  Skin->InActiveFrame = Skin->Loaded->FInActivePicture->ToPixelImage();
  Skin->Mask = Skin->Loaded->FMask->ToPixelImage();
  for (int I = 0; I < Skin->Loaded->PictureCount(); ++I)
    Skin->Pictures.push_back(Skin->Loaded->Picture(I)->ToPixelImage());
  ReadSkinNewKinds(*Skin->Ini, "SKINCONTROLS", Skin->KindWords);
  ReadSkinNewKinds(*Skin->Ini, "SKINOBJECTS", Skin->KindWords);
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
  const int Index = Loaded->GetControlIndex(AIDName);
  return Index < 0 ? nullptr : Loaded->Control(Index);
}

const TspDataSkinObject* TLoadedSkinNew::Object(const String& AIDName) const {
  const int Index = Loaded->GetIndex(AIDName);
  return Index < 0 ? nullptr : Loaded->Object(Index);
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
