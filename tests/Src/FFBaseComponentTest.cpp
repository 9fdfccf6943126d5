#include <gtest/gtest.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Src/FFBaseComponent.h"

extern "C" {
#include <libavformat/avformat.h>
}

TEST(FFBaseComponent, HasVersionAndDefaultTimeouts) {
  TComponent Owner(nullptr);
  auto* Component = new TFFBaseComponent(&Owner);  // freed by its owner
  EXPECT_EQ("4.5a", Component->Version());
  EXPECT_EQ("", Component->About);
  Component->About = "anything";
  EXPECT_EQ("anything", Component->About);
  EXPECT_EQ(30000, Component->ReadTimeout);
  EXPECT_EQ(30000, Component->WriteTimeout);
}

// A child that lets its parent trace it, as a debugger does, gets no time-outs, even
// though its parent had already asked for itself.
TEST(FFBaseComponent, NoTimeoutsUnderADebugger) {
  TFFBaseComponent Untraced(nullptr);
  ASSERT_EQ(30000, Untraced.ReadTimeout);

  pid_t Child = fork();
  ASSERT_NE(-1, Child);
  if (Child == 0) {
    if (ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) _exit(2);
    TFFBaseComponent Traced(nullptr);
    _exit(Traced.ReadTimeout == 0 && Traced.WriteTimeout == 0 ? 0 : 1);
  }
  int Status = 0;
  // A traced child stops at every signal it gets; let it go on until it ends.
  while (waitpid(Child, &Status, 0) == Child && WIFSTOPPED(Status))
    ptrace(PTRACE_CONT, Child, nullptr, reinterpret_cast<void*>(static_cast<intptr_t>(WSTOPSIG(Status))));
  ASSERT_TRUE(WIFEXITED(Status));
  EXPECT_EQ(0, WEXITSTATUS(Status)) << "1: time-outs were kept, 2: the child could not be traced";

  TFFBaseComponent StillUntraced(nullptr);
  EXPECT_EQ(30000, StillUntraced.WriteTimeout);
}

TEST(SeekFlags, MapToFFmpegsSeekBits) {
  const struct {
    TSeekFlags Flags;
    int Bits;
  } Cases[] = {
      {{}, 0},
      {{sfBackward}, AVSEEK_FLAG_BACKWARD},
      {{sfByte}, AVSEEK_FLAG_BYTE},
      {{sfAny}, AVSEEK_FLAG_ANY},
      {{sfFrame}, AVSEEK_FLAG_FRAME},
      {{sfBackward, sfAny}, AVSEEK_FLAG_BACKWARD | AVSEEK_FLAG_ANY},
      {{sfBackward, sfByte, sfAny, sfFrame}, 15},
  };
  for (const auto& Case : Cases) EXPECT_EQ(Case.Bits, SeekFlagsToAV(Case.Flags));
}
