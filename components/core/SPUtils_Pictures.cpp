// The picture helpers: a 24-bit copy of a bitmap with its rows at hand, and JPEG files.

#include <algorithm>
#include <cctype>

#include "components/core/SPUtils.h"
#include "platform/base/Exceptions.h"
#include "platform/base/Paths.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/DeviceContext.h"

TFBitmap::TFBitmap(HBITMAP ABitmap) {
  BITMAP Source;
  if (!ABitmap || !GetObject(ABitmap, sizeof(Source), &Source) || Source.bmWidth <= 0 || Source.bmHeight <= 0)
    return;
  bmInfo.bmiHeader.biWidth = Source.bmWidth;
  bmInfo.bmiHeader.biHeight = -Source.bmHeight;
  bmInfo.bmiHeader.biBitCount = 24;
  void* SectionBits = nullptr;
  Handle = CreateDIBSection(nullptr, &bmInfo, DIB_RGB_COLORS, &SectionBits, nullptr, 0);
  if (!Handle) throw EOutOfMemory("Can't allocate the DIB handle");
  Bits = static_cast<uint8_t*>(SectionBits);
  Width = Source.bmWidth;
  Height = Source.bmHeight;
  Gap = Width % 4;
  RowInc = Width * 3 + Gap;
  Size = RowInc * Height;
  GetDIBits(nullptr, ABitmap, 0, unsigned(Height), Bits, &bmInfo, DIB_RGB_COLORS);
  Pixels.resize(size_t(Height));
  for (int Y = 0; Y < Height; ++Y) Pixels[size_t(Y)] = Bits + ptrdiff_t(Y) * RowInc;
  hDC = CreateCompatibleDC(nullptr);
  SelectObject(hDC, Handle);
}

TFBitmap::~TFBitmap() {
  if (hDC) DeleteDC(hDC);
  if (Handle) DeleteObject(Handle);
}

bool IsJpegFileName(const String& AFileName) {
  String Extension = ExtractFileExt(AFileName);
  std::transform(Extension.begin(), Extension.end(), Extension.begin(),
                 [](unsigned char C) { return char(std::tolower(C)); });
  return Extension == ".jpg" || Extension == ".jpeg";
}

void LoadJpegToBitmap(TBitmap& ABitmap, const String& AFileName) {
  TJPEGImage Picture;
  Picture.LoadFromFile(AFileName);
  ABitmap.Assign(Picture);
}
