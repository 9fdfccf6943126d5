// TStrings of StringList.h: everything built on the core operations of a list.

#include "platform/base/Exceptions.h"
#include "platform/base/Files.h"
#include "platform/base/Streams.h"
#include "platform/base/StringList.h"

namespace {

constexpr std::string_view Utf8BOM = "\xEF\xBB\xBF";

bool IsBlankByte(char C) { return static_cast<unsigned char>(C) <= ' '; }

std::string_view WithoutBOM(std::string_view AData) {
  if (AData.starts_with(Utf8BOM)) AData.remove_prefix(Utf8BOM.size());
  return AData;
}

String QuotedText(std::string_view AText, char AQuote) {
  String Result(1, AQuote);
  for (char C : AText) {
    Result += C;
    if (C == AQuote) Result += AQuote;
  }
  Result += AQuote;
  return Result;
}

// Takes the quoted part that starts at APos: doubled quotes stand for one, and an
// unterminated part runs to the end of the text. APos ends after the closing quote.
String ExtractQuotedText(std::string_view AText, size_t& APos, char AQuote) {
  String Result;
  for (++APos; APos < AText.size(); ++APos) {
    if (AText[APos] != AQuote) {
      Result += AText[APos];
    } else if (APos + 1 < AText.size() && AText[APos + 1] == AQuote) {
      Result += AQuote;
      ++APos;
    } else {
      ++APos;
      break;
    }
  }
  return Result;
}

}  // namespace

int TStrings::AddObject(const String& AText, void* AObject) {
  int Index = Count();
  InsertObject(Index, AText, AObject);
  return Index;
}

void TStrings::InsertObject(int AIndex, const String& AText, void* AObject) {
  Insert(AIndex, AText);
  PutObject(AIndex, AObject);
}

void TStrings::Exchange(int AIndex1, int AIndex2) {
  TStringsUpdateScope Update(*this);
  String Text1 = Strings(AIndex1);
  void* Object1 = Objects(AIndex1);
  Put(AIndex1, Strings(AIndex2));
  PutObject(AIndex1, Objects(AIndex2));
  Put(AIndex2, Text1);
  PutObject(AIndex2, Object1);
}

int TStrings::IndexOf(const String& AText) const {
  for (int I = 0; I < Count(); ++I)
    if (CompareStrings(Get(I), AText) == 0) return I;
  return -1;
}

void TStrings::Assign(const TStrings& ASource) {
  if (&ASource == this) return;
  TStringsUpdateScope Update(*this);
  Clear();
  AddStrings(ASource);
}

void TStrings::AddStrings(const TStrings& AStrings) {
  TStringsUpdateScope Update(*this);
  for (int I = 0; I < AStrings.Count(); ++I) AddObject(AStrings.Strings(I), AStrings.Objects(I));
}

String TStrings::Text() const {
  String Result;
  for (int I = 0; I < Count(); ++I) {
    Result += Get(I);
    Result += '\n';
  }
  return Result;
}

void TStrings::SetText(std::string_view AText) {
  TStringsUpdateScope Update(*this);
  Clear();
  size_t Pos = 0;
  while (Pos < AText.size()) {
    size_t End = AText.find_first_of("\r\n", Pos);
    if (End == std::string_view::npos) End = AText.size();
    Add(String(AText.substr(Pos, End - Pos)));
    Pos = End;
    if (Pos < AText.size() && AText[Pos] == '\r') ++Pos;
    if (Pos < AText.size() && AText[Pos] == '\n') ++Pos;
  }
}

String TStrings::CommaText() const { return DelimitedTextWith(',', '"'); }
void TStrings::SetCommaText(std::string_view AText) { SetDelimitedTextWith(AText, ',', '"'); }
String TStrings::DelimitedText() const { return DelimitedTextWith(Delimiter, QuoteChar); }
void TStrings::SetDelimitedText(std::string_view AText) { SetDelimitedTextWith(AText, Delimiter, QuoteChar); }

