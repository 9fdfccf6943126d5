#pragma once
// Logical fonts: a LOGFONT describes the font a caller wants, CreateFontIndirect turns
// it into a font handle, and the text routines (Text.h) draw with the font selected
// into a device context. Faces are found through fontconfig by name, so the Windows
// names the skins and forms use ("Arial", "Tahoma", "MS Sans Serif", ...) resolve to
// their installed stand-ins; DejaVu Sans is the fallback for every name that has none.
//
// Font handles may be created, used and deleted on any thread: the faces and glyphs
// behind them live in one process-wide cache guarded by a lock.

#include <cstdint>

#include "platform/base/Strings.h"
#include "platform/gdi/GdiObject.h"

enum : int {
  FW_DONTCARE = 0,
  FW_THIN = 100,
  FW_EXTRALIGHT = 200,
  FW_LIGHT = 300,
  FW_NORMAL = 400,
  FW_MEDIUM = 500,
  FW_SEMIBOLD = 600,
  FW_BOLD = 700,
  FW_EXTRABOLD = 800,
  FW_HEAVY = 900,
};

// Character sets are stored and reported back; faces are chosen by name alone.
enum : uint8_t {
  ANSI_CHARSET = 0,
  DEFAULT_CHARSET = 1,
};

// The pitch half of lfPitchAndFamily. FIXED_PITCH prefers a monospaced face when the
// name finds none of its own.
enum : uint8_t {
  DEFAULT_PITCH = 0,
  FIXED_PITCH = 1,
  VARIABLE_PITCH = 2,
};

// The stock fonts of GetStockObject.
enum : int {
  ANSI_VAR_FONT = 12,
  SYSTEM_FONT = 13,
  DEFAULT_GUI_FONT = 17,
};

// The face and size used where a LOGFONT leaves them open (an empty face name, a zero
// height), and by every stock font: the class library's default font, "Tahoma" at a
// character height of 11 pixels (8 points at 96 pixels per inch), 13 pixels per line.
inline constexpr const char* DefaultFontName = "Tahoma";
inline constexpr int DefaultFontHeight = -11;

struct LOGFONT {
  // Negative: the character height (the em size) in pixels. Positive: the cell height
  // (ascent + descent) in pixels. Zero: DefaultFontHeight.
  int lfHeight = 0;
  // Stored only: glyphs keep the face's own proportions.
  int lfWidth = 0;
  // Direction of the text in tenths of a degree counter-clockwise; 900 draws text
  // upwards. Rounded to the nearest quarter turn.
  int lfEscapement = 0;
  // Stored only: glyphs turn with the escapement.
  int lfOrientation = 0;
  int lfWeight = FW_DONTCARE;  // FW_SEMIBOLD and above draw bold
  uint8_t lfItalic = 0;
  uint8_t lfUnderline = 0;
  uint8_t lfStrikeOut = 0;
  uint8_t lfCharSet = DEFAULT_CHARSET;
  uint8_t lfPitchAndFamily = DEFAULT_PITCH;
  String lfFaceName;

  friend bool operator==(const LOGFONT&, const LOGFONT&) = default;
};

// The measurements of a font in pixels, as GetTextMetrics reports them.
struct TEXTMETRIC {
  int tmHeight = 0;           // tmAscent + tmDescent: the height of one line
  int tmAscent = 0;           // from the top of the cell to the baseline
  int tmDescent = 0;          // from the baseline to the bottom of the cell
  int tmInternalLeading = 0;  // tmHeight less the character height
  int tmExternalLeading = 0;  // the gap the face suggests between lines
  int tmAveCharWidth = 0;
  int tmMaxCharWidth = 0;
  int tmWeight = 0;
  uint8_t tmItalic = 0;
  uint8_t tmUnderlined = 0;
  uint8_t tmStruckOut = 0;
  uint8_t tmCharSet = 0;
};

class TSizedFace;

// The object behind an HFONT. It resolves its face when it is created, so drawing
// with it never searches or opens fonts again.
class TFontObject : public TGdiObject {
 public:
  explicit TFontObject(const LOGFONT& ALogFont);

  TGdiObjectType ObjectType() const override { return OBJ_FONT; }

  const LOGFONT& LogFont() const { return FLogFont; }
  const TEXTMETRIC& TextMetric() const { return FTextMetric; }
  // The face at this font's size and style; shared with every font that resolves to it.
  TSizedFace& Face() const { return *FFace; }
  // Quarter turns counter-clockwise (0 to 3) of the text, from lfEscapement.
  int QuarterTurns() const { return FQuarterTurns; }

 private:
  LOGFONT FLogFont;
  TSizedFace* FFace = nullptr;
  TEXTMETRIC FTextMetric;
  int FQuarterTurns = 0;
};

using HFONT = TFontObject*;

// A new font handle, owned by the caller until DeleteObject.
HFONT CreateFontIndirect(const LOGFONT& ALogFont);
// The same with the record's fields as arguments; the precisions and the quality are
// accepted for the callers' sake and ignored (text is always anti-aliased).
HFONT CreateFont(int AHeight, int AWidth, int AEscapement, int AOrientation, int AWeight, unsigned AItalic,
                 unsigned AUnderline, unsigned AStrikeOut, unsigned ACharSet, unsigned AOutPrecision,
                 unsigned AClipPrecision, unsigned AQuality, unsigned APitchAndFamily,
                 const String& AFaceName);

// The stock font for ANSI_VAR_FONT, SYSTEM_FONT or DEFAULT_GUI_FONT (all three are the
// default font), or nullptr for any other index. Stock fonts live as long as the
// process; GetStockObject hands them out and DeleteObject leaves them alone.
HGDIOBJ StockFont(int AIndex);
