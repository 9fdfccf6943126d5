#pragma once
// Lists of text lines: the abstract TStrings, whose helpers (text, comma text,
// name=value access, files and streams) work on any list that supplies the few core
// operations, and TStringList, the list kept in memory, optionally sorted.
//
// Every index is checked: a bad one raises EListError ("List index out of bounds
// (%d)"). Names are compared without regard to case unless a list says otherwise.
// Files and streams hold UTF-8 text whose lines end in LF when written; reading
// accepts CRLF, LF and CR and skips a leading UTF-8 byte-order mark.

#include <functional>
#include <string_view>
#include <vector>

#include "platform/base/Strings.h"

class TStream;

class TStrings {
 public:
  TStrings() = default;
  virtual ~TStrings() = default;
  // Lists are copied with Assign, which says what is copied.
  TStrings(const TStrings&) = delete;
  TStrings& operator=(const TStrings&) = delete;

  int Count() const { return GetCount(); }
  String Strings(int AIndex) const { return Get(AIndex); }
  void SetStrings(int AIndex, const String& AText) { Put(AIndex, AText); }
  // Each line carries one pointer of the caller's; the list does not own it.
  void* Objects(int AIndex) const { return GetObject(AIndex); }
  void SetObjects(int AIndex, void* AObject) { PutObject(AIndex, AObject); }

  // Appends (or, in a sorted list, inserts at the sorted place) and returns the index.
  int Add(const String& AText) { return AddObject(AText, nullptr); }
  virtual int AddObject(const String& AText, void* AObject);
  // Inserts before AIndex; AIndex may be Count() to append.
  virtual void Insert(int AIndex, const String& AText) = 0;
  void InsertObject(int AIndex, const String& AText, void* AObject);
  virtual void Delete(int AIndex) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(int AIndex1, int AIndex2);
  // The index of the first line equal to AText, or -1.
  virtual int IndexOf(const String& AText) const;

  // Replaces the lines and objects with those of ASource.
  void Assign(const TStrings& ASource);
  void AddStrings(const TStrings& AStrings);

  // Every line followed by "\n". Setting splits at CRLF, LF or CR; a line break at
  // the very end does not start another line.
  String Text() const;
  void SetText(std::string_view AText);

  // The lines separated by commas; a line holding blanks, commas or quotes is put in
  // double quotes with its quotes doubled, and so is a lone empty line. Setting
  // parses that form back: quoted parts may hold anything, and outside quotes both
  // commas and blanks separate lines.
  String CommaText() const;
  void SetCommaText(std::string_view AText);
  // The same with Delimiter and QuoteChar in place of the comma and the double quote.
  String DelimitedText() const;
  void SetDelimitedText(std::string_view AText);
  char Delimiter = ',';
  char QuoteChar = '"';

  // Name–value lines "name=value": the name is the text before the first "=", the
  // value everything after it. Lines without "=" have no name and are never found.
  String Names(int AIndex) const;
  String ValueFromIndex(int AIndex) const;
  int IndexOfName(const String& AName) const;
  // The value of the first line named AName, or the empty text.
  String Values(const String& AName) const;
  // Replaces the first line named AName, adds one when there is none, and deletes
  // it when AValue is empty.
  void SetValue(const String& AName, const String& AValue);

  // Changes between the outermost BeginUpdate and EndUpdate are announced once.
  void BeginUpdate();
  void EndUpdate();

  // Saving writes a UTF-8 byte-order mark first when set.
  bool WriteBOM = false;
  // Raises EFOpenError ("Cannot open file \"%s\". %s") with the system's reason.
  void LoadFromFile(const String& AFileName);
  // Replaces the file as a whole (see WriteFileAtomically).
  void SaveToFile(const String& AFileName) const;
  // Reads from the stream's position to its end.
  void LoadFromStream(TStream& AStream);
  void SaveToStream(TStream& AStream) const;

