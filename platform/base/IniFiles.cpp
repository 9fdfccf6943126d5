#include "platform/base/IniFiles.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "platform/base/Exceptions.h"
#include "platform/base/StringList.h"

namespace {

std::string_view TrimmedView(std::string_view AText) {
  auto IsBlank = [](char C) { return static_cast<unsigned char>(C) <= ' '; };
  while (!AText.empty() && IsBlank(AText.front())) AText.remove_prefix(1);
  while (!AText.empty() && IsBlank(AText.back())) AText.remove_suffix(1);
  return AText;
}

// The key under which a section or key name is indexed: names that SameText calls
// equal fold to the same text, since both map each code point to lower case.
String FoldedName(std::string_view AName) { return LowerCase(TrimmedView(AName)); }

// True when AName is its own folded name: plain ASCII without capitals or blanks, as
// nearly every name a program asks for is.
bool IsFoldedName(std::string_view AName) {
  return std::all_of(AName.begin(), AName.end(), [](char C) {
    const auto Code = static_cast<unsigned char>(C);
    return Code > ' ' && Code < 0x80 && !(Code >= 'A' && Code <= 'Z');
  });
}

// The entry of AIndex for the name AName folds to.
template <typename TIndex>
auto FindFoldedName(TIndex& AIndex, std::string_view AName) {
  return IsFoldedName(AName) ? AIndex.find(AName) : AIndex.find(FoldedName(AName));
}

[[noreturn]] void RaiseNotStorable(std::string_view AText) {
  throw EIniFileException(Format("\"%s\" cannot be stored in an ini file", AText));
}

// A line break would end the line early, and the rest would be read as another
// section or key.
void CheckSingleLine(std::string_view AText) {
  if (AText.find_first_of("\r\n") != std::string_view::npos) RaiseNotStorable(AText);
}

void CheckKeyName(std::string_view AName) {
  CheckSingleLine(AName);
  std::string_view Name = TrimmedView(AName);
  if (Name.empty() || Name.find('=') != std::string_view::npos || Name.front() == ';' ||
      Name.front() == '#' || Name.front() == '[')
    RaiseNotStorable(AName);
}

bool IsComment(std::string_view ALine) { return ALine.front() == ';' || ALine.front() == '#'; }
bool IsSectionHeader(std::string_view ALine) { return ALine.front() == '[' && ALine.back() == ']'; }

// Index maps point into vectors; after the element at ARemoved has gone, the later
// ones sit one place earlier.
template <typename TIndex>
void ShiftIndexAfterRemoval(TIndex& AIndex, size_t ARemoved) {
  for (auto& Entry : AIndex)
    if (Entry.second > ARemoved) --Entry.second;
}

}  // namespace

int TCustomIniFile::ReadInteger(const String& ASection, const String& AIdent, int ADefault) const {
  return StrToIntDef(ReadString(ASection, AIdent, String()), ADefault);
}

void TCustomIniFile::WriteInteger(const String& ASection, const String& AIdent, int AValue) {
  WriteString(ASection, AIdent, IntToStr(AValue));
}

