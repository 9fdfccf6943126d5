// The tab control's state per window, and its geometry from the tabs' measured or
// fixed extents.

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "platform/gdi/Text.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/native/TabControlModelInternal.h"
#include "platform/win/Windows.h"

namespace {

// Room beside a measured caption, on each side, and above and below a measured line.
constexpr int CaptionPadding = 6;
constexpr int LinePadding = 3;

std::unordered_map<HWND, std::unique_ptr<TTabControlState>> TabStates;

// Measures captions in the window's font on a device context of its own.
class TCaptionMeasure {
 public:
  explicit TCaptionMeasure(HFONT AFont) : FDC(CreateCompatibleDC(nullptr)) {
    if (AFont) SelectObject(FDC, AFont);
  }
  ~TCaptionMeasure() { DeleteDC(FDC); }
  TCaptionMeasure(const TCaptionMeasure&) = delete;
  TCaptionMeasure& operator=(const TCaptionMeasure&) = delete;

  int Width(const String& AText) const {
    TSize Size;
    GetTextExtentPoint32(FDC, AText, Size);
    return Size.cx;
  }
  int LineHeight() const {
    TEXTMETRIC Metric;
    GetTextMetrics(FDC, Metric);
    return Metric.tmHeight;
  }

 private:
  HDC FDC;
};

}  // namespace

TTabControlState& TabStateOf(HWND AWindow) {
  std::unique_ptr<TTabControlState>& State = TabStates[AWindow];
  if (!State) State = std::make_unique<TTabControlState>();
  return *State;
}

void ForgetTabState(HWND AWindow) { TabStates.erase(AWindow); }

// A tab's extent along the strip is the fixed width, or its caption's width with
// padding, widened by the image list's extent along the strip (its height for tabs on
// the left or right, whose pictures are turned), whatever image the tab shows: the
// skinned page control reserves room in every tab through a list that holds no image.
TTabLayout TabLayoutOf(HWND AWindow) {
  const TTabControlState& State = TabStateOf(AWindow);
  TTabLayoutInput Input;
  RECT Client;
  GetClientRect(AWindow, &Client);
  Input.Client = {Client.Width(), Client.Height()};
  Input.Style = static_cast<DWORD>(GetWindowLong(AWindow, GWL_STYLE));
  Input.Selected = State.Selected;
  Input.FirstVisible = State.FirstVisible;
  const bool Vertical = Input.Style & TCS_VERTICAL;
  const int ImageAlong = State.Images ? (Vertical ? State.Images->Height() : State.Images->Width()) : 0;
  const int ImageAcross = State.Images ? (Vertical ? State.Images->Width() : State.Images->Height()) : 0;
  const TCaptionMeasure Measure(State.Font);
  for (const TTabItem& Item : State.Items) {
    const int Caption =
        State.ItemSize.cx > 0 ? State.ItemSize.cx : Measure.Width(Item.Text) + 2 * CaptionPadding;
    Input.Lengths.push_back(Caption + ImageAlong);
  }
  Input.Thickness = State.ItemSize.cy > 0 ? State.ItemSize.cy
                                          : std::max(Measure.LineHeight(), ImageAcross) + 2 * LinePadding;
  return LayOutTabs(Input);
}
