// Focus and keys: tab order, the focus bookkeeping of the top-level control (OnEnter,
// OnExit, CM_FOCUSCHANGED), key events with preview, and the dialog keys.

#include <gtest/gtest.h>

#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/win/Focus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace ui_test {
namespace {

// A host that may see keys before its controls.
class TPreviewHost : public THost {
 public:
  using THost::THost;
  bool Preview = false;
  bool KeyPreview() const override { return Preview; }
};

// A windowless control that answers the dialog keys it is given and logs CM_FOCUSCHANGED.
class TDialogKeyProbe : public TGraphicControl {
 public:
  TDialogKeyProbe(TWinControl* AParent, WORD AKey, std::vector<String>& ALog)
      : TGraphicControl(AParent), FKey(AKey), FLog(ALog) {
    SetParent(AParent);
  }

 protected:
  void Dispatch(TMessage& AMessage) override {
    if (AMessage.Msg == CM_DIALOGKEY && AMessage.WParam == FKey) {
      FLog.push_back(Format("dialogkey %d", FKey));
      AMessage.Result = 1;
      return;
    }
    if (AMessage.Msg == CM_FOCUSCHANGED) {
      auto* Focused = reinterpret_cast<TControl*>(AMessage.LParam);
      FLog.push_back("focuschanged " + (Focused ? Focused->Name() : String("none")));
    }
    TGraphicControl::Dispatch(AMessage);
  }

 private:
  WORD FKey;
  std::vector<String>& FLog;
};

// A windowed control that may claim the arrows.
class TEditLike : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  bool WantsArrows = false;

 protected:
  void Dispatch(TMessage& AMessage) override {
    if (AMessage.Msg == CM_WANTSPECIALKEY && WantsArrows && AMessage.WParam >= VK_LEFT &&
        AMessage.WParam <= VK_DOWN) {
      AMessage.Result = 1;
      return;
    }
    TCustomControl::Dispatch(AMessage);
  }
};

class FocusTest : public UiTest {
 protected:
  TEditLike* Add(TWinControl* AParent, const String& AName, int ATop) {
    auto* Control = new TEditLike(&Host());
    Control->SetName(AName);
    Control->SetBounds(10, ATop, 50, 20);
    Control->SetParent(AParent);
    Control->SetTabStop(true);
    Control->OnEnter = [this](TObject* ASender) {
      Log.push_back("enter " + static_cast<TComponent*>(ASender)->Name());
    };
    Control->OnExit = [this](TObject* ASender) {
      Log.push_back("exit " + static_cast<TComponent*>(ASender)->Name());
    };
    return Control;
  }
  String FocusedName() {
    TWinControl* Control = FindControl(GetFocus());
    return Control ? Control->Name() : String("none");
  }

  std::vector<String> Log;
};

TEST_F(FocusTest, SelectNextWalksTheTabOrderDepthFirstAndSkipsWhatCannotTakeTheFocus) {
  TEditLike* A = Add(&Host(), "a", 0);
  TEditLike* Group = Add(&Host(), "group", 30);
  Group->SetBounds(0, 30, 150, 100);
  TEditLike* Inner1 = Add(Group, "inner1", 0);
  Add(Group, "inner2", 30);
  TEditLike* C = Add(&Host(), "c", 0);
  ShowHost();
  A->SetFocus();
  std::vector<String> Order;
  for (int I = 0; I < 6; ++I) {
    Host().SelectNext(FindControl(GetFocus()), true, true);
    Order.push_back(FocusedName());
  }
  EXPECT_EQ(Order, (std::vector<String>{"group", "inner1", "inner2", "c", "a", "group"}));
  // Backwards, and with c moved to the front of the tab order.
  C->SetTabOrder(0);
  EXPECT_EQ(C->TabOrder(), 0);
  EXPECT_EQ(A->TabOrder(), 1);
  Host().SelectNext(Group, false, true);
  EXPECT_EQ(FocusedName(), "a");
  Host().SelectNext(A, false, true);
  EXPECT_EQ(FocusedName(), "c");
  // Hidden, disabled and not tab-stop controls are passed over.
  Group->SetTabStop(false);
  Inner1->SetEnabled(false);
  A->Hide();
  Host().SelectNext(C, true, true);
  EXPECT_EQ(FocusedName(), "inner2");
}

TEST_F(FocusTest, EnterAndExitRunFromTheOldFocusUpToTheCommonParentAndDownToTheNew) {
  TEditLike* Left = Add(&Host(), "left", 0);
  TEditLike* LeftChild = Add(Left, "leftchild", 0);
  TEditLike* Right = Add(&Host(), "right", 30);
  TEditLike* RightChild = Add(Right, "rightchild", 0);
  std::vector<String> Notices;
  auto* Probe = new TDialogKeyProbe(&Host(), VK_RETURN, Notices);
  ShowHost();
  LeftChild->SetFocus();
  Log.clear();
  Notices.clear();
  RightChild->SetFocus();
  EXPECT_EQ(Log, (std::vector<String>{"exit leftchild", "exit left", "enter right", "enter rightchild"}));
  EXPECT_EQ(Notices, (std::vector<String>{"focuschanged rightchild"}));
  EXPECT_EQ(Host().FocusedControl(), RightChild);
  EXPECT_TRUE(RightChild->Focused());
  EXPECT_EQ(Probe->Parent(), &Host());
  EXPECT_EQ(Left->Parent(), &Host());
}

