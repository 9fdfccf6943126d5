// The lines of a skinned menu: their kinds and heights, and their pictures in the
// built-in look, the skin look of a small test skin and the program's default skin.

#include "components/core/SPUtils.h"
#include "components/forms/SkinMenus.h"
#include "tests/components/forms/SkinFormTestSupport.h"
#include "tests/support/Pictures.h"

namespace skin_menus_item_test {
namespace {

using skin_form_test::SkinFormTest;

// The test skin's menu-item picture, 90 x 60: the normal look red (0, 0, 30, 20), the
// active look green (30, 0, 60, 20), the divider blue (0, 20, 30, 24), and an
// animation strip of three frames, yellow, aqua and fuchsia (0, 40, 90, 60).
constexpr TRect NormalRect{0, 0, 30, 20};
constexpr TRect ActiveRect{30, 0, 60, 20};
constexpr TRect DividerRect{0, 20, 30, 24};
constexpr TRect StripRect{0, 40, 90, 60};

std::unique_ptr<TBitmap> MakeMenuItemPicture() {
  auto Picture = std::make_unique<TBitmap>();
  Picture->SetPixelFormat(pf24bit);
  Picture->SetSize(90, 60);
  TCanvas& C = Picture->Canvas();
  const std::pair<TRect, TColor> Parts[] = {{NormalRect, clRed},
                                            {ActiveRect, clLime},
                                            {DividerRect, clBlue},
                                            {TRect{0, 40, 30, 60}, clYellow},
                                            {TRect{30, 40, 60, 60}, clAqua},
                                            {TRect{60, 40, 90, 60}, clFuchsia}};
  for (const auto& [Place, Color] : Parts) {
    C.Brush().SetColor(Color);
    C.FillRect(Place);
  }
  return Picture;
}

uint32_t Opaque(TColor AColor) { return testing_support::OpaquePixel(ColorToRGB(AColor)); }

class SkinMenusItemTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Skin = skin_form_test::MakeFixtureSkin();
    TspSkinEditor(*Skin).AddPicture(MakeMenuItemPicture());
    Record = std::make_unique<TspDataSkinMenuItem>("menuitem");
    Record->ActivePictureIndex = 0;
    Record->SkinRect = NormalRect;
    Record->ActiveSkinRect = ActiveRect;
    Record->DividerRect = DividerRect;
    Record->TextRct = TRect{4, 0, 26, 20};
    Record->FontName = "Arial";
    Record->FontHeight = 14;
    Record->FontColor = clWhite;
    Record->ActiveFontColor = clWhite;
    Record->UnEnabledFontColor = clWhite;
    Root = std::make_unique<TMenuItem>(nullptr);
  }
  void TearDown() override {
    Root.reset();
    SkinFormTest::TearDown();
  }

  TMenuItem* AddMenuItem(const String& ACaption) {
    auto* Item = new TMenuItem(nullptr);
    Item->SetCaption(ACaption);
    Root->Add(Item);
    return Item;
  }
  // A line of the skin look (AData set) or the built-in look at ARect.
  std::unique_ptr<TspSkinMenuItem> Line(TMenuItem* AItem, TspDataSkinMenuItem* AData, const TRect& ARect) {
    Window.SD = AData ? Skin.get() : nullptr;
    auto Result = std::make_unique<TspSkinMenuItem>(Window, AData, AItem);
    Result->ObjectRect = ARect;
    return Result;
  }
  // AItem drawn at its ObjectRect into a bitmap of ASize, as ASCII.
  static std::string Look(TspSkinMenuItem& AItem, TSize ASize, const testing_support::TPixelLegend& ALegend) {
    TBitmap Target;
    Target.SetPixelFormat(pf24bit);
    Target.SetSize(ASize.cx, ASize.cy);
    AItem.Draw(Target.Canvas());
    return testing_support::AsciiPicture(Target.ToPixelImage(), TRect{0, 0, ASize.cx, ASize.cy}, ALegend);
  }
  static TPixelImage Painted(TspSkinMenuItem& AItem, TSize ASize) {
    TBitmap Target;
    Target.SetPixelFormat(pf24bit);
    Target.SetSize(ASize.cx, ASize.cy);
    AItem.Draw(Target.Canvas());
    return Target.ToPixelImage();
  }

  TspSkinMenu Menu{nullptr};
  // The window the lines belong to; each line takes the skin it has when made.
  TspSkinPopupWindow Window{nullptr, nullptr, Menu};
  std::unique_ptr<TspSkinData> Skin;
  std::unique_ptr<TspDataSkinMenuItem> Record;
  std::unique_ptr<TMenuItem> Root;
};

