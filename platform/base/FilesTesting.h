#pragma once
// A seam for the crash tests of WriteFileAtomically, not for use by the program.

// When set, called after the temporary file has been completely written and flushed
// and before it is renamed over the target. A test sets it in a forked child to a
// function that calls _exit, which is what a crash at that moment looks like.
extern void (*gAfterTempWrittenHook)();
