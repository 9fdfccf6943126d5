#pragma once
// The small helpers every part of the skin library shares: arithmetic on rectangles
// and points, the average of two colours, and the readers and writers of the value
// forms in which a skin description ("skin.ini") spells rectangles, points, booleans,
// font styles, alignments, text lines and string lists. Further down, the drawing
// helpers: composing skin images, mask regions, text, glyphs and small figures (these
// run on the user-interface thread, as each section says).
//
// Readers never fail on what a skin file holds: an absent key gives the form's
// default, and a malformed value reads as far as it makes sense (see ParseRect). A
// skin comes from outside the program, so one bad value must not stop the whole skin
// from loading. Only the ini file's own failures (an unreadable file) propagate.
//
// The value helpers are stateless and run on any thread; so are TFBitmap and the JPEG
// loader at the end.

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/base/IniFiles.h"
#include "platform/base/StringList.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/Graphics.h"
#include "platform/gdi/Regions.h"
#include "platform/ui/ControlTypes.h"

// How far skin geometry reaches either way: half a bitmap's greatest side. The skin
// readers hold every rectangle and point they read within it, and the drawing helpers
// cut what they compute to it, so that no sum of a few coordinates overflows.
constexpr int SkinCoordinateLimit = kMaxBitmapSide / 2;

// Right - Left and Bottom - Top. A difference beyond 32 bits (only a hostile skin
// holds such coordinates) saturates instead of overflowing.
int RectangleWidth(const TRect& ARect);
int RectangleHeight(const TRect& ARect);
// True when the width or the height is not above 0.
bool RectangleIsEmpty(const TRect& ARect);
// ARect with its left and right edges brought within 0 to AWidth and its top and
// bottom within 0 to AHeight: a rectangle inside keeps its place, an empty one stays
// empty. A size below 0 counts as 0.
TRect RectangleWithin(const TRect& ARect, int AWidth, int AHeight);
void SetZeroRect(TRect& ARect);
bool RectanglesEqual(const TRect& A, const TRect& B);
// Both the top-left and the bottom-right corner of AInner pass the window system's
// point-in-rectangle test on AOuter, which excludes the right and bottom edges: a
// rectangle is therefore not inside itself.
bool RectangleInside(const TRect& AInner, const TRect& AOuter);
// All four edges included.
bool PointInRectangle(const TRect& ARect, const TPoint& APoint);
// True when either coordinate is 0: skins mark "no point" that way.
bool PointIsEmpty(const TPoint& APoint);
int MaxOf(int A, int B);
int MinOf(int A, int B);
// Each of red, green and blue is (a + b) div 2 of the two colours after system colours
// are resolved.
TColor AverageColor(TColor A, TColor B);

// The text forms of a rectangle ("10,4,110,24") and a point ("5,3"). Fields are split
// at ","; in each field only digits count, and a "-" before its first digit makes it
// negative, so blanks and stray letters are skipped ("1a0" reads 10). A field without
// digits, one that does not fit 32 bits, and a missing field read 0; fields beyond
// the fourth (second for a point) are ignored.
TRect ParseRect(std::string_view AText);
TPoint ParsePoint(std::string_view AText);
String RectToStr(const TRect& ARect);
String PointToStr(const TPoint& APoint);

// Ini readers and writers: ini file, section, key, then the value.

// Absent: (0, 0, 0, 0).
TRect IniReadRect(const TCustomIniFile& AIni, const String& ASection, const String& AKey);
void IniWriteRect(TCustomIniFile& AIni, const String& ASection, const String& AKey, const TRect& ARect);
// Absent: (0, 0).
TPoint IniReadPoint(const TCustomIniFile& AIni, const String& ASection, const String& AKey);
void IniWritePoint(TCustomIniFile& AIni, const String& ASection, const String& AKey, const TPoint& APoint);
// True exactly for the integer 1; written as 1 or 0.
bool IniReadBoolean(const TCustomIniFile& AIni, const String& ASection, const String& AKey);
void IniWriteBoolean(TCustomIniFile& AIni, const String& ASection, const String& AKey, bool AValue);
// A style is present when its word ("fsbold", "fsitalic", "fsunderline",
// "fsstrikeout") occurs anywhere in the value, case-sensitive; written as the words of
// the present styles joined by ",".
TFontStyles IniReadFontStyles(const TCustomIniFile& AIni, const String& ASection, const String& AKey);
void IniWriteFontStyles(TCustomIniFile& AIni, const String& ASection, const String& AKey,
                        TFontStyles AStyles);
