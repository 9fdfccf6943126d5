// The layered border of a skinned form on the headless window system: the frame box
// and the four windows around the form, their images cut from the frame picture, the
// alpha, following the form through moves, sizes and window states, the outer
// rectangle of placement and magnetic edges, and the drags that resize the form.

#include <climits>

#include "components/core/spEffBmp.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "platform/ui/Application.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/SystemFunctions.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowRegions.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/forms/SkinFormTestSupport.h"

using namespace skin_form_test;

namespace {

// The layer frame picture: 140 x 120, each pixel's red its column and green its row,
// placed so that its client rectangle (20, 30, 120, 100) covers the form. Its visible
// border lies 10 pixels around the client rectangle; the rows from 110 down are half
// transparent.
constexpr int LayerWidth = 140, LayerHeight = 120;
constexpr TRect LayerClRect{20, 30, 120, 100};
constexpr int HalfAlphaRow = 110;
constexpr int LayerBorderSize = 10;

std::unique_ptr<TBitmap> LayerPicture(int ABlue) {
  auto Picture = std::make_unique<TBitmap>();
  Picture->SetPixelFormat(pf24bit);
  Picture->SetSize(LayerWidth, LayerHeight);
  for (int Y = 0; Y < LayerHeight; ++Y) {
    uint8_t* Row = Picture->ScanLine(Y);
    for (int X = 0; X < LayerWidth; ++X) {
      Row[X * 3] = uint8_t(ABlue);
      Row[X * 3 + 1] = uint8_t(Y);
      Row[X * 3 + 2] = uint8_t(X);
    }
  }
  return Picture;
}

std::unique_ptr<TBitmap> LayerMask() {
  auto Mask = std::make_unique<TBitmap>();
  Mask->SetPixelFormat(pf24bit);
  Mask->SetSize(LayerWidth, LayerHeight);
  for (int Y = 0; Y < LayerHeight; ++Y) {
    uint8_t* Row = Mask->ScanLine(Y);
    for (int X = 0; X < LayerWidth * 3; ++X) Row[X] = Y >= HalfAlphaRow ? 128 : 255;
  }
  return Mask;
}

// Pictures 0 and 1 are the frame and its mask, 2 the inactive look (blue 99), opaque.
void AddLayerFrame(TspSkinData& ASkin) {
  TspSkinEditor(ASkin).AddPicture(LayerPicture(0));
  TspSkinEditor(ASkin).AddPicture(LayerMask());
  TspSkinEditor(ASkin).AddPicture(LayerPicture(99));
  TspDataSkinLayerFrame& Frame = *ASkin.LayerFrame;
  Frame.PictureIndex = 0;
  Frame.MaskPictureIndex = 1;
  Frame.LTPoint = {30, 40};
  Frame.RTPoint = {110, 40};
  Frame.LBPoint = {30, 90};
  Frame.RBPoint = {110, 90};
  Frame.ClRect = LayerClRect;
  Frame.BorderRect = Rect(10, 20, 130, 110);
  Frame.HitTestLTPoint = {20, 30};
  Frame.HitTestRTPoint = {120, 30};
  Frame.HitTestLBPoint = {20, 100};
  Frame.HitTestRBPoint = {120, 100};
  Frame.HitTestSize = 5;
  Frame.HitTestEnable = true;
  Frame.AlphaBlendValue = 255;
  Frame.InActiveAlphaBlendValue = 255;
}

TspColor ImagePixel(const TspBitmap& AImage, int AX, int AY) { return AImage.GetPixel(AX, AY); }
int RedOf(TspColor APixel) { return int((APixel >> 16) & 0xFF); }
int GreenOf(TspColor APixel) { return int((APixel >> 8) & 0xFF); }
int BlueOf(TspColor APixel) { return int(APixel & 0xFF); }
int AlphaOf(TspColor APixel) { return int(APixel >> 24); }

class SkinFormLayeredBorderTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Skin = MakeFixtureSkin();
    AddLayerFrame(*Skin);
  }
  // Some tests take the compositor away; the tests after them get it back.
  void TearDown() override {
    SkinFormTest::TearDown();
    HeadlessBackend()->SetPerPixelAlpha(true);
    BindSystemFunctions();
  }

  TspSkinForm* NewBorderedForm(const TRect& ABounds = Bounds(200, 150, 400, 300)) {
    TspSkinForm* SkinForm = NewSkinnedForm(ABounds, Skin.get());
    SkinForm->MinWidth = 200;
    SkinForm->MinHeight = 150;
    return SkinForm;
  }

  static TspFormLayerBorder& BorderOf(TspSkinForm* ASkinForm) { return ASkinForm->LayerBorder(); }
  static HWND WindowOf(TspSkinForm* ASkinForm, TspFormLayerBorderType AType) {
    TspFormLayerWindow* Window = BorderOf(ASkinForm).Window(AType);
    return Window != nullptr ? Window->Handle() : nullptr;
  }
  static TRect ShownRect(TspSkinForm* ASkinForm, TspFormLayerBorderType AType) {
    const HWND Window = WindowOf(ASkinForm, AType);
    if (Window == nullptr || !HeadlessBackend()->IsShown(Window)) return {};
    return HeadlessBackend()->WindowRect(Window);
  }

  // A press at AFrom, moves through APath and a release at the last point.
  static void Drag(TPoint AFrom, const std::vector<TPoint>& APath) {
    InjectPointerMove(AFrom);
    InjectPointerPress(AFrom);
    TPoint Last = AFrom;
    for (TPoint Point : APath) InjectPointerMove(Last = Point);
    InjectPointerRelease(Last);
    ProcessPendingMessages();
  }

  std::unique_ptr<TspSkinData> Skin;
};

TEST_F(SkinFormLayeredBorderTest, FourWindowsSurroundTheFormInItsFrameBox) {
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  TspFormLayerBorder& Border = BorderOf(SkinForm);
  ASSERT_TRUE(SkinForm->UseLayeredBorder());
  ASSERT_TRUE(Border.Visible());
  // The frame box starts at the form's top-left less the client rectangle's and
  // measures 400 + 140 - 100 by 300 + 120 - 70.
  EXPECT_EQ(Border.FrameBoxOfForm(), Bounds(180, 120, 440, 350));
  EXPECT_EQ(ShownRect(SkinForm, spflTop), Bounds(180, 120, 440, 40));
  EXPECT_EQ(ShownRect(SkinForm, spflBottom), Bounds(180, 440, 440, 30));
  EXPECT_EQ(ShownRect(SkinForm, spflLeft), Bounds(180, 160, 20, 280));
  EXPECT_EQ(ShownRect(SkinForm, spflRight), Bounds(600, 160, 20, 280));
  EXPECT_EQ(Border.LeftSize, LayerBorderSize);
  EXPECT_EQ(Border.BottomSize, LayerBorderSize);
  for (auto Type : {spflLeft, spflTop, spflRight, spflBottom}) {
    const HWND Window = WindowOf(SkinForm, Type);
    EXPECT_TRUE(HeadlessBackend()->HasPerPixelAlpha(Window)) << Type;
    EXPECT_NE(HeadlessBackend()->ExStyle(Window) & WS_EX_LAYERED, 0u) << Type;
    EXPECT_EQ(BorderOf(SkinForm).Window(Type)->ClassName(), SkinLayerWindowClassName);
    EXPECT_EQ(HeadlessBackend()->PresentedSize(Window).cx, ShownRect(SkinForm, Type).Width()) << Type;
    EXPECT_EQ(HeadlessBackend()->PresentedSize(Window).cy, ShownRect(SkinForm, Type).Height()) << Type;
  }
  // The form stays the active window: the frame never takes the activation.
  EXPECT_EQ(HeadlessBackend()->ActiveWindow(), SkinForm->Form()->Handle());
}

