// Video-hook modules: small modules compiled by the test change the decoded pictures of
// a conversion ("-vhook"), get their arguments, FFmpeg's pixel format numbers and a
// release at the end; modules that lack an entry point, refuse their arguments or
// cannot be loaded fail the run with the option's text.

#include <gtest/gtest.h>

#include <filesystem>

#include "Src/FFLoad.h"
#include "tests/Src/HookTestMedia.h"
#include "tests/Src/SharedLibraryBuilder.h"
#include "tests/Src/TranscodeTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace hook_test;
using namespace transcode_test;

// Inverts the luma of 4:2:0 pictures, or sets it to the value after "-set"; "-marker"
// names a file that Release creates. Any other argument is refused. The argument array
// must end with a null entry and reach the last index it is given.
const char* const InvertingModule = R"(
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef struct { uint8_t* data[4]; int linesize[4]; } Picture;
typedef struct { int set; int value; char marker[4096]; } Context;

int Configure(void** ctxp, int argc, char* argv[], int last) {
  if (argv[argc] != NULL || last < argc - 1 || argv[last] != NULL) return 1;
  Context* c = calloc(1, sizeof *c);
  for (int i = 1; i < argc; i++) {
    if (strcmp(argv[i], "-set") == 0 && i + 1 < argc) {
      c->set = 1;
      c->value = atoi(argv[++i]);
    } else if (strcmp(argv[i], "-marker") == 0 && i + 1 < argc) {
      strncpy(c->marker, argv[++i], sizeof c->marker - 1);
    } else {
      free(c);
      return 1;
    }
  }
  *ctxp = c;
  return 0;
}

void Process(void* ctx, Picture* p, int pix_fmt, int width, int height, int64_t pts) {
  Context* c = ctx;
  if (pix_fmt != 0) return; /* AV_PIX_FMT_YUV420P of FFmpeg 5.1 */
  for (int y = 0; y < height; y++)
    for (int x = 0; x < width; x++) {
      uint8_t* v = p->data[0] + y * p->linesize[0] + x;
      *v = c->set ? c->value : 255 - *v;
    }
}

void Release(void* ctx) {
  Context* c = ctx;
  if (c->marker[0]) fclose(fopen(c->marker, "w"));
  free(c);
}
)";

// Only "Process": it works without a context.
const char* const ProcessOnlyModule = R"(
#include <stdint.h>
typedef struct { uint8_t* data[4]; int linesize[4]; } Picture;
void Process(void* ctx, Picture* p, int pix_fmt, int width, int height, long long pts) {
  if (ctx != 0 || pix_fmt != 0) return;
  for (int y = 0; y < height; y++)
    for (int x = 0; x < width; x++) p->data[0][y * p->linesize[0] + x] = 255 - p->data[0][y * p->linesize[0] + x];
}
)";

// Keeps the argument array it was configured with and reads the luma value from it for
// every picture, as modules may: the texts must live until Release.
const char* const ArgumentKeepingModule = R"(
#include <stdint.h>
#include <stdlib.h>
typedef struct { uint8_t* data[4]; int linesize[4]; } Picture;
int Configure(void** ctxp, int argc, char* argv[], int last) {
  if (argc != 2) return 1;
  *ctxp = argv;
  return 0;
}
void Process(void* ctx, Picture* p, int pix_fmt, int width, int height, long long pts) {
  char** argv = ctx;
  if (pix_fmt != 0) return;
  for (int y = 0; y < height; y++)
    for (int x = 0; x < width; x++) p->data[0][y * p->linesize[0] + x] = (uint8_t)atoi(argv[1]);
}
)";

const char* const ConfigureOnlyModule = R"(
int Configure(void** ctxp, int argc, char* argv[], int last) { return 0; }
)";

class VHookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FFLoader().Load(AllLibraries)) << FFLoader().LastErrMsg();
    Clip = MakeFlatClip(Dir.Path().string(), "gray.avi");
    Output = Dir.File("out.mkv");
  }

  // Compiles ASource into the test's folder.
  std::string Module(const std::string& AName, const char* ASource) {
    const std::string FileName = Dir.File(AName);
    EXPECT_TRUE(BuildSharedLibrary(ASource, FileName));
    return FileName;
  }

  TRunResult Convert(const std::string& AHookOptions) {
    auto Task = MakeTask({{Clip, ""}}, Output, "-vcodec ffv1 " + AHookOptions);
    if (!Task) return {};
    return RunInPlace(*Task);
  }

  testing_support::TempDir Dir;
  std::string Clip;
  std::string Output;
};

