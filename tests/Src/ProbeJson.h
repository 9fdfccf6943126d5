#pragma once
// Just enough JSON to read what `ffprobe -of json` prints: objects, arrays, strings
// (with the escapes ffprobe writes), numbers, true, false and null.

#include <map>
#include <memory>
#include <string>
#include <vector>

struct TJsonValue {
  enum TKind { jkNull, jkBool, jkNumber, jkString, jkArray, jkObject };
  TKind Kind = jkNull;
  bool Bool = false;
  double Number = 0;
  std::string Text;  // a string, or a number as written
  std::vector<TJsonValue> Items;
  std::map<std::string, TJsonValue> Members;

  // The member of that name, or a null value.
  const TJsonValue& operator[](const std::string& AName) const;
  const TJsonValue& operator[](size_t AIndex) const { return Items.at(AIndex); }
  bool Has(const std::string& AName) const { return Members.count(AName) != 0; }
  // A string member, or a number member as written; "" when absent.
  std::string Str(const std::string& AName) const { return (*this)[AName].Text; }
  // A number, or a string holding one (ffprobe writes durations as strings).
  double Num(const std::string& AName) const;
};

// Raises std::runtime_error on text that is not JSON.
TJsonValue ParseJson(const std::string& AText);

// Runs `ffprobe -v error -of json <AArguments> <file>` and parses what it prints.
TJsonValue ProbeJson(const std::string& AFileName,
                     const std::string& AArguments = "-show_format -show_streams");
