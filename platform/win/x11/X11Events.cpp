// Reading the server's events and handing them to the shared code in order.
//
// Events that only concern the backend (exposures, selection requests, the window
// manager's pings, the window states it reports) are handled as they are read. Events
// for the shared code are queued and delivered in their order, one at a time once the
// input messages of the one before were taken off the message queue: what the program
// did with a click (capture, focus, a modal loop) decides where the next event goes,
// and a character message comes before the release of its key.

#include "platform/win/InputMessagesInternal.h"
#include "platform/win/x11/X11Internal.h"

namespace {

void RouteEvent(TX11Display& AX, XEvent& AEvent) {
  if (HandleTrayEvent(AX, AEvent)) return;
  switch (AEvent.type) {
    case KeyPress:
    case KeyRelease:
      HandleKeyEvent(AX, AEvent.xkey);
      break;
    case ButtonPress:
    case ButtonRelease:
    case MotionNotify:
    case EnterNotify:
    case LeaveNotify:
      HandlePointerEvent(AX, AEvent);
      break;
    case FocusIn:
    case FocusOut:
      HandleFocusEvent(AX, AEvent.xfocus);
      break;
    case Expose:
      HandleExpose(AX, AEvent.xexpose);
      break;
    case ConfigureNotify:
      HandleConfigureNotify(AX, AEvent.xconfigure);
      break;
    case MapNotify:
    case UnmapNotify:
    case ReparentNotify:
      HandleMapping(AX, AEvent);
      break;
    case ClientMessage:
      HandleClientMessage(AX, AEvent.xclient);
      break;
    case PropertyNotify:
      HandlePropertyNotify(AX, AEvent.xproperty);
      break;
    case SelectionRequest:
      HandleSelectionRequest(AX, AEvent.xselectionrequest);
      break;
    case SelectionClear:
      HandleSelectionClear(AX, AEvent.xselectionclear);
      break;
    case SelectionNotify:
      // The clipboard waits for its own answers; any other is the data of a drop.
      HandleDropData(AX, AEvent.xselection);
      break;
    case MappingNotify:
      XRefreshKeyboardMapping(&AEvent.xmapping);
      if (AEvent.xmapping.request == MappingModifier) ReadModifierMapping(AX);
      break;
    default:
      if (AX.HasSharedMemory && AEvent.type == AX.ShmCompletionType)
        HandleShmCompletion(AX, AEvent);
      else if (AX.HasRandr && AEvent.type == AX.RandrEventBase + RRScreenChangeNotify)
        HandleScreenChange(AX, AEvent);
      break;
  }
}

}  // namespace

void ReadXEvents(TX11Display& AX) {
  while (XPending(AX.Connection) > 0) {
    XEvent Event;
    XNextEvent(AX.Connection, &Event);
    // The input method takes the key events of a sequence it composes.
    if (XFilterEvent(&Event, None)) continue;
    RouteEvent(AX, Event);
  }
}

void QueueDelivery(TX11Display& AX, std::function<void()> ADeliver) {
  AX.Deliveries.push_back(std::move(ADeliver));
}

bool HasDeliverableEvents(const TX11Display& AX) {
  return !AX.Deliveries.empty() && !IsAwaitingInputMessages();
}

bool DeliverQueuedEvents(TX11Display& AX) {
  bool Delivered = false;
  while (HasDeliverableEvents(AX)) {
    const std::function<void()> Deliver = std::move(AX.Deliveries.front());
    AX.Deliveries.pop_front();
    Deliver();
    Delivered = true;
  }
  return Delivered;
}
