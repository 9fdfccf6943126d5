#pragma once
// The tree view of the class library: TCustomTreeView (and the published TTreeView)
// over the tree-view window ("SysTreeView32"), its nodes TTreeNode and their
// collection TTreeNodes. User-interface thread only.
//
// The items live in the window; each item carries its TTreeNode (the item's lParam),
// so nodes exist only while the window does: adding a node makes the window, and
// DestroyWnd deletes every node (with OnDeletion). Selection, expansion and label
// editing go through the window's messages, whose notifications (reflected to the
// tree as CN_NOTIFY) raise the virtual steps below and their events: TVN_SELCHANGING
// → CanChange (OnChanging), TVN_SELCHANGED → Change (OnChange), TVN_ITEMEXPANDING →
// CanExpand (OnExpanding) or CanCollapse (OnCollapsing), TVN_ITEMEXPANDED → Expand
// (OnExpanded) or Collapse (OnCollapsed), TVN_DELETEITEM → Delete (OnDeletion),
// TVN_BEGINLABELEDIT → CanEdit (OnEditing), TVN_ENDLABELEDIT → Edit (OnEdited),
// pictures → GetImageIndex / GetSelectedIndex, NM_CUSTOMDRAW → CustomDrawItem
// (OnAdvancedCustomDrawItem).
//
// A node with HasChildren and no child nodes shows a plus sign; its children are
// typically added by CanExpand or OnExpanding when it first opens (lazy filling).

#include <functional>
#include <memory>
#include <unordered_map>

#include "platform/ui/ImgList.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/native/CustomDraw.h"
#include "platform/ui/native/TreeViewMessages.h"

class TCustomTreeView;
class TTreeNodes;

class TTreeNode {
 public:
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;

  TTreeNodes* Owner() const { return FOwner; }
  TCustomTreeView* TreeView() const;
  HTREEITEM ItemId() const { return FItemId; }

  const String& Text() const { return FText; }
  void SetText(const String& AValue);
  // The caller's value; the tree never looks at it.
  void* Data = nullptr;
  // Pictures of Images; the selected picture shows while the node is selected.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int AValue);
  int SelectedIndex() const { return FSelectedIndex; }
  void SetSelectedIndex(int AValue);

  // The plus sign: given explicitly by SetHasChildren, otherwise whether child nodes
  // exist.
  bool HasChildren() const;
  void SetHasChildren(bool AValue);
  bool Expanded() const;
  void SetExpanded(bool AValue);
  // Opens the node (and with ARecurse every node below it, filling lazy branches as
  // they open).
  void Expand(bool ARecurse);
  void Collapse(bool ARecurse);
  bool Selected() const;
  void SetSelected(bool AValue);
  // Selected, and the tree has the keyboard focus.
  bool Focused() const;
  // Whether all its ancestors are expanded.
  bool IsVisible() const;
  // Opens the ancestors and scrolls the node into view.
  void MakeVisible();

  // 0 for a top-level node.
  int Level() const;
  // The place in tree order among all nodes, from 0.
  int AbsoluteIndex() const;
  // The place among its siblings.
  int Index() const;
  TTreeNode* Parent() const;
  int Count() const;
  // The child at AIndex; raises EListError "List index out of bounds (…)" outside.
  TTreeNode* Item(int AIndex) const;
  TTreeNode* getFirstChild() const;
  TTreeNode* GetLastChild() const;
  TTreeNode* getNextSibling() const;
  TTreeNode* getPrevSibling() const;
  // The next and previous node in tree order (depth first), expanded or not.
  TTreeNode* GetNext() const;
  TTreeNode* GetPrev() const;
  // The next and previous shown node.
  TTreeNode* GetNextVisible() const;
  TTreeNode* GetPrevVisible() const;

  // Removes the node and its children (OnDeletion for each); the node is freed.
  void Delete();
  // Removes the children; the plus sign goes.
  void DeleteChildren();
  // True while the node is being removed.
  bool Deleting() const { return FDeleting; }
  // The whole row, or the text only, in the tree's client coordinates; empty while
  // the node is hidden in a closed branch.
  TRect DisplayRect(bool ATextOnly) const;
  // Starts editing the text in place (OnEditing may refuse); false when not started.
  bool EditText();
  // Ends the tree's label edit, taking the text unless ACancel.
  void EndEdit(bool ACancel);
  // Orders the children by ACompare (negative: the first goes first).
  void CustomSort(const std::function<int(TTreeNode*, TTreeNode*)>& ACompare);

