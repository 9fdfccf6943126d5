// TCustomTreeView: the tree-view window's properties, and the notifications it
// reflects, turned into the tree's virtual steps and events.

#include "platform/ui/native/TreeView.h"

#include "platform/gdi/DcScopes.h"
#include "platform/ui/native/TreeViewWindowInternal.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowTree.h"

TCustomTreeView::TCustomTreeView(TComponent* AOwner)
    : TWinControl(AOwner),
      FItems(std::make_unique<TTreeNodes>(this)),
      FCanvas(std::make_unique<TControlCanvas>(this)) {
  ControlStyle.Include(csCaptureMouse);
  ControlStyle.Include(csClickEvents);
  ControlStyle.Include(csDoubleClicks);
  SetBounds(0, 0, 121, 97);
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
}

// The window goes while the tree is still whole, so that every node's deletion is
// seen (the nodes left afterwards are freed with the collection).
TCustomTreeView::~TCustomTreeView() {
  if (HandleAllocated()) DestroyHandle();
}

void TCustomTreeView::CreateParams(TCreateParams& AParams) {
  TWinControl::CreateParams(AParams);
  CreateSubClass(AParams, RegisterTreeViewClass());
  AParams.Style |= StyleBits() | WS_HSCROLL | WS_VSCROLL;
}

DWORD TCustomTreeView::StyleBits() const {
  DWORD Bits = 0;
  if (FShowButtons) Bits |= TVS_HASBUTTONS;
  if (FShowLines) Bits |= TVS_HASLINES;
  if (FShowRoot) Bits |= TVS_LINESATROOT;
  if (!FReadOnly) Bits |= TVS_EDITLABELS;
  if (!FHideSelection) Bits |= TVS_SHOWSELALWAYS;
  return Bits;
}

void TCustomTreeView::CreateWnd() {
  TWinControl::CreateWnd();
  HWND Window = Handle();
  SendMessage(Window, TVM_SETINDENT, static_cast<WPARAM>(FIndent), 0);
  SendMessage(Window, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
  SendMessage(Window, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font().Color())));
  SendImageList(TVSIL_NORMAL, FImages);
  SendImageList(TVSIL_STATE, FStateImages);
}

void TCustomTreeView::DestroyWnd() {
  FItems->Clear();
  TWinControl::DestroyWnd();
}

void TCustomTreeView::Dispatch(TMessage& AMessage) {
  // clang-format off
  switch (AMessage.Msg) {
    case CN_NOTIFY: CNNotify(AMessage); break;
    case WM_RBUTTONDOWN: WMRButtonDown(AMessage); break;
    case CM_COLORCHANGED: CMColorChanged(AMessage); break;
    case CM_FONTCHANGED: CMFontChanged(AMessage); break;
    default: TWinControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

void TCustomTreeView::Notification(TComponent* AComponent, TOperation AOperation) {
  TWinControl::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  if (AComponent == FImages) SetImages(nullptr);
  if (AComponent == FStateImages) SetStateImages(nullptr);
}

// ---------------------------------------------------------------- properties

TTreeNode* TCustomTreeView::Selected() {
  if (!HandleAllocated()) return nullptr;
  return FItems->GetNode(reinterpret_cast<HTREEITEM>(SendMessage(Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0)));
}

void TCustomTreeView::SetSelected(TTreeNode* AValue) {
  if (AValue)
    AValue->SetSelected(true);
  else if (HandleAllocated())
    SendMessage(Handle(), TVM_SELECTITEM, TVGN_CARET, 0);
}

TTreeNode* TCustomTreeView::TopItem() {
  if (!HandleAllocated()) return nullptr;
  return FItems->GetNode(
      reinterpret_cast<HTREEITEM>(SendMessage(Handle(), TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0)));
}

void TCustomTreeView::SetTopItem(TTreeNode* AValue) {
  if (AValue)
    SendMessage(Handle(), TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(AValue->ItemId()));
}

TTreeNode* TCustomTreeView::GetNodeAt(int AX, int AY) {
  TVHITTESTINFO Info;
  Info.pt = {AX, AY};
  SendMessage(Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&Info));
  return (Info.flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON | TVHT_ONITEMINDENT | TVHT_ONITEMRIGHT))
             ? FItems->GetNode(Info.hItem)
             : nullptr;
}

