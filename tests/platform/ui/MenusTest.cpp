// The menus model: the item tree and its errors, separators, radio groups, the default
// item, change reports, commands, actions, and the popup menu of a right click.

#include <gtest/gtest.h>

#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/ui/Actions.h"
#include "platform/ui/Panel.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/FormsTestSupport.h"

namespace ui_test {
namespace {

class MenusTest : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    Form = NewForm("Form");
    Menu = new TMainMenu(Form);
  }

  TMenuItem* AddItem(TMenuItem* AParent, const String& ACaption) {
    auto* Item = new TMenuItem(Form);
    Item->SetCaption(ACaption);
    AParent->Add(Item);
    return Item;
  }

  TForm* Form = nullptr;
  TMainMenu* Menu = nullptr;
};

TEST_F(MenusTest, ItemsFormATreeThatChecksItsIndexes) {
  TMenuItem* File = AddItem(Menu->Items(), "&File");
  TMenuItem* Open = AddItem(File, "&Open");
  TMenuItem* Exit = AddItem(File, "E&xit");
  auto* Save = new TMenuItem(Form);
  File->Insert(1, Save);
  EXPECT_EQ(File->Count(), 3);
  EXPECT_EQ(File->Items(1), Save);
  EXPECT_EQ(Exit->MenuIndex(), 2);
  EXPECT_EQ(Save->Parent(), File);
  EXPECT_EQ(Open->GetParentMenu(), Menu);
  Exit->SetMenuIndex(0);
  EXPECT_EQ(File->IndexOf(Exit), 0);
  File->Remove(Save);
  EXPECT_EQ(File->IndexOf(Save), -1);
  EXPECT_EQ(Save->Parent(), nullptr);
  EXPECT_EQ(Save->GetParentMenu(), nullptr);
  try {
    File->Add(Open);
    FAIL() << "no exception";
  } catch (const EMenuError& E) {
    EXPECT_EQ(E.Message(), "Menu inserted twice");
  }
  try {
    File->Items(5);
    FAIL() << "no exception";
  } catch (const EMenuError& E) {
    EXPECT_EQ(E.Message(), "Menu index out of range");
  }
  EXPECT_THROW(File->Insert(4, Save), EMenuError);
  delete Save;
}

TEST_F(MenusTest, FreeingAnItemTakesItOutAndFreesItsSubItems) {
  TMenuItem* File = AddItem(Menu->Items(), "File");
  AddItem(File, "Open");
  AddItem(File, "Save");
  const int Owned = Form->ComponentCount();
  delete File;
  EXPECT_EQ(Menu->Items()->Count(), 0);
  EXPECT_EQ(Form->ComponentCount(), Owned - 3);
  TMenuItem* Edit = AddItem(Menu->Items(), "Edit");
  AddItem(Edit, "Copy");
  // The menu takes its items along.
  delete Menu;
  EXPECT_EQ(Form->ComponentCount(), Owned - 4);
}

// Captions: "-" a separator, an upper-case letter a visible item, a lower-case letter a
// hidden one; the result lists what stays visible.
TEST_F(MenusTest, RethinkLinesHidesTheSeparatorsThatSeparateNothing) {
  struct TCase {
    const char* Items;
    const char* Visible;
    bool Changed;
  };
  const TCase Cases[] = {
      {"A-B-C", "A-B-C", false}, {"-A--B-", "A-B", true}, {"A-b-C", "A-C", true}, {"A--", "A", true},
      {"--", "", true},          {"-a-B", "B", true},     {"A-b", "A", true},     {"", "", false},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Items);
    TMenuItem* Root = AddItem(Menu->Items(), "Root");
    for (const char* C = Case.Items; *C; ++C) {
      TMenuItem* Item =
          AddItem(Root, *C == '-' ? String(cLineCaption) : String(1, static_cast<char>(toupper(*C))));
      Item->SetVisible(*C == '-' || isupper(*C));
    }
    EXPECT_EQ(Root->RethinkLines(), Case.Changed);
    String Visible;
    for (int I = 0; I < Root->Count(); ++I)
      if (Root->Items(I)->Visible()) Visible += Root->Items(I)->Caption();
    EXPECT_EQ(Visible, Case.Visible);
    // Running it again changes nothing more.
    EXPECT_FALSE(Root->RethinkLines());
    delete Root;
  }
}

TEST_F(MenusTest, CheckingARadioItemUnchecksItsGroupAmongItsSiblings) {
  TMenuItem* View = AddItem(Menu->Items(), "View");
  std::vector<TMenuItem*> Items;
  for (int I = 0; I < 4; ++I) {
    Items.push_back(AddItem(View, Format("Item%d", I)));
    Items.back()->SetRadioItem(true);
    Items.back()->SetGroupIndex(I < 3 ? 1 : 2);
  }
  TMenuItem* Plain = AddItem(View, "Plain");
  Plain->SetGroupIndex(1);
  Plain->SetChecked(true);
  Items[0]->SetChecked(true);
  Items[3]->SetChecked(true);
  Items[1]->SetChecked(true);
  EXPECT_FALSE(Items[0]->Checked());
  EXPECT_TRUE(Items[1]->Checked());
  EXPECT_FALSE(Items[2]->Checked());
  EXPECT_TRUE(Items[3]->Checked());
  EXPECT_TRUE(Plain->Checked());
  // Moving a checked radio item into a group unchecks that group's checked item.
  Items[3]->SetGroupIndex(1);
  EXPECT_FALSE(Items[1]->Checked());
}

