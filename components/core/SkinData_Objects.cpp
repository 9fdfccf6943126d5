// Object descriptions: the parts of a skinned form's frame and the items of menus.

#include "components/core/SkinData.h"

namespace {

// A maximize, minimize or roll-up button without a restore hint of its own gets
// "Restore" for its restored state.
void DeriveRestoreHint(const String& AHint, TStdCommand ACommand, String& ARestoreHint) {
  if (!ARestoreHint.empty()) return;
  bool Restorable = (AHint == "Maximize" && ACommand == cmMaximize) ||
                    (AHint == "Minimize" && ACommand == cmMinimize) ||
                    ((AHint == "RollUp" || AHint == "Roll Up") && ACommand == cmRollUp);
  if (Restorable) ARestoreHint = "Restore";
}

void DescribeRestoreKeys(TspSkinKeys& AKeys, TRect& ARestore, TRect& AActive, TRect& ADown, TRect& AInActive,
                         String& AHint) {
  AKeys.RectKey("restorerect", ARestore);
  AKeys.RectKey("restoreactiverect", AActive);
  AKeys.RectKey("restoredownrect", ADown);
  AKeys.RectKey("restoreinactiverect", AInActive);
  AKeys.TextKey("restorehint", AHint, "");
}

void DescribeAnimationKeys(TspSkinKeys& AKeys, TRect& ASkinRect, int& AFrameCount, int& AInterval,
                           bool& AInActiveAnimation) {
  AKeys.RectKey("animateskinrect", ASkinRect);
  AKeys.CountKey("framecount", AFrameCount, 0);
  AKeys.IntegerKey("animateinterval", AInterval, 25);
  AKeys.BooleanKey("inactiveanimation", AInActiveAnimation);
}

}  // namespace

void TspDataUserObject::DescribeKeys(TspSkinKeys& AKeys) {
  AKeys.BooleanKey("rollup", RollUp);
  AKeys.RectKey("skinrect", SkinRect);
  AKeys.CursorKey("cursorindex", CursorIndex);
}

TspDataSkinButton::TspDataSkinButton(const String& AIDName) : TspDataSkinObject(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinButton::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinObject::DescribeKeys(AKeys);
  AKeys.IntegerKey("groupindex", GroupIndex, -1);
  AKeys.RectKey("downrect", DownRect);
  AKeys.RectKey("disableskinrsect", DisableSkinRect);
  AKeys.PictureKey("alphamaskpictureindex", AlphaMaskPictureIndex);
  AKeys.PictureKey("alphamaskactivepictureindex", AlphaMaskActivePictureIndex);
  AKeys.PictureKey("alphamaskinactivepictureindex", AlphaMaskInActivePictureIndex);
}

TspDataSkinStdButton::TspDataSkinStdButton(const String& AIDName) : TspDataSkinButton(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinStdButton::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinButton::DescribeKeys(AKeys);
  AKeys.WordKey("command", Command);
  DescribeRestoreKeys(AKeys, RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect,
                      RestoreHint);
}

void TspDataSkinStdButton::DeriveValues() { DeriveRestoreHint(Hint, Command, RestoreHint); }

