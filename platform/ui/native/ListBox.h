#pragma once
// TCustomListBox and TListBox: the class library's list box over the LISTBOX window
// (ListBoxWindow.h). User-interface thread only.
//
// The properties go to the window as LB_* messages through the control's WindowProc,
// so a control that subclasses it sees them. While the control has no window (before
// it has a parent window, and while the window is made again) the items, their data,
// the selection and the top index are kept by the control and answer the same way;
// the window takes them over when it is made.
//
// Rows: with lbOwnerDrawFixed the window asks for each shown row with WM_DRAWITEM,
// which the parent reflects as CN_DRAWITEM: the canvas is set up (font, brush, the
// highlight colours for a selected row), DrawItem draws the row (OnDrawItem, or the
// item's text), and a focused row gets a focus rectangle. With lbStandard the window
// draws its rows itself.
//
// Events: OnClick when the user changed the selection or the caret (LBN_SELCHANGE),
// OnDblClick on a double click on an item (LBN_DBLCLK).

#include <memory>

#include "platform/base/StringList.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/native/ListBoxModel.h"

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed };

// The state of an owner-drawn row; the members follow the ODS_ bits in order.
enum TOwnerDrawStateItem { odSelected, odGrayed, odDisabled, odChecked, odFocused };
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;
TOwnerDrawState OwnerDrawStateOf(UINT AItemState);

using TDrawItemEvent =
    std::function<void(TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State)>;

class TCustomListBox;

// The items of a list box. Objects are the items' data. A bad index raises EListError
// ("List index out of bounds (%d)").
class TListBoxStrings : public TStrings {
 public:
  explicit TListBoxStrings(TCustomListBox* AListBox) : FListBox(AListBox) {}

  // In a sorted list box the item goes to its sorted place.
  int AddObject(const String& AText, void* AObject) override;
  // Inserts at AIndex even in a sorted list box.
  void Insert(int AIndex, const String& AText) override;
  void Delete(int AIndex) override;
  void Clear() override;
  // Letter case ignored, as the list box finds items.
  int IndexOf(const String& AText) const override;

 protected:
  String Get(int AIndex) const override;
  // Keeps the item's data and the list box's ItemIndex.
  void Put(int AIndex, const String& AText) override;
  void* GetObject(int AIndex) const override;
  void PutObject(int AIndex, void* AObject) override;
  int GetCount() const override;
  // Redrawing is off during an update and the list repaints after it.
  void SetUpdateState(bool AUpdating) override;

 private:
  void CheckIndex(int AIndex) const;

  TCustomListBox* FListBox;
};

class TCustomListBox : public TWinControl {
 public:
  // 121 × 97, clWindow, TabStop, AutoComplete, row height 16.
  explicit TCustomListBox(TComponent* AOwner);

  TStrings& Items() { return FItems; }
  // Copies the lines and objects of AValue.
  void SetItems(const TStrings& AValue) { FItems.Assign(AValue); }
  void Clear() { FItems.Clear(); }

  // The selected item (-1: none); with MultiSelect the item with the caret. Setting
  // selects the item alone (with MultiSelect: moves the caret only) and scrolls it into
  // view; it sends no notification.
  int ItemIndex();
  void SetItemIndex(int AValue);
  // Several items may be selected; ExtendedSelect makes a click select one item and
  // Shift and Ctrl extend it. Changing either makes the window again.
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool AValue);
  bool ExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool AValue);
  // The number of selected items (0 or 1 without MultiSelect).
  int SelCount();
  // Raise EListError for a bad index. Without MultiSelect, selecting makes the item the
  // ItemIndex and deselecting the ItemIndex clears it.
  bool Selected(int AIndex);
  void SetSelected(int AIndex, bool AValue);
  // Items added go to their place in letter order (case ignored); turning sorting on
  // sorts the items.
  bool Sorted() const { return FSorted; }
  void SetSorted(bool AValue);
  // The first item shown.
  int TopIndex();
  void SetTopIndex(int AValue);
  // The columns shown side by side (0: a single column that scrolls by rows); the
  // column width follows the client width.
  int Columns() const { return FColumns; }
  void SetColumns(int AValue);
  // Typed characters within half a second of one another search the items for an item
  // that starts with them (Backspace takes the last one back); a new item found
  // becomes the selection and raises OnClick.
  bool AutoComplete = true;
  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle AValue);
  // The row height (owner-drawn lists; a standard list's rows follow its font).
  int ItemHeight();
  void SetItemHeight(int AValue);

  // The item at a client point: -1 off the items, or with AExisting false, the item
  // count for a point in the client area below the last item.
  int ItemAtPos(TPoint APos, bool AExisting);
  // The item's rectangle in client coordinates (shown or not); empty for a bad index.
  TRect ItemRect(int AIndex);
  // The canvas that DrawItem draws on (set up for the row being drawn).
  TCanvas& Canvas() { return *FCanvas; }

  TDrawItemEvent OnDrawItem;

 protected:
  void CreateParams(TCreateParams& AParams) override;
  // Gives the new window its row height, column width and the kept items.
  void CreateWnd() override;
  // Keeps the items of the window that goes.
  void DestroyWnd() override;
  void Dispatch(TMessage& AMessage) override;
  // Draws a row: OnDrawItem, or the canvas's brush and the item's text.
  virtual void DrawItem(int AIndex, const TRect& ARect, TOwnerDrawState AState);
  // The incremental search of AutoComplete.
  void KeyPress(uint32_t& AKey) override;

 private:
  friend class TListBoxStrings;

  // Sends an LB_* message to the window, or answers it on the kept items when there is
  // no window.
  LRESULT ListMessage(UINT AMsg, WPARAM AWParam, LPARAM ALParam);
  void CNCommand(TMessage& AMessage);
  void CNDrawItem(TMessage& AMessage);
  void WMSize(TMessage& AMessage);
  // The kept items follow the selection and sorting styles.
  void ConfigureKeptItems();
  void UpdateColumnWidth();

  TListBoxStrings FItems{this};
  TListBoxModel FKeptItems;
  std::unique_ptr<TControlCanvas> FCanvas;
  TListBoxStyle FStyle = lbStandard;
  bool FMultiSelect = false;
  bool FExtendedSelect = true;
  bool FSorted = false;
  int FColumns = 0;
  int FItemHeight = 16;
  // The characters typed for AutoComplete, and when the last one came (window-system
  // ticks).
  String FFilter;
  uint32_t FLastTime = 0;
};

class TListBox : public TCustomListBox {
 public:
  using TCustomListBox::TCustomListBox;
};
