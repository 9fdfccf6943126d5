// The skin form in the multiple-document interface: documents maximized together
// inside the frame's MDI client, the frame's tiling and cascading, the window menu,
// minimized documents along the client's bottom, and the client's scroll bars.

#include <ostream>
#include <vector>

#include "components/controls/SkinCtrls.h"
#include "components/forms/SkinForm.h"
#include "platform/ui/Panel.h"
#include "platform/win/Mdi.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowProcedures.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowTree.h"
#include "platform/win/headless/HeadlessInput.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/components/forms/SkinFormTestSupport.h"

// Rectangles in failure messages.
inline void PrintTo(const TRect& ARect, std::ostream* AStream) {
  *AStream << "(" << ARect.Left << ", " << ARect.Top << ", " << ARect.Right << ", " << ARect.Bottom << ")";
}

namespace skin_form_mdi_test {
namespace {

using skin_form_test::FixtureClRect;
using skin_form_test::MakeFixtureSkin;
using skin_form_test::SkinFormTest;

// The fixture skin's caption and frame: the client starts 30 below the window's top.
constexpr int FixtureCaptionHeight = 30;

// A skinned MDI frame at (0, 0), 700 x 500, with a 40-pixel tool panel along the top
// of its client area (client 690 x 460 inside the fixture frame: MDI client rectangle
// (0, 40, 690, 460)), and skinned documents made on demand.
class SkinFormMdiTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Skin = MakeFixtureSkin();
    Frame = NewMdiFrame(Bounds(0, 0, 700, 500), Skin.get());
    auto* Main = static_cast<TForm*>(Frame->Form());
    Main->SetName("Main");
    auto* Tools = new TPanel(Main);
    Tools->SetParent(Main);
    Tools->SetHeight(40);
    Tools->SetAlign(alTop);
    WindowMenu = new TMenuItem(Main);
    Main->SetWindowMenu(WindowMenu);
    Main->Show();
    ProcessPendingMessages();
  }

  // A shown skinned document at ABounds (MDI client coordinates).
  TspSkinForm* NewDocument(const String& AName, const TRect& ABounds = Bounds(10, 10, 200, 150),
                           TFormBorderStyle AStyle = bsSizeable) {
    return NewMdiDocument(AName, AName + " caption", ABounds, Skin.get(), AStyle);
  }

  TCustomForm* Main() const { return Frame->Form(); }
  static TRect BoundsOf(TspSkinForm* ADocument) { return ADocument->Form()->BoundsRect(); }

  // The names of the window menu's entries, "+" before a checked one.
  std::vector<String> MenuEntries() const {
    std::vector<String> Entries;
    for (int I = 0; I < WindowMenu->Count(); ++I)
      Entries.push_back((WindowMenu->Items(I)->Checked() ? "+" : "") + WindowMenu->Items(I)->Name());
    return Entries;
  }

  std::unique_ptr<TspSkinData> Skin;
  TspSkinForm* Frame = nullptr;
  TMenuItem* WindowMenu = nullptr;
};

// A subclass put on the client after the frame's keeps reaching the client's own
// procedure when the frame's skin component goes first.
TEST_F(SkinFormMdiTest, ASubclassOverTheFramesOneStaysConnectedToTheClientWhenTheFrameGoes) {
  TspSkinForm* Document = NewDocument("Doc");
  const HWND Client = Main()->ClientHandle();
  static WNDPROC Covered = nullptr;
  const auto Above = [](HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) -> LRESULT {
    return CallWindowProc(Covered, AWindow, AMsg, AWParam, ALParam);
  };
  WNDPROC AboveProc = MakeProcInstance(Above);
  Covered =
      reinterpret_cast<WNDPROC>(SetWindowLong(Client, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(AboveProc)));
  ASSERT_EQ(reinterpret_cast<HWND>(SendMessage(Client, WM_MDIGETACTIVE, 0, 0)), Document->Form()->Handle());
  delete Frame;
  Frame = nullptr;
  // Only the client's own procedure knows the active document.
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessage(Client, WM_MDIGETACTIVE, 0, 0)), Document->Form()->Handle());
  SetWindowLong(Client, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Covered));
  FreeProcInstance(AboveProc);
}

