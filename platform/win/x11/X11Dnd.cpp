// Files dropped from other programs, by the XDND protocol (version 5): every top-level
// window is a drop target; a drag that offers text/uri-list is accepted with the copy
// action, and on the drop its list is fetched, its file:// entries turned into paths
// and handed in as DeliverFilesDropped at the last position the drag reported.

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "platform/win/BackendEvents.h"
#include "platform/win/x11/X11Internal.h"

namespace {

constexpr long XdndVersion = 5;
// XdndEnter: more than three types are listed in XdndTypeList.
constexpr long MoreThanThreeTypes = 1;

int HexValue(char ADigit) {
  if (ADigit >= '0' && ADigit <= '9') return ADigit - '0';
  if (ADigit >= 'a' && ADigit <= 'f') return ADigit - 'a' + 10;
  if (ADigit >= 'A' && ADigit <= 'F') return ADigit - 'A' + 10;
  return -1;
}

String PercentDecoded(const String& AText) {
  String Decoded;
  for (std::size_t I = 0; I < AText.size(); ++I) {
    if (AText[I] == '%' && I + 2 < AText.size() && HexValue(AText[I + 1]) >= 0 &&
        HexValue(AText[I + 2]) >= 0) {
      Decoded += static_cast<char>(HexValue(AText[I + 1]) * 16 + HexValue(AText[I + 2]));
      I += 2;
    } else {
      Decoded += AText[I];
    }
  }
  return Decoded;
}

bool IsThisHost(const String& AHost) {
  if (AHost.empty() || AHost == "localhost") return true;
  char Host[HOST_NAME_MAX + 1] = {};
  gethostname(Host, HOST_NAME_MAX);
  return AHost == Host;
}

// The local paths of a text/uri-list: one URI a line, comments starting with '#';
// entries that are no local files are left out.
std::vector<String> PathsOfUriList(const String& AList) {
  std::vector<String> Paths;
  std::size_t Start = 0;
  while (Start < AList.size()) {
    std::size_t End = AList.find('\n', Start);
    if (End == String::npos) End = AList.size();
    String Line = AList.substr(Start, End - Start);
    Start = End + 1;
    if (!Line.empty() && Line.back() == '\r') Line.pop_back();
    constexpr std::string_view Scheme = "file://";
    if (Line.empty() || Line[0] == '#' || Line.compare(0, Scheme.size(), Scheme) != 0) continue;
    const std::size_t PathStart = Line.find('/', Scheme.size());
    if (PathStart == String::npos || !IsThisHost(Line.substr(Scheme.size(), PathStart - Scheme.size())))
      continue;
    Paths.push_back(PercentDecoded(Line.substr(PathStart)));
  }
  return Paths;
}

bool ListsUriList(TX11Display& AX, const XClientMessageEvent& AEnter) {
  if (!(AEnter.data.l[1] & MoreThanThreeTypes)) {
    for (int I = 2; I <= 4; ++I)
      if (static_cast<Atom>(AEnter.data.l[I]) == AX.Atoms.TextUriList) return true;
    return false;
  }
  Atom Type = 0;
  int Format = 0;
  unsigned long Count = 0;
  unsigned long After = 0;
  unsigned char* Data = nullptr;
  bool Found = false;
  if (XGetWindowProperty(AX.Connection, static_cast<::Window>(AEnter.data.l[0]), AX.Atoms.XdndTypeList, 0,
                         LONG_MAX / 4, False, XA_ATOM, &Type, &Format, &Count, &After, &Data) == Success &&
      Type == XA_ATOM && Format == 32) {
    const auto* Types = reinterpret_cast<const Atom*>(Data);
    Found = std::find(Types, Types + Count, AX.Atoms.TextUriList) != Types + Count;
  }
  if (Data) XFree(Data);
  return Found;
}

// Sends an XDND message to the drag's source: the target, the answer's flag (bit 0:
// accepted) and, at AActionIndex, the action.
void SendToSource(TX11Display& AX, Atom AMessage, bool AAccepted, int AActionIndex) {
  XEvent Event{};
  Event.xclient.type = ClientMessage;
  Event.xclient.window = AX.Drag.Source;
  Event.xclient.message_type = AMessage;
  Event.xclient.format = 32;
  Event.xclient.data.l[0] = static_cast<long>(AX.Drag.Target);
  Event.xclient.data.l[1] = AAccepted ? 1 : 0;
  Event.xclient.data.l[AActionIndex] = AAccepted ? static_cast<long>(AX.Atoms.XdndActionCopy) : None;
  XSendEvent(AX.Connection, AX.Drag.Source, False, NoEventMask, &Event);
}

// XdndStatus; its rectangle of silence is empty, so the source tells every position.
void SendStatus(TX11Display& AX, bool AAccepted) { SendToSource(AX, AX.Atoms.XdndStatus, AAccepted, 4); }

void Finish(TX11Display& AX, bool AAccepted) {
  SendToSource(AX, AX.Atoms.XdndFinished, AAccepted, 2);
  AX.Drag = TX11Drag();
}

}  // namespace

