#include "tests/platform/ui/FormsTestSupport.h"

#include "platform/win/Focus.h"
#include "platform/win/WindowSystem.h"

namespace ui_test {

void FormsTest::SetUp() { StartWindowSystem(std::make_unique<THeadlessBackend>()); }

void FormsTest::TearDown() {
  DoneApplication();
  StopWindowSystem();
}

void FormsTest::Pump() { Application->ProcessMessages(); }

TForm* FormsTest::NewForm(const String& AName, int ALeft, int ATop) {
  TForm* Form = Application->CreateForm<TForm>();
  Form->SetName(AName);
  Form->SetLeft(ALeft);
  Form->SetTop(ATop);
  Form->SetClientWidth(200);
  Form->SetClientHeight(150);
  return Form;
}

TButton* FormsTest::NewButton(TWinControl* AParent, const String& ACaption, int AX, int AY) {
  auto* Button = new TButton(AParent);
  Button->SetParent(AParent);
  Button->SetBounds(AX, AY, 75, 25);
  Button->SetCaption(ACaption);
  return Button;
}

String FormsTest::FocusedName() {
  TWinControl* Control = FindControl(GetFocus());
  return Control ? Control->Name() : String("none");
}

}  // namespace ui_test
