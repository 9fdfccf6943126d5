// Skinned panels, group boxes and labels keep what they compose from their element
// between paints. A repaint without a change looks as the paint before it, and the
// paint after any change of what the control shows (caption, size, state, alignment,
// skin) looks as a control made new with that change does.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "components/controls/SkinCtrls.h"
#include "resources/skin-new/SkinNew.h"
#include "tests/components/controls/SkinCtrlsTestSupport.h"

namespace skin_controls_test {
namespace {

constexpr TRect ControlBounds = {10, 10, 130, 80};

class SkinCtrlsKeptPictureTest : public SkinControlsTest {
 protected:
  void SetUp() override {
    SkinControlsTest::SetUp();
    SkinNew = skin_new::BuildSkinNew();
  }
  void TearDown() override {
    SkinControlsTest::TearDown();
    SkinNew.reset();
  }
  // The presented pixels of the host's area around the control, row by row.
  std::vector<COLORREF> Shown() {
    std::vector<COLORREF> Pixels;
    for (int Y = 0; Y < 100; ++Y)
      for (int X = 0; X < 150; ++X) Pixels.push_back(HostPixel(X, Y));
    return Pixels;
  }
  void Repaint(TControl& AControl) {
    AControl.Invalidate();
    Pump();
  }

  std::unique_ptr<skin_new::TSkinNew> SkinNew;
};

// Makes a control on the host, wearing the given skin, at ControlBounds; and what
// changes it.
struct TChangeCase {
  const char* Name;
  std::function<TControl*(TWinControl& AHost, TspSkinData* ASkin)> Make;
  std::function<void(TControl& AControl)> Change;
};

template <class TPanel>
std::function<TControl*(TWinControl&, TspSkinData*)> MakePanel(const String& ACaption) {
  return [ACaption](TWinControl& AHost, TspSkinData* ASkin) {
    auto* Panel = new TPanel(&AHost);
    Panel->SetCaption(ACaption);
    Panel->SetBoundsRect(ControlBounds);
    Panel->SetParent(&AHost);
    Panel->SetSkinData(ASkin);
    return Panel;
  };
}

TControl* MakeLabel(TWinControl& AHost, TspSkinData* ASkin) {
  auto* Label = new TspSkinLabel(&AHost);
  Label->SetCaption("1500 kbit/s");
  Label->SetBoundsRect(ControlBounds);
  Label->SetParent(&AHost);
  Label->SetSkinData(ASkin);
  return Label;
}

TEST_F(SkinCtrlsKeptPictureTest, ThePaintAfterAChangeLooksAsANewControlWithIt) {
  const TChangeCase Cases[] = {
      {"a group box's caption", MakePanel<TspSkinGroupBox>("Video"),
       [](TControl& AControl) { AControl.SetCaption("Audio tracks"); }},
      {"a panel's size", MakePanel<TspSkinPanel>("Panel"),
       [](TControl& AControl) { AControl.SetBounds(10, 10, 90, 50); }},
      {"a group box's size", MakePanel<TspSkinGroupBox>("Video"),
       [](TControl& AControl) { AControl.SetBounds(10, 10, 100, 60); }},
      {"a caption with the roll-up arrow", MakePanel<TspSkinGroupBox>("Video"),
       [](TControl& AControl) { static_cast<TspSkinPanel&>(AControl).SetRollUpMode(true); }},
      {"a label's caption", MakeLabel, [](TControl& AControl) { AControl.SetCaption("320 kbit/s"); }},
      {"a label's size", MakeLabel, [](TControl& AControl) { AControl.SetBounds(10, 10, 90, 40); }},
      {"a label's alignment", MakeLabel,
       [](TControl& AControl) { static_cast<TspSkinLabel&>(AControl).SetAlignment(taRightJustify); }},
      {"a label's own text colour", MakeLabel,
       [](TControl& AControl) {
         auto& Label = static_cast<TspSkinLabel&>(AControl);
         Label.UseSkinFontColor = false;
         Label.DefaultFont().SetColor(clRed);
       }},
      {"a label without its skin", MakeLabel,
       [](TControl& AControl) { static_cast<TspSkinLabel&>(AControl).SetSkinData(nullptr); }},
  };
  ShowHost();
  for (const TChangeCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TControl* Control = Case.Make(Host(), &SkinNew->Data);
    Pump();
    const std::vector<COLORREF> Before = Shown();
    Repaint(*Control);
    EXPECT_EQ(Shown(), Before);
    Case.Change(*Control);
    Repaint(*Control);
    const std::vector<COLORREF> After = Shown();
    EXPECT_NE(After, Before);
    delete Control;
    Pump();

    // The same change made to a new control before the paint that follows it.
    Control = Case.Make(Host(), &SkinNew->Data);
    Case.Change(*Control);
    Repaint(*Control);
    EXPECT_EQ(Shown(), After);
    delete Control;
    Pump();
  }
}

}  // namespace
}  // namespace skin_controls_test