TEST_F(SkinFormLayeredBorderTest, TheImagesKeepTheCornersAndStretchOrTileTheMiddles) {
  struct TCase {
    const char* Name;
    bool FullStretch;
    // Row 100 of the left image shows this picture row.
    int LeftRow100;
  };
  // The side strips are the picture's rows 40 to 90: tiled, row 100 is 40 + 100 mod 50;
  // stretched over 280 rows, it is 40 + 100 * 49 / 279.
  for (const TCase& Case : {TCase{"tiled", false, 40}, TCase{"stretched", true, 40 + 100 * 49 / 279}}) {
    SCOPED_TRACE(Case.Name);
    Skin->LayerFrame->FullStretch = Case.FullStretch;
    TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
    const TspFormLayerBorder& Border = BorderOf(SkinForm);
    const TspBitmap& Top = Border.Image(spflTop);
    const TspBitmap& Bottom = Border.Image(spflBottom);
    const TspBitmap& Left = Border.Image(spflLeft);
    const TspBitmap& Right = Border.Image(spflRight);
    // The top strip: its left 30 and right 30 columns as in the picture.
    EXPECT_EQ(RedOf(ImagePixel(Top, 29, 5)), 29);
    EXPECT_EQ(RedOf(ImagePixel(Top, 439, 5)), 139);
    EXPECT_EQ(RedOf(ImagePixel(Top, 410, 39)), 110);
    EXPECT_EQ(GreenOf(ImagePixel(Top, 410, 39)), 39);
    // Its middle stretched from the picture's columns 30 to 110.
    EXPECT_GE(RedOf(ImagePixel(Top, 220, 0)), 30);
    EXPECT_LT(RedOf(ImagePixel(Top, 220, 0)), 110);
    // The bottom strip: the picture's last 30 rows, half transparent from row 110 and
    // premultiplied there.
    EXPECT_EQ(GreenOf(ImagePixel(Bottom, 0, 0)), 90);
    EXPECT_EQ(AlphaOf(ImagePixel(Bottom, 0, 0)), 255);
    const TspColor Faded = ImagePixel(Bottom, 439, 29);
    EXPECT_EQ(AlphaOf(Faded), 128);
    EXPECT_LE(GreenOf(Faded), 128 * 119 / 255 + 1);
    EXPECT_GE(GreenOf(Faded), 128 * 119 / 255);
    // The sides: the picture's columns left of and right of the client rectangle.
    EXPECT_EQ(RedOf(ImagePixel(Left, 19, 0)), 19);
    EXPECT_EQ(RedOf(ImagePixel(Right, 0, 0)), 120);
    EXPECT_EQ(GreenOf(ImagePixel(Left, 0, 0)), 40);
    EXPECT_EQ(GreenOf(ImagePixel(Left, 0, 100)), Case.LeftRow100);
    EXPECT_EQ(GreenOf(ImagePixel(Right, 5, 100)), Case.LeftRow100);
    SkinForm->Form()->Release();
    ProcessPendingMessages();
  }
}

TEST_F(SkinFormLayeredBorderTest, AFrameWithoutCornerPointsIsOneWindowOfThePictureAtItsOwnSize) {
  Skin->LayerFrame->RBPoint = {0, 0};
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  EXPECT_EQ(ShownRect(SkinForm, spflTop), Bounds(180, 120, LayerWidth, LayerHeight));
  for (auto Type : {spflLeft, spflRight, spflBottom}) EXPECT_EQ(WindowOf(SkinForm, Type), nullptr) << Type;
}

TEST_F(SkinFormLayeredBorderTest, AFormShorterThanTheFramesEndsKeepsTheBottomRowsAndHasNoSides) {
  // A bottom part of 60 rows; a form 40 high has a box of 40 + 120 - 70 = 90 rows, 40
  // of them for the top: the bottom keeps the picture's last 50.
  Skin->LayerFrame->LBPoint = {30, 60};
  Skin->LayerFrame->RBPoint = {110, 60};
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  SkinForm->MinHeight = 10;
  SkinForm->Form()->SetBounds(200, 150, 400, 40);
  ProcessPendingMessages();
  ASSERT_EQ(SkinForm->Form()->Height(), 40);
  const TspFormLayerBorder& Border = BorderOf(SkinForm);
  EXPECT_EQ(Border.Image(spflBottom).Height(), 50);
  EXPECT_EQ(GreenOf(ImagePixel(Border.Image(spflBottom), 0, 0)), LayerHeight - 50);
  EXPECT_EQ(ShownRect(SkinForm, spflLeft), TRect{});
  EXPECT_EQ(ShownRect(SkinForm, spflRight), TRect{});
  EXPECT_EQ(ShownRect(SkinForm, spflBottom), Bounds(180, 120 + 40, 440, 50));
}

