#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <thread>

#include "Src/FFLoad.h"
#include "Src/FFLog.h"
#include "platform/base/Exceptions.h"

namespace {

struct TLogged {
  TObject* Sender;
  TThreadID ThreadID;
  TLogLevel Level;
  String Text;
};

// A logger of its own with FFmpeg's libavcodec and libavutil bound, and a codec
// context as FFmpeg's logging object.
class FFLogTest : public testing::Test {
 protected:
  void SetUp() override {
    Logger->TriggerEventInMainThread = false;
    Logger->OnLog = [this](TObject* Sender, TThreadID AThreadID, TLogLevel ALogLevel, const String& ALogMsg) {
      std::lock_guard Guard(Lock);
      Logged.push_back({Sender, AThreadID, ALogLevel, ALogMsg});
    };
    ASSERT_TRUE(FFLoader().Load(TLibraries{avCodec, avUtil})) << FFLoader().LastErrMsg();
    Logger->SetLogLevel(llInfo);  // a test before may have left another level in force
    Context = FF.avcodec_alloc_context3(FF.avcodec_find_decoder(AV_CODEC_ID_PCM_S16LE));
    ASSERT_NE(nullptr, Context);
  }
  void TearDown() override { FF.avcodec_free_context(&Context); }

  std::vector<String> Texts() {
    std::lock_guard Guard(Lock);
    std::vector<String> Result;
    for (const TLogged& Entry : Logged) Result.push_back(Entry.Text);
    return Result;
  }
  String Prefix() const { return Format("[pcm_s16le @ %p]", static_cast<const void*>(Context)); }

  std::unique_ptr<TVORerivi> Logger = std::make_unique<TVORerivi>(nullptr);
  AVCodecContext* Context = nullptr;
  std::mutex Lock;  // guards Logged
  std::vector<TLogged> Logged;
};

}  // namespace

TEST_F(FFLogTest, LineInThreeCallsGetsThePrefixOnce) {
  FF.av_log(Context, AV_LOG_ERROR, "opening ");
  FF.av_log(Context, AV_LOG_ERROR, "%s ", "input");
  EXPECT_TRUE(Logged.empty());
  FF.av_log(Context, AV_LOG_WARNING, "number %d\n", 3);
  ASSERT_EQ(1u, Logged.size());
  EXPECT_EQ(Prefix() + "opening input number 3", Logged[0].Text);
  EXPECT_EQ(Logger.get(), Logged[0].Sender);
  EXPECT_EQ(GetCurrentThreadId(), Logged[0].ThreadID);
  // The level is that of the fragment that ended the line.
  EXPECT_EQ(llWarning, Logged[0].Level);
}

TEST_F(FFLogTest, ParentContextIsNamedFirst) {
  struct TChild {
    const AVClass* Class;
    void* Parent;
  };
  AVClass ChildClass{};
  ChildClass.class_name = "child";
  ChildClass.item_name = [](void*) { return "child"; };
  ChildClass.version = LIBAVUTIL_VERSION_INT;
  ChildClass.parent_log_context_offset = offsetof(TChild, Parent);
  TChild Child{&ChildClass, Context};

  FF.av_log(&Child, AV_LOG_ERROR, "with parent\n");
  Child.Parent = nullptr;
  FF.av_log(&Child, AV_LOG_ERROR, "without parent\n");
  FF.av_log(nullptr, AV_LOG_ERROR, "without object\n");
  String ChildPrefix = Format("[child @ %p]", static_cast<const void*>(&Child));
  EXPECT_EQ((std::vector<String>{Prefix() + " " + ChildPrefix + "with parent", ChildPrefix + "without parent",
                                 "without object"}),
            Texts());
}

TEST_F(FFLogTest, ThreadsJoinTheirOwnFragments) {
  TEvent AlphaStarted, BetaStarted, AlphaEnded;
  TThreadID AlphaID = 0, BetaID = 0;
  std::thread Alpha([&] {
    AlphaID = GetCurrentThreadId();
    FF.av_log(Context, AV_LOG_ERROR, "alpha ");
    AlphaStarted.SetEvent();
    BetaStarted.WaitFor(10000);
    FF.av_log(Context, AV_LOG_ERROR, "one\n");
    AlphaEnded.SetEvent();
  });
  std::thread Beta([&] {
    BetaID = GetCurrentThreadId();
    AlphaStarted.WaitFor(10000);
    FF.av_log(Context, AV_LOG_ERROR, "beta ");
    BetaStarted.SetEvent();
    AlphaEnded.WaitFor(10000);
    FF.av_log(Context, AV_LOG_ERROR, "two\n");
  });
  Alpha.join();
  Beta.join();
  ASSERT_EQ(2u, Logged.size());
  EXPECT_EQ(AlphaID, Logged[0].ThreadID);
  EXPECT_EQ(Prefix() + "alpha one", Logged[0].Text);
  EXPECT_EQ(BetaID, Logged[1].ThreadID);
  EXPECT_EQ(Prefix() + "beta two", Logged[1].Text);
}

