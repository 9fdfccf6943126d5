#pragma once
// The skin library's 32-bit bitmap, TspBitmap, which every skinned control paints into
// before one blit to its window, with what it is built on:
// - the pixel kernels: the row loops of every fill, copy, blend and keyed copy;
// - the bitmap: a top-down 32-bit DIB section with its device context and canvas, its
//   stream format, and the alpha and key checks;
// - drawing and tiling onto device contexts, canvases and other bitmaps;
// - colour operations, flips and reflections, and TspBitmapLink, a named part of a
//   bitmap;
// - the system's version, monitor areas and the optional system functions bound at
//   start-up;
// - the 24-bit effect bitmap with its morph transitions and still effects;
// - soft images: the stack blur, alpha helpers, glow silhouettes and text effects;
// - the layered glow window and its fading manager.
// Implementation: spEffBmp_Kernels.cpp, spEffBmp_Bitmap.cpp, spEffBmp_Assign.cpp,
// spEffBmp_Stream.cpp, spEffBmp_Routes.cpp, spEffBmp_Draw.cpp, spEffBmp_Colors.cpp,
// spEffBmp_Link.cpp, spEffBmp_System.cpp; the later parts name their own files.
//
// Pixels. A pixel is a TspColor 0xAARRGGBB, in memory the bytes blue, green, red, alpha,
// colour not premultiplied by alpha. Rows run top to bottom, Width pixels each with no
// padding: pixel (x, y) is Bits()[x + y × Width]. Pixels whose low 24 bits are
// 0x7F007F are the transparency key: keyed drawing skips them.
//
// Failures. Only allocation fails: SetSize raises EOutOfMemory with a fixed text, and
// reading a damaged stream raises EReadError. Every drawing and pixel routine does what
// it can with what it is given and never raises.
//
// Threads. User-interface thread only; the kernel and route tables are filled before
// main and only read afterwards.

#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "platform/base/Persistent.h"
#include "platform/base/Streams.h"
#include "platform/base/Strings.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/Graphics.h"
#include "platform/gdi/Regions.h"
#include "platform/ui/Timer.h"
#include "platform/ui/WinControl.h"
#include "platform/win/LayeredWindows.h"
#include "platform/win/Monitors.h"
#include "platform/win/WindowTypes.h"

using TspColor = uint32_t;
using PspColorArray = TspColor*;
// Scratch rows of the scaled drawing routes.
using TArrayOfseColor = std::vector<TspColor>;

// The transparency key (red 127, green 0, blue 127) and the mask of its 24 bits.
constexpr TspColor spTransparentKey = 0x007F007F;
constexpr TspColor spColorMask = 0x00FFFFFF;

// A class-library colour (system colours resolved) as an opaque pixel, or with AAlpha.
TspColor ColorToPixel(TColor AColor);
TspColor ColorAlphaToPixel(TColor AColor, uint8_t AAlpha);

// ---------------------------------------------------------------- pixel kernels

// The row kernels. A count of 0 or less, or an inclusive rectangle whose last column
// or row lies before its first, does nothing. Blending weighs the source colour by its
// alpha a: a = 255 copies the source, a = 0 keeps the destination, anything between
// gives each colour channel (S × a + D × (255 − a)) >> 8 and alpha 255.
struct TPixelKernels {
  TspColor (*BlendPixel)(TspColor ASource, TspColor ADest);
  void (*BlendRow)(const TspColor* ASource, TspColor* ADest, int ACount);
  // Writes every source pixel that is not the key, with alpha 255.
  void (*CopyRowTransparent)(const TspColor* ASource, TspColor* ADest, int ACount);
  void (*MoveRow)(const TspColor* ASource, TspColor* ADest, int ACount);
  void (*FillRow)(TspColor* ADest, int ACount, TspColor AValue);
  void (*FillRectPixels)(TspColor* APixels, int ARowLength, TspColor AValue, int ALeft, int ATop,
                         int ALastColumn, int ALastRow);
  void (*SetRowAlpha)(TspColor* ADest, int ACount, uint8_t AAlpha);
  void (*SetRectAlpha)(TspColor* APixels, int ARowLength, uint8_t AAlpha, int ALeft, int ATop,
                       int ALastColumn, int ALastRow);
};

// Whether the processor passed the vector-unit test (identification instruction present,
// family 5 or above, MMX flag set), taken once before main. Both answers choose the
// same kernels: the vector arithmetic once chosen here blended alpha into semi-
// transparent pixels that later showed through layered windows, so there is one exact
// set, vectorised with SSE2 where the processor has it, giving the same results
// everywhere.
extern const bool HasMMX;
// The test itself, on what the identification instruction reported.
bool IsVectorUnitUsable(bool AHasIdentification, uint32_t ASignature, uint32_t AFeatures);

