#pragma once
// The list view of the class library: TCustomListView and TListView over the
// "SysListView32" stand-in (ListViewWindow.h), with its items (TListItem, TListItems),
// columns (TListColumn, TListColumns) and icon options. User-interface thread only.
//
// The items live here; the window keeps only their states and asks for texts and
// images when it needs them, which the list answers from its items or, in owner-data
// mode, from OnData (OwnerDataFetch). Items, columns and states survive the window's
// re-creation. Events arrive from the window's notifications, reflected to the list
// as CN_NOTIFY by its parent.

#include <memory>
#include <vector>

#include "platform/base/StringList.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/native/CustomDraw.h"
#include "platform/ui/native/ListViewMessages.h"

class TCustomListView;
class TListItems;
class TListColumns;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum TDisplayCode { drBounds, drIcon, drLabel, drSelectBounds };
enum TItemState { isNone, isCut, isDropHilited, isFocused, isSelected, isActivating };
using TItemStates = TSet<TItemState>;
enum TSearchDirection { sdLeft, sdRight, sdAbove, sdBelow, sdAll };
// The kind of change Change and OnChange report.
enum TItemChange { ctText, ctImage, ctState };
enum TItemRequestItem { irText, irImage, irParam, irState, irIndent };
using TItemRequest = TSet<TItemRequestItem>;
enum TItemFind { ifData, ifPartialString, ifExactString, ifNearest };

class TListItem {
 public:
  explicit TListItem(TListItems* AOwner);
  TListItem(const TListItem&) = delete;
  TListItem& operator=(const TListItem&) = delete;

  TListItems* Owner() const { return FOwner; }
  TCustomListView* ListView() const;
  // The place in the list (in owner-data mode, the item being fetched).
  int Index() const;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& AValue);
  // The texts of columns 1 and on; a change repaints the item.
  TStringList& SubItems() { return FSubItems; }
  // The image of sub-item AIndex (-1: none).
  int SubItemImages(int AIndex) const;
  void SetSubItemImages(int AIndex, int AValue);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int AValue);
  bool Checked() const;
  void SetChecked(bool AValue);
  bool Selected() const;
  void SetSelected(bool AValue);
  bool Focused() const;
  void SetFocused(bool AValue);
  void* Data = nullptr;

  // The item's rectangle (empty without a window).
  TRect DisplayRect(TDisplayCode ACode) const;
  void MakeVisible(bool APartialOK);
  // Starts editing the caption in place; false when refused.
  bool EditCaption();
  // Ends a running edit of this item's caption without taking the text.
  void CancelEdit();
  // Removes the item from its list and frees it.
  void Delete();

 private:
  friend class TListItems;
  friend class TCustomListView;
  UINT StateBits(UINT AMask) const;
  void SetStateBits(UINT ABits, UINT AMask);
  void Changed(TItemChange AChange);

  TListItems* FOwner;
  String FCaption;
  TStringList FSubItems;
  std::vector<int> FSubItemImages;
  int FImageIndex = -1;
  // The states while the list has no window (LVIS_ bits and the state image).
  UINT FState = 0;
  // Owner-data mode: the index of the item the list fetched into this one.
  int FOwnerDataIndex = -1;
};

class TListItems {
 public:
  explicit TListItems(TCustomListView* AOwner);
  ~TListItems();
  TListItems(const TListItems&) = delete;
  TListItems& operator=(const TListItems&) = delete;

  TCustomListView* Owner() const { return FOwner; }
  // The items; in owner-data mode the count is set, and Item(i) is one shared object
  // that OnData fills for index i (valid until the next Item call).
  int Count() const;
  void SetCount(int AValue);
  TListItem* Item(int AIndex);
  TListItem* operator[](int AIndex) { return Item(AIndex); }
  TListItem* Add();
  TListItem* Insert(int AIndex);
  void Delete(int AIndex);
  void Clear();
  int IndexOf(const TListItem* AItem) const;
  // Painting waits until as many EndUpdate as BeginUpdate were called.
  void BeginUpdate();
  void EndUpdate();

 private:
  friend class TCustomListView;
  friend class TListItem;
  TListItem* FetchOwnerDataItem(int AIndex, TItemRequest ARequest);

  TCustomListView* FOwner;
  std::vector<std::unique_ptr<TListItem>> FItems;
  int FOwnerDataCount = 0;
  std::unique_ptr<TListItem> FOwnerDataItem;
  int FUpdateCount = 0;
};

