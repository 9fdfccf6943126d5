// TTreeNode and TTreeNodes: nodes over the items of the tree-view window, read and
// changed through its messages.

#include <cstring>

#include "platform/base/Lists.h"
#include "platform/ui/native/TreeView.h"
#include "platform/win/MessageQueue.h"

// ---------------------------------------------------------------- TTreeNode

TCustomTreeView* TTreeNode::TreeView() const { return FOwner->Owner(); }

LRESULT TTreeNode::Send(UINT AMsg, WPARAM AWParam, LPARAM ALParam) const {
  return SendMessage(TreeView()->Handle(), AMsg, AWParam, ALParam);
}

TTreeNode* TTreeNode::Related(WPARAM ARelation) const {
  return FOwner->GetNode(
      reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, ARelation, reinterpret_cast<LPARAM>(FItemId))));
}

void TTreeNode::SetText(const String& AValue) {
  FText = AValue;
  TVITEM Item;
  Item.mask = TVIF_TEXT;
  Item.hItem = FItemId;
  Item.pszText = FText.data();
  Send(TVM_SETITEM, 0, reinterpret_cast<LPARAM>(&Item));
}

void TTreeNode::SetImageIndex(int AValue) {
  if (FImageIndex == AValue) return;
  FImageIndex = AValue;
  TreeView()->Invalidate();
}

void TTreeNode::SetSelectedIndex(int AValue) {
  if (FSelectedIndex == AValue) return;
  FSelectedIndex = AValue;
  TreeView()->Invalidate();
}

bool TTreeNode::HasChildren() const {
  TVITEM Item;
  Item.mask = TVIF_CHILDREN;
  Item.hItem = FItemId;
  Send(TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&Item));
  return Item.cChildren != 0;
}

void TTreeNode::SetHasChildren(bool AValue) {
  TVITEM Item;
  Item.mask = TVIF_CHILDREN;
  Item.hItem = FItemId;
  Item.cChildren = AValue ? 1 : 0;
  Send(TVM_SETITEM, 0, reinterpret_cast<LPARAM>(&Item));
}

bool TTreeNode::Expanded() const {
  TVITEM Item;
  Item.mask = TVIF_STATE;
  Item.hItem = FItemId;
  Item.stateMask = TVIS_EXPANDED;
  Send(TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&Item));
  return (Item.state & TVIS_EXPANDED) != 0;
}

void TTreeNode::SetExpanded(bool AValue) {
  if (AValue)
    Expand(false);
  else
    Collapse(false);
}

void TTreeNode::Expand(bool ARecurse) {
  Send(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(FItemId));
  if (!ARecurse) return;
  // Expanding may have added the children just now.
  for (TTreeNode* Child = getFirstChild(); Child; Child = Child->getNextSibling()) Child->Expand(true);
}

void TTreeNode::Collapse(bool ARecurse) {
  if (ARecurse)
    for (TTreeNode* Child = getFirstChild(); Child; Child = Child->getNextSibling()) Child->Collapse(true);
  Send(TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(FItemId));
}

bool TTreeNode::Selected() const { return Related(TVGN_CARET) == this; }

void TTreeNode::SetSelected(bool AValue) {
  if (AValue)
    Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(FItemId));
  else if (Selected())
    Send(TVM_SELECTITEM, TVGN_CARET, 0);
}

bool TTreeNode::Focused() const { return Selected() && TreeView()->Focused(); }

bool TTreeNode::IsVisible() const {
  for (TTreeNode* Up = Parent(); Up; Up = Up->Parent())
    if (!Up->Expanded()) return false;
  return true;
}

void TTreeNode::MakeVisible() { Send(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(FItemId)); }

int TTreeNode::Level() const {
  int Result = 0;
  for (TTreeNode* Up = Parent(); Up; Up = Up->Parent()) ++Result;
  return Result;
}

int TTreeNode::AbsoluteIndex() const {
  int Result = 0;
  for (TTreeNode* Node = FOwner->GetFirstNode(); Node && Node != this; Node = Node->GetNext()) ++Result;
  return Result;
}

