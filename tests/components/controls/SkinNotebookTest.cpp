// The notebook: the page shown and the rules of PageIndex, the Pages list kept in step
// with the pages (adding, inserting, deleting, renaming, exchanging, clearing), the
// focus leaving a hidden page, and buttons mode with its two stacks of page buttons.

#include "components/controls/SkinBars.h"
#include "platform/ui/Forms.h"
#include "platform/ui/native/Edit.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/controls/MoreControlsFixture.h"

namespace more_controls_test {
namespace {

class SkinNotebookTest : public MoreControlsTest {
 protected:
  void SetUp() override {
    MoreControlsTest::SetUp();
    Host().SetBounds(100, 100, 300, 300);
    Notebook = new TspSkinNotebook(&Host());
    Notebook->SetBounds(0, 0, 200, 200);
    Notebook->SetParent(&Host());
    Notebook->OnPageChanged = [this](TObject*) { ++Changes; };
  }
  // The captions of the pages, and which of them show, in page order.
  std::vector<String> Captions() const {
    std::vector<String> Result;
    for (int I = 0; I < Notebook->PageCount(); ++I) Result.push_back(Notebook->Page(I)->Caption());
    return Result;
  }
  std::vector<String> Shown() const {
    std::vector<String> Result;
    for (int I = 0; I < Notebook->PageCount(); ++I)
      if (Notebook->Page(I)->Visible()) Result.push_back(Notebook->Page(I)->Caption());
    return Result;
  }
  // The list and the pages agree line by line: caption and object.
  void ExpectListInStep() const {
    TStrings& Pages = Notebook->Pages();
    ASSERT_EQ(Pages.Count(), Notebook->PageCount());
    for (int I = 0; I < Pages.Count(); ++I) {
      EXPECT_EQ(Pages.Strings(I), Notebook->Page(I)->Caption());
      EXPECT_EQ(Pages.Objects(I), Notebook->Page(I));
    }
  }

