// A demonstration of list boxes for a person to look at (not part of the program): an
// owner-drawn list of colours and a multi-column list with extended selection, driven
// by injected input and saved as a PNG picture.

#include <gtest/gtest.h>

#include "platform/win/Keyboard.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/ListBoxTestSupport.h"

namespace ui_test {
namespace {

struct TNamedColor {
  const char* Name;
  TColor Color;
};
constexpr TNamedColor Colors[] = {{"Red", clRed},       {"Green", clGreen}, {"Blue", clBlue},
                                  {"Yellow", clYellow}, {"Teal", clTeal},   {"Maroon", clMaroon},
                                  {"Navy", clNavy},     {"Olive", clOlive}};

// Each row: a swatch of the colour and its name, on the brush the list box chose (the
// highlight for the selected row).
void DrawColorRow(TListBox& AList, int AIndex, const TRect& ARect) {
  TCanvas& Canvas = AList.Canvas();
  Canvas.FillRect(ARect);
  Canvas.Brush().SetColor(Colors[AIndex].Color);
  Canvas.FillRect(Rect(ARect.Left + 4, ARect.Top + 3, ARect.Left + 28, ARect.Bottom - 3));
  Canvas.Brush().SetStyle(bsClear);
  TRect Text = Rect(ARect.Left + 34, ARect.Top, ARect.Right, ARect.Bottom);
  Canvas.TextRect(Text, Colors[AIndex].Name, {tfSingleLine, tfVerticalCenter});
}

TEST_F(ListBoxTest, TheDemonstrationIsDrivenByInputAndSavedAsAPicture) {
  TListBox& ColorList = NewList({}, [](TListBox& L) {
    L.SetStyle(lbOwnerDrawFixed);
    L.SetItemHeight(22);
    L.OnDrawItem = [&L](TWinControl*, int Index, const TRect& Rect, TOwnerDrawState) {
      DrawColorRow(L, Index, Rect);
    };
  });
  for (const TNamedColor& Color : Colors) ColorList.Items().Add(Color.Name);
  auto* Files = new TListBox(&Host());
  Files->SetParent(&Host());
  Files->SetBounds(140, 10, 150, 150);
  Files->SetMultiSelect(true);
  Files->SetColumns(2);
  for (int I = 1; I <= 24; ++I) Files->Items().Add(Format("clip%02d.mp4", I));
  Pump();

  InjectClick(OnItem(2));
  InjectKeyStroke(VK_DOWN);
  const TRect First = Files->ItemRect(3);
  InjectClick(Files->ClientToScreen({First.Left + 10, First.Top + 5}));
  const TRect Last = Files->ItemRect(12);
  InjectClick(Files->ClientToScreen({Last.Left + 10, Last.Top + 5}), pbLeft, PointerShift);
  Pump();
  Headless().AdvanceClock(100);
  Pump();
  EXPECT_EQ(ColorList.ItemIndex(), 3);
  EXPECT_EQ(Files->SelCount(), 10);

  EXPECT_TRUE(LooksAsInItsPicture(Host().Handle(), "list-box-demo"));
  // The swatch of the yellow row (selected, on the highlight) and a selected file.
  const TPoint Swatch = ColorList.ClientToScreen({10, 3 * 22 + 11});
  EXPECT_EQ(HostPixel(Swatch.X - 100, Swatch.Y - 100), ColorToRGB(clYellow));
  const TPoint Beside = ColorList.ClientToScreen({2, 3 * 22 + 11});
  EXPECT_EQ(HostPixel(Beside.X - 100, Beside.Y - 100), ColorToRGB(clHighlight));
  const TPoint File = Files->ClientToScreen({Last.Right - 4, Last.Top + 8});
  EXPECT_EQ(HostPixel(File.X - 100, File.Y - 100), ColorToRGB(clHighlight));
}

}  // namespace
}  // namespace ui_test
