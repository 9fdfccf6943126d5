#pragma once
// Media for the decoder's tests and benchmark, made by the ffmpeg command-line tool
// into a folder the caller gives (a TempDir). Each function returns the file's name and
// raises std::runtime_error with ffmpeg's output when ffmpeg fails.

#include <string>

namespace decoder_media {

// 2 s of 320x240 testsrc2 at 25 fps, MPEG-4 with a key frame every 10 pictures
// (every 400 ms), and mono AAC, in MP4. AFastStart puts the index in front, so that a
// cut-off copy still opens.
std::string MakeMp4(const std::string& AFolder, bool AFastStart = false);

// 1 s Matroska: #0 1280x720 H.264 and #1 640x360 MPEG-4, both 30000/1001 fps; #2 mono
// AAC 44.1 kHz ("eng"); #3 5.1 AC-3 48 kHz ("ger"); #4 a SubRip subtitle ("eng").
std::string MakeMatroska(const std::string& AFolder);

// 1 s red then 1 s green, 320x240 at 25 fps, MPEG-4 at high quality, in MP4.
std::string MakeRedGreenClip(const std::string& AFolder);

// 5 pictures of 854x480 testsrc2 (rows of an odd number of pixel bytes), lossless FFV1.
std::string MakeWideClip(const std::string& AFolder);

// One 64x48 red PNG picture.
std::string MakePicture(const std::string& AFolder);

// 1 s of stereo signed 16-bit 44.1 kHz sine in WAV.
std::string MakeWav(const std::string& AFolder);

// 1 s of ADTS AAC whose second half has another sample rate (22.05 kHz after 44.1 kHz).
std::string MakeRateChangingAac(const std::string& AFolder);

// 1 s of 160x120 H.264 in MP4 at 25 fps whose bitstream states 50 fps (a codec time
// base of 1/100 with two ticks a picture).
std::string MakeCodecRateMismatchClip(const std::string& AFolder);

// One 160x120 H.264 picture in NUT, whose bitstream states 50 fps while the container
// has 25 fps as its base rate and no average rate.
std::string MakeSinglePictureRateMismatchNut(const std::string& AFolder);

// A named pipe that nobody writes to.
std::string MakeFifo(const std::string& AFolder);

// A copy of ASource cut to AFraction of its size.
std::string TruncatedCopy(const std::string& ASource, const std::string& ADest, double AFraction);
// A copy of ASource with one byte in every 61 inverted in its middle three fifths.
std::string BitFlippedCopy(const std::string& ASource, const std::string& ADest);

// Runs an ffmpeg command line (without the program name); raises on failure.
void RunFFmpeg(const std::string& AArguments);

}  // namespace decoder_media