// "tacenter" (also when absent) gives taCenter, "taleftjustify" taLeftJustify, any
// other text taRightJustify.
TAlignment IniReadAlignment(const TCustomIniFile& AIni, const String& ASection, const String& AKey);
void IniWriteAlignment(TCustomIniFile& AIni, const String& ASection, const String& AKey, TAlignment AValue);

// Text lines: the count under AKey + "linecount" and line i under AKey + "line" + i.
// String lists: the count under AKey + "count" and item i under the bare number i.
// Readers append to AList (a caller that reloads clears it first); a line key missing
// below the count reads as an empty line. The count is believed only as far as the
// section has keys at all, so a hostile "count=2000000000" costs nothing.
void IniReadTextLines(const TCustomIniFile& AIni, const String& ASection, const String& AKey,
                      TStrings& AList);
void IniWriteTextLines(TCustomIniFile& AIni, const String& ASection, const String& AKey,
                       const TStrings& AList);
void IniReadStringList(const TCustomIniFile& AIni, const String& ASection, const String& AKey,
                       TStrings& AList);
void IniWriteStringList(TCustomIniFile& AIni, const String& ASection, const String& AKey,
                        const TStrings& AList);

// ---------------------------------------------------------------- skin-image composition
//
// A resizable skin element is the rectangle SkinRect of a skin picture with a client
// rectangle ClRect and four corner points inside it (all relative to SkinRect's top
// left; w and h are SkinRect's size). ClRect cuts the part into bands: the top band is
// the rows above ClRect, the bottom band the rows below it, the left and right bands
// the columns beside it. The top edge is the columns LTPoint.X to RTPoint.X of the top
// band, the bottom edge LBPoint.X to RBPoint.X of the bottom band, the left edge the
// rows LTPoint.Y to LBPoint.Y of the left band and the right edge RTPoint.Y to
// RBPoint.Y of the right band; the rest of the bands are the four corners. The routines
// below compose an image of a new size W x H from a new geometry (NewClRect and the new
// corner points, in the new image's coordinates): corners kept, edges tiled or
// stretched between them (the …Stretch flags), the client area tiled or stretched
// (StretchEffect, StretchType).
//
// Tiling: a piece of length L is placed at start, start + L, start + 2L, ... up to the
// end; the last piece is cut at the end (its source loses the same pixels at its far
// side). A piece of length 0 or an end before the start draws nothing. Stretching goes
// through a work bitmap of the piece's size.
//
// Every routine sets the size of its target bitmaps itself; the caller owns them all.
// User-interface thread.

enum TspStretchType : uint8_t;

// Where the corner points and the client rectangle of a nine-part image land in the
// new image.
struct TspSkinImageTargets {
  TPoint LTPt, RTPt, LBPt, RBPt;
  TRect ClRect;
};

// Where a nine-part image comes from and how it is laid out: the part's corner points
// and client rectangle (relative to SkinRect's top left) and what is stretched rather
// than tiled.
struct TspSkinImageGeometry {
  TPoint LTPt, RTPt, LBPt, RBPt;
  TRect ClRect;
  TRect SkinRect;
  // Another state of the element (pressed, hot) to cut the pieces from; the corners
  // still move by the image's growth over SkinRect.
  std::optional<TRect> StateRect = std::nullopt;
  bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
  // The client area: stretched by StretchType, else tiled.
  bool StretchEffect = false;
  TspStretchType StretchType{};
  // No right column (the list-view header): the top edge, the bottom edge and the
  // client area reach W; only the left corners are copied.
  bool WithoutRight = false;
  // Given only where the owner has placed the corners itself (a window that keeps its
  // own points). Otherwise the top left corner stays, and the other corners and the
  // client rectangle move by the image's growth over SkinRect's size.
  std::optional<TspSkinImageTargets> Targets = std::nullopt;
};

