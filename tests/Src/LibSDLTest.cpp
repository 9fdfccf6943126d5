// Binding SDL 1.2 per player: one loader per library file; the SDL mutex guard.

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "Src/libsdl.h"
#include "tests/Src/SharedLibraryBuilder.h"
#include "tests/support/TestSupport.h"

namespace {

class SDLLoaderTest : public testing::Test {
 protected:
  void SetUp() override {
    String Error;
    First = MakeSDLLibraryCopy(Folder(), 0, Error);
    Second = MakeSDLLibraryCopy(Folder(), 1, Error);
    ASSERT_FALSE(First.empty() || Second.empty()) << Error;
  }
  std::string Folder() const { return Dir.Path().string(); }

  testing_support::TempDir Dir;
  String First, Second;
};

}  // namespace

TEST_F(SDLLoaderTest, ASecondLoaderOfTheSameFileIsRefusedAndTheFirstKeepsWorking) {
  TSDLLoader A, B;
  ASSERT_TRUE(A.Load(Folder(), "libSDL_0.so")) << A.LastErrMsg();
  EXPECT_EQ(A.LibFile(), First);
  EXPECT_FALSE(B.Load(Folder(), "libSDL_0.so"));
  EXPECT_EQ(B.LastErrMsg(), First + " alreay loaded in another instance.");
  EXPECT_FALSE(B.Loaded());
  ASSERT_TRUE(A.Loaded());
  EXPECT_STREQ(A.EntryPoints().SDL_GetError(), "");
  // Loading what it holds changes nothing.
  EXPECT_TRUE(A.Load(Folder() + "/", "libSDL_0.so"));
}

TEST_F(SDLLoaderTest, ALoaderThatTakesAnotherFileReleasesItsFirst) {
  TSDLLoader A, B;
  ASSERT_TRUE(A.Load(Folder(), "libSDL_0.so"));
  ASSERT_TRUE(A.Load(Folder(), "libSDL_1.so"));
  EXPECT_TRUE(B.Load(Folder(), "libSDL_0.so")) << B.LastErrMsg();
  A.Unload();
  EXPECT_FALSE(A.Loaded());
  EXPECT_TRUE(A.LibFile().empty());
  EXPECT_TRUE(TSDLLoader().Load(Folder(), "libSDL_1.so"));
}

TEST_F(SDLLoaderTest, ALibraryWithoutAnExportIsLeftUnboundAndUnlisted) {
  const std::string Partial = Dir.File("libpartial.so");
  ASSERT_TRUE(BuildSharedLibrary("int SDL_Init(unsigned flags) { return 0; }\n", Partial));
  TSDLLoader A;
  EXPECT_FALSE(A.Load(Folder(), "libpartial.so"));
  EXPECT_EQ(A.LastErrMsg().rfind("Load function SDL_Quit@" + Partial + " error: ", 0), 0u) << A.LastErrMsg();
  EXPECT_FALSE(A.Loaded());
  TSDLLoader B;
  EXPECT_FALSE(B.Load(Folder(), "libpartial.so"));
  EXPECT_EQ(B.LastErrMsg().rfind("Load function", 0), 0u)
      << "the name must not be listed: " << B.LastErrMsg();
}

TEST_F(SDLLoaderTest, AMissingFileIsReported) {
  TSDLLoader A;
  EXPECT_FALSE(A.Load(Folder(), "libnothing.so"));
  EXPECT_EQ(A.LastErrMsg().rfind("Load library " + Folder() + "/libnothing.so error: ", 0), 0u)
      << A.LastErrMsg();
}

TEST_F(SDLLoaderTest, AMutexLockLetsGoWhenItsScopeThrows) {
  TSDLLoader Loader;
  ASSERT_TRUE(Loader.Load(Folder(), "libSDL_0.so")) << Loader.LastErrMsg();
  const TSDLEntryPoints& SDL = Loader.EntryPoints();
  SDL_mutex* Mutex = SDL.SDL_CreateMutex();
  ASSERT_NE(Mutex, nullptr);
  EXPECT_THROW(
      {
        TSDLMutexLock Lock(SDL, Mutex);
        throw std::runtime_error("handler failed");
      },
      std::runtime_error);
  // Another thread gets the mutex (a mutex left locked would keep it waiting until the
  // test run's time limit ends the test).
  bool Taken = false;
  std::thread Other([&] {
    TSDLMutexLock Lock(SDL, Mutex);
    Taken = true;
  });
  Other.join();
  EXPECT_TRUE(Taken);
  SDL.SDL_DestroyMutex(Mutex);
}

// A started and released copy can stay mapped after its folder is gone; new copies are
// still made from the system's library.
TEST_F(SDLLoaderTest, CopiesComeFromTheSystemLibraryAfterAReleasedCopyIsDeleted) {
  {
    testing_support::TempDir Gone;
    String Error;
    ASSERT_FALSE(MakeSDLLibraryCopy(Gone.Path().string(), 2, Error).empty()) << Error;
    TSDLLoader Loader;
    ASSERT_TRUE(Loader.Load(Gone.Path().string(), "libSDL_2.so")) << Loader.LastErrMsg();
    ASSERT_EQ(Loader.EntryPoints().SDL_Init(SDL_INIT_TIMER | SDL_INIT_NOPARACHUTE), 0);
    Loader.EntryPoints().SDL_Quit();
  }
  String Error;
  EXPECT_FALSE(MakeSDLLibraryCopy(Folder(), 3, Error).empty()) << Error;
}

TEST_F(SDLLoaderTest, ACopyThatCannotBeWrittenReportsWhy) {
  String Error;
  const std::string Missing = Dir.File("missing");
  EXPECT_TRUE(MakeSDLLibraryCopy(Missing, 0, Error).empty());
  EXPECT_NE(Error.find(" to " + Missing + "/libSDL_0.so error: No such file or directory"), std::string::npos)
      << Error;
}