 private:
  friend class TTreeNodes;
  friend class TCustomTreeView;
  explicit TTreeNode(TTreeNodes* AOwner) : FOwner(AOwner) {}
  TTreeNode* Related(WPARAM ARelation) const;
  LRESULT Send(UINT AMsg, WPARAM AWParam, LPARAM ALParam) const;

  TTreeNodes* FOwner;
  HTREEITEM FItemId = nullptr;
  String FText;
  int FImageIndex = -1;
  int FSelectedIndex = -1;
  bool FDeleting = false;
};

class TTreeNodes {
 public:
  explicit TTreeNodes(TCustomTreeView* AOwner) : FOwner(AOwner) {}
  TTreeNodes(const TTreeNodes&) = delete;
  TTreeNodes& operator=(const TTreeNodes&) = delete;

  TCustomTreeView* Owner() const { return FOwner; }
  int Count() const;
  // The node at AIndex in tree order; raises EListError "List index out of bounds (…)"
  // outside.
  TTreeNode* Item(int AIndex) const;
  TTreeNode* GetFirstNode() const;
  // The node of a window item; nullptr for none.
  TTreeNode* GetNode(HTREEITEM AItem) const;

  // New nodes. ASibling's level (nullptr: the top level): Add and AddObject after the
  // last sibling, AddFirst first, Insert and InsertObject just before ASibling. Under
  // AParent (nullptr: the top level): AddChild… last, AddChildFirst first.
  TTreeNode* Add(TTreeNode* ASibling, const String& AText) { return AddObject(ASibling, AText, nullptr); }
  TTreeNode* AddObject(TTreeNode* ASibling, const String& AText, void* AData);
  TTreeNode* AddFirst(TTreeNode* ASibling, const String& AText);
  TTreeNode* AddChild(TTreeNode* AParent, const String& AText) {
    return AddChildObject(AParent, AText, nullptr);
  }
  TTreeNode* AddChildObject(TTreeNode* AParent, const String& AText, void* AData);
  TTreeNode* AddChildFirst(TTreeNode* AParent, const String& AText);
  TTreeNode* Insert(TTreeNode* ASibling, const String& AText) {
    return InsertObject(ASibling, AText, nullptr);
  }
  TTreeNode* InsertObject(TTreeNode* ASibling, const String& AText, void* AData);
  void Delete(TTreeNode* ANode) { ANode->Delete(); }
  void Clear();
  // Counted: the tree is not repainted until as many EndUpdate as BeginUpdate ran.
  void BeginUpdate();
  void EndUpdate();

 private:
  friend class TCustomTreeView;
  TTreeNode* InsertNode(HTREEITEM AParent, HTREEITEM AAfter, const String& AText, void* AData);
  // Frees the node object of a deleted item.
  void Forget(TTreeNode* ANode) { FNodes.erase(ANode); }

  TCustomTreeView* FOwner;
  std::unordered_map<TTreeNode*, std::unique_ptr<TTreeNode>> FNodes;
  int FUpdateCount = 0;
};

using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVChangingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVExpandingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVCollapsingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowCollapse)>;
using TTVExpandedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVEditingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowEdit)>;
using TTVEditedEvent = std::function<void(TObject* Sender, TTreeNode* Node, String& S)>;
using TTVAdvancedCustomDrawItemEvent =
    std::function<void(TCustomTreeView* Sender, TTreeNode* Node, TCustomDrawState State,
                       TCustomDrawStage Stage, bool& PaintImages, bool& DefaultDraw)>;

class TCustomTreeView : public TWinControl {
 public:
  // 121 × 97, clWindow, TabStop; buttons, lines and root lines shown; selection
  // hidden while unfocused; labels editable.
  explicit TCustomTreeView(TComponent* AOwner);
  ~TCustomTreeView() override;

  TTreeNodes& Items() { return *FItems; }
  TTreeNode* Selected();
  // nullptr: no node selected.
  void SetSelected(TTreeNode* AValue);
  // The node shown in the top row.
  TTreeNode* TopItem();
  void SetTopItem(TTreeNode* AValue);
  TTreeNode* GetNodeAt(int AX, int AY);
  void FullExpand();
  void FullCollapse();
  bool IsEditing();

