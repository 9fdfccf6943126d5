// Pelladrin's program entry. Until the main window exists, the program loads the
// media engine's libraries the way the main window will and reports the result.

#include <cstdio>

#include "Src/FFLoad.h"
#include "platform/base/Paths.h"

namespace {

String VersionText(unsigned AVersion) {
  return Format("%d.%d.%d", AVersion >> 16, (AVersion >> 8) & 0xFF, AVersion & 0xFF);
}

}  // namespace

int main() {
  TFFLoader& Loader = FFLoader();
  Loader.SetLibraryPath(IncludeTrailingPathDelimiter(GetAppPath() + "LibAV"));
  if (!Loader.Load(AllLibraries)) {
    std::fprintf(stderr, "Pelladrin: %s\n", Loader.LastErrMsg().c_str());
    return 1;
  }
  std::printf("Pelladrin: media engine ready (libavcodec %s, libavformat %s, libavfilter %s, libavutil %s)\n",
              VersionText(FF.avcodec_version()).c_str(), VersionText(FF.avformat_version()).c_str(),
              VersionText(FF.avfilter_version()).c_str(), VersionText(FF.avutil_version()).c_str());
  return 0;
}
