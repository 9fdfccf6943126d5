#pragma once
// The skin description model: what "skin.ini" says about every skinned element, held
// in one record per element.
//
// - Control descriptions (`TspDataSkinControl` and its kinds, listed in the section
//   "SKINCONTROLS"), object descriptions of the form frame and of menus
//   (`TspDataSkinObject` and its kinds, "SKINOBJECTS"), named frame areas
//   (`TspDataSkinArea`), and the three window descriptions with fixed sections
//   ("POPUPWINDOW", "HINTWINDOW", "LAYERFRAME").
// - The enumerations of the skin with their ini words.
// - The skin's colour replacements (`TspSkinColors`) and the user-interface string
//   table (`TspResourceStrData`).
// - The loaded skin itself (`TspSkinData`), at the end of this header.
//
// Every record lists its keys once, in DescribeKeys: the ini key, the field, the value
// form and the default, base levels first. Reading, writing, the defaults of a new
// record and the tests all walk that one list, so a key cannot be read under one name
// and written under another. The key names are those of the skin format, misspellings
// included ("disableskinrsect", "reflactioncolor"): skins written in it must load.
//
// Loading never fails on a skin's content: an absent section or key gives the key's
// default, and malformed values read as SPUtils.h says. Records are created, loaded,
// stored and read on the user-interface thread only.
//
// Implementation: SkinData_Keys.cpp (value forms, words, key walkers),
// SkinData_Records.cpp (the record bases), SkinData_Controls.cpp,
// SkinData_ListControls.cpp, SkinData_BarControls.cpp, SkinData_Objects.cpp,
// SkinData_Windows.cpp, SkinData_Catalogue.cpp (kind words), SkinData_Colors.cpp,
// SkinData_Strings.cpp.

#include <climits>
#include <cstdint>
#include <memory>
#include <span>
#include <type_traits>
#include <vector>

#include "components/core/SPUtils.h"
#include "platform/base/Streams.h"
#include "platform/base/StringList.h"
#include "platform/ui/Collection.h"
#include "platform/ui/Component.h"

// ---------------------------------------------------------------- enumerations

enum TspStretchType : uint8_t { spstFull, spstHorz, spstVert };
enum TMorphKind : uint8_t {
  mkDefault,
  mkGradient,
  mkLeftGradient,
  mkRightGradient,
  mkLeftSlide,
  mkRightSlide,
  mkPush
};
// The effect applied to the frame of an inactive form.
enum TspInActiveEffect : uint8_t { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };
// How the frames of a strip lie in one picture.
enum TFramesPlacement : uint8_t { fpHorizontal, fpVertical };
enum TRegulatorKind : uint8_t { rkRound, rkHorizontal, rkVertical };
enum TGaugeKind : uint8_t { gkHorizontal, gkVertical };
// The command of a frame button.
enum TStdCommand : uint8_t {
  cmClose,
  cmMaximize,
  cmMinimize,
  cmSysMenu,
  cmDefault,
  cmRollUp,
  cmMinimizeToTray
};
// Has no ini word.
enum TTrackKind : uint8_t { tkHorizontal, tkVertical };

// The ini words of one enumeration, by ordinal, and the members an absent key and an
// unknown word give. Words are compared exactly, case included: a listed word in other
// letters is an unknown word.
struct TspEnumWords {
  std::span<const char* const> Words;
  int Absent = 0;
  int Other = 0;
};

const TspEnumWords& SkinEnumWords(TspStretchType);
const TspEnumWords& SkinEnumWords(TMorphKind);
const TspEnumWords& SkinEnumWords(TspInActiveEffect);
const TspEnumWords& SkinEnumWords(TFramesPlacement);
const TspEnumWords& SkinEnumWords(TRegulatorKind);
const TspEnumWords& SkinEnumWords(TGaugeKind);
const TspEnumWords& SkinEnumWords(TStdCommand);

int IniReadEnumWord(const TCustomIniFile& AIni, const String& ASection, const String& AKey,
                    const TspEnumWords& AWords);
void IniWriteEnumWord(TCustomIniFile& AIni, const String& ASection, const String& AKey, int AOrdinal,
                      const TspEnumWords& AWords);

TspStretchType IniReadStretchType(const TCustomIniFile& AIni, const String& ASection, const String& AKey);
void IniWriteStretchType(TCustomIniFile& AIni, const String& ASection, const String& AKey,
                         TspStretchType AValue);
TMorphKind IniReadMorphKind(const TCustomIniFile& AIni, const String& ASection, const String& AKey);
void IniWriteMorphKind(TCustomIniFile& AIni, const String& ASection, const String& AKey, TMorphKind AValue);
TspInActiveEffect IniReadInActiveEffect(const TCustomIniFile& AIni, const String& ASection,
                                        const String& AKey);
void IniWriteInActiveEffect(TCustomIniFile& AIni, const String& ASection, const String& AKey,
                            TspInActiveEffect AValue);

// True when the file holds the sections "VERSION", "PICTURES", "FORMINFO",
// "SKINOBJECTS" and "SKINCONTROLS", each with at least one key.
bool IsSkinIniFile(const TCustomIniFile& AIni);

// ---------------------------------------------------------------- keys

// The greatest cursor number of the screen's cursor table; a skin's cursor numbers
// and indexes are read within it.
constexpr int SkinCursorNumberLimit = INT16_MAX;
// The most frames a strip of a skin picture can be cut into: one per pixel of the
// greatest side a bitmap may have.
constexpr int SkinCountLimit = kMaxBitmapSide;

// The walk over a record's keys. A record calls one method per key with the ini key,
// its field and the default; the walker reads, writes, resets or inspects the field.
// A key name lives only for the call.
class TspSkinKeys {
 public:
  virtual ~TspSkinKeys() = default;

  // Integer forms (integer, colour, picture and cursor index): decimal or "0x" hex;
  // anything else gives the default.
  virtual void IntegerKey(const char* AKey, int& AField, int ADefault) = 0;
  virtual void BooleanKey(const char* AKey, bool& AField) = 0;
  virtual void TextKey(const char* AKey, String& AField, const char* ADefault) = 0;
  virtual void RectKey(const char* AKey, TRect& AField) = 0;
  virtual void PointKey(const char* AKey, TPoint& AField) = 0;
  virtual void FontStylesKey(const char* AKey, TFontStyles& AField) = 0;
  virtual void AlignmentKey(const char* AKey, TAlignment& AField) = 0;
  // Reading appends to the list; the default is no lines.
  virtual void TextLinesKey(const char* AKey, TStrings& AField) = 0;
  virtual void EnumKey(const char* AKey, int& AOrdinal, const TspEnumWords& AWords) = 0;

  // After an integer key: the reader brings the value within [AMin, AMax], so that
  // whoever uses the record can trust it; the other walkers leave it as it is.
  virtual void KeepWithin(int& /*AField*/, int /*AMin*/, int /*AMax*/) {}

  // The value forms in the words of the key tables.
  void ColorKey(const char* AKey, TColor& AField, TColor ADefault = 0) { IntegerKey(AKey, AField, ADefault); }
  // -1: no picture; any other negative number reads as -1. An index past the list is
  // left to the list's lookup.
  void PictureKey(const char* AKey, int& AField) {
    IntegerKey(AKey, AField, -1);
    KeepWithin(AField, -1, INT_MAX);
  }
  // -1: no cursor of the skin. Read within the screen's cursor table, so that adding
  // it to the skin's first cursor number cannot overflow.
  void CursorKey(const char* AKey, int& AField) {
    IntegerKey(AKey, AField, -1);
    KeepWithin(AField, -1, SkinCursorNumberLimit);
  }
  // A number of frames or steps: read within [0, SkinCountLimit].
  void CountKey(const char* AKey, int& AField, int ADefault) {
    IntegerKey(AKey, AField, ADefault);
    KeepWithin(AField, 0, SkinCountLimit);
  }
  // The IDName of another element, looked up by whoever uses the record.
  void NameKey(const char* AKey, String& AField, const char* ADefault = "") {
    TextKey(AKey, AField, ADefault);
  }
  template <typename E>
  void WordKey(const char* AKey, E& AField) {
    int Ordinal = AField;
    EnumKey(AKey, Ordinal, SkinEnumWords(AField));
    AField = static_cast<E>(Ordinal);
  }
  // "fontname" ("Arial"), "fontstyle", "fontheight" (14) and "fontcolor", each key
  // name after APrefix ("caption", "fixed").
  void FontKeys(const char* APrefix, String& AName, TFontStyles& AStyle, int& AHeight, TColor& AColor);
};

