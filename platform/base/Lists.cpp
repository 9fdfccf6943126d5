#include "platform/base/Lists.h"

#include "platform/base/Exceptions.h"

void RaiseListIndexError(int AIndex) { throw EListError(Format("List index out of bounds (%d)", AIndex)); }

void* TList::Items(int AIndex) const {
  CheckListIndex(AIndex, Count());
  return FItems[AIndex];
}

void TList::SetItems(int AIndex, void* AItem) {
  CheckListIndex(AIndex, Count());
  FItems[AIndex] = AItem;
}

int TList::Add(void* AItem) {
  FItems.push_back(AItem);
  return Count() - 1;
}

void TList::Insert(int AIndex, void* AItem) {
  CheckListIndex(AIndex, Count() + 1);
  FItems.insert(FItems.begin() + AIndex, AItem);
}

void TList::Delete(int AIndex) {
  CheckListIndex(AIndex, Count());
  FItems.erase(FItems.begin() + AIndex);
}

int TList::IndexOf(const void* AItem) const {
  for (int I = 0; I < Count(); ++I)
    if (FItems[I] == AItem) return I;
  return -1;
}

int TList::Remove(const void* AItem) {
  int Index = IndexOf(AItem);
  if (Index >= 0) Delete(Index);
  return Index;
}
