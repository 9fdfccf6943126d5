#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "Src/FFLoad.h"
#include "Src/FFLog.h"
#include "Src/FFUtils.h"
#include "platform/base/Exceptions.h"
#include "platform/base/Paths.h"
#include "tests/Src/PinnedLibraries.h"
#include "tests/Src/SharedLibraryBuilder.h"
#include "tests/support/TestSupport.h"

using testing::HasSubstr;
using testing::StartsWith;
using testing_support::TempDir;

namespace {

// Every test starts with nothing loaded and leaves the library folder as it found it.
class FFLoadTest : public testing::Test {
 protected:
  void SetUp() override {
    Loader.Unload(AllLibraries);
    SavedLibraryPath = Loader.LibraryPath();
  }
  void TearDown() override {
    Loader.SetLibraryPath(SavedLibraryPath);
    Loader.InstallLogger = true;
  }

  TFFLoader& Loader = FFLoader();
  String SavedLibraryPath;
};

}  // namespace

TEST(FFLoader, NamesTheLibraryFiles) {
  const struct {
    TLibrary Library;
    const char* Name;
    const char* FileName;
  } Cases[] = {
      {avCodec, "avcodec", "libavcodec.so.59"},   {avDevice, "avdevice", "libavdevice.so.59"},
      {avFilter, "avfilter", "libavfilter.so.8"}, {avFormat, "avformat", "libavformat.so.59"},
      {avUtil, "avutil", "libavutil.so.57"},      {swResample, "swresample", "libswresample.so.4"},
      {swScale, "swscale", "libswscale.so.6"},    {myUtil, "c", "libc.so.6"},
  };
  for (const auto& Case : Cases) {
    EXPECT_EQ(Case.Name, TFFLoader::LibraryName(Case.Library));
    EXPECT_EQ(Case.FileName, TFFLoader::LibraryFileName(Case.Library));
  }
}

TEST_F(FFLoadTest, FullSetAfterTheDecoderSetLoadsOnlyDeviceAndFilter) {
  ASSERT_TRUE(Loader.Load(DecoderLibraries)) << Loader.LastErrMsg();
  EXPECT_TRUE(Loader.Loaded(DecoderLibraries));
  EXPECT_NE(nullptr, FindProtocol("unicode"));  // libavformat's follow-up
  EXPECT_FALSE(Loader.Loaded(avDevice));
  EXPECT_FALSE(Loader.Loaded(avFilter));
  EXPECT_FALSE(Loader.Loaded(AllLibraries));
  EXPECT_NE(nullptr, FF.avcodec_open2);
  EXPECT_EQ(nullptr, FF.avfilter_graph_alloc);
  EXPECT_EQ(nullptr, FF.avdevice_register_all);

  // From now on the folder offers the decoder set as libraries that export nothing:
  // the full set must take only libavdevice and libavfilter (from the system, as the
  // folder has neither), leaving the members already bound alone.
  TempDir Folder;
  ASSERT_TRUE(BuildSharedLibrary("int exports_nothing_the_engine_needs;\n", Folder.File("empty.so")));
  for (TLibrary Library : DecoderLibraries)
    std::filesystem::copy_file(Folder.File("empty.so"), Folder.File(TFFLoader::LibraryFileName(Library)));
  Loader.SetLibraryPath(Folder.Path().string());

  // Take the engine's log callback away to see that loading libavutil again puts it
  // back, although libavutil is not bound a second time.
  FF.av_log_set_callback(FF.av_log_default_callback);
  std::vector<String> Lines;
  GetLogger()->OnLog = [&](TObject*, TThreadID, TLogLevel, const String& ALogMsg) {
    Lines.push_back(ALogMsg);
  };

  ASSERT_TRUE(Loader.Load(AllLibraries)) << Loader.LastErrMsg();
  EXPECT_TRUE(Loader.Loaded(AllLibraries));
  EXPECT_NE(nullptr, FF.avfilter_graph_alloc);
  EXPECT_NE(nullptr, FF.avdevice_register_all);
  EXPECT_NO_THROW(Loader.CheckLibAV(AllLibraries));

  FF.av_log(nullptr, AV_LOG_ERROR, "back in the engine's hands\n");
  EXPECT_EQ((std::vector<String>{"back in the engine's hands"}), Lines);
}

TEST_F(FFLoadTest, WithoutInstallLoggerLibavutilKeepsItsOwnCallback) {
  TVORerivi Logger(nullptr);
  std::vector<String> Lines;
  Logger.OnLog = [&](TObject*, TThreadID, TLogLevel, const String& ALogMsg) { Lines.push_back(ALogMsg); };
  Loader.InstallLogger = false;
  ASSERT_TRUE(Loader.Load(avUtil)) << Loader.LastErrMsg();
  FF.av_log_set_level(AV_LOG_QUIET);  // keep the default callback from printing
  FF.av_log(nullptr, AV_LOG_PANIC, "not for the engine\n");
  EXPECT_TRUE(Lines.empty());

  Loader.InstallLogger = true;
  ASSERT_TRUE(Loader.Load(avUtil)) << Loader.LastErrMsg();
  FF.av_log(nullptr, AV_LOG_ERROR, "for the engine\n");
  EXPECT_EQ((std::vector<String>{"for the engine"}), Lines);
}