// A record that describes itself by its keys.
class TspSkinKeyedRecord {
 public:
  TspSkinKeyedRecord() = default;
  virtual ~TspSkinKeyedRecord() = default;
  TspSkinKeyedRecord(const TspSkinKeyedRecord&) = delete;
  TspSkinKeyedRecord& operator=(const TspSkinKeyedRecord&) = delete;

  // Walks every key of the record, base levels first.
  virtual void DescribeKeys(TspSkinKeys& AKeys) = 0;
  // The values a kind derives from others once its keys are read.
  virtual void DeriveValues() {}
  // The values a kind settles before it stores itself.
  virtual void PrepareToStore() {}

 protected:
  // Every field to its key's default. Each constructor of a level with keys calls it,
  // so a new record holds the defaults of its key table.
  void ResetToKeyDefaults();
  // Reads the keys from ASection, then derives.
  void ReadKeys(const TCustomIniFile& AIni, const String& ASection);
  // Replaces ASection with the record's keys.
  void WriteKeys(TCustomIniFile& AIni, const String& ASection);
};

// ---------------------------------------------------------------- control descriptions

class TspDataSkinControl : public TspSkinKeyedRecord {
 public:
  explicit TspDataSkinControl(const String& AIDName);
  // Fills every field from the section named IDName.
  void LoadFromFile(const TCustomIniFile& AIni) { ReadKeys(AIni, IDName); }
  // Replaces the section named IDName with the record's keys.
  void SaveToFile(TCustomIniFile& AIni) { WriteKeys(AIni, IDName); }
  void DescribeKeys(TspSkinKeys& AKeys) override;

  String IDName;  // the element's name and its section
  int PictureIndex{};
  int MaskPictureIndex{};
  TRect SkinRect;
  int CursorIndex{};
};

// A picture cut into nine parts: four corner points within SkinRect set off the
// corners; the edges between them stretch or tile.
class TspDataSkinCustomControl : public TspDataSkinControl {
 public:
  explicit TspDataSkinCustomControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect ClRect;
  bool StretchEffect{}, LeftStretch{}, TopStretch{}, RightStretch{}, BottomStretch{};
  TspStretchType StretchType{};
};

// The nine-part geometry of a control element, its pieces cut from its SkinRect.
inline TspSkinImageGeometry SkinImageGeometry(const TspDataSkinCustomControl& AElement) {
  return SkinImageGeometry(AElement, AElement.ClRect, AElement.SkinRect);
}

class TspDataSkinButtonControl : public TspDataSkinCustomControl {
 public:
  explicit TspDataSkinButtonControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  String FontName;
  TFontStyles FontStyle;
  int FontHeight{};
  TColor FontColor{}, ActiveFontColor{}, DownFontColor{}, DisabledFontColor{};
  bool Morphing{};
  TMorphKind MorphKind{};
  TRect ActiveSkinRect, DownSkinRect, DisabledSkinRect, FocusedSkinRect, AnimateSkinRect;
  int FrameCount{}, AnimateInterval{};
  bool ShowFocus{};
  TRect MenuMarkerFlatRect, MenuMarkerRect, MenuMarkerActiveRect, MenuMarkerDownRect;
  TColor MenuMarkerTransparentColor{};
  int GlowLayerPictureIndex{}, GlowLayerMaskPictureIndex{};
  int GlowLayerOffsetLeft{}, GlowLayerOffsetRight{}, GlowLayerOffsetTop{}, GlowLayerOffsetBottom{};
  int GlowLayerShowOffsetX{}, GlowLayerShowOffsetY{};
  int GlowLayerAlphaBlendValue{};
};

class TspDataSkinMenuButtonControl : public TspDataSkinButtonControl {
 public:
  explicit TspDataSkinMenuButtonControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRect TrackButtonRect;
};

class TspDataSkinCheckRadioControl : public TspDataSkinCustomControl {
 public:
  explicit TspDataSkinCheckRadioControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  String FontName;
  TFontStyles FontStyle;
  int FontHeight{};
  TColor FontColor{}, ActiveFontColor{}, UnEnabledFontColor{};
  bool Morphing{};
  TMorphKind MorphKind{};
  TRect ActiveSkinRect, CheckImageArea, TextArea;
  TRect CheckImageRect, UnCheckImageRect, ActiveCheckImageRect, ActiveUnCheckImageRect;
  TRect UnEnabledCheckImageRect, UnEnabledUnCheckImageRect, GrayedCheckImageRect, ActiveGrayedCheckImageRect;
  TColor FrameFontColor{};
};

class TspDataSkinLabelControl : public TspDataSkinCustomControl {
 public:
  explicit TspDataSkinLabelControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  String FontName;
  TFontStyles FontStyle;
  int FontHeight{};
  TColor FontColor{};
};

class TspDataSkinStdLabelControl : public TspDataSkinControl {
 public:
  explicit TspDataSkinStdLabelControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  String FontName;
  TFontStyles FontStyle;
  int FontHeight{};
  TColor FontColor{}, ActiveFontColor{};
};

class TspDataSkinBitLabelControl : public TspDataSkinCustomControl {
 public:
  explicit TspDataSkinBitLabelControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRect SkinTextRect;
  int SymbolWidth{}, SymbolHeight{};
  TStringList Symbols;  // one line per row of symbol cells
};

class TspDataSkinPanelControl : public TspDataSkinCustomControl {
 public:
  explicit TspDataSkinPanelControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRect CaptionRect;
  TAlignment Alignment{};
  String FontName;
  TFontStyles FontStyle;
  int FontHeight{};
  TColor FontColor{};
  int BGPictureIndex{};
  TRect CheckImageRect, UnCheckImageRect, MarkFrameRect, FrameRect;
  int FrameLeftOffset{}, FrameRightOffset{};
  TRect FrameTextRect, GripperRect;
  bool GripperTransparent{};
  TColor GripperTransparentColor{};
};

class TspDataSkinExPanelControl : public TspDataSkinCustomControl {
 public:
  explicit TspDataSkinExPanelControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRect RollHSkinRect, RollVSkinRect;
  int RollLeftOffset{}, RollRightOffset{}, RollTopOffset{}, RollBottomOffset{};
  TRect RollVCaptionRect, RollHCaptionRect;
  TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
  TRect HRollButtonRect, HRollButtonActiveRect, HRollButtonDownRect;
  TRect HRestoreButtonRect, HRestoreButtonActiveRect, HRestoreButtonDownRect;
  TRect VRollButtonRect, VRollButtonActiveRect, VRollButtonDownRect;
  TRect VRestoreButtonRect, VRestoreButtonActiveRect, VRestoreButtonDownRect;
  TRect CaptionRect;
  String FontName;
  TFontStyles FontStyle;
  int FontHeight{};
  TColor FontColor{};
  bool ButtonsTransparent{};
  TColor ButtonsTransparentColor{};
};

class TspDataSkinScrollBoxControl : public TspDataSkinCustomControl {
 public:
  explicit TspDataSkinScrollBoxControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  int BGPictureIndex{};
};

