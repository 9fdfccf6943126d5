// The MDI tabs bar: its tabs as documents come and go, their layout, the bar's
// painting with the insertion mark of a dragged tab, and the two list buttons.

#include <algorithm>

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMdiTabs.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/Application.h"

namespace {

// The list button at the left and the hidden-tabs button at the right are this wide.
constexpr int ListButtonWidth = 15;
constexpr const char* ListItemSuffix = "_DSFCHILDITEMBAR";
constexpr const char* HideListItemSuffix = "_DSFCHILDITEMBARHIDE";

}  // namespace

TspSkinMDITabsBar::TspSkinMDITabsBar(TComponent* AOwner) : TspSkinControl(AOwner) {
  SetSkinDataName("tab");
  SetBounds(0, 0, 150, 21);
  FDefaultFont.SetName("Arial");
  FDefaultFont.SetHeight(14);
  FListMenu = new TspSkinPopupMenu(this);
  FHideListMenu = new TspSkinPopupMenu(this);
}

TspSkinMDITabsBar::~TspSkinMDITabsBar() { SetSkinForm(nullptr); }

void TspSkinMDITabsBar::SetSkinForm(TspSkinForm* AValue) {
  if (FSkinForm && FSkinForm->MDITabsBar == this) FSkinForm->MDITabsBar = nullptr;
  ReplaceNotified(FSkinForm, AValue);
  if (FSkinForm) FSkinForm->MDITabsBar = this;
}

void TspSkinMDITabsBar::SetShowCloseButtons(bool AValue) {
  FShowCloseButtons = AValue;
  Invalidate();
}

void TspSkinMDITabsBar::SetMinTabWidth(int AValue) {
  FMinTabWidth = std::max(AValue, 0);
  Invalidate();
}

void TspSkinMDITabsBar::SetTabKind(TspSkinMDITabKind AValue) {
  FTabKind = AValue;
  Realign();
  Invalidate();
}

void TspSkinMDITabsBar::SetDefaultTabWidth(int AValue) {
  FDefaultTabWidth = std::max(AValue, 1);
  Invalidate();
}

void TspSkinMDITabsBar::Notification(TComponent* AComponent, TOperation AOperation) {
  TspSkinControl::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  if (AComponent == FSkinForm) FSkinForm = nullptr;
  if (AComponent == FListButton) FListButton = nullptr;
  if (AComponent == FHideListButton) FHideListButton = nullptr;
  // A document freed without being hidden first must not leave a tab behind; it is
  // no form any more by now, so it is found by address.
  for (int I = 0; I < TabCount(); ++I)
    if (static_cast<TComponent*>(FTabs[I]->Child) == AComponent) return RemoveTab(I, true);
}

void TspSkinMDITabsBar::AddTab(TCustomForm* AChild) {
  if (!AChild) return;
  if (std::any_of(FTabs.begin(), FTabs.end(), [AChild](const auto& T) { return T->Child == AChild; })) return;
  FTabs.push_back(std::make_unique<TspMDITab>(*this, *AChild));
  AChild->FreeNotification(this);
  if (!FListButton) FListButton = NewListButton(alLeft, *FListMenu);
  Invalidate();
}

void TspSkinMDITabsBar::DeleteTab(TCustomForm* AChild) {
  const auto Found =
      std::find_if(FTabs.begin(), FTabs.end(), [AChild](const auto& T) { return T->Child == AChild; });
  if (Found != FTabs.end()) RemoveTab(static_cast<int>(Found - FTabs.begin()), false);
}

void TspSkinMDITabsBar::RemoveTab(int AIndex, bool AChildFreed) {
  if (ActiveTabIndex == AIndex) {
    if (OnTabMouseLeave) OnTabMouseLeave(FTabs[AIndex].get());
    ActiveTabIndex = OldTabIndex = -1;
  } else if (ActiveTabIndex > AIndex) {
    --ActiveTabIndex;
    OldTabIndex = ActiveTabIndex;
  }
  // The indexes kept for the hover and the drag follow the tabs after it.
  if (FDragIndex == AIndex)
    EndDrag();
  else if (FDragIndex > AIndex)
    --FDragIndex;
  if (!AChildFreed) FTabs[AIndex]->Child->RemoveFreeNotification(this);
  FTabs.erase(FTabs.begin() + AIndex);
  if (FTabs.empty()) {
    delete FListButton;
    FListButton = nullptr;
    ShowHideListButton(false);
  }
  Invalidate();
}

