// Drawing a table of text: 40 rows of 5 columns (file name, size, duration, format,
// state), as the main window's list shows a batch, into a 1280 × 800 32-bit bitmap,
// against memcpy of the bitmap's bytes. The glyph cache is warm after the first frame,
// as it is while the program runs.

#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/base/Strings.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Text.h"

namespace {

constexpr int Width = 1280;
constexpr int Height = 800;
constexpr int Rows = 40;
constexpr int RowHeight = Height / Rows;
constexpr int Frames = 200;

using TClock = std::chrono::steady_clock;

double SecondsSince(TClock::time_point AStart) {
  return std::chrono::duration<double>(TClock::now() - AStart).count();
}

std::vector<String> RowCells(int ARow) {
  return {Format("Holiday video %d - beach and harbour at sunset, part %d.mp4", ARow + 1, ARow % 7 + 1),
          Format("%d.%d MB", 12 + ARow * 37 % 900, ARow % 10),
          Format("00:%.2d:%.2d", ARow % 60, ARow * 7 % 60), ARow % 2 ? "MP4 H.264 / AAC" : "AVI MPEG-4 / MP3",
          ARow % 3 ? "Waiting" : "Converting 42%"};
}

void DrawTable(HDC ADC, const std::vector<std::vector<String>>& ATable) {
  static const int ColumnRights[] = {520, 660, 780, 1000, 1280};
  for (int row = 0; row < Rows; ++row) {
    int left = 0;
    for (size_t column = 0; column < ATable[row].size(); ++column) {
      TRect cell{left + 4, row * RowHeight, ColumnRights[column] - 4, (row + 1) * RowHeight};
      DrawText(ADC, ATable[row][column], cell, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
      left = ColumnRights[column];
    }
  }
}

}  // namespace

int main() {
  HBITMAP bitmap = CreateDib(Width, Height, 32);
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, bitmap);
  LOGFONT logFont;
  logFont.lfFaceName = "Tahoma";
  logFont.lfHeight = -11;
  HFONT font = CreateFontIndirect(logFont);
  SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);

  std::vector<std::vector<String>> table;
  for (int row = 0; row < Rows; ++row) table.push_back(RowCells(row));
  DrawTable(dc, table);  // warms the glyph cache

  TClock::time_point start = TClock::now();
  for (int frame = 0; frame < Frames; ++frame) DrawTable(dc, table);
  const double textSeconds = SecondsSince(start) / Frames;

  const size_t bytes = size_t(Width) * Height * 4;
  std::vector<uint8_t> copy(bytes);
  const uint8_t* pixels = bitmap->Bits();
  start = TClock::now();
  for (int frame = 0; frame < Frames; ++frame) {
    std::memcpy(copy.data(), pixels, bytes);
    // Keeps the copy from being optimised away.
    copy[frame % bytes] ^= 1;
  }
  const double copySeconds = SecondsSince(start) / Frames;

  std::printf("text table %dx%d (%d rows x 5 columns): %.3f ms per frame\n", Width, Height, Rows,
              textSeconds * 1000);
  std::printf("memcpy of %zu bytes: %.3f ms\n", bytes, copySeconds * 1000);
  std::printf("ratio text / memcpy: %.1f\n", textSeconds / copySeconds);

  DeleteDC(dc);
  DeleteObject(font);
  DeleteObject(bitmap);
  return 0;
}
