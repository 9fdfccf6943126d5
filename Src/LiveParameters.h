#pragma once
// Live parameters: integers owned by the engine that the application changes while a
// filter chain runs, so that a picture follows a slider without rebuilding the chain.
//
// The application asks for a parameter and gets a handle (a positive number); a filter
// text names the parameter by that handle ("nativeeq=@3:@4"). Handles are never given
// twice in a process, so a stale handle can never reach another parameter. A released
// parameter stays alive for the chains already built on it, but no new chain may name
// it and the application can no longer change it.
//
// Threads: any thread may create, set, read and release parameters; a chain reads its
// parameters on the thread that runs it, once per picture.

#include <atomic>
#include <memory>

#include "platform/base/Strings.h"

using TLiveValue = std::atomic<int>;

// A new parameter holding AInitial; its handle.
int NewLiveParameter(int AInitial);

// Changes the parameter; the chains that use it take the value for their next picture.
// An unknown or released handle raises EListError.
void SetLiveParameter(int AHandle, int AValue);

// The parameter's current value (a filter may have forced it into its range). An
// unknown or released handle raises EListError.
int GetLiveParameter(int AHandle);

// Ends the application's use of the parameter. An unknown or released handle raises
// EListError.
void ReleaseLiveParameter(int AHandle);

// For the filters: the parameter behind AHandle, shared with the registry, or nullptr
// when the handle is unknown or released.
std::shared_ptr<TLiveValue> FindLiveParameter(int AHandle);
