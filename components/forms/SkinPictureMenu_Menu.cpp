// The picture menu's items and component: its properties, opening and the events
// of a close.

#include <algorithm>
#include <vector>

#include "components/forms/SkinHint.h"
#include "components/forms/SkinPictureMenu.h"

void TspImagesMenuItem::Assign(const TPersistent& ASource) {
  const auto* Source = dynamic_cast<const TspImagesMenuItem*>(&ASource);
  if (!Source) return TCollectionItem::Assign(ASource);
  ImageIndex = Source->ImageIndex;
  Caption = Source->Caption;
  Button = Source->Button;
  Hint = Source->Hint;
}

TspSkinImagesMenu::TspSkinImagesMenu(TComponent* AOwner) : TComponent(AOwner) {
  DefaultFont.SetName("Arial");
  DefaultFont.SetHeight(14);
}

TspSkinImagesMenu::~TspSkinImagesMenu() {
  // The window goes first, while the items it shows still exist.
  DestroyComponents();
  SetImages(nullptr);
  SetSkinData(nullptr);
  SetSkinHint(nullptr);
}

void TspSkinImagesMenu::SetColumnsCount(int AValue) {
  if (AValue >= 1 && AValue <= 50) FColumnsCount = AValue;
}

void TspSkinImagesMenu::SetSkinHint(TspSkinHint* AValue) { ReplaceNotified(FSkinHint, AValue); }

TspImagesMenuItem* TspSkinImagesMenu::GetSelectedItem() const {
  if (ItemIndex < 0 || ItemIndex >= FImagesItems.Count()) return nullptr;
  return FImagesItems.Items(ItemIndex);
}

void TspSkinImagesMenu::Notification(TComponent* AComponent, TOperation AOperation) {
  TComponent::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == FSkinData) FSkinData = nullptr;
  if (AComponent == FSkinHint) FSkinHint = nullptr;
  if (AComponent == FPopupWindow) FPopupWindow = nullptr;
}

void TspSkinImagesMenu::Popup(int X, int Y) { PopupFromRect(TRect{X, Y, X, Y}); }

void TspSkinImagesMenu::PopupFromRect(const TRect& R) {
  Hide();
  if (OnMenuPopup) OnMenuPopup(this);
  if (!FImages || FImages->Count() == 0) return;
  FOldItemIndex = ItemIndex;
  FPopupWindow = new TspSkinImagesMenuPopupWindow(this);
  FPopupWindow->Show(R);
}

void TspSkinImagesMenu::Hide() {
  if (FPopupWindow) FPopupWindow->Hide(false);
}

// Any of the events may free the menu (an item that closes the dialog holding it), so
// what is to be called is settled first and the menu is not touched once they run.
void TspSkinImagesMenu::WindowClosed(bool AProcessEvents) {
  FPopupWindow = nullptr;
  std::vector<TNotifyEvent> Events{OnInternalMenuClose, OnMenuClose};
  if (AProcessEvents && ItemIndex != -1) {
    if (TspImagesMenuItem* Chosen = GetSelectedItem()) Events.push_back(Chosen->OnClick);
    Events.push_back(OnItemClick);
    if (ItemIndex != FOldItemIndex) {
      Events.push_back(OnInternalChange);
      Events.push_back(OnChange);
    }
  }
  for (const TNotifyEvent& Event : Events)
    if (Event) Event(this);
}

TPoint PlaceSkinImagesMenu(const TRect& WA, const TRect& R, TSize ASize) {
  int X = R.Left;
  int Y = R.Bottom;
  if (Y + ASize.cy > WA.Bottom) Y = R.Top - ASize.cy;
  if (X + ASize.cx > WA.Right) X = WA.Right - ASize.cx;
  return TPoint{std::max(X, WA.Left), std::max(Y, WA.Top)};
}
