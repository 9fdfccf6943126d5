// The messages a window receives when it is created, shown, moved, sized and destroyed,
// in the order the system the program was designed on sends them.

#include "tests/platform/win/WindowTestSupport.h"

namespace window_test {
namespace {

class MessageOrderTest;

struct TOrderCase {
  const char* Name;
  std::function<void(MessageOrderTest&)> Prepare;
  std::function<void(MessageOrderTest&)> Act;
  std::vector<std::string> Expected;
};

class MessageOrderTest : public WindowSystemTest, public ::testing::WithParamInterface<TOrderCase> {
 public:
  using WindowSystemTest::Answer;
  using WindowSystemTest::Create;
  using WindowSystemTest::Window;
};

const TRect Place = Bounds(100, 100, 200, 150);
const TRect ChildPlace = Bounds(10, 10, 50, 40);

void Popup(MessageOrderTest& T) { T.Create("p", WS_POPUP | WS_VISIBLE, Place); }
void Overlapped(MessageOrderTest& T) { T.Create("o", WS_OVERLAPPEDWINDOW, Place); }
void VisibleOverlapped(MessageOrderTest& T) { T.Create("o", WS_OVERLAPPEDWINDOW | WS_VISIBLE, Place); }
void Nothing(MessageOrderTest&) {}

// A visible popup p with children c1 (holding g) and c2 above it, and a visible popup
// o owned by p.
void Family(MessageOrderTest& T) {
  Popup(T);
  T.Create("c1", WS_CHILD | WS_VISIBLE, ChildPlace, T.Window("p"));
  T.Create("g", WS_CHILD | WS_VISIBLE, Bounds(1, 1, 5, 5), T.Window("c1"));
  T.Create("c2", WS_CHILD | WS_VISIBLE, ChildPlace, T.Window("p"));
  T.Create("o", WS_POPUP | WS_VISIBLE, Place, T.Window("p"));
}

const std::vector<TOrderCase> Cases = {
    {"CreatePopup",
     Nothing,
     [](MessageOrderTest& T) { T.Create("p", WS_POPUP, Place); },
     {"p:WM_NCCREATE", "p:WM_NCCALCSIZE", "p:WM_CREATE", "p:WM_SIZE", "p:WM_MOVE"}},
    {"CreateOverlappedAsksSizeLimitsAndDefersSize",
     Nothing,
     Overlapped,
     {"o:WM_GETMINMAXINFO", "o:WM_NCCREATE", "o:WM_NCCALCSIZE", "o:WM_CREATE"}},
    {"FirstShowOfOverlappedSendsSizeAndMove",
     Overlapped,
     [](MessageOrderTest& T) { ShowWindow(T.Window("o"), SW_SHOW); },
     {"o:WM_SHOWWINDOW", "o:WM_WINDOWPOSCHANGING", "o:WM_ACTIVATEAPP", "o:WM_NCACTIVATE", "o:WM_ACTIVATE",
      "o:WM_SETFOCUS", "o:WM_WINDOWPOSCHANGED", "o:WM_SIZE", "o:WM_MOVE"}},
    {"CreateVisibleChild",
     Popup,
     [](MessageOrderTest& T) { T.Create("c", WS_CHILD | WS_VISIBLE, ChildPlace, T.Window("p")); },
     {"c:WM_NCCREATE", "c:WM_NCCALCSIZE", "c:WM_CREATE", "c:WM_SIZE", "c:WM_MOVE", "p:WM_PARENTNOTIFY",
      "c:WM_SHOWWINDOW", "c:WM_WINDOWPOSCHANGING", "c:WM_WINDOWPOSCHANGED"}},
    {"CreateGrandchildNotifiesEveryAncestor",
     [](MessageOrderTest& T) {
       Popup(T);
       T.Create("c", WS_CHILD, ChildPlace, T.Window("p"));
     },
     [](MessageOrderTest& T) { T.Create("g", WS_CHILD, ChildPlace, T.Window("c")); },
     {"g:WM_NCCREATE", "g:WM_NCCALCSIZE", "g:WM_CREATE", "g:WM_SIZE", "g:WM_MOVE", "c:WM_PARENTNOTIFY",
      "p:WM_PARENTNOTIFY"}},
    {"CreateChildWithoutParentNotify",
     Popup,
     [](MessageOrderTest& T) { T.Create("c", WS_CHILD, ChildPlace, T.Window("p"), WS_EX_NOPARENTNOTIFY); },
     {"c:WM_NCCREATE", "c:WM_NCCALCSIZE", "c:WM_CREATE", "c:WM_SIZE", "c:WM_MOVE"}},
    {"NcCreateFailing",
     [](MessageOrderTest& T) { T.Answer(WM_NCCREATE, [](auto...) { return 0; }); },
     [](MessageOrderTest& T) { EXPECT_EQ(T.Create("p", WS_POPUP, Place), nullptr); },
     {"p:WM_NCCREATE", "p:WM_DESTROY", "p:WM_NCDESTROY"}},
    {"CreateFailing",
     [](MessageOrderTest& T) { T.Answer(WM_CREATE, [](auto...) { return -1; }); },
     [](MessageOrderTest& T) { EXPECT_EQ(T.Create("p", WS_POPUP, Place), nullptr); },
     {"p:WM_NCCREATE", "p:WM_NCCALCSIZE", "p:WM_CREATE", "p:WM_DESTROY", "p:WM_NCDESTROY"}},
    {"Hide",
     Popup,
     [](MessageOrderTest& T) { ShowWindow(T.Window("p"), SW_HIDE); },
     {"p:WM_SHOWWINDOW", "p:WM_WINDOWPOSCHANGING", "p:WM_WINDOWPOSCHANGED",        // hidden
      "p:WM_NCACTIVATE", "p:WM_ACTIVATE", "p:WM_ACTIVATEAPP", "p:WM_KILLFOCUS"}},  // and no longer active
    {"ShowWhenVisibleDoesNothing",
     Popup,
     [](MessageOrderTest& T) { ShowWindow(T.Window("p"), SW_SHOW); },
     {}},
    {"Move",
     Popup,
     [](MessageOrderTest& T) { SetWindowPos(T.Window("p"), nullptr, 5, 6, 0, 0, SWP_NOSIZE | SWP_NOZORDER); },
     {"p:WM_WINDOWPOSCHANGING", "p:WM_WINDOWPOSCHANGED", "p:WM_MOVE"}},
    {"Size",
     Popup,
     [](MessageOrderTest& T) {
       SetWindowPos(T.Window("p"), nullptr, 0, 0, 300, 90, SWP_NOMOVE | SWP_NOZORDER);
     },
     {"p:WM_WINDOWPOSCHANGING", "p:WM_NCCALCSIZE", "p:WM_WINDOWPOSCHANGED", "p:WM_SIZE"}},
    {"MoveAndSize",
     Popup,
     [](MessageOrderTest& T) { MoveWindow(T.Window("p"), 1, 2, 3, 4, true); },
     {"p:WM_WINDOWPOSCHANGING", "p:WM_NCCALCSIZE", "p:WM_WINDOWPOSCHANGED", "p:WM_MOVE", "p:WM_SIZE"}},
    {"SetWindowPosChangingNothing",
     Popup,
     [](MessageOrderTest& T) {
       MoveWindow(T.Window("p"), Place.Left, Place.Top, Place.Width(), Place.Height(), true);
     },
     {"p:WM_WINDOWPOSCHANGING"}},
    {"FrameChanged",
     Popup,
     [](MessageOrderTest& T) {
       SetWindowPos(T.Window("p"), nullptr, 0, 0, 0, 0,
                    SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
     },
     {"p:WM_WINDOWPOSCHANGING", "p:WM_NCCALCSIZE", "p:WM_WINDOWPOSCHANGED"}},
    {"Maximize",
     VisibleOverlapped,
     [](MessageOrderTest& T) { ShowWindow(T.Window("o"), SW_MAXIMIZE); },
     {"o:WM_GETMINMAXINFO", "o:WM_WINDOWPOSCHANGING", "o:WM_GETMINMAXINFO", "o:WM_NCCALCSIZE",
      "o:WM_WINDOWPOSCHANGED", "o:WM_MOVE", "o:WM_SIZE"}},
    {"Minimize",
     VisibleOverlapped,
     [](MessageOrderTest& T) { ShowWindow(T.Window("o"), SW_MINIMIZE); },
     {"o:WM_WINDOWPOSCHANGING", "o:WM_NCCALCSIZE", "o:WM_WINDOWPOSCHANGED", "o:WM_SIZE"}},
    {"DestroyChild",
     Family,
     [](MessageOrderTest& T) { DestroyWindow(T.Window("c1")); },
     {"p:WM_PARENTNOTIFY", "c1:WM_SHOWWINDOW", "c1:WM_WINDOWPOSCHANGING", "c1:WM_WINDOWPOSCHANGED",
      "c1:WM_DESTROY", "g:WM_DESTROY", "g:WM_NCDESTROY", "c1:WM_NCDESTROY"}},
    {"DestroyTreeWithOwnedPopup",
     Family,
     [](MessageOrderTest& T) { DestroyWindow(T.Window("p")); },
     {"p:WM_WINDOWPOSCHANGING", "p:WM_WINDOWPOSCHANGED",  // hidden
      "o:WM_WINDOWPOSCHANGING", "o:WM_WINDOWPOSCHANGED",  // owned, hidden
      "o:WM_NCACTIVATE", "o:WM_ACTIVATE", "o:WM_ACTIVATEAPP", "p:WM_ACTIVATEAPP",
      "o:WM_KILLFOCUS",  // deactivated
      "o:WM_DESTROY", "o:WM_NCDESTROY", "p:WM_DESTROY", "c2:WM_DESTROY", "c1:WM_DESTROY",
      "g:WM_DESTROY",                                                              // parents first
      "c2:WM_NCDESTROY", "g:WM_NCDESTROY", "c1:WM_NCDESTROY", "p:WM_NCDESTROY"}},  // children first
};

TEST_P(MessageOrderTest, SendsTheDocumentedSequence) {
  GetParam().Prepare(*this);
  ClearLog();
  GetParam().Act(*this);
  EXPECT_EQ(Log(), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Windows, MessageOrderTest, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<TOrderCase>& AInfo) { return AInfo.param.Name; });

}  // namespace
}  // namespace window_test
