// The caption's quick buttons: their row at the caption's left end, drawn from the
// form's image list with the skin's hot and pressed looks, the mouse that tracks,
// presses and clicks them, and the room they take from the caption's text.

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "components/forms/SkinHint.h"
#include "components/forms/SkinMenus.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/components/forms/SkinFormObjFixture.h"

namespace skin_form_quick_buttons_test {

using namespace skin_form_obj_test;

constexpr uint32_t GlyphColors[2] = {0xFFC02020u, 0xFF20C020u};
constexpr uint32_t HotColor = 0xFF5050F0u;
constexpr uint32_t DownColor = 0xFF202080u;
constexpr int GlyphSize = 8;

// A caption across the fixture's top band, (10, 6, 190, 26), its text area 4 pixels in
// from either end; two quick buttons whose 8 × 8 pictures are flat colours; the skin's
// quick-button element, hot and pressed a flat colour each.
class SkinFormQuickButtonsTest : public SkinFormObjTest {
 protected:
  const testing_support::TPixelLegend Legend = {
      {GlyphColors[0], 'r'}, {GlyphColors[1], 'g'}, {HotColor, 'H'}, {DownColor, 'D'}};

  void SetUp() override {
    SkinFormObjTest::SetUp();
    auto Caption = std::make_unique<TspDataSkinCaption>("caption");
    Caption->SkinRect = Rect(10, 6, 190, 26);
    Caption->TextRct = Rect(4, 0, 176, 20);
    Caption->FontName = "Arial";
    Caption->FontHeight = 14;
    Caption->DefaultCaption = true;
    Caption->ActivePictureIndex = ObjPictureIndex;
    CaptionRecord = Caption.get();
    TspSkinEditor(*Skin).AddObject(std::move(Caption));
    auto Element = std::make_unique<TspDataSkinButtonControl>("officequickbutton");
    Element->PictureIndex = AddPicture(24, 12, [](int AX, int) { return AX < 12 ? HotColor : DownColor; });
    Element->SkinRect = Rect(0, 0, 12, 12);
    Element->ActiveSkinRect = Rect(0, 0, 12, 12);
    Element->DownSkinRect = Rect(12, 0, 24, 12);
    Element->ClRect = Rect(2, 2, 10, 10);
    TspSkinEditor(*Skin).AddControl(std::move(Element));
  }

  // The form titled ATitle with the two quick buttons, shown and painted.
  TspSkinCaptionObject& ShowCaption(const String& ATitle = "") {
    NewSkinForm(skin_form_paint_test::FixturePictureWidth, skin_form_paint_test::FixturePictureHeight,
                Skin.get());
    Form->SetCaption(ATitle);
    Images = new TCustomImageList(Form, GlyphSize, GlyphSize);
    TBitmap Strip;
    Strip.SetPixelFormat(pf32bit);
    Strip.SetSize(2 * GlyphSize, GlyphSize);
    for (int Y = 0; Y < GlyphSize; ++Y)
      for (int X = 0; X < 2 * GlyphSize; ++X)
        reinterpret_cast<uint32_t*>(Strip.ScanLine(Y))[X] = GlyphColors[X / GlyphSize];
    Images->Add(Strip, nullptr);
    SkinForm->SetQuickImageList(Images);
    for (int I = 0; I < 2; ++I) SkinForm->QuickButtons().Add().SetImageIndex(I);
    Form->Show();
    Application->ProcessMessages();
    auto* Caption = dynamic_cast<TspSkinCaptionObject*>(SkinForm->ObjectList.at(0).get());
    if (!Caption) throw std::runtime_error("no caption object");
    return *Caption;
  }
  TspQuickButtonItem& Button(int AIndex) { return SkinForm->QuickButtons().Item(AIndex); }

