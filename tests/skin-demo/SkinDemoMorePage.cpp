// The "More controls" page: an expanding panel with a frame animation, a plain and an
// owner-drawn panel, a notebook in buttons mode, scroll bars, and an upright gauge and
// track bar.

#include "resources/skin-new/SkinNewPalette.h"
#include "tests/skin-demo/SkinDemo.h"

namespace skin_demo {
namespace {

constexpr int Margin = 16;
constexpr int ColumnWidth = 232;
constexpr int Frames = 8;
constexpr int FrameSize = 32;

int ColumnLeft(int AColumn) { return Margin + AColumn * (ColumnWidth + Margin); }

// A busy indicator: a ring of eight dots, one of them lit, turning a step per frame.
void DrawBusyFrames(TBitmap& AStrip, TColor AGround) {
  AStrip.SetSize(Frames * FrameSize, FrameSize);
  TCanvas& C = AStrip.Canvas();
  C.Brush().SetColor(AGround);
  C.FillRect(Rect(0, 0, Frames * FrameSize, FrameSize));
  constexpr int Dots[Frames][2] = {{16, 4}, {24, 8}, {28, 16}, {24, 24}, {16, 28}, {8, 24}, {4, 16}, {8, 8}};
  for (int Frame = 0; Frame < Frames; ++Frame)
    for (int Dot = 0; Dot < Frames; ++Dot) {
      const TColor Color = Dot == Frame ? skin_new::palette::Accent : skin_new::palette::Border;
      C.Brush().SetColor(Color);
      C.Pen().SetColor(Color);
      const int X = Frame * FrameSize + Dots[Dot][0], Y = Dots[Dot][1];
      C.Ellipse(X - 3, Y - 3, X + 3, Y + 3);
    }
}

void BuildPanels(TSkinDemo& ADemo, TspSkinData* ASkin, TWinControl* APage) {
  ADemo.ExPanel =
      PlaceControl<TspSkinExPanel>(ADemo, APage, ASkin, Bounds(ColumnLeft(0), 12, ColumnWidth, 130));
  ADemo.ExPanel->SetCaption("Preview");
  ADemo.ExPanel->OnChangeRollState = [Say = ADemo.Say, Panel = ADemo.ExPanel](TObject*) {
    Say(Panel->RollState() ? "panel rolled up" : "panel rolled down");
  };
  auto* Busy = new TspSkinAnimate(ADemo.Form);
  ADemo.Busy = Busy;
  Busy->SetParent(ADemo.ExPanel);
  TBitmap Strip;
  // On the ground of the default skin's panels.
  DrawBusyFrames(Strip, skin_new::palette::Background);
  Busy->SetDefaultFramesCount(Frames);
  Busy->SetDefaultImage(Strip);
  Busy->SetBounds((ColumnWidth - FrameSize) / 2, 60, FrameSize, FrameSize);
  Busy->CycleMode = true;
  Busy->SetTimerInterval(120);
  Busy->SetActive(true);

  auto* Panel = PlaceControl<TspSkinPanel>(ADemo, APage, ASkin, Bounds(ColumnLeft(0), 154, ColumnWidth, 60));
  auto* Note = new TspSkinStdLabel(ADemo.Form);
  Note->SetParent(Panel);
  Note->SetBounds(Margin, 20, ColumnWidth - 2 * Margin, 18);
  Note->SetCaption("A panel holding a label");
  Note->SetSkinData(ASkin);
  auto* Colours =
      PlaceControl<TspSkinPaintPanel>(ADemo, APage, ASkin, Bounds(ColumnLeft(0), 226, ColumnWidth, 60));
  // Owner-drawn: a hue ramp, as a colour picker would show it.
  Colours->OnPanelPaint = [](TCanvas& ACanvas, const TRect& ARect) {
    const TRect Ramp = Rect(ARect.Left + 8, ARect.Top + 8, ARect.Right - 8, ARect.Bottom - 8);
    for (int X = Ramp.Left; X < Ramp.Right; ++X) {
      const int Step = (X - Ramp.Left) * 6 * 255 / std::max(Ramp.Width(), 1);
      const int Part = Step / 255, Level = Step % 255;
      const int Channels[6][3] = {{255, Level, 0},       {255 - Level, 255, 0}, {0, 255, Level},
                                  {0, 255 - Level, 255}, {Level, 0, 255},       {255, 0, 255 - Level}};
      const auto& RGBValue = Channels[std::min(Part, 5)];
      ACanvas.Brush().SetColor(TColor(RGB(RGBValue[0], RGBValue[1], RGBValue[2])));
      ACanvas.FillRect(Rect(X, Ramp.Top, X + 1, Ramp.Bottom));
    }
  };
}

void BuildNotebook(TSkinDemo& ADemo, TspSkinData* ASkin, TWinControl* APage) {
  auto* Notebook =
      PlaceControl<TspSkinNotebook>(ADemo, APage, ASkin, Bounds(ColumnLeft(1), 12, ColumnWidth, 274));
  ADemo.Notebook = Notebook;
  Notebook->Pages().Clear();
  const std::pair<const char*, const char*> Pages[] = {{"Video", "H.264, 1280 x 720, 25 fps"},
                                                       {"Audio", "AAC, 48 kHz, stereo"},
                                                       {"Subtitles", "English (SRT)"}};
  for (const auto& [Caption, Text] : Pages) {
    Notebook->Pages().Add(Caption);
    auto* Line = new TspSkinStdLabel(ADemo.Form);
    Line->SetParent(Notebook->Page(Notebook->PageCount() - 1));
    Line->SetBounds(12, 12, ColumnWidth - 24, 18);
    Line->SetCaption(Text);
    Line->SetSkinData(ASkin);
  }
  Notebook->SetPageIndex(0);
  Notebook->SetButtonsMode(true);
  Notebook->OnPageChanged = [Say = ADemo.Say, Notebook](TObject*) {
    Say("notebook " + Notebook->ActivePage());
  };
}

void BuildBars(TSkinDemo& ADemo, TspSkinData* ASkin, TWinControl* APage) {
  const int Left = ColumnLeft(2);
  auto* Caption = new TspSkinStdLabel(ADemo.Form);
  Caption->SetParent(APage);
  Caption->SetBounds(Left, 14, ColumnWidth, 18);
  Caption->SetCaption("Scroll bar");
  Caption->SetSkinData(ASkin);
  auto* Across = PlaceControl<TspSkinScrollBar>(ADemo, APage, ASkin, Bounds(Left, 38, ColumnWidth, 14));
  Across->SetRange(0, 100, 20, 30);
  Across->OnChange = [Say = ADemo.Say, Across](TObject*) {
    Say("scroll " + std::to_string(Across->Position()));
  };

  auto* Levels = new TspSkinStdLabel(ADemo.Form);
  Levels->SetParent(APage);
  Levels->SetBounds(Left, 70, ColumnWidth, 18);
  Levels->SetCaption("Levels");
  Levels->SetSkinData(ASkin);
  const int Top = 96, Height = 190;
  auto* Upright = new TspSkinScrollBar(ADemo.Form);
  Upright->SetParent(APage);
  Upright->SetKind(sbVertical);
  Upright->SetSkinDataName("vscrollbar");
  Upright->SetBoundsRect(Bounds(Left + 40, Top, 12, Height));
  Upright->SetSkinData(ASkin);
  Upright->SetRange(0, 100, 25, 0);
  auto* Meter = new TspSkinGauge(ADemo.Form);
  Meter->SetParent(APage);
  Meter->SetSkinDataName("vgauge");
  Meter->SetVertical(true);
  Meter->SetUseSkinSize(false);
  Meter->SetBoundsRect(Bounds(Left + 106, Top, 20, Height));
  Meter->SetSkinData(ASkin);
  Meter->SetValue(65);
  auto* Level = new TspSkinTrackBar(ADemo.Form);
  Level->SetParent(APage);
  Level->SetSkinDataName("trackbar");
  Level->SetVertical(true);
  Level->SetBoundsRect(Bounds(Left + 170, Top, 24, Height));
  Level->SetSkinData(ASkin);
  Level->SetValue(65);
  Level->OnChange = [Meter, Level](TObject*) { Meter->SetValue(Level->Value()); };
}

}  // namespace

void BuildMorePage(TSkinDemo& ADemo, TspSkinData* ASkin, TWinControl* APage) {
  BuildPanels(ADemo, ASkin, APage);
  BuildNotebook(ADemo, ASkin, APage);
  BuildBars(ADemo, ASkin, APage);
}

}  // namespace skin_demo