TspDataSkinCaption::TspDataSkinCaption(const String& AIDName) : TspDataSkinObject(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinCaption::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinObject::DescribeKeys(AKeys);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
  AKeys.ColorKey("activefontcolor", ActiveFontColor);
  AKeys.ColorKey("shadowcolor", ShadowColor);
  AKeys.ColorKey("activeshadowcolor", ActiveShadowColor);
  AKeys.BooleanKey("shadow", Shadow);
  AKeys.AlignmentKey("alignment", Alignment);
  AKeys.RectKey("textrect", TextRct);
  AKeys.BooleanKey("defaultcaption", DefaultCaption);
  AKeys.RectKey("framerect", FrameRect);
  AKeys.RectKey("activeframerect", ActiveFrameRect);
  AKeys.IntegerKey("frameleftoffset", FrameLeftOffset, 0);
  AKeys.IntegerKey("framerightoffset", FrameRightOffset, 0);
  AKeys.RectKey("frametextrect", FrameTextRect);
  AKeys.BooleanKey("light", Light);
  AKeys.ColorKey("lightcolor", LightColor);
  AKeys.ColorKey("activelightcolor", ActiveLightColor);
  AKeys.BooleanKey("stretcheffect", StretchEffect);
  DescribeAnimationKeys(AKeys, AnimateSkinRect, FrameCount, AnimateInterval, InActiveAnimation);
  AKeys.BooleanKey("fullframe", FullFrame);
  AKeys.BooleanKey("vistagloweffect", VistaGlowEffect);
  AKeys.BooleanKey("vistaglowinactiveeffect", VistaGlowInActiveEffect);
  AKeys.BooleanKey("gloweffect", GlowEffect);
  AKeys.BooleanKey("glowinactiveeffect", GlowInActiveEffect);
  AKeys.IntegerKey("glowsize", GlowSize, 3);
  AKeys.ColorKey("glowcolor", GlowColor);
  AKeys.ColorKey("glowactivecolor", GlowActiveColor);
  AKeys.IntegerKey("glowoffset", GlowOffset, 0);
  AKeys.BooleanKey("reflectioneffect", ReflectionEffect);
  AKeys.ColorKey("reflactioncolor", ReflectionColor);
  AKeys.ColorKey("reflactionactivecolor", ReflectionActiveColor);
  AKeys.IntegerKey("reflectionoffset", ReflectionOffset, 0);
  AKeys.RectKey("dividerrect", DividerRect);
  AKeys.RectKey("inactivedividerrect", InActiveDividerRect);
  AKeys.BooleanKey("dividertransparent", DividerTransparent);
  AKeys.ColorKey("dividertransparentcolor", DividerTransparentColor);
  AKeys.PictureKey("quickbuttonalphamaskpictureindex", QuickButtonAlphaMaskPictureIndex);
}

TspDataSkinLabel::TspDataSkinLabel(const String& AIDName) : TspDataSkinObject(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinLabel::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinObject::DescribeKeys(AKeys);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
  AKeys.ColorKey("activefontcolor", ActiveFontColor);
  AKeys.AlignmentKey("alignment", Alignment);
  AKeys.TextKey("textvalue", TextValue, "");
}

TspDataSkinBitLabel::TspDataSkinBitLabel(const String& AIDName) : TspDataSkinObject(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinBitLabel::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinObject::DescribeKeys(AKeys);
  AKeys.TextLinesKey("symbols", Symbols);
  AKeys.TextKey("textvalue", TextValue, "");
  AKeys.IntegerKey("symbolwidth", SymbolWidth, 0);
  AKeys.IntegerKey("symbolheight", SymbolHeight, 0);
  AKeys.BooleanKey("transparent", Transparent);
  AKeys.ColorKey("transparentcolor", TransparentColor, clFuchsia);
}

void TspDataSkinBitLabel::DeriveValues() { Morphing = false; }

TspDataSkinTrackBar::TspDataSkinTrackBar(const String& AIDName) : TspDataSkinObject(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinTrackBar::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinObject::DescribeKeys(AKeys);
  AKeys.RectKey("buttonrect", ButtonRect);
  AKeys.RectKey("activebuttonrect", ActiveButtonRect);
  AKeys.PointKey("beginpoint", BeginPoint);
  AKeys.PointKey("endpoint", EndPoint);
  AKeys.IntegerKey("minvalue", MinValue, 0);
  AKeys.IntegerKey("maxvalue", MaxValue, 0);
  AKeys.BooleanKey("mousedownchangevalue", MouseDownChangeValue);
  AKeys.BooleanKey("buttontransparent", ButtonTransparent);
  AKeys.ColorKey("buttontransparentcolor", ButtonTransparentColor);
}

void TspDataSkinTrackBar::DeriveValues() { Morphing = false; }

TspDataSkinGauge::TspDataSkinGauge(const String& AIDName) : TspDataSkinObject(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinGauge::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinObject::DescribeKeys(AKeys);
  AKeys.IntegerKey("minvalue", MinValue, 0);
  AKeys.IntegerKey("maxvalue", MaxValue, 0);
  AKeys.WordKey("kind", Kind);
}

TspDataSkinFrameGaugeObject::TspDataSkinFrameGaugeObject(const String& AIDName) : TspDataSkinObject(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinFrameGaugeObject::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinObject::DescribeKeys(AKeys);
  AKeys.IntegerKey("minvalue", MinValue, 0);
  AKeys.IntegerKey("maxvalue", MaxValue, 0);
  AKeys.CountKey("countframes", CountFrames, 0);
  AKeys.WordKey("framesplacement", FramesPlacement);
}