TEST_F(SkinFormLayeredBorderTest, TheFrameFollowsMovesSizesAndWindowStates) {
  // The form under test is a secondary one: the main form minimizes the application.
  NewSkinnedForm(Bounds(0, 0, 200, 150), nullptr);
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  TCustomForm* Form = SkinForm->Form();
  const HWND Top = WindowOf(SkinForm, spflTop);

  Form->SetBounds(250, 170, 400, 300);
  ProcessPendingMessages();
  EXPECT_EQ(WindowOf(SkinForm, spflTop), Top) << "a move keeps the windows";
  EXPECT_EQ(ShownRect(SkinForm, spflTop), Bounds(230, 140, 440, 40));
  EXPECT_EQ(ShownRect(SkinForm, spflRight), Bounds(650, 180, 20, 280));

  Form->SetBounds(250, 170, 500, 200);
  ProcessPendingMessages();
  EXPECT_EQ(ShownRect(SkinForm, spflTop), Bounds(230, 140, 540, 40));
  EXPECT_EQ(ShownRect(SkinForm, spflBottom), Bounds(230, 360, 540, 30));
  EXPECT_EQ(ShownRect(SkinForm, spflLeft), Bounds(230, 180, 20, 180));

  SkinForm->SetWindowState(wsMaximized);
  ProcessPendingMessages();
  EXPECT_FALSE(BorderOf(SkinForm).Visible()) << "a maximized form has no frame";
  SkinForm->SetWindowState(wsNormal);
  ProcessPendingMessages();
  ASSERT_TRUE(BorderOf(SkinForm).Visible());
  EXPECT_EQ(ShownRect(SkinForm, spflTop), Bounds(230, 140, 540, 40));

  // Rolled up to its caption: the frame takes the caption's height.
  SkinForm->SetRollUpState(true);
  ProcessPendingMessages();
  ASSERT_EQ(Form->Height(), SkinForm->GetMinHeight());
  EXPECT_EQ(BorderOf(SkinForm).FrameBoxOfForm(), Bounds(230, 140, 540, SkinForm->GetMinHeight() + 50));
  EXPECT_EQ(ShownRect(SkinForm, spflBottom).Bottom, 140 + SkinForm->GetMinHeight() + 50);
  SkinForm->SetRollUpState(false);
  ProcessPendingMessages();
  EXPECT_EQ(ShownRect(SkinForm, spflLeft), Bounds(230, 180, 20, 180));

  SkinForm->SetWindowState(wsMinimized);
  ProcessPendingMessages();
  EXPECT_EQ(ShownRect(SkinForm, spflTop).TopLeft(), Point(Form->Left() - 20, Form->Top() - 30))
      << "the caption strip keeps its frame";
  SkinForm->SetWindowState(wsNormal);

  Form->Hide();
  ProcessPendingMessages();
  EXPECT_FALSE(BorderOf(SkinForm).Visible());
  EXPECT_EQ(WindowOf(SkinForm, spflTop), nullptr);
  Form->Show();
  ProcessPendingMessages();
  EXPECT_EQ(ShownRect(SkinForm, spflTop), Bounds(230, 140, 540, 40));
}

TEST_F(SkinFormLayeredBorderTest, TheMainFormsFrameGoesWhileTheApplicationIsMinimized) {
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  ASSERT_EQ(Application->MainForm(), SkinForm->Form());
  SkinForm->SetWindowState(wsMinimized);
  ProcessPendingMessages();
  ASSERT_TRUE(IsIconic(SkinForm->Form()->Handle()));
  EXPECT_FALSE(BorderOf(SkinForm).Visible());
  Application->Restore();
  ProcessPendingMessages();
  EXPECT_EQ(ShownRect(SkinForm, spflTop), Bounds(180, 120, 440, 40));
}

TEST_F(SkinFormLayeredBorderTest, TheFrameIsInForceOnlyWhereItCanShow) {
  struct TCase {
    const char* Name;
    std::function<void(TspSkinData&, TspSkinForm&)> Change;
  };
  const TCase Cases[] = {
      {"no compositor",
       [](TspSkinData&, TspSkinForm&) {
         HeadlessBackend()->SetPerPixelAlpha(false);
         BindSystemFunctions();
       }},
      {"layered borders switched off",
       [](TspSkinData& ASkin, TspSkinForm&) { ASkin.SetShowLayeredBorders(false); }},
      {"disabled for the form",
       [](TspSkinData&, TspSkinForm& AForm) { AForm.AlwaysDisableLayeredFrames = true; }},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
    ASSERT_TRUE(BorderOf(SkinForm).Visible());
    Case.Change(*Skin, *SkinForm);
    // Any placement of the form lets the frame follow the switch.
    SkinForm->Form()->SetBounds(210, 150, 400, 300);
    ProcessPendingMessages();
    EXPECT_FALSE(SkinForm->UseLayeredBorder());
    EXPECT_FALSE(BorderOf(SkinForm).Visible());
    EXPECT_EQ(WindowOf(SkinForm, spflTop), nullptr);
    // The form keeps its skinned frame: the client area lies inside it.
    EXPECT_EQ(CalcClientRect(SkinForm->Form(), Bounds(0, 0, 400, 300)),
              Rect(FixtureClRect.Left, FixtureClRect.Top, 400 - (FramePictureSize - FixtureClRect.Right),
                   300 - (FramePictureSize - FixtureClRect.Bottom)));
    SkinForm->Form()->Release();
    ProcessPendingMessages();
    HeadlessBackend()->SetPerPixelAlpha(true);
    BindSystemFunctions();
    Skin->SetShowLayeredBorders(true);
  }
}

TEST_F(SkinFormLayeredBorderTest, TheAlphaFollowsTheFormsAlphaAndItsActivation) {
  Skin->LayerFrame->InActivePictureIndex = 2;
  Skin->LayerFrame->InActiveAlphaBlendValue = 100;
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  TspFormLayerBorder& Border = BorderOf(SkinForm);
  const HWND Top = WindowOf(SkinForm, spflTop);
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(Top), 255);

  // 255 x 128 / 255 and 100 x 128 / 255 = 50.2.
  Border.CheckFormAlpha(128, true);
  EXPECT_EQ(Border.CurrentAlpha(), 128);
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(Top), 128);
  Border.CheckFormAlpha(255, true);

  // Another form takes the activation: the inactive picture at its own alpha.
  TForm* Other = NewForm(Bounds(700, 500, 100, 100));
  ProcessPendingMessages();
  ASSERT_FALSE(SkinForm->Form()->Active());
  EXPECT_FALSE(Border.Active());
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(WindowOf(SkinForm, spflTop)), 100);
  EXPECT_EQ(BlueOf(ImagePixel(Border.Image(spflTop), 0, 0)), 99);
  SkinForm->Form()->Show();
  ProcessPendingMessages();
  EXPECT_TRUE(Border.Active());
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(WindowOf(SkinForm, spflTop)), 255);
  EXPECT_EQ(BlueOf(ImagePixel(Border.Image(spflTop), 0, 0)), 0);
  Other->Release();
}

TEST_F(SkinFormLayeredBorderTest, TheFrameFadesInWithTheForm) {
  TForm* Form = Application->CreateForm<TForm>();
  Form->SetBoundsRect(Bounds(200, 150, 400, 300));
  auto* SkinForm = new TspSkinForm(Form);
  SkinForm->SetSkinData(Skin.get());
  SkinForm->AlphaBlendAnimation = true;
  SkinForm->SetAlphaBlend(true);
  SkinForm->SetAlphaBlendValue(204);
  Form->Show();
  ProcessPendingMessages();
  const TspFormLayerBorder& Border = BorderOf(SkinForm);
  ASSERT_TRUE(Border.Visible());
  const HWND Top = WindowOf(SkinForm, spflTop);
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(Top), 0);
  // The frame takes each step of the form's fade: 13 of 204 halfway... then 204.
  std::vector<int> Alphas;
  for (int Ms = 0; Ms < 500; ++Ms) {
    HeadlessBackend()->AdvanceClock(1);
    EXPECT_EQ(HeadlessBackend()->ConstantAlpha(Top), HeadlessBackend()->ConstantAlpha(Form->Handle()));
    if (Alphas.empty() || Alphas.back() != HeadlessBackend()->ConstantAlpha(Top))
      Alphas.push_back(HeadlessBackend()->ConstantAlpha(Top));
  }
  EXPECT_GT(Alphas.size(), 10u);
  EXPECT_EQ(Alphas.back(), 204);
}

