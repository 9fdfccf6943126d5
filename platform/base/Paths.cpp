#include "platform/base/Paths.h"

#include <dirent.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/base/Files.h"

namespace {

// Where the name part of a file name starts: after the last delimiter.
size_t FileNameStart(const String& AFileName) {
  size_t Delim = AFileName.rfind(PathDelim);
  return Delim == String::npos ? 0 : Delim + 1;
}

// Position of the extension's dot, or npos when the name part has none.
size_t ExtensionStart(const String& AFileName) {
  size_t Dot = AFileName.rfind('.');
  return Dot == String::npos || Dot < FileNameStart(AFileName) ? String::npos : Dot;
}

String GetHomeDir() {
  String Home = GetEnvironmentVariable("HOME");
  if (!Home.empty()) return ExcludeTrailingPathDelimiter(Home);
  passwd Entry;
  passwd* Found = nullptr;
  char Buffer[4096];
  if (getpwuid_r(getuid(), &Entry, Buffer, sizeof(Buffer), &Found) == 0 && Found && Found->pw_dir)
    return ExcludeTrailingPathDelimiter(Found->pw_dir);
  return "";
}

// An XDG folder variable when it holds an absolute name, else the default below home.
String GetXdgDir(const char* AVariable, const char* ADefaultBelowHome) {
  String Value = GetEnvironmentVariable(AVariable);
  if (!Value.empty() && Value[0] == PathDelim) return ExcludeTrailingPathDelimiter(Value);
  return GetHomeDir() + PathDelim + ADefaultBelowHome;
}

// The value of one line of user-dirs.dirs: a double-quoted text that starts with
// "$HOME" or is absolute, with shell backslash escapes. "" when the line is not usable.
String ParseUserDirValue(const String& AValue) {
  if (AValue.size() < 2 || AValue.front() != '"' || AValue.back() != '"') return "";
  String Text;
  for (size_t I = 1; I + 1 < AValue.size(); ++I) {
    if (AValue[I] == '\\' && I + 2 < AValue.size()) ++I;
    Text += AValue[I];
  }
  if (Text == "$HOME" || Text.starts_with("$HOME/")) Text = GetHomeDir() + Text.substr(5);
  if (Text.empty() || Text[0] != PathDelim) return "";
  return ExcludeTrailingPathDelimiter(Text);
}

// The entry of AFolder whose name equals AName without regard to case and is a folder
// (AWantFolder) or a file. Of several such entries the first in byte order is taken,
// so the answer does not depend on the order the file system lists them in.
String FindEntryIgnoringCase(const String& AFolder, const String& AName, bool AWantFolder) {
  DIR* Folder = opendir(AFolder.empty() ? "." : AFolder.c_str());
  if (!Folder) return "";
  String Best;
  while (dirent* Entry = readdir(Folder)) {
    String Name = Entry->d_name;
    if (!SameText(Name, AName) || (!Best.empty() && CompareStr(Name, Best) >= 0)) continue;
    String Full = AFolder + Name;
    if (AWantFolder ? DirectoryExists(Full) : FileExists(Full)) Best = Name;
  }
  closedir(Folder);
  return Best;
}

}  // namespace

String IncludeTrailingPathDelimiter(const String& APath) {
  return !APath.empty() && APath.back() == PathDelim ? APath : APath + PathDelim;
}

String ExcludeTrailingPathDelimiter(const String& APath) {
  if (APath.size() > 1 && APath.back() == PathDelim) return APath.substr(0, APath.size() - 1);
  return APath;
}

String ExtractFilePath(const String& AFileName) { return AFileName.substr(0, FileNameStart(AFileName)); }

String ExtractFileDir(const String& AFileName) {
  size_t Start = FileNameStart(AFileName);
  if (Start == 0) return "";
  return AFileName.substr(0, Start == 1 ? 1 : Start - 1);
}

String ExtractFileName(const String& AFileName) { return AFileName.substr(FileNameStart(AFileName)); }

