#pragma once
// Reading a named pipe (FIFO) for the decoder without ever blocking for good.
//
// The system's open of a pipe waits for a writer, and its read waits for data; FFmpeg's
// file protocol does both and cannot be interrupted there. This reader opens the pipe
// without waiting and waits for data in short slices, asking the read time-out between
// them, so a pipe that never delivers fails when the time-out expires.

#include "Src/FFEntryPoints.h"
#include "platform/base/Strings.h"

// Whether AFileName names a named pipe.
bool IsFifo(const String& AFileName);

// An AVIOContext that reads the pipe; AInterrupt is asked between the waits and ends
// the read with AVERROR_EXIT when it says so. nullptr with a negative AError when the
// pipe cannot be opened. Set it as the format context's pb before avformat_open_input.
AVIOContext* OpenFifoInput(const String& AFileName, const AVIOInterruptCB& AInterrupt, int& AError);
// Closes the pipe and frees the context (after avformat_close_input); AIO becomes nullptr.
void CloseFifoInput(AVIOContext*& AIO);
