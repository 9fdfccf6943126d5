#pragma once
// The fixture of the decoder's tests: a decoder with its libraries loaded, a folder for
// media, and the engine's log lines collected for inspection.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "Src/FFDecode.h"
#include "Src/FFLog.h"
#include "tests/Src/DecoderTestMedia.h"
#include "tests/support/TestSupport.h"

class DecoderTest : public testing::Test {
 protected:
  void SetUp() override {
    Logger->TriggerEventInMainThread = false;
    Logger->OnLog = [this](TObject*, TThreadID, TLogLevel, const String& AText) {
      LogLines.push_back(AText);
    };
    ASSERT_TRUE(Decoder.LoadAVLib("")) << Decoder.LastErrMsg();
  }

  bool WasLogged(const String& AText) const {
    return std::find(LogLines.begin(), LogLines.end(), AText) != LogLines.end();
  }
  std::string Folder() const { return Dir.Path().string(); }

  testing_support::TempDir Dir;
  std::unique_ptr<TVORerivi> Logger = std::make_unique<TVORerivi>(nullptr);
  std::vector<String> LogLines;
  TFFDecoder Decoder{nullptr};
};