TEST_F(FFLogTest, SameLineOfAnotherThreadIsNoRepeat) {
  TEvent AlphaLogged, BetaLogged;
  std::thread Alpha([&] {
    FF.av_log(Context, AV_LOG_ERROR, "same line\n");
    AlphaLogged.SetEvent();
    BetaLogged.WaitFor(10000);  // both threads are alive while they log
  });
  std::thread Beta([&] {
    AlphaLogged.WaitFor(10000);
    FF.av_log(Context, AV_LOG_ERROR, "same line\n");
    BetaLogged.SetEvent();
  });
  Alpha.join();
  Beta.join();
  EXPECT_EQ((std::vector<String>{Prefix() + "same line", Prefix() + "same line"}), Texts());
}

TEST_F(FFLogTest, RepeatedLinesAreCounted) {
  for (int I = 0; I < 4; ++I) FF.av_log(Context, AV_LOG_WARNING, "four times\n");
  FF.av_log(Context, AV_LOG_ERROR, "then another\n");
  for (int I = 0; I < 2; ++I) FF.av_log(Context, AV_LOG_ERROR, "twice\n");
  FF.av_log(Context, AV_LOG_ERROR, "and the end\n");
  EXPECT_EQ((std::vector<String>{Prefix() + "four times", "    Last message repeated 3 times",
                                 Prefix() + "then another", Prefix() + "twice", Prefix() + "and the end"}),
            Texts());
  // The repeat line has the level of the line it counts.
  EXPECT_EQ(llWarning, Logged[1].Level);
}

TEST_F(FFLogTest, FragmentWithTwoLineFeedsGivesTwoLines) {
  FF.av_log(nullptr, AV_LOG_ERROR, "first\nsecond\nthird ");
  EXPECT_EQ((std::vector<String>{"first", "second"}), Texts());
  FF.av_log(Context, AV_LOG_ERROR, "continues\n");
  EXPECT_EQ((std::vector<String>{"first", "second", "third continues"}), Texts());
}

TEST_F(FFLogTest, MessagesAboveTheThresholdLeaveNoTrace) {
  ASSERT_EQ(llInfo, Logger->LogLevel());
  FF.av_log(Context, AV_LOG_ERROR, "pending ");
  FF.av_log(Context, AV_LOG_DEBUG, "too detailed\n");
  FF.av_log(Context, AV_LOG_ERROR, "line\n");
  for (int I = 0; I < 3; ++I) FF.av_log(Context, AV_LOG_ERROR, "again\n");
  FF.av_log(Context, AV_LOG_VERBOSE, "too detailed too\n");
  FF.av_log(Context, AV_LOG_ERROR, "again\n");
  FF.av_log(Context, AV_LOG_ERROR, "done\n");
  EXPECT_EQ((std::vector<String>{Prefix() + "pending line", Prefix() + "again",
                                 "    Last message repeated 3 times", Prefix() + "done"}),
            Texts());

  Logger->SetLogLevel(llDebug);
  FF.av_log(Context, AV_LOG_DEBUG, "now wanted\n");
  EXPECT_EQ(Prefix() + "now wanted", Texts().back());
  EXPECT_EQ(llDebug, Logged.back().Level);
}

TEST_F(FFLogTest, LongMessagesAreNeverCut) {
  String Long(5000, 'x');
  FF.av_log(nullptr, AV_LOG_ERROR, "%s|%d|%s\n", Long.c_str(), 7, "end");
  EXPECT_EQ((std::vector<String>{Long + "|7|end"}), Texts());
}

TEST_F(FFLogTest, BytesArePassedAsTheyAre) {
  FF.av_log(nullptr, AV_LOG_ERROR, "Grüße, %s\n", "世界");
  EXPECT_EQ((std::vector<String>{"Grüße, 世界"}), Texts());
}

