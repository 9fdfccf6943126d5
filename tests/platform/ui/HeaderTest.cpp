// The column header control ("SysHeader32") on its own: hit testing of sections and
// dividers, the shown order, layout, and dragging a divider with its notifications.

#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/native/HeaderWindow.h"
#include "platform/win/Windows.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace ui_test {
namespace {

class HeaderTest : public UiTest {
 protected:
  // A header 300 × 24 on the host with sections of the given widths; the host records
  // the header's notifications (and answers ARefuse to those that may be refused).
  HWND NewHeader(std::initializer_list<int> AWidths, DWORD AStyle = HDS_BUTTONS) {
    RegisterHeaderClass();
    ShowHost();
    FPrevious = Host().WindowProc;
    Host().WindowProc = [this](TMessage& AMessage) {
      if (AMessage.Msg == WM_NOTIFY) {
        const NMHEADER& Notice = *reinterpret_cast<const NMHEADER*>(AMessage.LParam);
        Codes.push_back(Notice.hdr.code);
        if (Notice.pitem) Widths.push_back(Notice.pitem->cxy);
        AMessage.Result = Refuse == Notice.hdr.code ? 1 : 0;
        return;
      }
      FPrevious(AMessage);
    };
    HWND Header = CreateWindowEx(0, WC_HEADER, "", WS_CHILD | WS_VISIBLE | AStyle, 0, 0, 300, 24,
                                 Host().Handle(), nullptr, nullptr, nullptr);
    int Index = 0;
    for (int Width : AWidths) {
      HDITEM Item;
      Item.mask = HDI_WIDTH | HDI_TEXT;
      Item.cxy = Width;
      String Text = Format("Column %d", Index);
      Item.pszText = Text.data();
      SendMessage(Header, HDM_INSERTITEMW, static_cast<WPARAM>(Index++), reinterpret_cast<LPARAM>(&Item));
    }
    Pump();
    return Header;
  }

  void TearDown() override {
    if (FPrevious) Host().WindowProc = FPrevious;
    UiTest::TearDown();
  }

  static TRect ItemRect(HWND AHeader, int AIndex) {
    RECT Box;
    EXPECT_NE(
        SendMessage(AHeader, HDM_GETITEMRECT, static_cast<WPARAM>(AIndex), reinterpret_cast<LPARAM>(&Box)),
        0);
    return Box;
  }

  std::vector<UINT> Codes;
  std::vector<int> Widths;
  UINT Refuse = 0;

 private:
  TWndMethod FPrevious;
};

struct THitCase {
  int X;
  int Y;
  UINT Flags;
  int Item;
};

TEST_F(HeaderTest, HitTestFindsSectionsAndDividers) {
  // Section 1 is shrunk to nothing: its divider lies on section 0's and wins, so it can
  // be pulled out again.
  HWND Header = NewHeader({100, 0, 50});
  const THitCase Cases[] = {
      {50, 10, HHT_ONHEADER, 0},   {95, 10, HHT_ONHEADER, 0},  {97, 10, HHT_ONDIVIDER, 1},
      {103, 10, HHT_ONDIVIDER, 1}, {120, 10, HHT_ONHEADER, 2}, {147, 10, HHT_ONDIVIDER, 2},
      {200, 10, HHT_NOWHERE, -1},  {-3, 10, HHT_TOLEFT, -1},   {400, 10, HHT_TORIGHT, -1},
      {50, 30, HHT_NOWHERE, -1},
  };
  for (const THitCase& Case : Cases) {
    HDHITTESTINFO Hit;
    Hit.pt = {Case.X, Case.Y};
    EXPECT_EQ(SendMessage(Header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&Hit)), Case.Item) << Case.X;
    EXPECT_EQ(Hit.flags, Case.Flags) << Case.X;
    EXPECT_EQ(Hit.iItem, Case.Item) << Case.X;
  }
}

