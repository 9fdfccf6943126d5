#pragma once
// Media for the converter's tests, made by the ffmpeg command-line tool in a test's
// folder: a Matroska file with several streams of each kind, and short clips of a
// given length.

#include <string>

namespace converter_test_media {

// Streams in this order: 0 video 640x360, 1 video 1280x720, 2 audio mono AC-3,
// 3 audio 5.1 AC-3, 4 subtitle (SubRip); one second long.
std::string MakeMultiStreamMatroska(const std::string& AFolder, const std::string& AName = "multi.mkv");

// A Matroska clip of ASeconds seconds: 160x120 MPEG-4 video at 10 frames a second and
// mono AC-3 audio.
std::string MakeClip(const std::string& AFolder, const std::string& AName, int ASeconds);

}  // namespace converter_test_media
