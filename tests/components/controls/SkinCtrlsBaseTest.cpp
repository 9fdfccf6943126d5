// The windowed and windowless skinned-control bases: binding by element name, size
// fitting by resize mode, the skin and built-in looks, the window region from the
// element's mask, blending over the parent and the background notice.

#include <gtest/gtest.h>

#include <cmath>

#include "components/controls/SkinCtrls.h"
#include "platform/win/MessageQueue.h"
#include "tests/components/controls/SkinCtrlsTestSupport.h"

namespace skin_controls_test {
namespace {

// A windowed custom control that shows its binding and counts its paints.
class TBaseProbe : public TspSkinCustomControl {
 public:
  TBaseProbe(TWinControl* AParent, TRect ABounds) : TspSkinCustomControl(AParent) {
    SetSkinDataName("probe");
    SetBoundsRect(ABounds);
    SetParent(AParent);
  }
  using TspSkinCustomControl::FIndex;
  using TspSkinCustomControl::ForcebackGround;
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    TspSkinCustomControl::Paint();
  }
};

class TGraphicProbe : public TspGraphicSkinCustomControl {
 public:
  TGraphicProbe(TWinControl* AParent, TRect ABounds) : TspGraphicSkinCustomControl(AParent) {
    SetSkinDataName("probe");
    SetBoundsRect(ABounds);
    SetParent(AParent);
  }
  using TspGraphicSkinCustomControl::FIndex;
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    TspGraphicSkinCustomControl::Paint();
  }
};

constexpr TColor SkinBaseRed = RGB(255, 0, 0);
constexpr TColor SkinBaseGreen = RGB(0, 255, 0);
constexpr TColor SkinBaseBlue = RGB(0, 0, 255);

class SkinCtrlsBaseTest : public SkinControlsTest {
 protected:
  // A 6 × 6 nine-part element "probe": 2-pixel red corners, green edges, a blue
  // client square (2, 2, 4, 4).
  TspDataSkinCustomControl& AddNinePartElement() {
    const int Picture = AddPicture(6, 6, [](int X, int Y) {
      const bool EdgeX = X < 2 || X >= 4, EdgeY = Y < 2 || Y >= 4;
      return EdgeX && EdgeY ? SkinBaseRed : EdgeX || EdgeY ? SkinBaseGreen : SkinBaseBlue;
    });
    auto& Element = AddElement<TspDataSkinCustomControl>("probe");
    Element.PictureIndex = Picture;
    Element.SkinRect = Rect(0, 0, 6, 6);
    Element.LTPoint = {2, 2};
    Element.RTPoint = {4, 2};
    Element.LBPoint = {2, 4};
    Element.RBPoint = {4, 4};
    Element.ClRect = Rect(2, 2, 4, 4);
    return Element;
  }
  // A one-colour fixed element "probe" of AWidth × AHeight.
  TspDataSkinCustomControl& AddPlainElement(int AWidth, int AHeight, TColor AColor) {
    const int Picture = AddPicture(AWidth, AHeight, [AColor](int, int) { return AColor; });
    auto& Element = AddElement<TspDataSkinCustomControl>("probe");
    Element.PictureIndex = Picture;
    Element.SkinRect = Rect(0, 0, AWidth, AHeight);
    return Element;
  }
};

// The ResizeMode table: which points the element sets decides what of the requested
// size the control keeps. The element's picture is 20 × 10: a size taken from the
// skin is no larger than the part of the rectangle the picture holds.
struct TResizeCase {
  const char* Name;
  TPoint RT, LB, RB;
  TRect SkinRect;
  int Mode;
  TSize Fitted;  // for a requested 50 × 40
  bool WithPicture = true;
};

