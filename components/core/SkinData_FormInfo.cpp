// The keys of "FORMINFO": the frame picture's geometry, listed once for reading and
// writing, in the order a skin description stores them.

#include <algorithm>

#include "components/core/SkinData_LoadInternal.h"

namespace {

constexpr const char* FormInfoSection = "FORMINFO";

// The skin content's frame geometry, seen as a record of keys.
class TspFormInfoKeys : public TspSkinKeyedRecord {
 public:
  explicit TspFormInfoKeys(TspSkinContent& AContent) : FContent(AContent) {}

  void Read(const TCustomIniFile& AIni) { ReadKeys(AIni, FormInfoSection); }
  void Write(TCustomIniFile& AIni) { WriteKeys(AIni, FormInfoSection); }

  void DescribeKeys(TspSkinKeys& AKeys) override {
    TspSkinContent& C = FContent;
    AKeys.PointKey("lefttoppoint", C.LTPoint);
    AKeys.PointKey("righttoppoint", C.RTPoint);
    AKeys.PointKey("leftbottompoint", C.LBPoint);
    AKeys.PointKey("rightbottompoint", C.RBPoint);
    AKeys.RectKey("clientrect", C.ClRect);
    AKeys.PictureKey("bgpictureindex", C.BGPictureIndex);
    AKeys.PictureKey("mdibgpictureindex", C.MDIBGPictureIndex);
    AKeys.RectKey("maskrectarea", C.MaskRectArea);
    AKeys.BooleanKey("leftstretch", C.LeftStretch);
    AKeys.BooleanKey("rightstretch", C.RightStretch);
    AKeys.BooleanKey("topstretch", C.TopStretch);
    AKeys.BooleanKey("bottomstretch", C.BottomStretch);
    AKeys.BooleanKey("stretcheffect", C.StretchEffect);
    AKeys.WordKey("stretchtype", C.StretchType);
    AKeys.BooleanKey("mdibgstretcheffect", C.MDIBGStretchEffect);
    AKeys.WordKey("mdibgstretchtype", C.MDIBGStretchType);
    AKeys.RectKey("buttonsrect", C.ButtonsRect);
    AKeys.RectKey("captionrect", C.CaptionRect);
    AKeys.IntegerKey("buttonsoffset", C.ButtonsOffset, 0);
    AKeys.BooleanKey("buttonsinleft", C.CapButtonsInLeft);
    AKeys.PointKey("hittestlefttoppoint", C.HitTestLTPoint);
    AKeys.PointKey("hittestrighttoppoint", C.HitTestRTPoint);
    AKeys.PointKey("hittestleftbottompoint", C.HitTestLBPoint);
    AKeys.PointKey("hittestrightbottompoint", C.HitTestRBPoint);
    AKeys.PointKey("rollupleftpoint", C.RollUpLeftPoint);
    AKeys.PointKey("rolluprightpoint", C.RollUpRightPoint);
    AKeys.RectKey("mainmenurect", C.MainMenuRect);
    AKeys.RectKey("iconrect", C.IconRect);
    AKeys.BooleanKey("mainmenupopupup", C.MainMenuPopupUp);
    AKeys.IntegerKey("borderwidth", C.BorderW, 0);
    AKeys.CursorKey("cursorindex", C.CursorIndex);
    AKeys.BooleanKey("autorenderinginactiveimage", C.AutoRenderingInActiveImage);
    AKeys.WordKey("inactiveeffect", C.InActiveEffect);
    AKeys.IntegerKey("formminwidth", C.FormMinWidth, 0);
    AKeys.IntegerKey("formminheight", C.FormMinHeight, 0);
    AKeys.RectKey("sizegriparea", C.SizeGripArea);
    AKeys.TextKey("statusbarname", C.StatusBarName, "");
    AKeys.BooleanKey("mditabstransparent", C.MDITabsTransparent);
    AKeys.BooleanKey("mainmenubartransparent", C.MainMenuBarTransparent);
  }

 private:
  TspSkinContent& FContent;
};

// A hit-test point with a zero coordinate is the corner point itself.
void FillFormInfoHitTestPoint(TPoint& AHitTestPoint, const TPoint& ACorner) {
  if (AHitTestPoint.X == 0 || AHitTestPoint.Y == 0) AHitTestPoint = ACorner;
}

// A masked frame: the mask's area holds at least the client rectangle.
void AdjustFormInfoToMask(TspSkinContent& C) {
  if (RectangleIsEmpty(C.MaskRectArea)) {
    C.MaskRectArea = C.ClRect;
  } else {
    C.MaskRectArea = Rect(
        std::min(C.MaskRectArea.Left, C.ClRect.Left), std::min(C.MaskRectArea.Top, C.ClRect.Top),
        std::max(C.MaskRectArea.Right, C.ClRect.Right), std::max(C.MaskRectArea.Bottom, C.ClRect.Bottom));
  }
  FillFormInfoHitTestPoint(C.HitTestLTPoint, C.LTPoint);
  FillFormInfoHitTestPoint(C.HitTestRTPoint, C.RTPoint);
  FillFormInfoHitTestPoint(C.HitTestLBPoint, C.LBPoint);
  FillFormInfoHitTestPoint(C.HitTestRBPoint, C.RBPoint);
}

// The corners lie within the client rectangle's reach.
void ClampFormInfoCorners(TspSkinContent& C) {
  if (C.RBPoint.X == C.LTPoint.X || C.RBPoint.Y == C.LTPoint.Y) return;
  C.LTPoint.X = std::max(C.LTPoint.X, C.ClRect.Left);
  C.LTPoint.Y = std::max(C.LTPoint.Y, C.ClRect.Top);
  C.RTPoint.X = std::min(C.RTPoint.X, C.ClRect.Right);
  C.RTPoint.Y = std::max(C.RTPoint.Y, C.ClRect.Top);
  C.LBPoint.X = std::max(C.LBPoint.X, C.ClRect.Left);
  C.LBPoint.Y = std::min(C.LBPoint.Y, C.ClRect.Bottom);
  C.RBPoint.X = std::min(C.RBPoint.X, C.ClRect.Right);
  C.RBPoint.Y = std::min(C.RBPoint.Y, C.ClRect.Bottom);
}

}  // namespace

void ReadSkinFormInfo(const TCustomIniFile& AIni, TspSkinContent& AContent) {
  TspFormInfoKeys(AContent).Read(AIni);
  if (!AContent.FMaskName.empty()) AdjustFormInfoToMask(AContent);
  ClampFormInfoCorners(AContent);
}

void WriteSkinFormInfo(TCustomIniFile& AIni, TspSkinContent& AContent) {
  TspFormInfoKeys(AContent).Write(AIni);
}
