// The engine's registries of protocols, input formats and filters.
//
// Registrations last for the life of the process, so every record here is static and
// every test uses names of its own.

#include <gtest/gtest.h>

#include "Src/FFLoad.h"
#include "Src/FFUtils.h"
#include "Src/NativeFilters.h"
#include "platform/base/Exceptions.h"

namespace {

template <typename TBase>
class TNamed : public TBase {
 public:
  explicit TNamed(const char* AName) : FName(AName) {}
  String Name() const override { return FName; }

 private:
  const char* FName;
};

using TTestFilter = TNamed<TEngineFilter>;
using TTestInputFormat = TNamed<TEngineInputFormat>;

class TTestProtocol : public TNamed<TURLProtocol> {
 public:
  using TNamed::TNamed;
  std::unique_ptr<TURLConnection> Open(const String&, int, int& AError) override {
    AError = AVERROR(ENOSYS);
    return nullptr;
  }
};

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(FFLoader().Load(AllLibraries)) << FFLoader().LastErrMsg(); }
};

TEST_F(RegistryTest, ANameIsRegisteredOnceAndTheFirstRecordStays) {
  static TTestFilter First("registryfilter"), Second("registryfilter");
  RegisterFilter(First);
  RegisterFilter(First);
  RegisterFilter(Second);
  EXPECT_EQ(FindFilter("registryfilter"), &First);

  static TTestInputFormat Device("screencapture"), OtherDevice("screencapture");
  RegisterInputFormat(Device);
  RegisterInputFormat(OtherDevice);
  EXPECT_EQ(FindInputFormat("screencapture"), &Device);

  static TTestProtocol Protocol("enginetest"), OtherProtocol("enginetest");
  RegisterProtocol(Protocol);
  RegisterProtocol(OtherProtocol);
  EXPECT_EQ(FindProtocol("enginetest"), &Protocol);
}

TEST_F(RegistryTest, NamesAreComparedExactlyWithRegardToCase) {
  static TTestFilter Lower("registryhue"), Upper("RegistryHue");
  RegisterFilter(Lower);
  RegisterFilter(Upper);
  EXPECT_EQ(FindFilter("registryhue"), &Lower);
  EXPECT_EQ(FindFilter("RegistryHue"), &Upper);
  EXPECT_EQ(FindFilter("REGISTRYHUE"), nullptr);
  EXPECT_EQ(FindFilter("registryhu"), nullptr);
}

TEST_F(RegistryTest, TheEnginesRecordsShadowFFmpegsOfTheSameName) {
  // FFmpeg has a filter "transpose", a demuxer "mp4" and a protocol "file"; the engine looks
  // in its own registries first, so its records of those names must be kept.
  static TTestFilter Transpose("transpose");
  static TTestInputFormat Mp4("mp4");
  static TTestProtocol File("file");
  RegisterFilter(Transpose);
  RegisterInputFormat(Mp4);
  RegisterProtocol(File);
  EXPECT_EQ(FindFilter("transpose"), &Transpose);
  EXPECT_EQ(FindInputFormat("mp4"), &Mp4);
  EXPECT_EQ(FindProtocol("file"), &File);
}

TEST_F(RegistryTest, OpeningThroughAProtocolPassesItsFailureOn) {
  static TTestProtocol Failing("failingtest");
  RegisterProtocol(Failing);
  int Error = 0;
  EXPECT_EQ(OpenProtocolIO("failingtest:anything", AVIO_FLAG_READ, Error), nullptr);
  EXPECT_EQ(Error, AVERROR(ENOSYS));
  EXPECT_EQ(OpenProtocolIO("unregisteredtest:anything", AVIO_FLAG_READ, Error), nullptr);
  EXPECT_EQ(Error, AVERROR_PROTOCOL_NOT_FOUND);
  EXPECT_EQ(OpenProtocolIO("failingtest", AVIO_FLAG_READ, Error), nullptr);  // no ":": not a URL of ours
  EXPECT_EQ(Error, AVERROR_PROTOCOL_NOT_FOUND);
}

TEST(RegistryWithoutLibrariesTest, RegisteringNeedsTheLibraryOfTheRegistry) {
  // Each test runs in a process of its own under ctest; unloading keeps this test
  // meaningful when the whole program runs in one process.
  FFLoader().Unload(AllLibraries);
  ASSERT_FALSE(FFLoader().Loaded(avFormat));
  static TTestInputFormat Device("unloadedcapture");
  static TTestProtocol Protocol("unloadedprotocol");
  static TTestFilter Filter("unloadedfilter");
  EXPECT_THROW(RegisterInputFormat(Device), EAssertionFailed);
  EXPECT_THROW(RegisterProtocol(Protocol), EAssertionFailed);
  EXPECT_THROW(RegisterFilter(Filter), EAssertionFailed);

  // The format library alone does not serve the filter registry.
  ASSERT_TRUE(FFLoader().Load(DecoderLibraries)) << FFLoader().LastErrMsg();
  EXPECT_THROW(RegisterFilter(Filter), EAssertionFailed);
  EXPECT_EQ(FindInputFormat("unloadedcapture"), nullptr);
  EXPECT_EQ(FindProtocol("unloadedprotocol"), nullptr);
  EXPECT_EQ(FindFilter("unloadedfilter"), nullptr);
  RegisterInputFormat(Device);
  EXPECT_EQ(FindInputFormat("unloadedcapture"), &Device);
}

// The loader registers "rotate"; the application registers the two equalisers.
TEST_F(RegistryTest, TheNativeFiltersReportTheirDescriptions) {
  RegisterNativeEqFilter();
  RegisterNativeHueFilter();
  const struct {
    const char* Name;
    const char* Description;
  } Cases[] = {{"rotate", ""},
               {"nativeeq", "Software video equalizer(brightness and contrast)"},
               {"nativehue", "Software video equalizer(hue and saturation)"}};
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TEngineFilter* Filter = FindFilter(Case.Name);
    ASSERT_NE(Filter, nullptr);
    EXPECT_EQ(Filter->Description(), Case.Description);
  }
}

}  // namespace
