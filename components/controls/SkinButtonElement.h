#pragma once
// A button element of the skin ("resizebutton", "resizetoolbutton", …) drawn at any
// size: the up-down's resizable buttons, the page control's button-style tabs and its
// close buttons, the picture menu's items and the MDI tabs share it. User-interface
// thread.

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinElementLookup.h"

// The element AName of the skin when it is a button element with a picture; nullptr
// otherwise (tolerated: a skin may lack it or give another kind under the name).
inline const TspDataSkinButtonControl* FindButtonElement(const TspSkinData* ASkin, const String& AName,
                                                         TBitmap*& APicture) {
  const int Index = FindSkinElement(ASkin, AName);
  if (Index == -1) return nullptr;
  const auto* Element = ASkin->Control<TspDataSkinButtonControl>(Index);
  APicture = Element ? ASkin->Picture(Element->PictureIndex) : nullptr;
  return APicture ? Element : nullptr;
}

// The state picture: pressed DownSkinRect, hot ActiveSkinRect, else SkinRect; an empty
// active picture falls back to SkinRect and an empty pressed one to the active one.
inline TRect ButtonElementStateRect(const TspDataSkinButtonControl& AElement, bool ADown, bool AHot) {
  const TRect Active =
      RectangleIsEmpty(AElement.ActiveSkinRect) ? AElement.SkinRect : AElement.ActiveSkinRect;
  if (ADown) return RectangleIsEmpty(AElement.DownSkinRect) ? Active : AElement.DownSkinRect;
  return AHot ? Active : AElement.SkinRect;
}

inline TColor ButtonElementFontColor(const TspDataSkinButtonControl& AElement, bool ADown, bool AHot) {
  if (ADown) return AElement.DownFontColor;
  return AHot ? AElement.ActiveFontColor : AElement.FontColor;
}

// ABitmap, already sized, becomes the state picture ASource resized to it: the corner
// points and the client rectangle moved by the growth, the element's stretch flags.
inline void ComposeButtonElement(TBitmap& ABitmap, const TspDataSkinButtonControl& AElement,
                                 TBitmap& APicture, const TRect& ASource) {
  TspSkinImageGeometry Geometry = SkinImageGeometry(AElement);
  Geometry.StateRect = ASource;
  ComposeSkinImage(ABitmap, APicture, Geometry, ABitmap.Width(), ABitmap.Height(), true);
}