TEST_F(SkinCtrlsBaseTest, TheElementsPointsDecideWhatOfTheSizeTheControlKeeps) {
  const TResizeCase Cases[] = {
      {"fixed", {}, {}, {}, Rect(0, 0, 20, 10), 0, {20, 10}},
      {"horizontal", {15, 0}, {}, {}, Rect(0, 0, 20, 10), 2, {50, 10}},
      {"vertical", {}, {0, 7}, {}, Rect(0, 0, 20, 10), 3, {20, 40}},
      {"free", {15, 2}, {2, 7}, {15, 7}, Rect(0, 0, 20, 10), 1, {50, 40}},
      {"no picture rectangle", {15, 2}, {2, 7}, {15, 7}, Rect(5, 5, 5, 20), -1, {50, 40}},
      {"fixed, reaching past the picture", {}, {}, {}, Rect(12, 4, 16384, 16384), 0, {8, 6}},
      {"fixed, reaching before the picture", {}, {}, {}, Rect(-16384, -16384, 5, 3), 0, {5, 3}},
      {"vertical, past the picture", {}, {0, 7}, {}, Rect(4, 0, 16384, 16384), 3, {16, 40}},
      {"fixed, outside the picture", {}, {}, {}, Rect(20, 0, 40, 10), -1, {50, 40}},
      {"fixed, its picture missing", {}, {}, {}, Rect(0, 0, 20, 10), -1, {50, 40}, false},
  };
  for (const TResizeCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TspSkinEditor(Skin()).ClearControls();
    auto& Element = Case.WithPicture ? AddPlainElement(20, 10, SkinBaseRed)
                                     : AddElement<TspDataSkinCustomControl>("probe");
    Element.RTPoint = Case.RT;
    Element.LBPoint = Case.LB;
    Element.RBPoint = Case.RB;
    Element.SkinRect = Case.SkinRect;
    auto* Control = new TBaseProbe(&Host(), Bounds(0, 0, 30, 30));
    Control->SetSkinData(&Skin());
    Control->SetBounds(5, 5, 50, 40);
    EXPECT_EQ(Control->ResizeMode, Case.Mode);
    EXPECT_EQ(Control->Width(), Case.Fitted.cx);
    EXPECT_EQ(Control->Height(), Case.Fitted.cy);
    delete Control;
  }
}

TEST_F(SkinCtrlsBaseTest, AControlBindsOnlyToTheElementOfItsExactName) {
  AddPlainElement(20, 10, SkinBaseRed);
  auto* Control = new TBaseProbe(&Host(), Bounds(0, 0, 30, 30));
  Control->SetSkinDataName("Probe");
  Control->SetSkinData(&Skin());
  EXPECT_EQ(Control->FIndex, -1);
  EXPECT_EQ(Control->BoundsRect(), Bounds(0, 0, 30, 30));
  // Renaming takes effect at the next lookup; ChangeSkinData fits the size.
  Control->SetSkinDataName("probe");
  Control->ChangeSkinData();
  EXPECT_EQ(Control->FIndex, 0);
  EXPECT_EQ(Control->BoundsRect(), Bounds(0, 0, 20, 10));
}

TEST_F(SkinCtrlsBaseTest, ARecordOfAnotherKindBindsWithoutPicturesAtTheSizeLastRead) {
  AddElement<TspDataSkinStdLabelControl>("probe").SkinRect = Rect(0, 0, 40, 40);
  auto* Control = new TBaseProbe(&Host(), Bounds(0, 0, 30, 30));
  Control->SetSkinData(&Skin());
  EXPECT_EQ(Control->FIndex, 0);
  EXPECT_EQ(Control->ResizeMode, 0);
  EXPECT_EQ(Control->Picture, nullptr);
  EXPECT_EQ(Control->BoundsRect(), Bounds(0, 0, 0, 0));  // no skin rectangle was ever read
}

TEST_F(SkinCtrlsBaseTest, TheSkinChangePairUnbindsAndBindsAgain) {
  AddPlainElement(20, 10, SkinBaseRed);
  auto* Control = new TBaseProbe(&Host(), Bounds(0, 0, 30, 30));
  Control->SetSkinData(&Skin());
  Control->BeforeChangeSkinData();
  EXPECT_EQ(Control->FIndex, -1);
  TspSkinEditor(Skin()).ClearControls();
  AddPlainElement(12, 8, SkinBaseGreen);
  Control->ChangeSkinData();
  EXPECT_EQ(Control->FIndex, 0);
  EXPECT_EQ(Control->BoundsRect(), Bounds(0, 0, 12, 8));
}

