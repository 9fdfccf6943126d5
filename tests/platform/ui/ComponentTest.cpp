#include <gtest/gtest.h>

#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/ui/Component.h"

namespace {

// Records its own destruction and the notifications it receives.
class TProbe : public TComponent {
 public:
  TProbe(TComponent* AOwner, const String& AName, std::vector<String>& ALog)
      : TComponent(AOwner), FLog(ALog) {
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

namespace {

// Records Loaded and the notifications it hears.
class TLoadProbe : public TComponent {
 public:
  TLoadProbe(TComponent* AOwner, const String& AName, std::vector<String>& ALog)
      : TComponent(AOwner), FLog(ALog) {
    SetName(AName);
  }
  ~TLoadProbe() override {
    FLog.push_back(Name() + (ComponentState().Contains(csDestroying) ? " freed while destroying" : " freed"));
  }

 protected:
  void Loaded() override {
    FLog.push_back(Name() + (ComponentState().Contains(csLoading) ? " loaded" : " loaded twice"));
    TComponent::Loaded();
  }
  void Notification(TComponent* AComponent, TOperation AOperation) override {
    TComponent::Notification(AComponent, AOperation);
    FLog.push_back(
        Format("%s hears %s %s", Name(), AOperation == opInsert ? "insert" : "remove", AComponent->Name()));
  }

 private:
  std::vector<String>& FLog;
};

}  // namespace

TEST(TComponent, EndLoadingCallsLoadedOnTheOwnedComponentsThenTheOwner) {
  std::vector<String> Log;
  TLoadProbe Form(nullptr, "form", Log);
  Form.BeginLoading();
  new TLoadProbe(&Form, "a", Log);
  auto* B = new TLoadProbe(&Form, "b", Log);
  B->BeginLoading();
  EXPECT_TRUE(Form.ComponentState().Contains(csLoading));
  Log.clear();
  Form.EndLoading();
  EXPECT_EQ(Log, (std::vector<String>{"b loaded", "form loaded"}));
  EXPECT_FALSE(B->ComponentState().Contains(csLoading));
}

TEST(TComponent, TheOwnerAndItsComponentsHearOfInsertionsAndRemovals) {
  std::vector<String> Log;
  TLoadProbe Form(nullptr, "form", Log);
  auto Insert = [&](const String& AName) {
    auto* Probe = new TLoadProbe(nullptr, AName, Log);
    Form.InsertComponent(Probe);
    return Probe;
  };
  TLoadProbe* A = Insert("a");
  TLoadProbe* B = Insert("b");
  Form.RemoveComponent(A);
  EXPECT_EQ(Log, (std::vector<String>{"form hears insert a", "a hears insert b", "form hears insert b",
                                      "b hears remove a", "form hears remove a"}));
  delete A;
  EXPECT_EQ(Form.ComponentCount(), 1);
  EXPECT_EQ(Form.Components(0), B);
}

TEST(TComponent, AnOwnerFreesLastFirstWhileItsComponentsKnowItIsGoing) {
  std::vector<String> Log;
  {
    TLoadProbe Form(nullptr, "form", Log);
    auto* A = new TLoadProbe(&Form, "a", Log);
    auto* B = new TLoadProbe(&Form, "b", Log);
    B->FreeNotification(A);
    Log.clear();
  }
  EXPECT_EQ(Log, (std::vector<String>{"form freed", "b freed while destroying", "a hears remove b",
                                      "a freed while destroying"}));
}