void TspSkinMDITabsBar::UpdateActiveTab() {
  TCustomForm* Main = Application ? Application->MainForm() : nullptr;
  TCustomForm* Active = Main ? Main->ActiveMDIChild() : nullptr;
  if (!Active) return;
  for (const auto& Tab : FTabs) Tab->Active = Tab->Child == Active;
  Invalidate();
}

int TspSkinMDITabsBar::GetTabIndex(int AX, int AY) const {
  for (int I = 0; I < TabCount(); ++I) {
    const TRect& R = FTabs[I]->ObjectRect;
    if (FTabs[I]->Visible && AX >= R.Left && AX <= R.Right && AY >= R.Top && AY <= R.Bottom) return I;
  }
  return -1;
}

TspMDITab* TspSkinMDITabsBar::GetTab(int AX, int AY) const {
  const int Index = GetTabIndex(AX, AY);
  return Index < 0 ? nullptr : FTabs[Index].get();
}

void TspSkinMDITabsBar::CalcTabRects() {
  FInVisibleCount = 0;
  if (FTabs.empty()) return;
  const int Count = TabCount();
  const int H = Height() - BottomOffset();
  const int W = std::min((Width() - ListButtonWidth) / Count, FDefaultTabWidth);
  if (W < FMinTabWidth && FMinTabWidth != 0) {
    const int Room = (Width() - 2 * ListButtonWidth) / FMinTabWidth;
    for (int I = 0; I < Count; ++I) {
      TspMDITab& Tab = *FTabs[I];
      Tab.Visible = I < Room;
      Tab.ObjectRect = Tab.Visible ? TRect{ListButtonWidth + I * FMinTabWidth, 0,
                                           ListButtonWidth + (I + 1) * FMinTabWidth, H}
                                   : TRect{};
      if (!Tab.Visible) ++FInVisibleCount;
    }
    FDragLimit = Width() - ListButtonWidth;
  } else {
    for (int I = 0; I < Count; ++I) {
      FTabs[I]->Visible = true;
      FTabs[I]->ObjectRect = TRect{ListButtonWidth + I * W, 0, ListButtonWidth + (I + 1) * W, H};
    }
    // Narrowed tabs share the whole bar: the last one takes the remainder.
    if (W < FDefaultTabWidth) FTabs.back()->ObjectRect.Right = Width();
    FDragLimit = Width();
  }
  if (FDragIndex >= 0 && FDragIndex < Count && FIsDrag) {
    TRect& R = FTabs[FDragIndex]->ObjectRect;
    OffsetRect(R, TabDX, 0);
    if (R.Right > FDragLimit) OffsetRect(R, FDragLimit - R.Right, 0);
    if (R.Left < 0) OffsetRect(R, -R.Left, 0);
  }
}

int TspSkinMDITabsBar::GetDropIndex() const {
  if (FTabs.empty() || TabDX == 0 || FDragIndex < 0 || FDragIndex >= TabCount()) return -1;
  const TRect& Dragged = FTabs[FDragIndex]->ObjectRect;
  auto Middle = [](const TRect& R) { return R.Left + R.Width() / 2; };
  if (TabDX > 0) {
    int Found = -1;
    for (int I = FDragIndex + 1; I < TabCount(); ++I)
      if (FTabs[I]->Visible && Middle(FTabs[I]->ObjectRect) < Dragged.Right) Found = I;
    return Found;
  }
  for (int I = 0; I < FDragIndex; ++I)
    if (FTabs[I]->Visible && Middle(FTabs[I]->ObjectRect) > Dragged.Left) return I;
  return -1;
}

// The hidden-tabs button comes and goes as the tabs fit.
void TspSkinMDITabsBar::Paint() {
  TspSkinControl::Paint();
  ShowHideListButton(FInVisibleCount > 0);
}

void TspSkinMDITabsBar::CreateControlDefaultImage(TBitmap& B) {
  TCanvas& C = B.Canvas();
  C.Brush().SetColor(clBtnFace);
  C.FillRect(TRect{0, 0, B.Width(), B.Height()});
  DrawTabs(C);
}

