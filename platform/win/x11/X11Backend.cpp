// The x11 backend's clock, its waiting for events and the bell (X11Connection.cpp
// opens and closes the connection).

#include "platform/win/x11/X11Backend.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>

#include "platform/win/x11/X11Internal.h"

namespace {

void DrainWakePipe(const TX11Display& AX) {
  char Bytes[64];
  while (read(AX.WakeRead, Bytes, sizeof Bytes) > 0) {
  }
}

Bool MatchesPredicate(Display*, XEvent* AEvent, XPointer AMatches) {
  return (*reinterpret_cast<const std::function<bool(const XEvent&)>*>(AMatches))(*AEvent) ? True : False;
}

int64_t NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

int PollTimeout(int64_t AMs) { return AMs < 0 ? -1 : static_cast<int>(std::min<int64_t>(AMs, INT_MAX)); }

}  // namespace

TX11TopLevel* FindTopLevel(TX11Display& AX, HWND AWindow) {
  const auto Found = AX.TopLevels.find(AWindow);
  return Found == AX.TopLevels.end() ? nullptr : &Found->second;
}

TX11TopLevel* FindTopLevelByXid(TX11Display& AX, ::Window AXid) {
  const auto Found = AX.ByXid.find(AXid);
  return Found == AX.ByXid.end() ? nullptr : FindTopLevel(AX, Found->second);
}

bool WaitForMatchingEvent(TX11Display& AX, const std::function<bool(const XEvent&)>& AMatches, int ATimeoutMs,
                          XEvent& AEvent) {
  const int64_t Deadline = NowMs() + ATimeoutMs;
  auto* Matches = const_cast<std::function<bool(const XEvent&)>*>(&AMatches);
  for (;;) {
    if (XCheckIfEvent(AX.Connection, &AEvent, MatchesPredicate, reinterpret_cast<XPointer>(Matches)))
      return true;
    const int64_t Left = Deadline - NowMs();
    if (Left <= 0) return false;
    pollfd Readable{ConnectionNumber(AX.Connection), POLLIN, 0};
    poll(&Readable, 1, PollTimeout(Left));
    XEventsQueued(AX.Connection, QueuedAfterReading);
  }
}

TX11Backend::TX11Backend(const TX11Options& AOptions) : FX(std::make_unique<TX11Display>()) {
  FX->Options = AOptions;
  OpenConnection(*FX);
}

TX11Backend::~TX11Backend() { CloseConnection(*FX); }

uint64_t TX11Backend::ClockMs() const { return static_cast<uint64_t>(NowMs()); }

bool TX11Backend::DeliverPendingEvents() {
  ReadXEvents(*FX);
  return DeliverQueuedEvents(*FX);
}

void TX11Backend::WaitForEvents(int64_t ATimeoutMs) {
  TX11Display& X = *FX;
  if (!HasDeliverableEvents(X) && XEventsQueued(X.Connection, QueuedAfterFlush) == 0) {
    pollfd Sources[] = {{ConnectionNumber(X.Connection), POLLIN, 0}, {X.WakeRead, POLLIN, 0}};
    poll(Sources, 2, PollTimeout(ATimeoutMs));
  }
  DrainWakePipe(X);
}

void TX11Backend::WakeUp() {
  const char Byte = 1;
  // A full pipe already holds a wake-up; nothing is lost when this write fails.
  [[maybe_unused]] const ssize_t Written = write(FX->WakeWrite, &Byte, 1);
}

bool TX11Backend::UsesSharedMemory() const { return FX->HasSharedMemory; }

void TX11Backend::Synchronize() { XSync(FX->Connection, False); }

void TX11Backend::Beep() {
  XBell(FX->Connection, 0);
  XFlush(FX->Connection);
}
