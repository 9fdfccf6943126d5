// What lies under a transparent control: its parent's background and the windowless
// siblings below it, painted into the control's own surface on the headless window
// system; the device context and the painting flags come back also when a painting
// handler raises.

#include <gtest/gtest.h>

#include "components/core/SPUtils.h"
#include "platform/base/Exceptions.h"
#include "platform/gdi/Primitives.h"
#include "platform/ui/Controls.h"
#include "platform/ui/CustomForm.h"
#include "platform/win/WindowProcedures.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/WindowTree.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace skin_parent_background_test {
namespace {

// A parent whose left 50 columns are red and the rest blue.
class TTwoColourParent : public TCustomControl {
 public:
  explicit TTwoColourParent(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle.Include(csAcceptsControls);
    SetVisible(false);
    SetColor(clWhite);
    SetBounds(100, 100, 100, 60);
  }
  bool SawPaintCopy = false;

 protected:
  void Paint() override {
    SawPaintCopy = ControlState.Contains(csPaintCopy);
    Canvas().Brush().SetColor(clRed);
    Canvas().FillRect(Rect(0, 0, 50, Height()));
    Canvas().Brush().SetColor(clBlue);
    Canvas().FillRect(Rect(50, 0, Width(), Height()));
  }
  void CreateParams(TCreateParams& AParams) override {
    TCustomControl::CreateParams(AParams);
    AParams.Style = WS_POPUP;
  }
};

// A windowless sibling filled green, or raising from its painting.
class TGreenBox : public TGraphicControl {
 public:
  TGreenBox(TWinControl* AParent, TRect ABounds) : TGraphicControl(AParent) {
    SetBoundsRect(ABounds);
    SetParent(AParent);
  }
  bool Raises = false;
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    if (Raises) throw Exception("painting failed");
    Canvas().Brush().SetColor(clLime);
    Canvas().FillRect(ClientRect());
  }
};

class TPlainChild : public TCustomControl {
 public:
  TPlainChild(TWinControl* AParent, TRect ABounds) : TCustomControl(AParent) {
    SetBoundsRect(ABounds);
    SetParent(AParent);
  }
};

class SkinParentBackgroundTest : public testing::Test {
 protected:
  void SetUp() override {
    StartWindowSystem(std::make_unique<THeadlessBackend>());
    FParent = std::make_unique<TTwoColourParent>(nullptr);
    FSibling = new TGreenBox(FParent.get(), Bounds(30, 10, 20, 20));
    FFarSibling = new TGreenBox(FParent.get(), Bounds(0, 50, 10, 10));
    FChild = new TPlainChild(FParent.get(), Bounds(40, 5, 40, 40));
    FSurface.SetSize(40, 40);
  }
  void TearDown() override {
    FParent.reset();
    StopWindowSystem();
  }
  uint32_t At(int AX, int AY) { return reinterpret_cast<uint32_t*>(FSurface.ScanLine(AY))[AX] & 0xFFFFFF; }

  std::unique_ptr<TTwoColourParent> FParent;
  TGreenBox* FSibling = nullptr;
  TGreenBox* FFarSibling = nullptr;
  TPlainChild* FChild = nullptr;
  TBitmap FSurface;
};

TEST_F(SkinParentBackgroundTest, TheChildShowsItsParentAndTheSiblingBelowIt) {
  PaintParentBackground(FChild, FSurface.Canvas());
  // Surface pixel (x, y) is the parent's (40 + x, 5 + y); the sibling covers the
  // parent's (30..50, 10..30).
  int Wrong = 0;
  for (int Y = 0; Y < 40; ++Y)
    for (int X = 0; X < 40; ++X) {
      const int PX = 40 + X, PY = 5 + Y;
      const bool InSibling = PX >= 30 && PX < 50 && PY >= 10 && PY < 30;
      const uint32_t Expected = InSibling ? 0x00FF00 : PX < 50 ? 0xFF0000 : 0x0000FF;
      Wrong += At(X, Y) != Expected;
    }
  EXPECT_EQ(Wrong, 0);
  EXPECT_TRUE(FParent->SawPaintCopy);
  EXPECT_EQ(FFarSibling->Paints, 0);  // it does not reach under the child
  EXPECT_FALSE(FParent->ControlState.Contains(csPaintCopy));
  EXPECT_FALSE(FSibling->ControlState.Contains(csPaintCopy));
}

