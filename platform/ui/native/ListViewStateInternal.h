#pragma once
// The record of one list view window and the operations its parts share: the item
// texts from the parent, notifications, selection, scrolling, painting, input and
// label editing. Internal to the list view control (ListView*.cpp).

#include "platform/ui/native/ListViewModelInternal.h"

struct TListViewState {
  HWND Handle = nullptr;
  TListViewModel Model;
  HWND Header = nullptr;
  // The label editor while one runs, the item it edits and the procedure it had.
  HWND Editor = nullptr;
  int EditItem = -1;
  WNDPROC EditorProc = nullptr;
  // The procedure that subclasses every editor of this list; made for the first edit,
  // freed with the list's window.
  WNDPROC EditorHook = nullptr;
  // The end of a shift-range selection.
  int Anchor = -1;
  // Type-ahead: the text typed so far and when the last character came.
  String Search;
  DWORD SearchTime = 0;
  bool Redraw = true;
};

// The record of a list view window; nullptr for another window.
TListViewState* ListViewStateOf(HWND AWindow);

// ---- The window (ListViewWindow.cpp) and its LVM_ messages (ListViewItemMessages.cpp)
// Lays the list out again and repaints it.
void ListViewChanged(TListViewState& AState);
// LVM_GET/SETBKCOLOR, LVM_GET/SETTEXTCOLOR.
LRESULT ListViewColorMessage(TListViewState& AState, UINT AMsg, LPARAM ALParam);
LRESULT ListViewItemMessage(TListViewState& AState, UINT AMsg, WPARAM AWParam, LPARAM ALParam);
// Takes the columns' order from the header (index order without one).
void ReadColumnOrder(TListViewState& AState);
// The header section that shows a column.
HDITEM HeaderItemOf(const TListViewColumn& AColumn);

// ---- The parent: notifications and item data (ListViewNotify.cpp)
LRESULT NotifyParent(TListViewState& AState, NMHDR& AHeader, UINT ACode);
// The text of an item or sub-item, asked from the parent.
String ItemText(TListViewState& AState, int AIndex, int ASubItem);
// The image of an item or sub-item, asked from the parent (-1: none).
int ItemImage(TListViewState& AState, int AIndex, int ASubItem);
// LVN_ITEMCHANGED for a state change (AIndex -1: every item).
void NotifyItemChanged(TListViewState& AState, int AIndex, UINT AOldState, UINT ANewState);

// ---- Selection and state (ListViewSelection.cpp)
// Sets the bits of AMask to AState for one item (-1: every item) with the
// notifications; the focus moves away from the item that had it.
void SetItemState(TListViewState& AState, int AIndex, UINT AStateBits, UINT AMask);
int FocusedItem(const TListViewState& AState);
// LVM_GETNEXTITEM.
int NextItem(const TListViewState& AState, int AStart, UINT AFlags);
int SelectedCount(const TListViewState& AState);
// Selects AIndex alone, or the range from the anchor (AExtend), and focuses it.
void SelectOnly(TListViewState& AState, int AIndex, bool AExtend);
void ToggleChecked(TListViewState& AState, int AIndex);

// ---- Scrolling and layout (ListViewScroll.cpp)
// Refreshes the model's client size and header height, places the header, clamps the
// scroll positions and hands them to the window's scroll state.
void UpdateLayout(TListViewState& AState);
// Makes the header when the list is shown in report view and has none yet.
void EnsureHeader(TListViewState& AState);
void ScrollBy(TListViewState& AState, int ADX, int ADY);
void HandleScroll(TListViewState& AState, int ABar, WPARAM AWParam);
void EnsureItemVisible(TListViewState& AState, int AIndex, bool APartialOk);
void InvalidateItem(TListViewState& AState, int AIndex);

// ---- Painting (ListViewPaint.cpp)
void PaintListView(TListViewState& AState, HDC ADC);

// ---- Input (ListViewInput.cpp)
void ListViewMouseDown(TListViewState& AState, UINT AMsg, WPARAM AKeys, POINT APoint);
bool ListViewKeyDown(TListViewState& AState, UINT AKey);
void ListViewChar(TListViewState& AState, uint32_t AChar);
// LVM_HITTEST.
int HitTestItem(TListViewState& AState, LVHITTESTINFO& AInfo);

// ---- Label editing (ListViewLabelEdit.cpp)
HWND BeginLabelEdit(TListViewState& AState, int AIndex);
// Ends the edit: the new text goes to the parent unless ACancel.
void EndLabelEdit(TListViewState& AState, bool ACancel);
