// Modal forms: the result, the other forms disabled meanwhile, timers under the modal
// loop, refusal by OnCloseQuery, caFree, and the end of the application.

#include <gtest/gtest.h>

#include "platform/base/Exceptions.h"
#include "platform/ui/Timer.h"
#include "platform/win/Focus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowTree.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/FormsTestSupport.h"

namespace ui_test {
namespace {

class FormModalTest : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    Main = NewForm("Main");
    Main->Show();
    Dialog = NewForm("Dialog", 150, 150);
    Ok = NewButton(Dialog, "OK", 10, 10);
    Ok->ModalResult = mrOk;
    Ok->SetDefault(true);
    Cancel = NewButton(Dialog, "Cancel", 100, 10);
    Cancel->ModalResult = mrCancel;
    Cancel->Cancel = true;
    Pump();
  }

  // Runs AStep inside the modal loop, once the loop waits for input.
  void WhileModal(std::function<void()> AStep) { Headless().QueueEvent(std::move(AStep)); }

  TForm* Main = nullptr;
  TForm* Dialog = nullptr;
  TButton* Ok = nullptr;
  TButton* Cancel = nullptr;
};

TEST_F(FormModalTest, ReturnsTheResultOfTheButtonAndDisablesTheOtherFormsMeanwhile) {
  bool MainEnabledMeanwhile = true;
  bool DialogActiveMeanwhile = false;
  WhileModal([&] {
    MainEnabledMeanwhile = IsWindowEnabled(Main->Handle());
    DialogActiveMeanwhile = GetActiveWindow() == Dialog->Handle() && Dialog->Active();
    InjectKeyStroke(VK_RETURN);
  });
  EXPECT_EQ(Dialog->ShowModal(), mrOk);
  EXPECT_FALSE(MainEnabledMeanwhile);
  EXPECT_TRUE(DialogActiveMeanwhile);
  EXPECT_TRUE(IsWindowEnabled(Main->Handle()));
  EXPECT_FALSE(Dialog->Visible());
  EXPECT_FALSE(IsWindowVisible(Dialog->Handle()));
  EXPECT_EQ(GetActiveWindow(), Main->Handle());
  EXPECT_FALSE(Dialog->Modal());
}

TEST_F(FormModalTest, EscapeReachesTheCancelButtonAndAClickTheButtonClicked) {
  WhileModal([] { InjectKeyStroke(VK_ESCAPE); });
  EXPECT_EQ(Dialog->ShowModal(), mrCancel);
  WhileModal([&] { InjectClick(OnScreen(Ok, 5, 5)); });
  EXPECT_EQ(Dialog->ShowModal(), mrOk);
}

TEST_F(FormModalTest, ATimerKeepsFiringUnderTheModalForm) {
  auto* Timer = new TTimer(Main);
  Timer->SetInterval(100);
  int Ticks = 0;
  Timer->OnTimer = [&](TObject*) { ++Ticks; };
  int TicksMeanwhile = 0;
  WhileModal([&] {
    Headless().AdvanceClock(1000);
    TicksMeanwhile = Ticks;
    InjectKeyStroke(VK_ESCAPE);
  });
  EXPECT_EQ(Dialog->ShowModal(), mrCancel);
  EXPECT_EQ(TicksMeanwhile, 10);
}

TEST_F(FormModalTest, ARefusingOnCloseQueryKeepsTheFormOpenUntilItAgrees) {
  // Escape is refused; the form stays, so Enter reaches its default button.
  int Queries = 0;
  Dialog->OnCloseQuery = [&](TObject*, bool& ACanClose) { ACanClose = ++Queries > 1; };
  WhileModal([] {
    InjectKeyStroke(VK_ESCAPE);
    InjectKeyStroke(VK_RETURN);
  });
  EXPECT_EQ(Dialog->ShowModal(), mrOk);
  EXPECT_EQ(Queries, 2);
}

TEST_F(FormModalTest, OnCloseWithCaNoneKeepsItOpenAndCaFreeFreesItAfterTheLoop) {
  int Closes = 0;
  bool Destroyed = false;
  Dialog->OnDestroy = [&](TObject*) { Destroyed = true; };
  Dialog->OnClose = [&](TObject*, TCloseAction& AAction) { AAction = ++Closes == 1 ? caNone : caFree; };
  WhileModal([] {
    InjectKeyStroke(VK_ESCAPE);
    InjectKeyStroke(VK_RETURN);
  });
  EXPECT_EQ(Dialog->ShowModal(), mrOk);
  EXPECT_EQ(Closes, 2);
  EXPECT_FALSE(Destroyed);
  Pump();
  EXPECT_TRUE(Destroyed);
  EXPECT_EQ(Screen->CustomFormCount(), 1);
}

TEST_F(FormModalTest, TerminatingTheApplicationEndsTheModalLoopWithCancel) {
  Ok->OnClick = [](TObject*) { Application->Terminate(); };
  Ok->ModalResult = mrNone;
  WhileModal([] { InjectKeyStroke(VK_RETURN); });
  EXPECT_EQ(Dialog->ShowModal(), mrCancel);
  EXPECT_TRUE(Application->Terminated());
  // A modal form opened afterwards returns at once, waiting for no input.
  EXPECT_EQ(Dialog->ShowModal(), mrCancel);
}

TEST_F(FormModalTest, CloseOfAModalFormCancelsIt) {
  WhileModal([&] {
    Dialog->Close();
    PostMessage(nullptr, WM_NULL, 0, 0);
  });
  EXPECT_EQ(Dialog->ShowModal(), mrCancel);
}

TEST_F(FormModalTest, AVisibleFormCannotBeMadeModal) {
  try {
    Main->ShowModal();
    FAIL() << "no exception";
  } catch (const EInvalidOperation& E) {
    EXPECT_EQ(E.Message(), "Cannot make a visible window modal");
  }
}

}  // namespace
}  // namespace ui_test
