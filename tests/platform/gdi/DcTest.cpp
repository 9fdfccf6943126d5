#include <gtest/gtest.h>

#include <functional>
#include <latch>
#include <thread>
#include <vector>

#include "platform/gdi/Blit.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Primitives.h"
#include "tests/platform/gdi/DrawingFixture.h"

TEST(DeviceContext, StartsWithTheDefaultObjects) {
  const HDC DC = CreateCompatibleDC(nullptr);
  const auto Bitmap = static_cast<HBITMAP>(GetCurrentObject(DC, OBJ_BITMAP));
  ASSERT_NE(nullptr, Bitmap);
  EXPECT_EQ(1, Bitmap->Width());
  EXPECT_EQ(32, Bitmap->BitsPerPixel());
  EXPECT_EQ(GetStockObject(BLACK_PEN), GetCurrentObject(DC, OBJ_PEN));
  EXPECT_EQ(GetStockObject(WHITE_BRUSH), GetCurrentObject(DC, OBJ_BRUSH));
  EXPECT_EQ(OPAQUE, GetBkMode(DC));
  EXPECT_EQ(R2_COPYPEN, GetROP2(DC));
  // Every memory device context shares the default bitmap.
  const HDC Other = CreateCompatibleDC(nullptr);
  EXPECT_EQ(Bitmap, GetCurrentObject(Other, OBJ_BITMAP));
  EXPECT_EQ(unsigned(OBJ_MEMDC), GetObjectType(DC));
  DeleteDC(Other);
  DeleteDC(DC);
}

TEST(DeviceContext, StockObjectsOutliveDeleteObject) {
  struct Case {
    int Index;
    unsigned Type;
  };
  const Case Cases[] = {{WHITE_BRUSH, OBJ_BRUSH},    {BLACK_BRUSH, OBJ_BRUSH}, {NULL_BRUSH, OBJ_BRUSH},
                        {WHITE_PEN, OBJ_PEN},        {BLACK_PEN, OBJ_PEN},     {NULL_PEN, OBJ_PEN},
                        {DEFAULT_GUI_FONT, OBJ_FONT}};
  for (const Case& C : Cases) {
    const HGDIOBJ Object = GetStockObject(C.Index);
    ASSERT_NE(nullptr, Object) << C.Index;
    EXPECT_TRUE(DeleteObject(Object));
    EXPECT_EQ(C.Type, GetObjectType(GetStockObject(C.Index))) << C.Index;  // still there (and the same)
    EXPECT_EQ(Object, GetStockObject(C.Index));
  }
  LOGPEN Pen;
  ASSERT_EQ(int(sizeof(LOGPEN)), GetObject(GetStockObject(WHITE_PEN), sizeof(Pen), &Pen));
  EXPECT_EQ(RGB(255, 255, 255), Pen.lopnColor);
  EXPECT_EQ(nullptr, GetStockObject(99));
}

TEST(DeviceContext, BitmapIsSelectedIntoOneContextAtATime) {
  const HBITMAP Bitmap = CreateDib(4, 4, 32);
  const HDC First = CreateCompatibleDC(nullptr), Second = CreateCompatibleDC(nullptr);
  const HGDIOBJ Default = SelectObject(First, Bitmap);
  ASSERT_NE(nullptr, Default);
  EXPECT_EQ(nullptr, SelectObject(Second, Bitmap));
  EXPECT_EQ(First, Bitmap->SelectedInto());
  SelectObject(First, Default);
  EXPECT_EQ(Default, SelectObject(Second, Bitmap));
  SelectObject(Second, Default);
  DeleteDC(First);
  DeleteDC(Second);
  DeleteObject(Bitmap);
}

