// Where a skinned form goes: centred on its monitor at its first show, and snapped to
// the work area's edges while it is dragged by its caption with Magnetic on.

#include <climits>

#include "platform/ui/Application.h"
#include "platform/win/Cursors.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/forms/SkinFormTestSupport.h"

using namespace skin_form_test;

namespace {

constexpr TMonitorDescription PlacementPrimary{Rect(0, 0, 1000, 800), Rect(0, 0, 1000, 760), true};
constexpr TMonitorDescription PlacementSecond{Rect(1000, 0, 1600, 900), Rect(1000, 30, 1600, 900), false};

class SkinFormPlacementTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    HeadlessBackend()->SetMonitors({PlacementPrimary, PlacementSecond});
  }

  // A form with the built-in frame, not yet shown.
  TspSkinForm* NewHiddenSkinForm(const TRect& ABounds) {
    TForm* Form = Application->CreateForm<TForm>();
    Form->SetBorderStyle(bsSingle);
    auto* SkinForm = new TspSkinForm(Form);
    Form->SetBoundsRect(ABounds);
    return SkinForm;
  }

  // Drags the form by its built-in caption so that its top-left would land at ATo,
  // through the pointer positions AVia on the way.
  static void DragCaption(TCustomForm* AForm, TPoint ATo, const std::vector<TPoint>& AVia = {}) {
    const TPoint Grip{AForm->Left() + 60, AForm->Top() + 10};
    const TPoint Offset{Grip.X - AForm->Left(), Grip.Y - AForm->Top()};
    // Well apart from the press of the drag before, so that it is no double click.
    HeadlessBackend()->AdvanceClock(1000);
    InjectPointerMove(Grip);
    InjectPointerPress(Grip);
    for (TPoint Via : AVia) InjectPointerMove({Via.X + Offset.X, Via.Y + Offset.Y});
    const TPoint End{ATo.X + Offset.X, ATo.Y + Offset.Y};
    InjectPointerMove(End);
    InjectPointerRelease(End);
    ProcessPendingMessages();
  }
};

TEST_F(SkinFormPlacementTest, TheFirstShowCentresTheFormOnItsMonitorByPositionInMonitor) {
  struct TCase {
    const char* Name;
    TspPositionInMonitor Position;
    TRect Bounds;
    TPoint Expected;
  };
  const TCase Cases[] = {
      {"where it is", sppDefault, Bounds(37, 41, 300, 200), {37, 41}},
      {"work area", sppDesktopCenter, Bounds(37, 41, 300, 200), {350, 280}},
      {"whole monitor", sppScreenCenter, Bounds(37, 41, 300, 200), {350, 300}},
      {"second monitor's work area", sppDesktopCenter, Bounds(1100, 100, 200, 100), {1200, 415}},
      {"second monitor", sppScreenCenter, Bounds(1100, 100, 200, 100), {1200, 400}},
  };
  for (const TCase& Case : Cases) {
    TspSkinForm* SkinForm = NewHiddenSkinForm(Case.Bounds);
    SkinForm->PositionInMonitor = Case.Position;
    SkinForm->Form()->Show();
    ProcessPendingMessages();
    EXPECT_EQ(SkinForm->Form()->BoundsRect(),
              Bounds(Case.Expected.X, Case.Expected.Y, Case.Bounds.Width(), Case.Bounds.Height()))
        << Case.Name;
    // Only the first show places the form.
    SkinForm->Form()->Hide();
    SkinForm->Form()->SetBoundsRect(Case.Bounds);
    SkinForm->Form()->Show();
    ProcessPendingMessages();
    EXPECT_EQ(SkinForm->Form()->BoundsRect(), Case.Bounds) << Case.Name;
    delete SkinForm->Form();
  }
}

TEST_F(SkinFormPlacementTest, ADraggedFormSnapsToAWorkAreaEdgeNinePixelsAwayButNotTen) {
  struct TCase {
    const char* Name;
    TPoint DragTo;
    TPoint Expected;
  };
  // The form is 300 x 200; the work area (0, 0, 1000, 760).
  const TCase Cases[] = {
      {"left, 9", {9, 300}, {0, 300}},       {"left, 10", {10, 300}, {10, 300}},
      {"left, -9", {-9, 300}, {0, 300}},     {"left, -10", {-10, 300}, {-10, 300}},
      {"top, 9", {400, 9}, {400, 0}},        {"top, 10", {400, 10}, {400, 10}},
      {"right, 9", {691, 300}, {700, 300}},  {"right, 10", {690, 300}, {690, 300}},
      {"bottom, 9", {400, 551}, {400, 560}}, {"bottom, 10", {400, 550}, {400, 550}},
      {"corner", {-5, 556}, {0, 560}},
  };
  for (const TCase& Case : Cases) {
    TspSkinForm* SkinForm = NewSkinnedForm(Bounds(300, 200, 300, 200), nullptr);
    SkinForm->Magnetic = true;
    DragCaption(SkinForm->Form(), Case.DragTo);
    EXPECT_EQ(SkinForm->Form()->BoundsRect().TopLeft(), Case.Expected) << Case.Name;
    delete SkinForm->Form();
  }
}

