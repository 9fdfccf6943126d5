// The item tree of a tree-view window: linking, unlinking, sorting and the shown rows.

#include "platform/ui/native/TreeViewModel.h"

#include <algorithm>

int TTreeViewItem::Level() const {
  int Result = 0;
  for (const TTreeViewItem* Up = Parent; Up; Up = Up->Parent) ++Result;
  return Result;
}

TTreeViewModel::~TTreeViewModel() {
  for (TTreeViewItem* Item : FItems) delete Item;
}

TTreeViewItem* TTreeViewModel::Insert(TTreeViewItem* AParent, TTreeViewItem* AAfter) {
  auto* Item = new TTreeViewItem;
  FItems.insert(Item);
  Item->Parent = AParent;
  TTreeViewItem*& First = AParent ? AParent->FirstChild : FFirstRoot;
  TTreeViewItem*& Last = AParent ? AParent->LastChild : FLastRoot;
  const bool AfterSibling = AAfter && Contains(AAfter) && AAfter->Parent == AParent;
  if (!AAfter) {
    Item->Next = First;
  } else {
    Item->Prev = AfterSibling ? AAfter : Last;
    Item->Next = Item->Prev ? Item->Prev->Next : nullptr;
  }
  if (Item->Prev)
    Item->Prev->Next = Item;
  else
    First = Item;
  if (Item->Next)
    Item->Next->Prev = Item;
  else
    Last = Item;
  FRowsValid = false;
  return Item;
}

void TTreeViewModel::Unlink(TTreeViewItem* AItem) {
  TTreeViewItem* Parent = AItem->Parent;
  TTreeViewItem*& First = Parent ? Parent->FirstChild : FFirstRoot;
  TTreeViewItem*& Last = Parent ? Parent->LastChild : FLastRoot;
  if (AItem->Prev)
    AItem->Prev->Next = AItem->Next;
  else
    First = AItem->Next;
  if (AItem->Next)
    AItem->Next->Prev = AItem->Prev;
  else
    Last = AItem->Prev;
  AItem->Prev = AItem->Next = nullptr;
  // A branch that lost its last child closes, so that opening it again asks for its
  // children again.
  if (Parent && !Parent->FirstChild) Parent->State &= ~TVIS_EXPANDED;
}

void TTreeViewModel::Delete(TTreeViewItem* AItem, const std::function<void(TTreeViewItem*)>& AOnDelete) {
  FreeSubtree(AItem, AOnDelete);
  FRowsValid = false;
}

void TTreeViewModel::FreeSubtree(TTreeViewItem* AItem, const std::function<void(TTreeViewItem*)>& AOnDelete) {
  while (AItem->FirstChild) FreeSubtree(AItem->FirstChild, AOnDelete);
  if (AOnDelete) AOnDelete(AItem);
  Unlink(AItem);
  FItems.erase(AItem);
  delete AItem;
}

void TTreeViewModel::SortChildren(
    TTreeViewItem* AParent, const std::function<bool(const TTreeViewItem*, const TTreeViewItem*)>& ALess) {
  std::vector<TTreeViewItem*> Children;
  for (TTreeViewItem* Child = AParent ? AParent->FirstChild : FFirstRoot; Child; Child = Child->Next)
    Children.push_back(Child);
  std::stable_sort(Children.begin(), Children.end(), ALess);
  TTreeViewItem* Prev = nullptr;
  for (TTreeViewItem* Child : Children) {
    Child->Prev = Prev;
    Child->Next = nullptr;
    if (Prev) Prev->Next = Child;
    Prev = Child;
  }
  TTreeViewItem* First = Children.empty() ? nullptr : Children.front();
  if (AParent) {
    AParent->FirstChild = First;
    AParent->LastChild = Prev;
  } else {
    FFirstRoot = First;
    FLastRoot = Prev;
  }
  FRowsValid = false;
}

TTreeViewItem* TTreeViewModel::NextInTree(const TTreeViewItem* AItem) {
  if (AItem->FirstChild) return AItem->FirstChild;
  for (const TTreeViewItem* Up = AItem; Up; Up = Up->Parent)
    if (Up->Next) return Up->Next;
  return nullptr;
}

const std::vector<TTreeViewItem*>& TTreeViewModel::Rows() {
  if (FRowsValid) return FRows;
  FRows.clear();
  FRowIndex.clear();
  TTreeViewItem* Item = FFirstRoot;
  while (Item) {
    FRowIndex[Item] = static_cast<int>(FRows.size());
    FRows.push_back(Item);
    if (Item->FirstChild && Item->IsExpanded()) {
      Item = Item->FirstChild;
      continue;
    }
    while (Item && !Item->Next) Item = Item->Parent;
    if (Item) Item = Item->Next;
  }
  FRowsValid = true;
  return FRows;
}

int TTreeViewModel::RowOf(const TTreeViewItem* AItem) {
  Rows();
  auto It = FRowIndex.find(AItem);
  return It == FRowIndex.end() ? -1 : It->second;
}

void TTreeViewModel::ForgetTextWidths() {
  for (TTreeViewItem* Item : FItems) Item->TextWidth = -1;
}