 protected:
  virtual String Get(int AIndex) const = 0;
  // The default deletes the line and inserts the new text with the old object.
  virtual void Put(int AIndex, const String& AText);
  // The defaults hold no objects.
  virtual void* GetObject(int AIndex) const;
  virtual void PutObject(int AIndex, void* AObject);
  virtual int GetCount() const = 0;
  // Called with true by the outermost BeginUpdate and with false by the matching
  // EndUpdate.
  virtual void SetUpdateState(bool AUpdating);
  // The order and equality of lines: CompareText unless a list says otherwise.
  virtual int CompareStrings(std::string_view A, std::string_view B) const;

  int UpdateCount() const { return FUpdateCount; }

 private:
  String DelimitedTextWith(char ADelimiter, char AQuote) const;
  void SetDelimitedTextWith(std::string_view AText, char ADelimiter, char AQuote);
  String EncodedText() const;

  int FUpdateCount = 0;
};

// Holds a list in its update state (BeginUpdate) for the life of the object, also
// when an exception leaves the scope.
class TStringsUpdateScope {
 public:
  explicit TStringsUpdateScope(TStrings& AStrings) : FStrings(AStrings) { FStrings.BeginUpdate(); }
  ~TStringsUpdateScope() { FStrings.EndUpdate(); }
  TStringsUpdateScope(const TStringsUpdateScope&) = delete;
  TStringsUpdateScope& operator=(const TStringsUpdateScope&) = delete;

 private:
  TStrings& FStrings;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
 public:
  // Compares the lines at two indexes; the list does not change during a sort.
  using TStringListSortCompare = std::function<int(TStringList& AList, int AIndex1, int AIndex2)>;

  // In a sorted list a line equal to an existing one is handled by Duplicates:
  // dupIgnore adds nothing and returns the existing index, dupAccept adds it after
  // the equal ones, dupError raises EListError ("String list does not allow
  // duplicates").
  int AddObject(const String& AText, void* AObject) override;
  // A sorted list decides the places itself: Insert and Exchange raise EListError
  // ("Operation not allowed on sorted list").
  void Insert(int AIndex, const String& AText) override;
  void Delete(int AIndex) override;
  void Clear() override;
  void Exchange(int AIndex1, int AIndex2) override;
  int IndexOf(const String& AText) const override;

  // Binary search of a sorted list: true when found; AIndex is the first equal line
  // or the place where AText would be inserted.
  bool Find(const String& AText, int& AIndex) const;
  // Sorts with CompareStrings; CustomSort with ACompare. Both keep equal lines in
  // their order and do nothing to a Sorted list, whose order is fixed.
  void Sort();
  void CustomSort(const TStringListSortCompare& ACompare);

  bool Sorted() const { return FSorted; }
  // Turning sorting on sorts the lines.
  void SetSorted(bool ASorted);
  bool CaseSensitive() const { return FCaseSensitive; }
  // A sorted list is sorted again by the new rule.
  void SetCaseSensitive(bool ACaseSensitive);
  TDuplicates Duplicates = dupIgnore;

  // OnChanging comes before and OnChange after every change, or once around an
  // update (BeginUpdate ... EndUpdate).
  std::function<void(TStringList* Sender)> OnChange;
  std::function<void(TStringList* Sender)> OnChanging;

 protected:
  String Get(int AIndex) const override;
  // In a sorted list the new text must keep the line in its sorted place; else
  // EListError ("Operation not allowed on sorted list"). Equal neighbours follow
  // Duplicates as in AddObject, dupIgnore leaving the line unchanged.
  void Put(int AIndex, const String& AText) override;
  void* GetObject(int AIndex) const override;
  void PutObject(int AIndex, void* AObject) override;
  int GetCount() const override { return static_cast<int>(FList.size()); }
  void SetUpdateState(bool AUpdating) override;
  int CompareStrings(std::string_view A, std::string_view B) const override;

  void Changing();
  void Changed();

 private:
  struct TStringItem {
    String FString;
    void* FObject = nullptr;
  };

  void InsertItem(int AIndex, const String& AText, void* AObject);
  void SortBy(const std::function<bool(int, int)>& ALess);
  // True when AText may be stored at AIndex of a sorted list; false when Duplicates
  // says to ignore it; raises otherwise.
  bool CheckSortedPlace(int AIndex, const String& AText) const;

  std::vector<TStringItem> FList;
  bool FSorted = false;
  bool FCaseSensitive = false;
};
