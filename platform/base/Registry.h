#pragma once
// The settings store that stands in for the registry. Keys are paths of names joined
// by '\' ("Software\Pelladrin\Pelladrin") below a root key; each key holds named
// string and integer values. Key and value names are compared without regard to case.
// Everything lives in one file, described in SettingsFile.h.
//
// The file is the only state: every call reads it afresh and every change rewrites it
// at once (WriteFileAtomically), so two TRegistry objects, or two running copies of the
// program, see each other's changes, and a crash never leaves a damaged file.
//
// Threads: the user-interface thread only; there is no locking.

#include <cstdint>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/base/Strings.h"

using HKEY = uint32_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001;

class ERegistryException : public Exception {
 public:
  using Exception::Exception;
};

class TRegistry {
 public:
  // HKEY_CURRENT_USER unless changed. Any other root is accepted and kept in the same
  // file under a name of its own, apart from the current user's keys.
  HKEY RootKey() const { return FRootKey; }
  // Closes the open key.
  void SetRootKey(HKEY AValue);

  // A key name that starts with '\' is taken from the root; any other is taken from the
  // open key, or from the root when none is open. Names holding control characters are
  // refused (false).
  //
  // Opens the key, creating it when it is missing and ACanCreate is set. False when it
  // does not exist (and may not be created); the open key then stays as it was.
  // Creating a key writes the file and raises its errors as the writes below do.
  bool OpenKey(const String& AKey, bool ACanCreate);
  // Creates the key without opening it; true when it exists afterwards.
  bool CreateKey(const String& AKey);
  void CloseKey();
  // A key exists when it was created or when a key below it exists.
  bool KeyExists(const String& AKey);
  // Removes the key with every key below it; false when there was none.
  bool DeleteKey(const String& AKey);

  // The value operations work on the open key; with none open nothing exists, reading
  // raises and writing raises.
  bool ValueExists(const String& AName);
  bool DeleteValue(const String& AName);
  void GetValueNames(std::vector<String>& ANames);

  // Raise ERegistryException ("Invalid data type for '%s'") when the value is missing
  // or holds the other type. Booleans are integers, as in the registry: ReadBool is
  // true for any integer but 0, WriteBool stores 1 or 0.
  String ReadString(const String& AName);
  int ReadInteger(const String& AName);
  bool ReadBool(const String& AName);

  // Raise ERegistryException ("Failed to set data for '%s'") when no key is open, and
  // the file errors of WriteFileAtomically when the file cannot be written.
  void WriteString(const String& AName, const String& AValue);
  void WriteInteger(const String& AName, int AValue);
  void WriteBool(const String& AName, bool AValue);

 private:
  // The full path of AKey, or "" when AKey holds a forbidden name.
  String ResolveKey(const String& AKey) const;

  HKEY FRootKey = HKEY_CURRENT_USER;
  String FCurrentPath;  // full path of the open key including the root's name; "" when none
};
