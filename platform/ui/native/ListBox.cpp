// TCustomListBox: the window and its styles, the properties over LB_* messages, the
// reflected notifications and owner drawing, and the incremental search.

#include "platform/ui/native/ListBox.h"

#include <algorithm>

#include "platform/base/Lists.h"
#include "platform/gdi/DcScopes.h"
#include "platform/gdi/Primitives.h"
#include "platform/ui/native/ListBoxModelMessages.h"
#include "platform/ui/native/ListBoxWindow.h"
#include "platform/win/Timers.h"

namespace {

// AutoComplete forgets what was typed after this pause.
constexpr uint32_t AutoCompletePause = 500;

void RemoveLastCodePoint(String& AText) {
  while (!AText.empty() && (static_cast<unsigned char>(AText.back()) & 0xC0) == 0x80) AText.pop_back();
  if (!AText.empty()) AText.pop_back();
}

}  // namespace

TOwnerDrawState OwnerDrawStateOf(UINT AItemState) {
  TOwnerDrawState State;
  for (TOwnerDrawStateItem Item : {odSelected, odGrayed, odDisabled, odChecked, odFocused})
    if (AItemState & (1u << Item)) State.Include(Item);
  return State;
}

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(this)) {
  ControlStyle = {csDoubleClicks, csOpaque};
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
  ConfigureKeptItems();
}

// ---------------------------------------------------------------- the window

void TCustomListBox::CreateParams(TCreateParams& AParams) {
  TWinControl::CreateParams(AParams);
  RegisterListBoxClass();
  CreateSubClass(AParams, ListBoxClassName);
  AParams.Style |= WS_VSCROLL | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  if (FStyle == lbOwnerDrawFixed) AParams.Style |= LBS_OWNERDRAWFIXED;
  if (FSorted) AParams.Style |= LBS_SORT;
  if (FMultiSelect) AParams.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (FColumns > 0) AParams.Style |= LBS_MULTICOLUMN | WS_HSCROLL;
}

void TCustomListBox::CreateWnd() {
  TWinControl::CreateWnd();
  if (FStyle == lbOwnerDrawFixed) Perform(LB_SETITEMHEIGHT, 0, FItemHeight);
  UpdateColumnWidth();
  if (TListBoxModel* Model = ListBoxModelOf(Handle())) {
    Model->TakeContent(FKeptItems);
    ListBoxModelChanged(Handle());
  }
}

void TCustomListBox::DestroyWnd() {
  if (TListBoxModel* Model = ListBoxModelOf(Handle())) FKeptItems.TakeContent(*Model);
  TWinControl::DestroyWnd();
}

LRESULT TCustomListBox::ListMessage(UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  if (HandleAllocated()) return Perform(AMsg, AWParam, ALParam);
  return ApplyListBoxMessage(FKeptItems, AMsg, AWParam, ALParam);
}

void TCustomListBox::ConfigureKeptItems() {
  FKeptItems.SetSelectMode(!FMultiSelect ? lsmSingle : FExtendedSelect ? lsmExtended : lsmMultiple);
  FKeptItems.SetSorted(FSorted);
}

