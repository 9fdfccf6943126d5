// Arranging the document windows of an MDI client: tiling, cascading and the row of
// minimized windows along the bottom.

#include <algorithm>
#include <cmath>

#include "platform/win/Mdi.h"
#include "platform/win/MdiInternal.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"

namespace {

constexpr UINT PlaceFlags = SWP_NOZORDER | SWP_NOACTIVATE;

void Place(HWND AWindow, const TRect& ARect) {
  SetWindowPos(AWindow, nullptr, ARect.Left, ARect.Top, ARect.Width(), ARect.Height(), PlaceFlags);
}

// The part of the client the open windows share: all of it, less a row at the bottom
// when minimized windows lie there, so that tiling does not cover them.
TRect ArrangeArea(HWND AClient) {
  RECT Area;
  GetClientRect(AClient, &Area);
  if (!ShownMDIChildren(AClient, true).empty()) Area.Bottom -= GetSystemMetrics(SM_CYMINIMIZED);
  return Area;
}

// The open windows to arrange, front first; maximized ones are restored first, without
// activation, as arranging is about normal windows.
std::vector<HWND> RestoredChildren(HWND AClient) {
  std::vector<HWND> Children = ShownMDIChildren(AClient, false);
  for (HWND Child : Children)
    if (IsZoomed(Child)) ShowWindow(Child, SW_SHOWNOACTIVATE);
  return Children;
}

// Bands of windows across the area: floor(sqrt(n)) windows to a band, the last band
// taking the rest. Columns when AColumns (tall windows side by side), else rows.
void TileInBands(const std::vector<HWND>& AChildren, const TRect& AArea, bool AColumns) {
  const int Count = static_cast<int>(AChildren.size());
  const int PerBand = std::max(1, static_cast<int>(std::sqrt(static_cast<double>(Count))));
  const int Bands = Count / PerBand;
  const int Along = AColumns ? AArea.Width() : AArea.Height();
  const int Across = AColumns ? AArea.Height() : AArea.Width();
  std::size_t Index = 0;
  for (int Band = 0; Band < Bands; ++Band) {
    const int InBand = Band == Bands - 1 ? Count - PerBand * (Bands - 1) : PerBand;
    const int A0 = Band * Along / Bands;
    const int A1 = (Band + 1) * Along / Bands;
    for (int K = 0; K < InBand; ++K, ++Index) {
      const int C0 = K * Across / InBand;
      const int C1 = (K + 1) * Across / InBand;
      TRect Cell = AColumns ? TRect{A0, C0, A1, C1} : TRect{C0, A0, C1, A1};
      OffsetRect(Cell, AArea.Left, AArea.Top);
      Place(AChildren[Index], Cell);
    }
  }
}

}  // namespace

bool TileMDIChildren(HWND AClient, WPARAM AHow) {
  const std::vector<HWND> Children = RestoredChildren(AClient);
  if (Children.empty()) return false;
  TileInBands(Children, ArrangeArea(AClient), (AHow & MDITILE_HORIZONTAL) == 0);
  return true;
}

// Three quarters of the area each, the back window at the top left and each one in
// front of it a caption lower and further right, so that every caption shows; a
// window that would reach past the area starts again at the top left.
bool CascadeMDIChildren(HWND AClient) {
  const std::vector<HWND> Children = RestoredChildren(AClient);
  if (Children.empty()) return false;
  const TRect Area = ArrangeArea(AClient);
  const int Step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
  const int Width = Area.Width() * 3 / 4;
  const int Height = Area.Height() * 3 / 4;
  int Offset = 0;
  for (auto It = Children.rbegin(); It != Children.rend(); ++It) {
    if (Offset + Width > Area.Width() || Offset + Height > Area.Height()) Offset = 0;
    Place(*It, Bounds(Area.Left + Offset, Area.Top + Offset, Width, Height));
    Offset += Step;
  }
  return true;
}

// Left to right from the bottom left corner, a new row above when one is full.
void ArrangeMDIIcons(HWND AClient) {
  RECT Area;
  GetClientRect(AClient, &Area);
  const int Width = GetSystemMetrics(SM_CXMINIMIZED);
  const int Height = GetSystemMetrics(SM_CYMINIMIZED);
  int X = 0;
  int Y = Area.Bottom - Height;
  for (HWND Child : ShownMDIChildren(AClient, true)) {
    if (X > 0 && X + Width > Area.Width()) {
      X = 0;
      Y -= Height;
    }
    Place(Child, Bounds(X, Y, Width, Height));
    X += Width;
  }
}
