#pragma once
// TCollection and TCollectionItem: an owned, ordered list of items of one class, that
// tells its owner when items change. User-interface thread only.

#include <functional>
#include <vector>

#include "platform/base/Persistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  // Joins ACollection at its end (nullptr: none).
  explicit TCollectionItem(TCollection* ACollection);
  // Leaves the collection.
  ~TCollectionItem() override;
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;

  TCollection* Collection() const { return FCollection; }
  // Moves the item to another collection (nullptr: out of any).
  void SetCollection(TCollection* AValue);
  // The place in the collection; -1 outside one.
  int Index() const;
  // Moves the item to that place (clamped to the collection).
  void SetIndex(int AValue);
  // A number unique in the collection, never given again.
  int ID() const { return FID; }
  // The name shown for the item; the class name unless overridden.
  virtual String GetDisplayName() const;

 protected:
  // Tells the collection that this item (AAllItems: all of them) changed.
  void Changed(bool AAllItems);

 private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int FID = 0;
};

class TCollection : public TPersistent {
 public:
  // Makes a new item of the collection's class in the collection.
  using TItemFactory = std::function<TCollectionItem*(TCollection*)>;
  template <typename TItem>
  static TItemFactory ItemClass() {
    return [](TCollection* ACollection) { return new TItem(ACollection); };
  }

  explicit TCollection(TItemFactory AItemClass);
  // Frees the items.
  ~TCollection() override;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  int Count() const { return static_cast<int>(FItems.size()); }
  // Raises EListError "List index out of bounds (n)" out of range.
  TCollectionItem* Items(int AIndex) const;
  TCollectionItem* FindItemID(int AID) const;

  // A new item at the end, or at AIndex.
  TCollectionItem* Add();
  TCollectionItem* Insert(int AIndex);
  // Frees the item at AIndex.
  void Delete(int AIndex);
  void Clear();
  // Counted: Update runs once, at the last EndUpdate, instead of at every change.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }
  // From another collection: the same number of items, each assigned from its
  // counterpart.
  void Assign(const TPersistent& ASource) override;

 protected:
  // AItem changed (nullptr: the collection as a whole, items added or removed).
  virtual void Update(TCollectionItem* AItem);
  // Calls Update unless updates are held back.
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* AItem);
  void RemoveItem(TCollectionItem* AItem);

  TItemFactory FItemClass;
  std::vector<TCollectionItem*> FItems;  // owned
  int FUpdateCount = 0;
  int FNextID = 0;
};
