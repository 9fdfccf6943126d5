// The tree-view window: its class, the routing of its messages, and the messages that
// read and change items.

#include <cstring>
#include <unordered_map>

#include "platform/ui/ControlClasses.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/native/TreeViewWindowInternal.h"
#include "platform/win/Cursors.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/Painting.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowClasses.h"
#include "platform/win/WindowProcedures.h"
#include "platform/win/WindowTree.h"

namespace {

// The state of every tree-view window, made with the window and freed with it.
std::unordered_map<HWND, std::unique_ptr<TTreeViewWindow>> TreeViews;

LRESULT TreeViewProc(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  if (AMsg == WM_NCCREATE) TreeViews[AWindow] = std::make_unique<TTreeViewWindow>(AWindow);
  auto It = TreeViews.find(AWindow);
  if (It == TreeViews.end()) return DefWindowProc(AWindow, AMsg, AWParam, ALParam);
  if (AMsg == WM_NCDESTROY) {
    // The state goes after the message, so that nothing it started runs on.
    std::unique_ptr<TTreeViewWindow> Gone = std::move(It->second);
    TreeViews.erase(It);
    return DefWindowProc(AWindow, AMsg, AWParam, ALParam);
  }
  return It->second->WindowProc(AMsg, AWParam, ALParam);
}

}  // namespace

const char* RegisterTreeViewClass() {
  RegisterControlClass(WC_TREEVIEW, &TreeViewProc, IDC_ARROW);
  return WC_TREEVIEW;
}

TTreeViewWindow* TTreeViewWindow::Of(HWND AWindow) {
  auto It = TreeViews.find(AWindow);
  return It == TreeViews.end() ? nullptr : It->second.get();
}

