#include "tests/components/core/SkinNewContactSheet.h"

#include <algorithm>

#include "components/core/SPUtils.h"
#include "resources/skin-new/SkinNewPalette.h"

namespace skin_new_test {

namespace {

using namespace skin_new;

constexpr int SheetWidth = 820;
constexpr int SheetMargin = 16;
constexpr int LabelWidth = 132;
constexpr int SampleGap = 12;

// The sheet under construction: rows of samples, each row headed by a name.
class TContactSheet {
 public:
  explicit TContactSheet(const TSkinNew& ASkin) : FSkin(ASkin) {
    FSheet.SetSize(SheetWidth, 2400);
    FSheet.Canvas().Brush().SetColor(palette::Background);
    FSheet.Canvas().FillRect(Rect(0, 0, SheetWidth, 2400));
    FY = SheetMargin;
  }

  TBitmap& Picture(int AIndex) { return *FSkin.Data.Picture(AIndex); }

  // A new row named AName, ARowHeight high.
  void Row(const String& AName, int ARowHeight) {
    if (FRowHeight > 0) FY += FRowHeight + SampleGap;
    FRowHeight = ARowHeight;
    FX = SheetMargin + LabelWidth;
    Text(Rect(SheetMargin, FY, SheetMargin + LabelWidth, FY + ARowHeight), AName, palette::SecondaryText,
         false, {tfLeft, tfVerticalCenter, tfSingleLine});
  }
  void Heading(const String& AText) {
    if (FRowHeight > 0) FY += FRowHeight + SampleGap + 8;
    FRowHeight = 22;
    Text(Rect(SheetMargin, FY, SheetWidth, FY + FRowHeight), AText, palette::Text, true,
         {tfLeft, tfVerticalCenter, tfSingleLine});
  }
  // The place of the next sample in the row, AWidth × AHeight, centred in the row.
  TRect Next(int AWidth, int AHeight) {
    const TRect Result = Bounds(FX, FY + (FRowHeight - AHeight) / 2, AWidth, AHeight);
    FX += AWidth + SampleGap;
    return Result;
  }

  void Text(const TRect& ARect, const String& AText, TColor AColor, bool ABold,
            TTextFormat AFormat = {tfCenter, tfVerticalCenter, tfSingleLine}) {
    TCanvas& C = FSheet.Canvas();
    C.Font().SetName(metrics::FontName);
    C.Font().SetHeight(metrics::FontHeight);
    C.Font().SetStyle(ABold ? TFontStyles{fsBold} : TFontStyles{});
    C.Font().SetColor(AColor);
    C.Brush().SetStyle(bsClear);
    TRect R = ARect;
    C.TextRect(R, AText, AFormat);
    C.Brush().SetStyle(bsSolid);
  }

