// The skin form's life: finding it, taking over the form's window procedure and
// giving it back.

#include <gtest/gtest.h>

#include "components/forms/SkinForm.h"
#include "platform/ui/Forms.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace {

class SkinFormComponentTest : public ::testing::Test {
 protected:
  void SetUp() override { StartWindowSystem(std::make_unique<THeadlessBackend>()); }
  void TearDown() override {
    DoneApplication();
    StopWindowSystem();
  }
};

TEST_F(SkinFormComponentTest, FindSkinFormReturnsTheFirstOwnedComponentOrNone) {
  TForm* Form = Application->CreateForm<TForm>();
  EXPECT_EQ(FindSkinForm(nullptr), nullptr);
  EXPECT_EQ(FindSkinForm(Form), nullptr);
  auto* First = new TspSkinForm(Form);
  new TspSkinForm(Form);
  EXPECT_EQ(FindSkinForm(Form), First);
}

}  // namespace