TEST_F(VHookTest, AModuleChangesEveryDecodedPictureAsItsArgumentsSay) {
  const std::string Inverting = Module("invert.so", InvertingModule);
  const std::string ProcessOnly = Module("process-only.so", ProcessOnlyModule);
  struct TCase {
    std::string Options;
    int Luma;
  };
  const TCase Cases[] = {
      {"-vhook " + Inverting, 255 - GrayLuma},
      {"-vhook \"" + Inverting + "|-set|200\"", 200},
      {"-vhook " + ProcessOnly, 255 - GrayLuma},
      // Two modules run one after the other.
      {"-vhook \"" + Inverting + " -set 100\" -vhook " + ProcessOnly, 155},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Options);
    TRunResult Result = Convert(Case.Options);
    ASSERT_TRUE(Result.Finished) << Result.Message;
    const auto Pictures = ReadLuma(Output);
    ASSERT_EQ(static_cast<int>(Pictures.size()), Frames);
    for (const auto& Picture : Pictures) {
      EXPECT_EQ(LumaAt(Picture, 0, 0), Case.Luma);
      EXPECT_EQ(LumaAt(Picture, Width - 1, Height - 1), Case.Luma);
    }
  }
}

TEST_F(VHookTest, AModuleMayKeepItsArgumentsUntilItIsReleased) {
  const std::string Keeping = Module("keep.so", ArgumentKeepingModule);
  TRunResult Result = Convert("-vhook \"" + Keeping + "|77\"");
  ASSERT_TRUE(Result.Finished) << Result.Message;
  const auto Pictures = ReadLuma(Output);
  ASSERT_EQ(static_cast<int>(Pictures.size()), Frames);
  for (const auto& Picture : Pictures) EXPECT_EQ(LumaAt(Picture, Width / 2, Height / 2), 77);
}

TEST_F(VHookTest, ModulesAreReleasedWhenTheRunEnds) {
  const std::string Inverting = Module("invert.so", InvertingModule);
  const std::string Marker = Dir.File("released");
  TRunResult Result = Convert("-vhook \"" + Inverting + "|-marker|" + Marker + "\"");
  ASSERT_TRUE(Result.Finished) << Result.Message;
  EXPECT_TRUE(std::filesystem::exists(Marker));
}

TEST_F(VHookTest, AModuleThatCannotServeIsRefusedWithTheOptionsText) {
  const std::string Inverting = Module("invert.so", InvertingModule);
  const std::string ConfigureOnly = Module("configure-only.so", ConfigureOnlyModule);
  const std::string ProcessOnly = Module("process-only.so", ProcessOnlyModule);
  const std::string Missing = Dir.File("missing.so");
  struct TCase {
    std::string Options;
    std::string Message;
  };
  const TCase Cases[] = {
      {"-vhook " + ConfigureOnly, "Failed to add video hook function: " + ConfigureOnly},
      {"-vhook \"" + ProcessOnly + "|-x\"", "Failed to add video hook function: " + ProcessOnly + "|-x"},
      {"-vhook \"" + Inverting + " -bad\"", "Failed to add video hook function: " + Inverting + " -bad"},
      {"-vhook " + Missing, "Failed to add video hook function: " + Missing},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Options);
    TCustomFFmpeg Task;
    try {
      Task.ParseOptions(Case.Options);
      ADD_FAILURE() << "accepted";
    } catch (const FFmpegException& E) {
      EXPECT_EQ(E.Message(), Case.Message);
    }
    EXPECT_FALSE(Task.Fusing_vhook);
  }
}

// A relative name is the module in the current folder, taken by its absolute path; the
// library search path plays no part.
TEST_F(VHookTest, ARelativeModuleNameIsTakenFromTheCurrentFolder) {
  Module("relative-invert.so", InvertingModule);
  const auto Previous = std::filesystem::current_path();
  std::filesystem::current_path(Dir.Path());
  TRunResult Result = Convert("-vhook relative-invert.so");
  std::filesystem::current_path(Previous);
  ASSERT_TRUE(Result.Finished) << Result.Message;
  EXPECT_EQ(LumaAt(ReadLuma(Output)[0], 10, 10), 255 - GrayLuma);
}

}  // namespace