String TStrings::DelimitedTextWith(char ADelimiter, char AQuote) const {
  // A lone empty line would otherwise come out as nothing, which reads back as no line.
  if (Count() == 1 && Get(0).empty()) return String(2, AQuote);
  String Result;
  for (int I = 0; I < Count(); ++I) {
    if (I > 0) Result += ADelimiter;
    const String Line = Get(I);
    bool NeedsQuotes = false;
    for (char C : Line) NeedsQuotes = NeedsQuotes || IsBlankByte(C) || C == AQuote || C == ADelimiter;
    Result += NeedsQuotes ? QuotedText(Line, AQuote) : Line;
  }
  return Result;
}

void TStrings::SetDelimitedTextWith(std::string_view AText, char ADelimiter, char AQuote) {
  TStringsUpdateScope Update(*this);
  Clear();
  size_t Pos = 0;
  auto SkipBlanks = [&] {
    while (Pos < AText.size() && IsBlankByte(AText[Pos])) ++Pos;
  };
  SkipBlanks();
  while (Pos < AText.size()) {
    if (AText[Pos] == AQuote) {
      Add(ExtractQuotedText(AText, Pos, AQuote));
    } else {
      size_t Start = Pos;
      while (Pos < AText.size() && !IsBlankByte(AText[Pos]) && AText[Pos] != ADelimiter) ++Pos;
      Add(String(AText.substr(Start, Pos - Start)));
    }
    SkipBlanks();
    if (Pos < AText.size() && AText[Pos] == ADelimiter) {
      // A delimiter at the very end separates a last, empty line.
      if (Pos + 1 == AText.size()) Add(String());
      ++Pos;
      SkipBlanks();
    }
  }
}

String TStrings::Names(int AIndex) const {
  const String Line = Get(AIndex);
  size_t Equals = Line.find('=');
  return Equals == String::npos ? String() : Line.substr(0, Equals);
}

String TStrings::ValueFromIndex(int AIndex) const {
  const String Line = Get(AIndex);
  size_t Equals = Line.find('=');
  return Equals == String::npos ? String() : Line.substr(Equals + 1);
}

int TStrings::IndexOfName(const String& AName) const {
  for (int I = 0; I < Count(); ++I) {
    const String Line = Get(I);
    size_t Equals = Line.find('=');
    if (Equals != String::npos && CompareStrings(std::string_view(Line).substr(0, Equals), AName) == 0)
      return I;
  }
  return -1;
}

String TStrings::Values(const String& AName) const {
  int Index = IndexOfName(AName);
  return Index < 0 ? String() : ValueFromIndex(Index);
}

void TStrings::SetValue(const String& AName, const String& AValue) {
  int Index = IndexOfName(AName);
  if (AValue.empty()) {
    if (Index >= 0) Delete(Index);
  } else if (Index < 0) {
    Add(AName + "=" + AValue);
  } else {
    Put(Index, AName + "=" + AValue);
  }
}

void TStrings::BeginUpdate() {
  // The state changes while the count is still 0, so the list announces it.
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  Assert(FUpdateCount > 0);
  if (--FUpdateCount == 0) SetUpdateState(false);
}

String TStrings::EncodedText() const { return WriteBOM ? String(Utf8BOM) + Text() : Text(); }

void TStrings::LoadFromFile(const String& AFileName) { SetText(WithoutBOM(ReadFileToString(AFileName))); }

void TStrings::SaveToFile(const String& AFileName) const { WriteFileAtomically(AFileName, EncodedText()); }

void TStrings::LoadFromStream(TStream& AStream) {
  // Read to the end rather than trusting Size: not every stream can tell its size.
  String Data;
  char Chunk[65536];
  for (int64_t Count; (Count = AStream.Read(Chunk, sizeof(Chunk))) > 0;)
    Data.append(Chunk, static_cast<size_t>(Count));
  SetText(WithoutBOM(Data));
}

void TStrings::SaveToStream(TStream& AStream) const {
  const String Data = EncodedText();
  AStream.WriteBuffer(Data.data(), static_cast<int64_t>(Data.size()));
}

void TStrings::Put(int AIndex, const String& AText) {
  TStringsUpdateScope Update(*this);
  void* Object = GetObject(AIndex);
  Delete(AIndex);
  InsertObject(AIndex, AText, Object);
}

void* TStrings::GetObject(int) const { return nullptr; }
void TStrings::PutObject(int, void*) {}
void TStrings::SetUpdateState(bool) {}
int TStrings::CompareStrings(std::string_view A, std::string_view B) const { return CompareText(A, B); }