TEST_F(SkinMenusItemTest, KindsFollowTheCaptionAndTheEnabledState) {
  struct TCase {
    const char* Caption;
    bool Enabled;
    bool Separator;
    bool Header;
  };
  const TCase Cases[] = {{"-", true, true, false},        {"-Tools-", false, false, true},
                         {"-Tools-", true, false, false}, {"Open", false, false, false},
                         {"-Tools", false, false, false}, {"", false, false, false}};
  for (const TCase& Case : Cases) {
    TMenuItem* Item = AddMenuItem(Case.Caption);
    Item->SetEnabled(Case.Enabled);
    auto L = Line(Item, nullptr, TRect{});
    EXPECT_EQ(L->IsSeparator(), Case.Separator) << Case.Caption;
    EXPECT_EQ(L->IsHeader(), Case.Header) << Case.Caption;
  }
}

TEST_F(SkinMenusItemTest, HeightsComeFromTheSkinOrTheMenu) {
  TMenuItem* Plain = AddMenuItem("Open");
  TMenuItem* Separator = AddMenuItem("-");
  EXPECT_EQ(Line(Plain, nullptr, TRect{})->Height(), 20);
  EXPECT_EQ(Line(Separator, nullptr, TRect{})->Height(), 4);
  EXPECT_EQ(Line(Plain, Record.get(), TRect{})->Height(), 20);
  EXPECT_EQ(Line(Separator, Record.get(), TRect{})->Height(), 4);
  Record->SkinRect = TRect{0, 0, 30, 17};
  EXPECT_EQ(Line(Plain, Record.get(), TRect{})->Height(), 17);
  Menu.FUseSkinSize = false;
  Menu.FDefaultMenuItemHeight = 25;
  EXPECT_EQ(Line(Plain, Record.get(), TRect{})->Height(), 25);
  EXPECT_EQ(Line(Plain, nullptr, TRect{})->Height(), 25);
}

TEST_F(SkinMenusItemTest, ARecordWithoutPictureLosesItsRectangles) {
  Record->ActivePictureIndex = 5;
  auto L = Line(AddMenuItem("Open"), Record.get(), TRect{0, 0, 40, 20});
  EXPECT_EQ(L->ActivePicture, nullptr);
  EXPECT_TRUE(RectangleIsEmpty(Record->SkinRect));
  EXPECT_TRUE(RectangleIsEmpty(Record->ActiveSkinRect));
  EXPECT_EQ(L->Height(), 0);
}

// The built-in look of a checked item without caption: the glyph column in the button
// face, the check mark in the window text colour, the rest in the window colour; hot,
// the navy frame around the hot fill.
TEST_F(SkinMenusItemTest, BuiltInCheckedItemNormalAndHot) {
  TMenuItem* Item = AddMenuItem("");
  Item->SetChecked(true);
  auto L = Line(Item, nullptr, TRect{0, 0, 24, 20});
  const testing_support::TPixelLegend Legend{{Opaque(clBtnFace), '.'},
                                             {Opaque(clWindow), ' '},
                                             {Opaque(clWindowText), 'x'},
                                             {Opaque(TColor(0x800000)), 'n'},
                                             {Opaque(TColor(0xD2BDB6)), 'h'}};
  EXPECT_EQ(Look(*L, TSize{24, 20}, Legend),
            "...................     \n"
            "...................     \n"
            "...................     \n"
            "...................     \n"
            "...................     \n"
            "...................     \n"
            "...................     \n"
            "...........x.......     \n"
            "..........xx.......     \n"
            ".....x...xxx.......     \n"
            ".....xx.xxx........     \n"
            ".....xxxxx.........     \n"
            "......xxx..........     \n"
            ".......x...........     \n"
            "...................     \n"
            "...................     \n"
            "...................     \n"
            "...................     \n"
            "...................     \n"
            "...................     \n");
  L->Active = true;
  const std::string Hot = Look(*L, TSize{24, 20}, Legend);
  EXPECT_EQ(Hot.substr(0, 25), "nnnnnnnnnnnnnnnnnnnnnnnn\n");
  EXPECT_EQ(Hot.substr(25, 25), "nhhhhhhhhhhhhhhhhhhhhhhn\n");
  EXPECT_NE(Hot.find("hhhhhxhhh"), std::string::npos) << Hot;
}

