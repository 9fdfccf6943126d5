// Replacing a window's procedure with SetWindowLong(GWL_WNDPROC) and passing messages
// on with CallWindowProc.

#include "tests/platform/win/WindowTestSupport.h"

namespace window_test {
namespace {

constexpr UINT WM_EATEN = WM_USER + 2;

class SubclassingTest : public WindowSystemTest {
 protected:
  void SetUp() override {
    WindowSystemTest::SetUp();
    Window = Create("base", WS_POPUP, Bounds(0, 0, 10, 10));
  }

  void TearDown() override {
    for (WNDPROC Instance : Made) FreeProcInstance(Instance);
    WindowSystemTest::TearDown();
  }

  // Installs a procedure that logs under AName, swallows AEaten and passes everything
  // else to the procedure it replaced.
  WNDPROC Subclass(const std::string& AName, UINT AEaten = 0) {
    auto Previous = std::make_shared<WNDPROC>(nullptr);
    const WNDPROC Logging = MakeProcInstance(
        [this, AName, AEaten, Previous](HWND AHandle, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
          Seen.push_back(AName + ":" + MessageName(AMessage));
          if (AMessage == AEaten) return LRESULT(100);
          return CallWindowProc(*Previous, AHandle, AMessage, AWParam, ALParam);
        });
    Made.push_back(Logging);
    *Previous =
        reinterpret_cast<WNDPROC>(SetWindowLong(Window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Logging)));
    Previouses[Logging] = Previous;
    return Logging;
  }

  WNDPROC PreviousOf(WNDPROC AProcedure) { return *Previouses.at(AProcedure); }

  HWND Window = nullptr;
  std::vector<std::string> Seen;
  std::vector<WNDPROC> Made;
  std::map<WNDPROC, std::shared_ptr<WNDPROC>> Previouses;
};

TEST_F(SubclassingTest, TheNewestProcedureSeesEveryMessageFirstAndPassesOnTheRest) {
  const WNDPROC Inner = Subclass("inner", WM_EATEN);
  Subclass("outer");
  ClearLog();
  SendMessage(Window, WM_PING, 0, 0);
  EXPECT_EQ(SendMessage(Window, WM_EATEN, 0, 0), 100);
  EXPECT_EQ(Seen, (std::vector<std::string>{"outer:0x0401", "inner:0x0401", "outer:0x0402", "inner:0x0402"}));
  EXPECT_EQ(Log(), std::vector<std::string>{"base:0x0401"});
  EXPECT_EQ(PreviousOf(Inner), reinterpret_cast<WNDPROC>(GetClassLong(Window, GCL_WNDPROC)));
}

TEST_F(SubclassingTest, SetWindowLongHandsBackExactlyTheProcedureItReplaced) {
  const LONG_PTR Original = GetWindowLong(Window, GWL_WNDPROC);
  const WNDPROC Inner = Subclass("inner");
  const WNDPROC Outer = Subclass("outer");
  EXPECT_EQ(PreviousOf(Inner), reinterpret_cast<WNDPROC>(Original));
  EXPECT_EQ(PreviousOf(Outer), Inner);
  EXPECT_EQ(GetWindowLong(Window, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(Outer));
  // Removing the newest restores the one below it.
  SetWindowLong(Window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(PreviousOf(Outer)));
  Seen.clear();
  SendMessage(Window, WM_PING, 0, 0);
  EXPECT_EQ(Seen, std::vector<std::string>{"inner:0x0401"});
}

TEST_F(SubclassingTest, RemovingAProcedureFromTheMiddleLeavesTheOthersIntact) {
  Subclass("bottom");
  const WNDPROC Middle = Subclass("middle");
  const WNDPROC Top = Subclass("top");
  // The way out of order: the procedure above the removed one passes on to the one
  // the removed one passed on to, and the removed instance is freed.
  *Previouses.at(Top) = PreviousOf(Middle);
  FreeProcInstance(Middle);
  Seen.clear();
  ClearLog();
  SendMessage(Window, WM_PING, 0, 0);
  EXPECT_EQ(Seen, (std::vector<std::string>{"top:0x0401", "bottom:0x0401"}));
  EXPECT_EQ(Log(), std::vector<std::string>{"base:0x0401"});
  // A caller still holding the freed instance reaches nothing, harmlessly.
  EXPECT_EQ(CallWindowProc(Middle, Window, WM_PING, 0, 0), 0);
}

TEST_F(SubclassingTest, AnInstanceMayFreeItselfWhileItRuns) {
  auto Self = std::make_shared<WNDPROC>(nullptr);
  bool Finished = false;
  *Self = MakeProcInstance([Self, &Finished](HWND, UINT, WPARAM, LPARAM) {
    FreeProcInstance(*Self);
    Finished = true;  // still running on the method that was just freed
    return LRESULT(1);
  });
  EXPECT_EQ(CallWindowProc(*Self, Window, WM_PING, 0, 0), 1);
  EXPECT_TRUE(Finished);
  EXPECT_EQ(CallWindowProc(*Self, Window, WM_PING, 0, 0), 0);
}

}  // namespace
}  // namespace window_test
