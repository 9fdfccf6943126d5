#include <algorithm>

#include "components/forms/SkinMenus.h"

namespace {

// Y of the window and whether it went to the anchor's side instead.
struct TspPopupRow {
  int Y;
  bool Beside;
};

TspPopupRow PopupRowByItem(const TRect& WA, const TRect& R, int H, int AItemsTop, bool AUpperHalf) {
  if (R.Top + H - AItemsTop <= WA.Bottom) return {R.Top - AItemsTop, true};
  if (AUpperHalf) return {WA.Bottom - H, true};
  return {std::max(R.Bottom - H + AItemsTop, WA.Top), true};
}

TspPopupRow PopupRowUp(const TRect& WA, const TRect& R, int H, bool AUpperHalf) {
  if (R.Top - H >= WA.Top) return {R.Top - H, false};
  if (!AUpperHalf) return {WA.Top, true};
  if (R.Bottom + H > WA.Bottom) return {WA.Bottom - H, true};
  return {R.Bottom, false};
}

TspPopupRow PopupRowDown(const TRect& WA, const TRect& R, int H, bool AUpperHalf) {
  if (R.Bottom + H <= WA.Bottom) return {R.Bottom, false};
  if (AUpperHalf) return {WA.Bottom - H, true};
  if (R.Top - H >= WA.Top) return {R.Top - H, false};
  return {WA.Top, true};
}

}  // namespace

TPoint PlaceSkinPopupWindow(const TRect& AWorkArea, const TRect& AAnchor, TSize ASize, int AItemsTop,
                            TspPopupDirection ADirection, bool ATallerThanWorkArea) {
  const TRect& WA = AWorkArea;
  const TRect& R = AAnchor;
  const int W = ASize.cx;
  const int H = ASize.cy;
  const bool UpperHalf = R.Top < WA.Top + (WA.Bottom - WA.Top) / 2;
  TspPopupRow Row{WA.Top, true};
  if (!ATallerThanWorkArea) {
    if (ADirection == pdByItem)
      Row = PopupRowByItem(WA, R, H, AItemsTop, UpperHalf);
    else if (ADirection == pdUp)
      Row = PopupRowUp(WA, R, H, UpperHalf);
    else
      Row = PopupRowDown(WA, R, H, UpperHalf);
  }
  if (Row.Beside) return TPoint{R.Right + W + 1 > WA.Right ? R.Left - W - 1 : R.Right + 1, Row.Y};
  if (R.Left + W > WA.Right) return TPoint{WA.Right - W, Row.Y};
  return TPoint{std::max(R.Left, WA.Left), Row.Y};
}
