#include "tests/support/Pictures.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <span>

#include "tests/support/TestSupport.h"

namespace testing_support {

namespace fs = std::filesystem;

namespace {

std::string PictureBytes(const TPixelImage& AImage) {
  const std::vector<uint8_t> Png = EncodePng(AImage, true);
  return std::string(Png.begin(), Png.end());
}

TPixelImage ReadPicture(const std::string& AFileName) {
  const std::string Data = ReadWholeFile(AFileName);
  return DecodePng(std::span(reinterpret_cast<const uint8_t*>(Data.data()), Data.size()));
}

// Where pictures of a failure or for looking at go: the build tree, else a temporary
// folder that outlives the test.
fs::path KeptPicturesFolder() {
  const char* Base = std::getenv("PELLADRIN_TEST_TMP");
  const fs::path Folder = Base && *Base ? fs::path(Base) : fs::temp_directory_path();
  fs::create_directories(Folder);
  return Folder;
}

int ChannelDifference(uint32_t AOne, uint32_t AOther) {
  int Largest = 0;
  for (int Shift = 0; Shift < 32; Shift += 8) {
    const int Difference = std::abs(int((AOne >> Shift) & 0xFF) - int((AOther >> Shift) & 0xFF));
    if (Difference > Largest) Largest = Difference;
  }
  return Largest;
}

// The reference faded to a quarter of its contrast, differing pixels pure red.
TPixelImage DifferencePicture(const TPixelImage& AReference, const TPixelImage& AActual, int AChannel) {
  TPixelImage Result = AReference;
  Result.HasAlpha = false;
  for (size_t I = 0; I < Result.Pixels.size(); ++I) {
    if (ChannelDifference(AReference.Pixels[I], AActual.Pixels[I]) > AChannel) {
      Result.Pixels[I] = 0xFFFF0000;
      continue;
    }
    uint32_t Faded = 0xFF000000;
    for (int Shift = 0; Shift < 24; Shift += 8)
      Faded |= uint32_t(192 + ((AReference.Pixels[I] >> Shift) & 0xFF) / 4) << Shift;
    Result.Pixels[I] = Faded;
  }
  return Result;
}

}  // namespace

std::string AsciiPicture(const TPixelImage& AImage, const TRect& AArea, const TPixelLegend& ALegend,
                         char AOther) {
  return AsciiPicture(
      AArea, [&](int AX, int AY) { return AImage.Pixel(AX, AY); }, ALegend, AOther);
}

uint32_t OpaquePixel(uint32_t AColorRef) {
  return 0xFF000000 | ((AColorRef & 0xFF) << 16) | (AColorRef & 0xFF00) | ((AColorRef >> 16) & 0xFF);
}

::testing::AssertionResult MatchesReferencePicture(const TPixelImage& AActual, const std::string& AReference,
                                                   TPictureTolerance ATolerance) {
  const std::string ReferenceFile = SourceFile(AReference);
  if (const char* Update = std::getenv("PELLADRIN_UPDATE_PICTURES"); Update && std::string(Update) == "1") {
    fs::create_directories(fs::path(ReferenceFile).parent_path());
    WriteWholeFile(ReferenceFile, PictureBytes(AActual));
    return ::testing::AssertionSuccess() << "wrote the reference " << ReferenceFile;
  }
  if (!fs::exists(ReferenceFile))
    return ::testing::AssertionFailure()
           << "no reference picture " << ReferenceFile << " (PELLADRIN_UPDATE_PICTURES=1 makes it)";
  const TPixelImage Reference = ReadPicture(ReferenceFile);
  const std::string Name = fs::path(AReference).stem().string();
  const fs::path Folder = KeptPicturesFolder();
  const std::string ActualFile = (Folder / (Name + "-actual.png")).string();
  if (Reference.Width != AActual.Width || Reference.Height != AActual.Height) {
    WriteWholeFile(ActualFile, PictureBytes(AActual));
    return ::testing::AssertionFailure()
           << "the picture is " << AActual.Width << " x " << AActual.Height << ", the reference "
           << Reference.Width << " x " << Reference.Height << "; drawn: " << ActualFile;
  }
  int Differing = 0;
  TPoint First{-1, -1};
  for (int Y = 0; Y < Reference.Height; ++Y)
    for (int X = 0; X < Reference.Width; ++X)
      if (ChannelDifference(Reference.Pixel(X, Y), AActual.Pixel(X, Y)) > ATolerance.Channel) {
        if (Differing++ == 0) First = {X, Y};
      }
  if (Differing <= ATolerance.Pixels) return ::testing::AssertionSuccess();
  const std::string DifferenceFile = (Folder / (Name + "-difference.png")).string();
  WriteWholeFile(ActualFile, PictureBytes(AActual));
  WriteWholeFile(DifferenceFile, PictureBytes(DifferencePicture(Reference, AActual, ATolerance.Channel)));
  return ::testing::AssertionFailure()
         << Differing << " pixels differ from " << AReference << " by more than " << ATolerance.Channel
         << " in a channel (" << ATolerance.Pixels << " allowed), the first at (" << First.X << ", "
         << First.Y << "); drawn: " << ActualFile << ", difference: " << DifferenceFile;
}

void KeepPictureForLooking(const TPixelImage& APicture, const std::string& AName) {
  const std::string File = (KeptPicturesFolder() / (AName + ".png")).string();
  WriteWholeFile(File, PictureBytes(APicture));
  std::cout << "Picture to look at: " << File << "\n";
}

}  // namespace testing_support
