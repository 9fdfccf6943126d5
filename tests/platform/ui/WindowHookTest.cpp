#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/ui/LiveGuard.h"
#include "platform/ui/WindowHook.h"
#include "platform/ui/WindowMethods.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowStyles.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace {

constexpr UINT ProbeMessage = WM_USER + 77;

// A hook that writes its name into the log and forwards.
void InstallLogging(TWindowHook& AHook, TWndMethod& AProc, std::string& ALog, char AName) {
  AHook.Install(AProc, [&AHook, &ALog, AName](TMessage& AMessage) {
    ALog += AName;
    (void)AHook.Forward(AMessage);
  });
}

std::string Deliver(TWndMethod& AProc, std::string& ALog) {
  ALog.clear();
  TMessage Message{ProbeMessage, 0, 0, 0};
  AProc(Message);
  return ALog;
}

}  // namespace

TEST(WindowHookTest, HooksRunNewestFirstAndLeaveInEitherOrderWithTheChainWhole) {
  struct TCase {
    bool RemoveNewerFirst;
    std::string AfterFirstRemoval;
  };
  for (const TCase& Case : {TCase{true, "ao"}, TCase{false, "bo"}}) {
    std::string Log;
    TWndMethod Proc = [&Log](TMessage& AMessage) {
      Log += 'o';
      AMessage.Result = 5;
    };
    TWindowHook A, B;
    InstallLogging(A, Proc, Log, 'a');
    InstallLogging(B, Proc, Log, 'b');
    EXPECT_EQ("bao", Deliver(Proc, Log));

    // The older hook, covered, stays in the chain and forwards unchanged.
    (Case.RemoveNewerFirst ? B : A).Remove();
    EXPECT_EQ(Case.AfterFirstRemoval, Deliver(Proc, Log)) << Case.RemoveNewerFirst;
    (Case.RemoveNewerFirst ? A : B).Remove();
    EXPECT_EQ("o", Deliver(Proc, Log)) << Case.RemoveNewerFirst;
    TMessage Message{ProbeMessage, 0, 0, 0};
    Proc(Message);
    EXPECT_EQ(5, Message.Result);
    EXPECT_FALSE(A.Installed());
  }
}

TEST(WindowHookTest, AHookThatLeavesOnTopGivesBackTheVeryProcedureItCovered) {
  std::string Log;
  const auto Original = [&Log](TMessage&) { Log += 'o'; };
  TWndMethod Proc = Original;
  {
    TWindowHook A;
    InstallLogging(A, Proc, Log, 'a');
    EXPECT_EQ("ao", Deliver(Proc, Log));
  }
  // The procedure is the original again, not a forwarding shell.
  EXPECT_NE(nullptr, Proc.target<decltype(Original)>());
  EXPECT_EQ("o", Deliver(Proc, Log));
}

TEST(WindowHookTest, ForwardTellsTheHandlerThatItsOwnerWasFreedMeanwhile) {
  struct TOwner {
    TWindowHook Hook;
    int Seen = 0;
  };
  std::string Log;
  auto* Owner = new TOwner;
  // The older procedure frees the owner, as a form's handler may free its component.
  TWndMethod Proc = [&Owner, &Log](TMessage&) {
    Log += 'o';
    delete Owner;
    Owner = nullptr;
  };
  Owner->Hook.Install(Proc, [Self = Owner, &Log](TMessage& AMessage) {
    Log += 'h';
    if (!Self->Hook.Forward(AMessage)) return;
    ++Self->Seen;  // What the handler must never reach once its owner is gone.
    Log += 'x';
  });
  EXPECT_EQ("ho", Deliver(Proc, Log));
  EXPECT_EQ(nullptr, Owner);
  // The freed owner's hook was on top: the procedure is the original again.
  Proc = [&Log](TMessage&) { Log += 'o'; };
  EXPECT_EQ("o", Deliver(Proc, Log));
}

