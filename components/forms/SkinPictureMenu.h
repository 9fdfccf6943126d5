#pragma once
// The picture menu: the pictures of an image list in a grid of 1 to 50 columns, with
// full-width headings and full-width buttons with captions, in a top-most window that
// never takes activation, opened below a rectangle or a point. The user picks a cell
// with the mouse (the window holds the mouse capture) or the keyboard (the window
// hooks the application's messages while it is open); the menu records the chosen
// index, fires the item's and its own events and closes. It does not go through a
// form's popup chain. User-interface thread only.
//
// Implementation: SkinPictureMenu_Menu.cpp (the items, the component, opening and the
// close events), SkinPictureMenu_Window.cpp (the window: layout, size, place, showing,
// the application hook, closing and its deferred freeing), SkinPictureMenu_Input.cpp
// (mouse and keys), SkinPictureMenu_Paint.cpp (the skin look and the built-in look).

#include "components/core/SkinData.h"
#include "platform/ui/Collection.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/WinControl.h"
#include "platform/win/MessageLoop.h"

class TspSkinHint;
class TspSkinImagesMenu;
class TspSkinImagesMenuPopupWindow;

// One cell of a picture menu.
class TspImagesMenuItem : public TCollectionItem {
 public:
  explicit TspImagesMenuItem(TCollection* ACollection) : TCollectionItem(ACollection) {}
  // Copies ImageIndex, Caption, Button and Hint of another item.
  void Assign(const TPersistent& ASource) override;

  // The cell's picture in the menu's Images, -1 none.
  int ImageIndex = -1;
  // A heading's text, or a button's caption.
  String Caption;
  // Fired when the menu closes with this item chosen; Sender is the menu.
  TNotifyEvent OnClick;
  // A full-width row with picture and caption.
  bool Button = false;
  // A full-width heading; never hot, never chosen.
  bool Header = false;
  // Shown by the menu's SkinHint while the cell is hot.
  String Hint;
  // The cell in the window, set by the layout.
  TRect ItemRect;
  // A colour the menu's owner keeps with the cell; the menu never reads it.
  TColor Color = clNone;
};

class TspImagesMenuItems : public TCollection {
 public:
  explicit TspImagesMenuItems(TspSkinImagesMenu* AImagesMenu)
      : TCollection(ItemClass<TspImagesMenuItem>()), ImagesMenu(AImagesMenu) {}
  TspImagesMenuItem* Items(int AIndex) const {
    return static_cast<TspImagesMenuItem*>(TCollection::Items(AIndex));
  }
  TspImagesMenuItem* Add() { return static_cast<TspImagesMenuItem*>(TCollection::Add()); }

  TspSkinImagesMenu* const ImagesMenu;
};

class TspSkinImagesMenu : public TComponent {
 public:
  explicit TspSkinImagesMenu(TComponent* AOwner);
  // Frees an open window without any event.
  ~TspSkinImagesMenu() override;

  // Opens the menu below the screen point (X, Y), or below the screen rectangle R.
  // An open window closes first (its close events fire, item events do not); then
  // OnMenuPopup; without Images or with an empty image list nothing opens.
  void Popup(int X, int Y);
  void PopupFromRect(const TRect& R);
  // Closes an open menu without item events.
  void Hide();

  // The item at ItemIndex, nullptr when ItemIndex is outside the items.
  TspImagesMenuItem* GetSelectedItem() const;
  // The open window, nullptr while the menu is closed.
  TspSkinImagesMenuPopupWindow* PopupWindow() const { return FPopupWindow; }

  int ColumnsCount() const { return FColumnsCount; }
  // 1 to 50; any other value is ignored.
  void SetColumnsCount(int AValue);
  TspImagesMenuItems& ImagesItems() { return FImagesItems; }
  void SetImagesItems(const TspImagesMenuItems& AValue) { FImagesItems.Assign(AValue); }

