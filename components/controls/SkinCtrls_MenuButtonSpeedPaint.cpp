// TspSkinMenuSpeedButton's looks: the flat look with its marker, the tool-button
// elements with the drop-down strip composed by the button, the new style from the
// "resizetoolbutton" element and its strip elements, a menu-button element's pressed
// drop-down part while its menu shows, and the built-in look.

#include "components/controls/SkinButtonElement.h"
#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_ButtonInternal.h"
#include "components/controls/SkinCtrls_MenuButtonInternal.h"

// AClient without the drop-down strip AStrip: left of it, or above it at the bottom.
static TRect MenuSpeedAreaBeforeStrip(const TRect& AClient, const TRect& AStrip) {
  TRect Area = AClient;
  if (AStrip.Left > 0)
    Area.Right = AStrip.Left;
  else
    Area.Bottom = AStrip.Top;
  return Area;
}

void TspSkinMenuSpeedButton::Paint() {
  if (Width() < 1 || Height() < 1) return;
  RefreshGeometry();
  if ((FMouseIn && FDown) || FMenuTracked || !Flat()) {
    TspSkinSpeedButton::Paint();
    return;
  }
  PaintFlatLook();
}

// Straight on the parent's surface: no background, no off-screen image, no OnPaint.
void TspSkinMenuSpeedButton::PaintFlatLook() {
  TCanvas& C = Canvas();
  const bool OwnElement = FIndex != -1 && !IsToolButtonKind(SkinDataName());
  const TRect Client = Rect(0, 0, Width(), Height());
  const TRect Content = OwnElement ? NewClRect : MenuSpeedAreaBeforeStrip(Client, Strip());
  if (FIndex == -1) {
    ApplyDefaultFont(C.Font());
    C.Font().SetColor(Enabled() ? DefaultFont().Color() : clBtnShadow);
  } else {
    ApplySkinFont(C.Font(), FontName, FontHeight, FontStyle);
    const TspSkinColors& Colors = SkinData()->SkinColors();
    if (!Enabled())
      C.Font().SetColor(Colors.cBtnShadow);
    else
      C.Font().SetColor(UseSkinFontColor ? Colors.cBtnText : DefaultFont().Color());
  }
  C.Brush().SetStyle(bsClear);
  DrawContent(C, Content, FDown, FMouseIn, false);
  const TRect Marker = OwnElement ? Rect(Content.Right, Content.Top, Width(), Content.Bottom) : Strip();
  if (FIndex != -1 && !RectangleIsEmpty(MenuMarkerFlatRect))
    DrawMenuMarker(C, Marker, Picture, MenuMarkerFlatRect, MenuMarkerTransparentColor);
  else
    DrawSmallDownArrow(C, Marker, FIndex == -1 ? clBtnText : SkinData()->SkinColors().cBtnText);
}

void TspSkinMenuSpeedButton::CreateButtonImage(TBitmap& ABitmap, const TRect& ASource, bool ADown,
                                               bool AMouseIn) {
  const String& Name = SkinDataName();
  if (FNewStyle && Name == "resizetoolbutton") {
    CreateNewStyleImage(ABitmap, ADown, AMouseIn);
  } else if (Picture && (Name == "toolbutton" || Name == "bigtoolbutton")) {
    CreateToolButtonImage(ABitmap, true, ADown, AMouseIn);
  } else if (Picture && (Name == "resizebutton" || Name == "resizetoolbutton")) {
    CreateToolButtonImage(ABitmap, false, ADown, AMouseIn);
  } else if (Picture && FMenuTracked && FTrackButtonMode && !RectangleIsEmpty(TrackButtonRect) &&
             !RectangleIsEmpty(DownSkinRect)) {
    TspSkinSpeedButton::CreateButtonImage(ABitmap, ActiveSkinRect, false, true);
    DrawPressedTrackPart(ABitmap.Canvas(), MenuPart(), *Picture, TrackButtonRect, DownSkinRect);
  } else {
    TspSkinSpeedButton::CreateButtonImage(ABitmap, ASource, ADown, AMouseIn);
  }
}