  int Indent() const { return FIndent; }
  void SetIndent(int AValue);
  bool ShowRoot() const { return FShowRoot; }
  void SetShowRoot(bool AValue);
  bool ShowLines() const { return FShowLines; }
  void SetShowLines(bool AValue);
  bool ShowButtons() const { return FShowButtons; }
  void SetShowButtons(bool AValue);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool AValue);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool AValue);
  // A right press selects the node under the pointer.
  bool RightClickSelect = false;
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* AValue);
  TCustomImageList* StateImages() const { return FStateImages; }
  void SetStateImages(TCustomImageList* AValue);

  // The canvas that OnAdvancedCustomDrawItem draws on: the tree's device context of
  // the paint, with the tree's font and its brush (highlight colours for a selected
  // node) at each item.
  TCanvas& Canvas() { return *FCanvas; }

  TTVChangedEvent OnChange;
  TTVChangingEvent OnChanging;
  TTVExpandingEvent OnExpanding;
  TTVExpandedEvent OnExpanded;
  TTVCollapsingEvent OnCollapsing;
  TTVExpandedEvent OnCollapsed;
  TTVExpandedEvent OnDeletion;
  TTVEditingEvent OnEditing;
  TTVEditedEvent OnEdited;
  TTVExpandedEvent OnGetImageIndex;
  TTVExpandedEvent OnGetSelectedIndex;
  TTVAdvancedCustomDrawItemEvent OnAdvancedCustomDrawItem;

 protected:
  void CreateParams(TCreateParams& AParams) override;
  // Gives the new window the tree's indent, colours and image lists.
  void CreateWnd() override;
  // Deletes every node first (the nodes live in the window).
  void DestroyWnd() override;
  void Dispatch(TMessage& AMessage) override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;

  virtual bool CanChange(TTreeNode* ANode);
  virtual void Change(TTreeNode* ANode);
  virtual bool CanExpand(TTreeNode* ANode);
  virtual void Expand(TTreeNode* ANode);
  virtual bool CanCollapse(TTreeNode* ANode);
  virtual void Collapse(TTreeNode* ANode);
  // A node is being removed (it is still whole).
  virtual void Delete(TTreeNode* ANode);
  virtual bool CanEdit(TTreeNode* ANode);
  // The edit of AItem's node ended; AItem.pszText is the new text, nullptr when
  // cancelled. The default raises OnEdited and gives the node the (changed) text.
  virtual void Edit(const TVITEM& AItem);
  // Called before a node's pictures are drawn, so that they can be set late.
  virtual void GetImageIndex(TTreeNode* ANode);
  virtual void GetSelectedIndex(TTreeNode* ANode);
  // Returns DefaultDraw: whether the tree still draws the item (at cdPrePaint).
  virtual bool CustomDrawItem(TTreeNode* ANode, TCustomDrawState AState, TCustomDrawStage AStage,
                              bool& APaintImages);

 private:
  friend class TTreeNode;
  friend class TTreeNodes;

  void CNNotify(TMessage& AMessage);
  void WMRButtonDown(TMessage& AMessage);
  void CMColorChanged(TMessage& AMessage);
  void CMFontChanged(TMessage& AMessage);
  // The answers to the notifications.
  LRESULT NotifySelection(const NMTREEVIEW& ARecord, bool AChanging);
  LRESULT NotifyExpansion(const NMTREEVIEW& ARecord, bool AExpanding);
  void NotifyDeletion(const NMTREEVIEW& ARecord);
  void NotifyDispInfo(NMTVDISPINFO& ARecord);
  LRESULT NotifyCustomDraw(NMTVCUSTOMDRAW& ARecord);
  TTreeNode* NodeOf(const TVITEM& AItem) const { return reinterpret_cast<TTreeNode*>(AItem.lParam); }
  void SetStyleBit(DWORD ABit, bool AOn);
  DWORD StyleBits() const;
  void SendImageList(WPARAM AKind, TCustomImageList* AList);

  std::unique_ptr<TTreeNodes> FItems;
  std::unique_ptr<TControlCanvas> FCanvas;
  int FIndent = 19;
  bool FShowRoot = true;
  bool FShowLines = true;
  bool FShowButtons = true;
  bool FReadOnly = false;
  bool FHideSelection = true;
  TCustomImageList* FImages = nullptr;
  TCustomImageList* FStateImages = nullptr;
};

class TTreeView : public TCustomTreeView {
 public:
  using TCustomTreeView::TCustomTreeView;
};