TEST_F(SkinMenusItemTest, BuiltInSeparatorAndArrow) {
  auto Separator = Line(AddMenuItem("-"), nullptr, TRect{0, 0, 24, 4});
  Separator->Active = true;  // a separator never shows the hot look
  EXPECT_EQ(Look(*Separator, TSize{24, 4},
                 {{Opaque(clBtnFace), '.'}, {Opaque(clWindow), ' '}, {Opaque(clGrayText), '-'}}),
            "...................     \n"
            "...................     \n"
            "...................-----\n"
            "...................     \n");

  TMenuItem* Parent = AddMenuItem("");
  Parent->Add(new TMenuItem(nullptr));
  auto Arrow = Line(Parent, nullptr, TRect{0, 0, 40, 20});
  const std::string Picture =
      Look(*Arrow, TSize{40, 20}, {{Opaque(clBtnFace), '.'}, {Opaque(clWindow), ' '}});
  // Four columns from R2.Right - 7 = 31, starting 4 above the middle row 10.
  const char* Expected[] = {"#   ", "##  ", "### ", "####", "### ", "##  ", "#   ", "    "};
  for (int Row = 0; Row < 8; ++Row)
    EXPECT_EQ(Picture.substr(size_t(6 + Row) * 41 + 31, 4), Expected[Row]) << Row;
}

TEST_F(SkinMenusItemTest, ShortcutEndsNineteenPixelsBeforeTheInnerEdge) {
  TMenuItem* Item = AddMenuItem("Save");
  Item->SetShortCut(ShortCut('S', {ssCtrl}));
  auto L = Line(Item, nullptr, TRect{0, 0, 120, 20});
  const TPixelImage Picture = Painted(*L, TSize{120, 20});
  int Rightmost = -1;
  for (int Y = 0; Y < 20; ++Y)
    for (int X = 60; X < 120; ++X)
      if (Picture.Pixel(X, Y) != Opaque(clWindow)) Rightmost = std::max(Rightmost, X);
  // The text area ends at 120 - 2 - 19 = 99; the shortcut is centred in its measured
  // width, so its last ink lies a little before that.
  EXPECT_GT(Rightmost, 90);
  EXPECT_LT(Rightmost, 99);
}

TEST_F(SkinMenusItemTest, SkinLookTakesTheStatePictureAndTheDivider) {
  Record->FontColor = clRed;  // text invisible on the normal look
  auto L = Line(AddMenuItem(""), Record.get(), TRect{0, 0, 30, 20});
  const testing_support::TPixelLegend Legend{
      {Opaque(clRed), 'r'}, {Opaque(clLime), 'g'}, {Opaque(clBlue), 'b'}};
  EXPECT_EQ(Look(*L, TSize{30, 20}, Legend).find_first_not_of("r\n"), std::string::npos);
  L->Down = true;
  EXPECT_EQ(Look(*L, TSize{30, 20}, Legend).find_first_not_of("g\n"), std::string::npos);

  auto Separator = Line(AddMenuItem("-"), Record.get(), TRect{0, 0, 60, 4});
  EXPECT_EQ(Look(*Separator, TSize{60, 4}, Legend).find_first_not_of("b\n"), std::string::npos);
}

TEST_F(SkinMenusItemTest, SkinLookStretchesToTheMenuHeightWithoutSkinSize) {
  Menu.FUseSkinSize = false;
  auto L = Line(AddMenuItem(""), Record.get(), TRect{0, 0, 30, 32});
  const std::string Picture = Look(*L, TSize{30, 32}, {{Opaque(clRed), 'r'}});
  EXPECT_EQ(Picture.find_first_not_of("r\n"), std::string::npos) << Picture;
}

TEST_F(SkinMenusItemTest, AnimationFrameTwoIsTheMiddleOfTheStrip) {
  Record->AnimateSkinRect = StripRect;
  Record->FrameCount = 3;
  auto L = Line(AddMenuItem(""), Record.get(), TRect{0, 0, 30, 20});
  ASSERT_TRUE(L->EnableAnimation());
  L->CurrentFrame = 2;
  const TPixelImage Picture = Painted(*L, TSize{30, 20});
  EXPECT_EQ(Picture.Pixel(0, 0), Opaque(clAqua));
  EXPECT_EQ(Picture.Pixel(29, 19), Opaque(clAqua));
  Skin->EnableSkinEffects = false;
  EXPECT_FALSE(L->EnableAnimation());
}

TEST_F(SkinMenusItemTest, MorphStepsStayWithinZeroAndOne) {
  Record->Morphing = true;
  auto L = Line(AddMenuItem(""), Record.get(), TRect{0, 0, 30, 20});
  ASSERT_TRUE(L->EnableMorphing());
  TBitmap Target;
  Target.SetPixelFormat(pf24bit);
  Target.SetSize(30, 20);
  L->Active = true;
  int Steps = 0;
  while (L->CanMorphing()) {
    L->DoMorphing(Target.Canvas());
    ++Steps;
    if (Steps == 2) {
      // Factor 0.4: red 255 * 0.6, green 255 * 0.4.
      const uint32_t Mixed = Target.ToPixelImage().Pixel(1, 1);
      EXPECT_NEAR(int((Mixed >> 16) & 0xFF), 153, 1);
      EXPECT_NEAR(int((Mixed >> 8) & 0xFF), 102, 1);
    }
  }
  EXPECT_EQ(Steps, 5);
  EXPECT_DOUBLE_EQ(L->MorphKf(), 1.0);
  EXPECT_EQ(Target.ToPixelImage().Pixel(1, 1), Opaque(clLime));
  L->SetMorphKf(7);
  EXPECT_DOUBLE_EQ(L->MorphKf(), 1.0);
  // Out of view with a factor left: reset.
  L->FVisible = false;
  EXPECT_FALSE(L->CanMorphing());
  EXPECT_FALSE(L->Active);
  EXPECT_DOUBLE_EQ(L->MorphKf(), 0.0);
}

