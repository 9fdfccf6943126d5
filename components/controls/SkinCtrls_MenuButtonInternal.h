#pragma once
// What the menu button and the menu speed button share: the drop-down part that opens
// the menu, the button's rectangle on the screen the menu opens below, and the pieces
// of their skin looks (element parts at any size, the marker picture).
// User-interface thread.

#include <functional>
#include <memory>

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_PiecesInternal.h"
#include "components/core/SPUtils.h"
#include "components/forms/SkinPictureMenu.h"

// The width (or height) of the drop-down strip the tool-button looks compose.
constexpr int MenuButtonStripSize = 15;

// The elements that have no drop-down part of their own.
inline bool IsToolButtonKind(const String& AName) {
  return AName == "toolbutton" || AName == "bigtoolbutton" || AName == "resizebutton" ||
         AName == "resizetoolbutton";
}

// The element's drop-down part ATrack moved with the growing side of a control
// AWidth × AHeight bound to an element of geometry AElement.
inline TRect MappedTrackRect(const TRect& ATrack, const TspSkinElementGeometry& AElement, int AWidth,
                             int AHeight) {
  TRect Part = ATrack;
  const int Mode = AElement.GetResizeMode();
  if (Mode == 2) OffsetRect(Part, AWidth - RectangleWidth(AElement.SkinRect), 0);
  if (Mode == 3) OffsetRect(Part, 0, AHeight - RectangleHeight(AElement.SkinRect));
  return Part;
}

// The drop-down part the skin gives AElement when it is a menu-button element and the
// control is skinned (AIndex != -1); ATrackButtonRect is left as it is otherwise.
inline void TakeTrackButtonRect(const TspDataSkinMenuButtonControl* AElement, int AIndex,
                                TRect& ATrackButtonRect) {
  if (AElement && AIndex != -1) ATrackButtonRect = AElement->TrackButtonRect;
}

inline bool PointInMenuPart(const TRect& APart, int AX, int AY) {
  return AX >= APart.Left && AX <= APart.Right && AY >= APart.Top && AY <= APart.Bottom;
}

inline TRect ScreenRectOf(TControl& AControl) {
  const TPoint Origin = AControl.ClientOrigin();
  return Rect(Origin.X, Origin.Y, Origin.X + AControl.Width(), Origin.Y + AControl.Height());
}

// Opens AMenu below AButton, its close reported to AClosed while the button (AAlive)
// lives. False when it did not open (a picture menu without pictures): no close
// will come.
inline bool PopupImagesMenuBelow(TspSkinImagesMenu& AMenu, TControl& AButton, TLiveToken AAlive,
                                 std::function<void()> AClosed) {
  AMenu.OnInternalMenuClose = [Alive = std::move(AAlive), Closed = std::move(AClosed)](TObject*) {
    if (Alive) Closed();
  };
  AMenu.PopupFromRect(ScreenRectOf(AButton));
  return AMenu.PopupWindow() != nullptr;
}

// Raises AEvent for ASender from a copy (the handler may free the button that holds
// it); false when the button is gone, AAlive having expired with it.
inline bool RaiseMenuButtonEvent(const TNotifyEvent& AEvent, TObject* ASender, const TLiveToken& AAlive) {
  if (!AEvent) return true;
  const TNotifyEvent Handler = AEvent;
  Handler(ASender);
  return static_cast<bool>(AAlive);
}

// The marker pictures of a button's element (already with their fallbacks).
struct TMenuMarkerPictures {
  TRect Flat, Normal, Active, Down;
  TColor TransparentColor = clNone;
};

// The picture of a marker that is pressed, else hot, else flat, else normal.
inline TRect MenuMarkerSource(const TMenuMarkerPictures& AMarkers, bool ADown, bool AActive, bool AFlat) {
  if (ADown) return AMarkers.Down;
  if (AActive) return AMarkers.Active;
  return AFlat ? AMarkers.Flat : AMarkers.Normal;
}

// The marker picture ASource centred in AArea, without its transparent colour.
inline void DrawMenuMarker(TCanvas& ACanvas, const TRect& AArea, TBitmap* APicture, const TRect& ASource,
                           TColor ATransparentColor) {
  const int X = AArea.Left + RectangleWidth(AArea) / 2 - RectangleWidth(ASource) / 2;
  const int Y = AArea.Top + RectangleHeight(AArea) / 2 - RectangleHeight(ASource) / 2;
  DrawSkinPiece(ACanvas, X, Y, APicture, ASource, true, ATransparentColor);
}

// The picture ASource of an element of geometry AElement drawn at APlace of the canvas
// at APlace's size: scaled keeping the element's client rectangle in proportion
// (AScaled), else composed in nine parts with the corners and the client rectangle
// moved by the growth.
inline void DrawElementPart(TCanvas& ACanvas, const TRect& APlace, const TspSkinElementGeometry& AElement,
                            TBitmap& APicture, const TRect& ASource, bool AScaled) {
  const int W = RectangleWidth(APlace), H = RectangleHeight(APlace);
  if (W <= 0 || H <= 0) return;
  TBitmap Part;
  Part.SetSize(W, H);
  if (AScaled) {
    StretchSkinImage(Part, APicture, ASource, AElement.ClRect, true);
  } else {
    ComposeSkinImage(Part, APicture, AElement.ImageGeometry(ASource), W, H, true);
  }
  ACanvas.Draw(APlace.Left, APlace.Top, Part);
}

// The element's drop-down part pressed: the rectangle ATrack of the element (element
// coordinates) in its pressed picture ADownRect, scaled onto APlace.
inline void DrawPressedTrackPart(TCanvas& ACanvas, const TRect& APlace, TBitmap& APicture,
                                 const TRect& ATrack, const TRect& ADownRect) {
  TRect Source = ATrack;
  OffsetRect(Source, ADownRect.Left, ADownRect.Top);
  ACanvas.CopyRect(APlace, APicture.Canvas(), Source);
}
