#pragma once
// The small helpers every part of the skin library shares: arithmetic on rectangles
// and points, the average of two colours, and the readers and writers of the value
// forms in which a skin description ("skin.ini") spells rectangles, points, booleans,
// font styles, alignments, text lines and string lists.
//
// Readers never fail on what a skin file holds: an absent key gives the form's
// default, and a malformed value reads as far as it makes sense (see ParseRect). A
// skin comes from outside the program, so one bad value must not stop the whole skin
// from loading. Only the ini file's own failures (an unreadable file) propagate.
//
// Stateless; any thread.

#include <cstdint>
#include <vector>

#include "platform/base/IniFiles.h"
#include "platform/base/StringList.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/Graphics.h"
#include "platform/gdi/Regions.h"
#include "platform/ui/ControlTypes.h"

// Right - Left and Bottom - Top. A difference beyond 32 bits (only a hostile skin
// holds such coordinates) saturates instead of overflowing.
int RectangleWidth(const TRect& ARect);
int RectangleHeight(const TRect& ARect);
// True when the width or the height is not above 0.
bool RectangleIsEmpty(const TRect& ARect);
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

// The nine-part image of the element, W x H, in ABitmap. Stops after sizing when
// RBPoint.X = LTPoint.X, RBPoint.Y = LTPoint.Y or the source picture is empty. The
// client area is drawn only with ADrawClient.
void CreateSkinImage(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, TRect ClRect, TPoint NewLTPt,
                     TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, TRect NewClRect, TBitmap& ABitmap,
                     TBitmap& ASkinPicture, TRect ASkinRect, int AWidth, int AHeight, bool ADrawClient,
                     bool ALeftStretch, bool ATopStretch, bool ARightStretch, bool ABottomStretch,
                     bool AStretchEffect, TspStretchType AStretchType);
// The same image; the popup-menu, picture-menu and hint windows call this one.
void CreateSkinImage2(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, TRect ClRect, TPoint NewLTPt,
                      TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, TRect NewClRect, TBitmap& ABitmap,
                      TBitmap& ASkinPicture, TRect ASkinRect, int AWidth, int AHeight, bool ADrawClient,
                      bool ALeftStretch, bool ATopStretch, bool ARightStretch, bool ABottomStretch,
                      bool AStretchEffect, TspStretchType AStretchType);
// The image without a right column (the list-view header): the top edge, the bottom
// edge and the client area reach W; only the left corners are copied.
void CreateSkinImage3(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, TRect ClRect, TPoint NewLTPt,
                      TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, TRect NewClRect, TBitmap& ABitmap,
                      TBitmap& ASkinPicture, TRect ASkinRect, int AWidth, int AHeight, bool ADrawClient,
                      bool ALeftStretch, bool ATopStretch, bool ARightStretch, bool ABottomStretch,
                      bool AStretchEffect, TspStretchType AStretchType);
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
// and as high as NewClRect. A strip whose size is not positive is left empty.
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