extern const TPixelKernels PixelKernels;

// ---------------------------------------------------------------- the bitmap

class TspBitmapLink;
class TspBitmap;

// The bitmap that owns the device context ADC, or nullptr: drawing onto a bitmap's own
// DC or Canvas goes straight into its pixels.
TspBitmap* FindBitmapByDC(HDC ADC);

class TspBitmap : public TPersistent {
 public:
  TspBitmap();
  ~TspBitmap() override;
  TspBitmap(const TspBitmap&) = delete;
  TspBitmap& operator=(const TspBitmap&) = delete;

  // Sizes are taken as absolute values. A width or height of 0, or the current size,
  // changes nothing; any other size gives new pixels, all 0. Raises EOutOfMemory ("Can't
  // allocate the DIB handle", "Can't create compatible DC", "Can't bslect an object into
  // DC") and leaves the bitmap empty when the pixels cannot be had. The flags stay.
  void SetSize(int AWidth, int AHeight);
  bool Empty() const { return FHandle == nullptr; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  HBITMAP Handle() const { return FHandle; }
  // The memory device context with the section selected; nullptr while empty.
  HDC DC() const { return FDC; }
  // A canvas on DC, made at first use and kept on the new DC after SetSize.
  TCanvas& Canvas();
  PspColorArray Bits() const { return FBits; }

  // Drawn with the blending routes (the pixels carry partial alpha).
  bool AlphaBlend = false;
  // Drawn with key pixels left out.
  bool Transparent = false;
  // A stored flag of the skin files; the bitmap itself does not read it.
  bool NewFormat = false;
  String Name;

  // Pixel access. The pointers are not checked; GetPixel answers 0 and SetPixel does
  // nothing outside the bitmap.
  TspColor* GetScanLinePtr(int AY) const { return FBits + ptrdiff_t(AY) * FWidth; }
  TspColor* GetPixelPtr(int AX, int AY) const { return FBits + AX + ptrdiff_t(AY) * FWidth; }
  TspColor GetPixel(int AX, int AY) const;
  void SetPixel(int AX, int AY, TspColor AValue);

  // Every pixel becomes the raw value AColor.
  void Clear(TspColor AColor);
  void SetAlpha(uint8_t AAlpha);
  // Inside ARect cut to the bitmap; nothing for a rectangle of no width or height.
  void SetAlpha(uint8_t AAlpha, const TRect& ARect);
  // Lowers every colour channel above its pixel's alpha to the alpha.
  void CheckRGBA();
  // Premultiplies: each colour channel c becomes Round(alpha × c / 255), for layered
  // windows.
  void CheckRGBA2();
  // AlphaBlend := whether any pixel (inside ARect cut to the bitmap) has an alpha other
  // than 0 and 255.
  void CheckingAlphaBlend();
  void CheckingAlphaBlend(const TRect& ARect);
  // Transparent := whether any pixel (inside ARect) lies within 5 of AColor in each of
  // red, green and blue; those pixels become the key with alpha 0.
  void CheckingTransparent(TspColor AColor);
  void CheckingTransparent(TspColor AColor, const TRect& ARect);

  // From a TspBitmap a full copy with name and flags; from a 32-bit class-library
  // bitmap its pixels with their alpha; from any other bitmap, graphic or picture its
  // image, opaque. Other sources raise EConvertError.
  void Assign(const TPersistent& ASource) override;

  // The stream format, integers 32-bit little-endian: name length N, N bytes of name,
  // width, height (written positive; negative on reading: rows bottom to top), then
  // width × height pixels in memory order. Loading resizes; a stored size that does not
  // match the resized bitmap leaves its pixels unread. Sizes are checked against the
  // bytes the stream holds before anything is allocated: EReadError otherwise.
  void LoadFromStream(TStream& AStream);
  void SaveToStream(TStream& AStream) const;

  // Drawing. The mode comes from this bitmap: blending when AlphaBlend, else keyed when
  // Transparent, else a plain copy. Each target takes four forms: at (AX, AY) whole or
  // ASrcRect of it unscaled, or whole or ASrcRect scaled into ADstRect (nearest
  // neighbour). A source rectangle that leaves this bitmap draws nothing.
  void Draw(HDC ADC, int AX, int AY) const;
  void Draw(HDC ADC, int AX, int AY, const TRect& ASrcRect) const;
  void Draw(HDC ADC, const TRect& ADstRect) const;
  void Draw(HDC ADC, const TRect& ADstRect, const TRect& ASrcRect) const;
  void Draw(TCanvas& ACanvas, int AX, int AY) const;
  void Draw(TCanvas& ACanvas, int AX, int AY, const TRect& ASrcRect) const;
  void Draw(TCanvas& ACanvas, const TRect& ADstRect) const;
  void Draw(TCanvas& ACanvas, const TRect& ADstRect, const TRect& ASrcRect) const;
  void Draw(TspBitmap& ABitmap, int AX, int AY) const;
  void Draw(TspBitmap& ABitmap, int AX, int AY, const TRect& ASrcRect) const;
  void Draw(TspBitmap& ABitmap, const TRect& ADstRect) const;
  void Draw(TspBitmap& ABitmap, const TRect& ADstRect, const TRect& ASrcRect) const;

  // Fills ADstRect with copies of ASrcRect laid from its top-left corner, the last
  // row and column cut.
  void Tile(HDC ADC, const TRect& ADstRect, const TRect& ASrcRect) const;
  void Tile(TCanvas& ACanvas, const TRect& ADstRect, const TRect& ASrcRect) const;
  void Tile(TspBitmap& ABitmap, const TRect& ADstRect, const TRect& ASrcRect) const;
  // As Tile, but with a non-empty ADstClip only the tiles meeting it are drawn, whole.
  void TileClip(HDC ADC, const TRect& ADstRect, const TRect& ADstClip, const TRect& ASrcRect) const;
  void TileClip(TCanvas& ACanvas, const TRect& ADstRect, const TRect& ADstClip, const TRect& ASrcRect) const;
  void TileClip(TspBitmap& ABitmap, const TRect& ADstRect, const TRect& ADstClip,
                const TRect& ASrcRect) const;

  // Lays this bitmap over ABitmap's image: pixel (x, y) of ASrcRect of ABitmap meets this
  // bitmap's pixel (AX + x − left, AY + y − top); a transparent pixel here takes the
  // other's, an opaque one stays, a partial one is blended over it.
  void MergeDraw(const TspBitmap& ABitmap, int AX, int AY, const TRect& ASrcRect);
  // Paints AGraphic stretched into ADstRect, keeping the pixels it leaves uncovered.
  void DrawGraphic(TGraphic& AGraphic, const TRect& ADstRect);
  // Fills R cut to the bitmap with AColor, blended by its alpha when AlphaBlend is set.
  void FillRect(const TRect& R, TspColor AColor);

  // Colour operations on the pixels whose alpha is not 0, alpha kept: brightness adds
  // to red, green and blue; hue and saturation work in the HSL model, on the scale
  // 0..255 (hue wraps around, saturation stops at the ends).
  void ChangeBitmapBrightness(int ADeltaBrightness);
  void SetBitmapHue(int AHue);
  void ChangeBitmapSat(int ADeltaSat);
  void ChangeBitmapHue(int ADeltaHue);
  // Swaps the rows top to bottom.
  void FlipVert();
  // Flips, then fades the alpha from the top row down to 0 at the middle row, divided
  // by 3 (Reflection), 4 (Reflection2) or 2 (Reflection3).
  void Reflection();
  void Reflection2();
  void Reflection3();

  // New links into this bitmap named after it; the caller owns them. The text form
  // reads four integers separated by commas (and optional spaces after them); any other
  // text gives the rectangle (0, 0, 0, 0).
  std::unique_ptr<TspBitmapLink> GetBitmapLink(const TRect& ARect);
  std::unique_ptr<TspBitmapLink> GetBitmapLink(const String& ARect);

 protected:
  // To a class-library TPicture or TBitmap: a 32-bit copy of this bitmap drawn at
  // (0, 0) with its mode.
  void AssignTo(TPersistent& ADest) const override;

 private:
  void ReleaseHandles();
  void Reflect(int ADivisor);
  template <typename TChange>
  void ChangeVisiblePixels(TChange&& AChange);

  PspColorArray FBits = nullptr;
  int FWidth = 0;
  int FHeight = 0;
  HBITMAP FHandle = nullptr;
  HDC FDC = nullptr;
  std::unique_ptr<TCanvas> FCanvas;
};

// ---------------------------------------------------------------- drawing routes

// A 32-bit bitmap section selected into a device context, as GetDCBits finds it.
struct TDCBits {
  TspColor* Bits = nullptr;  // the first pixel in memory; nullptr: no section
  int Width = 0;
  int Height = 0;  // positive when the rows lie bottom to top in memory
  int BitsPerPixel = 0;
};

// The routines behind Draw and Tile, one per target and mode, filled once: the keyed
// route to a device context uses the system's keyed transfer when it was bound (see
// BindSystemFunctions) and the screen is true-colour, else it composes in memory.
// Routes into bitmaps and sections take the destination rectangle, a clip and the
// source rectangle; a scaled source column or row is found by truncation into a
// TspBitmap and by rounding to nearest (halves to even) into a section.
struct TDrawRoutes {
  using TToDC = void (*)(const TspBitmap& ASource, HDC ADC, const TRect& ADstRect, const TRect& ASrcRect);
  using TToDIB = void (*)(const TspBitmap& ASource, const TDCBits& ATarget, const TRect& ADstRect,
                          const TRect& AClip, const TRect& ASrcRect);
  using TToBitmap = void (*)(const TspBitmap& ASource, TspBitmap& ATarget, const TRect& ADstRect,
                             const TRect& AClip, const TRect& ASrcRect);
  TToDC StretchToDC;
  TToDC AlphaToDC;
  TToDC TransparentToDC;
  TToDIB DrawToDIB;
  TToDIB AlphaToDIB;
  TToDIB TransparentToDIB;
  TToBitmap StretchToBitmap;
  TToBitmap StretchAlphaToBitmap;
  TToBitmap StretchTransparentToBitmap;
  TDCBits (*GetDCBits)(HDC ADC);
};

const TDrawRoutes& DrawRoutes();

// ---------------------------------------------------------------- bitmap links

// A named rectangle of a TspBitmap (not owned) that can test its margins for
// transparency and draw itself.
class TspBitmapLink : public TPersistent {
 public:
  TspBitmap* Image = nullptr;
  TRect Rect;
  String Name;
  bool Masked = false;
  bool MaskedBorder = false;
  bool MaskedAngles = false;

