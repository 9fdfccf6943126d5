#include "tests/Src/ProbeJson.h"

#include <cstdlib>
#include <stdexcept>

#include "tests/support/TestSupport.h"

namespace {

class TJsonReader {
 public:
  explicit TJsonReader(const std::string& AText) : FText(AText) {}

  TJsonValue ReadDocument() {
    TJsonValue Value = ReadValue();
    SkipBlanks();
    if (FPos != FText.size()) Fail("text after the value");
    return Value;
  }

 private:
  [[noreturn]] void Fail(const std::string& AWhat) const {
    throw std::runtime_error("JSON: " + AWhat + " at " + std::to_string(FPos));
  }
  void SkipBlanks() {
    while (FPos < FText.size() && std::isspace(static_cast<unsigned char>(FText[FPos]))) ++FPos;
  }
  bool Take(char AChar) {
    SkipBlanks();
    if (FPos < FText.size() && FText[FPos] == AChar) return ++FPos, true;
    return false;
  }
  void Expect(char AChar) {
    if (!Take(AChar)) Fail(std::string("expected ") + AChar);
  }
  bool TakeWord(const char* AWord) {
    std::string Word(AWord);
    if (FText.compare(FPos, Word.size(), Word) != 0) return false;
    FPos += Word.size();
    return true;
  }

  TJsonValue ReadValue() {
    SkipBlanks();
    TJsonValue Value;
    if (Take('{')) {
      Value.Kind = TJsonValue::jkObject;
      if (Take('}')) return Value;
      do {
        SkipBlanks();
        std::string Name = ReadString();
        Expect(':');
        Value.Members[Name] = ReadValue();
      } while (Take(','));
      Expect('}');
    } else if (Take('[')) {
      Value.Kind = TJsonValue::jkArray;
      if (Take(']')) return Value;
      do Value.Items.push_back(ReadValue());
      while (Take(','));
      Expect(']');
    } else if (FPos < FText.size() && FText[FPos] == '"') {
      Value.Kind = TJsonValue::jkString;
      Value.Text = ReadString();
    } else if (TakeWord("true")) {
      Value.Kind = TJsonValue::jkBool;
      Value.Bool = true;
    } else if (TakeWord("false")) {
      Value.Kind = TJsonValue::jkBool;
    } else if (TakeWord("null")) {
    } else {
      size_t Start = FPos;
      while (FPos < FText.size() && std::string("+-.eE0123456789").find(FText[FPos]) != std::string::npos)
        ++FPos;
      if (Start == FPos) Fail("unexpected character");
      Value.Kind = TJsonValue::jkNumber;
      Value.Text = FText.substr(Start, FPos - Start);
      Value.Number = std::strtod(Value.Text.c_str(), nullptr);
    }
    return Value;
  }

  std::string ReadString() {
    if (FPos >= FText.size() || FText[FPos] != '"') Fail("expected a string");
    std::string Result;
    for (++FPos; FPos < FText.size() && FText[FPos] != '"'; ++FPos) {
      char C = FText[FPos];
      if (C != '\\') {
        Result += C;
        continue;
      }
      char Escaped = FText.at(++FPos);
      switch (Escaped) {
        case 'n':
          Result += '\n';
          break;
        case 'r':
          Result += '\r';
          break;
        case 't':
          Result += '\t';
          break;
        case 'b':
          Result += '\b';
          break;
        case 'f':
          Result += '\f';
          break;
        case 'u': {
          // ffprobe escapes only control characters this way.
          Result += static_cast<char>(std::strtol(FText.substr(FPos + 1, 4).c_str(), nullptr, 16));
          FPos += 4;
          break;
        }
        default:
          Result += Escaped;
      }
    }
    Expect('"');
    return Result;
  }

  const std::string& FText;
  size_t FPos = 0;
};

}  // namespace

const TJsonValue& TJsonValue::operator[](const std::string& AName) const {
  static const TJsonValue Null;
  auto Found = Members.find(AName);
  return Found == Members.end() ? Null : Found->second;
}

double TJsonValue::Num(const std::string& AName) const {
  const TJsonValue& Value = (*this)[AName];
  return Value.Kind == jkNumber ? Value.Number : std::strtod(Value.Text.c_str(), nullptr);
}

TJsonValue ParseJson(const std::string& AText) { return TJsonReader(AText).ReadDocument(); }

TJsonValue ProbeJson(const std::string& AFileName, const std::string& AArguments) {
  auto Probe = testing_support::RunCommand("(ffprobe -v error -of json " + AArguments + " " +
                                           testing_support::ShellQuote(AFileName) + " 2>/dev/null)");
  if (Probe.ExitCode != 0) throw std::runtime_error("ffprobe failed: " + Probe.Output);
  return ParseJson(Probe.Output);
}
