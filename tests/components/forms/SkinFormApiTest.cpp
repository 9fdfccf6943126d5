// The skin form's own API: its version and area rectangles, the popup-menu settings it
// hands its chain, the drop shadow, the skinnable switch, border and form styles, the
// order of forms after a restore, the active document's component, the height of a
// rolled-up form, the preview mode and the delayed show.

#include <algorithm>
#include <vector>

#include "components/controls/SkinCtrls.h"
#include "platform/ui/Screen.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowClasses.h"
#include "platform/win/WindowStyles.h"
#include "tests/components/forms/SkinFormTestSupport.h"

// A namespace of its own: the directive below stays out of the test files compiled
// after this one in the same batch.
namespace skin_form_api_test {
namespace {

using namespace skin_form_test;

class SkinFormApiTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Skin = MakeFixtureSkin();
  }

  // Gives the skin a layer frame picture, so that the layered border is in force.
  void AddLayerFramePicture() {
    auto Picture = std::make_unique<TBitmap>();
    Picture->SetPixelFormat(pf32bit);
    Picture->SetSize(140, 130);
    TspSkinEditor(*Skin).AddPicture(std::move(Picture));
    TspDataSkinLayerFrame& Frame = *Skin->LayerFrame;
    Frame.PictureIndex = 0;
    Frame.LTPoint = {30, 40};
    Frame.RTPoint = {110, 40};
    Frame.LBPoint = {30, 90};
    Frame.RBPoint = {110, 90};
    Frame.ClRect = Rect(30, 40, 110, 90);
    Frame.AlphaBlendValue = Frame.InActiveAlphaBlendValue = 255;
  }

  std::unique_ptr<TspSkinData> Skin;
};

// A skinned panel that counts how often it reads its element.
class TCountingPanel : public TspSkinPanel {
 public:
  using TspSkinPanel::TspSkinPanel;
  void ChangeSkinData() override {
    ++Reads;
    TspSkinPanel::ChangeSkinData();
  }
  int Reads = 0;
};

TEST_F(SkinFormApiTest, AnAreaRectangleIsTheLastAreaOfItsNameOrEmpty) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr);
  EXPECT_EQ(SkinForm->GetAreaRect("player"), TRect());
  Skin->AddSkinArea("player", Rect(1, 2, 3, 4), false, false, false, false, false);
  Skin->AddSkinArea("volume", Rect(5, 6, 7, 8), false, false, false, false, false);
  Skin->AddSkinArea("player", Rect(10, 20, 30, 40), false, false, false, false, false);
  SkinForm->SetSkinData(Skin.get());
  EXPECT_EQ(SkinForm->GetAreaRect("player"), Rect(10, 20, 30, 40));
  EXPECT_EQ(SkinForm->GetAreaRect("volume"), Rect(5, 6, 7, 8));
  EXPECT_EQ(SkinForm->GetAreaRect("Volume"), TRect());
  EXPECT_EQ(SkinForm->GetAreaRect("nothing"), TRect());
}