void TCustomTreeView::FullExpand() {
  for (TTreeNode* Node = FItems->GetFirstNode(); Node; Node = Node->getNextSibling()) Node->Expand(true);
}

void TCustomTreeView::FullCollapse() {
  for (TTreeNode* Node = FItems->GetFirstNode(); Node; Node = Node->getNextSibling()) Node->Collapse(true);
}

bool TCustomTreeView::IsEditing() {
  return HandleAllocated() && SendMessage(Handle(), TVM_GETEDITCONTROL, 0, 0) != 0;
}

void TCustomTreeView::SetIndent(int AValue) {
  if (FIndent == AValue) return;
  FIndent = AValue;
  if (HandleAllocated()) SendMessage(Handle(), TVM_SETINDENT, static_cast<WPARAM>(AValue), 0);
}

void TCustomTreeView::SetStyleBit(DWORD ABit, bool AOn) {
  if (!HandleAllocated()) return;
  const LONG_PTR Style = GetWindowLong(Handle(), GWL_STYLE);
  SetWindowLong(Handle(), GWL_STYLE, AOn ? (Style | ABit) : (Style & ~static_cast<LONG_PTR>(ABit)));
}

void TCustomTreeView::SetShowRoot(bool AValue) {
  if (FShowRoot == AValue) return;
  FShowRoot = AValue;
  SetStyleBit(TVS_LINESATROOT, AValue);
}

void TCustomTreeView::SetShowLines(bool AValue) {
  if (FShowLines == AValue) return;
  FShowLines = AValue;
  SetStyleBit(TVS_HASLINES, AValue);
}

void TCustomTreeView::SetShowButtons(bool AValue) {
  if (FShowButtons == AValue) return;
  FShowButtons = AValue;
  SetStyleBit(TVS_HASBUTTONS, AValue);
}

void TCustomTreeView::SetReadOnly(bool AValue) {
  if (FReadOnly == AValue) return;
  FReadOnly = AValue;
  SetStyleBit(TVS_EDITLABELS, !AValue);
}

void TCustomTreeView::SetHideSelection(bool AValue) {
  if (FHideSelection == AValue) return;
  FHideSelection = AValue;
  SetStyleBit(TVS_SHOWSELALWAYS, !AValue);
}

void TCustomTreeView::SendImageList(WPARAM AKind, TCustomImageList* AList) {
  if (HandleAllocated()) SendMessage(Handle(), TVM_SETIMAGELIST, AKind, reinterpret_cast<LPARAM>(AList));
}

void TCustomTreeView::SetImages(TCustomImageList* AValue) {
  if (FImages == AValue) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = AValue;
  if (FImages) FImages->FreeNotification(this);
  SendImageList(TVSIL_NORMAL, AValue);
}

void TCustomTreeView::SetStateImages(TCustomImageList* AValue) {
  if (FStateImages == AValue) return;
  if (FStateImages) FStateImages->RemoveFreeNotification(this);
  FStateImages = AValue;
  if (FStateImages) FStateImages->FreeNotification(this);
  SendImageList(TVSIL_STATE, AValue);
}

void TCustomTreeView::CMColorChanged(TMessage& AMessage) {
  TWinControl::Dispatch(AMessage);
  if (HandleAllocated()) SendMessage(Handle(), TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
}

void TCustomTreeView::CMFontChanged(TMessage& AMessage) {
  TWinControl::Dispatch(AMessage);
  if (HandleAllocated())
    SendMessage(Handle(), TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font().Color())));
}