  // Only stored; the menu hears when they are freed and forgets them.
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* AValue) { ReplaceNotified(FImages, AValue); }
  TspSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TspSkinData* AValue) { ReplaceNotified(FSkinData, AValue); }
  TspSkinHint* SkinHint() const { return FSkinHint; }
  void SetSkinHint(TspSkinHint* AValue);

  int ItemIndex = -1;
  // The cell at ItemIndex shows pressed until the mouse goes down on a cell.
  bool ShowSelectedItem = true;
  // The window is layered with AlphaBlendValue; with AlphaBlendAnimation it fades in
  // from nothing.
  bool AlphaBlend = false;
  bool AlphaBlendAnimation = false;
  BYTE AlphaBlendValue = 200;
  // Button captions take the skin button's font; else DefaultFont ("Arial", 14).
  bool UseSkinFont = true;
  TFont DefaultFont;
  bool ShowHints = true;

  TNotifyEvent OnItemClick;
  TNotifyEvent OnChange;
  TNotifyEvent OnMenuClose;
  TNotifyEvent OnMenuPopup;
  // Set by a hosting button: its change and close handlers.
  TNotifyEvent OnInternalChange;
  TNotifyEvent OnInternalMenuClose;

 protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override;

 private:
  friend class TspSkinImagesMenuPopupWindow;
  // The window has closed: forgets it (the window frees itself from the message
  // loop), then the close events and, with AProcessEvents, the item events.
  void WindowClosed(bool AProcessEvents);

  TspImagesMenuItems FImagesItems{this};
  TCustomImageList* FImages = nullptr;
  TspSkinData* FSkinData = nullptr;
  TspSkinHint* FSkinHint = nullptr;
  int FColumnsCount = 1;
  int FOldItemIndex = -1;
  TspSkinImagesMenuPopupWindow* FPopupWindow = nullptr;
};

// Where a picture menu of ASize opens from the screen rectangle R inside the work
// area WA: below R, above it when it would pass the bottom, moved left when it would
// pass the right edge, never above or left of the work area.
TPoint PlaceSkinImagesMenu(const TRect& WA, const TRect& R, TSize ASize);

// The window of an open picture menu.
class TspSkinImagesMenuPopupWindow : public TCustomControl {
 public:
  explicit TspSkinImagesMenuPopupWindow(TspSkinImagesMenu* AImagesMenu);
  ~TspSkinImagesMenuPopupWindow() override;

  // Lays the items out, sizes and places the window below the screen rectangle R,
  // shows it top-most without activation (fading in with the menu's
  // AlphaBlendAnimation), hooks the application's messages and
  // captures the mouse.
  void Show(const TRect& R);
  // Hides the window, undoes the hook and the capture and tells the menu, which lets
  // go of the window; the window is freed by the message loop, after the handler
  // that closed it has returned.
  void Hide(bool AProcessEvents);

  TspSkinImagesMenu* const ImagesMenu;
  // The menu's skin has a popup-window picture.
  bool FSkinSupport = false;
  TPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
  // The items area of the skin's popup picture moved to the window's size.
  TRect NewItemsRect;
  TBitmap* WindowPicture = nullptr;
  TBitmap* MaskPicture = nullptr;
  // The hot item and the one before it, -1 none.
  int MouseInItem = -1;
  int OldMouseInItem = -1;
  // A button went down in the window, and whether on an item.
  bool FDown = false;
  bool FItemDown = false;

 protected:
  void CreateParams(TCreateParams& AParams) override;
  void Dispatch(TMessage& AMessage) override;
  void Paint() override;
  void MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  void MouseMove(TShiftState AShift, int AX, int AY) override;
  void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;

 private:
  int ItemCount() const { return ImagesMenu->ImagesItems().Count(); }
  TspImagesMenuItem& Item(int AIndex) const { return *ImagesMenu->ImagesItems().Items(AIndex); }

  // SkinPictureMenu_Window.cpp
  // Sets every ItemRect; returns the height of the cells from the first one's top.
  int LayoutItems();
  int HeaderHeight(int ACellHeight) const;
  void SizeWindow();
  void AppMessage(MSG& AMessage);
  // Frees the window once the message loop takes a message posted now.
  void ReleaseLater();
  // One step of the fade in, on the window's fade timer.
  void FadeStep();

  // SkinPictureMenu_Input.cpp
  // The item (not a heading) under the client point, all edges inclusive; -1 none.
  int ItemAtPos(int AX, int AY) const;
  void SetMouseInItem(int AIndex);
  void MouseLeft();
  void ProcessKey(WORD AKey);
  // The first item that is not the leading heading.
  int FirstKeyItem() const;
  int ItemAbove() const;
  int ItemBelow() const;
  int NextItem() const;
  int PreviousItem() const;
  void HideSkinHint();

  // SkinPictureMenu_Paint.cpp
  void PaintBackground(TCanvas& ACanvas);
  void PaintCellFrame(TCanvas& ACanvas, const TRect& ACell, bool APressed);
  void PaintButtonCaption(TCanvas& ACanvas, const TspImagesMenuItem& AItem, TRect ATextRect, bool APressed,
                          bool AHot);
  void PaintHeading(TCanvas& ACanvas, const TspImagesMenuItem& AItem);

  // Hidden and let go by the menu, waiting for the message loop to free it.
  bool FClosed = false;
  // The alpha the fade in has reached.
  int FFadeAlpha = 0;
  TMessageHookId FAppHook = 0;
  TMessageHookId FReleaseHook = 0;
};