  // The row's strip of the window, (10, 6) to (60, 26), as a picture: the legend's
  // letters, '.' for the frame picture where it lies, 'a' for the caption's own
  // picture at the same place of the divider (its top-left at (13, 8)).
  std::string ShownRow() const {
    const TPixelImage Painted = WindowPicture(Form->Handle());
    std::string Result;
    for (int Y = 6; Y < 26; ++Y) {
      for (int X = 10; X < 60; ++X) {
        const uint32_t Pixel = Painted.Pixel(X, Y) | 0xFF000000u;
        char Seen = '#';
        if (Pixel == skin_form_paint_test::FixtureFramePixel(X, Y)) Seen = '.';
        if (Pixel == ObjPicturePixel(40 + X - 13, Y - 8)) Seen = 'a';
        for (const auto& [Value, Character] : Legend)
          if (Value == Pixel) Seen = Character;
        Result += Seen;
      }
      Result += '\n';
    }
    return Result;
  }
  // The same strip as it should look: on the frame, the divider's place (when given)
  // showing the caption's picture, each button's rectangle its background letter
  // ('.' for none) with its picture's letter in the middle 8 × 8.
  struct TExpectedButton {
    TRect Place;
    char Back, Glyph;
  };
  static std::string ExpectedRow(const std::vector<TExpectedButton>& AButtons,
                                 const TRect& ADivider = TRect{}) {
    std::string Result;
    for (int Y = 6; Y < 26; ++Y) {
      for (int X = 10; X < 60; ++X) {
        char Seen = PtInRect(ADivider, Point(X, Y)) ? 'a' : '.';
        for (const TExpectedButton& Button : AButtons) {
          if (!PtInRect(Button.Place, Point(X, Y))) continue;
          const TRect Glyph = Rect(Button.Place.Left + 2, Button.Place.Top + 2, Button.Place.Right - 2,
                                   Button.Place.Bottom - 2);
          Seen = PtInRect(Glyph, Point(X, Y)) ? Button.Glyph : Button.Back;
        }
        Result += Seen;
      }
      Result += '\n';
    }
    return Result;
  }

