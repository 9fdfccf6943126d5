#pragma once
// The component model: a component is owned by its owner, which frees it; components
// that refer to one another without owning register for free notification, so the
// reference is cleared when the other one goes. User-interface thread only.

#include <vector>

#include "platform/base/Persistent.h"
#include "platform/base/Set.h"
#include "platform/base/Strings.h"

enum TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning, csUpdating };
using TComponentState = TSet<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* AOwner);
  // Marks the component and everything it owns csDestroying, tells every component
  // that asked for free notification (opRemove), frees the owned components, last
  // created first, and leaves the owner.
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return FOwner; }
  // The owned components in creation order.
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  // Raises EListError for an index out of range.
  TComponent* Components(int AIndex) const;
  // The place among the owner's components; -1 without an owner.
  int ComponentIndex() const;
  // The owned component of that name, compared without regard to case; nullptr when
  // none (or for an empty name).
  TComponent* FindComponent(const String& AName) const;

  const String& Name() const { return FName; }
  // Controls with csSetCaption take the new name as their caption while the caption
  // is the old name.
  virtual void SetName(const String& AName) { FName = AName; }
  long long Tag = 0;
  const TComponentState& ComponentState() const { return FComponentState; }

  // Moves AComponent under this owner (leaving its old owner); the owner and its
  // components hear opInsert.
  void InsertComponent(TComponent* AComponent);
  // The owner and its components hear opRemove; AComponent is not freed.
  void RemoveComponent(TComponent* AComponent);
  // AComponent will be told (opRemove) when this component is freed, and this one when
  // AComponent is; either side may drop the link with RemoveFreeNotification.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // Forms are built in code: the form's constructor brackets the making of its
  // components with these two calls, as reading a form description would. BeginLoading
  // sets csLoading on this component and everything it owns; EndLoading calls Loaded
  // on every owned component (in creation order) and then on this one.
  void BeginLoading();
  void EndLoading();
  // csDesigning, here and in everything owned (components made later inherit it).
  void SetDesigning(bool ADesigning);

 protected:
  // Points AField (a reference this component keeps but does not own) at AValue, moving
  // the free notification from the old component to the new one.
  template <class T>
  void ReplaceNotified(T*& AField, T* AValue) {
    if (AField) AField->RemoveFreeNotification(this);
    AField = AValue;
    if (AField) AField->FreeNotification(this);
  }

  // The component has been set up as a whole: csLoading is cleared. Overrides do the
  // work that had to wait for every property (and call the inherited Loaded).
  virtual void Loaded();
  // AComponent was added to or is being removed from the owner, or is being freed
  // while this component asked for free notification. The default passes the notice
  // on to the owned components, so that references between siblings are cleared too.
  virtual void Notification(TComponent* AComponent, TOperation AOperation);
  // Sets csDestroying here and in everything owned; the destructor does it first.
  void Destroying();
  // Frees the owned components now, last created first. A class whose components
  // reach back into it while they go (a form and the components on it) calls this at
  // the top of its own destructor, while the whole object still exists.
  void DestroyComponents();
  void SetComponentState(TComponentStateItem AItem, bool AOn);

 private:
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);

  TComponent* FOwner = nullptr;
  String FName;
  std::vector<TComponent*> FComponents;    // owned, in creation order
  std::vector<TComponent*> FFreeNotifies;  // not owned
  TComponentState FComponentState;
};
