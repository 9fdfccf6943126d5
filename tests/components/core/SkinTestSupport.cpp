#include "tests/components/core/SkinTestSupport.h"

#include <algorithm>

namespace skin_test {

namespace {

class TKeyCollector : public TspSkinKeys {
 public:
  std::vector<String> Keys;

  void IntegerKey(const char* AKey, int&, int) override { Add(AKey); }
  void BooleanKey(const char* AKey, bool&) override { Add(AKey); }
  void TextKey(const char* AKey, String&, const char*) override { Add(AKey); }
  void RectKey(const char* AKey, TRect&) override { Add(AKey); }
  void PointKey(const char* AKey, TPoint&) override { Add(AKey); }
  void FontStylesKey(const char* AKey, TFontStyles&) override { Add(AKey); }
  void AlignmentKey(const char* AKey, TAlignment&) override { Add(AKey); }
  void TextLinesKey(const char* AKey, TStrings& AField) override {
    Add(String(AKey) + "linecount");
    for (int I = 0; I < AField.Count(); ++I) Add(String(AKey) + "line" + IntToStr(I));
  }
  void EnumKey(const char* AKey, int&, const TspEnumWords&) override { Add(AKey); }

 private:
  void Add(const String& AKey) { Keys.push_back(LowerCase(AKey)); }
};

class TRecordDumper : public TspSkinKeys {
 public:
  String Text;

  void IntegerKey(const char* AKey, int& AField, int) override { Line(AKey, IntToStr(AField)); }
  void BooleanKey(const char* AKey, bool& AField) override { Line(AKey, AField ? "true" : "false"); }
  void TextKey(const char* AKey, String& AField, const char*) override { Line(AKey, "'" + AField + "'"); }
  void RectKey(const char* AKey, TRect& AField) override {
    Line(AKey, Format("(%d %d %d %d)", AField.Left, AField.Top, AField.Right, AField.Bottom));
  }
  void PointKey(const char* AKey, TPoint& AField) override {
    Line(AKey, Format("(%d %d)", AField.X, AField.Y));
  }
  void FontStylesKey(const char* AKey, TFontStyles& AField) override {
    String Styles;
    for (TFontStyle Style : AField) Styles += IntToStr(Style) + " ";
    Line(AKey, "[" + Styles + "]");
  }
  void AlignmentKey(const char* AKey, TAlignment& AField) override { Line(AKey, IntToStr(AField)); }
  void TextLinesKey(const char* AKey, TStrings& AField) override { Line(AKey, "<" + AField.Text() + ">"); }
  void EnumKey(const char* AKey, int& AOrdinal, const TspEnumWords&) override {
    Line(AKey, IntToStr(AOrdinal));
  }

 private:
  void Line(const char* AKey, const String& AValue) { Text += String(AKey) + "=" + AValue + "\n"; }
};

class TRandomFiller : public TspSkinKeys {
 public:
  explicit TRandomFiller(std::mt19937& ARandom) : FRandom(ARandom) {}

  void IntegerKey(const char*, int& AField, int) override { AField = Number(); }
  void BooleanKey(const char*, bool& AField) override { AField = Below(2) == 1; }
  void TextKey(const char*, String& AField, const char*) override { AField = Word(); }
  // Geometry and bounded integers as a reader may give them.
  void RectKey(const char*, TRect& AField) override {
    AField = Rect(Coordinate(), Coordinate(), Coordinate(), Coordinate());
  }
  void PointKey(const char*, TPoint& AField) override { AField = Point(Coordinate(), Coordinate()); }
  void KeepWithin(int& AField, int AMin, int AMax) override { AField = std::clamp(AField, AMin, AMax); }
  void FontStylesKey(const char*, TFontStyles& AField) override {
    AField = TFontStyles();
    for (TFontStyle Style : {fsBold, fsItalic, fsUnderline, fsStrikeOut})
      if (Below(2)) AField.Include(Style);
  }
  void AlignmentKey(const char*, TAlignment& AField) override { AField = TAlignment(Below(3)); }
  void TextLinesKey(const char*, TStrings& AField) override {
    AField.Clear();
    for (int I = Below(4); I > 0; --I) AField.Add(Word());
  }
  void EnumKey(const char*, int& AOrdinal, const TspEnumWords& AWords) override {
    AOrdinal = Below(int(AWords.Words.size()));
  }

 private:
  int Below(int ALimit) { return std::uniform_int_distribution<int>(0, ALimit - 1)(FRandom); }
  // Small numbers of both signs mostly, and now and then the extremes.
  int Number() {
    switch (Below(8)) {
      case 0:
        return INT32_MIN;
      case 1:
        return INT32_MAX;
      default:
        return std::uniform_int_distribution<int>(-5000, 5000)(FRandom);
    }
  }
  int Coordinate() { return std::clamp(Number(), -SkinCoordinateLimit, SkinCoordinateLimit); }
  // Texts as an ini keeps them: no surrounding blanks, no line breaks.
  String Word() {
    static const char Letters[] = "abcXYZ019 =,;-&";
    String Text;
    for (int I = Below(12); I > 0; --I) Text += Letters[Below(sizeof(Letters) - 1)];
    return Trim(Text);
  }

  std::mt19937& FRandom;
};

}  // namespace

std::unique_ptr<TMemIniFile> IniFromText(std::string_view AText) {
  auto Ini = std::make_unique<TMemIniFile>(String());
  TStringList Lines;
  Lines.SetText(AText);
  Ini->SetStrings(Lines);
  return Ini;
}

std::vector<String> SectionKeys(const TCustomIniFile& AIni, const String& ASection) {
  TStringList Keys;
  AIni.ReadSection(ASection, Keys);
  std::vector<String> Result;
  for (int I = 0; I < Keys.Count(); ++I) Result.push_back(LowerCase(Keys.Strings(I)));
  std::sort(Result.begin(), Result.end());
  return Result;
}

std::vector<String> DescribedKeys(TspSkinKeyedRecord& ARecord) {
  TKeyCollector Collector;
  ARecord.DescribeKeys(Collector);
  std::sort(Collector.Keys.begin(), Collector.Keys.end());
  return Collector.Keys;
}

String DumpRecord(TspSkinKeyedRecord& ARecord) {
  TRecordDumper Dumper;
  ARecord.DescribeKeys(Dumper);
  return Dumper.Text;
}

void FillRandomly(TspSkinKeyedRecord& ARecord, std::mt19937& ARandom) {
  TRandomFiller Filler(ARandom);
  ARecord.DescribeKeys(Filler);
}

}  // namespace skin_test
