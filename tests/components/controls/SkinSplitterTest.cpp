// The splitters: a drag resizes the neighbour live, within MinSize and what the other
// aligned controls leave, snapping to 0 with AutoSnap; OnCanResize may freeze it,
// Escape ends it; the skinned bar takes its element's thickness and strip.

#include "components/controls/SkinCtrls.h"
#include "platform/ui/Forms.h"
#include "platform/win/Keyboard.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/controls/MoreControlsFixture.h"

namespace more_controls_test {
namespace {

class SkinSplitterTest : public MoreControlsTest {
 protected:
  void SetUp() override {
    MoreControlsTest::SetUp();
    Host().SetBounds(100, 100, 200, 300);
  }
  // A panel aligned to AAlign, 100 thick, and a splitter beside it, 5 thick.
  void MakePair(TAlign AAlign) {
    Neighbour = new TPanel(&Host());
    Neighbour->SetBounds(0, 0, 100, 100);
    Neighbour->SetAlign(AAlign);
    Neighbour->SetParent(&Host());
    Splitter = new TspSkinSplitterEx(&Host());
    // Placed past the panel's inner edge, so that the alignment puts it beside the panel.
    const bool Far = AAlign == alRight || AAlign == alBottom;
    Splitter->SetBounds(Far ? 0 : 150, Far ? 0 : 150, 5, 5);
    Splitter->SetAlign(AAlign);
    Splitter->SetParent(&Host());
    Splitter->OnMoved = [this](TObject*) { ++Moves; };
    ShowHost();
  }
  // Drags the splitter from its middle by the steps (along its splitting direction).
  void Drag(std::initializer_list<int> ASteps, bool ARelease = true) {
    const bool Across = Splitter->Align() == alLeft || Splitter->Align() == alRight;
    const TPoint Start =
        OnHost(Splitter->Left() + Splitter->Width() / 2, Splitter->Top() + Splitter->Height() / 2);
    InjectPointerPress(Start);
    int Offset = 0;
    for (int Step : ASteps) {
      Offset += Step;
      InjectPointerMove(Across ? TPoint{Start.X + Offset, Start.Y} : TPoint{Start.X, Start.Y + Offset});
    }
    if (ARelease)
      InjectPointerRelease(Across ? TPoint{Start.X + Offset, Start.Y} : TPoint{Start.X, Start.Y + Offset});
    Pump();
  }

