#pragma once
// The file behind the settings store (Registry.h): $XDG_CONFIG_HOME/Pelladrin/
// settings.ini, an ini-like text that keeps each value's type:
//
//   [HKCU\Software\Pelladrin\Pelladrin]
//   OutputPath=s:/home/ann/Videos
//   language=i:1
//
// A section line names a key by its full path. In value names and string values a
// backslash, '=', '[' and control characters are escaped ("\\", "\=", "\[", "\n",
// "\r", "\xHH"), so any text survives the round trip on one line. Key names cannot
// hold control characters (the settings store refuses them) and need no escapes.

#include <string_view>
#include <variant>
#include <vector>

#include "platform/base/Strings.h"

struct TSettingsValue {
  String Name;
  std::variant<String, int> Data;
};

struct TSettingsKey {
  String Path;
  std::vector<TSettingsValue> Values;
};

using TSettingsKeys = std::vector<TSettingsKey>;

// Key paths and value names are compared without regard to case.
TSettingsKey* FindSettingsKey(TSettingsKeys& AKeys, const String& APath);
TSettingsValue* FindSettingsValue(TSettingsKey& AKey, const String& AName);

String SettingsFileName();

// Reads the text leniently: lines that do not parse are skipped, and of two sections
// or two values with the same name (compared without regard to case) the first wins.
TSettingsKeys ParseSettings(std::string_view AText);
String FormatSettings(const TSettingsKeys& AKeys);

// The keys in the settings file; none when it does not exist. A file that exists but
// cannot be read gives no keys to a reader, but raises EFOpenError for a writer, so
// that a write never replaces settings it could not see.
TSettingsKeys LoadSettingsFile(bool AForWriting);
// Creates the folder when needed and replaces the file atomically.
void SaveSettingsFile(const TSettingsKeys& AKeys);
