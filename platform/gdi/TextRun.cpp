#include <algorithm>
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <unordered_map>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontCacheInternal.h"
#include "platform/gdi/TextLayout.h"
#include "platform/gdi/TextRunInternal.h"

namespace {

// A quarter turn counter-clockwise about the reference point: the point (u, v) goes
// to (v, -u), so the pixel at (u, v) goes to the pixel at (v, -u - 1).
TRect TurnRect(const TRect& ARect) { return {ARect.Top, -ARect.Right, ARect.Bottom, -ARect.Left}; }

void TurnRun(TTextRun& ARun) {
  const int width = ARun.Bounds.Width();
  const int height = ARun.Bounds.Height();
  std::vector<uint8_t> turned(ARun.Coverage.size());
  // Row r of the turned mask is column (width - 1 - r) of the original, read top-down.
  for (int row = 0; row < width; ++row)
    for (int column = 0; column < height; ++column)
      turned[static_cast<size_t>(row) * height + column] =
          ARun.Coverage[static_cast<size_t>(column) * width + (width - 1 - row)];
  ARun.Coverage = std::move(turned);
  ARun.Bounds = TurnRect(ARun.Bounds);
  ARun.Cell = TurnRect(ARun.Cell);
}

void FillRows(TTextRun& ARun, int ATop, int AThickness, int ALeft, int ARight) {
  const TRect& bounds = ARun.Bounds;
  const int width = bounds.Width();
  for (int y = std::max(ATop, bounds.Top); y < std::min(ATop + AThickness, bounds.Bottom); ++y) {
    uint8_t* row = ARun.Coverage.data() + static_cast<size_t>(y - bounds.Top) * width;
    for (int x = std::max(ALeft, bounds.Left); x < std::min(ARight, bounds.Right); ++x)
      row[x - bounds.Left] = 255;
  }
}

// Glyph coverage adds up where glyphs overlap: the anti-aliased edges of neighbours
// cover disjoint parts of a pixel.
void AddGlyph(TTextRun& ARun, const TGlyph& AGlyph, int ALeft, int ATop) {
  const int width = ARun.Bounds.Width();
  for (int row = 0; row < AGlyph.Height; ++row) {
    const uint8_t* source = AGlyph.Coverage.data() + static_cast<size_t>(row) * AGlyph.Width;
    uint8_t* target = ARun.Coverage.data() + static_cast<size_t>(ATop + row - ARun.Bounds.Top) * width +
                      (ALeft - ARun.Bounds.Left);
    for (int column = 0; column < AGlyph.Width; ++column)
      target[column] = static_cast<uint8_t>(std::min(255, target[column] + source[column]));
  }
}

TTextRun RenderRun(const TFontObject& AFont, std::u32string_view ACodePoints, const TRunStyle& AStyle) {
  TSizedFace& face = AFont.Face();
  const TFaceMetrics& metrics = face.Metrics();
  std::vector<const TGlyph*> glyphs;
  face.GetGlyphs(ACodePoints, glyphs);

  std::vector<int> pens(glyphs.size() + 1, 0);
  for (size_t i = 0; i < glyphs.size(); ++i) {
    if (AStyle.Dx)
      pens[i + 1] = pens[i] + AStyle.Dx[i];
    else if (ACodePoints[i] == U'\t' && AStyle.TabWidth > 0)
      pens[i + 1] = NextTabStop(pens[i], AStyle.TabWidth);
    else
      pens[i + 1] = pens[i] + glyphs[i]->Advance;
  }

  TTextRun run;
  run.Cell = {std::min(0, pens.back()), 0, std::max(0, pens.back()), metrics.Ascent + metrics.Descent};
  run.Bounds = run.Cell;
  for (size_t i = 0; i < glyphs.size(); ++i) {
    const TGlyph& glyph = *glyphs[i];
    if (glyph.Width == 0 || glyph.Height == 0) continue;
    const TRect box = Bounds(pens[i] + glyph.Left, metrics.Ascent - glyph.Top, glyph.Width, glyph.Height);
    UnionRect(run.Bounds, run.Bounds, box);
  }
  run.Coverage.assign(static_cast<size_t>(run.Bounds.Width()) * run.Bounds.Height(), 0);
  for (size_t i = 0; i < glyphs.size(); ++i)
    AddGlyph(run, *glyphs[i], pens[i] + glyphs[i]->Left, metrics.Ascent - glyphs[i]->Top);

  const LOGFONT& logFont = AFont.LogFont();
  if (logFont.lfUnderline)
    FillRows(run, metrics.UnderlineTop, metrics.UnderlineThickness, run.Cell.Left, run.Cell.Right);
  const int prefix = AStyle.PrefixIndex;
  if (prefix >= 0 && prefix < static_cast<int>(glyphs.size()))
    FillRows(run, metrics.UnderlineTop, metrics.UnderlineThickness, pens[prefix], pens[prefix + 1]);
  if (logFont.lfStrikeOut)
    FillRows(run, metrics.StrikeOutTop, metrics.StrikeOutThickness, run.Cell.Left, run.Cell.Right);

  for (int turn = 0; turn < AFont.QuarterTurns(); ++turn) TurnRun(run);
  return run;
}

// Everything a run without its own advances is made of: the sized face (whose glyphs,
// once rendered, never change), the lines the font adds, its turn, the tab stops, the
// underlined prefix and the text. Controls repaint the same captions over and over.
struct TRunKey {
  const TSizedFace* Face = nullptr;
  bool Underline = false;
  bool StrikeOut = false;
  int QuarterTurns = 0;
  int TabWidth = 0;
  int PrefixIndex = -1;
  std::u32string Text;

