// Control descriptions of edits, lists, scroll bars, views, grids and sliders.

#include "components/core/SkinData.h"

namespace {

// The up and down buttons of up-downs, spin edits, list boxes and scroll bars.
void DescribeUpDownButtonKeys(TspSkinKeys& AKeys, TRect& AUp, TRect& AActiveUp, TRect& ADownUp, TRect& ADown,
                              TRect& AActiveDown, TRect& ADownDown) {
  AKeys.RectKey("upbuttonrect", AUp);
  AKeys.RectKey("activeupbuttonrect", AActiveUp);
  AKeys.RectKey("downupbuttonrect", ADownUp);
  AKeys.RectKey("downbuttonrect", ADown);
  AKeys.RectKey("activedownbuttonrect", AActiveDown);
  AKeys.RectKey("downdownbuttonrect", ADownDown);
}

// The rows of combo boxes and list boxes: their pictures and text place.
void DescribeItemKeys(TspSkinKeys& AKeys, TRect& AItem, TRect& AActiveItem, TRect& AFocusItem,
                      int& ALeftOffset, int& ARightOffset, TRect& AItemText) {
  AKeys.RectKey("itemrect", AItem);
  AKeys.RectKey("activeitemrect", AActiveItem);
  AKeys.RectKey("focusitemrect", AFocusItem);
  AKeys.IntegerKey("itemleftoffset", ALeftOffset, 0);
  AKeys.IntegerKey("itemrightoffset", ARightOffset, 0);
  AKeys.RectKey("itemtextrect", AItemText);
}

}  // namespace

TspDataSkinEditControl::TspDataSkinEditControl(const String& AIDName) : TspDataSkinCustomControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinEditControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinCustomControl::DescribeKeys(AKeys);
  AKeys.RectKey("activeskinrect", ActiveSkinRect);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
  AKeys.ColorKey("disabledfontcolor", DisabledFontColor);
  AKeys.ColorKey("activefontcolor", ActiveFontColor);
  AKeys.RectKey("buttonrect", ButtonRect);
  AKeys.RectKey("activebuttonrect", ActiveButtonRect);
  AKeys.RectKey("downbuttonrect", DownButtonRect);
  AKeys.RectKey("unenabledbuttonrect", UnEnabledButtonRect);
}

TspDataSkinMemoControl::TspDataSkinMemoControl(const String& AIDName) : TspDataSkinEditControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinMemoControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinEditControl::DescribeKeys(AKeys);
  AKeys.ColorKey("bgcolor", BGColor);
  AKeys.ColorKey("activebgcolor", ActiveBGColor);
}

TspDataSkinSpinEditControl::TspDataSkinSpinEditControl(const String& AIDName)
    : TspDataSkinCustomControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinSpinEditControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinCustomControl::DescribeKeys(AKeys);
  AKeys.RectKey("activeskinrect", ActiveSkinRect);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
  AKeys.ColorKey("activefontcolor", ActiveFontColor);
  AKeys.ColorKey("disabledfontcolor", DisabledFontColor);
  DescribeUpDownButtonKeys(AKeys, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect,
                           ActiveDownButtonRect, DownDownButtonRect);
}

TspDataSkinUpDownControl::TspDataSkinUpDownControl(const String& AIDName)
    : TspDataSkinCustomControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinUpDownControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinCustomControl::DescribeKeys(AKeys);
  DescribeUpDownButtonKeys(AKeys, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect,
                           ActiveDownButtonRect, DownDownButtonRect);
}

void TspDataSkinUpDownControl::DeriveValues() {
  LTPoint = RTPoint = LBPoint = RBPoint = TPoint();
  ClRect = TRect();
}

void TspDataSkinUpDownControl::PrepareToStore() { DeriveValues(); }

