// The MDI tabs bar on a skinned MDI frame: tabs follow the documents as they are shown,
// activated, hidden, closed and freed; a click on a tab brings its document forward;
// the layout narrows tabs and hides those that do not fit behind a button; tabs are
// dragged into another order; close buttons, list menus and the document menu.

#include <gtest/gtest.h>

#include <vector>

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMdiTabs.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/Application.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/headless/HeadlessInput.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace skin_mdi_tabs_test {
namespace {

using skin_form_test::LoadDefaultSkin;
using skin_form_test::SkinFormTest;

// A shown MDI frame of 600 × 400 with a skin component, its tabs bar along the top,
// and skinned documents made on demand.
class SkinMdiTabsTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    MainSkin = NewMdiFrame(TRect{50, 50, 650, 450});
    Main = static_cast<TForm*>(MainSkin->Form());
    Bar = new TspSkinMDITabsBar(Main);
    Bar->SetParent(Main);
    Bar->SetAlign(alTop);
    Bar->SetSkinForm(MainSkin);
    Main->Show();
    Pump();
  }

  static void Pump() { ProcessPendingMessages(); }

  // A shown, skinned document named and captioned AName.
  TForm* NewChild(const String& AName) {
    return static_cast<TForm*>(NewMdiDocument(AName, AName, Bounds(10, 10, 200, 150))->Form());
  }

  // The documents of the tabs in bar order, "*" marking active tabs.
  std::vector<String> Tabs() const {
    std::vector<String> Names;
    for (int I = 0; I < Bar->TabCount(); ++I)
      Names.push_back((Bar->Tab(I).Active ? "*" : "") + Bar->Tab(I).Child->Name());
    return Names;
  }

  TPoint TabPoint(int AIndex, int ADX = 0) {
    Bar->CalcTabRects();
    const TRect R = Bar->Tab(AIndex).ObjectRect;
    return Bar->ClientToScreen(TPoint{R.Left + R.Width() / 2 + ADX, R.Top + R.Height() / 2});
  }

  void Click(const TPoint& AScreen, TPointerButton AButton = pbLeft) {
    InjectClick(AScreen, AButton);
    Pump();
  }

  String ActiveName() const {
    TCustomForm* Active = Main->ActiveMDIChild();
    return Active ? Active->Name() : String("none");
  }

  TForm* Main = nullptr;
  TspSkinForm* MainSkin = nullptr;
  TspSkinMDITabsBar* Bar = nullptr;
};

using Names = std::vector<String>;

TEST_F(SkinMdiTabsTest, TabsFollowDocumentsShownActivatedHiddenClosedAndFreed) {
  EXPECT_EQ(Bar->TabCount(), 0);
  EXPECT_EQ(Bar->ListButton(), nullptr);
  TForm* A = NewChild("A");
  EXPECT_EQ(Tabs(), (Names{"*A"}));
  ASSERT_NE(Bar->ListButton(), nullptr);
  TForm* B = NewChild("B");
  TForm* C = NewChild("C");
  EXPECT_EQ(Tabs(), (Names{"A", "B", "*C"}));

  A->Show();
  Pump();
  EXPECT_EQ(Tabs(), (Names{"*A", "B", "C"}));

  // Hiding takes the tab away and the client activates the next document.
  A->Hide();
  Pump();
  EXPECT_EQ(ActiveName(), "C");
  EXPECT_EQ(Tabs(), (Names{"B", "*C"}));
  A->Show();
  Pump();
  EXPECT_EQ(Tabs(), (Names{"B", "C", "*A"}));

  // A closed document is freed; one freed without hiding leaves no tab either.
  B->Close();
  Pump();
  EXPECT_EQ(Tabs(), (Names{"C", "*A"}));
  delete C;
  Pump();
  EXPECT_EQ(Tabs(), (Names{"*A"}));
  A->Close();
  Pump();
  EXPECT_EQ(Bar->TabCount(), 0);
  EXPECT_EQ(Bar->ListButton(), nullptr);
}

