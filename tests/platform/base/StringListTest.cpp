#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/base/Streams.h"
#include "platform/base/StringList.h"
#include "tests/support/TestSupport.h"

using testing_support::ReadWholeFile;
using testing_support::TempDir;
using testing_support::WriteWholeFile;

namespace {

TStringList& Fill(TStringList& AList, std::initializer_list<const char*> ALines) {
  for (const char* Line : ALines) AList.Add(Line);
  return AList;
}

std::vector<String> Lines(const TStrings& AList) {
  std::vector<String> Result;
  for (int I = 0; I < AList.Count(); ++I) Result.push_back(AList.Strings(I));
  return Result;
}

void ExpectListError(const std::function<void()>& AAction, const char* AMessage) {
  try {
    AAction();
    ADD_FAILURE() << "no EListError";
  } catch (const EListError& E) {
    EXPECT_EQ(AMessage, E.Message());
  }
}

// The smallest list a control can offer: lines only, no objects, no Put of its own.
class TPlainLines : public TStrings {
 public:
  void Insert(int AIndex, const String& AText) override { FLines.insert(FLines.begin() + AIndex, AText); }
  void Delete(int AIndex) override { FLines.erase(FLines.begin() + AIndex); }
  void Clear() override { FLines.clear(); }

 protected:
  String Get(int AIndex) const override { return FLines.at(AIndex); }
  int GetCount() const override { return static_cast<int>(FLines.size()); }

 private:
  std::vector<String> FLines;
};

}  // namespace

TEST(TStrings, HelpersWorkOnTheCoreOperationsAlone) {
  TPlainLines List;
  List.SetText("Name=one\nb\nc");
  List.SetStrings(1, "B");
  List.Exchange(0, 2);
  EXPECT_EQ((std::vector<String>{"c", "B", "Name=one"}), Lines(List));
  EXPECT_EQ(1, List.IndexOf("b"));
  List.SetValue("NAME", "two");
  EXPECT_EQ("NAME=two", List.Strings(2));  // the line takes the name as given
  EXPECT_EQ(nullptr, List.Objects(0));
  EXPECT_EQ("c,B,NAME=two", List.CommaText());
}

TEST(TStringList, EditsLinesAndObjects) {
  TStringList List;
  int Tag = 0;
  EXPECT_EQ(0, List.Add("b"));
  EXPECT_EQ(1, List.AddObject("d", &Tag));
  List.Insert(0, "a");
  List.InsertObject(2, "c", &Tag);
  EXPECT_EQ((std::vector<String>{"a", "b", "c", "d"}), Lines(List));
  EXPECT_EQ(&Tag, List.Objects(3));
  EXPECT_EQ(nullptr, List.Objects(0));
  List.SetStrings(1, "B");
  List.Exchange(0, 3);
  EXPECT_EQ((std::vector<String>{"d", "B", "c", "a"}), Lines(List));
  EXPECT_EQ(&Tag, List.Objects(0));  // objects travel with their lines
  List.Delete(1);
  EXPECT_EQ(1, List.IndexOf("C"));  // without regard to case by default
  EXPECT_EQ(-1, List.IndexOf("B"));
  List.Clear();
  EXPECT_EQ(0, List.Count());
}

TEST(TStringList, RaisesForIndexesOutsideTheList) {
  TStringList List;
  Fill(List, {"a", "b"});
  ExpectListError([&] { List.Strings(2); }, "List index out of bounds (2)");
  ExpectListError([&] { List.SetStrings(-1, "x"); }, "List index out of bounds (-1)");
  ExpectListError([&] { List.Objects(5); }, "List index out of bounds (5)");
  ExpectListError([&] { List.Delete(2); }, "List index out of bounds (2)");
  ExpectListError([&] { List.Insert(3, "x"); }, "List index out of bounds (3)");
  ExpectListError([&] { List.Exchange(0, 2); }, "List index out of bounds (2)");
}

TEST(TStringList, TextSplitsEveryKindOfLineEnd) {
  struct Case {
    const char* Text;
    std::vector<String> Expected;
  };
  const Case Cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"one\n", {"one"}},
      {"one\r\ntwo\r\n", {"one", "two"}},
      {"one\rtwo\nthree", {"one", "two", "three"}},
      {"a\n\nb\n\n", {"a", "", "b", ""}},
      {"\r\n", {""}},
      {"\n\r", {"", ""}},
  };
  for (const Case& C : Cases) {
    TStringList List;
    List.SetText(C.Text);
    EXPECT_EQ(C.Expected, Lines(List)) << C.Text;
  }
  TStringList List;
  Fill(List, {"a", "", "b"});
  EXPECT_EQ("a\n\nb\n", List.Text());
}

