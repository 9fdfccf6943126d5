// Control descriptions of tabs, the main menu bar and frame strips.

#include "components/core/SkinData.h"

TspDataSkinTabControl::TspDataSkinTabControl(const String& AIDName) : TspDataSkinControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinTabControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinControl::DescribeKeys(AKeys);
  AKeys.RectKey("tabrect", TabRect);
  AKeys.RectKey("activetabrect", ActiveTabRect);
  AKeys.RectKey("focustabrect", FocusTabRect);
  AKeys.RectKey("mouseintabrect", MouseInTabRect);
  AKeys.RectKey("clientrect", ClRect);
  AKeys.RectKey("tabsbgrect", TabsBGRect);
  AKeys.PointKey("lefttoppoint", LTPoint);
  AKeys.PointKey("righttoppoint", RTPoint);
  AKeys.PointKey("leftbottompoint", LBPoint);
  AKeys.PointKey("rightbottompoint", RBPoint);
  AKeys.IntegerKey("tableftoffset", TabLeftOffset, 0);
  AKeys.IntegerKey("tabrightoffset", TabRightOffset, 0);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
  AKeys.ColorKey("activefontcolor", ActiveFontColor);
  AKeys.ColorKey("focusfontcolor", FocusFontColor);
  AKeys.ColorKey("mouseinfontcolor", MouseInFontColor);
  AKeys.NameKey("updown", UpDown);
  AKeys.PictureKey("bgpictureindex", BGPictureIndex);
  AKeys.BooleanKey("tabstretcheffect", TabStretchEffect);
  AKeys.BooleanKey("leftstretch", LeftStretch);
  AKeys.BooleanKey("topstretch", TopStretch);
  AKeys.BooleanKey("rightstretch", RightStretch);
  AKeys.BooleanKey("bottomstretch", BottomStretch);
  AKeys.BooleanKey("showfocus", ShowFocus);
  AKeys.IntegerKey("focusoffsetx", FocusOffsetX, 0);
  AKeys.IntegerKey("focusoffsety", FocusOffsetY, 0);
  AKeys.BooleanKey("stretcheffect", StretchEffect);
  AKeys.WordKey("stretchtype", StretchType);
  AKeys.RectKey("closebuttonrect", CloseButtonRect);
  AKeys.RectKey("closebuttonactiverect", CloseButtonActiveRect);
  AKeys.RectKey("closebuttondownrect", CloseButtonDownRect);
  AKeys.BooleanKey("buttontransparent", ButtonTransparent);
  AKeys.ColorKey("buttontransparentcolor", ButtonTransparentColor);
  AKeys.RectKey("tableftbottomactiverect", TabLeftBottomActiveRect);
  AKeys.RectKey("tableftbottomfocusrect", TabLeftBottomFocusRect);
}

TspDataSkinMainMenuBar::TspDataSkinMainMenuBar(const String& AIDName) : TspDataSkinControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinMainMenuBar::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinControl::DescribeKeys(AKeys);
  AKeys.RectKey("itemsrect", ItemsRect);
  AKeys.NameKey("menubaritem", MenuBarItem);
  AKeys.NameKey("closebutton", CloseButton);
  AKeys.NameKey("maxbutton", MaxButton);
  AKeys.NameKey("minbutton", MinButton);
  AKeys.NameKey("sysmenubutton", SysMenuButton);
  AKeys.ColorKey("trackmarkcolor", TrackMarkColor);
  AKeys.ColorKey("trackmarkactivecolor", TrackMarkActiveColor);
  AKeys.BooleanKey("stretcheffect", StretchEffect);
  AKeys.BooleanKey("itemtransparent", ItemTransparent);
}

TspDataSkinFrameControl::TspDataSkinFrameControl(const String& AIDName) : TspDataSkinControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinFrameControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinControl::DescribeKeys(AKeys);
  AKeys.CountKey("framescount", FramesCount, 1);
  AKeys.WordKey("framesplacement", FramesPlacement);
}

// The controls divide the strip by the count.
void TspDataSkinFrameControl::DeriveValues() { FramesCount = MaxOf(FramesCount, 1); }

TspDataSkinFrameRegulator::TspDataSkinFrameRegulator(const String& AIDName)
    : TspDataSkinFrameControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinFrameRegulator::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinFrameControl::DescribeKeys(AKeys);
  AKeys.WordKey("kind", Kind);
}