TEST(DeviceContext, ObjectDeletedWhileSelectedStaysUsableUntilDeselected) {
  TTestBitmap Target(4, 1, 0x00FFFFFF);
  const HPEN Pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  const HGDIOBJ Old = SelectObject(Target.DC, Pen);
  SaveDC(Target.DC);
  EXPECT_TRUE(DeleteObject(Pen));  // freed once no state refers to it
  MoveToEx(Target.DC, 0, 0, nullptr);
  LineTo(Target.DC, 2, 0);
  EXPECT_EQ(0x00FF0000u, Target.At(1, 0));
  SelectObject(Target.DC, Old);
  RestoreDC(Target.DC, -1);  // the saved state still held the pen
  EXPECT_EQ(Pen, GetCurrentObject(Target.DC, OBJ_PEN));
  LineTo(Target.DC, 4, 0);
  EXPECT_EQ(0x00FF0000u, Target.At(3, 0));
  SelectObject(Target.DC, Old);  // the last use: the pen goes now (the sanitizer build checks)
  EXPECT_FALSE(DeleteObject(Target.DC));
  EXPECT_FALSE(DeleteObject(nullptr));
}

// Overlays draw on worker threads with pens and bitmaps the main thread made: a pen
// deleted while device contexts on several threads still hold it (in their current and
// saved states) keeps drawing until the last of them lets go, and is freed once (the
// sanitizer builds check); a bitmap is selected into one thread's device context at a time.
TEST(DeviceContext, ObjectsSharedAcrossThreadsAreCountedAndFreedOnce) {
  constexpr int Threads = 4;
  const HPEN Pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  const HBITMAP Shared = CreateDib(2, 2, 32);
  std::latch AllHoldThePen(Threads + 1), PenDeleted(1);
  std::vector<std::thread> Workers;
  for (int Index = 0; Index < Threads; ++Index) {
    Workers.emplace_back([&] {
      TTestBitmap Target(4, 1, 0x00FFFFFF);
      const HGDIOBJ OldPen = SelectObject(Target.DC, Pen);
      AllHoldThePen.count_down();
      PenDeleted.wait();
      for (int Round = 0; Round < 200; ++Round) {
        SaveDC(Target.DC);
        SelectObject(Target.DC, OldPen);
        RestoreDC(Target.DC, -1);
      }
      MoveToEx(Target.DC, 0, 0, nullptr);
      LineTo(Target.DC, 4, 0);
      EXPECT_EQ(0x00FF0000u, Target.At(3, 0));
      SelectObject(Target.DC, OldPen);

      const HDC Other = CreateCompatibleDC(nullptr);
      for (int Round = 0; Round < 200; ++Round) {
        const HGDIOBJ Old = SelectObject(Other, Shared);
        if (!Old) continue;  // another thread's device context holds it now
        EXPECT_EQ(Other, Shared->SelectedInto());
        SelectObject(Other, Old);
      }
      DeleteDC(Other);
    });
  }
  AllHoldThePen.arrive_and_wait();
  EXPECT_TRUE(DeleteObject(Pen));
  PenDeleted.count_down();
  for (std::thread& Worker : Workers) Worker.join();
  EXPECT_EQ(nullptr, Shared->SelectedInto());
  EXPECT_TRUE(DeleteObject(Shared));
}

TEST(DeviceContext, SaveAndRestoreBringBackTheWholeState) {
  TTestBitmap Target(8, 8);
  const HBRUSH Brush = CreateSolidBrush(RGB(1, 2, 3));
  const HGDIOBJ OldBrush = SelectObject(Target.DC, Brush);
  SetTextColor(Target.DC, RGB(9, 9, 9));
  EXPECT_EQ(1, SaveDC(Target.DC));
  SetViewportOrgEx(Target.DC, 3, 4, nullptr);
  SetWindowOrgEx(Target.DC, 1, 1, nullptr);
  IntersectClipRect(Target.DC, 0, 0, 2, 2);
  SetROP2(Target.DC, R2_XORPEN);
  SetBkMode(Target.DC, TRANSPARENT);
  SelectObject(Target.DC, GetStockObject(NULL_BRUSH));
  EXPECT_EQ(2, SaveDC(Target.DC));
  SetTextColor(Target.DC, RGB(7, 7, 7));
  EXPECT_EQ(3, SaveDC(Target.DC));

  EXPECT_FALSE(RestoreDC(Target.DC, 4));
  EXPECT_FALSE(RestoreDC(Target.DC, -4));
  EXPECT_FALSE(RestoreDC(Target.DC, 0));
  ASSERT_TRUE(RestoreDC(Target.DC, -2));  // back to state 2; state 3 is dropped
  EXPECT_EQ(RGB(9, 9, 9), GetTextColor(Target.DC));
  EXPECT_EQ(R2_XORPEN, GetROP2(Target.DC));
  EXPECT_FALSE(RestoreDC(Target.DC, 2));
  ASSERT_TRUE(RestoreDC(Target.DC, 1));

  POINT Origin;
  GetViewportOrgEx(Target.DC, &Origin);
  EXPECT_EQ(Point(0, 0), Origin);
  GetWindowOrgEx(Target.DC, &Origin);
  EXPECT_EQ(Point(0, 0), Origin);
  RECT Box;
  EXPECT_EQ(SIMPLEREGION, GetClipBox(Target.DC, &Box));
  EXPECT_EQ(Rect(0, 0, 8, 8), Box);
  EXPECT_EQ(R2_COPYPEN, GetROP2(Target.DC));
  EXPECT_EQ(OPAQUE, GetBkMode(Target.DC));
  EXPECT_EQ(Brush, GetCurrentObject(Target.DC, OBJ_BRUSH));
  EXPECT_EQ(RGB(9, 9, 9), GetTextColor(Target.DC));
  SelectObject(Target.DC, OldBrush);
  DeleteObject(Brush);
}