  TspSkinNotebook* Notebook = nullptr;
  int Changes = 0;
};

TEST_F(SkinNotebookTest, ANewNotebookShowsItsOneDefaultPageFillingIt) {
  EXPECT_EQ(Captions(), std::vector<String>{"Default"});
  EXPECT_EQ(Notebook->PageIndex(), 0);
  EXPECT_EQ(Notebook->ActivePage(), "Default");
  EXPECT_EQ(Shown(), std::vector<String>{"Default"});
  ShowHost();
  // Framed: the page fills the notebook inside the one-pixel border.
  EXPECT_EQ(Notebook->Page(0)->BoundsRect(), Rect(1, 1, 199, 199));
}

TEST_F(SkinNotebookTest, AddingAPageShowsItHidesThePreviousOneAndTellsTheChange) {
  EXPECT_EQ(Notebook->Pages().Add("Second"), 1);
  EXPECT_EQ(Notebook->PageIndex(), 1);
  EXPECT_EQ(Notebook->ActivePage(), "Second");
  EXPECT_EQ(Shown(), std::vector<String>{"Second"});
  EXPECT_EQ(Changes, 1);
  ExpectListInStep();
  Notebook->SetActivePage("default");
  EXPECT_EQ(Notebook->PageIndex(), 0);
  EXPECT_EQ(Shown(), std::vector<String>{"Default"});
  EXPECT_EQ(Changes, 2);
  // A page asked to show itself becomes the shown page.
  Notebook->Page(1)->Show();
  EXPECT_EQ(Notebook->PageIndex(), 1);
  EXPECT_EQ(Shown(), std::vector<String>{"Second"});
}

TEST_F(SkinNotebookTest, WhileLoadingTheIndexIsOnlyStoredAndItsPageShowsWhenLoadingEnds) {
  Notebook->BeginLoading();
  Notebook->Pages().Add("Second");
  Notebook->Pages().Add("Third");
  Notebook->SetPageIndex(1);
  EXPECT_EQ(Shown(), std::vector<String>{"Default"});
  Notebook->EndLoading();
  EXPECT_EQ(Notebook->PageIndex(), 1);
  EXPECT_EQ(Shown(), std::vector<String>{"Second"});
  EXPECT_EQ(Changes, 0);
  // A stored index that names no page leaves none shown.
  Notebook->BeginLoading();
  Notebook->SetPageIndex(7);
  Notebook->EndLoading();
  EXPECT_EQ(Notebook->PageIndex(), -1);
  EXPECT_EQ(Notebook->ActivePage(), "");
}

TEST_F(SkinNotebookTest, IndexesOutsideThePagesTheShownOneAndUnknownCaptionsChangeNothing) {
  Notebook->Pages().Add("Second");
  Changes = 0;
  for (const int Index : {5, 2, -1, 1}) {
    SCOPED_TRACE(Index);
    Notebook->SetPageIndex(Index);
    EXPECT_EQ(Notebook->PageIndex(), 1);
    EXPECT_EQ(Shown(), std::vector<String>{"Second"});
  }
  Notebook->SetActivePage("Third");
  EXPECT_EQ(Notebook->PageIndex(), 1);
  EXPECT_EQ(Changes, 0);
}

TEST_F(SkinNotebookTest, DeletingShowsTheFirstPageAndTheLastDeletionLeavesNoneWithoutCrashing) {
  Notebook->Pages().Add("Second");
  Notebook->Pages().Add("Third");
  // The shown page goes: the first page shows instead.
  Notebook->Pages().Delete(2);
  EXPECT_EQ(Captions(), (std::vector<String>{"Default", "Second"}));
  EXPECT_EQ(Notebook->PageIndex(), 0);
  EXPECT_EQ(Shown(), std::vector<String>{"Default"});
  ExpectListInStep();
  // The shown first page goes: the next one moves up and shows.
  Notebook->Pages().Delete(0);
  EXPECT_EQ(Notebook->PageIndex(), 0);
  EXPECT_EQ(Shown(), std::vector<String>{"Second"});
  Notebook->Pages().Delete(0);
  EXPECT_EQ(Notebook->PageCount(), 0);
  EXPECT_EQ(Notebook->PageIndex(), -1);
  EXPECT_EQ(Notebook->ActivePage(), "");
  EXPECT_THROW(Notebook->Pages().Delete(0), EListError);
}

TEST_F(SkinNotebookTest, ClearingLeavesNoPageShownAndAssigningMakesOnePerLine) {
  Notebook->Pages().Add("Second");
  Notebook->Pages().Clear();
  EXPECT_EQ(Notebook->PageCount(), 0);
  EXPECT_EQ(Notebook->PageIndex(), -1);
  EXPECT_EQ(Notebook->ActivePage(), "");
  TStringList Lines;
  Lines.SetCommaText("Video,Audio,Subtitles");
  Notebook->SetPages(Lines);
  EXPECT_EQ(Captions(), (std::vector<String>{"Video", "Audio", "Subtitles"}));
  // Each addition showed its page: the last one shows.
  EXPECT_EQ(Notebook->ActivePage(), "Subtitles");
  EXPECT_EQ(Shown(), std::vector<String>{"Subtitles"});
  ExpectListInStep();
}

TEST_F(SkinNotebookTest, InsertingShowsTheNewPageAlsoAtTheShownIndex) {
  Notebook->Pages().Add("Second");
  Notebook->Pages().Insert(1, "Between");
  EXPECT_EQ(Captions(), (std::vector<String>{"Default", "Between", "Second"}));
  EXPECT_EQ(Notebook->ActivePage(), "Between");
  EXPECT_EQ(Shown(), std::vector<String>{"Between"});
  Notebook->Pages().Insert(0, "First");
  EXPECT_EQ(Notebook->PageIndex(), 0);
  EXPECT_EQ(Shown(), std::vector<String>{"First"});
  ExpectListInStep();
  EXPECT_THROW(Notebook->Pages().Insert(9, "Far"), EListError);
}

TEST_F(SkinNotebookTest, RenamingAndExchangingKeepTheListInStepAndTheShownPageShowing) {
  Notebook->Pages().Add("B");
  Notebook->Pages().Add("C");
  Notebook->Pages().SetStrings(0, "A");
  Notebook->SetPageIndex(0);
  Notebook->Pages().Move(0, 2);
  EXPECT_EQ(Captions(), (std::vector<String>{"C", "B", "A"}));
  EXPECT_EQ(Notebook->PageIndex(), 2);
  EXPECT_EQ(Notebook->ActivePage(), "A");
  EXPECT_EQ(Shown(), std::vector<String>{"A"});
  ExpectListInStep();
}

TEST_F(SkinNotebookTest, APageFreedByCodeLeavesTheList) {
  Notebook->Pages().Add("Second");
  delete Notebook->Page(0);
  EXPECT_EQ(Captions(), std::vector<String>{"Second"});
  EXPECT_EQ(Notebook->PageIndex(), 0);
  EXPECT_EQ(Notebook->ActivePage(), "Second");
}

TEST_F(SkinNotebookTest, APageLetsTheMouseThroughItsOwnSurface) {
  ShowHost();
  TspSkinPage* Page = Notebook->Page(0);
  EXPECT_EQ(SendMessage(Page->Handle(), WM_NCHITTEST, 0, PointToLParam(Page->ClientToScreen({50, 50}))),
            HTTRANSPARENT);
}

TEST_F(SkinNotebookTest, SwitchingPagesMovesTheFocusFromTheHiddenPageToTheFirstControlOfTheNotebook) {
  std::unique_ptr<TForm> Form(MakeForm<TForm>(nullptr));
  Form->SetBounds(100, 100, 300, 300);
  auto* Book = new TspSkinNotebook(Form.get());
  Book->SetBounds(0, 0, 250, 250);
  Book->SetParent(Form.get());
  Book->Pages().Add("Second");
  Book->SetPageIndex(0);
  auto PlaceEdit = [](TspSkinPage* APage) {
    auto* Edit = new TEdit(APage);
    Edit->SetBounds(10, 10, 100, 24);
    Edit->SetParent(APage);
    return Edit;
  };
  TEdit* OnFirst = PlaceEdit(Book->Page(0));
  TEdit* OnSecond = PlaceEdit(Book->Page(1));
  Form->Show();
  Form->SetActiveControl(OnFirst);
  InjectTopLevelFocus(Form->Handle(), true);
  Pump();
  ASSERT_TRUE(OnFirst->Focused());
  Book->SetPageIndex(1);
  Pump();
  EXPECT_TRUE(OnSecond->Focused());
  EXPECT_EQ(Form->ActiveControl(), OnSecond);
}

class SkinNotebookButtonsTest : public SkinNotebookTest {
 protected:
  void SetUp() override {
    SkinNotebookTest::SetUp();
    Notebook->Pages().Clear();
    Notebook->Pages().Add("A");
    Notebook->Pages().Add("B");
    Notebook->Pages().Add("C");
    Notebook->SetPageIndex(1);
    Notebook->SetButtonsMode(true);
    ShowHost();
  }
  // The captions of the buttons from the top of the notebook down, each with its side.
  std::vector<String> Stack() const {
    std::vector<TspPageButton*> Buttons = Notebook->Buttons();
    std::sort(Buttons.begin(), Buttons.end(), [](auto* A, auto* B) { return A->Top() < B->Top(); });
    std::vector<String> Result;
    for (TspPageButton* Button : Buttons)
      Result.push_back(Button->Caption() + (Button->Align() == alTop ? "^" : "v"));
    return Result;
  }
};

TEST_F(SkinNotebookButtonsTest, ButtonsUpToTheShownPageStackAtTheTopAndTheOthersAtTheBottom) {
  EXPECT_EQ(Stack(), (std::vector<String>{"A^", "B^", "Cv"}));
  // The shown page fills what the buttons leave: two 25-pixel buttons above, one below.
  EXPECT_EQ(Notebook->Page(1)->BoundsRect(), Rect(1, 51, 199, 174));
  EXPECT_EQ(Notebook->Buttons()[2]->BoundsRect(), Rect(1, 174, 199, 199));
}

TEST_F(SkinNotebookButtonsTest, ClickingALowerButtonShowsItsPageAndMovesItUpBelowTheOthers) {
  int Clicks = 0;
  Notebook->Buttons()[2]->OnClick = [&](TObject*) { ++Clicks; };
  InjectClick(OnHost(100, 185));
  Pump();
  EXPECT_EQ(Notebook->ActivePage(), "C");
  EXPECT_EQ(Stack(), (std::vector<String>{"A^", "B^", "C^"}));
  EXPECT_EQ(Notebook->Buttons()[2]->BoundsRect(), Rect(1, 51, 199, 76));
  EXPECT_EQ(Clicks, 1);
  InjectClick(OnHost(100, 10));
  Pump();
  EXPECT_EQ(Notebook->ActivePage(), "A");
  EXPECT_EQ(Stack(), (std::vector<String>{"A^", "Bv", "Cv"}));
}

TEST_F(SkinNotebookButtonsTest, APageChangeHandlerThatRebuildsTheButtonsFreesTheClickedOneSafely) {
  // Adding a page builds the buttons anew: the one clicked is freed inside its click.
  Notebook->OnPageChanged = [this](TObject*) {
    if (Notebook->PageCount() == 3) Notebook->Pages().Add("D");
  };
  int Clicks = 0;
  Notebook->Buttons()[2]->OnClick = [&](TObject*) { ++Clicks; };
  InjectClick(OnHost(100, 185));
  Pump();
  // The page added in the handler is shown.
  EXPECT_EQ(Notebook->ActivePage(), "D");
  EXPECT_EQ(Notebook->PageCount(), 4);
  // The freed button's click event never ran.
  EXPECT_EQ(Clicks, 0);
}

TEST_F(SkinNotebookButtonsTest, TheListRebuildsAndRenamesTheButtonsAndLeavingTheModeFreesThem) {
  Notebook->Pages().Add("D");
  EXPECT_EQ(Stack(), (std::vector<String>{"A^", "B^", "C^", "D^"}));
  Notebook->Pages().SetStrings(3, "Last");
  EXPECT_EQ(Notebook->Buttons()[3]->Caption(), "Last");
  Notebook->SetButtonsMode(false);
  EXPECT_TRUE(Notebook->Buttons().empty());
  EXPECT_EQ(Notebook->Page(3)->BoundsRect(), Rect(1, 1, 199, 199));
}

TEST_F(SkinNotebookButtonsTest, AButtonShowsItsPagesPictureOnlyWhenTheImagesHoldIt) {
  auto* Images = new TCustomImageList(&Host(), 16, 16);
  TBitmap Picture;
  Picture.SetSize(16, 16);
  Images->Add(Picture, nullptr);
  Notebook->Page(0)->ImageIndex = 0;
  Notebook->Page(1)->ImageIndex = 1;  // past the end of the list
  Notebook->SetImages(Images);
  const std::vector<TspPageButton*>& Buttons = Notebook->Buttons();
  EXPECT_EQ(Buttons[0]->ImageList(), Images);
  EXPECT_EQ(Buttons[0]->ImageIndex(), 0);
  for (TspPageButton* Button : {Buttons[1], Buttons[2]}) {
    EXPECT_EQ(Button->ImageList(), nullptr);
    EXPECT_EQ(Button->ImageIndex(), -1);
  }
  delete Images;
  EXPECT_EQ(Notebook->Images(), nullptr);
  EXPECT_EQ(Notebook->Buttons()[0]->ImageList(), nullptr);
}

TEST_F(SkinNotebookButtonsTest, RemovingTheLastPageLeavesNoButtons) {
  Notebook->Pages().Clear();
  EXPECT_TRUE(Notebook->Buttons().empty());
  EXPECT_EQ(Notebook->PageIndex(), -1);
}

// The default skin: the notebook's frame and its page buttons from "toolbutton".
TEST_F(SkinNotebookButtonsTest, TheDefaultSkinDrawsTheNotebookAndItsButtons) {
  Notebook->SetSkinData(&SkinNew());
  // A page takes the notebook's skin when it is shown; the buttons when they are made.
  Notebook->SetPageIndex(0);
  Notebook->SetPageIndex(1);
  Notebook->SetButtonsMode(true);
  Pump();
  EXPECT_EQ(Notebook->Page(1)->SkinData(), &SkinNew());
  EXPECT_TRUE(HostLooksAsInItsPicture("notebook-buttons-default-skin"));
}

}  // namespace
}  // namespace more_controls_test
