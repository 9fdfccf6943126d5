// The tab control's geometry: lines of tabs, their places on the tab side, the
// scroller of a single line that does not fit, and the display rectangle.

#include "platform/ui/native/TabControlLayout.h"

#include <algorithm>
#include <numeric>

#include "platform/ui/native/TabControlMessages.h"

namespace {

// From the tab-side edge to the outer edge of the tabs.
constexpr int EdgeMargin = 2;
// From the left edge to the first visible tab of a single line.
constexpr int SingleLineStart = 2;
// From the border to the display rectangle.
constexpr int PageInset = 4;
// From the strip to the display rectangle: tabs at the top leave the border 4 pixels
// more room below them than the other positions do beside them.
constexpr int TopStripInset = 4;
constexpr int SideStripInset = 2;

enum TTabSide { sdTop, sdBottom, sdLeft, sdRight };

TTabSide SideOf(DWORD AStyle) {
  if (AStyle & TCS_VERTICAL) return (AStyle & TCS_RIGHT) ? sdRight : sdLeft;
  return (AStyle & TCS_BOTTOM) ? sdBottom : sdTop;
}

bool IsHorizontal(TTabSide ASide) { return ASide == sdTop || ASide == sdBottom; }

// A rectangle given along the strip (from its start) and across it (from the tab-side
// edge), in client coordinates.
TRect PlaceOnSide(TTabSide ASide, TSize AClient, int AAlong, int ALength, int AAcross, int AThickness) {
  switch (ASide) {
    case sdTop:
      return Rect(AAlong, AAcross, AAlong + ALength, AAcross + AThickness);
    case sdBottom:
      return Rect(AAlong, AClient.cy - AAcross - AThickness, AAlong + ALength, AClient.cy - AAcross);
    case sdLeft:
      return Rect(AAcross, AAlong, AAcross + AThickness, AAlong + ALength);
    case sdRight:
      return Rect(AClient.cx - AAcross - AThickness, AAlong, AClient.cx - AAcross, AAlong + ALength);
  }
  return {};
}

int SumOf(const std::vector<int>& ALengths, size_t AFrom, size_t ATo) {
  return std::accumulate(ALengths.begin() + AFrom, ALengths.begin() + ATo, 0);
}

// One line that scrolls. The scroller takes a square of twice the line's thickness
// by one at the line's far end, and the last tab may be scrolled into the room before
// it, no further.
void LayOutSingleLine(const TTabLayoutInput& AInput, TTabSide ASide, TTabLayout& ALayout) {
  const std::vector<int>& Lengths = AInput.Lengths;
  const size_t Count = Lengths.size();
  const int Thickness = AInput.Thickness;
  ALayout.Overflows = SingleLineStart + SumOf(Lengths, 0, Count) > AInput.Client.cx;
  if (ALayout.Overflows) {
    const int ScrollerWidth = 2 * Thickness;
    const int Room = AInput.Client.cx - ScrollerWidth;
    size_t Last = Count - 1;
    while (Last > 0 && SingleLineStart + SumOf(Lengths, Last - 1, Count) <= Room) --Last;
    ALayout.LastFirstVisible = static_cast<int>(Last);
    ALayout.FirstVisible = std::clamp(AInput.FirstVisible, 0, ALayout.LastFirstVisible);
    ALayout.Scroller = PlaceOnSide(ASide, AInput.Client, AInput.Client.cx - ScrollerWidth, ScrollerWidth,
                                   EdgeMargin, Thickness);
  }
  int Along = SingleLineStart - SumOf(Lengths, 0, static_cast<size_t>(ALayout.FirstVisible));
  for (size_t I = 0; I < Count; ++I) {
    ALayout.Tabs.push_back(PlaceOnSide(ASide, AInput.Client, Along, Lengths[I], EdgeMargin, Thickness));
    Along += Lengths[I];
  }
  ALayout.Rows = 1;
}

// Lines that wrap: a tab that does not fit in the rest of a line starts the next one
// (a line holds at least one tab). The line of the selected tab is shown next to the
// pages, the others keep their turn before it.
void LayOutLines(const TTabLayoutInput& AInput, TTabSide ASide, TTabLayout& ALayout) {
  const int Extent = IsHorizontal(ASide) ? AInput.Client.cx : AInput.Client.cy;
  std::vector<int> LineOf, AlongOf;
  int Lines = 0, Along = 0;
  for (int Length : AInput.Lengths) {
    if (Lines == 0 || (Along > 0 && Along + Length > Extent)) {
      ++Lines;
      Along = 0;
    }
    LineOf.push_back(Lines - 1);
    AlongOf.push_back(Along);
    Along += Length;
  }
  const bool HasSelected = AInput.Selected >= 0 && AInput.Selected < static_cast<int>(LineOf.size());
  const int SelectedLine = HasSelected ? LineOf[AInput.Selected] : Lines - 1;
  for (size_t I = 0; I < LineOf.size(); ++I) {
    // Place 0 is the outermost line, Lines - 1 the one next to the pages.
    const int Place = (LineOf[I] + Lines - 1 - SelectedLine) % Lines;
    ALayout.Tabs.push_back(PlaceOnSide(ASide, AInput.Client, AlongOf[I], AInput.Lengths[I],
                                       EdgeMargin + Place * AInput.Thickness, AInput.Thickness));
  }
  ALayout.Rows = Lines;
}

// How far the display rectangle lies inside the window rectangle on each side.
TRect InsetsOf(DWORD AStyle, int AStripDepth) {
  TRect Insets = Rect(PageInset, PageInset, PageInset, PageInset);
  if (AStripDepth == 0) return Insets;
  switch (SideOf(AStyle)) {
    case sdTop:
      Insets.Top = AStripDepth + TopStripInset;
      break;
    case sdBottom:
      Insets.Bottom = AStripDepth + SideStripInset;
      break;
    case sdLeft:
      Insets.Left = AStripDepth + SideStripInset;
      break;
    case sdRight:
      Insets.Right = AStripDepth + SideStripInset;
      break;
  }
  return Insets;
}

}  // namespace

TTabLayout LayOutTabs(const TTabLayoutInput& AInput) {
  TTabLayout Layout;
  if (AInput.Lengths.empty()) return Layout;
  const TTabSide Side = SideOf(AInput.Style);
  // Tabs on the left or right always wrap, as in the system the program was designed on.
  if (IsHorizontal(Side) && !(AInput.Style & TCS_MULTILINE))
    LayOutSingleLine(AInput, Side, Layout);
  else
    LayOutLines(AInput, Side, Layout);
  Layout.StripDepth = EdgeMargin + Layout.Rows * AInput.Thickness;
  return Layout;
}

TRect DisplayRectOf(const TRect& AWindowRect, DWORD AStyle, int AStripDepth) {
  const TRect In = InsetsOf(AStyle, AStripDepth);
  return Rect(AWindowRect.Left + In.Left, AWindowRect.Top + In.Top, AWindowRect.Right - In.Right,
              AWindowRect.Bottom - In.Bottom);
}

TRect WindowRectOf(const TRect& ADisplayRect, DWORD AStyle, int AStripDepth) {
  const TRect In = InsetsOf(AStyle, AStripDepth);
  return Rect(ADisplayRect.Left - In.Left, ADisplayRect.Top - In.Top, ADisplayRect.Right + In.Right,
              ADisplayRect.Bottom + In.Bottom);
}
