#pragma once
// Files and folders on disk: existence tests, folder creation, whole-file reading and
// the crash-safe replacement of a file that the settings store, ini files and string
// lists save through.

#include <string_view>

#include "platform/base/Strings.h"

// The system's text for an errno value ("No such file or directory").
String SysErrorMessage(int AErrorCode);

// True for an existing file that is not a folder (links are followed).
bool FileExists(const String& AFileName);
// True for an existing folder (links are followed).
bool DirectoryExists(const String& ADirectory);
// Creates the folder and every missing folder above it. True when the folder exists
// afterwards; false for an empty name or when a level cannot be made.
bool ForceDirectories(const String& ADirectory);

bool DeleteFile(const String& AFileName);
// Renames or moves a file within one file system. Unlike rename(2), an existing
// ANewName is never replaced: the call fails instead, so no file is lost by accident.
bool RenameFile(const String& AOldName, const String& ANewName);

// The whole content of a file. Raises EFOpenError ("Cannot open file \"%s\". %s")
// when it cannot be opened and EReadError when reading fails.
String ReadFileToString(const String& AFileName);

// Replaces the content of AFileName with AData so that, whatever happens (a crash, a
// full disk, a power loss), the file holds either its old content or the new one,
// never a mixture. The data go to a fresh temporary file beside the target, are
// flushed to disk, and the temporary is renamed over the target. An existing target
// keeps its permission bits. Raises EFCreateError ("Cannot create file \"%s\". %s")
// when the temporary cannot be made and EWriteError when writing, flushing or
// renaming fails; the temporary is removed in both cases.
void WriteFileAtomically(const String& AFileName, std::string_view AData);
