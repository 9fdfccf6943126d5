// The skin form's life: finding it, taking over the form's window procedure and
// shortcut handler, and giving them back whoever goes first.

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/ui/Panel.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Timer.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "tests/components/forms/SkinFormTestSupport.h"

using namespace skin_form_test;

namespace {

class SkinFormComponentTest : public SkinFormTest {
 protected:
  // A form whose own procedure records what reaches it.
  TForm* NewRecordingForm() {
    TForm* Form = NewForm(Bounds(50, 50, 300, 200));
    TWndMethod Inherited = Form->WindowProc;
    Form->WindowProc = [this, Inherited](TMessage& AMessage) {
      Reached.push_back(AMessage.Msg);
      Inherited(AMessage);
    };
    return Form;
  }
  // WM_NCACTIVATE reaches the form's own procedure (it does not while a skin form is
  // on it).
  bool NcActivateReachesTheForm(TForm* AForm) {
    Reached.clear();
    SendMessage(AForm->Handle(), WM_NCACTIVATE, 1, 0);
    return std::find(Reached.begin(), Reached.end(), WM_NCACTIVATE) != Reached.end();
  }

  std::vector<UINT> Reached;
};

TEST_F(SkinFormComponentTest, FindSkinFormReturnsTheFirstOwnedComponentOrNone) {
  TForm* Form = NewForm(Bounds(50, 50, 300, 200));
  EXPECT_EQ(FindSkinForm(nullptr), nullptr);
  EXPECT_EQ(FindSkinForm(Form), nullptr);
  new TTimer(Form);
  auto* First = new TspSkinForm(Form);
  new TspSkinForm(Form);
  EXPECT_EQ(FindSkinForm(Form), First);
}

TEST_F(SkinFormComponentTest, AnOwnerThatIsNotAFormIsRefused) {
  TComponent Owner(nullptr);
  EXPECT_THROW(TspSkinForm{&Owner}, EInvalidCast);
  EXPECT_EQ(Owner.ComponentCount(), 0);
}

TEST_F(SkinFormComponentTest, TheFormsIconsAndShortcutHandlerPassToTheComponent) {
  TForm* Form = NewForm(Bounds(50, 50, 300, 200));
  int UserShortCuts = 0;
  Form->OnShortCut = [&](TWMKey&, bool&) { ++UserShortCuts; };
  auto* SkinForm = new TspSkinForm(Form);
  EXPECT_TRUE(Form->BorderIcons().Empty());
  TWMKey Key{};
  bool Handled = false;
  Form->OnShortCut(Key, Handled);
  EXPECT_EQ(UserShortCuts, 1);
  ASSERT_TRUE(SkinForm->OnShortCut);
  delete SkinForm;
  Form->OnShortCut(Key, Handled);
  EXPECT_EQ(UserShortCuts, 2);
}

TEST_F(SkinFormComponentTest, FreeingTheSkinFormGivesTheFormItsProcedureBack) {
  TForm* Form = NewRecordingForm();
  auto* SkinForm = new TspSkinForm(Form);
  EXPECT_FALSE(NcActivateReachesTheForm(Form));
  delete SkinForm;
  EXPECT_TRUE(NcActivateReachesTheForm(Form));
}

TEST_F(SkinFormComponentTest, AHookPutOnTopOfTheSkinFormOutlivesItSafely) {
  TForm* Form = NewRecordingForm();
  auto* SkinForm = new TspSkinForm(Form);
  int OuterHookCalls = 0;
  TWndMethod UnderOuterHook = Form->WindowProc;
  Form->WindowProc = [&OuterHookCalls, UnderOuterHook](TMessage& AMessage) {
    ++OuterHookCalls;
    UnderOuterHook(AMessage);
  };
  delete SkinForm;
  // The outer hook stays; below it the form's own procedure is reached directly.
  EXPECT_TRUE(NcActivateReachesTheForm(Form));
  EXPECT_GT(OuterHookCalls, 0);
}

TEST_F(SkinFormComponentTest, AShortcutHandlerPutOnTopOfTheSkinFormOutlivesItSafely) {
  TForm* Form = NewForm(Bounds(50, 50, 300, 200));
  int UserShortCuts = 0;
  auto* SkinForm = new TspSkinForm(Form);
  SkinForm->OnShortCut = [&](TWMKey&, bool&) { ++UserShortCuts; };
  TShortCutEvent Covered = Form->OnShortCut;
  Form->OnShortCut = [Covered](TWMKey& AMsg, bool& AHandled) { Covered(AMsg, AHandled); };
  TWMKey Key{};
  bool Handled = false;
  Form->OnShortCut(Key, Handled);
  EXPECT_EQ(UserShortCuts, 1);
  delete SkinForm;
  // The covering handler still calls the skin form's hook, which is inert now.
  Form->OnShortCut(Key, Handled);
  EXPECT_EQ(UserShortCuts, 1);
}

// The form's own procedure may free the skin form in any message the skin form passes
// on and then goes on handling; the skin form then touches nothing of itself (the
// sanitizers catch a read of the freed component).
TEST_F(SkinFormComponentTest, TheFormsOwnProcedureMayFreeTheSkinFormInAMessageItPassesOn) {
  auto Skin = MakeFixtureSkin();
  const char* Text = "Renamed";
  RECT Sizing{50, 50, 350, 250};
  struct TCase {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
  };
  const TCase Cases[] = {
      {WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Text)},
      {WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200)},
      {WM_ACTIVATE, WA_ACTIVE, 0},
      {WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&Sizing)},
      {WM_NCMOUSEMOVE, HTNOWHERE, MAKELPARAM(60, 60)},
      {WM_NCLBUTTONDOWN, HTNOWHERE, MAKELPARAM(60, 60)},
      {WM_NCLBUTTONUP, HTNOWHERE, MAKELPARAM(60, 60)},
      {WM_NCLBUTTONDBLCLK, HTNOWHERE, MAKELPARAM(60, 60)},
      {WM_MOUSEMOVE, 0, MAKELPARAM(10, 10)},
      {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10)},
      {WM_LBUTTONUP, 0, MAKELPARAM(10, 10)},
      {WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10)},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Msg);
    TForm* Form = NewForm(Bounds(50, 50, 300, 200));
    TspSkinForm* SkinForm = nullptr;
    bool Armed = false;
    const TWndMethod Inherited = Form->WindowProc;
    Form->WindowProc = [&SkinForm, &Armed, &Case, Inherited](TMessage& AMessage) {
      Inherited(AMessage);
      if (Armed && AMessage.Msg == Case.Msg) delete std::exchange(SkinForm, nullptr);
    };
    SkinForm = new TspSkinForm(Form);
    SkinForm->SetSkinData(Skin.get());
    ProcessPendingMessages();
    Armed = true;
    SendMessage(Form->Handle(), Case.Msg, Case.WParam, Case.LParam);
    EXPECT_EQ(SkinForm, nullptr);
    EXPECT_EQ(FindSkinForm(Form), nullptr);
    delete Form;
  }
}

