#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "Src/MyUtils.h"
#include "platform/base/Exceptions.h"
#include "platform/base/Threads.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/Windows.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/Src/SharedLibraryBuilder.h"
#include "tests/support/TestSupport.h"

using testing::HasSubstr;
using testing::StartsWith;
using testing_support::TempDir;

TEST(FormatByteSize, GivesBytesUpTo1024ThenTwoDecimals) {
  const struct {
    int64_t Size;
    const char* Text;
  } Cases[] = {
      {0, "0 Byte"},           {-1, "-1 Byte"},      {1024, "1024 Byte"},        {1025, "1.00 KB"},
      {1048576, "1024.00 KB"}, {1048577, "1.00 MB"}, {1073741824, "1024.00 MB"}, {1073741825, "1.00 GB"},
      {5368709120, "5.00 GB"},
  };
  for (const auto& Case : Cases) EXPECT_EQ(Case.Text, FormatByteSize(Case.Size)) << Case.Size;
}

TEST(SplitCommandLine, FollowsTheCRunTimeRules) {
  const struct {
    String Text;
    std::vector<String> Arguments;
  } Cases[] = {
      {R"(-i "my file.avi" -y)", {"-i", "my file.avi", "-y"}},
      {"-vcodec\tmpeg4  \t -b 800k", {"-vcodec", "mpeg4", "-b", "800k"}},
      // Three backslashes before a quote: one backslash and a literal quote.
      {R"(a\\\"b)", {R"(a\"b)"}},
      // Four backslashes before a quote: two backslashes, and the quote groups.
      {R"(a\\\\"b c")", {R"(a\\b c)"}},
      // Backslashes before anything else stay as they are.
      {R"(C:\dir\\name\)", {R"(C:\dir\\name\)"}},
      // A doubled quote inside a quoted part closes it and opens it again ...
      {R"("a""b c" d)", {"ab c", "d"}},
      // ... but at the very end of the text it gives one literal quote.
      {R"("abc"")", {R"(abc")"}},
      {R"(x"y z"w)", {"xy zw"}},
      {R"("unterminated part)", {"unterminated part"}},
      {R"("" b)", {"", "b"}},
      {"-metadata title=\"Grüße Welt\"", {"-metadata", "title=Grüße Welt"}},
      {String("a b\0c d", 7), {"a", "b"}},
      {"", {}},
      {" \t  ", {}},
  };
  for (const auto& Case : Cases) {
    int CharCount = -1, ArgCount = -1;
    EXPECT_EQ(Case.Arguments, SplitCommandLine(Case.Text, &CharCount, &ArgCount)) << Case.Text;
    int Expected = 0;
    for (const String& Argument : Case.Arguments) Expected += static_cast<int>(Argument.size()) + 1;
    EXPECT_EQ(Expected, CharCount) << Case.Text;
    EXPECT_EQ(static_cast<int>(Case.Arguments.size()) + 1, ArgCount) << Case.Text;
  }
}

TEST(SplitCommandLine, BlanksOnlyGiveNoArgumentAndACountOfOne) {
  int CharCount = -1, ArgCount = -1;
  EXPECT_TRUE(SplitCommandLine("   ", &CharCount, &ArgCount).empty());
  EXPECT_EQ(0, CharCount);
  EXPECT_EQ(1, ArgCount);
}

TEST(CutFirstToken, CutsBeforeTheFirstDelimiter) {
  const struct {
    String Text, Delimiter;
    bool Remove;
    String Token, Rest;
  } Cases[] = {
      {"a,b,c", ",", true, "a", "b,c"},
      {"a,b,c", ",", false, "a", "a,b,c"},
      {"a::b::c", "::", true, "a", "b::c"},
      {",x", ",", true, "", "x"},
      {"a", ",", true, "a", ""},
      {"a", ",", false, "a", "a"},
      {"ab", "", true, "ab", ""},
      {"", ",", true, "", ""},
  };
  for (const auto& Case : Cases) {
    String Text = Case.Text;
    EXPECT_EQ(Case.Token, CutFirstToken(Text, Case.Delimiter, Case.Remove))
        << Case.Text << " / " << Case.Delimiter;
    EXPECT_EQ(Case.Rest, Text) << Case.Text << " / " << Case.Delimiter;
  }
}

