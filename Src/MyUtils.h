#pragma once
// The engine's small utilities: binding outside libraries at run time, file sizes and
// their display text, splitting texts and option lines, and the hand-over of calls
// from engine threads to the user-interface thread.

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/base/DynLib.h"
#include "platform/base/Paths.h"  // GetAppPath: the program's folder, for the engine too
#include "platform/base/Strings.h"

// Loads AFileName from AFolder when the folder holds it, else by bare name from the
// system's search path. Libraries in one folder find each other through their own
// run path, so neither the current folder nor any environment variable is touched
// (both are process-wide, and other threads may be using them). Returns nullptr with
// the loader's text in AErrorText on failure.
HMODULE LoadLibraryInFolder(const String& AFolder, const String& AFileName, String& AErrorText);

// Binds the export AName of AHandle into AEntry. A missing name leaves AEntry nullptr;
// unless AOptional is set it raises "Load function %s@%s error: %s" (or "Load variable
// %s@%s error: %s") with the name, ALibFile and the loader's text.
void FixupFunction(const String& ALibFile, HMODULE AHandle, const char* AName, bool AOptional, void*& AEntry);
void FixupVariable(const String& ALibFile, HMODULE AHandle, const char* AName, bool AOptional, void*& AEntry);

// The size of an existing file, read from its directory entry without opening it;
// -1 when there is no such file (a folder is no file) or it cannot be examined.
int64_t GetFileSize64(const String& AFileName);

// Returns the text before the first ADelimiter, or the whole text when there is none
// (an empty delimiter counts as none). With ARemove, AText loses the token and the
// delimiter, and becomes empty when there was no delimiter.
String CutFirstToken(String& AText, const String& ADelimiter, bool ARemove);

// "%d Byte" up to 1024 bytes (negative sizes too), then "%.2f KB", "%.2f MB" and
// "%.2f GB" with '.' as the decimal separator.
String FormatByteSize(int64_t ASize);

// Splits an option line into arguments by the C run time's rules: blanks and tabs
// separate, double quotes group, a run of backslashes before a double quote is halved
// and an odd one makes the quote literal. Inside a quoted part, a doubled double
// quote gives a literal one only as the very last characters of the text; elsewhere
// it closes the part and opens it again. Bytes are copied as they are, so UTF-8 text
// passes unchanged. The text ends at its end or at a zero byte.
// ACharCount receives the bytes the arguments take with one terminating zero each and
// AArgCount the number of arguments plus one, the sizes of the C run time's argument
// buffer and argument array (which ends with one empty entry).
std::vector<String> SplitCommandLine(const String& AText, int* ACharCount = nullptr,
                                     int* AArgCount = nullptr);

// Runs AMethod on the user-interface thread and returns after it has run: a worker
// waits for the user-interface thread to take the call, so it must hold no lock that
// the user-interface thread may wait for. On the user-interface thread AMethod runs
// at once. An exception of AMethod reaches the caller.
void CallInMainThread(const std::function<void()>& AMethod);

// Opens an address with the desktop's handler: xdg-open started directly (no shell),
// the address its one argument, and not waited for. The desktop chooses the program,
// browser or not, so APreferBrowser changes nothing here. False when xdg-open cannot be
// started.
bool OpenURL(const String& AAddress, bool APreferBrowser);

// Keep the user-interface thread responsive in loops that wait on it for work to stop.
// ProcessOneMessage runs the calls engine threads handed to the user-interface thread
// and, once the window system runs, one queued window message; it tells whether it ran
// anything (always false on another thread, which has no queue of its own). A quit
// request stays queued for the program's own loop. PumpMessages repeats it until
// nothing is left.
bool ProcessOneMessage();
void PumpMessages();
