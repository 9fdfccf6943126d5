// How the EDIT window paints: the parent's colour answer decides the background (a
// null brush leaves it untouched, so a skinned owner can paint it first), WM_PAINT
// with a DC paints into that DC, the selection shows in the highlight colours, and
// the caret is taken off while painting and put back after.

#include <gtest/gtest.h>

#include "platform/gdi/Graphics.h"
#include "platform/win/Windows.h"
#include "tests/platform/ui/EditTestSupport.h"

namespace ui_test {
namespace {

constexpr COLORREF Backdrop = RGB(0, 128, 0);
constexpr COLORREF Ink = RGB(255, 0, 0);

// A parent that answers the edit's colour question as the skinned edits do: glyphs
// only, in red, over whatever is there.
class TNullBrushParent : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  // The colour question last asked.
  UINT Asked = 0;

 protected:
  void Dispatch(TMessage& AMessage) override {
    if (AMessage.Msg != WM_CTLCOLOREDIT && AMessage.Msg != WM_CTLCOLORSTATIC)
      return TCustomControl::Dispatch(AMessage);
    Asked = AMessage.Msg;
    HDC DC = reinterpret_cast<HDC>(AMessage.WParam);
    SetBkMode(DC, TRANSPARENT);
    SetTextColor(DC, Ink);
    AMessage.Result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  }
};

class EditPaintTest : public EditTest {
 protected:
  // An edit of AText with (1, 2) selected, focused, on a parent of the given kind.
  TEdit& EditOn(TWinControl& AParent, const String& AText) {
    AParent.SetBounds(0, 0, 200, 60);
    AParent.SetParent(&Host());
    auto* Edit = new TEdit(&Host());
    Edit->SetBorderStyle(bsNone);
    Edit->SetBounds(10, 10, 150, Edit->Height());
    Edit->SetParent(&AParent);
    Edit->SetText(AText);
    ShowHost();
    Focus(*Edit);
    Send(*Edit, EM_SETSEL, 1, 2);
    return *Edit;
  }
  // The edit painted into a bitmap of its size filled with the backdrop.
  void PaintInto(TEdit& AEdit, TBitmap& Picture) {
    Picture.SetSize(AEdit.Width(), AEdit.Height());
    FillSolidRect(Picture.Canvas().Handle(), Rect(0, 0, AEdit.Width(), AEdit.Height()), Backdrop);
    Send(AEdit, WM_PAINT, reinterpret_cast<WPARAM>(Picture.Canvas().Handle()));
  }
  static int LineHeight(TEdit& AEdit) {
    TBitmap Scratch;
    Scratch.SetSize(1, 1);
    Scratch.Canvas().Font().Assign(AEdit.Font());
    return Scratch.Canvas().TextHeight("Wq");
  }
  static COLORREF PixelOf(TBitmap& APicture, int AX, int AY) {
    return ColorToRGB(APicture.Canvas().Pixels(AX, AY));
  }
};

TEST_F(EditPaintTest, WithANullBrushOnlyGlyphsAndSelectionAreDrawn) {
  TNullBrushParent Parent(&Host());
  TEdit& Edit = EditOn(Parent, "WMW");
  TBitmap Picture;
  PaintInto(Edit, Picture);
  const int Line = LineHeight(Edit);
  const int Start = PositionPoint(Edit, 1).X;
  const int End = PositionPoint(Edit, 2).X;
  const int TextEnd = PositionPoint(Edit, 3).X;
  int Glyph = 0, Highlight = 0;
  for (int Y = 0; Y < Picture.Height(); ++Y)
    for (int X = 0; X < Picture.Width(); ++X) {
      const COLORREF Pixel = PixelOf(Picture, X, Y);
      const bool InSelection = X >= Start && X < End && Y < Line;
      const bool InText = X < TextEnd && Y < Line;
      if (InSelection) {
        // The selection is drawn whole: not one backdrop pixel stays in it.
        EXPECT_NE(Pixel, Backdrop) << X << "," << Y;
        Highlight += Pixel == GetSysColor(COLOR_HIGHLIGHT);
      } else if (!InText) {
        EXPECT_EQ(Pixel, Backdrop) << X << "," << Y;
      } else if (Pixel != Backdrop) {
        // Glyph pixels blend the parent's text colour into the backdrop.
        EXPECT_EQ(GetBValue(Pixel), 0);
        EXPECT_GT(GetRValue(Pixel), 0);
        ++Glyph;
      }
    }
  EXPECT_GT(Glyph, 10);
  EXPECT_GT(Highlight, 10);
  EXPECT_EQ(Parent.Asked, WM_CTLCOLOREDIT);
  // A read-only edit asks as static text does.
  Edit.SetReadOnly(true);
  PaintInto(Edit, Picture);
  EXPECT_EQ(Parent.Asked, WM_CTLCOLORSTATIC);
}

TEST_F(EditPaintTest, WithTheParentsBrushTheBackgroundIsFilled) {
  TCustomControl Parent(&Host());
  TEdit& Edit = EditOn(Parent, "WMW");
  Edit.SetColor(clYellow);
  TBitmap Picture;
  PaintInto(Edit, Picture);
  EXPECT_EQ(PixelOf(Picture, Edit.Width() - 2, 2), ColorToRGB(clYellow));
  EXPECT_EQ(PixelOf(Picture, Edit.Width() - 2, Edit.Height() - 1), ColorToRGB(clYellow));
}

TEST_F(EditPaintTest, TheCaretIsTakenOffWhilePaintingAndBlinks) {
  TEdit& Edit = NewEdit("caret");
  Focus(Edit);
  Send(Edit, EM_SETSEL, 5, 5);
  Pump();
  const TPoint At = PositionPoint(Edit, 5);
  const int X = Edit.Left() + At.X;
  const int Y = Edit.Top() + At.Y + 2;
  const COLORREF Window = ColorToRGB(clWindow);
  const COLORREF Inverted = Window ^ 0xFFFFFF;
  EXPECT_EQ(HostPixel(X, Y), Inverted);
  // Repainting the edit leaves one caret, not an inverted caret inverted back.
  Edit.Invalidate();
  Pump();
  EXPECT_EQ(HostPixel(X, Y), Inverted);
  Headless().AdvanceClock(GetCaretBlinkTime());
  EXPECT_EQ(HostPixel(X, Y), Window);
  Headless().AdvanceClock(GetCaretBlinkTime());
  EXPECT_EQ(HostPixel(X, Y), Inverted);
  ::SetFocus(Host().Handle());
  Pump();
  EXPECT_EQ(HostPixel(X, Y), Window);
}

}  // namespace
}  // namespace ui_test