TspDataSkinComboBox::TspDataSkinComboBox(const String& AIDName) : TspDataSkinCustomControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinComboBox::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinCustomControl::DescribeKeys(AKeys);
  DescribeItemKeys(AKeys, SItemRect, ActiveItemRect, FocusItemRect, ItemLeftOffset, ItemRightOffset,
                   ItemTextRect);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
  AKeys.ColorKey("focusfontcolor", FocusFontColor);
  AKeys.ColorKey("activefontcolor", ActiveFontColor);
  AKeys.RectKey("buttonrect", ButtonRect);
  AKeys.RectKey("activebuttonrect", ActiveButtonRect);
  AKeys.RectKey("downbuttonrect", DownButtonRect);
  AKeys.RectKey("unenabledbuttonrect", UnEnabledButtonRect);
  AKeys.BooleanKey("itemstretcheffect", ItemStretchEffect);
  AKeys.BooleanKey("focusitemstretcheffect", FocusItemStretchEffect);
  AKeys.RectKey("activeskinrect", ActiveSkinRect);
  AKeys.BooleanKey("showfocus", ShowFocus);
  AKeys.NameKey("listboxname", ListBoxName);
}

TspDataSkinListBox::TspDataSkinListBox(const String& AIDName) : TspDataSkinCustomControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinListBox::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinCustomControl::DescribeKeys(AKeys);
  DescribeItemKeys(AKeys, SItemRect, ActiveItemRect, FocusItemRect, ItemLeftOffset, ItemRightOffset,
                   ItemTextRect);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
  AKeys.ColorKey("activefontcolor", ActiveFontColor);
  AKeys.ColorKey("focusfontcolor", FocusFontColor);
  AKeys.RectKey("captionrect", CaptionRect);
  AKeys.FontKeys("caption", CaptionFontName, CaptionFontStyle, CaptionFontHeight, CaptionFontColor);
  DescribeUpDownButtonKeys(AKeys, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect,
                           ActiveDownButtonRect, DownDownButtonRect);
  AKeys.RectKey("checkbuttonrect", CheckButtonRect);
  AKeys.RectKey("activecheckbuttonrect", ActiveCheckButtonRect);
  AKeys.RectKey("downcheckbuttonrect", DownCheckButtonRect);
  AKeys.NameKey("hscrollbarname", HScrollBarName, "hscrollbar");
  AKeys.NameKey("vscrollbarname", VScrollBarName, "vscrollbar");
  AKeys.NameKey("bothhscrollbarname", BothScrollBarName, "bothhscrollbar");
  AKeys.BooleanKey("showfocus", ShowFocus);
  AKeys.RectKey("disabledbuttonsrect", DisabledButtonsRect);
  AKeys.RectKey("buttonsarea", ButtonsArea);
}

TspDataSkinCheckListBox::TspDataSkinCheckListBox(const String& AIDName) : TspDataSkinListBox(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinCheckListBox::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinListBox::DescribeKeys(AKeys);
  AKeys.RectKey("uncheckimagerect", UnCheckImageRect);
  AKeys.RectKey("checkimagerect", CheckImageRect);
  AKeys.RectKey("itemcheckrect", ItemCheckRect);
}

TspDataSkinScrollBarControl::TspDataSkinScrollBarControl(const String& AIDName)
    : TspDataSkinCustomControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinScrollBarControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinCustomControl::DescribeKeys(AKeys);
  AKeys.RectKey("trackarea", TrackArea);
  DescribeUpDownButtonKeys(AKeys, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect,
                           ActiveDownButtonRect, DownDownButtonRect);
  AKeys.RectKey("thumbrect", ThumbRect);
  AKeys.RectKey("activethumbrect", ActiveThumbRect);
  AKeys.RectKey("downthumbrect", DownThumbRect);
  AKeys.IntegerKey("thumboffset1", ThumbOffset1, 0);
  AKeys.IntegerKey("thumboffset2", ThumbOffset2, 0);
  AKeys.RectKey("glyphrect", GlyphRect);
  AKeys.RectKey("activeglyphrect", ActiveGlyphRect);
  AKeys.RectKey("downglyphrect", DownGlyphRect);
  AKeys.BooleanKey("glyphtransparent", GlyphTransparent);
  AKeys.ColorKey("glyphtransparentcolor", GlyphTransparentColor);
  AKeys.BooleanKey("thumbtransparent", ThumbTransparent);
  AKeys.ColorKey("thumbtransparentcolor", ThumbTransparentColor);
  AKeys.BooleanKey("thumbstretcheffect", ThumbStretchEffect);
  AKeys.IntegerKey("thumbminsize", ThumbMinSize, 0);
  AKeys.IntegerKey("thumbminpagesize", ThumbMinPageSize, 0);
}