bool TCustomIniFile::ReadBool(const String& ASection, const String& AIdent, bool ADefault) const {
  return ReadInteger(ASection, AIdent, ADefault ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const String& ASection, const String& AIdent, bool AValue) {
  WriteString(ASection, AIdent, AValue ? "1" : "0");
}

double TCustomIniFile::ReadFloat(const String& ASection, const String& AIdent, double ADefault) const {
  return StrToFloatDef(ReadString(ASection, AIdent, String()), ADefault);
}

void TCustomIniFile::WriteFloat(const String& ASection, const String& AIdent, double AValue) {
  WriteString(ASection, AIdent, FloatToStr(AValue));
}

TMemIniFile::TMemIniFile(const String& AFileName) : TCustomIniFile(AFileName) {
  struct stat Info;
  if (stat(AFileName.c_str(), &Info) != 0 && (errno == ENOENT || errno == ENOTDIR)) return;
  TStringList Lines;
  Lines.LoadFromFile(AFileName);
  SetStrings(Lines);
}

const TMemIniFile::TIniSection* TMemIniFile::FindSection(const String& ASection) const {
  auto Found = FindFoldedName(FSectionIndex, ASection);
  return Found == FSectionIndex.end() ? nullptr : &FSections[Found->second];
}

const TMemIniFile::TIniEntry* TMemIniFile::FindEntry(const String& ASection, const String& AIdent) const {
  const TIniSection* Section = FindSection(ASection);
  if (!Section) return nullptr;
  auto Found = FindFoldedName(Section->EntryIndex, AIdent);
  return Found == Section->EntryIndex.end() ? nullptr : &Section->Entries[Found->second];
}

TMemIniFile::TIniSection& TMemIniFile::ProvideSection(const String& ASection) {
  auto [Found, Added] = FSectionIndex.try_emplace(FoldedName(ASection), FSections.size());
  if (Added) FSections.push_back(TIniSection{String(TrimmedView(ASection)), {}, {}});
  return FSections[Found->second];
}

void TMemIniFile::AddEntry(TIniSection& ASection, const String& AName, const String& AValue) {
  auto [Found, Added] = ASection.EntryIndex.try_emplace(
      IsFoldedName(AName) ? String(AName) : FoldedName(AName), ASection.Entries.size());
  if (Added) ASection.Entries.push_back(TIniEntry{String(TrimmedView(AName)), String(TrimmedView(AValue))});
}

String TMemIniFile::ReadString(const String& ASection, const String& AIdent, const String& ADefault) const {
  const TIniEntry* Entry = FindEntry(ASection, AIdent);
  return Entry ? Entry->Value : ADefault;
}

void TMemIniFile::WriteString(const String& ASection, const String& AIdent, const String& AValue) {
  CheckSingleLine(ASection);
  CheckKeyName(AIdent);
  CheckSingleLine(AValue);
  TIniSection& Section = ProvideSection(ASection);
  auto Found = FindFoldedName(Section.EntryIndex, AIdent);
  if (Found == Section.EntryIndex.end())
    AddEntry(Section, AIdent, AValue);
  else
    Section.Entries[Found->second].Value = TrimmedView(AValue);
}

bool TMemIniFile::SectionExists(const String& ASection) const {
  const TIniSection* Section = FindSection(ASection);
  return Section && !Section->Entries.empty();
}

bool TMemIniFile::ValueExists(const String& ASection, const String& AIdent) const {
  return FindEntry(ASection, AIdent) != nullptr;
}

void TMemIniFile::ReadSection(const String& ASection, TStrings& AStrings) const {
  TStringsUpdateScope Update(AStrings);
  AStrings.Clear();
  if (const TIniSection* Section = FindSection(ASection))
    for (const TIniEntry& Entry : Section->Entries) AStrings.Add(Entry.Name);
}

void TMemIniFile::ReadSections(TStrings& AStrings) const {
  TStringsUpdateScope Update(AStrings);
  AStrings.Clear();
  for (const TIniSection& Section : FSections) AStrings.Add(Section.Name);
}

void TMemIniFile::ReadSectionValues(const String& ASection, TStrings& AStrings) const {
  TStringsUpdateScope Update(AStrings);
  AStrings.Clear();
  if (const TIniSection* Section = FindSection(ASection))
    for (const TIniEntry& Entry : Section->Entries) AStrings.Add(Entry.Name + "=" + Entry.Value);
}

void TMemIniFile::EraseSection(const String& ASection) {
  auto Found = FSectionIndex.find(FoldedName(ASection));
  if (Found == FSectionIndex.end()) return;
  size_t Removed = Found->second;
  FSectionIndex.erase(Found);
  FSections.erase(FSections.begin() + static_cast<ptrdiff_t>(Removed));
  ShiftIndexAfterRemoval(FSectionIndex, Removed);
}

void TMemIniFile::DeleteKey(const String& ASection, const String& AIdent) {
  auto FoundSection = FSectionIndex.find(FoldedName(ASection));
  if (FoundSection == FSectionIndex.end()) return;
  TIniSection& Section = FSections[FoundSection->second];
  auto Found = Section.EntryIndex.find(FoldedName(AIdent));
  if (Found == Section.EntryIndex.end()) return;
  size_t Removed = Found->second;
  Section.EntryIndex.erase(Found);
  Section.Entries.erase(Section.Entries.begin() + static_cast<ptrdiff_t>(Removed));
  ShiftIndexAfterRemoval(Section.EntryIndex, Removed);
}

void TMemIniFile::UpdateFile() {
  TStringList Lines;
  GetStrings(Lines);
  Lines.SaveToFile(FileName());
}

void TMemIniFile::GetStrings(TStrings& AStrings) const {
  TStringsUpdateScope Update(AStrings);
  AStrings.Clear();
  for (const TIniSection& Section : FSections) {
    if (AStrings.Count() > 0) AStrings.Add(String());
    AStrings.Add("[" + Section.Name + "]");
    for (const TIniEntry& Entry : Section.Entries) AStrings.Add(Entry.Name + "=" + Entry.Value);
  }
}

void TMemIniFile::SetStrings(const TStrings& AStrings) {
  Clear();
  TIniSection* Section = nullptr;
  for (int I = 0; I < AStrings.Count(); ++I) {
    const String Text = AStrings.Strings(I);
    std::string_view Line = TrimmedView(Text);
    if (Line.empty() || IsComment(Line)) continue;
    if (IsSectionHeader(Line)) {
      Section = &ProvideSection(String(Line.substr(1, Line.size() - 2)));
      continue;
    }
    size_t Equals = Line.find('=');
    if (!Section || Equals == std::string_view::npos || TrimmedView(Line.substr(0, Equals)).empty()) continue;
    AddEntry(*Section, String(Line.substr(0, Equals)), String(Line.substr(Equals + 1)));
  }
}

void TMemIniFile::Clear() {
  FSections.clear();
  FSectionIndex.clear();
}

void TIniFile::WriteString(const String& ASection, const String& AIdent, const String& AValue) {
  TMemIniFile::WriteString(ASection, AIdent, AValue);
  UpdateFile();
}

void TIniFile::EraseSection(const String& ASection) {
  TMemIniFile::EraseSection(ASection);
  UpdateFile();
}

void TIniFile::DeleteKey(const String& ASection, const String& AIdent) {
  TMemIniFile::DeleteKey(ASection, AIdent);
  UpdateFile();
}