TEST_F(SkinParentBackgroundTest, APartOfTheControlIsPaintedFromItsOwnPoint) {
  // The canvas's origin stands for the child's (5, 0): the parent's (45, 5).
  PaintPageControlBackground(FChild, Rect(5, 0, 40, 40), FSurface.Canvas());
  EXPECT_EQ(At(0, 10), 0x00FF00u);  // the parent's (45, 15): the sibling
  EXPECT_EQ(At(5, 10), 0x0000FFu);  // (50, 15): the parent's blue
  EXPECT_EQ(At(0, 0), 0xFF0000u);   // (45, 5): red, above the sibling
}

TEST_F(SkinParentBackgroundTest, ARaisingPainterLeavesTheContextAndFlagsAsTheyWere) {
  FSibling->Raises = true;
  HDC DC = FSurface.Canvas().Handle();
  EXPECT_THROW(PaintParentBackground(FChild, FSurface.Canvas()), Exception);
  POINT Origin{-1, -1};
  GetViewportOrgEx(DC, &Origin);
  EXPECT_EQ(Origin, Point(0, 0));
  TRect Clip;
  GetClipBox(DC, &Clip);
  EXPECT_EQ(Clip, Rect(0, 0, 40, 40));
  EXPECT_FALSE(FParent->ControlState.Contains(csPaintCopy));
  EXPECT_FALSE(FSibling->ControlState.Contains(csPaintCopy));
}

TEST_F(SkinParentBackgroundTest, AControlWithoutAParentPaintsNothing) {
  TPlainChild Orphan(nullptr, Bounds(0, 0, 10, 10));
  PaintParentBackground(&Orphan, FSurface.Canvas());
  PaintParentBackground(nullptr, FSurface.Canvas());
  EXPECT_EQ(At(5, 5), 0xFFFFFFu);
}

TEST_F(SkinParentBackgroundTest, OnAnMdiFrameTheMdiClientErasesUnderTheControl) {
  // The frame's own background lies hidden under its MDI client: the client window is
  // asked to erase, and what it paints is what the control shows.
  TForm Frame(nullptr);
  Frame.SetFormStyle(fsMDIForm);
  Frame.SetColor(clRed);
  Frame.SetBounds(0, 0, 200, 150);
  auto* Child = new TPlainChild(&Frame, Bounds(10, 10, 40, 40));
  Frame.HandleNeeded();
  HWND Client = Frame.ClientHandle();
  ASSERT_NE(Client, nullptr);
  int ClientErases = 0;
  WNDPROC Previous = nullptr;
  const WNDPROC Procedure =
      MakeProcInstance([&](HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
        if (AMessage != WM_ERASEBKGND) return CallWindowProc(Previous, AWindow, AMessage, AWParam, ALParam);
        ++ClientErases;
        const RECT Whole = Rect(0, 0, 1000, 1000);
        HBRUSH Green = CreateSolidBrush(RGB(0, 255, 0));
        FillRect(reinterpret_cast<HDC>(AWParam), &Whole, Green);
        DeleteObject(Green);
        return LRESULT(1);
      });
  Previous =
      reinterpret_cast<WNDPROC>(SetWindowLongPtr(Client, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure)));

  PaintParentBackground(Child, FSurface.Canvas());
  EXPECT_EQ(ClientErases, 1);
  EXPECT_EQ(At(5, 5), 0x00FF00u);
  EXPECT_EQ(At(39, 39), 0x00FF00u);

  SetWindowLongPtr(Client, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Previous));
  FreeProcInstance(Procedure);
}

}  // namespace
}  // namespace skin_parent_background_test
