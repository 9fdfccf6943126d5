// Control descriptions of buttons, labels, panels and bars.

#include "components/core/SkinData.h"

TspDataSkinButtonControl::TspDataSkinButtonControl(const String& AIDName)
    : TspDataSkinCustomControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinButtonControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinCustomControl::DescribeKeys(AKeys);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
  AKeys.ColorKey("activefontcolor", ActiveFontColor);
  AKeys.ColorKey("downfontcolor", DownFontColor);
  AKeys.ColorKey("disabledfontcolor", DisabledFontColor);
  AKeys.BooleanKey("morphing", Morphing);
  AKeys.WordKey("morphkind", MorphKind);
  AKeys.RectKey("activeskinrect", ActiveSkinRect);
  AKeys.RectKey("downskinrect", DownSkinRect);
  AKeys.RectKey("disabledskinrect", DisabledSkinRect);
  AKeys.RectKey("focusedskinrect", FocusedSkinRect);
  AKeys.RectKey("animateskinrect", AnimateSkinRect);
  AKeys.CountKey("framecount", FrameCount, 0);
  AKeys.IntegerKey("animateinterval", AnimateInterval, 25);
  AKeys.BooleanKey("showfocus", ShowFocus);
  AKeys.RectKey("menumarkerflatrect", MenuMarkerFlatRect);
  AKeys.RectKey("menumarkerrect", MenuMarkerRect);
  AKeys.RectKey("menumarkeractiverect", MenuMarkerActiveRect);
  AKeys.RectKey("menumarkerdownrect", MenuMarkerDownRect);
  AKeys.ColorKey("menumarkertransparentcolor", MenuMarkerTransparentColor);
  AKeys.PictureKey("glowlayerpictureindex", GlowLayerPictureIndex);
  AKeys.PictureKey("glowlayermaskpictureindex", GlowLayerMaskPictureIndex);
  AKeys.IntegerKey("glowlayeroffsetleft", GlowLayerOffsetLeft, 0);
  AKeys.IntegerKey("glowlayeroffsetright", GlowLayerOffsetRight, 0);
  AKeys.IntegerKey("glowlayeroffsettop", GlowLayerOffsetTop, 0);
  AKeys.IntegerKey("glowlayeroffsetbottom", GlowLayerOffsetBottom, 0);
  AKeys.IntegerKey("glowlayershowoffsetx", GlowLayerShowOffsetX, 0);
  AKeys.IntegerKey("glowlayershowoffsety", GlowLayerShowOffsetY, 0);
  AKeys.IntegerKey("glowlayeralphablendvalue", GlowLayerAlphaBlendValue, 255);
}

TspDataSkinMenuButtonControl::TspDataSkinMenuButtonControl(const String& AIDName)
    : TspDataSkinButtonControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinMenuButtonControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinButtonControl::DescribeKeys(AKeys);
  AKeys.RectKey("trackbuttonrect", TrackButtonRect);
}

TspDataSkinCheckRadioControl::TspDataSkinCheckRadioControl(const String& AIDName)
    : TspDataSkinCustomControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinCheckRadioControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinCustomControl::DescribeKeys(AKeys);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
  AKeys.ColorKey("activefontcolor", ActiveFontColor);
  AKeys.ColorKey("unenabledfontcolor", UnEnabledFontColor);
  AKeys.BooleanKey("morphing", Morphing);
  AKeys.WordKey("morphkind", MorphKind);
  AKeys.RectKey("activeskinrect", ActiveSkinRect);
  AKeys.RectKey("checkimagearea", CheckImageArea);
  AKeys.RectKey("textarea", TextArea);
  AKeys.RectKey("checkimagerect", CheckImageRect);
  AKeys.RectKey("uncheckimagerect", UnCheckImageRect);
  AKeys.RectKey("activecheckimagerect", ActiveCheckImageRect);
  AKeys.RectKey("activeuncheckimagerect", ActiveUnCheckImageRect);
  AKeys.RectKey("unenabledcheckimagerect", UnEnabledCheckImageRect);
  AKeys.RectKey("unenableduncheckimagerect", UnEnabledUnCheckImageRect);
  AKeys.RectKey("grayedcheckimagerect", GrayedCheckImageRect);
  AKeys.RectKey("activegrayedcheckimagerect", ActiveGrayedCheckImageRect);
  AKeys.ColorKey("framefontcolor", FrameFontColor);
}