// A document's own resize handler may free its skin component in the size message the
// MDI cases pass on.
TEST_F(SkinFormMdiTest, ADocumentsResizeHandlerMayFreeItsSkinComponent) {
  TspSkinForm* Document = NewDocument("Doc");
  TCustomForm* Form = Document->Form();
  Form->OnResize = [&Document](TObject*) {
    delete Document;
    Document = nullptr;
  };
  Form->SetBounds(20, 20, 250, 180);
  ProcessPendingMessages();
  EXPECT_EQ(Document, nullptr);
  EXPECT_EQ(FindSkinForm(Form), nullptr);
}

TEST_F(SkinFormMdiTest, TheClientRectangleIsWhatTheAlignedControlsLeave) {
  EXPECT_EQ(GetMDIClientRect(), Rect(0, 40, 690, 460));
  // The frame's client window lies there too.
  RECT Client;
  GetWindowRect(Main()->ClientHandle(), &Client);
  const TPoint Origin = Main()->ClientOrigin();
  EXPECT_EQ(Client, Rect(Origin.X, Origin.Y + 40, Origin.X + 690, Origin.Y + 460));
}

TEST_F(SkinFormMdiTest, TheClientIsPaintedFromTheSkinOrInTheWorkspaceColour) {
  const HWND Window = Main()->Handle();
  // A client point away from any document: window point = frame offset + client point.
  const TPoint InClient{FixtureClRect.Left + 400, FixtureClRect.Top + 40 + 300};
  ProcessPendingMessages();
  EXPECT_EQ(PresentedPixel(Window, InClient.X, InClient.Y), ColorToRGB(clBlue));
  Frame->SetSkinData(nullptr);
  ProcessPendingMessages();
  // The built-in frame: 3 pixels of border, a caption of DefaultCaptionHeight.
  const TPoint Plain{3 + 400, 3 + Frame->DefaultCaptionHeight() + 40 + 300};
  EXPECT_EQ(PresentedPixel(Window, Plain.X, Plain.Y), ColorToRGB(clAppWorkSpace));
  // The client has no frame of its own.
  RECT Client;
  GetClientRect(Main()->ClientHandle(), &Client);
  EXPECT_EQ(Client.Width(), Main()->ClientWidth());
}

TEST_F(SkinFormMdiTest, MaximizingADocumentMaximizesAllInsideTheClientAndRestoringOneRestoresAll) {
  TspSkinForm* A = NewDocument("A", Bounds(10, 10, 200, 150));
  TspSkinForm* B = NewDocument("B", Bounds(50, 60, 220, 160));
  TspSkinForm* Fixed = NewDocument("Fixed", Bounds(90, 90, 200, 150));
  Fixed->SetBorderIcons({TspSkinForm::biSystemMenu, TspSkinForm::biMinimize});
  B->SetWindowState(wsMaximized);
  EXPECT_TRUE(Frame->MDIChildMaximized());
  for (TspSkinForm* Maximized : {A, B}) {
    SCOPED_TRACE(Maximized->Form()->Name());
    EXPECT_EQ(Maximized->WindowState(), wsMaximized);
    EXPECT_EQ(BoundsOf(Maximized), Rect(0, 0, 690, 420));
    // No frame: the whole window is the client area.
    EXPECT_EQ(Maximized->Form()->ClientRect(), Rect(0, 0, 690, 420));
  }
  EXPECT_EQ(Fixed->WindowState(), wsNormal);
  EXPECT_EQ(FindMaximizedMDIChild(), B->Form());
  Main()->SetCaption("Frame");
  EXPECT_EQ(Frame->CaptionText(), "Frame - [B caption]");
  // A document shown meanwhile joins them; a larger frame takes them all along.
  TspSkinForm* Late = NewDocument("Late");
  EXPECT_EQ(Late->WindowState(), wsMaximized);
  Main()->SetBounds(0, 0, 800, 500);
  ProcessPendingMessages();
  EXPECT_EQ(BoundsOf(A), Rect(0, 0, 790, 420));
  EXPECT_EQ(BoundsOf(Late), Rect(0, 0, 790, 420));
  A->SetWindowState(wsNormal);
  EXPECT_FALSE(Frame->MDIChildMaximized());
  EXPECT_EQ(FindMaximizedMDIChild(), nullptr);
  EXPECT_EQ(Frame->CaptionText(), "Frame");
  EXPECT_EQ(BoundsOf(A), Bounds(10, 10, 200, 150));
  EXPECT_EQ(B->WindowState(), wsNormal);
  EXPECT_EQ(BoundsOf(B), Bounds(50, 60, 220, 160));
  EXPECT_EQ(B->Form()->ClientRect().Height(), 160 - FixtureCaptionHeight - 10);
}