  // An image and a rectangle of some area.
  bool Assigned() const {
    return Image && (int64_t(Rect.Right) - Rect.Left) * (int64_t(Rect.Bottom) - Rect.Top) > 0;
  }
  int Left() const { return Rect.Left; }
  int Top() const { return Rect.Top; }
  int Right() const { return Rect.Right; }
  int Bottom() const { return Rect.Bottom; }
  void SetLeft(int AValue) { Rect.Left = AValue; }
  void SetTop(int AValue) { Rect.Top = AValue; }
  void SetRight(int AValue) { Rect.Right = AValue; }
  void SetBottom(int AValue) { Rect.Bottom = AValue; }

  void Assign(const TPersistent& ASource) override;
  // The name as in the bitmap stream format, then left, top, right and bottom.
  void SaveToStream(TStream& AStream) const;
  void LoadFromStream(TStream& AStream);

  // A pixel of the link is masked when it is not 0x33333333 and is the key or not
  // opaque; pixels outside the image are masked. Without margins: Masked := any pixel
  // is. With margins (left, top, right, bottom in ARect's fields): a masked pixel in a
  // corner sets MaskedAngles, in an edge strip between corners MaskedBorder, in the
  // centre Masked.
  void CheckingMasked();
  void CheckingMasked(const TRect& AMargin);

