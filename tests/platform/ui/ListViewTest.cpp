// The list view (TListView over the "SysListView32" stand-in): report layout, scroll
// state in each view, owner data, the header child and its dragged dividers,
// selection by mouse and keys, custom drawing and caption editing.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/ui/native/ListView.h"
#include "platform/win/Windows.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace ui_test {
namespace {

class ListViewTest : public UiTest {
 protected:
  // A list of 300 × 200 on a 400 × 300 host, with the columns Name (100), Size (60)
  // and Type (80, right-aligned) and AItems items "Item n" / "n KB" / "File".
  TListView& NewList(TViewStyle AStyle, int AItems, bool AShow = true) {
    Host().SetBounds(100, 100, 400, 300);
    auto* List = new TListView(&Host());
    List->SetBounds(10, 10, 300, 200);
    List->SetParent(&Host());
    List->SetViewStyle(AStyle);
    const char* Captions[] = {"Name", "Size", "Type"};
    const int Widths[] = {100, 60, 80};
    for (int I = 0; I < 3; ++I) {
      TListColumn* Column = List->Columns().Add();
      Column->SetCaption(Captions[I]);
      Column->SetWidth(Widths[I]);
    }
    List->Columns()[2]->SetAlignment(taRightJustify);
    for (int I = 0; I < AItems; ++I) {
      TListItem* Item = List->Items().Add();
      Item->SetCaption(Format("Item %d", I));
      Item->SubItems().Add(Format("%d KB", I));
      Item->SubItems().Add("File");
    }
    if (AShow) ShowHost();
    return *List;
  }

  static SCROLLINFO Bar(TListView& AList, int ABar) {
    SCROLLINFO Info;
    Info.fMask = SIF_ALL;
    EXPECT_TRUE(GetScrollInfo(AList.Handle(), ABar, &Info));
    return Info;
  }

  static int RowHeight(TListView& AList) {
    return AList.Items()[1]->DisplayRect(drBounds).Top - AList.Items()[0]->DisplayRect(drBounds).Top;
  }

  static int HeaderHeight(TListView& AList) {
    RECT Box;
    GetWindowRect(reinterpret_cast<HWND>(SendMessage(AList.Handle(), LVM_GETHEADER, 0, 0)), &Box);
    return Box.Height();
  }

  // The screen point in the middle of an item's label.
  static TPoint OnItem(TListView& AList, int AIndex) {
    const TRect Label = AList.Items()[AIndex]->DisplayRect(drLabel);
    return AList.ClientToScreen({Label.Left + 4, (Label.Top + Label.Bottom) / 2});
  }

