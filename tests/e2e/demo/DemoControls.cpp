#include "tests/e2e/demo/DemoControls.h"

namespace e2e {
namespace {

testing_support::TNativeControlsForm* ShownForm = nullptr;

}  // namespace

testing_support::TNativeControlsForm* ShowDemoControls(std::function<void(const std::string&)> AEmit) {
  auto* Form = MakeForm<testing_support::TNativeControlsForm>(Application);
  Form->Edit->OnChange = [Form, Emit = std::move(AEmit)](TObject*) {
    Emit("edit:OnChange " + Form->Edit->Text());
  };
  Form->Show();
  ShownForm = Form;
  return Form;
}

TPoint EditEndPoint() { return ShownForm->EditEndPoint(); }

}  // namespace e2e