void TCustomListBox::Dispatch(TMessage& AMessage) {
  // clang-format off
  switch (AMessage.Msg) {
    case CN_COMMAND: CNCommand(AMessage); break;
    case CN_DRAWITEM: CNDrawItem(AMessage); break;
    case WM_SIZE: WMSize(AMessage); break;
    default: TWinControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

// ---------------------------------------------------------------- properties

int TCustomListBox::ItemIndex() {
  return static_cast<int>(ListMessage(FMultiSelect ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int AValue) {
  if (ItemIndex() == AValue) return;
  ListMessage(FMultiSelect ? LB_SETCARETINDEX : LB_SETCURSEL, static_cast<WPARAM>(AValue), 0);
}

void TCustomListBox::SetMultiSelect(bool AValue) {
  if (FMultiSelect == AValue) return;
  FMultiSelect = AValue;
  ConfigureKeptItems();
  RecreateWnd();
}

void TCustomListBox::SetExtendedSelect(bool AValue) {
  if (FExtendedSelect == AValue) return;
  FExtendedSelect = AValue;
  ConfigureKeptItems();
  RecreateWnd();
}

int TCustomListBox::SelCount() {
  if (!FMultiSelect) return ItemIndex() >= 0 ? 1 : 0;
  return static_cast<int>(ListMessage(LB_GETSELCOUNT, 0, 0));
}

bool TCustomListBox::Selected(int AIndex) {
  const LRESULT Answer = ListMessage(LB_GETSEL, static_cast<WPARAM>(AIndex), 0);
  if (Answer == LB_ERR) RaiseListIndexError(AIndex);
  return Answer > 0;
}

void TCustomListBox::SetSelected(int AIndex, bool AValue) {
  CheckListIndex(AIndex, FItems.Count());
  if (FMultiSelect)
    ListMessage(LB_SETSEL, AValue ? 1 : 0, AIndex);
  else if (AValue)
    SetItemIndex(AIndex);
  else if (ItemIndex() == AIndex)
    SetItemIndex(-1);
}

void TCustomListBox::SetSorted(bool AValue) {
  if (FSorted == AValue) return;
  FSorted = AValue;
  ConfigureKeptItems();
  RecreateWnd();
}

int TCustomListBox::TopIndex() { return static_cast<int>(ListMessage(LB_GETTOPINDEX, 0, 0)); }

void TCustomListBox::SetTopIndex(int AValue) {
  if (TopIndex() == AValue) return;
  ListMessage(LB_SETTOPINDEX, static_cast<WPARAM>(AValue), 0);
}

// Going between one column and several changes the window's style; between numbers of
// columns only their width.
void TCustomListBox::SetColumns(int AValue) {
  AValue = std::max(AValue, 0);
  if (FColumns == AValue) return;
  const bool StyleChanges = (FColumns == 0) != (AValue == 0);
  FColumns = AValue;
  if (StyleChanges)
    RecreateWnd();
  else
    UpdateColumnWidth();
}

void TCustomListBox::UpdateColumnWidth() {
  if (FColumns == 0 || !HandleAllocated()) return;
  Perform(LB_SETCOLUMNWIDTH, static_cast<WPARAM>(std::max(1, ClientWidth() / FColumns)), 0);
}

void TCustomListBox::SetStyle(TListBoxStyle AValue) {
  if (FStyle == AValue) return;
  FStyle = AValue;
  RecreateWnd();
}

int TCustomListBox::ItemHeight() {
  if (FStyle == lbStandard && HandleAllocated())
    if (TListBoxModel* Model = ListBoxModelOf(Handle())) return Model->ItemHeight();
  return FItemHeight;
}

void TCustomListBox::SetItemHeight(int AValue) {
  if (AValue < 1 || FItemHeight == AValue) return;
  FItemHeight = AValue;
  if (FStyle == lbOwnerDrawFixed && HandleAllocated()) Perform(LB_SETITEMHEIGHT, 0, AValue);
}

int TCustomListBox::ItemAtPos(TPoint APos, bool AExisting) {
  if (!PtInRect(ClientRect(), APos)) return -1;
  const int Count = FItems.Count();
  for (int I = std::max(TopIndex(), 0); I < Count; ++I) {
    const TRect Row = ItemRect(I);
    if (PtInRect(Row, APos)) return I;
    // The rows from here on lie below or right of the client area.
    if (Row.Left >= ClientWidth() || Row.Top >= ClientHeight()) break;
  }
  return AExisting ? -1 : Count;
}

TRect TCustomListBox::ItemRect(int AIndex) {
  TRect Row;
  if (ListMessage(LB_GETITEMRECT, static_cast<WPARAM>(AIndex), reinterpret_cast<LPARAM>(&Row)) == LB_ERR)
    return {};
  return Row;
}

// ---------------------------------------------------------------- messages

void TCustomListBox::CNCommand(TMessage& AMessage) {
  switch (HIWORD(AMessage.WParam)) {
    case LBN_SELCHANGE:
      Click();
      break;
    case LBN_DBLCLK:
      DblClick();
      break;
    default:
      break;
  }
}

void TCustomListBox::CNDrawItem(TMessage& AMessage) {
  const auto* Item = reinterpret_cast<const DRAWITEMSTRUCT*>(AMessage.LParam);
  const TOwnerDrawState State = OwnerDrawStateOf(Item->itemState);
  {
    TCanvasHandleScope Loan(*FCanvas, Item->hDC, tlLocked);
    FCanvas->Font().Assign(Font());
    FCanvas->Brush().SetStyle(bsSolid);
    FCanvas->Brush().SetColor(Color());
    if (State.Contains(odSelected)) {
      FCanvas->Brush().SetColor(clHighlight);
      FCanvas->Font().SetColor(clHighlightText);
    }
    DrawItem(static_cast<int>(Item->itemID), Item->rcItem, State);
  }
  if (State.Contains(odFocused)) DrawFocusRect(Item->hDC, &Item->rcItem);
  AMessage.Result = 1;
}

void TCustomListBox::DrawItem(int AIndex, const TRect& ARect, TOwnerDrawState AState) {
  if (OnDrawItem) return OnDrawItem(this, AIndex, ARect, AState);
  FCanvas->FillRect(ARect);
  if (AIndex >= FItems.Count()) return;
  TRect Text = ARect;
  Text.Left += 2;
  FCanvas->Brush().SetStyle(bsClear);
  FCanvas->TextRect(Text, FItems.Strings(AIndex), {tfSingleLine, tfVerticalCenter, tfNoPrefix});
}

// The columns share the client width.
void TCustomListBox::WMSize(TMessage& AMessage) {
  TWinControl::Dispatch(AMessage);
  UpdateColumnWidth();
}

void TCustomListBox::KeyPress(uint32_t& AKey) {
  TWinControl::KeyPress(AKey);
  if (!AutoComplete || AKey == 0 || AKey == '\r' || AKey == 0x1B) return;
  const uint32_t Now = Win::GetTickCount();
  if (Now - FLastTime >= AutoCompletePause) FFilter.clear();
  FLastTime = Now;
  if (AKey == '\b')
    RemoveLastCodePoint(FFilter);
  else if (AKey >= 0x20)
    Utf8Append(FFilter, static_cast<char32_t>(AKey));
  else
    return;
  // The window's own one-character search does not run as well.
  AKey = 0;
  if (FFilter.empty()) return;
  const auto Found = static_cast<int>(
      ListMessage(LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(FFilter.c_str())));
  if (Found < 0 || Found == ItemIndex()) return;
  if (FMultiSelect) {
    ListMessage(LB_SETSEL, 0, -1);
    ListMessage(LB_SETSEL, 1, Found);
  }
  SetItemIndex(Found);
  Click();
}
