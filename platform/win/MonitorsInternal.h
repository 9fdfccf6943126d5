#pragma once
// Internal calls of the monitors (platform/win only).

// Makes the monitor handles given out so far stale: the configuration changed.
void InvalidateMonitorHandles();
