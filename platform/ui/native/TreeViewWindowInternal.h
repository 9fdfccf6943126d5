#pragma once
// The tree-view window ("SysTreeView32"): the window procedure and the state it keeps
// for each window. Internal to the tree view; the class library reaches it through
// RegisterTreeViewClass and the TVM_ messages. User-interface thread only.
//
// Geometry. Rows are ItemHeight high, the first shown row at the top is the vertical
// scroll position (in rows); the horizontal position is in pixels. An item of level L
// has its button column at [x0, x0 + Indent) with x0 = L × Indent, one Indent more with
// TVS_LINESATROOT, its picture at x0 + Indent (when there is a normal image list) and
// its text after that. The scroll state lives in the window's own bars (range 0 ..
// rows - 1 with page = fully visible rows; 0 .. content width in pixels with page =
// client width), which take no room: nothing of the window draws a bar.

#include "platform/gdi/Graphics.h"
#include "platform/ui/native/TreeViewModel.h"
#include "platform/win/WindowTypes.h"

// Registers the window class once; returns its name.
const char* RegisterTreeViewClass();

class TTreeViewWindow {
 public:
  explicit TTreeViewWindow(HWND AWindow) : FWindow(AWindow) {}
  LRESULT WindowProc(UINT AMsg, WPARAM AWParam, LPARAM ALParam);
  // The state of a tree-view window; nullptr for another window.
  static TTreeViewWindow* Of(HWND AWindow);

 private:
  // ---- Item messages (TreeViewWindow.cpp)
  LRESULT TVMInsertItem(const TVINSERTSTRUCT* AInsert);
  LRESULT TVMDeleteItem(HTREEITEM AItem);
  LRESULT TVMGetItem(TVITEM* AItem);
  LRESULT TVMSetItem(const TVITEM* AItem);
  // Takes the fields AFields.mask names (not the selection and expansion, which only
  // change through their messages).
  void SetFields(TTreeViewItem* AItem, const TVITEM& AFields);
  LRESULT TVMHitTest(TVHITTESTINFO* AInfo);
  LRESULT WMNCCalcSize(WPARAM AWParam, LPARAM ALParam);
  LRESULT TVMGetNextItem(WPARAM ACode, HTREEITEM AItem);
  // TVGN_CARET selects; TVGN_FIRSTVISIBLE scrolls the item to the top row.
  LRESULT TVMSelectItem(WPARAM ACode, HTREEITEM AItem);
  LRESULT TVMGetItemRect(WPARAM ATextOnly, RECT* ARect);
  LRESULT TVMSetImageList(WPARAM AKind, HIMAGELIST AList);
  LRESULT TVMSortChildrenCB(const TVSORTCB* ASort);
  LRESULT TVMSetIndent(int AIndent);
  LRESULT TVMSetColor(COLORREF& AField, COLORREF AColor);
  LRESULT WMSetFont(HFONT AFont, bool ARedraw);
  LRESULT WMDestroy();
  LRESULT WMGetDlgCode();
  LRESULT WMFocus(bool AFocused);

  // ---- Changes of state that notify the parent
  // Expands, collapses or toggles (TVE_) AItem: TVN_ITEMEXPANDING may refuse,
  // TVN_ITEMEXPANDED follows. Returns whether the state changed.
  bool Expand(TTreeViewItem* AItem, WPARAM AAction);
  // Makes AItem (nullptr: none) the selected item: TVN_SELCHANGING may refuse,
  // TVN_SELCHANGED follows. Returns whether it is selected now.
  bool Select(TTreeViewItem* AItem, UINT ACause);
  // Scrolls and opens the ancestors so that AItem is shown.
  void EnsureVisible(TTreeViewItem* AItem);
  LRESULT Notify(NMHDR& AHeader, UINT ACode);
  // Fills AItem as the notifications carry it (the handle, state and lParam).
  void DescribeItem(const TTreeViewItem* AItem, TVITEM& AOut) const;
  // The item's picture index; asks the parent with TVN_GETDISPINFO for a callback.
  int ImageOf(TTreeViewItem* AItem, bool ASelected);