TEST_F(SkinMdiTabsTest, ADocumentTheFrameRefusesGetsNoTabAndANewCaptionShows) {
  auto* Refused = Application->CreateForm<TForm>();
  Refused->SetName("Refused");
  Refused->SetFormStyle(fsMDIChild);
  auto* RefusedSkin = new TspSkinForm(Refused);
  RefusedSkin->OnAcceptToMDITabsBar = [](bool& Accept) { Accept = false; };
  Refused->Show();
  Pump();
  EXPECT_EQ(Bar->TabCount(), 0);

  TForm* A = NewChild("A");
  String Drawn;
  Bar->OnTabGetDrawParamsEvent = [&Drawn](TspMDITab* Tab, TCanvas&) { Drawn = Tab->Child->Caption(); };
  A->SetCaption("Renamed");
  Pump();
  EXPECT_EQ(Drawn, "Renamed");
}

TEST_F(SkinMdiTabsTest, ClickingATabBringsItsDocumentForwardRestoredWhenMinimized) {
  TForm* A = NewChild("A");
  NewChild("B");
  std::vector<String> Downs;
  Bar->OnTabMouseDown = [&Downs](TMouseButton, TShiftState, TspMDITab* Tab) {
    Downs.push_back(Tab->Child->Name());
  };
  Click(TabPoint(0));
  EXPECT_EQ(ActiveName(), "A");
  EXPECT_EQ(Tabs(), (Names{"*A", "B"}));

  TspSkinForm* ASkin = FindSkinForm(A);
  ASkin->SetWindowState(wsMinimized);
  Pump();
  ASSERT_EQ(ASkin->WindowState(), wsMinimized);
  Click(TabPoint(1));
  EXPECT_EQ(ActiveName(), "B");
  Click(TabPoint(0));
  EXPECT_EQ(ASkin->WindowState(), wsNormal);
  EXPECT_EQ(ActiveName(), "A");
  EXPECT_EQ(Downs, (Names{"A", "B", "A"}));
}

TEST_F(SkinMdiTabsTest, TabsNarrowToShareTheBarOrHideBehindAButton) {
  // Ten documents on 316 pixels: 30 each after the 15-pixel list button, the last one
  // reaching the right edge.
  Bar->SetWidth(316);
  for (int I = 0; I < 10; ++I) NewChild("D" + std::to_string(I));
  Bar->SetAlign(alNone);
  Bar->SetWidth(316);
  Bar->CalcTabRects();
  EXPECT_EQ(Bar->Tab(0).ObjectRect, (TRect{15, 0, 45, Bar->Height()}));
  EXPECT_EQ(Bar->Tab(8).ObjectRect.Right, 285);
  EXPECT_EQ(Bar->Tab(9).ObjectRect, (TRect{285, 0, 316, Bar->Height()}));
  EXPECT_EQ(Bar->InVisibleCount(), 0);

  // With at least 50 pixels a tab, 230 pixels show four of six; the hidden-tabs button
  // lists the other two.
  for (int I = 0; I < 4; ++I) {
    Main->MDIChildren(0)->Close();
    Pump();
  }
  ASSERT_EQ(Bar->TabCount(), 6);
  Bar->SetMinTabWidth(50);
  Bar->SetWidth(230);
  Bar->Repaint();
  Pump();
  EXPECT_EQ(Bar->InVisibleCount(), 2);
  for (int I = 0; I < 6; ++I) EXPECT_EQ(Bar->Tab(I).Visible, I < 4) << I;
  EXPECT_EQ(Bar->Tab(3).ObjectRect, (TRect{165, 0, 215, Bar->Height()}));
  ASSERT_NE(Bar->HideListButton(), nullptr);
  Bar->UpdateHideListMenu();
  TMenuItem* Hidden = Bar->HideListMenu().Items();
  ASSERT_EQ(Hidden->Count(), 2);
  EXPECT_EQ(Hidden->Items(0)->Name(), Bar->Tab(4).Child->Name() + "_DSFCHILDITEMBARHIDE");
  EXPECT_EQ(Hidden->Items(1)->Caption(), Bar->Tab(5).Child->Caption());

  // Room for all again: the button goes.
  Bar->SetWidth(400);
  Bar->Repaint();
  Pump();
  EXPECT_EQ(Bar->InVisibleCount(), 0);
  EXPECT_EQ(Bar->HideListButton(), nullptr);
}

