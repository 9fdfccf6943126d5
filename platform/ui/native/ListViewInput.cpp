// The list view's mouse and keyboard: selection by clicks (Ctrl toggles, Shift
// extends), check boxes, arrow keys in the layout of the view, and type-ahead search.

#include <algorithm>

#include "platform/ui/native/ListViewStateInternal.h"
#include "platform/win/Windows.h"

namespace {

// Type-ahead forgets what was typed after this pause.
constexpr uint32_t SearchPause = 1000;

bool IsMultiSelect(const TListViewState& AState) { return !(AState.Model.Style & LVS_SINGLESEL); }
bool KeyIsDown(int AKey) { return GetKeyState(AKey) < 0; }

void ToggleSelected(TListViewState& AState, int AIndex) {
  const bool Selected = AState.Model.Items[AIndex].State & LVIS_SELECTED;
  SetItemState(AState, AIndex, Selected ? LVIS_FOCUSED : LVIS_SELECTED | LVIS_FOCUSED,
               LVIS_SELECTED | LVIS_FOCUSED);
  AState.Anchor = AIndex;
}

// The item a navigation key leads to from the focused one; -1 when none.
int KeyTarget(const TListViewState& AState, UINT AKey) {
  const TListViewModel& Model = AState.Model;
  const int Focused = FocusedItem(AState);
  if (Model.Count() == 0) return -1;
  if (Focused < 0) return 0;
  const int Page = std::max(1, Model.View() == LVS_REPORT ? Model.RowsPerPage() - 1 : Model.CountPerPage());
  switch (AKey) {
    case VK_UP:
      return Model.Neighbour(Focused, LVNI_ABOVE);
    case VK_DOWN:
      return Model.Neighbour(Focused, LVNI_BELOW);
    case VK_LEFT:
      return Model.Neighbour(Focused, LVNI_TOLEFT);
    case VK_RIGHT:
      return Model.Neighbour(Focused, LVNI_TORIGHT);
    case VK_HOME:
      return 0;
    case VK_END:
      return Model.Count() - 1;
    case VK_PRIOR:
      return std::max(0, Focused - Page);
    case VK_NEXT:
      return std::min(Model.Count() - 1, Focused + Page);
    default:
      return -1;
  }
}

bool MatchesSearch(TListViewState& AState, int AIndex) {
  return StartsText(AState.Search, ItemText(AState, AIndex, 0));
}

// The first item from AStart on (wrapping) whose caption begins with the typed text:
// an owner-data list asks its parent.
int FindTyped(TListViewState& AState, int AStart) {
  const int Count = AState.Model.Count();
  if (Count == 0) return -1;
  if (AState.Model.Style & LVS_OWNERDATA) {
    NMLVFINDITEM Find;
    Find.iStart = AStart;
    Find.lvfi.flags = LVFI_STRING | LVFI_PARTIAL | LVFI_WRAP;
    Find.lvfi.psz = AState.Search.c_str();
    const LRESULT Found = NotifyParent(AState, Find.hdr, LVN_ODFINDITEMW);
    return AState.Model.IsValid(static_cast<int>(Found)) ? static_cast<int>(Found) : -1;
  }
  for (int Step = 0; Step < Count; ++Step) {
    const int Index = (AStart + Step) % Count;
    if (MatchesSearch(AState, Index)) return Index;
  }
  return -1;
}

}  // namespace

int HitTestItem(TListViewState& AState, LVHITTESTINFO& AInfo) {
  AInfo.iItem = AState.Model.HitTest(AInfo.pt, AInfo.flags);
  AInfo.iSubItem = 0;
  return AInfo.iItem;
}

void ListViewMouseDown(TListViewState& AState, UINT AMsg, WPARAM AKeys, POINT APoint) {
  if (GetFocus() != AState.Handle) SetFocus(AState.Handle);
  if (AState.Editor) EndLabelEdit(AState, false);
  LVHITTESTINFO Hit;
  Hit.pt = APoint;
  const int Index = HitTestItem(AState, Hit);
  const bool Control = AKeys & MK_CONTROL;
  const bool Shift = AKeys & MK_SHIFT;
  if (AMsg == WM_RBUTTONDOWN) {
    if (Index >= 0 && !(AState.Model.Items[Index].State & LVIS_SELECTED)) SelectOnly(AState, Index, false);
    return;
  }
  if (Index < 0) {
    if (!Control) SetItemState(AState, -1, 0, LVIS_SELECTED);
    return;
  }
  if (Hit.flags == LVHT_ONITEMSTATEICON && AState.Model.HasCheckBoxes())
    ToggleChecked(AState, Index);
  else if (Control && IsMultiSelect(AState))
    ToggleSelected(AState, Index);
  else
    SelectOnly(AState, Index, Shift);
}

bool ListViewKeyDown(TListViewState& AState, UINT AKey) {
  const int Focused = FocusedItem(AState);
  if (AKey == VK_SPACE && Focused >= 0) {
    if (AState.Model.HasCheckBoxes())
      ToggleChecked(AState, Focused);
    else if (KeyIsDown(VK_CONTROL) && IsMultiSelect(AState))
      ToggleSelected(AState, Focused);
    else
      SelectOnly(AState, Focused, false);
    return true;
  }
  if (AKey == VK_F2 && (AState.Model.Style & LVS_EDITLABELS) && Focused >= 0) {
    BeginLabelEdit(AState, Focused);
    return true;
  }
  const int Target = KeyTarget(AState, AKey);
  if (Target < 0) return AKey >= VK_PRIOR && AKey <= VK_DOWN;
  if (KeyIsDown(VK_CONTROL) && IsMultiSelect(AState))
    SetItemState(AState, Target, LVIS_FOCUSED, LVIS_FOCUSED);
  else
    SelectOnly(AState, Target, KeyIsDown(VK_SHIFT) && IsMultiSelect(AState));
  EnsureItemVisible(AState, Target, false);
  return true;
}

void ListViewChar(TListViewState& AState, uint32_t AChar) {
  if (AChar < 0x20 || AChar == 0x7F) return;
  const uint32_t Now = Win::GetTickCount();
  if (Now - AState.SearchTime > SearchPause) AState.Search.clear();
  AState.SearchTime = Now;
  Utf8Append(AState.Search, static_cast<char32_t>(AChar));
  // A first character moves on to the next match; more characters refine the current one.
  const int Focused = FocusedItem(AState);
  const bool First = Utf8Length(AState.Search) == 1;
  const int Start = Focused < 0 ? 0 : (First ? Focused + 1 : Focused);
  const int Found = FindTyped(AState, AState.Model.Count() ? Start % AState.Model.Count() : 0);
  if (Found < 0) return;
  SelectOnly(AState, Found, false);
  EnsureItemVisible(AState, Found, false);
}
