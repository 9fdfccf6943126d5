#pragma once
// Device contexts: where drawing goes. A device context (HDC, a TDeviceContext) draws
// into the bitmap selected into it, through its state: selected pen, brush and font,
// window and viewport origins, clip region, text and background colours, background
// mode, mix mode (ROP2) and stretch mode.
//
// Coordinates. Drawing calls take logical coordinates. A logical point p lands on the
// device point p - window origin + viewport origin; a device point d lands on the pixel
// d + device origin of the bitmap. The device origin is (0, 0) for memory device
// contexts; the window system sets it (and a system clip) for window device contexts
// that draw into part of a shared backing bitmap.
//
// Clipping. The clip region is kept in device coordinates (as SelectClipRgn takes it).
// Every drawing call draws only into the visible area: the bitmap's bounds, the system
// clip and the clip region together.
//
// Pixels. Drawing with pens, brushes and text on a 32-bit bitmap writes alpha 0 into
// every pixel it touches, as the window system does; callers that need opaque pixels
// set the alpha afterwards. Transfers between 32-bit bitmaps copy all four bytes.
//
// Ownership. CreateCompatibleDC gives a device context the caller frees with DeleteDC.
// Objects selected into a device context stay owned by their creator; one that is
// deleted while still selected (in the current or a saved state) is freed when the
// last device context lets go of it.
//
// Threads. A device context is used by one thread at a time; different device contexts
// may draw on different threads at once. Selecting and deleting objects is safe from
// any thread.

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/DrawingObjects.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Regions.h"

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Mix modes (SetROP2): how a pen or brush colour P meets a destination pixel D.
constexpr int R2_BLACK = 1;         // 0
constexpr int R2_NOTMERGEPEN = 2;   // ~(P | D)
constexpr int R2_MASKNOTPEN = 3;    // ~P & D
constexpr int R2_NOTCOPYPEN = 4;    // ~P
constexpr int R2_MASKPENNOT = 5;    // P & ~D
constexpr int R2_NOT = 6;           // ~D
constexpr int R2_XORPEN = 7;        // P ^ D
constexpr int R2_NOTMASKPEN = 8;    // ~(P & D)
constexpr int R2_MASKPEN = 9;       // P & D
constexpr int R2_NOTXORPEN = 10;    // ~(P ^ D)
constexpr int R2_NOP = 11;          // D
constexpr int R2_MERGENOTPEN = 12;  // ~P | D
constexpr int R2_COPYPEN = 13;      // P
constexpr int R2_MERGEPENNOT = 14;  // P | ~D
constexpr int R2_MERGEPEN = 15;     // P | D
constexpr int R2_WHITE = 16;        // 1

// Stretch modes. Every mode stretches by nearest neighbour (see StretchBlt); the mode
// is kept so that callers read back what they set.
constexpr int BLACKONWHITE = 1;
constexpr int WHITEONBLACK = 2;
constexpr int COLORONCOLOR = 3;
constexpr int HALFTONE = 4;
constexpr int STRETCH_ANDSCANS = BLACKONWHITE;
constexpr int STRETCH_ORSCANS = WHITEONBLACK;
constexpr int STRETCH_DELETESCANS = COLORONCOLOR;
constexpr int STRETCH_HALFTONE = HALFTONE;

class TDeviceContext : public TGdiObject {
 public:
  // Everything SaveDC saves and RestoreDC brings back.
  struct TState {
    HBITMAP Bitmap = nullptr;
    HPEN Pen = nullptr;
    HBRUSH Brush = nullptr;
    // The selected font (an object of the text unit); nullptr means the default font.
    HGDIOBJ Font = nullptr;
    TPoint WindowOrg;
    TPoint ViewportOrg;
    // The clip region in device coordinates; none means the whole bitmap.
    std::optional<TRegion> Clip;
    COLORREF TextColor = RGB(0, 0, 0);
    COLORREF BkColor = RGB(255, 255, 255);
    int BkMode = OPAQUE;
    int Rop2 = R2_COPYPEN;
    int StretchMode = BLACKONWHITE;
    TPoint CurrentPosition;
  };