TspDataSkinLabelControl::TspDataSkinLabelControl(const String& AIDName) : TspDataSkinCustomControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinLabelControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinCustomControl::DescribeKeys(AKeys);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
}

TspDataSkinStdLabelControl::TspDataSkinStdLabelControl(const String& AIDName) : TspDataSkinControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinStdLabelControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinControl::DescribeKeys(AKeys);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
  AKeys.ColorKey("activefontcolor", ActiveFontColor, clBlue);
}

TspDataSkinBitLabelControl::TspDataSkinBitLabelControl(const String& AIDName)
    : TspDataSkinCustomControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinBitLabelControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinCustomControl::DescribeKeys(AKeys);
  AKeys.RectKey("skintextrect", SkinTextRect);
  AKeys.IntegerKey("symbolwidth", SymbolWidth, 0);
  AKeys.IntegerKey("symbolheight", SymbolHeight, 0);
  AKeys.TextLinesKey("symbols", Symbols);
}

TspDataSkinPanelControl::TspDataSkinPanelControl(const String& AIDName) : TspDataSkinCustomControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinPanelControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinCustomControl::DescribeKeys(AKeys);
  AKeys.RectKey("captionrect", CaptionRect);
  AKeys.AlignmentKey("alignment", Alignment);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
  AKeys.PictureKey("bgpictureindex", BGPictureIndex);
  AKeys.RectKey("checkimagerect", CheckImageRect);
  AKeys.RectKey("uncheckimagerect", UnCheckImageRect);
  AKeys.RectKey("markframerect", MarkFrameRect);
  AKeys.RectKey("framerect", FrameRect);
  AKeys.IntegerKey("frameleftoffset", FrameLeftOffset, 0);
  AKeys.IntegerKey("framerightoffset", FrameRightOffset, 0);
  AKeys.RectKey("frametextrect", FrameTextRect);
  AKeys.RectKey("gripperrect", GripperRect);
  AKeys.BooleanKey("grippertransparent", GripperTransparent);
  AKeys.ColorKey("grippertransparentcolor", GripperTransparentColor);
}

TspDataSkinExPanelControl::TspDataSkinExPanelControl(const String& AIDName)
    : TspDataSkinCustomControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinExPanelControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinCustomControl::DescribeKeys(AKeys);
  AKeys.RectKey("rollhskinrect", RollHSkinRect);
  AKeys.RectKey("rollvskinrect", RollVSkinRect);
  AKeys.IntegerKey("rollleftoffset", RollLeftOffset, 0);
  AKeys.IntegerKey("rollrightoffset", RollRightOffset, 0);
  AKeys.IntegerKey("rolltopoffset", RollTopOffset, 0);
  AKeys.IntegerKey("rollbottomoffset", RollBottomOffset, 0);
  AKeys.RectKey("rollvcaptionrect", RollVCaptionRect);
  AKeys.RectKey("rollhcaptionrect", RollHCaptionRect);
  AKeys.RectKey("closebuttonrect", CloseButtonRect);
  AKeys.RectKey("closebuttonactiverect", CloseButtonActiveRect);
  AKeys.RectKey("closebuttondownrect", CloseButtonDownRect);
  AKeys.RectKey("hrollbuttonrect", HRollButtonRect);
  AKeys.RectKey("hrollbuttonactiverect", HRollButtonActiveRect);
  AKeys.RectKey("hrollbuttondownrect", HRollButtonDownRect);
  AKeys.RectKey("hrestorebuttonrect", HRestoreButtonRect);
  AKeys.RectKey("hrestorebuttonactiverect", HRestoreButtonActiveRect);
  AKeys.RectKey("hrestorebuttondownrect", HRestoreButtonDownRect);
  AKeys.RectKey("vrollbuttonrect", VRollButtonRect);
  AKeys.RectKey("vrollbuttonactiverect", VRollButtonActiveRect);
  AKeys.RectKey("vrollbuttondownrect", VRollButtonDownRect);
  AKeys.RectKey("vrestorebuttonrect", VRestoreButtonRect);
  AKeys.RectKey("vrestorebuttonactiverect", VRestoreButtonActiveRect);
  AKeys.RectKey("vrestorebuttondownrect", VRestoreButtonDownRect);
  AKeys.RectKey("captionrect", CaptionRect);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
  AKeys.BooleanKey("buttonstransparent", ButtonsTransparent);
  AKeys.ColorKey("buttonstransparentcolor", ButtonsTransparentColor);
}

