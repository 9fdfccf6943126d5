#pragma once
// The caption part of a skinned form (TspSkinForm::CaptionPart()): the caption buttons and
// the caption's quick buttons. It makes the six built-in caption buttons of a form
// without skin and places them, enables and shows the caption buttons by the
// component's BorderIcons, HideCaptionButtons and DisableSystemMenu, gives them their
// hints, packs the movable caption buttons along the caption of the current size, and
// keeps the quick buttons with their image list.
//
// The buttons themselves are frame objects of the component's ObjectList
// (TspSkinStdButtonObject, TspSkinCaptionObject in SkinForm.h); the properties that
// steer them (ShowIcon, HideCaptionButtons, DisableSystemMenu, UseDefaultObjectHint,
// OnActivateCustomObject, QuickButtonsShowHint) are the component's.
//
// Owned by the component, made with it and freed by it; it reaches the form, the skin
// and the other parts through its component. User-interface thread only.
//
// Implementation: SkinForm_CaptionButtons.cpp (the built-in buttons, border icons and
// hints), SkinForm_LayoutCaption.cpp (the packing along the caption),
// SkinForm_CaptionQuickButtons.cpp (the quick buttons).

#include <memory>
#include <optional>

#include "components/core/SkinData.h"
#include "platform/ui/Collection.h"
#include "platform/ui/Controls.h"
#include "platform/ui/ImgList.h"

class TspSkinForm;
class TspSkinPopupMenu;
class TspActiveSkinObject;
class TspSkinStdButtonObject;
class TspSkinCaptionObject;

// ---------------------------------------------------------------- quick buttons
//
// One small image button of the caption's quick-button row (SkinForm_CaptionQuickButtons.cpp).
// ItemRect, Active and Down belong to the caption that lays the row out and tracks the
// mouse over it; the application sets the rest.
class TspQuickButtonItem : public TCollectionItem {
 public:
  explicit TspQuickButtonItem(TCollection* ACollection);

  // Copies image index, hint, enabled and visible from another quick button (not the
  // events).
  void Assign(const TPersistent& ASource) override;
  int ImageIndex() const { return FImageIndex; }
  bool Enabled() const { return FEnabled; }
  bool Visible() const { return FVisible; }
  // Each stores the value and repaints the form's frame.
  virtual void SetImageIndex(int AValue);
  virtual void SetEnabled(bool AValue);
  virtual void SetVisible(bool AValue);
  // Opens below the button when it is pressed; not owned, forgotten when it goes.
  TspSkinPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TspSkinPopupMenu* AValue);

  String Hint;
  // A left press and release on the button, the quick button as sender.
  TNotifyEvent OnClick;
  // Any press on the button, the quick button as sender, at the window point.
  TMouseEvent OnMouseDown;
  // Where the caption last laid the button out, in window coordinates.
  TRect ItemRect;
  // Under the mouse; pressed and waiting for the release.
  bool Active = false;
  bool Down = false;

 private:
  int FImageIndex = -1;
  bool FEnabled = true;
  bool FVisible = true;
  TspSkinPopupMenu* FPopupMenu = nullptr;
};

// The form's quick buttons; a change of any of them repaints the form's frame (not
// while the form is being designed or loaded).
class TspQuickButtonItems : public TCollection {
 public:
  explicit TspQuickButtonItems(TspSkinForm* AForm);

  TspQuickButtonItem& Item(int AIndex) const { return static_cast<TspQuickButtonItem&>(*Items(AIndex)); }
  TspQuickButtonItem& Add() { return static_cast<TspQuickButtonItem&>(*TCollection::Add()); }
  TspSkinForm* DSF;

 protected:
  void Update(TCollectionItem* AItem) override;
};

class TspSkinFormCaption {
 public:
  explicit TspSkinFormCaption(TspSkinForm& ASkinForm);
  TspSkinFormCaption(const TspSkinFormCaption&) = delete;
  TspSkinFormCaption& operator=(const TspSkinFormCaption&) = delete;

  // ---- Caption buttons (SkinForm_CaptionButtons.cpp)
  // The six built-in caption buttons, then ApplyBorderIcons.
  void CreateDefaultButtons();
  // Places the built-in caption buttons along the built-in caption and narrows
  // NewDefCaptionRect to what they leave.
  void PlaceDefaultButtons();
  // Drops the built-in caption buttons from the object list.
  void DropDefaultButtons();
  // Caption buttons, and animations drawn as buttons, enabled and shown by
  // BorderIcons, HideCaptionButtons and DisableSystemMenu; then their hints.
  void ApplyBorderIcons();
  // The hints of the caption buttons and animations by their commands, from the skin's
  // string table or the built-in texts.
  void UpdateButtonHints();
  // The system's small-icon size, or the built-in button size where the system has
  // none.
  TPoint GetSmallIconSize() const;

  // ---- The packing along the caption (SkinForm_LayoutCaption.cpp)
  // Packs the caption buttons and animations along the caption of the current size
  // (frame mode).
  void PlaceCaptionButtons();
  // The command of a caption button or animation; none for any other object.
  static std::optional<TStdCommand> CaptionCommandOf(const TspActiveSkinObject& AObject);
  // The first visible caption button or animation of ACommand drawn from a picture of
  // its own; nullptr for none.
  TspActiveSkinObject* FindMovableCaptionObject(TStdCommand ACommand) const;
  // The same among the caption buttons alone.
  TspSkinStdButtonObject* FindMovableCaptionButton(TStdCommand ACommand) const;
  // The size of its picture; the small-icon size for a system-menu button showing the
  // form's icon.
  TPoint CaptionButtonSize(const TspActiveSkinObject& AButton) const;
  TspSkinCaptionObject* FirstCaptionObject() const;

  // ---- Quick buttons (SkinForm_CaptionQuickButtons.cpp)
  // Small image buttons at the left end of every caption object, drawn from
  // QuickImageList; they show only in frame mode and when the list is set.
  TspQuickButtonItems& QuickButtons() const { return *FQuickButtons; }
  // Takes over copies of AValue's items.
  void SetQuickButtons(const TspQuickButtonItems& AValue);
  TCustomImageList* QuickImageList() const { return FQuickImageList; }
  // Not owned; cleared when the list goes (the component's Notification).
  void SetQuickImageList(TCustomImageList* AValue);
  // At least one quick button and an image list to draw them from.
  bool HasQuickButtons() const;
  // Every quick button loses its hot and pressed state (the form went inactive).
  void ReleaseQuickButtons();
  // A component being freed: the image list or a quick button's popup menu is let go.
  void ForgetComponent(TComponent* AComponent);

 private:
  // Step 3 of ApplyBorderIcons: the first caption object shows the form's caption when
  // no caption object does.
  void TakeDefaultCaption();
  // Whether BorderIcons (and DisableSystemMenu) let a button of ACommand work; none for
  // the close and plain commands, which other rules decide.
  std::optional<bool> EnabledByBorderIcons(TStdCommand ACommand) const;

  TspSkinForm& SkinForm;
  std::unique_ptr<TspQuickButtonItems> FQuickButtons;
  TCustomImageList* FQuickImageList = nullptr;
};