  // A device context with the default state: the stock black pen and white brush, no
  // font, and the shared 1 × 1 default bitmap. AKind is OBJ_MEMDC or OBJ_DC.
  explicit TDeviceContext(TGdiObjectType AKind = OBJ_MEMDC);
  ~TDeviceContext() override;
  TDeviceContext(const TDeviceContext&) = delete;
  TDeviceContext& operator=(const TDeviceContext&) = delete;
  TGdiObjectType ObjectType() const override { return FKind; }

  const TState& State() const { return FState; }
  HBITMAP Bitmap() const { return FState.Bitmap; }
  // The pixels of the selected bitmap.
  const TSurface& Surface() const { return FState.Bitmap->Surface(); }

  // Selecting objects of each kind; each returns the object it replaces. SelectBitmap
  // returns nullptr, changing nothing, when the bitmap is selected into another device
  // context.
  HBITMAP SelectBitmap(HBITMAP ABitmap);
  HPEN SelectPen(HPEN APen);
  HBRUSH SelectBrush(HBRUSH ABrush);
  HGDIOBJ SelectFont(HGDIOBJ AFont);

  int SaveState();
  // ALevel > 0: back to the state SaveState numbered ALevel; ALevel < 0: that many
  // states back. False, changing nothing, for a level that was not saved.
  bool RestoreState(int ALevel);

  void SetWindowOrg(TPoint AOrigin);
  void SetViewportOrg(TPoint AOrigin);
  void SetTextColor(COLORREF AColor) { FState.TextColor = AColor; }
  void SetBkColor(COLORREF AColor) { FState.BkColor = AColor; }
  void SetBkMode(int AMode) { FState.BkMode = AMode; }
  void SetRop2(int AMode) { FState.Rop2 = AMode; }
  void SetStretchMode(int AMode) { FState.StretchMode = AMode; }
  void SetCurrentPosition(TPoint APoint) { FState.CurrentPosition = APoint; }

  // Replaces the clip region (device coordinates); nullopt removes it.
  void SetClip(std::optional<TRegion> AClip);

  // For the window system: where device (0, 0) lies in the bitmap, and the part of the
  // bitmap the device context may draw into at all (bitmap coordinates; nullopt: all).
  void SetDeviceArea(TPoint ADeviceOrigin, std::optional<TRegion> ASystemClip);
  TPoint DeviceOrigin() const { return FDeviceOrigin; }

  // Logical coordinates to bitmap pixels and back.
  TPoint LogicalToSurface(TPoint APoint) const;
  TRect LogicalToSurface(const TRect& ARect) const;
  TPoint SurfaceToLogical(TPoint APoint) const;
  // The bitmap's bounds, in device coordinates.
  TRect DeviceBounds() const;

  // The pixels that may be drawn, in bitmap coordinates.
  const TRegion& VisibleRegion() const;
  // Calls AVisit(const TRect&) for each visible part of ASurfaceRect (bitmap
  // coordinates), top to bottom.
  template <typename TVisit>
  void ForEachVisibleRect(const TRect& ASurfaceRect, TVisit&& AVisit) const {
    VisibleRegion().ForEachRectIn(ASurfaceRect, AVisit);
  }

 private:
  void UpdateVisibleRegion() const;
  void Retain(const TState& AState);
  void Release(const TState& AState);

  TGdiObjectType FKind;
  TState FState;
  std::vector<TState> FSaved;
  TPoint FDeviceOrigin;
  std::optional<TRegion> FSystemClip;
  mutable TRegion FVisible;
  mutable bool FVisibleIsStale = true;
};

using HDC = TDeviceContext*;

// Object handling -----------------------------------------------------------------