  // Draws the linked part at (AX, AY) when the image has pixels and the rectangle an
  // area.
  void Draw(TCanvas& ACanvas, int AX, int AY) const;
  void Draw(TspBitmap& ABitmap, int AX, int AY) const;

 private:
  bool CanDraw() const;
};

// ---------------------------------------------------------------- system

// The optional system functions, bound by name from the running window system; an
// entry the system does not offer stays empty and its users do without it.
using TTransparentBltEntry = bool (*)(HDC ADest, int AX, int AY, int AWidth, int AHeight, HDC ASource,
                                      int AXSrc, int AYSrc, int AWidthSrc, int AHeightSrc, COLORREF AKey);
using TAlphaBlendEntry = bool (*)(HDC ADest, int AX, int AY, int AWidth, int AHeight, HDC ASource, int AXSrc,
                                  int AYSrc, int AWidthSrc, int AHeightSrc, BLENDFUNCTION ABlend);
struct TSystemFunctions {
  TTransparentBltEntry TransparentBlt = nullptr;
  TAlphaBlendEntry AlphaBlend = nullptr;
  HMONITOR (*MonitorFromWindow)(HWND AWindow, DWORD AFlags) = nullptr;
  bool (*GetMonitorInfo)(HMONITOR AMonitor, MONITORINFO* AInfo) = nullptr;
  bool (*SetLayeredWindowAttributes)(HWND AWindow, COLORREF AKey, BYTE AAlpha, DWORD AFlags) = nullptr;
  bool (*UpdateLayeredWindow)(HWND AWindow, HDC AScreenDC, const POINT* ADestPoint, const SIZE* ASize,
                              HDC ASource, const POINT* ASourcePoint, COLORREF AKey,
                              const BLENDFUNCTION* ABlend, DWORD AFlags) = nullptr;
  // The blitter library offered its functions.
  bool IsAlphaBlendAvailable = false;
  bool IsNTFamily = false;
};

// Binds the entries (again) from the window system's backend and chooses the keyed
// route to device contexts. It runs by itself at the first use of the entries; the
// program's start-up and tests that switch a backend capability call it.
void BindSystemFunctions();
const TSystemFunctions& SystemFunctions();

// The system version (one fixed profile, see platform/win/SystemFunctions.h) and the
// tests on it; each test also takes a version of the caller's.
struct TWindowsVersion {
  int Major = 0;
  int Minor = 0;
};
TWindowsVersion GetWindowsVersion();
bool IsWindows2000OrLater(TWindowsVersion AVersion = GetWindowsVersion());
bool IsWindowsXPOrLater(TWindowsVersion AVersion = GetWindowsVersion());
bool IsWindowsVistaOrLater(TWindowsVersion AVersion = GetWindowsVersion());
bool IsWindows7(TWindowsVersion AVersion = GetWindowsVersion());

// The window's constant opacity; nothing when layered windows are not offered.
void SetLayeredAlpha(HWND AWindow, uint8_t AAlpha);
// Copies the screen at (AX, AY), of the bitmap's size, into the bitmap.
void GrabScreenToBitmap(int AX, int AY, TspBitmap& ABitmap);
// More than one monitor, and the monitor functions are offered.
bool HasMultipleMonitors();
// With AWorkArea the primary work area, else (0, 0, screen width, screen height).
void GetScreenArea(bool AWorkArea, TRect& ARect);
// The work area or whole rectangle of the monitor nearest the window; with one monitor
// (or without the monitor functions) GetScreenArea. A failing monitor query leaves
// ARect as it was.
void GetMonitorArea(HWND AWindow, bool AWorkArea, TRect& ARect);

// ---------------------------------------------------------------- effect bitmaps

// A 24-bit top-down section for transitions and still effects: two states of a control
// are copied into two effect bitmaps, the first morphs towards the second by a factor
// that an animation timer advances, and the result is drawn.
//
// Pixels are 3 bytes, blue, green, red; a row is 3 × Width bytes padded to a multiple
// of 4. As an integer a pixel is 0x00RRGGBB. Channel results are rounded to nearest
// (halves to even) and clamped to 0..255.
//
// Every rectangle an operation is given is cut to both bitmaps it touches; morphs
// between bitmaps of different sizes do nothing. A bitmap of no width or height has no
// pixels and every operation on it does nothing.
// Implementation: spEffBmp_EffectBmp.cpp (sections, drawing, Resize, CopyRect),
// spEffBmp_Morph.cpp, spEffBmp_Effects.cpp (colour, noise, mosaic, turns, wave, mask
// fill), spEffBmp_EffectBlurs.cpp (the neighbour blurs).
using TEffectRandom = std::mt19937;

class TspEffectBmp {
 public:
  // A section of ACx × ACy pixels, all 0; sizes below 1 give an empty bitmap. Raises
  // EOutOfMemory "Can't allocate the DIB handle" when the pixels cannot be had.
  TspEffectBmp(int ACx, int ACy);
  // The pixels of a bitmap, converted to 24 bits.
  explicit TspEffectBmp(HBITMAP ABitmap);
  // A copy of the headers and every pixel.
  TspEffectBmp(const TspEffectBmp& ASource);
  TspEffectBmp& operator=(const TspEffectBmp&) = delete;
  ~TspEffectBmp();

