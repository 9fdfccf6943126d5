// TspSkinMenuButton's looks: the tool-button elements with the drop-down column
// composed by the button, a menu-button element's pressed drop-down part while its
// menu shows, and the built-in look.

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_ButtonInternal.h"
#include "components/controls/SkinCtrls_MenuButtonInternal.h"

void TspSkinMenuButton::CreateButtonImage(TBitmap& ABitmap, const TRect& ASource, bool ADown, bool AMouseIn) {
  const String& Name = SkinDataName();
  if (Picture && (Name == "toolbutton" || Name == "bigtoolbutton")) {
    CreateToolButtonImage(ABitmap, true);
  } else if (Picture && (Name == "resizebutton" || Name == "resizetoolbutton")) {
    CreateToolButtonImage(ABitmap, false);
  } else if (Picture && FMenuTracked && FTrackButtonMode && !RectangleIsEmpty(TrackButtonRect) &&
             !RectangleIsEmpty(DownSkinRect)) {
    TspSkinButton::CreateButtonImage(ABitmap, ActiveSkinRect, false, true);
    DrawPressedTrackPart(ABitmap.Canvas(), MappedTrackRect(TrackButtonRect, *this, Width(), Height()),
                         *Picture, TrackButtonRect, DownSkinRect);
  } else {
    TspSkinButton::CreateButtonImage(ABitmap, ASource, ADown, AMouseIn);
  }
}

// The state is the button's own, whatever picture the paint asked for.
void TspSkinMenuButton::CreateToolButtonImage(TBitmap& ABitmap, bool AScaled) {
  TCanvas& C = ABitmap.Canvas();
  const bool Pressed = FDown && FMouseIn;
  const TRect Whole = Rect(0, 0, Width(), Height());
  const TRect Column = Rect(Width() - MenuButtonStripSize, 0, Width(), Height());
  if (FTrackButtonMode) {
    const TRect Main = Rect(0, 0, Column.Left, Height());
    TRect MainSource = SkinRect, ColumnSource = SkinRect;
    if (FMenuTracked) {
      MainSource = ActiveSkinRect;
      ColumnSource = DownSkinRect;
    } else if (Pressed) {
      MainSource = ColumnSource = DownSkinRect;
    } else if (FMouseIn) {
      MainSource = ColumnSource = ActiveSkinRect;
    }
    DrawElementPart(C, Main, *this, *Picture, MainSource, AScaled);
    DrawElementPart(C, Column, *this, *Picture, ColumnSource, AScaled);
  } else {
    DrawElementPart(C, Whole, *this, *Picture,
                    Pressed    ? DownSkinRect
                    : FMouseIn ? ActiveSkinRect
                               : SkinRect,
                    AScaled);
  }
  ApplyStateFont(C, Pressed, FMouseIn);
  if (ShowFocus && IsFocused()) {
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(SkinData()->SkinColors().cBtnFace);
    DrawDottedFocusRect(C, NewClRect);
  }
  C.Brush().SetStyle(bsClear);
  // A button no wider than its column shows only its marker.
  if (Column.Left > 0) DrawContent(C, Rect(0, 0, Column.Left, Height()), FDown, FMouseIn);
  TRect MarkerArea = Column;
  // The scaled look sinks the marker with the pressed column.
  if (AScaled && (Pressed || FMenuTracked)) OffsetRect(MarkerArea, 2, 2);
  if (RectangleIsEmpty(MenuMarkerRect)) {
    DrawSmallDownArrow(C, MarkerArea, FMenuTracked ? DownFontColor : C.Font().Color());
    return;
  }
  const TMenuMarkerPictures Markers{MenuMarkerFlatRect, MenuMarkerRect, MenuMarkerActiveRect,
                                    MenuMarkerDownRect, MenuMarkerTransparentColor};
  const bool MarkerDown = (FDown && (FMouseIn || FMenuTracked)) || FMenuTracked;
  DrawMenuMarker(C, MarkerArea, Picture, MenuMarkerSource(Markers, MarkerDown, FMouseIn, false),
                 MenuMarkerTransparentColor);
}

// ---------------------------------------------------------------- built-in look

void TspSkinMenuButton::CreateControlDefaultImage(TBitmap& ABitmap) {
  TspSkinCustomControl::CreateControlDefaultImage(ABitmap);
  TCanvas& C = ABitmap.Canvas();
  const TRect Client = Rect(0, 0, Width(), Height());
  const TRect Column = Rect(Width() - MenuButtonStripSize, 0, Width(), Height());
  const bool Pressed = FDown && FMouseIn;
  const bool Hot = FMouseIn || IsFocused();
  if (FTrackButtonMode) {
    DrawBuiltInPartState(C, Rect(0, 0, Column.Left, Height()), Pressed && !FMenuTracked, FMenuTracked || Hot);
    DrawBuiltInPartState(C, Column, FMenuTracked || Pressed, Hot);
  } else {
    DrawBuiltInPartState(C, Client, Pressed, Hot);
  }
  ApplyDefaultFont(C.Font());
  if (!Enabled()) C.Font().SetColor(clBtnShadow);
  C.Brush().SetStyle(bsClear);
  DrawContent(C, Rect(0, 0, Column.Left, Height()), FDown, FMouseIn);
  DrawSmallDownArrow(C, Column, clBtnText);
}