TEST(GetFileSize64, GivesTheSizeOrMinusOne) {
  TempDir Dir;
  EXPECT_EQ(-1, GetFileSize64(Dir.File("missing")));
  EXPECT_EQ(-1, GetFileSize64(Dir.Path().string()));  // a folder is no file

  testing_support::WriteWholeFile(Dir.File("empty"), "");
  EXPECT_EQ(0, GetFileSize64(Dir.File("empty")));

  // A sparse file above 4 GiB takes no disk space but has its full size.
  const int64_t Large = int64_t{5} << 30;
  testing_support::WriteWholeFile(Dir.File("large"), "");
  std::filesystem::resize_file(Dir.File("large"), Large);
  EXPECT_EQ(Large, GetFileSize64(Dir.File("large")));
  EXPECT_EQ(Large, GetFileSize64(Dir.File("sub/../large")));
}

TEST(LoadLibraryInFolder, PrefersTheFolderThenTheSystem) {
  TempDir Dir;
  ASSERT_TRUE(
      BuildSharedLibrary("int pelladrin_marker(void) { return 42; }\n", Dir.File("libpelladrinmarker.so.1")));
  String DirBefore = GetCurrentDir(), PathBefore = GetEnvironmentVariable("PATH");

  String Error;
  HMODULE Module = LoadLibraryInFolder(Dir.Path().string(), "libpelladrinmarker.so.1", Error);
  ASSERT_NE(nullptr, Module) << Error;
  auto Marker = reinterpret_cast<int (*)()>(GetProcAddress(Module, "pelladrin_marker", Error));
  ASSERT_NE(nullptr, Marker) << Error;
  EXPECT_EQ(42, Marker());
  FreeLibrary(Module);
  // Nothing process-wide is changed for the load.
  EXPECT_EQ(DirBefore, GetCurrentDir());
  EXPECT_EQ(PathBefore, GetEnvironmentVariable("PATH"));

  // A folder that lacks the file: the system's library of that name.
  Module = LoadLibraryInFolder(Dir.Path().string() + "/", "libm.so.6", Error);
  ASSERT_NE(nullptr, Module) << Error;
  EXPECT_NE(nullptr, GetProcAddress(Module, "cos", Error));
  FreeLibrary(Module);

  // Without a folder, the marker library is not on the system's search path.
  EXPECT_EQ(nullptr, LoadLibraryInFolder("", "libpelladrinmarker.so.1", Error));
  EXPECT_THAT(Error, HasSubstr("libpelladrinmarker.so.1"));
}

class FixupTest : public testing::Test {
 protected:
  void SetUp() override {
    String Error;
    LibC = LoadLibrary("libc.so.6", Error);
    ASSERT_NE(nullptr, LibC) << Error;
  }
  void TearDown() override { FreeLibrary(LibC); }
  HMODULE LibC = nullptr;
};

TEST_F(FixupTest, BindsAFunctionAndAVariable) {
  void* Entry = nullptr;
  FixupFunction("libc.so.6", LibC, "strlen", false, Entry);
  ASSERT_NE(nullptr, Entry);
  EXPECT_EQ(5u, reinterpret_cast<size_t (*)(const char*)>(Entry)("hello"));

  Entry = nullptr;
  FixupVariable("libc.so.6", LibC, "environ", false, Entry);
  EXPECT_NE(nullptr, Entry);
}

TEST_F(FixupTest, OptionalMissingNameLeavesTheEntryNull) {
  void* Entry = &Entry;
  EXPECT_NO_THROW(FixupFunction("libc.so.6", LibC, "pelladrin_no_such_function", true, Entry));
  EXPECT_EQ(nullptr, Entry);
  Entry = &Entry;
  EXPECT_NO_THROW(FixupVariable("libc.so.6", LibC, "pelladrin_no_such_variable", true, Entry));
  EXPECT_EQ(nullptr, Entry);
}

