// A demonstration of the list view for a person to look at: a report view with check
// boxes, grid lines, images and a widened column, and an icon view, driven by injected
// clicks and a dragged header divider, saved as a PNG picture.

#include <gtest/gtest.h>

#include "platform/ui/native/ListView.h"
#include "platform/win/Windows.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace ui_test {
namespace {

// An image list of plain squares in the given colours, framed in black.
void FillImages(TImageList& AImages, std::initializer_list<TColor> AColors) {
  for (TColor Color : AColors) {
    TBitmap Square;
    Square.SetSize(AImages.Width(), AImages.Height());
    Square.Canvas().Brush().SetColor(clBlack);
    Square.Canvas().FillRect(Rect(0, 0, AImages.Width(), AImages.Height()));
    Square.Canvas().Brush().SetColor(Color);
    Square.Canvas().FillRect(Rect(2, 2, AImages.Width() - 2, AImages.Height() - 2));
    AImages.AddMasked(Square, RGB(1, 2, 3));
  }
}

class ListViewDemoTest : public UiTest {};

TEST_F(ListViewDemoTest, ReportAndIconViewsDrivenByInput) {
  Host().SetBounds(100, 100, 540, 260);
  TImageList Small(nullptr, 16, 16);
  TImageList Large(nullptr, 32, 32);
  FillImages(Small, {clRed, clGreen, clBlue, clYellow});
  FillImages(Large, {clRed, clGreen, clBlue, clYellow});

  auto* Report = new TListView(&Host());
  Report->SetBounds(10, 10, 310, 240);
  Report->SetParent(&Host());
  Report->SetViewStyle(vsReport);
  Report->SetSmallImages(&Small);
  Report->SetCheckboxes(true);
  Report->SetGridLines(true);
  Report->SetRowSelect(true);
  Report->SetMultiSelect(true);
  Report->SetHideSelection(false);
  const char* Captions[] = {"Name", "Size", "Type"};
  for (int I = 0; I < 3; ++I) {
    TListColumn* Column = Report->Columns().Add();
    Column->SetCaption(Captions[I]);
    Column->SetWidth(I == 0 ? 110 : 70);
  }
  Report->Columns()[1]->SetAlignment(taRightJustify);
  const char* Names[] = {"holiday.mp4", "concert.avi", "interview.mkv", "trailer.mov", "lecture.webm",
                         "music.mp3",   "podcast.ogg", "clip.flv",      "screen.mp4",  "voice.wav"};
  for (int I = 0; I < 10; ++I) {
    TListItem* Item = Report->Items().Add();
    Item->SetCaption(Names[I]);
    Item->SetImageIndex(I % 4);
    Item->SubItems().Add(Format("%d MB", 12 * (I + 1)));
    Item->SubItems().Add(I < 5 ? "Video" : "Audio");
  }

  auto* Icons = new TListView(&Host());
  Icons->SetBounds(330, 10, 200, 240);
  Icons->SetParent(&Host());
  Icons->SetLargeImages(&Large);
  Icons->SetHideSelection(false);
  for (int I = 0; I < 6; ++I) {
    TListItem* Item = Icons->Items().Add();
    Item->SetCaption(Names[I]);
    Item->SetImageIndex(I % 4);
  }
  ShowHost();

  auto Middle = [](TListView* AList, int AIndex) {
    const TRect Label = AList->Items()[AIndex]->DisplayRect(drLabel);
    return AList->ClientToScreen({Label.Left + 10, (Label.Top + Label.Bottom) / 2});
  };
  InjectClick(Middle(Report, 1));
  InjectClick(Middle(Report, 3), pbLeft, PointerShift);
  const TRect First = Report->Items()[0]->DisplayRect(drBounds);
  InjectClick(Report->ClientToScreen({First.Left + 6, (First.Top + First.Bottom) / 2}));
  const HWND Header = reinterpret_cast<HWND>(SendMessage(Report->Handle(), LVM_GETHEADER, 0, 0));
  POINT Divider{110, 8};
  ClientToScreen(Header, &Divider);
  InjectPointerPress(Divider);
  InjectPointerMove({Divider.X + 30, Divider.Y});
  InjectPointerRelease({Divider.X + 30, Divider.Y});
  InjectClick(Middle(Icons, 2));
  Pump();

  EXPECT_TRUE(Report->Items()[0]->Checked());
  EXPECT_EQ(Report->SelCount(), 3);
  EXPECT_EQ(Report->Columns()[0]->Width(), 140);
  EXPECT_EQ(Icons->Selected()->Index(), 2);

  EXPECT_TRUE(LooksAsInItsPicture(Host().Handle(), "list-view-demo"));
}

}  // namespace
}  // namespace ui_test