TEST_F(SkinFormApiTest, MenuSettingsReachTheFormsPopupChain) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr);
  TspSkinMenu& Chain = SkinForm->SkinMenu();
  struct TCase {
    const char* Name;
    std::function<void()> Set;
    std::function<bool()> Reached;
  };
  TFont Font;
  Font.SetName("Courier New");
  Font.SetHeight(17);
  const std::vector<TCase> Cases = {
      {"item height", [&] { SkinForm->SetDefMenuItemHeight(31); },
       [&] { return Chain.FDefaultMenuItemHeight == 31 && SkinForm->DefMenuItemHeight() == 31; }},
      {"item height 0 ignored", [&] { SkinForm->SetDefMenuItemHeight(0); },
       [&] { return Chain.FDefaultMenuItemHeight == 31; }},
      {"negative item height ignored", [&] { SkinForm->SetDefMenuItemHeight(-4); },
       [&] { return Chain.FDefaultMenuItemHeight == 31; }},
      {"item font", [&] { SkinForm->SetDefMenuItemFont(Font); },
       [&] {
         return Chain.FDefaultMenuItemFont.Name() == "Courier New" &&
                Chain.FDefaultMenuItemFont.Height() == 17 &&
                SkinForm->DefMenuItemFont().Name() == "Courier New";
       }},
      {"skin font off", [&] { SkinForm->SetUseSkinFontInMenu(false); },
       [&] { return !Chain.FUseSkinFont && !SkinForm->UseSkinFontInMenu(); }},
      {"skin size off", [&] { SkinForm->SetUseSkinSizeInMenu(false); },
       [&] { return !Chain.FUseSkinSize && !SkinForm->UseSkinSizeInMenu(); }},
      {"items in a window", [&] { SkinForm->SetMaxMenuItemsInWindow(7); },
       [&] { return Chain.MaxMenuItemsInWindow == 7 && SkinForm->MaxMenuItemsInWindow() == 7; }},
      {"negative items in a window ignored", [&] { SkinForm->SetMaxMenuItemsInWindow(-1); },
       [&] { return Chain.MaxMenuItemsInWindow == 7 && SkinForm->MaxMenuItemsInWindow() == 7; }},
      {"alpha blend", [&] { SkinForm->SetMenusAlphaBlend(true); },
       [&] { return Chain.AlphaBlend && SkinForm->MenusAlphaBlend(); }},
      {"alpha value", [&] { SkinForm->SetMenusAlphaBlendValue(90); },
       [&] { return Chain.AlphaBlendValue == 90 && SkinForm->MenusAlphaBlendValue() == 90; }},
      {"fade in", [&] { SkinForm->SetMenusAlphaBlendAnimation(true); },
       [&] { return Chain.AlphaBlendAnimation && SkinForm->MenusAlphaBlendAnimation(); }},
  };
  for (const TCase& Case : Cases) {
    Case.Set();
    EXPECT_TRUE(Case.Reached()) << Case.Name;
  }
}

TEST_F(SkinFormApiTest, TheMenuSettingsStartAsTheChainsDefaults) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr);
  EXPECT_EQ(SkinForm->DefMenuItemHeight(), 20);
  EXPECT_EQ(SkinForm->DefMenuItemFont().Name(), "Arial");
  EXPECT_TRUE(SkinForm->UseSkinFontInMenu());
  EXPECT_TRUE(SkinForm->UseSkinSizeInMenu());
  EXPECT_EQ(SkinForm->MaxMenuItemsInWindow(), 0);
  EXPECT_FALSE(SkinForm->MenusAlphaBlend());
  EXPECT_EQ(SkinForm->MenusAlphaBlendValue(), 200);
  EXPECT_FALSE(SkinForm->MenusAlphaBlendAnimation());
}

TEST_F(SkinFormApiTest, TheShadowSwitchesTheClassStyleOnceAndBack) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr);
  const HWND Window = SkinForm->Form()->Handle();
  auto HasShadowStyle = [&] { return (GetClassLong(Window, GCL_STYLE) & CS_DROPSHADOW) != 0; };
  ASSERT_FALSE(HasShadowStyle());
  SkinForm->EnableShadow(true, false);
  EXPECT_TRUE(HasShadowStyle());
  EXPECT_TRUE(SkinForm->HasShadow());
  // A second call with the same wish changes nothing, even what another changed.
  SetClassLong(Window, GCL_STYLE, GetClassLong(Window, GCL_STYLE) & ~LONG_PTR(CS_DROPSHADOW));
  SkinForm->EnableShadow(true, false);
  EXPECT_FALSE(HasShadowStyle());
  SetClassLong(Window, GCL_STYLE, GetClassLong(Window, GCL_STYLE) | CS_DROPSHADOW);
  // Hidden meanwhile, shown again after.
  std::vector<bool> Shows;
  TWndMethod Inherited = SkinForm->Form()->WindowProc;
  SkinForm->Form()->WindowProc = [&, Inherited](TMessage& AMessage) {
    if (AMessage.Msg == WM_SHOWWINDOW) Shows.push_back(AMessage.WParam != 0);
    Inherited(AMessage);
  };
  SkinForm->EnableShadow(false, true);
  EXPECT_FALSE(HasShadowStyle());
  EXPECT_FALSE(SkinForm->HasShadow());
  EXPECT_EQ(Shows, (std::vector<bool>{false, true}));
  EXPECT_TRUE(SkinForm->Form()->Visible());
  SkinForm->Form()->WindowProc = Inherited;
}