TspDataSkinFrameRegulatorObject::TspDataSkinFrameRegulatorObject(const String& AIDName)
    : TspDataSkinObject(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinFrameRegulatorObject::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinObject::DescribeKeys(AKeys);
  AKeys.IntegerKey("minvalue", MinValue, 0);
  AKeys.IntegerKey("maxvalue", MaxValue, 0);
  AKeys.CountKey("countframes", CountFrames, 0);
  AKeys.WordKey("framesplacement", FramesPlacement);
  AKeys.WordKey("kind", Kind);
}

TspDataSkinAnimate::TspDataSkinAnimate(const String& AIDName) : TspDataSkinObject(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinAnimate::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinObject::DescribeKeys(AKeys);
  AKeys.CountKey("countframes", CountFrames, 1);
  AKeys.BooleanKey("cycle", Cycle);
  AKeys.BooleanKey("buttonstyle", ButtonStyle);
  AKeys.IntegerKey("timerinterval", TimerInterval, 50);
  AKeys.WordKey("command", Command);
  AKeys.RectKey("downskinrect", DownSkinRect);
  DescribeRestoreKeys(AKeys, RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect,
                      RestoreHint);
}

void TspDataSkinAnimate::DeriveValues() {
  Morphing = false;
  DeriveRestoreHint(Hint, Command, RestoreHint);
}

TspDataSkinMenuItem::TspDataSkinMenuItem(const String& AIDName) : TspDataSkinObject(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinMenuItem::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinObject::DescribeKeys(AKeys);
  AKeys.RectKey("dividerrect", DividerRect);
  AKeys.IntegerKey("dividerleftoffset", DividerLO, 0);
  AKeys.IntegerKey("dividerrightoffset", DividerRO, 0);
  AKeys.IntegerKey("itemleftoffset", ItemLO, 0);
  AKeys.IntegerKey("itemrightoffset", ItemRO, 0);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
  AKeys.ColorKey("unenabledfontcolor", UnEnabledFontColor);
  AKeys.ColorKey("activefontcolor", ActiveFontColor);
  AKeys.RectKey("textrect", TextRct);
  AKeys.BooleanKey("stretcheffect", StretchEffect);
  AKeys.BooleanKey("dividerstretcheffect", DividerStretchEffect);
  AKeys.BooleanKey("inactivestretcheffect", InActiveStretchEffect);
  DescribeAnimationKeys(AKeys, AnimateSkinRect, FrameCount, AnimateInterval, InActiveAnimation);
  AKeys.RectKey("imagerect", ImageRct);
  AKeys.BooleanKey("useimagecolor", UseImageColor);
  AKeys.ColorKey("imagecolor", ImageColor);
  AKeys.ColorKey("activeimagecolor", ActiveImageColor);
  AKeys.BooleanKey("inactivetransparent", InActiveTransparent);
  AKeys.RectKey("checkimagerect", CheckImageRect);
  AKeys.RectKey("activecheckimagerect", ActiveCheckImageRect);
  AKeys.RectKey("radioimagerect", RadioImageRect);
  AKeys.RectKey("activeradioimagerect", ActiveRadioImageRect);
  AKeys.RectKey("arrowimagerect", ArrowImageRect);
  AKeys.RectKey("activearrowimagerect", ActiveArrowImageRect);
}

void TspDataSkinMenuItem::DeriveValues() {
  if (RectangleIsEmpty(ActiveCheckImageRect)) ActiveCheckImageRect = CheckImageRect;
  if (RectangleIsEmpty(ActiveRadioImageRect)) ActiveRadioImageRect = RadioImageRect;
  if (RectangleIsEmpty(ActiveArrowImageRect)) ActiveArrowImageRect = ArrowImageRect;
}

TspDataSkinMainMenuItem::TspDataSkinMainMenuItem(const String& AIDName) : TspDataSkinObject(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinMainMenuItem::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinObject::DescribeKeys(AKeys);
  AKeys.RectKey("downrect", DownRect);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
  AKeys.ColorKey("activefontcolor", ActiveFontColor);
  AKeys.ColorKey("downfontcolor", DownFontColor);
  AKeys.ColorKey("unenabledfontColor", UnEnabledFontColor);
  AKeys.RectKey("textrect", TextRct);
  AKeys.IntegerKey("itemleftoffset", ItemLO, 0);
  AKeys.IntegerKey("itemrightoffset", ItemRO, 0);
  AKeys.BooleanKey("stretcheffect", StretchEffect);
  DescribeAnimationKeys(AKeys, AnimateSkinRect, FrameCount, AnimateInterval, InActiveAnimation);
}