TEST_F(SkinCtrlsBaseTest, WithoutAnElementTheDefaultSizeCountsWhenAboveZero) {
  auto* Control = new TBaseProbe(&Host(), Bounds(0, 0, 30, 30));
  Control->SetDefaultWidth(0);
  Control->SetDefaultHeight(-4);
  EXPECT_EQ(Control->BoundsRect(), Bounds(0, 0, 30, 30));
  Control->SetDefaultWidth(44);
  Control->SetDefaultHeight(22);
  EXPECT_EQ(Control->BoundsRect(), Bounds(0, 0, 44, 22));
}

TEST_F(SkinCtrlsBaseTest, AFreedSkinIsForgottenAndTheBuiltInLookReturns) {
  auto Own = std::make_unique<TspSkinData>(nullptr);
  Own->Empty = false;
  auto* Control = new TBaseProbe(&Host(), Bounds(0, 0, 30, 30));
  Control->SetSkinData(Own.get());
  Own.reset();
  EXPECT_EQ(Control->SkinData(), nullptr);
  ShowHost();
  EXPECT_EQ(HostPixel(10, 10), ColorToRGB(clBtnFace));
}

TEST_F(SkinCtrlsBaseTest, TheNinePartElementIsComposedAtTheControlsSize) {
  AddNinePartElement();
  Host().SetColor(clWhite);
  auto* Control = new TBaseProbe(&Host(), Bounds(1, 1, 10, 8));
  Control->SetSkinData(&Skin());
  ShowHost();
  EXPECT_EQ(HostPicture(Rect(0, 0, 12, 10),
                        {{clWhite, '.'}, {SkinBaseRed, 'R'}, {SkinBaseGreen, 'G'}, {SkinBaseBlue, 'B'}}),
            "............\n"
            ".RRGGGGGGRR.\n"
            ".RRGGGGGGRR.\n"
            ".GGBBBBBBGG.\n"
            ".GGBBBBBBGG.\n"
            ".GGBBBBBBGG.\n"
            ".GGBBBBBBGG.\n"
            ".RRGGGGGGRR.\n"
            ".RRGGGGGGRR.\n"
            "............\n");
}

TEST_F(SkinCtrlsBaseTest, TheBordersPaintedDirectlyMatchTheComposedImage) {
  AddNinePartElement();
  Host().SetColor(clWhite);
  auto* Composed = new TBaseProbe(&Host(), Bounds(0, 0, 10, 8));
  auto* Direct = new TBaseProbe(&Host(), Bounds(20, 0, 10, 8));
  Direct->SetForcebackGround(true);
  Composed->SetSkinData(&Skin());
  Direct->SetSkinData(&Skin());
  ShowHost();
  const std::vector<std::pair<TColor, char>> Legend{
      {clWhite, '.'}, {SkinBaseRed, 'R'}, {SkinBaseGreen, 'G'}, {SkinBaseBlue, 'B'}};
  EXPECT_EQ(HostPicture(Rect(20, 0, 30, 8), Legend), HostPicture(Rect(0, 0, 10, 8), Legend));
}

TEST_F(SkinCtrlsBaseTest, DirectPaintingOfAnElementWithoutClientPieceFillsNothingInside) {
  AddNinePartElement().ClRect = Rect(2, 2, 2, 4);
  Host().SetColor(clWhite);
  auto* Direct = new TBaseProbe(&Host(), Bounds(0, 0, 10, 8));
  Direct->SetForcebackGround(true);
  Direct->SetSkinData(&Skin());
  ShowHost();
  EXPECT_EQ(HostPixel(0, 0), ColorToRGB(SkinBaseRed));
  EXPECT_EQ(Direct->Paints, 1);
}