// Three documents, index 0 (the front one, C) first, in the client of 690 x 420.
TEST_F(SkinFormMdiTest, TilingPlacesThreeDocumentsInColumnsOrRows) {
  TspSkinForm* A = NewDocument("A");
  TspSkinForm* B = NewDocument("B");
  TspSkinForm* C = NewDocument("C");
  ASSERT_EQ(Main()->MDIChildren(0), C->Form());
  Frame->TileMode = tbHorizontal;
  Frame->Tile();
  EXPECT_EQ(BoundsOf(C), Bounds(0, 0, 690, 140));
  EXPECT_EQ(BoundsOf(B), Bounds(0, 140, 690, 140));
  EXPECT_EQ(BoundsOf(A), Bounds(0, 280, 690, 140));
  Frame->TileMode = tbVertical;
  Frame->Tile();
  EXPECT_EQ(BoundsOf(C), Bounds(0, 0, 230, 420));
  EXPECT_EQ(BoundsOf(B), Bounds(230, 0, 230, 420));
  EXPECT_EQ(BoundsOf(A), Bounds(460, 0, 230, 420));
}

TEST_F(SkinFormMdiTest, TilingFiveDocumentsFillsTwoColumnsUnevenly) {
  std::vector<TspSkinForm*> Documents;
  for (const char* Name : {"A", "B", "C", "D", "E"}) Documents.push_back(NewDocument(Name));
  // MDIChildren order: E, D, C, B, A.
  Frame->TileMode = tbHorizontal;
  Frame->Tile();
  EXPECT_EQ(BoundsOf(Documents[4]), Bounds(0, 0, 345, 210));
  EXPECT_EQ(BoundsOf(Documents[3]), Bounds(0, 210, 345, 210));
  EXPECT_EQ(BoundsOf(Documents[2]), Bounds(345, 0, 345, 140));
  EXPECT_EQ(BoundsOf(Documents[0]), Bounds(345, 280, 345, 140));
  Frame->TileMode = tbVertical;
  Frame->Tile();
  EXPECT_EQ(BoundsOf(Documents[4]), Bounds(0, 0, 345, 210));
  EXPECT_EQ(BoundsOf(Documents[3]), Bounds(0, 210, 345, 210));
  EXPECT_EQ(BoundsOf(Documents[2]), Bounds(345, 0, 345, 140));
  EXPECT_EQ(BoundsOf(Documents[0]), Bounds(345, 280, 345, 140));
}

TEST_F(SkinFormMdiTest, CascadingStepsByTheSkinsCaptionFromTheLastDocument) {
  TspSkinForm* A = NewDocument("A");
  TspSkinForm* B = NewDocument("B");
  TspSkinForm* C = NewDocument("C");
  // k = (690 - 552) div 30 = 4 steps fit, more than the three documents.
  Frame->Cascade();
  EXPECT_EQ(BoundsOf(A), Bounds(0, 0, 630, 360));
  EXPECT_EQ(BoundsOf(B), Bounds(30, 30, 630, 360));
  EXPECT_EQ(BoundsOf(C), Bounds(60, 60, 630, 360));
  // A single-border document keeps its size; a maximized one is restored first.
  TspSkinForm* Single = NewDocument("Single", Bounds(5, 5, 250, 170), bsSingle);
  C->SetWindowState(wsMaximized);
  Frame->Cascade();
  EXPECT_EQ(C->WindowState(), wsNormal);
  // Four documents: k is no longer above their number.
  EXPECT_EQ(BoundsOf(A), Bounds(0, 0, 570, 300));
  EXPECT_EQ(BoundsOf(Single), Bounds(90, 90, 250, 170));
}

TEST_F(SkinFormMdiTest, ASkinWithoutCaptionCascadesByTheBuiltInCaption) {
  auto Captionless = MakeFixtureSkin();
  Captionless->ClRect = Rect(5, 0, 95, 90);
  Frame->SetSkinData(Captionless.get());
  TspSkinForm* A = NewDocument("A");
  TspSkinForm* B = NewDocument("B");
  Frame->Cascade();
  const int Step = Frame->DefaultCaptionHeight() + 3;
  EXPECT_EQ(BoundsOf(A).TopLeft(), (TPoint{0, 0}));
  EXPECT_EQ(BoundsOf(B).TopLeft(), (TPoint{Step, Step}));
  Frame->SetSkinData(Skin.get());
}