TspDataSkinTreeView::TspDataSkinTreeView(const String& AIDName) : TspDataSkinControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinTreeView::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinControl::DescribeKeys(AKeys);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
  AKeys.ColorKey("bgcolor", BGColor);
  AKeys.RectKey("expandimagerect", ExpandImageRect);
  AKeys.RectKey("noexpandimagerect", NoExpandImageRect);
}

TspDataSkinViewControl::TspDataSkinViewControl(const String& AIDName) : TspDataSkinControl(AIDName) {}

void TspDataSkinViewControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinControl::DescribeKeys(AKeys);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
  AKeys.ColorKey("bgcolor", BGColor);
}

TspDataSkinListView::TspDataSkinListView(const String& AIDName) : TspDataSkinViewControl(AIDName) {
  ResetToKeyDefaults();
}

TspDataSkinRichEdit::TspDataSkinRichEdit(const String& AIDName) : TspDataSkinViewControl(AIDName) {
  ResetToKeyDefaults();
}

TspDataSkinGridControl::TspDataSkinGridControl(const String& AIDName) : TspDataSkinControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinGridControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinControl::DescribeKeys(AKeys);
  AKeys.RectKey("fixedcellrect", FixedCellRect);
  AKeys.RectKey("selectcellrect", SelectCellRect);
  AKeys.RectKey("focuscellrect", FocusCellRect);
  AKeys.IntegerKey("fixedcellleftoffset", FixedCellLeftOffset, 0);
  AKeys.IntegerKey("fixedcellrightoffset", FixedCellRightOffset, 0);
  AKeys.RectKey("fixedcelltextrect", FixedCellTextRect);
  AKeys.IntegerKey("cellleftoffset", CellLeftOffset, 0);
  AKeys.IntegerKey("cellrightoffset", CellRightOffset, 0);
  AKeys.RectKey("celltextrect", CellTextRect);
  AKeys.ColorKey("linescolor", LinesColor);
  AKeys.ColorKey("bgcolor", BGColor);
  AKeys.PictureKey("bgpictureindex", BGPictureIndex);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
  AKeys.ColorKey("selectfontcolor", SelectFontColor);
  AKeys.ColorKey("focusfontcolor", FocusFontColor);
  AKeys.FontKeys("fixed", FixedFontName, FixedFontStyle, FixedFontHeight, FixedFontColor);
  AKeys.BooleanKey("fixedcellstretcheffect", FixedCellStretchEffect);
  AKeys.BooleanKey("cellstretcheffect", CellStretchEffect);
  AKeys.BooleanKey("showfocus", ShowFocus);
}

TspDataSkinSlider::TspDataSkinSlider(const String& AIDName) : TspDataSkinControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinSlider::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinControl::DescribeKeys(AKeys);
  AKeys.RectKey("hrulerrect", HRulerRect);
  AKeys.RectKey("hthumbrect", HThumbRect);
  AKeys.RectKey("vrulerrect", VRulerRect);
  AKeys.RectKey("vthumbrect", VThumbRect);
  AKeys.IntegerKey("edgesize", EdgeSize, 0);
  AKeys.ColorKey("bgcolor", BGColor);
  AKeys.ColorKey("pointscolor", PointsColor);
}