TEST_F(SkinCtrlsBaseTest, WithoutAnElementTheBuiltInLookOrABlackBitmapIsDrawn) {
  auto* Default = new TBaseProbe(&Host(), Bounds(0, 0, 10, 10));
  auto* Blank = new TBaseProbe(&Host(), Bounds(20, 0, 10, 10));
  Blank->SetDrawDefault(false);
  Host().SetColor(clWhite);
  ShowHost();
  EXPECT_EQ(Default->FIndex, -1);
  EXPECT_EQ(HostPixel(5, 5), ColorToRGB(clBtnFace));
  EXPECT_EQ(HostPixel(25, 5), RGB(0, 0, 0));
}

TEST_F(SkinCtrlsBaseTest, AControlWithoutSizePaintsNothing) {
  Host().SetColor(clWhite);
  auto* Control = new TBaseProbe(&Host(), Bounds(0, 0, 0, 10));
  ShowHost();
  Control->Repaint();
  EXPECT_EQ(HostPixel(0, 5), RGB(255, 255, 255));
}

TEST_F(SkinCtrlsBaseTest, TheWindowRegionIsCutFromTheElementsMask) {
  // The mask's black pixels are inside: a 4-pixel notch is cut from the top right.
  auto& Element = AddPlainElement(12, 6, SkinBaseBlue);
  Element.MaskPictureIndex =
      AddPicture(12, 6, [](int X, int Y) { return X >= 8 && Y < 2 ? RGB(255, 255, 255) : RGB(0, 0, 0); });
  Host().SetColor(clWhite);
  auto* Control = new TBaseProbe(&Host(), Bounds(2, 2, 30, 30));
  Control->SetSkinData(&Skin());
  ShowHost();
  EXPECT_EQ(HostPicture(Rect(2, 2, 14, 8), {{clWhite, '.'}, {SkinBaseBlue, 'B'}}),
            "BBBBBBBB....\n"
            "BBBBBBBB....\n"
            "BBBBBBBBBBBB\n"
            "BBBBBBBBBBBB\n"
            "BBBBBBBBBBBB\n"
            "BBBBBBBBBBBB\n");
  // A skin without the mask takes the region away again.
  Element.MaskPictureIndex = -1;
  Control->ChangeSkinData();
  Pump();
  EXPECT_EQ(HostPixel(12, 2), ColorToRGB(SkinBaseBlue));
}

// Each channel is round((1 - k) × own + k × background) with k = 1 - 128 / 255.
uint8_t SkinBaseBlended(int AOwn, int ABackground) {
  const double K = 1.0 - 128.0 / 255.0;
  return static_cast<uint8_t>(std::lround((1 - K) * AOwn + K * ABackground));
}

TEST_F(SkinCtrlsBaseTest, HalfBlendingShowsTheRoundedMixOfControlAndParentAtEveryPixel) {
  AddPlainElement(40, 20, RGB(0x40, 0x80, 0xC0));
  Host().SetColor(RGB(0, 0, 255));
  Host().LeftColor = RGB(255, 255, 0);
  auto* Control = new TBaseProbe(&Host(), Bounds(80, 10, 40, 20));
  Control->SetAlphaBlend(true);
  Control->SetAlphaBlendValue(128);
  Control->SetSkinData(&Skin());
  ShowHost();
  const COLORREF OverLeft =
      RGB(SkinBaseBlended(0x40, 255), SkinBaseBlended(0x80, 255), SkinBaseBlended(0xC0, 0));
  const COLORREF OverRight =
      RGB(SkinBaseBlended(0x40, 0), SkinBaseBlended(0x80, 0), SkinBaseBlended(0xC0, 255));
  int Wrong = 0;
  for (int Y = 10; Y < 30; ++Y)
    for (int X = 80; X < 120; ++X) Wrong += HostPixel(X, Y) != (X < 100 ? OverLeft : OverRight);
  EXPECT_EQ(Wrong, 0);
}