TEST(WindowHookTest, ARemovedHookNeitherHandlesNorForwards) {
  std::string Log;
  TWndMethod Proc = [&Log](TMessage&) { Log += 'o'; };
  TWindowHook A;
  InstallLogging(A, Proc, Log, 'a');
  A.Remove();
  A.Remove();
  TMessage Message{ProbeMessage, 0, 0, 0};
  EXPECT_FALSE(A.Forward(Message));
  EXPECT_EQ("", Log);
}

namespace {

class WindowSubclassTest : public ui_test::UiTest {
 protected:
  // Sends the probe message to the host's window and answers what its chain logged.
  std::string Send() {
    Log.clear();
    LastResult = SendMessage(Host().Handle(), ProbeMessage, 0, 0);
    return Log;
  }
  void InstallLogging(TWindowHook& AHook, char AName) {
    AHook.Install(Host().Handle(), [this, &AHook, AName](TMessage& AMessage) {
      Log += AName;
      if (!AHook.Forward(AMessage)) return;
      if (AMessage.Msg == ProbeMessage) AMessage.Result += 1;
    });
  }
  void SetUp() override {
    UiTest::SetUp();
    ShowHost();
    Original = Host().WindowProc;
    Host().WindowProc = [this](TMessage& AMessage) {
      if (AMessage.Msg == ProbeMessage) {
        Log += 'o';
        AMessage.Result = 10;
        return;
      }
      Original(AMessage);
    };
  }
  void TearDown() override {
    Host().WindowProc = Original;
    UiTest::TearDown();
  }

  std::string Log;
  LRESULT LastResult = 0;
  TWndMethod Original;
};

}  // namespace

TEST_F(WindowSubclassTest, ACoveredSubclassThatLeavesKeepsTheSubclassAboveItConnected) {
  TWindowHook Lower, Upper;
  InstallLogging(Lower, 'l');
  InstallLogging(Upper, 'u');
  EXPECT_EQ("ulo", Send());
  EXPECT_EQ(12, LastResult);

  Lower.Remove();
  EXPECT_EQ("uo", Send());
  EXPECT_EQ(11, LastResult);
  Upper.Remove();
  EXPECT_EQ("o", Send());
  EXPECT_EQ(10, LastResult);
}

TEST_F(WindowSubclassTest, ASubclassOnTopLeavesByRestoringTheProcedureItReplaced) {
  const LONG_PTR Before = GetWindowLong(Host().Handle(), GWL_WNDPROC);
  {
    TWindowHook Hook;
    InstallLogging(Hook, 'h');
    EXPECT_NE(Before, GetWindowLong(Host().Handle(), GWL_WNDPROC));
    EXPECT_EQ("ho", Send());
  }
  EXPECT_EQ(Before, GetWindowLong(Host().Handle(), GWL_WNDPROC));
}

TEST_F(WindowSubclassTest, ASubclassOutlivingItsWindowLeavesQuietly) {
  TWindowHook Hook;
  HWND Window = AllocateHWnd([](TMessage&) {});
  ASSERT_NE(nullptr, Window);
  Hook.Install(Window, [&Hook](TMessage& AMessage) { (void)Hook.Forward(AMessage); });
  DeallocateHWnd(Window);
  Hook.Remove();
  EXPECT_FALSE(Hook.Installed());
}

TEST(LiveGuardTest, TokensExpireWhenTheGuardEndsOrGoes) {
  auto Guard = std::make_unique<TLiveGuard>();
  const TLiveToken Early = Guard->Token();
  EXPECT_TRUE(Early);
  EXPECT_FALSE(TLiveToken());

  // A copied guard is a life of its own.
  TLiveGuard Copy = *Guard;
  const TLiveToken OfCopy = Copy.Token();
  Guard.reset();
  EXPECT_FALSE(Early);
  EXPECT_TRUE(OfCopy);

  Copy.End();
  EXPECT_TRUE(Copy.Ended());
  EXPECT_FALSE(OfCopy);
  EXPECT_FALSE(Copy.Token());
}