TEST_F(SkinFormLayeredBorderTest, TheFrameFadesInOnItsOwnInFifteenStepsAndAHideEndsTheFade) {
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  TspFormLayerBorder& Border = BorderOf(SkinForm);
  Border.Hide();
  Border.ShowWithFormAnimation();
  ASSERT_TRUE(Border.Visible());
  EXPECT_EQ(ShownRect(SkinForm, spflTop), Bounds(180, 120, 440, 40));
  const HWND Top = WindowOf(SkinForm, spflTop);
  const HWND Right = WindowOf(SkinForm, spflRight);
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(Top), 0);
  // An alpha of 255 grows by 17 at every tick of the fade timer, on every window alike.
  std::vector<int> Alphas;
  for (int Ms = 0; Ms < 1000 && Border.Fading(); ++Ms) {
    HeadlessBackend()->AdvanceClock(1);
    ProcessPendingMessages();
    const int Alpha = HeadlessBackend()->ConstantAlpha(Top);
    EXPECT_EQ(HeadlessBackend()->ConstantAlpha(Right), Alpha);
    if (Alpha != (Alphas.empty() ? 0 : Alphas.back())) Alphas.push_back(Alpha);
  }
  ASSERT_EQ(Alphas.size(), 15u);
  for (size_t I = 0; I < Alphas.size(); ++I) EXPECT_EQ(Alphas[I], int(I + 1) * 17);
  EXPECT_EQ(Border.CurrentAlpha(), 255);

  // Hidden halfway, the frame keeps its whole alpha for the next show.
  Border.ShowWithFormAnimation();
  HeadlessBackend()->AdvanceClock(30);
  ProcessPendingMessages();
  const int Halfway = HeadlessBackend()->ConstantAlpha(WindowOf(SkinForm, spflTop));
  EXPECT_GT(Halfway, 0);
  EXPECT_LT(Halfway, 255);
  Border.Hide();
  EXPECT_FALSE(Border.Fading());
  EXPECT_EQ(Border.CurrentAlpha(), 255);
}

TEST_F(SkinFormLayeredBorderTest, TheFrameTakesTheFormRectangleItIsGivenAndItsAlphaWithItsPlaces) {
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  TspFormLayerBorder& Border = BorderOf(SkinForm);
  // While the form is sized: the rectangle it is going to have.
  Border.SetBoundsWithForm3(100, 90, 500, 200);
  EXPECT_EQ(ShownRect(SkinForm, spflTop), Bounds(80, 60, 540, 40));
  EXPECT_EQ(ShownRect(SkinForm, spflBottom), Bounds(80, 280, 540, 30));
  EXPECT_EQ(ShownRect(SkinForm, spflLeft), Bounds(80, 100, 20, 180));
  EXPECT_EQ(ShownRect(SkinForm, spflRight), Bounds(600, 100, 20, 180));
  // The form's position with a given size.
  Border.SetBoundsWithForm2(300, 250);
  EXPECT_EQ(ShownRect(SkinForm, spflTop), Bounds(180, 120, 340, 40));
  EXPECT_EQ(ShownRect(SkinForm, spflRight), Bounds(500, 160, 20, 230));
  // A move keeps the images and their sizes; the box is the form's own size's.
  const HWND Top = WindowOf(SkinForm, spflTop);
  Border.MoveWithForm2(10, 20);
  EXPECT_EQ(WindowOf(SkinForm, spflTop), Top);
  EXPECT_EQ(ShownRect(SkinForm, spflTop), Bounds(-10, -10, 340, 40));
  EXPECT_EQ(ShownRect(SkinForm, spflBottom), Bounds(-10, 310, 340, 30));

  // The alpha applied, then every window back at the form's own box.
  Border.CheckFormAlpha(128, false);
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(Top), 255);
  Border.SetBoundsWithForm();
  Border.SetAlphaBlend2();
  for (auto Type : {spflLeft, spflTop, spflRight, spflBottom})
    EXPECT_EQ(HeadlessBackend()->ConstantAlpha(WindowOf(SkinForm, Type)), 128) << Type;
  EXPECT_EQ(ShownRect(SkinForm, spflTop), Bounds(180, 120, 440, 40));
  EXPECT_EQ(ShownRect(SkinForm, spflRight), Bounds(600, 160, 20, 280));
}

TEST_F(SkinFormLayeredBorderTest, TheFrameDrawsOntoACanvasWhereItsWindowsWouldShow) {
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  TspFormLayerBorder& Border = BorderOf(SkinForm);
  TBitmap Target;
  Target.SetPixelFormat(pf24bit);
  Target.SetSize(460, 370);
  Target.Canvas().Brush().SetColor(clWhite);
  Target.Canvas().FillRect(Rect(0, 0, 460, 370));
  Border.Draw(Target.Canvas(), Bounds(10, 10, 440, 350));
  const TPixelImage Drawn = Target.ToPixelImage();
  auto Rgb = [&](int AX, int AY) { return Drawn.Pixel(AX, AY) & 0xFFFFFF; };
  // Opaque: the picture's own pixel, red its column and green its row, at the corners
  // kept and in the side tiled down (the left side's rows repeat 40 to 90).
  EXPECT_EQ(Rgb(10 + 3, 10 + 2), 0x030200u);
  EXPECT_EQ(Rgb(10 + 439, 10 + 5), 0x8B0500u);
  EXPECT_EQ(Rgb(10 + 4, 10 + 40 + 55), 0x042D00u);
  // The bottom rows are half transparent over the white canvas: the picture's row 115
  // and column 2 (red 2, green 115, blue 0) at alpha 128.
  EXPECT_EQ(Rgb(10 + 2, 10 + 345), 0x80B97Fu);
  // Outside the frame box and over the form nothing is drawn.
  EXPECT_EQ(Rgb(5, 5), 0xFFFFFFu);
  EXPECT_EQ(Rgb(230, 200), 0xFFFFFFu);
}

TEST_F(SkinFormLayeredBorderTest, AFrameWithoutAMaskIsOpaqueAndOneBeyondThePicturesShowsNothing) {
  struct TCase {
    const char* Name;
    int PictureIndex, MaskPictureIndex;
    bool Shown;
  };
  const TCase Cases[] = {{"no mask", 0, -1, true},
                         {"a mask beyond the pictures", 0, 7, true},
                         {"a picture beyond the pictures", 7, 1, false}};
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Skin->LayerFrame->PictureIndex = Case.PictureIndex;
    Skin->LayerFrame->MaskPictureIndex = Case.MaskPictureIndex;
    TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
    const TspFormLayerBorder& Border = BorderOf(SkinForm);
    EXPECT_EQ(Border.Visible(), Case.Shown);
    if (Case.Shown) {
      EXPECT_EQ(AlphaOf(ImagePixel(Border.Image(spflBottom), 439, 29)), 255);
    }
    SkinForm->Form()->Release();
    ProcessPendingMessages();
  }
}

