// The device-context and canvas brackets when the handler between them throws: the
// device context is as it was, the canvas has let go of it and nobody holds its lock.

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <thread>

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DcScopes.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DrawingObjects.h"
#include "platform/gdi/Graphics.h"

namespace {

// What a paint routine does around the application's handler (an OnPaint or a custom
// draw): it saves the device context, selects a brush of its own, and lends the device
// context to a locked canvas.
void PaintAround(HDC ADC, TCanvas& ACanvas, const std::function<void(TCanvas&)>& AHandler) {
  TSavedDC Saved(ADC);
  TSelectedObject Brush(ADC, GetStockObject(BLACK_BRUSH));
  TCanvasHandleScope Lent(ACanvas, ADC, tlLocked);
  AHandler(ACanvas);
}

// Whether another thread can take the canvas's lock now (its lock is recursive, so the
// test thread's own try would always succeed).
bool FreeForOtherThreads(TCanvas& ACanvas) {
  bool Taken = false;
  std::thread Other([&] {
    Taken = ACanvas.TryLock();
    if (Taken) ACanvas.Unlock();
  });
  Other.join();
  return Taken;
}

// The part of a device context's state the tests look at.
struct TDCState {
  HGDIOBJ Pen, Brush;
  COLORREF TextColor;
  int BkMode;
  POINT Origin;
  RECT Clip;

  explicit TDCState(HDC ADC)
      : Pen(GetCurrentObject(ADC, OBJ_PEN)),
        Brush(GetCurrentObject(ADC, OBJ_BRUSH)),
        TextColor(GetTextColor(ADC)),
        BkMode(GetBkMode(ADC)) {
    GetWindowOrgEx(ADC, &Origin);
    GetClipBox(ADC, &Clip);
  }
  void ExpectEqual(const TDCState& AOther) const {
    EXPECT_EQ(Pen, AOther.Pen);
    EXPECT_EQ(Brush, AOther.Brush);
    EXPECT_EQ(TextColor, AOther.TextColor);
    EXPECT_EQ(BkMode, AOther.BkMode);
    EXPECT_EQ(Origin, AOther.Origin);
    EXPECT_EQ(Clip, AOther.Clip);
  }
};

class DcScopesTest : public testing::Test {
 protected:
  void SetUp() override {
    DC = CreateCompatibleDC(nullptr);
    Bitmap = CreateDib(16, 16, 32);
    Default = SelectObject(DC, Bitmap);
  }
  void TearDown() override {
    SelectObject(DC, Default);
    DeleteObject(Bitmap);
    DeleteDC(DC);
  }

  HDC DC = nullptr;
  HBITMAP Bitmap = nullptr;
  HGDIOBJ Default = nullptr;
  TCanvas Canvas;
};

}  // namespace

TEST_F(DcScopesTest, AThrowingHandlerLeavesTheDeviceContextRestoredAndTheCanvasReleased) {
  const TDCState Before(DC);
  const HPEN Red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  EXPECT_THROW(PaintAround(DC, Canvas,
                           [&](TCanvas& ACanvas) {
                             ASSERT_FALSE(FreeForOtherThreads(ACanvas));
                             // The handler draws through the canvas and changes the
                             // device context behind its back.
                             ACanvas.Pen().SetColor(clBlue);
                             ACanvas.Rectangle(1, 1, 8, 8);
                             SelectObject(ACanvas.Handle(), Red);
                             SetTextColor(ACanvas.Handle(), RGB(1, 2, 3));
                             SetBkMode(ACanvas.Handle(), TRANSPARENT);
                             SetWindowOrgEx(ACanvas.Handle(), 5, 7, nullptr);
                             IntersectClipRect(ACanvas.Handle(), 2, 2, 4, 4);
                             throw std::runtime_error("handler failed");
                           }),
               std::runtime_error);

  TDCState(DC).ExpectEqual(Before);
  EXPECT_FALSE(Canvas.HandleAllocated());
  EXPECT_TRUE(FreeForOtherThreads(Canvas));
  // Nothing holds the pen any more, so it can go.
  EXPECT_TRUE(DeleteObject(Red));
}

TEST_F(DcScopesTest, EachBracketUndoesItsOwnPartWhenTheScopeThrows) {
  const TDCState Before(DC);
  const HBRUSH Brush = CreateSolidBrush(RGB(0, 255, 0));
  EXPECT_THROW(
      {
        TSelectedObject Selected(DC, Brush);
        EXPECT_EQ(Brush, GetCurrentObject(DC, OBJ_BRUSH));
        throw std::runtime_error("custom draw failed");
      },
      std::runtime_error);
  EXPECT_EQ(Before.Brush, GetCurrentObject(DC, OBJ_BRUSH));
  EXPECT_TRUE(DeleteObject(Brush));

  EXPECT_THROW(
      {
        TCanvasHandleScope Lent(Canvas, DC);
        EXPECT_TRUE(Canvas.HandleAllocated());
        EXPECT_TRUE(FreeForOtherThreads(Canvas));  // lent without the lock
        throw std::runtime_error("paint failed");
      },
      std::runtime_error);
  EXPECT_FALSE(Canvas.HandleAllocated());

  EXPECT_THROW(
      {
        TCanvasLock Locked(Canvas);
        EXPECT_FALSE(FreeForOtherThreads(Canvas));
        throw std::runtime_error("hook failed");
      },
      std::runtime_error);
  EXPECT_TRUE(FreeForOtherThreads(Canvas));
  TDCState(DC).ExpectEqual(Before);
}