// A memory device context with the default state; ADC is not used (every memory
// device context draws like the screen: 32-bit pixels).
HDC CreateCompatibleDC(HDC ADC);
// Frees a device context; the objects selected into it are let go, not freed.
bool DeleteDC(HDC ADC);
// Selects a bitmap, pen, brush or font and returns the one it replaces (nullptr on
// failure: a bitmap selected elsewhere, a null or unknown object). A region is taken
// as SelectClipRgn and answers the region kind cast to HGDIOBJ.
HGDIOBJ SelectObject(HDC ADC, HGDIOBJ AObject);
// The selected object of type OBJ_BITMAP, OBJ_PEN, OBJ_BRUSH or OBJ_FONT.
HGDIOBJ GetCurrentObject(HDC ADC, unsigned AType);
// Frees a bitmap, pen, brush, font or region. A stock object is left alone; an object
// still selected into a device context is freed when it is let go. False for null and
// for device contexts (use DeleteDC).
bool DeleteObject(HGDIOBJ AObject);
// Makes AObject a stock object that DeleteObject never frees (the text unit's stock
// fonts use this).
void MarkStockObject(HGDIOBJ AObject);
// The object's OBJ_* type; 0 for null.
unsigned GetObjectType(HGDIOBJ AObject);
// Describes a bitmap (BITMAP, or DIBSECTION for a DIB section), pen (LOGPEN) or brush
// (LOGBRUSH) into ABuffer and returns the bytes written; with a null ABuffer returns
// the size of the description. 0 when ASize is too small or the object is of another
// kind.
int GetObject(HGDIOBJ AObject, int ASize, void* ABuffer);

// State ---------------------------------------------------------------------------------

// Returns the number of the saved state (1 for the first), 0 on failure.
int SaveDC(HDC ADC);
bool RestoreDC(HDC ADC, int ASavedDC);

bool SetViewportOrgEx(HDC ADC, int AX, int AY, POINT* AOldOrigin);
bool GetViewportOrgEx(HDC ADC, POINT* AOrigin);
bool SetWindowOrgEx(HDC ADC, int AX, int AY, POINT* AOldOrigin);
bool GetWindowOrgEx(HDC ADC, POINT* AOrigin);

// Each setter returns the previous value (CLR_INVALID or 0 for a null device context).
COLORREF SetTextColor(HDC ADC, COLORREF AColor);
COLORREF GetTextColor(HDC ADC);
COLORREF SetBkColor(HDC ADC, COLORREF AColor);
COLORREF GetBkColor(HDC ADC);
int SetBkMode(HDC ADC, int AMode);
int GetBkMode(HDC ADC);
int SetROP2(HDC ADC, int AMode);
int GetROP2(HDC ADC);
int SetStretchBltMode(HDC ADC, int AMode);
int GetStretchBltMode(HDC ADC);

// Clipping ----------------------------------------------------------------------------
// Each returns the kind of the new clip region (NULLREGION, SIMPLEREGION,
// COMPLEXREGION) or ERROR.

// Copies ARegion (device coordinates) as the clip region; nullptr removes the clip.
int SelectClipRgn(HDC ADC, HRGN ARegion);
// Cuts the clip region down to the rectangle (logical coordinates).
int IntersectClipRect(HDC ADC, int ALeft, int ATop, int ARight, int ABottom);
// Removes the rectangle (logical coordinates) from the clip region.
int ExcludeClipRect(HDC ADC, int ALeft, int ATop, int ARight, int ABottom);
// The smallest rectangle around the visible area, in logical coordinates.
int GetClipBox(HDC ADC, RECT* ARect);
// Copies the clip region (device coordinates) into ARegion: 1 when there is one, 0 when
// there is none (ARegion unchanged), -1 on error.
int GetClipRgn(HDC ADC, HRGN ARegion);
// True when any pixel of the rectangle (logical coordinates) is visible.
bool RectVisible(HDC ADC, const RECT* ARect);

// Drawing contracts for the text unit ------------------------------------------------

// Blends an 8-bit coverage mask (AWidth × AHeight, rows AStride bytes apart, 255 = the
// colour, 0 = untouched) with its top-left pixel at logical (AX, AY), honouring origin
// and clip, and also AClip (logical coordinates, as ETO_CLIPPED asks) when given. Each touched pixel becomes
// colour × c / 255 + pixel × (255 − c) / 255 per channel, each product rounded to
// nearest; on a 32-bit bitmap its alpha becomes 0.
void BlendCoverage(HDC ADC, int AX, int AY, const uint8_t* ACoverage, int AWidth, int AHeight, int AStride,
                   COLORREF AColor, const TRect* AClip = nullptr);
// Fills the rectangle (logical coordinates) with AColor, honouring origin and clip; on a
// 32-bit bitmap the alpha becomes 0. The mix mode is not applied (as for FillRect), and
// an empty or inverted rectangle fills nothing.
void FillSolidRect(HDC ADC, const RECT& ARect, COLORREF AColor);
