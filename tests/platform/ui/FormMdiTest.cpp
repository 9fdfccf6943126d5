// The multiple-document interface of forms: the frame's MDI client, its document
// windows with their activation and closing, and the arranging of the windows.

#include <gtest/gtest.h>

#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/ui/Panel.h"
#include "platform/win/Focus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/Mdi.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/FormsTestSupport.h"

namespace ui_test {
namespace {

// A shown MDI frame with a client area of 600 × 400 (its client window 600 × 370
// under a 30-pixel tool panel) and document windows made on demand.
class FormMdiTest : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    Main = NewForm("Main", 50, 50);
    Main->SetFormStyle(fsMDIForm);
    Main->SetClientWidth(600);
    Main->SetClientHeight(400);
    auto* Tools = new TPanel(Main);
    Tools->SetParent(Main);
    Tools->SetHeight(30);
    Tools->SetAlign(alTop);
    Main->Show();
    Pump();
  }

  // A shown document window named AName at (AX, AY), 200 × 150.
  TForm* NewChild(const String& AName, int AX = 10, int AY = 10) {
    TForm* Child = NewForm(AName, AX, AY);
    Child->SetFormStyle(fsMDIChild);
    Child->SetBounds(AX, AY, 200, 150);
    Child->Show();
    Pump();
    return Child;
  }

  // The document windows' names, front first.
  std::vector<String> ChildNames() {
    std::vector<String> Names;
    for (int I = 0; I < Main->MDIChildCount(); ++I) Names.push_back(Main->MDIChildren(I)->Name());
    return Names;
  }

  String ActiveName() {
    TCustomForm* Active = Main->ActiveMDIChild();
    return Active ? Active->Name() : String("none");
  }

  // A window's rectangle in its parent's client area.
  static TRect PlaceOf(TCustomForm* AForm) { return AForm->BoundsRect(); }

  TForm* Main = nullptr;
  // What the documents' OnActivate (+) and OnDeactivate (-) reported; it outlives the
  // forms, which report their deactivation as they go.
  std::vector<String> Events;
};

TEST_F(FormMdiTest, TheClientFillsWhatTheAlignedControlsLeaveAndFollowsTheFrame) {
  const HWND Client = Main->ClientHandle();
  ASSERT_NE(Client, nullptr);
  EXPECT_EQ(GetClassName(Client), "MDICLIENT");
  EXPECT_EQ(GetParent(Client), Main->Handle());
  RECT Place;
  GetWindowRect(Client, &Place);
  EXPECT_EQ(Place.Width(), 600);
  EXPECT_EQ(Place.Height(), 370);
  EXPECT_EQ(Place.Top - Main->ClientOrigin().Y, 30);
  Main->SetClientHeight(300);
  Pump();
  GetWindowRect(Client, &Place);
  EXPECT_EQ(Place.Height(), 270);
  // A frame that is no MDI frame has no client, documents or active document.
  TForm* Plain = NewForm("Plain");
  Plain->Show();
  EXPECT_EQ(Plain->ClientHandle(), nullptr);
  EXPECT_EQ(Plain->MDIChildCount(), 0);
  EXPECT_EQ(Plain->ActiveMDIChild(), nullptr);
}

