// The skinned list view: colours and font from its skin element, no frame and no
// system bars, the external skinned bars in report and list view, and the column
// header it paints itself, plain or from a button element.

#include "components/controls/SkinCtrls.h"
#include "platform/gdi/DcScopes.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowPos.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/controls/MoreControlsFixture.h"

namespace more_controls_test {
namespace {

class SkinListViewTest : public MoreControlsTest {
 protected:
  void SetUp() override {
    MoreControlsTest::SetUp();
    List = new TspSkinListView(&Host());
    List->SetBounds(0, 0, 180, 150);
    List->SetParent(&Host());
    VBar = new TspSkinScrollBar(&Host());
    VBar->SetKind(sbVertical);
    VBar->SetBounds(180, 0, 19, 150);
    VBar->SetParent(&Host());
  }
  // Report view with two columns (60 and 80 wide) and ACount rows.
  void MakeReport(int ACount) {
    List->SetViewStyle(vsReport);
    const char* Captions[] = {"Name", "Size"};
    for (const char* Caption : Captions) {
      TListColumn* Column = List->Columns().Add();
      Column->SetCaption(Caption);
      Column->SetWidth(Column->Index() == 0 ? 60 : 80);
    }
    AddItems(ACount);
  }
  void AddItems(int ACount) {
    for (int I = 0; I < ACount; ++I) List->Items().Add()->SetCaption("item " + std::to_string(I));
  }
  int HeaderHeight() {
    RECT R{};
    GetWindowRect(List->HeaderHandle(), &R);
    return R.Height();
  }
  // Makes the list exactly ARows rows high below its header.
  void FitRows(int ARows) {
    const int Row = List->Items().Item(0)->DisplayRect(drBounds).Height();
    List->SetHeight(HeaderHeight() + ARows * Row);
    Pump();
  }
  int PerPage() { return static_cast<int>(SendMessage(List->Handle(), LVM_GETCOUNTPERPAGE, 0, 0)); }