  // ---- Geometry and scrolling (TreeViewLayout.cpp)
  int ItemHeight();
  int ClientWidth() const;
  int ClientHeight() const;
  int FullyVisibleRows();
  // The left edge of the item's button column, in content coordinates.
  int ButtonColumnOf(const TTreeViewItem* AItem) const;
  int TextLeftOf(const TTreeViewItem* AItem) const;
  int TextWidthOf(TTreeViewItem* AItem);
  // The row's rectangle (whole client width), or its text's, in client coordinates;
  // empty for a hidden item.
  TRect RowRect(TTreeViewItem* AItem);
  TRect TextRect(TTreeViewItem* AItem);
  TTreeViewItem* HitTest(TPoint APoint, UINT& AFlags);
  int ContentWidth();
  // Brings the scroll positions into range and writes the bars' state.
  void UpdateScrollState();
  void ScrollToRow(int ARow);
  void ScrollToPixel(int AX);
  LRESULT WMScroll(bool AVertical, WPARAM AWParam);
  // Repaints after a change of items or geometry.
  void Changed();

  // ---- Input (TreeViewInput.cpp)
  LRESULT WMLButtonDown(LPARAM ALParam);
  LRESULT WMLButtonDblClk(LPARAM ALParam);
  LRESULT WMRButtonDown(LPARAM ALParam);
  LRESULT WMKeyDown(WPARAM AKey);
  LRESULT WMMouseWheel(WPARAM AWParam);
  LRESULT WMTimer(WPARAM AId);
  // Selects the item of row ARow (clamped) by the keyboard.
  void SelectRow(int ARow);
  void ExpandAll(TTreeViewItem* AItem);

  // ---- Painting (TreeViewPaint.cpp)
  LRESULT WMPaint(HDC AGivenDC);
  void PaintItems(HDC ADC);
  void PaintItem(HDC ADC, TTreeViewItem* AItem, const TRect& ARow, COLORREF ATextColor, COLORREF ATextBack);
  void PaintLinesAndButton(HDC ADC, TTreeViewItem* AItem, const TRect& ARow);
  // The custom-draw notification of a stage; its answer (CDRF_).
  LRESULT CustomDraw(HDC ADC, DWORD AStage, TTreeViewItem* AItem, const TRect& ARect,
                     NMTVCUSTOMDRAW& ARecord);
  COLORREF BackColor() const;
  COLORREF TextColor() const;
  bool ShowsSelection() const;

  // ---- Label editing (TreeViewLabelEdit.cpp)
  LRESULT TVMEditLabel(HTREEITEM AItem);
  // Ends the edit (ACancel: without a new text) with TVN_ENDLABELEDIT; the text is
  // the item's when the answer is non-zero.
  LRESULT EndEdit(bool ACancel);
  static LRESULT LabelEditProc(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam);

  DWORD Style() const;

  HWND FWindow;
  TTreeViewModel FModel;
  TTreeViewItem* FSelected = nullptr;
  int FTopRow = 0;
  int FHorzPos = 0;
  int FIndent = 19;
  HFONT FFont = nullptr;
  // CLR_INVALID (-1 in TVM_SETBKCOLOR, TVM_SETTEXTCOLOR): the system colours.
  COLORREF FBackColor = CLR_INVALID;
  COLORREF FTextColor = CLR_INVALID;
  HIMAGELIST FImages = nullptr;
  HIMAGELIST FStateImages = nullptr;
  int FItemHeight = 0;  // 0: to be measured
  bool FFocused = false;
  // An item clicked while it was selected: its label edit starts when the double-click
  // time has passed without a second click.
  TTreeViewItem* FEditPending = nullptr;
  // The inner edit window of a label edit, and the item it edits.
  HWND FEdit = nullptr;
  TTreeViewItem* FEditItem = nullptr;
};