class TspDataSkinBevel : public TspDataSkinControl {
 public:
  explicit TspDataSkinBevel(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TColor LightColor{}, DarkColor{};
};

class TspDataSkinSplitterControl : public TspDataSkinCustomControl {
 public:
  explicit TspDataSkinSplitterControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRect GripperRect;
  bool GripperTransparent{};
  TColor GripperTransparentColor{};
};

class TspDataSkinControlBar : public TspDataSkinCustomControl {
 public:
  explicit TspDataSkinControlBar(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRect ItemRect;
  int BGPictureIndex{};
  TRect HGripRect, VGripRect;
  int GripOffset1{}, GripOffset2{};
  bool ItemStretchEffect{};
  int ItemOffset1{}, ItemOffset2{};
  bool ItemTransparent{};
  TColor ItemTransparentColor{};
  bool GripTransparent{};
  TColor GripTransparentColor{};
};

class TspDataSkinGaugeControl : public TspDataSkinCustomControl {
 public:
  explicit TspDataSkinGaugeControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRect ProgressArea, ProgressRect;
  bool ProgressTransparent{};
  TColor ProgressTransparentColor{};
  bool ProgressStretch{}, Vertical{};
  int BeginOffset{}, EndOffset{};
  String FontName;
  TFontStyles FontStyle;
  int FontHeight{};
  TColor FontColor{};
  TRect AnimationSkinRect;
  int AnimationCountFrames{}, AnimationTimerInterval{};
  TRect ProgressAnimationSkinRect;
  int ProgressAnimationCountFrames{}, ProgressAnimationTimerInterval{};
  int AnimationBeginOffset{}, AnimationEndOffset{};
};

class TspDataSkinTrackBarControl : public TspDataSkinCustomControl {
 public:
  explicit TspDataSkinTrackBarControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRect ActiveSkinRect, TrackArea, ButtonRect, ActiveButtonRect;
  bool Vertical{}, ButtonTransparent{};
  TColor ButtonTransparentColor{};
};

class TspDataSkinEditControl : public TspDataSkinCustomControl {
 public:
  explicit TspDataSkinEditControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRect ActiveSkinRect;
  String FontName;
  TFontStyles FontStyle;
  int FontHeight{};
  TColor FontColor{}, DisabledFontColor{}, ActiveFontColor{};
  TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
};

class TspDataSkinMemoControl : public TspDataSkinEditControl {
 public:
  explicit TspDataSkinMemoControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TColor BGColor{}, ActiveBGColor{};
};

class TspDataSkinSpinEditControl : public TspDataSkinCustomControl {
 public:
  explicit TspDataSkinSpinEditControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRect ActiveSkinRect;
  String FontName;
  TFontStyles FontStyle;
  int FontHeight{};
  TColor FontColor{}, ActiveFontColor{}, DisabledFontColor{};
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
};

// Up-down buttons are drawn from their button pictures alone: the nine-part corners
// and client rectangle are always 0, whatever the section says.
class TspDataSkinUpDownControl : public TspDataSkinCustomControl {
 public:
  explicit TspDataSkinUpDownControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;
  void DeriveValues() override;
  void PrepareToStore() override;

  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
};

class TspDataSkinComboBox : public TspDataSkinCustomControl {
 public:
  explicit TspDataSkinComboBox(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRect SItemRect, ActiveItemRect, FocusItemRect;
  int ItemLeftOffset{}, ItemRightOffset{};
  TRect ItemTextRect;
  String FontName;
  TFontStyles FontStyle;
  int FontHeight{};
  TColor FontColor{}, FocusFontColor{}, ActiveFontColor{};
  TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
  bool ItemStretchEffect{}, FocusItemStretchEffect{};
  TRect ActiveSkinRect;
  bool ShowFocus{};
  String ListBoxName;  // the "listbox" description of the drop-down list
};

class TspDataSkinListBox : public TspDataSkinCustomControl {
 public:
  explicit TspDataSkinListBox(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRect SItemRect, ActiveItemRect, FocusItemRect;
  int ItemLeftOffset{}, ItemRightOffset{};
  TRect ItemTextRect;
  String FontName;
  TFontStyles FontStyle;
  int FontHeight{};
  TColor FontColor{}, ActiveFontColor{}, FocusFontColor{};
  TRect CaptionRect;
  String CaptionFontName;
  TFontStyles CaptionFontStyle;
  int CaptionFontHeight{};
  TColor CaptionFontColor{};
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
  TRect CheckButtonRect, ActiveCheckButtonRect, DownCheckButtonRect;
  // The "scrollbar" descriptions of the list's own bars; BothScrollBarName is the
  // horizontal bar shown together with a vertical one.
  String HScrollBarName, VScrollBarName, BothScrollBarName;
  bool ShowFocus{};
  TRect DisabledButtonsRect, ButtonsArea;
};

class TspDataSkinCheckListBox : public TspDataSkinListBox {
 public:
  explicit TspDataSkinCheckListBox(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRect UnCheckImageRect, CheckImageRect, ItemCheckRect;
};

class TspDataSkinScrollBarControl : public TspDataSkinCustomControl {
 public:
  explicit TspDataSkinScrollBarControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRect TrackArea;
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
  TRect ThumbRect, ActiveThumbRect, DownThumbRect;
  int ThumbOffset1{}, ThumbOffset2{};
  TRect GlyphRect, ActiveGlyphRect, DownGlyphRect;
  bool GlyphTransparent{};
  TColor GlyphTransparentColor{};
  bool ThumbTransparent{};
  TColor ThumbTransparentColor{};
  bool ThumbStretchEffect{};
  int ThumbMinSize{}, ThumbMinPageSize{};
};

class TspDataSkinTreeView : public TspDataSkinControl {
 public:
  explicit TspDataSkinTreeView(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  String FontName;
  TFontStyles FontStyle;
  int FontHeight{};
  TColor FontColor{}, BGColor{};
  TRect ExpandImageRect, NoExpandImageRect;
};

// The font and background keys that list views and rich edits share; neither kind is
// the other.
class TspDataSkinViewControl : public TspDataSkinControl {
 public:
  void DescribeKeys(TspSkinKeys& AKeys) override;

  String FontName;
  TFontStyles FontStyle;
  int FontHeight{};
  TColor FontColor{}, BGColor{};

