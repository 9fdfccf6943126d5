#pragma once
// Starting and stopping the window system. It starts by itself on first use with the
// backend SelectedBackendName() names; a program or a test may start it explicitly with
// a backend of its choice. User-interface thread only.

#include <memory>

#include "platform/win/Backend.h"

// Starts the window system on ABackend (nullptr: the selected one), stopping a running
// one first. Installs the wake-up of platform/base's hand-over (SetWakeMainThread), so
// that calls handed to the user-interface thread wake the message loop.
void StartWindowSystem(std::unique_ptr<TWindowBackend> ABackend = nullptr);
// Destroys every window, drops queued messages, timers, hooks and registered classes,
// and releases the backend. The next use starts the window system again.
void StopWindowSystem();
bool IsWindowSystemStarted();
