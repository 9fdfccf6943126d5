#include <gtest/gtest.h>

#include "platform/ui/Panel.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace ui_test {
namespace {

class PanelTest : public UiTest {};

TEST_F(PanelTest, APanelHasARaisedEdgeItsColourAndItsCaption) {
  auto* Panel = new TPanel(&Host());
  Panel->SetBounds(10, 10, 100, 40);
  Panel->SetColor(clWhite);
  Panel->SetParent(&Host());
  ShowHost();
  EXPECT_EQ(HostPixel(10, 10), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(HostPixel(109, 49), ColorToRGB(clBtnShadow));
  EXPECT_EQ(HostPixel(12, 12), RGB(255, 255, 255));
  int Ink = 0;
  for (int X = 11; X < 109; ++X) Ink += HostPixel(X, 30) != RGB(255, 255, 255);
  EXPECT_EQ(Ink, 0);  // no caption yet
  Panel->SetCaption("Output Settings");
  Pump();
  for (int Y = 11; Y < 49; ++Y)
    for (int X = 11; X < 109; ++X) Ink += HostPixel(X, Y) != RGB(255, 255, 255);
  EXPECT_GT(Ink, 0);
}

TEST_F(PanelTest, ChildrenAreAlignedInsideTheEdge) {
  auto* Panel = new TPanel(&Host());
  Panel->SetBounds(10, 10, 100, 40);
  Panel->SetParent(&Host());
  auto* Child = new TGraphicControl(&Host());
  Child->SetParent(Panel);
  Child->SetAlign(alClient);
  ShowHost();
  EXPECT_EQ(Child->BoundsRect(), Rect(1, 1, 99, 39));
}

}  // namespace
}  // namespace ui_test
