// The form window procedure: the non-client size, hit test, activation and size
// limits the skin form answers in place of the form.

#include <algorithm>
#include <vector>

#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowPos.h"
#include "tests/components/forms/SkinFormTestSupport.h"

using namespace skin_form_test;

namespace {

using SkinFormWindowProcTest = SkinFormTest;

TEST_F(SkinFormWindowProcTest, BuiltInFrameLeavesTheCaptionAndThreePixelBorders) {
  TCustomForm* Single = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr)->Form();
  EXPECT_EQ(CalcClientRect(Single, Rect(0, 0, 300, 200)), Rect(3, 22, 297, 197));
  TCustomForm* Tool = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr, bsToolWindow)->Form();
  EXPECT_EQ(CalcClientRect(Tool, Rect(0, 0, 300, 200)), Rect(3, 18, 297, 197));
  // A window smaller than its frame gets an empty client rectangle, never a negative one.
  EXPECT_EQ(CalcClientRect(Single, Rect(10, 10, 14, 20)), Rect(13, 32, 13, 32));
}

TEST_F(SkinFormWindowProcTest, SkinnedFrameInsetsFollowClRectAtAnySize) {
  auto Skin = MakeFixtureSkin();
  TCustomForm* Form = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get())->Form();
  // Insets 5 left, 30 top, 5 right, 10 bottom, whatever the size.
  for (const TRect& Window : {Rect(0, 0, 100, 100), Rect(0, 0, 300, 200), Rect(40, 60, 1000, 700)}) {
    const TRect Client = CalcClientRect(Form, Window);
    EXPECT_EQ(Client, Rect(Window.Left + 5, Window.Top + 30, Window.Right - 5, Window.Bottom - 10));
  }
  const TRect Tiny = CalcClientRect(Form, Rect(0, 0, 8, 20));
  EXPECT_EQ(Tiny, Rect(5, 30, 5, 30));
  EXPECT_GE(Tiny.Width(), 0);
  EXPECT_GE(Tiny.Height(), 0);
}

TEST_F(SkinFormWindowProcTest, TheFormsClientAreaIsWhatTheSkinLeaves) {
  auto Skin = MakeFixtureSkin();
  TCustomForm* Form = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get())->Form();
  EXPECT_EQ(Form->ClientRect(), Rect(0, 0, 290, 160));
  TspSkinForm* Plain = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr);
  EXPECT_EQ(Plain->Form()->ClientRect(), Rect(0, 0, 294, 175));
}

struct TSkinFormHitCase {
  TPoint Point;
  LRESULT Expected;
};

TEST_F(SkinFormWindowProcTest, BuiltInFrameHitTestFindsBordersCaptionAndClient) {
  TCustomForm* Form = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr)->Form();
  const TSkinFormHitCase Cases[] = {
      {{0, 0}, HTTOPLEFT},
      {{2, 2}, HTTOPLEFT},
      {{299, 0}, HTTOPRIGHT},
      {{0, 199}, HTBOTTOMLEFT},
      {{298, 198}, HTBOTTOMRIGHT},
      {{1, 100}, HTLEFT},
      {{150, 1}, HTTOP},
      {{298, 100}, HTRIGHT},
      {{150, 198}, HTBOTTOM},
      {{150, 10}, HTCAPTION},
      {{150, 100}, HTCLIENT},
      // The third column from the right lies in the three-pixel border but not in
      // the two-pixel resize zone: the frame's own.
      {{297, 100}, HTOBJECT},
      {{150, 20}, HTOBJECT},
  };
  for (const TSkinFormHitCase& Case : Cases)
    EXPECT_EQ(HitTest(Form, Case.Point), Case.Expected) << Case.Point.X << ", " << Case.Point.Y;
}

TEST_F(SkinFormWindowProcTest, BuiltInFrameOfAFormThatIsNotSizeableHasNoResizeZones) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr);
  SkinForm->Sizeable = false;
  EXPECT_EQ(HitTest(SkinForm->Form(), {1, 100}), HTOBJECT);
  EXPECT_EQ(HitTest(SkinForm->Form(), {150, 1}), HTOBJECT);
  EXPECT_EQ(HitTest(SkinForm->Form(), {150, 10}), HTCAPTION);
}

TEST_F(SkinFormWindowProcTest, SkinnedFrameHitTestFollowsTheMaskAndTheHitTestPoints) {
  auto Skin = MakeFixtureSkin();
  TCustomForm* Form = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get())->Form();
  // At 300 x 200 the right hit-test points are at x 292 and the bottom ones at y 192.
  const TSkinFormHitCase Cases[] = {
      {{2, 7}, HTTOPLEFT},
      {{297, 7}, HTTOPRIGHT},
      {{4, 195}, HTBOTTOMLEFT},
      {{295, 195}, HTBOTTOMRIGHT},
      {{150, 1}, HTTOP},
      {{150, 198}, HTBOTTOM},
      {{1, 100}, HTLEFT},
      {{298, 100}, HTRIGHT},
      {{150, 100}, HTCLIENT},
      // Inside the frame, more than BorderW from the shape's outline: the frame's own;
      // so is a corner point whose probes all stay inside the shape.
      {{150, 15}, HTOBJECT},
      {{3, 7}, HTOBJECT},
  };
  for (const TSkinFormHitCase& Case : Cases)
    EXPECT_EQ(HitTest(Form, Case.Point), Case.Expected) << Case.Point.X << ", " << Case.Point.Y;
}

