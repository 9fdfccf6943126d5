// The value forms of element sections: the enumeration words, the skin-file test and
// the walkers that read, write and reset a record's keys.

#include <algorithm>

#include "components/core/SPUtils_PiecesInternal.h"
#include "components/core/SkinData.h"

namespace {

constexpr const char* StretchTypeWords[] = {"stfull", "sthorz", "stvert"};
constexpr const char* MorphKindWords[] = {"mkdefault",   "mkgradient",   "mkleftgradient", "mkrightgradient",
                                          "mkleftslide", "mkrightslide", "mkpush"};
constexpr const char* InActiveEffectWords[] = {"iebrightness", "iedarkness",  "iegrayscale",
                                               "ienoise",      "iesplitblur", "ieinvert"};
constexpr const char* FramesPlacementWords[] = {"fphorizontal", "fpvertical"};
constexpr const char* RegulatorKindWords[] = {"rkround", "rkhorizontal", "rkvertical"};
constexpr const char* GaugeKindWords[] = {"gkhorizontal", "gkvertical"};
constexpr const char* StdCommandWords[] = {"cmclose",   "cmmaximize", "cmminimize",      "cmsysmenu",
                                           "cmdefault", "cmrollup",   "cmminimizetotray"};

class TspSkinKeyReader : public TspSkinKeys {
 public:
  TspSkinKeyReader(const TCustomIniFile& AIni, const String& ASection) : FIni(AIni), FSection(ASection) {}

  void IntegerKey(const char* AKey, int& AField, int ADefault) override {
    AField = FIni.ReadInteger(FSection, AKey, ADefault);
  }
  void BooleanKey(const char* AKey, bool& AField) override { AField = IniReadBoolean(FIni, FSection, AKey); }
  void TextKey(const char* AKey, String& AField, const char* ADefault) override {
    AField = FIni.ReadString(FSection, AKey, ADefault);
  }
  // Rectangles and points are read within the bounds the drawing routines keep to, so
  // that no sum of a few coordinates overflows.
  void RectKey(const char* AKey, TRect& AField) override {
    AField = IniReadRect(FIni, FSection, AKey);
    BoundSkinValue(AField);
  }
  void PointKey(const char* AKey, TPoint& AField) override {
    AField = IniReadPoint(FIni, FSection, AKey);
    BoundSkinValue(AField);
  }
  void FontStylesKey(const char* AKey, TFontStyles& AField) override {
    AField = IniReadFontStyles(FIni, FSection, AKey);
  }
  void AlignmentKey(const char* AKey, TAlignment& AField) override {
    AField = IniReadAlignment(FIni, FSection, AKey);
  }
  void TextLinesKey(const char* AKey, TStrings& AField) override {
    IniReadTextLines(FIni, FSection, AKey, AField);
  }
  void EnumKey(const char* AKey, int& AOrdinal, const TspEnumWords& AWords) override {
    AOrdinal = IniReadEnumWord(FIni, FSection, AKey, AWords);
  }
  void KeepWithin(int& AField, int AMin, int AMax) override { AField = std::clamp(AField, AMin, AMax); }

 private:
  const TCustomIniFile& FIni;
  const String& FSection;
};

class TspSkinKeyWriter : public TspSkinKeys {
 public:
  TspSkinKeyWriter(TCustomIniFile& AIni, const String& ASection) : FIni(AIni), FSection(ASection) {}

  void IntegerKey(const char* AKey, int& AField, int) override { FIni.WriteInteger(FSection, AKey, AField); }
  void BooleanKey(const char* AKey, bool& AField) override { IniWriteBoolean(FIni, FSection, AKey, AField); }
  void TextKey(const char* AKey, String& AField, const char*) override {
    FIni.WriteString(FSection, AKey, AField);
  }
  void RectKey(const char* AKey, TRect& AField) override { IniWriteRect(FIni, FSection, AKey, AField); }
  void PointKey(const char* AKey, TPoint& AField) override { IniWritePoint(FIni, FSection, AKey, AField); }
  void FontStylesKey(const char* AKey, TFontStyles& AField) override {
    IniWriteFontStyles(FIni, FSection, AKey, AField);
  }
  void AlignmentKey(const char* AKey, TAlignment& AField) override {
    IniWriteAlignment(FIni, FSection, AKey, AField);
  }
  void TextLinesKey(const char* AKey, TStrings& AField) override {
    IniWriteTextLines(FIni, FSection, AKey, AField);
  }
  void EnumKey(const char* AKey, int& AOrdinal, const TspEnumWords& AWords) override {
    IniWriteEnumWord(FIni, FSection, AKey, AOrdinal, AWords);
  }

 private:
  TCustomIniFile& FIni;
  const String& FSection;
};

// Gives every field the value an absent key reads as.
class TspSkinKeyDefaults : public TspSkinKeys {
 public:
  void IntegerKey(const char*, int& AField, int ADefault) override { AField = ADefault; }
  void BooleanKey(const char*, bool& AField) override { AField = false; }
  void TextKey(const char*, String& AField, const char* ADefault) override { AField = ADefault; }
  void RectKey(const char*, TRect& AField) override { AField = TRect(); }
  void PointKey(const char*, TPoint& AField) override { AField = TPoint(); }
  void FontStylesKey(const char*, TFontStyles& AField) override { AField = TFontStyles(); }
  void AlignmentKey(const char*, TAlignment& AField) override { AField = taCenter; }
  void TextLinesKey(const char*, TStrings& AField) override { AField.Clear(); }
  void EnumKey(const char*, int& AOrdinal, const TspEnumWords& AWords) override { AOrdinal = AWords.Absent; }
};

}  // namespace

