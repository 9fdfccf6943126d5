// The paint cycle: the order of WM_NCPAINT, WM_ERASEBKGND and WM_PAINT, merging and
// validating invalid areas, RedrawWindow's flags, painting many children in one pass,
// and what moving, sizing and hiding leave to repaint.

#include "platform/gdi/Primitives.h"
#include "tests/platform/win/PaintTestSupport.h"

namespace paint_test {
namespace {

constexpr COLORREF White = RGB(255, 255, 255);

using Entries = std::vector<std::string>;

TEST_F(PaintingTest, FrameThenClientWithItsBackgroundArePaintedWhenTheQueueIsEmpty) {
  const HWND W = Create("w", WS_POPUP | WS_BORDER | WS_VISIBLE, Bounds(10, 10, 100, 80), Red);
  EXPECT_EQ(PaintLog(), Entries{});
  Pump();
  EXPECT_EQ(PaintLog(), (Entries{"w:WM_NCPAINT", "w:WM_PAINT", "w:WM_ERASEBKGND"}));
  EXPECT_EQ(ClientPixel(W, 0, 0), Red);
  EXPECT_EQ(PresentedPixel(W, 0, 0), GetSysColor(COLOR_WINDOWFRAME));
  ClearLog();
  Pump();
  EXPECT_EQ(PaintLog(), Entries{});
}

TEST_F(PaintingTest, ParentsPaintBeforeChildrenAndLowerSiblingsBeforeHigherOnes) {
  const HWND P = Create("p", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 200, 200), Red);
  Create("low", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 50), Blue, P);
  Create("high", WS_CHILD | WS_VISIBLE, Bounds(30, 30, 50, 50), White, P);
  Pump();
  EXPECT_EQ(PaintLog(),
            (Entries{"p:WM_NCPAINT", "p:WM_PAINT", "p:WM_ERASEBKGND", "low:WM_NCPAINT", "low:WM_PAINT",
                     "low:WM_ERASEBKGND", "high:WM_NCPAINT", "high:WM_PAINT", "high:WM_ERASEBKGND"}));
  // The higher sibling was drawn last over the overlap.
  EXPECT_EQ(ClientPixel(P, 35, 35), White);
  EXPECT_EQ(ClientPixel(P, 15, 15), Blue);
}

