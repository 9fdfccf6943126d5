#pragma once
// What the hook tests share: flat pictures made by the ffmpeg command-line tool, and the
// luma of a converted file's pictures as the ffmpeg command-line tool decodes them.

#include <cstdint>
#include <string>
#include <vector>

namespace hook_test {

constexpr int Width = 64;
constexpr int Height = 48;
constexpr int Frames = 10;
// The luma of ffmpeg's "gray" (#808080) in limited range.
constexpr int GrayLuma = 126;

// Frames pictures of Width × Height at 25 a second in the colour AColor (an ffmpeg
// colour name), MPEG-4 with one key frame, so every later picture is predicted from the
// decoder's earlier ones; with AWithAudio a stereo tone rides along (AC-3).
std::string MakeFlatClip(const std::string& AFolder, const std::string& AName,
                         const std::string& AColor = "gray", bool AWithAudio = false);

// The luma plane of every picture of AFileName (Width × Height bytes each).
std::vector<std::vector<uint8_t>> ReadLuma(const std::string& AFileName);

inline int LumaAt(const std::vector<uint8_t>& APlane, int AX, int AY) { return APlane[AY * Width + AX]; }

}  // namespace hook_test