int TTreeNode::Index() const {
  int Result = 0;
  for (TTreeNode* Node = getPrevSibling(); Node; Node = Node->getPrevSibling()) ++Result;
  return Result;
}

TTreeNode* TTreeNode::Parent() const { return Related(TVGN_PARENT); }

int TTreeNode::Count() const {
  int Result = 0;
  for (TTreeNode* Child = getFirstChild(); Child; Child = Child->getNextSibling()) ++Result;
  return Result;
}

TTreeNode* TTreeNode::Item(int AIndex) const {
  TTreeNode* Child = AIndex >= 0 ? getFirstChild() : nullptr;
  for (int I = 0; Child && I < AIndex; ++I) Child = Child->getNextSibling();
  if (!Child) RaiseListIndexError(AIndex);
  return Child;
}

TTreeNode* TTreeNode::getFirstChild() const { return Related(TVGN_CHILD); }

TTreeNode* TTreeNode::GetLastChild() const {
  TTreeNode* Child = getFirstChild();
  while (Child && Child->getNextSibling()) Child = Child->getNextSibling();
  return Child;
}

TTreeNode* TTreeNode::getNextSibling() const { return Related(TVGN_NEXT); }
TTreeNode* TTreeNode::getPrevSibling() const { return Related(TVGN_PREVIOUS); }

TTreeNode* TTreeNode::GetNext() const {
  if (TTreeNode* Child = getFirstChild()) return Child;
  for (const TTreeNode* Up = this; Up; Up = Up->Parent())
    if (TTreeNode* Sibling = Up->getNextSibling()) return Sibling;
  return nullptr;
}

TTreeNode* TTreeNode::GetPrev() const {
  TTreeNode* Node = getPrevSibling();
  if (!Node) return Parent();
  while (TTreeNode* Last = Node->GetLastChild()) Node = Last;
  return Node;
}

TTreeNode* TTreeNode::GetNextVisible() const { return IsVisible() ? Related(TVGN_NEXTVISIBLE) : nullptr; }
TTreeNode* TTreeNode::GetPrevVisible() const { return IsVisible() ? Related(TVGN_PREVIOUSVISIBLE) : nullptr; }

void TTreeNode::Delete() { Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(FItemId)); }

void TTreeNode::DeleteChildren() {
  while (TTreeNode* Child = getFirstChild()) Child->Delete();
  SetHasChildren(false);
}

TRect TTreeNode::DisplayRect(bool ATextOnly) const {
  // The item goes to the window in the rectangle itself, as the message's contract says.
  RECT Result;
  std::memcpy(static_cast<void*>(&Result), &FItemId, sizeof FItemId);
  if (!Send(TVM_GETITEMRECT, ATextOnly ? 1 : 0, reinterpret_cast<LPARAM>(&Result))) return {};
  return Result;
}

bool TTreeNode::EditText() { return Send(TVM_EDITLABEL, 0, reinterpret_cast<LPARAM>(FItemId)) != 0; }

void TTreeNode::EndEdit(bool ACancel) { Send(TVM_ENDEDITLABELNOW, ACancel ? 1 : 0, 0); }

void TTreeNode::CustomSort(const std::function<int(TTreeNode*, TTreeNode*)>& ACompare) {
  TVSORTCB Sort;
  Sort.hParent = FItemId;
  Sort.lpfnCompare = [](LPARAM A, LPARAM B, LPARAM ACompareFn) {
    const auto& Compare = *reinterpret_cast<const std::function<int(TTreeNode*, TTreeNode*)>*>(ACompareFn);
    return Compare(reinterpret_cast<TTreeNode*>(A), reinterpret_cast<TTreeNode*>(B));
  };
  Sort.lParam = reinterpret_cast<LPARAM>(&ACompare);
  Send(TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&Sort));
}

// ---------------------------------------------------------------- TTreeNodes

int TTreeNodes::Count() const {
  return FOwner->HandleAllocated() ? static_cast<int>(SendMessage(FOwner->Handle(), TVM_GETCOUNT, 0, 0)) : 0;
}

