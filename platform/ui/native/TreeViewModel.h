#pragma once
// The items of a tree-view window and the order in which they are shown: a tree of
// items kept by the control's window procedure, each with its text, pictures, state
// and the caller's value. Rows are the items whose ancestors are all expanded, in tree
// order; they are worked out again after each change. User-interface thread only.

#include <functional>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/ui/native/TreeViewMessages.h"

struct TTreeViewItem {
  String Text;
  int Image = 0;
  int SelectedImage = 0;
  LPARAM Param = 0;
  UINT State = 0;
  // Whether the item shows a plus sign: set by TVIF_CHILDREN, else whether it has
  // child items.
  bool ChildrenGiven = false;
  bool ChildrenFlag = false;
  // Width of the text in the window's font; -1 until measured.
  int TextWidth = -1;

  TTreeViewItem* Parent = nullptr;
  TTreeViewItem* FirstChild = nullptr;
  TTreeViewItem* LastChild = nullptr;
  TTreeViewItem* Prev = nullptr;
  TTreeViewItem* Next = nullptr;

  bool HasButton() const { return ChildrenGiven ? ChildrenFlag : FirstChild != nullptr; }
  bool IsExpanded() const { return (State & TVIS_EXPANDED) != 0; }
  // 0 for a top-level item.
  int Level() const;
};

class TTreeViewModel {
 public:
  TTreeViewModel() = default;
  TTreeViewModel(const TTreeViewModel&) = delete;
  TTreeViewModel& operator=(const TTreeViewModel&) = delete;
  ~TTreeViewModel();

  // Links a new item under AParent (nullptr: top level) after AAfter: nullptr puts it
  // first, anything that is not a child of AParent (TVI_LAST) last.
  TTreeViewItem* Insert(TTreeViewItem* AParent, TTreeViewItem* AAfter);
  // Unlinks AItem and frees it with its subtree; AOnDelete sees each item, children
  // before their parent, while it is still whole.
  void Delete(TTreeViewItem* AItem, const std::function<void(TTreeViewItem*)>& AOnDelete);
  // Orders AParent's children (nullptr: the top level) by ALess, keeping equal ones
  // in their order.
  void SortChildren(TTreeViewItem* AParent,
                    const std::function<bool(const TTreeViewItem*, const TTreeViewItem*)>& ALess);

  // Whether AItem is an item of this tree (handles from messages are checked).
  bool Contains(const TTreeViewItem* AItem) const {
    return FItems.count(const_cast<TTreeViewItem*>(AItem)) != 0;
  }
  int Count() const { return static_cast<int>(FItems.size()); }
  TTreeViewItem* FirstRoot() const { return FFirstRoot; }

  // The shown items, top to bottom.
  const std::vector<TTreeViewItem*>& Rows();
  // AItem's row, -1 when it is hidden in a collapsed branch.
  int RowOf(const TTreeViewItem* AItem);
  // To be called after a change of expansion that did not go through Insert/Delete.
  void RowsChanged() { FRowsValid = false; }
  // Every item's text width is measured again when next needed.
  void ForgetTextWidths();

  // The next item in tree order (depth first), nullptr after the last.
  static TTreeViewItem* NextInTree(const TTreeViewItem* AItem);

 private:
  void Unlink(TTreeViewItem* AItem);
  void FreeSubtree(TTreeViewItem* AItem, const std::function<void(TTreeViewItem*)>& AOnDelete);

  TTreeViewItem* FFirstRoot = nullptr;
  TTreeViewItem* FLastRoot = nullptr;
  std::unordered_set<TTreeViewItem*> FItems;
  std::vector<TTreeViewItem*> FRows;
  std::unordered_map<const TTreeViewItem*, int> FRowIndex;
  bool FRowsValid = false;
};
