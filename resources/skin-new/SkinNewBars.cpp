// Gauges, track bars, scroll bars, splitters and up-down buttons.

#include "resources/skin-new/SkinNewBuildInternal.h"

namespace skin_new {

namespace {

constexpr int BarLength = 100;
constexpr int GaugeBreadth = 20;
constexpr int TrackBarBreadth = 24;
constexpr int ThumbLength = 30;
constexpr int SplitterBreadth = 6;

// A rectangle along a bar: horizontal bars run along x, vertical ones along y.
TRect Along(bool AVertical, int AStart, int AEnd, int AFrom, int ATo) {
  return AVertical ? Rect(AFrom, AStart, ATo, AEnd) : Rect(AStart, AFrom, AEnd, ATo);
}

TRect Offset(const TRect& ARect, const TRect& AOrigin) {
  return Rect(ARect.Left + AOrigin.Left, ARect.Top + AOrigin.Top, ARect.Right + AOrigin.Left,
              ARect.Bottom + AOrigin.Top);
}

void AddGauge(TSkinNew& ASkin, const char* AIDName, bool AVertical) {
  TSkinNewSheet Sheet;
  TSkinNewPainter& P = Sheet.Painter();
  const int Radius = metrics::GaugeThickness / 2;
  const int From = (GaugeBreadth - metrics::GaugeThickness) / 2, To = From + metrics::GaugeThickness;
  const TRect Body = Sheet.Place(AVertical ? GaugeBreadth : BarLength, AVertical ? BarLength : GaugeBreadth);
  const TRect Track = Offset(Along(AVertical, 0, BarLength, From, To), Body);
  P.FillRoundRect(Track, Radius, palette::Light);
  const TRect Progress = Sheet.Place(Track.Width(), Track.Height());
  P.Fill(Progress, palette::Light);
  P.FillRoundRect(Progress, Radius, palette::Accent);
  P.SetOutside(Progress, Radius, palette::TransparentKey);

  auto& Gauge = ASkin.AddControl<TspDataSkinGaugeControl>(AIDName);
  Gauge.PictureIndex = Sheet.Finish(ASkin, String(AIDName) + ".bmp");
  SetNinePart(Gauge, Body, AVertical ? From : Radius + 2, AVertical ? Radius + 2 : From);
  Gauge.ProgressArea = Along(AVertical, 0, BarLength, From, To);
  Gauge.ProgressRect = Progress;
  Gauge.ProgressTransparent = true;
  Gauge.ProgressTransparentColor = palette::TransparentKey;
  Gauge.BeginOffset = Gauge.EndOffset = Radius;
  Gauge.Vertical = AVertical;
  SetSkinFont(Gauge, palette::Text);
}

void AddTrackBar(TSkinNew& ASkin, const char* AIDName, bool AVertical) {
  TSkinNewSheet Sheet;
  TSkinNewPainter& P = Sheet.Painter();
  const int From = (TrackBarBreadth - metrics::TrackThickness) / 2, To = From + metrics::TrackThickness;
  const int Width = AVertical ? TrackBarBreadth : BarLength + 20,
            Height = AVertical ? BarLength + 20 : TrackBarBreadth;
  auto Body = [&](TColor ATrack) {
    const TRect R = Sheet.Place(Width, Height);
    P.FillRoundRect(Offset(Along(AVertical, 2, BarLength + 18, From, To), R), 2, ATrack);
    return R;
  };
  const TRect Normal = Body(palette::Border);
  const TRect Filled = Body(palette::Accent);
  auto Thumb = [&](TColor ARing) {
    const TRect R = Sheet.Place(metrics::ThumbSize, metrics::ThumbSize);
    P.FillCircle(CentreOf(R), metrics::ThumbSize / 2.0, ARing);
    P.FillCircle(CentreOf(R), 3.5, palette::Surface);
    P.SetOutside(R, metrics::ThumbSize / 2.0, palette::TransparentKey);
    return R;
  };
  const TRect Button = Thumb(palette::Accent);
  const TRect ActiveButton = Thumb(palette::AccentPressed);

  auto& TrackBar = ASkin.AddControl<TspDataSkinTrackBarControl>(AIDName);
  TrackBar.PictureIndex = Sheet.Finish(ASkin, String(AIDName) + ".bmp");
  SetNinePart(TrackBar, Normal, AVertical ? From : 10, AVertical ? 10 : From);
  TrackBar.ActiveSkinRect = Filled;
  TrackBar.TrackArea = Along(AVertical, 2, BarLength + 18, 0, TrackBarBreadth);
  TrackBar.ButtonRect = Button;
  TrackBar.ActiveButtonRect = ActiveButton;
  TrackBar.Vertical = AVertical;
  TrackBar.ButtonTransparent = true;
  TrackBar.ButtonTransparentColor = palette::TransparentKey;
}

// A scroll bar: arrows at both ends, a quiet track and a thin thumb that widens under
// the pointer. ACorner leaves room at the far end for the corner between two bars.
void AddScrollBar(TSkinNew& ASkin, const char* AIDName, bool AVertical, int ACorner) {
  TSkinNewSheet Sheet;
  TSkinNewPainter& P = Sheet.Painter();
  const int Size = metrics::ScrollBarWidth;
  const int Length = BarLength + ACorner;
  const TSkinNewArrow Back = AVertical ? saUp : saLeft, Forward = AVertical ? saDown : saRight;
  const TRect Body = Sheet.Place(AVertical ? Size : Length, AVertical ? Length : Size);
  // The up button raises the position: it sits at the far end and points forward.
  const TRect DownButton = Along(AVertical, 0, Size, 0, Size);
  const TRect UpButton = Along(AVertical, BarLength - Size, BarLength, 0, Size);
  DrawChevron(P, CentreOf(Offset(DownButton, Body)), Back, 6, palette::SecondaryText);
  DrawChevron(P, CentreOf(Offset(UpButton, Body)), Forward, 6, palette::SecondaryText);
  auto Arrow = [&](TSkinNewArrow AArrow, TColor AFill) {
    const TRect R = Sheet.Place(Size, Size);
    P.FillRoundRect(R, 3, AFill);
    DrawChevron(P, CentreOf(R), AArrow, 6, palette::Text);
    return R;
  };
  auto Thumb = [&](int AThickness, TColor AColor) {
    const TRect R = Sheet.Place(AVertical ? Size : ThumbLength, AVertical ? ThumbLength : Size);
    const int From = (Size - AThickness) / 2;
    P.FillRoundRect(Offset(Along(AVertical, 0, ThumbLength, From, From + AThickness), R), AThickness / 2.0,
                    AColor);
    return R;
  };
  auto& Bar = ASkin.AddControl<TspDataSkinScrollBarControl>(AIDName);
  Bar.ActiveUpButtonRect = Arrow(Forward, palette::Light);
  Bar.DownUpButtonRect = Arrow(Forward, palette::Pressed);
  Bar.ActiveDownButtonRect = Arrow(Back, palette::Light);
  Bar.DownDownButtonRect = Arrow(Back, palette::Pressed);
  Bar.ThumbRect = Thumb(6, palette::ScrollThumb);
  Bar.ActiveThumbRect = Thumb(10, palette::ScrollThumbHot);
  Bar.DownThumbRect = Thumb(10, palette::ScrollThumbPressed);
  Bar.PictureIndex = Sheet.Finish(ASkin, String(AIDName) + ".bmp");
  SetNinePart(Bar, Body, AVertical ? 1 : Size, AVertical ? Size : 1);
  if (AVertical) {
    Bar.LBPoint.Y = Bar.RBPoint.Y = Bar.ClRect.Bottom = Length - Size - ACorner;
  } else {
    Bar.RTPoint.X = Bar.RBPoint.X = Bar.ClRect.Right = Length - Size - ACorner;
  }
  Bar.UpButtonRect = UpButton;
  Bar.DownButtonRect = DownButton;
  Bar.TrackArea = Along(AVertical, Size, BarLength - Size, 0, Size);
  Bar.ThumbOffset1 = Bar.ThumbOffset2 = 6;
  Bar.ThumbStretchEffect = true;
  Bar.ThumbMinSize = 20;
}

void AddSplitter(TSkinNew& ASkin, const char* AIDName, bool AVertical) {
  TSkinNewSheet Sheet;
  TSkinNewPainter& P = Sheet.Painter();
  const TRect Body = Sheet.Place(AVertical ? SplitterBreadth : 40, AVertical ? 40 : SplitterBreadth);
  const TRect Gripper = Sheet.Place(AVertical ? SplitterBreadth : 24, AVertical ? 24 : SplitterBreadth);
  P.FillRoundRect(Offset(Along(AVertical, 0, 24, 2, 4), Gripper), 1, palette::BorderHot);
  auto& Splitter = ASkin.AddControl<TspDataSkinSplitterControl>(AIDName);
  Splitter.PictureIndex = Sheet.Finish(ASkin, String(AIDName) + ".bmp");
  SetNinePart(Splitter, Body, 2);
  Splitter.GripperRect = Gripper;
}

// The normal look is the element's own picture, both buttons in one rectangle: the
// horizontal pair as it reads, back (the down button) left and forward right, the
// vertical one up above down. The buttons' places are given within that rectangle;
// their hot and pressed pictures lie elsewhere in the picture.
void AddUpDown(TSkinNew& ASkin, const char* AIDName, bool AVertical) {
  TSkinNewSheet Sheet;
  TSkinNewPainter& P = Sheet.Painter();
  const TSkinNewArrow Up = AVertical ? saUp : saRight, Down = AVertical ? saDown : saLeft;
  const int Width = AVertical ? 18 : 14, Height = AVertical ? 14 : 18;
  auto Paint = [&](const TRect& R, TSkinNewArrow AArrow, TColor AFill, TColor AInk) {
    P.Fill(R, palette::Surface);
    if (AFill != palette::Surface) P.FillRoundRect(R, 3, AFill);
    DrawChevron(P, CentreOf(R), AArrow, 7, AInk);
  };
  auto Button = [&](TSkinNewArrow AArrow, TColor AFill, TColor AInk) {
    const TRect R = Sheet.Place(Width, Height);
    Paint(R, AArrow, AFill, AInk);
    return R;
  };
  const TRect Body = Sheet.Place(AVertical ? Width : 2 * Width, AVertical ? 2 * Height : Height);
  const TRect First = Rect(0, 0, Width, Height);
  const TRect Second = AVertical ? Rect(0, Height, Width, 2 * Height) : Rect(Width, 0, 2 * Width, Height);
  const TRect UpPlace = AVertical ? First : Second, DownPlace = AVertical ? Second : First;
  Paint(Offset(UpPlace, Body), Up, palette::Surface, palette::SecondaryText);
  Paint(Offset(DownPlace, Body), Down, palette::Surface, palette::SecondaryText);
  auto& UpDown = ASkin.AddControl<TspDataSkinUpDownControl>(AIDName);
  UpDown.SkinRect = Body;
  UpDown.UpButtonRect = UpPlace;
  UpDown.DownButtonRect = DownPlace;
  UpDown.ActiveUpButtonRect = Button(Up, palette::Light, palette::Text);
  UpDown.DownUpButtonRect = Button(Up, palette::Pressed, palette::Text);
  UpDown.ActiveDownButtonRect = Button(Down, palette::Light, palette::Text);
  UpDown.DownDownButtonRect = Button(Down, palette::Pressed, palette::Text);
  UpDown.PictureIndex = Sheet.Finish(ASkin, String(AIDName) + ".bmp");
}

}  // namespace

void BuildBars(TSkinNew& ASkin) {
  AddGauge(ASkin, "gauge", false);
  AddGauge(ASkin, "vgauge", true);
  AddTrackBar(ASkin, "htrackbar", false);
  AddTrackBar(ASkin, "trackbar", true);
  AddScrollBar(ASkin, "hscrollbar", false, 0);
  AddScrollBar(ASkin, "vscrollbar", true, 0);
  AddScrollBar(ASkin, "bothhscrollbar", false, metrics::ScrollBarWidth);
  AddSplitter(ASkin, "hsplitter", false);
  AddSplitter(ASkin, "vsplitter", true);
  AddUpDown(ASkin, "hupdown", false);
  AddUpDown(ASkin, "vupdown", true);
}

}  // namespace skin_new