void AnnounceDropTarget(TX11Display& AX, const TX11TopLevel& AWindow) {
  XChangeProperty(AX.Connection, AWindow.Xid, AX.Atoms.XdndAware, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&XdndVersion), 1);
}

void HandleXdndMessage(TX11Display& AX, const XClientMessageEvent& AEvent) {
  const Atom Message = AEvent.message_type;
  const auto Source = static_cast<::Window>(AEvent.data.l[0]);
  if (Message == AX.Atoms.XdndEnter) {
    AX.Drag = TX11Drag();
    AX.Drag.Source = Source;
    AX.Drag.Target = AEvent.window;
    AX.Drag.OffersUriList = ListsUriList(AX, AEvent);
    return;
  }
  if (Source != AX.Drag.Source || !AX.Drag.Source) return;
  if (Message == AX.Atoms.XdndPosition) {
    const auto Packed = static_cast<unsigned long>(AEvent.data.l[2]);
    AX.Drag.Position = {static_cast<int>((Packed >> 16) & 0xFFFF), static_cast<int>(Packed & 0xFFFF)};
    SendStatus(AX, AX.Drag.OffersUriList && FindTopLevelByXid(AX, AX.Drag.Target));
  } else if (Message == AX.Atoms.XdndLeave) {
    AX.Drag = TX11Drag();
  } else if (Message == AX.Atoms.XdndDrop) {
    if (!AX.Drag.OffersUriList || !FindTopLevelByXid(AX, AX.Drag.Target)) {
      Finish(AX, false);
      return;
    }
    AX.Drag.AwaitingData = true;
    XConvertSelection(AX.Connection, AX.Atoms.XdndSelection, AX.Atoms.TextUriList, AX.Atoms.TransferProperty,
                      AX.Drag.Target, static_cast<Time>(AEvent.data.l[2]));
  }
}

void HandleDropData(TX11Display& AX, const XSelectionEvent& AEvent) {
  if (!AX.Drag.AwaitingData || AEvent.selection != AX.Atoms.XdndSelection ||
      AEvent.requestor != AX.Drag.Target)
    return;
  std::optional<String> List;
  if (AEvent.property != None)
    List = TakeSelectionProperty(AX, AEvent.requestor, AEvent.property, AX.Atoms.TextUriList);
  const std::vector<String> Files = List ? PathsOfUriList(*List) : std::vector<String>();
  const TX11TopLevel* TopLevel = FindTopLevelByXid(AX, AX.Drag.Target);
  if (TopLevel && !Files.empty()) {
    const HWND Handle = TopLevel->Handle;
    const TPoint Position = AX.Drag.Position;
    QueueDelivery(AX, [Handle, Position, Files] { DeliverFilesDropped(Handle, Position, Files); });
  }
  Finish(AX, TopLevel && !Files.empty());
}