  TPanel* Neighbour = nullptr;
  TspSkinSplitterEx* Splitter = nullptr;
  int Moves = 0;
};

TEST_F(SkinSplitterTest, DraggingATopSplitterDownGrowsThePanelAboveLive) {
  MakePair(alTop);
  ASSERT_EQ(Splitter->Top(), 100);
  EXPECT_EQ(Splitter->Cursor(), crVSplit);
  std::vector<int> Heights;
  Splitter->OnMoved = [&](TObject*) {
    ++Moves;
    Heights.push_back(Neighbour->Height());
  };
  Drag({10, 10});
  EXPECT_EQ(Neighbour->Height(), 120);
  EXPECT_EQ(Splitter->Top(), 120);
  // Once after each step, once more at the release.
  EXPECT_EQ(Heights, (std::vector<int>{110, 120, 120}));
}

TEST_F(SkinSplitterTest, RightAndBottomSplittersKeepTheNeighboursFarEdge) {
  MakePair(alRight);
  EXPECT_EQ(Splitter->Cursor(), crHSplit);
  ASSERT_EQ(Neighbour->Left(), 100);
  Drag({-15});
  EXPECT_EQ(Neighbour->Width(), 115);
  EXPECT_EQ(Neighbour->Left() + Neighbour->Width(), 200);
  EXPECT_EQ(Splitter->Left(), 80);
}

TEST_F(SkinSplitterTest, AutoSnapCollapsesTheNeighbourAtMinSizeAndWithoutItTheSizeStopsThere) {
  MakePair(alTop);
  Splitter->AutoSnap = false;
  Drag({-40, -40});
  EXPECT_EQ(Neighbour->Height(), 30);
  Splitter->AutoSnap = true;
  Drag({-5});
  EXPECT_EQ(Neighbour->Height(), 0);
}

TEST_F(SkinSplitterTest, TheNeighbourCannotGrowPastWhatTheOtherAlignedControlsLeave) {
  MakePair(alLeft);
  // 200 wide: the splitter's 5 and MinSize 30 stay free.
  Drag({200});
  EXPECT_EQ(Neighbour->Width(), 165);
}

TEST_F(SkinSplitterTest, OnCanResizeRefusingFreezesTheNeighbour) {
  MakePair(alTop);
  Splitter->OnCanResize = [](TObject*, int& NewSize, bool& Accept) { Accept = NewSize < 115; };
  Drag({10, 10, 10});
  EXPECT_EQ(Neighbour->Height(), 110);
}

TEST_F(SkinSplitterTest, EscapeEndsTheDragKeepingTheSizeReachedAndGivesTheKeyHandlerBack) {
  // On a form whose active control receives the keys.
  std::unique_ptr<TForm> Form(MakeForm<TForm>(nullptr));
  Form->SetBounds(100, 100, 300, 300);
  auto* Field = new TPanel(Form.get());
  Field->SetBounds(0, 250, 50, 20);
  Field->SetParent(Form.get());
  int KeysSeen = 0;
  Field->OnKeyDown = [&](TObject*, WORD&, TShiftState) { ++KeysSeen; };
  Neighbour = new TPanel(Form.get());
  Neighbour->SetBounds(0, 0, 100, 100);
  Neighbour->SetAlign(alTop);
  Neighbour->SetParent(Form.get());
  Splitter = new TspSkinSplitterEx(Form.get());
  Splitter->SetBounds(0, 150, 5, 5);
  Splitter->SetAlign(alTop);
  Splitter->SetParent(Form.get());
  Form->Show();
  Form->SetActiveControl(Field);
  InjectTopLevelFocus(Form->Handle(), true);
  Pump();
  ASSERT_TRUE(Field->Focused());
  const TPoint Start = Splitter->ClientToScreen({50, 2});
  InjectPointerPress(Start);
  InjectPointerMove({Start.X, Start.Y + 15});
  Pump();
  ASSERT_EQ(Neighbour->Height(), 115);
  InjectKeyStroke(VK_ESCAPE);
  Pump();
  EXPECT_EQ(KeysSeen, 0);
  InjectPointerMove({Start.X, Start.Y + 30});
  InjectPointerRelease({Start.X, Start.Y + 30});
  Pump();
  EXPECT_EQ(Neighbour->Height(), 115);
  InjectKeyStroke('A');
  Pump();
  EXPECT_EQ(KeysSeen, 1);
}

TEST_F(SkinSplitterTest, ANeighbourFreedDuringTheDragIsForgotten) {
  MakePair(alTop);
  const TPoint Start = OnHost(50, 102);
  InjectPointerPress(Start);
  InjectPointerMove({Start.X, Start.Y + 10});
  Pump();
  ASSERT_EQ(Neighbour->Height(), 110);
  delete Neighbour;
  Moves = 0;
  InjectPointerMove({Start.X, Start.Y + 20});
  InjectPointerRelease({Start.X, Start.Y + 20});
  Pump();
  // The drag ended with the neighbour: the release only moves the pointer.
  EXPECT_EQ(Moves, 0);
}

TEST_F(SkinSplitterTest, AHorizontalSkinnedBarTakesItsElementsHeightAndWithoutSkinTheDefaultSize) {
  MakePair(alTop);
  Splitter->SetSkinDataName("hsplitter");
  Splitter->ChangeSkinData();
  EXPECT_EQ(Splitter->Height(), 10);
  Splitter->SetSkinData(&SkinNew());
  const auto* Element = SkinNew().Control(SkinNew().GetControlIndex("hsplitter"));
  EXPECT_EQ(Splitter->Height(), Element->SkinRect.Height());
  EXPECT_NE(Splitter->Height(), 10);
}

TEST_F(SkinSplitterTest, TheSkinnedStripHasItsEndsAndACentredGripper) {
  // A strip 20 × 6: ends of 4 in red, the middle green; a blue 4 × 2 gripper whose
  // white corners are keyed out.
  const int Picture = AddPicture(28, 6, [](int X, int Y) {
    if (X >= 20) return (X == 20 && Y == 0) ? clWhite : clBlue;
    return X < 4 || X >= 16 ? clRed : clLime;
  });
  auto& Element = AddElement<TspDataSkinSplitterControl>("hsplitter");
  Element.PictureIndex = Picture;
  Element.SkinRect = Rect(0, 0, 20, 6);
  Element.LTPoint = {4, 0};
  Element.RTPoint = {16, 0};
  Element.GripperRect = Rect(20, 0, 24, 2);
  Element.GripperTransparent = true;
  Element.GripperTransparentColor = clWhite;
  MakePair(alTop);
  Splitter->SetSkinDataName("hsplitter");
  Splitter->SetSkinData(&Skin());
  Pump();
  ASSERT_EQ(Splitter->Height(), 6);
  // The bar is 200 × 6: the gripper at (98, 2), its top-left pixel keyed out.
  const std::string Plain = "rrrr" + std::string(192, 'g') + "rrrr\n";
  EXPECT_EQ(HostPicture(Rect(0, 100, 200, 106), {{clRed, 'r'}, {clLime, 'g'}, {clBlue, 'b'}}),
            Plain + Plain + "rrrr" + std::string(94, 'g') + "gbbb" + std::string(94, 'g') + "rrrr\n" +
                "rrrr" + std::string(94, 'g') + "bbbb" + std::string(94, 'g') + "rrrr\n" + Plain + Plain);
}

}  // namespace
}  // namespace more_controls_test
