// Actions linked to controls: the control takes over the action's state, runs it when
// clicked, and forgets it when it goes.

#include <gtest/gtest.h>

#include "platform/ui/Actions.h"
#include "platform/ui/Control.h"

TEST(TCustomAction, ALinkedControlFollowsTheActionAndRunsIt) {
  TComponent Form(nullptr);
  auto* List = new TActionList(&Form);
  auto* Action = new TCustomAction(&Form);
  Action->SetActionList(List);
  Action->SetCaption("Convert");
  Action->SetHint("Convert the checked items");
  int Executed = 0;
  Action->OnExecute = [&](TObject* ASender) {
    EXPECT_EQ(ASender, Action);
    ++Executed;
  };
  auto* Control = new TControl(&Form);
  Control->SetAction(Action);
  EXPECT_EQ(Control->Caption(), "Convert");
  EXPECT_EQ(Control->Hint, "Convert the checked items");
  Action->SetEnabled(false);
  EXPECT_FALSE(Control->Enabled());
  Control->Click();
  EXPECT_EQ(Executed, 0);  // a disabled action does not run
  Action->SetEnabled(true);
  Control->Click();
  EXPECT_EQ(Executed, 1);
  // A click handler of the control's own wins over the action.
  bool OwnClick = false;
  Control->OnClick = [&](TObject*) { OwnClick = true; };
  Control->Click();
  EXPECT_TRUE(OwnClick);
  EXPECT_EQ(Executed, 1);
  ASSERT_EQ(List->ActionCount(), 1);
  EXPECT_EQ(List->Actions(0), Action);
  delete Action;
  EXPECT_EQ(Control->Action(), nullptr);
  EXPECT_EQ(List->ActionCount(), 0);
}