class TListColumn {
 public:
  explicit TListColumn(TListColumns* AOwner) : FOwner(AOwner) {}
  TListColumn(const TListColumn&) = delete;
  TListColumn& operator=(const TListColumn&) = delete;

  int Index() const;
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& AValue);
  // The width the window has now (a dragged divider changes it).
  int Width() const;
  void SetWidth(int AValue);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment AValue);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int AValue);

 private:
  friend class TCustomListView;
  friend class TListColumns;
  void Changed();
  LVCOLUMN Record() const;

  TListColumns* FOwner;
  String FCaption;
  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  int FImageIndex = -1;
};

class TListColumns {
 public:
  explicit TListColumns(TCustomListView* AOwner) : FOwner(AOwner) {}
  TListColumns(const TListColumns&) = delete;
  TListColumns& operator=(const TListColumns&) = delete;

  TCustomListView* Owner() const { return FOwner; }
  int Count() const { return static_cast<int>(FColumns.size()); }
  // Raises EListError "List index out of bounds (n)" out of range.
  TListColumn* Items(int AIndex) const;
  TListColumn* operator[](int AIndex) const { return Items(AIndex); }
  TListColumn* Add();
  void Delete(int AIndex);
  void Clear();
  // The list is not painted between BeginUpdate and EndUpdate.
  void BeginUpdate();
  void EndUpdate();

 private:
  friend class TListColumn;
  friend class TCustomListView;
  TCustomListView* FOwner;
  std::vector<std::unique_ptr<TListColumn>> FColumns;
};

class TIconOptions {
 public:
  explicit TIconOptions(TCustomListView* AOwner) : FOwner(AOwner) {}
  // Captions of the icon view break into two lines.
  bool WrapText() const { return FWrapText; }
  void SetWrapText(bool AValue);

 private:
  TCustomListView* FOwner;
  bool FWrapText = true;
};

using TLVChangeEvent = std::function<void(TObject* Sender, TListItem* Item, TItemChange Change)>;
using TLVSelectItemEvent = std::function<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVColumnClickEvent = std::function<void(TObject* Sender, TListColumn* Column)>;
using TLVCustomDrawItemEvent =
    std::function<void(TCustomListView* Sender, TListItem* Item, TCustomDrawState State, bool& DefaultDraw)>;
using TLVOwnerDataEvent = std::function<void(TObject* Sender, TListItem* Item)>;
using TLVOwnerDataFindEvent =
    std::function<void(TObject* Sender, TItemFind Find, const String& FindString, const TPoint& FindPosition,
                       void* FindData, int StartIndex, TSearchDirection Direction, bool Wrap, int& Index)>;
using TLVEditingEvent = std::function<void(TObject* Sender, TListItem* Item, bool& AllowEdit)>;
using TLVEditedEvent = std::function<void(TObject* Sender, TListItem* Item, String& S)>;

class TCustomListView : public TWinControl {
 public:
  // 250 × 150, TabStop, empty, in icon view: column headers shown, column clicks on,
  // captions editable, single selection, selection hidden without the focus, icon
  // captions wrapped.
  explicit TCustomListView(TComponent* AOwner);
  ~TCustomListView() override;

  TListItems& Items() { return *FItems; }
  TListColumns& Columns() { return *FColumns; }
  TIconOptions& IconOptions() { return FIconOptions; }
  // The canvas OnCustomDrawItem draws on (the window's paint).
  TCanvas& Canvas() { return FCanvas; }

  TViewStyle ViewStyle() const { return FViewStyle; }
  virtual void SetViewStyle(TViewStyle AValue);
  TCustomImageList* SmallImages() const { return FSmallImages; }
  void SetSmallImages(TCustomImageList* AValue);
  TCustomImageList* LargeImages() const { return FLargeImages; }
  void SetLargeImages(TCustomImageList* AValue);
  TCustomImageList* StateImages() const { return FStateImages; }
  void SetStateImages(TCustomImageList* AValue);