String ExtractFileExt(const String& AFileName) {
  size_t Dot = ExtensionStart(AFileName);
  return Dot == String::npos ? String() : AFileName.substr(Dot);
}

String ChangeFileExt(const String& AFileName, const String& AExtension) {
  return AFileName.substr(0, ExtensionStart(AFileName)) + AExtension;
}

String ExpandFileName(const String& AFileName) {
  if (AFileName.empty()) return "";
  String Absolute = AFileName[0] == PathDelim ? AFileName : GetCurrentDir() + PathDelim + AFileName;
  std::vector<String> Kept;
  for (String& Part : SplitNonEmpty(Absolute, PathDelim)) {
    if (Part == ".") continue;
    if (Part == "..") {
      if (!Kept.empty()) Kept.pop_back();
      continue;
    }
    Kept.push_back(std::move(Part));
  }
  String Result;
  for (const String& Part : Kept) Result += PathDelim + Part;
  if (Result.empty()) return String(1, PathDelim);
  return AFileName.back() == PathDelim ? Result + PathDelim : Result;
}

String GetAppPath() {
  std::vector<char> Buffer(4096);
  for (;;) {
    ssize_t Length = readlink("/proc/self/exe", Buffer.data(), Buffer.size());
    if (Length < 0) return "";
    if (static_cast<size_t>(Length) < Buffer.size()) return ExtractFilePath(String(Buffer.data(), Length));
    Buffer.resize(Buffer.size() * 2);
  }
}

String GetCurrentDir() {
  std::vector<char> Buffer(4096);
  while (!getcwd(Buffer.data(), Buffer.size())) {
    if (errno != ERANGE) return "";
    Buffer.resize(Buffer.size() * 2);
  }
  return Buffer.data();
}

String GetEnvironmentVariable(const String& AName) {
  const char* Value = std::getenv(AName.c_str());
  return Value ? Value : "";
}

String GetTempDir() {
  String Value = GetEnvironmentVariable("TMPDIR");
  return Value.empty() ? "/tmp" : ExcludeTrailingPathDelimiter(Value);
}

String GetXdgConfigHome() { return GetXdgDir("XDG_CONFIG_HOME", ".config"); }

String GetXdgDataHome() { return GetXdgDir("XDG_DATA_HOME", ".local/share"); }

String GetUserDocumentsDir() {
  const String Setting = "XDG_DOCUMENTS_DIR=";
  String Documents;
  try {
    String Text = ReadFileToString(GetXdgConfigHome() + "/user-dirs.dirs");
    size_t Start = 0;
    while (Start < Text.size()) {
      size_t End = Text.find('\n', Start);
      if (End == String::npos) End = Text.size();
      String Line = Trim(std::string_view(Text).substr(Start, End - Start));
      if (Line.starts_with(Setting)) Documents = ParseUserDirValue(Line.substr(Setting.size()));
      Start = End + 1;
    }
  } catch (const EStreamError&) {
    // Tolerated: without the file the desktop's default name applies.
  }
  return Documents.empty() ? GetHomeDir() + "/Documents" : Documents;
}

String FindFileIgnoringCase(const String& AFileName) {
  if (FileExists(AFileName)) return AFileName;
  const String Name = StringReplaceAll(AFileName, "\\", "/");
  if (Name.empty()) return "";
  std::vector<String> Parts = SplitNonEmpty(Name, PathDelim);
  String Resolved = Name[0] == PathDelim ? String(1, PathDelim) : String();
  for (size_t I = 0; I < Parts.size(); ++I) {
    const bool IsLast = I + 1 == Parts.size();
    String Entry = Parts[I];
    const String Exact = Resolved + Entry;
    const bool ExactFits = IsLast ? FileExists(Exact) : DirectoryExists(Exact);
    if (!ExactFits) {
      if (Entry == "." || Entry == "..") return "";
      Entry = FindEntryIgnoringCase(Resolved, Entry, !IsLast);
      if (Entry.empty()) return "";
    }
    Resolved += IsLast ? Entry : Entry + PathDelim;
  }
  return Resolved;
}