TEST_F(SkinCtrlsBaseTest, BlendValuesAtTheEndsShowOnlyTheControlOrOnlyTheBackground) {
  AddPlainElement(10, 10, SkinBaseRed);
  Host().SetColor(SkinBaseBlue);
  auto* Opaque = new TBaseProbe(&Host(), Bounds(0, 0, 10, 10));
  auto* Clear = new TBaseProbe(&Host(), Bounds(20, 0, 10, 10));
  for (TBaseProbe* Control : {Opaque, Clear}) {
    Control->SetAlphaBlend(true);
    Control->SetSkinData(&Skin());
  }
  Opaque->SetAlphaBlendValue(255);
  Clear->SetAlphaBlendValue(0);
  ShowHost();
  EXPECT_EQ(HostPixel(5, 5), ColorToRGB(SkinBaseRed));
  EXPECT_EQ(HostPixel(25, 5), ColorToRGB(SkinBaseBlue));
}

TEST_F(SkinCtrlsBaseTest, MovingABlendedControlRepaintsIt) {
  auto* Blended = new TBaseProbe(&Host(), Bounds(0, 0, 10, 10));
  Blended->SetAlphaBlend(true);
  ShowHost();
  const int Before = Blended->Paints;
  Blended->SetLeft(50);
  EXPECT_GT(Blended->Paints, Before);
}

// A windowed container, a blending windowed child on it, and a windowless child.
class SkinCtrlsBackgroundNoticeTest : public SkinCtrlsBaseTest {
 protected:
  void SetUp() override {
    SkinCtrlsBaseTest::SetUp();
    Outer = new TBaseProbe(&Host(), Bounds(0, 0, 100, 100));
    Outer->ControlStyle.Include(csAcceptsControls);
    Inner = new TBaseProbe(Outer, Bounds(10, 10, 30, 30));
    Inner->SetAlphaBlend(true);
    Windowless = new TGraphicProbe(Outer, Bounds(50, 50, 20, 20));
    ShowHost();
  }
  // Sends the notice to the container and says which controls painted.
  std::string NoticeAndWhoPainted() {
    const int OuterBefore = Outer->Paints, InnerBefore = Inner->Paints, WindowlessBefore = Windowless->Paints;
    SendMessage(Outer->Handle(), SP_CHECKPARENTBACKGROUND, 0, 0);
    Pump();
    return WhoPainted(OuterBefore, InnerBefore, WindowlessBefore);
  }
  // Dispatches the notice to the windowless child alone; whether it painted.
  bool WindowlessPaintsOnNotice() {
    const int Before = Windowless->Paints;
    Windowless->Perform(SP_CHECKPARENTBACKGROUND, 0, 0);
    Pump();
    return Windowless->Paints > Before;
  }
  std::string WhoPainted(int AOuterBefore, int AInnerBefore, int AWindowlessBefore) {
    std::string Painted;
    if (Outer->Paints > AOuterBefore) Painted += "outer ";
    if (Inner->Paints > AInnerBefore) Painted += "inner ";
    if (Windowless->Paints > AWindowlessBefore) Painted += "windowless";
    return Painted;
  }
  TBaseProbe* Outer = nullptr;
  TBaseProbe* Inner = nullptr;
  TGraphicProbe* Windowless = nullptr;
};

TEST_F(SkinCtrlsBackgroundNoticeTest, AContainerThatDoesNotBlendStopsTheNotice) {
  EXPECT_EQ(NoticeAndWhoPainted(), "");
}

TEST_F(SkinCtrlsBackgroundNoticeTest, ABlendingContainerRepaintsAndPassesItToItsBlendingChildren) {
  Outer->SetAlphaBlend(true);
  Pump();
  // The windowless child is painted with its parent's window, whatever it blends.
  EXPECT_EQ(NoticeAndWhoPainted(), "outer inner windowless");
}

TEST_F(SkinCtrlsBackgroundNoticeTest, AWindowlessControlRepaintsOnTheNoticeOnlyWhenItBlends) {
  EXPECT_FALSE(WindowlessPaintsOnNotice());
  Windowless->SetAlphaBlend(true);
  Pump();
  EXPECT_TRUE(WindowlessPaintsOnNotice());
}