  TspDataSkinCaption* CaptionRecord = nullptr;
  TCustomImageList* Images = nullptr;
};

// Without a divider the row starts 5 pixels into the caption, each button 8 + 4
// pixels wide and 16 apart, vertically 2 pixels above centre: (15, 10) and (31, 10).
const TRect FirstPlace = Rect(15, 10, 27, 22);
const TRect SecondPlace = Rect(31, 10, 43, 22);

TEST_F(SkinFormQuickButtonsTest, TheRowIsDrawnAtTheCaptionsLeftEndAndAfterItsDivider) {
  ShowCaption();
  EXPECT_EQ(ShownRow(), ExpectedRow({{FirstPlace, '.', 'r'}, {SecondPlace, '.', 'g'}}));
  EXPECT_EQ(Button(0).ItemRect, FirstPlace);
  EXPECT_EQ(Button(1).ItemRect, SecondPlace);

  // A divider of 4 × 16 from the caption's picture at (40, 0): drawn 3 pixels in and
  // centred on the text area's height; the row moves past it by its width + 6.
  CaptionRecord->DividerRect = Rect(40, 0, 44, 16);
  delete Form;
  ShowCaption();
  EXPECT_EQ(ShownRow(), ExpectedRow({{Rect(20, 10, 32, 22), '.', 'r'}, {Rect(36, 10, 48, 22), '.', 'g'}},
                                    Rect(13, 8, 17, 24)));
}

TEST_F(SkinFormQuickButtonsTest, AButtonIsHotUnderTheMousePressedWhileHeldAndClickedOnRelease) {
  TspSkinCaptionObject& Caption = ShowCaption();
  std::vector<const TObject*> Clicked;
  Button(0).OnClick = [&](TObject* ASender) { Clicked.push_back(ASender); };

  Caption.MouseMove(20, 15);
  EXPECT_EQ(Caption.ActiveQuickButton, 0);
  EXPECT_EQ(ShownRow(), ExpectedRow({{FirstPlace, 'H', 'r'}, {SecondPlace, '.', 'g'}}));
  Caption.MouseDown(20, 15, mbLeft);
  EXPECT_EQ(Caption.MouseCaptureQuickButton, 0);
  EXPECT_EQ(ShownRow(), ExpectedRow({{FirstPlace, 'D', 'r'}, {SecondPlace, '.', 'g'}}));
  EXPECT_TRUE(Clicked.empty());
  Caption.MouseUp(21, 16, mbLeft);
  EXPECT_EQ(Clicked, std::vector<const TObject*>{&Button(0)});
  EXPECT_EQ(ShownRow(), ExpectedRow({{FirstPlace, 'H', 'r'}, {SecondPlace, '.', 'g'}}));
  // Over the second button, then off the caption.
  Caption.MouseMove(35, 12);
  EXPECT_EQ(ShownRow(), ExpectedRow({{FirstPlace, '.', 'r'}, {SecondPlace, 'H', 'g'}}));
  Caption.MouseLeave();
  EXPECT_EQ(Caption.ActiveQuickButton, -1);
  EXPECT_EQ(ShownRow(), ExpectedRow({{FirstPlace, '.', 'r'}, {SecondPlace, '.', 'g'}}));
}

TEST_F(SkinFormQuickButtonsTest, AReleaseAwayFromThePressedButtonClicksNothingAndLetsItGo) {
  TspSkinCaptionObject& Caption = ShowCaption();
  int Clicks = 0;
  for (int I = 0; I < 2; ++I) Button(I).OnClick = [&](TObject*) { ++Clicks; };
  struct TCase {
    const char* Name;
    TPoint Release;
  };
  for (const TCase& Case : {TCase{"beside the row", {100, 15}}, TCase{"on the other button", {35, 15}},
                            TCase{"off the form", {-40, 300}}}) {
    SCOPED_TRACE(Case.Name);
    Caption.MouseMove(20, 15);
    Caption.MouseDown(20, 15, mbLeft);
    ASSERT_TRUE(Button(0).Down);
    Caption.MouseMove(Case.Release.X, Case.Release.Y);
    Caption.MouseUp(Case.Release.X, Case.Release.Y, mbLeft);
    EXPECT_EQ(Clicks, 0);
    EXPECT_FALSE(Button(0).Down);
    EXPECT_EQ(Caption.MouseCaptureQuickButton, -1);
  }
  // A right press reports itself but presses nothing.
  std::vector<TMouseButton> Pressed;
  Button(1).OnMouseDown = [&](TObject* ASender, TMouseButton AButton, TShiftState, int, int) {
    EXPECT_EQ(ASender, &Button(1));
    Pressed.push_back(AButton);
  };
  Caption.MouseDown(35, 15, mbRight);
  Caption.MouseUp(35, 15, mbRight);
  EXPECT_FALSE(Button(1).Down);
  EXPECT_EQ(Clicks, 0);
  Caption.MouseDown(35, 15, mbLeft);
  EXPECT_EQ(Pressed, (std::vector<TMouseButton>{mbRight, mbLeft}));
}

TEST_F(SkinFormQuickButtonsTest, TheHotButtonsHintShowsAfterTheHintPauseAndGoesOffTheRowOrOnAPress) {
  TspSkinCaptionObject& Caption = ShowCaption();
  auto* Hint = new TspSkinHint(Form);
  SkinForm->SetSkinHint(Hint);
  SkinForm->QuickButtonsShowHint = true;
  Button(0).Hint = "Open";
  auto Pass = [](uint32_t AMilliseconds) {
    HeadlessBackend()->AdvanceClock(AMilliseconds);
    Application->ProcessMessages();
  };
  Caption.MouseMove(20, 15);
  EXPECT_FALSE(Hint->IsVisible());
  Pass(uint32_t(Application->HintPause));
  ASSERT_TRUE(Hint->IsVisible());
  EXPECT_EQ(Hint->Window().Caption(), "Open");
  // Off the row the hint goes.
  Caption.MouseMove(100, 15);
  EXPECT_FALSE(Hint->IsVisible());
  // A button without a hint shows none; a press hides a shown one.
  Caption.MouseMove(35, 15);
  Pass(uint32_t(Application->HintPause));
  EXPECT_FALSE(Hint->IsVisible());
  Caption.MouseMove(20, 15);
  Pass(uint32_t(Application->HintPause));
  ASSERT_TRUE(Hint->IsVisible());
  Caption.MouseDown(20, 15, mbLeft);
  EXPECT_FALSE(Hint->IsVisible());
  // Without QuickButtonsShowHint, nothing shows.
  Caption.MouseUp(20, 15, mbLeft);
  Caption.MouseMove(100, 15);
  SkinForm->QuickButtonsShowHint = false;
  Caption.MouseMove(20, 15);
  Pass(uint32_t(Application->HintPause));
  EXPECT_FALSE(Hint->IsVisible());
}

TEST_F(SkinFormQuickButtonsTest, AButtonsPopupMenuOpensBelowItAndTheButtonIsLetGoWhenItCloses) {
  TspSkinCaptionObject& Caption = ShowCaption();
  auto* Menu = new TspSkinPopupMenu(Form);
  for (const char* ItemCaption : {"One", "Two"}) {
    auto* Item = new TMenuItem(Menu);
    Item->SetCaption(ItemCaption);
    Menu->Items()->Add(Item);
  }
  Button(1).SetPopupMenu(Menu);
  int Clicks = 0;
  Button(1).OnClick = [&](TObject*) { ++Clicks; };
  TspSkinMenu& Chain = SkinForm->SkinMenu();

  Caption.MouseMove(35, 15);
  Caption.MouseDown(35, 15, mbLeft);
  ASSERT_TRUE(Chain.Visible());
  EXPECT_EQ(Caption.PopupMenuQuickButton, 1);
  EXPECT_EQ(Caption.MouseCaptureQuickButton, -1);
  const TRect& R = Button(1).ItemRect;
  EXPECT_EQ((TPoint{Chain.PopupWindow(0).Left(), Chain.PopupWindow(0).Top()}),
            (TPoint{Form->Left() + R.Left, Form->Top() + R.Bottom}));
  // The release clicks it but keeps it pressed, and the mouse moving away leaves it hot.
  Caption.MouseUp(35, 15, mbLeft);
  EXPECT_EQ(Clicks, 1);
  Caption.MouseMove(100, 15);
  EXPECT_TRUE(Button(1).Down);
  EXPECT_TRUE(Button(1).Active);
  EXPECT_EQ(ShownRow(), ExpectedRow({{FirstPlace, '.', 'r'}, {SecondPlace, 'D', 'g'}}));

  Chain.Hide();
  Application->ProcessMessages();
  EXPECT_FALSE(SkinForm->InMenu);
  EXPECT_EQ(Caption.PopupMenuQuickButton, -1);
  EXPECT_FALSE(Button(1).Down);
  EXPECT_FALSE(Button(1).Active);
  EXPECT_EQ(ShownRow(), ExpectedRow({{FirstPlace, '.', 'r'}, {SecondPlace, '.', 'g'}}));
  // A menu that goes is forgotten: the button is a plain one again.
  delete Menu;
  EXPECT_EQ(Button(1).PopupMenu(), nullptr);
  Caption.MouseDown(35, 15, mbLeft);
  EXPECT_FALSE(Chain.Visible());
  EXPECT_EQ(Caption.MouseCaptureQuickButton, 1);
}

TEST_F(SkinFormQuickButtonsTest, DisabledButtonsStayColdAndHiddenOnesTakeNoRoomInTheRow) {
  TspSkinCaptionObject& Caption = ShowCaption();
  Button(0).SetEnabled(false);
  Caption.MouseMove(20, 15);
  EXPECT_EQ(Caption.ActiveQuickButton, -1);
  EXPECT_FALSE(Button(0).Active);
  // Drawn greyed: none of its picture's colour.
  const std::string Greyed = ShownRow();
  EXPECT_EQ(std::count(Greyed.begin(), Greyed.end(), 'r'), 0);
  EXPECT_GT(std::count(Greyed.begin(), Greyed.end(), 'g'), 0);

  // Hiding a button repaints the frame at once; the next one takes its place.
  Button(0).SetVisible(false);
  EXPECT_EQ(ShownRow(), ExpectedRow({{FirstPlace, '.', 'g'}}));
  Caption.MouseMove(20, 15);
  EXPECT_EQ(Caption.ActiveQuickButton, 1);
}

TEST_F(SkinFormQuickButtonsTest, TheTextIsCentredInTheRoomTheButtonsLeaveWhateverItsAlignment) {
  CaptionRecord->Alignment = taLeftJustify;
  CaptionRecord->FontColor = CaptionRecord->ActiveFontColor = TColor(0x000000);
  ShowCaption("Title");
  // Both buttons reserve room, the hidden one too: 2 × (8 + 8) + 5 from the text
  // area's left (14), so the text lies centred between 51 and the area's right (186).
  Button(0).SetVisible(false);
  const TPixelImage Painted = WindowPicture(Form->Handle());
  int Left = 200, Right = 0;
  for (int Y = 6; Y < 26; ++Y)
    for (int X = 44; X < 190; ++X)
      if ((Painted.Pixel(X, Y) | 0xFF000000u) != skin_form_paint_test::FixtureFramePixel(X, Y)) {
        Left = std::min(Left, X);
        Right = std::max(Right, X + 1);
      }
  ASSERT_LT(Left, Right);
  EXPECT_GT(Left, 51);
  EXPECT_LE(std::abs((Left - 51) - (186 - Right)), 3);
}

TEST_F(SkinFormQuickButtonsTest, TheRowIsNoPlaceToDragTheFormAndDeactivationLetsTheButtonsGo) {
  TspSkinCaptionObject& Caption = ShowCaption();
  // The strip of 2 × (8 + 8) pixels at the caption's left end is the buttons'.
  EXPECT_FALSE(SkinForm->PointInCaptionObject(Point(20, 15)));
  EXPECT_FALSE(SkinForm->PointInCaptionObject(Point(41, 15)));
  EXPECT_TRUE(SkinForm->PointInCaptionObject(Point(42, 15)));

  Caption.MouseMove(20, 15);
  Caption.MouseDown(20, 15, mbLeft);
  ASSERT_TRUE(Button(0).Down);
  Form->Hide();
  Application->ProcessMessages();
  ASSERT_FALSE(SkinForm->GetFormActive());
  SkinForm->UpdateActiveState(true);
  EXPECT_FALSE(Button(0).Down);
  EXPECT_FALSE(Button(0).Active);

  // Without the image list (freed) there is no row: the whole caption drags.
  delete Images;
  EXPECT_EQ(SkinForm->QuickImageList(), nullptr);
  EXPECT_TRUE(SkinForm->PointInCaptionObject(Point(20, 15)));
  SkinForm->UpDateFormNC();
}

}  // namespace skin_form_quick_buttons_test