  HBITMAP Handle() const { return FHandle; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Bytes of pixel data: stride × Height.
  int Size() const { return FStride * FHeight; }
  int Stride() const { return FStride; }
  uint8_t* Bits() const { return FBits; }

  // Row and pixel access, unchecked: AY and AX must lie inside the bitmap.
  uint8_t* GetScanLinePtr(int AY) const { return FBits + ptrdiff_t(AY) * FStride; }
  void GetScanLine(int AY, uint8_t* ALine) const;
  void SetScanLine(int AY, const uint8_t* ALine);
  uint32_t GetPixel(int AX, int AY) const;
  void SetPixel(int AX, int AY, uint32_t AColor);

  // The whole bitmap at (AX, AY); scaled into (AX, AY, ACx, ACy); the ACx × ACy block at
  // (AX, AY) of the bitmap unscaled at (AHx, AHy).
  void Draw(HDC ADC, int AX, int AY) const;
  void Stretch(HDC ADC, int AX, int AY, int ACx, int ACy) const;
  void DrawRect(HDC ADC, int AHx, int AHy, int AX, int AY, int ACx, int ACy) const;

  // Enlarges this bitmap into ADst by pixel replication: with kx = (ADst width − 1) /
  // Width and ky alike, pixel (x, y) fills the Round(kx) + 1 by Round(ky) + 1 block at
  // (Round(kx × x), Round(ky × y)).
  void Resize(TspEffectBmp& ADst) const;
  // Copies ABmp's pixels from (AStartX, AStartY) into the inclusive block ARect.Left..
  // ARect.Right by ARect.Top..ARect.Bottom of this bitmap.
  void CopyRect(const TspEffectBmp& ABmp, const TRect& ARect, int AStartX, int AStartY);

  // Morphs towards ABmp: Kf 0 keeps this picture, 1 gives ABmp's; Kf is clamped to 0..1
  // (not a number: 0).
  void Morph(const TspEffectBmp& ABmp, double AKf);
  // Morph of the block ARect (right and bottom exclusive) with ABmp's block at
  // (AStartX, AStartY).
  void MorphRect(const TspEffectBmp& ABmp, double AKf, const TRect& ARect, int AStartX, int AStartY);
  // MorphVGrad for a bitmap higher than wide, else MorphHGrad.
  void MorphGrad(const TspEffectBmp& ABmp, double AKf);
  // A band of ABmp that opens sideways (HGrad) or up and down (VGrad) from the middle,
  // fading into this picture on both sides.
  void MorphHGrad(const TspEffectBmp& ABmp, double AKf);
  void MorphVGrad(const TspEffectBmp& ABmp, double AKf);
  // ABmp fading in from the left or the right edge.
  void MorphLeftGrad(const TspEffectBmp& ABmp, double AKf);
  void MorphRightGrad(const TspEffectBmp& ABmp, double AKf);
  // ABmp pushing this picture out to the right.
  void MorphPush(const TspEffectBmp& ABmp, double AKf);
  // ABmp's right part sliding in over the left (LeftSlide), its left part over the
  // right (RightSlide).
  void MorphLeftSlide(const TspEffectBmp& ABmp, double AKf);
  void MorphRightSlide(const TspEffectBmp& ABmp, double AKf);

  // Still effects, in place. Brightness mixes towards white and darkness towards black
  // by Kf (clamped to 0..1); GrayScale takes 0.3 red + 0.59 green + 0.11 blue.
  void ChangeBrightness(double AKf);
  void ChangeDarkness(double AKf);
  void Invert();
  void GrayScale();
  // Every pixel, row by row from the top, becomes the average of the four pixels
  // AAmount away diagonally (a neighbour past an edge is taken from inside the bitmap);
  // rows already done serve as neighbours. Nothing for an amount of 0 or less.
  void SplitBlur(int AAmount);
  // Blocks of ASize × ASize take the colour of their top-left pixel; nothing for a size
  // of 1 or less.
  void Mosaic(int ASize);
  // Adds random(AAmount) − AAmount div 2 to the channels of each pixel: one value for
  // all three (Mono) or one per channel, red, green, blue (Color). Nothing for an
  // amount of 0 or less. The forms without a generator draw from one kept for the
  // process.
  void AddMonoNoise(int AAmount, TEffectRandom& ARandom);
  void AddMonoNoise(int AAmount);
  void AddColorNoise(int AAmount, TEffectRandom& ARandom);
  void AddColorNoise(int AAmount);
  // Copies into ADst (of Height × Width for the rotations, Width × Height for the flip;
  // positions outside ADst are left out): Rotate90_1 turns a quarter to the left
  // ((x, y) to (y, Width − 1 − x)), Rotate90_2 a quarter to the right ((x, y) to
  // (Height − 1 − y, x)), FlipVert upside down.
  void Rotate90_1(TspEffectBmp& ADst) const;
  void Rotate90_2(TspEffectBmp& ADst) const;
  void FlipVert(TspEffectBmp& ADst) const;
  // Pixel (x, y) takes the pixel at (x + ARatio × sin(y / AYDiv), y + ARatio ×
  // sin(x / AXDiv)), rounded and kept inside; nothing when a divisor is 0.
  void Wave(int AXDiv, int AYDiv, int ARatio);

  // Mask effects. A mask pixel is white when red, green and blue are all 255; they do
  // nothing unless AMask is as wide as this bitmap and at least as high. MaskBlur
  // blurs as SplitBlur the pixels whose mask pixel is not white; MaskAntialiasing those
  // of them with a white mask pixel at a neighbour position; MaskFillColor mixes them
  // towards AColor by AKf (not clamped).
  void MaskBlur(const TspEffectBmp& AMask, int AAmount);
  void MaskAntialiasing(const TspEffectBmp& AMask, int AAmount);
  void MaskFillColor(const TspEffectBmp& AMask, TColor AColor, double AKf);

 private:
  void Allocate(int ACx, int ACy);
  bool SameSize(const TspEffectBmp& ABmp) const { return ABmp.FWidth == FWidth && ABmp.FHeight == FHeight; }
  // The four-neighbour blur shared by SplitBlur and the mask effects: AShouldBlur(x, y)
  // chooses the pixels.
  template <typename TChoose>
  void BlurNeighbours(int AAmount, TChoose&& AShouldBlur);
  bool MaskFits(const TspEffectBmp& AMask) const;

  HBITMAP FHandle = nullptr;
  int FWidth = 0;
  int FHeight = 0;
  int FStride = 0;
  uint8_t* FBits = nullptr;
  BITMAPINFO FBmpInfo;
};

// The transitions a skin names for a morph (declared with the skin data).
enum TMorphKind : uint8_t;

// AFrom's picture morphed towards ATo's by AKf with the transition AKind (Default or an
// unknown kind: the plain Morph), the result drawn back into AFrom. Pictures of
// different sizes leave AFrom as it was.
void MorphBitmapByKind(TBitmap& AFrom, TBitmap& ATo, double AKf, TMorphKind AKind);

// ---------------------------------------------------------------- soft images

class TCustomImageList;

// Work bitmaps here start all zero; text is drawn into them in pure red, so that the
// red channel measures how much text covers a pixel, and colouring turns it into
// alpha. A work bitmap that cannot be had raises EOutOfMemory as SetSize does.
// Implementation: spEffBmp_SoftImages.cpp (blur, alpha helpers, layered windows,
// composition), spEffBmp_GlowMasks.cpp, spEffBmp_TextEffects.cpp.

// The largest blur radius: larger ones are taken as this one, which keeps the blur's
// division table at 256 × 33² entries.
constexpr int spMaxBlurRadius = 32;

// The stack blur of red, green and blue with radius ARadius (nothing for 0 or less),
// in time independent of the radius; every pixel becomes opaque.
void BlurBitmap(TspBitmap& ABitmap, int ARadius);
// Every pixel := AColor (low 24 bits) with the pixel's red channel as alpha; then
// AlphaBlend is set.
void ColorCoverageBitmap(TspBitmap& ABitmap, TColor AColor);
// Alpha of each target pixel := Trunc((red + green + blue) / 3) of the mask pixel at
// the same place, where both have one. SetAlphaFromGray2 then premultiplies
// (CheckRGBA2) for layered windows.
void SetAlphaFromGray(TspBitmap& ATarget, const TspBitmap& AMask);
void SetAlphaFromGray2(TspBitmap& ATarget, const TspBitmap& AMask);
// ATarget := AImage with alpha from AMask's grey, premultiplied for a layered window.
void ComposeImageWithMask(const TGraphic& AImage, const TGraphic& AMask, TspBitmap& ATarget);
// ATarget := the picture with its alpha (opaque without one); then CheckingAlphaBlend.
void PngImageToBitmap(TspBitmap& ATarget, const TPngImage& APicture);
// Each channel c of the resolved colour becomes c − MulDiv(c, APercent, 100).
TColor DarkenColor(TColor AColor, int APercent);
// Gives the control's layered window the bitmap (premultiplied) at the control's Left
// and Top with the constant alpha AAlpha; nothing when layered windows are not offered.
void UpdateLayeredWindowBitmap(const TspBitmap& ABitmap, uint8_t AAlpha, TWinControl& AControl);

// Glow silhouettes: the caller blurs and colours the target afterwards. A picture's
// pixels that differ from its top-left pixel (a PNG picture's pixels with alpha) become
// opaque red in ATarget at AOffset; an image list's image (a PNG list's picture), an
// empty picture draws nothing.
void DrawImageListGlowMask(TspBitmap& ATarget, TCustomImageList& AList, int AIndex, int AOffset);
void DrawBitmapGlowMask(TspBitmap& ATarget, const TGraphic& APicture, int AOffset);
void DrawPngGlowMask(TspBitmap& ATarget, const TPngImage& APicture, int AOffset);

// Text effects, with the canvas's font and the system's text flags AFormat; the text
// itself is drawn last, with a clear brush, into ARect. Shadow: the text blurred by
// ARadius in AShadowColor, AOffset down and right. Glow: the text and its four one-
// pixel shifts blurred by ARadius in AGlowColor, moved by AOffset. Wide glow: the text
// on a glowing plate (margin 12; margin 10 for the second form). Reflection: a mirror
// image in AReflectionColor below the text, AOffset further down, fading from 0.7 to
// 0.05 (the wide form fades to 0).
void DrawShadowText(TCanvas& ACanvas, const TRect& ARect, const String& AText, int ARadius,
                    TColor AShadowColor, int AOffset, unsigned AFormat);
void DrawGlowText(TCanvas& ACanvas, const TRect& ARect, const String& AText, int ARadius, TColor AGlowColor,
                  int AOffset, unsigned AFormat);
void DrawWideGlowText(TCanvas& ACanvas, const TRect& ARect, const String& AText, TColor AGlowColor,
                      unsigned AFormat);
void DrawWideGlowText2(TCanvas& ACanvas, const TRect& ARect, const String& AText, TColor AGlowColor,
                       unsigned AFormat);
void DrawReflectionText(TCanvas& ACanvas, const TRect& ARect, const String& AText, TColor AReflectionColor,
                        int AOffset, unsigned AFormat);
void DrawWideReflectionText(TCanvas& ACanvas, const TRect& ARect, const String& AText,
                            TColor AReflectionColor, int AOffset, unsigned AFormat);
// The strength of reflection row AY for a text extent of rows ATop to ABottom:
// 0.7 − (ABottom − (AY − ATop)) / (ABottom − ATop), at least AFloor.
double ReflectionFactor(int AY, int ATop, int ABottom, double AFloor);

// Desktop composition: this window system has none, so IsCompositionEnabled answers
// false and the switches of window transitions and blur-behind do nothing.
bool IsCompositionEnabled();
void EnableWindowTransitions(HWND AWindow, bool AEnable);
void EnableBlurBehind(HWND AWindow, bool AEnable, HRGN ARegion);

// ---------------------------------------------------------------- glow windows

// The glow around a button: a top-level popup that never takes the focus or the mouse
// (a tool window, transparent to the mouse, answering MA_NOACTIVATE), layered by its
// manager. Implementation: spEffBmp_Layer.cpp.
class TspLayerWindow : public TCustomControl {
 public:
  explicit TspLayerWindow(TComponent* AOwner);

