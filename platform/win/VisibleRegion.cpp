#include <algorithm>
#include <vector>

#include "platform/win/PaintStateInternal.h"
#include "platform/win/VisibleRegionInternal.h"
#include "platform/win/WindowStyles.h"

namespace {

TRect ToTopLevel(TRect ARect, TPoint ATopLevelOrigin) {
  OffsetRect(ARect, -ATopLevelOrigin.X, -ATopLevelOrigin.Y);
  return ARect;
}

// Takes out of ARegion the shapes of AParent's visible children stacked above AStop,
// or of all of them when AStop is nullptr. The plain rectangles among them are united
// in one pass first: a parent of many controls is cut once, not once per control.
void ExcludeChildrenAbove(const TWindow& AParent, HWND AStop, TPoint ATopLevelOrigin, TRegion& ARegion) {
  std::vector<TRect> Rectangles;
  TRegion Shaped;
  for (HWND Child : AParent.Children) {
    if (Child == AStop) break;
    const TWindow* Window = FindWindowRecord(Child);
    if (!Window || !Window->IsVisible()) continue;
    const TRect Rect = ToTopLevel(Window->WindowRect, ATopLevelOrigin);
    if (!ARegion.Intersects(Rect)) continue;
    if (Window->Region)
      Shaped = TRegion::Combine(Shaped, WindowShape(*Window, ATopLevelOrigin), roOr);
    else
      Rectangles.push_back(Rect);
  }
  if (Rectangles.empty() && Shaped.IsEmpty()) return;
  // The stacking order of controls laid out in rows runs against the reading order;
  // sorted from the top, then the left, a row of controls is one run of the union.
  std::sort(Rectangles.begin(), Rectangles.end(),
            [](const TRect& A, const TRect& B) { return A.Top != B.Top ? A.Top < B.Top : A.Left < B.Left; });
  const TRegion Covered =
      TRegion::Combine(TRegion::FromRects(Rectangles.data(), Rectangles.size()), Shaped, roOr);
  ARegion = TRegion::Combine(ARegion, Covered, roDiff);
}

}  // namespace

TRegion WindowShape(const TWindow& AWindow, TPoint ATopLevelOrigin) {
  const TRect Rect = ToTopLevel(AWindow.WindowRect, ATopLevelOrigin);
  if (!AWindow.Region) return TRegion(Rect);
  TRegion Shape = AWindow.Region->Region;
  if (!Shape.Offset(Rect.Left, Rect.Top)) return TRegion();
  return TRegion::Combine(Shape, TRegion(Rect), roAnd);
}

namespace {

TRegion WorkOutVisibleRegion(const TWindow& AWindow, bool AClientArea) {
  const TWindow* TopLevel = FindWindowRecord(TopLevelWindowOf(AWindow.Handle));
  if (!TopLevel || !IsDrawable(AWindow)) return TRegion();
  const TPoint Origin = TopLevel->WindowRect.TopLeft();
  TRegion Visible =
      TRegion::Combine(TRegion(ToTopLevel(AClientArea ? AWindow.ClientRect : AWindow.WindowRect, Origin)),
                       WindowShape(AWindow, Origin), roAnd);
  if (AWindow.Style & WS_CLIPCHILDREN) ExcludeChildrenAbove(AWindow, nullptr, Origin, Visible);
  for (const TWindow* Window = &AWindow; Window != TopLevel && !Visible.IsEmpty();) {
    const TWindow* Parent = ParentRecord(*Window);
    if (Window->Style & WS_CLIPSIBLINGS) ExcludeChildrenAbove(*Parent, Window->Handle, Origin, Visible);
    Visible = TRegion::Combine(Visible, TRegion(ToTopLevel(Parent->ClientRect, Origin)), roAnd);
    if (Parent->Region) Visible = TRegion::Combine(Visible, WindowShape(*Parent, Origin), roAnd);
    Window = Parent;
  }
  return Visible;
}

}  // namespace

TRegion VisibleRegion(TWindow& AWindow, bool AClientArea) {
  TWindowPaintState& State = PaintStateOf(AWindow);
  TKeptVisibleRegion& Kept = AClientArea ? State.VisibleClient : State.VisibleWindow;
  const std::uint64_t Count = GeometryChangeCount();
  if (Kept.Count != Count) {
    Kept.Region = WorkOutVisibleRegion(AWindow, AClientArea);
    Kept.Count = Count;
  }
  return Kept.Region;
}