// A part of ASkinRect whose corner points lie on the corners of its client rectangle
// AClRect, the client placed at ANewClRect in the new image; nothing stretched.
TspSkinImageGeometry SkinImageGeometryAtClient(const TRect& AClRect, const TRect& ASkinRect,
                                               const TRect& ANewClRect);

// The geometry of a skin record with the usual corner-point fields (LTPoint ...) and
// stretch flags; its client rectangle and picture rectangle are named by the caller,
// as the records keep them under different names. ATargets: where the owner has placed
// the corners itself.
template <class TRecord>
TspSkinImageGeometry SkinImageGeometry(const TRecord& ARecord, const TRect& AClRect, const TRect& ASkinRect,
                                       std::optional<TspSkinImageTargets> ATargets = std::nullopt) {
  return {.LTPt = ARecord.LTPoint,
          .RTPt = ARecord.RTPoint,
          .LBPt = ARecord.LBPoint,
          .RBPt = ARecord.RBPoint,
          .ClRect = AClRect,
          .SkinRect = ASkinRect,
          .LeftStretch = ARecord.LeftStretch,
          .TopStretch = ARecord.TopStretch,
          .RightStretch = ARecord.RightStretch,
          .BottomStretch = ARecord.BottomStretch,
          .StretchEffect = ARecord.StretchEffect,
          .StretchType = ARecord.StretchType,
          .Targets = ATargets};
}

// The nine-part image of the element, AWidth x AHeight, in ABitmap. Stops after sizing
// when RBPt.X = LTPt.X, RBPt.Y = LTPt.Y or the source picture is empty. The client area
// is drawn only with ADrawClient.
void ComposeSkinImage(TBitmap& ABitmap, TBitmap& ASkinPicture, const TspSkinImageGeometry& AGeometry,
                      int AWidth, int AHeight, bool ADrawClient);
// The whole part stretched to ABitmap's current size, corners kept and every edge and
// the client area stretched.
void StretchSkinImage(TBitmap& ABitmap, TBitmap& ASkinPicture, TRect ASkinRect, TRect ClRect,
                      bool ADrawClient);
// Only the client area, in a W x H bitmap (the memo's background): tiled from the
// origin over NewClRect's size, or stretched into NewClRect by AStretchType. Nothing
// is drawn for an empty NewClRect.
void CreateSkinClientImage(TRect ClRect, TRect NewClRect, TBitmap& ABitmap, TBitmap& ASkinPicture,
                           TRect ASkinRect, int AWidth, int AHeight, bool AStretchEffect,
                           TspStretchType AStretchType);

// Three-part strips of the source rectangle ASource: the ends ALeftWidth and
// ARightWidth wide kept, the middle tiled (or stretched with AStretch) between them.
// The target becomes ANewWidth x the height of ASource (ANewHeight is not used).
void CreateHSkinImage(int ALeftWidth, int ARightWidth, TBitmap& ABitmap, TBitmap& ASkinPicture, TRect ASource,
                      int ANewWidth, int ANewHeight, bool AStretch);
// A strip with its left end only; the middle reaches the new width.
void CreateHSkinImageLeft(int ALeftWidth, int ARightWidth, TBitmap& ABitmap, TBitmap& ASkinPicture,
                          TRect ASource, int ANewWidth, int ANewHeight, bool AStretch);
// A strip of the middle piece only, from x = 0 to the new width.
void CreateTiledSkinImage(int ALeftWidth, int ARightWidth, TBitmap& ABitmap, TBitmap& ASkinPicture,
                          TRect ASource, int ANewWidth, int ANewHeight, bool AStretch);
// The vertical twin of CreateHSkinImage: the width of ASource x ANewHeight (ANewWidth
// is not used).
void CreateVSkinImage(int ATopHeight, int ABottomHeight, TBitmap& ABitmap, TBitmap& ASkinPicture,
                      TRect ASource, int ANewWidth, int ANewHeight, bool AStretch);

