#include "tests/platform/win/InputTestSupport.h"

namespace window_test {

std::vector<std::string> InputTest::InputLog(std::initializer_list<UINT> AMessages) const {
  return LogOf(AMessages);
}

void InputTest::Watch(UINT AMessage) {
  Answer(AMessage, [this](HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) -> std::optional<LRESULT> {
    FSeen.push_back({NameOf(AWindow), AMsg, AWParam, ALParam});
    return std::nullopt;
  });
}

std::vector<InputTest::TSeen> InputTest::SeenOf(UINT AMessage) const {
  std::vector<TSeen> Selected;
  for (const TSeen& Entry : FSeen)
    if (Entry.Message == AMessage) Selected.push_back(Entry);
  return Selected;
}

TPoint InputTest::At(const std::string& AName, int AX, int AY) const {
  POINT Point{AX, AY};
  ClientToScreen(Window(AName), &Point);
  return Point;
}

}  // namespace window_test
