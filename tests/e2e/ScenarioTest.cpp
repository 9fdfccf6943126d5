// The same user actions, done with xdotool on the demonstration program under Xvfb and
// scripted on the headless backend in this process, give the same log of messages:
// the x11 backend feeds the shared window system, and the native controls on it, as
// the headless one does.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/base/Strings.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/e2e/DemoOnDisplay.h"
#include "tests/e2e/HeadlessDemo.h"

namespace e2e {
namespace {

struct TScenario {
  std::string Name;
  // The actions as xdotool commands; called while the headless demonstration runs, so
  // that points may come from the window system.
  std::function<std::vector<std::string>()> XdotoolCommands;
  // The same actions as scripted input of the headless backend.
  std::function<void()> HeadlessScript;
  // What else must hold on the display afterwards.
  std::function<void(DemoOnDisplay&)> CheckDisplay;
};

// Test names show the scenario's name, not its bytes.
void PrintTo(const TScenario& AScenario, std::ostream* AStream) { *AStream << AScenario.Name; }

std::string At(const TPoint& APoint) { return Format("%d %d", APoint.X, APoint.Y); }

TPoint Moved(const TPoint& APoint, int ADX, int ADY) { return {APoint.X + ADX, APoint.Y + ADY}; }

// A key pressed with AModifier held, as xdotool presses it: it lets the modifier go
// before the key it modifies.
void InjectModifiedKey(UINT AModifierKey, UINT AModifier, UINT AKey) {
  InjectKeyDown(AModifierKey);
  InjectKeyDown(AKey, AModifier);
  InjectKeyUp(AModifierKey, AModifier);
  InjectKeyUp(AKey);
}

std::vector<TScenario> Scenarios() {
  return {
      {"ClickAndWheel",
       [] {
         return std::vector<std::string>{"mousemove " + At(MainClientPoint(50, 40)), "click 1", "click 4"};
       },
       [] {
         InjectClick(MainClientPoint(50, 40));
         InjectWheel(MainClientPoint(50, 40), 120);
       },
       nullptr},
      {"DragByTheCaption",
       [] {
         const TPoint Start = CaptionPoint();
         return std::vector<std::string>{"mousemove " + At(Start), "mousedown 1",
                                         "mousemove " + At(Moved(Start, 30, 20)),
                                         "mousemove " + At(Moved(Start, 60, 45)), "mouseup 1"};
       },
       [] {
         const TPoint Start = CaptionPoint();
         InjectPointerMove(Start);
         InjectPointerPress(Start);
         InjectPointerMove(Moved(Start, 30, 20));
         InjectPointerMove(Moved(Start, 60, 45));
         InjectPointerRelease(Moved(Start, 60, 45));
       },
       [](DemoOnDisplay& ADemo) {
         // The X window went along with the window.
         const std::string Geometry =
             ADemo.Display().Xdotool("search --name '^Demo main$' getwindowgeometry");
         EXPECT_NE(Geometry.find(Format("Position: %d,%d", MainBounds.Left + 60, MainBounds.Top + 45)),
                   std::string::npos)
             << Geometry;
       }},
      {"TypingBeyondAscii",
       [] {
         return std::vector<std::string>{"key shift+g r udiaeresis ssharp e", "key alt+x"};
       },
       [] {
         InjectModifiedKey(VK_SHIFT, PointerShift, 'G');
         InjectText("rüße");
         InjectModifiedKey(VK_MENU, PointerAlt, 'X');
       },
       nullptr},
      {"TypingIntoAnEdit",
       [] {
         return std::vector<std::string>{"mousemove " + At(EditEndPoint()), "click 1", "key shift+Home",
                                         "key shift+g r udiaeresis ssharp e"};
       },
       [] {
         // The click puts the caret at the end of the edit's text and activates its form;
         // Shift+Home selects the text, which the typing replaces.
         InjectClick(EditEndPoint());
         InjectModifiedKey(VK_SHIFT, PointerShift, VK_HOME);
         InjectModifiedKey(VK_SHIFT, PointerShift, 'G');
         InjectText("rüße");
       },
       [](DemoOnDisplay& ADemo) {
         // The log's last line tells the edit's text after the last change.
         const std::string Transcript = ADemo.Demo().Transcript();
         EXPECT_TRUE(Transcript.ends_with("\nedit:OnChange Grüße\n")) << Transcript;
       }},
      {"PopupNeverTakesTheFocus",
       [] {
         return std::vector<std::string>{"mousemove " + At(PopupPoint()), "click 1", "key a"};
       },
       [] {
         InjectClick(PopupPoint());
         InjectKeyStroke('A');
       },
       [](DemoOnDisplay& ADemo) { EXPECT_EQ(ADemo.FocusedWindowId(), ADemo.WindowId("Demo main")); }},
      {"ClickThroughTheRegionCutOut",
       [] {
         return std::vector<std::string>{"mousemove " + At(HolePoint()), "click 1"};
       },
       [] { InjectClick(HolePoint()); },
       [](DemoOnDisplay& ADemo) { EXPECT_EQ(ADemo.FocusedWindowId(), ADemo.WindowId("Demo below")); }},
      {"HotKey", [] { return std::vector<std::string>{"key ctrl+alt+p"}; },
       [] {
         // The key of the hot key itself reaches no window; the modifiers do.
         InjectKeyDown(VK_CONTROL);
         InjectKeyDown(VK_MENU, PointerControl);
         InjectHotKey(MOD_CONTROL | MOD_ALT, 'P');
         InjectKeyUp(VK_CONTROL, PointerControl | PointerAlt);
         InjectKeyUp(VK_MENU, PointerAlt);
       },
       nullptr},
  };
}

class SameLogOnBothBackends : public DemoOnDisplay, public ::testing::WithParamInterface<TScenario> {};

TEST_P(SameLogOnBothBackends, ForTheScenario) {
  const TScenario& Scenario = GetParam();
  std::vector<std::string> Commands;
  std::vector<std::string> Expected;
  {
    THeadlessDemo Headless;
    Commands = Scenario.XdotoolCommands();
    Scenario.HeadlessScript();
    Headless.Run();
    Expected = Headless.Log();
  }
  ASSERT_FALSE(Expected.empty());

  StartDemo();
  for (const std::string& Command : Commands) Display().Xdotool(Command);
  EXPECT_EQ(Demo().ReadLines(Expected.size()), Expected) << Demo().Transcript();
  if (Scenario.CheckDisplay) Scenario.CheckDisplay(*this);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, SameLogOnBothBackends, ::testing::ValuesIn(Scenarios()),
                         [](const ::testing::TestParamInfo<TScenario>& AInfo) { return AInfo.param.Name; });

}  // namespace
}  // namespace e2e
