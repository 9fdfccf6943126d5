#pragma once
// The class library's graphics classes, over the drawing layer's handles:
// - TFont, TPen, TBrush: descriptions of drawing objects that make their handle (HFONT,
//   HPEN, HBRUSH) when first asked and make a new one after every change;
// - TCanvas: drawing on a device context with a pen, a brush and a font, which it
//   selects into the device context before each drawing call when they changed;
// - TGraphic and its kinds TBitmap (a 24- or 32-bit DIB section with its own canvas),
//   TPngImage, TJPEGImage and TIcon; TPicture holds one graphic of any kind and picks
//   the kind of a file by its first bytes.
// Implementation: GraphicsPenBrush.cpp, GraphicsFont.cpp, GraphicsCanvas.cpp,
// GraphicsBitmap.cpp, GraphicsPixelImage.cpp (PNG, JPEG, icon), GraphicsPicture.cpp
// (TGraphic's common part and TPicture).
//
// Threads. These objects belong to one thread at a time. A worker thread that draws on
// a canvas (a bitmap's, typically) holds its Lock meanwhile, and so does every other
// thread touching that canvas or its bitmap.

#include <functional>
#include <memory>
#include <span>

#include "platform/base/Persistent.h"
#include "platform/base/Set.h"
#include "platform/base/Streams.h"
#include "platform/base/Strings.h"
#include "platform/base/Threads.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DrawingObjects.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/PictureCodecs.h"

class TCanvas;
class TGraphic;

// Frees a drawing-layer object with DeleteObject.
struct TGdiObjectDeleter {
  void operator()(TGdiObject* AObject) const;
};
template <typename T>
using TOwnedGdiObject = std::unique_ptr<T, TGdiObjectDeleter>;

// ---------------------------------------------------------------- fonts, pens, brushes

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

enum TPenStyle { psSolid, psDash, psDot, psClear, psInsideFrame };
// How the pen's colour meets the pixels (the device context's mix mode).
enum TPenMode { pmCopy, pmNot, pmXor, pmNotXor };
enum TBrushStyle { bsSolid, bsClear };

// The common part of TFont, TPen and TBrush: change notification. Each copies from
// its own kind with Assign; other sources raise EConvertError.
class TGraphicsObject : public TPersistent {
 public:
  // Called after every change, with the object as sender.
  std::function<void(TGraphicsObject* Sender)> OnChange;
  // Counts the changes, starting at 1; a canvas compares it to know whether to select
  // the object anew.
  unsigned Version() const { return FVersion; }

 protected:
  void Changed();

 private:
  unsigned FVersion = 1;
};

class TFont : public TGraphicsObject {
 public:
  TFont();

  const String& Name() const { return FName; }
  void SetName(const String& AName);
  // Negative: the character height in pixels; positive: the cell height.
  int Height() const { return FHeight; }
  void SetHeight(int AHeight);
  // Points at 96 pixels per inch: Height = -MulDiv(Size, 96, 72).
  int Size() const;
  void SetSize(int ASize);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles AStyle);
  TColor Color() const { return FColor; }
  void SetColor(TColor AColor);
  uint8_t Charset() const { return FCharset; }
  void SetCharset(uint8_t ACharset);
  // The escapement in tenths of a degree; 900 draws upwards.
  int Orientation() const { return FOrientation; }
  void SetOrientation(int AOrientation);

  // Copies every property of a TFont and reports one change.
  void Assign(const TPersistent& ASource) override;
  // The font handle for the current properties, made when first asked after a change;
  // owned by this object.
  HFONT Handle();

 private:
  void PropertyChanged();

  String FName = DefaultFontName;
  int FHeight = DefaultFontHeight;
  TFontStyles FStyle;
  TColor FColor = clWindowText;
  uint8_t FCharset = DEFAULT_CHARSET;
  int FOrientation = 0;
  TOwnedGdiObject<TFontObject> FHandle;
};

