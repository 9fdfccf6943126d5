#include "Src/MyUtils.h"

namespace {

bool IsBlank(char C) { return C == ' ' || C == '\t'; }

// Copies one argument starting at AText and leaves AText behind it.
String TakeArgument(const char*& AText) {
  const char* P = AText;
  String Argument;
  bool InQuote = false;
  for (;;) {
    bool CopyChar = true;
    size_t Backslashes = 0;
    while (*P == '\\') {
      ++P;
      ++Backslashes;
    }
    if (*P == '"') {
      if (Backslashes % 2 == 0) {
        // A quote that is not escaped opens or closes a quoted part and is not
        // copied, except a doubled quote that ends the whole text inside a quoted
        // part: that gives one literal quote.
        if (InQuote && P[1] == '"' && P[2] == '\0')
          ++P;
        else
          CopyChar = false;
        InQuote = !InQuote;
      }
      Backslashes /= 2;
    }
    Argument.append(Backslashes, '\\');
    if (*P == '\0' || (!InQuote && IsBlank(*P))) break;
    if (CopyChar) Argument += *P;
    ++P;
  }
  AText = P;
  return Argument;
}

}  // namespace

std::vector<String> SplitCommandLine(const String& AText, int* ACharCount, int* AArgCount) {
  std::vector<String> Arguments;
  int CharCount = 0;
  const char* P = AText.c_str();
  for (;;) {
    while (IsBlank(*P)) ++P;
    if (*P == '\0') break;
    Arguments.push_back(TakeArgument(P));
    CharCount += static_cast<int>(Arguments.back().size()) + 1;
  }
  if (ACharCount) *ACharCount = CharCount;
  if (AArgCount) *AArgCount = static_cast<int>(Arguments.size()) + 1;
  return Arguments;
}
