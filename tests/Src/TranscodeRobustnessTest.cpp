// Damaged inputs: each ends in a clear error or in a best-effort output, never in a
// crash or a hang (also run under the sanitizers).

#include <gtest/gtest.h>

#include <filesystem>

#include "Src/FFLoad.h"
#include "tests/Src/TranscodeTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace transcode_test;
namespace fs = std::filesystem;

class TranscodeRobustnessTest : public TranscodeFixture {
 protected:
  // A damaged copy of AFileName: AKeep of its bytes, and every AFlipEvery-th byte after
  // the first 4 KiB inverted (0: none).
  std::string Damage(const std::string& AFileName, const std::string& AName, double AKeep,
                     size_t AFlipEvery) {
    std::string Data = testing_support::ReadWholeFile(AFileName);
    Data.resize(static_cast<size_t>(Data.size() * AKeep));
    if (AFlipEvery)
      for (size_t I = 4096; I < Data.size(); I += AFlipEvery) Data[I] = static_cast<char>(~Data[I]);
    const std::string Path = Dir.File(AName);
    testing_support::WriteWholeFile(Path, Data);
    return Path;
  }
};

TEST_F(TranscodeRobustnessTest, DamagedInputsEndInAnErrorOrABestEffortOutput) {
  const std::string Folder = Dir.Path().string();
  const std::string Matroska = MakeClip(Folder, "good.mkv", 2);
  const std::string Mp4 =
      MakeMedia(Folder, "good.mp4", "-i " + testing_support::ShellQuote(Matroska) + " -c copy");
  const std::string Text = Dir.File("text.mp4");
  testing_support::WriteWholeFile(Text, "This is not a film, only a few words of text.\n");
  const std::string Corpus[] = {
      Damage(Matroska, "truncated.mkv", 0.4, 0),          Damage(Mp4, "truncated.mp4", 0.6, 0),
      Damage(Matroska, "flipped.mkv", 1.0, 251),          Damage(Mp4, "flipped.mp4", 1.0, 173),
      Damage(Matroska, "flipped-truncated.mkv", 0.7, 97), Damage(Matroska, "empty.mp4", 0.0, 0),
      Damage(Matroska, "matroska-named.mp4", 1.0, 0),     Text,
  };
  for (const std::string& Input : Corpus) {
    SCOPED_TRACE(Input);
    const std::string Output = Input + ".out.mkv";
    TCustomFFmpeg Task;
    int Opened = Task.OpenInputFile(Input);
    if (Opened < 0) {
      EXPECT_FALSE(Task.FLastErrMsg.empty());
      continue;
    }
    if (Task.OpenOutputFile(Output, false) < 0) {
      EXPECT_FALSE(Task.FLastErrMsg.empty());
      continue;
    }
    TRunResult Run = RunInPlace(Task);
    ASSERT_TRUE(Run.Terminated);
    if (Run.Failed)
      EXPECT_FALSE(Run.Message.empty());
    else
      EXPECT_NO_THROW(Probe(Output));
  }
  // The intact file with the wrong extension converts as any other.
  EXPECT_EQ(Probe(Dir.File("matroska-named.mp4.out.mkv")).Video.size(), 1u);
}

}  // namespace
