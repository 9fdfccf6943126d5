#include "platform/ui/Component.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/base/Exceptions.h"

namespace {

// Records its own destruction and the notifications it receives.
class TProbe : public TComponent {
public:
  TProbe(TComponent* AOwner, const String& AName, std::vector<String>& ALog) : TComponent(AOwner), FLog(ALog) {
    SetName(AName);
  }
  ~TProbe() override { FLog.push_back("free " + Name()); }

  TComponent* Partner = nullptr;

protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override {
    TComponent::Notification(AComponent, AOperation);
    if (AOperation == opRemove && AComponent == Partner) Partner = nullptr;
  }

private:
  std::vector<String>& FLog;
};

}  // namespace

TEST(TComponent, OwnerKeepsCreationOrderAndFreesLastFirst) {
  std::vector<String> Log;
  {
    TComponent Form(nullptr);
    new TProbe(&Form, "First", Log);
    auto* Second = new TProbe(&Form, "Second", Log);
    new TProbe(Second, "Child", Log);
    ASSERT_EQ(2, Form.ComponentCount());
    EXPECT_EQ("First", Form.Components(0)->Name());
    EXPECT_EQ(1, Second->ComponentIndex());
    EXPECT_EQ(Second, Form.FindComponent("second"));
    EXPECT_THROW(Form.Components(2), EListError);
  }
  EXPECT_EQ((std::vector<String>{"free Second", "free Child", "free First"}), Log);
}

TEST(TComponent, FreeingAComponentLeavesItsOwnerAndClearsReferences) {
  std::vector<String> Log;
  TComponent Form(nullptr);
  auto* Target = new TProbe(&Form, "Target", Log);
  TComponent Elsewhere(nullptr);
  auto* Watcher = new TProbe(&Elsewhere, "Watcher", Log);
  Watcher->Partner = Target;
  Target->FreeNotification(Watcher);
  delete Target;
  EXPECT_EQ(0, Form.ComponentCount());
  EXPECT_EQ(nullptr, Watcher->Partner);
}

TEST(TComponent, InsertComponentMovesBetweenOwners) {
  TComponent A(nullptr), B(nullptr);
  auto* Item = new TComponent(&A);
  B.InsertComponent(Item);
  EXPECT_EQ(&B, Item->Owner());
  EXPECT_EQ(0, A.ComponentCount());
  EXPECT_EQ(1, B.ComponentCount());
}