 protected:
  void CreateParams(TCreateParams& AParams) override;
  void Dispatch(TMessage& AMessage) override;
};

// Shows a halo picture at a screen position in its own layered window and fades it in
// on a 25 ms timer of the window system: idle (no window), fading (timer on) or shown.
// Where layered windows cannot be shown (no compositor), Show and the fade do nothing.
class TspLayerManager : public TComponent {
 public:
  static constexpr UINT FadeInterval = 25;

  explicit TspLayerManager(TComponent* AOwner);
  ~TspLayerManager() override;

  // Shows AImage with alpha from AImageMask's grey at (AX, AY) (screen) and fades it in
  // from 0 to AAlphaBlendValue (cut to 0..255) by a tenth of it per tick, at least 1: a
  // multiple of 10 takes 10 ticks, any other value 11 at most. A shown glow is hidden
  // first, so a second Show starts again from 0.
  void Show(int AX, int AY, const TGraphic& AImage, const TGraphic& AImageMask, int AAlphaBlendValue);
  // Hides and frees the window and the picture.
  void Hide();
  // Puts a shown window back at its place and in its z-order.
  void Update();
  // The current opacity becomes 0 and the fade runs; StopTimer stops it.
  void StartTimer();
  void StopTimer();

  // Above all windows that are not topmost: owners set it from their form's style.
  bool TopMostMode = true;
  bool IsVisible() const { return FIsVisible; }
  bool IsFading() const { return FTimer->Enabled(); }
  TspLayerWindow* LayerWindow() const { return FLayerWindow.get(); }
  int CurrentAlpha() const { return FBeginAlphaBlendValue; }
  int TargetAlpha() const { return FEndAlphaBlendValue; }

 private:
  void FadeStep();
  void PlaceWindow(UINT AFlags);

  std::unique_ptr<TspLayerWindow> FLayerWindow;
  std::unique_ptr<TspBitmap> FBmp;
  TTimer* FTimer;  // owned as a component
  int FEndAlphaBlendValue = 0;
  int FBeginAlphaBlendValue = 0;
  int FStepAlphaBlendValue = 0;
  bool FIsVisible = false;
};