TEST_F(SkinFormLayeredBorderTest, AFrameBoxWithoutRoomOrBeyondAnyBitmapShowsNothing) {
  struct TCase {
    const char* Name;
    int WidthOffset, HeightOffset;
  };
  const TCase Cases[] = {{"far too narrow", -100000, 0},
                         {"far too wide", 2000000000, 0},
                         {"far too high", 0, 2147483647},
                         {"far too low", 0, -2147483647}};
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Skin->LayerFrame->WidthOffset = Case.WidthOffset;
    Skin->LayerFrame->HeightOffset = Case.HeightOffset;
    TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
    for (auto Type : {spflLeft, spflTop, spflRight, spflBottom})
      EXPECT_EQ(ShownRect(SkinForm, Type), TRect{}) << Type;
    SkinForm->Form()->SetBounds(210, 160, 420, 320);
    ProcessPendingMessages();
    SkinForm->Form()->Release();
    ProcessPendingMessages();
  }
}

TEST_F(SkinFormLayeredBorderTest, ABrokenSkinsBorderRectanglesNeitherOverflowNorTurnTheBorderInsideOut) {
  struct TCase {
    const char* Name;
    TRect BorderRect;
    int HitTestSize;
    int ExpectedLeftSize;
  };
  const TCase Cases[] = {
      {"the integer range", Rect(INT_MIN + 1, INT_MIN + 1, INT_MAX, INT_MAX), INT_MAX, 32768},
      {"inside the form's place", Rect(40, 50, 100, 90), -5, 0},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Skin->LayerFrame->BorderRect = Case.BorderRect;
    Skin->LayerFrame->CaptionRect = Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    Skin->LayerFrame->HitTestSize = Case.HitTestSize;
    TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
    EXPECT_EQ(BorderOf(SkinForm).LeftSize, Case.ExpectedLeftSize);
    EXPECT_GE(BorderOf(SkinForm).HitBottomRightY, 0);
    // Moves and drags over every window: whatever they do, nothing overflows.
    Drag({192, 300}, {{170, 300}});
    Drag({400, 142}, {{400, 120}});
    Drag({605, 455}, {{620, 470}});
    int X = 100, Y = 100;
    SkinForm->Magnetic = true;
    SkinForm->DoMagnetic(X, Y, 400, 300);
    SkinForm->Form()->Release();
    ProcessPendingMessages();
  }
}

TEST_F(SkinFormLayeredBorderTest, TheOuterRectangleHoldsTheVisibleBorder) {
  // Margins 8, 30, 8, 8 around the form.
  Skin->LayerFrame->BorderRect = Rect(12, 0, 128, 108);
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  SkinForm->SetBounds(0, 0, 400, 300);
  EXPECT_EQ(SkinForm->Form()->BoundsRect(), Bounds(8, 30, 384, 262));
  SkinForm->Move(100, 100);
  EXPECT_EQ(SkinForm->Form()->BoundsRect(), Bounds(108, 130, 384, 262));

  // The outer edges snap to the work area (1280 x 760 on the headless monitor).
  SkinForm->Magnetic = true;
  int X = 8 + 6, Y = 30 + 7;
  SkinForm->DoMagnetic(X, Y, 384, 262);
  EXPECT_EQ(Point(X, Y), Point(8, 30));
  // A size change lets the snapped edges go.
  SkinForm->Form()->SetBounds(500, 300, 380, 262);
  SkinForm->Form()->SetBounds(500, 300, 384, 262);
  ProcessPendingMessages();
  X = 1280 - 8 - 384 - 5;
  Y = 760 - 8 - 262 - 4;
  SkinForm->DoMagnetic(X, Y, 384, 262);
  EXPECT_EQ(Point(X, Y), Point(1280 - 8 - 384, 760 - 8 - 262));

  // Without the frame the window's own rectangle is meant.
  SkinForm->AlwaysDisableLayeredFrames = true;
  SkinForm->SetBounds(0, 0, 400, 300);
  ProcessPendingMessages();
  EXPECT_EQ(SkinForm->Form()->BoundsRect(), Bounds(0, 0, 400, 300));
}

TEST_F(SkinFormLayeredBorderTest, DraggingTheBorderResizesTheFormThroughItsHitStrips) {
  struct TCase {
    const char* Name;
    TPoint From;
    std::vector<TPoint> Path;
    TRect Expected;
  };
  // The form at (200, 150), 400 x 300; its visible border is 10 wide, its hit strips 5.
  const TCase Cases[] = {
      {"left border outwards", {192, 300}, {{182, 300}, {170, 300}}, Rect(178, 150, 600, 450)},
      {"left border inwards", {192, 300}, {{222, 300}}, Rect(230, 150, 600, 450)},
      // The cursor starts at x 198, inside the outer strip's reach only from 195 on:
      // the first 3 pixels outwards are lost.
      {"left border outwards from its inner edge",
       {198, 300},
       {{196, 300}, {194, 300}, {190, 300}},
       Rect(194, 150, 600, 450)},
      {"right border outwards", {605, 300}, {{615, 300}}, Rect(200, 150, 610, 450)},
      {"bottom border outwards", {400, 455}, {{400, 475}}, Rect(200, 150, 600, 470)},
      {"top border outwards", {400, 142}, {{400, 132}}, Rect(200, 140, 600, 450)},
      {"top-left corner outwards", {192, 142}, {{182, 137}}, Rect(190, 145, 600, 450)},
      {"bottom-right corner inwards", {605, 455}, {{555, 425}}, Rect(200, 150, 550, 420)},
      // The minimum width is 200.
      {"left border inwards past the minimum",
       {192, 300},
       {{392, 300}, {500, 300}},
       Rect(400, 150, 600, 450)},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
    Drag(Case.From, Case.Path);
    EXPECT_EQ(SkinForm->Form()->BoundsRect(), Case.Expected);
    // The frame followed.
    EXPECT_EQ(BorderOf(SkinForm).FrameBoxOfForm().TopLeft(),
              Point(Case.Expected.Left - 20, Case.Expected.Top - 30));
    EXPECT_EQ(ShownRect(SkinForm, spflTop).TopLeft(), Point(Case.Expected.Left - 20, Case.Expected.Top - 30));
    EXPECT_FALSE(BorderOf(SkinForm).Window(spflLeft)->Dragging());
    SkinForm->Form()->Release();
    ProcessPendingMessages();
  }
}