  // The nine-part part ASkinRect of the element, composed at ATarget's size.
  void Compose(const TspDataSkinCustomControl& AElement, const TRect& ASkinRect, const TRect& ATarget) {
    ComposePart(Picture(AElement.PictureIndex), ASkinRect, AElement.LTPoint, AElement.RTPoint,
                AElement.LBPoint, AElement.RBPoint, AElement.ClRect, ATarget, AElement.StretchEffect);
  }
  static TspSkinImageGeometry PartGeometry(const TRect& ASkinRect, TPoint LT, TPoint RT, TPoint LB, TPoint RB,
                                           TRect Cl, bool AStretch) {
    return {.LTPt = LT,
            .RTPt = RT,
            .LBPt = LB,
            .RBPt = RB,
            .ClRect = Cl,
            .SkinRect = ASkinRect,
            .StretchEffect = AStretch};
  }
  void ComposePart(TBitmap& APicture, const TRect& ASkinRect, TPoint LT, TPoint RT, TPoint LB, TPoint RB,
                   TRect Cl, const TRect& ATarget, bool AStretch = false) {
    TBitmap Image;
    ComposeSkinImage(Image, APicture, PartGeometry(ASkinRect, LT, RT, LB, RB, Cl, AStretch), ATarget.Width(),
                     ATarget.Height(), true);
    FSheet.Canvas().Draw(ATarget.Left, ATarget.Top, Image);
  }
  // The whole of APicture composed into ATarget, with what AMask cuts away left as the
  // sheet's background (the window's region).
  void ComposeWindow(TBitmap& APicture, TBitmap& AMask, TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect Cl,
                     const TRect& ATarget) {
    const TRect Whole = Rect(0, 0, APicture.Width(), APicture.Height());
    ComposePart(APicture, Whole, LT, RT, LB, RB, Cl, ATarget);
    TBitmap Mask;
    ComposeSkinImage(Mask, AMask, PartGeometry(Whole, LT, RT, LB, RB, Cl, false), ATarget.Width(),
                     ATarget.Height(), true);
    for (int Y = 0; Y < ATarget.Height(); ++Y)
      for (int X = 0; X < ATarget.Width(); ++X)
        if (Mask.Canvas().Pixels(X, Y) != clBlack)
          FSheet.Canvas().SetPixels(ATarget.Left + X, ATarget.Top + Y, palette::Background);
  }
  // A part of a picture at its own size; AKeyed leaves out the skin's transparent colour.
  void Part(int APicture, const TRect& APart, int AX, int AY, bool AKeyed = false) {
    CopyPart(Picture(APicture), APart, AX, AY, AKeyed);
  }
  void CopyPart(TBitmap& ASource, const TRect& APart, int AX, int AY, bool AKeyed = false) {
    if (!AKeyed) {
      FSheet.Canvas().CopyRect(Bounds(AX, AY, APart.Width(), APart.Height()), ASource.Canvas(), APart);
      return;
    }
    for (int Y = 0; Y < APart.Height(); ++Y)
      for (int X = 0; X < APart.Width(); ++X) {
        const TColor Pixel = ASource.Canvas().Pixels(APart.Left + X, APart.Top + Y);
        if (Pixel != palette::TransparentKey) FSheet.Canvas().SetPixels(AX + X, AY + Y, Pixel);
      }
  }
  // A three-part strip of APart, ALength long, drawn at (AX, AY).
  void Strip(int APicture, const TRect& APart, int AEnds, int ALength, bool AVertical, int AX, int AY,
             bool AKeyed) {
    TBitmap Image;
    if (AVertical)
      CreateVSkinImage(AEnds, AEnds, Image, Picture(APicture), APart, APart.Width(), ALength, true);
    else
      CreateHSkinImage(AEnds, AEnds, Image, Picture(APicture), APart, ALength, APart.Height(), true);
    CopyPart(Image, Rect(0, 0, Image.Width(), Image.Height()), AX, AY, AKeyed);
  }
  TCanvas& Canvas() { return FSheet.Canvas(); }

  TPixelImage Finish() {
    const int Height = FY + FRowHeight + SheetMargin;
    TPixelImage Full = FSheet.ToPixelImage(), Result;
    ResizePixelImage(Result, SheetWidth, Height);
    for (int Y = 0; Y < Height; ++Y)
      for (int X = 0; X < SheetWidth; ++X) Result.Row(Y)[X] = Full.Pixel(X, Y) | 0xFF000000;
    return Result;
  }