TEST_F(SkinFormApiTest, TheActiveDocumentsComponentIsFound) {
  EXPECT_EQ(FindActiveMDIChildSkinForm(), nullptr);
  TspSkinForm* Frame = NewMdiFrame(Bounds(0, 0, 600, 400));
  Frame->Form()->Show();
  ProcessPendingMessages();
  EXPECT_EQ(FindActiveMDIChildSkinForm(), nullptr);
  NewMdiDocument("First", "First", Bounds(0, 0, 200, 150));
  TspSkinForm* Second = NewMdiDocument("Second", "Second", Bounds(20, 20, 200, 150));
  ASSERT_EQ(Frame->Form()->ActiveMDIChild(), Second->Form());
  EXPECT_EQ(FindActiveMDIChildSkinForm(), Second);
}

int ScreenIndexOf(TCustomForm* AForm) {
  for (int I = 0; I < Screen->CustomFormCount(); ++I)
    if (Screen->CustomForms(I) == AForm) return I;
  return -1;
}

// Records which of AForms are moved in the stacking order, in the order it happens.
void RecordRestacking(std::initializer_list<TCustomForm*> AForms, std::vector<TCustomForm*>& ARestacked) {
  for (TCustomForm* Form : AForms) {
    TWndMethod Inherited = Form->WindowProc;
    Form->WindowProc = [&ARestacked, Form, Inherited](TMessage& AMessage) {
      if (AMessage.Msg == WM_WINDOWPOSCHANGING &&
          !(reinterpret_cast<const WINDOWPOS*>(AMessage.LParam)->flags & SWP_NOZORDER))
        ARestacked.push_back(Form);
      Inherited(AMessage);
    };
  }
}

TEST_F(SkinFormApiTest, StayOnTopFormsComeToTheTopInScreenOrder) {
  TForm* Lower = NewForm(Bounds(10, 10, 200, 150));
  Lower->SetFormStyle(fsStayOnTop);
  TForm* Plain = NewForm(Bounds(30, 30, 200, 150));
  TForm* Upper = NewForm(Bounds(50, 50, 200, 150));
  Upper->SetFormStyle(fsStayOnTop);
  TForm* Hidden = NewForm(Bounds(70, 70, 200, 150));
  Hidden->SetFormStyle(fsStayOnTop);
  Hidden->Hide();
  ProcessPendingMessages();
  ASSERT_LT(ScreenIndexOf(Upper), ScreenIndexOf(Lower));
  std::vector<TCustomForm*> Restacked;
  RecordRestacking({Lower, Plain, Upper, Hidden}, Restacked);
  TspSkinForm::BringStayOnTopForms();
  EXPECT_EQ(Restacked, (std::vector<TCustomForm*>{Upper, Lower}));
  EXPECT_FALSE(Hidden->Visible());
  EXPECT_GT(ScreenIndexOf(Plain), ScreenIndexOf(Lower));
}