  TspSkinListView* List = nullptr;
  TspSkinScrollBar* VBar = nullptr;
};

TEST_F(SkinListViewTest, TakesTheColoursAndFontOfItsElementAndTheDefaultsWithoutOne) {
  auto& Element = AddElement<TspDataSkinListView>("listview");
  Element.FontName = "Courier New";
  Element.FontHeight = 16;
  Element.FontColor = RGB(240, 160, 80);
  Element.BGColor = RGB(16, 32, 0);
  List->SetSkinData(&Skin());
  EXPECT_EQ(List->Color(), RGB(16, 32, 0));
  EXPECT_EQ(List->Font().Name(), "Courier New");
  EXPECT_EQ(List->Font().Height(), 16);
  EXPECT_EQ(List->Font().Color(), RGB(240, 160, 80));
  // The grid lines: the text colour averaged three times toward the background.
  EXPECT_EQ(List->LineColor(), RGB(44, 48, 10));

  Element.IDName = "gone";
  List->ChangeSkinData();
  EXPECT_EQ(List->Color(), clWindow);
  EXPECT_EQ(List->Font().Name(), "Arial");
  EXPECT_EQ(List->Font().Height(), 14);
}

TEST_F(SkinListViewTest, TheDefaultSkinGivesItsColours) {
  List->SetSkinData(&SkinNew());
  const int Index = SkinNew().GetControlIndex("listview");
  ASSERT_GE(Index, 0);
  const auto& Element = *SkinNew().Control<TspDataSkinListView>(Index);
  EXPECT_EQ(List->Color(), Element.BGColor);
  EXPECT_EQ(List->Font().Color(), Element.FontColor);
}

TEST_F(SkinListViewTest, HasNoFrameAndAnswersThePaintIntoContextRequest) {
  ShowHost();
  EXPECT_EQ(List->ClientWidth(), List->Width());
  EXPECT_EQ(List->ClientHeight(), List->Height());
  EXPECT_EQ(SendMessage(List->Handle(), 45513, 0, 0), 12851);
}

TEST_F(SkinListViewTest, InReportViewTheVerticalBarPagesByRowsAndScrollsByRows) {
  MakeReport(100);
  List->SetVScrollBar(VBar);
  ShowHost();
  FitRows(20);
  ASSERT_EQ(PerPage(), 20);
  ASSERT_TRUE(VBar->Visible());
  EXPECT_EQ(VBar->Max(), 99);
  EXPECT_EQ(VBar->PageSize(), 20);
  EXPECT_EQ(VBar->LargeChange(), 20);
  EXPECT_EQ(VBar->SmallChange(), 1);

  VBar->SetPosition(10);
  EXPECT_EQ(List->TopItem(), List->Items().Item(10));
  VBar->SetPosition(1000);
  EXPECT_EQ(VBar->Position(), 80);
  EXPECT_EQ(List->TopItem(), List->Items().Item(80));

  // The list scrolled by itself: the bar follows.
  List->Items().Item(0)->MakeVisible(false);
  Pump();
  EXPECT_EQ(VBar->Position(), 0);
  List->Items().Item(50)->MakeVisible(false);
  Pump();
  EXPECT_EQ(VBar->Position(), List->TopItem()->Index());
  EXPECT_GT(VBar->Position(), 30);
}

TEST_F(SkinListViewTest, InReportViewTheBarHidesWhileTheRowsFit) {
  MakeReport(5);
  List->SetVScrollBar(VBar);
  ShowHost();
  Pump();
  EXPECT_FALSE(VBar->Visible());
  AddItems(50);
  Pump();
  EXPECT_TRUE(VBar->Visible());
  List->SetVisible(false);
  EXPECT_FALSE(VBar->Visible());
}

TEST_F(SkinListViewTest, InListViewTheVerticalBarHidesAndTheHorizontalOneMovesByColumns) {
  auto* HBar = new TspSkinScrollBar(&Host());
  HBar->SetBounds(0, 131, 180, 19);
  HBar->SetParent(&Host());
  List->SetViewStyle(vsList);
  AddItems(100);
  List->SetVScrollBar(VBar);
  List->SetHScrollBar(HBar);
  VBar->SetVisible(true);
  ShowHost();
  Pump();
  EXPECT_FALSE(VBar->Visible());
  ASSERT_TRUE(HBar->Visible());
  EXPECT_EQ(HBar->SmallChange(), 1);
  const int ColumnWidth = List->Items().Item(0)->DisplayRect(drBounds).Width();
  EXPECT_EQ(HBar->PageSize(), List->Width() / ColumnWidth);

  const int RowsPerColumn = List->Items().Item(1)->DisplayRect(drBounds).Top > 0
                                ? List->Height() / List->Items().Item(0)->DisplayRect(drBounds).Height()
                                : 1;
  HBar->SetPosition(2);
  ASSERT_NE(List->TopItem(), nullptr);
  EXPECT_EQ(List->TopItem()->Index(), 2 * RowsPerColumn);
  HBar->SetPosition(1);
  EXPECT_EQ(List->TopItem()->Index(), RowsPerColumn);
}

TEST_F(SkinListViewTest, AListFivePixelsHighNeverUpdatesItsBars) {
  MakeReport(100);
  List->SetHeight(5);
  List->SetVScrollBar(VBar);
  VBar->SetVisible(true);
  VBar->SetRange(0, 7, 0, 3);
  ShowHost();
  Pump();
  List->UpDateScrollBars();
  EXPECT_TRUE(VBar->Visible());
  EXPECT_EQ(VBar->Max(), 7);
  EXPECT_EQ(VBar->Position(), 3);
}

class SkinListViewHeaderTest : public SkinListViewTest {
 protected:
  // The header row of the host: 'f' face, 's' shadow, 'p' pressed fill, 'n' the
  // pressed frame, 'g' the skin picture, 'd' its pressed picture.
  std::string HeaderRow(int AY) {
    return HostPicture(Rect(0, AY, 150, AY + 1), {{clBtnFace, 'f'},
                                                  {clBtnShadow, 's'},
                                                  {TColor(0xB59385), 'p'},
                                                  {TColor(0x800000), 'n'},
                                                  {clGreen, 'g'},
                                                  {clTeal, 'd'}});
  }
  // The smallest rectangle holding the host pixels of AArea that differ from
  // ABackground (the caption's, smoothed at its edges).
  TRect TextBounds(const TRect& AArea, TColor ABackground) {
    TRect Result(AArea.Right, AArea.Bottom, AArea.Left, AArea.Top);
    for (int Y = AArea.Top; Y < AArea.Bottom; ++Y)
      for (int X = AArea.Left; X < AArea.Right; ++X)
        if (HostPixel(X, Y) != ColorToRGB(ABackground)) {
          Result.Left = std::min<int>(Result.Left, X);
          Result.Top = std::min<int>(Result.Top, Y);
          Result.Right = std::max<int>(Result.Right, X + 1);
          Result.Bottom = std::max<int>(Result.Bottom, Y + 1);
        }
    return Result;
  }
  // A "resizetoolbutton" element: green, teal when pressed, white text.
  void AddHeaderElement() {
    auto& Element = AddElement<TspDataSkinButtonControl>("resizetoolbutton");
    Element.PictureIndex = AddPicture(40, 20, [](int, int AY) { return AY < 10 ? clGreen : clTeal; });
    Element.SkinRect = Rect(0, 0, 40, 10);
    Element.DownSkinRect = Rect(0, 10, 40, 20);
    Element.LTPoint = TPoint(0, 0);
    Element.RTPoint = TPoint(40, 0);
    Element.FontColor = clWhite;
    Element.DownFontColor = clWhite;
  }
};

TEST_F(SkinListViewHeaderTest, TheBuiltInHeaderFramesEachSectionAndShowsThePressedOne) {
  MakeReport(3);
  ShowHost();
  Pump();
  ASSERT_NE(List->HeaderHandle(), nullptr);
  // Sections at 0..60 and 60..140, the rest of the header from 140 framed alike.
  const std::string Face = HeaderRow(HeaderHeight() / 2);
  EXPECT_EQ(Face[0], 's');
  EXPECT_EQ(Face[59], 's');
  EXPECT_EQ(Face[60], 's');
  EXPECT_EQ(Face[139], 's');
  EXPECT_EQ(Face[140], 's');
  EXPECT_EQ(Face[2], 'f');

  // The left button held on the second section presses it until it comes up.
  const TPoint Second = OnHost(100, HeaderHeight() / 2);
  InjectPointerPress(Second);
  Pump();
  const std::string Pressed = HeaderRow(1);
  EXPECT_EQ(Pressed[60], 'n');
  EXPECT_EQ(Pressed[61], 'p');
  EXPECT_EQ(Pressed[30], 'f');
  InjectPointerRelease(Second);
  Pump();
  EXPECT_EQ(HeaderRow(1)[61], 'f');
}

TEST_F(SkinListViewHeaderTest, ADividerDragResizesTheColumnWithoutThePressedLook) {
  MakeReport(3);
  ShowHost();
  Pump();
  const TPoint Divider = OnHost(59, HeaderHeight() / 2);
  InjectPointerPress(Divider);
  InjectPointerMove({Divider.X + 15, Divider.Y});
  Pump();
  EXPECT_EQ(HeaderRow(1).find('p'), std::string::npos);
  InjectPointerRelease({Divider.X + 15, Divider.Y});
  Pump();
  EXPECT_EQ(List->Columns()[0]->Width(), 75);
  EXPECT_EQ(HeaderRow(HeaderHeight() / 2)[74], 's');
}

TEST_F(SkinListViewHeaderTest, TheSkinElementGivesTheSectionsTheirPicturesAndTheCaptionItsColour) {
  AddHeaderElement();
  List->SetSkinData(&Skin());
  MakeReport(3);
  List->Columns()[1]->SetAlignment(taRightJustify);
  ShowHost();
  Pump();
  const int Middle = HeaderHeight() / 2;
  EXPECT_EQ(HeaderRow(1), std::string(150, 'g') + "\n");
  // The right-aligned caption ends 5 pixels before its section's right edge (140).
  const TRect Text = TextBounds(Rect(60, 1, 140, HeaderHeight() - 1), clGreen);
  ASSERT_FALSE(IsRectEmpty(Text));
  EXPECT_LE(Text.Right, 135);
  EXPECT_GE(Text.Right, 132);

  InjectPointerPress(OnHost(20, Middle));
  Pump();
  EXPECT_EQ(HeaderRow(1).substr(0, 60), std::string(60, 'd'));
  EXPECT_EQ(HeaderRow(1)[70], 'g');
  InjectPointerRelease(OnHost(20, Middle));
}

TEST_F(SkinListViewHeaderTest, ACaptionTooWideForItsSectionEndsInAnEllipsis) {
  MakeReport(1);
  List->Columns()[0]->SetCaption("A caption far too wide for sixty pixels");
  ShowHost();
  Pump();
  const TRect Text = TextBounds(Rect(1, 1, 59, HeaderHeight() - 1), clBtnFace);
  ASSERT_FALSE(IsRectEmpty(Text));
  EXPECT_LE(Text.Right, 55);
  EXPECT_GE(Text.Left, 5);
}

TEST_F(SkinListViewHeaderTest, PaintsIntoAGivenContextAndLeavesItToItsOwner) {
  MakeReport(1);
  ShowHost();
  Pump();
  TBitmap Target;
  Target.SetSize(150, HeaderHeight());
  Target.Canvas().Brush().SetColor(clRed);
  Target.Canvas().FillRect(TRect(0, 0, 150, HeaderHeight()));
  SendMessage(List->Handle(), SP_PAINTHEADERINTODC, reinterpret_cast<WPARAM>(Target.Canvas().Handle()), 0);
  EXPECT_EQ(Target.Canvas().Pixels(0, 1), ColorToRGB(clBtnShadow));
  EXPECT_EQ(Target.Canvas().Pixels(2, 2), ColorToRGB(clBtnFace));
  // The context is still the bitmap's and draws.
  Target.Canvas().FillRect(TRect(0, 0, 4, 4));
  EXPECT_EQ(Target.Canvas().Pixels(2, 2), ColorToRGB(clRed));
}

// A column's picture of SmallImages stands 5 pixels into its section, vertically
// centred, and the caption 10 pixels after it; a right-aligned column places the two
// together at its right end.
TEST_F(SkinListViewHeaderTest, ColumnPicturesStandBeforeTheirCaptions) {
  TCustomImageList Pictures(nullptr);
  Pictures.SetWidth(8);
  Pictures.SetHeight(8);
  skin_controls_test::AddFilledImage(Pictures, clLime);
  List->SetSmallImages(&Pictures);
  MakeReport(1);
  List->Columns()[0]->SetImageIndex(0);
  List->Columns()[1]->SetImageIndex(0);
  List->Columns()[1]->SetAlignment(taRightJustify);
  ShowHost();
  Pump();
  const int H = HeaderHeight();
  EXPECT_EQ(BoundsOf(Rect(1, 1, 59, H - 1), clLime), Bounds(5, H / 2 - 4, 8, 8));
  const TRect Name = TextBounds(Rect(13, 1, 59, H - 1), clBtnFace);
  EXPECT_GE(Name.Left, 23);
  EXPECT_LE(Name.Left, 25);
  const TRect Picture = BoundsOf(Rect(61, 1, 139, H - 1), clLime);
  ASSERT_EQ(Picture.Width(), 8);
  const TRect Size = TextBounds(Rect(Picture.Right, 1, 139, H - 1), clBtnFace);
  EXPECT_GE(Size.Left, Picture.Right + 10);
  EXPECT_LE(Size.Left, Picture.Right + 12);
  EXPECT_LE(Size.Right, 135);
  EXPECT_GE(Size.Right, 132);
  List->SetSmallImages(nullptr);
}

// With FullDrag the columns are painted in the order the sections were dragged into:
// column 0 in the first section shown.
TEST_F(SkinListViewHeaderTest, WithFullDragColumnsArePaintedInTheSectionsOrder) {
  MakeReport(1);
  List->SetFullDrag(true);
  List->Columns()[1]->SetAlignment(taRightJustify);
  ShowHost();
  Pump();
  int Order[] = {1, 0};
  SendMessage(List->HeaderHandle(), HDM_SETORDERARRAY, 2, reinterpret_cast<LPARAM>(Order));
  Pump();
  const int H = HeaderHeight();
  // The first section shown is item 1's, 80 wide: "Name" at its left, nothing at its
  // right end, where the right-aligned "Size" would be.
  EXPECT_EQ(HeaderRow(H / 2)[79], 's');
  EXPECT_FALSE(IsRectEmpty(TextBounds(Rect(5, 1, 40, H - 1), clBtnFace)));
  EXPECT_TRUE(IsRectEmpty(TextBounds(Rect(40, 1, 78, H - 1), clBtnFace)));
  EXPECT_FALSE(IsRectEmpty(TextBounds(Rect(100, 1, 138, H - 1), clBtnFace)));
}

TEST_F(SkinListViewHeaderTest, WithTheDefaultSkinTheReportLooksAsInItsPicture) {
  List->SetSkinData(&SkinNew());
  MakeReport(30);
  List->SetVScrollBar(VBar);
  VBar->SetSkinData(&SkinNew());
  VBar->SetSkinDataName("vscrollbar");
  ShowHost();
  Pump();
  EXPECT_TRUE(HostLooksAsInItsPicture("listview-default-skin"));
}

class SkinListViewItemsTest : public SkinListViewTest {
 protected:
  static constexpr TColor Paper = RGB(255, 255, 255);
  // Black text averaged three times toward white paper.
  static constexpr TColor Line = RGB(223, 223, 223);
  static constexpr TColor Focus = RGB(0, 0, 200);
  static constexpr TColor Active = RGB(200, 0, 0);
  static constexpr TColor Checked = RGB(0, 160, 0);
  static constexpr TColor Unchecked = RGB(230, 230, 0);

