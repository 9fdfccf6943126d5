// The freedesktop system tray: each icon is a small window of its own that the tray
// (the owner of the selection _NET_SYSTEM_TRAY_S<screen>) embeds on a dock request
// (XEmbed). A tray that comes up announces itself with MANAGER on the root window.

#include <algorithm>

#include "platform/win/BackendEvents.h"
#include "platform/win/Messages.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/x11/X11Internal.h"

namespace {

constexpr long SystemTrayRequestDock = 0;
constexpr int TrayIconDefaultSize = 22;
// Transparent parts of the icon are drawn over this grey.
constexpr uint32_t TrayIconBackground = 0xC0C0C0;

Atom TrayAtom(TX11Display& AX, const char* AName) { return XInternAtom(AX.Connection, AName, False); }

Atom TraySelection(TX11Display& AX) {
  return TrayAtom(AX, Format("_NET_SYSTEM_TRAY_S%d", AX.Screen).c_str());
}

// Watches the root window for MANAGER announcements and the tray's owner for its end.
void WatchTray(TX11Display& AX) {
  if (!AX.Tray.Watching) {
    XWindowAttributes Attributes;
    XGetWindowAttributes(AX.Connection, AX.Root, &Attributes);
    XSelectInput(AX.Connection, AX.Root, Attributes.your_event_mask | StructureNotifyMask);
    AX.Tray.Watching = true;
  }
  if (AX.Tray.Owner) return;
  XGrabServer(AX.Connection);
  AX.Tray.Owner = XGetSelectionOwner(AX.Connection, TraySelection(AX));
  if (AX.Tray.Owner) XSelectInput(AX.Connection, AX.Tray.Owner, StructureNotifyMask);
  XUngrabServer(AX.Connection);
  XFlush(AX.Connection);
}

void PaintTrayIcon(TX11Display& AX, TX11TrayIcon& AIcon) {
  XWindowAttributes Attributes;
  if (!XGetWindowAttributes(AX.Connection, AIcon.Xid, &Attributes)) return;
  const int Width = std::max(1, Attributes.width), Height = std::max(1, Attributes.height);
  XImage* Image =
      XCreateImage(AX.Connection, AX.DefaultVisual, static_cast<unsigned>(AX.DefaultDepth), ZPixmap, 0,
                   nullptr, static_cast<unsigned>(Width), static_cast<unsigned>(Height), 32, 0);
  if (!Image) return;
  std::vector<uint32_t> Pixels(size_t(Width) * size_t(Height), TrayIconBackground);
  const TPixelImage& Picture = AIcon.Image;
  if (Picture.Width > 0 && Picture.Height > 0) {
    for (int Y = 0; Y < Height; ++Y)
      for (int X = 0; X < Width; ++X) {
        const uint32_t Pixel = Picture.Pixel(X * Picture.Width / Width, Y * Picture.Height / Height);
        const uint32_t Alpha = Pixel >> 24;
        uint32_t Mixed = 0;
        for (int Shift = 0; Shift < 24; Shift += 8) {
          const uint32_t Over = (Pixel >> Shift) & 0xFF, Under = (TrayIconBackground >> Shift) & 0xFF;
          Mixed |= ((Over * Alpha + Under * (255 - Alpha)) / 255) << Shift;
        }
        Pixels[size_t(Y) * size_t(Width) + size_t(X)] = Mixed;
      }
  }
  Image->data = reinterpret_cast<char*>(Pixels.data());
  GC Graphics = XCreateGC(AX.Connection, AIcon.Xid, 0, nullptr);
  XPutImage(AX.Connection, AIcon.Xid, Graphics, Image, 0, 0, 0, 0, static_cast<unsigned>(Width),
            static_cast<unsigned>(Height));
  XFreeGC(AX.Connection, Graphics);
  Image->data = nullptr;
  XDestroyImage(Image);
  XFlush(AX.Connection);
}

void RequestDock(TX11Display& AX, const TX11TrayIcon& AIcon) {
  XEvent Event{};
  Event.xclient.type = ClientMessage;
  Event.xclient.window = AX.Tray.Owner;
  Event.xclient.message_type = TrayAtom(AX, "_NET_SYSTEM_TRAY_OPCODE");
  Event.xclient.format = 32;
  Event.xclient.data.l[0] = CurrentTime;
  Event.xclient.data.l[1] = SystemTrayRequestDock;
  Event.xclient.data.l[2] = static_cast<long>(AIcon.Xid);
  XSendEvent(AX.Connection, AX.Tray.Owner, False, NoEventMask, &Event);
  XFlush(AX.Connection);
}

TX11TrayIcon* FindTrayIconByXid(TX11Display& AX, ::Window AXid) {
  for (auto& [Key, Icon] : AX.Tray.Icons)
    if (Icon.Xid == AXid) return &Icon;
  return nullptr;
}

void DestroyTrayIcons(TX11Display& AX) {
  for (auto& [Key, Icon] : AX.Tray.Icons) XDestroyWindow(AX.Connection, Icon.Xid);
  AX.Tray.Icons.clear();
}

}  // namespace

