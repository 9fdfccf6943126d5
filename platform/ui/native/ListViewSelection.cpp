// Item states: selection (single or multiple), focus and check marks, each change told
// to the parent.

#include <algorithm>

#include "platform/ui/native/ListViewStateInternal.h"

namespace {

bool IsSingleSelection(const TListViewState& AState) { return AState.Model.Style & LVS_SINGLESEL; }

// Changes one item's bits without touching the others; tells the parent and repaints.
void ChangeOne(TListViewState& AState, int AIndex, UINT ABits, UINT AMask) {
  UINT& State = AState.Model.Items[AIndex].State;
  const UINT Old = State;
  State = (State & ~AMask) | (ABits & AMask);
  if (State == Old) return;
  InvalidateItem(AState, AIndex);
  NotifyItemChanged(AState, AIndex, Old, State);
}

}  // namespace

int FocusedItem(const TListViewState& AState) {
  const std::vector<TListViewItemState>& Items = AState.Model.Items;
  for (size_t I = 0; I < Items.size(); ++I)
    if (Items[I].State & LVIS_FOCUSED) return static_cast<int>(I);
  return -1;
}

// Only one item has the focus and, in a single-selection list, only one the selection:
// giving it to an item takes it from the others first, and setting it on every item
// (AIndex -1) sets it on none.
void SetItemState(TListViewState& AState, int AIndex, UINT AStateBits, UINT AMask) {
  TListViewModel& Model = AState.Model;
  const UINT Exclusive = LVIS_FOCUSED | (IsSingleSelection(AState) ? LVIS_SELECTED : 0);
  if (AIndex < 0) {
    const UINT Mask = AMask & ~(AStateBits & Exclusive);
    for (int I = 0; I < Model.Count(); ++I) ChangeOne(AState, I, AStateBits, Mask);
    return;
  }
  if (!Model.IsValid(AIndex)) return;
  const UINT Taken = AStateBits & AMask & Exclusive;
  if (Taken)
    for (int I = 0; I < Model.Count(); ++I)
      if (I != AIndex && (Model.Items[I].State & Taken)) ChangeOne(AState, I, 0, Taken);
  ChangeOne(AState, AIndex, AStateBits, AMask);
}

int NextItem(const TListViewState& AState, int AStart, UINT AFlags) {
  const TListViewModel& Model = AState.Model;
  const UINT Wanted = AFlags & (LVNI_FOCUSED | LVNI_SELECTED);
  const UINT Direction = AFlags & (LVNI_ABOVE | LVNI_BELOW | LVNI_TOLEFT | LVNI_TORIGHT);
  auto Matches = [&](int AIndex) { return (Model.Items[AIndex].State & Wanted) == Wanted; };
  if (Direction) {
    for (int I = Model.Neighbour(AStart, Direction); I >= 0; I = Model.Neighbour(I, Direction))
      if (Matches(I)) return I;
    return -1;
  }
  for (int I = std::max(0, AStart + 1); I < Model.Count(); ++I)
    if (Matches(I)) return I;
  return -1;
}

int SelectedCount(const TListViewState& AState) {
  return static_cast<int>(std::count_if(AState.Model.Items.begin(), AState.Model.Items.end(),
                                        [](const TListViewItemState& I) { return I.State & LVIS_SELECTED; }));
}

void SelectOnly(TListViewState& AState, int AIndex, bool AExtend) {
  TListViewModel& Model = AState.Model;
  if (!Model.IsValid(AIndex)) return;
  const bool Range = AExtend && !IsSingleSelection(AState) && Model.IsValid(AState.Anchor);
  const int From = Range ? std::min(AState.Anchor, AIndex) : AIndex;
  const int To = Range ? std::max(AState.Anchor, AIndex) : AIndex;
  for (int I = 0; I < Model.Count(); ++I)
    if ((I < From || I > To) && (Model.Items[I].State & LVIS_SELECTED))
      ChangeOne(AState, I, 0, LVIS_SELECTED);
  for (int I = From; I <= To; ++I) ChangeOne(AState, I, LVIS_SELECTED, LVIS_SELECTED);
  SetItemState(AState, AIndex, LVIS_FOCUSED, LVIS_FOCUSED);
  if (!Range) AState.Anchor = AIndex;
}

void ToggleChecked(TListViewState& AState, int AIndex) {
  if (!AState.Model.IsValid(AIndex)) return;
  const bool Checked = STATEIMAGEMASKTOINDEX(AState.Model.Items[AIndex].State) == 2;
  SetItemState(AState, AIndex, INDEXTOSTATEIMAGEMASK(Checked ? 1 : 2), LVIS_STATEIMAGEMASK);
}
