#pragma once
// The component model: a component is owned by its owner, which frees it; components
// that refer to one another without owning register for free notification, so the
// reference is cleared when the other one goes.

#include <vector>

#include "platform/base/Set.h"
#include "platform/base/Strings.h"

class TPersistent {
public:
  virtual ~TPersistent() = default;
  // Copies ASource into this object; raises EConvertError when the classes don't fit.
  virtual void Assign(const TPersistent& ASource);

protected:
  virtual void AssignTo(TPersistent& ADest) const;
};

enum TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning, csUpdating };
using TComponentState = TSet<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
public:
  explicit TComponent(TComponent* AOwner);
  // Frees the owned components, last created first, after telling every component
  // that asked for free notification.
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int AIndex) const;
  int ComponentIndex() const;
  TComponent* FindComponent(const String& AName) const;

  const String& Name() const { return FName; }
  void SetName(const String& AName) { FName = AName; }
  long long Tag = 0;
  const TComponentState& ComponentState() const { return FComponentState; }

  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  // AComponent will be told (opRemove) when this component is freed.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // Called after the component has been set up as a whole (the counterpart of a form
  // finishing to load): csLoading is cleared.
  virtual void Loaded();

protected:
  // AComponent was added to or is being removed from the owner, or is being freed
  // while this component asked for free notification.
  virtual void Notification(TComponent* AComponent, TOperation AOperation);
  void SetComponentState(TComponentStateItem AItem, bool AOn);

private:
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);

  TComponent* FOwner = nullptr;
  String FName;
  std::vector<TComponent*> FComponents;      // owned, in creation order
  std::vector<TComponent*> FFreeNotifies;    // not owned
  TComponentState FComponentState;
};
