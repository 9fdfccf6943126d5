#include <algorithm>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontCacheInternal.h"
#include "platform/gdi/Text.h"
#include "platform/gdi/TextLayout.h"
#include "platform/gdi/TextRunInternal.h"

namespace {

// Tab stops fall every eight average characters unless DrawTextEx is told otherwise.
constexpr int DefaultTabLength = 8;

int LineLeft(const TRect& AArea, int ALineWidth, unsigned AFormat) {
  if (AFormat & DT_CENTER) return AArea.Left + ((AArea.Width() - ALineWidth) >> 1);
  if (AFormat & DT_RIGHT) return AArea.Right - ALineWidth;
  return AArea.Left;
}

// Vertical alignment applies to a single line only, as in the window system.
int TextTop(const TRect& AArea, int ATextHeight, unsigned AFormat) {
  if (!(AFormat & DT_SINGLELINE)) return AArea.Top;
  if (AFormat & DT_VCENTER) return AArea.Top + ((AArea.Height() - ATextHeight) >> 1);
  if (AFormat & DT_BOTTOM) return AArea.Bottom - ATextHeight;
  return AArea.Top;
}

}  // namespace

int DrawText(HDC ADC, const String& AText, TRect& ARect, unsigned AFormat) {
  return DrawTextEx(ADC, AText, ARect, AFormat, nullptr);
}

int DrawTextEx(HDC ADC, const String& AText, TRect& ARect, unsigned AFormat, DRAWTEXTPARAMS* AParams) {
  if (!ADC) return 0;
  const TFontObject& font = SelectedFont(ADC);
  const TEXTMETRIC& metric = font.TextMetric();
  const int leftMargin = AParams ? AParams->iLeftMargin : 0;
  const int rightMargin = AParams ? AParams->iRightMargin : 0;
  const int tabLength = AParams && AParams->iTabLength > 0 ? AParams->iTabLength : DefaultTabLength;
  const TRect area{ARect.Left + leftMargin, ARect.Top, ARect.Right - rightMargin, ARect.Bottom};

  TLayoutOptions options;
  options.Format = AFormat;
  options.Width = area.Width();
  options.Height = area.Height();
  options.LineHeight = metric.tmHeight;
  options.TabWidth = tabLength * metric.tmAveCharWidth;
  TSizedFace& face = font.Face();
  const std::vector<TLayoutLine> lines =
      LayoutText(AText, options, [&face](char32_t ACodePoint) { return face.Advance(ACodePoint); });
  if (AParams) AParams->uiLengthDrawn = static_cast<unsigned>(Utf8Length(AText));
  const int textHeight = static_cast<int>(lines.size()) * metric.tmHeight;

  if (AFormat & DT_CALCRECT) {
    int widest = 0;
    for (const TLayoutLine& line : lines) widest = std::max(widest, line.Width);
    ARect.Right = area.Left + widest + rightMargin;
    ARect.Bottom = ARect.Top + textHeight;
    return textHeight;
  }

  const int top = TextTop(area, textHeight, AFormat);
  const TRect* clip = (AFormat & DT_NOCLIP) ? nullptr : &ARect;
  TRunStyle style;
  style.TabWidth = (AFormat & DT_EXPANDTABS) ? options.TabWidth : 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    style.PrefixIndex = lines[i].PrefixIndex;
    const int y = top + static_cast<int>(i) * metric.tmHeight;
    DrawTextRun(ADC, LineLeft(area, lines[i].Width, AFormat), y, RenderTextRun(font, lines[i].Text, style),
                clip);
  }
  return (AFormat & (DT_VCENTER | DT_BOTTOM)) ? top - ARect.Top + textHeight : textHeight;
}
