// The glow of a frame object: while the mouse is over a button that the skin gives a
// glow picture, that picture shows in a layered window around it, faded in to the
// skin's alpha; it goes when the mouse leaves, and never shows where the skin forbids
// glow frames.

#include "components/core/spEffBmp.h"
#include "components/forms/SkinForm_Objects.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/forms/SkinFormObjFixture.h"

namespace skin_form_obj_glow_test {

using namespace skin_form_obj_test;

class SkinFormObjGlowTest : public SkinFormObjTest {
 protected:
  // A button at (30, 8)-(40, 18) of the frame with a 20 x 20 glow 5 pixels out.
  TspSkinButtonObject& ShowGlowingButton() {
    auto Button = std::make_unique<TspDataSkinButton>("glowing");
    Button->SkinRect = Rect(30, 8, 40, 18);
    Button->ActivePictureIndex = ObjPictureIndex;
    Button->ActiveSkinRect = Rect(0, 0, 10, 10);
    Button->GlowLayerPictureIndex = AddPicture(20, 20, [](int, int) { return 0xFF2040F0u; });
    Button->GlowLayerMaskPictureIndex = AddPicture(20, 20, [](int, int) { return 0xFFFFFFFFu; });
    Button->GlowLayerOffsetX = Button->GlowLayerOffsetY = 5;
    Button->GlowLayerAlphaBlendValue = 200;
    return ShowObject<TspSkinButtonObject>(std::move(Button));
  }
  TspLayerManager& Glow() const { return SkinForm->Objects().LayerManager(); }
  void PointAt(int AX, int AY) {
    InjectPointerMove({Form->Left() + AX, Form->Top() + AY});
    ProcessPendingMessages();
  }
};

TEST_F(SkinFormObjGlowTest, TheGlowShowsAroundTheHoveredObjectAndGoesWithTheMouse) {
  TspSkinButtonObject& Button = ShowGlowingButton();
  PointAt(35, 12);
  ASSERT_TRUE(Button.Active);
  ASSERT_TRUE(Glow().IsVisible());
  const HWND Window = Glow().LayerWindow()->Handle();
  EXPECT_EQ(HeadlessBackend()->WindowRect(Window), Bounds(Form->Left() + 25, Form->Top() + 3, 20, 20));
  EXPECT_TRUE(HeadlessBackend()->HasPerPixelAlpha(Window));
  for (int Tick = 0; Tick < 20 && Glow().IsFading(); ++Tick) {
    HeadlessBackend()->AdvanceClock(TspLayerManager::FadeInterval);
    ProcessPendingMessages();
  }
  EXPECT_EQ(Glow().CurrentAlpha(), 200);
  // The mouse timer sees the pointer gone from the object.
  PointAt(70, 40);
  HeadlessBackend()->AdvanceClock(100);
  ProcessPendingMessages();
  EXPECT_FALSE(Button.Active);
  EXPECT_FALSE(Glow().IsVisible());
}

TEST_F(SkinFormObjGlowTest, ASkinThatForbidsGlowFramesShowsNone) {
  Skin->ShowCaptionButtonGlowFrames = false;
  TspSkinButtonObject& Button = ShowGlowingButton();
  PointAt(35, 12);
  ASSERT_TRUE(Button.Active);
  EXPECT_FALSE(Glow().IsVisible());
}

}  // namespace skin_form_obj_glow_test