TEST_F(SkinFormApiTest, TheMainFormWithALayeredBorderShowsAgainAfterTheOthers) {
  AddLayerFramePicture();
  TspSkinForm* Main = NewSkinnedForm(Bounds(100, 100, 300, 200), Skin.get());
  ASSERT_TRUE(Main->UseLayeredBorder());
  TForm* Other = NewForm(Bounds(150, 150, 200, 150));
  TForm* Tool = NewForm(Bounds(170, 170, 200, 150));
  Tool->SetFormStyle(fsStayOnTop);
  ProcessPendingMessages();
  std::vector<TCustomForm*> Shown;
  RecordRestacking({Main->Form(), Other, Tool}, Shown);
  // Only the main form does it.
  auto* OtherSkin = new TspSkinForm(Other);
  OtherSkin->SetSkinData(Skin.get());
  Shown.clear();
  OtherSkin->CheckAppLayeredBorders();
  EXPECT_TRUE(Shown.empty());
  Main->CheckAppLayeredBorders();
  ASSERT_FALSE(Shown.empty());
  EXPECT_EQ(Shown.front(), Other);
  EXPECT_EQ(Shown.back(), Main->Form());
  EXPECT_EQ(std::count(Shown.begin(), Shown.end(), Tool), 0);
  // Alone on the screen the main form has nothing to order.
  Other->Hide();
  Shown.clear();
  Main->CheckAppLayeredBorders();
  EXPECT_EQ(std::count(Shown.begin(), Shown.end(), Main->Form()), 0);
}

TEST_F(SkinFormApiTest, TheRealHeightOfARolledUpFormIsItsUnrolledHeight) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get());
  EXPECT_EQ(SkinForm->RealHeight(), 200);
  SkinForm->SetRollUpState(true);
  ASSERT_LT(SkinForm->Form()->Height(), 200);
  EXPECT_EQ(SkinForm->RealHeight(), 200);
  SkinForm->SetRealHeight(260);
  EXPECT_EQ(SkinForm->RealHeight(), 260);
  SkinForm->SetRollUpState(false);
  EXPECT_EQ(SkinForm->Form()->Height(), 260);
  EXPECT_EQ(SkinForm->RealHeight(), 260);
}

TEST_F(SkinFormApiTest, APreviewIsActiveWithoutHoverOrLayeredBorder) {
  AddLayerFramePicture();
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get());
  NewForm(Bounds(400, 50, 200, 150));
  ASSERT_FALSE(SkinForm->GetFormActive());
  ASSERT_TRUE(SkinForm->UseLayeredBorder());
  SkinForm->PreviewMode = true;
  EXPECT_TRUE(SkinForm->GetFormActive());
  EXPECT_FALSE(SkinForm->UseLayeredBorder());
}

TEST_F(SkinFormApiTest, APreviewsButtonsTakeNoHover) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr);
  SkinForm->Form()->Invalidate();
  SendMessage(SkinForm->Form()->Handle(), WM_NCPAINT, 0, 0);
  ASSERT_TRUE(SkinForm->GetFormActive());
  const auto Close = std::find_if(SkinForm->ObjectList.begin(), SkinForm->ObjectList.end(),
                                  [](const auto& AObject) { return AObject->IDName == "closebutton"; });
  ASSERT_NE(Close, SkinForm->ObjectList.end());
  const TRect& R = (*Close)->ObjectRect;
  const TPoint Middle = Point((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
  SkinForm->PreviewMode = true;
  SkinForm->Objects().TestActive(Middle.X, Middle.Y, true);
  EXPECT_EQ(SkinForm->Objects().ActiveObject, -1);
  SkinForm->PreviewMode = false;
  SkinForm->Objects().TestActive(Middle.X, Middle.Y, true);
  EXPECT_EQ(SkinForm->Objects().ActiveObject, int(Close - SkinForm->ObjectList.begin()));
  SkinForm->Objects().TestActive(-1, -1, false);
}

TEST_F(SkinFormApiTest, AFormWithALayeredBorderIsShownDelayedUnlessItFades) {
  AddLayerFramePicture();
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get());
  struct TCase {
    const char* Name;
    bool AlphaBlend, AlphaBlendAnimation, AnimationForAllWindows, Layered;
    bool Delayed;
  };
  const TCase Cases[] = {
      {"layered border", false, false, false, true, true},
      {"alpha blend", true, false, false, true, false},
      {"fade in", false, true, false, true, false},
      {"every window fades", false, false, true, true, false},
      {"no layered border", false, false, false, false, false},
  };
  for (const TCase& Case : Cases) {
    SkinForm->SetAlphaBlend(Case.AlphaBlend);
    SkinForm->AlphaBlendAnimation = Case.AlphaBlendAnimation;
    Skin->AnimationForAllWindows = Case.AnimationForAllWindows;
    SkinForm->AlwaysDisableLayeredFrames = !Case.Layered;
    EXPECT_EQ(SkinForm->UseDelayedShow(), Case.Delayed) << Case.Name;
  }
}