 protected:
  explicit TspDataSkinViewControl(const String& AIDName);
};

class TspDataSkinListView : public TspDataSkinViewControl {
 public:
  explicit TspDataSkinListView(const String& AIDName);
};

class TspDataSkinRichEdit : public TspDataSkinViewControl {
 public:
  explicit TspDataSkinRichEdit(const String& AIDName);
};

class TspDataSkinGridControl : public TspDataSkinControl {
 public:
  explicit TspDataSkinGridControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRect FixedCellRect, SelectCellRect, FocusCellRect;
  int FixedCellLeftOffset{}, FixedCellRightOffset{};
  TRect FixedCellTextRect;
  int CellLeftOffset{}, CellRightOffset{};
  TRect CellTextRect;
  TColor LinesColor{}, BGColor{};
  int BGPictureIndex{};
  String FontName;
  TFontStyles FontStyle;
  int FontHeight{};
  TColor FontColor{}, SelectFontColor{}, FocusFontColor{};
  String FixedFontName;
  TFontStyles FixedFontStyle;
  int FixedFontHeight{};
  TColor FixedFontColor{};
  bool FixedCellStretchEffect{}, CellStretchEffect{}, ShowFocus{};
};

class TspDataSkinSlider : public TspDataSkinControl {
 public:
  explicit TspDataSkinSlider(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRect HRulerRect, HThumbRect, VRulerRect, VThumbRect;
  int EdgeSize{};
  TColor BGColor{}, PointsColor{};
};

class TspDataSkinTabControl : public TspDataSkinControl {
 public:
  explicit TspDataSkinTabControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRect TabRect, ActiveTabRect, FocusTabRect, MouseInTabRect;
  TRect ClRect, TabsBGRect;
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  int TabLeftOffset{}, TabRightOffset{};
  String FontName;
  TFontStyles FontStyle;
  int FontHeight{};
  TColor FontColor{}, ActiveFontColor{}, FocusFontColor{}, MouseInFontColor{};
  String UpDown;  // the "updown" description of the tab row's scroll buttons
  int BGPictureIndex{};
  bool TabStretchEffect{}, LeftStretch{}, TopStretch{}, RightStretch{}, BottomStretch{};
  bool ShowFocus{};
  int FocusOffsetX{}, FocusOffsetY{};
  bool StretchEffect{};
  TspStretchType StretchType{};
  TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
  bool ButtonTransparent{};
  TColor ButtonTransparentColor{};
  TRect TabLeftBottomActiveRect, TabLeftBottomFocusRect;
};

class TspDataSkinMainMenuBar : public TspDataSkinControl {
 public:
  explicit TspDataSkinMainMenuBar(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRect ItemsRect;
  // Object descriptions the bar looks up for its items and its buttons.
  String MenuBarItem, CloseButton, MaxButton, MinButton, SysMenuButton;
  TColor TrackMarkColor{}, TrackMarkActiveColor{};
  bool StretchEffect{}, ItemTransparent{};
};

// A picture (SkinRect) made of FramesCount equal frames side by side or one under
// the other. FramesCount is never below 1.
class TspDataSkinFrameControl : public TspDataSkinControl {
 public:
  explicit TspDataSkinFrameControl(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;
  void DeriveValues() override;

  int FramesCount{};
  TFramesPlacement FramesPlacement{};
};

class TspDataSkinFrameGauge : public TspDataSkinFrameControl {
 public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
};

class TspDataSkinAnimateControl : public TspDataSkinFrameControl {
 public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
};

class TspDataSkinSwitchControl : public TspDataSkinFrameControl {
 public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
};

class TspDataSkinFrameRegulator : public TspDataSkinFrameControl {
 public:
  explicit TspDataSkinFrameRegulator(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRegulatorKind Kind{};
};

// ---------------------------------------------------------------- object descriptions

class TspDataSkinObject : public TspSkinKeyedRecord {
 public:
  explicit TspDataSkinObject(const String& AIDName);
  // Fills every field from the section named IDName.
  void LoadFromFile(const TCustomIniFile& AIni) { ReadKeys(AIni, IDName); }
  // Replaces the section named IDName with the record's keys.
  void SaveToFile(TCustomIniFile& AIni) { WriteKeys(AIni, IDName); }
  void DescribeKeys(TspSkinKeys& AKeys) override;

  String IDName;  // the element's name and its section
  String Hint;
  bool SkinRectInAPicture{};
  TRect SkinRect, ActiveSkinRect, InActiveSkinRect;
  bool Morphing{};
  TMorphKind MorphKind{};
  int ActivePictureIndex{}, ActiveMaskPictureIndex{};
  int CursorIndex{};
  bool RollUp{};
  int GlowLayerPictureIndex{}, GlowLayerMaskPictureIndex{};
  int GlowLayerOffsetX{}, GlowLayerOffsetY{};
  int GlowLayerAlphaBlendValue{};
};

// A named area of the frame: only "rollup", "skinrect" and "cursorindex" are its keys;
// the other fields keep the values of a new object description.
class TspDataUserObject : public TspDataSkinObject {
 public:
  using TspDataSkinObject::TspDataSkinObject;
  void DescribeKeys(TspSkinKeys& AKeys) override;
};

class TspDataSkinSwitch : public TspDataSkinObject {
 public:
  using TspDataSkinObject::TspDataSkinObject;
};

// A frame button: normal SkinRect, active ActiveSkinRect, inactive InActiveSkinRect.
class TspDataSkinButton : public TspDataSkinObject {
 public:
  explicit TspDataSkinButton(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  int GroupIndex{};
  TRect DownRect, DisableSkinRect;
  int AlphaMaskPictureIndex{}, AlphaMaskActivePictureIndex{}, AlphaMaskInActivePictureIndex{};
};

// A frame button with a standard command and a second look (and hint) for the
// restored state of maximize, minimize and roll-up.
class TspDataSkinStdButton : public TspDataSkinButton {
 public:
  explicit TspDataSkinStdButton(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;
  void DeriveValues() override;

  TStdCommand Command{};
  TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
  String RestoreHint;
};

class TspDataSkinMainMenuBarButton : public TspDataSkinStdButton {
 public:
  using TspDataSkinStdButton::TspDataSkinStdButton;
};

class TspDataSkinCaption : public TspDataSkinObject {
 public:
  explicit TspDataSkinCaption(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  String FontName;
  int FontHeight{};
  TFontStyles FontStyle;
  TColor FontColor{}, ActiveFontColor{}, ShadowColor{}, ActiveShadowColor{};
  bool Shadow{};
  TAlignment Alignment{};
  TRect TextRct;
  bool DefaultCaption{};
  TRect FrameRect, ActiveFrameRect;
  int FrameLeftOffset{}, FrameRightOffset{};
  TRect FrameTextRect;
  bool Light{};
  TColor LightColor{}, ActiveLightColor{};
  bool StretchEffect{};
  TRect AnimateSkinRect;
  int FrameCount{}, AnimateInterval{};
  bool InActiveAnimation{}, FullFrame{};
  bool VistaGlowEffect{}, VistaGlowInActiveEffect{}, GlowEffect{}, GlowInActiveEffect{};
  int GlowSize{};
  TColor GlowColor{}, GlowActiveColor{};
  int GlowOffset{};
  bool ReflectionEffect{};
  TColor ReflectionColor{}, ReflectionActiveColor{};
  int ReflectionOffset{};
  TRect DividerRect, InActiveDividerRect;
  bool DividerTransparent{};
  TColor DividerTransparentColor{};
  int QuickButtonAlphaMaskPictureIndex{};
};

class TspDataSkinLabel : public TspDataSkinObject {
 public:
  explicit TspDataSkinLabel(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  String FontName;
  int FontHeight{};
  TFontStyles FontStyle;
  TColor FontColor{}, ActiveFontColor{};
  TAlignment Alignment{};
  String TextValue;
};

// Morphing is always off for this kind.
class TspDataSkinBitLabel : public TspDataSkinObject {
 public:
  explicit TspDataSkinBitLabel(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;
  void DeriveValues() override;

  TStringList Symbols;  // one line per row of symbol cells
  String TextValue;
  int SymbolWidth{}, SymbolHeight{};
  bool Transparent{};
  TColor TransparentColor{};
};

// Morphing is always off for this kind.
class TspDataSkinTrackBar : public TspDataSkinObject {
 public:
  explicit TspDataSkinTrackBar(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;
  void DeriveValues() override;

  TRect ButtonRect, ActiveButtonRect;
  TPoint BeginPoint, EndPoint;
  int MinValue{}, MaxValue{};
  bool MouseDownChangeValue{}, ButtonTransparent{};
  TColor ButtonTransparentColor{};
};

class TspDataSkinGauge : public TspDataSkinObject {
 public:
  explicit TspDataSkinGauge(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  int MinValue{}, MaxValue{};
  TGaugeKind Kind{};
};

// CountFrames is taken as read here, without a lower bound.
class TspDataSkinFrameGaugeObject : public TspDataSkinObject {
 public:
  explicit TspDataSkinFrameGaugeObject(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  int MinValue{}, MaxValue{}, CountFrames{};
  TFramesPlacement FramesPlacement{};
};

class TspDataSkinFrameRegulatorObject : public TspDataSkinObject {
 public:
  explicit TspDataSkinFrameRegulatorObject(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  int MinValue{}, MaxValue{}, CountFrames{};
  TFramesPlacement FramesPlacement{};
  TRegulatorKind Kind{};
};

// Morphing is always off for this kind; its restore hint follows the frame button's
// rule.
class TspDataSkinAnimate : public TspDataSkinObject {
 public:
  explicit TspDataSkinAnimate(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;
  void DeriveValues() override;

  int CountFrames{};
  bool Cycle{}, ButtonStyle{};
  int TimerInterval{};
  TStdCommand Command{};
  TRect DownSkinRect, RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
  String RestoreHint;
};

// An item of a popup menu. An empty active check, radio or arrow image is taken from
// its normal image.
class TspDataSkinMenuItem : public TspDataSkinObject {
 public:
  explicit TspDataSkinMenuItem(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;
  void DeriveValues() override;

  TRect DividerRect;
  int DividerLO{}, DividerRO{}, ItemLO{}, ItemRO{};
  String FontName;
  int FontHeight{};
  TFontStyles FontStyle;
  TColor UnEnabledFontColor{}, FontColor{}, ActiveFontColor{};
  TRect TextRct;
  bool StretchEffect{}, DividerStretchEffect{}, InActiveStretchEffect{};
  TRect AnimateSkinRect;
  int FrameCount{}, AnimateInterval{};
  bool InActiveAnimation{};
  TRect ImageRct;
  bool UseImageColor{};
  TColor ImageColor{}, ActiveImageColor{};
  bool InActiveTransparent{};
  TRect CheckImageRect, ActiveCheckImageRect, RadioImageRect, ActiveRadioImageRect;
  TRect ArrowImageRect, ActiveArrowImageRect;
};

class TspDataSkinMainMenuItem : public TspDataSkinObject {
 public:
  explicit TspDataSkinMainMenuItem(const String& AIDName);
  void DescribeKeys(TspSkinKeys& AKeys) override;