TEST_F(SkinFormLayeredBorderTest, TheBorderSetsTheSizingCursorsAndLeavesUnsizeableFormsAlone) {
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  TspFormLayerWindow* Left = BorderOf(SkinForm).Window(spflLeft);
  TspFormLayerWindow* Top = BorderOf(SkinForm).Window(spflTop);
  InjectPointerMove({192, 300});
  ProcessPendingMessages();
  EXPECT_EQ(Left->HitMode(), spflhLeft);
  EXPECT_EQ(Left->Cursor(), crSizeWE);
  InjectPointerMove({195, 145});
  ProcessPendingMessages();
  EXPECT_EQ(Top->HitMode(), spflhTopLeft);
  EXPECT_EQ(Top->Cursor(), crSizeNWSE);
  // Outside the visible border, in the shadow.
  InjectPointerMove({183, 300});
  ProcessPendingMessages();
  EXPECT_EQ(Left->HitMode(), spflhNone);
  EXPECT_EQ(Left->Cursor(), crDefault);

  // Not sizeable: the same drag does nothing.
  SkinForm->Sizeable = false;
  SkinForm->Form()->SetBorderStyle(bsSingle);
  Drag({192, 300}, {{170, 300}});
  EXPECT_EQ(SkinForm->Form()->BoundsRect(), Bounds(200, 150, 400, 300));
  SkinForm->Sizeable = true;

  // Hit testing off: the windows ignore the mouse.
  Skin->LayerFrame->HitTestEnable = false;
  Drag({192, 300}, {{170, 300}});
  EXPECT_EQ(SkinForm->Form()->BoundsRect(), Bounds(200, 150, 400, 300));
}

TEST_F(SkinFormLayeredBorderTest, ThePartOfTheFrameOverTheFormLeavesTheMouseToTheForm) {
  // The top strip is 40 rows high while the form starts 30 rows into the picture: its
  // last 10 rows lie over the form's caption.
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  ASSERT_EQ(ShownRect(SkinForm, spflTop), Bounds(180, 120, 440, 40));
  const HWND Form = SkinForm->Form()->Handle();
  EXPECT_EQ(WindowFromPoint({400, 155}), Form);
  EXPECT_EQ(WindowFromPoint({205, 159}), Form);
  EXPECT_EQ(WindowFromPoint({400, 145}), WindowOf(SkinForm, spflTop));
  EXPECT_EQ(WindowFromPoint({195, 155}), WindowOf(SkinForm, spflTop));
  // Also after a size change, and where nothing overlaps nothing is cut.
  SkinForm->Form()->SetBounds(200, 150, 300, 200);
  ProcessPendingMessages();
  EXPECT_EQ(WindowFromPoint({495, 155}), Form);
  EXPECT_EQ(WindowFromPoint({505, 155}), WindowOf(SkinForm, spflTop));
  EXPECT_EQ(WindowFromPoint({190, 200}), WindowOf(SkinForm, spflLeft));
}

TEST_F(SkinFormLayeredBorderTest, APressOnTheFrameActivatesTheFormNeverTheFrame) {
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  TForm* Other = NewForm(Bounds(800, 500, 100, 100));
  ASSERT_EQ(HeadlessBackend()->ActiveWindow(), Other->Handle());
  InjectClick({192, 300});
  ProcessPendingMessages();
  EXPECT_EQ(HeadlessBackend()->ActiveWindow(), SkinForm->Form()->Handle());
  EXPECT_TRUE(BorderOf(SkinForm).Active());
}

TEST_F(SkinFormLayeredBorderTest, AFrameWithoutAVisibleBorderLetsTheMouseThrough) {
  Skin->LayerFrame->BorderRect = {};
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  TForm* Below = NewForm(Bounds(100, 100, 150, 400));
  SkinForm->Form()->Show();
  ProcessPendingMessages();
  const HWND Left = WindowOf(SkinForm, spflLeft);
  ASSERT_NE(Left, nullptr);
  EXPECT_NE(HeadlessBackend()->ExStyle(Left) & WS_EX_TRANSPARENT, 0u);
  EXPECT_EQ(WindowFromPoint({192, 300}), Below->Handle());
  EXPECT_EQ(BorderOf(SkinForm).LeftSize, 0);
}

TEST_F(SkinFormLayeredBorderTest, TheFrameGoesWithItsSkinComponentAndTheFormGoesOn) {
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  TCustomForm* Form = SkinForm->Form();
  const HWND Top = WindowOf(SkinForm, spflTop);
  ASSERT_TRUE(HeadlessBackend()->IsKnown(Top));
  delete SkinForm;
  EXPECT_FALSE(HeadlessBackend()->IsKnown(Top));
  Form->SetBounds(250, 150, 300, 200);
  ProcessPendingMessages();
  EXPECT_EQ(Form->BoundsRect(), Bounds(250, 150, 300, 200));
  // The form's own frame is back.
  EXPECT_EQ(HitTest(Form, {150, 5}), HTCAPTION);
}

TEST_F(SkinFormLayeredBorderTest, TheFrameGoesWithTheSkinThatFreesIt) {
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  ASSERT_TRUE(BorderOf(SkinForm).Visible());
  Skin.reset();
  ProcessPendingMessages();
  EXPECT_FALSE(BorderOf(SkinForm).Visible());
  EXPECT_EQ(BorderOf(SkinForm).Data(), nullptr);
  SkinForm->Form()->SetBounds(220, 150, 400, 300);
  ProcessPendingMessages();
  EXPECT_EQ(WindowOf(SkinForm, spflTop), nullptr);
}

TEST_F(SkinFormLayeredBorderTest, AnotherSkinBringsItsOwnFrameOrNone) {
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  std::unique_ptr<TspSkinData> Plain = MakeFixtureSkin();
  SkinForm->SetSkinData(Plain.get());
  ProcessPendingMessages();
  EXPECT_FALSE(BorderOf(SkinForm).Visible());
  SkinForm->SetSkinData(Skin.get());
  ProcessPendingMessages();
  EXPECT_TRUE(BorderOf(SkinForm).Visible());
  EXPECT_EQ(ShownRect(SkinForm, spflTop), Bounds(180, 120, 440, 40));
}

}  // namespace

// The full-border mode: the caption (20, 8, 120, 28) of the frame picture grows with
// the form; the close and maximize buttons (12 x 12, 2 apart) stand at its right end,
// drawn from picture 3: close red, hot green; maximize blue, hot white.
class SkinFormFullLayeredBorderTest : public SkinFormLayeredBorderTest {
 protected:
  void SetUp() override {
    SkinFormLayeredBorderTest::SetUp();
    auto Buttons = std::make_unique<TBitmap>();
    Buttons->SetPixelFormat(pf24bit);
    Buttons->SetSize(48, 12);
    const TColor Looks[] = {clRed, clLime, clBlue, clWhite};
    for (int I = 0; I < 4; ++I) {
      Buttons->Canvas().Brush().SetColor(Looks[I]);
      Buttons->Canvas().FillRect(Rect(I * 12, 0, I * 12 + 12, 12));
    }
    TspSkinEditor(*Skin).AddPicture(std::move(Buttons));
    Skin->ButtonsOffset = 2;
    TspDataSkinLayerFrame& Frame = *Skin->LayerFrame;
    Frame.FullBorder = true;
    Frame.CaptionRect = Rect(20, 8, 120, 28);
    Frame.RollUpFormHeight = 12;
    auto Caption = std::make_unique<TspDataSkinCaption>("caption");
    Caption->SkinRect = Rect(10, 6, 90, 26);
    TspSkinEditor(*Skin).AddObject(std::move(Caption));
    AddButton("closebutton", cmClose, 0);
    AddButton("maxbutton", cmMaximize, 24);
  }

