#pragma once
// Video-hook modules ("vhook"): outside shared libraries that see every decoded picture
// of a task before it enters the filter chains and may change it in place. A task keeps
// a chain of them (TFrameHookEntry), calls them per picture and releases them at its end.
//
// A module exports, with the C calling convention:
//   int  Configure(void** ctxp, int argc, char* argv[], int last);  0 = success
//   void Process(void* ctx, TFrameHookPicture* picture, int pix_fmt, int width,
//                int height, int64_t pts);
//   void Release(void* ctx);                                          optional
// argv[0] is the module's own file name; the array holds at least 64 entries, those
// after the arguments null, and last is 63. The array and its texts stay valid until
// Release. pix_fmt is an AVPixelFormat number of the
// FFmpeg the engine runs on (5.1), pts is in microseconds.
//
// Modules are loaded by their absolute path (a relative name is taken from the current
// folder) and stay loaded for the life of the process; neither the working folder nor
// the library search path is touched, since both are process-wide. Each file is loaded
// once, however many tasks name it.
//
// Threads: AddFrameHook may run on any thread (the module list has its own lock); a
// chain belongs to its task and is used by one thread at a time.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/base/Strings.h"

// The picture as a module sees it: the planes and line sizes of the frame.
struct TFrameHookPicture {
  uint8_t* data[4];
  int linesize[4];
};

using TFrameHookConfigureFn = int (*)(void** ACtx, int AArgc, char* AArgv[], int ALast);
using TFrameHookProcessFn = void (*)(void* ACtx, TFrameHookPicture* APicture, int APixFmt, int AWidth,
                                     int AHeight, int64_t APTS);
using TFrameHookReleaseFn = void (*)(void* ACtx);

struct TFrameHookEntry {
  std::unique_ptr<TFrameHookEntry> next;
  TFrameHookConfigureFn Configure = nullptr;
  TFrameHookProcessFn Process = nullptr;
  TFrameHookReleaseFn Release = nullptr;  // may be missing
  void* ctx = nullptr;                    // the module's own, filled by Configure
  // The texts handed to Configure and their array: a module may keep the pointers and
  // read them until Release, so they live as long as the entry.
  std::vector<String> Arguments;
  std::vector<char*> Argv;
};

// Loads the module AArguments[0] (once per process) and appends it, configured with
// AArguments, to the chain at AHead: 0, or a negative code after the reason went to
// FFmpeg's log at its error level: -2 without arguments, or for a module without
// "Process" (or without "Configure" while arguments were given), -1 when the module
// cannot be loaded, -22 when its Configure refuses.
int AddFrameHook(std::unique_ptr<TFrameHookEntry>& AHead, const std::vector<String>& AArguments);

// Every module of the chain, in order, processes the picture in place. The caller makes
// sure that nobody else holds the picture's buffers.
void ProcessFrameHooks(TFrameHookEntry* AHead, TFrameHookPicture& APicture, int APixFmt, int AWidth,
                       int AHeight, int64_t APTS);

// Releases every entry of the chain in order (the modules stay loaded); AHead becomes
// empty.
void ReleaseFrameHooks(std::unique_ptr<TFrameHookEntry>& AHead);