  static std::vector<int> SelectedIndexes(TListView& AList) {
    std::vector<int> Indexes;
    for (TListItem* Item = AList.Selected(); Item; Item = AList.GetNextItem(Item, sdAll, {isSelected}))
      Indexes.push_back(Item->Index());
    return Indexes;
  }
};

// ---------------------------------------------------------------- report layout

TEST_F(ListViewTest, ReportRowsLieUnderTheHeaderInColumns) {
  TListView& List = NewList(vsReport, 30);
  TImageList Small(nullptr, 16, 16);
  List.SetSmallImages(&Small);
  const int Header = HeaderHeight(List);
  const int Row = RowHeight(List);
  ASSERT_GT(Header, 0);
  ASSERT_GE(Row, 16);
  const TRect Bounds = List.Items()[2]->DisplayRect(drBounds);
  EXPECT_EQ(Bounds, Rect(0, Header + 2 * Row, 240, Header + 3 * Row)) << "all columns wide, row 2";
  const TRect Icon = List.Items()[2]->DisplayRect(drIcon);
  const TRect Label = List.Items()[2]->DisplayRect(drLabel);
  EXPECT_EQ(Icon.Width(), 16);
  EXPECT_GE(Label.Left, Icon.Right);
  EXPECT_EQ(Label.Right, 100) << "the label ends with column 0";
  EXPECT_EQ(List.Items()[2]->DisplayRect(drSelectBounds), Rect(Icon.Left, Bounds.Top, 100, Bounds.Bottom));
  List.SetRowSelect(true);
  EXPECT_EQ(List.Items()[2]->DisplayRect(drSelectBounds).Right, 240)
      << "a selected row reaches the last column";

  RECT Sub;
  Sub.Top = 2;
  Sub.Left = LVIR_BOUNDS;
  ASSERT_NE(SendMessage(List.Handle(), LVM_GETSUBITEMRECT, 1, reinterpret_cast<LPARAM>(&Sub)), 0);
  EXPECT_EQ(Sub, Rect(160, Header + Row, 240, Header + 2 * Row));

  const int ClientHeight = List.ClientHeight();
  EXPECT_EQ(List.VisibleRowCount(), (ClientHeight - Header) / Row);
  EXPECT_EQ(SendMessage(List.Handle(), LVM_GETCOUNTPERPAGE, 0, 0), List.VisibleRowCount());
  EXPECT_EQ(SendMessage(List.Handle(), LVM_GETITEMCOUNT, 0, 0), 30);
  List.SetSmallImages(nullptr);
}

TEST_F(ListViewTest, ReportPaintsCaptionsSubItemsAndSelection) {
  TListView& List = NewList(vsReport, 5);
  List.SetHideSelection(false);
  List.Items()[1]->SetSelected(true);
  Pump();
  const TRect Selected = List.Items()[1]->DisplayRect(drSelectBounds);
  const TPoint Corner = List.ClientToScreen({Selected.Right - 2, Selected.Top + 1});
  EXPECT_EQ(HostPixel(Corner.X - 100, Corner.Y - 100), GetSysColor(COLOR_BTNFACE))
      << "an unfocused selection kept visible is drawn in the button face";
  // Some pixel of the sub-item text "0 KB" differs from the background.
  const TRect Sub = Rect(106, List.Items()[0]->DisplayRect(drBounds).Top, 160,
                         List.Items()[0]->DisplayRect(drBounds).Bottom);
  int Ink = 0;
  for (int Y = Sub.Top; Y < Sub.Bottom; ++Y)
    for (int X = Sub.Left; X < Sub.Right; ++X) {
      const TPoint P = List.ClientToScreen({X, Y});
      if (HostPixel(P.X - 100, P.Y - 100) != GetSysColor(COLOR_WINDOW)) ++Ink;
    }
  EXPECT_GT(Ink, 5);
}

// Icons run left to right in cells that wrap at the client width, the caption under
// the image; unwrapped captions make the cells one line shorter.
TEST_F(ListViewTest, IconCellsWrapAtTheClientWidth) {
  TListView& List = NewList(vsIcon, 12);
  const TRect First = List.Items()[0]->DisplayRect(drBounds);
  const TRect Second = List.Items()[1]->DisplayRect(drBounds);
  const int PerRow = List.ClientWidth() / First.Width();
  EXPECT_EQ(Second.Left, First.Right);
  EXPECT_EQ(List.Items()[PerRow]->DisplayRect(drBounds).Top, First.Bottom);
  EXPECT_EQ(List.Items()[PerRow]->DisplayRect(drBounds).Left, 0);
  const TRect Icon = List.Items()[0]->DisplayRect(drIcon);
  const TRect Label = List.Items()[0]->DisplayRect(drLabel);
  EXPECT_EQ(Label.Top, Icon.Bottom);
  EXPECT_EQ(Label.Bottom, First.Bottom);
  EXPECT_EQ(List.Items()[0]->DisplayRect(drSelectBounds), Label);
  List.IconOptions().SetWrapText(false);
  EXPECT_LT(List.Items()[0]->DisplayRect(drBounds).Height(), First.Height());
}

// ---------------------------------------------------------------- scroll state

// With exactly 20 rows shown and 100 items, the vertical state runs 0 .. 99 with a
// page of 20, so its position reaches 80; scrolling by 10 rows of pixels moves the top
// item by 10.
TEST_F(ListViewTest, ReportScrollStateCountsRows) {
  TListView& List = NewList(vsReport, 100);
  const int Row = RowHeight(List);
  const int Frame = List.Height() - List.ClientHeight();
  List.SetHeight(Frame + HeaderHeight(List) + 20 * Row);
  Pump();
  SCROLLINFO Vertical = Bar(List, SB_VERT);
  EXPECT_EQ(Vertical.nMin, 0);
  EXPECT_EQ(Vertical.nMax, 99);
  EXPECT_EQ(Vertical.nPage, 20u);
  EXPECT_EQ(List.ClientWidth(), List.Width() - 4) << "the bars take no room";
  List.Scroll(0, 10 * Row);
  EXPECT_EQ(List.TopItem()->Index(), 10);
  EXPECT_EQ(GetScrollPos(List.Handle(), SB_VERT), 10);
  SendMessage(List.Handle(), WM_VSCROLL, MakeScrollWParam(SB_THUMBPOSITION, 95), 0);
  EXPECT_EQ(GetScrollPos(List.Handle(), SB_VERT), 80);
  EXPECT_EQ(List.TopItem()->Index(), 80);
}

// Horizontally the report view scrolls pixels, and the header moves with the columns.
TEST_F(ListViewTest, ReportScrollsColumnsAndHeaderByPixels) {
  TListView& List = NewList(vsReport, 10);
  EXPECT_EQ(Bar(List, SB_HORZ).nMax, 239);
  List.Columns()[0]->SetWidth(300);
  const SCROLLINFO Horizontal = Bar(List, SB_HORZ);
  EXPECT_EQ(Horizontal.nMax, 439) << "pixels of the columns";
  EXPECT_EQ(Horizontal.nPage, static_cast<UINT>(List.ClientWidth()));
  SendMessage(List.Handle(), WM_HSCROLL, MakeScrollWParam(SB_THUMBPOSITION, 100), 0);
  EXPECT_EQ(List.Items()[0]->DisplayRect(drBounds).Left, -100);
  const HWND Header = reinterpret_cast<HWND>(SendMessage(List.Handle(), LVM_GETHEADER, 0, 0));
  RECT Place;
  GetWindowRect(Header, &Place);
  EXPECT_EQ(Place.Left, List.ClientOrigin().X - 100);
}

struct TScrollCase {
  TViewStyle Style;
  int Bar;  // the bar that scrolls; the other one has nothing to scroll
};

String ViewName(const ::testing::TestParamInfo<TScrollCase>& AInfo) {
  const char* const Names[] = {"Icon", "SmallIcon", "List", "Report"};
  return Names[AInfo.param.Style];
}

class ListViewScrollTest : public ListViewTest, public ::testing::WithParamInterface<TScrollCase> {};

// One SB_LINEDOWN (SB_LINERIGHT) moves item 0 by one unit of the view: a row (report),
// a column (list) or a line of pixels (icons); SB_LINEUP (SB_LINELEFT) moves it back.
TEST_P(ListViewScrollTest, OneLineMovesTheItemsByOneUnit) {
  const TScrollCase& Case = GetParam();
  TListView& List = NewList(Case.Style, 200);
  const SCROLLINFO Info = Bar(List, Case.Bar);
  EXPECT_GT(Info.nMax + 1, static_cast<int>(Info.nPage)) << "something to scroll";
  const TRect Before = List.Items()[0]->DisplayRect(drBounds);
  const UINT Msg = Case.Bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
  SendMessage(List.Handle(), Msg, MakeScrollWParam(SB_LINEDOWN, 0), 0);
  const int Pos = GetScrollPos(List.Handle(), Case.Bar);
  const TRect After = List.Items()[0]->DisplayRect(drBounds);
  const int Moved = Case.Bar == SB_VERT ? Before.Top - After.Top : Before.Left - After.Left;
  switch (Case.Style) {
    case vsReport:
      EXPECT_EQ(Pos, 1);
      EXPECT_EQ(Moved, Before.Height());
      break;
    case vsList:
      EXPECT_EQ(Pos, 1);
      EXPECT_EQ(Moved, Before.Width());
      break;
    default:
      EXPECT_GT(Pos, 0);
      EXPECT_EQ(Moved, Pos);
      break;
  }
  SendMessage(List.Handle(), Msg, MakeScrollWParam(SB_LINEUP, 0), 0);
  EXPECT_EQ(List.Items()[0]->DisplayRect(drBounds), Before);
  if (Case.Style != vsReport) {
    const SCROLLINFO Other = Bar(List, Case.Bar == SB_VERT ? SB_HORZ : SB_VERT);
    EXPECT_LE(Other.nMax + 1, std::max(1, static_cast<int>(Other.nPage)))
        << "the other bar has nothing to scroll";
  }
}

INSTANTIATE_TEST_SUITE_P(Views, ListViewScrollTest,
                         ::testing::Values(TScrollCase{vsReport, SB_VERT}, TScrollCase{vsList, SB_HORZ},
                                           TScrollCase{vsIcon, SB_VERT}, TScrollCase{vsSmallIcon, SB_VERT}),
                         ViewName);

TEST_F(ListViewTest, ListViewScrollsByColumnsAndHasNoVerticalRange) {
  TListView& List = NewList(vsList, 100);
  const int Row = RowHeight(List);
  const int Rows = List.ClientHeight() / Row;
  const int Pitch = List.Items()[0]->DisplayRect(drBounds).Width();
  EXPECT_EQ(List.Items()[Rows]->DisplayRect(drBounds).Left, Pitch)
      << "items run down, then into the next column";
  const SCROLLINFO Horizontal = Bar(List, SB_HORZ);
  EXPECT_EQ(Horizontal.nMax, (100 + Rows - 1) / Rows - 1);
  EXPECT_EQ(Horizontal.nPage, static_cast<UINT>(List.ClientWidth() / Pitch));
  EXPECT_EQ(Bar(List, SB_VERT).nMax, 0);
  EXPECT_EQ(SendMessage(List.Handle(), LVM_GETCOUNTPERPAGE, 0, 0), Rows * (List.ClientWidth() / Pitch));
  // The width of list columns is the one of column 0.
  List.Columns()[0]->SetWidth(150);
  EXPECT_EQ(List.Items()[0]->DisplayRect(drBounds).Width(), 150);
}

// Positions are 32-bit: a thumb position beyond 65535 reaches its row.
TEST_F(ListViewTest, ThumbPositionsAreThirtyTwoBit) {
  TListView& List = NewList(vsReport, 0);
  List.SetOwnerData(true);
  List.OnData = [](TObject*, TListItem* Item) { Item->SetCaption(Format("Row %d", Item->Index())); };
  List.Items().SetCount(100000);
  Pump();
  SendMessage(List.Handle(), WM_VSCROLL, MakeScrollWParam(SB_THUMBPOSITION, 70000), 0);
  EXPECT_EQ(GetScrollPos(List.Handle(), SB_VERT), 70000);
  EXPECT_EQ(List.TopItem()->Caption(), "Row 70000");
}

// ---------------------------------------------------------------- owner data

TEST_F(ListViewTest, OwnerDataFetchesOnlyWhatIsShown) {
  TListView& List = NewList(vsReport, 0, false);
  List.SetOwnerData(true);
  std::vector<int> Fetched;
  List.OnData = [&](TObject*, TListItem* Item) {
    Fetched.push_back(Item->Index());
    Item->SetCaption(Format("Clip %d", Item->Index()));
    Item->SubItems().Add(Format("%d MB", Item->Index() * 2));
  };
  List.Items().SetCount(5000);
  ShowHost();
  EXPECT_EQ(SendMessage(List.Handle(), LVM_GETITEMCOUNT, 0, 0), 5000);
  ASSERT_FALSE(Fetched.empty()) << "painting asked for the shown rows";
  for (int Index : Fetched) EXPECT_LE(Index, List.VisibleRowCount()) << "only shown rows are fetched";
  EXPECT_EQ(List.Items()[4321]->Caption(), "Clip 4321");
  EXPECT_EQ(List.Items()[4321]->SubItems().Strings(0), "8642 MB");
  // States are the window's: selecting an item of an owner-data list works by index.
  List.Items()[7]->SetSelected(true);
  EXPECT_EQ(List.Selected()->Index(), 7);
  List.Items().SetCount(5);
  EXPECT_EQ(List.Selected(), nullptr) << "the selected item went with the shorter count";
}

// Typing searches an owner-data list through OnDataFind, from the item after the
// focused one, wrapping around.
TEST_F(ListViewTest, OwnerDataTypeAheadWrapsThroughOnDataFind) {
  TListView& List = NewList(vsList, 0, false);
  List.SetOwnerData(true);
  const std::vector<String> Names = {"Alpha", "Beta", "Gamma", "Bravo", "Delta"};
  List.OnData = [&](TObject*, TListItem* Item) { Item->SetCaption(Names[Item->Index()]); };
  int AskedStart = -2;
  bool AskedWrap = false;
  List.OnDataFind = [&](TObject*, TItemFind Find, const String& Text, const TPoint&, void*, int Start,
                        TSearchDirection, bool Wrap, int& Index) {
    ASSERT_EQ(Find, ifPartialString);
    AskedStart = Start;
    AskedWrap = Wrap;
    const int Count = static_cast<int>(Names.size());
    for (int Step = 0; Step < Count; ++Step) {
      const int I = (Start + Step) % Count;
      if (StartsText(Text, Names[I])) {
        Index = I;
        return;
      }
    }
  };
  List.Items().SetCount(static_cast<int>(Names.size()));
  ShowHost();
  List.Items()[3]->SetFocused(true);
  ::SetFocus(List.Handle());
  InjectText("b");
  Pump();
  EXPECT_EQ(AskedStart, 4);
  EXPECT_TRUE(AskedWrap);
  ASSERT_NE(List.Selected(), nullptr);
  EXPECT_EQ(List.Selected()->Index(), 1) << "Beta, found after wrapping";
}

// ---------------------------------------------------------------- the header

// The header's creation reaches the list view, and the chain of parents above it.
TEST_F(ListViewTest, HeaderIsMadeOnTheFirstShowInReportViewAndAnnounced) {
  TListView& List = NewList(vsList, 3, false);
  std::vector<String> ToList;
  std::vector<String> ToHost;
  auto Recording = [](TWndMethod APrevious, std::vector<String>& AAnnounced) {
    return [APrevious, &AAnnounced](TMessage& AMessage) {
      if (AMessage.Msg == WM_PARENTNOTIFY && LOWORD(AMessage.WParam) == WM_CREATE)
        AAnnounced.push_back(GetClassName(reinterpret_cast<HWND>(AMessage.LParam)));
      APrevious(AMessage);
    };
  };
  const TWndMethod ListProc = List.WindowProc;
  const TWndMethod HostProc = Host().WindowProc;
  List.WindowProc = Recording(ListProc, ToList);
  Host().WindowProc = Recording(HostProc, ToHost);
  ShowHost();
  EXPECT_EQ(SendMessage(List.Handle(), LVM_GETHEADER, 0, 0), 0) << "no header outside report view";
  List.SetViewStyle(vsReport);
  Pump();
  const HWND Header = reinterpret_cast<HWND>(SendMessage(List.Handle(), LVM_GETHEADER, 0, 0));
  ASSERT_NE(Header, nullptr);
  EXPECT_EQ(ToList, std::vector<String>{"SysHeader32"});
  // The host hears of the child below it: the list, made on the first show, and again
  // when the header is made inside it.
  EXPECT_EQ(ToHost, (std::vector<String>{"TListView", "TListView"}));
  EXPECT_EQ(GetParent(Header), List.Handle());
  EXPECT_EQ(SendMessage(Header, HDM_GETITEMCOUNT, 0, 0), 3);
  List.Columns().Add()->SetCaption("Modified");
  EXPECT_EQ(SendMessage(Header, HDM_GETITEMCOUNT, 0, 0), 4) << "columns follow into the header";
  List.WindowProc = ListProc;
  Host().WindowProc = HostProc;
}

// The skinned list replaces the header's procedure and widens it in
// WM_WINDOWPOSCHANGING; the list places its header through SetWindowPos, so the
// widening holds.
TEST_F(ListViewTest, HeaderIsSubclassableAndSizedThroughWindowPosChanging) {
  TListView& List = NewList(vsReport, 3);
  const HWND Header = reinterpret_cast<HWND>(SendMessage(List.Handle(), LVM_GETHEADER, 0, 0));
  ASSERT_NE(Header, nullptr);
  WNDPROC Original = nullptr;
  WNDPROC Widening =
      MakeProcInstance([&](HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) -> LRESULT {
        if (AMsg == WM_WINDOWPOSCHANGING) {
          reinterpret_cast<WINDOWPOS*>(ALParam)->cx += 25;
          return 0;
        }
        return CallWindowProc(Original, AWindow, AMsg, AWParam, ALParam);
      });
  Original =
      reinterpret_cast<WNDPROC>(SetWindowLong(Header, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Widening)));
  List.SetWidth(280);
  Pump();
  RECT Box;
  GetClientRect(Header, &Box);
  EXPECT_EQ(Box.Width(), List.ClientWidth() + 25);
  EXPECT_EQ(SendMessage(Header, HDM_GETITEMCOUNT, 0, 0), 3)
      << "the rest still reaches the header's own procedure";
  SetWindowLong(Header, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Original));
  FreeProcInstance(Widening);
}