  // Black on white, a "listbox" whose focused item picture is blue and whose selected
  // one without focus red, and a "checkbox" whose boxes are green (checked) and yellow
  // inside a fuchsia frame that is left out.
  void SkinTheList() {
    auto& Element = AddElement<TspDataSkinListView>("listview");
    Element.FontName = "Arial";
    Element.FontHeight = 14;
    Element.FontColor = RGB(0, 0, 0);
    Element.BGColor = Paper;
    AddItemsElement(Focus, Active);
    auto& Check = AddElement<TspDataSkinCheckRadioControl>("checkbox");
    Check.PictureIndex = AddPicture(20, 10, [](int AX, int AY) {
      if (AY == 0 || AY == 9 || AX % 10 == 0 || AX % 10 == 9) return clFuchsia;
      return AX < 10 ? Checked : Unchecked;
    });
    Check.CheckImageRect = Rect(0, 0, 10, 10);
    Check.UnCheckImageRect = Rect(10, 0, 20, 10);
    List->SetSkinData(&Skin());
    List->SetDrawSkin(true);
  }
  // Report view as MakeReport makes it, each row with a size in its second column.
  void MakeSkinnedReport(int ACount) {
    MakeReport(ACount);
    for (int I = 0; I < ACount; ++I) List->Items().Item(I)->SubItems().Add(IntToStr(I * 100));
  }
};

TEST_F(SkinListViewItemsTest, TheSelectedRowShowsTheFocusedOrTheUnfocusedItemPicture) {
  SkinTheList();
  MakeSkinnedReport(3);
  List->SetHideSelection(false);
  ShowHost();
  List->Items().Item(1)->SetSelected(true);
  Pump();
  const TRect Label = List->Items().Item(1)->DisplayRect(drLabel);
  const TRect Bounds = List->Items().Item(1)->DisplayRect(drBounds);
  EXPECT_EQ(HostPixel(Label.Left, Bounds.Top), ColorToRGB(Active));
  // The selection ends with the first column; the size beside it stays on the paper.
  EXPECT_EQ(HostPixel(58, Bounds.Top + 1), ColorToRGB(Active));
  EXPECT_EQ(HostPixel(64, Bounds.Top + 1), ColorToRGB(Paper));
  // Its last row is left to the row below.
  EXPECT_EQ(HostPixel(Label.Left, Bounds.Bottom - 1), ColorToRGB(Paper));
  List->SetFocus();
  Pump();
  EXPECT_EQ(HostPixel(Label.Left, Bounds.Top), ColorToRGB(Focus));

  // With RowSelect the selection takes the whole row, the size drawn on it.
  List->SetRowSelect(true);
  Pump();
  EXPECT_EQ(HostPixel(64, Bounds.Top + 1), ColorToRGB(Focus));
  EXPECT_EQ(HostPixel(Label.Left, List->Items().Item(0)->DisplayRect(drBounds).Top + 2), ColorToRGB(Paper));
}

TEST_F(SkinListViewItemsTest, SubItemsFollowTheirColumnsAlignment) {
  SkinTheList();
  MakeSkinnedReport(1);
  List->Items().Item(0)->SubItems().Strings(0) = "12345";
  List->Columns()[1]->SetAlignment(taRightJustify);
  ShowHost();
  Pump();
  const TRect Row = List->Items().Item(0)->DisplayRect(drBounds);
  // The text ends 3 pixels inside its column (60 .. 140).
  TRect Ink = Rect(1000, 1000, -1, -1);
  for (int X = 60; X < 140; ++X)
    for (int Y = Row.Top; Y < Row.Bottom; ++Y)
      if (HostPixel(X, Y) != ColorToRGB(Paper)) {
        Ink.Left = std::min<int>(Ink.Left, X);
        Ink.Right = std::max<int>(Ink.Right, X + 1);
      }
  EXPECT_LE(Ink.Right, 137);
  EXPECT_GE(Ink.Right, 130);
  EXPECT_GT(Ink.Left, 90);
}

TEST_F(SkinListViewItemsTest, GridLinesEndEveryColumnAndEveryRow) {
  SkinTheList();
  MakeSkinnedReport(3);
  List->DrawSkinLines = true;
  ShowHost();
  Pump();
  for (int I = 0; I < 3; ++I) {
    const TRect Row = List->Items().Item(I)->DisplayRect(drBounds);
    const int Middle = (Row.Top + Row.Bottom) / 2;
    // Columns 0 .. 60 and 60 .. 140: lines at x = 60 and 140.
    EXPECT_EQ(HostPixel(60, Middle), ColorToRGB(Line)) << I;
    EXPECT_EQ(HostPixel(140, Middle), ColorToRGB(Line)) << I;
    EXPECT_EQ(HostPixel(100, Middle), ColorToRGB(Paper)) << I;
    // Under every row, across the whole list.
    EXPECT_EQ(HostPixel(170, Row.Bottom - 1), ColorToRGB(Line)) << I;
  }
  // Without DrawSkinLines none.
  List->DrawSkinLines = false;
  List->Invalidate();
  Pump();
  const TRect First = List->Items().Item(0)->DisplayRect(drBounds);
  EXPECT_EQ(HostPixel(170, First.Bottom - 1), ColorToRGB(Paper));
}

TEST_F(SkinListViewItemsTest, CheckBoxesComeFromTheCheckElementLeftOfTheImage) {
  SkinTheList();
  MakeSkinnedReport(2);
  List->SetCheckboxes(true);
  List->Items().Item(0)->SetChecked(true);
  ShowHost();
  Pump();
  for (int I = 0; I < 2; ++I) {
    const TRect Icon = List->Items().Item(I)->DisplayRect(drIcon);
    const TRect Row = List->Items().Item(I)->DisplayRect(drBounds);
    const int Top = std::max<int>(Row.Top + Icon.Height() / 2 - 5 - 1, Row.Top);
    // The box is 10 square, its frame left out, one pixel left of the image.
    const int Left = Icon.Left - 11;
    EXPECT_EQ(HostPixel(Left + 5, Top + 5), ColorToRGB(I == 0 ? Checked : Unchecked)) << I;
    EXPECT_NE(HostPixel(Left, Top + 5), ColorToRGB(clFuchsia)) << I;
  }
}

// Without SmallImages the items' pictures come from the list's own native image list,
// as the shell list gives it the system's pictures.
TEST_F(SkinListViewItemsTest, WithoutImageListsTheNativeListGivesTheItemsPictures) {
  SkinTheList();
  MakeSkinnedReport(2);
  TCustomImageList Pictures(nullptr);
  Pictures.SetWidth(8);
  Pictures.SetHeight(8);
  skin_controls_test::AddFilledImage(Pictures, clLime);
  List->Items().Item(0)->SetImageIndex(3);  // not in the list: nothing
  List->Items().Item(1)->SetImageIndex(0);
  ShowHost();
  SendMessage(List->Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(&Pictures));
  List->Invalidate();
  Pump();
  const TRect First = List->Items().Item(0)->DisplayRect(drIcon);
  EXPECT_EQ(CountIn(Rect(0, First.Top, 60, First.Bottom), clLime), 0);
  const TRect Second = List->Items().Item(1)->DisplayRect(drIcon);
  EXPECT_EQ(BoundsOf(Rect(0, Second.Top, 60, Second.Bottom), clLime), Bounds(Second.Left, Second.Top, 8, 8));
  SendMessage(List->Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, 0);
}

TEST_F(SkinListViewItemsTest, DrawSkinStopsHeaderSectionsFromBeingDraggedAway) {
  List->SetFullDrag(true);
  List->SetDrawSkin(true);
  EXPECT_FALSE(List->FullDrag());
  EXPECT_TRUE(List->DrawSkin());
}

TEST_F(SkinListViewItemsTest, WithoutTheListBoxElementTheClassLibraryDrawsTheItems) {
  SkinTheList();
  TspSkinEditor(Skin()).Control(1)->IDName = "not a list box";
  MakeSkinnedReport(3);
  List->DrawSkinLines = true;
  ShowHost();
  Pump();
  const TRect Row = List->Items().Item(1)->DisplayRect(drBounds);
  EXPECT_NE(HostPixel(60, (Row.Top + Row.Bottom) / 2), ColorToRGB(Line));
}

// An item index the list does not have is ignored by every message that takes one,
// and the skinned list goes on painting.
TEST_F(SkinListViewItemsTest, UnknownItemIndexesInMessagesAreIgnored) {
  SkinTheList();
  MakeSkinnedReport(3);
  ShowHost();
  HWND Window = List->Handle();
  for (WPARAM Index : {WPARAM(3), WPARAM(-1), WPARAM(100000)}) {
    RECT R{};
    R.Left = LVIR_BOUNDS;
    EXPECT_EQ(SendMessage(Window, LVM_GETITEMRECT, Index, reinterpret_cast<LPARAM>(&R)), 0);
    EXPECT_EQ(SendMessage(Window, LVM_ENSUREVISIBLE, Index, 0), 0);
    EXPECT_EQ(SendMessage(Window, LVM_DELETEITEM, Index, 0), 0);
  }
  List->Invalidate();
  Pump();
  EXPECT_EQ(List->Items().Count(), 3);
  const TRect Row = List->Items().Item(2)->DisplayRect(drBounds);
  EXPECT_EQ(HostPixel(100, Row.Top + 2), ColorToRGB(Paper));
}

TEST_F(SkinListViewItemsTest, InTheOtherViewsTheSelectionLiesUnderTheLabel) {
  SkinTheList();
  AddItems(6);
  ShowHost();
  List->SetFocus();
  List->Items().Item(1)->SetSelected(true);
  for (TViewStyle Style : {vsList, vsSmallIcon, vsIcon}) {
    List->SetViewStyle(Style);
    Pump();
    const TRect Label = List->Items().Item(1)->DisplayRect(drLabel);
    ASSERT_FALSE(IsRectEmpty(Label)) << Style;
    EXPECT_EQ(HostPixel(Label.Left, Label.Top), ColorToRGB(Focus)) << Style;
    const TRect Other = List->Items().Item(2)->DisplayRect(drLabel);
    EXPECT_EQ(HostPixel(Other.Left, Other.Top), ColorToRGB(Paper)) << Style;
  }
}

}  // namespace
}  // namespace more_controls_test
