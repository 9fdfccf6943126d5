// A form wearing the default skin with a page control of eight tabs, a tree and a
// report-style list view on its first page, on the desktop: the user clicks a tab,
// opens a tree node by its button and pages the list down by its scroll bar, all with
// xdotool; the screenshot is kept as docs/skin-tabs-views.png for a person to look at,
// and compared with it.

#include <string>

#include "components/controls/SkinTabs.h"
#include "components/forms/SkinForm.h"
#include "platform/ui/Forms.h"
#include "platform/ui/native/TabControlMessages.h"
#include "tests/e2e/DefaultSkinOnDisk.h"
#include "tests/e2e/X11BackendFixture.h"
#include "tests/support/Pictures.h"

namespace e2e {
namespace {

class X11SkinTabsViewsTest : public X11DefaultSkinTest {
 protected:
  // A vertical skinned bar at the right of AView's place, the view narrowed for it.
  TspSkinScrollBar* AddBar(TWinControl* AParent, TRect& AViewPlace) {
    auto* Bar = new TspSkinScrollBar(Form);
    Bar->SetParent(AParent);
    Bar->SetKind(sbVertical);
    Bar->SetSkinData(Skin.get());
    Bar->SetSkinDataName("vscrollbar");
    Bar->SetBounds(AViewPlace.Right - 12, AViewPlace.Top, 12, AViewPlace.Height());
    AViewPlace.Right -= 12;
    return Bar;
  }

  void BuildForm() {
    Form = Application->CreateForm<TForm>();
    Form->SetCaption("Pelladrin");
    auto* SkinForm = new TspSkinForm(Form);
    SkinForm->SetSkinData(Skin.get());
    Form->SetBoundsRect(Place);

    Pages = new TspSkinPageControl(Form);
    Pages->SetParent(Form);
    const char* Captions[] = {"General",         "Video codec",  "Audio codec", "Subtitles",
                              "Picture overlay", "Text overlay", "Tags",        "Output folder"};
    for (const char* Caption : Captions) {
      auto* Sheet = new TspSkinTabSheet(Form);
      Sheet->SetPageControl(Pages);
      Sheet->SetCaption(Caption);
    }
    Pages->SetAlign(alClient);
    Pages->SetSkinData(Skin.get());
    TWinControl* First = Pages->Pages(0);

    Tree = new TspSkinCustomTreeView(Form);
    Tree->SetParent(First);
    TRect TreePlace = Bounds(8, 8, 170, 250);
    Tree->SetVScrollBar(AddBar(First, TreePlace));
    Tree->SetBoundsRect(TreePlace);
    Tree->SetSkinData(Skin.get());
    Tree->SetDrawSkin(true);
    const char* Folders[] = {"Videos", "Music", "Pictures", "Recordings"};
    for (const char* Folder : Folders) {
      TTreeNode* Node = Tree->Items().Add(nullptr, Folder);
      for (int I = 1; I <= 3; ++I) Tree->Items().AddChild(Node, String(Folder) + " " + std::to_string(I));
    }
    Tree->Items().Item(4)->Expand(false);

    List = new TspSkinListView(Form);
    List->SetParent(First);
    TRect ListPlace = Bounds(190, 8, 290, 250);
    List->SetVScrollBar(AddBar(First, ListPlace));
    List->SetBoundsRect(ListPlace);
    List->SetViewStyle(vsReport);
    List->SetRowSelect(true);
    List->SetHideSelection(false);
    List->SetSkinData(Skin.get());
    List->SetDrawSkin(true);
    List->DrawSkinLines = true;
    const std::pair<const char*, int> Columns[] = {{"Name", 130}, {"Size", 64}, {"Status", 80}};
    for (const auto& [Caption, Width] : Columns) {
      TListColumn* Column = List->Columns().Add();
      Column->SetCaption(Caption);
      Column->SetWidth(Width);
    }
    List->Columns()[1]->SetAlignment(taRightJustify);
    for (int I = 1; I <= 40; ++I) {
      TListItem* Item = List->Items().Add();
      Item->SetCaption("clip " + std::string(I < 10 ? "0" : "") + std::to_string(I) + ".mp4");
      Item->SubItems().Add(std::to_string(10 + I * 7 % 90) + " MB");
      Item->SubItems().Add(I < 3 ? "Done" : "Ready");
    }
    List->Items().Item(1)->SetSelected(true);
  }