TEST(TStringList, CommaTextQuotesWhatNeedsItAndReadsItBack) {
  struct Case {
    std::vector<String> Lines;
    const char* Comma;
  };
  const Case Cases[] = {
      {{"a", "b"}, "a,b"},
      {{"two words", "x"}, "\"two words\",x"},
      {{"a,b", "say \"hi\""}, "\"a,b\",\"say \"\"hi\"\"\""},
      {{"", "x", ""}, ",x,"},
      {{""}, "\"\""},
      {{"tab\there", "ü€"}, "\"tab\there\",ü€"},
      {{}, ""},
  };
  for (const Case& C : Cases) {
    TStringList List;
    for (const String& Line : C.Lines) List.Add(Line);
    EXPECT_EQ(C.Comma, List.CommaText());
    TStringList Back;
    Back.SetCommaText(List.CommaText());
    EXPECT_EQ(C.Lines, Lines(Back)) << C.Comma;
  }
}

TEST(TStringList, CommaTextParsingSplitsAtUnquotedBlanks) {
  TStringList List;
  List.SetCommaText("  a b , \"c d\"e,\"open");
  EXPECT_EQ((std::vector<String>{"a", "b", "c d", "e", "open"}), Lines(List));
  List.Delimiter = ';';
  List.QuoteChar = '\'';
  List.SetDelimitedText("x;'y;z';'it''s'");
  EXPECT_EQ((std::vector<String>{"x", "y;z", "it's"}), Lines(List));
  EXPECT_EQ("x;'y;z';'it''s'", List.DelimitedText());
}

TEST(TStringList, NamesAndValuesIgnoreCase) {
  TStringList List;
  Fill(List, {"no separator", "MSG_BTN_OK=OK", "A=B=C", "Empty=", "msg_btn_ok=second"});
  EXPECT_EQ("", List.Names(0));
  EXPECT_EQ("", List.ValueFromIndex(0));
  EXPECT_EQ("MSG_BTN_OK", List.Names(1));
  EXPECT_EQ(1, List.IndexOfName("msg_btn_ok"));  // the first line wins
  EXPECT_EQ("OK", List.Values("Msg_Btn_Ok"));
  EXPECT_EQ("B=C", List.Values("a"));
  EXPECT_EQ("", List.Values("empty"));
  EXPECT_EQ(3, List.IndexOfName("EMPTY"));
  EXPECT_EQ(-1, List.IndexOfName("no separator"));
  EXPECT_EQ("", List.Values("missing"));

  List.SetValue("a", "new");
  EXPECT_EQ("a=new", List.Strings(2));
  List.SetValue("Added", "1");
  EXPECT_EQ("Added=1", List.Strings(5));
  List.SetValue("MSG_BTN_OK", "");
  EXPECT_EQ("second", List.Values("MSG_BTN_OK"));
  EXPECT_EQ(5, List.Count());

  List.SetCaseSensitive(true);
  EXPECT_EQ(-1, List.IndexOfName("A"));
  EXPECT_EQ(-1, List.IndexOf("ADDED=1"));
}

TEST(TStringList, SortedListKeepsOrderAndHandlesDuplicates) {
  TStringList List;
  Fill(List, {"pear", "Apple", "fig"});
  List.SetSorted(true);
  EXPECT_EQ((std::vector<String>{"Apple", "fig", "pear"}), Lines(List));
  EXPECT_EQ(1, List.Add("banana"));

  // dupIgnore is the default: the existing index comes back and nothing is added.
  EXPECT_EQ(0, List.Add("APPLE"));
  EXPECT_EQ(4, List.Count());

  List.Duplicates = dupError;
  ExpectListError([&] { List.Add("Fig"); }, "String list does not allow duplicates");
  EXPECT_EQ(4, List.Count());

  List.Duplicates = dupAccept;
  int First = List.AddObject("FIG", nullptr);
  int Second = List.Add("fIg");
  EXPECT_EQ(First + 1, Second);  // equal lines keep the order they came in
  EXPECT_EQ((std::vector<String>{"Apple", "banana", "fig", "FIG", "fIg", "pear"}), Lines(List));

  int Index = -1;
  EXPECT_TRUE(List.Find("FIG", Index));
  EXPECT_EQ(2, Index);
  EXPECT_FALSE(List.Find("cherry", Index));
  EXPECT_EQ(2, Index);
  EXPECT_EQ(5, List.IndexOf("PEAR"));

  ExpectListError([&] { List.Insert(0, "zebra"); }, "Operation not allowed on sorted list");
  ExpectListError([&] { List.Exchange(0, 1); }, "Operation not allowed on sorted list");
  ExpectListError([&] { List.SetStrings(0, "zebra"); }, "Operation not allowed on sorted list");
  List.SetStrings(0, "apricot");  // stays in its place
  EXPECT_EQ("apricot", List.Strings(0));
}

TEST(TStringList, CaseSensitiveSortedListSortsAgain) {
  TStringList List;
  Fill(List, {"b", "B", "a", "A"});
  List.SetSorted(true);
  EXPECT_EQ((std::vector<String>{"a", "A", "b", "B"}), Lines(List));
  List.SetCaseSensitive(true);
  EXPECT_EQ((std::vector<String>{"A", "B", "a", "b"}), Lines(List));
  EXPECT_EQ(-1, List.IndexOf("c"));
  EXPECT_EQ(3, List.IndexOf("b"));
}