TEST_F(SkinFormMdiTest, MinimizingOneOfTheMaximizedDocumentsRestoresTheOthers) {
  TspSkinForm* A = NewDocument("A", Bounds(10, 10, 200, 150));
  TspSkinForm* B = NewDocument("B", Bounds(50, 60, 220, 160));
  A->SetWindowState(wsMaximized);
  ASSERT_EQ(B->WindowState(), wsMaximized);
  B->SetWindowState(wsMinimized);
  EXPECT_FALSE(Frame->MDIChildMaximized());
  EXPECT_EQ(A->WindowState(), wsNormal);
  EXPECT_EQ(BoundsOf(A), Bounds(10, 10, 200, 150));
  EXPECT_EQ(BoundsOf(B).Top, 420 - B->GetMinHeight());
  // The frame moved on from the minimized document.
  EXPECT_EQ(Main()->ActiveMDIChild(), A->Form());
}

TEST_F(SkinFormMdiTest, RestoringAllRollsDownAndADraggedDocumentSnapsToTheClient) {
  TspSkinForm* A = NewDocument("A", Bounds(10, 10, 200, 150));
  A->SetRollUpState(true);
  ASSERT_EQ(A->Form()->Height(), A->GetMinHeight());
  Frame->RestoreAll();
  EXPECT_FALSE(A->RollUpState());
  EXPECT_EQ(A->Form()->Height(), 150);
  // The edges a document snaps to are the MDI client's, on the screen.
  A->Magnetic = true;
  const TPoint Client{Main()->ClientOrigin().X, Main()->ClientOrigin().Y + 40};
  int X = Client.X + 4, Y = Client.Y + 200;
  A->DoMagnetic(X, Y, 200, 150);
  EXPECT_EQ(X, Client.X);
  EXPECT_EQ(Y, Client.Y + 200);
}

TEST_F(SkinFormMdiTest, MinimizedDocumentsLineTheClientsBottomAndComeBack) {
  TspSkinForm* A = NewDocument("A", Bounds(10, 10, 200, 150));
  TspSkinForm* B = NewDocument("B", Bounds(20, 20, 200, 150));
  const int W = A->GetMinWidth();
  A->SetWindowState(wsMinimized);
  const int H = A->GetMinHeight();
  EXPECT_EQ(BoundsOf(A), Bounds(0, 420 - H, W, H));
  B->SetWindowState(wsMinimized);
  EXPECT_EQ(BoundsOf(B), Bounds(W, 420 - H, W, H));
  A->SetWindowState(wsNormal);
  EXPECT_EQ(BoundsOf(A), Bounds(10, 10, 200, 150));
  // Moved away, a minimized document is put back by the frame.
  B->Form()->SetLeft(300);
  Frame->ArrangeMinimizedChildren();
  EXPECT_EQ(BoundsOf(B), Bounds(0, 420 - H, W, H));
}

TEST_F(SkinFormMdiTest, TheWindowMenuListsTheShownDocumentsAndChecksTheActiveOne) {
  TspSkinForm* A = NewDocument("A");
  TspSkinForm* B = NewDocument("B");
  EXPECT_EQ(MenuEntries(), (std::vector<String>{"A_DSFCHILDITEM", "+B_DSFCHILDITEM"}));
  EXPECT_EQ(WindowMenu->Items(0)->Caption(), "A caption");
  A->Form()->SetCaption("Renamed");
  EXPECT_EQ(WindowMenu->Items(0)->Caption(), "Renamed");
  // The entry's click brings its document forward, restored when minimized.
  A->SetWindowState(wsMinimized);
  WindowMenu->Items(0)->Click();
  ProcessPendingMessages();
  EXPECT_EQ(A->WindowState(), wsNormal);
  EXPECT_EQ(Main()->ActiveMDIChild(), A->Form());
  EXPECT_EQ(MenuEntries(), (std::vector<String>{"+A_DSFCHILDITEM", "B_DSFCHILDITEM"}));
  B->Form()->Close();
  ProcessPendingMessages();
  EXPECT_EQ(MenuEntries(), (std::vector<String>{"+A_DSFCHILDITEM"}));
}