TEST_F(PaintingTest, AWindowInvalidatedWhileOthersPaintIsPaintedInItsPlaceInTheOrder) {
  const HWND P = Create("p", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 200, 200), Red);
  const HWND Low = Create("low", WS_CHILD | WS_VISIBLE, Bounds(0, 0, 50, 50), Blue, P);
  const HWND Middle = Create("middle", WS_CHILD | WS_VISIBLE, Bounds(60, 0, 50, 50), Blue, P);
  const HWND High = Create("high", WS_CHILD | WS_VISIBLE, Bounds(120, 0, 50, 50), Blue, P);
  Pump();
  RedrawWindow(P, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  ClearLog();
  bool Invalidated = false;
  Answer(WM_PAINT, [&](HWND AWindow, UINT, WPARAM, LPARAM) {
    PAINTSTRUCT Paint;
    BeginPaint(AWindow, &Paint);
    EndPaint(AWindow, &Paint);
    // The window painted before this one waits again: it comes before the higher one.
    if (AWindow == Middle && !Invalidated) InvalidateRect(Low, nullptr, false);
    Invalidated = Invalidated || AWindow == Middle;
    return std::optional<LRESULT>(0);
  });
  Pump();
  EXPECT_EQ(LogOf({WM_PAINT}),
            (Entries{"p:WM_PAINT", "low:WM_PAINT", "middle:WM_PAINT", "low:WM_PAINT", "high:WM_PAINT"}));
  // A waiting window moved to the bottom of the stack while another paints is painted
  // next, in its new place.
  ClearLog();
  Answer(WM_PAINT, [&](HWND AWindow, UINT, WPARAM, LPARAM) {
    PAINTSTRUCT Paint;
    BeginPaint(AWindow, &Paint);
    EndPaint(AWindow, &Paint);
    if (AWindow == Low)
      SetWindowPos(High, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    return std::optional<LRESULT>(0);
  });
  RedrawWindow(P, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  Pump();
  EXPECT_EQ(LogOf({WM_PAINT}), (Entries{"p:WM_PAINT", "low:WM_PAINT", "high:WM_PAINT", "middle:WM_PAINT"}));
}

class InvalidAreaTest : public PaintingTest {
 protected:
  void SetUp() override {
    PaintingTest::SetUp();
    W = Create("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100), Red);
    Pump();
    ClearLog();
    Answer(WM_PAINT, [this](HWND AWindow, UINT, WPARAM, LPARAM) {
      PAINTSTRUCT Paint;
      BeginPaint(AWindow, &Paint);
      Painted = Paint;
      EndPaint(AWindow, &Paint);
      return std::optional<LRESULT>(0);
    });
  }

  TRegion UpdateRegion() {
    HRGN Region = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(W, Region, false);
    TRegion Result = Region->Region;
    DeleteObject(Region);
    return Result;
  }

  HWND W = nullptr;
  PAINTSTRUCT Painted;
};

TEST_F(InvalidAreaTest, InvalidAreasMergeIntoOnePaint) {
  const RECT A = Rect(10, 10, 30, 30);
  const RECT B = Rect(50, 40, 70, 90);
  InvalidateRect(W, &A, false);
  InvalidateRect(W, &B, false);
  InvalidateRect(W, &A, false);
  EXPECT_EQ(UpdateRegion(), TRegion::Combine(TRegion(A), TRegion(B), roOr));
  RECT Box;
  EXPECT_TRUE(GetUpdateRect(W, &Box, false));
  EXPECT_EQ(Box, Rect(10, 10, 70, 90));
  Pump();
  EXPECT_EQ(PaintLog(), Entries{"w:WM_PAINT"});
  EXPECT_EQ(Painted.rcPaint, Rect(10, 10, 70, 90));
  EXPECT_FALSE(Painted.fErase);
  EXPECT_FALSE(GetUpdateRect(W, &Box, false));
  EXPECT_EQ(Box, RECT{});
}

TEST_F(InvalidAreaTest, EraseIsAskedForOnceForTheMergedAreaFromInsideBeginPaint) {
  const RECT A = Rect(10, 10, 30, 30);
  InvalidateRect(W, &A, false);
  InvalidateRect(W, &A, true);
  HDC ErasedWith = nullptr;
  bool ValidWhileErasing = false;
  Answer(WM_ERASEBKGND, [&](HWND AWindow, UINT, WPARAM AWParam, LPARAM) {
    ErasedWith = reinterpret_cast<HDC>(AWParam);
    ValidWhileErasing = !GetUpdateRect(AWindow, nullptr, false);
    return std::optional<LRESULT>(0);
  });
  Pump();
  EXPECT_EQ(PaintLog(), (Entries{"w:WM_PAINT", "w:WM_ERASEBKGND"}));
  // The erase draws with the paint's own device context, the area already validated.
  EXPECT_EQ(ErasedWith, Painted.hdc);
  EXPECT_TRUE(ValidWhileErasing);
  // WM_ERASEBKGND answered 0, so the paint erases.
  EXPECT_TRUE(Painted.fErase);
}

TEST_F(InvalidAreaTest, ValidatingTakesAreasAway) {
  InvalidateRect(W, nullptr, true);
  const RECT Top = Rect(0, 0, 100, 50);
  ValidateRect(W, &Top);
  RECT Box;
  EXPECT_TRUE(GetUpdateRect(W, &Box, false));
  EXPECT_EQ(Box, Rect(0, 50, 100, 100));
  HRGN Bottom = CreateRectRgn(0, 50, 100, 100);
  ValidateRgn(W, Bottom);
  DeleteObject(Bottom);
  EXPECT_FALSE(GetUpdateRect(W, &Box, false));
  Pump();
  EXPECT_EQ(PaintLog(), Entries{});
}

TEST_F(InvalidAreaTest, InvalidatingARegionAddsJustThatRegion) {
  HRGN Shape = CreateRectRgn(0, 0, 20, 20);
  HRGN Other = CreateRectRgn(60, 60, 80, 80);
  CombineRgn(Shape, Shape, Other, RGN_OR);
  InvalidateRgn(W, Shape, false);
  EXPECT_EQ(UpdateRegion(), Shape->Region);
  DeleteObject(Shape);
  DeleteObject(Other);
}

TEST_F(InvalidAreaTest, GetUpdateRectWithEraseSendsTheDueErase) {
  InvalidateRect(W, nullptr, true);
  RECT Box;
  GetUpdateRect(W, &Box, true);
  EXPECT_EQ(PaintLog(), Entries{"w:WM_ERASEBKGND"});
  Pump();
  // The erase is done: BeginPaint does not send it again.
  EXPECT_EQ(PaintLog(), (Entries{"w:WM_ERASEBKGND", "w:WM_PAINT"}));
}

// RedrawWindow on a parent p (with or without WS_CLIPCHILDREN) holding a child c.
struct TRedrawCase {
  const char* Name;
  DWORD ParentStyle;
  std::function<void(HWND AParent)> Act;
  Entries AtOnce;
  Entries AfterPump;
};

class RedrawWindowTest : public PaintingTest, public ::testing::WithParamInterface<TRedrawCase> {};

TEST_P(RedrawWindowTest, PaintsWhatTheFlagsAskFor) {
  const HWND P =
      Create("p", WS_POPUP | WS_VISIBLE | WS_BORDER | GetParam().ParentStyle, Bounds(0, 0, 200, 200), Red);
  Create("c", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 50), Blue, P);
  Pump();
  ClearLog();
  GetParam().Act(P);
  EXPECT_EQ(PaintLog(), GetParam().AtOnce);
  Pump();
  EXPECT_EQ(PaintLog(), GetParam().AfterPump);
}

void Redraw(HWND AWindow, UINT AFlags) { RedrawWindow(AWindow, nullptr, nullptr, AFlags); }

const std::vector<TRedrawCase> RedrawCases = {
    {"ChildrenOfAParentThatDoesNotClipThemRepaintToo",
     0,
     [](HWND P) { Redraw(P, RDW_INVALIDATE | RDW_ERASE); },
     {},
     {"p:WM_PAINT", "p:WM_ERASEBKGND", "c:WM_PAINT", "c:WM_ERASEBKGND"}},
    {"ClipChildrenKeepsTheChildrenOut",
     WS_CLIPCHILDREN,
     [](HWND P) { Redraw(P, RDW_INVALIDATE | RDW_ERASE); },
     {},
     {"p:WM_PAINT", "p:WM_ERASEBKGND"}},
    {"AllChildrenReachesThemAnyway",
     WS_CLIPCHILDREN,
     [](HWND P) { Redraw(P, RDW_INVALIDATE | RDW_ALLCHILDREN); },
     {},
     {"p:WM_PAINT", "c:WM_PAINT"}},
    {"NoChildrenLeavesThemOut",
     0,
     [](HWND P) { Redraw(P, RDW_INVALIDATE | RDW_NOCHILDREN); },
     {},
     {"p:WM_PAINT"}},
    {"FrameAsksForWmNcPaint",
     0,
     [](HWND P) { Redraw(P, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN); },
     {},
     {"p:WM_NCPAINT", "p:WM_PAINT"}},
    {"InternalPaintWithNothingInvalid", 0, [](HWND P) { Redraw(P, RDW_INTERNALPAINT); }, {}, {"p:WM_PAINT"}},
    {"ValidateCancelsWhatWasDue",
     0,
     [](HWND P) {
       Redraw(P, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
       Redraw(P, RDW_VALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
     },
     {},
     {}},
    {"UpdateNowPaintsBeforeReturning",
     0,
     [](HWND P) { Redraw(P, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); },
     {"p:WM_PAINT", "p:WM_ERASEBKGND", "c:WM_PAINT", "c:WM_ERASEBKGND"},
     {"p:WM_PAINT", "p:WM_ERASEBKGND", "c:WM_PAINT", "c:WM_ERASEBKGND"}},
    {"EraseNowErasesAndLeavesThePaintForLater",
     0,
     [](HWND P) { Redraw(P, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ERASENOW | RDW_NOCHILDREN); },
     {"p:WM_NCPAINT", "p:WM_ERASEBKGND"},
     {"p:WM_NCPAINT", "p:WM_ERASEBKGND", "p:WM_PAINT"}},
    {"UpdateWindowPaintsTheWholeTree",
     0,
     [](HWND P) {
       InvalidateRect(P, nullptr, false);
       UpdateWindow(P);
     },
     {"p:WM_PAINT", "c:WM_PAINT"},
     {"p:WM_PAINT", "c:WM_PAINT"}},
};

INSTANTIATE_TEST_SUITE_P(Flags, RedrawWindowTest, ::testing::ValuesIn(RedrawCases),
                         [](const ::testing::TestParamInfo<TRedrawCase>& AInfo) { return AInfo.param.Name; });

TEST_F(PaintingTest, ChildrenRedrawnWithTheirParentGetWmNcPaintOnlyWhenTheyHaveAFrame) {
  const HWND P = Create("p", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, Bounds(0, 0, 200, 200), Red);
  Create("bare", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 50), Blue, P);
  const HWND Framed = Create("framed", WS_CHILD | WS_VISIBLE | WS_BORDER, Bounds(100, 10, 50, 50), Blue, P);
  Pump();
  ClearLog();
  RedrawWindow(P, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  Pump();
  EXPECT_EQ(PaintLog(), (Entries{"p:WM_PAINT", "p:WM_ERASEBKGND", "bare:WM_PAINT", "bare:WM_ERASEBKGND",
                                 "framed:WM_NCPAINT", "framed:WM_PAINT", "framed:WM_ERASEBKGND"}));
  EXPECT_EQ(PresentedPixel(Framed, 0, 0), GetSysColor(COLOR_WINDOWFRAME));
  EXPECT_EQ(ClientPixel(P, 15, 15), Blue);
}

class ManyChildrenTest : public PaintingTest, public ::testing::WithParamInterface<DWORD> {};

TEST_P(ManyChildrenTest, TwoHundredChildrenRepaintOnceEachInOnePass) {
  const DWORD ParentStyle = GetParam();
  const HWND Top = Create("top", WS_POPUP | WS_VISIBLE | ParentStyle, Bounds(0, 0, 1024, 768), White);
  std::vector<HWND> Children;
  for (int Index = 0; Index < 200; ++Index)
    Children.push_back(Create("c" + std::to_string(Index), WS_CHILD | WS_VISIBLE,
                              Bounds(Index % 20 * 51, Index / 20 * 76, 50, 75), RGB(Index, 100, 255 - Index),
                              Top));
  Pump();
  ClearLog();
  // Without WS_CLIPCHILDREN the parent's invalidation reaches its children by itself.
  RedrawWindow(Top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | (ParentStyle ? RDW_ALLCHILDREN : 0));
  Pump();
  EXPECT_EQ(PaintCount(Top), 1);
  for (HWND Child : Children) EXPECT_EQ(PaintCount(Child), 1) << NameOf(Child);
  EXPECT_EQ(ClientPixel(Children[0], 5, 5), RGB(0, 100, 255));
  EXPECT_EQ(ClientPixel(Children[199], 49, 74), RGB(199, 100, 56));
  EXPECT_EQ(ClientPixel(Top, 50, 10), White);
}

INSTANTIATE_TEST_SUITE_P(ParentStyles, ManyChildrenTest, ::testing::Values(DWORD(0), WS_CLIPCHILDREN));

TEST_F(PaintingTest, DefaultPaintingErasesWithTheClassBackground) {
  const HBRUSH Brush = CreateSolidBrush(RGB(1, 2, 3));
  WNDCLASS Class;
  Class.lpfnWndProc = DefWindowProc;
  Class.lpszClassName = "Plain";
  Class.hbrBackground = Brush;
  ASSERT_NE(RegisterClass(&Class), 0);
  Class.lpszClassName = "SystemColoured";
  Class.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_HIGHLIGHT + 1));
  ASSERT_NE(RegisterClass(&Class), 0);
  const HWND Plain =
      CreateWindowEx(0, "Plain", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr, nullptr, nullptr);
  const HWND Coloured = CreateWindowEx(0, "SystemColoured", "", WS_POPUP | WS_VISIBLE, 50, 0, 40, 40, nullptr,
                                       nullptr, nullptr, nullptr);
  Pump();
  EXPECT_EQ(PresentedPixel(Plain, 20, 20), RGB(1, 2, 3));
  EXPECT_EQ(PresentedPixel(Coloured, 20, 20), GetSysColor(COLOR_HIGHLIGHT));
  // DefWindowProc's WM_PAINT validated: nothing is left to paint.
  EXPECT_FALSE(GetUpdateRect(Plain, nullptr, false));
  DestroyWindow(Plain);
  DeleteObject(Brush);
}

TEST_F(PaintingTest, PixelsAPaintLeavesAloneKeepTheirLook) {
  const HWND W = Create("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100), Red);
  Pump();
  Answer(WM_PAINT, [](HWND AWindow, UINT, WPARAM, LPARAM) {
    PAINTSTRUCT Paint;
    const HDC DC = BeginPaint(AWindow, &Paint);
    FillSolidRect(DC, Rect(0, 0, 100, 100), Blue);
    EndPaint(AWindow, &Paint);
    return std::optional<LRESULT>(0);
  });
  const RECT Corner = Rect(0, 0, 10, 10);
  InvalidateRect(W, &Corner, false);
  Pump();
  EXPECT_EQ(ClientPixel(W, 5, 5), Blue);
  EXPECT_EQ(ClientPixel(W, 10, 10), Red);
}

TEST_F(PaintingTest, HiddenWindowsCollectNothingAndAreRepaintedWholeWhenShown) {
  const HWND W = Create("w", WS_POPUP, Bounds(0, 0, 100, 100), Red);
  InvalidateRect(W, nullptr, true);
  EXPECT_FALSE(GetUpdateRect(W, nullptr, false));
  Pump();
  EXPECT_EQ(PaintLog(), Entries{});
  ShowWindow(W, SW_SHOWNA);
  Pump();
  EXPECT_EQ(PaintLog(), (Entries{"w:WM_NCPAINT", "w:WM_PAINT", "w:WM_ERASEBKGND"}));
}

TEST_F(PaintingTest, SetRedrawFalseHoldsPaintingBackUntilTheWindowIsRedrawn) {
  const HWND W = Create("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100), Red);
  const HWND C = Create("c", WS_CHILD | WS_VISIBLE, Bounds(0, 0, 10, 10), Blue, W);
  Pump();
  ClearLog();
  SendMessage(W, WM_SETREDRAW, 0, 0);
  InvalidateRect(W, nullptr, true);
  InvalidateRect(C, nullptr, true);
  Pump();
  EXPECT_EQ(PaintLog(), Entries{});
  SendMessage(W, WM_SETREDRAW, 1, 0);
  Pump();
  EXPECT_EQ(PaintLog(), Entries{});
  RedrawWindow(W, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(PaintLog(), (Entries{"w:WM_PAINT", "c:WM_PAINT"}));
}

TEST_F(PaintingTest, AMovedChildRepaintsAtItsNewPlaceAndItsParentWhereItWas) {
  const HWND P = Create("p", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 200, 200), Red);
  const HWND C = Create("c", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 20, 20), Blue, P);
  Pump();
  ClearLog();
  MoveWindow(C, 100, 100, 20, 20, true);
  Pump();
  EXPECT_EQ(PaintLog(),
            (Entries{"p:WM_PAINT", "p:WM_ERASEBKGND", "c:WM_NCPAINT", "c:WM_PAINT", "c:WM_ERASEBKGND"}));
  EXPECT_EQ(ClientPixel(P, 15, 15), Red);
  EXPECT_EQ(ClientPixel(P, 105, 105), Blue);
  ClearLog();
  ShowWindow(C, SW_HIDE);
  Pump();
  EXPECT_EQ(PaintLog(), (Entries{"p:WM_PAINT", "p:WM_ERASEBKGND"}));
  EXPECT_EQ(ClientPixel(P, 105, 105), Red);
}

TEST_F(PaintingTest, AGrownWindowPaintsOnlyItsNewPartUnlessItsClassRedrawsWhole) {
  const HWND W = Create("w", WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100), Red);
  Pump();
  SetWindowPos(W, nullptr, 0, 0, 150, 120, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  HRGN Update = CreateRectRgn(0, 0, 0, 0);
  GetUpdateRgn(W, Update, false);
  EXPECT_EQ(Update->Region,
            TRegion::Combine(TRegion(Rect(0, 0, 150, 120)), TRegion(Rect(0, 0, 100, 100)), roDiff));
  Pump();
  SetClassLong(W, GCL_STYLE, CS_HREDRAW);
  SetWindowPos(W, nullptr, 0, 0, 160, 120, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  GetUpdateRgn(W, Update, false);
  EXPECT_EQ(Update->Region, TRegion(Rect(0, 0, 160, 120)));
  DeleteObject(Update);
}

}  // namespace
}  // namespace paint_test
