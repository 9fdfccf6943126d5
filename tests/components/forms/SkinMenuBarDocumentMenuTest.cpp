// The main menu bar of an MDI frame merges the active document's main menu by itself:
// a document that becomes active brings its menu, one that goes takes it along, and
// the items hidden behind the marker come from both menus.

#include <gtest/gtest.h>

#include <vector>

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenuBar.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/Application.h"
#include "platform/win/Mdi.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace skin_menu_bar_document_menu_test {
namespace {

using skin_form_test::SkinFormTest;

// A shown MDI frame whose bar shows File (group 0) and Window (group 9).
class SkinMenuBarDocumentMenuTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    MainSkin = NewMdiFrame(TRect{50, 50, 650, 450});
    Main = static_cast<TForm*>(MainSkin->Form());
    Menu = new TMainMenu(Main);
    AddTopItem(*Menu, "&File", 0);
    AddTopItem(*Menu, "&Window", 9);
    Bar = new TspSkinMainMenuBar(Main);
    Bar->SetParent(Main);
    Bar->SetSkinForm(MainSkin);
    Bar->SetMainMenu(Menu);
    Main->Show();
    ProcessPendingMessages();
  }

  static void AddTopItem(TMainMenu& AMenu, const char* ACaption, uint8_t AGroup) {
    auto* Top = new TMenuItem(AMenu.Owner());
    Top->SetCaption(ACaption);
    Top->SetGroupIndex(AGroup);
    auto* Line = new TMenuItem(AMenu.Owner());
    Line->SetCaption(String("Line of ") + ACaption);
    Top->Add(Line);
    AMenu.Items()->Add(Top);
  }
  // A shown document whose own main menu has one item of group 0 captioned ACaption.
  TForm* NewDocument(const char* AName, const char* ACaption) {
    auto* Doc = Application->CreateForm<TForm>();
    Doc->SetName(AName);
    Doc->SetFormStyle(fsMDIChild);
    new TspSkinForm(Doc);
    AddTopItem(*new TMainMenu(Doc), ACaption, 0);
    Doc->SetBounds(10, 10, 200, 150);
    Doc->Show();
    ProcessPendingMessages();
    return Doc;
  }
  void Activate(TForm* ADoc) {
    SendMessage(Main->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(ADoc->Handle()), 0);
    ProcessPendingMessages();
  }
  std::vector<String> Captions() const {
    std::vector<String> Found;
    for (int I = 0; I < Bar->ItemCount(); ++I) Found.push_back(Bar->Item(I).MenuItem.Caption());
    return Found;
  }

  TForm* Main = nullptr;
  TspSkinForm* MainSkin = nullptr;
  TMainMenu* Menu = nullptr;
  TspSkinMainMenuBar* Bar = nullptr;
};

TEST_F(SkinMenuBarDocumentMenuTest, TheActiveDocumentsMenuMergesAndGoesWithIt) {
  ASSERT_EQ(Captions(), (std::vector<String>{"&File", "&Window"}));
  EXPECT_FALSE(Bar->ChildMenuIn());
  TForm* A = NewDocument("A", "&Alpha");
  EXPECT_EQ(Captions(), (std::vector<String>{"&Alpha", "&Window"}));
  EXPECT_TRUE(Bar->ChildMenuIn());
  EXPECT_FALSE(Bar->ScrollMenu);
  TForm* B = NewDocument("B", "&Beta");
  EXPECT_EQ(Captions(), (std::vector<String>{"&Beta", "&Window"}));
  Activate(A);
  EXPECT_EQ(Captions(), (std::vector<String>{"&Alpha", "&Window"}));
  // The active document goes: the other one becomes active and brings its menu.
  delete A;
  ProcessPendingMessages();
  EXPECT_EQ(Captions(), (std::vector<String>{"&Beta", "&Window"}));
  // The last one goes: the frame's menu shows alone again.
  delete B;
  ProcessPendingMessages();
  EXPECT_EQ(Captions(), (std::vector<String>{"&File", "&Window"}));
  EXPECT_FALSE(Bar->ChildMenuIn());
}

TEST_F(SkinMenuBarDocumentMenuTest, AMergedItemOpensItsMenuThroughTheFrame) {
  NewDocument("A", "&Alpha");
  Bar->Repaint();
  ProcessPendingMessages();
  const TRect R = Bar->Item(0).ObjectRect;
  InjectClick(Bar->ClientToScreen(TPoint{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}));
  ProcessPendingMessages();
  TspSkinMenu& Chain = MainSkin->SkinMenu();
  ASSERT_TRUE(Chain.Visible());
  ASSERT_EQ(Chain.PopupCount(), 1);
  EXPECT_EQ(Chain.PopupWindow(0).Item(0).MenuItem->Caption(), "Line of &Alpha");
  Chain.Hide();
  ProcessPendingMessages();
}

TEST_F(SkinMenuBarDocumentMenuTest, TheMarkersPopupListsTheFramesItemsThenTheDocuments) {
  NewDocument("A", "&Alpha");
  // Marker clicks open the hidden items even though merging switched ScrollMenu off.
  Bar->ScrollMenu = true;
  Bar->Repaint();
  ProcessPendingMessages();
  // Room for the first item only.
  Bar->SetAlign(alNone);
  Bar->SetWidth(Bar->Item(0).ObjectRect.Right + 10);
  Bar->Repaint();
  ProcessPendingMessages();
  ASSERT_TRUE(Bar->Scroll());
  const TRect M = Bar->ScrollMarkerRect();
  InjectClick(Bar->ClientToScreen(TPoint{(M.Left + M.Right) / 2, (M.Top + M.Bottom) / 2}));
  ProcessPendingMessages();
  TspSkinMenu& Chain = MainSkin->SkinMenu();
  ASSERT_TRUE(Chain.Visible());
  const TspSkinPopupWindow& Window = Chain.PopupWindow(0);
  // From the first item not shown, counted in the frame's own menu, then the
  // document's items.
  ASSERT_EQ(Window.ItemCount(), 2);
  EXPECT_EQ(Window.Item(0).MenuItem->Caption(), "&Window");
  EXPECT_EQ(Window.Item(1).MenuItem->Caption(), "&Alpha");
  Chain.Hide();
  ProcessPendingMessages();
}

}  // namespace
}  // namespace skin_menu_bar_document_menu_test