LRESULT TTreeViewWindow::WindowProc(UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  // clang-format off
  switch (AMsg) {
    case WM_NCCALCSIZE: return WMNCCalcSize(AWParam, ALParam);
    case WM_DESTROY: return WMDestroy();
    case WM_SETFONT: return WMSetFont(reinterpret_cast<HFONT>(AWParam), ALParam != 0);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(FFont);
    case WM_SIZE: Changed(); return 0;
    case WM_STYLECHANGED: Changed(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: return WMPaint(reinterpret_cast<HDC>(AWParam));
    case WM_SETFOCUS: return WMFocus(true);
    case WM_KILLFOCUS: return WMFocus(false);
    case WM_GETDLGCODE: return WMGetDlgCode();
    case WM_LBUTTONDOWN: return WMLButtonDown(ALParam);
    case WM_LBUTTONDBLCLK: return WMLButtonDblClk(ALParam);
    case WM_RBUTTONDOWN: return WMRButtonDown(ALParam);
    case WM_KEYDOWN: return WMKeyDown(AWParam);
    case WM_MOUSEWHEEL: return WMMouseWheel(AWParam);
    case WM_VSCROLL: return WMScroll(true, AWParam);
    case WM_HSCROLL: return WMScroll(false, AWParam);
    case WM_TIMER: return WMTimer(AWParam);
    case TVM_INSERTITEM: return TVMInsertItem(reinterpret_cast<const TVINSERTSTRUCT*>(ALParam));
    case TVM_DELETEITEM: return TVMDeleteItem(reinterpret_cast<HTREEITEM>(ALParam));
    case TVM_EXPAND: return Expand(reinterpret_cast<HTREEITEM>(ALParam), AWParam);
    case TVM_GETITEMRECT: return TVMGetItemRect(AWParam, reinterpret_cast<RECT*>(ALParam));
    case TVM_GETCOUNT: return FModel.Count();
    case TVM_SETINDENT: return TVMSetIndent(static_cast<int>(AWParam));
    case TVM_GETIMAGELIST: return reinterpret_cast<LRESULT>(AWParam == TVSIL_STATE ? FStateImages : FImages);
    case TVM_SETIMAGELIST: return TVMSetImageList(AWParam, reinterpret_cast<HIMAGELIST>(ALParam));
    case TVM_GETNEXTITEM: return TVMGetNextItem(AWParam, reinterpret_cast<HTREEITEM>(ALParam));
    case TVM_SELECTITEM: return TVMSelectItem(AWParam, reinterpret_cast<HTREEITEM>(ALParam));
    case TVM_GETITEM: return TVMGetItem(reinterpret_cast<TVITEM*>(ALParam));
    case TVM_SETITEM: return TVMSetItem(reinterpret_cast<const TVITEM*>(ALParam));
    case TVM_EDITLABEL: return TVMEditLabel(reinterpret_cast<HTREEITEM>(ALParam));
    case TVM_GETEDITCONTROL: return reinterpret_cast<LRESULT>(FEdit);
    case TVM_ENDEDITLABELNOW: return EndEdit(AWParam != 0);
    case TVM_GETVISIBLECOUNT: return FullyVisibleRows();
    case TVM_HITTEST: return TVMHitTest(reinterpret_cast<TVHITTESTINFO*>(ALParam));
    case TVM_ENSUREVISIBLE: EnsureVisible(reinterpret_cast<HTREEITEM>(ALParam)); return 0;
    case TVM_SORTCHILDRENCB: return TVMSortChildrenCB(reinterpret_cast<const TVSORTCB*>(ALParam));
    case TVM_GETITEMHEIGHT: return ItemHeight();
    case TVM_SETBKCOLOR: return TVMSetColor(FBackColor, static_cast<COLORREF>(ALParam));
    case TVM_SETTEXTCOLOR: return TVMSetColor(FTextColor, static_cast<COLORREF>(ALParam));
    default: return DefWindowProc(FWindow, AMsg, AWParam, ALParam);
  }
  // clang-format on
}

// The bars keep their state but take no room: nothing draws them.
LRESULT TTreeViewWindow::WMNCCalcSize(WPARAM AWParam, LPARAM ALParam) {
  const LRESULT Result = DefWindowProc(FWindow, WM_NCCALCSIZE, AWParam, ALParam);
  RECT& Client =
      AWParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(ALParam)->rgrc[0] : *reinterpret_cast<RECT*>(ALParam);
  if (Style() & WS_VSCROLL) Client.Right += GetSystemMetrics(SM_CXVSCROLL);
  if (Style() & WS_HSCROLL) Client.Bottom += GetSystemMetrics(SM_CYHSCROLL);
  return Result;
}

LRESULT TTreeViewWindow::TVMHitTest(TVHITTESTINFO* AInfo) {
  AInfo->hItem = HitTest(AInfo->pt, AInfo->flags);
  return reinterpret_cast<LRESULT>(AInfo->hItem);
}

DWORD TTreeViewWindow::Style() const { return static_cast<DWORD>(GetWindowLong(FWindow, GWL_STYLE)); }

// ---------------------------------------------------------------- items

LRESULT TTreeViewWindow::TVMInsertItem(const TVINSERTSTRUCT* AInsert) {
  TTreeViewItem* Parent = AInsert->hParent == TVI_ROOT ? nullptr : AInsert->hParent;
  if (Parent && !FModel.Contains(Parent)) return 0;
  // The model takes nullptr for the first place and anything but a sibling for the last.
  HTREEITEM After = AInsert->hInsertAfter ? AInsert->hInsertAfter : TVI_LAST;
  TTreeViewItem* Item = FModel.Insert(Parent, After == TVI_FIRST ? nullptr : After);
  SetFields(Item, AInsert->item);
  Changed();
  return reinterpret_cast<LRESULT>(Item);
}

LRESULT TTreeViewWindow::TVMDeleteItem(HTREEITEM AItem) {
  if (AItem != TVI_ROOT && (!AItem || !FModel.Contains(AItem))) return 0;
  if (FEdit) EndEdit(true);
  auto Notice = [this](TTreeViewItem* AGone) {
    if (AGone == FSelected) FSelected = nullptr;
    if (AGone == FEditPending) FEditPending = nullptr;
    NMTREEVIEW Record;
    DescribeItem(AGone, Record.itemOld);
    Notify(Record.hdr, TVN_DELETEITEM);
  };
  if (AItem == TVI_ROOT) {
    while (FModel.FirstRoot()) FModel.Delete(FModel.FirstRoot(), Notice);
    Changed();
    return 1;
  }
  // A selection inside the deleted branch moves to the item that takes its place.
  TTreeViewItem* Successor = nullptr;
  for (TTreeViewItem* Up = FSelected; Up && !Successor; Up = Up->Parent)
    if (Up == AItem) Successor = AItem->Next ? AItem->Next : AItem->Prev ? AItem->Prev : AItem->Parent;
  FModel.Delete(AItem, Notice);
  Changed();
  if (Successor && FModel.Contains(Successor)) Select(Successor, TVC_UNKNOWN);
  return 1;
}

LRESULT TTreeViewWindow::WMDestroy() {
  TVMDeleteItem(TVI_ROOT);
  return 0;
}

void TTreeViewWindow::DescribeItem(const TTreeViewItem* AItem, TVITEM& AOut) const {
  AOut.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
  AOut.hItem = const_cast<TTreeViewItem*>(AItem);
  AOut.state = AItem ? AItem->State : 0;
  AOut.lParam = AItem ? AItem->Param : 0;
}

LRESULT TTreeViewWindow::TVMGetItem(TVITEM* AItem) {
  TTreeViewItem* Item = AItem->hItem;
  if (!FModel.Contains(Item)) return 0;
  if (AItem->mask & TVIF_TEXT && AItem->pszText && AItem->cchTextMax > 0) {
    const size_t Length = std::min(Item->Text.size(), static_cast<size_t>(AItem->cchTextMax - 1));
    std::memcpy(AItem->pszText, Item->Text.data(), Length);
    AItem->pszText[Length] = '\0';
  }
  if (AItem->mask & TVIF_IMAGE) AItem->iImage = Item->Image;
  if (AItem->mask & TVIF_SELECTEDIMAGE) AItem->iSelectedImage = Item->SelectedImage;
  if (AItem->mask & TVIF_PARAM) AItem->lParam = Item->Param;
  if (AItem->mask & TVIF_STATE) AItem->state = Item->State & AItem->stateMask;
  if (AItem->mask & TVIF_CHILDREN) AItem->cChildren = Item->HasButton() ? 1 : 0;
  return 1;
}

LRESULT TTreeViewWindow::TVMSetItem(const TVITEM* AItem) {
  if (!FModel.Contains(AItem->hItem)) return 0;
  SetFields(AItem->hItem, *AItem);
  Changed();
  return 1;
}

void TTreeViewWindow::SetFields(TTreeViewItem* AItem, const TVITEM& AFields) {
  if (AFields.mask & TVIF_TEXT) {
    AItem->Text = AFields.pszText ? AFields.pszText : "";
    AItem->TextWidth = -1;
  }
  if (AFields.mask & TVIF_IMAGE) AItem->Image = AFields.iImage;
  if (AFields.mask & TVIF_SELECTEDIMAGE) AItem->SelectedImage = AFields.iSelectedImage;
  if (AFields.mask & TVIF_PARAM) AItem->Param = AFields.lParam;
  if (AFields.mask & TVIF_CHILDREN) {
    AItem->ChildrenGiven = true;
    AItem->ChildrenFlag = AFields.cChildren != 0;
  }
  if (AFields.mask & TVIF_STATE) {
    const UINT Settable = AFields.stateMask & ~(TVIS_SELECTED | TVIS_EXPANDED | TVIS_FOCUSED);
    AItem->State = (AItem->State & ~Settable) | (AFields.state & Settable);
  }
}

LRESULT TTreeViewWindow::TVMGetNextItem(WPARAM ACode, HTREEITEM AItem) {
  const bool Valid = FModel.Contains(AItem);
  const std::vector<TTreeViewItem*>& Rows = FModel.Rows();
  TTreeViewItem* Result = nullptr;
  switch (ACode) {
    case TVGN_ROOT:
      Result = FModel.FirstRoot();
      break;
    case TVGN_CARET:
      Result = FSelected;
      break;
    case TVGN_FIRSTVISIBLE:
      Result = FTopRow < static_cast<int>(Rows.size()) ? Rows[FTopRow] : nullptr;
      break;
    case TVGN_LASTVISIBLE:
      Result = Rows.empty() ? nullptr : Rows.back();
      break;
    case TVGN_NEXT:
      Result = Valid ? AItem->Next : nullptr;
      break;
    case TVGN_PREVIOUS:
      Result = Valid ? AItem->Prev : nullptr;
      break;
    case TVGN_PARENT:
      Result = Valid ? AItem->Parent : nullptr;
      break;
    case TVGN_CHILD:
      Result = AItem == TVI_ROOT || !AItem ? FModel.FirstRoot() : Valid ? AItem->FirstChild : nullptr;
      break;
    case TVGN_NEXTVISIBLE:
    case TVGN_PREVIOUSVISIBLE: {
      const int Row = Valid ? FModel.RowOf(AItem) : -1;
      const int Wanted = ACode == TVGN_NEXTVISIBLE ? Row + 1 : Row - 1;
      if (Row >= 0 && Wanted >= 0 && Wanted < static_cast<int>(Rows.size())) Result = Rows[Wanted];
      break;
    }
    default:
      break;
  }
  return reinterpret_cast<LRESULT>(Result);
}

LRESULT TTreeViewWindow::TVMSelectItem(WPARAM ACode, HTREEITEM AItem) {
  if (ACode == TVGN_CARET) return Select(AItem, TVC_UNKNOWN);
  if (ACode != TVGN_FIRSTVISIBLE || !FModel.Contains(AItem)) return 0;
  EnsureVisible(AItem);
  ScrollToRow(FModel.RowOf(AItem));
  return 1;
}

LRESULT TTreeViewWindow::TVMGetItemRect(WPARAM ATextOnly, RECT* ARect) {
  // The item comes in the rectangle itself, as the message's contract says.
  HTREEITEM Item;
  std::memcpy(&Item, ARect, sizeof Item);
  if (!FModel.Contains(Item) || FModel.RowOf(Item) < 0) return 0;
  *ARect = ATextOnly ? TextRect(Item) : RowRect(Item);
  return 1;
}

LRESULT TTreeViewWindow::TVMSetImageList(WPARAM AKind, HIMAGELIST AList) {
  HIMAGELIST& Field = AKind == TVSIL_STATE ? FStateImages : FImages;
  HIMAGELIST Old = Field;
  Field = AList;
  FItemHeight = 0;
  Changed();
  return reinterpret_cast<LRESULT>(Old);
}

LRESULT TTreeViewWindow::TVMSortChildrenCB(const TVSORTCB* ASort) {
  TTreeViewItem* Parent = ASort->hParent == TVI_ROOT ? nullptr : ASort->hParent;
  if ((Parent && !FModel.Contains(Parent)) || !ASort->lpfnCompare) return 0;
  FModel.SortChildren(Parent, [ASort](const TTreeViewItem* A, const TTreeViewItem* B) {
    return ASort->lpfnCompare(A->Param, B->Param, ASort->lParam) < 0;
  });
  Changed();
  return 1;
}

LRESULT TTreeViewWindow::TVMSetIndent(int AIndent) {
  FIndent = std::max(AIndent, 0);
  Changed();
  return 0;
}

LRESULT TTreeViewWindow::TVMSetColor(COLORREF& AField, COLORREF AColor) {
  const COLORREF Old = AField;
  AField = AColor;
  InvalidateRect(FWindow, nullptr, true);
  return static_cast<LRESULT>(Old);
}

LRESULT TTreeViewWindow::WMSetFont(HFONT AFont, bool ARedraw) {
  FFont = AFont;
  FItemHeight = 0;
  FModel.ForgetTextWidths();
  UpdateScrollState();
  if (ARedraw) InvalidateRect(FWindow, nullptr, true);
  return 0;
}

LRESULT TTreeViewWindow::WMGetDlgCode() { return DLGC_WANTARROWS | DLGC_WANTCHARS; }

LRESULT TTreeViewWindow::WMFocus(bool AFocused) {
  FFocused = AFocused;
  InvalidateRect(FWindow, nullptr, true);
  return 0;
}

// ---------------------------------------------------------------- state changes

LRESULT TTreeViewWindow::Notify(NMHDR& AHeader, UINT ACode) {
  AHeader.hwndFrom = FWindow;
  AHeader.idFrom = static_cast<UINT_PTR>(GetWindowLong(FWindow, GWL_ID));
  AHeader.code = ACode;
  return SendMessage(GetParent(FWindow), WM_NOTIFY, AHeader.idFrom, reinterpret_cast<LPARAM>(&AHeader));
}

bool TTreeViewWindow::Expand(TTreeViewItem* AItem, WPARAM AAction) {
  if (!FModel.Contains(AItem)) return false;
  const bool Opening =
      (AAction & TVE_TOGGLE) == TVE_TOGGLE ? !AItem->IsExpanded() : (AAction & TVE_EXPAND) != 0;
  if (Opening == AItem->IsExpanded() || (Opening && !AItem->HasButton())) return false;
  NMTREEVIEW Record;
  Record.action = Opening ? TVE_EXPAND : TVE_COLLAPSE;
  DescribeItem(AItem, Record.itemNew);
  if (Notify(Record.hdr, TVN_ITEMEXPANDING) != 0 || !FModel.Contains(AItem)) return false;
  if (Opening)
    AItem->State |= TVIS_EXPANDED | TVIS_EXPANDEDONCE;
  else
    AItem->State &= ~TVIS_EXPANDED;
  FModel.RowsChanged();
  // A selection inside a closed branch moves to the branch.
  if (!Opening && FSelected && FModel.RowOf(FSelected) < 0) Select(AItem, TVC_UNKNOWN);
  Changed();
  DescribeItem(AItem, Record.itemNew);
  Notify(Record.hdr, TVN_ITEMEXPANDED);
  return true;
}

bool TTreeViewWindow::Select(TTreeViewItem* AItem, UINT ACause) {
  if (AItem && !FModel.Contains(AItem)) return false;
  if (AItem == FSelected) return true;
  NMTREEVIEW Record;
  Record.action = ACause;
  DescribeItem(FSelected, Record.itemOld);
  DescribeItem(AItem, Record.itemNew);
  if (Notify(Record.hdr, TVN_SELCHANGING) != 0) return false;
  if (AItem && !FModel.Contains(AItem)) return false;
  if (FSelected) FSelected->State &= ~(TVIS_SELECTED | TVIS_FOCUSED);
  TTreeViewItem* Old = FSelected;
  FSelected = AItem;
  if (AItem) {
    AItem->State |= TVIS_SELECTED | TVIS_FOCUSED;
    EnsureVisible(AItem);
  }
  InvalidateRect(FWindow, nullptr, true);
  DescribeItem(Old, Record.itemOld);
  DescribeItem(AItem, Record.itemNew);
  Notify(Record.hdr, TVN_SELCHANGED);
  return true;
}

void TTreeViewWindow::EnsureVisible(TTreeViewItem* AItem) {
  if (!FModel.Contains(AItem)) return;
  for (TTreeViewItem* Up = AItem->Parent; Up; Up = Up->Parent)
    if (!Up->IsExpanded()) Expand(Up, TVE_EXPAND);
  const int Row = FModel.RowOf(AItem);
  if (Row < 0) return;
  if (Row < FTopRow)
    ScrollToRow(Row);
  else if (Row >= FTopRow + std::max(FullyVisibleRows(), 1))
    ScrollToRow(Row - std::max(FullyVisibleRows(), 1) + 1);
}

int TTreeViewWindow::ImageOf(TTreeViewItem* AItem, bool ASelected) {
  const int Index = ASelected ? AItem->SelectedImage : AItem->Image;
  if (Index != I_IMAGECALLBACK) return Index;
  NMTVDISPINFO Record;
  Record.item.mask = ASelected ? TVIF_SELECTEDIMAGE : TVIF_IMAGE;
  Record.item.hItem = AItem;
  Record.item.state = AItem->State;
  Record.item.lParam = AItem->Param;
  Notify(Record.hdr, TVN_GETDISPINFO);
  return ASelected ? Record.item.iSelectedImage : Record.item.iImage;
}
