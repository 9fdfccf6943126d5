#include <ft2build.h>

#include "platform/gdi/FontCacheInternal.h"
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

#include "platform/base/Exceptions.h"
#include "platform/gdi/Fonts.h"

// One font file opened by FreeType. Its sized faces share the FT_Face, each with its
// own FT_Size activated before use.
struct TOpenFace {
  String Path;
  int Index = 0;
  FT_Face Face = nullptr;
  String Family;
};

namespace {

// Every name falls back to this family (its monospaced sibling for fixed pitch), so
// the result does not depend on the machine's fontconfig defaults.
constexpr const char* FallbackFamily = "DejaVu Sans";
constexpr const char* FallbackFixedFamily = "DejaVu Sans Mono";

// A face found for a name and style, with the style it lacks to be synthesised.
struct TFaceChoice {
  TOpenFace* File = nullptr;
  bool Embolden = false;
  bool Oblique = false;
};

using TChoiceKey = std::tuple<String, int, bool, bool>;          // name, weight, italic, fixed
using TSizeKey = std::tuple<const TOpenFace*, int, bool, bool>;  // file, height, bold, oblique
using TFileKey = std::pair<String, int>;                         // path, face index

// The process-wide cache. It is never destroyed: worker threads may still draw text
// while the process exits, and the operating system reclaims everything anyway.
struct TFontCache {
  std::mutex Lock;
  FT_Library Library = nullptr;
  std::map<TFileKey, std::unique_ptr<TOpenFace>> Files;
  std::map<TChoiceKey, TFaceChoice> Choices;
  std::map<TSizeKey, std::unique_ptr<TSizedFace>> Sizes;
};

TFontCache& Cache() {
  static TFontCache* const Instance = [] {
    auto* cache = new TFontCache();
    if (FT_Init_FreeType(&cache->Library) != 0) throw Exception("The font renderer could not be started");
    return cache;
  }();
  return *Instance;
}

std::atomic<int> GFaceOpens{0};
std::atomic<int> GGlyphRenders{0};

bool IsControlCharacter(char32_t ACodePoint) { return ACodePoint < 0x20 || ACodePoint == 0x7F; }

// The open file for a path and index, opening it on first use; nullptr when FreeType
// cannot read it or it is not a scalable font (and on every later call: a broken file
// is not tried again).
TOpenFace* OpenFile(TFontCache& ACache, const String& APath, int AIndex) {
  auto [it, inserted] = ACache.Files.try_emplace(TFileKey{APath, AIndex});
  if (!inserted) return it->second.get();
  FT_Face face = nullptr;
  if (FT_New_Face(ACache.Library, APath.c_str(), AIndex, &face) != 0) return nullptr;
  ++GFaceOpens;
  if (!FT_IS_SCALABLE(face)) {
    FT_Done_Face(face);
    return nullptr;
  }
  auto file = std::make_unique<TOpenFace>();
  file->Path = APath;
  file->Index = AIndex;
  file->Face = face;
  file->Family = face->family_name ? face->family_name : "";
  it->second = std::move(file);
  return it->second.get();
}

// Asks fontconfig for the best face of a family list and style, and opens it.
TFaceChoice MatchFace(TFontCache& ACache, const String& AFamily, const char* AFallback, int AWeight,
                      bool AItalic, bool AFixedPitch) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(AFamily.c_str()));
  if (AFallback) FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(AFallback));
  FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(AWeight));
  FcPatternAddInteger(pattern, FC_SLANT, AItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  if (AFixedPitch) FcPatternAddInteger(pattern, FC_SPACING, FC_MONO);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  TFaceChoice choice;
  if (!match) return choice;
  FcChar8* path = nullptr;
  int index = 0;
  int weight = FC_WEIGHT_REGULAR;
  int slant = FC_SLANT_ROMAN;
  if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match, FC_SLANT, 0, &slant);
    choice.File = OpenFile(ACache, reinterpret_cast<const char*>(path), index);
    choice.Embolden = AWeight >= FW_SEMIBOLD && weight < FC_WEIGHT_DEMIBOLD;
    choice.Oblique = AItalic && slant == FC_SLANT_ROMAN;
  }
  FcPatternDestroy(match);
  return choice;
}

