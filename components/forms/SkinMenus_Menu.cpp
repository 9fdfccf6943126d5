// The popup chain of a form: opening a menu, its levels, the sub-menu wait, running a
// command and the messages that tell the form and the calling control.

#include <algorithm>

#include "components/core/spEffBmp.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Screen.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"

namespace {

constexpr UINT SubMenuWaitMs = 500;

// Windowed controls hear the chain's messages through their window, the others
// directly.
void TellMenuControl(TControl* AControl, UINT AMsg) {
  if (!AControl) return;
  auto* Windowed = dynamic_cast<TWinControl*>(AControl);
  if (Windowed && Windowed->HandleAllocated())
    SendMessage(Windowed->Handle(), AMsg, 0, 0);
  else
    AControl->Perform(AMsg, 0, 0);
}

// An item's command goes through its menu, so the menu's own dispatch runs; an item of
// no menu is clicked directly.
void RunMenuItemCommand(TMenuItem* AItem) {
  TMenu* Menu = AItem->GetParentMenu();
  if (!Menu || !Menu->DispatchCommand(AItem->Command())) AItem->Click();
}

}  // namespace

TspSkinMenu::TspSkinMenu(TComponent* AOwner, TCustomForm* AForm)
    : TComponent(AOwner),
      WaitTimer(NewDisabledTimer(this, SubMenuWaitMs, [this] { DoWaitTimer(); })),
      FForm(AForm) {
  FDefaultMenuItemFont.SetName("Arial");
  FDefaultMenuItemFont.SetHeight(14);
}

TspSkinMenu::~TspSkinMenu() {
  // A destructor runs no user event (one that throws would end the program): the
  // windows close and the opening control hears it, the close event does not run.
  FOnMenuClose = nullptr;
  CloseLevels(0);
}

void TspSkinMenu::Notification(TComponent* AComponent, TOperation AOperation) {
  TComponent::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  if (AComponent == FPopupCtrl) FPopupCtrl = nullptr;
  if (AComponent == FDoneCtrl) FDoneCtrl = nullptr;
  std::erase(FPopupList, AComponent);
  // The open windows read the skin's records: they close with it.
  if (AComponent == SkinData) {
    SkinData = nullptr;
    if (FVisible) Hide();
  }
}

void TspSkinMenu::SetPopupCtrl(TControl* AValue) {
  if (FPopupCtrl && FPopupCtrl != FDoneCtrl) FPopupCtrl->RemoveFreeNotification(this);
  FPopupCtrl = AValue;
  if (FPopupCtrl) FPopupCtrl->FreeNotification(this);
}

void TspSkinMenu::SetDoneCtrl(TControl* AValue) {
  if (FDoneCtrl && FDoneCtrl != FPopupCtrl) FDoneCtrl->RemoveFreeNotification(this);
  FDoneCtrl = AValue;
  if (FDoneCtrl) FDoneCtrl->FreeNotification(this);
}

// An open chain ends first, so the control that opened it hears that its menu closed
// (and a menu button it pressed comes up); then the new chain takes its caller, its
// work area and its skin.
void TspSkinMenu::BeginChain(TControl* APopupCtrl, TspSkinData* ASkinData, const TRect& AAnchor) {
  FFirst = !FVisible;
  if (!FPopupList.empty()) CloseLevels(0);
  SetPopupCtrl(APopupCtrl);
  if (FForm && FForm->HandleAllocated())
    GetMonitorArea(FForm->Handle(), true, WorkArea);
  else
    WorkArea = Screen->MonitorFromRect(AAnchor)->WorkareaRect();
  ReplaceNotified(SkinData, ASkinData);
}

void TspSkinMenu::Popup(TControl* APopupCtrl, TspSkinData* ASkinData, int AStartIndex, const TRect& AAnchor,
                        TMenuItem* AItem, bool APopupUp) {
  BeginChain(APopupCtrl, ASkinData, AAnchor);
  if (!AItem || AStartIndex >= AItem->Count()) return;
  FVisible = true;
  AddPopupWindow(AAnchor, AItem, nullptr, AStartIndex, APopupUp ? pdUp : pdDown);
  FFirst = false;
}