TEST_F(FocusTest, AnOnExitThatMovesTheFocusEndsTheOldMove) {
  TEditLike* A = Add(&Host(), "a", 0);
  TEditLike* B = Add(&Host(), "b", 30);
  TEditLike* C = Add(&Host(), "c", 60);
  ShowHost();
  A->SetFocus();
  A->OnExit = [&](TObject*) {
    Log.push_back("exit a");
    C->SetFocus();
  };
  Log.clear();
  B->SetFocus();
  EXPECT_EQ(FocusedName(), "c");
  EXPECT_EQ(Host().FocusedControl(), C);
  EXPECT_EQ(Log, (std::vector<String>{"exit a", "enter c"}));
}

TEST_F(FocusTest, ControlsThatCannotTakeTheFocusRefuseIt) {
  TEditLike* A = Add(&Host(), "a", 0);
  ShowHost();
  A->Hide();
  EXPECT_FALSE(A->CanFocus());
  try {
    A->SetFocus();
    FAIL() << "no exception";
  } catch (const EInvalidOperation& E) {
    EXPECT_EQ(E.Message(), "Cannot focus a disabled or invisible window");
  }
}

TEST_F(FocusTest, AFreedFocusedControlLeavesNoReferenceBehind) {
  TEditLike* Group = Add(&Host(), "group", 0);
  TEditLike* Inner = Add(Group, "inner", 0);
  ShowHost();
  Inner->SetFocus();
  ASSERT_EQ(Host().FocusedControl(), Inner);
  delete Inner;
  EXPECT_EQ(Host().FocusedControl(), Group);
  delete Group;
  EXPECT_EQ(Host().FocusedControl(), &Host());
}

TEST_F(FocusTest, KeysReachTheFocusedControlAndAPreviewingHostFirst) {
  auto& PreviewHost = *new TPreviewHost(&Host());
  PreviewHost.SetBounds(300, 100, 200, 150);
  TEditLike* Edit = new TEditLike(&PreviewHost);
  Edit->SetParent(&PreviewHost);
  Edit->SetBounds(0, 0, 50, 20);
  std::vector<String> Keys;
  Edit->OnKeyDown = [&](TObject*, WORD& AKey, TShiftState AShift) {
    Keys.push_back(Format("edit down %d%s", AKey, AShift.Contains(ssShift) ? " shift" : ""));
  };
  Edit->OnKeyPress = [&](TObject*, uint32_t& AKey) { Keys.push_back(Format("edit press %d", AKey)); };
  PreviewHost.OnKeyDown = [&](TObject*, WORD& AKey, TShiftState) {
    Keys.push_back(Format("host down %d", AKey));
    if (AKey == 'X') AKey = 0;  // taken
  };
  PreviewHost.Show();
  Edit->SetFocus();
  Pump();
  InjectKeyStroke('A', PointerShift);
  InjectKeyStroke('X');
  Pump();
  EXPECT_EQ(Keys,
            (std::vector<String>{"edit down 65 shift", "edit press 65", "edit down 88", "edit press 120"}));
  Keys.clear();
  // The host takes the key down; the character was made from it already.
  PreviewHost.Preview = true;
  InjectKeyStroke('X');
  Pump();
  EXPECT_EQ(Keys, (std::vector<String>{"host down 88", "edit press 120"}));
}

TEST_F(FocusTest, SpecialKeysReachTheDialogKeysUnlessTheControlClaimsThem) {
  TEditLike* Edit = Add(&Host(), "edit", 0);
  std::vector<String> Notices;
  new TDialogKeyProbe(&Host(), VK_RETURN, Notices);
  new TDialogKeyProbe(&Host(), VK_DOWN, Notices);
  ShowHost();
  Edit->SetFocus();
  Notices.clear();
  EXPECT_EQ(Edit->Perform(CN_KEYDOWN, VK_RETURN, 0), 1);
  EXPECT_EQ(Edit->Perform(CN_KEYDOWN, VK_DOWN, 0), 1);
  EXPECT_EQ(Edit->Perform(CN_KEYDOWN, 'A', 0), 0);
  Edit->WantsArrows = true;
  EXPECT_EQ(Edit->Perform(CN_KEYDOWN, VK_DOWN, 0), 0);
  EXPECT_EQ(Notices,
            (std::vector<String>{Format("dialogkey %d", VK_RETURN), Format("dialogkey %d", VK_DOWN)}));
}

}  // namespace
}  // namespace ui_test

namespace ui_test {
namespace {

// Logs the CM_CANCELMODE it receives with the name of the pressed control.
class TModalEdit : public TCustomControl {
 public:
  TModalEdit(TWinControl* AParent, std::vector<String>& ALog) : TCustomControl(AParent), FLog(ALog) {
    SetBounds(10, 10, 50, 20);
    SetParent(AParent);
  }

 protected:
  void Dispatch(TMessage& AMessage) override {
    if (AMessage.Msg == CM_CANCELMODE)
      FLog.push_back("cancel mode for " + reinterpret_cast<TControl*>(AMessage.LParam)->Name());
    TCustomControl::Dispatch(AMessage);
  }

 private:
  std::vector<String>& FLog;
};

TEST_F(FocusTest, APressElsewhereTellsTheFocusedControlToCancelItsModes) {
  auto* Edit = new TModalEdit(&Host(), Log);
  auto* Button = new TGraphicControl(&Host());
  Button->SetName("button");
  Button->SetBounds(100, 10, 40, 20);
  Button->SetParent(&Host());
  ShowHost();
  Edit->SetFocus();
  InjectClick(OnHost(110, 15));
  InjectClick(OnHost(20, 15));  // on the focused control itself: nothing to cancel
  Pump();
  EXPECT_EQ(Log, (std::vector<String>{"cancel mode for button"}));
}

}  // namespace
}  // namespace ui_test
