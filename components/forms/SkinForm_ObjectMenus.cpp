// The menus of the frame's objects: a button, the system-menu button or an animation
// drawn as a button opens its items beside itself, and when the chain closes the object
// that opened it is set back.

#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "components/forms/SkinMenus.h"
#include "platform/win/WindowPos.h"

TRect TspSkinFormObjects::ObjectRectToScreen(const TRect& AObjectRect) const {
  TRect R = AObjectRect;
  // The form's Left and Top would not do: a document's are relative to the MDI client,
  // and a full layered border lays its objects out in its own top window.
  TspFormLayerWindow* Top =
      SkinForm.WearsFullLayeredBorder() ? SkinForm.LayerBorder().Window(spflTop) : nullptr;
  if (Top != nullptr && Top->HandleAllocated()) {
    RECT Window{};
    GetWindowRect(Top->Handle(), &Window);
    OffsetRect(R, Window.Left, Window.Top);
  } else if (SkinForm.FSupportNCArea) {
    RECT Window{};
    GetWindowRect(SkinForm.FForm->Handle(), &Window);
    OffsetRect(R, Window.Left, Window.Top);
  } else {
    POINT Origin{0, 0};
    ClientToScreen(SkinForm.FForm->Handle(), &Origin);
    OffsetRect(R, Origin.X, Origin.Y);
  }
  return R;
}

void TspSkinFormObjects::PopupObjectMenu(TMenuItem* AItem, const TRect& AObjectRect, bool APopupUp) {
  if (!AItem || AItem->Count() == 0) return;
  const TRect R = ObjectRectToScreen(AObjectRect);
  if (auto* PopupMenu = dynamic_cast<TspSkinPopupMenu*>(AItem->GetParentMenu())) {
    PopupMenu->PopupFromRect(R, APopupUp);
    return;
  }
  SkinForm.Menus().SkinMenuOpen();
  SkinForm.Menus().SkinMenu().Popup(nullptr, SkinForm.MenuSkin(), 0, R, AItem, APopupUp);
}

void TspSkinFormObjects::LinkMenu(const String& AIDName, TMenu* AMenu, bool APopupUp) {
  const int Index = GetIndex(AIDName);
  if (Index < 0) return;
  TspActiveSkinObject* Object = ObjectList[Index].get();
  TMenuItem* Items = AMenu ? AMenu->Items() : nullptr;
  if (auto* Button = dynamic_cast<TspSkinButtonObject*>(Object)) {
    Button->MenuItem = Items;
    Button->FPopupUp = APopupUp;
  } else if (auto* Animation = dynamic_cast<TspSkinAnimateObject*>(Object);
             Animation && Animation->ButtonStyle) {
    Animation->MenuItem = Items;
    Animation->FPopupUp = APopupUp;
  } else {
    return;
  }
  if (!AMenu) return;
  AMenu->FreeNotification(&SkinForm);
  FLinkedMenus.emplace_back(AMenu, Items);
}

// A linked menu is being freed: only pointers are compared, the menu is half gone.
void TspSkinFormObjects::UnlinkMenu(TComponent* AMenu) {
  for (auto Link = FLinkedMenus.begin(); Link != FLinkedMenus.end();) {
    if (Link->first != AMenu) {
      ++Link;
      continue;
    }
    for (const auto& Object : ObjectList) {
      if (auto* Button = dynamic_cast<TspSkinButtonObject*>(Object.get());
          Button && Button->MenuItem == Link->second)
        Button->MenuItem = nullptr;
      if (auto* Animation = dynamic_cast<TspSkinAnimateObject*>(Object.get());
          Animation && Animation->MenuItem == Link->second)
        Animation->MenuItem = nullptr;
    }
    Link = FLinkedMenus.erase(Link);
  }
}

// Quick buttons that opened a menu give it back and the walk goes on; the first main-menu
// item, button or animation that opened one is set back and the walk ends.
void TspSkinFormObjects::ReleaseMenuObjects() {
  for (const auto& Object : ObjectList) {
    if (auto* Caption = dynamic_cast<TspSkinCaptionObject*>(Object.get());
        Caption && Caption->PopupMenuQuickButton != -1) {
      Caption->ReleaseQuickButtonMenu();
      continue;
    }
    if (auto* Item = dynamic_cast<TspSkinMainMenuItem*>(Object.get()); Item && Item->FDown) {
      Item->Active = false;
      Item->SetDown(false);
      return;
    }
    if (auto* Button = dynamic_cast<TspSkinButtonObject*>(Object.get());
        Button && Button->MenuItem && Button->FDown) {
      Button->SetDown(false);
      return;
    }
    if (auto* Animation = dynamic_cast<TspSkinAnimateObject*>(Object.get());
        Animation && Animation->MenuItem && Animation->FMenuTracking) {
      Animation->ReleaseMenu();
      return;
    }
  }
}