void TspSkinMenu::Popup2(TControl* APopupCtrl, TspSkinData* ASkinData, int AStartIndex, const TRect& AAnchor,
                         TMenuItem* AItem, TMenuItem* AItem2, bool APopupUp) {
  BeginChain(APopupCtrl, ASkinData, AAnchor);
  if (!AItem || !AItem2 || AItem->Count() == 0 || AStartIndex >= AItem->Count() + AItem2->Count()) return;
  FVisible = true;
  AddPopupWindow(AAnchor, AItem, AItem2, AStartIndex, APopupUp ? pdUp : pdDown);
  FFirst = false;
}

void TspSkinMenu::AddPopupWindow(const TRect& AAnchor, TMenuItem* AItem, TMenuItem* AItem2, int AStartIndex,
                                 TspPopupDirection ADirection) {
  TspDataSkinPopupWindow* Data = SkinData && !SkinData->Empty ? SkinData->PopupWindow.get() : nullptr;
  auto* Window = new TspSkinPopupWindow(this, Data, *this);
  FPopupList.push_back(Window);
  Window->Show(AAnchor, AItem, AStartIndex, ADirection, AItem2);
}

void TspSkinMenu::Hide() {
  const TLiveToken Alive = FLive.Token();
  CloseLevels(0);
  // The close event may have freed the chain.
  if (!Alive) return;
  StopWaiting();
  if (FForm && FForm->HandleAllocated()) SendMessage(FForm->Handle(), SP_CLOSESKINMENU, 0, 0);
}

void TspSkinMenu::StopWaiting() {
  WaitTimer->SetEnabled(false);
  WItem = nullptr;
}

int TspSkinMenu::LevelOf(const TspSkinPopupWindow& AWindow) const {
  const auto Found = std::find(FPopupList.begin(), FPopupList.end(), &AWindow);
  return static_cast<int>(Found - FPopupList.begin());
}

void TspSkinMenu::CloseLevels(int ALevel) {
  while (static_cast<int>(FPopupList.size()) > std::max(ALevel, 0)) {
    TspSkinPopupWindow* Window = FPopupList.back();
    FPopupList.pop_back();
    if (WItem && &WItem->Parent == Window) StopWaiting();
    Window->Release();
  }
  if (ALevel > 0) return;
  WaitTimer->SetEnabled(false);
  FVisible = false;
  SetDoneCtrl(FPopupCtrl);
  TControl* Caller = FPopupCtrl;
  SetPopupCtrl(nullptr);
  TellMenuControl(Caller, SP_CLOSESKINMENU);
  const TNotifyEvent OnClose = std::move(FOnMenuClose);
  FOnMenuClose = nullptr;
  if (OnClose) OnClose(this);
}

void TspSkinMenu::ActivateItem(TspSkinPopupWindow& AWindow, TspSkinMenuItem& AItem, bool AClick, bool AKb) {
  TMenuItem* Item = AItem.MenuItem;
  const bool HasSubMenu = Item->Count() > 0;
  if (!HasSubMenu && !AClick) {
    StopWaiting();
    CloseLevels(LevelOf(AWindow) + 1);
    return;
  }
  if (!HasSubMenu) {
    // The chain closes before the command runs, so a command that opens another menu
    // or a modal form starts from a closed chain.
    StopWaiting();
    const TLiveToken Alive = FLive.Token();
    Hide();
    RunMenuItemCommand(Item);
    if (Alive) TellMenuControl(FDoneCtrl, SP_SKINMENUCOMMANDDONE);
    return;
  }
  if (!AClick && !AKb) {
    StopWaiting();
    CloseLevels(LevelOf(AWindow) + 1);
    WItem = &AItem;
    WaitTimer->SetEnabled(true);
    return;
  }
  if (!AClick) return;
  const TLiveToken Alive = FLive.Token();
  RunMenuItemCommand(Item);
  // The item's own command may have closed its window's level, or the whole chain.
  if (!Alive || LevelOf(AWindow) == PopupCount()) return;
  StopWaiting();
  AItem.Down = true;
  TRect Anchor = AItem.ObjectRect;
  OffsetRect(Anchor, AWindow.Left(), AWindow.Top());
  AddPopupWindow(Anchor, Item, nullptr, 0, pdByItem);
}

void TspSkinMenu::DoWaitTimer() {
  TspSkinMenuItem* Item = WItem;
  WaitTimer->SetEnabled(false);
  if (Item) ActivateItem(Item->Parent, *Item, true, false);
}

bool IsSkinMenuCloseMessage(UINT AMsg) {
  switch (AMsg) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
      return true;
    default:
      return false;
  }
}