TEST_F(SkinFormPlacementTest, WithoutMagneticTheFormGoesWhereItIsDragged) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(300, 200, 300, 200), nullptr);
  DragCaption(SkinForm->Form(), {5, 5});
  EXPECT_EQ(SkinForm->Form()->BoundsRect().TopLeft(), (TPoint{5, 5}));
}

TEST_F(SkinFormPlacementTest, ASnappedEdgeLetsGoOnceTheCursorMovedMoreThanMagneticSize) {
  auto NewMagneticForm = [this] {
    TspSkinForm* SkinForm = NewSkinnedForm(Bounds(300, 200, 300, 200), nullptr);
    SkinForm->Magnetic = true;
    SkinForm->MagneticSize = 6;
    return SkinForm->Form();
  };
  // Snapped at 5; 6 pixels further the edge still holds ...
  TCustomForm* Held = NewMagneticForm();
  DragCaption(Held, {-1, 300}, {{5, 300}});
  EXPECT_EQ(Held->Left(), 0);
  // The next drag of the snapped form starts snapped: the edge holds for 6 pixels of
  // cursor travel and follows at 7.
  DragCaption(Held, {6, 300});
  EXPECT_EQ(Held->Left(), 0);
  DragCaption(Held, {7, 300});
  EXPECT_EQ(Held->Left(), 7);
  // ... and 7 pixels on from the snap it lets go, by the whole way the cursor went.
  TCustomForm* LetGo = NewMagneticForm();
  DragCaption(LetGo, {-2, 300}, {{5, 300}});
  EXPECT_EQ(LetGo->Left(), -7);
}

TEST_F(SkinFormPlacementTest, ASizeChangeLetsTheSnappedEdgesGo) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(300, 200, 300, 200), nullptr);
  SkinForm->Magnetic = true;
  int X = 5, Y = 300;
  SetCursorPos(100, 100);
  SkinForm->DoMagnetic(X, Y, 300, 200);
  EXPECT_EQ(X, 0);
  // Snapped: the cursor has not moved, so the edge holds a proposal 8 pixels out.
  X = 8;
  SkinForm->DoMagnetic(X, Y, 300, 200);
  EXPECT_EQ(X, 0);
  SkinForm->Form()->SetWidth(320);
  // After the size change the edge snaps afresh and remembers the cursor now.
  SetCursorPos(150, 100);
  X = 8;
  SkinForm->DoMagnetic(X, Y, 320, 200);
  EXPECT_EQ(X, 0);
  X = 8;
  SkinForm->DoMagnetic(X, Y, 320, 200);
  EXPECT_EQ(X, 0);
}

TEST_F(SkinFormPlacementTest, PositionsFarOutSaturateInsteadOfOverflowing) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(300, 200, 300, 200), nullptr);
  SkinForm->Magnetic = true;
  // The right edge of a form this far out lies past the integer range.
  RECT Proposed = Rect(INT_MAX - 5, INT_MIN + 5, INT_MAX, INT_MIN + 200);
  SendMessage(SkinForm->Form()->Handle(), WM_MOVING, 0, reinterpret_cast<LPARAM>(&Proposed));
  EXPECT_EQ(Proposed, Rect(INT_MAX - 5, INT_MIN + 5, INT_MAX, INT_MIN + 205));

  // A snapped edge that lets go by a cursor jump past the integer range stops at its end.
  int X = 5, Y = 300;
  SetCursorPos(-5, 100);
  SkinForm->DoMagnetic(X, Y, 300, 200);
  ASSERT_EQ(X, 0);
  SetCursorPos(INT_MAX, 100);
  X = 5;
  SkinForm->DoMagnetic(X, Y, INT_MAX, 200);
  EXPECT_EQ(X, INT_MAX);
}

TEST_F(SkinFormPlacementTest, TheCentredPlaceOfAnyRectangleStaysInTheIntegerRange) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(300, 200, 300, 200), nullptr);
  SkinForm->PositionInMonitor = sppScreenCenter;
  EXPECT_EQ(SkinForm->GetPositionInMonitor(0, 0, 300, 200), (TPoint{350, 300}));
  EXPECT_EQ(SkinForm->GetPositionInMonitor(0, 0, INT_MIN, INT_MIN),
            (TPoint{500 + 1073741824, 400 + 1073741824}));
  SkinForm->PositionInMonitor = sppDefault;
  EXPECT_EQ(SkinForm->GetPositionInMonitor(-3, 4, INT_MIN, INT_MIN), (TPoint{-3, 4}));
}

}  // namespace
