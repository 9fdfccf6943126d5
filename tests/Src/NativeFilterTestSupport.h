#pragma once
// What the tests of the engine's native filters share: flat pictures made in memory and
// a filter chain driven one picture at a time.

#include <array>
#include <string>
#include <vector>

#include "Src/VideoFilterChain.h"

namespace native_filter_test {

// A picture of AFormat whose planes are filled with AY, AU and AV.
TFramePtr MakeFlatFrame(AVPixelFormat AFormat, int AWidth, int AHeight, int AY, int AU, int AV);

// A 4:4:4 picture AWidth samples wide with one row per entry of ARows, the row's planes
// filled with its Y, U and V: one picture carries a whole column of cases.
TFramePtr MakeStripedFrame(int AWidth, const std::vector<std::array<int, 3>>& ARows);

// The input format of chains fed with pictures like those of MakeFlatFrame.
TVideoFormat FlatFormat(AVPixelFormat AFormat, int AWidth, int AHeight);

// Every sample of plane APlane (its chroma size taken from the format), row by row.
std::vector<uint8_t> PlaneSamples(const AVFrame* AFrame, int APlane);

// Sends AFrame through AChain and takes the one picture that comes out for it.
TFramePtr FilterOne(TVideoFilterChain& AChain, AVFrame* AFrame);

// The pictures of the video file AFileName, passed through the ffmpeg command-line
// tool's AFilters (none when empty), as raw yuv420p, one picture after the other.
std::string DecodeToRawVideo(const std::string& AFileName, const std::string& AFilters = "");

}  // namespace native_filter_test
