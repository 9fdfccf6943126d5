#pragma once
// Moving whole pictures between streams and memory, for the graphics classes (not for
// other code).

#include <cstdint>
#include <vector>

#include "platform/base/Streams.h"

// Everything from the stream's position to its end.
std::vector<uint8_t> ReadRestOfStream(TStream& AStream);
void WriteBytesToStream(TStream& AStream, const std::vector<uint8_t>& ABytes);
