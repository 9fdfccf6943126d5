#pragma once
// A fixture for the list box tests: a TListBox on the headless host, and a record of
// what the list box's window sends its parent (WM_COMMAND notifications and the
// WM_DRAWITEM records), taken in front of the host's window procedure.

#include <vector>

#include "platform/ui/native/ListBox.h"
#include "platform/ui/native/ListBoxMessages.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace ui_test {

class ListBoxTest : public UiTest {
 protected:
  // The host grows to 300 × 200.
  void SetUp() override;

  // A list box on the host at (10, 10), 120 × 150 (no border: that is its client
  // area), owner-drawn by its default DrawItem in rows of 16 pixels, holding AItems;
  // AConfigure sets it up before the items go in. The host is shown.
  TListBox& NewList(std::initializer_list<const char*> AItems,
                    const std::function<void(TListBox&)>& AConfigure = nullptr);
  TListBox& List() { return *FList; }
  LRESULT Send(UINT AMsg, WPARAM AWParam = 0, LPARAM ALParam = 0);
  // The screen point in the middle of an item's rectangle.
  TPoint OnItem(int AIndex);
  // The selected items, in order.
  std::vector<int> SelectedItems();

  // Notification codes of the WM_COMMAND messages from the list box, in order.
  std::vector<WORD> Notifications;
  // The WM_DRAWITEM records the host received, in order.
  std::vector<DRAWITEMSTRUCT> DrawnItems;

 private:
  TListBox* FList = nullptr;
};

}  // namespace ui_test