  TRect DownRect;
  String FontName;
  int FontHeight{};
  TFontStyles FontStyle;
  TColor FontColor{}, ActiveFontColor{}, DownFontColor{}, UnEnabledFontColor{};
  TRect TextRct;
  int ItemLO{}, ItemRO{};
  bool StretchEffect{};
  TRect AnimateSkinRect;
  int FrameCount{}, AnimateInterval{};
  bool InActiveAnimation{};
};

class TspDataSkinMainMenuBarItem : public TspDataSkinMainMenuItem {
 public:
  using TspDataSkinMainMenuItem::TspDataSkinMainMenuItem;
};

// ---------------------------------------------------------------- the kind catalogue

// One kind of a list section: its word (matched exactly, case included), a maker of a
// new record of it, and whether a record is of exactly that kind.
template <typename TRecord>
struct TspSkinKind {
  const char* Word;
  std::unique_ptr<TRecord> (*Create)(const String& AIDName);
  bool (*IsKindOf)(const TRecord& ARecord);
};

// The 33 kinds of "SKINCONTROLS" and the 16 of "SKINOBJECTS".
std::span<const TspSkinKind<TspDataSkinControl>> SkinControlKinds();
std::span<const TspSkinKind<TspDataSkinObject>> SkinObjectKinds();
// A new record of the kind that AKindWord names; null for a word that names none.
std::unique_ptr<TspDataSkinControl> CreateSkinControl(const String& AKindWord, const String& AIDName);
std::unique_ptr<TspDataSkinObject> CreateSkinObject(const String& AKindWord, const String& AIDName);
// The word of the record's kind, for storing the lists.
String SkinControlKindWord(const TspDataSkinControl& ARecord);
String SkinObjectKindWord(const TspDataSkinObject& ARecord);

// ---------------------------------------------------------------- frame areas

// A named rectangle of the form frame (listed in "SKINAREAS"; no section of its own).
struct TspDataSkinArea {
  TspDataSkinArea(const String& AIDName, const TRect& AAreaRect, bool AUseAnchors, bool AAnchorLeft,
                  bool AAnchorTop, bool AAnchorRight, bool AAnchorBottom)
      : IDName(AIDName),
        AreaRect(AAreaRect),
        UseAnchors(AUseAnchors),
        AnchorLeft(AAnchorLeft),
        AnchorTop(AAnchorTop),
        AnchorRight(AAnchorRight),
        AnchorBottom(AAnchorBottom) {}

  String IDName;
  TRect AreaRect;
  bool UseAnchors, AnchorLeft, AnchorTop, AnchorRight, AnchorBottom;
};

// ---------------------------------------------------------------- window descriptions

// The window of a skinned popup menu, section "POPUPWINDOW". The skin data keeps one
// and reloads it with every skin, so each load gives every field its key or default.
class TspDataSkinPopupWindow : public TspSkinKeyedRecord {
 public:
  static constexpr const char* Section = "POPUPWINDOW";
  TspDataSkinPopupWindow();
  void LoadFromFile(const TCustomIniFile& AIni) { ReadKeys(AIni, Section); }
  void SaveToFile(TCustomIniFile& AIni) { WriteKeys(AIni, Section); }
  void DescribeKeys(TspSkinKeys& AKeys) override;

  int WindowPictureIndex{}, MaskPictureIndex{};
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect ItemsRect;
  TColor ScrollMarkerColor{}, ScrollMarkerActiveColor{};
  int CursorIndex{};
  bool TopStretch{}, LeftStretch{}, RightStretch{}, BottomStretch{}, StretchEffect{};
  TspStretchType StretchType{};
};

// The skinned hint window, section "HINTWINDOW". Before the first skin its font
// height is 12; loading gives 14 when the key is absent.
class TspDataSkinHintWindow : public TspSkinKeyedRecord {
 public:
  static constexpr const char* Section = "HINTWINDOW";
  TspDataSkinHintWindow();
  void LoadFromFile(const TCustomIniFile& AIni) { ReadKeys(AIni, Section); }
  void SaveToFile(TCustomIniFile& AIni) { WriteKeys(AIni, Section); }
  void DescribeKeys(TspSkinKeys& AKeys) override;

  int WindowPictureIndex{}, MaskPictureIndex{};
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect ClRect;
  String FontName;
  TFontStyles FontStyle;
  int FontHeight{};
  TColor FontColor{};
  bool TopStretch{}, LeftStretch{}, RightStretch{}, BottomStretch{}, StretchEffect{};
  TspStretchType StretchType{};
};

// The layered border around a skinned form, section "LAYERFRAME".
class TspDataSkinLayerFrame : public TspSkinKeyedRecord {
 public:
  static constexpr const char* Section = "LAYERFRAME";
  TspDataSkinLayerFrame();
  void LoadFromFile(const TCustomIniFile& AIni) { ReadKeys(AIni, Section); }
  void SaveToFile(TCustomIniFile& AIni) { WriteKeys(AIni, Section); }
  void DescribeKeys(TspSkinKeys& AKeys) override;

  int PictureIndex{}, MaskPictureIndex{}, InActivePictureIndex{}, InActiveMaskPictureIndex{};
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect ClRect;
  int AlphaBlendValue{}, InActiveAlphaBlendValue{};
  TRect BorderRect;
  bool HitTestEnable{}, FullBorder{};
  int HitTestSize{};
  TRect CaptionRect;
  TPoint HitTestLTPoint, HitTestRTPoint, HitTestLBPoint, HitTestRBPoint;
  TRect ButtonsRect, SysMenuButtonRect;
  bool FullStretch{};
  int RollUpFormHeight{}, ButtonsTopOffset{}, SysButtonTopOffset{};
  int BlurMaskPictureIndex{};
  TRect IntersectBlurMaskRect, ExcludeBlurMaskRect;
  int LeftOffset{}, TopOffset{}, WidthOffset{}, HeightOffset{};
};

// ---------------------------------------------------------------- skin colours

// The ten system colours a skin may replace for the parts of skinned controls that
// are not drawn from pictures. Each is a TColor: RGB, or a system-colour reference.
class TspSkinColors {
 public:
  static constexpr const char* Section = "SKINCOLORS";