  void AddButton(const String& AName, TStdCommand ACommand, int ALeft) {
    auto Button = std::make_unique<TspDataSkinStdButton>(AName);
    Button->Command = ACommand;
    Button->SkinRectInAPicture = true;
    Button->ActivePictureIndex = 3;
    Button->SkinRect = Rect(ALeft, 0, ALeft + 12, 12);
    Button->ActiveSkinRect = Rect(ALeft + 12, 0, ALeft + 24, 12);
    TspSkinEditor(*Skin).AddObject(std::move(Button));
  }

  // The middle of a button in the top window of the form's frame (screen), from the
  // right end of the caption: close the first, maximize the second.
  static TPoint ButtonCentre(TspSkinForm* ASkinForm, int AFromRight) {
    const TRect Top = ShownRect(ASkinForm, spflTop);
    const int CaptionRight = Top.Left + 120 + ASkinForm->Form()->Width() - 100;
    return {CaptionRight - 6 - AFromRight * 14, Top.Top + 14};
  }
  static TspColor TopPixelAt(TspSkinForm* ASkinForm, TPoint AScreen) {
    const TRect Top = ShownRect(ASkinForm, spflTop);
    return BorderOf(ASkinForm).Image(spflTop).GetPixel(AScreen.X - Top.Left, AScreen.Y - Top.Top);
  }
  static TspColor Opaque(TColor AColor) {
    return 0xFF000000u | TspColor(GetRValue(AColor)) << 16 | TspColor(GetGValue(AColor)) << 8 |
           GetBValue(AColor);
  }
};

TEST_F(SkinFormFullLayeredBorderTest, TheTopWindowCarriesTheCaptionButtonsAndTheFormOnlyItsClient) {
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  ASSERT_TRUE(SkinForm->WearsFullLayeredBorder());
  EXPECT_EQ(ShownRect(SkinForm, spflTop), Bounds(180, 120, 440, 40));
  // The form has no frame of its own: all of it is client, the mouse goes to the frame.
  EXPECT_EQ(CalcClientRect(SkinForm->Form(), Bounds(0, 0, 400, 300)), Rect(0, 0, 400, 300));
  EXPECT_EQ(SendMessage(SkinForm->Form()->Handle(), WM_NCHITTEST, 0, MAKELPARAM(210, 160)), HTCLIENT);

  // The caption's right end moved by the form's growth (300): close at 408, maximize
  // 2 pixels before it, the caption up to 2 pixels before that.
  auto& Close = *SkinForm->ObjectList[1];
  auto& Maximize = *SkinForm->ObjectList[2];
  EXPECT_EQ(Close.ObjectRect, Rect(408, 8, 420, 20));
  EXPECT_EQ(Maximize.ObjectRect, Rect(394, 8, 406, 20));
  EXPECT_EQ(SkinForm->ObjectList[0]->ObjectRect, Rect(20, 8, 390, 28));
  const TPoint CloseAt = ButtonCentre(SkinForm, 0), MaximizeAt = ButtonCentre(SkinForm, 1);
  EXPECT_EQ(TopPixelAt(SkinForm, CloseAt), Opaque(clRed));
  EXPECT_EQ(TopPixelAt(SkinForm, MaximizeAt), Opaque(clBlue));

  // Hover shows the hot look; leaving the window without a leave message ends it
  // within the 500 ms of the mouse timer.
  InjectPointerMove(CloseAt);
  ProcessPendingMessages();
  EXPECT_EQ(TopPixelAt(SkinForm, CloseAt), Opaque(clLime));
  EXPECT_EQ(TopPixelAt(SkinForm, MaximizeAt), Opaque(clBlue));
  InjectPointerMove(MaximizeAt);
  ProcessPendingMessages();
  EXPECT_EQ(TopPixelAt(SkinForm, CloseAt), Opaque(clRed));
  EXPECT_EQ(TopPixelAt(SkinForm, MaximizeAt), Opaque(clWhite));
  EXPECT_TRUE(BorderOf(SkinForm).MouseTimer().Enabled());
  InjectPointerMove(Point(5, 5));
  HeadlessBackend()->AdvanceClock(500);
  ProcessPendingMessages();
  EXPECT_FALSE(BorderOf(SkinForm).MouseTimer().Enabled());
  EXPECT_FALSE(Maximize.Active);
  EXPECT_EQ(TopPixelAt(SkinForm, MaximizeAt), Opaque(clBlue));
}

TEST_F(SkinFormFullLayeredBorderTest, TheFormIsAsLowAsAStripUnderItsFrameOrItsOwnMinimum) {
  // The fixture frame's height outside its client rectangle is 40.
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  ASSERT_TRUE(SkinForm->WearsFullLayeredBorder());
  const struct {
    int MinHeight;
    bool RolledUp;
    int Expected;
  } Cases[] = {{0, false, 10}, {30, false, 10}, {150, false, 150}, {150, true, 10}};
  for (const auto& Case : Cases) {
    SkinForm->MinHeight = Case.MinHeight;
    SkinForm->SetRollUpState(Case.RolledUp);
    ProcessPendingMessages();
    EXPECT_EQ(SkinForm->GetMinHeight(), Case.Expected) << Case.MinHeight << " " << Case.RolledUp;
  }
  // Without a compositor the form keeps its skinned frame and the frame's height.
  SkinForm->SetRollUpState(false);
  SkinForm->MinHeight = 0;
  HeadlessBackend()->SetPerPixelAlpha(false);
  BindSystemFunctions();
  EXPECT_EQ(SkinForm->GetMinHeight(), 40);
}

TEST_F(SkinFormFullLayeredBorderTest, TheCaptionButtonsRunTheirCommands) {
  // A secondary form: closing the main form would end the application.
  NewSkinnedForm(Bounds(0, 0, 200, 150), nullptr);
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  TCustomForm* Form = SkinForm->Form();
  InjectClick(ButtonCentre(SkinForm, 1));
  ProcessPendingMessages();
  ASSERT_EQ(SkinForm->ReachedWindowState(), wsMaximized);
  // The frame stays with the maximized form, its margins inside the work area.
  ASSERT_TRUE(BorderOf(SkinForm).Visible());
  const TRect Outer =
      Rect(Form->Left() - LayerBorderSize, Form->Top() - LayerBorderSize,
           Form->Left() + Form->Width() + LayerBorderSize, Form->Top() + Form->Height() + LayerBorderSize);
  TRect WorkArea;
  GetMonitorArea(Form->Handle(), true, WorkArea);
  EXPECT_TRUE(Outer == WorkArea ||
              Outer == Rect(WorkArea.Left + 1, WorkArea.Top + 1, WorkArea.Right - 1, WorkArea.Bottom - 1))
      << Outer.Left << "," << Outer.Top << " " << Outer.Right << "," << Outer.Bottom;

  InjectClick(ButtonCentre(SkinForm, 0));
  ProcessPendingMessages();
  EXPECT_FALSE(Form->Visible()) << "close closes the form";
  EXPECT_FALSE(BorderOf(SkinForm).Visible());
}

