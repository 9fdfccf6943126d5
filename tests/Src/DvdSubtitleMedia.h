#pragma once
// Graphic (DVD) subtitles written byte by byte as a VobSub pair, for the tests that need
// what the ffmpeg tool does not make: subtitles with a display start after their packet
// time, and translucent ones.

#include <string>
#include <vector>

namespace dvd_subtitle_media {

struct TDvdSubtitle {
  int PacketSecond;  // the packet time, in whole seconds
  int ShowMs;        // the display start and end after the packet time, in milliseconds
  int HideMs;
};

// Writes AName + ".sub" and AName + ".idx" (a 720x576 canvas) and returns the index
// file's name. Each subtitle is a white square of ASize pixels at the top left, of
// opacity AAlpha (0 clear to 15 opaque). Display times are kept in steps of 1024/90 ms.
std::string WriteVobSub(const std::string& AName, int ASize, int AAlpha,
                        const std::vector<TDvdSubtitle>& ASubtitles);

}  // namespace dvd_subtitle_media