  bool operator==(const TRunKey&) const = default;
};

struct TRunKeyHash {
  size_t operator()(const TRunKey& AKey) const {
    size_t hash = std::hash<std::u32string>()(AKey.Text);
    for (const size_t part :
         {std::hash<const void*>()(AKey.Face), size_t(AKey.Underline), size_t(AKey.StrikeOut),
          size_t(AKey.QuarterTurns), size_t(AKey.TabWidth), size_t(AKey.PrefixIndex)})
      hash = hash * 31 + part;
    return hash;
  }
};

// Runs drawn lately; emptied whole when full. Texts are drawn on worker threads too
// (the text overlay of a conversion), hence the lock.
struct TRunCache {
  static constexpr size_t Capacity = 512;
  std::mutex Lock;
  std::unordered_map<TRunKey, TTextRun, TRunKeyHash> Runs;
};

TRunCache& RunCache() {
  static TRunCache cache;
  return cache;
}

std::atomic<int> RunRenders{0};

}  // namespace

TTextRun RenderTextRun(const TFontObject& AFont, std::u32string_view ACodePoints, const TRunStyle& AStyle) {
  if (AStyle.Dx) {
    ++RunRenders;
    return RenderRun(AFont, ACodePoints, AStyle);
  }
  const LOGFONT& logFont = AFont.LogFont();
  TRunKey key{&AFont.Face(),   logFont.lfUnderline != 0, logFont.lfStrikeOut != 0,   AFont.QuarterTurns(),
              AStyle.TabWidth, AStyle.PrefixIndex,       std::u32string(ACodePoints)};
  TRunCache& cache = RunCache();
  {
    std::lock_guard lock(cache.Lock);
    if (const auto found = cache.Runs.find(key); found != cache.Runs.end()) return found->second;
  }
  ++RunRenders;
  TTextRun run = RenderRun(AFont, ACodePoints, AStyle);
  std::lock_guard lock(cache.Lock);
  if (cache.Runs.size() >= TRunCache::Capacity) cache.Runs.clear();
  cache.Runs.emplace(std::move(key), run);
  return run;
}

int TextRunRenderCount() { return RunRenders; }

int TextWidth(const TFontObject& AFont, std::u32string_view ACodePoints) {
  std::vector<const TGlyph*> glyphs;
  AFont.Face().GetGlyphs(ACodePoints, glyphs);
  int width = 0;
  for (const TGlyph* glyph : glyphs) width += glyph->Advance;
  return width;
}

void DrawTextRun(TDeviceContext* ADC, int AX, int AY, const TTextRun& ARun, const TRect* AClip) {
  const TDeviceContext::TState& state = ADC->State();
  if (state.BkMode == OPAQUE) {
    TRect cell = ARun.Cell;
    OffsetRect(cell, AX, AY);
    if (!AClip || IntersectRect(cell, cell, *AClip)) FillSolidRect(ADC, cell, state.BkColor);
  }
  if (ARun.Coverage.empty()) return;
  BlendCoverage(ADC, AX + ARun.Bounds.Left, AY + ARun.Bounds.Top, ARun.Coverage.data(), ARun.Bounds.Width(),
                ARun.Bounds.Height(), ARun.Bounds.Width(), state.TextColor, AClip);
}

const TFontObject& SelectedFont(const TDeviceContext* ADC) {
  HGDIOBJ font = ADC->State().Font;
  if (!font || font->ObjectType() != OBJ_FONT) font = StockFont(DEFAULT_GUI_FONT);
  return *static_cast<const TFontObject*>(font);
}