  bool Checkboxes() const { return FCheckboxes; }
  void SetCheckboxes(bool AValue);
  bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool AValue);
  bool GridLines() const { return FGridLines; }
  void SetGridLines(bool AValue);
  // Sections of the header can be dragged to another place.
  bool FullDrag() const { return FFullDrag; }
  void SetFullDrag(bool AValue);
  bool ShowColumnHeaders() const { return FShowColumnHeaders; }
  void SetShowColumnHeaders(bool AValue);
  bool ColumnClick() const { return FColumnClick; }
  void SetColumnClick(bool AValue);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool AValue);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool AValue);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool AValue);
  // Items come from OnData; set before the window is made or while the list is empty.
  bool OwnerData() const { return FOwnerData; }
  void SetOwnerData(bool AValue);

  // The first selected item; setting selects that item alone (nullptr: none).
  TListItem* Selected();
  void SetSelected(TListItem* AValue);
  TListItem* ItemFocused();
  void SetItemFocused(TListItem* AValue);
  int SelCount();
  // The next item after AStart (nullptr: from the start) in the direction that has all
  // the states (isSelected, isFocused) asked for; with sdAll in index order.
  TListItem* GetNextItem(TListItem* AStart, TSearchDirection ADirection, TItemStates AStates);
  // The first item shown (report and list views; nullptr in the icon views).
  TListItem* TopItem();
  // The rows shown in report view; 0 in the other views.
  int VisibleRowCount();
  TListItem* GetItemAt(int AX, int AY);
  bool IsEditing();
  // Scrolls by pixels; report view rows move in whole rows, list view columns in whole
  // columns.
  void Scroll(int ADX, int ADY);

  TLVChangeEvent OnChange;
  TLVSelectItemEvent OnSelectItem;
  TLVColumnClickEvent OnColumnClick;
  TLVCustomDrawItemEvent OnCustomDrawItem;
  TLVOwnerDataEvent OnData;
  TLVOwnerDataFindEvent OnDataFind;
  TLVEditingEvent OnEditing;
  TLVEditedEvent OnEdited;

 protected:
  void CreateParams(TCreateParams& AParams) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& AMessage) override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;

  // An item changed (state, text or image): OnChange, and OnSelectItem when its
  // selection did.
  virtual void Change(TListItem* AItem, TItemChange AChange);
  virtual void ColClick(TListColumn* AColumn);
  // Fills AItem (its Index is set) for an owner-data list: OnData.
  virtual bool OwnerDataFetch(TListItem* AItem, TItemRequest ARequest);
  // The index found for a type-ahead search of an owner-data list: OnDataFind; -1 none.
  virtual int OwnerDataFind(TItemFind AFind, const String& AFindString, const TPoint& AFindPosition,
                            void* AFindData, int AStartIndex, TSearchDirection ADirection, bool AWrap);
  virtual bool CanEdit(TListItem* AItem);
  // The caption edit ended with a new text (AItem.pszText): OnEdited may change it; the
  // item takes it.
  virtual void Edit(const LVITEM& AItem);
  // Draws an item through OnCustomDrawItem; returns DefaultDraw.
  virtual bool CustomDrawItem(TListItem* AItem, TCustomDrawState AState);

 private:
  friend class TListItem;
  friend class TListItems;
  friend class TListColumn;
  friend class TListColumns;
  friend class TIconOptions;

  void CNNotify(TMessage& AMessage);
  LRESULT GetDispInfo(NMLVDISPINFO& AInfo);
  LRESULT CustomDraw(NMLVCUSTOMDRAW& ADraw);
  void ItemChanged(const NMLISTVIEW& AChange);
  LRESULT FindItem(const NMLVFINDITEM& AFind);
  LRESULT BeginEdit(const NMLVDISPINFO& AInfo);
  // Sends the style bits the properties decide to the window.
  DWORD ListStyle() const;
  DWORD ExtendedStyle() const;
  void UpdateStyle();
  void UpdateExtendedStyle();
  void SetImageList(TCustomImageList*& ASlot, TCustomImageList* AValue, WPARAM AWhich);
  void UpdateColors();
  // The item at an index of the window (the fetched one in owner-data mode).
  TListItem* ItemAt(LRESULT AIndex);

  std::unique_ptr<TListItems> FItems;
  std::unique_ptr<TListColumns> FColumns;
  TIconOptions FIconOptions{this};
  TCanvas FCanvas;
  // The text last handed to the window by LVN_GETDISPINFOW.
  String FDispText;
  TViewStyle FViewStyle = vsIcon;
  TCustomImageList* FSmallImages = nullptr;
  TCustomImageList* FLargeImages = nullptr;
  TCustomImageList* FStateImages = nullptr;
  bool FCheckboxes = false;
  bool FRowSelect = false;
  bool FGridLines = false;
  bool FFullDrag = false;
  bool FShowColumnHeaders = true;
  bool FColumnClick = true;
  bool FMultiSelect = false;
  bool FReadOnly = false;
  bool FHideSelection = true;
  bool FOwnerData = false;
};

class TListView : public TCustomListView {
 public:
  using TCustomListView::TCustomListView;
};
