// What a form wearing the default skin looks like on the desktop: its screenshot on the
// virtual display is kept in docs/ for a person to look at, and compared with it.

#include "components/forms/SkinForm.h"
#include "platform/ui/Forms.h"
#include "tests/e2e/DefaultSkinOnDisk.h"
#include "tests/e2e/X11BackendFixture.h"
#include "tests/support/Pictures.h"

namespace e2e {
namespace {

class X11SkinFormLookTest : public X11BackendTest {
 protected:
  void TearDown() override {
    DoneApplication();
    X11BackendTest::TearDown();
  }
};

TEST_F(X11SkinFormLookTest, AFormWearingTheDefaultSkinLooksAsItsPictureInDocs) {
  testing_support::TempDir SkinFolder;
  TspSkinData Skin(nullptr);
  LoadDefaultSkin(Skin, SkinFolder);

  const TRect Place = Bounds(60, 60, 520, 340);
  TForm* Form = Application->CreateForm<TForm>();
  Form->SetCaption("Pelladrin");
  auto* SkinForm = new TspSkinForm(Form);
  SkinForm->SetSkinData(&Skin);
  Form->SetBoundsRect(Place);
  Form->Show();
  ASSERT_TRUE(PumpUntil([&] {
    const TXid Window = Other().WindowTitled("Pelladrin");
    return Window != 0 && Other().Geometry(Window) == Place;
  }));
  Other().Synchronize();

  const TPixelImage Shot = VirtualDisplay().Screenshot(Place);
  // Anti-aliased edges may differ by a shade between machines.
  EXPECT_TRUE(testing_support::MatchesReferencePicture(Shot, "docs/skin-form-default.png", {24, 400}));
}

}  // namespace
}  // namespace e2e