TspDataSkinScrollBoxControl::TspDataSkinScrollBoxControl(const String& AIDName)
    : TspDataSkinCustomControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinScrollBoxControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinCustomControl::DescribeKeys(AKeys);
  AKeys.PictureKey("bgpictureindex", BGPictureIndex);
}

TspDataSkinBevel::TspDataSkinBevel(const String& AIDName) : TspDataSkinControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinBevel::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinControl::DescribeKeys(AKeys);
  AKeys.ColorKey("lightcolor", LightColor);
  AKeys.ColorKey("darkcolor", DarkColor);
}

TspDataSkinSplitterControl::TspDataSkinSplitterControl(const String& AIDName)
    : TspDataSkinCustomControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinSplitterControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinCustomControl::DescribeKeys(AKeys);
  AKeys.RectKey("gripperrect", GripperRect);
  AKeys.BooleanKey("grippertransparent", GripperTransparent);
  AKeys.ColorKey("grippertransparentcolor", GripperTransparentColor);
}

TspDataSkinControlBar::TspDataSkinControlBar(const String& AIDName) : TspDataSkinCustomControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinControlBar::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinCustomControl::DescribeKeys(AKeys);
  AKeys.RectKey("itemrect", ItemRect);
  AKeys.PictureKey("bgpictureindex", BGPictureIndex);
  AKeys.RectKey("hgriprect", HGripRect);
  AKeys.RectKey("vgriprect", VGripRect);
  AKeys.IntegerKey("gripoffset1", GripOffset1, 0);
  AKeys.IntegerKey("gripoffset2", GripOffset2, 0);
  AKeys.BooleanKey("itemstretcheffect", ItemStretchEffect);
  AKeys.IntegerKey("itemoffset1", ItemOffset1, 3);
  AKeys.IntegerKey("itemoffset2", ItemOffset2, 3);
  AKeys.BooleanKey("itemtransparent", ItemTransparent);
  AKeys.ColorKey("itemtransparentcolor", ItemTransparentColor);
  AKeys.BooleanKey("griptransparent", GripTransparent);
  AKeys.ColorKey("griptransparentcolor", GripTransparentColor);
}

TspDataSkinGaugeControl::TspDataSkinGaugeControl(const String& AIDName) : TspDataSkinCustomControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinGaugeControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinCustomControl::DescribeKeys(AKeys);
  AKeys.RectKey("progressarea", ProgressArea);
  AKeys.RectKey("progressrect", ProgressRect);
  AKeys.BooleanKey("progresstransparent", ProgressTransparent);
  AKeys.ColorKey("progresstransparentcolor", ProgressTransparentColor);
  AKeys.BooleanKey("progressstretch", ProgressStretch);
  AKeys.BooleanKey("vertical", Vertical);
  AKeys.IntegerKey("beginoffset", BeginOffset, 0);
  AKeys.IntegerKey("endoffset", EndOffset, 0);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
  AKeys.RectKey("animationskinrect", AnimationSkinRect);
  AKeys.CountKey("animationcountframes", AnimationCountFrames, 0);
  AKeys.IntegerKey("animationtimerinterval", AnimationTimerInterval, 0);
  AKeys.RectKey("progressanimationskinrect", ProgressAnimationSkinRect);
  AKeys.CountKey("progressanimationcountframes", ProgressAnimationCountFrames, 0);
  AKeys.IntegerKey("progressanimationtimerinterval", ProgressAnimationTimerInterval, 0);
  AKeys.IntegerKey("animationbeginoffset", AnimationBeginOffset, 0);
  AKeys.IntegerKey("animationendoffset", AnimationEndOffset, 0);
}

TspDataSkinTrackBarControl::TspDataSkinTrackBarControl(const String& AIDName)
    : TspDataSkinCustomControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinTrackBarControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinCustomControl::DescribeKeys(AKeys);
  AKeys.RectKey("activeskinrect", ActiveSkinRect);
  AKeys.RectKey("trackarea", TrackArea);
  AKeys.RectKey("buttonrect", ButtonRect);
  AKeys.RectKey("activebuttonrect", ActiveButtonRect);
  AKeys.BooleanKey("vertical", Vertical);
  AKeys.BooleanKey("buttontransparent", ButtonTransparent);
  AKeys.ColorKey("buttontransparentcolor", ButtonTransparentColor);
}
