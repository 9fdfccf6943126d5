#pragma once
// Another client of a test's virtual display, speaking Xlib directly: it looks at what
// the x11 backend made of the program's windows, and acts as another program or a
// window manager would. Xlib's macros stay inside OtherClient.cpp: window ids and
// atoms are plain numbers here.
//
// Each object has a connection of its own and is used by one thread at a time.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/Geometry.h"

namespace e2e {

using TXid = unsigned long;

class TOtherClient {
 public:
  // Raises std::runtime_error when the display cannot be opened.
  explicit TOtherClient(const std::string& ADisplay);
  ~TOtherClient();
  TOtherClient(const TOtherClient&) = delete;
  TOtherClient& operator=(const TOtherClient&) = delete;

  unsigned long AtomNamed(const char* AName) const;
  TXid Root() const;

  // --- Looking ---

  // The top-level window of that title (WM_NAME); 0 for none.
  TXid WindowTitled(const std::string& ATitle) const;
  // A 32-bit property (as longs) of the type ("ATOM", "CARDINAL", ...); empty when
  // the window has none of that type.
  std::vector<long> Property(TXid AWindow, const char* AName, const char* AType) const;
  // An 8-bit property of the type, as bytes; nullopt when there is none.
  std::optional<std::string> TextProperty(TXid AWindow, const char* AName, const char* AType) const;
  // The class of WM_CLASS, and the window WM_TRANSIENT_FOR names (0 for none).
  std::string ClassName(TXid AWindow) const;
  TXid TransientFor(TXid AWindow) const;
  bool IsOverrideRedirect(TXid AWindow) const;
  int Depth(TXid AWindow) const;
  TRect Geometry(TXid AWindow) const;
  // The rectangles of the window's bounding or input shape.
  std::vector<TRect> Shape(TXid AWindow, bool AInput) const;
  // The one pixel value of the window's AWidth × AHeight contents (the top byte is the
  // alpha of a 32-bit window); nullopt when the pixels differ.
  std::optional<unsigned long> UniformPixel(TXid AWindow, int AWidth, int AHeight) const;
  // The window that has the keyboard focus.
  TXid FocusedWindow() const;
  // The first window of the tree under the root, depth first, that has the property
  // (of any type); 0 for none.
  TXid WindowWithProperty(const char* AName) const;
  // The window's parent, and its rectangle in root coordinates while it is viewable
  // (an empty one otherwise).
  TXid Parent(TXid AWindow) const;
  TRect ViewableRectOnRoot(TXid AWindow) const;

  // --- Acting ---

  // Owns the selection with an unmapped window of its own, as a compositor owns
  // _NET_WM_CM_S0.
  void OwnSelection(const char* ASelection);
  // Grabs the key (a keysym name) with the modifier mask on the root window; false
  // when the server refuses.
  bool GrabKey(const char* AKeysym, unsigned int AModifiers);
  void SetCardinals(TXid AWindow, const char* AName, const std::vector<long>& AValues);
  // Sets WM_STATE as a window manager does when it iconifies or restores a window.
  void SetWindowState(TXid AWindow, bool AIconic);
  // A close request as a window manager's close button sends it.
  void RequestClose(TXid AWindow);
  void MoveResize(TXid AWindow, const TRect& ARect);
  // Maps a window of its own and gives it the focus, as another program coming forward.
  void TakeFocus();
  void Focus(TXid AWindow);
  void Destroy(TXid AWindow);
  // Waits until the server handled every request so far.
  void Synchronize() const;

 private:
  struct TState;
  std::unique_ptr<TState> FState;
};

// Modifier masks for GrabKey.
constexpr unsigned int OtherShiftMask = 1u << 0;
constexpr unsigned int OtherControlMask = 1u << 2;
constexpr unsigned int OtherAltMask = 1u << 3;

// Another program's clipboard: owns CLIPBOARD with the text and answers requests for
// UTF8_STRING on a thread of its own until the object goes.
class TForeignClipboard {
 public:
  TForeignClipboard(const std::string& ADisplay, const std::string& AText);
  ~TForeignClipboard();
  TForeignClipboard(const TForeignClipboard&) = delete;
  TForeignClipboard& operator=(const TForeignClipboard&) = delete;

 private:
  struct TState;
  std::unique_ptr<TState> FState;
};

// Another program pasting: asks the owner of CLIPBOARD for UTF8_STRING on a
// connection of its own and waits up to ATimeoutMs for the text; nullopt without one.
// Blocks: call it on a thread of its own while the owner's loop runs.
std::optional<std::string> PasteFromClipboard(const std::string& ADisplay, int ATimeoutMs);

}  // namespace e2e