TEST_F(SkinFormMdiTest, CloseAllClosesFromTheLastDocumentAndKeepsOneThatRefuses) {
  TspSkinForm* A = NewDocument("A");
  NewDocument("B");
  TspSkinForm* C = NewDocument("C");
  std::vector<String> Asked;
  for (TspSkinForm* Document : {A, C})
    Document->Form()->OnCloseQuery = [&Asked, Document](TObject*, bool& ACanClose) {
      Asked.push_back(Document->Form()->Name());
      ACanClose = Document->Form()->Name() != "C";
    };
  Frame->CloseAll();
  ProcessPendingMessages();
  // MDIChildren order: C, B, A; the last (A) is asked first.
  EXPECT_EQ(Asked, (std::vector<String>{"A", "C"}));
  ASSERT_EQ(Main()->MDIChildCount(), 1);
  EXPECT_EQ(Main()->MDIChildren(0), C->Form());
  C->Form()->OnCloseQuery = nullptr;
}

TEST_F(SkinFormMdiTest, ScrollBarsShowWhileDocumentsReachOutsideTheClient) {
  TspSkinForm* A = NewDocument("A", Bounds(10, 10, 200, 150));
  TspSkinScrollBar* HBar = Frame->MDIHScrollBar();
  TspSkinScrollBar* VBar = Frame->MDIVScrollBar();
  ASSERT_NE(HBar, nullptr);
  ASSERT_NE(VBar, nullptr);
  EXPECT_FALSE(HBar->Visible());
  EXPECT_FALSE(VBar->Visible());
  // 50 pixels out on the left: the horizontal bar along the client's bottom.
  A->Form()->SetLeft(-50);
  ProcessPendingMessages();
  EXPECT_TRUE(HBar->Visible());
  EXPECT_FALSE(VBar->Visible());
  EXPECT_EQ(HBar->BoundsRect(), Rect(0, 460 - 17, 690, 460));
  EXPECT_EQ(HBar->Min(), 0);
  EXPECT_EQ(HBar->Max(), 690 + 50 - 1);
  EXPECT_EQ(HBar->Position(), 50);
  EXPECT_EQ(HBar->PageSize(), 690);
  // With room to the right too, its up button moves every shown document 10 pixels
  // to the left.
  TspSkinForm* B = NewDocument("B", Bounds(600, 100, 200, 150));
  EXPECT_EQ(HBar->Max(), 800 + 50 - 1);
  const TRect Up = HBar->PartRect(1);
  InjectClick(HBar->ClientToScreen({(Up.Left + Up.Right) / 2, (Up.Top + Up.Bottom) / 2}));
  ProcessPendingMessages();
  EXPECT_EQ(HBar->Position(), 60);
  EXPECT_EQ(A->Form()->Left(), -60);
  EXPECT_EQ(B->Form()->Left(), 590);
  // Only just fitting in height, a document gets the vertical bar too once the
  // horizontal one takes its room.
  B->Form()->SetTop(420 - 150 - 5);
  ProcessPendingMessages();
  EXPECT_TRUE(VBar->Visible());
  EXPECT_TRUE(HBar->Both());
  EXPECT_EQ(VBar->BoundsRect(), Rect(690 - 17, 40, 690, 460 - 17));
  EXPECT_EQ(HBar->PageSize(), 690 - 17);
  // Maximized documents need no bars.
  A->SetWindowState(wsMaximized);
  EXPECT_FALSE(HBar->Visible());
  EXPECT_FALSE(VBar->Visible());
  A->SetWindowState(wsNormal);
  // Back inside, the bars go.
  A->Form()->SetLeft(10);
  B->Form()->SetBounds(100, 10, 200, 150);
  ProcessPendingMessages();
  EXPECT_FALSE(HBar->Visible());
  EXPECT_FALSE(VBar->Visible());
}

TEST_F(SkinFormMdiTest, AHiddenDocumentNoLongerCountsForTheScrollBars) {
  NewDocument("A", Bounds(10, 10, 200, 150));
  TspSkinForm* Out = NewDocument("Out", Bounds(600, 10, 200, 150));
  EXPECT_TRUE(Frame->MDIHScrollBar()->Visible());
  Out->Form()->Hide();
  ProcessPendingMessages();
  EXPECT_FALSE(Frame->MDIHScrollBar()->Visible());
  // Without ShowMDIScrollBars the bars stay hidden.
  Frame->ShowMDIScrollBars = false;
  Out->Form()->Show();
  ProcessPendingMessages();
  EXPECT_FALSE(Frame->MDIHScrollBar()->Visible());
}

}  // namespace
}  // namespace skin_form_mdi_test
