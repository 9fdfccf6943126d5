// Alignment and anchors: how a windowed control places its children when it or they
// change.

#include <algorithm>
#include <vector>

#include "platform/ui/WinControl.h"

namespace {

// Whether AControl goes before AOther among the children of one alignment: top bars
// from the top down, bottom bars from the bottom up, and so on.
bool InsertBefore(const TControl* AControl, const TControl* AOther, TAlign AAlign) {
  switch (AAlign) {
    case alTop:
      return AControl->Top() < AOther->Top();
    case alBottom:
      return AControl->Top() + AControl->Height() >= AOther->Top() + AOther->Height();
    case alLeft:
      return AControl->Left() < AOther->Left();
    case alRight:
      return AControl->Left() + AControl->Width() >= AOther->Left() + AOther->Width();
    default:
      return false;
  }
}

bool TakesPart(const TControl* AControl, TAlign AAlign) {
  return AControl->Align() == AAlign && (AAlign == alNone || AControl->Visible());
}

}  // namespace

void TWinControl::DisableAlign() { ++FAlignLevel; }

void TWinControl::EnableAlign() {
  if (--FAlignLevel == 0 && ControlState.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() { AlignControl(nullptr); }

// Alignment waits for the window (the client area is known only then) and for the last
// EnableAlign.
void TWinControl::AlignControl(TControl* AControl) {
  if (!FHandle || ComponentState().Contains(csDestroying)) return;
  if (FAlignLevel != 0) {
    ControlState.Include(csAlignmentNeeded);
    return;
  }
  DisableAlign();
  TRect Rect = ClientRect();
  AlignControls(AControl, Rect);
  ControlState.Exclude(csAlignmentNeeded);
  EnableAlign();
}

void TWinControl::AdjustClientRect(TRect&) {}

void TWinControl::CustomAlignPosition(TControl*, int&, int&, int&, int&, TRect&) {}

void TWinControl::AlignControls(TControl* AControl, TRect& ARect) {
  bool Needed = false;
  for (int I = 0; I < ControlCount() && !Needed; ++I)
    Needed = Controls(I)->Align() != alNone || Controls(I)->Anchors() != AnchorsLeftTop;
  if (Needed) {
    AdjustClientRect(ARect);
    for (TAlign Align : {alTop, alBottom, alLeft, alRight, alClient, alCustom, alNone}) {
      // The child that changed keeps its place in front of the others of its kind.
      std::vector<TControl*> List;
      if (AControl && TakesPart(AControl, Align)) List.push_back(AControl);
      for (int I = 0; I < ControlCount(); ++I) {
        TControl* Control = Controls(I);
        if (Control == AControl || !TakesPart(Control, Align)) continue;
        auto It = List.begin();
        while (It != List.end() && !InsertBefore(Control, *It, Align)) ++It;
        List.insert(It, Control);
      }
      for (TControl* Control : List) Control->AlignPosition(Align, ARect);
    }
  }
  if (FShowing) AdjustSize();
}

// Anchors first (a child anchored otherwise than its alignment implies follows the
// parent's size), then the alignment takes its strip of ARect and narrows ARect by it.
void TControl::AlignPosition(TAlign AAlign, TRect& ARect) {
  if (AAlign == alNone || FAnchors != AnchorsForAlign(AAlign)) {
    ApplyAnchorRules();
    if (AAlign == alNone) return;
  }
  int NewWidth = ARect.Width();
  if (NewWidth < 0 || AAlign == alLeft || AAlign == alRight || AAlign == alCustom) NewWidth = FWidth;
  int NewHeight = ARect.Height();
  if (NewHeight < 0 || AAlign == alTop || AAlign == alBottom || AAlign == alCustom) NewHeight = FHeight;
  int NewLeft = ARect.Left;
  int NewTop = ARect.Top;
  switch (AAlign) {
    case alTop:
      ARect.Top += NewHeight;
      break;
    case alBottom:
      ARect.Bottom -= NewHeight;
      NewTop = ARect.Bottom;
      break;
    case alLeft:
      ARect.Left += NewWidth;
      break;
    case alRight:
      ARect.Right -= NewWidth;
      NewLeft = ARect.Right;
      break;
    case alCustom:
      NewLeft = FLeft;
      NewTop = FTop;
      FParent->CustomAlignPosition(this, NewLeft, NewTop, NewWidth, NewHeight, ARect);
      break;
    default:
      break;
  }
  FAnchorMove = true;
  SetBounds(NewLeft, NewTop, NewWidth, NewHeight);
  FAnchorMove = false;
  // A control that did not take the size given (constraints) gives back or takes the
  // difference.
  const int DW = NewWidth - FWidth;
  const int DH = NewHeight - FHeight;
  switch (AAlign) {
    case alTop:
      ARect.Top -= DH;
      break;
    case alBottom:
      ARect.Bottom += DH;
      break;
    case alLeft:
      ARect.Left -= DW;
      break;
    case alRight:
      ARect.Right += DW;
      break;
    case alClient:
      ARect.Right -= DW;
      ARect.Bottom -= DH;
      break;
    default:
      break;
  }
}

// The anchor rules hold the distances to keep: to the right or bottom edge (anchored
// there), the size (anchored on both sides), or the centre in proportion (anchored on
// neither).
void TControl::ApplyAnchorRules() {
  if (FOriginalParentSize.X == 0 || FOriginalParentSize.Y == 0) return;
  const TPoint ParentSize = FParent->AnchorParentSize();
  int NewLeft = FLeft;
  int NewTop = FTop;
  int NewWidth = FWidth;
  int NewHeight = FHeight;
  if (FAnchors.Contains(akRight)) {
    if (FAnchors.Contains(akLeft))
      NewWidth = ParentSize.X - (FOriginalParentSize.X - FAnchorRules.X);
    else
      NewLeft = ParentSize.X - (FOriginalParentSize.X - FAnchorRules.X);
  } else if (!FAnchors.Contains(akLeft)) {
    NewLeft = MulDiv(FAnchorRules.X, ParentSize.X, FOriginalParentSize.X) - NewWidth / 2;
  }
  if (FAnchors.Contains(akBottom)) {
    if (FAnchors.Contains(akTop))
      NewHeight = ParentSize.Y - (FOriginalParentSize.Y - FAnchorRules.Y);
    else
      NewTop = ParentSize.Y - (FOriginalParentSize.Y - FAnchorRules.Y);
  } else if (!FAnchors.Contains(akTop)) {
    NewTop = MulDiv(FAnchorRules.Y, ParentSize.Y, FOriginalParentSize.Y) - NewHeight / 2;
  }
  FAnchorMove = true;
  SetBounds(NewLeft, NewTop, NewWidth, NewHeight);
  FAnchorMove = false;
}

// Sizes the control around its visible children (inside the adjusted client area).
bool TWinControl::CanAutoSize(int& ANewWidth, int& ANewHeight) {
  TRect Extents;
  bool Any = false;
  for (int I = 0; I < ControlCount(); ++I) {
    TControl* Control = Controls(I);
    if (!Control->Visible()) continue;
    Any = true;
    Extents.Right = std::max(Extents.Right, Control->Left() + Control->Width());
    Extents.Bottom = std::max(Extents.Bottom, Control->Top() + Control->Height());
  }
  if (!Any) return true;
  // The children keep their places; the adjusted client area grows or shrinks to end
  // where they end.
  const TRect Client = FHandle ? ClientRect() : Rect(0, 0, FWidth, FHeight);
  TRect Inner = Client;
  AdjustClientRect(Inner);
  ANewWidth = (FWidth - Client.Width()) + Extents.Right + (Client.Right - Inner.Right);
  ANewHeight = (FHeight - Client.Height()) + Extents.Bottom + (Client.Bottom - Inner.Bottom);
  return true;
}