TEST(DeviceContext, ClipCallsWorkInTheirCoordinates) {
  TTestBitmap Target(20, 20);
  SetWindowOrgEx(Target.DC, 5, 0, nullptr);  // logical x 5 is device x 0
  EXPECT_EQ(SIMPLEREGION, IntersectClipRect(Target.DC, 7, 2, 15, 12));
  EXPECT_EQ(COMPLEXREGION, ExcludeClipRect(Target.DC, 9, 4, 11, 6));
  RECT Box;
  EXPECT_EQ(COMPLEXREGION, GetClipBox(Target.DC, &Box));
  EXPECT_EQ(Rect(7, 2, 15, 12), Box);

  const HRGN Clip = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(1, GetClipRgn(Target.DC, Clip));  // device coordinates
  EXPECT_FALSE(PtInRegion(Clip, 5, 5));
  EXPECT_TRUE(PtInRegion(Clip, 2, 2));
  EXPECT_FALSE(PtInRegion(Clip, 10, 2));

  RECT Probe = Rect(9, 4, 11, 6);
  EXPECT_FALSE(RectVisible(Target.DC, &Probe));
  Probe = Rect(0, 0, 8, 3);
  EXPECT_TRUE(RectVisible(Target.DC, &Probe));

  // SelectClipRgn takes device coordinates and keeps its own copy.
  SetRectRgn(Clip, 0, 0, 2, 2);
  EXPECT_EQ(SIMPLEREGION, SelectClipRgn(Target.DC, Clip));
  SetRectRgn(Clip, 0, 0, 20, 20);
  GetClipBox(Target.DC, &Box);
  EXPECT_EQ(Rect(5, 0, 7, 2), Box);
  EXPECT_EQ(SIMPLEREGION, SelectClipRgn(Target.DC, nullptr));
  EXPECT_EQ(0, GetClipRgn(Target.DC, Clip));
  GetClipBox(Target.DC, &Box);
  EXPECT_EQ(Rect(5, 0, 25, 20), Box);
  EXPECT_EQ(NULLREGION, IntersectClipRect(Target.DC, 0, 0, 1, 1));  // left of the bitmap
  DeleteObject(Clip);
}

