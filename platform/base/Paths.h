#pragma once
// File names and the folders the program works in. Names are UTF-8 with '/' as the
// delimiter. A result named "...Path" ends with the delimiter; one named "...Dir" or
// "...Home" does not.

#include "platform/base/Strings.h"

constexpr char PathDelim = '/';

// Adds the delimiter when missing; an empty name gives "/".
String IncludeTrailingPathDelimiter(const String& APath);
// Removes one trailing delimiter; the root folder "/" stays "/".
String ExcludeTrailingPathDelimiter(const String& APath);

// "/a/b.c/name.ext" gives "/a/b.c/" (path, with the delimiter), "/a/b.c" (dir,
// without it; "/" for a file in the root), "name.ext" (name) and ".ext" (extension,
// with its dot; "" when the name has none; a dot in a folder name does not count).
String ExtractFilePath(const String& AFileName);
String ExtractFileDir(const String& AFileName);
String ExtractFileName(const String& AFileName);
String ExtractFileExt(const String& AFileName);
// Replaces the extension, or appends AExtension when the name has none. AExtension
// carries its dot; an empty one removes the extension.
String ChangeFileExt(const String& AFileName, const String& AExtension);

// The absolute form of a name, relative ones taken from the current folder, with "."
// and ".." and repeated delimiters removed. Links are not resolved, so ".." after a
// link climbs the name, not the link's target. A trailing delimiter is kept.
String ExpandFileName(const String& AFileName);

// The folder of the running program file, with a trailing delimiter.
String GetAppPath();
String GetCurrentDir();
// The value of an environment variable; "" when it is not set.
String GetEnvironmentVariable(const String& AName);
// $TMPDIR, else "/tmp".
String GetTempDir();

// The user's folders after the XDG base directory rules: $XDG_CONFIG_HOME or
// ~/.config, $XDG_DATA_HOME or ~/.local/share (a relative setting is ignored, as the
// rules say), and the documents folder named by XDG_DOCUMENTS_DIR in user-dirs.dirs of
// the configuration folder, else ~/Documents.
String GetXdgConfigHome();
String GetXdgDataHome();
String GetUserDocumentsDir();

// Finds a file whose name was written for a file system that ignores letter case and
// may use '\' as the delimiter (skin descriptions name their pictures that way). The
// exact name wins when it exists; otherwise every component is matched against the
// folder's entries without regard to case. Returns the name as it is on disk, or ""
// when no file matches.
String FindFileIgnoringCase(const String& AFileName);