TEST_F(FixupTest, MissingNameRaisesWithNameFileAndSystemText) {
  void* Entry = &Entry;
  try {
    FixupFunction("libc.so.6", LibC, "pelladrin_no_such_function", false, Entry);
    FAIL() << "no exception";
  } catch (const Exception& E) {
    EXPECT_THAT(E.Message(), StartsWith("Load function pelladrin_no_such_function@libc.so.6 error: "));
    EXPECT_THAT(E.Message(), HasSubstr("undefined symbol: pelladrin_no_such_function"));
  }
  EXPECT_EQ(nullptr, Entry);
  try {
    FixupVariable("libc.so.6", LibC, "pelladrin_no_such_variable", false, Entry);
    FAIL() << "no exception";
  } catch (const Exception& E) {
    EXPECT_THAT(E.Message(), StartsWith("Load variable pelladrin_no_such_variable@libc.so.6 error: "));
    EXPECT_THAT(E.Message(), HasSubstr("undefined symbol: pelladrin_no_such_variable"));
  }
}

TEST(CallInMainThread, WorkerWaitsUntilTheUserInterfaceThreadRanTheCall) {
  std::atomic<bool> Ran{false}, RanBeforeReturn{false};
  std::atomic<TThreadID> RanOn{0};
  TEvent Calling;
  std::thread Worker([&] {
    Calling.SetEvent();
    CallInMainThread([&] {
      RanOn = GetCurrentThreadId();
      Ran = true;
    });
    RanBeforeReturn = Ran.load();
  });
  ASSERT_EQ(wrSignaled, Calling.WaitFor(10000));
  // Only this thread can run the call, and it has not pumped yet.
  EXPECT_FALSE(Ran);
  EXPECT_TRUE(CheckSynchronize(10000));
  Worker.join();
  EXPECT_EQ(MainThreadID(), RanOn);
  EXPECT_TRUE(RanBeforeReturn);
}

TEST(CallInMainThread, RunsAtOnceOnTheUserInterfaceThread) {
  bool Ran = false;
  CallInMainThread([&] { Ran = true; });
  EXPECT_TRUE(Ran);
  EXPECT_FALSE(CheckSynchronize());  // nothing went through the queue
}

TEST(PumpMessages, RunsTheWaitingHandOversInOrder) {
  std::vector<int> Order;
  TEvent Queued;
  std::thread Worker([&] {
    TThread::Queue([&] { Order.push_back(1); });
    TThread::Queue([&] { Order.push_back(2); });
    Queued.SetEvent();
    EXPECT_FALSE(ProcessOneMessage());  // a worker has no queue of its own
  });
  ASSERT_EQ(wrSignaled, Queued.WaitFor(10000));
  Worker.join();
  PumpMessages();
  EXPECT_EQ((std::vector<int>{1, 2}), Order);
  EXPECT_FALSE(ProcessOneMessage());
}

TEST(PumpMessages, DispatchesQueuedWindowMessagesAndLeavesAQuitToTheProgramsLoop) {
  StartWindowSystem(std::make_unique<THeadlessBackend>());
  std::vector<UINT> Seen;
  WNDPROC Procedure = MakeProcInstance([&](HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
    if (AMessage == WM_USER) Seen.push_back(AMessage);
    return DefWindowProc(AWindow, AMessage, AWParam, ALParam);
  });
  WNDCLASS Class;
  Class.lpfnWndProc = Procedure;
  Class.lpszClassName = "PumpTarget";
  ASSERT_NE(0, RegisterClass(&Class));
  HWND Window =
      CreateWindowEx(0, "PumpTarget", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  PostMessage(Window, WM_USER, 0, 0);
  PostQuitMessage(3);
  PostMessage(Window, WM_USER, 0, 0);
  PumpMessages();
  EXPECT_EQ(2u, Seen.size());  // posted messages come before the quit
  MSG Message;
  ASSERT_TRUE(PeekMessage(&Message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(WM_QUIT, Message.message);
  EXPECT_EQ(3u, Message.wParam);
  DestroyWindow(Window);
  StopWindowSystem();
  FreeProcInstance(Procedure);
}