TEST_F(SkinFormApiTest, BorderStyleAndFormStyleChangesHaveTheControlsReadTheirElements) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get());
  auto* Panel = new TCountingPanel(SkinForm->Form());
  Panel->SetParent(SkinForm->Form());
  Panel->SetSkinData(Skin.get());
  Panel->Reads = 0;
  SkinForm->SetFormBorderStyle(bsSizeable);
  EXPECT_EQ(SkinForm->Form()->BorderStyle(), bsSizeable);
  EXPECT_EQ(Panel->Reads, 1);
  // A style change re-reads the elements only with AlphaBlend on.
  SkinForm->SetFormStyle(fsStayOnTop);
  EXPECT_EQ(SkinForm->Form()->FormStyle(), fsStayOnTop);
  EXPECT_EQ(Panel->Reads, 1);
  SkinForm->SetAlphaBlend(true);
  SkinForm->SetFormStyle(fsNormal);
  EXPECT_EQ(SkinForm->Form()->FormStyle(), fsNormal);
  EXPECT_EQ(Panel->Reads, 2);
  for (TFormStyle Refused : {fsMDIChild, fsMDIForm}) {
    SkinForm->SetFormStyle(Refused);
    EXPECT_EQ(SkinForm->Form()->FormStyle(), fsNormal);
  }
  EXPECT_EQ(Panel->Reads, 2);
}

TEST_F(SkinFormApiTest, SwitchingTheSkinnedFrameOffAndOnKeepsAMaximizedFormMaximized) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get());
  auto* Panel = new TCountingPanel(SkinForm->Form());
  Panel->SetParent(SkinForm->Form());
  Panel->SetSkinData(Skin.get());
  SkinForm->SetWindowState(wsMaximized);
  Panel->Reads = 0;
  SkinForm->SetSkinnableForm(false);
  EXPECT_FALSE(SkinForm->SkinnableForm());
  EXPECT_EQ(SendMessage(SkinForm->Form()->Handle(), SP_QUERYSKINNABLE, 0, 0), SKINNABLE_RESULT_NO);
  EXPECT_EQ(Panel->Reads, 1);
  EXPECT_EQ(SkinForm->Form()->WindowState(), wsMaximized);
  EXPECT_TRUE(SkinForm->Form()->Visible());
  SkinForm->SetSkinnableForm(true);
  EXPECT_TRUE(SkinForm->SkinnableForm());
  EXPECT_EQ(SendMessage(SkinForm->Form()->Handle(), SP_QUERYSKINNABLE, 0, 0), SKINNABLE_RESULT_YES);
  EXPECT_EQ(SkinForm->Form()->WindowState(), wsNormal);
  EXPECT_EQ(SkinForm->WindowState(), wsMaximized);
  EXPECT_TRUE(SkinForm->Form()->Visible());
}

TEST_F(SkinFormApiTest, ARibbonFormIsNeverSkinnable) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get());
  SkinForm->SetUseRibbon(true);
  EXPECT_FALSE(SkinForm->SkinnableForm());
  SkinForm->SetSkinnableForm(true);
  EXPECT_FALSE(SkinForm->SkinnableForm());
  SkinForm->SetUseRibbon(false);
  SkinForm->SetSkinnableForm(true);
  EXPECT_TRUE(SkinForm->SkinnableForm());
}

TEST_F(SkinFormApiTest, AnMdiFrameWithDocumentsKeepsItsFrame) {
  TspSkinForm* Frame = NewMdiFrame(Bounds(0, 0, 600, 400), Skin.get());
  Frame->Form()->Show();
  NewMdiDocument("First", "First", Bounds(0, 0, 200, 150), Skin.get());
  Frame->SetSkinnableForm(false);
  EXPECT_TRUE(Frame->SkinnableForm());
}

}  // namespace
}  // namespace skin_form_api_test