TFaceChoice ChooseFace(TFontCache& ACache, const TFaceRequest& ARequest) {
  TChoiceKey key{LowerCase(ARequest.FaceName), ARequest.Weight, ARequest.Italic, ARequest.FixedPitch};
  if (auto it = ACache.Choices.find(key); it != ACache.Choices.end()) return it->second;
  const char* fallback = ARequest.FixedPitch ? FallbackFixedFamily : FallbackFamily;
  TFaceChoice choice =
      MatchFace(ACache, ARequest.FaceName, fallback, ARequest.Weight, ARequest.Italic, ARequest.FixedPitch);
  // The face fontconfig chose may be unreadable; the fallback family alone is the
  // last resort.
  if (!choice.File)
    choice = MatchFace(ACache, FallbackFamily, nullptr, ARequest.Weight, ARequest.Italic, false);
  if (!choice.File) throw Exception(Format("No font could be opened for \"%s\"", ARequest.FaceName));
  ACache.Choices.emplace(key, choice);
  return choice;
}

}  // namespace

TSizedFace& ResolveFace(const TFaceRequest& ARequest) {
  TFontCache& cache = Cache();
  std::lock_guard lock(cache.Lock);
  TFaceChoice choice = ChooseFace(cache, ARequest);
  auto [it, inserted] =
      cache.Sizes.try_emplace(TSizeKey{choice.File, ARequest.Height, choice.Embolden, choice.Oblique});
  if (inserted)
    it->second = std::make_unique<TSizedFace>(*choice.File, ARequest.Height, choice.Embolden, choice.Oblique);
  return *it->second;
}

int FaceOpenCount() { return GFaceOpens; }
int GlyphRenderCount() { return GGlyphRenders; }

// Called with the cache's lock held (from ResolveFace).
TSizedFace::TSizedFace(TOpenFace& AFile, int AHeight, bool AEmbolden, bool AOblique)
    : FFile(AFile), FEmbolden(AEmbolden), FOblique(AOblique) {
  if (FT_New_Size(FFile.Face, &FSize) != 0) throw Exception("The font renderer is out of memory");
  SetSizeAndComputeMetrics(AHeight);
}

TSizedFace::~TSizedFace() {
  if (FSize) FT_Done_Size(FSize);
}

const String& TSizedFace::FamilyName() const { return FFile.Family; }

