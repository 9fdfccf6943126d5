#pragma once
// Actions: a command with its caption, state and image kept in one place and shared by
// the controls and menu items linked to it. User-interface thread only.

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/Component.h"

class TBasicActionLink;
class TActionList;
class TCustomImageList;

class TBasicAction : public TComponent {
 public:
  explicit TBasicAction(TComponent* AOwner);
  // Unlinks the clients (their links forget it).
  ~TBasicAction() override;

  // Runs OnExecute (with the action as sender); whether it ran.
  virtual bool Execute();
  // Runs OnUpdate, which brings the action's state up to date; whether it ran.
  virtual bool Update();
  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;
  // The client whose link executed the action last.
  TComponent* ActionComponent = nullptr;

 protected:
  // Tells every linked client that a property changed.
  void Change();

 private:
  friend class TBasicActionLink;
  std::vector<TBasicActionLink*> FClients;
};

// A client's link to an action: the client hears of every change of the action.
class TBasicActionLink {
 public:
  explicit TBasicActionLink(std::function<void(TBasicAction*)> AOnChange) : FOnChange(std::move(AOnChange)) {}
  ~TBasicActionLink();
  TBasicActionLink(const TBasicActionLink&) = delete;
  TBasicActionLink& operator=(const TBasicActionLink&) = delete;

  TBasicAction* Action() const { return FAction; }
  void SetAction(TBasicAction* AValue);
  // Executes the action for AComponent (which becomes its ActionComponent).
  bool Execute(TComponent* AComponent);
  bool Update();

 private:
  friend class TBasicAction;
  std::function<void(TBasicAction*)> FOnChange;
  TBasicAction* FAction = nullptr;
};

// Links AClient (a control or menu item) to AValue through its ALink, or unlinks it for
// nullptr: the client follows the action's free notification, takes the action's
// properties at once (keeping its own where they were set, while the action is still
// loading) and again at every change of the action.
void SetClientAction(TComponent& AClient, std::unique_ptr<TBasicActionLink>& ALink, TBasicAction* AValue,
                     const std::function<void(TBasicAction* AAction, bool ACheckDefaults)>& AActionChange);

class TCustomAction : public TBasicAction {
 public:
  explicit TCustomAction(TComponent* AOwner);
  ~TCustomAction() override;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& AValue);
  bool Checked() const { return FChecked; }
  void SetChecked(bool AValue);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool AValue);
  bool Visible() const { return FVisible; }
  void SetVisible(bool AValue);
  const String& Hint() const { return FHint; }
  void SetHint(const String& AValue);
  // An image of the action list's Images; -1 none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int AValue);
  TActionList* ActionList() const { return FActionList; }
  void SetActionList(TActionList* AValue);

  // Updates the action, then executes it when it is enabled.
  bool Execute() override;

 private:
  String FCaption;
  bool FChecked = false;
  bool FEnabled = true;
  bool FVisible = true;
  String FHint;
  int FImageIndex = -1;
  TActionList* FActionList = nullptr;
};

using TAction = TCustomAction;

class TActionList : public TComponent {
 public:
  explicit TActionList(TComponent* AOwner);
  ~TActionList() override;

  int ActionCount() const { return static_cast<int>(FActions.size()); }
  TCustomAction* Actions(int AIndex) const;
  TCustomImageList* Images() const { return FImages; }
  // Takes a TCustomImageList (a component, declared in ImgList.h); a template so that
  // the conversion to TComponent happens where the image list's class is known.
  template <typename TList = TCustomImageList>
  void SetImages(TList* AValue) {
    SetImagesComponent(AValue, AValue);
  }
  void SetImages(std::nullptr_t) { SetImagesComponent(nullptr, nullptr); }

 protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override;

 private:
  friend class TCustomAction;
  void SetImagesComponent(TCustomImageList* AImages, TComponent* AAsComponent);

  std::vector<TCustomAction*> FActions;  // not owned
  TCustomImageList* FImages = nullptr;
  TComponent* FImagesComponent = nullptr;
};