class TPen : public TGraphicsObject {
 public:
  TColor Color() const { return FColor; }
  void SetColor(TColor AColor);
  int Width() const { return FWidth; }
  void SetWidth(int AWidth);
  // psInsideFrame draws as psSolid: figures draw wide outlines inside their bounds.
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle AStyle);
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode AMode);

  void Assign(const TPersistent& ASource) override;
  HPEN Handle();

 private:
  void PropertyChanged();

  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  TPenMode FMode = pmCopy;
  TOwnedGdiObject<TPenObject> FHandle;
};

class TBrush : public TGraphicsObject {
 public:
  TColor Color() const { return FColor; }
  void SetColor(TColor AColor);
  // bsClear fills nothing and draws text without a background.
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle AStyle);

  void Assign(const TPersistent& ASource) override;
  HBRUSH Handle();

 private:
  void PropertyChanged();

  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  TOwnedGdiObject<TBrushObject> FHandle;
};

// ---------------------------------------------------------------- canvas

// Raster operations of CopyRect and of drawing bitmaps.
using TCopyMode = uint32_t;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmDstInvert = DSTINVERT;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmMergePaint = MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmPatInvert = PATINVERT;
constexpr TCopyMode cmPatPaint = PATPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcErase = SRCERASE;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmWhiteness = WHITENESS;

// The formats of TCanvas.TextRect, the DrawText formats by name.
enum TTextFormats {
  tfBottom,
  tfCalcRect,
  tfCenter,
  tfEndEllipsis,
  tfExpandTabs,
  tfLeft,
  tfNoClip,
  tfNoPrefix,
  tfPathEllipsis,
  tfRight,
  tfRtlReading,
  tfSingleLine,
  tfTop,
  tfVerticalCenter,
  tfWordBreak,
};
using TTextFormat = TSet<TTextFormats>;