 private:
  const TSkinNew& FSkin;
  TBitmap FSheet;
  int FX = 0, FY = 0, FRowHeight = 0;
};

template <typename TRecord>
const TRecord& Element(const TSkinNew& ASkin, const char* AIDName) {
  if (auto* Control = ASkin.FindControl(AIDName)) return dynamic_cast<const TRecord&>(*Control);
  return dynamic_cast<const TRecord&>(*ASkin.FindObject(AIDName));
}

void DrawWindows(TContactSheet& ASheet, const TSkinNew& ASkin) {
  ASheet.Heading("Windows");
  const TspSkinContent& Info = ASkin.Data;
  for (bool Active : {true, false}) {
    ASheet.Row(Active ? "form, active" : "form, inactive", 130);
    const TRect Place = ASheet.Next(520, 130);
    TBitmap& Frame = Active ? *Info.FPicture : *Info.FInActivePicture;
    ASheet.ComposeWindow(Frame, *Info.FMask, Info.LTPoint, Info.RTPoint, Info.LBPoint, Info.RBPoint,
                         Info.ClRect, Place);
    const auto& Caption = Element<TspDataSkinCaption>(ASkin, "caption");
    // The caption stretches with the frame between its corners.
    const int Narrower = Frame.Width() - Place.Width();
    const TRect Text =
        Rect(Place.Left + Caption.SkinRect.Left + Caption.TextRct.Left, Place.Top + Caption.SkinRect.Top,
             Place.Left + Caption.SkinRect.Left + Caption.TextRct.Right - Narrower,
             Place.Top + Caption.SkinRect.Bottom);
    ASheet.Text(Text, "Pelladrin", Active ? Caption.ActiveFontColor : Caption.FontColor, true,
                {tfLeft, tfVerticalCenter, tfSingleLine});
    // The main menu's items in the frame's menu strip.
    const auto& Item = Element<TspDataSkinMainMenuItem>(ASkin, "MAINMENUITEM");
    int X = Place.Left + Info.MainMenuRect.Left;
    const TRect Looks[] = {Item.SkinRect, Item.ActiveSkinRect, Item.DownRect};
    const char* Names[] = {"File", "Edit", "View"};
    for (int I = 0; I < 3; ++I) {
      ASheet.Part(Item.ActivePictureIndex, Looks[Active ? I : 0], X, Place.Top + Info.MainMenuRect.Top);
      ASheet.Text(Bounds(X, Place.Top + Info.MainMenuRect.Top, Looks[0].Width(), Looks[0].Height()), Names[I],
                  Item.FontColor, false);
      X += Looks[0].Width();
    }
  }
  ASheet.Row("popup menu and hint", 174);
  const TRect Menu = ASheet.Next(170, 174);
  const auto& Popup = *ASkin.Data.PopupWindow;
  ASheet.ComposeWindow(ASheet.Picture(Popup.WindowPictureIndex), ASheet.Picture(Popup.MaskPictureIndex),
                       Popup.LTPoint, Popup.RTPoint, Popup.LBPoint, Popup.RBPoint, Popup.ItemsRect, Menu);
  const auto& Item = Element<TspDataSkinMenuItem>(ASkin, "menuitem");
  struct TMenuLine {
    const char* Text;
    bool Hot, Disabled, Divider;
    TRect Mark;
  };
  const TMenuLine Lines[] = {{"Add files", false, false, false, {}},
                             {"Convert", true, false, false, Item.ActiveCheckImageRect},
                             {"Join all", false, false, false, Item.CheckImageRect},
                             {"", false, false, true, {}},
                             {"Output size", false, false, false, Item.RadioImageRect},
                             {"Recent", false, false, false, {}},
                             {"Snapshot", false, true, false, {}}};
  int Y = Menu.Top + Popup.ItemsRect.Top;
  const int ItemLeft = Menu.Left + Popup.ItemsRect.Left, ItemWidth = Menu.Width() - Popup.ItemsRect.Left * 2;
  for (const auto& Line : Lines) {
    const TRect Source = Line.Divider ? Item.DividerRect : Line.Hot ? Item.ActiveSkinRect : Item.SkinRect;
    TBitmap Strip;
    CreateHSkinImage(Item.ItemLO, Item.ItemRO, Strip, ASheet.Picture(Item.ActivePictureIndex), Source,
                     ItemWidth, Source.Height(), true);
    ASheet.CopyPart(Strip, Rect(0, 0, Strip.Width(), Strip.Height()), ItemLeft, Y);
    if (!Line.Divider) {
      if (!IsRectEmpty(Line.Mark))
        ASheet.Part(Item.ActivePictureIndex, Line.Mark, ItemLeft + Item.ImageRct.Left, Y + Item.ImageRct.Top);
      const TColor Colour = Line.Disabled ? Item.UnEnabledFontColor
                            : Line.Hot    ? Item.ActiveFontColor
                                          : Item.FontColor;
      ASheet.Text(
          Rect(ItemLeft + Item.TextRct.Left, Y, ItemLeft + ItemWidth - Item.ItemRO, Y + Source.Height()),
          Line.Text, Colour, false, {tfLeft, tfVerticalCenter, tfSingleLine});
      if (String(Line.Text) == "Recent")
        ASheet.Part(Item.ActivePictureIndex, Item.ArrowImageRect, ItemLeft + ItemWidth - 22, Y + 5);
    }
    Y += Source.Height();
  }

  const auto& Hint = *ASkin.Data.HintWindow;
  const TRect HintPlace = ASheet.Next(190, 28);
  ASheet.ComposeWindow(ASheet.Picture(Hint.WindowPictureIndex), ASheet.Picture(Hint.MaskPictureIndex),
                       Hint.LTPoint, Hint.RTPoint, Hint.LBPoint, Hint.RBPoint, Hint.ClRect, HintPlace);
  ASheet.Text(HintPlace, "Convert the checked items", Hint.FontColor, false);
}

void DrawButtons(TContactSheet& ASheet, const TSkinNew& ASkin) {
  ASheet.Heading("Buttons: normal, hot, pressed, disabled, focused (and a menu button's flat look)");
  struct TSample {
    const char* IDName;
    int Width, Height;
    const char* Caption;
  };
  const TSample Samples[] = {{"button", 96, 28, "Convert"},     {"resizebutton", 96, 28, "Browse"},
                             {"toolbutton", 32, 32, ""},        {"bigtoolbutton", 48, 48, ""},
                             {"resizetoolbutton", 40, 32, ""},  {"toolmenubutton", 46, 32, ""},
                             {"combobutton", 24, 24, ""},       {"editbutton", 24, 24, ""},
                             {"officequickbutton", 24, 24, ""}, {"menuitembutton", 96, 26, "Settings"},
                             {"htracktoolbutton", 32, 14, ""},  {"vtracktoolbutton", 14, 32, ""}};
  for (const auto& Sample : Samples) {
    const auto& Button = Element<TspDataSkinButtonControl>(ASkin, Sample.IDName);
    ASheet.Row(Sample.IDName, Sample.Height);
    const TRect Looks[] = {Button.SkinRect, Button.ActiveSkinRect, Button.DownSkinRect,
                           Button.DisabledSkinRect, Button.FocusedSkinRect};
    const TColor Colours[] = {Button.FontColor, Button.ActiveFontColor, Button.DownFontColor,
                              Button.DisabledFontColor, Button.FontColor};
    const bool MenuButton = String(Sample.IDName) == "toolmenubutton";
    // A menu button adds its flat look: no picture, only the flat marker.
    const int LookCount = MenuButton ? 6 : 5;
    for (int I = 0; I < LookCount; ++I) {
      const TRect Place = ASheet.Next(Sample.Width, Sample.Height);
      if (I < 5) ASheet.Compose(Button, Looks[I], Place);
      if (*Sample.Caption) {
        ASheet.Text(Place, Sample.Caption, Colours[I], false);
      } else {
        // A stand-in for the button's picture, left of a menu button's drop-down column.
        const int Size = std::min(Place.Width(), Place.Height()) / 2;
        const int ColumnWidth = RectangleWidth(Button.SkinRect) - Button.ClRect.Right - Button.ClRect.Left;
        const TRect Glyph = Bounds(Place.Left + (Place.Width() - ColumnWidth - Size) / 2,
                                   Place.Top + (Place.Height() - Size) / 2, Size, Size);
        ASheet.Canvas().Brush().SetColor(I == 3 ? palette::DisabledText : palette::SecondaryText);
        ASheet.Canvas().FrameRect(Glyph);
      }
      if (I == 5) {
        // Centred right of the client area, as the flat look draws it.
        const auto& Menu = Element<TspDataSkinMenuButtonControl>(ASkin, Sample.IDName);
        const TRect& Marker = Menu.MenuMarkerFlatRect;
        const TRect Column = Rect(Place.Left + Menu.ClRect.Right, Place.Top + Menu.ClRect.Top, Place.Right,
                                  Place.Bottom - (RectangleHeight(Menu.SkinRect) - Menu.ClRect.Bottom));
        ASheet.Part(Button.PictureIndex, Marker, Column.Left + Column.Width() / 2 - Marker.Width() / 2,
                    Column.Top + Column.Height() / 2 - Marker.Height() / 2, true);
      }
    }
  }
}

void DrawChecks(TContactSheet& ASheet, const TSkinNew& ASkin) {
  ASheet.Heading("Check and radio boxes: off, on, hot off, hot on, disabled off, disabled on, grayed");
  for (const char* Name : {"checkbox", "radiobox"}) {
    const auto& Check = Element<TspDataSkinCheckRadioControl>(ASkin, Name);
    ASheet.Row(Name, 20);
    const TRect Boxes[] = {Check.UnCheckImageRect,          Check.CheckImageRect,
                           Check.ActiveUnCheckImageRect,    Check.ActiveCheckImageRect,
                           Check.UnEnabledUnCheckImageRect, Check.UnEnabledCheckImageRect,
                           Check.GrayedCheckImageRect};
    for (int I = 0; I < 7; ++I) {
      if (IsRectEmpty(Boxes[I])) continue;
      const TRect Place = ASheet.Next(64, 20);
      ASheet.Compose(Check, I == 2 || I == 3 ? Check.ActiveSkinRect : Check.SkinRect, Place);
      ASheet.Part(Check.PictureIndex, Boxes[I], Place.Left + Check.CheckImageArea.Left,
                  Place.Top + Check.CheckImageArea.Top);
      ASheet.Text(Rect(Place.Left + Check.TextArea.Left, Place.Top, Place.Right, Place.Bottom), "Audio",
                  I >= 4 && I <= 5 ? Check.UnEnabledFontColor : Check.FontColor, false,
                  {tfLeft, tfVerticalCenter, tfSingleLine});
    }
  }
}

void DrawEdits(TContactSheet& ASheet, const TSkinNew& ASkin) {
  ASheet.Heading("Edits: normal, focused, button hot, button pressed, disabled");
  for (const char* Name : {"edit", "buttonedit", "combobox", "spinedit", "memo"}) {
    const auto& Edit = Element<TspDataSkinCustomControl>(ASkin, Name);
    ASheet.Row(Name, String(Name) == "memo" ? 56 : 28);
    const int Height = String(Name) == "memo" ? 56 : 28;
    TRect Active, Button, Hot, Down, Disabled;
    TColor Font = 0, DisabledFont = 0;
    if (auto* E = dynamic_cast<const TspDataSkinEditControl*>(&Edit)) {
      Active = E->ActiveSkinRect, Button = E->ButtonRect, Hot = E->ActiveButtonRect, Down = E->DownButtonRect;
      Disabled = E->UnEnabledButtonRect, Font = E->FontColor, DisabledFont = E->DisabledFontColor;
    } else if (auto* C = dynamic_cast<const TspDataSkinComboBox*>(&Edit)) {
      Active = C->ActiveSkinRect, Button = C->ButtonRect, Hot = C->ActiveButtonRect, Down = C->DownButtonRect;
      Disabled = C->UnEnabledButtonRect, Font = C->FontColor, DisabledFont = palette::DisabledText;
    } else if (auto* S = dynamic_cast<const TspDataSkinSpinEditControl*>(&Edit)) {
      Active = S->ActiveSkinRect, Button = S->UpButtonRect, Hot = S->ActiveUpButtonRect,
      Down = S->DownUpButtonRect;
      Font = S->FontColor, DisabledFont = S->DisabledFontColor;
    }
    const TRect Looks[] = {Edit.SkinRect, Active, Edit.SkinRect, Edit.SkinRect, Edit.SkinRect};
    const TRect Buttons[] = {{}, {}, Hot, Down, Disabled};
    for (int I = 0; I < 5; ++I) {
      if (I > 1 && I < 5 && IsRectEmpty(Buttons[I])) continue;
      const TRect Place = ASheet.Next(120, Height);
      ASheet.Compose(Edit, Looks[I], Place);
      const int Right = Place.Right - (IsRectEmpty(Button) ? 0 : Edit.SkinRect.Width() - Button.Left);
      if (!IsRectEmpty(Buttons[I]) && !IsRectEmpty(Button))
        ASheet.Part(Edit.PictureIndex, Buttons[I], Right, Place.Top + Button.Top);
      ASheet.Text(Rect(Place.Left + 8, Place.Top + 6, Right, Place.Top + 22),
                  I == 4 ? "Disabled" : "clip.mp4", I == 4 ? DisabledFont : Font, false,
                  {tfLeft, tfVerticalCenter, tfSingleLine});
    }
  }
}

void DrawBars(TContactSheet& ASheet, const TSkinNew& ASkin) {
  ASheet.Heading("Bars: progress, sliders, scroll bars (normal, hot, pressed), splitters, up-down");
  const auto& Gauge = Element<TspDataSkinGaugeControl>(ASkin, "gauge");
  ASheet.Row("gauge", 20);
  for (int Percent : {0, 35, 100}) {
    const TRect Place = ASheet.Next(160, 20);
    ASheet.Compose(Gauge, Gauge.SkinRect, Place);
    const int Length = (Place.Width() * Percent) / 100;
    if (Length > Gauge.BeginOffset + Gauge.EndOffset)
      ASheet.Strip(Gauge.PictureIndex, Gauge.ProgressRect, Gauge.BeginOffset, Length, false, Place.Left,
                   Place.Top + Gauge.ProgressArea.Top, true);
  }
  const auto& TrackBar = Element<TspDataSkinTrackBarControl>(ASkin, "htrackbar");
  ASheet.Row("htrackbar", 24);
  for (int Percent : {20, 60}) {
    for (bool Active : {false, true}) {
      const TRect Place = ASheet.Next(140, 24);
      ASheet.Compose(TrackBar, TrackBar.SkinRect, Place);
      const int Travel = Place.Width() - 4 - TrackBar.ButtonRect.Width();
      const int Centre = Place.Left + 2 + TrackBar.ButtonRect.Width() / 2 + Travel * Percent / 100;
      ASheet.Compose(TrackBar, TrackBar.ActiveSkinRect, Rect(Place.Left, Place.Top, Centre, Place.Bottom));
      ASheet.Compose(TrackBar, TrackBar.SkinRect, Rect(Centre, Place.Top, Place.Right, Place.Bottom));
      ASheet.Part(TrackBar.PictureIndex, Active ? TrackBar.ActiveButtonRect : TrackBar.ButtonRect,
                  Centre - TrackBar.ButtonRect.Width() / 2, Place.Top + 4, true);
    }
  }
  const auto& HBar = Element<TspDataSkinScrollBarControl>(ASkin, "hscrollbar");
  ASheet.Row("hscrollbar", 12);
  const TRect Thumbs[] = {HBar.ThumbRect, HBar.ActiveThumbRect, HBar.DownThumbRect};
  for (int I = 0; I < 3; ++I) {
    const TRect Place = ASheet.Next(160, 12);
    ASheet.Compose(HBar, HBar.SkinRect, Place);
    if (I == 1) ASheet.Part(HBar.PictureIndex, HBar.ActiveDownButtonRect, Place.Left, Place.Top);
    if (I == 2) ASheet.Part(HBar.PictureIndex, HBar.DownUpButtonRect, Place.Right - 12, Place.Top);
    ASheet.Strip(HBar.PictureIndex, Thumbs[I], HBar.ThumbOffset1, 56, false, Place.Left + 30, Place.Top,
                 false);
  }
  const auto& VBar = Element<TspDataSkinScrollBarControl>(ASkin, "vscrollbar");
  const auto& VGauge = Element<TspDataSkinGaugeControl>(ASkin, "vgauge");
  const auto& VTrack = Element<TspDataSkinTrackBarControl>(ASkin, "trackbar");
  ASheet.Row("vertical", 100);
  const TRect VThumbs[] = {VBar.ThumbRect, VBar.ActiveThumbRect, VBar.DownThumbRect};
  for (int I = 0; I < 3; ++I) {
    const TRect Place = ASheet.Next(12, 100);
    ASheet.Compose(VBar, VBar.SkinRect, Place);
    ASheet.Strip(VBar.PictureIndex, VThumbs[I], VBar.ThumbOffset1, 40, true, Place.Left, Place.Top + 20,
                 false);
  }
  const TRect GaugePlace = ASheet.Next(20, 100);
  ASheet.Compose(VGauge, VGauge.SkinRect, GaugePlace);
  ASheet.Strip(VGauge.PictureIndex, VGauge.ProgressRect, VGauge.BeginOffset, 60, true,
               GaugePlace.Left + VGauge.ProgressArea.Left, GaugePlace.Bottom - 60, true);
  const TRect TrackPlace = ASheet.Next(24, 100);
  ASheet.Compose(VTrack, VTrack.SkinRect, TrackPlace);
  ASheet.Compose(VTrack, VTrack.ActiveSkinRect,
                 Rect(TrackPlace.Left, TrackPlace.Top + 50, TrackPlace.Right, TrackPlace.Bottom));
  ASheet.Part(VTrack.PictureIndex, VTrack.ButtonRect, TrackPlace.Left + 4, TrackPlace.Top + 42, true);
  for (const char* Name : {"hsplitter", "vsplitter"}) {
    const auto& Splitter = Element<TspDataSkinSplitterControl>(ASkin, Name);
    const bool Vertical = String(Name) == "vsplitter";
    const TRect Place = ASheet.Next(Vertical ? 6 : 80, Vertical ? 80 : 6);
    ASheet.Compose(Splitter, Splitter.SkinRect, Place);
    ASheet.Part(Splitter.PictureIndex, Splitter.GripperRect,
                Place.Left + (Place.Width() - Splitter.GripperRect.Width()) / 2,
                Place.Top + (Place.Height() - Splitter.GripperRect.Height()) / 2);
  }
  for (const char* Name : {"vupdown", "hupdown"}) {
    const auto& UpDown = Element<TspDataSkinUpDownControl>(ASkin, Name);
    const TRect Up[] = {UpDown.UpButtonRect, UpDown.ActiveUpButtonRect, UpDown.DownUpButtonRect};
    const TRect Down[] = {UpDown.DownButtonRect, UpDown.ActiveDownButtonRect, UpDown.DownDownButtonRect};
    for (int I = 0; I < 3; ++I) {
      const bool Vertical = String(Name) == "vupdown";
      const TRect Place = ASheet.Next(Vertical ? 18 : 28, Vertical ? 28 : 18);
      // The normal pair is the element's picture; the buttons' places lie within it.
      if (I == 0) {
        ASheet.Part(UpDown.PictureIndex, UpDown.SkinRect, Place.Left, Place.Top);
        continue;
      }
      // The horizontal pair lies as it reads: back (its down button) left, forward right.
      ASheet.Part(UpDown.PictureIndex, Up[I], Vertical ? Place.Left : Place.Left + 14, Place.Top);
      ASheet.Part(UpDown.PictureIndex, Down[I], Place.Left, Vertical ? Place.Top + 14 : Place.Top);
    }
  }
}

void DrawPanelsAndLists(TContactSheet& ASheet, const TSkinNew& ASkin) {
  ASheet.Heading("Panels, lists and tabs");
  ASheet.Row("panels", 90);
  for (const char* Name : {"panel", "groupbox", "toolpanel", "statusbar"}) {
    const auto& Panel = Element<TspDataSkinPanelControl>(ASkin, Name);
    const int Height = String(Name) == "statusbar" ? 24 : String(Name) == "toolpanel" ? 40 : 90;
    const TRect Place = ASheet.Next(String(Name) == "panel" ? 80 : 120, Height);
    ASheet.Compose(Panel, Panel.SkinRect, Place);
    if (!IsRectEmpty(Panel.CaptionRect))
      ASheet.Text(Rect(Place.Left + Panel.CaptionRect.Left, Place.Top + Panel.CaptionRect.Top, Place.Right,
                       Place.Top + Panel.CaptionRect.Bottom),
                  "Video", Panel.FontColor, true, {tfLeft, tfVerticalCenter, tfSingleLine});
    if (String(Name) == "statusbar")
      ASheet.Text(Rect(Place.Left + 8, Place.Top, Place.Right - 8, Place.Bottom), "3 items", Panel.FontColor,
                  false, {tfLeft, tfVerticalCenter, tfSingleLine});
  }
  const auto& ExPanel = Element<TspDataSkinExPanelControl>(ASkin, "expanel");
  const TRect ExPlace = ASheet.Next(150, 90);
  ASheet.Compose(ExPanel, ExPanel.SkinRect, ExPlace);
  ASheet.Text(Rect(ExPlace.Left + ExPanel.CaptionRect.Left, ExPlace.Top, ExPlace.Right,
                   ExPlace.Top + ExPanel.CaptionRect.Bottom),
              "Preview", ExPanel.FontColor, true, {tfLeft, tfVerticalCenter, tfSingleLine});
  ASheet.Part(ExPanel.PictureIndex, ExPanel.VRollButtonActiveRect, ExPlace.Right - 44, ExPlace.Top + 6);
  ASheet.Part(ExPanel.PictureIndex, ExPanel.CloseButtonRect, ExPlace.Right - 24, ExPlace.Top + 6);

  ASheet.Row("listbox, grid, tree", 120);
  const auto& List = Element<TspDataSkinListBox>(ASkin, "listbox");
  const TRect ListPlace = ASheet.Next(150, 120);
  ASheet.Compose(List, List.SkinRect, ListPlace);
  const TRect Items[] = {List.SItemRect, List.ActiveItemRect, List.FocusItemRect, List.SItemRect};
  const TColor ItemColours[] = {List.FontColor, List.ActiveFontColor, List.FocusFontColor, List.FontColor};
  const char* ItemTexts[] = {"MP4 (H.264)", "WebM (VP9)", "MKV (HEVC)", "MP3 audio"};
  for (int I = 0; I < 4; ++I) {
    const int Y = ListPlace.Top + 4 + I * Items[I].Height();
    ASheet.Strip(List.PictureIndex, Items[I], List.ItemLeftOffset, ListPlace.Width() - 8, false,
                 ListPlace.Left + 4, Y, false);
    ASheet.Text(
        Rect(ListPlace.Left + 4 + List.ItemTextRect.Left, Y, ListPlace.Right - 8, Y + Items[I].Height()),
        ItemTexts[I], ItemColours[I], false, {tfLeft, tfVerticalCenter, tfSingleLine});
  }
  const auto& Grid = Element<TspDataSkinGridControl>(ASkin, "grid");
  const TRect GridPlace = ASheet.Next(240, 120);
  ASheet.Canvas().Brush().SetColor(Grid.BGColor);
  ASheet.Canvas().FillRect(GridPlace);
  ASheet.Canvas().Brush().SetColor(palette::Border);
  ASheet.Canvas().FrameRect(GridPlace);
  const char* Heads[] = {"File", "Format", "Status"};
  const char* Cells[3][3] = {
      {"clip.mp4", "MP4", "100%"}, {"talk.mkv", "WebM", "35%"}, {"song.wav", "MP3", "Waiting"}};
  for (int Col = 0; Col < 3; ++Col) {
    const int X = GridPlace.Left + 1 + Col * 79;
    ASheet.Strip(ASkin.FindControl("grid")->PictureIndex, Grid.FixedCellRect, 2, 79, false, X,
                 GridPlace.Top + 1, false);
    ASheet.Text(Rect(X + 6, GridPlace.Top + 1, X + 79, GridPlace.Top + 29), Heads[Col], Grid.FixedFontColor,
                true, {tfLeft, tfVerticalCenter, tfSingleLine});
    for (int Line = 0; Line < 3; ++Line) {
      const int Y = GridPlace.Top + 29 + Line * 28;
      const TRect Cell = Line == 1 ? Grid.FocusCellRect : Grid.SelectCellRect;
      if (Line == 1) ASheet.Strip(Grid.PictureIndex, Cell, 2, 79, false, X, Y, false);
      ASheet.Text(Rect(X + 6, Y, X + 79, Y + 28), Cells[Line][Col],
                  Line == 1 ? Grid.FocusFontColor : Grid.FontColor, false,
                  {tfLeft, tfVerticalCenter, tfSingleLine});
      ASheet.Canvas().Brush().SetColor(Grid.LinesColor);
      ASheet.Canvas().FillRect(Rect(X, Y + 27, X + 79, Y + 28));
    }
  }
  const auto& Tree = Element<TspDataSkinTreeView>(ASkin, "treeview");
  const TRect TreePlace = ASheet.Next(130, 120);
  ASheet.Canvas().Brush().SetColor(Tree.BGColor);
  ASheet.Canvas().FillRect(TreePlace);
  const char* Nodes[] = {"Videos", "Music", "Pictures"};
  for (int I = 0; I < 3; ++I) {
    const int Y = TreePlace.Top + 6 + I * 24;
    ASheet.Part(Tree.PictureIndex, I == 0 ? Tree.ExpandImageRect : Tree.NoExpandImageRect, TreePlace.Left + 6,
                Y + 6);
    ASheet.Text(Rect(TreePlace.Left + 24, Y, TreePlace.Right, Y + 24), Nodes[I], Tree.FontColor, false,
                {tfLeft, tfVerticalCenter, tfSingleLine});
  }

  ASheet.Row("tab", 90);
  const auto& Tabs = Element<TspDataSkinTabControl>(ASkin, "tab");
  const TRect TabPlace = ASheet.Next(330, 90);
  TBitmap& TabPicture = ASheet.Picture(Tabs.PictureIndex);
  ASheet.ComposePart(
      TabPicture, Tabs.SkinRect, Tabs.LTPoint, Tabs.RTPoint, Tabs.LBPoint, Tabs.RBPoint, Tabs.ClRect,
      Rect(TabPlace.Left, TabPlace.Top + Tabs.TabRect.Height() - 1, TabPlace.Right, TabPlace.Bottom));
  ASheet.Strip(Tabs.PictureIndex, Tabs.TabsBGRect, 0, TabPlace.Width(), false, TabPlace.Left, TabPlace.Top,
               false);
  const TRect TabLooks[] = {Tabs.ActiveTabRect, Tabs.TabRect, Tabs.MouseInTabRect, Tabs.FocusTabRect};
  const TColor TabColours[] = {Tabs.ActiveFontColor, Tabs.FontColor, Tabs.MouseInFontColor,
                               Tabs.FocusFontColor};
  const char* TabNames[] = {"General", "Video", "Audio", "Tags"};
  for (int I = 0; I < 4; ++I) {
    const int X = TabPlace.Left + I * Tabs.TabRect.Width();
    ASheet.Part(Tabs.PictureIndex, TabLooks[I], X, TabPlace.Top);
    ASheet.Text(Bounds(X, TabPlace.Top, Tabs.TabRect.Width(), Tabs.TabRect.Height()), TabNames[I],
                TabColours[I], false);
  }
  const auto& Label = Element<TspDataSkinStdLabelControl>(ASkin, "stdlabel");
  const TRect LabelPlace = ASheet.Next(140, 40);
  ASheet.Text(Rect(LabelPlace.Left, LabelPlace.Top, LabelPlace.Right, LabelPlace.Top + 20), "A plain label",
              Label.FontColor, false, {tfLeft, tfVerticalCenter, tfSingleLine});
  ASheet.Text(Rect(LabelPlace.Left, LabelPlace.Top + 20, LabelPlace.Right, LabelPlace.Bottom), "A link label",
              Label.ActiveFontColor, false, {tfLeft, tfVerticalCenter, tfSingleLine});
  const auto& Bevel = Element<TspDataSkinBevel>(ASkin, "bevel");
  ASheet.Canvas().Brush().SetColor(Bevel.DarkColor);
  ASheet.Canvas().FillRect(
      Rect(LabelPlace.Left, LabelPlace.Bottom + 4, LabelPlace.Right, LabelPlace.Bottom + 5));
  ASheet.Canvas().Brush().SetColor(Bevel.LightColor);
  ASheet.Canvas().FillRect(
      Rect(LabelPlace.Left, LabelPlace.Bottom + 5, LabelPlace.Right, LabelPlace.Bottom + 6));
}

}  // namespace

TPixelImage DrawSkinNewContactSheet(const TSkinNew& ASkin) {
  TContactSheet Sheet(ASkin);
  DrawWindows(Sheet, ASkin);
  DrawButtons(Sheet, ASkin);
  DrawChecks(Sheet, ASkin);
  DrawEdits(Sheet, ASkin);
  DrawBars(Sheet, ASkin);
  DrawPanelsAndLists(Sheet, ASkin);
  return Sheet.Finish();
}

}  // namespace skin_new_test
