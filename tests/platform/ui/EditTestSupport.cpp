#include "tests/platform/ui/EditTestSupport.h"

#include "platform/win/Windows.h"
#include "platform/win/headless/HeadlessInput.h"

namespace ui_test {

TEdit& EditTest::NewEdit(const String& AText) {
  auto* Edit = new TEdit(&Host());
  Edit->SetBorderStyle(bsNone);
  Edit->SetBounds(10, 10, 150, Edit->Height());
  Edit->SetParent(&Host());
  Edit->SetText(AText);
  ShowHost();
  return *Edit;
}

void EditTest::Focus(TWinControl& AControl) {
  ::SetFocus(AControl.Handle());
  Pump();
}

LRESULT EditTest::Send(TWinControl& AControl, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  return SendMessage(AControl.Handle(), AMsg, AWParam, ALParam);
}

std::pair<int, int> EditTest::Selection(TWinControl& AControl) {
  DWORD Start = 0, End = 0;
  Send(AControl, EM_GETSEL, reinterpret_cast<WPARAM>(&Start), reinterpret_cast<LPARAM>(&End));
  return {static_cast<int>(Start), static_cast<int>(End)};
}

TPoint EditTest::PositionPoint(TWinControl& AControl, int APos) {
  const LRESULT Packed = Send(AControl, EM_POSFROMCHAR, static_cast<WPARAM>(APos));
  return {static_cast<int16_t>(LOWORD(Packed)), static_cast<int16_t>(HIWORD(Packed))};
}

TPoint EditTest::ScreenPointOf(TWinControl& AControl, int APos) {
  const TPoint P = PositionPoint(AControl, APos);
  return AControl.ClientToScreen({P.X, P.Y + 3});
}

void EditTest::Keys(std::initializer_list<std::pair<UINT, UINT>> AStrokes) {
  for (const auto& [Key, Modifiers] : AStrokes) InjectKeyStroke(Key, Modifiers);
  Pump();
}

String EditTest::ClipboardText() {
  String Text;
  if (OpenClipboard(nullptr)) {
    if (HGLOBAL Block = GetClipboardData(CF_UNICODETEXT)) Text = Block->Text;
    CloseClipboard();
  }
  return Text;
}

void EditTest::SetClipboardText(const String& AText) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, AllocClipboardText(AText));
  CloseClipboard();
}

}  // namespace ui_test
