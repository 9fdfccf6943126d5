#pragma once
// The exception hierarchy of the class library. Every failure the program raises
// carries its user-visible text in Message(); what() gives the same text.

#include <exception>

#include "platform/base/Strings.h"

class Exception : public std::exception {
 public:
  explicit Exception(String AMessage) : FMessage(std::move(AMessage)) {}
  template <typename... Args>
  static Exception CreateFmt(const char* AFormat, Args&&... AArgs) {
    return Exception(Format(AFormat, std::forward<Args>(AArgs)...));
  }

  const String& Message() const noexcept { return FMessage; }
  void SetMessage(String AMessage) { FMessage = std::move(AMessage); }
  const char* what() const noexcept override { return FMessage.c_str(); }

 private:
  String FMessage;
};

#define PELLADRIN_EXCEPTION(Name, Base) \
  class Name : public Base {            \
   public:                              \
    using Base::Base;                   \
  };

PELLADRIN_EXCEPTION(EConvertError, Exception)
PELLADRIN_EXCEPTION(EAssertionFailed, Exception)
PELLADRIN_EXCEPTION(EListError, Exception)
PELLADRIN_EXCEPTION(EOutOfMemory, Exception)
PELLADRIN_EXCEPTION(EOSError, Exception)
PELLADRIN_EXCEPTION(EInOutError, Exception)
PELLADRIN_EXCEPTION(EStreamError, Exception)
PELLADRIN_EXCEPTION(EFOpenError, EStreamError)
PELLADRIN_EXCEPTION(EFCreateError, EStreamError)
PELLADRIN_EXCEPTION(EReadError, EStreamError)
PELLADRIN_EXCEPTION(EWriteError, EStreamError)
PELLADRIN_EXCEPTION(EThread, Exception)
PELLADRIN_EXCEPTION(EIniFileException, Exception)
// A call that the object's state does not allow (the class library's EInvalidOperation).
PELLADRIN_EXCEPTION(EInvalidOperation, Exception)
// A menu item put where it cannot go (the class library's EMenuError).
PELLADRIN_EXCEPTION(EMenuError, Exception)
// An object taken as a class it is not (the class library's EInvalidCast).
PELLADRIN_EXCEPTION(EInvalidCast, Exception)

#undef PELLADRIN_EXCEPTION

// Raises EAssertionFailed with the class library's fixed text when ACondition is false.
inline void Assert(bool ACondition) {
  if (!ACondition) throw EAssertionFailed("Assertion failure");
}
