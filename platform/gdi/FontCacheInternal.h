#pragma once
// The process-wide cache behind font handles (internal to the drawing layer). Font
// files are opened once; each (file, size, synthetic style) is one TSizedFace that
// keeps the glyphs it has rendered, so drawing a table row never opens a file or
// renders a glyph a second time. Nothing is evicted: a program uses a handful of fonts.
//
// Thread safety: one lock guards fontconfig, FreeType and every map here. The methods
// take it themselves; a glyph, once cached, never changes or moves, so the pointers
// they hand out stay valid without the lock.

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/base/Strings.h"

// One rendered glyph: an 8-bit coverage image placed relative to the pen position on
// the baseline (Left to the right, Top upwards, as FreeType counts), and the distance
// the pen moves after it, in whole pixels.
struct TGlyph {
  int Advance = 0;
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Coverage;  // Width * Height bytes, rows top-down
};

// Line positions are rows of the text cell, counted from its top.
struct TFaceMetrics {
  int Ascent = 0;
  int Descent = 0;
  int EmHeight = 0;
  int ExternalLeading = 0;
  int AveCharWidth = 0;
  int MaxCharWidth = 0;
  int UnderlineTop = 0;
  int UnderlineThickness = 1;
  int StrikeOutTop = 0;
  int StrikeOutThickness = 1;
};

// What a font asks of the cache; built from a LOGFONT by the font object.
struct TFaceRequest {
  String FaceName;
  int Height = 0;    // LOGFONT rules, never 0 here
  int Weight = 400;  // 1 to 1000; FW_SEMIBOLD and above is bold
  bool Italic = false;
  bool FixedPitch = false;
};

struct TOpenFace;
struct FT_SizeRec_;

class TSizedFace {
 public:
  TSizedFace(TOpenFace& AFile, int AHeight, bool AEmbolden, bool AOblique);
  ~TSizedFace();
  TSizedFace(const TSizedFace&) = delete;
  TSizedFace& operator=(const TSizedFace&) = delete;

  const TFaceMetrics& Metrics() const { return FMetrics; }
  // The family the face was found under ("DejaVu Sans", "Liberation Sans", ...).
  const String& FamilyName() const;

  // The glyphs of the code points, in order, in one pass under the lock. Control
  // characters (below U+0020, and U+007F) have no ink and no advance.
  void GetGlyphs(std::u32string_view ACodePoints, std::vector<const TGlyph*>& AGlyphs);
  int Advance(char32_t ACodePoint);

 private:
  const TGlyph& CachedGlyph(char32_t ACodePoint);  // caller holds the lock
  TGlyph RenderGlyph(char32_t ACodePoint);         // caller holds the lock
  void SetSizeAndComputeMetrics(int AHeight);

  TOpenFace& FFile;
  FT_SizeRec_* FSize = nullptr;
  bool FEmbolden = false;
  bool FOblique = false;
  TFaceMetrics FMetrics;
  std::unordered_map<char32_t, TGlyph> FGlyphs;
};

// The sized face for a request: fontconfig finds the file (the face name, its
// substitutes, then DejaVu Sans); bold and italic come from the matching face or are
// synthesised when the family has no such face. Raises Exception when no font file
// at all can be opened.
TSizedFace& ResolveFace(const TFaceRequest& ARequest);

// How often a font file was opened and a glyph rendered since the process started;
// tests read them to show that drawing again reuses the cache.
int FaceOpenCount();
int GlyphRenderCount();