// The node under the pointer is selected before the press goes on to the context
// menu, so that the menu acts on it.
void TCustomTreeView::WMRButtonDown(TMessage& AMessage) {
  if (RightClickSelect) {
    const POINT At = LParamToPoint(AMessage.LParam);
    if (TTreeNode* Node = GetNodeAt(At.X, At.Y)) Node->SetSelected(true);
  }
  TWinControl::Dispatch(AMessage);
}

// ---------------------------------------------------------------- virtual steps

bool TCustomTreeView::CanChange(TTreeNode* ANode) {
  bool Allow = true;
  if (OnChanging) OnChanging(this, ANode, Allow);
  return Allow;
}

void TCustomTreeView::Change(TTreeNode* ANode) {
  if (OnChange) OnChange(this, ANode);
}

bool TCustomTreeView::CanExpand(TTreeNode* ANode) {
  bool Allow = true;
  if (OnExpanding) OnExpanding(this, ANode, Allow);
  return Allow;
}

void TCustomTreeView::Expand(TTreeNode* ANode) {
  if (OnExpanded) OnExpanded(this, ANode);
}

bool TCustomTreeView::CanCollapse(TTreeNode* ANode) {
  bool Allow = true;
  if (OnCollapsing) OnCollapsing(this, ANode, Allow);
  return Allow;
}

void TCustomTreeView::Collapse(TTreeNode* ANode) {
  if (OnCollapsed) OnCollapsed(this, ANode);
}

void TCustomTreeView::Delete(TTreeNode* ANode) {
  if (OnDeletion) OnDeletion(this, ANode);
}

bool TCustomTreeView::CanEdit(TTreeNode* ANode) {
  bool Allow = true;
  if (OnEditing) OnEditing(this, ANode, Allow);
  return Allow;
}

void TCustomTreeView::Edit(const TVITEM& AItem) {
  TTreeNode* Node = NodeOf(AItem);
  if (!AItem.pszText || !Node) return;
  String Text = AItem.pszText;
  if (OnEdited) OnEdited(this, Node, Text);
  Node->SetText(Text);
}

void TCustomTreeView::GetImageIndex(TTreeNode* ANode) {
  if (OnGetImageIndex) OnGetImageIndex(this, ANode);
}

void TCustomTreeView::GetSelectedIndex(TTreeNode* ANode) {
  if (OnGetSelectedIndex) OnGetSelectedIndex(this, ANode);
}

bool TCustomTreeView::CustomDrawItem(TTreeNode* ANode, TCustomDrawState AState, TCustomDrawStage AStage,
                                     bool& APaintImages) {
  bool DefaultDraw = true;
  if (OnAdvancedCustomDrawItem)
    OnAdvancedCustomDrawItem(this, ANode, AState, AStage, APaintImages, DefaultDraw);
  return DefaultDraw;
}

// ---------------------------------------------------------------- notifications

