#include "tests/components/controls/MoreControlsFixture.h"

#include <algorithm>

namespace more_controls_test {

void MoreControlsTest::AddItemsElement(TColor AFocus, TColor AActive) {
  auto& Items = AddElement<TspDataSkinListBox>("listbox");
  Items.PictureIndex = AddPicture(20, 20, [=](int, int AY) { return AY < 10 ? AFocus : AActive; });
  Items.FocusItemRect = Rect(0, 0, 20, 10);
  Items.ActiveItemRect = Rect(0, 10, 20, 20);
  Items.ItemTextRect = Rect(2, 2, 18, 8);
  Items.FocusFontColor = clWhite;
  Items.ActiveFontColor = clWhite;
}

int MoreControlsTest::CountIn(const TRect& AArea, TColor AColor) {
  int Count = 0;
  for (int Y = AArea.Top; Y < AArea.Bottom; ++Y)
    for (int X = AArea.Left; X < AArea.Right; ++X) Count += HostPixel(X, Y) == ColorToRGB(AColor);
  return Count;
}

TRect MoreControlsTest::BoundsOf(const TRect& AArea, TColor AColor) {
  TRect Bounds = Rect(AArea.Right, AArea.Bottom, AArea.Left, AArea.Top);
  for (int Y = AArea.Top; Y < AArea.Bottom; ++Y)
    for (int X = AArea.Left; X < AArea.Right; ++X)
      if (HostPixel(X, Y) == ColorToRGB(AColor))
        Bounds = Rect(std::min(Bounds.Left, X), std::min(Bounds.Top, Y), std::max(Bounds.Right, X + 1),
                      std::max(Bounds.Bottom, Y + 1));
  return Bounds;
}

}  // namespace more_controls_test
