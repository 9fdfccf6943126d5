#include "Src/FFBaseComponent.h"

#include <unistd.h>

#include <fstream>
#include <memory>
#include <mutex>

#include "Src/AboutForm.h"

namespace {

constexpr int DefaultTimeout = 30000;

// Whether a debugger (any tracer) is attached, as /proc tells it. Anything unreadable
// counts as no debugger.
bool IsTraced() {
  std::ifstream Status("/proc/self/status");
  String Line;
  const String Key = "TracerPid:";
  while (std::getline(Status, Line))
    if (Line.compare(0, Key.size(), Key) == 0) return StrToIntDef(Trim(Line.substr(Key.size())), 0) != 0;
  return false;
}

// Asked once per process. A child made by fork is another process, which a debugger
// of its parent does not trace, so it asks again.
bool IsDebuggerAttached() {
  static std::mutex Lock;  // guards AskedBy and Attached
  static pid_t AskedBy = 0;
  static bool Attached = false;
  std::lock_guard Guard(Lock);
  if (AskedBy != getpid()) {
    Attached = IsTraced();
    AskedBy = getpid();
  }
  return Attached;
}

}  // namespace

int SeekFlagsToAV(const TSeekFlags& AFlags) {
  int Bits = 0;
  for (TSeekFlag Flag : AFlags) Bits |= 1 << Flag;
  return Bits;
}

TFFBaseComponent::TFFBaseComponent(TComponent* AOwner) : TComponent(AOwner) {
  int Timeout = IsDebuggerAttached() ? 0 : DefaultTimeout;
  ReadTimeout = Timeout;
  WriteTimeout = Timeout;
}

void TFFBaseComponent::ShowAbout() {
  String Name = ClassName();
  if (const size_t Scope = Name.rfind("::"); Scope != String::npos) Name.erase(0, Scope + 2);
  if (!Name.empty()) Name.erase(0, 1);
  const std::unique_ptr<TfrmAbout> Form(MakeForm<TfrmAbout>(nullptr));
  Form->SetComponentInfo(Name, FVersion);
  Form->ShowModal();
}