void TspSkinMDITabsBar::DrawTabs(TCanvas& ACanvas) {
  CalcTabRects();
  const bool Dragging = FIsDrag && FDragIndex >= 0 && FDragIndex < TabCount();
  for (int I = 0; I < TabCount(); ++I) {
    if (!FTabs[I]->Visible || (Dragging && I == FDragIndex)) continue;
    // The pressed tab shows once it moves, on top of the others.
    FTabs[I]->Draw(ACanvas);
  }
  if (!Dragging) return;
  FTabs[FDragIndex]->Draw(ACanvas);
  const int Drop = GetDropIndex();
  if (Drop < 0) return;
  const TRect& R = FTabs[Drop]->ObjectRect;
  DrawDropMark(ACanvas, TabDX > 0 ? R.Right : R.Left);
}

void TspSkinMDITabsBar::DrawDropMark(TCanvas& ACanvas, int AX) {
  const int H = Height() - BottomOffset();
  const int Mid = H / 2;
  ACanvas.Pen().SetMode(pmNot);
  for (int X = AX - 1; X <= AX + 1; ++X) {
    ACanvas.MoveTo(X, 0);
    ACanvas.LineTo(X, H);
  }
  const TPoint Right[] = {{AX + 2, Mid}, {AX + 5, Mid - 3}, {AX + 5, Mid + 3}};
  const TPoint Left[] = {{AX - 2, Mid}, {AX - 5, Mid - 3}, {AX - 5, Mid + 3}};
  ACanvas.Polygon(Right);
  ACanvas.Polygon(Left);
  ACanvas.Pen().SetMode(pmCopy);
}

// ---------------------------------------------------------------- the list buttons

TspSkinMenuSpeedButton* TspSkinMDITabsBar::NewListButton(TAlign AAlign, TspSkinPopupMenu& AMenu) {
  auto* Button = new TspSkinMenuSpeedButton(this);
  Button->SetWidth(ListButtonWidth);
  Button->SetAlign(AAlign);
  Button->SetSkinData(SkinData());
  Button->SetNewStyle(true);
  Button->SetSkinPopupMenu(&AMenu);
  const bool Hidden = &AMenu == FHideListMenu;
  Button->OnShowTrackMenu = [this, Hidden](TObject*) { Hidden ? UpdateHideListMenu() : UpdateListMenu(); };
  Button->SetParent(this);
  return Button;
}

void TspSkinMDITabsBar::ShowHideListButton(bool AShow) {
  if (AShow && !FHideListButton) {
    FHideListButton = NewListButton(alRight, *FHideListMenu);
  } else if (!AShow && FHideListButton) {
    delete FHideListButton;
    FHideListButton = nullptr;
  }
}

void TspSkinMDITabsBar::UpdateListMenu() { FillListMenu(*FListMenu, ListItemSuffix, false); }

void TspSkinMDITabsBar::UpdateHideListMenu() {
  CalcTabRects();
  FillListMenu(*FHideListMenu, HideListItemSuffix, true);
}

void TspSkinMDITabsBar::FillListMenu(TspSkinPopupMenu& AMenu, const char* ASuffix, bool AHiddenOnly) {
  TMenuItem* Items = AMenu.Items();
  while (Items->Count() > 0) delete Items->Items(0);
  for (const auto& Tab : FTabs) {
    if (AHiddenOnly && Tab->Visible) continue;
    auto* Item = new TMenuItem(this);
    Item->SetName(Tab->Child->Name() + ASuffix);
    Item->SetCaption(Tab->Child->Caption());
    Item->SetRadioItem(true);
    Item->SetGroupIndex(0);
    Item->SetChecked(Tab->Active);
    Item->OnClick = [this](TObject* Sender) { ListItemClick(Sender); };
    Items->Add(Item);
  }
}

void TspSkinMDITabsBar::ListItemClick(TObject* Sender) {
  auto* Item = dynamic_cast<TMenuItem*>(Sender);
  if (!Item || !FSkinForm) return;
  String Name = Item->Name();
  for (const char* Suffix : {HideListItemSuffix, ListItemSuffix}) {
    const String Tail(Suffix);
    if (Name.size() > Tail.size() && Name.compare(Name.size() - Tail.size(), Tail.size(), Tail) == 0) {
      Name.erase(Name.size() - Tail.size());
      break;
    }
  }
  TCustomForm* Frame = FSkinForm->Form();
  for (int I = Frame->MDIChildCount() - 1; I >= 0; --I) {
    TCustomForm* Child = Frame->MDIChildren(I);
    if (Child->Name() != Name) continue;
    TspSkinForm* ChildSkin = FindSkinForm(Child);
    if (ChildSkin && ChildSkin->WindowState() == wsMinimized) ChildSkin->SetWindowState(wsNormal);
    Child->Show();
  }
}
