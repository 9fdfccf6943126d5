#pragma once
// The class library's lists: TList holds pointers it does not own; TObjectList<T> owns
// its objects and frees them when they are deleted or the list goes. Both check every
// index and raise EListError ("List index out of bounds (%d)") for a bad one.

#include <memory>
#include <vector>

// Raises EListError for AIndex, which lies outside the list.
[[noreturn]] void RaiseListIndexError(int AIndex);

// Raises EListError unless 0 <= AIndex < ACount.
inline void CheckListIndex(int AIndex, int ACount) {
  if (AIndex < 0 || AIndex >= ACount) RaiseListIndexError(AIndex);
}

class TList {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  void* Items(int AIndex) const;
  void SetItems(int AIndex, void* AItem);

  // Appends AItem and returns its index.
  int Add(void* AItem);
  // Inserts before AIndex; AIndex may be Count() to append.
  void Insert(int AIndex, void* AItem);
  void Delete(int AIndex);
  // The index of the first occurrence of AItem, or -1.
  int IndexOf(const void* AItem) const;
  // Deletes the first occurrence of AItem and returns its former index, or -1.
  int Remove(const void* AItem);
  void Clear() { FItems.clear(); }

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

 private:
  std::vector<void*> FItems;
};

template <typename T>
class TObjectList {
 public:
  TObjectList() = default;
  ~TObjectList() { Clear(); }
  TObjectList(const TObjectList&) = delete;
  TObjectList& operator=(const TObjectList&) = delete;

  int Count() const { return static_cast<int>(FItems.size()); }
  T* Items(int AIndex) const {
    CheckListIndex(AIndex, Count());
    return FItems[AIndex].get();
  }

  // Takes AItem over and returns its index.
  int Add(std::unique_ptr<T> AItem) {
    FItems.push_back(std::move(AItem));
    return Count() - 1;
  }
  // Takes AItem over and inserts it before AIndex; AIndex may be Count() to append.
  void Insert(int AIndex, std::unique_ptr<T> AItem) {
    CheckListIndex(AIndex, Count() + 1);
    FItems.insert(FItems.begin() + AIndex, std::move(AItem));
  }
  // Frees the object at AIndex. It leaves the list before it is freed, so its
  // destructor finds the list consistent.
  void Delete(int AIndex) {
    CheckListIndex(AIndex, Count());
    std::unique_ptr<T> Item = std::move(FItems[AIndex]);
    FItems.erase(FItems.begin() + AIndex);
  }
  int IndexOf(const T* AItem) const {
    for (int I = 0; I < Count(); ++I)
      if (FItems[I].get() == AItem) return I;
    return -1;
  }
  void Exchange(int AIndex1, int AIndex2) {
    CheckListIndex(AIndex1, Count());
    CheckListIndex(AIndex2, Count());
    std::swap(FItems[AIndex1], FItems[AIndex2]);
  }
  // Frees AItem and returns its former index, or -1 when the list does not hold it.
  int Remove(const T* AItem) {
    int Index = IndexOf(AItem);
    if (Index >= 0) Delete(Index);
    return Index;
  }
  // Hands AItem back to the caller without freeing it; empty when the list does not
  // hold it.
  std::unique_ptr<T> Extract(const T* AItem) {
    int Index = IndexOf(AItem);
    if (Index < 0) return nullptr;
    std::unique_ptr<T> Item = std::move(FItems[Index]);
    FItems.erase(FItems.begin() + Index);
    return Item;
  }
  // Frees every object, the last one first, as the class library does.
  void Clear() {
    while (!FItems.empty()) Delete(Count() - 1);
  }

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

 private:
  std::vector<std::unique_ptr<T>> FItems;
};