TEST_F(FFLogTest, WithoutHandlerLinesAreStillJoinedAndCounted) {
  TLogEvent Handler = std::move(Logger->OnLog);
  Logger->OnLog = nullptr;
  FF.av_log(nullptr, AV_LOG_ERROR, "unheard\n");
  FF.av_log(nullptr, AV_LOG_ERROR, "unheard\n");
  FF.av_log(nullptr, AV_LOG_ERROR, "half ");
  Logger->OnLog = std::move(Handler);
  FF.av_log(nullptr, AV_LOG_ERROR, "heard\n");
  EXPECT_EQ((std::vector<String>{"half heard"}), Texts());
}

TEST_F(FFLogTest, HandlerExceptionDoesNotReachFFmpeg) {
  TLogEvent Recorder = Logger->OnLog;
  Logger->OnLog = [&](TObject* Sender, TThreadID AThreadID, TLogLevel ALogLevel, const String& ALogMsg) {
    Recorder(Sender, AThreadID, ALogLevel, ALogMsg);
    throw Exception("handler failed");
  };
  EXPECT_NO_THROW(FF.av_log(nullptr, AV_LOG_ERROR, "first\nsecond\n"));
  EXPECT_EQ((std::vector<String>{"first", "second"}), Texts());
}

TEST_F(FFLogTest, LogFiltersByLevelAndFormats) {
  TObject Sender;
  Logger->Log(&Sender, llInfo, "%d files in %s", 3, "queue");
  Logger->Log(&Sender, llVerbose, "too detailed");
  Logger->Log(nullptr, llQuiet, "100% plain");
  ASSERT_EQ(2u, Logged.size());
  EXPECT_EQ(&Sender, Logged[0].Sender);
  EXPECT_EQ(GetCurrentThreadId(), Logged[0].ThreadID);
  EXPECT_EQ(llInfo, Logged[0].Level);
  EXPECT_EQ("3 files in queue", Logged[0].Text);
  EXPECT_EQ(nullptr, Logged[1].Sender);
  EXPECT_EQ("100% plain", Logged[1].Text);
}

TEST_F(FFLogTest, OptLogLevelTakesNamesAndNumbers) {
  const struct {
    const char* Arg;
    TLogLevel Level;
  } Cases[] = {{"Warning", llWarning}, {"DEBUG", llDebug}, {"quiet", llQuiet}, {"20", llError},
               {"-9", llQuiet},        {"-7", llPanic},    {"47", llVerbose},  {"1000", llDebug}};
  for (const auto& Case : Cases) {
    Logger->OptLogLevel(Case.Arg);
    EXPECT_EQ(Case.Level, Logger->LogLevel()) << Case.Arg;
    EXPECT_EQ(LogLevelToAV(Case.Level), FF.av_log_get_level()) << Case.Arg;
  }
  EXPECT_THROW(Logger->OptLogLevel("loud"), EConvertError);
}

TEST_F(FFLogTest, NewLoggerStartsAtTheLevelInForce) {
  Logger->SetLogLevel(llDebug);
  Logger.reset();
  TVORerivi Next(nullptr);
  EXPECT_EQ(llDebug, Next.LogLevel());
}

TEST_F(FFLogTest, HandlerRunsOnTheUserInterfaceThread) {
  Logger->TriggerEventInMainThread = true;
  std::vector<TThreadID> HandledOn;
  TLogEvent Recorder = Logger->OnLog;
  Logger->OnLog = [&](TObject* Sender, TThreadID AThreadID, TLogLevel ALogLevel, const String& ALogMsg) {
    HandledOn.push_back(GetCurrentThreadId());
    Recorder(Sender, AThreadID, ALogLevel, ALogMsg);
  };
  TThreadID WorkerID = 0;
  std::thread Worker([&] {
    WorkerID = GetCurrentThreadId();
    Logger->Log(nullptr, llError, "from the engine");
    FF.av_log(nullptr, AV_LOG_ERROR, "from FFmpeg\n");
  });
  while (HandledOn.size() < 2) ASSERT_TRUE(CheckSynchronize(10000));
  Worker.join();
  EXPECT_EQ((std::vector<TThreadID>{MainThreadID(), MainThreadID()}), HandledOn);
  EXPECT_EQ((std::vector<String>{"from the engine", "from FFmpeg"}), Texts());
  EXPECT_EQ(WorkerID, Logged[0].ThreadID);
  EXPECT_EQ(WorkerID, Logged[1].ThreadID);
}

