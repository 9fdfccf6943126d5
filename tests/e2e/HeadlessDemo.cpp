#include "tests/e2e/HeadlessDemo.h"

#include <memory>

#include "platform/ui/Forms.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/e2e/demo/DemoControls.h"

namespace e2e {

THeadlessDemo::THeadlessDemo() {
  StartWindowSystem(std::make_unique<THeadlessBackend>());
  const auto Emit = [this](const std::string& ALine) {
    if (FLogging) FLog.push_back(ALine);
  };
  ShowDemoControls(Emit);
  FWindows = CreateDemoWindows(Emit);
  ProcessPendingMessages();
  FLogging = true;
}

THeadlessDemo::~THeadlessDemo() {
  FLogging = false;
  DoneApplication();
  StopWindowSystem();
}

void THeadlessDemo::Run() { ProcessPendingMessages(); }

}  // namespace e2e