void TspSkinMenuSpeedButton::DrawToolButtonMarker(TCanvas& ACanvas, const TRect& AArea, bool ADown,
                                                  bool AActive) {
  if (RectangleIsEmpty(MenuMarkerRect)) {
    DrawSmallDownArrow(ACanvas, AArea, FMenuTracked ? DownFontColor : ACanvas.Font().Color());
    return;
  }
  const TMenuMarkerPictures Markers{MenuMarkerFlatRect, MenuMarkerRect, MenuMarkerActiveRect,
                                    MenuMarkerDownRect, MenuMarkerTransparentColor};
  DrawMenuMarker(ACanvas, AArea, Picture, MenuMarkerSource(Markers, ADown, AActive, false),
                 MenuMarkerTransparentColor);
}

// The state is the one asked for (ADown, AMouseIn), with the menu's own.
void TspSkinMenuSpeedButton::CreateToolButtonImage(TBitmap& ABitmap, bool AScaled, bool ADown,
                                                   bool AMouseIn) {
  TCanvas& C = ABitmap.Canvas();
  const bool Pressed = ADown && AMouseIn;
  const TRect Column = Rect(Width() - MenuButtonStripSize, 0, Width(), Height());
  const TRect Main = Rect(0, 0, Column.Left, Height());
  // A flat button in none of the states keeps no background: nullptr.
  const TRect* MainSource = Pressed    ? &DownSkinRect
                            : AMouseIn ? &ActiveSkinRect
                            : Flat()   ? nullptr
                                       : &SkinRect;
  const TRect* ColumnSource = MainSource;
  const bool Tracked = FTrackButtonMode && FMenuTracked;
  if (Tracked) {
    MainSource = &ActiveSkinRect;
    ColumnSource = &DownSkinRect;
  }
  if (FTrackButtonMode) {
    if (MainSource) DrawElementPart(C, Main, *this, *Picture, *MainSource, AScaled);
    if (ColumnSource) DrawElementPart(C, Column, *this, *Picture, *ColumnSource, AScaled);
  } else if (MainSource) {
    DrawElementPart(C, Rect(0, 0, Width(), Height()), *this, *Picture, *MainSource, AScaled);
  }
  ApplySkinFont(C.Font(), FontName, FontHeight, FontStyle);
  C.Font().SetColor(ButtonStateColor({FontColor, ActiveFontColor, DownFontColor, DisabledFontColor},
                                     Enabled(), UseSkinFontColor, DefaultFont().Color(), Pressed && !Tracked,
                                     AMouseIn));
  C.Brush().SetStyle(bsClear);
  // A button no wider than its column shows only its marker.
  if (!RectangleIsEmpty(Main)) DrawContent(C, Main, ADown, AMouseIn);
  if (DrawStandardArrow)
    DrawArrow(C, Column, C.Font().Color(), ArrowType);
  else
    DrawToolButtonMarker(C, Column, Pressed || FMenuTracked, AMouseIn);
}