TEST(TStringList, SortIsStableAndCustomSortComparesByIndex) {
  TStringList List;
  Fill(List, {"b2", "a", "B1", "c"});
  std::vector<void*> Tags{&List, nullptr, &List, nullptr};
  for (int I = 0; I < 4; ++I) List.SetObjects(I, Tags[I]);
  List.CustomSort([](TStringList& AList, int A, int B) {
    return CompareText(AList.Strings(A).substr(0, 1), AList.Strings(B).substr(0, 1));
  });
  EXPECT_EQ((std::vector<String>{"a", "b2", "B1", "c"}), Lines(List));
  EXPECT_EQ(&List, List.Objects(1));
  List.Sort();
  EXPECT_EQ((std::vector<String>{"a", "B1", "b2", "c"}), Lines(List));
}

TEST(TStringList, UpdateAnnouncesChangesOnceAtTheOutermostEnd) {
  TStringList List;
  String Log;
  List.OnChanging = [&](TStringList* Sender) {
    EXPECT_EQ(&List, Sender);
    Log += "<";
  };
  List.OnChange = [&](TStringList*) { Log += ">"; };
  List.Add("a");
  EXPECT_EQ("<>", Log);

  Log.clear();
  List.BeginUpdate();
  List.BeginUpdate();
  List.Add("b");
  List.Delete(0);
  List.EndUpdate();
  EXPECT_EQ("<", Log);
  List.EndUpdate();
  EXPECT_EQ("<>", Log);

  Log.clear();
  List.SetText("x\ny\nz");
  EXPECT_EQ("<>", Log);
}

TEST(TStringList, AssignCopiesLinesAndObjects) {
  TStringList Source, Dest;
  int Tag = 0;
  Source.AddObject("one", &Tag);
  Source.Add("two");
  Fill(Dest, {"old"});
  Dest.Assign(Source);
  EXPECT_EQ((std::vector<String>{"one", "two"}), Lines(Dest));
  EXPECT_EQ(&Tag, Dest.Objects(0));
  Dest.AddStrings(Source);
  EXPECT_EQ(4, Dest.Count());
  Dest.Assign(Dest);
  EXPECT_EQ(4, Dest.Count());
}

TEST(TStringList, LoadsFilesWithOrWithoutBOMAndAnyLineEnd) {
  TempDir Dir;
  struct Case {
    const char* Name;
    String Bytes;
  };
  const Case Cases[] = {
      {"plain.txt", "first\nzweite Zeile ü\n"},
      {"bom.txt",
       "\xEF\xBB\xBF"
       "first\nzweite Zeile ü\n"},
      {"crlf.txt",
       "\xEF\xBB\xBF"
       "first\r\nzweite Zeile ü\r\n"},
      {"no-final-break.txt", "first\r\nzweite Zeile ü"},
  };
  for (const Case& C : Cases) {
    WriteWholeFile(Dir.File(C.Name), C.Bytes);
    TStringList List;
    List.LoadFromFile(Dir.File(C.Name));
    EXPECT_EQ((std::vector<String>{"first", "zweite Zeile ü"}), Lines(List)) << C.Name;
  }
}

TEST(TStringList, SavesLFLinesAndABOMOnlyWhenAsked) {
  TempDir Dir;
  TStringList List;
  Fill(List, {"a", "ü"});
  List.SaveToFile(Dir.File("plain.txt"));
  EXPECT_EQ("a\nü\n", ReadWholeFile(Dir.File("plain.txt")));
  List.WriteBOM = true;
  List.SaveToFile(Dir.File("plain.txt"));
  EXPECT_EQ(
      "\xEF\xBB\xBF"
      "a\nü\n",
      ReadWholeFile(Dir.File("plain.txt")));

  TStringList Back;
  Back.LoadFromFile(Dir.File("plain.txt"));
  EXPECT_EQ(Lines(List), Lines(Back));
}

TEST(TStringList, LoadingAMissingFileRaisesEFOpenError) {
  TempDir Dir;
  const String Name = Dir.File("missing.txt");
  TStringList List;
  try {
    List.LoadFromFile(Name);
    FAIL() << "no EFOpenError";
  } catch (const EFOpenError& E) {
    EXPECT_EQ("Cannot open file \"" + Name + "\". No such file or directory", E.Message());
  }
  EXPECT_THROW(List.LoadFromFile(Dir.Path().string()), EFOpenError);
}

TEST(TStringList, StreamsReadFromThePositionAndWriteTheText) {
  TStringStream Stream(
      "skip\xEF\xBB\xBF"
      "one\r\ntwo");
  Stream.SetPosition(4);
  TStringList List;
  List.LoadFromStream(Stream);
  EXPECT_EQ((std::vector<String>{"one", "two"}), Lines(List));

  TStringStream Out;
  List.WriteBOM = true;
  List.SaveToStream(Out);
  EXPECT_EQ(
      "\xEF\xBB\xBF"
      "one\ntwo\n",
      Out.DataString());
}