TEST_F(SkinMdiTabsTest, DraggingATabPastAnothersMiddleMovesItAndAStillPressIsAClick) {
  for (const char* Name : {"A", "B", "C"}) NewChild(Name);
  std::vector<String> Ups;
  Bar->OnTabMouseUp = [&Ups](TMouseButton, TShiftState, TspMDITab* Tab) {
    Ups.push_back(Tab->Child->Name());
  };
  // Pressed and released without moving: a click; moving afterwards drags nothing.
  const TPoint A = TabPoint(0);
  InjectPointerPress(A);
  InjectPointerRelease(A);
  InjectPointerMove(TPoint{A.X + 150, A.Y});
  Pump();
  EXPECT_FALSE(Bar->IsDrag());
  EXPECT_EQ(Ups, (Names{"A"}));
  EXPECT_EQ(Tabs(), (Names{"*A", "B", "C"}));

  // 100-pixel tabs: moving the first one 160 pixels puts its right edge past the
  // middle of the third.
  InjectPointerPress(A);
  InjectPointerMove(TPoint{A.X + 80, A.Y});
  InjectPointerMove(TPoint{A.X + 160, A.Y});
  Pump();
  EXPECT_TRUE(Bar->IsDrag());
  EXPECT_EQ(Bar->GetDropIndex(), 2);
  InjectPointerRelease(TPoint{A.X + 160, A.Y});
  Pump();
  EXPECT_FALSE(Bar->IsDrag());
  EXPECT_EQ(Tabs(), (Names{"B", "C", "*A"}));
  EXPECT_EQ(Ups, (Names{"A"}));

  // Back left past the first tab's middle: it goes first again.
  const TPoint Last = TabPoint(2);
  InjectPointerPress(Last);
  InjectPointerMove(TPoint{Last.X - 190, Last.Y});
  InjectPointerRelease(TPoint{Last.X - 190, Last.Y});
  Pump();
  EXPECT_EQ(Tabs(), (Names{"*A", "B", "C"}));
}

TEST_F(SkinMdiTabsTest, ReleasingOverACloseButtonClosesTheDocument) {
  Bar->SetShowCloseButtons(true);
  NewChild("A");
  NewChild("B");
  Bar->Repaint();
  Pump();
  const TspMDITab& First = Bar->Tab(0);
  // The 14-pixel button right of the text, centred in the tab.
  const TRect Button = First.ButtonRect;
  EXPECT_EQ(Button.Width(), 14);
  EXPECT_EQ(Button.Left, First.ObjectRect.Width() - 14 - 5);
  const TPoint OnButton = Bar->ClientToScreen(
      TPoint{First.ObjectRect.Left + Button.Left + 7, First.ObjectRect.Top + Button.Top + 7});
  // Pressed on the bar beyond the tabs, released on A's close button.
  InjectPointerPress(Bar->ClientToScreen(TPoint{Bar->Width() - 50, 5}));
  InjectPointerMove(OnButton);
  InjectPointerRelease(OnButton);
  Pump();
  EXPECT_EQ(Tabs(), (Names{"*B"}));
  EXPECT_EQ(Main->MDIChildCount(), 1);
  // A click on the rest of the tab closes nothing.
  Click(TabPoint(0, -20));
  EXPECT_EQ(Main->MDIChildCount(), 1);
}

TEST_F(SkinMdiTabsTest, TheHotTabFollowsTheMouseAndLeavesWithItsDocument) {
  NewChild("A");
  NewChild("B");
  std::vector<String> Events;
  Bar->OnTabMouseEnter = [&Events](TspMDITab* Tab) { Events.push_back("+" + Tab->Child->Name()); };
  Bar->OnTabMouseLeave = [&Events](TspMDITab* Tab) { Events.push_back("-" + Tab->Child->Name()); };
  InjectPointerMove(TabPoint(0));
  Pump();
  EXPECT_TRUE(Bar->Tab(0).MouseIn);
  InjectPointerMove(TabPoint(1));
  Pump();
  EXPECT_FALSE(Bar->Tab(0).MouseIn);
  EXPECT_TRUE(Bar->Tab(1).MouseIn);
  // The hot tab's document goes: its tab leaves first.
  Main->MDIChildren(0)->Close();
  Pump();
  EXPECT_EQ(Events, (Names{"+A", "-A", "+B", "-B"}));
}