// A disabled "-Tools-" is a heading in the skin's "menuheader" look (its yellow
// picture, 10 rows high, centred in the 20-row item), "label" when there is no
// "menuheader", and blank with neither.
TEST_F(SkinMenusItemTest, HeadingTakesTheMenuHeaderOrLabelLook) {
  TMenuItem* Item = AddMenuItem("-Tools-");
  Item->SetEnabled(false);
  auto Heading = [&](const char* AName, TColor AColor) {
    auto Element = std::make_unique<TspDataSkinLabelControl>(AName);
    Element->PictureIndex = 0;
    const int Left = AColor == clYellow ? 0 : 30;
    Element->SkinRect = TRect{Left, 40, Left + 30, 50};
    Element->LTPoint = TPoint{2, 0};
    Element->RTPoint = TPoint{28, 0};
    Element->ClRect = TRect{2, 0, 28, 10};
    Element->FontColor = AColor;
    TspSkinEditor(*Skin).AddControl(std::move(Element));
  };
  auto Rows = [&]() {
    auto L = Line(Item, Record.get(), TRect{0, 0, 30, 20});
    EXPECT_TRUE(L->IsHeader());
    const TPixelImage Picture = Painted(*L, TSize{30, 20});
    return std::vector<uint32_t>{Picture.Pixel(0, 4), Picture.Pixel(0, 5), Picture.Pixel(0, 14),
                                 Picture.Pixel(0, 15)};
  };
  const uint32_t Red = Opaque(clRed);
  EXPECT_EQ(Rows(), (std::vector<uint32_t>{Red, Red, Red, Red}));
  Heading("label", clAqua);
  EXPECT_EQ(Rows(), (std::vector<uint32_t>{Red, Opaque(clAqua), Opaque(clAqua), Red}));
  Heading("menuheader", clYellow);
  EXPECT_EQ(Rows(), (std::vector<uint32_t>{Red, Opaque(clYellow), Opaque(clYellow), Red}));
}

// The default skin's menu items, one under another: a plain item, the hot one with a
// shortcut, a separator, a checked item, a radio item, an item with a sub-menu and a
// disabled one.
TEST_F(SkinMenusItemTest, DefaultSkinItemsMatchTheirPicture) {
  std::unique_ptr<TspSkinData> Default = skin_form_test::LoadDefaultSkin();
  const int Index = Default->GetIndex("menuitem");
  ASSERT_NE(Index, -1);
  TspDataSkinMenuItem* Data = TspSkinEditor(*Default).Object<TspDataSkinMenuItem>(Index);
  ASSERT_NE(Data, nullptr);
  Menu.SkinData = Default.get();

  TMenuItem* Hot = AddMenuItem("Save");
  Hot->SetShortCut(ShortCut('S', {ssCtrl}));
  TMenuItem* Checked = AddMenuItem("Checked");
  Checked->SetChecked(true);
  TMenuItem* Radio = AddMenuItem("Radio");
  Radio->SetRadioItem(true);
  Radio->SetChecked(true);
  TMenuItem* Parent = AddMenuItem("More");
  Parent->Add(new TMenuItem(nullptr));
  TMenuItem* Disabled = AddMenuItem("Disabled");
  Disabled->SetEnabled(false);
  TMenuItem* Items[] = {AddMenuItem("Open"), Hot, AddMenuItem("-"), Checked, Radio, Parent, Disabled};

  constexpr int Width = 160;
  TBitmap Target;
  Target.SetPixelFormat(pf24bit);
  Target.SetSize(Width, 200);
  int Y = 0;
  for (TMenuItem* Item : Items) {
    Window.SD = Default.get();
    auto L = std::make_unique<TspSkinMenuItem>(Window, Data, Item);
    L->ObjectRect = TRect{0, Y, Width, Y + L->Height()};
    L->Active = Item == Hot;
    L->Draw(Target.Canvas());
    Y += L->Height();
  }
  Target.SetHeight(Y);
  EXPECT_TRUE(testing_support::MatchesReferencePicture(
      Target.ToPixelImage(), "tests/components/forms/pictures/menu-items-default-skin.png",
      {.Channel = 2, .Pixels = 0}));
}

}  // namespace
}  // namespace skin_menus_item_test