TEST_F(MenusTest, OnlyOneItemAmongSiblingsIsTheDefault) {
  TMenuItem* Tray = AddItem(Menu->Items(), "Tray");
  TMenuItem* Restore = AddItem(Tray, "Restore");
  TMenuItem* Close = AddItem(Tray, "Close");
  Restore->SetDefault(true);
  Close->SetDefault(true);
  EXPECT_FALSE(Restore->Default());
  EXPECT_TRUE(Close->Default());
}

TEST_F(MenusTest, TheMenuReportsEveryChangeWithTheItemAndWhetherToRebuild) {
  TMenuItem* File = AddItem(Menu->Items(), "File");
  TMenuItem* Open = AddItem(File, "Open");
  std::vector<String> Changes;
  Menu->OnChange = [&](TObject* ASender, TMenuItem* ASource, bool ARebuild) {
    EXPECT_EQ(ASender, Menu);
    Changes.push_back((ASource ? ASource->Caption() : String("menu")) + (ARebuild ? " rebuild" : ""));
  };
  Open->SetEnabled(false);
  Open->SetCaption("Open...");
  AddItem(File, "Save");
  delete Open;
  Menu->SetImages(new TImageList(Form));
  EXPECT_EQ(Changes,
            (std::vector<String>{"Open", "Open... rebuild", "File rebuild", "File rebuild", "menu"}));
  Changes.clear();
  delete Form;
  EXPECT_TRUE(Changes.empty());
}

TEST_F(MenusTest, CommandsAndShortcutsFindTheirItem) {
  TMenuItem* File = AddItem(Menu->Items(), "File");
  TMenuItem* Open = AddItem(File, "Open");
  Open->SetShortCut(TextToShortCut("Ctrl+O"));
  int Clicks = 0;
  Open->OnClick = [&](TObject* ASender) {
    EXPECT_EQ(ASender, Open);
    ++Clicks;
  };
  EXPECT_NE(Open->Command(), File->Command());
  EXPECT_EQ(Menu->FindItem(Open->Command(), fkCommand), Open);
  EXPECT_EQ(Menu->FindItem(TextToShortCut("Ctrl+O"), fkShortCut), Open);
  EXPECT_EQ(Menu->FindItem(scNone, fkShortCut), nullptr);
  EXPECT_TRUE(Menu->DispatchCommand(Open->Command()));
  EXPECT_FALSE(Menu->DispatchCommand(Open->Command() + 1000));
  Open->SetEnabled(false);
  Open->Click();
  EXPECT_EQ(Clicks, 1);
}

TEST_F(MenusTest, AnItemFollowsItsActionAndRunsIt) {
  auto* Action = new TAction(Form);
  Action->SetCaption("&Convert");
  Action->SetImageIndex(3);
  int Runs = 0;
  Action->OnExecute = [&](TObject*) { ++Runs; };
  TMenuItem* Item = AddItem(Menu->Items(), "");
  Item->SetAction(Action);
  EXPECT_EQ(Item->Caption(), "&Convert");
  EXPECT_EQ(Item->ImageIndex(), 3);
  Action->SetEnabled(false);
  EXPECT_FALSE(Item->Enabled());
  Action->SetEnabled(true);
  Action->SetChecked(true);
  EXPECT_TRUE(Item->Checked());
  Item->Click();
  EXPECT_EQ(Runs, 1);
  delete Action;
  EXPECT_EQ(Item->Action(), nullptr);
  Item->Click();
  EXPECT_EQ(Runs, 1);
}

TEST_F(MenusTest, ARightClickOpensThePopupMenuOfTheControl) {
  auto* Popup = new TPopupMenu(Form);
  AddItem(Popup->Items(), "-");
  AddItem(Popup->Items(), "Copy");
  std::vector<TPoint> Popups;
  Popup->OnPopup = [&](TObject* ASender) {
    EXPECT_EQ(ASender, Popup);
    Popups.push_back(Popup->PopupPoint());
  };
  auto* Panel = new TPanel(Form);
  Panel->SetParent(Form);
  Panel->SetBounds(20, 20, 100, 60);
  Panel->SetPopupMenu(Popup);
  Form->Show();
  Pump();
  const TPoint At = OnScreen(Panel, 10, 10);
  InjectClick(At, pbRight);
  Pump();
  ASSERT_EQ(Popups.size(), 1u);
  EXPECT_EQ(Popups[0], At);
  EXPECT_EQ(Popup->PopupComponent(), Panel);
  // The leading separator was hidden as the menu opened.
  EXPECT_FALSE(Popup->Items()->Items(0)->Visible());
  Popup->AutoPopup = false;
  InjectClick(At, pbRight);
  Pump();
  EXPECT_EQ(Popups.size(), 1u);
  delete Panel;
  EXPECT_EQ(Popup->PopupComponent(), nullptr);
}

}  // namespace
}  // namespace ui_test
