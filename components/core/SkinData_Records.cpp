// The bases of the element records: control descriptions with their nine-part
// picture, and object descriptions.

#include "components/core/SkinData.h"

TspDataSkinControl::TspDataSkinControl(const String& AIDName) : IDName(AIDName) { ResetToKeyDefaults(); }

void TspDataSkinControl::DescribeKeys(TspSkinKeys& AKeys) {
  AKeys.PictureKey("pictureindex", PictureIndex);
  AKeys.PictureKey("maskpictureindex", MaskPictureIndex);
  AKeys.RectKey("skinrect", SkinRect);
  AKeys.CursorKey("cursorindex", CursorIndex);
}

TspDataSkinCustomControl::TspDataSkinCustomControl(const String& AIDName) : TspDataSkinControl(AIDName) {
  ResetToKeyDefaults();
}

void TspDataSkinCustomControl::DescribeKeys(TspSkinKeys& AKeys) {
  TspDataSkinControl::DescribeKeys(AKeys);
  AKeys.PointKey("lefttoppoint", LTPoint);
  AKeys.PointKey("righttoppoint", RTPoint);
  AKeys.PointKey("leftbottompoint", LBPoint);
  AKeys.PointKey("rightbottompoint", RBPoint);
  AKeys.RectKey("clientrect", ClRect);
  AKeys.BooleanKey("stretcheffect", StretchEffect);
  AKeys.BooleanKey("leftstretch", LeftStretch);
  AKeys.BooleanKey("topstretch", TopStretch);
  AKeys.BooleanKey("rightstretch", RightStretch);
  AKeys.BooleanKey("bottomstretch", BottomStretch);
  AKeys.WordKey("stretchtype", StretchType);
}

TspDataSkinObject::TspDataSkinObject(const String& AIDName) : IDName(AIDName) { ResetToKeyDefaults(); }

void TspDataSkinObject::DescribeKeys(TspSkinKeys& AKeys) {
  AKeys.TextKey("hint", Hint, "");
  AKeys.BooleanKey("skinrectinapicture", SkinRectInAPicture);
  AKeys.RectKey("skinrect", SkinRect);
  AKeys.RectKey("activeskinrect", ActiveSkinRect);
  AKeys.RectKey("inactiveskinrect", InActiveSkinRect);
  AKeys.BooleanKey("morphing", Morphing);
  AKeys.WordKey("morphkind", MorphKind);
  AKeys.PictureKey("activepictureindex", ActivePictureIndex);
  AKeys.PictureKey("activemaskpictureindex", ActiveMaskPictureIndex);
  AKeys.CursorKey("cursorindex", CursorIndex);
  AKeys.BooleanKey("rollup", RollUp);
  AKeys.PictureKey("glowlayerpictureindex", GlowLayerPictureIndex);
  AKeys.PictureKey("glowlayermaskpictureindex", GlowLayerMaskPictureIndex);
  AKeys.IntegerKey("glowlayeroffsetx", GlowLayerOffsetX, 0);
  AKeys.IntegerKey("glowlayeroffsety", GlowLayerOffsetY, 0);
  AKeys.IntegerKey("glowlayeralphablendvalue", GlowLayerAlphaBlendValue, 255);
}
