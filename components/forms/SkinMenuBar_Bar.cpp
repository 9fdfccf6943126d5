// The main menu bar: its items from the menus (merged by group index), the built-in
// look with the scroll marker, the hot item following the mouse, and the hidden items'
// popup.

#include <algorithm>

#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenuBar.h"
#include "components/forms/SkinMenus.h"

TspSkinMainMenuBar::TspSkinMainMenuBar(TComponent* AOwner) : TspSkinControl(AOwner) {
  SetSkinDataName("mainmenubar");
  FMouseTimer = NewDisabledTimer(this, 50, [this] { DoMouseTimer(); });
  FMorphTimer = NewDisabledTimer(this, 25, [this] { DoMorphTimer(); });
  FAnimateTimer = NewDisabledTimer(this, 25, [this] { DoAnimateTimer(); });
  SetAlign(alTop);
  SetHeight(22);
  FDefItemFont.SetName("Arial");
  FDefItemFont.SetHeight(14);
}

TspSkinMainMenuBar::~TspSkinMainMenuBar() { SetSkinForm(nullptr); }

void TspSkinMainMenuBar::SetMainMenu(TMainMenu* AValue) {
  ReplaceNotified(FMainMenu, AValue);
  UpDateItems();
}

void TspSkinMainMenuBar::SetSkinForm(TspSkinForm* AValue) {
  if (FSkinForm && FSkinForm->MainMenuBar == this) FSkinForm->MainMenuBar = nullptr;
  ReplaceNotified(FSkinForm, AValue);
  if (FSkinForm) FSkinForm->MainMenuBar = this;
}

void TspSkinMainMenuBar::Notification(TComponent* AComponent, TOperation AOperation) {
  TspSkinControl::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  if (AComponent == FSkinForm) FSkinForm = nullptr;
  DocumentFreed(AComponent);
  const auto Shown = std::find_if(FItems.begin(), FItems.end(),
                                  [AComponent](const auto& AItem) { return &AItem->MenuItem == AComponent; });
  if (Shown != FItems.end()) {
    FItems.erase(Shown);
    FActiveObject = -1;
    Invalidate();
  }
  if (AComponent == FMainMenu || AComponent == FMergeMenu || AComponent == FChildMenu) {
    if (AComponent == FMainMenu) FMainMenu = nullptr;
    if (AComponent == FMergeMenu) FMergeMenu = nullptr;
    FChildMenu = nullptr;
    // A document's menu going with its document: the main menu shows alone again (the
    // menu is marked as going, so the rebuild passes it over).
    UpDateItems();
  }
}

void TspSkinMainMenuBar::Merge(TMainMenu* AMenu) {
  ReplaceNotified(FMergeMenu, AMenu);
  UpDateItems();
}

void TspSkinMainMenuBar::UnMerge() {
  ReplaceNotified(FMergeMenu, static_cast<TMainMenu*>(nullptr));
  UpDateItems();
}

void TspSkinMainMenuBar::UpDateItems() {
  CreateMenu();
  FActiveObject = -1;
  Invalidate();
  FMouseTimer->SetEnabled(true);
}

void TspSkinMainMenuBar::UpDateEnabledItems() {
  for (const auto& Item : FItems) Item->Enabled = Item->OldEnabled = Item->MenuItem.Enabled();
  Invalidate();
}

void TspSkinMainMenuBar::CreateMenu() {
  FItems.clear();
  FChildMenuIn = false;
  if (!FMainMenu) return;
  const bool OfFrame = FSkinForm && FSkinForm->Form()->FormStyle() == fsMDIForm;
  TMainMenu* ChildMenu = OfFrame || FMergeMenu ? GetChildMainMenu() : nullptr;
  if (ChildMenu && ChildMenu != FChildMenu) {
    // Never taken off: the menu may be the merged one as well, whose watch stays.
    ChildMenu->FreeNotification(this);
  }
  FChildMenu = ChildMenu;
  FChildMenuIn = ChildMenu != nullptr;
  std::vector<TMenuItem*> List;
  TMenuItem* Main = FMainMenu->Items();
  if (ChildMenu) {
    ScrollMenu = false;
    TMenuItem* Child = ChildMenu->Items();
    auto ChildUsesGroup = [Child](uint8_t AGroup) {
      for (int I = 0; I < Child->Count(); ++I)
        if (Child->Items(I)->GroupIndex() == AGroup) return true;
      return false;
    };
    for (int I = 0; I < Main->Count(); ++I)
      if (!ChildUsesGroup(Main->Items(I)->GroupIndex())) List.push_back(Main->Items(I));
    for (int I = 0; I < Child->Count(); ++I) List.push_back(Child->Items(I));
    std::stable_sort(List.begin(), List.end(),
                     [](TMenuItem* A, TMenuItem* B) { return A->GroupIndex() < B->GroupIndex(); });
  } else {
    for (int I = 0; I < Main->Count(); ++I) List.push_back(Main->Items(I));
  }
  const TspDataSkinMainMenuItem* Record = ItemRecord();
  for (TMenuItem* MenuItem : List) {
    if (!MenuItem->Visible()) continue;
    // An item freed while shown takes its bar item with it.
    MenuItem->FreeNotification(this);
    FItems.push_back(std::make_unique<TspSkinMainMenuBarItem>(*this, *MenuItem, Record));
  }
}