TEST_F(SkinMdiTabsTest, ADoubleClickOnATabMovesItsNormalDocumentToTheTopLeft) {
  TForm* A = NewChild("A");
  A->SetBounds(40, 30, 200, 150);
  InjectDoubleClick(TabPoint(0));
  Pump();
  EXPECT_EQ(A->BoundsRect(), (TRect{40, 30, 240, 180}));
  Bar->DblClickChildMove = true;
  InjectDoubleClick(TabPoint(0));
  Pump();
  EXPECT_EQ(A->BoundsRect(), (TRect{0, 0, 200, 150}));
}

TEST_F(SkinMdiTabsTest, TheListMenuNamesEveryDocumentAndBringsTheChosenOneForward) {
  TForm* A = NewChild("A");
  NewChild("B");
  FindSkinForm(A)->SetWindowState(wsMinimized);
  Pump();
  Bar->UpdateListMenu();
  TMenuItem* Items = Bar->ListMenu().Items();
  ASSERT_EQ(Items->Count(), 2);
  EXPECT_EQ(Items->Items(0)->Name(), "A_DSFCHILDITEMBAR");
  EXPECT_TRUE(Items->Items(0)->RadioItem());
  EXPECT_EQ(Items->Items(0)->Checked(), Bar->Tab(0).Active);
  EXPECT_TRUE(Items->Items(1)->Checked());
  Items->Items(0)->Click();
  Pump();
  EXPECT_EQ(ActiveName(), "A");
  EXPECT_EQ(FindSkinForm(A)->WindowState(), wsNormal);
  // Without the frame's component the menu does nothing.
  Bar->SetSkinForm(nullptr);
  EXPECT_EQ(MainSkin->MDITabsBar, nullptr);
  Bar->UpdateListMenu();
  Bar->ListMenu().Items()->Items(1)->Click();
  Pump();
  EXPECT_EQ(ActiveName(), "A");
}

TEST_F(SkinMdiTabsTest, ARightClickOpensTheDocumentsSystemMenuInTheFramesChain) {
  NewChild("A");
  Click(TabPoint(0), pbRight);
  TspSkinMenu& Chain = MainSkin->SkinMenu();
  ASSERT_TRUE(Chain.Visible());
  ASSERT_GT(Chain.PopupCount(), 0);
  const TspSkinPopupWindow& Window = Chain.PopupWindow(0);
  ASSERT_GT(Window.ItemCount(), 0);
  EXPECT_EQ(Window.Item(Window.ItemCount() - 1).MenuItem->Name(), "DSF_CLOSE");
}