TEST_F(ListViewTest, DraggingADividerChangesTheColumnWidth) {
  TListView& List = NewList(vsReport, 5);
  const HWND Header = reinterpret_cast<HWND>(SendMessage(List.Handle(), LVM_GETHEADER, 0, 0));
  RECT Section;
  SendMessage(Header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&Section));
  ASSERT_EQ(Section.Right, 100);
  HDHITTESTINFO Hit;
  Hit.pt = {99, 5};
  EXPECT_EQ(SendMessage(Header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&Hit)), 0);
  EXPECT_EQ(Hit.flags, HHT_ONDIVIDER);
  POINT Divider{99, Section.Height() / 2};
  ClientToScreen(Header, &Divider);
  InjectPointerMove(Divider);
  InjectPointerPress(Divider);
  InjectPointerMove({Divider.X + 20, Divider.Y});
  InjectPointerMove({Divider.X + 40, Divider.Y});
  InjectPointerRelease({Divider.X + 40, Divider.Y});
  Pump();
  EXPECT_EQ(List.Columns()[0]->Width(), 140);
  EXPECT_EQ(List.Items()[0]->DisplayRect(drLabel).Right, 140) << "the rows follow the new width";
  SendMessage(Header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&Section));
  EXPECT_EQ(Section.Left, 140);
  EXPECT_EQ(Bar(List, SB_HORZ).nMax, 279);
}

