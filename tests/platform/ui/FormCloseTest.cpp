// Closing forms that are not modal: OnCloseQuery, the actions of OnClose, the window's
// close requests, and the main form ending the run.

#include <gtest/gtest.h>

#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/FormsTestSupport.h"

namespace ui_test {
namespace {

class FormCloseTest : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    Main = NewForm("Main");
    Main->Show();
    Other = NewForm("Other", 400, 100);
    Other->Show();
    Pump();
  }

  TForm* Main = nullptr;
  TForm* Other = nullptr;
};

TEST_F(FormCloseTest, ARefusingOnCloseQueryKeepsTheFormAndOnCloseIsNotAsked) {
  bool Asked = false;
  Other->OnCloseQuery = [](TObject*, bool& ACanClose) { ACanClose = false; };
  Other->OnClose = [&](TObject*, TCloseAction&) { Asked = true; };
  Other->Close();
  // The close box and Alt+F4 arrive as WM_CLOSE, which asks the form too.
  SendMessage(Other->Handle(), WM_CLOSE, 0, 0);
  InjectKeyStroke(VK_F4, PointerAlt);
  Pump();
  EXPECT_TRUE(Other->Visible());
  EXPECT_TRUE(IsWindow(Other->Handle()));
  EXPECT_TRUE(IsWindowVisible(Other->Handle()));
  EXPECT_FALSE(Asked);
}

TEST_F(FormCloseTest, TheActionOfOnCloseDecides) {
  struct TCase {
    TCloseAction Action;
    bool Visible;
    TWindowState State;
  };
  const TCase Cases[] = {
      {caNone, true, wsNormal}, {caHide, false, wsNormal}, {caMinimize, true, wsMinimized}};
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(static_cast<int>(Case.Action));
    Other->SetWindowState(wsNormal);
    Other->Show();
    Other->OnClose = [&](TObject*, TCloseAction& AAction) {
      EXPECT_EQ(AAction, caHide);
      AAction = Case.Action;
    };
    SendMessage(Other->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Other->Visible(), Case.Visible);
    EXPECT_EQ(Other->WindowState(), Case.State);
    EXPECT_EQ(IsIconic(Other->Handle()), Case.State == wsMinimized);
  }
}

TEST_F(FormCloseTest, CaFreeFreesTheFormOnceItsMessagesAreHandled) {
  bool Destroyed = false;
  Other->OnDestroy = [&](TObject*) { Destroyed = true; };
  Other->OnClose = [](TObject*, TCloseAction& AAction) { AAction = caFree; };
  const HWND Window = Other->Handle();
  Other->Close();
  EXPECT_FALSE(Destroyed);
  Pump();
  EXPECT_TRUE(Destroyed);
  EXPECT_FALSE(IsWindow(Window));
  EXPECT_EQ(Screen->CustomFormCount(), 1);
  EXPECT_EQ(Application->ComponentCount(), 1);
}

TEST_F(FormCloseTest, AFormFreedOtherwiseBeforeItsReleaseLeavesNothingBehind) {
  Other->Release();
  delete Other;
  Pump();
  EXPECT_EQ(Screen->CustomFormCount(), 1);
}

TEST_F(FormCloseTest, ClosingTheMainFormEndsTheRun) {
  Main->Close();
  EXPECT_FALSE(Application->Terminated());
  Application->Run();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_TRUE(Main->Visible());
}

}  // namespace
}  // namespace ui_test
