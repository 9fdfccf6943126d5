// The tray icon in a real tray (trayer) on the virtual display: it docks, a click on
// it reaches the form, and after the tray was ended and started again it is docked
// again.

#include <optional>
#include <string>

#include "components/forms/spTrayIcon.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "tests/e2e/RunningProgram.h"
#include "tests/e2e/X11BackendFixture.h"

namespace e2e {
namespace {

class X11TrayIconTest : public X11BackendTest {
 protected:
  void TearDown() override {
    Tray.reset();
    DoneApplication();
    X11BackendTest::TearDown();
  }

  void StartTray() {
    Tray.emplace(E2E_TRAYER,
                 std::vector<std::string>{"--edge", "top", "--align", "right", "--widthtype", "request",
                                          "--height", "24", "--SetDockType", "false"},
                 VirtualDisplay());
  }

  // The icon's window once the tray has embedded and shown it; 0 when it does not
  // within the patience.
  TXid DockedIcon() {
    TXid Icon = 0;
    PumpUntil([&] {
      Icon = Other().WindowWithProperty("_XEMBED_INFO");
      return Icon != 0 && Other().Parent(Icon) != Other().Root() &&
             !IsRectEmpty(Other().ViewableRectOnRoot(Icon));
    });
    return Icon != 0 && Other().Parent(Icon) != Other().Root() ? Icon : 0;
  }

  std::optional<TRunningProgram> Tray;
};

TEST_F(X11TrayIconTest, TheIconDocksTakesAClickAndDocksAgainInANewTray) {
  TForm* Form = Application->CreateForm<TForm>();
  Form->SetCaption("Tray owner");
  Form->SetBoundsRect(Bounds(100, 100, 300, 200));
  Form->Show();
  auto* Icon = new TspTrayIcon(Form);
  int Clicks = 0;
  Icon->OnClick = [&Clicks](TObject*) { ++Clicks; };
  Icon->BeginLoading();
  Icon->EndLoading();
  // No tray yet: the icon is wanted and waits.
  EXPECT_TRUE(Icon->IconVisible());
  EXPECT_FALSE(Icon->Refresh());

  StartTray();
  const TXid Docked = DockedIcon();
  ASSERT_NE(Docked, 0u);
  // The tray may still be growing its panel to the icon and moving it: a click that
  // found no icon is made again where the icon is now.
  for (int Attempt = 0; Attempt < 3 && Clicks == 0; ++Attempt) {
    const TRect Place = Other().ViewableRectOnRoot(Docked);
    VirtualDisplay().Xdotool("mousemove " + std::to_string(Place.Left + Place.Width() / 2) + " " +
                             std::to_string(Place.Top + Place.Height() / 2) + " click 1");
    PumpUntil([&] { return Clicks > 0; });
  }
  EXPECT_EQ(Clicks, 1);

  Tray.reset();
  EXPECT_TRUE(PumpUntil([&] { return Other().WindowWithProperty("_XEMBED_INFO") == 0; }));
  StartTray();
  EXPECT_NE(DockedIcon(), 0u);
  EXPECT_TRUE(Icon->Refresh());
}

}  // namespace
}  // namespace e2e