// A window device context draws into part of a shared bitmap: device (0, 0) at the
// window's corner, and never outside the window's visible part.
TEST(DeviceContext, DeviceAreaPlacesAndLimitsAWindowContext) {
  const HBITMAP Backing = CreateDib(12, 8, 32);
  TDeviceContext Window(OBJ_DC);
  const HGDIOBJ Default = SelectObject(&Window, Backing);
  Window.SetDeviceArea({4, 2}, TRegion(Rect(4, 2, 10, 6)));
  auto Painted = [&] {
    String Picture;
    for (int Y = 0; Y < 8; ++Y) {
      for (int X = 0; X < 12; ++X) Picture += Backing->Surface().Pixel(X, Y)[0] ? '#' : '.';
      Picture += '\n';
    }
    return Picture;
  };
  EXPECT_EQ(RGB(0, 0, 9), SetPixel(&Window, 0, 0, RGB(0, 0, 9)));
  EXPECT_EQ(9, Backing->Surface().Pixel(4, 2)[0]);
  FillSolidRect(&Window, Rect(-50, -50, 50, 50), RGB(0, 0, 1));
  EXPECT_EQ(
      "............\n............\n....######..\n....######..\n....######..\n....######..\n"
      "............\n............\n",
      Painted());

  // The clip region is relative to the window's corner, as is the clip box.
  IntersectClipRect(&Window, 1, 1, 3, 9);
  RECT Box;
  EXPECT_EQ(SIMPLEREGION, GetClipBox(&Window, &Box));
  EXPECT_EQ(Rect(1, 1, 3, 4), Box);
  SelectObject(&Window, Default);
  DeleteObject(Backing);
}

// Every drawing route, drawn over an area much larger than the clip, under a window
// origin, a viewport origin and a clip with a hole, must change exactly the clipped
// pixels: the clip region for fills, its intersection with the row for the line.
TEST(DeviceContext, EveryDrawingRouteHonoursOriginAndClip) {
  constexpr uint32_t Background = 0x11223344;
  TTestBitmap Source(64, 64, 0xFF00C000);
  Source.Set(0, 0, 0xFF0000C0);  // no key colour anywhere but here, outside the drawn part

  const std::vector<uint32_t> DibPixels(64 * 64, 0xFF808000);
  BITMAPINFO DibInfo{};
  DibInfo.bmiHeader.biWidth = 64;
  DibInfo.bmiHeader.biHeight = -64;
  DibInfo.bmiHeader.biBitCount = 32;
  std::vector<uint8_t> Coverage(60 * 60, 255);
  const TRect Huge = Rect(-10, -10, 50, 50);

  struct Route {
    const char* Name;
    std::function<void(HDC)> Draw;
    bool IsLine = false;
  };
  const std::vector<Route> Routes = {
      {"FillRect", [&](HDC DC) { FillRect(DC, &Huge, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))); }},
      {"FillSolidRect", [&](HDC DC) { FillSolidRect(DC, Huge, RGB(1, 2, 3)); }},
      {"Rectangle", [&](HDC DC) { Rectangle(DC, -10, -10, 50, 50); }},
      {"Ellipse", [&](HDC DC) { Ellipse(DC, -100, -100, 140, 140); }},
      {"Polygon",
       [&](HDC DC) {
         const POINT Corners[] = {{-10, -10}, {50, -10}, {50, 50}, {-10, 50}};
         Polygon(DC, Corners, 4);
       }},
      {"PatBlt", [&](HDC DC) { PatBlt(DC, -10, -10, 60, 60, DSTINVERT); }},
      {"BitBlt", [&](HDC DC) { BitBlt(DC, -10, -10, 60, 60, Source.DC, 0, 1, SRCCOPY); }},
      {"StretchBlt", [&](HDC DC) { StretchBlt(DC, -10, -10, 60, 60, Source.DC, 1, 1, 30, 30, SRCCOPY); }},
      {"AlphaBlend",
       [&](HDC DC) { AlphaBlend(DC, -10, -10, 60, 60, Source.DC, 1, 1, 60, 60, BLENDFUNCTION{}); }},
      {"TransparentBlt",
       [&](HDC DC) { TransparentBlt(DC, -10, -10, 60, 60, Source.DC, 1, 1, 60, 60, RGB(0xC0, 0, 0)); }},
      {"SetDIBitsToDevice",
       [&](HDC DC) { SetDIBitsToDevice(DC, -10, -10, 60, 60, 0, 0, 0, 64, DibPixels.data(), &DibInfo, 0); }},
      {"StretchDIBits",
       [&](HDC DC) {
         StretchDIBits(DC, -10, -10, 60, 60, 0, 0, 20, 20, DibPixels.data(), &DibInfo, 0, SRCCOPY);
       }},
      {"BlendCoverage",
       [&](HDC DC) { BlendCoverage(DC, -10, -10, Coverage.data(), 60, 60, 60, RGB(9, 9, 9)); }},
      {"SetPixel",
       [&](HDC DC) {
         for (int Y = -10; Y < 50; ++Y)
           for (int X = -10; X < 50; ++X) SetPixel(DC, X, Y, RGB(5, 5, 5));
       }},
      {"LineTo",
       [&](HDC DC) {
         MoveToEx(DC, -50, 6, nullptr);
         LineTo(DC, 90, 6);
       },
       true},
  };

  for (const Route& R : Routes) {
    TTestBitmap Target(24, 24, Background);
    SetWindowOrgEx(Target.DC, 2, 3, nullptr);
    SetViewportOrgEx(Target.DC, 5, 4, nullptr);  // logical p lands on p + (3, 1)
    IntersectClipRect(Target.DC, 4, 4, 14, 12);  // device (7, 5, 17, 13)
    ExcludeClipRect(Target.DC, 7, 5, 9, 8);      // device (10, 6, 12, 9)
    R.Draw(Target.DC);
    int Changed = 0;
    for (int Y = 0; Y < 24; ++Y)
      for (int X = 0; X < 24; ++X) {
        const bool InClip =
            PtInRect(Rect(7, 5, 17, 13), Point(X, Y)) && !PtInRect(Rect(10, 6, 12, 9), Point(X, Y));
        const bool Expected = InClip && (!R.IsLine || Y == 7);
        const bool IsChanged = Target.At(X, Y) != Background;
        Changed += IsChanged;
        ASSERT_EQ(Expected, IsChanged) << R.Name << " at (" << X << ", " << Y << ")";
      }
    EXPECT_GT(Changed, 0) << R.Name;
  }
}

