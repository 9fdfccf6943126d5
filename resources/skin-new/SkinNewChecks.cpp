// Check boxes and radio boxes: a flat background for the control and its box in
// every state (unchecked, checked and grayed; normal, hot and disabled).

#include "resources/skin-new/SkinNewBuildInternal.h"

namespace skin_new {

namespace {

constexpr int CheckControlWidth = 120;
constexpr int CheckControlHeight = 20;

enum TCheckMark { cmkNone, cmkCheck, cmkGrayed };

void AddCheckElement(TSkinNew& ASkin, const char* AIDName, const char* AFileName, bool ARound) {
  TSkinNewSheet Sheet;
  TSkinNewPainter& P = Sheet.Painter();
  const double Radius = ARound ? metrics::CheckSize / 2.0 : 4;
  auto Box = [&](TColor AFill, TColor ABorder, TCheckMark AMark) {
    const TRect R = Sheet.Place(metrics::CheckSize, metrics::CheckSize);
    P.Box(R, Radius, AFill, ABorder);
    const TPointF C = CentreOf(R);
    if (AMark == cmkGrayed)
      DrawDash(P, C, 8, palette::AccentText);
    else if (AMark == cmkCheck)
      ARound ? P.FillCircle(C, 3, palette::AccentText) : DrawCheckMark(P, C, 9, palette::AccentText);
    return R;
  };
  const TRect Normal = Sheet.Place(CheckControlWidth, CheckControlHeight);
  const TRect Hot = Sheet.Place(CheckControlWidth, CheckControlHeight);
  Sheet.NewRow();
  auto& Check = ASkin.AddControl<TspDataSkinCheckRadioControl>(AIDName);
  Check.UnCheckImageRect = Box(palette::Surface, palette::BorderHot, cmkNone);
  Check.CheckImageRect = Box(palette::Accent, palette::Accent, cmkCheck);
  Check.ActiveUnCheckImageRect = Box(palette::Surface, palette::Accent, cmkNone);
  Check.ActiveCheckImageRect = Box(palette::AccentHot, palette::AccentHot, cmkCheck);
  Check.UnEnabledUnCheckImageRect = Box(palette::Background, palette::BorderDisabled, cmkNone);
  Check.UnEnabledCheckImageRect = Box(palette::AccentDisabled, palette::AccentDisabled, cmkCheck);
  if (!ARound) {
    Check.GrayedCheckImageRect = Box(palette::Accent, palette::Accent, cmkGrayed);
    Check.ActiveGrayedCheckImageRect = Box(palette::AccentHot, palette::AccentHot, cmkGrayed);
  }
  Check.PictureIndex = Sheet.Finish(ASkin, AFileName);
  SetNinePart(Check, Normal, 2);
  Check.ActiveSkinRect = Hot;
  const int BoxTop = (CheckControlHeight - metrics::CheckSize) / 2;
  Check.CheckImageArea = Rect(0, BoxTop, metrics::CheckSize, BoxTop + metrics::CheckSize);
  Check.TextArea = Rect(metrics::CheckSize + 6, 0, CheckControlWidth, CheckControlHeight);
  SetSkinFont(Check, palette::Text);
  Check.ActiveFontColor = palette::Text;
  Check.UnEnabledFontColor = palette::DisabledText;
  Check.FrameFontColor = palette::Text;
}

}  // namespace

void BuildChecks(TSkinNew& ASkin) {
  AddCheckElement(ASkin, "checkbox", "checkbox.bmp", false);
  AddCheckElement(ASkin, "radiobox", "radiobox.bmp", true);
}

}  // namespace skin_new