  // Each colour to its system-colour reference.
  void SetColorsToDefault();
  // Each colour from its key in SKINCOLORS. A key the skin lacks gives the system
  // colour: a skin without the section would otherwise draw black text on black faces.
  void LoadFromFile(const TCustomIniFile& AIni);
  // Every colour as a decimal integer (system colours come out negative).
  void SaveToFile(TCustomIniFile& AIni) const;

  // New colours are all 0 until set to their defaults or loaded.
  TColor cBtnFace = 0;
  TColor cBtnText = 0;
  TColor cWindow = 0;
  TColor cWindowText = 0;
  TColor cHighLight = 0;
  TColor cHighLightText = 0;
  TColor cBtnHighLight = 0;
  TColor cBtnShadow = 0;
  TColor c3DLight = 0;
  TColor c3DDkShadow = 0;
};

// ---------------------------------------------------------------- user-interface strings

// The user-interface texts of the skin library (system-menu captions, button hints,
// message box buttons, dialog captions), as lines "NAME=text". A new table holds the
// 133 built-in English lines; a language file loaded into ResStrings replaces them all.
class TspResourceStrData : public TComponent {
 public:
  explicit TspResourceStrData(TComponent* AOwner);

  TStrings& ResStrings() { return FResStrs; }
  const TStrings& ResStrings() const { return FResStrs; }
  // Copies the lines.
  void SetResStrings(const TStrings& AValue) { FResStrs.Assign(AValue); }
  // The font character set of the texts.
  uint8_t CharSet() const { return FCharSet; }
  void SetCharSet(uint8_t AValue) { FCharSet = AValue; }

  // The text after the first "=" of the first line named AName (without regard to
  // case), or the empty text. A caller with a table uses even an empty result.
  String GetResStr(const String& AName) const;

 private:
  TStringList FResStrs;
  uint8_t FCharSet = 1;  // the platform's default character set
};

// ---------------------------------------------------------------- the skin

class TCustomForm;
class TspCompressedStoredSkin;
class TspCompressedSkinList;

// The skin-change messages. Each goes out with wParam the TspSkinData and lParam
// SkinDataMessageTag, sent synchronously (see TspSkinData::SendSkinDataMessage).
constexpr unsigned SP_BEFORECHANGESKINDATA = 1225;
constexpr unsigned SP_CHANGESKINDATA = 1226;
constexpr unsigned SP_AFTERCHANGESKINDATA = 1227;
constexpr unsigned SP_CHANGERESSTRDATA = 1274;
constexpr unsigned SP_CHANGESKINNABLEFORM = 1294;
constexpr unsigned SP_CHANGELAYEREDBORDERS = 1427;
constexpr unsigned SP_CHANGEAEROBLUR = 1428;
constexpr long SkinDataMessageTag = 1000;

// The class name of the layered-border windows, which no skin message reaches.
constexpr const char* SkinLayerWindowClassName = "TspFormLayerWindow";

// A read-only walk over one list of a skin's records, in the skin's order.
template <typename TRecord>
class TspSkinRecords {
 public:
  using TList = std::vector<std::unique_ptr<TRecord>>;

  class TIterator {
   public:
    explicit TIterator(typename TList::const_iterator APosition) : FPosition(APosition) {}
    const TRecord& operator*() const { return **FPosition; }
    TIterator& operator++() {
      ++FPosition;
      return *this;
    }
    bool operator==(const TIterator&) const = default;

   private:
    typename TList::const_iterator FPosition;
  };

  explicit TspSkinRecords(const TList& AList) : FList(AList) {}
  TIterator begin() const { return TIterator(FList.begin()); }
  TIterator end() const { return TIterator(FList.end()); }

 private:
  const TList& FList;
};

// Everything one load of a skin gives: pictures, cursors, the frame geometry of
// "FORMINFO", the element records, the colours and the window descriptions. A load
// fills a fresh TspSkinContent and moves it into the skin data only once it is
// complete, so a skin is never seen half read.
//
// The picture list and the object and control records are reached only through the
// checked accessors below: an index outside a list, a name no record has or a record
// of another kind gives nullptr, so no reader indexes a list or casts a record itself.
// TspSkinEditor adds and changes them.
struct TspSkinContent {
  TspSkinContent();
  ~TspSkinContent();
  TspSkinContent(TspSkinContent&&) noexcept;
  TspSkinContent& operator=(TspSkinContent&&) noexcept;

  // "VERSION"
  String SkinName, SkinAuthor, AuthorURL, AuthorEmail, SkinComments;

  // "PICTURES": the five pictures of the form frame (an empty bitmap for none) and the
  // names of the picture list (see Picture). The names are relative to the skin's
  // folder.
  std::unique_ptr<TBitmap> FPicture, FInActivePicture, FMask, FRollUpPicture, FRollUpMask;
  String FPictureName, FInActivePictureName, FMaskName, FRollUpPictureName, FRollUpMaskName;
  std::unique_ptr<TStringList> FActivePicturesNames;

  // "CURSORS": the skin's cursor i is installed in the screen's cursor table under
  // StartCursorIndex + i (never below 1).
  int StartCursorIndex = 1;
  std::unique_ptr<TStringList> FCursorsNames;

  // "FORMINFO": the frame picture's geometry.
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect ClRect;
  int BGPictureIndex = -1, MDIBGPictureIndex = -1;
  TRect MaskRectArea;
  bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
  bool StretchEffect = false;
  TspStretchType StretchType = spstFull;
  bool MDIBGStretchEffect = false;
  TspStretchType MDIBGStretchType = spstFull;
  TRect ButtonsRect, CaptionRect;
  int ButtonsOffset = 0;
  bool CapButtonsInLeft = false;
  TPoint HitTestLTPoint, HitTestRTPoint, HitTestLBPoint, HitTestRBPoint;
  TPoint RollUpLeftPoint, RollUpRightPoint;
  TRect MainMenuRect, IconRect;
  bool MainMenuPopupUp = false;
  int BorderW = 0;
  int CursorIndex = -1;
  bool AutoRenderingInActiveImage = false;
  TspInActiveEffect InActiveEffect = ieBrightness;
  int FormMinWidth = 0, FormMinHeight = 0;
  TRect SizeGripArea;
  String StatusBarName;
  bool MDITabsTransparent = false, MainMenuBarTransparent = false;

  // "POPUPWINDOW", "LAYERFRAME", "HINTWINDOW", "SKINCOLORS".
  std::unique_ptr<TspDataSkinPopupWindow> PopupWindow;
  std::unique_ptr<TspDataSkinLayerFrame> LayerFrame;
  std::unique_ptr<TspDataSkinHintWindow> HintWindow;
  TspSkinColors FSkinColors;

  // "SKINAREAS": found by name, addressed by index.
  std::vector<std::unique_ptr<TspDataSkinArea>> AreaList;

  // The picture every element's picture index points into: nullptr for -1 or any
  // other index outside the picture list.
  TBitmap* Picture(int AIndex) const { return ItemAt(FActivePictures, AIndex); }
  int PictureCount() const { return int(FActivePictures.size()); }
  // The part of ARect that the picture at AIndex holds: all the skin can draw from the
  // rectangle, and so the most of any size a control takes from it. Empty when the
  // index has no picture or the rectangle lies outside it.
  TRect PicturePart(int AIndex, const TRect& ARect) const;