// One piece of a skin picture for the controls that draw pieces themselves.
//
// APiece becomes the rectangle ASource of APicture, cut to the picture: a rectangle
// reaching beyond the picture gives only the part inside it (nothing without one), so
// that a piece is never larger than its picture.
void CutSkinPiece(TBitmap& APiece, TBitmap& APicture, const TRect& ASource);
// AArea of the canvas filled with APiece, clipped to the area: without AStretch tiled
// from its top-left (the last column and row cut); with it stretched over the area
// (spstFull), stretched to the area's height and repeated across (spstHorz), or
// stretched to its width and repeated downwards (spstVert). An empty piece or area
// fills nothing; of a tiled area only the tiles the canvas can show are drawn.
void FillWithSkinPiece(TCanvas& ACanvas, const TRect& AArea, TBitmap& APiece, bool AStretch,
                       TspStretchType AStretchType);

// The four borders of a frame of W x H as separate bitmaps, built top, bottom, left,
// right: top W x NewClRect.Top, bottom W x (H - NewClRect.Bottom), left
// NewClRect.Left and right W - NewClRect.Right wide, as high as what the top and bottom
// leave. A border whose size or edge length is not positive keeps its size undrawn.
void CreateSkinBorderImages(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, TRect ClRect, TPoint NewLTPt,
                            TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, TRect NewClRect,
                            TBitmap& ALeftBitmap, TBitmap& ATopBitmap, TBitmap& ARightBitmap,
                            TBitmap& ABottomBitmap, TBitmap& ASkinPicture, TRect ASkinRect, int AWidth,
                            int AHeight, bool ALeftStretch, bool ATopStretch, bool ARightStretch,
                            bool ABottomStretch);

// ---------------------------------------------------------------- mask regions
//
// A mask is a picture of an element's geometry in which the black pixels (blue, green
// and red all 0) belong to the window and every other pixel is cut away. There is no
// bound on the number of rectangles: a large or noisy mask gives a larger region, never
// a cut-off window shape. User-interface thread.

// The region data (an RGNDATA block) of the mask's black pixels moved by the offsets:
// one rectangle per run of black pixels in a row, rows from the top, runs from the
// left; the bounding rectangle is the mask's, moved alike. Returns the block's size in
// bytes; an empty mask gives 0 and an empty block.
uint32_t GetMaskRegionRects(TBitmap& AMask, int AXOffset, int AYOffset, std::vector<uint8_t>& ARegionData);
// The region of the whole mask at (0, 0), owned by the caller; nullptr for an empty mask.
HRGN CreateMaskRegion(TBitmap& AMask);
// The four border strips of a mask re-composed for a new size, as the element's picture
// is (corners kept, edges tiled, never stretched): top W x ClRect.Top, bottom W x the
// mask's rows below ClRect, left and right as wide as the mask's bands beside ClRect
// and as high as NewClRect (no higher than the window, AHeight). A strip whose size is
// not positive is left empty.
void CreateSkinMaskBorders(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, TRect ClRect, TPoint NewLTPt,
                           TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, TRect NewClRect, TBitmap& AMask,
                           TBitmap& ATopStrip, TBitmap& ALeftStrip, TBitmap& ARightStrip,
                           TBitmap& ABottomStrip, int AWidth, int AHeight);
// The window region of the element at its new size: NewClRect united with the black
// pixels of the re-composed border strips. nullptr (no region: the whole window shows)
// when the new corner points are inverted or NewClRect is empty. Owned by the caller.
HRGN CreateSkinRegion(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, TRect ClRect, TPoint NewLTPt,
                      TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, TRect NewClRect, TBitmap& AMask,
                      int AWidth, int AHeight);

// ---------------------------------------------------------------- text, glyphs and figures
//
// The toolkit with which skinned controls paint captions and small figures on a canvas.
// The routines keep no state and leave the canvas's pen colour, brush colour and brush
// style as they set them. Several move text up one pixel when the font's Height is odd.
// Texts are UTF-8; "characters" are code points. User-interface thread.

class TControl;
class TCustomImageList;