// FullDrag lets the user drag a column's section to another place; the rows follow.
TEST_F(ListViewTest, FullDragReordersTheColumns) {
  TListView& List = NewList(vsReport, 3);
  List.SetFullDrag(true);
  const HWND Header = reinterpret_cast<HWND>(SendMessage(List.Handle(), LVM_GETHEADER, 0, 0));
  POINT From{200, 5};
  POINT To{10, 5};
  ClientToScreen(Header, &From);
  ClientToScreen(Header, &To);
  InjectPointerPress(From);
  InjectPointerMove({From.X - 10, From.Y});
  InjectPointerMove(To);
  InjectPointerRelease(To);
  Pump();
  int Order[3] = {};
  SendMessage(Header, HDM_GETORDERARRAY, 3, reinterpret_cast<LPARAM>(Order));
  EXPECT_EQ(std::vector<int>(Order, Order + 3), (std::vector<int>{2, 0, 1}));
  RECT Sub;
  Sub.Top = 2;
  Sub.Left = LVIR_BOUNDS;
  SendMessage(List.Handle(), LVM_GETSUBITEMRECT, 0, reinterpret_cast<LPARAM>(&Sub));
  EXPECT_EQ(Sub.Left, 0);
  EXPECT_EQ(List.Items()[0]->DisplayRect(drLabel).Right, 180) << "column 0 now follows Type";
}

