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

// A colour-choosing button as the colour button of the edits is: it switches the colour
// bar on.
class TColourBarButton : public TspSkinSpeedButton {
 public:
  TColourBarButton(TComponent* AOwner, TColor AColour) : TspSkinSpeedButton(AOwner) {
    FDrawColorMarker = true;
    FColorMarkerValue = AColour;
  }
};

TEST_F(SkinCtrlsSpeedButtonTest, TheColourBarLiesUnderThePictureOrFillsAButtonWithout) {
  auto* Bare = new TColourBarButton(&Host(), clRed);
  Bare->SetParent(&Host());
  Bare->SetBounds(10, 10, 30, 30);
  // A 12-pixel white picture centred in the second button: (9, 9) to (21, 21); its
  // bar is the three rows from its second-to-last down to the first under it.
  auto* Images = new TImageList(&Host());
  Images->SetSize(12, 12);
  AddFilledImage(*Images, clWhite);
  auto* Pictured = new TColourBarButton(&Host(), clBlue);
  Pictured->SetParent(&Host());
  Pictured->SetBounds(50, 10, 30, 30);
  Pictured->SetImageList(Images);
  ShowHost();
  const std::vector<std::pair<TColor, char>> Legend = {
      {clBtnFace, '.'}, {clRed, 'r'}, {clBlue, 'b'}, {clWhite, 'w'}};
  // Without picture or caption the bar fills the button but for 4 pixels at the left,
  // top and bottom and 2 at the right.
  EXPECT_EQ(HostPicture(Rect(10 + 2, 10 + 13, 10 + 29, 10 + 14), Legend), "..rrrrrrrrrrrrrrrrrrrrrrrr.\n");
  EXPECT_EQ(HostPixel(10 + 15, 10 + 3), ColorToRGB(clBtnFace));
  EXPECT_EQ(HostPixel(10 + 15, 10 + 4), ColorToRGB(clRed));
  EXPECT_EQ(HostPixel(10 + 15, 10 + 25), ColorToRGB(clRed));
  EXPECT_EQ(HostPixel(10 + 15, 10 + 26), ColorToRGB(clBtnFace));
  EXPECT_EQ(HostPicture(Rect(50 + 15, 10 + 17, 50 + 16, 10 + 23), Legend), "w\nw\nb\nb\nb\n.\n");
  EXPECT_EQ(HostPicture(Rect(50 + 8, 10 + 19, 50 + 22, 10 + 20), Legend), ".bbbbbbbbbbbb.\n");
}

// While the frame animation runs the cross-fade moves toward its current frame (green)
// rather than the still hot picture (blue).
TEST_F(SkinCtrlsSpeedButtonTest, TheCrossFadeMovesTowardTheAnimationFrame) {
  const int Picture = AddPicture(40, 10, [](int X, int) {
    return X < 10 ? RGB(128, 128, 128) : X < 20 ? RGB(0, 0, 255) : RGB(0, 255, 0);
  });
  auto& Element = AddElement<TspDataSkinButtonControl>("toolbutton");
  Element.PictureIndex = Picture;
  Element.MaskPictureIndex = -1;
  Element.SkinRect = Rect(0, 0, 10, 10);
  Element.ActiveSkinRect = Rect(10, 0, 20, 10);
  Element.AnimateSkinRect = Rect(20, 0, 40, 10);
  Element.FrameCount = 2;
  Element.AnimateInterval = 100;
  Element.Morphing = true;
  auto* Button = NewSpeedButton();
  Button->SetSkinData(&Skin());
  ShowHost();
  InjectPointerMove(Over(5, 5));
  Pump();
  Headless().AdvanceClock(20);
  Pump();
  // A fifth of the way from grey to green.
  EXPECT_EQ(HostPixel(12, 12), RGB(102, 153, 102));
}

}  // namespace
}  // namespace skin_controls_test
