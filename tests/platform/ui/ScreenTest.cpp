// The screen object: forms in z-order, the cursor over every form and the cursor table,
// the screen, its work area and monitors, and the installed fonts.

#include <gtest/gtest.h>

#include "platform/base/Exceptions.h"
#include "platform/win/Cursors.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/FormsTestSupport.h"
#include "tests/support/TestSupport.h"

namespace ui_test {
namespace {

using ScreenTest = FormsTest;

std::vector<String> FormNames() {
  std::vector<String> Names;
  for (int I = 0; I < Screen->FormCount(); ++I) Names.push_back(Screen->Forms(I)->Name());
  return Names;
}

TEST_F(ScreenTest, FormsComeInZOrderWithTheActiveFormFirst) {
  TForm* A = NewForm("A", 10, 10);
  TForm* B = NewForm("B", 60, 60);
  TForm* C = NewForm("C", 110, 110);
  auto* Unshown = Application->CreateForm<TForm>();
  Unshown->SetName("Unshown");
  for (TForm* Form : {A, B, C}) Form->Show();
  Pump();
  EXPECT_EQ(FormNames(), (std::vector<String>{"C", "B", "A", "Unshown"}));
  EXPECT_EQ(Screen->ActiveForm(), C);
  // The main form (A) owns the others' windows, which stay above it.
  B->Show();
  Pump();
  EXPECT_EQ(FormNames(), (std::vector<String>{"B", "C", "A", "Unshown"}));
  EXPECT_EQ(Screen->ActiveForm(), B);
  A->Show();
  Pump();
  EXPECT_EQ(FormNames(), (std::vector<String>{"B", "C", "A", "Unshown"}));
  EXPECT_EQ(Screen->ActiveForm(), A);
  EXPECT_EQ(Screen->CustomFormCount(), 4);
  delete C;
  EXPECT_EQ(FormNames(), (std::vector<String>{"B", "A", "Unshown"}));
  EXPECT_THROW(Screen->Forms(3), EListError);
}

TEST_F(ScreenTest, TheScreenCursorOverridesTheControlsUntilItIsDefaultAgain) {
  TForm* Form = NewForm("Form");
  Form->SetCursor(crHandPoint);
  Form->Show();
  InjectPointerMove(OnScreen(Form, 20, 20));
  Pump();
  EXPECT_EQ(Headless().Cursor(), LoadCursor(nullptr, IDC_HAND));
  Screen->SetCursor(crHourGlass);
  EXPECT_EQ(Headless().Cursor(), LoadCursor(nullptr, IDC_WAIT));
  InjectPointerMove(OnScreen(Form, 30, 30));
  Pump();
  EXPECT_EQ(Headless().Cursor(), LoadCursor(nullptr, IDC_WAIT));
  Screen->SetCursor(crDefault);
  EXPECT_EQ(Screen->Cursor(), crDefault);
  EXPECT_EQ(Headless().Cursor(), LoadCursor(nullptr, IDC_HAND));
}

TEST_F(ScreenTest, LoadedCursorsAreRegisteredUnderTheProgramsNumbers) {
  testing_support::TempDir Dir;
  TBitmap Picture;
  Picture.SetSize(16, 16);
  TIcon Icon;
  Icon.Assign(Picture);
  Icon.SaveToFile(Dir.File("pointer.ico"));
  const HCURSOR Loaded = LoadCursorFromFile(Dir.File("pointer.ico").c_str());
  ASSERT_NE(Loaded, nullptr);
  Screen->SetCursors(5, Loaded);
  EXPECT_EQ(Screen->Cursors(5), Loaded);
  EXPECT_EQ(Screen->Cursors(crIBeam), LoadCursor(nullptr, IDC_IBEAM));
  // A number with no cursor gives the arrow.
  EXPECT_EQ(Screen->Cursors(6), LoadCursor(nullptr, IDC_ARROW));
  TForm* Form = NewForm("Form");
  Form->Show();
  Screen->SetCursor(5);
  EXPECT_EQ(Headless().Cursor(), Loaded);
  Screen->SetCursor(crDefault);
  Screen->SetCursors(5, nullptr);
}

TEST_F(ScreenTest, TheScreenAndItsMonitors) {
  EXPECT_EQ(Screen->Width(), 1280);
  EXPECT_EQ(Screen->Height(), 800);
  EXPECT_EQ(Screen->WorkAreaRect(), Rect(0, 0, 1280, 760));
  EXPECT_EQ(Screen->WorkAreaHeight(), 760);
  TMonitorDescription Left;
  Left.Bounds = Bounds(0, 0, 1280, 800);
  Left.WorkArea = Bounds(0, 0, 1280, 770);
  Left.Primary = true;
  TMonitorDescription Right;
  Right.Bounds = Bounds(1280, 0, 1024, 768);
  Right.WorkArea = Bounds(1280, 30, 1024, 738);
  Headless().SetMonitors({Left, Right});
  ASSERT_EQ(Screen->MonitorCount(), 2);
  TMonitor* Second = Screen->Monitors(1);
  EXPECT_EQ(Second->MonitorNum(), 1);
  EXPECT_FALSE(Second->Primary());
  EXPECT_TRUE(Screen->Monitors(0)->Primary());
  EXPECT_EQ(Second->BoundsRect(), Bounds(1280, 0, 1024, 768));
  EXPECT_EQ(Second->WorkareaRect(), Bounds(1280, 30, 1024, 738));
  EXPECT_EQ(Second->Width(), 1024);
  TForm* Form = NewForm("Form", 1500, 100);
  EXPECT_EQ(Screen->MonitorFromWindow(Form->Handle()), Second);
  EXPECT_EQ(Screen->MonitorFromPoint({5000, 5000}, mdNull), nullptr);
  EXPECT_EQ(Screen->MonitorFromPoint({10, 10}), Screen->Monitors(0));
  EXPECT_THROW(Screen->Monitors(2), EListError);
}

TEST_F(ScreenTest, TheFontsAreTheInstalledFamiliesSorted) {
  TStrings& Fonts = Screen->Fonts();
  ASSERT_GT(Fonts.Count(), 0);
  EXPECT_GE(Fonts.IndexOf("DejaVu Sans"), 0);
  for (int I = 1; I < Fonts.Count(); ++I) EXPECT_LT(CompareText(Fonts.Strings(I - 1), Fonts.Strings(I)), 0);
}

TEST_F(ScreenTest, PositionPlacesTheFormWhenFirstShownInsideTheWorkArea) {
  TForm* Main = NewForm("Main", 100, 100);
  Main->Show();
  struct TCase {
    TPosition Position;
    TPoint Expected;
  };
  // The form is 200 × 150 inside a frame; its outer size decides.
  TForm* Probe = NewForm("Probe", 7, 9);
  const int W = Probe->Width();
  const int H = Probe->Height();
  const TCase Cases[] = {
      {poDesigned, {7, 9}},
      {poScreenCenter, {(1280 - W) / 2, (800 - H) / 2}},
      {poMainFormCenter, {Main->Left() + (Main->Width() - W) / 2, Main->Top() + (Main->Height() - H) / 2}},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(static_cast<int>(Case.Position));
    TForm* Form = NewForm("Form", 7, 9);
    Form->SetPosition(Case.Position);
    Form->Show();
    EXPECT_EQ(Form->Left(), Case.Expected.X);
    EXPECT_EQ(Form->Top(), Case.Expected.Y);
    delete Form;
  }
  // A main form near the corner: the centred form stays inside the work area.
  Main->SetBounds(1200, 700, Main->Width(), Main->Height());
  TForm* Form = NewForm("Form", 7, 9);
  Form->SetPosition(poMainFormCenter);
  Form->Show();
  EXPECT_EQ(Form->Left() + Form->Width(), 1280);
  EXPECT_EQ(Form->Top() + Form->Height(), 760);
}

}  // namespace
}  // namespace ui_test
