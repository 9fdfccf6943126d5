// The header's sections and their geometry.

#include "platform/ui/native/HeaderModel.h"

#include <algorithm>
#include <cstring>

void CopyTextToBuffer(const String& AText, char* ABuffer, int ASize) {
  if (!ABuffer || ASize <= 0) return;
  size_t Length = std::min(AText.size(), static_cast<size_t>(ASize - 1));
  while (Length > 0 && Length < AText.size() && (static_cast<unsigned char>(AText[Length]) & 0xC0) == 0x80)
    --Length;
  std::memcpy(ABuffer, AText.data(), Length);
  ABuffer[Length] = '\0';
}

int THeaderModel::Insert(int AIndex, const THeaderSection& ASection) {
  const int Index = std::clamp(AIndex, 0, Count());
  FSections.insert(FSections.begin() + Index, ASection);
  for (int& Shown : FOrder)
    if (Shown >= Index) ++Shown;
  // A new section takes the place in the shown order that its index has.
  FOrder.insert(FOrder.begin() + std::min<int>(Index, static_cast<int>(FOrder.size())), Index);
  return Index;
}

bool THeaderModel::Delete(int AIndex) {
  if (!IsValid(AIndex)) return false;
  FSections.erase(FSections.begin() + AIndex);
  FOrder.erase(std::find(FOrder.begin(), FOrder.end(), AIndex));
  for (int& Shown : FOrder)
    if (Shown > AIndex) --Shown;
  return true;
}

bool THeaderModel::SetOrder(const std::vector<int>& AOrder) {
  if (static_cast<int>(AOrder.size()) != Count()) return false;
  std::vector<int> Sorted = AOrder;
  std::sort(Sorted.begin(), Sorted.end());
  for (int I = 0; I < Count(); ++I)
    if (Sorted[I] != I) return false;
  FOrder = AOrder;
  return true;
}

int THeaderModel::PositionOf(int AIndex) const {
  const auto It = std::find(FOrder.begin(), FOrder.end(), AIndex);
  return It == FOrder.end() ? -1 : static_cast<int>(It - FOrder.begin());
}

void THeaderModel::MoveTo(int AIndex, int APosition) {
  const int From = PositionOf(AIndex);
  if (From < 0) return;
  FOrder.erase(FOrder.begin() + From);
  FOrder.insert(FOrder.begin() + std::clamp(APosition, 0, static_cast<int>(FOrder.size())), AIndex);
}

int THeaderModel::PositionAt(int AX) const {
  int Left = 0;
  for (int Position = 0; Position < Count(); ++Position) {
    Left += std::max(0, FSections[FOrder[Position]].Width);
    if (AX < Left) return Position;
  }
  return std::max(0, Count() - 1);
}

TRect THeaderModel::ItemRect(int AIndex, int AHeight) const {
  if (!IsValid(AIndex)) return {};
  int Left = 0;
  for (int Shown : FOrder) {
    const int Width = std::max(0, FSections[Shown].Width);
    if (Shown == AIndex) return Rect(Left, 0, Left + Width, AHeight);
    Left += Width;
  }
  return {};
}

int THeaderModel::HitTest(HDHITTESTINFO& AInfo, int AHeight, int AWindowWidth) const {
  AInfo.iItem = -1;
  const POINT P = AInfo.pt;
  if (P.Y < 0 || P.Y >= AHeight || P.X < 0 || P.X >= AWindowWidth) {
    AInfo.flags = P.X < 0 ? HHT_TOLEFT : P.X >= AWindowWidth ? HHT_TORIGHT : HHT_NOWHERE;
    return -1;
  }
  int Left = 0;
  int Divider = -1;
  int Under = -1;
  for (int Shown : FOrder) {
    const int Right = Left + std::max(0, FSections[Shown].Width);
    if (P.X >= Right - DividerGrip && P.X < Right + DividerGrip) Divider = Shown;
    if (P.X >= Left && P.X < Right) Under = Shown;
    Left = Right;
  }
  if (Divider >= 0) {
    AInfo.flags = HHT_ONDIVIDER;
    AInfo.iItem = Divider;
  } else if (Under >= 0) {
    AInfo.flags = HHT_ONHEADER;
    AInfo.iItem = Under;
  } else {
    AInfo.flags = HHT_NOWHERE;
  }
  return AInfo.iItem;
}
