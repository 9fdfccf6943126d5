// The mouse: windowless controls reached by direct dispatch in their own coordinates,
// clicks, the capture a press takes, and CM_MOUSEENTER / CM_MOUSELEAVE.

#include <gtest/gtest.h>

#include <vector>

#include "platform/win/MessageQueue.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace ui_test {
namespace {

// Logs its mouse events and enter/leave notices as "<name>:<event> x,y".
class TMouseProbe : public TGraphicControl {
 public:
  TMouseProbe(TWinControl* AParent, const String& AName, TRect ABounds, std::vector<String>& ALog)
      : TGraphicControl(AParent), FLog(ALog) {
    SetName(AName);
    SetBoundsRect(ABounds);
    SetParent(AParent);
    OnClick = [this](TObject*) { FLog.push_back(Name() + ":click"); };
  }

 protected:
  void Dispatch(TMessage& AMessage) override {
    if (AMessage.Msg == CM_MOUSEENTER) FLog.push_back(Name() + ":enter");
    if (AMessage.Msg == CM_MOUSELEAVE) FLog.push_back(Name() + ":leave");
    TGraphicControl::Dispatch(AMessage);
  }
  void MouseDown(TMouseButton AButton, TShiftState, int AX, int AY) override {
    FLog.push_back(Format("%s:down%d %d,%d", Name(), static_cast<int>(AButton), AX, AY));
  }
  void MouseMove(TShiftState, int AX, int AY) override {
    FLog.push_back(Format("%s:move %d,%d", Name(), AX, AY));
  }
  void MouseUp(TMouseButton AButton, TShiftState, int AX, int AY) override {
    FLog.push_back(Format("%s:up%d %d,%d", Name(), static_cast<int>(AButton), AX, AY));
  }

 private:
  std::vector<String>& FLog;
};

class ControlMouseTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    Host().SetName("host");
    HostProc = Host().WindowProc;
    Host().WindowProc = [this](TMessage& AMessage) {
      if (AMessage.Msg == CM_MOUSEENTER) Log.push_back("host:enter");
      if (AMessage.Msg == CM_MOUSELEAVE) Log.push_back("host:leave");
      HostProc(AMessage);
    };
    Host().OnClick = [this](TObject*) { Log.push_back("host:click"); };
    Probe = new TMouseProbe(&Host(), "probe", Bounds(20, 30, 40, 20), Log);
    ShowHost();
    Log.clear();
  }

  void TearDown() override {
    Host().WindowProc = HostProc;
    UiTest::TearDown();
  }

  std::vector<String> Log;
  TMouseProbe* Probe = nullptr;
  TWndMethod HostProc;
};

TEST_F(ControlMouseTest, AWindowlessControlGetsTheMouseInItsOwnCoordinatesAndClicks) {
  InjectClick(OnHost(25, 35));
  Pump();
  // Ending the capture looks at the pointer afresh: one more move.
  EXPECT_EQ(Log, (std::vector<String>{"probe:enter", "probe:move 5,5", "probe:down0 5,5", "probe:click",
                                      "probe:up0 5,5", "probe:move 5,5"}));
  EXPECT_FALSE(Probe->MouseCapture());
}

TEST_F(ControlMouseTest, ThePressedControlKeepsTheMouseUntilTheRelease) {
  InjectPointerMove(OnHost(25, 35));
  InjectPointerPress(OnHost(25, 35));
  Pump();
  EXPECT_TRUE(Probe->MouseCapture());
  Log.clear();
  // Outside the control and outside the host: still the probe's, in its coordinates.
  InjectPointerMove(OnHost(250, 35));
  InjectPointerRelease(OnHost(250, 35));
  Pump();
  EXPECT_EQ(Log, (std::vector<String>{"probe:leave", "probe:move 230,5", "probe:up0 230,5"}));
  EXPECT_FALSE(Probe->MouseCapture());
  EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST_F(ControlMouseTest, DisabledControlsLeaveTheMouseToTheirParent) {
  Probe->SetEnabled(false);
  InjectClick(OnHost(25, 35));
  Pump();
  // A disabled control still hears that the pointer is over it.
  EXPECT_EQ(Log, (std::vector<String>{"probe:enter", "host:click"}));
}

TEST_F(ControlMouseTest, EnterAndLeaveFollowThePointerAcrossControlsAndWindows) {
  InjectPointerMove(OnHost(5, 5));
  InjectPointerMove(OnHost(25, 35));
  InjectPointerMove(OnHost(26, 36));
  InjectPointerMove(OnHost(5, 5));
  InjectPointerMove(OnHost(25, 35));
  InjectPointerMove(OnHost(400, 400));
  Pump();
  EXPECT_EQ(Log, (std::vector<String>{"host:enter", "host:leave", "probe:enter", "probe:move 5,5",
                                      "probe:move 6,6", "probe:leave", "host:enter", "host:leave",
                                      "probe:enter", "probe:move 5,5", "probe:leave"}));
  EXPECT_EQ(MouseControl(), nullptr);
}

TEST_F(ControlMouseTest, AFreedControlIsForgottenByTheMouse) {
  InjectPointerMove(OnHost(25, 35));
  Pump();
  ASSERT_EQ(MouseControl(), Probe);
  delete Probe;
  EXPECT_EQ(MouseControl(), nullptr);
  InjectPointerMove(OnHost(5, 5));
  Pump();
  EXPECT_EQ(MouseControl(), &Host());
}

TEST_F(ControlMouseTest, TheWheelGoesUpToTheFirstParentThatHandlesIt) {
  std::vector<int> Deltas;
  Host().OnMouseWheel = [&](TObject* ASender, TShiftState, int ADelta, TPoint, bool& AHandled) {
    Deltas.push_back(ADelta);
    AHandled = ASender == &Host();
  };
  EXPECT_EQ(Probe->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0), 1);
  EXPECT_EQ(Deltas, (std::vector<int>{-WHEEL_DELTA}));
}

}  // namespace
}  // namespace ui_test

namespace ui_test {
namespace {

TEST_F(ControlMouseTest, AContextMenuGoesToTheControlUnderThePointThenToItsParent) {
  std::vector<String> Popups;
  Probe->OnContextPopup = [&](TObject*, TPoint APos, bool& AHandled) {
    Popups.push_back(Format("probe %d,%d", APos.X, APos.Y));
    AHandled = true;
  };
  Host().OnContextPopup = [&](TObject*, TPoint APos, bool&) {
    Popups.push_back(Format("host %d,%d", APos.X, APos.Y));
  };
  SendMessage(Host().Handle(), WM_CONTEXTMENU, 0, PointToLParam(OnHost(25, 35)));
  SendMessage(Host().Handle(), WM_CONTEXTMENU, 0, PointToLParam(OnHost(5, 5)));
  // Not handled by a windowless child: its parent has its turn.
  Probe->OnContextPopup = nullptr;
  SendMessage(Host().Handle(), WM_CONTEXTMENU, 0, PointToLParam(OnHost(25, 35)));
  EXPECT_EQ(Popups, (std::vector<String>{"probe 5,5", "host 5,5", "host 25,35"}));
}

}  // namespace
}  // namespace ui_test
