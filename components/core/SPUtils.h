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
// Stateless, but for TFBitmap and the JPEG loader at the end; any thread.

#include <vector>

#include "platform/base/IniFiles.h"
#include "platform/base/StringList.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/Graphics.h"
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
