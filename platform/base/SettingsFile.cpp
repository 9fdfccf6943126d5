#include "platform/base/SettingsFile.h"

#include "platform/base/Exceptions.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"

namespace {

String Escape(std::string_view AText) {
  String Escaped;
  for (char C : AText) {
    const unsigned char Byte = static_cast<unsigned char>(C);
    if (C == '\\' || C == '=' || C == '[')
      Escaped += {'\\', C};
    else if (C == '\n')
      Escaped += "\\n";
    else if (C == '\r')
      Escaped += "\\r";
    else if (Byte < 0x20 || Byte == 0x7F)
      Escaped += "\\x" + IntToHex(Byte, 2);
    else
      Escaped += C;
  }
  return Escaped;
}

int HexDigit(char C) {
  if (C >= '0' && C <= '9') return C - '0';
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  return -1;
}

String Unescape(std::string_view AText) {
  String Text;
  for (size_t I = 0; I < AText.size(); ++I) {
    if (AText[I] != '\\' || I + 1 == AText.size()) {
      Text += AText[I];
      continue;
    }
    const char Next = AText[++I];
    if (Next == 'n')
      Text += '\n';
    else if (Next == 'r')
      Text += '\r';
    else if (Next == 'x' && I + 2 < AText.size() && HexDigit(AText[I + 1]) >= 0 &&
             HexDigit(AText[I + 2]) >= 0) {
      Text += static_cast<char>(HexDigit(AText[I + 1]) * 16 + HexDigit(AText[I + 2]));
      I += 2;
    } else
      Text += Next;
  }
  return Text;
}

size_t FindUnescapedEquals(std::string_view ALine) {
  for (size_t I = 0; I < ALine.size(); ++I) {
    if (ALine[I] == '\\')
      ++I;
    else if (ALine[I] == '=')
      return I;
  }
  return std::string_view::npos;
}

// A "name=s:text" or "name=i:42" line; false when it is neither.
bool ParseValue(std::string_view ALine, TSettingsValue& AValue) {
  const size_t Equals = FindUnescapedEquals(ALine);
  if (Equals == std::string_view::npos) return false;
  AValue.Name = Unescape(ALine.substr(0, Equals));
  const std::string_view Typed = ALine.substr(Equals + 1);
  if (Typed.starts_with("s:")) {
    AValue.Data = Unescape(Typed.substr(2));
    return true;
  }
  int Number = 0;
  if (Typed.starts_with("i:") && TryStrToInt(String(Typed.substr(2)), Number)) {
    AValue.Data = Number;
    return true;
  }
  return false;
}

}  // namespace

TSettingsKey* FindSettingsKey(TSettingsKeys& AKeys, const String& APath) {
  for (TSettingsKey& Key : AKeys)
    if (SameText(Key.Path, APath)) return &Key;
  return nullptr;
}

TSettingsValue* FindSettingsValue(TSettingsKey& AKey, const String& AName) {
  for (TSettingsValue& Value : AKey.Values)
    if (SameText(Value.Name, AName)) return &Value;
  return nullptr;
}

String SettingsFileName() { return GetXdgConfigHome() + "/Pelladrin/settings.ini"; }

TSettingsKeys ParseSettings(std::string_view AText) {
  TSettingsKeys Keys;
  TSettingsKey* Current = nullptr;
  while (!AText.empty()) {
    size_t End = AText.find('\n');
    std::string_view Line = AText.substr(0, End);
    AText.remove_prefix(End == std::string_view::npos ? AText.size() : End + 1);
    // Tolerated: an editor may have saved the file with CR LF line ends. Real carriage
    // returns in the data are escaped, so a raw one here is only a line end.
    if (Line.ends_with('\r')) Line.remove_suffix(1);
    if (Line.size() >= 2 && Line.front() == '[' && Line.back() == ']') {
      const String Path(Line.substr(1, Line.size() - 2));
      Current = FindSettingsKey(Keys, Path);
      if (!Current) Current = &Keys.emplace_back(TSettingsKey{Path, {}});
      continue;
    }
    TSettingsValue Value;
    if (Current && ParseValue(Line, Value) && !FindSettingsValue(*Current, Value.Name))
      Current->Values.push_back(std::move(Value));
  }
  return Keys;
}

String FormatSettings(const TSettingsKeys& AKeys) {
  String Text;
  for (const TSettingsKey& Key : AKeys) {
    if (!Text.empty()) Text += '\n';
    Text += "[" + Key.Path + "]\n";
    for (const TSettingsValue& Value : Key.Values) {
      Text += Escape(Value.Name);
      if (const String* Str = std::get_if<String>(&Value.Data))
        Text += "=s:" + Escape(*Str) + "\n";
      else
        Text += "=i:" + IntToStr(std::get<int>(Value.Data)) + "\n";
    }
  }
  return Text;
}

TSettingsKeys LoadSettingsFile(bool AForWriting) {
  const String FileName = SettingsFileName();
  if (!FileExists(FileName)) return {};
  try {
    return ParseSettings(ReadFileToString(FileName));
  } catch (const EStreamError&) {
    if (AForWriting) throw;
    return {};
  }
}

void SaveSettingsFile(const TSettingsKeys& AKeys) {
  const String FileName = SettingsFileName();
  // A failure here shows as the write's own error: the file cannot be created.
  ForceDirectories(ExtractFileDir(FileName));
  WriteFileAtomically(FileName, FormatSettings(AKeys));
}
