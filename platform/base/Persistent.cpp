#include "platform/base/Persistent.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "platform/base/Exceptions.h"

void TPersistent::Assign(const TPersistent& ASource) { ASource.AssignTo(*this); }

void TPersistent::AssignTo(TPersistent& ADest) const {
  throw EConvertError(Format("Cannot assign a %s to a %s", ClassName(), ADest.ClassName()));
}

String TPersistent::ClassName() const {
  const char* Mangled = typeid(*this).name();
  int Status = 0;
  std::unique_ptr<char, decltype(&std::free)> Demangled(
      abi::__cxa_demangle(Mangled, nullptr, nullptr, &Status), &std::free);
  return Status == 0 && Demangled ? String(Demangled.get()) : String(Mangled);
}
