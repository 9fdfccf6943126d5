#include "tests/platform/ui/ListBoxTestSupport.h"

#include "platform/win/MessageQueue.h"

namespace ui_test {

void ListBoxTest::SetUp() {
  UiTest::SetUp();
  Host().SetBounds(100, 100, 300, 200);
  TWndMethod HostProc = Host().WindowProc;
  Host().WindowProc = [this, HostProc](TMessage& AMessage) {
    if (AMessage.Msg == WM_COMMAND && FList && FList->HandleAllocated() &&
        reinterpret_cast<HWND>(AMessage.LParam) == FList->Handle())
      Notifications.push_back(HIWORD(AMessage.WParam));
    if (AMessage.Msg == WM_DRAWITEM)
      DrawnItems.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(AMessage.LParam));
    HostProc(AMessage);
  };
}

TListBox& ListBoxTest::NewList(std::initializer_list<const char*> AItems,
                               const std::function<void(TListBox&)>& AConfigure) {
  FList = new TListBox(&Host());
  FList->SetParent(&Host());
  FList->SetBounds(10, 10, 120, 150);
  FList->SetStyle(lbOwnerDrawFixed);
  FList->SetItemHeight(16);
  if (AConfigure) AConfigure(*FList);
  for (const char* Item : AItems) FList->Items().Add(Item);
  ShowHost();
  return *FList;
}

LRESULT ListBoxTest::Send(UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  return SendMessage(FList->Handle(), AMsg, AWParam, ALParam);
}

TPoint ListBoxTest::OnItem(int AIndex) {
  const TRect Row = FList->ItemRect(AIndex);
  return FList->ClientToScreen({(Row.Left + Row.Right) / 2, (Row.Top + Row.Bottom) / 2});
}

std::vector<int> ListBoxTest::SelectedItems() {
  std::vector<int> Result;
  for (int I = 0; I < FList->Items().Count(); ++I)
    if (FList->Selected(I)) Result.push_back(I);
  return Result;
}

}  // namespace ui_test