// Where an image stands beside its caption.
enum TspButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// DrawText of the text in ARect with the DT_ flags on the canvas (its font and brush);
// returns the text's height. With DT_CALCRECT it only measures: ARect's right and bottom
// become the text's extent.
int DrawWideText(TCanvas& ACanvas, const String& AText, TRect& ARect, unsigned AFlags);
// The extent DrawWideText measures with DT_CALCRECT from (0, 0, 0, 0).
int WideTextWidth(TCanvas& ACanvas, const String& AText);
int WideTextHeight(TCanvas& ACanvas, const String& AText);
// Shortens a text wider than AWidth to the longest start that fits with "..." after it
// ("..." alone when nothing fits); measured by the canvas's TextWidth, or for the wide
// form by WideTextWidth.
void FitTextToWidth(TCanvas& ACanvas, String& AText, int AWidth);
void FitWideTextToWidth(TCanvas& ACanvas, String& AText, int AWidth);

// One line, vertically centred in ARect; nothing for an empty text.
void DrawVCenteredText(TCanvas& ACanvas, const String& AText, const TRect& ARect);
// As DrawVCenteredText, aligned left (0), right (1) or centred (2); other values draw
// nothing.
void DrawAlignedLineText(TCanvas& ACanvas, const String& AText, const TRect& ARect, int AAlignment);
// The text clipped to ARect, 2 pixels (plus AOffset) in from its left, vertically
// centred; nothing for an empty text.
void DrawIndentedText(TCanvas& ACanvas, const String& AText, const TRect& ARect);
void DrawIndentedTextOffset(TCanvas& ACanvas, const String& AText, const TRect& ARect, int AOffset);
// A caption broken into lines of ARect's width and drawn centred. A word wider than the
// rectangle is broken where it overflows (ABreakLongWords), or cut there: its last
// three characters drawn become "..." and the rest of the word is dropped.
void DrawWordWrapText(TCanvas& ACanvas, const String& AText, const TRect& ARect, bool ABreakLongWords);

// The origins of a caption (ATextWidth x ATextHeight) and an image beside it in ARect.
// AMargin is the distance from the image side's edge to the image, -1 centres image
// and caption together; ASpacing separates them and counts only with an image. A
// layout outside TspButtonLayout leaves both origins as they are.
void CalcImageTextLayout(TspButtonLayout ALayout, const TRect& ARect, int AImageWidth, int AImageHeight,
                         int ATextWidth, int ATextHeight, int ASpacing, int AMargin, TPoint& ATextOrigin,
                         TPoint& AImageOrigin);
// An image of AImages (none for an index outside the list or no list) and a caption
// laid out in ARect; pressed moves both one pixel right and down. With ADrawColorBar a
// bar of ABarColor is drawn under the image, else under the caption, else in ARect.
void DrawImageAndText(TCanvas& ACanvas, const TRect& ARect, int AMargin, int ASpacing,
                      TspButtonLayout ALayout, const String& ACaption, int AImageIndex,
                      TCustomImageList* AImages, bool APressed, bool AEnabled, bool ADrawColorBar,
                      TColor ABarColor);
// The same with frame AGlyphNumber of a glyph strip of ANumGlyphs frames as the image.
void DrawGlyphAndText(TCanvas& ACanvas, const TRect& ARect, int AMargin, int ASpacing,
                      TspButtonLayout ALayout, const String& ACaption, TBitmap* AGlyph, int ANumGlyphs,
                      int AGlyphNumber, bool APressed, bool ADrawColorBar, TColor ABarColor);
// The same two with a glow of AGlowColor, AGlowSize pixels wide (at most the largest
// blur radius), around the image (its silhouette blurred under it) and the caption;
// drawn as the plain forms for a size of 0 or less.
void DrawEffectImageAndText(TCanvas& ACanvas, const TRect& ARect, int AMargin, int ASpacing,
                            TspButtonLayout ALayout, const String& ACaption, int AImageIndex,
                            TCustomImageList* AImages, bool APressed, bool AEnabled, bool ADrawColorBar,
                            TColor ABarColor, TColor AGlowColor, int AGlowSize);
void DrawEffectGlyphAndText(TCanvas& ACanvas, const TRect& ARect, int AMargin, int ASpacing,
                            TspButtonLayout ALayout, const String& ACaption, TBitmap* AGlyph, int ANumGlyphs,
                            int AGlyphNumber, bool APressed, bool ADrawColorBar, TColor ABarColor,
                            TColor AGlowColor, int AGlowSize);