// The skin's "resizetoolbutton" record itself, and over the strip, while the pointer is
// over a button in TrackButtonMode, the strip element of its position.
void TspSkinMenuSpeedButton::CreateNewStyleImage(TBitmap& ABitmap, bool ADown, bool AMouseIn) {
  TCanvas& C = ABitmap.Canvas();
  const TRect Whole = Rect(0, 0, Width(), Height());
  const TRect StripRect = Strip();
  const TRect Main = MenuSpeedAreaBeforeStrip(Whole, StripRect);
  const bool MainDown = ADown && AMouseIn && !(FTrackButtonMode && FMenuTracked);
  TBitmap* MainPicture = nullptr;
  const TspDataSkinButtonControl* MainElement =
      FindButtonElement(SkinData(), "resizetoolbutton", MainPicture);
  auto DrawElement = [&C](const TspDataSkinButtonControl& AElement, TBitmap& APicture, const TRect& APlace,
                          bool ADownLook, bool AHot) {
    if (RectangleIsEmpty(APlace)) return;
    TBitmap Part;
    Part.SetSize(RectangleWidth(APlace), RectangleHeight(APlace));
    ComposeButtonElement(Part, AElement, APicture, ButtonElementStateRect(AElement, ADownLook, AHot));
    C.Draw(APlace.Left, APlace.Top, Part);
  };
  if (MainElement) {
    if (FTrackButtonMode && AMouseIn) {
      TBitmap* StripPicture = nullptr;
      const TspDataSkinButtonControl* StripElement = FindButtonElement(
          SkinData(), FTrackPosition == sptpBottom ? "htracktoolbutton" : "vtracktoolbutton", StripPicture);
      DrawElement(*MainElement, *MainPicture, StripElement ? Whole : Main, MainDown, true);
      if (StripElement)
        DrawElement(*StripElement, *StripPicture, StripRect, FMenuTracked, true);
      else
        DrawElement(*MainElement, *MainPicture, StripRect, FMenuTracked, true);
    } else {
      DrawElement(*MainElement, *MainPicture, Whole, MainDown, AMouseIn);
    }
  }
  ApplySkinFont(C.Font(), FontName, FontHeight, FontStyle);
  C.Font().SetColor(ButtonStateColor({FontColor, ActiveFontColor, DownFontColor, DisabledFontColor},
                                     Enabled(), UseSkinFontColor, DefaultFont().Color(), MainDown, AMouseIn));
  C.Brush().SetStyle(bsClear);
  if (!RectangleIsEmpty(Main)) DrawContent(C, Main, ADown, AMouseIn);
  DrawToolButtonMarker(C, StripRect, false, AMouseIn);
}

// ---------------------------------------------------------------- built-in look

void TspSkinMenuSpeedButton::CreateControlDefaultImage(TBitmap& ABitmap) {
  TspGraphicSkinCustomControl::CreateControlDefaultImage(ABitmap);
  TCanvas& C = ABitmap.Canvas();
  const TRect Client = Rect(0, 0, Width(), Height());
  const TRect StripRect = Strip();
  const bool Pressed = FDown && FMouseIn;
  const bool Split = FTrackButtonMode && (!FNewStyle || FMouseIn);
  if (Split) {
    const TRect Main = MenuSpeedAreaBeforeStrip(Client, StripRect);
    const bool BothPressed = !FMenuTracked && (FNewStyle ? FDown : Pressed);
    DrawBuiltInPartState(C, Main, BothPressed, FMenuTracked || FMouseIn);
    DrawBuiltInPartState(C, StripRect, FMenuTracked || BothPressed, FMouseIn);
  } else if (FNewStyle && Flat() && !FMouseIn) {
    C.Brush().SetColor(clBtnFace);
    C.FillRect(Client);
  } else {
    DrawBuiltInPartState(C, Client, Pressed, FMouseIn);
  }
  ApplyDefaultFont(C.Font());
  if (!Enabled()) C.Font().SetColor(clBtnShadow);
  C.Brush().SetStyle(bsClear);
  const TRect Content = MenuSpeedAreaBeforeStrip(Client, StripRect);
  // The old style shows a press by moving the picture, except while the drop-down part
  // alone is pressed.
  const bool ContentDown = Pressed && !(FTrackButtonMode && FMenuTracked);
  DrawContent(C, Content, ContentDown, FMouseIn || FDown, true, ContentDown && !FNewStyle);
  TRect Marker = StripRect;
  if (!FNewStyle && (Pressed || FMenuTracked)) {
    Marker.Left = Width() - 13;
    Marker.Top = 2;
  }
  DrawSmallDownArrow(C, Marker, clBtnText);
}
