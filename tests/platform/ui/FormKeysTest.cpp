// The keyboard on forms: the focus on activation and the tab order, the default and
// cancel buttons, KeyPreview, accelerators, OnShortCut and the shortcuts of menus.

#include <gtest/gtest.h>

#include <vector>

#include "platform/base/ScopeExit.h"
#include "platform/win/Focus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/FormsTestSupport.h"

namespace ui_test {
namespace {

// A focusable control that is not a button (as an edit is).
class TField : public TCustomControl {
 public:
  explicit TField(TComponent* AOwner) : TCustomControl(AOwner) { SetTabStop(true); }
};

class FormKeysTest : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    Form = NewForm("Form");
    Field = new TField(Form);
    Field->SetName("Field");
    Field->SetParent(Form);
    Field->SetBounds(10, 10, 100, 20);
    Go = NewButton(Form, "&Go", 10, 40);
    Go->SetName("Go");
    Go->SetDefault(true);
    Go->OnClick = [this](TObject*) { Log.push_back("go"); };
    Stop = NewButton(Form, "Stop", 100, 40);
    Stop->SetName("Stop");
    Stop->Cancel = true;
    Stop->OnClick = [this](TObject*) { Log.push_back("stop"); };
    Form->Show();
    Pump();
  }

  void Stroke(UINT AKey, UINT AModifiers = 0) {
    InjectKeyStroke(AKey, AModifiers);
    Pump();
  }

  TForm* Form = nullptr;
  TField* Field = nullptr;
  TButton* Go = nullptr;
  TButton* Stop = nullptr;
  std::vector<String> Log;
};

TEST_F(FormKeysTest, ActivationFocusesTheFirstControlAndTabWalksTheTabOrder) {
  EXPECT_EQ(FocusedName(), "Field");
  EXPECT_EQ(Form->ActiveControl(), Field);
  EXPECT_EQ(Screen->ActiveControl(), Field);
  std::vector<String> Order;
  for (int I = 0; I < 3; ++I) {
    Stroke(VK_TAB);
    Order.push_back(FocusedName());
  }
  Stroke(VK_TAB, PointerShift);
  Order.push_back(FocusedName());
  EXPECT_EQ(Order, (std::vector<String>{"Go", "Stop", "Field", "Stop"}));
  EXPECT_EQ(Form->ActiveControl(), Stop);
  EXPECT_TRUE(Log.empty());
}

TEST_F(FormKeysTest, EnterReachesTheDefaultButtonUnlessAnotherButtonHasTheFocus) {
  Stroke(VK_RETURN);
  Stroke(VK_ESCAPE);
  Stop->SetFocus();
  Stroke(VK_RETURN);
  EXPECT_EQ(Log, (std::vector<String>{"go", "stop", "stop"}));
}

TEST_F(FormKeysTest, AcceleratorsClickTheirButtonWithOrWithoutAlt) {
  Stroke('G', PointerAlt);
  Stroke('G');
  Stroke('S', PointerAlt);
  EXPECT_EQ(Log, (std::vector<String>{"go", "go"}));
}

TEST_F(FormKeysTest, WithKeyPreviewTheFormSeesKeysFirstAndMayTakeThem) {
  std::vector<String> Keys;
  Field->OnKeyDown = [&](TObject*, WORD& AKey, TShiftState) { Keys.push_back(Format("field %d", AKey)); };
  Form->OnKeyDown = [&](TObject*, WORD& AKey, TShiftState) {
    Keys.push_back(Format("form %d", AKey));
    if (AKey == 'B') AKey = 0;
  };
  Stroke('A');
  Form->SetKeyPreview(true);
  Stroke('A');
  Stroke('B');
  EXPECT_EQ(Keys, (std::vector<String>{"field 65", "form 65", "field 65", "form 66"}));
}

TEST_F(FormKeysTest, OnShortCutComesBeforeTheMenuAndTakesTheKey) {
  auto* Menu = new TMainMenu(Form);
  auto* Save = new TMenuItem(Form);
  Save->SetCaption("&Save");
  Save->SetShortCut(TextToShortCut("Ctrl+S"));
  Save->OnClick = [this](TObject*) { Log.push_back("save"); };
  Menu->Items()->Add(Save);
  Form->SetMenu(Menu);
  Form->OnShortCut = [this](TWMKey& AKey, bool& AHandled) {
    if (AKey.CharCode == VK_F1) {
      Log.push_back("help");
      AHandled = true;
    }
  };
  Stroke('S', PointerControl);
  Stroke(VK_F1);
  Stroke('S');
  Save->SetEnabled(false);
  Stroke('S', PointerControl);
  EXPECT_EQ(Log, (std::vector<String>{"save", "help"}));
}

TEST_F(FormKeysTest, ThePopupMenuOfTheFocusedControlOrItsParentTakesItsShortcuts) {
  auto* Popup = new TPopupMenu(Form);
  auto* Copy = new TMenuItem(Popup);
  Copy->SetShortCut(TextToShortCut("Ctrl+C"));
  Copy->OnClick = [this](TObject*) { Log.push_back("copy"); };
  Popup->Items()->Add(Copy);
  Form->SetPopupMenu(Popup);
  Stroke('C', PointerControl);
  EXPECT_EQ(Log, (std::vector<String>{"copy"}));
}

TEST_F(FormKeysTest, AFreedFocusedControlLeavesNoReferenceInTheFormOrTheScreen) {
  ASSERT_EQ(Form->ActiveControl(), Field);
  delete Field;
  // The focus went to the form itself.
  EXPECT_EQ(Form->ActiveControl(), nullptr);
  EXPECT_EQ(Screen->ActiveControl(), Form);
  EXPECT_EQ(FocusedName(), "Form");
  Stroke(VK_TAB);
  EXPECT_EQ(FocusedName(), "Go");
}

TEST_F(FormKeysTest, TheScreenFollowsTheActiveFormAndControl) {
  int FormChanges = 0;
  int ControlChanges = 0;
  Screen->OnActiveFormChange = [&](TObject*) { ++FormChanges; };
  Screen->OnActiveControlChange = [&](TObject*) { ++ControlChanges; };
  // The fixture frees the forms after this body, when the counters are gone.
  ScopeExit ForgetHandlers([] {
    Screen->OnActiveFormChange = nullptr;
    Screen->OnActiveControlChange = nullptr;
  });
  TForm* Second = NewForm("Second", 400, 100);
  TButton* Inner = NewButton(Second, "Inner", 10, 10);
  Second->Show();
  Pump();
  EXPECT_EQ(Screen->ActiveForm(), Second);
  EXPECT_EQ(Screen->ActiveControl(), Inner);
  Form->Show();
  Pump();
  EXPECT_EQ(Screen->ActiveForm(), Form);
  EXPECT_EQ(Screen->ActiveControl(), Field);
  EXPECT_EQ(FormChanges, 2);
  EXPECT_EQ(ControlChanges, 2);
  EXPECT_EQ(Second->ActiveControl(), Inner);
}

}  // namespace
}  // namespace ui_test
