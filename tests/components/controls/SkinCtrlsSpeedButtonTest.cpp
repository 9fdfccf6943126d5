// The windowless tool button: the flat look over its parent, caption hiding with its two
// widths, the shared repeat, and the accelerator that clicks without focus.

#include <gtest/gtest.h>

#include <vector>

#include "components/controls/SkinCtrls.h"
#include "platform/ui/Actions.h"
#include "platform/win/Timers.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/controls/SkinCtrlsTestSupport.h"

namespace skin_controls_test {
namespace {

class SkinCtrlsSpeedButtonTest : public SkinControlsTest {
 protected:
  // A tool button at (10, 10) of the host, 30 × 30.
  TspSkinSpeedButton* NewSpeedButton() {
    auto* Button = new TspSkinSpeedButton(&Host());
    Button->SetParent(&Host());
    Button->SetBounds(10, 10, 30, 30);
    Button->OnClick = [this](TObject*) { Clicks.push_back(Win::GetTickCount() - Start); };
    return Button;
  }
  TPoint Over(int AX = 15, int AY = 15) { return {100 + 10 + AX, 100 + 10 + AY}; }

  std::vector<uint32_t> Clicks;
  uint32_t Start = Win::GetTickCount();
};

// Without the pointer the flat button shows its parent (white here); the pointer over
// it shows the hot frame and fill; a flat button down in a group keeps its pressed look.
TEST_F(SkinCtrlsSpeedButtonTest, AFlatButtonShowsItsParentUntilThePointerComes) {
  Host().SetColor(clWhite);
  auto* Button = NewSpeedButton();
  Button->SetFlat(true);
  EXPECT_TRUE(Button->Transparent());
  ShowHost();
  EXPECT_EQ(HostPixel(10, 10), ColorToRGB(clWhite));
  EXPECT_EQ(HostPixel(12, 12), ColorToRGB(clWhite));
  InjectPointerMove(Over());
  Pump();
  EXPECT_EQ(HostPixel(10, 10), 0x800000u);
  EXPECT_EQ(HostPixel(12, 12), 0xD2BDB6u);
  InjectPointerMove(Over(15, 90));
  Pump();
  EXPECT_EQ(HostPixel(10, 10), ColorToRGB(clWhite));
  EXPECT_EQ(HostPixel(12, 12), ColorToRGB(clWhite));
  Button->SetGroupIndex(1);
  Button->SetDown(true);
  Pump();
  EXPECT_EQ(HostPixel(12, 12), 0xB59385u);
}

TEST_F(SkinCtrlsSpeedButtonTest, HidingTheCaptionTakesThePresetWidths) {
  auto* Button = NewSpeedButton();
  EXPECT_EQ(Button->ImageIndex(), 0);
  Button->SetCaption("Convert");
  Button->WidthWithCaption = 71;
  Button->WidthWithoutCaption = 40;
  Button->SetShowCaption(false);
  EXPECT_EQ(Button->Width(), 40);
  Button->SetShowCaption(true);
  EXPECT_EQ(Button->Width(), 71);
  Button->WidthWithoutCaption = 0;
  Button->SetShowCaption(false);
  EXPECT_EQ(Button->Width(), 71);
}

TEST_F(SkinCtrlsSpeedButtonTest, AHeldRepeatButtonClicksAt500PlusTheIntervalThenEveryInterval) {
  auto* Button = NewSpeedButton();
  Button->RepeatMode = true;
  Button->RepeatInterval = 50;
  ShowHost();
  Start = Win::GetTickCount();
  InjectPointerMove(Over());
  InjectPointerPress(Over());
  Pump();
  for (int Step = 0; Step < 66; ++Step) {
    Headless().AdvanceClock(10);
    Pump();
  }
  InjectPointerRelease(Over());
  Pump();
  EXPECT_EQ(Clicks, (std::vector<uint32_t>{550, 600, 650, 660}));
}

TEST_F(SkinCtrlsSpeedButtonTest, TheAcceleratorClicksWithoutFocusWhileTheButtonShows) {
  auto* Button = NewSpeedButton();
  Button->SetCaption("&Play");
  ShowHost();
  EXPECT_EQ(Button->Perform(CM_DIALOGCHAR, 'p', 0), 1);
  EXPECT_EQ(Button->Perform(CM_DIALOGCHAR, 'x', 0), 0);
  Button->SetEnabled(false);
  EXPECT_EQ(Button->Perform(CM_DIALOGCHAR, 'p', 0), 0);
  EXPECT_EQ(Clicks.size(), 1u);
}

// A linked action gives both buttons its list's picture while they have no glyph.
TEST_F(SkinCtrlsSpeedButtonTest, ALinkedActionGivesItsPictureToAButtonWithoutGlyph) {
  auto* Images = new TImageList(&Host());
  Images->SetSize(8, 8);
  TBitmap Strip;
  Strip.SetSize(24, 8);
  Images->Add(Strip, nullptr);
  auto* Actions = new TActionList(&Host());
  Actions->SetImages(Images);
  auto* Action = new TAction(&Host());
  Action->SetActionList(Actions);
  Action->SetImageIndex(2);
  auto* Tool = NewSpeedButton();
  Tool->SetAction(Action);
  EXPECT_EQ(Tool->ImageList(), Images);
  EXPECT_EQ(Tool->ImageIndex(), 2);
  auto* Push = new TspSkinButton(&Host());
  Push->SetParent(&Host());
  TBitmap Glyph;
  Glyph.SetSize(8, 8);
  Push->SetGlyph(Glyph);
  Push->SetAction(Action);
  EXPECT_EQ(Push->ImageList(), nullptr);
  Action->SetImageIndex(7);  // not in the list
  auto* Other = NewSpeedButton();
  Other->SetAction(Action);
  EXPECT_EQ(Other->ImageList(), nullptr);
}

}  // namespace
}  // namespace skin_controls_test