  void Click(TPoint AScreenPoint) {
    VirtualDisplay().Xdotool("mousemove " + std::to_string(AScreenPoint.X) + " " +
                             std::to_string(AScreenPoint.Y) + " click 1");
  }
  TPoint CentreOnScreen(TControl& AControl, const TRect& ARect) {
    return AControl.ClientToScreen({(ARect.Left + ARect.Right) / 2, (ARect.Top + ARect.Bottom) / 2});
  }
  TRect TabRect(int AIndex) {
    TRect Result;
    Pages->Perform(TCM_GETITEMRECT, static_cast<WPARAM>(AIndex), reinterpret_cast<LPARAM>(&Result));
    return Result;
  }

  const TRect Place = Bounds(60, 60, 500, 380);
  TForm* Form = nullptr;
  TspSkinPageControl* Pages = nullptr;
  TspSkinCustomTreeView* Tree = nullptr;
  TspSkinListView* List = nullptr;
};

TEST_F(X11SkinTabsViewsTest, TabsTreeAndListAnswerTheMouseAndLookAsTheirPictureInDocs) {
  BuildForm();
  Form->Show();
  ASSERT_TRUE(PumpUntil([&] {
    const TXid Window = Other().WindowTitled("Pelladrin");
    return Window != 0 && Other().Geometry(Window) == Place;
  }));
  // Eight tabs do not fit: the skinned up-down scrolls them.
  ASSERT_NE(Pages->SkinUpDown(), nullptr);

  Click(CentreOnScreen(*Pages, TabRect(1)));
  ASSERT_TRUE(PumpUntil([&] { return Pages->ActivePageIndex() == 1; }));
  Click(CentreOnScreen(*Pages, TabRect(0)));
  ASSERT_TRUE(PumpUntil([&] { return Pages->ActivePageIndex() == 0 && List->Visible(); }));

  // The button of "Videos" sits in the middle of the indent.
  TTreeNode* Videos = Tree->Items().Item(0);
  ASSERT_FALSE(Videos->Expanded());
  const TRect Row = Videos->DisplayRect(false);
  Click(Tree->ClientToScreen({Tree->Indent() / 2, (Row.Top + Row.Bottom) / 2}));
  ASSERT_TRUE(PumpUntil([&] { return Videos->Expanded(); }));

  // A click on the bar's track below its thumb pages the list down.
  TspSkinScrollBar* Bar = List->VScrollBar();
  ASSERT_TRUE(PumpUntil([&] { return Bar->Visible(); }));
  const int Page = Bar->PageSize();
  Click(Bar->ClientToScreen({Bar->Width() / 2, Bar->Height() - 30}));
  ASSERT_TRUE(PumpUntil([&] { return List->TopItem() && List->TopItem()->Index() == Page; }));
  EXPECT_EQ(Bar->Position(), Page);

  // The pointer leaves the form, so that nothing shows its hot look.
  VirtualDisplay().Xdotool("mousemove 1000 700");
  ASSERT_TRUE(PumpUntil([&] { return Other().WindowTitled("Pelladrin") != 0; }));
  Form->Repaint();
  ProcessPendingMessages();
  Other().Synchronize();
  const TPixelImage Shot = VirtualDisplay().Screenshot(Place);
  // Anti-aliased edges may differ by a shade between machines.
  EXPECT_TRUE(testing_support::MatchesReferencePicture(Shot, "docs/skin-tabs-views.png", {24, 400}));
}

}  // namespace
}  // namespace e2e