TEST_F(SkinMdiTabsTest, WithTheSkinsTabElementTabsShowItsPicturesAndTheActiveOneItsFocusColour) {
  std::unique_ptr<TspSkinData> Skin = LoadDefaultSkin();
  auto* Element = TspSkinEditor(*Skin).Control<TspDataSkinTabControl>(Skin->GetControlIndex("tab"));
  ASSERT_NE(Element, nullptr);
  Element->FocusFontColor = RGB(200, 0, 0);
  Element->ActiveFontColor = RGB(0, 200, 0);
  Element->FontColor = RGB(0, 0, 200);
  NewChild("A");
  NewChild("B");
  std::vector<std::pair<String, TColor>> TextColors;
  Bar->OnTabGetDrawParamsEvent = [&TextColors](TspMDITab* Tab, TCanvas& Canvas) {
    TextColors.emplace_back(Tab->Child->Name(), Canvas.Font().Color());
  };
  // Without the element the default height rules; with it, the tab picture's.
  Bar->SetDefaultHeight(25);
  EXPECT_EQ(Bar->Height(), 25);
  Bar->SetSkinData(Skin.get());
  Pump();
  Bar->SetDefaultHeight(40);
  // The tabs stand on a strip as high as the element's client top.
  const int Strip = Element->ClRect.Top;
  ASSERT_GT(Strip, 0);
  EXPECT_EQ(Bar->Height(), Element->TabRect.Height() + Strip);
  Bar->Repaint();
  Pump();
  const std::vector<std::pair<String, TColor>> Expected{{"A", RGB(0, 0, 200)}, {"B", RGB(200, 0, 0)}};
  ASSERT_GE(TextColors.size(), 2u);
  EXPECT_EQ(std::vector(TextColors.end() - 2, TextColors.end()), Expected);

  // The fixed left end of each tab is its state's picture, pixel for pixel.
  TBitmap* Picture = Skin->Picture(Element->PictureIndex);
  ASSERT_NE(Picture, nullptr);
  for (int I = 0; I < 2; ++I) {
    const TRect Source = Bar->Tab(I).Active ? Element->ActiveTabRect : Element->TabRect;
    const TRect& Place = Bar->Tab(I).ObjectRect;
    for (int X = 0; X < Element->TabLeftOffset; ++X)
      for (int Y = 0; Y < Source.Height(); Y += 3)
        ASSERT_EQ(PresentedPixel(Bar->Handle(), Place.Left + X, Place.Top + Y),
                  COLORREF(Picture->Canvas().Pixels(Source.Left + X, Source.Top + Y)))
            << "tab " << I << " at " << X << ", " << Y;
  }
  // The strip is the top band of the element's frame, its left corner kept.
  for (int X = 0; X < Element->LTPoint.X; ++X)
    for (int Y = 0; Y < Strip; ++Y)
      ASSERT_EQ(PresentedPixel(Bar->Handle(), X, Bar->Height() - Strip + Y),
                COLORREF(Picture->Canvas().Pixels(Element->SkinRect.Left + X, Element->SkinRect.Top + Y)))
          << "strip at " << X << ", " << Y;
  Bar->SetSkinData(nullptr);
}

TEST_F(SkinMdiTabsTest, ResizedTabsAndButtonTabsKeepTheirPicturesTopLeftCorner) {
  std::unique_ptr<TspSkinData> Skin = LoadDefaultSkin();
  const auto* Tab = Skin->Control<TspDataSkinTabControl>("tab");
  const auto* Button = Skin->Control<TspDataSkinButtonControl>("resizebutton");
  ASSERT_TRUE(Tab && Button);
  NewChild("A");
  NewChild("B");
  Bar->SetSkinData(Skin.get());
  Bar->UseSkinSize = false;
  Bar->SetHeight(Tab->TabRect.Height() + 10);
  const struct {
    TspSkinMDITabKind Kind;
    // The tabs' height; the pictures of the inactive and the active tab, and how far
    // their corner is kept.
    int TabHeight;
    const TspDataSkinControl* Element;
    TRect Normal, Active;
    int Corner;
  } Cases[] = {
      {sptkTab, Tab->TabRect.Height() + 10 - Tab->ClRect.Top, Tab, Tab->TabRect, Tab->ActiveTabRect,
       std::min(Tab->TabLeftOffset, Tab->TabRect.Height() / 4)},
      {sptkButton, Tab->TabRect.Height() + 10, Button, Button->SkinRect, Button->DownSkinRect,
       std::min(Button->LTPoint.X, Button->LTPoint.Y)},
  };
  for (const auto& Case : Cases) {
    Bar->SetTabKind(Case.Kind);
    Bar->Repaint();
    Pump();
    ASSERT_EQ(Bar->Tab(0).ObjectRect.Height(), Case.TabHeight);
    TBitmap* Picture = Skin->Picture(Case.Element->PictureIndex);
    ASSERT_NE(Picture, nullptr);
    ASSERT_GT(Case.Corner, 1);
    for (int I = 0; I < 2; ++I) {
      const TRect Source = Bar->Tab(I).Active ? Case.Active : Case.Normal;
      const TRect& Place = Bar->Tab(I).ObjectRect;
      for (int X = 0; X < Case.Corner; ++X)
        for (int Y = 0; Y < Case.Corner; ++Y)
          ASSERT_EQ(PresentedPixel(Bar->Handle(), Place.Left + X, Place.Top + Y),
                    COLORREF(Picture->Canvas().Pixels(Source.Left + X, Source.Top + Y)))
              << "kind " << Case.Kind << " tab " << I << " at " << X << ", " << Y;
    }
  }
  Bar->SetSkinData(nullptr);
}

}  // namespace
}  // namespace skin_mdi_tabs_test