TEST_F(FFLoadTest, CheckLibAVNamesTheFirstMemberNotLoaded) {
  const TLibraries CodecAndDevice{avCodec, avDevice};
  try {
    Loader.CheckLibAV(CodecAndDevice);
    FAIL() << "no exception";
  } catch (const Exception& E) {
    EXPECT_EQ("Library avcodec not loaded.", E.Message());
  }
  ASSERT_TRUE(Loader.Load(avCodec)) << Loader.LastErrMsg();
  try {
    Loader.CheckLibAV(CodecAndDevice);
    FAIL() << "no exception";
  } catch (const Exception& E) {
    EXPECT_EQ("Library avdevice not loaded.", E.Message());
  }
}

// The tests that unload a library keep its file mapped (PinnedLibraries.h).
TEST_F(FFLoadTest, UnloadClearsTheLibrarysEntries) {
  ASSERT_TRUE(Loader.Load(TLibraries{avUtil, swScale, myUtil})) << Loader.LastErrMsg();
  PinFFmpegLibraries();
  EXPECT_NE(nullptr, FF.strtol);
  Loader.Unload(swScale);
  EXPECT_FALSE(Loader.Loaded(swScale));
  EXPECT_EQ(nullptr, FF.sws_scale);
  EXPECT_TRUE(Loader.Loaded(TLibraries{avUtil, myUtil}));
  Loader.Unload(TLibraries{avUtil, myUtil});
  EXPECT_EQ(nullptr, FF.av_log);
  EXPECT_EQ(nullptr, FF.strtol);
}

TEST_F(FFLoadTest, EmptySetsAreRejected) {
  EXPECT_THROW(Loader.Load(TLibraries{}), EAssertionFailed);
  EXPECT_THROW(Loader.Loaded(TLibraries{}), EAssertionFailed);
  EXPECT_THROW(Loader.Unload(TLibraries{}), EAssertionFailed);
}

TEST_F(FFLoadTest, LibrariesMissingFromTheFolderComeFromTheSystem) {
  TempDir EmptyFolder;
  Loader.SetLibraryPath(EmptyFolder.Path().string());
  EXPECT_TRUE(Loader.Load(DecoderLibraries)) << Loader.LastErrMsg();
}

TEST_F(FFLoadTest, MissingExportUnloadsTheWholeSet) {
  TempDir Folder;
  // Exports the first three names of libswscale's list, not the fourth.
  ASSERT_TRUE(
      BuildSharedLibrary("unsigned swscale_version(void) { return 0; }\n"
                         "void* sws_get_class(void) { return 0; }\n"
                         "void* sws_getContext(void) { return 0; }\n",
                         Folder.File("libswscale.so.6")));
  PinLibrary("libavutil.so.57");
  PinLibrary(Folder.File("libswscale.so.6"));
  Loader.SetLibraryPath(Folder.Path().string());

  EXPECT_FALSE(Loader.Load(TLibraries{avUtil, swScale}));
  EXPECT_THAT(Loader.LastErrMsg(), StartsWith("Load function sws_getCachedContext@libswscale.so.6 error: "));
  // The loader's text names the file it took from the folder.
  EXPECT_THAT(Loader.LastErrMsg(),
              HasSubstr(Folder.File("libswscale.so.6") + ": undefined symbol: sws_getCachedContext"));

  EXPECT_FALSE(Loader.Loaded(avUtil));
  EXPECT_FALSE(Loader.Loaded(swScale));
  EXPECT_EQ(nullptr, FF.av_log);
  // Entries bound before the missing one are not left pointing into the freed file.
  EXPECT_EQ(nullptr, FF.swscale_version);
  EXPECT_EQ(nullptr, FF.sws_getContext);
}

TEST_F(FFLoadTest, UnloadableFileFailsWithTheLoadersText) {
  TempDir Folder;
  testing_support::WriteWholeFile(Folder.File("libswscale.so.6"), "not a library");
  PinLibrary("libavutil.so.57");
  Loader.SetLibraryPath(Folder.Path().string());

  EXPECT_FALSE(Loader.Load(TLibraries{avUtil, swScale}));
  String FullName = IncludeTrailingPathDelimiter(Folder.Path().string()) + "libswscale.so.6";
  EXPECT_THAT(Loader.LastErrMsg(), StartsWith("Load library " + FullName + " error: " + FullName + ": "));
  EXPECT_FALSE(Loader.Loaded(avUtil));
  EXPECT_EQ(nullptr, FF.av_log);
  EXPECT_EQ(nullptr, FF.swscale_version);
}

TEST_F(FFLoadTest, TheCLibraryIsAlwaysTakenFromTheSystem) {
  TempDir Folder;
  ASSERT_TRUE(
      BuildSharedLibrary("int atoi(const char* s) { (void)s; return -1; }\n", Folder.File("libc.so.6")));
  Loader.SetLibraryPath(Folder.Path().string());
  ASSERT_TRUE(Loader.Load(myUtil)) << Loader.LastErrMsg();
  EXPECT_EQ(42, FF.atoi("42"));
}
