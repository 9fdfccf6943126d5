// Windows of windowed controls: made on demand, destroyed and made again, and the
// replaceable window procedure.

#include <gtest/gtest.h>

#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/win/Windows.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace ui_test {
namespace {

// Logs the messages its own handlers see, as "control:<number>".
class TLoggingControl : public TCustomControl {
 public:
  TLoggingControl(TComponent* AOwner, std::vector<String>& ALog) : TCustomControl(AOwner), FLog(ALog) {}

 protected:
  void Dispatch(TMessage& AMessage) override {
    if (AMessage.Msg == WM_USER + 1 || AMessage.Msg == CM_TEXTCHANGED)
      FLog.push_back(Format("control:%d", AMessage.Msg));
    TCustomControl::Dispatch(AMessage);
  }

 private:
  std::vector<String>& FLog;
};

class WinControlHandleTest : public UiTest {};

TEST_F(WinControlHandleTest, TheWindowIsMadeWhenFirstNeededWithItsParentsWindow) {
  auto* Child = new TCustomControl(&Host());
  Child->SetParent(&Host());
  Child->SetBounds(10, 20, 30, 40);
  Child->SetCaption("child");
  EXPECT_FALSE(Child->HandleAllocated());
  EXPECT_FALSE(Host().HandleAllocated());
  HWND Window = Child->Handle();
  ASSERT_TRUE(IsWindow(Window));
  EXPECT_TRUE(Host().HandleAllocated());
  EXPECT_EQ(GetParent(Window), Host().Handle());
  EXPECT_EQ(GetClassName(Window), Child->ClassName());
  EXPECT_EQ(GetWindowText(Window), "child");
  EXPECT_EQ(FindControl(Window), Child);
  RECT Rect;
  GetWindowRect(Window, &Rect);
  EXPECT_EQ(Rect, Bounds(110, 120, 30, 40));
}

TEST_F(WinControlHandleTest, AChildWithoutParentWindowCannotMakeItsWindow) {
  TCustomControl Orphan(nullptr);
  Orphan.SetName("Orphan");
  try {
    Orphan.Handle();
    FAIL() << "no exception";
  } catch (const EInvalidOperation& E) {
    EXPECT_EQ(E.Message(), "Control 'Orphan' has no parent window");
  }
  // Placed in a window that is not a control's, it is that window's child.
  THost Other(nullptr);
  HWND Outside = Other.Handle();
  Orphan.SetParentWindow(Outside);
  EXPECT_EQ(GetParent(Orphan.Handle()), Outside);
  Orphan.SetParentWindow(nullptr);
  EXPECT_FALSE(Orphan.HandleAllocated());
}

TEST_F(WinControlHandleTest, ARecreatedWindowKeepsAReplacedWindowProcFromItsFirstMessage) {
  std::vector<String> Log;
  auto* Child = new TLoggingControl(&Host(), Log);
  Child->SetParent(&Host());
  Child->SetCaption("kept");
  ShowHost();
  HWND Old = Child->Handle();
  std::vector<UINT> Seen;
  TWndMethod OldProc = Child->WindowProc;
  Child->WindowProc = [&](TMessage& AMessage) {
    Seen.push_back(AMessage.Msg);
    OldProc(AMessage);
  };
  Child->RecreateWnd();
  HWND New = Child->Handle();
  EXPECT_NE(New, Old);
  EXPECT_FALSE(IsWindow(Old));
  EXPECT_EQ(GetWindowText(New), "kept");
  EXPECT_TRUE(IsWindowVisible(New));
  // The new window's creation went through the replaced procedure from the start.
  auto NcCreate = std::find(Seen.begin(), Seen.end(), WM_NCCREATE);
  auto Create = std::find(Seen.begin(), Seen.end(), WM_CREATE);
  auto Destroy = std::find(Seen.begin(), Seen.end(), WM_DESTROY);
  ASSERT_NE(NcCreate, Seen.end());
  ASSERT_NE(Create, Seen.end());
  EXPECT_LT(Destroy, NcCreate);
  EXPECT_LT(NcCreate, Create);
  Child->WindowProc = OldProc;
}

TEST_F(WinControlHandleTest, AReplacedWindowProcSeesEveryMessageFirstAndPassesItOn) {
  std::vector<String> Log;
  auto* Child = new TLoggingControl(&Host(), Log);
  Child->SetParent(&Host());
  ShowHost();
  TWndMethod OldProc = Child->WindowProc;
  Child->WindowProc = [&](TMessage& AMessage) {
    if (AMessage.Msg == WM_USER + 1 || AMessage.Msg == CM_TEXTCHANGED)
      Log.push_back(Format("hook:%d", AMessage.Msg));
    if (AMessage.Msg == WM_USER + 2) return;  // swallowed
    OldProc(AMessage);
  };
  SendMessage(Child->Handle(), WM_USER + 1, 0, 0);
  Child->SetCaption("x");  // CM_TEXTCHANGED by Perform
  EXPECT_EQ(Log,
            (std::vector<String>{Format("hook:%d", WM_USER + 1), Format("control:%d", WM_USER + 1),
                                 Format("hook:%d", CM_TEXTCHANGED), Format("control:%d", CM_TEXTCHANGED)}));
  // Putting the old procedure back ends the hook.
  Child->WindowProc = OldProc;
  Log.clear();
  SendMessage(Child->Handle(), WM_USER + 1, 0, 0);
  EXPECT_EQ(Log, (std::vector<String>{Format("control:%d", WM_USER + 1)}));
}

TEST_F(WinControlHandleTest, DestroyingTheParentsWindowTakesTheChildrensWindowsAlong) {
  auto* Child = new TCustomControl(&Host());
  Child->SetParent(&Host());
  ShowHost();
  HWND ChildWindow = Child->Handle();
  Host().DestroyHandle();
  EXPECT_FALSE(Child->HandleAllocated());
  EXPECT_FALSE(Host().HandleAllocated());
  EXPECT_FALSE(IsWindow(ChildWindow));
  EXPECT_EQ(FindControl(ChildWindow), nullptr);
  // A window destroyed from outside the control is forgotten too.
  ShowHost();
  ChildWindow = Child->Handle();
  DestroyWindow(ChildWindow);
  EXPECT_FALSE(Child->HandleAllocated());
  EXPECT_EQ(FindControl(ChildWindow), nullptr);
}

TEST_F(WinControlHandleTest, AFreedControlLeavesItsParentAndItsWindowGoes) {
  auto* First = new TCustomControl(&Host());
  First->SetParent(&Host());
  auto* Second = new TGraphicControl(&Host());
  Second->SetParent(&Host());
  ShowHost();
  HWND FirstWindow = First->Handle();
  ASSERT_EQ(Host().ControlCount(), 2);
  delete First;
  EXPECT_FALSE(IsWindow(FirstWindow));
  ASSERT_EQ(Host().ControlCount(), 1);
  EXPECT_EQ(Host().Controls(0), Second);
  EXPECT_EQ(Host().ComponentCount(), 1);
  delete Second;
  EXPECT_EQ(Host().ControlCount(), 0);
}

TEST_F(WinControlHandleTest, AParentFreesTheChildrenItDoesNotOwn) {
  TComponent Owner(nullptr);
  auto* Panel = new TCustomControl(&Host());
  Panel->SetParent(&Host());
  auto* Child = new TGraphicControl(&Owner);
  Child->SetParent(Panel);
  ASSERT_EQ(Owner.ComponentCount(), 1);
  delete Panel;
  EXPECT_EQ(Owner.ComponentCount(), 0);
}

TEST_F(WinControlHandleTest, HidingAndShowingFollowTheParents) {
  auto* Child = new TCustomControl(&Host());
  Child->SetParent(&Host());
  ShowHost();
  EXPECT_TRUE(Child->Showing());
  EXPECT_TRUE(IsWindowVisible(Child->Handle()));
  Child->Hide();
  EXPECT_FALSE(Child->Showing());
  EXPECT_FALSE(IsWindowVisible(Child->Handle()));
  Child->Show();
  EXPECT_TRUE(IsWindowVisible(Child->Handle()));
  Host().Hide();
  EXPECT_FALSE(IsWindowVisible(Child->Handle()));
}

}  // namespace
}  // namespace ui_test