TEST_F(ListViewTest, ClickingASectionIsAColumnClick) {
  TListView& List = NewList(vsReport, 5);
  int Clicked = -1;
  List.OnColumnClick = [&](TObject*, TListColumn* Column) { Clicked = Column->Index(); };
  const HWND Header = reinterpret_cast<HWND>(SendMessage(List.Handle(), LVM_GETHEADER, 0, 0));
  POINT Middle{130, 5};
  ClientToScreen(Header, &Middle);
  InjectClick(Middle);
  Pump();
  EXPECT_EQ(Clicked, 1);
}

// ---------------------------------------------------------------- selection

TEST_F(ListViewTest, ClicksSelectWithControlAndShiftInOrder) {
  TListView& List = NewList(vsReport, 8);
  List.SetMultiSelect(true);
  int Changes = 0;
  List.OnSelectItem = [&](TObject*, TListItem*, bool) { ++Changes; };
  InjectClick(OnItem(List, 1));
  InjectClick(OnItem(List, 4), pbLeft, PointerShift);
  Pump();
  EXPECT_EQ(SelectedIndexes(List), (std::vector<int>{1, 2, 3, 4}));
  InjectClick(OnItem(List, 2), pbLeft, PointerControl);
  Pump();
  EXPECT_EQ(SelectedIndexes(List), (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(List.ItemFocused()->Index(), 2);
  EXPECT_EQ(List.SelCount(), 3);
  EXPECT_EQ(Changes, 5);
  InjectClick(OnItem(List, 6));
  Pump();
  EXPECT_EQ(SelectedIndexes(List), std::vector<int>{6});
}

TEST_F(ListViewTest, DoubleClickSelectsTheItemBeforeOnDblClick) {
  TListView& List = NewList(vsList, 8);
  int SelectedAtDoubleClick = -1;
  List.OnDblClick = [&](TObject*) {
    SelectedAtDoubleClick = List.Selected() ? List.Selected()->Index() : -2;
  };
  InjectDoubleClick(OnItem(List, 5));
  Pump();
  EXPECT_EQ(SelectedAtDoubleClick, 5);
}

// Typing selects the next item whose caption begins with the typed text, wrapping.
TEST_F(ListViewTest, TypingFindsCaptionsFromTheFocusedItemOn) {
  TListView& List = NewList(vsReport, 15);
  List.Items()[3]->SetFocused(true);
  ::SetFocus(List.Handle());
  InjectText("item 12");
  Pump();
  EXPECT_EQ(List.Selected()->Index(), 12) << "more characters refine the match";
  Headless().AdvanceClock(2000);
  List.Items()[14]->SetFocused(true);
  InjectText("item 2");
  Pump();
  EXPECT_EQ(List.Selected()->Index(), 2)
      << "after a pause the search starts after the focused item, wrapping";
}

TEST_F(ListViewTest, ArrowKeysMoveTheSelectionAndKeepItShown) {
  TListView& List = NewList(vsReport, 60);
  List.Items()[0]->SetSelected(true);
  List.Items()[0]->SetFocused(true);
  ::SetFocus(List.Handle());
  InjectKeyStroke(VK_DOWN);
  InjectKeyStroke(VK_DOWN);
  Pump();
  EXPECT_EQ(List.Selected()->Index(), 2);
  InjectKeyStroke(VK_END);
  Pump();
  EXPECT_EQ(List.Selected()->Index(), 59);
  EXPECT_EQ(List.TopItem()->Index(), 60 - List.VisibleRowCount()) << "the last item was scrolled into view";
}

TEST_F(ListViewTest, CheckBoxesToggleByClickAndSpace) {
  TListView& List = NewList(vsReport, 4);
  List.SetCheckboxes(true);
  Pump();
  EXPECT_FALSE(List.Items()[1]->Checked());
  const TRect Row = List.Items()[1]->DisplayRect(drBounds);
  InjectClick(List.ClientToScreen({Row.Left + 6, (Row.Top + Row.Bottom) / 2}));
  Pump();
  EXPECT_TRUE(List.Items()[1]->Checked());
  List.Items()[2]->SetFocused(true);
  ::SetFocus(List.Handle());
  InjectKeyStroke(VK_SPACE);
  Pump();
  EXPECT_TRUE(List.Items()[2]->Checked());
  EXPECT_TRUE(List.Items()[1]->Checked());
}

// ---------------------------------------------------------------- custom draw and editing

TEST_F(ListViewTest, CustomDrawCanTakeOverAnItem) {
  TListView& List = NewList(vsReport, 4);
  std::vector<TCustomDrawState> States(4);
  List.OnCustomDrawItem = [&](TCustomListView* Sender, TListItem* Item, TCustomDrawState State,
                              bool& DefaultDraw) {
    States[Item->Index()] = State;
    if (Item->Index() != 2) return;
    Sender->Canvas().Brush().SetColor(clRed);
    Sender->Canvas().FillRect(Item->DisplayRect(drBounds));
    DefaultDraw = false;
  };
  List.SetHideSelection(false);
  List.Items()[1]->SetSelected(true);
  List.Invalidate();
  Pump();
  const TRect Row = List.Items()[2]->DisplayRect(drBounds);
  const TPoint P = List.ClientToScreen({Row.Left + 20, (Row.Top + Row.Bottom) / 2});
  EXPECT_EQ(HostPixel(P.X - 100, P.Y - 100), RGB(255, 0, 0));
  EXPECT_TRUE(States[1].Contains(cdsSelected));
  EXPECT_FALSE(States[0].Contains(cdsSelected));
}

TEST_F(ListViewTest, CaptionEditingEndsWithEnterOrEscape) {
  TListView& List = NewList(vsReport, 4);
  String Edited;
  List.OnEdited = [&](TObject*, TListItem*, String& S) {
    Edited = S;
    S += "!";
  };
  const HWND Editor = reinterpret_cast<HWND>(SendMessage(List.Handle(), LVM_EDITLABELW, 1, 0));
  ASSERT_NE(Editor, nullptr);
  EXPECT_TRUE(List.IsEditing());
  EXPECT_EQ(GetWindowText(Editor), "Item 1");
  InjectText("Renamed");
  InjectKeyStroke(VK_RETURN);
  Pump();
  EXPECT_FALSE(List.IsEditing());
  EXPECT_EQ(Edited, "Renamed");
  EXPECT_EQ(List.Items()[1]->Caption(), "Renamed!");

  List.Items()[2]->EditCaption();
  InjectText("Lost");
  InjectKeyStroke(VK_ESCAPE);
  Pump();
  EXPECT_FALSE(List.IsEditing());
  EXPECT_EQ(List.Items()[2]->Caption(), "Item 2");

  // A click elsewhere takes the text.
  List.Items()[2]->EditCaption();
  InjectText("Kept");
  InjectClick(OnItem(List, 0));
  Pump();
  EXPECT_FALSE(List.IsEditing());
  EXPECT_EQ(List.Items()[2]->Caption(), "Kept!");

  List.OnEditing = [](TObject*, TListItem*, bool& Allow) { Allow = false; };
  EXPECT_FALSE(List.Items()[3]->EditCaption());
}

// The editor is a child of the list: freeing the list while it edits ends the edit
// without reaching the freed list.
TEST_F(ListViewTest, FreeingTheListWhileEditingIsSafe) {
  TListView* List = &NewList(vsReport, 3);
  bool Edited = false;
  List->OnEdited = [&](TObject*, TListItem*, String&) { Edited = true; };
  ASSERT_TRUE(List->Items()[0]->EditCaption());
  delete List;
  Pump();
  EXPECT_FALSE(Edited);
}

}  // namespace
}  // namespace ui_test
