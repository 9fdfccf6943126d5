#include "platform/base/Registry.h"

#include <algorithm>

#include "platform/base/SettingsFile.h"

namespace {

const char KeyDelim = '\\';

String RootKeyName(HKEY ARoot) {
  if (ARoot == HKEY_CURRENT_USER) return "HKCU";
  if (ARoot == HKEY_CLASSES_ROOT) return "HKCR";
  return Format("HKEY_%08X", ARoot);
}

bool HasControlCharacter(const String& AName) {
  return std::any_of(AName.begin(), AName.end(), [](char C) { return static_cast<unsigned char>(C) < 0x20; });
}

// True when AKeyPath names APath itself or a key below it.
bool IsSameOrBelow(const String& AKeyPath, const String& APath) {
  const std::vector<String> Key = SplitNonEmpty(AKeyPath, KeyDelim), Wanted = SplitNonEmpty(APath, KeyDelim);
  return Key.size() >= Wanted.size() &&
         std::equal(Wanted.begin(), Wanted.end(), Key.begin(),
                    [](const String& A, const String& B) { return SameText(A, B); });
}

bool IsRoot(const String& APath) { return SplitNonEmpty(APath, KeyDelim).size() < 2; }

// The root always exists; another key when it or a key below it is in the file.
bool KeyExistsAt(const String& APath) {
  const TSettingsKeys Keys = LoadSettingsFile(false);
  return IsRoot(APath) || std::any_of(Keys.begin(), Keys.end(), [&](const TSettingsKey& Key) {
           return IsSameOrBelow(Key.Path, APath);
         });
}

[[noreturn]] void RaiseInvalidType(const String& AName) {
  throw ERegistryException(Format("Invalid data type for '%s'", AName));
}

// The stored data of a value of the key at APath; raises when there is none.
std::variant<String, int> ReadData(const String& APath, const String& AName) {
  TSettingsKeys Keys = LoadSettingsFile(false);
  TSettingsKey* Key = APath.empty() ? nullptr : FindSettingsKey(Keys, APath);
  TSettingsValue* Value = Key ? FindSettingsValue(*Key, AName) : nullptr;
  if (!Value) RaiseInvalidType(AName);
  return Value->Data;
}

void WriteData(const String& APath, const String& AName, std::variant<String, int> AData) {
  if (APath.empty()) throw ERegistryException(Format("Failed to set data for '%s'", AName));
  TSettingsKeys Keys = LoadSettingsFile(true);
  TSettingsKey* Key = FindSettingsKey(Keys, APath);
  // Another TRegistry may have deleted the open key meanwhile; writing brings it back.
  if (!Key) Key = &Keys.emplace_back(TSettingsKey{APath, {}});
  if (TSettingsValue* Value = FindSettingsValue(*Key, AName))
    Value->Data = std::move(AData);
  else
    Key->Values.push_back(TSettingsValue{AName, std::move(AData)});
  SaveSettingsFile(Keys);
}

}  // namespace

void TRegistry::SetRootKey(HKEY AValue) {
  CloseKey();
  FRootKey = AValue;
}

String TRegistry::ResolveKey(const String& AKey) const {
  String Path = AKey.starts_with(KeyDelim) || FCurrentPath.empty() ? RootKeyName(FRootKey) : FCurrentPath;
  for (const String& Name : SplitNonEmpty(AKey, KeyDelim)) {
    if (HasControlCharacter(Name)) return "";
    Path += KeyDelim + Name;
  }
  return Path;
}

bool TRegistry::OpenKey(const String& AKey, bool ACanCreate) {
  const String Path = ResolveKey(AKey);
  if (Path.empty()) return false;
  if (!KeyExistsAt(Path) && !(ACanCreate && CreateKey(AKey))) return false;
  FCurrentPath = Path;
  return true;
}

bool TRegistry::CreateKey(const String& AKey) {
  const String Path = ResolveKey(AKey);
  if (Path.empty()) return false;
  if (IsRoot(Path)) return true;
  TSettingsKeys Keys = LoadSettingsFile(true);
  if (!FindSettingsKey(Keys, Path)) {
    Keys.push_back(TSettingsKey{Path, {}});
    SaveSettingsFile(Keys);
  }
  return true;
}

void TRegistry::CloseKey() { FCurrentPath.clear(); }

bool TRegistry::KeyExists(const String& AKey) {
  const String Path = ResolveKey(AKey);
  return !Path.empty() && KeyExistsAt(Path);
}

bool TRegistry::DeleteKey(const String& AKey) {
  const String Path = ResolveKey(AKey);
  // The root itself cannot be deleted.
  if (Path.empty() || IsRoot(Path)) return false;
  TSettingsKeys Keys = LoadSettingsFile(true);
  const size_t Removed =
      std::erase_if(Keys, [&](const TSettingsKey& Key) { return IsSameOrBelow(Key.Path, Path); });
  if (Removed == 0) return false;
  SaveSettingsFile(Keys);
  return true;
}

bool TRegistry::ValueExists(const String& AName) {
  if (FCurrentPath.empty()) return false;
  TSettingsKeys Keys = LoadSettingsFile(false);
  TSettingsKey* Key = FindSettingsKey(Keys, FCurrentPath);
  return Key && FindSettingsValue(*Key, AName);
}

bool TRegistry::DeleteValue(const String& AName) {
  if (FCurrentPath.empty()) return false;
  TSettingsKeys Keys = LoadSettingsFile(true);
  TSettingsKey* Key = FindSettingsKey(Keys, FCurrentPath);
  if (!Key ||
      !std::erase_if(Key->Values, [&](const TSettingsValue& Value) { return SameText(Value.Name, AName); }))
    return false;
  SaveSettingsFile(Keys);
  return true;
}

void TRegistry::GetValueNames(std::vector<String>& ANames) {
  ANames.clear();
  if (FCurrentPath.empty()) return;
  TSettingsKeys Keys = LoadSettingsFile(false);
  if (TSettingsKey* Key = FindSettingsKey(Keys, FCurrentPath))
    for (const TSettingsValue& Value : Key->Values) ANames.push_back(Value.Name);
}

String TRegistry::ReadString(const String& AName) {
  std::variant<String, int> Data = ReadData(FCurrentPath, AName);
  if (String* Text = std::get_if<String>(&Data)) return std::move(*Text);
  RaiseInvalidType(AName);
}

int TRegistry::ReadInteger(const String& AName) {
  std::variant<String, int> Data = ReadData(FCurrentPath, AName);
  if (int* Number = std::get_if<int>(&Data)) return *Number;
  RaiseInvalidType(AName);
}

bool TRegistry::ReadBool(const String& AName) { return ReadInteger(AName) != 0; }

void TRegistry::WriteString(const String& AName, const String& AValue) {
  WriteData(FCurrentPath, AName, AValue);
}

void TRegistry::WriteInteger(const String& AName, int AValue) { WriteData(FCurrentPath, AName, AValue); }

void TRegistry::WriteBool(const String& AName, bool AValue) {
  WriteData(FCurrentPath, AName, AValue ? 1 : 0);
}