bool DockX11TrayIcon(TX11Display& AX, int AIcon, const TPixelImage& AImage) {
  WatchTray(AX);
  if (!AX.Tray.Owner) return false;
  TX11TrayIcon Icon;
  Icon.Key = AIcon;
  Icon.Image = AImage;
  XSetWindowAttributes Attributes{};
  Attributes.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | StructureNotifyMask;
  Attributes.background_pixel = TrayIconBackground;
  Icon.Xid =
      XCreateWindow(AX.Connection, AX.Root, 0, 0, TrayIconDefaultSize, TrayIconDefaultSize, 0,
                    AX.DefaultDepth, InputOutput, AX.DefaultVisual, CWEventMask | CWBackPixel, &Attributes);
  // XEmbed version 0, mapped once embedded.
  const long EmbedInfo[2] = {0, 1};
  const Atom XembedInfo = TrayAtom(AX, "_XEMBED_INFO");
  XChangeProperty(AX.Connection, Icon.Xid, XembedInfo, XembedInfo, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(EmbedInfo), 2);
  XSizeHints Hints{};
  Hints.flags = PMinSize | PBaseSize;
  Hints.min_width = Hints.base_width = TrayIconDefaultSize;
  Hints.min_height = Hints.base_height = TrayIconDefaultSize;
  XSetWMNormalHints(AX.Connection, Icon.Xid, &Hints);
  RequestDock(AX, Icon);
  AX.Tray.Icons[AIcon] = std::move(Icon);
  return true;
}

void UpdateX11TrayIcon(TX11Display& AX, int AIcon, const TPixelImage& AImage) {
  const auto Found = AX.Tray.Icons.find(AIcon);
  if (Found == AX.Tray.Icons.end()) return;
  Found->second.Image = AImage;
  PaintTrayIcon(AX, Found->second);
}

void UndockX11TrayIcon(TX11Display& AX, int AIcon) {
  const auto Found = AX.Tray.Icons.find(AIcon);
  if (Found == AX.Tray.Icons.end()) return;
  XDestroyWindow(AX.Connection, Found->second.Xid);
  AX.Tray.Icons.erase(Found);
  XFlush(AX.Connection);
}

bool HandleTrayEvent(TX11Display& AX, const XEvent& AEvent) {
  if (AEvent.type == ClientMessage && AEvent.xclient.window == AX.Root && AX.Tray.Watching &&
      AEvent.xclient.message_type == TrayAtom(AX, "MANAGER") &&
      static_cast<Atom>(AEvent.xclient.data.l[1]) == TraySelection(AX)) {
    AX.Tray.Owner = 0;
    WatchTray(AX);
    QueueDelivery(AX, [] { DeliverTrayAppeared(); });
    return true;
  }
  if (AEvent.type == DestroyNotify && AX.Tray.Owner && AEvent.xdestroywindow.window == AX.Tray.Owner) {
    AX.Tray.Owner = 0;
    DestroyTrayIcons(AX);
    QueueDelivery(AX, [] { DeliverTrayGone(); });
    return true;
  }
  if (AEvent.type != Expose && AEvent.type != ButtonPress && AEvent.type != ButtonRelease) return false;
  TX11TrayIcon* Icon = FindTrayIconByXid(AX, AEvent.xany.window);
  if (!Icon) return false;
  if (AEvent.type == Expose) {
    if (AEvent.xexpose.count == 0) PaintTrayIcon(AX, *Icon);
    return true;
  }
  const bool Press = AEvent.type == ButtonPress;
  UINT Message = 0;
  switch (AEvent.xbutton.button) {
    case Button1:
      Message = Press ? WM_LBUTTONDOWN : WM_LBUTTONUP;
      // A second press soon after the first is a double click, as the tray reports it.
      if (Press && AEvent.xbutton.time - Icon->LastPressTime < GetDoubleClickTime()) {
        Message = WM_LBUTTONDBLCLK;
        Icon->LastPressTime = 0;
      } else if (Press) {
        Icon->LastPressTime = AEvent.xbutton.time;
      }
      break;
    case Button2:
      Message = Press ? WM_MBUTTONDOWN : WM_MBUTTONUP;
      break;
    case Button3:
      Message = Press ? WM_RBUTTONDOWN : WM_RBUTTONUP;
      break;
    default:
      return true;
  }
  const int Key = Icon->Key;
  const TPoint Position{AEvent.xbutton.x_root, AEvent.xbutton.y_root};
  const UINT Modifiers = PointerModifiersOf(AEvent.xbutton.state);
  QueueDelivery(AX, [Key, Message, Position, Modifiers] {
    DeliverPointerMotion(Position, Modifiers);
    DeliverTrayIconMouse(Key, Message);
  });
  return true;
}

// The tip has no place in the freedesktop tray: its icons show none.
bool TX11Backend::DockTrayIcon(int AIcon, const TPixelImage& AImage, const String&) {
  return DockX11TrayIcon(*FX, AIcon, AImage);
}

void TX11Backend::UpdateTrayIcon(int AIcon, const TPixelImage& AImage, const String&) {
  UpdateX11TrayIcon(*FX, AIcon, AImage);
}

void TX11Backend::UndockTrayIcon(int AIcon) { UndockX11TrayIcon(*FX, AIcon); }