  // "SKINCONTROLS" and "SKINOBJECTS": the record at AIndex, or the first whose IDName
  // is exactly AName (letter case included), when it is a TRecord; nullptr for an
  // index outside the list, a name no record has and a record of another kind.
  template <typename TRecord = TspDataSkinControl>
  const TRecord* Control(int AIndex) const {
    return RecordAs<TRecord>(CtrlList, AIndex);
  }
  template <typename TRecord = TspDataSkinControl>
  const TRecord* Control(const String& AName) const {
    return RecordAs<TRecord>(CtrlList, IndexByName(CtrlList, AName));
  }
  template <typename TRecord = TspDataSkinObject>
  const TRecord* Object(int AIndex) const {
    return RecordAs<TRecord>(ObjectList, AIndex);
  }
  template <typename TRecord = TspDataSkinObject>
  const TRecord* Object(const String& AName) const {
    return RecordAs<TRecord>(ObjectList, IndexByName(ObjectList, AName));
  }
  int ControlCount() const { return int(CtrlList.size()); }
  int ObjectCount() const { return int(ObjectList.size()); }
  // The records in the skin's order, read-only.
  TspSkinRecords<TspDataSkinControl> Controls() const { return TspSkinRecords(CtrlList); }
  TspSkinRecords<TspDataSkinObject> Objects() const { return TspSkinRecords(ObjectList); }

 private:
  friend class TspSkinData;
  friend class TspSkinEditor;

  template <typename TItem>
  static TItem* ItemAt(const std::vector<std::unique_ptr<TItem>>& AList, int AIndex) {
    return AIndex < 0 || size_t(AIndex) >= AList.size() ? nullptr : AList[size_t(AIndex)].get();
  }
  template <typename TRecord, typename TBase>
  static const TRecord* RecordAs(const std::vector<std::unique_ptr<TBase>>& AList, int AIndex) {
    static_assert(std::is_base_of_v<TBase, TRecord>, "a record kind of this list");
    return dynamic_cast<const TRecord*>(ItemAt(AList, AIndex));
  }
  template <typename TBase>
  static int IndexByName(const std::vector<std::unique_ptr<TBase>>& AList, const String& AName) {
    for (size_t I = 0; I < AList.size(); ++I)
      if (AList[I]->IDName == AName) return int(I);
    return -1;
  }

  std::vector<std::unique_ptr<TBitmap>> FActivePictures;
  std::vector<std::unique_ptr<TspDataSkinObject>> ObjectList;
  std::vector<std::unique_ptr<TspDataSkinControl>> CtrlList;
};

// Builds or changes the picture list and the records of a skin in code, as the
// readers of a skin and skin-building tools do. What it adds has not passed the
// checks of a load, and nothing is sent: whoever edits a skin in use announces it
// (SendSkinDataMessage) as a load does.
class TspSkinEditor {
 public:
  explicit TspSkinEditor(TspSkinContent& AContent) : FContent(AContent) {}

  // Appends to the picture list and returns the picture's index.
  int AddPicture(std::unique_ptr<TBitmap> APicture);
  // Appends a record and returns it.
  template <typename TRecord>
  TRecord& AddControl(std::unique_ptr<TRecord> ARecord) {
    return Append(FContent.CtrlList, std::move(ARecord));
  }
  template <typename TRecord>
  TRecord& AddObject(std::unique_ptr<TRecord> ARecord) {
    return Append(FContent.ObjectList, std::move(ARecord));
  }
  // The record at AIndex when it is a TRecord, to change; nullptr as the content's
  // accessors give it.
  template <typename TRecord = TspDataSkinControl>
  TRecord* Control(int AIndex) const {
    return dynamic_cast<TRecord*>(TspSkinContent::ItemAt(FContent.CtrlList, AIndex));
  }
  template <typename TRecord = TspDataSkinObject>
  TRecord* Object(int AIndex) const {
    return dynamic_cast<TRecord*>(TspSkinContent::ItemAt(FContent.ObjectList, AIndex));
  }
  // Frees every control record, or every object record; the rest of the skin stays.
  void ClearControls() { FContent.CtrlList.clear(); }
  void ClearObjects() { FContent.ObjectList.clear(); }

 private:
  template <typename TRecord, typename TBase>
  static TRecord& Append(std::vector<std::unique_ptr<TBase>>& AList, std::unique_ptr<TRecord> ARecord) {
    TRecord& Result = *ARecord;
    AList.push_back(std::move(ARecord));
    return Result;
  }

  TspSkinContent& FContent;
};

// The loaded skin of the program: read from a skin description ("skin.ini" and the
// picture and cursor files beside it), written back as one, and announced to every
// form of the application when it changes.
//
// A skin is replaced as a whole: a load reads into a fresh TspSkinContent, and only a
// complete one replaces the current skin, between SP_BEFORECHANGESKINDATA and
// SP_CHANGESKINDATA; SP_AFTERCHANGESKINDATA always follows. A picture that cannot be
// read becomes an empty picture and the load goes on. Pictures are recognised by
// their content, whatever their names say.
//
// Implementation: SkinData_Skin.cpp (life, clearing, lookups, switches),
// SkinData_Load.cpp (reading a skin description), SkinData_Pictures.cpp (its picture
// files), SkinData_FormInfo.cpp (the frame
// geometry's keys), SkinData_Store.cpp (writing one), SkinData_Fonts.cpp
// (GlobalChangeFont), SkinData_Broadcast.cpp (the messages).
class TspSkinData : public TComponent, public TspSkinContent {
 public:
  explicit TspSkinData(TComponent* AOwner);
  ~TspSkinData() override;

  // Loads the skin description AFileName with its pictures and cursors. A file that
  // is not a skin description (one of "VERSION", "PICTURES", "FORMINFO",
  // "SKINOBJECTS", "SKINCONTROLS" missing, or no file at all) changes nothing and
  // sends nothing.
  void LoadFromFile(const String& AFileName);
  // Writes the skin description into the ini file AFileName, replacing the sections
  // of the skin and keeping the others.
  void SaveToFile(const String& AFileName);
  void SaveToCustomIniFile(TCustomIniFile& AIni);
  // SaveToFile, then every picture beside it under its name, in the format the name's
  // extension says (".jpg" and ".jpeg" JPEG, ".png" PNG, any other BMP). A picture name
  // that leaves the folder (an absolute path, a drive, a ".." step) raises
  // EFCreateError before anything is written.
  void StoreToDisk(const String& AFileName);

  // Loads the skin a stored skin holds (nothing for an empty one). A damaged payload
  // raises EReadError or EDecompressionError before anything is sent, and the
  // current skin stays.
  void LoadCompressedStoredSkin(TspCompressedStoredSkin& ASkin);
  // A compressed skin file: its header and zlib data (see TspCompressedStoredSkin).
  void LoadFromCompressedFile(const String& AFileName);
  void SaveToCompressedFile(const String& AFileName);

  // Frees the records and the picture list, empties the name lists and sets the
  // colours to the system's; the frame geometry stays. Sends nothing.
  void ClearObjects();
  // ClearObjects, the five frame pictures and their names too, and sets Empty.
  void ClearAll();
  // ClearAll, then the three skin-change messages.
  void ClearSkin();
  // Counts the changes of the skin: every load, clear and change of the picture list.
  // What is composed from the skin stays valid while the count stays.
  unsigned ChangeCount() const { return FChangeCount; }

  // The index of the first record whose IDName is exactly AName (letter case
  // included), or -1.
  int GetControlIndex(const String& AName) const;
  int GetIndex(const String& AName) const;
  int GetAreaIndex(const String& AName) const;

  void AddSkinArea(const String& AName, const TRect& ARect, bool AUseAnchors, bool AAnchorLeft,
                   bool AAnchorTop, bool AAnchorRight, bool AAnchorBottom);
  // Appends the picture file (read by its content; unreadable gives an empty picture)
  // to the picture list, under its name without folder.
  void AddBitMap(const String& AFileName);
  // Raises EListError for an index outside the picture list.
  void DeleteBitMap(int AIndex);
  // Gives the hint window and every record with a text font the font AFontName and
  // adds AHeightCorrection to its height. Sends nothing.
  void GlobalChangeFont(const String& AFontName, int AHeightCorrection);

  // Sends AMsg to the forms: nothing in BuildMode; the owner form first when it is a
  // form and ShowLayeredBorders is off; then every other form of the screen's list
  // but the layered-border windows, from the last to the first when
  // ShowLayeredBorders is on and the layer frame has a picture, else from the first.
  void SendSkinDataMessage(unsigned AMsg);