// Line heights follow the Windows metrics of the face (usWinAscent, usWinDescent), as
// the program's layouts were measured with them; faces without an OS/2 table use
// their horizontal header.
void TSizedFace::SetSizeAndComputeMetrics(int AHeight) {
  FT_Face face = FFile.Face;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const bool hasWinMetrics = os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0;
  const double upem = face->units_per_EM;
  const double winAscent = hasWinMetrics ? os2->usWinAscent : face->ascender;
  const double winDescent = hasWinMetrics ? os2->usWinDescent : -face->descender;
  const double em = AHeight < 0 ? -AHeight : AHeight * upem / (winAscent + winDescent);
  FT_Activate_Size(FSize);
  FT_Set_Char_Size(face, 0, std::max<FT_F26Dot6>(1, std::lround(em * 64)), 72, 72);

  const double scale = em / upem;
  FMetrics.EmHeight = static_cast<int>(std::lround(em));
  FMetrics.Ascent = static_cast<int>(std::lround(winAscent * scale));
  FMetrics.Descent =
      AHeight > 0 ? AHeight - FMetrics.Ascent : static_cast<int>(std::lround(winDescent * scale));
  const double lineGap = face->height - (face->ascender - face->descender);
  const double cellExcess = (winAscent + winDescent) - (face->ascender - face->descender);
  FMetrics.ExternalLeading = std::max(0, static_cast<int>(std::lround((lineGap - cellExcess) * scale)));
  // Synthetic bold widens every glyph by the stroke FreeType adds, about em / 24.
  const int emboldenExtra = FEmbolden ? static_cast<int>(std::lround(em / 24)) : 0;
  FMetrics.MaxCharWidth = static_cast<int>(std::lround(face->max_advance_width * scale)) + emboldenExtra;
  FMetrics.AveCharWidth = os2 && os2->xAvgCharWidth > 0
                              ? static_cast<int>(std::lround(os2->xAvgCharWidth * scale)) + emboldenExtra
                              : CachedGlyph(U'x').Advance;

  const int cellHeight = FMetrics.Ascent + FMetrics.Descent;
  FMetrics.UnderlineThickness = std::max(1, static_cast<int>(std::lround(face->underline_thickness * scale)));
  const double underlineCentre = -face->underline_position * scale;
  const int underlineTop =
      FMetrics.Ascent + static_cast<int>(std::lround(underlineCentre - FMetrics.UnderlineThickness / 2.0));
  // The underline stays below the baseline and inside the cell, whatever the face says.
  FMetrics.UnderlineTop =
      std::max(FMetrics.Ascent, std::min(underlineTop, cellHeight - FMetrics.UnderlineThickness));

  const bool hasStrikeOut = os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0;
  FMetrics.StrikeOutThickness = hasStrikeOut
                                    ? std::max(1, static_cast<int>(std::lround(os2->yStrikeoutSize * scale)))
                                    : FMetrics.UnderlineThickness;
  const double strikeOutHeight = hasStrikeOut ? os2->yStrikeoutPosition * scale : em * 0.3;
  FMetrics.StrikeOutTop = std::max(0, FMetrics.Ascent - static_cast<int>(std::lround(strikeOutHeight)));
}

void TSizedFace::GetGlyphs(std::u32string_view ACodePoints, std::vector<const TGlyph*>& AGlyphs) {
  std::lock_guard lock(Cache().Lock);
  AGlyphs.clear();
  AGlyphs.reserve(ACodePoints.size());
  for (char32_t codePoint : ACodePoints) AGlyphs.push_back(&CachedGlyph(codePoint));
}

int TSizedFace::Advance(char32_t ACodePoint) {
  std::lock_guard lock(Cache().Lock);
  return CachedGlyph(ACodePoint).Advance;
}

const TGlyph& TSizedFace::CachedGlyph(char32_t ACodePoint) {
  auto it = FGlyphs.find(ACodePoint);
  if (it == FGlyphs.end()) it = FGlyphs.emplace(ACodePoint, RenderGlyph(ACodePoint)).first;
  return it->second;
}

// A code point the face lacks draws the face's missing-glyph box.
TGlyph TSizedFace::RenderGlyph(char32_t ACodePoint) {
  TGlyph glyph;
  if (IsControlCharacter(ACodePoint)) return glyph;
  FT_Face face = FFile.Face;
  FT_Activate_Size(FSize);
  const FT_UInt index = FT_Get_Char_Index(face, ACodePoint);
  if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP) != 0) return glyph;
  ++GGlyphRenders;
  FT_GlyphSlot slot = face->glyph;
  if (FEmbolden) FT_GlyphSlot_Embolden(slot);
  if (FOblique) FT_GlyphSlot_Oblique(slot);
  glyph.Advance = static_cast<int>((slot->advance.x + 32) >> 6);
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0 || slot->bitmap.pixel_mode != FT_PIXEL_MODE_GRAY)
    return glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  glyph.Left = slot->bitmap_left;
  glyph.Top = slot->bitmap_top;
  glyph.Width = static_cast<int>(bitmap.width);
  glyph.Height = static_cast<int>(bitmap.rows);
  glyph.Coverage.resize(static_cast<size_t>(glyph.Width) * glyph.Height);
  for (int row = 0; row < glyph.Height; ++row) {
    const uint8_t* source = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
    std::copy(source, source + glyph.Width,
              glyph.Coverage.begin() + static_cast<ptrdiff_t>(row) * glyph.Width);
  }
  return glyph;
}