TEST_F(SkinCtrlsBaseTest, AWindowlessControlIsFittedAndPaintedButNeverCut) {
  auto& Element = AddPlainElement(12, 6, SkinBaseBlue);
  Element.MaskPictureIndex =
      AddPicture(12, 6, [](int X, int) { return X < 6 ? RGB(0, 0, 0) : RGB(255, 255, 255); });
  Host().SetColor(clWhite);
  auto* Control = new TGraphicProbe(&Host(), Bounds(2, 2, 30, 30));
  Control->SetSkinData(&Skin());
  EXPECT_EQ(Control->BoundsRect(), Bounds(2, 2, 12, 6));
  ShowHost();
  EXPECT_EQ(HostPixel(12, 3), ColorToRGB(SkinBaseBlue));  // where the mask is white
  EXPECT_EQ(HostPixel(3, 3), ColorToRGB(SkinBaseBlue));
}

TEST_F(SkinCtrlsBaseTest, AWindowlessControlBlendsOverItsParent) {
  AddPlainElement(10, 10, RGB(0x40, 0x80, 0xC0));
  Host().SetColor(RGB(0, 0, 255));
  auto* Control = new TGraphicProbe(&Host(), Bounds(30, 30, 10, 10));
  Control->SetAlphaBlend(true);
  Control->SetAlphaBlendValue(128);
  Control->SetSkinData(&Skin());
  ShowHost();
  EXPECT_EQ(HostPixel(35, 35),
            RGB(SkinBaseBlended(0x40, 0), SkinBaseBlended(0x80, 0), SkinBaseBlended(0xC0, 255)));
}

TEST_F(SkinCtrlsBaseTest, TheElementsCursorIsTakenOnlyWithUseSkinCursor) {
  auto& Element = AddPlainElement(10, 10, SkinBaseRed);
  Element.CursorIndex = 2;
  Skin().StartCursorIndex = 10;
  auto* Plain = new TBaseProbe(&Host(), Bounds(0, 0, 10, 10));
  auto* Cursored = new TBaseProbe(&Host(), Bounds(20, 0, 10, 10));
  Cursored->SetUseSkinCursor(true);
  Plain->SetSkinData(&Skin());
  Cursored->SetSkinData(&Skin());
  EXPECT_EQ(Plain->Cursor(), crDefault);
  EXPECT_EQ(Cursored->Cursor(), 12);
  Cursored->SetCursor(crCross);
  Element.CursorIndex = -1;
  Cursored->ChangeSkinData();
  EXPECT_EQ(Cursored->Cursor(), crDefault);
}

// Counts the calls of the default-font hook.
class TFontProbe : public TBaseProbe {
 public:
  using TBaseProbe::TBaseProbe;
  int FontChanges = 0;

 protected:
  void DefaultFontChanged() override { ++FontChanges; }
};

TEST_F(SkinCtrlsBaseTest, EveryChangeOfTheDefaultFontReachesTheHook) {
  auto* Control = new TFontProbe(&Host(), Bounds(0, 0, 10, 10));
  EXPECT_EQ(Control->DefaultFont().Name(), "Arial");
  EXPECT_EQ(Control->DefaultFont().Height(), 14);
  TFont Other;
  Other.SetName("DejaVu Sans");
  Control->SetDefaultFont(Other);
  EXPECT_EQ(Control->DefaultFont().Name(), "DejaVu Sans");
  Control->DefaultFont().SetHeight(20);
  EXPECT_EQ(Control->FontChanges, 2);
}

TEST_F(SkinCtrlsBaseTest, MouseEnterAndLeaveReachTheEvents) {
  auto* Control = new TBaseProbe(&Host(), Bounds(0, 0, 10, 10));
  std::string Seen;
  Control->OnMouseEnter = [&](TObject* Sender) { Seen += Sender == Control ? "enter " : "? "; };
  Control->OnMouseLeave = [&](TObject* Sender) { Seen += Sender == Control ? "leave" : "?"; };
  Control->Perform(CM_MOUSEENTER, 0, 0);
  Control->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Seen, "enter leave");
}

}  // namespace
}  // namespace skin_controls_test
