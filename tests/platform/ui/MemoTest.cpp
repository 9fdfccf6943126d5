// The multi-line EDIT window under TMemo: line messages on a wrapped memo, the lines
// list, line breaks, scroll state with 32-bit positions and the keys a memo takes.

#include <gtest/gtest.h>

#include <cstring>

#include "platform/ui/native/Memo.h"
#include "platform/win/Windows.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/EditTestSupport.h"

namespace ui_test {
namespace {

class MemoTest : public EditTest {
 protected:
  TMemo& NewMemo(bool AWordWrap, TScrollStyle ABars = ssNone) {
    auto* Memo = new TMemo(&Host());
    Memo->SetBorderStyle(bsNone);
    Memo->SetWordWrap(AWordWrap);
    Memo->SetScrollBars(ABars);
    Memo->SetBounds(10, 10, 120, 100);
    Memo->SetParent(&Host());
    ShowHost();
    return *Memo;
  }
  int LineIndex(TMemo& AMemo, int ALine) {
    return static_cast<int>(Send(AMemo, EM_LINEINDEX, static_cast<WPARAM>(ALine)));
  }
  int LineLength(TMemo& AMemo, int APos) {
    return static_cast<int>(Send(AMemo, EM_LINELENGTH, static_cast<WPARAM>(APos)));
  }
  String GetLine(TMemo& AMemo, int ALine) {
    char Buffer[256];
    const WORD Size = sizeof(Buffer);
    std::memcpy(Buffer, &Size, sizeof(Size));
    const auto Copied = Send(AMemo, EM_GETLINE, static_cast<WPARAM>(ALine), reinterpret_cast<LPARAM>(Buffer));
    return String(Buffer, static_cast<size_t>(Copied));
  }
  SCROLLINFO ScrollState(TMemo& AMemo, int ABar) {
    SCROLLINFO Info;
    Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    EXPECT_TRUE(GetScrollInfo(AMemo.Handle(), ABar, &Info));
    return Info;
  }
};

TEST_F(MemoTest, AWrappedMemoBreaksBeforeTheWordThatWouldPassTheEdge) {
  TMemo& Memo = NewMemo(true);
  const String Text = "The quick brown fox jumps over the lazy dog and keeps running\nlast";
  Memo.SetText(Text);
  const int Count = static_cast<int>(Send(Memo, EM_GETLINECOUNT));
  ASSERT_GT(Count, 3);
  RECT Area;
  Send(Memo, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&Area));
  String Joined;
  for (int Line = 0; Line < Count; ++Line) {
    SCOPED_TRACE(Line);
    const int Start = LineIndex(Memo, Line);
    const int Length = LineLength(Memo, Start);
    const String Shown = GetLine(Memo, Line);
    EXPECT_EQ(static_cast<int>(Shown.size()), Length);
    EXPECT_EQ(Send(Memo, EM_LINEFROMCHAR, static_cast<WPARAM>(Start)), Line);
    // Every character of the line lies left of the edge, blanks at the break aside.
    const String Trimmed = TrimRight(Shown);
    EXPECT_LE(PositionPoint(Memo, Start + static_cast<int>(Trimmed.size()) - 1).X, Area.Right);
    EXPECT_EQ(PositionPoint(Memo, Start).Y,
              Area.Top + Line * (PositionPoint(Memo, LineIndex(Memo, 1)).Y - Area.Top));
    // Wrapped lines end at a blank; the paragraph's last line ends at the line break.
    if (Line + 1 < Count && LineIndex(Memo, Line + 1) != Start + Length + 1) {
      EXPECT_EQ(Shown.back(), ' ');
    }
    Joined += Shown;
    if (Line + 1 < Count && LineIndex(Memo, Line + 1) == Start + Length + 1) Joined += "\n";
  }
  EXPECT_EQ(Joined, Text);
  EXPECT_EQ(GetLine(Memo, Count - 1), "last");
  EXPECT_EQ(LineIndex(Memo, Count), -1);
  // The lines list shows the same lines.
  ASSERT_EQ(Memo.Lines().Count(), Count);
  EXPECT_EQ(Memo.Lines().Strings(Count - 1), "last");
}

TEST_F(MemoTest, LinesAddInsertDeleteAndReplaceThroughTheWindow) {
  TMemo& Memo = NewMemo(false);
  Memo.Lines().Add("one");
  Memo.Lines().Add("three");
  Memo.Lines().Insert(1, "two");
  EXPECT_EQ(Memo.Text(), "one\ntwo\nthree\n");
  EXPECT_EQ(Memo.Lines().Count(), 3);
  Memo.Lines().SetStrings(2, "THREE");
  Memo.Lines().Delete(0);
  EXPECT_EQ(Memo.Text(), "two\nTHREE\n");
  EXPECT_EQ(Memo.Lines().Text(), "two\nTHREE\n");
  Memo.SetText("a\r\nb\rc");
  EXPECT_EQ(Memo.Text(), "a\nb\nc");
  EXPECT_EQ(Memo.Lines().Count(), 3);
  Memo.Lines().Add("d");
  EXPECT_EQ(Memo.Text(), "a\nb\nc\nd");
  EXPECT_THROW(Memo.Lines().Strings(9), EListError);
  Memo.Lines().Clear();
  EXPECT_EQ(Memo.Lines().Count(), 0);
}

TEST_F(MemoTest, EnterMakesALineOnlyWhenTheMemoWantsReturnsAndPastedBreaksStay) {
  TMemo& Memo = NewMemo(false);
  Focus(Memo);
  InjectText("ab");
  Keys({{VK_RETURN, 0}});
  InjectText("cd");
  Pump();
  EXPECT_EQ(Memo.Text(), "ab\ncd");
  SetClipboardText("x\ny");
  Memo.PasteFromClipboard();
  EXPECT_EQ(Memo.Text(), "ab\ncdx\ny");
  Memo.SetWantReturns(false);
  Focus(Memo);
  Send(Memo, EM_SETSEL, 0, 0);
  Send(Memo, WM_CHAR, '\r');
  Memo.PasteFromClipboard();
  EXPECT_EQ(Memo.Text(), "x yab\ncdx\ny");
}

TEST_F(MemoTest, ArrowsMoveBetweenLinesAtTheSameColumn) {
  TMemo& Memo = NewMemo(false);
  Memo.SetText("abcdef\nab\nabcdef");
  Focus(Memo);
  Send(Memo, EM_SETSEL, 4, 4);
  Keys({{VK_DOWN, 0}});
  EXPECT_EQ(Selection(Memo), std::make_pair(9, 9));  // the end of the short line
  Keys({{VK_DOWN, 0}});
  EXPECT_EQ(Send(Memo, EM_LINEFROMCHAR, static_cast<WPARAM>(-1)), 2);
  Keys({{VK_UP, PointerShift}, {VK_UP, PointerShift}});
  EXPECT_EQ(Selection(Memo).first, 2);
  Keys({{VK_END, PointerControl}});
  EXPECT_EQ(Selection(Memo), std::make_pair(16, 16));
}

TEST_F(MemoTest, TheScrollStateIsKeptWithoutRoomForTheBars) {
  TMemo& Memo = NewMemo(false, ssBoth);
  RECT Client;
  GetClientRect(Memo.Handle(), &Client);
  EXPECT_EQ(Client, Rect(0, 0, 120, 100));
  String Text;
  for (int Line = 0; Line < 100; ++Line) Text += Format("line %d\n", Line);
  Text += "a rather long last line that runs past the right edge of the memo";
  Memo.SetText(Text);
  const SCROLLINFO Vertical = ScrollState(Memo, SB_VERT);
  const int Visible = 100 / (PositionPoint(Memo, LineIndex(Memo, 1)).Y - PositionPoint(Memo, 0).Y);
  EXPECT_EQ(Vertical.nMax, 100);
  EXPECT_EQ(static_cast<int>(Vertical.nPage), Visible);
  EXPECT_EQ(Vertical.nPos, 0);
  Send(Memo, WM_VSCROLL, MakeScrollWParam(SB_LINEDOWN, 0));
  Send(Memo, WM_VSCROLL, MakeScrollWParam(SB_LINEDOWN, 0));
  EXPECT_EQ(Send(Memo, EM_GETFIRSTVISIBLELINE), 2);
  EXPECT_EQ(ScrollState(Memo, SB_VERT).nPos, 2);
  Send(Memo, WM_VSCROLL, MakeScrollWParam(SB_THUMBPOSITION, 50));
  EXPECT_EQ(Send(Memo, EM_GETFIRSTVISIBLELINE), 50);
  // Setting the formatting rectangle again, as a skinned owner does at every paint,
  // keeps the view where it was scrolled to.
  RECT Format = Rect(0, 0, 120, 100);
  Send(Memo, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&Format));
  EXPECT_EQ(Send(Memo, EM_GETFIRSTVISIBLELINE), 50);
  const SCROLLINFO Horizontal = ScrollState(Memo, SB_HORZ);
  EXPECT_GT(Horizontal.nMax, 120);
  EXPECT_EQ(static_cast<int>(Horizontal.nPage), 120);
  Send(Memo, WM_HSCROLL, MakeScrollWParam(SB_THUMBPOSITION, 30));
  EXPECT_EQ(ScrollState(Memo, SB_HORZ).nPos, 30);
  EXPECT_EQ(PositionPoint(Memo, 0).X, -30);
  // The caret brought into view scrolls back.
  Send(Memo, EM_SETSEL, 0, 0);
  Send(Memo, EM_SCROLLCARET);
  EXPECT_EQ(Send(Memo, EM_GETFIRSTVISIBLELINE), 0);
  EXPECT_EQ(ScrollState(Memo, SB_HORZ).nPos, 0);
}

TEST_F(MemoTest, ScrollPositionsBeyondSixteenBitsArriveWhole) {
  TMemo& Memo = NewMemo(false, ssVertical);
  Memo.SetText(String(70000, '\n'));
  EXPECT_EQ(ScrollState(Memo, SB_VERT).nMax, 70000);
  Send(Memo, WM_VSCROLL, MakeScrollWParam(SB_THUMBPOSITION, 68000));
  EXPECT_EQ(Send(Memo, EM_GETFIRSTVISIBLELINE), 68000);
  EXPECT_EQ(ScrollState(Memo, SB_VERT).nPos, 68000);
  EXPECT_EQ(LineIndex(Memo, 68000), 68000);
}

TEST_F(MemoTest, TabsGoIntoTheTextOnlyWhenWanted) {
  TMemo& Memo = NewMemo(false);
  Focus(Memo);
  Keys({{VK_TAB, 0}});
  EXPECT_EQ(Memo.Text(), "");
  Memo.WantTabs = true;
  Keys({{VK_TAB, 0}});
  EXPECT_EQ(Memo.Text(), "\t");
}

}  // namespace
}  // namespace ui_test
