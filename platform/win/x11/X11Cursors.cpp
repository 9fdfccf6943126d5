// The pointer's cursor over the program's windows: standard shapes from the cursor
// theme through Xcursor (the core cursor font when the theme lacks them), cursors read
// from files from their pictures, and an invisible one while ShowCursor hides it.

#include <X11/cursorfont.h>

#include <algorithm>

#include "platform/win/Cursors.h"
#include "platform/win/x11/X11Internal.h"

namespace {

struct TStandardCursor {
  WORD Shape;
  const char* ThemeName;
  unsigned int FontShape;
};

constexpr TStandardCursor StandardCursors[] = {
    {32512, "left_ptr", XC_left_ptr},
    {32513, "xterm", XC_xterm},
    {32514, "watch", XC_watch},
    {32515, "crosshair", XC_crosshair},
    {32516, "sb_up_arrow", XC_sb_up_arrow},
    {32642, "bottom_right_corner", XC_bottom_right_corner},
    {32643, "bottom_left_corner", XC_bottom_left_corner},
    {32644, "sb_h_double_arrow", XC_sb_h_double_arrow},
    {32645, "sb_v_double_arrow", XC_sb_v_double_arrow},
    {32646, "fleur", XC_fleur},
    {32648, "crossed_circle", XC_X_cursor},
    {32649, "hand2", XC_hand2},
    {32650, "left_ptr_watch", XC_watch},
};

Cursor StandardCursor(TX11Display& AX, WORD AShape) {
  Cursor& Made = AX.StandardCursors[AShape];
  if (Made) return Made;
  const TStandardCursor* Entry = &StandardCursors[0];
  for (const TStandardCursor& Candidate : StandardCursors)
    if (Candidate.Shape == AShape) Entry = &Candidate;
  Made = XcursorLibraryLoadCursor(AX.Connection, Entry->ThemeName);
  if (!Made) Made = XCreateFontCursor(AX.Connection, Entry->FontShape);
  return Made;
}

// Xcursor wants premultiplied pixels; the picture's alpha is straight.
Cursor PictureCursor(TX11Display& AX, const TPixelImage& APicture, const TPoint& AHotSpot) {
  XcursorImage* Image = XcursorImageCreate(APicture.Width, APicture.Height);
  if (!Image) return 0;
  Image->xhot = static_cast<XcursorDim>(std::clamp(AHotSpot.X, 0, APicture.Width - 1));
  Image->yhot = static_cast<XcursorDim>(std::clamp(AHotSpot.Y, 0, APicture.Height - 1));
  for (std::size_t I = 0; I < APicture.Pixels.size(); ++I) {
    const uint32_t Pixel = APicture.Pixels[I];
    const uint32_t Alpha = Pixel >> 24;
    const auto Scale = [Alpha](uint32_t AChannel) { return (AChannel * Alpha + 127) / 255; };
    Image->pixels[I] = (Alpha << 24) | (Scale((Pixel >> 16) & 0xFF) << 16) |
                       (Scale((Pixel >> 8) & 0xFF) << 8) | Scale(Pixel & 0xFF);
  }
  const Cursor Made = XcursorImageLoadCursor(AX.Connection, Image);
  XcursorImageDestroy(Image);
  return Made;
}

Cursor InvisibleCursor(TX11Display& AX) {
  if (AX.InvisibleCursor) return AX.InvisibleCursor;
  XcursorImage* Image = XcursorImageCreate(1, 1);
  if (!Image) return 0;
  Image->pixels[0] = 0;
  AX.InvisibleCursor = XcursorImageLoadCursor(AX.Connection, Image);
  XcursorImageDestroy(Image);
  return AX.InvisibleCursor;
}

}  // namespace

void TX11Backend::SetCursorShape(HCURSOR ACursor) {
  TX11Display& X = *FX;
  const Cursor Previous = X.PictureCursor;
  Cursor Shown = 0;
  X.PictureCursor = 0;
  if (!ACursor)
    Shown = InvisibleCursor(X);
  else if (ACursor->StandardShape)
    Shown = StandardCursor(X, ACursor->StandardShape);
  else if (ACursor->Image.Width > 0 && ACursor->Image.Height > 0)
    Shown = X.PictureCursor = PictureCursor(X, ACursor->Image, ACursor->Image.HotSpot);
  X.ShownCursor = Shown;
  for (const auto& [Handle, TopLevel] : X.TopLevels) ApplyCursor(X, TopLevel);
  // A cursor read from a file may be freed by the program once it no longer shows:
  // each showing makes its own, and the one it replaces goes.
  if (Previous) XFreeCursor(X.Connection, Previous);
}

void ApplyCursor(TX11Display& AX, const TX11TopLevel& AWindow) {
  if (AX.ShownCursor)
    XDefineCursor(AX.Connection, AWindow.Xid, AX.ShownCursor);
  else
    XUndefineCursor(AX.Connection, AWindow.Xid);
}

void FreeCursors(TX11Display& AX) {
  for (const auto& [Shape, Made] : AX.StandardCursors)
    if (Made) XFreeCursor(AX.Connection, Made);
  if (AX.PictureCursor) XFreeCursor(AX.Connection, AX.PictureCursor);
  if (AX.InvisibleCursor) XFreeCursor(AX.Connection, AX.InvisibleCursor);
}
