// Where the menus of frame objects open: under their buttons on the screen, also for an
// MDI document (whose Left and Top are relative to the MDI client) and for a form in a
// full layered border (whose caption lies in the border's top window).

#include <memory>

#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/Menus.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/WindowPos.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/forms/SkinFormFullBorderFixture.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace skin_form_menu_placement_test {
namespace {

using skin_form_test::MakeFullBorderSkin;
using skin_form_test::SkinFormTest;

TspSkinStdButtonObject* SystemMenuButton(TspSkinForm* ASkinForm) {
  for (const auto& Object : ASkinForm->ObjectList)
    if (auto* Button = dynamic_cast<TspSkinStdButtonObject*>(Object.get());
        Button && Button->Command == cmSysMenu)
      return Button;
  return nullptr;
}

TPoint Centre(const TRect& ARect) { return {(ARect.Left + ARect.Right) / 2, (ARect.Top + ARect.Bottom) / 2}; }

// The top-left corner of the first window of the open chain; (-1, -1) when none is open.
TPoint OpenMenuAt(TspSkinMenu& AChain) {
  if (!AChain.Visible() || AChain.PopupCount() == 0) return {-1, -1};
  return {AChain.PopupWindow(0).Left(), AChain.PopupWindow(0).Top()};
}

TRect WindowRectOf(HWND AWindow) {
  RECT R{};
  GetWindowRect(AWindow, &R);
  return R;
}

using SkinFormMenuPlacementTest = SkinFormTest;

TEST_F(SkinFormMenuPlacementTest, AnMdiDocumentsSystemMenuOpensUnderItsButtonOnTheScreen) {
  TspSkinForm* Frame = NewMdiFrame(Bounds(100, 80, 700, 500));
  Frame->Form()->Show();
  ProcessPendingMessages();
  TspSkinForm* Document = NewMdiDocument("Document", "Document", Bounds(30, 40, 300, 200));
  TspSkinStdButtonObject* Button = SystemMenuButton(Document);
  ASSERT_NE(Button, nullptr);
  // The document's window on the screen: its Left and Top count from the MDI client.
  const TRect Window = WindowRectOf(Document->Form()->Handle());
  ASSERT_NE(Window.TopLeft(), Document->Form()->BoundsRect().TopLeft());
  const TRect R = Button->ObjectRect;
  const TPoint Under{Window.Left + R.Left, Window.Top + R.Bottom};

  // Pressed with the mouse.
  InjectClick({Window.Left + Centre(R).X, Window.Top + Centre(R).Y});
  ProcessPendingMessages();
  EXPECT_EQ(OpenMenuAt(Document->SkinMenu()), Under);
  Document->SkinMenu().Hide();
  ProcessPendingMessages();

  // Opened by the key, through the frame's chain.
  Document->Menus().OpenSystemMenuByKey();
  ProcessPendingMessages();
  EXPECT_EQ(OpenMenuAt(Frame->SkinMenu()), Under);
}

TEST_F(SkinFormMenuPlacementTest, AnMdiDocumentsFrameMenuItemOpensItsMenuUnderItOnTheScreen) {
  // The default skin with its client area below the frame's menu strip.
  std::unique_ptr<TspSkinData> Skin = skin_form_test::LoadDefaultSkin();
  Skin->ClRect.Top = Skin->MainMenuRect.Bottom;
  TspSkinForm* Frame = NewMdiFrame(Bounds(100, 80, 700, 500), Skin.get());
  Frame->Form()->Show();
  ProcessPendingMessages();
  TspSkinForm* Document = NewMdiDocument("Document", "Document", Bounds(30, 40, 400, 250), Skin.get());
  auto* Menu = new TMainMenu(Document->Form());
  auto* File = new TMenuItem(Document->Form());
  File->SetCaption("&File");
  auto* Open = new TMenuItem(Document->Form());
  Open->SetCaption("Open");
  File->Add(Open);
  Menu->Items()->Add(File);
  Document->SetMainMenu(Menu);
  ProcessPendingMessages();
  TspSkinMainMenuItem* Item = nullptr;
  for (const auto& Object : Document->ObjectList)
    if (auto* Found = dynamic_cast<TspSkinMainMenuItem*>(Object.get())) Item = Found;
  ASSERT_NE(Item, nullptr);
  const TRect Window = WindowRectOf(Document->Form()->Handle());
  ASSERT_NE(Window.TopLeft(), Document->Form()->BoundsRect().TopLeft());
  const TRect R = Item->ObjectRect;

  InjectClick({Window.Left + Centre(R).X, Window.Top + Centre(R).Y});
  ProcessPendingMessages();
  EXPECT_EQ(OpenMenuAt(Document->SkinMenu()), (TPoint{Window.Left + R.Left, Window.Top + R.Bottom}));
  // Closed while the skin, a local of this test, still stands.
  Document->SkinMenu().Hide();
  ProcessPendingMessages();
}

using SkinFormFullBorderMenuPlacementTest = SkinFormTest;

TEST_F(SkinFormFullBorderMenuPlacementTest, TheSystemMenuButtonOpensItsMenuUnderItInTheTopWindow) {
  auto Skin = MakeFullBorderSkin();
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(200, 150, 400, 300), Skin.get());
  ASSERT_TRUE(SkinForm->WearsFullLayeredBorder());
  TspSkinStdButtonObject* Button = SystemMenuButton(SkinForm);
  ASSERT_NE(Button, nullptr);
  const TRect Top = WindowRectOf(SkinForm->LayerBorder().Window(spflTop)->Handle());
  const TRect R = Button->ObjectRect;
  const TPoint Under{Top.Left + R.Left, Top.Top + R.Bottom};

  InjectClick({Top.Left + Centre(R).X, Top.Top + Centre(R).Y});
  ProcessPendingMessages();
  EXPECT_EQ(OpenMenuAt(SkinForm->SkinMenu()), Under);
  SkinForm->SkinMenu().Hide();
  ProcessPendingMessages();

  SkinForm->Menus().OpenSystemMenuByKey();
  ProcessPendingMessages();
  EXPECT_EQ(OpenMenuAt(SkinForm->SkinMenu()), Under);
}

}  // namespace
}  // namespace skin_form_menu_placement_test