TTreeNode* TTreeNodes::Item(int AIndex) const {
  TTreeNode* Node = AIndex >= 0 ? GetFirstNode() : nullptr;
  for (int I = 0; Node && I < AIndex; ++I) Node = Node->GetNext();
  if (!Node) RaiseListIndexError(AIndex);
  return Node;
}

TTreeNode* TTreeNodes::GetFirstNode() const {
  if (!FOwner->HandleAllocated()) return nullptr;
  return GetNode(reinterpret_cast<HTREEITEM>(SendMessage(FOwner->Handle(), TVM_GETNEXTITEM, TVGN_ROOT, 0)));
}

TTreeNode* TTreeNodes::GetNode(HTREEITEM AItem) const {
  if (!AItem) return nullptr;
  TVITEM Item;
  Item.mask = TVIF_PARAM;
  Item.hItem = AItem;
  if (!SendMessage(FOwner->Handle(), TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&Item))) return nullptr;
  return reinterpret_cast<TTreeNode*>(Item.lParam);
}

TTreeNode* TTreeNodes::InsertNode(HTREEITEM AParent, HTREEITEM AAfter, const String& AText, void* AData) {
  HWND Window = FOwner->Handle();
  auto Owned = std::unique_ptr<TTreeNode>(new TTreeNode(this));
  TTreeNode* Node = Owned.get();
  Node->FText = AText;
  Node->Data = AData;
  FNodes.emplace(Node, std::move(Owned));
  TVINSERTSTRUCT Insert;
  Insert.hParent = AParent;
  Insert.hInsertAfter = AAfter;
  Insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  Insert.item.pszText = Node->FText.data();
  Insert.item.lParam = reinterpret_cast<LPARAM>(Node);
  // The pictures are asked for when drawn, so that GetImageIndex can set them late.
  Insert.item.iImage = I_IMAGECALLBACK;
  Insert.item.iSelectedImage = I_IMAGECALLBACK;
  Node->FItemId =
      reinterpret_cast<HTREEITEM>(SendMessage(Window, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&Insert)));
  if (!Node->FItemId) {
    FNodes.erase(Node);
    throw EOSError("Failed to create a tree node");
  }
  return Node;
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* ASibling, const String& AText, void* AData) {
  TTreeNode* Parent = ASibling ? ASibling->Parent() : nullptr;
  return InsertNode(Parent ? Parent->ItemId() : TVI_ROOT, TVI_LAST, AText, AData);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* ASibling, const String& AText) {
  TTreeNode* Parent = ASibling ? ASibling->Parent() : nullptr;
  return InsertNode(Parent ? Parent->ItemId() : TVI_ROOT, TVI_FIRST, AText, nullptr);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* AParent, const String& AText, void* AData) {
  return InsertNode(AParent ? AParent->ItemId() : TVI_ROOT, TVI_LAST, AText, AData);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* AParent, const String& AText) {
  return InsertNode(AParent ? AParent->ItemId() : TVI_ROOT, TVI_FIRST, AText, nullptr);
}

TTreeNode* TTreeNodes::InsertObject(TTreeNode* ASibling, const String& AText, void* AData) {
  if (!ASibling) return AddObject(nullptr, AText, AData);
  TTreeNode* Parent = ASibling->Parent();
  TTreeNode* Before = ASibling->getPrevSibling();
  return InsertNode(Parent ? Parent->ItemId() : TVI_ROOT, Before ? Before->ItemId() : TVI_FIRST, AText,
                    AData);
}

void TTreeNodes::Clear() {
  if (FOwner->HandleAllocated())
    SendMessage(FOwner->Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

void TTreeNodes::BeginUpdate() {
  if (FUpdateCount++ == 0 && FOwner->HandleAllocated()) SendMessage(FOwner->Handle(), WM_SETREDRAW, 0, 0);
}

void TTreeNodes::EndUpdate() {
  if (FUpdateCount == 0 || --FUpdateCount != 0 || !FOwner->HandleAllocated()) return;
  SendMessage(FOwner->Handle(), WM_SETREDRAW, 1, 0);
  FOwner->Invalidate();
}