class TCanvas {
 public:
  TCanvas();
  virtual ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The device context drawn on. A canvas of its own kind (a bitmap's) makes it when
  // first asked; a plain canvas draws on what SetHandle gave it and raises
  // EInvalidGraphic "Canvas does not allow drawing" without one.
  HDC Handle();
  // Draws on ADC from now on (nullptr: nothing); the pen, brush and font are selected
  // into it before the next drawing. The canvas does not own ADC and lets go of it
  // (selects the stock objects back) before moving on, so the owner of a device context
  // calls SetHandle(nullptr) before freeing it.
  void SetHandle(HDC ADC);
  bool HandleAllocated() const { return FHandle != nullptr; }

  TFont& Font() { return FFont; }
  TPen& Pen() { return FPen; }
  TBrush& Brush() { return FBrush; }
  // The raster operation of CopyRect and of Draw/StretchDraw of bitmaps.
  TCopyMode CopyMode = cmSrcCopy;

  // The current position of line drawing.
  TPoint PenPos();
  void SetPenPos(TPoint APoint) { MoveTo(APoint.X, APoint.Y); }
  void MoveTo(int AX, int AY);
  // A line from the pen position to (AX, AY), which is left out and becomes the pen
  // position.
  void LineTo(int AX, int AY);
  void Polyline(std::span<const TPoint> APoints);
  void Polygon(std::span<const TPoint> APoints);
  void Rectangle(int ALeft, int ATop, int ARight, int ABottom);
  void Rectangle(const TRect& ARect) { Rectangle(ARect.Left, ARect.Top, ARect.Right, ARect.Bottom); }
  void Ellipse(int ALeft, int ATop, int ARight, int ABottom);
  void Ellipse(const TRect& ARect) { Ellipse(ARect.Left, ARect.Top, ARect.Right, ARect.Bottom); }
  // With the brush.
  void FillRect(const TRect& ARect);
  void FrameRect(const TRect& ARect);

  // The colour of a pixel; -1 (CLR_INVALID) outside the drawable area.
  TColor Pixels(int AX, int AY);
  void SetPixels(int AX, int AY, TColor AColor);

  // Draws a graphic at its own size with its top-left at (AX, AY), or stretched into
  // ARect; an empty graphic draws nothing.
  void Draw(int AX, int AY, TGraphic& AGraphic);
  void StretchDraw(const TRect& ARect, TGraphic& AGraphic);
  // Copies ASource of ACanvas into ADest of this canvas with CopyMode, stretching when
  // the sizes differ.
  void CopyRect(const TRect& ADest, TCanvas& ACanvas, const TRect& ASource);

  // Text in the font's colour; with a solid brush on the brush colour, with a clear
  // brush on what is there. TextOut moves the pen position to the end of the text.
  void TextOut(int AX, int AY, const String& AText);
  // TextOut at (AX, AY) clipped to ARect (filled with the brush first when it is solid).
  void TextRect(const TRect& ARect, int AX, int AY, const String& AText);
  // DrawText formatting in ARect; with tfCalcRect, only measures: ARect gets the extent.
  void TextRect(TRect& ARect, const String& AText, TTextFormat AFormat);
  TSize TextExtent(const String& AText);
  int TextWidth(const String& AText) { return TextExtent(AText).cx; }
  int TextHeight(const String& AText) { return TextExtent(AText).cy; }

  // A recursive lock for drawing from worker threads; see the top of this file.
  void Lock() { FLock.Enter(); }
  bool TryLock() { return FLock.TryEnter(); }
  void Unlock() { FLock.Leave(); }

  // Selects the stock objects back into the device context, so that the pen, brush and
  // font are selected anew before the next drawing.
  void Refresh();

 protected:
  // Makes the device context of a canvas that owns one; the default makes none.
  virtual void CreateHandle() {}

 private:
  enum TRequiredObject { roPen = 1, roBrush = 2, roFont = 4 };
  // The device context with the objects of ARequired selected, as they are now.
  HDC RequiredState(int ARequired);
  void DeselectObjects();

  HDC FHandle = nullptr;
  TFont FFont;
  TPen FPen;
  TBrush FBrush;
  // The versions of the objects as last selected; 0 = not selected.
  unsigned FSelectedPen = 0;
  unsigned FSelectedBrush = 0;
  unsigned FSelectedFont = 0;
  TCriticalSection FLock;
};

// ---------------------------------------------------------------- graphics

// A picture of some kind that can be drawn on a canvas, loaded and saved.
class TGraphic : public TPersistent {
 public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  bool Empty() const { return Width() <= 0 || Height() <= 0; }
  // Drawn with its transparent parts left out (how, depends on the kind).
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool ATransparent);

  // A file or stream holds one picture; LoadFromStream reads the rest of the stream.
  // Pictures that cannot be read raise EInvalidGraphic.
  void LoadFromFile(const String& AFileName);
  void SaveToFile(const String& AFileName);
  virtual void LoadFromStream(TStream& AStream) = 0;
  virtual void SaveToStream(TStream& AStream) = 0;

  // Takes over the picture of any graphic (converting its kind); the rules of each kind
  // are on its AssignGraphic. Other sources raise EConvertError.
  void Assign(const TPersistent& ASource) override;
  // A new graphic of the same kind with a copy of the picture.
  virtual std::unique_ptr<TGraphic> Clone() const = 0;
  // The picture as pixels with straight alpha: the form in which kinds exchange it.
  virtual TPixelImage ToPixelImage() const = 0;

  // Called after every change of the picture, with the graphic as sender.
  std::function<void(TGraphic* Sender)> OnChange;

 protected:
  friend class TCanvas;
  virtual void AssignGraphic(const TGraphic& ASource) = 0;
  // Draws the picture stretched into ARect of ACanvas.
  virtual void Draw(TCanvas& ACanvas, const TRect& ARect) = 0;
  void Changed();

