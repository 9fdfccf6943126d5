// A skinned popup menu on the desktop: opened by a right click, walked with the arrow
// keys and closed with Escape, while the form keeps the keyboard focus and its control
// never sees a key. Its screenshot is kept in docs/ for a person to look at.

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/Forms.h"
#include "platform/win/MessageLoop.h"
#include "tests/e2e/DefaultSkinOnDisk.h"
#include "tests/e2e/X11BackendFixture.h"
#include "tests/support/Pictures.h"

namespace e2e {
namespace {

// A control that counts the key presses it gets.
class TKeyCountingControl : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  int Keys = 0;

 protected:
  void Dispatch(TMessage& AMessage) override {
    if (AMessage.Msg == WM_KEYDOWN) ++Keys;
    TCustomControl::Dispatch(AMessage);
  }
};

class X11SkinPopupMenuTest : public X11BackendTest {
 protected:
  void TearDown() override {
    DoneApplication();
    X11BackendTest::TearDown();
  }
};

TEST_F(X11SkinPopupMenuTest, ARightClickOpensAMenuThatTheKeysWalkAndEscapeCloses) {
  testing_support::TempDir SkinFolder;
  TspSkinData Skin(nullptr);
  LoadDefaultSkin(Skin, SkinFolder);

  const TRect Place = Bounds(60, 60, 420, 300);
  TForm* Form = Application->CreateForm<TForm>();
  Form->SetCaption("Menus");
  auto* SkinForm = new TspSkinForm(Form);
  SkinForm->SetSkinData(&Skin);
  auto* Control = new TKeyCountingControl(Form);
  Control->SetParent(Form);
  Control->SetBoundsRect(Bounds(20, 20, 200, 120));
  Control->SetTabStop(true);
  auto* Menu = new TspSkinPopupMenu(Form);
  for (const char* Caption : {"Open", "Save", "-", "Close"}) {
    auto* Item = new TMenuItem(Form);
    Item->SetCaption(Caption);
    Menu->Items()->Add(Item);
  }
  Control->SetPopupMenu(Menu);
  Form->SetBoundsRect(Place);
  Form->Show();
  Control->SetFocus();
  TXid FormWindow = 0;
  ASSERT_TRUE(PumpUntil([&] {
    FormWindow = Other().WindowTitled("Menus");
    return FormWindow != 0 && Other().Geometry(FormWindow) == Place;
  }));
  Other().Focus(FormWindow);
  ASSERT_TRUE(PumpUntil([&] { return Other().FocusedWindow() == FormWindow && Form->Active(); }));

  const TPoint ControlPoint = Control->ClientToScreen(TPoint{60, 40});
  VirtualDisplay().Xdotool("mousemove " + std::to_string(ControlPoint.X) + " " +
                           std::to_string(ControlPoint.Y) + " click 3");
  TspSkinMenu& Chain = SkinForm->SkinMenu();
  ASSERT_TRUE(PumpUntil([&] { return Chain.Visible() && Chain.PopupCount() == 1; }));
  TspSkinPopupWindow& Popup = Chain.PopupWindow(0);
  EXPECT_EQ((TPoint{Popup.Left(), Popup.Top()}), ControlPoint);
  // Keep the pointer off the menu, so only the keys move its highlight.
  VirtualDisplay().Xdotool("mousemove 5 5");
  EXPECT_EQ(Popup.ActiveItem, 0);

  VirtualDisplay().Xdotool("key Down");
  ASSERT_TRUE(PumpUntil([&] { return Popup.ActiveItem == 1; }));
  VirtualDisplay().Xdotool("key Down");
  ASSERT_TRUE(PumpUntil([&] { return Popup.ActiveItem == 3; }));
  EXPECT_EQ(Other().FocusedWindow(), FormWindow);
  ProcessPendingMessages();
  Other().Synchronize();
  // Anti-aliased text may differ by a shade between machines.
  EXPECT_TRUE(testing_support::MatchesReferencePicture(
      VirtualDisplay().Screenshot(Bounds(Place.Left, Place.Top, 360, 260)), "docs/skin-popup-menu.png",
      {24, 400}));

  VirtualDisplay().Xdotool("key Escape");
  ASSERT_TRUE(PumpUntil([&] { return !Chain.Visible() && !SkinForm->InMenu; }));
  EXPECT_EQ(Other().FocusedWindow(), FormWindow);
  EXPECT_TRUE(Form->Active());
  EXPECT_EQ(Control->Keys, 0);

  // With the menu closed, keys reach the control again.
  VirtualDisplay().Xdotool("key Down");
  EXPECT_TRUE(PumpUntil([&] { return Control->Keys == 1; }));
}

}  // namespace
}  // namespace e2e
