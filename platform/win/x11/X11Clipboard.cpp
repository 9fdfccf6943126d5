// The clipboard shared with other programs through the CLIPBOARD selection, as
// UTF8_STRING. Closing the program's clipboard after a change makes the program the
// selection's owner, serving its text to whoever asks; reading it while another program
// owns the selection asks that program for its text and waits for the answer.

#include <climits>

#include "platform/win/x11/X11Internal.h"

namespace {

// How long another program may take to hand over its clipboard text.
constexpr int ForeignAnswerMs = 2000;

// Texts larger than one request would need the INCR protocol; they are refused.
std::size_t LargestProperty(Display* ADisplay) {
  long Words = XExtendedMaxRequestSize(ADisplay);
  if (Words == 0) Words = XMaxRequestSize(ADisplay);
  constexpr std::size_t RequestHeader = 64;
  return static_cast<std::size_t>(Words) * 4 - RequestHeader;
}

// Answers a request for the selection: the list of targets, or the text. False when
// the program cannot give what is asked.
bool Answer(TX11Display& AX, const XSelectionRequestEvent& AEvent, Atom AProperty) {
  if (AEvent.target == AX.Atoms.Targets) {
    const Atom Targets[] = {AX.Atoms.Targets, AX.Atoms.Utf8String};
    XChangeProperty(AX.Connection, AEvent.requestor, AProperty, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(Targets), AX.OfferedText ? 2 : 1);
    return true;
  }
  if (AEvent.target != AX.Atoms.Utf8String || !AX.OfferedText ||
      AX.OfferedText->size() > LargestProperty(AX.Connection))
    return false;
  XChangeProperty(AX.Connection, AEvent.requestor, AProperty, AX.Atoms.Utf8String, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(AX.OfferedText->data()),
                  static_cast<int>(AX.OfferedText->size()));
  return true;
}

}  // namespace

void TX11Backend::OfferClipboardText(const std::optional<String>& AText) {
  TX11Display& X = *FX;
  X.OfferedText = AText;
  XSetSelectionOwner(X.Connection, X.Atoms.Clipboard, X.Utility, X.LastEventTime);
  X.OwnsClipboard = XGetSelectionOwner(X.Connection, X.Atoms.Clipboard) == X.Utility;
}

bool TX11Backend::ReadForeignClipboardText(std::optional<String>& AText) {
  TX11Display& X = *FX;
  const ::Window Owner = XGetSelectionOwner(X.Connection, X.Atoms.Clipboard);
  if (Owner == X.Utility) return false;
  AText.reset();
  if (Owner == None) return true;
  XConvertSelection(X.Connection, X.Atoms.Clipboard, X.Atoms.Utf8String, X.Atoms.TransferProperty, X.Utility,
                    X.LastEventTime);
  XEvent Event;
  const bool Answered = WaitForMatchingEvent(
      X,
      [&](const XEvent& AEvent) {
        return AEvent.type == SelectionNotify && AEvent.xselection.requestor == X.Utility &&
               AEvent.xselection.selection == X.Atoms.Clipboard;
      },
      ForeignAnswerMs, Event);
  if (Answered && Event.xselection.property != None)
    AText = TakeSelectionProperty(X, X.Utility, X.Atoms.TransferProperty, X.Atoms.Utf8String);
  return true;
}

void HandleSelectionRequest(TX11Display& AX, const XSelectionRequestEvent& AEvent) {
  XEvent Reply{};
  Reply.xselection.type = SelectionNotify;
  Reply.xselection.requestor = AEvent.requestor;
  Reply.xselection.selection = AEvent.selection;
  Reply.xselection.target = AEvent.target;
  Reply.xselection.time = AEvent.time;
  Reply.xselection.property = None;
  // Clients older than the protocol name no property: the target stands for it.
  const Atom Property = AEvent.property == None ? AEvent.target : AEvent.property;
  if (AEvent.selection == AX.Atoms.Clipboard && AX.OwnsClipboard && AEvent.owner == AX.Utility &&
      Answer(AX, AEvent, Property))
    Reply.xselection.property = Property;
  XSendEvent(AX.Connection, AEvent.requestor, False, NoEventMask, &Reply);
}

void HandleSelectionClear(TX11Display& AX, const XSelectionClearEvent& AEvent) {
  if (AEvent.selection != AX.Atoms.Clipboard) return;
  AX.OwnsClipboard = false;
  AX.OfferedText.reset();
}

std::optional<String> TakeSelectionProperty(TX11Display& AX, ::Window AXid, Atom AProperty, Atom AType) {
  Atom Type = 0;
  int Format = 0;
  unsigned long Count = 0;
  unsigned long After = 0;
  unsigned char* Data = nullptr;
  if (XGetWindowProperty(AX.Connection, AXid, AProperty, 0, LONG_MAX / 4, True, AnyPropertyType, &Type,
                         &Format, &Count, &After, &Data) != Success)
    return std::nullopt;
  std::optional<String> Text;
  if (Type == AType && Format == 8) Text = String(reinterpret_cast<const char*>(Data), Count);
  if (Data) XFree(Data);
  return Text;
}