// The owner may free the logger while a worker is inside its handler: the destructor
// waits until that line is done, so the handler never runs on a freed logger.
TEST_F(FFLogTest, FreeingTheLoggerWaitsForTheLinesInProgress) {
  TEvent Entered, Go;
  std::atomic<bool> HandlerDone{false};
  const String Kept = "a value the handler holds for a while";
  Logger->OnLog = [&Entered, &Go, &HandlerDone, Kept](TObject*, TThreadID, TLogLevel, const String&) {
    Entered.SetEvent();
    Go.WaitFor();
    size_t Read = 0;
    for (int I = 0; I < 20000; I++) Read += Kept.size();
    HandlerDone = Read > 0;
  };
  std::thread Worker([] { GetLogger()->Log(nullptr, llError, "a line"); });
  ASSERT_EQ(wrSignaled, Entered.WaitFor());
  std::thread Owner([this, &Go] {
    Go.SetEvent();
    Logger.reset();
  });
  Owner.join();
  EXPECT_TRUE(HandlerDone);
  Worker.join();
  EXPECT_FALSE(GetLogger()->OnLog);
}

TEST(LogLevel, ConvertsToAndFromFFmpegLevels) {
  const struct {
    int AVLevel;
    TLogLevel Level;
  } FromAV[] = {{-100, llQuiet}, {-9, llQuiet},   {-8, llQuiet}, {-7, llPanic},   {0, llPanic},
                {7, llPanic},    {8, llFatal},    {16, llError}, {24, llWarning}, {32, llInfo},
                {39, llInfo},    {40, llVerbose}, {48, llDebug}, {56, llDebug}};
  for (const auto& Case : FromAV) EXPECT_EQ(Case.Level, AVToLogLevel(Case.AVLevel)) << Case.AVLevel;
  const int ToAV[] = {AV_LOG_QUIET,   AV_LOG_PANIC, AV_LOG_FATAL,   AV_LOG_ERROR,
                      AV_LOG_WARNING, AV_LOG_INFO,  AV_LOG_VERBOSE, AV_LOG_DEBUG};
  for (int Level = llQuiet; Level <= llDebug; ++Level)
    EXPECT_EQ(ToAV[Level], LogLevelToAV(static_cast<TLogLevel>(Level)));
}

namespace {

// Records which components are freed.
class TFreeWatcher : public TComponent {
 public:
  TFreeWatcher() : TComponent(nullptr) {}
  std::vector<TComponent*> Freed;

 protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override {
    if (AOperation == opRemove) Freed.push_back(AComponent);
  }
};

}  // namespace

TEST(TVORerivi, ComponentLoggerReplacesTheAutoCreatedOne) {
  TVORerivi* Auto = GetLogger();
  ASSERT_NE(nullptr, Auto);
  EXPECT_TRUE(Auto->AutoCreated());
  EXPECT_EQ(nullptr, Auto->Owner());
  EXPECT_EQ(Auto, GetLogger());
  TFreeWatcher Watcher;
  Auto->FreeNotification(&Watcher);

  TComponent Form(nullptr);
  auto* Placed = new TVORerivi(&Form);
  EXPECT_EQ((std::vector<TComponent*>{Auto}), Watcher.Freed);
  EXPECT_FALSE(Placed->AutoCreated());
  EXPECT_TRUE(Placed->TriggerEventInMainThread);
  EXPECT_EQ(Placed, GetLogger());

  try {
    new TVORerivi(&Form);
    FAIL() << "no exception";
  } catch (const Exception& E) {
    EXPECT_EQ("Allow creating only one instance of TVORerivi.", E.Message());
  }
  EXPECT_EQ(1, Form.ComponentCount());
  EXPECT_EQ(Placed, GetLogger());

  delete Placed;
  TVORerivi* Next = GetLogger();
  EXPECT_NE(nullptr, Next);
  EXPECT_TRUE(Next->AutoCreated());
}

TEST(TVORerivi, InstallingTheCallbackNeedsLibavutil) {
  FFLoader().Unload(avUtil);
  EXPECT_THROW(GetLogger()->InstallAVLogCallback(), EAssertionFailed);
}
