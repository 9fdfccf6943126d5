// The window descriptions with fixed sections: popup menu, hint and layered border.

#include "components/core/SkinData.h"

namespace {

void DescribeCornerKeys(TspSkinKeys& AKeys, TPoint& ALeftTop, TPoint& ARightTop, TPoint& ALeftBottom,
                        TPoint& ARightBottom) {
  AKeys.PointKey("lefttoppoint", ALeftTop);
  AKeys.PointKey("righttoppoint", ARightTop);
  AKeys.PointKey("leftbottompoint", ALeftBottom);
  AKeys.PointKey("rightbottompoint", ARightBottom);
}

void DescribeStretchKeys(TspSkinKeys& AKeys, bool& ATop, bool& ALeft, bool& ARight, bool& ABottom,
                         bool& AEffect, TspStretchType& AType) {
  AKeys.BooleanKey("topstretch", ATop);
  AKeys.BooleanKey("leftstretch", ALeft);
  AKeys.BooleanKey("rightstretch", ARight);
  AKeys.BooleanKey("bottomstretch", ABottom);
  AKeys.BooleanKey("stretcheffect", AEffect);
  AKeys.WordKey("stretchtype", AType);
}

}  // namespace

TspDataSkinPopupWindow::TspDataSkinPopupWindow() { ResetToKeyDefaults(); }

void TspDataSkinPopupWindow::DescribeKeys(TspSkinKeys& AKeys) {
  AKeys.PictureKey("windowpictureindex", WindowPictureIndex);
  AKeys.PictureKey("maskpictureindex", MaskPictureIndex);
  DescribeCornerKeys(AKeys, LTPoint, RTPoint, LBPoint, RBPoint);
  AKeys.RectKey("itemsrect", ItemsRect);
  AKeys.ColorKey("scrollmarkercolor", ScrollMarkerColor);
  AKeys.ColorKey("scrollmarkeractivecolor", ScrollMarkerActiveColor);
  AKeys.CursorKey("cursorindex", CursorIndex);
  DescribeStretchKeys(AKeys, TopStretch, LeftStretch, RightStretch, BottomStretch, StretchEffect,
                      StretchType);
}

// The hint shows before any skin is loaded, with a smaller font than a skin's default.
TspDataSkinHintWindow::TspDataSkinHintWindow() {
  ResetToKeyDefaults();
  FontHeight = 12;
}

void TspDataSkinHintWindow::DescribeKeys(TspSkinKeys& AKeys) {
  AKeys.PictureKey("windowpictureindex", WindowPictureIndex);
  AKeys.PictureKey("maskpictureindex", MaskPictureIndex);
  DescribeCornerKeys(AKeys, LTPoint, RTPoint, LBPoint, RBPoint);
  AKeys.RectKey("clientrect", ClRect);
  AKeys.FontKeys("", FontName, FontStyle, FontHeight, FontColor);
  DescribeStretchKeys(AKeys, TopStretch, LeftStretch, RightStretch, BottomStretch, StretchEffect,
                      StretchType);
}

TspDataSkinLayerFrame::TspDataSkinLayerFrame() { ResetToKeyDefaults(); }

void TspDataSkinLayerFrame::DescribeKeys(TspSkinKeys& AKeys) {
  AKeys.PictureKey("pictureindex", PictureIndex);
  AKeys.PictureKey("maskpictureindex", MaskPictureIndex);
  AKeys.PictureKey("inactivepictureindex", InActivePictureIndex);
  AKeys.PictureKey("inactivemaskpictureindex", InActiveMaskPictureIndex);
  DescribeCornerKeys(AKeys, LTPoint, RTPoint, LBPoint, RBPoint);
  AKeys.RectKey("clientrect", ClRect);
  AKeys.IntegerKey("alphablendvalue", AlphaBlendValue, 255);
  AKeys.IntegerKey("inactivealphablendvalue", InActiveAlphaBlendValue, 255);
  AKeys.RectKey("borderrect", BorderRect);
  AKeys.BooleanKey("hittestenable", HitTestEnable);
  AKeys.BooleanKey("fullborder", FullBorder);
  AKeys.IntegerKey("hittestsize", HitTestSize, 0);
  AKeys.RectKey("captionrect", CaptionRect);
  AKeys.PointKey("hittestlefttoppoint", HitTestLTPoint);
  AKeys.PointKey("hittestrighttoppoint", HitTestRTPoint);
  AKeys.PointKey("hittestleftbottompoint", HitTestLBPoint);
  AKeys.PointKey("hittestrightbottompoint", HitTestRBPoint);
  AKeys.RectKey("buttonsrect", ButtonsRect);
  AKeys.RectKey("sysmenubuttonrect", SysMenuButtonRect);
  AKeys.BooleanKey("fullstretch", FullStretch);
  AKeys.IntegerKey("rollupformheight", RollUpFormHeight, 0);
  AKeys.IntegerKey("buttonstopoffset", ButtonsTopOffset, 0);
  AKeys.IntegerKey("sysbuttontopoffset", SysButtonTopOffset, 0);
  AKeys.PictureKey("blurmaskpictureindex", BlurMaskPictureIndex);
  AKeys.RectKey("intersectblurmaskrect", IntersectBlurMaskRect);
  AKeys.RectKey("excludeblurmaskrect", ExcludeBlurMaskRect);
  AKeys.IntegerKey("leftoffset", LeftOffset, 0);
  AKeys.IntegerKey("topoffset", TopOffset, 0);
  AKeys.IntegerKey("widthoffset", WidthOffset, 0);
  AKeys.IntegerKey("heightoffset", HeightOffset, 0);
}