void TCustomTreeView::CNNotify(TMessage& AMessage) {
  auto* Header = reinterpret_cast<NMHDR*>(AMessage.LParam);
  auto* Tree = reinterpret_cast<NMTREEVIEW*>(AMessage.LParam);
  auto* Info = reinterpret_cast<NMTVDISPINFO*>(AMessage.LParam);
  // clang-format off
  switch (Header->code) {
    case TVN_SELCHANGING: AMessage.Result = NotifySelection(*Tree, true); break;
    case TVN_SELCHANGED: NotifySelection(*Tree, false); break;
    case TVN_ITEMEXPANDING: AMessage.Result = NotifyExpansion(*Tree, true); break;
    case TVN_ITEMEXPANDED: NotifyExpansion(*Tree, false); break;
    case TVN_DELETEITEM: NotifyDeletion(*Tree); break;
    case TVN_GETDISPINFO: NotifyDispInfo(*Info); break;
    case TVN_BEGINLABELEDIT: AMessage.Result = !CanEdit(NodeOf(Info->item)); break;
    case TVN_ENDLABELEDIT: Edit(Info->item); break;
    case NM_CUSTOMDRAW: AMessage.Result = NotifyCustomDraw(*reinterpret_cast<NMTVCUSTOMDRAW*>(AMessage.LParam)); break;
    default: TWinControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

LRESULT TCustomTreeView::NotifySelection(const NMTREEVIEW& ARecord, bool AChanging) {
  TTreeNode* Node = NodeOf(ARecord.itemNew);
  if (AChanging) return !CanChange(Node);
  Change(Node);
  return 0;
}

LRESULT TCustomTreeView::NotifyExpansion(const NMTREEVIEW& ARecord, bool AExpanding) {
  TTreeNode* Node = NodeOf(ARecord.itemNew);
  const bool Opening = ARecord.action == TVE_EXPAND;
  if (AExpanding) return Opening ? !CanExpand(Node) : !CanCollapse(Node);
  if (Opening)
    Expand(Node);
  else
    Collapse(Node);
  return 0;
}

void TCustomTreeView::NotifyDeletion(const NMTREEVIEW& ARecord) {
  TTreeNode* Node = NodeOf(ARecord.itemOld);
  if (!Node) return;
  Node->FDeleting = true;
  Delete(Node);
  FItems->Forget(Node);
}

void TCustomTreeView::NotifyDispInfo(NMTVDISPINFO& ARecord) {
  TTreeNode* Node = NodeOf(ARecord.item);
  if (!Node) return;
  if (ARecord.item.mask & TVIF_IMAGE) {
    GetImageIndex(Node);
    ARecord.item.iImage = Node->ImageIndex();
  }
  if (ARecord.item.mask & TVIF_SELECTEDIMAGE) {
    GetSelectedIndex(Node);
    ARecord.item.iSelectedImage = Node->SelectedIndex();
  }
}

// Items are announced only when someone draws them. At an item, the canvas is the
// paint's device context with the tree's font and brush; colours the handler gives
// them become the item's text colours when the tree draws it.
LRESULT TCustomTreeView::NotifyCustomDraw(NMTVCUSTOMDRAW& ARecord) {
  const DWORD Stage = ARecord.nmcd.dwDrawStage;
  if (!OnAdvancedCustomDrawItem) return CDRF_DODEFAULT;
  if (Stage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (Stage != CDDS_ITEMPREPAINT && Stage != CDDS_ITEMPOSTPAINT) return CDRF_DODEFAULT;
  TCustomDrawState State;
  if (ARecord.nmcd.uItemState & CDIS_SELECTED) State.Include(cdsSelected);
  if (ARecord.nmcd.uItemState & CDIS_FOCUS) State.Include(cdsFocused);
  TTreeNode* Node = FItems->GetNode(reinterpret_cast<HTREEITEM>(ARecord.nmcd.dwItemSpec));
  TCanvasHandleScope Scope(*FCanvas, ARecord.nmcd.hdc);
  FCanvas->Font().Assign(Font());
  FCanvas->Font().SetColor(static_cast<TColor>(ARecord.clrText));
  FCanvas->Brush().SetColor(static_cast<TColor>(ARecord.clrTextBk));
  bool PaintImages = true;
  const bool DefaultDraw =
      CustomDrawItem(Node, State, Stage == CDDS_ITEMPREPAINT ? cdPrePaint : cdPostPaint, PaintImages);
  ARecord.clrText = ColorToRGB(FCanvas->Font().Color());
  ARecord.clrTextBk = ColorToRGB(FCanvas->Brush().Color());
  if (Stage == CDDS_ITEMPOSTPAINT) return CDRF_DODEFAULT;
  return DefaultDraw ? CDRF_NOTIFYPOSTPAINT : CDRF_SKIPDEFAULT | CDRF_NOTIFYPOSTPAINT;
}