TRect TspSkinMainMenuBar::NewItemsRect() const { return CutForChildButtons(FullItemsRect()); }

TRect TspSkinMainMenuBar::ScrollMarkerRect() const {
  const TRect Area = NewItemsRect();
  return TRect{Area.Right - 5, Area.Top, Area.Right, Area.Bottom};
}

void TspSkinMainMenuBar::CreateControlDefaultImage(TBitmap& B) {
  TCanvas& C = B.Canvas();
  C.Brush().SetColor(clBtnFace);
  C.FillRect(TRect{0, 0, B.Width(), B.Height()});
  DrawItemsAndMarker(C);
}

void TspSkinMainMenuBar::DrawItemsAndMarker(TCanvas& ACanvas) {
  DrawChildButtons(ACanvas);
  FScroll = false;
  for (const auto& Item : FItems) Item->Draw(ACanvas);
  if (FScroll && ScrollMenu) DrawScrollMarker(ACanvas);
}

void TspSkinMainMenuBar::DrawScrollMarker(TCanvas& ACanvas) {
  const TRect R = ScrollMarkerRect();
  if (!FSkinSupport) {
    ACanvas.Brush().SetStyle(bsSolid);
    ACanvas.Brush().SetColor(clBtnFace);
    ACanvas.FillRect(R);
    DrawArrow(ACanvas, R, FMarkerActive ? clBtnText : clBtnShadow, 2);
    return;
  }
  DrawArrow(ACanvas, R, FMarkerActive ? TrackMarkActiveColor : TrackMarkColor, 2);
}

void TspSkinMainMenuBar::DrawItem(TspSkinMainMenuBarItem& AItem) {
  if (AItem.Visible) Invalidate();
}

void TspSkinMainMenuBar::TestActive(int AX, int AY) {
  const bool ItemsCold = TestActiveButton(AX, AY);
  if (FItems.empty()) return;
  const int Old = FActiveObject;
  int Hit = -1;
  for (int I = 0; I < ItemCount() && Hit < 0 && !ItemsCold; ++I)
    if (FItems[I]->Enabled && PtInRect(FItems[I]->ObjectRect, TPoint{AX, AY})) Hit = I;
  // A selection made by keyboard or by an open menu survives the mouse leaving.
  if (!(Hit < 0 && MenuActive && Old >= 0)) FActiveObject = Hit;
  if (FActiveObject != Old) {
    if (Old >= 0 && Old < ItemCount() && FItems[Old]->Enabled) FItems[Old]->MouseLeave();
    if (FActiveObject >= 0) FItems[FActiveObject]->MouseEnter();
  }
  if (FScroll && ScrollMenu) {
    const bool InMarker = PtInRect(ScrollMarkerRect(), TPoint{AX, AY});
    if (InMarker != FMarkerActive) {
      FMarkerActive = InMarker;
      Invalidate();
    }
  }
}

void TspSkinMainMenuBar::MouseMove(TShiftState AShift, int AX, int AY) {
  TspSkinControl::MouseMove(AShift, AX, AY);
  if (!FMouseTimer->Enabled()) FMouseTimer->SetEnabled(true);
  TestActive(AX, AY);
}

void TspSkinMainMenuBar::MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TspSkinControl::MouseDown(AButton, AShift, AX, AY);
  TestActive(AX, AY);
  if (FActiveButton >= 0) {
    FCaptureButton = FActiveButton;
    TspSkinMainMenuBarButton& Button = *FChildButtons[FActiveButton];
    Button.MouseDown(AButton);
    if (AShift.Contains(ssDouble)) Button.DblClick();
  } else if (FActiveObject >= 0)
    FItems[FActiveObject]->MouseDown(AButton);
  else if (FScroll && ScrollMenu && PtInRect(ScrollMarkerRect(), TPoint{AX, AY}))
    PopupHiddenItems();
}

void TspSkinMainMenuBar::Dispatch(TMessage& AMessage) {
  TspSkinControl::Dispatch(AMessage);
  if (AMessage.Msg == CM_MOUSEENTER) {
    FMouseTimer->SetEnabled(true);
  } else if (AMessage.Msg == CM_MOUSELEAVE) {
    FMouseTimer->SetEnabled(false);
    TestActive(-1, -1);
  } else if (AMessage.Msg == SP_CLOSESKINMENU) {
    ReleaseSysMenuButton();
  }
}

// The main menu's items from the first one the bar does not show, followed by the
// merged menu's items when one is merged.
void TspSkinMainMenuBar::PopupHiddenItems() {
  if (!FSkinForm || !FMainMenu) return;
  const int Shown =
      static_cast<int>(std::count_if(FItems.begin(), FItems.end(), [](const auto& I) { return I->Visible; }));
  const TRect M = ScrollMarkerRect();
  const TPoint TopLeft = ClientToScreen(TPoint{M.Left, M.Top});
  const TRect R{TopLeft.X, TopLeft.Y, TopLeft.X + M.Width(), TopLeft.Y + M.Height()};
  FSkinForm->SkinMenuOpen();
  if (FChildMenuIn && FChildMenu)
    FSkinForm->SkinMenu().Popup2(nullptr, SkinData(), Shown, R, FMainMenu->Items(), FChildMenu->Items(),
                                 false);
  else
    FSkinForm->SkinMenu().Popup(nullptr, SkinData(), Shown, R, FMainMenu->Items(), false);
}