  // Switches that broadcast a change (SP_CHANGESKINNABLEFORM, SP_CHANGELAYEREDBORDERS,
  // SP_CHANGEAEROBLUR) unless the value is unchanged or the component is being
  // designed or loaded.
  bool SkinnableForm() const { return FSkinnableForm; }
  void SetSkinnableForm(bool AValue);
  bool ShowLayeredBorders() const { return FShowLayeredBorders; }
  void SetShowLayeredBorders(bool AValue);
  bool AeroBlurEnabled() const { return FAeroBlurEnabled; }
  void SetAeroBlurEnabled(bool AValue);
  // Not owned; cleared when it is freed. Setting it broadcasts SP_CHANGERESSTRDATA
  // unless the component is being designed, even for the same table.
  TspResourceStrData* ResourceStrData() const { return FResourceStrData; }
  void SetResourceStrData(TspResourceStrData* AValue);
  const TspSkinColors& SkinColors() const { return FSkinColors; }
  // Not owned; cleared when it is freed. Unless the component is being designed,
  // setting a stored skin loads it.
  TspCompressedStoredSkin* CompressedStoredSkin() const { return FCompressedStoredSkin; }
  void SetCompressedStoredSkin(TspCompressedStoredSkin* AValue);
  // Not owned; cleared when it is freed. Unless the component is being designed,
  // setting a list loads its skin SkinIndex, and setting an index within the list
  // loads that skin; an index outside a set list is ignored.
  TspCompressedSkinList* SkinList() const { return FCompressedSkinList; }
  void SetSkinList(TspCompressedSkinList* AValue);
  int SkinIndex() const { return FCompressedSkinIndex; }
  void SetSkinIndex(int AValue);

  // Switches the skinned forms, controls and dialogs read.
  bool EnableSkinEffects = true;
  bool ShowButtonGlowFrames = true;
  bool ShowCaptionButtonGlowFrames = true;
  bool AnimationForAllWindows = false;
  bool DlgTreeViewDrawSkin = true;
  String DlgTreeViewItemSkinDataName = "listbox";
  bool DlgListViewDrawSkin = true;
  String DlgListViewItemSkinDataName = "listbox";
  // While set, no message is sent and no cursor is installed (skin-building tools).
  bool BuildMode = false;
  // True while no skin is loaded, and between the before and the change message.
  bool Empty = true;
  // True from the start of a load until the change message has been sent.
  bool ChangeSkinDataProcess = false;
  // After a skin has been loaded, before the change message.
  TNotifyEvent OnLoadData;

 protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override;

 private:
  // Makes AContent the skin between the before and the change message.
  void ReplaceContent(TspSkinContent&& AContent);
  void SetBroadcastSwitch(bool& AField, bool AValue, unsigned AMsg);
  // Keeps a reference to a component it does not own, cleared when that one goes.
  template <typename TTarget>
  void SetWatchedReference(TTarget*& AField, TTarget* AValue);
  void LoadSkinListEntry();

  bool FSkinnableForm = true;
  bool FShowLayeredBorders = true;
  bool FAeroBlurEnabled = true;
  TspResourceStrData* FResourceStrData = nullptr;
  TspCompressedStoredSkin* FCompressedStoredSkin = nullptr;
  TspCompressedSkinList* FCompressedSkinList = nullptr;
  int FCompressedSkinIndex = 0;
  unsigned FChangeCount = 0;
};

// The character set skinned text is drawn in: that of ASkinData's string table when
// there is one, else ADefaultFont's.
uint8_t SkinTextCharset(const TspSkinData* ASkinData, const TFont& ADefaultFont);

// ---------------------------------------------------------------- compressed skins

// A whole skin as one block of zlib data: the payload holds its version, the five
// frame pictures (each an empty flag and a BMP file image), the picture list and the
// skin description as text. A compressed skin file is the version 2, the length of the
// zlib data and the data (little-endian 32-bit integers). Cursors are not kept.
//
// Reading checks every version, count and length against the bytes present and stops
// inflating at a cap: a damaged or hostile file raises EReadError (or
// EDecompressionError from the zlib data) with a message that says what is wrong.
//
// Implementation: SkinData_Compressed.cpp (the stored skin and the payload),
// SkinData_SkinList.cpp (the skin list).
class TspCompressedStoredSkin : public TComponent {
 public:
  // No skin inflates to more than this.
  static constexpr int64_t MaxPayloadBytes = int64_t(256) << 20;

  explicit TspCompressedStoredSkin(TComponent* AOwner);

  bool Empty() const { return FCompressedStream.Size() == 0; }
  // The zlib data, without header.
  TMemoryStream& CompressedStream() { return FCompressedStream; }

  // The payload of ASkinData's skin, compressed.
  void LoadFromSkinData(TspSkinData& ASkinData);
  // The payload of a skin folder: its description and the pictures it names (read
  // by their content; an unreadable one is kept as an empty picture). A file that is
  // not a skin description changes nothing.
  void LoadFromIniFile(const String& AFileName);
  // The inflated payload, written into AStream at its position.
  void DeCompressToStream(TStream& AStream);

  // Nothing for an empty stored skin.
  void SaveToCompressFile(const String& AFileName);
  void SaveToCompressStream(TStream& AStream);
  // Empties the stored skin, then reads the header and the data. A version above 3, a
  // length beyond the bytes present or of more than MaxPayloadBytes raise EReadError.
  void LoadFromCompressFile(const String& AFileName);
  // From the stream's start.
  void LoadFromCompressStream(TStream& AStream);

  // The names of the skin the data came from, stored without folder. While the
  // component is being designed, setting FileName loads the skin folder and setting
  // CompressedFileName the compressed file.
  const String& FileName() const { return FFileName; }
  void SetFileName(const String& AValue);
  const String& CompressedFileName() const { return FCompressedFileName; }
  void SetCompressedFileName(const String& AValue);
  String Description;

 private:
  bool IsBeingDesigned() const;

  String FFileName;
  String FCompressedFileName;
  mutable TMemoryStream FCompressedStream;  // Size() is not const
};

// One skin of a TspCompressedSkinList.
class TspSkinListItem : public TCollectionItem {
 public:
  // Named "spSkin<index>".
  explicit TspSkinListItem(TCollection* ACollection);

  void Assign(const TPersistent& ASource) override;
  TspCompressedStoredSkin& Skin() { return *FSkin; }
  const String& Name() const { return FName; }
  void SetName(const String& AValue) { FName = AValue; }
  String GetDisplayName() const override { return FName; }
  // While the owning list is being designed, setting FileName loads the skin folder
  // and setting CompressedFileName the compressed file.
  const String& FileName() const { return FFileName; }
  void SetFileName(const String& AValue);
  const String& CompressedFileName() const { return FCompressedFileName; }
  void SetCompressedFileName(const String& AValue);
  String Description;

 private:
  bool ListIsBeingDesigned() const;

  std::unique_ptr<TspCompressedStoredSkin> FSkin;
  String FName;
  String FFileName;
  String FCompressedFileName;
};

class TspSkinListItems : public TCollection {
 public:
  explicit TspSkinListItems(TspCompressedSkinList* ASkinList);
  TspSkinListItem* Items(int AIndex) const {
    return static_cast<TspSkinListItem*>(TCollection::Items(AIndex));
  }
  TspCompressedSkinList* SkinList() const { return FSkinList; }

 private:
  TspCompressedSkinList* FSkinList;
};

// A list of stored skins a TspSkinData can switch between by index.
class TspCompressedSkinList : public TComponent {
 public:
  explicit TspCompressedSkinList(TComponent* AOwner);
  TspSkinListItems& Skins() { return FSkins; }
  // Copies the items.
  void SetSkins(const TspSkinListItems& AValue) { FSkins.Assign(AValue); }

 private:
  TspSkinListItems FSkins{this};
};