const TspEnumWords& SkinEnumWords(TspStretchType) {
  static const TspEnumWords Words{StretchTypeWords, spstFull, spstHorz};
  return Words;
}

const TspEnumWords& SkinEnumWords(TMorphKind) {
  static const TspEnumWords Words{MorphKindWords, mkDefault, mkDefault};
  return Words;
}

const TspEnumWords& SkinEnumWords(TspInActiveEffect) {
  static const TspEnumWords Words{InActiveEffectWords, ieBrightness, ieGrayScale};
  return Words;
}

const TspEnumWords& SkinEnumWords(TFramesPlacement) {
  static const TspEnumWords Words{FramesPlacementWords, fpHorizontal, fpVertical};
  return Words;
}

const TspEnumWords& SkinEnumWords(TRegulatorKind) {
  static const TspEnumWords Words{RegulatorKindWords, rkRound, rkVertical};
  return Words;
}

const TspEnumWords& SkinEnumWords(TGaugeKind) {
  static const TspEnumWords Words{GaugeKindWords, gkHorizontal, gkVertical};
  return Words;
}

const TspEnumWords& SkinEnumWords(TStdCommand) {
  static const TspEnumWords Words{StdCommandWords, cmDefault, cmMinimizeToTray};
  return Words;
}

int IniReadEnumWord(const TCustomIniFile& AIni, const String& ASection, const String& AKey,
                    const TspEnumWords& AWords) {
  String Word = AIni.ReadString(ASection, AKey, AWords.Words[AWords.Absent]);
  for (size_t I = 0; I < AWords.Words.size(); ++I)
    if (Word == AWords.Words[I]) return int(I);
  return AWords.Other;
}

void IniWriteEnumWord(TCustomIniFile& AIni, const String& ASection, const String& AKey, int AOrdinal,
                      const TspEnumWords& AWords) {
  // A value outside the enumeration (a field set from a bad cast) is stored as the word
  // an unknown word reads back as.
  if (AOrdinal < 0 || size_t(AOrdinal) >= AWords.Words.size()) AOrdinal = AWords.Other;
  AIni.WriteString(ASection, AKey, AWords.Words[size_t(AOrdinal)]);
}

TspStretchType IniReadStretchType(const TCustomIniFile& AIni, const String& ASection, const String& AKey) {
  return TspStretchType(IniReadEnumWord(AIni, ASection, AKey, SkinEnumWords(TspStretchType())));
}

void IniWriteStretchType(TCustomIniFile& AIni, const String& ASection, const String& AKey,
                         TspStretchType AValue) {
  IniWriteEnumWord(AIni, ASection, AKey, AValue, SkinEnumWords(AValue));
}

TMorphKind IniReadMorphKind(const TCustomIniFile& AIni, const String& ASection, const String& AKey) {
  return TMorphKind(IniReadEnumWord(AIni, ASection, AKey, SkinEnumWords(TMorphKind())));
}

void IniWriteMorphKind(TCustomIniFile& AIni, const String& ASection, const String& AKey, TMorphKind AValue) {
  IniWriteEnumWord(AIni, ASection, AKey, AValue, SkinEnumWords(AValue));
}

TspInActiveEffect IniReadInActiveEffect(const TCustomIniFile& AIni, const String& ASection,
                                        const String& AKey) {
  return TspInActiveEffect(IniReadEnumWord(AIni, ASection, AKey, SkinEnumWords(TspInActiveEffect())));
}

void IniWriteInActiveEffect(TCustomIniFile& AIni, const String& ASection, const String& AKey,
                            TspInActiveEffect AValue) {
  IniWriteEnumWord(AIni, ASection, AKey, AValue, SkinEnumWords(AValue));
}

bool IsSkinIniFile(const TCustomIniFile& AIni) {
  for (const char* Section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
    if (!AIni.SectionExists(Section)) return false;
  return true;
}

void TspSkinKeys::FontKeys(const char* APrefix, String& AName, TFontStyles& AStyle, int& AHeight,
                           TColor& AColor) {
  String Prefix = APrefix;
  TextKey((Prefix + "fontname").c_str(), AName, "Arial");
  FontStylesKey((Prefix + "fontstyle").c_str(), AStyle);
  IntegerKey((Prefix + "fontheight").c_str(), AHeight, 14);
  ColorKey((Prefix + "fontcolor").c_str(), AColor);
}

void TspSkinKeyedRecord::ResetToKeyDefaults() {
  TspSkinKeyDefaults Defaults;
  DescribeKeys(Defaults);
}

void TspSkinKeyedRecord::ReadKeys(const TCustomIniFile& AIni, const String& ASection) {
  TspSkinKeyReader Reader(AIni, ASection);
  DescribeKeys(Reader);
  DeriveValues();
}

void TspSkinKeyedRecord::WriteKeys(TCustomIniFile& AIni, const String& ASection) {
  PrepareToStore();
  AIni.EraseSection(ASection);
  TspSkinKeyWriter Writer(AIni, ASection);
  DescribeKeys(Writer);
}
