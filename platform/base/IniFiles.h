#pragma once
// Ini files: sections of "key=value" lines. TCustomIniFile is what readers and writers
// of settings take; TMemIniFile keeps a whole file in memory and saves it on
// UpdateFile; TIniFile saves after every change.
//
// Reading rules, the same for every ini:
// - section and key names are compared without regard to case and without the
//   blanks around them;
// - a line splits at its first "="; values lose the blanks around them;
// - of duplicate keys the first wins, and a section that appears twice is one
//   section holding the keys of both;
// - lines starting with ";" or "#" are comments; lines before the first section and
//   lines without "=" are ignored;
// - the file is UTF-8, a leading byte-order mark is skipped, lines end in CRLF or LF.
//
// Writing keeps the order of sections and keys and appends new ones at the end of
// their section (a new section at the end of the file); values are stored trimmed, as
// a reload would give them back. Comments are not kept. What a file cannot hold
// raises EIniFileException ("\"%s\" cannot be stored in an ini file"): a line break
// in a section name, key name or value, and a key name that is empty, holds "=" or
// starts with ";", "#" or "[".

#include <functional>
#include <unordered_map>
#include <vector>

#include "platform/base/Strings.h"

class TStrings;

class TCustomIniFile {
 public:
  explicit TCustomIniFile(const String& AFileName) : FFileName(AFileName) {}
  virtual ~TCustomIniFile() = default;
  TCustomIniFile(const TCustomIniFile&) = delete;
  TCustomIniFile& operator=(const TCustomIniFile&) = delete;

  const String& FileName() const { return FFileName; }

  virtual String ReadString(const String& ASection, const String& AIdent, const String& ADefault) const = 0;
  virtual void WriteString(const String& ASection, const String& AIdent, const String& AValue) = 0;
  // A decimal number or "0x" and hexadecimal digits; any other text, an empty value
  // or an absent key gives ADefault.
  int ReadInteger(const String& ASection, const String& AIdent, int ADefault) const;
  // Always decimal.
  void WriteInteger(const String& ASection, const String& AIdent, int AValue);
  // An integer: 0 is false, any other true; no integer gives ADefault.
  bool ReadBool(const String& ASection, const String& AIdent, bool ADefault) const;
  // "1" or "0".
  void WriteBool(const String& ASection, const String& AIdent, bool AValue);
  // With "." as decimal separator, whatever the locale.
  double ReadFloat(const String& ASection, const String& AIdent, double ADefault) const;
  void WriteFloat(const String& ASection, const String& AIdent, double AValue);

  // True only for a section holding at least one key.
  virtual bool SectionExists(const String& ASection) const = 0;
  virtual bool ValueExists(const String& ASection, const String& AIdent) const = 0;
  // Each of these clears AStrings first: the key names of a section in file order,
  // the names of all sections (empty ones too), the "key=value" lines of a section.
  virtual void ReadSection(const String& ASection, TStrings& AStrings) const = 0;
  virtual void ReadSections(TStrings& AStrings) const = 0;
  virtual void ReadSectionValues(const String& ASection, TStrings& AStrings) const = 0;
  virtual void EraseSection(const String& ASection) = 0;
  virtual void DeleteKey(const String& ASection, const String& AIdent) = 0;
  // Writes the file as a whole (see WriteFileAtomically).
  virtual void UpdateFile() = 0;

 private:
  String FFileName;
};

class TMemIniFile : public TCustomIniFile {
 public:
  // Reads the whole file. A missing file is an empty ini; a file that exists but
  // cannot be read raises EFOpenError.
  explicit TMemIniFile(const String& AFileName);

  String ReadString(const String& ASection, const String& AIdent, const String& ADefault) const override;
  void WriteString(const String& ASection, const String& AIdent, const String& AValue) override;
  bool SectionExists(const String& ASection) const override;
  bool ValueExists(const String& ASection, const String& AIdent) const override;
  void ReadSection(const String& ASection, TStrings& AStrings) const override;
  void ReadSections(TStrings& AStrings) const override;
  void ReadSectionValues(const String& ASection, TStrings& AStrings) const override;
  void EraseSection(const String& ASection) override;
  void DeleteKey(const String& ASection, const String& AIdent) override;
  void UpdateFile() override;

  // The whole ini as text lines ("[section]", "key=value", a blank line between
  // sections), and its replacement by such lines.
  void GetStrings(TStrings& AStrings) const;
  void SetStrings(const TStrings& AStrings);
  void Clear();

 private:
  struct TIniEntry {
    String Name;
    String Value;
  };
  // Case-folded name -> index; looked up by string_view, so that a name already in
  // folded form needs no copy.
  struct TNameHash {
    using is_transparent = void;
    size_t operator()(std::string_view AName) const { return std::hash<std::string_view>()(AName); }
  };
  using TNameIndex = std::unordered_map<String, size_t, TNameHash, std::equal_to<>>;
  struct TIniSection {
    String Name;
    std::vector<TIniEntry> Entries;
    TNameIndex EntryIndex;  // case-folded name -> index in Entries
  };

  const TIniSection* FindSection(const String& ASection) const;
  const TIniEntry* FindEntry(const String& ASection, const String& AIdent) const;
  // The section named ASection, appended when there is none.
  TIniSection& ProvideSection(const String& ASection);
  // Adds the key unless the section has it already (the first one wins).
  static void AddEntry(TIniSection& ASection, const String& AName, const String& AValue);

  std::vector<TIniSection> FSections;
  TNameIndex FSectionIndex;  // case-folded name -> index in FSections
};

// An ini that saves the file after every WriteString, EraseSection and DeleteKey (and
// every write built on them). Reading follows TMemIniFile, from the content loaded at
// creation and changed since.
class TIniFile : public TMemIniFile {
 public:
  using TMemIniFile::TMemIniFile;

  void WriteString(const String& ASection, const String& AIdent, const String& AValue) override;
  void EraseSection(const String& ASection) override;
  void DeleteKey(const String& ASection, const String& AIdent) override;
};