// 32-bit pixels blend a whole pixel at a time, the other depths channel by channel:
// both give the same colour for every coverage (24-bit pixels have no alpha).
TEST(DeviceContext, CoverageBlendsAlikeAtEveryDepth) {
  uint8_t Coverage[256];
  for (int C = 0; C < 256; ++C) Coverage[C] = static_cast<uint8_t>(C);
  for (const COLORREF Text : {RGB(255, 255, 255), RGB(0, 0, 0), RGB(13, 200, 97)})
    for (const uint32_t Background : {0xFFFFFFFFu, 0xFF000000u, 0x80F01080u}) {
      TTestBitmap Whole(256, 1, Background, 32);
      TTestBitmap ByChannel(256, 1, Background, 24);
      BlendCoverage(Whole.DC, 0, 0, Coverage, 256, 1, 256, Text);
      BlendCoverage(ByChannel.DC, 0, 0, Coverage, 256, 1, 256, Text);
      for (int X = 0; X < 256; ++X)
        ASSERT_EQ(Whole.At(X, 0) & 0x00FFFFFF, ByChannel.At(X, 0)) << "coverage " << X << ", text " << Text;
    }
}

TEST(DeviceContext, CoverageBlendsTheTextColourAndClearsAlpha) {
  TTestBitmap Target(4, 1, 0xFF204060);
  const uint8_t Coverage[4] = {0, 128, 255, 64};
  BlendCoverage(Target.DC, 0, 0, Coverage, 4, 1, 4, RGB(255, 255, 255));
  EXPECT_EQ(0xFF204060u, Target.At(0, 0));  // untouched, alpha too
  // 255 × 128 / 255 + c × 127 / 255, each product rounded: 128 + 16, 128 + 32, 128 + 48.
  EXPECT_EQ(0x0090A0B0u, Target.At(1, 0));
  EXPECT_EQ(0x00FFFFFFu, Target.At(2, 0));
  // 255 × 64 / 255 + c × 191 / 255: 64 + 24, 64 + 48, 64 + 72.
  EXPECT_EQ(0x00587088u, Target.At(3, 0));

  // The extra clip rectangle is logical, like the mask position.
  TTestBitmap Clipped(4, 1, 0);
  SetViewportOrgEx(Clipped.DC, 1, 0, nullptr);
  const RECT Clip = Rect(0, 0, 2, 1);
  const uint8_t Full[4] = {255, 255, 255, 255};
  BlendCoverage(Clipped.DC, -1, 0, Full, 4, 1, 4, RGB(255, 0, 0), &Clip);
  EXPECT_EQ(".##.\n", Clipped.Picture(0));
}
