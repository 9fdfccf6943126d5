// The LB_* messages on a TListBoxModel: reading the parameters, checking the index and
// the selection style, and the answers.

#include "platform/ui/native/ListBoxModelMessages.h"

#include <cstring>

namespace {

// wParam and lParam carry item indexes as ints; -1 arrives as all bits set.
int IndexOf(uintptr_t AValue) { return static_cast<int>(static_cast<intptr_t>(AValue)); }

std::string_view TextOf(LPARAM ALParam) {
  const auto* Text = reinterpret_cast<const char*>(ALParam);
  return Text ? std::string_view(Text) : std::string_view();
}

LRESULT GetText(const TListBoxModel& AModel, int AIndex, LPARAM ABuffer) {
  if (!AModel.IsIndex(AIndex) || !ABuffer) return LB_ERR;
  const String& Text = AModel.Text(AIndex);
  std::memcpy(reinterpret_cast<char*>(ABuffer), Text.c_str(), Text.size() + 1);
  return static_cast<LRESULT>(Text.size());
}

LRESULT SetCurSel(TListBoxModel& AModel, int AIndex) {
  if (AModel.SelectMode() != lsmSingle) return LB_ERR;
  AModel.SetCurSel(AModel.IsIndex(AIndex) ? AIndex : -1);
  return AModel.IsIndex(AIndex) ? AIndex : LB_ERR;
}

LRESULT SetSel(TListBoxModel& AModel, bool ASelect, int AIndex) {
  if (AModel.SelectMode() == lsmSingle || (AIndex != -1 && !AModel.IsIndex(AIndex))) return LB_ERR;
  AModel.SetSel(ASelect, AIndex);
  return LB_OKAY;
}

LRESULT GetItemRect(const TListBoxModel& AModel, int AIndex, LPARAM ARect) {
  if (!AModel.IsIndex(AIndex) || !ARect) return LB_ERR;
  *reinterpret_cast<RECT*>(ARect) = AModel.ItemRect(AIndex);
  return LB_OKAY;
}

LRESULT ItemFromPoint(const TListBoxModel& AModel, LPARAM APoint) {
  bool Outside = false;
  const int Index = AModel.ItemFromPoint(LParamToPoint(APoint), Outside);
  return MAKELRESULT(static_cast<WORD>(Index), Outside ? 1 : 0);
}

}  // namespace

LRESULT ApplyListBoxMessage(TListBoxModel& AModel, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  const int Index = IndexOf(AWParam);
  const bool Known = AModel.IsIndex(Index);
  const bool Single = AModel.SelectMode() == lsmSingle;
  // clang-format off
  switch (AMsg) {
    case LB_ADDSTRING: return AModel.Add(String(TextOf(ALParam)));
    case LB_INSERTSTRING: return AModel.Insert(Index, String(TextOf(ALParam)));
    case LB_DELETESTRING: return Known ? (AModel.Delete(Index), AModel.Count()) : LB_ERR;
    case LB_RESETCONTENT: AModel.Clear(); return LB_OKAY;
    case LB_GETCOUNT: return AModel.Count();
    case LB_GETTEXT: return GetText(AModel, Index, ALParam);
    case LB_GETTEXTLEN: return Known ? static_cast<LRESULT>(AModel.Text(Index).size()) : LB_ERR;
    case LB_GETITEMDATA: return Known ? AModel.Data(Index) : LB_ERR;
    case LB_SETITEMDATA: return Known ? (AModel.SetData(Index, ALParam), LB_OKAY) : LB_ERR;
    case LB_SETCURSEL: return SetCurSel(AModel, Index);
    case LB_GETCURSEL: return AModel.CurSel();
    case LB_SETSEL: return SetSel(AModel, AWParam != 0, IndexOf(static_cast<uintptr_t>(ALParam)));
    case LB_GETSEL: return Known ? (AModel.IsSelected(Index) ? 1 : 0) : LB_ERR;
    case LB_GETSELCOUNT: return Single ? LB_ERR : AModel.SelCount();
    case LB_SETCARETINDEX: return Known ? (AModel.SetCaret(Index, ALParam != 0), LB_OKAY) : LB_ERR;
    case LB_GETCARETINDEX: return AModel.Caret();
    case LB_SETTOPINDEX: return Known ? (AModel.SetTopIndex(Index), LB_OKAY) : LB_ERR;
    case LB_GETTOPINDEX: return AModel.TopIndex();
    case LB_SETITEMHEIGHT: return ALParam >= 1 ? (AModel.SetItemHeight(static_cast<int>(ALParam)), LB_OKAY) : LB_ERR;
    case LB_SETCOLUMNWIDTH: return Index >= 1 ? (AModel.SetColumnWidth(Index), LB_OKAY) : LB_ERR;
    case LB_ITEMFROMPOINT: return ItemFromPoint(AModel, ALParam);
    case LB_GETITEMRECT: return GetItemRect(AModel, Index, ALParam);
    case LB_FINDSTRING: return AModel.Find(Index, TextOf(ALParam), false);
    case LB_FINDSTRINGEXACT: return AModel.Find(Index, TextOf(ALParam), true);
    default: return LB_ERR;
  }
  // clang-format on
}