TEST_F(SkinFormWindowProcTest, NcActivateAnswersOneWithoutReachingTheForm) {
  TForm* Form = NewForm(Bounds(50, 50, 300, 200));
  std::vector<UINT> Reached;
  TWndMethod Inherited = Form->WindowProc;
  Form->WindowProc = [&Reached, Inherited](TMessage& AMessage) {
    Reached.push_back(AMessage.Msg);
    Inherited(AMessage);
  };
  auto Skin = MakeFixtureSkin();
  auto* SkinForm = new TspSkinForm(Form);
  SkinForm->SetSkinData(Skin.get());
  int Activations = 0, Deactivations = 0;
  SkinForm->OnActivate = [&](TObject*) { ++Activations; };
  SkinForm->OnDeActivate = [&](TObject*) { ++Deactivations; };
  Reached.clear();
  EXPECT_EQ(SendMessage(Form->Handle(), WM_NCACTIVATE, 0, 0), 1);
  EXPECT_EQ(SendMessage(Form->Handle(), WM_NCACTIVATE, 1, 0), 1);
  EXPECT_EQ(std::count(Reached.begin(), Reached.end(), WM_NCACTIVATE), 0);
  EXPECT_EQ(Activations + Deactivations, 2);
  // A message the skin form leaves alone still reaches the form.
  SendMessage(Form->Handle(), WM_NULL, 0, 0);
  EXPECT_EQ(std::count(Reached.begin(), Reached.end(), WM_NULL), 1);
}

TEST_F(SkinFormWindowProcTest, GetMinMaxInfoGivesTheSkinsLimits) {
  auto Skin = MakeFixtureSkin();
  TspSkinForm* Plain = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr);
  TspSkinForm* Skinned = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get());
  auto Limits = [](TspSkinForm* ASkinForm) {
    MINMAXINFO Info{};
    SendMessage(ASkinForm->Form()->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&Info));
    return Info;
  };
  TRect WorkArea;
  SystemParametersInfo(SPI_GETWORKAREA, 0, &WorkArea, 0);
  const MINMAXINFO PlainLimits = Limits(Plain);
  EXPECT_EQ(PlainLimits.ptMinTrackSize, (TPoint{130, 25}));
  EXPECT_EQ(PlainLimits.ptMaxTrackSize, (TPoint{WorkArea.Width(), WorkArea.Height()}));
  // The skin frame: its picture's width, and its height without the client part.
  EXPECT_EQ(Limits(Skinned).ptMinTrackSize, (TPoint{100, 40}));
  Skinned->MinWidth = 400;
  Skinned->MaxWidth = 900;
  Skinned->MaxHeight = 600;
  EXPECT_EQ(Limits(Skinned).ptMinTrackSize, (TPoint{400, 40}));
  EXPECT_EQ(Limits(Skinned).ptMaxTrackSize, (TPoint{900, 600}));
}

TEST_F(SkinFormWindowProcTest, QuerySkinnableAnswersYes) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr);
  EXPECT_EQ(SendMessage(SkinForm->Form()->Handle(), SP_QUERYSKINNABLE, 0, 0), SKINNABLE_RESULT_YES);
}

}  // namespace

namespace {

using SkinFormHostileSkinTest = SkinFormTest;

TEST_F(SkinFormHostileSkinTest, AClientRectangleBeyondThePictureNeverInsetsOutwards) {
  auto Skin = MakeFixtureSkin();
  Skin->ClRect = Rect(-10, 30, 150, 90);
  TCustomForm* Form = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get())->Form();
  EXPECT_EQ(CalcClientRect(Form, Rect(0, 0, 300, 200)), Rect(0, 30, 300, 190));
}

TEST_F(SkinFormHostileSkinTest, ASkinWithoutItsFramePictureWearsTheBuiltInFrame) {
  auto Skin = MakeFixtureSkin();
  // A frame picture that could not be read is loaded as an empty picture.
  Skin->FPicture->SetSize(0, 0);
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get());
  EXPECT_EQ(CalcClientRect(SkinForm->Form(), Rect(0, 0, 300, 200)), Rect(3, 22, 297, 197));
  EXPECT_EQ(SkinForm->GetMinWidth(), 130);
  EXPECT_EQ(HitTest(SkinForm->Form(), {150, 10}), HTCAPTION);
}

}  // namespace

namespace {

using SkinFormCursorTest = SkinFormTest;

TEST_F(SkinFormCursorTest, OverCaptionAndObjectsTheFormsOwnCursorShows) {
  TForm* Form = NewForm(Bounds(50, 50, 300, 200));
  std::vector<LRESULT> CodesSeen;
  TWndMethod Inherited = Form->WindowProc;
  Form->WindowProc = [&CodesSeen, Inherited](TMessage& AMessage) {
    if (AMessage.Msg == WM_SETCURSOR) CodesSeen.push_back(LOWORD(static_cast<uintptr_t>(AMessage.LParam)));
    Inherited(AMessage);
  };
  auto* SkinForm = new TspSkinForm(Form);
  SkinForm->UseFormCursorInNCArea = true;
  for (LRESULT Code : {HTSYSMENU, HTCAPTION, HTOBJECT, HTBOTTOMRIGHT, HTLEFT, HTCLIENT})
    SendMessage(Form->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Form->Handle()),
                MAKELPARAM(static_cast<WORD>(Code), WM_MOUSEMOVE));
  EXPECT_EQ(CodesSeen, (std::vector<LRESULT>{HTCLIENT, HTCLIENT, HTCLIENT, HTBOTTOMRIGHT, HTLEFT, HTCLIENT}));
}

}  // namespace
