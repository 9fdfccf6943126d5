// The application object: the forms it makes, OnMessage as a chain of handlers, the
// run and its end, exceptions that reach the loop, minimizing and activation.

#include <gtest/gtest.h>

#include <vector>

#include "platform/win/Focus.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/FormsTestSupport.h"

namespace ui_test {
namespace {

constexpr UINT WM_PROBE = WM_APP + 1;

// A form that records when its constructor and OnCreate ran.
class TProbeForm : public TForm {
 public:
  explicit TProbeForm(TComponent* AOwner) : TForm(AOwner) {
    Log().push_back("constructed");
    OnCreate = [](TObject*) { Log().push_back("OnCreate"); };
  }
  static std::vector<String>& Log() {
    static std::vector<String> Entries;
    return Entries;
  }
};

using ApplicationTest = FormsTest;

TEST_F(ApplicationTest, TheFirstFormMadeIsTheMainFormAndOwnsTheWindowsOfTheOthers) {
  TProbeForm::Log().clear();
  auto* First = Application->CreateForm<TProbeForm>();
  auto* Second = Application->CreateForm<TForm>();
  EXPECT_EQ(TProbeForm::Log(), (std::vector<String>{"constructed", "OnCreate"}));
  EXPECT_EQ(Application->MainForm(), First);
  EXPECT_EQ(Application->Handle(), First->Handle());
  EXPECT_EQ(Second->Owner(), Application);
  EXPECT_EQ(GetWindow(Second->Handle(), GW_OWNER), First->Handle());
  delete First;
  EXPECT_EQ(Application->MainForm(), nullptr);
  EXPECT_EQ(Application->Handle(), nullptr);
}

TEST_F(ApplicationTest, OnMessageHandlersRunNewestFirstAndAreRemovedOneByOne) {
  NewForm("Main")->Show();
  std::vector<String> Seen;
  const auto Older = Application->OnMessage.Add([&](MSG& AMsg, bool&) {
    if (AMsg.message == WM_PROBE) Seen.push_back(Format("older %d", AMsg.wParam));
  });
  const auto Newer = Application->OnMessage.Add([&](MSG& AMsg, bool& AHandled) {
    if (AMsg.message != WM_PROBE) return;
    Seen.push_back(Format("newer %d", AMsg.wParam));
    AHandled = AMsg.wParam == 2;
  });
  PostMessage(nullptr, WM_PROBE, 1, 0);
  PostMessage(nullptr, WM_PROBE, 2, 0);
  Pump();
  Application->OnMessage.Remove(Newer);
  PostMessage(nullptr, WM_PROBE, 3, 0);
  Pump();
  Application->OnMessage.Remove(Older);
  PostMessage(nullptr, WM_PROBE, 4, 0);
  Pump();
  EXPECT_EQ(Seen, (std::vector<String>{"newer 1", "older 1", "newer 2", "older 3"}));
}

TEST_F(ApplicationTest, RunShowsTheMainFormAndEndsAtTerminate) {
  TForm* Main = NewForm("Main");
  bool ShownWhileRunning = false;
  Headless().QueueEvent([&] {
    ShownWhileRunning = Main->Visible() && GetActiveWindow() == Main->Handle();
    Application->Terminate();
  });
  Application->Run();
  EXPECT_TRUE(ShownWhileRunning);
  EXPECT_TRUE(Application->Terminated());
}

TEST_F(ApplicationTest, AnExceptionThatReachesTheLoopGoesToOnExceptionAndTheRunGoesOn) {
  TForm* Main = NewForm("Main");
  TButton* Button = NewButton(Main, "Fail", 10, 10);
  Button->OnClick = [](TObject*) { throw EConvertError("'x' is not a valid integer value"); };
  std::vector<String> Reported;
  Application->OnException = [&](TObject* ASender, const Exception& E) {
    Reported.push_back(E.Message());
    if (Reported.size() == 2) static_cast<TApplication*>(ASender)->Terminate();
  };
  Headless().QueueEvent([&] {
    InjectClick(OnScreen(Button, 5, 5));
    InjectClick(OnScreen(Button, 5, 5));
  });
  Application->Run();
  EXPECT_EQ(Reported, (std::vector<String>(2, "'x' is not a valid integer value")));
}

TEST_F(ApplicationTest, MinimizeAndRestoreActOnTheMainForm) {
  TForm* Main = NewForm("Main");
  Main->Show();
  std::vector<String> Events;
  Application->OnMinimize = [&](TObject*) { Events.push_back("minimize"); };
  Application->OnRestore = [&](TObject*) { Events.push_back("restore"); };
  Application->Minimize();
  EXPECT_TRUE(IsIconic(Main->Handle()));
  EXPECT_EQ(Main->WindowState(), wsMinimized);
  Application->Minimize();
  Application->Restore();
  EXPECT_FALSE(IsIconic(Main->Handle()));
  EXPECT_EQ(Main->WindowState(), wsNormal);
  EXPECT_EQ(Events, (std::vector<String>{"minimize", "restore"}));
}

TEST_F(ApplicationTest, ActivationOfTheProgramRaisesOnActivateAndOnDeactivate) {
  TForm* Main = NewForm("Main");
  std::vector<String> Events;
  Application->OnActivate = [&](TObject*) { Events.push_back("activate"); };
  Application->OnDeactivate = [&](TObject*) { Events.push_back("deactivate"); };
  Main->Show();
  Pump();
  EXPECT_TRUE(Application->Active());
  InjectTopLevelFocus(Main->Handle(), false);
  Pump();
  EXPECT_FALSE(Application->Active());
  EXPECT_EQ(Events, (std::vector<String>{"activate", "deactivate"}));
}

}  // namespace
}  // namespace ui_test