TEST_F(HeaderTest, SectionsAreLaidOutInTheShownOrder) {
  HWND Header = NewHeader({100, 60, 40});
  EXPECT_EQ(ItemRect(Header, 1), Rect(100, 0, 160, 24));
  int Order[3] = {2, 0, 1};
  ASSERT_NE(SendMessage(Header, HDM_SETORDERARRAY, 3, reinterpret_cast<LPARAM>(Order)), 0);
  EXPECT_EQ(ItemRect(Header, 2), Rect(0, 0, 40, 24));
  EXPECT_EQ(ItemRect(Header, 0), Rect(40, 0, 140, 24));
  int Read[3] = {};
  ASSERT_NE(SendMessage(Header, HDM_GETORDERARRAY, 3, reinterpret_cast<LPARAM>(Read)), 0);
  EXPECT_EQ(std::vector<int>(Read, Read + 3), (std::vector<int>{2, 0, 1}));
  int Bad[3] = {0, 0, 1};
  EXPECT_EQ(SendMessage(Header, HDM_SETORDERARRAY, 3, reinterpret_cast<LPARAM>(Bad)), 0)
      << "not every section once";
  EXPECT_EQ(SendMessage(Header, HDM_GETORDERARRAY, 2, reinterpret_cast<LPARAM>(Read)), 0) << "wrong count";
  SendMessage(Header, HDM_DELETEITEM, 2, 0);
  EXPECT_EQ(SendMessage(Header, HDM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(ItemRect(Header, 0), Rect(0, 0, 100, 24)) << "the order closes up";
}

TEST_F(HeaderTest, LayoutTakesTheTopOfTheArea) {
  HWND Header = NewHeader({100});
  RECT Area = Rect(-10, 5, 290, 200);
  WINDOWPOS Place;
  HDLAYOUT Layout{&Area, &Place};
  ASSERT_NE(SendMessage(Header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&Layout)), 0);
  EXPECT_EQ(Place.x, -10);
  EXPECT_EQ(Place.y, 5);
  EXPECT_EQ(Place.cx, 300);
  EXPECT_GT(Place.cy, 10);
  EXPECT_EQ(Area.Top, 5 + Place.cy);
}

TEST_F(HeaderTest, DraggingADividerReportsEveryWidth) {
  HWND Header = NewHeader({100, 60});
  POINT Divider{100, 12};
  ClientToScreen(Header, &Divider);
  InjectPointerPress(Divider);
  InjectPointerMove({Divider.X + 15, Divider.Y});
  InjectPointerMove({Divider.X - 150, Divider.Y});
  InjectPointerRelease({Divider.X - 150, Divider.Y});
  Pump();
  EXPECT_EQ(ItemRect(Header, 0).Width(), 0) << "a width never goes below zero";
  const std::vector<UINT> Expected = {HDN_BEGINTRACKW, HDN_TRACKW,        HDN_ITEMCHANGINGW, HDN_ITEMCHANGEDW,
                                      HDN_TRACKW,      HDN_ITEMCHANGINGW, HDN_ITEMCHANGEDW,  HDN_ENDTRACKW};
  EXPECT_EQ(Codes, Expected);
  EXPECT_EQ(Widths, (std::vector<int>{100, 115, 115, 115, 0, 0, 0, 0}));
}

TEST_F(HeaderTest, RefusedTrackingLeavesTheWidth) {
  HWND Header = NewHeader({100, 60});
  Refuse = HDN_BEGINTRACKW;
  POINT Divider{100, 12};
  ClientToScreen(Header, &Divider);
  InjectPointerPress(Divider);
  InjectPointerMove({Divider.X + 30, Divider.Y});
  InjectPointerRelease({Divider.X + 30, Divider.Y});
  Pump();
  EXPECT_EQ(ItemRect(Header, 0).Width(), 100);
  EXPECT_EQ(Codes, std::vector<UINT>{HDN_BEGINTRACKW});
}

TEST_F(HeaderTest, AReleaseOnThePressedSectionIsAClick) {
  HWND Header = NewHeader({100, 60});
  POINT Inside{130, 12};
  ClientToScreen(Header, &Inside);
  InjectClick(Inside);
  POINT Outside{40, 12};
  ClientToScreen(Header, &Outside);
  InjectPointerPress(Inside);
  InjectPointerRelease(Outside);
  Pump();
  EXPECT_EQ(Codes, std::vector<UINT>{HDN_ITEMCLICKW}) << "only the release on the pressed section clicks";
}

// With HDS_DRAGDROP a section dragged along the header moves to where it is dropped.
TEST_F(HeaderTest, DraggedSectionsMoveToThePlaceTheyAreDroppedOn) {
  HWND Header = NewHeader({100, 60, 40}, HDS_BUTTONS | HDS_DRAGDROP);
  auto Drag = [&](int AFromX, int AToX) {
    POINT From{AFromX, 12};
    POINT To{AToX, 12};
    ClientToScreen(Header, &From);
    ClientToScreen(Header, &To);
    InjectPointerPress(From);
    InjectPointerMove({From.X + 10, From.Y});
    InjectPointerMove(To);
    InjectPointerRelease(To);
    Pump();
  };
  Drag(180, 20);
  EXPECT_EQ(Codes, (std::vector<UINT>{HDN_BEGINDRAG, HDN_ENDDRAG, HDN_ITEMCHANGEDW})) << "no click";
  EXPECT_EQ(ItemRect(Header, 2), Rect(0, 0, 40, 24));
  EXPECT_EQ(ItemRect(Header, 0), Rect(40, 0, 140, 24));
  Codes.clear();
  Refuse = HDN_ENDDRAG;
  Drag(60, 190);
  EXPECT_EQ(Codes, (std::vector<UINT>{HDN_BEGINDRAG, HDN_ENDDRAG}));
  EXPECT_EQ(ItemRect(Header, 0), Rect(40, 0, 140, 24)) << "a refused drop leaves the order";
}

}  // namespace
}  // namespace ui_test