// Frame AFrame (from 1) of a strip of AFrames equal frames side by side, drawn at
// (AX, AY) with its bottom-left pixel's colour transparent. Nothing for an empty strip,
// a frame count below 1, a frame number outside the strip or frames narrower than a
// pixel.
void DrawBitmapFrame(TCanvas& ACanvas, int AX, int AY, TBitmap* AStrip, int AFrames, int AFrame);

// A one-pixel dotted frame inside ARect in the font's colour; the dots run on around
// the corners.
void DrawDottedFocusRect(TCanvas& ACanvas, const TRect& ARect);
// What lies under AControl (its parent's background and the windowless siblings below
// it, in z-order) painted into ACanvas, whose origin stands for the control's top left;
// nothing without a parent. The device context's state and the parents' and siblings'
// csPaintCopy are restored also when a painting handler raises.
void PaintParentBackground(TControl* AControl, TCanvas& ACanvas);
// The same for the part ARect of the control: the canvas's origin stands for the
// control's point (ARect.Left, ARect.Top).
void PaintPageControlBackground(TControl* AControl, const TRect& ARect, TCanvas& ACanvas);

// Arrows centred in ARect, direction 1 left, 2 right, 3 up, 4 down (others draw
// nothing): three steps of 1, 3 and 5 pixels, or four of 1 to 7; the small down arrow
// one pixel lower.
void DrawSmallArrow(TCanvas& ACanvas, const TRect& ARect, TColor AColor, int ADirection);
void DrawArrow(TCanvas& ACanvas, const TRect& ARect, TColor AColor, int ADirection);
void DrawSmallDownArrow(TCanvas& ACanvas, const TRect& ARect, TColor AColor);
// The default check mark (three strokes, about 8 x 8 from (AX, AY)) and radio mark (a
// 6 x 6 square).
void DrawCheckMark(TCanvas& ACanvas, int AX, int AY, TColor AColor);
void DrawRadioMark(TCanvas& ACanvas, int AX, int AY, TColor AColor);
// A one-pixel frame inside ARect: top and left in ATopLeft, right and bottom in
// ABottomRight.
void DrawBevelFrame(TCanvas& ACanvas, const TRect& ARect, TColor ATopLeft, TColor ABottomRight);

// ---------------------------------------------------------------- caption-button glyphs
//
// The line glyphs of the standard window commands, for caption buttons and menu items
// that have no skin picture: each in one colour at (AX, AY), within 11 x 10 pixels.

void DrawCloseGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor);
// The close glyph centred in ARect.
void DrawCenteredCloseGlyph(TCanvas& ACanvas, const TRect& ARect, TColor AColor);
void DrawSysMenuGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor);
void DrawMinimizeGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor);
void DrawMaximizeGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor);
void DrawRestoreGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor);
void DrawRollUpGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor);
void DrawRollDownGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor);
void DrawMinToTrayGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor);

// ---------------------------------------------------------------- picture helpers
// (SPUtils_Pictures.cpp)

// A 24-bit top-down copy of a bitmap with direct access to its rows: a pixel is blue,
// green, red; rows are padded to 4 bytes. The copy is a DIB section selected into a
// memory device context of its own. A source that is empty or not a bitmap gives a
// copy of 0 × 0 pixels without handle or context.
class TFBitmap {
 public:
  explicit TFBitmap(HBITMAP ABitmap);
  ~TFBitmap();
  TFBitmap(const TFBitmap&) = delete;
  TFBitmap& operator=(const TFBitmap&) = delete;

  uint8_t* Bits = nullptr;
  std::vector<uint8_t*> Pixels;  // Pixels[y] is row y, the top row first
  int Gap = 0;                   // fill bytes at the end of a row: Width mod 4
  int RowInc = 0;                // bytes per row: Width × 3 + Gap
  int Size = 0;                  // RowInc × Height
  int Width = 0;
  int Height = 0;
  HBITMAP Handle = nullptr;
  HDC hDC = nullptr;
  BITMAPINFO bmInfo{};
};

// True when the name's extension is ".jpg" or ".jpeg", in any letter case.
bool IsJpegFileName(const String& AFileName);
// Decodes the JPEG file into ABitmap, which takes the picture's size; a missing or
// damaged file raises (EFOpenError, EInvalidGraphic).
void LoadJpegToBitmap(TBitmap& ABitmap, const String& AFileName);
