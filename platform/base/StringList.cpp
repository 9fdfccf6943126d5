#include "platform/base/StringList.h"

#include <algorithm>
#include <numeric>

#include "platform/base/Exceptions.h"
#include "platform/base/Lists.h"

namespace {

[[noreturn]] void RaiseSortedListError() { throw EListError("Operation not allowed on sorted list"); }
[[noreturn]] void RaiseDuplicateError() { throw EListError("String list does not allow duplicates"); }

}  // namespace

int TStringList::AddObject(const String& AText, void* AObject) {
  int Index = Count();
  if (FSorted && Find(AText, Index)) {
    switch (Duplicates) {
      case dupIgnore:
        return Index;
      case dupError:
        RaiseDuplicateError();
      case dupAccept:
        // After the equal lines, so that equal lines keep the order they came in.
        while (Index < Count() && CompareStrings(FList[Index].FString, AText) == 0) ++Index;
        break;
    }
  }
  InsertItem(Index, AText, AObject);
  return Index;
}

void TStringList::Insert(int AIndex, const String& AText) {
  if (FSorted) RaiseSortedListError();
  CheckListIndex(AIndex, Count() + 1);
  InsertItem(AIndex, AText, nullptr);
}

void TStringList::InsertItem(int AIndex, const String& AText, void* AObject) {
  Changing();
  FList.insert(FList.begin() + AIndex, TStringItem{AText, AObject});
  Changed();
}

void TStringList::Delete(int AIndex) {
  CheckListIndex(AIndex, Count());
  Changing();
  FList.erase(FList.begin() + AIndex);
  Changed();
}

void TStringList::Clear() {
  if (FList.empty()) return;
  Changing();
  FList.clear();
  Changed();
}

void TStringList::Exchange(int AIndex1, int AIndex2) {
  if (FSorted) RaiseSortedListError();
  CheckListIndex(AIndex1, Count());
  CheckListIndex(AIndex2, Count());
  Changing();
  std::swap(FList[AIndex1], FList[AIndex2]);
  Changed();
}

int TStringList::IndexOf(const String& AText) const {
  if (!FSorted) return TStrings::IndexOf(AText);
  int Index;
  return Find(AText, Index) ? Index : -1;
}

bool TStringList::Find(const String& AText, int& AIndex) const {
  int Low = 0, High = Count() - 1;
  bool Found = false;
  while (Low <= High) {
    int Middle = Low + (High - Low) / 2;
    int Order = CompareStrings(FList[Middle].FString, AText);
    if (Order < 0) {
      Low = Middle + 1;
    } else {
      High = Middle - 1;
      Found = Found || Order == 0;
    }
  }
  AIndex = Low;
  return Found;
}

void TStringList::Sort() {
  if (FSorted) return;
  SortBy([this](int A, int B) { return CompareStrings(FList[A].FString, FList[B].FString) < 0; });
}

void TStringList::CustomSort(const TStringListSortCompare& ACompare) {
  if (FSorted) return;
  SortBy([&](int A, int B) { return ACompare(*this, A, B) < 0; });
}

// ALess compares the lines at two indexes of the list as it was before the sort, so a
// comparison by index stays meaningful: the order is found first, then applied.
void TStringList::SortBy(const std::function<bool(int, int)>& ALess) {
  if (Count() < 2) return;
  std::vector<int> Order(FList.size());
  std::iota(Order.begin(), Order.end(), 0);
  std::stable_sort(Order.begin(), Order.end(), ALess);
  Changing();
  std::vector<TStringItem> Sorted;
  Sorted.reserve(FList.size());
  for (int Index : Order) Sorted.push_back(std::move(FList[Index]));
  FList = std::move(Sorted);
  Changed();
}

void TStringList::SetSorted(bool ASorted) {
  if (ASorted == FSorted) return;
  if (ASorted) Sort();
  FSorted = ASorted;
}

void TStringList::SetCaseSensitive(bool ACaseSensitive) {
  if (ACaseSensitive == FCaseSensitive) return;
  FCaseSensitive = ACaseSensitive;
  if (FSorted) {
    FSorted = false;
    SetSorted(true);
  }
}

String TStringList::Get(int AIndex) const {
  CheckListIndex(AIndex, Count());
  return FList[AIndex].FString;
}

void TStringList::Put(int AIndex, const String& AText) {
  CheckListIndex(AIndex, Count());
  if (FSorted && !CheckSortedPlace(AIndex, AText)) return;
  Changing();
  FList[AIndex].FString = AText;
  Changed();
}

bool TStringList::CheckSortedPlace(int AIndex, const String& AText) const {
  int AfterPrevious = AIndex > 0 ? CompareStrings(AText, FList[AIndex - 1].FString) : 1;
  int BeforeNext = AIndex + 1 < Count() ? CompareStrings(FList[AIndex + 1].FString, AText) : 1;
  if (AfterPrevious < 0 || BeforeNext < 0) RaiseSortedListError();
  if (AfterPrevious > 0 && BeforeNext > 0) return true;
  if (Duplicates == dupError) RaiseDuplicateError();
  return Duplicates == dupAccept;
}

void* TStringList::GetObject(int AIndex) const {
  CheckListIndex(AIndex, Count());
  return FList[AIndex].FObject;
}

void TStringList::PutObject(int AIndex, void* AObject) {
  CheckListIndex(AIndex, Count());
  Changing();
  FList[AIndex].FObject = AObject;
  Changed();
}

void TStringList::SetUpdateState(bool AUpdating) {
  if (AUpdating)
    Changing();
  else
    Changed();
}

int TStringList::CompareStrings(std::string_view A, std::string_view B) const {
  return FCaseSensitive ? CompareStr(A, B) : CompareText(A, B);
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}