  bool FTransparent = false;
};

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TBitmapHandleType { bmDIB, bmDDB };
enum TTransparentMode { tmAuto, tmFixed };

// A bitmap of 24 or 32 bits per pixel (pfDevice is 32), a top-down DIB section whose
// rows ScanLine addresses directly and on which Canvas draws.
class TBitmap : public TGraphic {
 public:
  TBitmap();
  ~TBitmap() override;

  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  void SetWidth(int AWidth) { SetSize(AWidth, FHeight); }
  void SetHeight(int AHeight) { SetSize(FWidth, AHeight); }
  // Keeps the pixels the old and new sizes share; new pixels are white with alpha 0.
  // A width or height of 0 empties the bitmap. Sizes beyond the drawing layer's limits
  // raise EOutOfMemory "Out of system resources".
  void SetSize(int AWidth, int AHeight);
  // Sizes the bitmap with every pixel black (all bits 0, alpha included), whatever it
  // held: for pictures about to be painted over whole, without making them white first.
  void SetSizeBlack(int AWidth, int AHeight);

  TPixelFormat PixelFormat() const { return FPixelFormat; }
  // pfDevice (32 bits), pf8bit, pf15bit, pf16bit, pf24bit or pf32bit (the layouts of
  // Bitmaps.h; pf8bit has the fixed 3-3-2 colour table); the pixels are converted
  // (alpha 255 on widening to 32 bits). Others raise EInvalidGraphic "Unsupported pixel
  // format".
  void SetPixelFormat(TPixelFormat AFormat);
  TBitmapHandleType HandleType() const { return bmDIB; }
  // The first byte of row ARow (0 = top); raises EInvalidGraphic "Scan line index out
  // of range" outside the bitmap.
  uint8_t* ScanLine(int ARow);
  // The DIB section; nullptr while empty. Owned by the bitmap.
  HBITMAP Handle() const { return FHandle.get(); }
  // Draws on the bitmap's pixels (a memory device context with the section selected).
  TCanvas& Canvas();

  // The colour left out when the bitmap is drawn Transparent: with tmAuto the colour of
  // the bottom-left pixel, with tmFixed TransparentColor. Setting the colour sets tmFixed.
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode AMode);
  TColor TransparentColor();
  void SetTransparentColor(TColor AColor);

  std::unique_ptr<TGraphic> Clone() const override;
  TPixelImage ToPixelImage() const override;
  // Reads a picture of any format (recognised by its first bytes) into the bitmap, as
  // Assign takes it; an empty rest of the stream empties the bitmap.
  void LoadFromStream(TStream& AStream) override;
  // A BMP file of 32 bits (pf32bit, pfDevice) or 24 bits (the other formats); nothing
  // for an empty bitmap.
  void SaveToStream(TStream& AStream) override;

 protected:
  // From a TBitmap a deep copy with its format and transparency; from any other kind
  // its pixels, as pf32bit when the picture has alpha, else pf24bit.
  void AssignGraphic(const TGraphic& ASource) override;
  void Draw(TCanvas& ACanvas, const TRect& ARect) override;

 private:
  class TBitmapCanvas;
  void ReplaceHandle(TOwnedGdiObject<TBitmapObject> AHandle, int AWidth, int AHeight);
  void LoadPixelImage(const TPixelImage& AImage, TPixelFormat AFormat);
  // The section layout of the pixel format.
  int BitsPerPixel() const;

  TOwnedGdiObject<TBitmapObject> FHandle;
  int FWidth = 0;
  int FHeight = 0;
  TPixelFormat FPixelFormat = pfDevice;
  TTransparentMode FTransparentMode = tmAuto;
  TColor FTransparentColor = clDefault;
  std::unique_ptr<TBitmapCanvas> FCanvas;
};