// Notes, as each watched component goes, its name and what of the form was left then.
class TTeardownWatch : public TComponent {
 public:
  struct TGone {
    String Name;
    bool FormHadItsWindow;
    bool FormWasOnTheScreen;
    int FormControls;
  };

  explicit TTeardownWatch(TForm* AForm) : TComponent(nullptr), FForm(AForm) {}
  void Watch(TComponent* AComponent) { AComponent->FreeNotification(this); }
  std::vector<TGone> Gone;

 protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override {
    TComponent::Notification(AComponent, AOperation);
    if (AOperation != opRemove) return;
    bool OnTheScreen = false;
    for (int I = 0; I < Screen->CustomFormCount(); ++I) OnTheScreen |= Screen->CustomForms(I) == FForm;
    Gone.push_back({AComponent->Name(), FForm->HandleAllocated(), OnTheScreen, FForm->ControlCount()});
  }

 private:
  TForm* FForm;
};

TEST_F(SkinFormComponentTest, FreeingTheFormFreesItsSkinFormFirst) {
  TForm* Form = NewForm(Bounds(50, 50, 300, 200));
  // A control the form holds without owning it goes with the form's controls.
  auto* Panel = new TPanel(nullptr);
  Panel->SetName("Panel");
  Panel->SetParent(Form);
  auto* SkinForm = new TspSkinForm(Form);
  SkinForm->SetName("SkinForm");
  auto Skin = MakeFixtureSkin();
  SkinForm->SetSkinData(Skin.get());
  TTeardownWatch Watch(Form);
  Watch.Watch(SkinForm);
  Watch.Watch(Panel);
  delete Form;
  ProcessPendingMessages();
  // The skin form goes while the form is whole: its window, its place among the
  // screen's forms and its controls are all still there.
  ASSERT_EQ(Watch.Gone.size(), 2u);
  EXPECT_EQ(Watch.Gone[0].Name, "SkinForm");
  EXPECT_TRUE(Watch.Gone[0].FormHadItsWindow);
  EXPECT_TRUE(Watch.Gone[0].FormWasOnTheScreen);
  EXPECT_EQ(Watch.Gone[0].FormControls, 1);
  EXPECT_EQ(Watch.Gone[1].Name, "Panel");
  // Nothing of the form or its skin form is left to reach: the skin can still go.
  Skin.reset();
}

TEST_F(SkinFormComponentTest, FreeingTheSkinDataUnbindsIt) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr);
  auto Skin = MakeFixtureSkin();
  SkinForm->SetSkinData(Skin.get());
  EXPECT_EQ(SkinForm->Form()->ClientRect(), Rect(0, 0, 290, 160));
  Skin.reset();
  EXPECT_EQ(SkinForm->SkinData(), nullptr);
  SkinForm->ChangeSkinData();
  EXPECT_EQ(SkinForm->Form()->ClientRect(), Rect(0, 0, 294, 175));
}

}  // namespace

namespace {

using SkinFormObjectStateTest = SkinFormTest;

TEST_F(SkinFormObjectStateTest, ActivationEndsTheHoverAndPressOfTheFrameObjects) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr);
  // The built-in caption buttons, made by the first paint of the built-in frame.
  ASSERT_FALSE(SkinForm->ObjectList.empty());
  TspActiveSkinObject& Button = *SkinForm->ObjectList.front();
  Button.FMouseIn = true;
  Button.Active = true;
  SkinForm->Objects().ActiveObject = 0;
  SendMessage(SkinForm->Form()->Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_FALSE(Button.FMouseIn);
  EXPECT_FALSE(Button.Active);
  EXPECT_EQ(SkinForm->Objects().ActiveObject, -1);
}

}  // namespace
