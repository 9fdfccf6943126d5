#pragma once
// What the menu button and the menu speed button share: the drop-down part that opens
// the menu and the button's rectangle on the screen the menu opens below.
// User-interface thread.

#include <memory>

#include "components/controls/SkinCtrls.h"

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
inline void TakeTrackButtonRect(const TspDataSkinControl* AElement, int AIndex, TRect& ATrackButtonRect) {
  if (const auto* Data = dynamic_cast<const TspDataSkinMenuButtonControl*>(AElement); Data && AIndex != -1)
    ATrackButtonRect = Data->TrackButtonRect;
}

inline bool PointInMenuPart(const TRect& APart, int AX, int AY) {
  return AX >= APart.Left && AX <= APart.Right && AY >= APart.Top && AY <= APart.Bottom;
}

inline TRect ScreenRectOf(TControl& AControl) {
  const TPoint Origin = AControl.ClientOrigin();
  return Rect(Origin.X, Origin.Y, Origin.X + AControl.Width(), Origin.Y + AControl.Height());
}

// Raises AEvent for ASender from a copy (the handler may free the button that holds
// it); false when the button is gone, AAlive having expired with it.
inline bool RaiseMenuButtonEvent(const TNotifyEvent& AEvent, TObject* ASender,
                                 const std::weak_ptr<bool>& AAlive) {
  if (!AEvent) return true;
  const TNotifyEvent Handler = AEvent;
  Handler(ASender);
  return !AAlive.expired();
}