// A graphic held as decoded pixels (the common part of TPngImage, TJPEGImage and
// TIcon): it draws through a cached DIB section, with its alpha when it has some.
class TPixelImageGraphic : public TGraphic {
 public:
  TPixelImageGraphic();
  ~TPixelImageGraphic() override;

  int Width() const override { return FImage.Width; }
  int Height() const override { return FImage.Height; }
  TPixelImage ToPixelImage() const override { return FImage; }

 protected:
  void Draw(TCanvas& ACanvas, const TRect& ARect) override;
  // Replaces the picture and reports the change.
  void SetImage(TPixelImage AImage);
  const TPixelImage& Image() const { return FImage; }

 private:
  TPixelImage FImage;
  // The picture premultiplied in a DIB section, made at the first Draw after a change.
  TOwnedGdiObject<TBitmapObject> FDrawBitmap;
};

// A PNG picture; drawn with its per-pixel alpha.
class TPngImage : public TPixelImageGraphic {
 public:
  std::unique_ptr<TGraphic> Clone() const override;
  void LoadFromStream(TStream& AStream) override;
  // An RGBA PNG when the picture has alpha, else an RGB one.
  void SaveToStream(TStream& AStream) override;

 protected:
  // Any graphic's pixels, alpha included (a pf24bit bitmap is opaque).
  void AssignGraphic(const TGraphic& ASource) override;
};

// A JPEG picture. A loaded file is saved unchanged until the picture or the quality
// changes; otherwise saving compresses with CompressionQuality.
class TJPEGImage : public TPixelImageGraphic {
 public:
  int CompressionQuality() const { return FCompressionQuality; }
  // Clamped to 1..100.
  void SetCompressionQuality(int AQuality);

  std::unique_ptr<TGraphic> Clone() const override;
  void LoadFromStream(TStream& AStream) override;
  void SaveToStream(TStream& AStream) override;

 protected:
  // Any graphic's pixels, made opaque.
  void AssignGraphic(const TGraphic& ASource) override;

 private:
  int FCompressionQuality = 90;
  std::vector<uint8_t> FData;  // the file as loaded; empty once it no longer fits
};

// An icon or cursor (ICO, CUR): the largest image of the file, drawn with its alpha or
// mask. A loaded file is saved unchanged; an assigned picture is saved as an icon of
// one PNG image.
class TIcon : public TPixelImageGraphic {
 public:
  std::unique_ptr<TGraphic> Clone() const override;
  void LoadFromStream(TStream& AStream) override;
  void SaveToStream(TStream& AStream) override;

 protected:
  void AssignGraphic(const TGraphic& ASource) override;

 private:
  std::vector<uint8_t> FData;
};

// Holds one graphic of any kind.
class TPicture : public TPersistent {
 public:
  TPicture() = default;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  // The graphic; nullptr while there is none. Owned by the picture.
  TGraphic* Graphic() const { return FGraphic.get(); }
  // Holds a copy of AGraphic (nullptr: none).
  void SetGraphic(const TGraphic* AGraphic);
  // The graphic as a bitmap: when it is of another kind (or there is none), it is
  // replaced by a new empty TBitmap first.
  TBitmap& Bitmap();
  int Width() const { return FGraphic ? FGraphic->Width() : 0; }
  int Height() const { return FGraphic ? FGraphic->Height() : 0; }

  // Reads a BMP, PNG, JPEG, ICO or CUR file into a graphic of its kind, chosen by the
  // file's first bytes (never by its name); other data raise EInvalidGraphic.
  void LoadFromFile(const String& AFileName);
  void LoadFromStream(TStream& AStream);
  // From a TPicture its graphic, from a TGraphic a copy of it.
  void Assign(const TPersistent& ASource) override;

  // Called when the graphic is replaced or changes, with the picture as sender.
  std::function<void(TPicture* Sender)> OnChange;

 private:
  void TakeGraphic(std::unique_ptr<TGraphic> AGraphic);

  std::unique_ptr<TGraphic> FGraphic;
};