TEST_F(FormMdiTest, DocumentWindowsLiveInTheClientFrontFirst) {
  TForm* A = NewChild("A");
  TForm* B = NewChild("B", 40, 40);
  EXPECT_EQ(GetParent(A->Handle()), Main->ClientHandle());
  EXPECT_TRUE(GetWindowLong(A->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
  EXPECT_TRUE(GetWindowLong(A->Handle(), GWL_STYLE) & WS_CHILD);
  // The place is in the client's coordinates.
  EXPECT_EQ(B->BoundsRect(), Bounds(40, 40, 200, 150));
  EXPECT_EQ(ChildNames(), (std::vector<String>{"B", "A"}));
  EXPECT_EQ(ActiveName(), "B");
  EXPECT_TRUE(B->Active());
  EXPECT_FALSE(A->Active());
  EXPECT_THROW(Main->MDIChildren(2), EListError);
}

TEST_F(FormMdiTest, WithoutAnMDIFrameADocumentStaysAWindowOfItsOwn) {
  Main->SetFormStyle(fsNormal);
  TForm* Lone = NewForm("Lone");
  Lone->SetFormStyle(fsMDIChild);
  Lone->Show();
  Pump();
  EXPECT_EQ(GetParent(Lone->Handle()), nullptr);
  EXPECT_FALSE(GetWindowLong(Lone->Handle(), GWL_STYLE) & WS_CHILD);
  EXPECT_TRUE(IsWindowVisible(Lone->Handle()));
  EXPECT_EQ(Main->MDIChildCount(), 0);
}

TEST_F(FormMdiTest, ActivatingShowingAndClickingMoveTheActiveDocument) {
  TForm* A = NewChild("A");
  TForm* B = NewChild("B", 250, 10);
  TForm* C = NewChild("C", 250, 200);
  for (TForm* Child : {A, B, C}) {
    Child->OnActivate = [this, Child](TObject*) { Events.push_back("+" + Child->Name()); };
    Child->OnDeactivate = [this, Child](TObject*) { Events.push_back("-" + Child->Name()); };
  }
  A->Show();
  EXPECT_EQ(ActiveName(), "A");
  EXPECT_EQ(ChildNames(), (std::vector<String>{"A", "C", "B"}));
  EXPECT_EQ(Events, (std::vector<String>{"-C", "+A"}));
  // A press in B's client area activates B.
  InjectClick(OnScreen(B, 20, 20));
  Pump();
  EXPECT_EQ(ActiveName(), "B");
  EXPECT_TRUE(B->Active());
  EXPECT_FALSE(A->Active());
  // The client activates on request too, and says which one is active.
  SendMessage(Main->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(C->Handle()), 0);
  bool Maximized = true;
  EXPECT_EQ(SendMessage(Main->ClientHandle(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&Maximized)),
            reinterpret_cast<LRESULT>(C->Handle()));
  EXPECT_FALSE(Maximized);
  EXPECT_EQ(ChildNames(), (std::vector<String>{"C", "B", "A"}));
}

TEST_F(FormMdiTest, TheActiveDocumentGetsTheFocusOfItsActiveControl) {
  TForm* A = NewChild("A");
  TButton* InA = NewButton(A, "In A", 10, 10);
  A->SetActiveControl(InA);
  NewChild("B", 100, 100);
  EXPECT_EQ(GetActiveWindow(), Main->Handle());
  A->Show();
  Pump();
  EXPECT_EQ(FocusedName(), InA->Name());
}

TEST_F(FormMdiTest, ClosingOrHidingTheActiveDocumentActivatesTheNextOne) {
  TForm* A = NewChild("A");
  TForm* B = NewChild("B");
  TForm* C = NewChild("C");
  C->Close();
  Pump();
  EXPECT_EQ(ChildNames(), (std::vector<String>{"B", "A"}));
  EXPECT_EQ(ActiveName(), "B");
  EXPECT_TRUE(B->Active());
  // A hidden one stays a document of the frame, but not the active one.
  B->Hide();
  EXPECT_EQ(ActiveName(), "A");
  EXPECT_FALSE(B->Active());
  EXPECT_EQ(Main->MDIChildCount(), 2);
  // A document that refuses to close stays, still active.
  A->OnCloseQuery = [](TObject*, bool& ACanClose) { ACanClose = false; };
  A->Close();
  Pump();
  EXPECT_EQ(ActiveName(), "A");
  A->OnCloseQuery = nullptr;
  SendMessage(Main->ClientHandle(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(A->Handle()), 0);
  EXPECT_EQ(ActiveName(), "none");
  delete A;
  delete B;
  EXPECT_EQ(Main->MDIChildCount(), 0);
}

TEST_F(FormMdiTest, NextAndPreviousWalkTheDocuments) {
  NewChild("A");
  NewChild("B");
  NewChild("C");
  std::vector<String> Walk;
  for (int I = 0; I < 3; ++I) {
    Main->Next();
    Walk.push_back(ActiveName());
  }
  EXPECT_EQ(Walk, (std::vector<String>{"B", "A", "C"}));
  Main->Previous();
  EXPECT_EQ(ActiveName(), "A");
  Main->Previous();
  EXPECT_EQ(ActiveName(), "B");
}

TEST_F(FormMdiTest, CtrlF6WalksTheDocumentsAndCtrlF4ClosesTheActiveOne) {
  NewChild("A");
  TForm* B = NewChild("B");
  NewButton(B, "In B", 10, 10);
  B->Show();
  Pump();
  InjectKeyStroke(VK_F6, PointerControl);
  Pump();
  EXPECT_EQ(ActiveName(), "A");
  InjectKeyStroke(VK_F6, PointerControl | PointerShift);
  Pump();
  EXPECT_EQ(ActiveName(), "B");
  // From a control inside the document too.
  EXPECT_EQ(FocusedName(), B->Controls(0)->Name());
  InjectKeyStroke(VK_F4, PointerControl);
  Pump();
  EXPECT_EQ(ChildNames(), (std::vector<String>{"A"}));
  EXPECT_EQ(ActiveName(), "A");
  // Without Ctrl, F6 is an ordinary key.
  InjectKeyStroke(VK_F6);
  Pump();
  EXPECT_EQ(ActiveName(), "A");
}

// Three documents, front first C, B, A, in a client of 600 × 370.
TEST_F(FormMdiTest, TilingSharesTheClientAmongTheShownDocuments) {
  TForm* A = NewChild("A");
  TForm* B = NewChild("B");
  TForm* C = NewChild("C");
  Main->TileMode = tbHorizontal;
  Main->Tile();
  EXPECT_EQ(PlaceOf(C), Bounds(0, 0, 600, 123));
  EXPECT_EQ(PlaceOf(B), Bounds(0, 123, 600, 123));
  EXPECT_EQ(PlaceOf(A), Bounds(0, 246, 600, 124));
  Main->TileMode = tbVertical;
  Main->Tile();
  EXPECT_EQ(PlaceOf(C), Bounds(0, 0, 200, 370));
  EXPECT_EQ(PlaceOf(B), Bounds(200, 0, 200, 370));
  EXPECT_EQ(PlaceOf(A), Bounds(400, 0, 200, 370));
  EXPECT_EQ(ActiveName(), "C");
  // Five: two to a column, the last column takes three.
  NewChild("D");
  NewChild("E");
  Main->Tile();
  EXPECT_EQ(PlaceOf(C), Bounds(300, 0, 300, 123));
  EXPECT_EQ(PlaceOf(B), Bounds(300, 123, 300, 123));
  EXPECT_EQ(PlaceOf(A), Bounds(300, 246, 300, 124));
  // A hidden document is left where it is.
  B->Hide();
  Main->Tile();
  EXPECT_EQ(PlaceOf(B), Bounds(300, 123, 300, 123));
  EXPECT_EQ(PlaceOf(A), Bounds(300, 185, 300, 185));
}

TEST_F(FormMdiTest, CascadingStepsEachDocumentACaptionFurtherFromTheBackOne) {
  TForm* A = NewChild("A", 300, 200);
  TForm* B = NewChild("B", 300, 200);
  TForm* C = NewChild("C", 300, 200);
  C->SetWindowState(wsMaximized);
  Main->Cascade();
  const int Step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
  EXPECT_EQ(PlaceOf(A), Bounds(0, 0, 450, 277));
  EXPECT_EQ(PlaceOf(B), Bounds(Step, Step, 450, 277));
  EXPECT_EQ(PlaceOf(C), Bounds(2 * Step, 2 * Step, 450, 277));
  EXPECT_EQ(C->WindowState(), wsNormal);
  EXPECT_EQ(ChildNames(), (std::vector<String>{"C", "B", "A"}));
  // More documents than fit start again at the top left.
  for (int I = 0; I < 8; ++I) NewChild("More" + IntToStr(I));
  Main->Cascade();
  const int Fit = (370 - 277) / Step + 1;
  EXPECT_EQ(PlaceOf(Main->MDIChildren(10 - Fit)), Bounds(0, 0, 450, 277));
}

TEST_F(FormMdiTest, MinimizedDocumentsLineTheBottomAndTilingLeavesThemRoom) {
  TForm* A = NewChild("A");
  TForm* B = NewChild("B");
  TForm* C = NewChild("C");
  const int W = GetSystemMetrics(SM_CXMINIMIZED);
  const int H = GetSystemMetrics(SM_CYMINIMIZED);
  C->SetWindowState(wsMinimized);
  B->SetWindowState(wsMinimized);
  Main->ArrangeIcons();
  EXPECT_EQ(PlaceOf(B), Bounds(0, 370 - H, W, H));
  EXPECT_EQ(PlaceOf(C), Bounds(W, 370 - H, W, H));
  Main->Tile();
  EXPECT_EQ(PlaceOf(A), Bounds(0, 0, 600, 370 - H));
  // Restored, a document takes its place from before again.
  B->SetWindowState(wsNormal);
  EXPECT_EQ(PlaceOf(B), Bounds(10, 10, 200, 150));
}

TEST_F(FormMdiTest, AMaximizedDocumentFillsTheClientAndFollowsIt) {
  TForm* A = NewChild("A");
  SendMessage(Main->ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(A->Handle()), 0);
  EXPECT_EQ(A->WindowState(), wsMaximized);
  // Its frame lies outside the client, its caption along the top.
  const auto ClientBottomRight = [A] {
    POINT Corner = A->ClientRect().BottomRight();
    MapWindowPoints(A->Handle(), GetParent(A->Handle()), &Corner, 1);
    return Corner;
  };
  EXPECT_EQ(ClientBottomRight(), (POINT{600, 370}));
  EXPECT_EQ(A->ClientOrigin().X, Main->ClientOrigin().X);
  Main->SetClientWidth(500);
  Pump();
  EXPECT_EQ(ClientBottomRight(), (POINT{500, 370}));
  bool Maximized = false;
  SendMessage(Main->ClientHandle(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&Maximized));
  EXPECT_TRUE(Maximized);
  SendMessage(Main->ClientHandle(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(A->Handle()), 0);
  EXPECT_EQ(A->WindowState(), wsNormal);
  EXPECT_EQ(PlaceOf(A), Bounds(10, 10, 200, 150));
}

}  // namespace
}  // namespace ui_test