TEST_F(SkinFormFullLayeredBorderTest, TheCaptionMovesTheFormAndADoubleClickMaximizesAndRestores) {
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  TCustomForm* Form = SkinForm->Form();
  Drag(Point(300, 135), {Point(320, 145), Point(350, 175)});
  EXPECT_EQ(Form->BoundsRect(), Bounds(250, 190, 400, 300));
  EXPECT_EQ(ShownRect(SkinForm, spflTop), Bounds(230, 160, 440, 40));
  EXPECT_EQ(SkinForm->ReachedWindowState(), wsNormal);

  InjectDoubleClick(Point(350, 175));
  ProcessPendingMessages();
  ASSERT_EQ(SkinForm->ReachedWindowState(), wsMaximized);
  const TRect Maximized = Form->BoundsRect();
  // A maximized form neither moves by its caption nor sizes.
  const TRect Top = ShownRect(SkinForm, spflTop);
  Drag(Point(Top.Left + 60, Top.Top + 15), {Point(Top.Left + 90, Top.Top + 45)});
  EXPECT_EQ(Form->BoundsRect(), Maximized);
  InjectDoubleClick(Point(Top.Left + 60, Top.Top + 15));
  ProcessPendingMessages();
  EXPECT_EQ(SkinForm->ReachedWindowState(), wsNormal);
  EXPECT_EQ(Form->BoundsRect(), Bounds(250, 190, 400, 300));

  // A form that may not be sized rolls up and down instead, into the collapsed frame.
  SkinForm->Sizeable = false;
  TspSkinForm::TspBorderIcons Icons = SkinForm->BorderIcons();
  Icons.Include(TspSkinForm::biRollUp);
  SkinForm->SetBorderIcons(Icons);
  ProcessPendingMessages();
  InjectDoubleClick(Point(350, 175));
  ProcessPendingMessages();
  ASSERT_TRUE(SkinForm->RollUpState());
  EXPECT_TRUE(SkinForm->UseCollapsedLayerFrame());
  EXPECT_EQ(BorderOf(SkinForm).FrameBoxOfForm().Height(), 12 + LayerHeight - LayerClRect.Height());
  InjectDoubleClick(Point(350, 175));
  ProcessPendingMessages();
  EXPECT_FALSE(SkinForm->RollUpState());
  EXPECT_EQ(Form->Height(), 300);
}

TEST_F(SkinFormFullLayeredBorderTest, TheStatesKeepTheFrameInsideTheirPlaces) {
  // A secondary form: the main form minimizes the application.
  NewSkinnedForm(Bounds(0, 0, 200, 150), nullptr);
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  TCustomForm* Form = SkinForm->Form();
  // The outer rectangle includes the frame's margins.
  SkinForm->SetBounds(0, 0, 400, 300);
  ProcessPendingMessages();
  EXPECT_EQ(Form->BoundsRect(), Bounds(10, 10, 380, 280));

  SkinForm->SetWindowState(wsMinimized);
  ProcessPendingMessages();
  ASSERT_TRUE(SkinForm->UseCollapsedLayerFrame());
  EXPECT_EQ(Form->Height(), SkinForm->GetMinHeight());
  // The collapsed frame is the caption strip of RollUpFormHeight, and so is the form's
  // region.
  EXPECT_EQ(BorderOf(SkinForm).FrameBoxOfForm().Height(), 12 + LayerHeight - LayerClRect.Height());
  HRGN Region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(Form->Handle(), Region), ERROR);
  TRect Box;
  GetRgnBox(Region, &Box);
  DeleteObject(Region);
  EXPECT_EQ(Box, Rect(0, 0, Form->Width(), 12));
  SkinForm->SetWindowState(wsNormal);
  ProcessPendingMessages();
  EXPECT_EQ(Form->BoundsRect(), Bounds(10, 10, 380, 280));
  EXPECT_FALSE(SkinForm->UseCollapsedLayerFrame());
}

TEST_F(SkinFormFullLayeredBorderTest, TheFormGivesUpAndTakesBackItsFrameWithTheCompositor) {
  HeadlessBackend()->SetPerPixelAlpha(false);
  BindSystemFunctions();
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  TCustomForm* Form = SkinForm->Form();
  ASSERT_FALSE(SkinForm->UseLayeredBorder());
  const int FrameWidth = FramePictureSize - FixtureClRect.Width();
  EXPECT_EQ(Form->ClientWidth(), 400 - FrameWidth) << "the form's own frame";

  HeadlessBackend()->SetPerPixelAlpha(true);
  BindSystemFunctions();
  SendMessage(Form->Handle(), SP_CHANGELAYEREDBORDERS, 0, 0);
  ProcessPendingMessages();
  ASSERT_TRUE(SkinForm->WearsFullLayeredBorder());
  // What the user saw stays in place: the form's old bounds are the frame's outer ones.
  EXPECT_EQ(Form->BoundsRect(), Bounds(200 + LayerBorderSize, 150 + LayerBorderSize,
                                       400 - 2 * LayerBorderSize, 300 - 2 * LayerBorderSize));
  EXPECT_EQ(Form->ClientWidth(), 400 - 2 * LayerBorderSize);
  EXPECT_EQ(Form->ClientHeight(), 300 - 2 * LayerBorderSize);

  HeadlessBackend()->SetPerPixelAlpha(false);
  BindSystemFunctions();
  SendMessage(Form->Handle(), SP_CHANGELAYEREDBORDERS, 0, 0);
  ProcessPendingMessages();
  EXPECT_FALSE(BorderOf(SkinForm).Visible());
  EXPECT_EQ(Form->BoundsRect(), Bounds(200, 150, 400, 300));
  EXPECT_EQ(Form->ClientWidth(), 400 - FrameWidth);
}

TEST_F(SkinFormFullLayeredBorderTest, TheSystemMenuButtonStartsTheCaptionAndADoubleClickOnItCloses) {
  AddButton("sysmenubutton", cmSysMenu, 36);
  // A secondary form: closing the main form would end the application.
  NewSkinnedForm(Bounds(0, 0, 200, 150), nullptr);
  TspSkinForm* SkinForm = NewBorderedForm(Bounds(200, 150, 400, 300));
  auto& SysMenu = *SkinForm->ObjectList.back();
  // At the caption's left end, centred on its height; the caption starts after it.
  EXPECT_EQ(SysMenu.ObjectRect, Rect(20, 12, 32, 24));
  EXPECT_EQ(SkinForm->ObjectList[0]->ObjectRect.Left, 34);
  const TRect Top = ShownRect(SkinForm, spflTop);
  const TPoint At(Top.Left + 26, Top.Top + 18);
  InjectPointerMove(At);
  ProcessPendingMessages();
  EXPECT_EQ(SysMenu.ObjectRect, Rect(20, 12, 32, 24)) << "hovering keeps the place";
  InjectDoubleClick(At);
  ProcessPendingMessages();
  EXPECT_FALSE(SkinForm->Form()->Visible());
}
