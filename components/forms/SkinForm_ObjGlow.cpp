// The glow of a frame object: the skin's glow picture with its mask shown in a layered
// window around the object while the mouse is over it.

#include "components/core/spEffBmp.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"

namespace {

// The built-in frame's border around the caption of an unskinned MDI document.
constexpr int GlowDefaultFrameInset = 3;

// The screen point the object rectangles of AForm's frame are relative to.
TPoint GlowFrameOrigin(TspSkinForm& AForm) {
  TCustomForm* Form = AForm.Form();
  if (Form->FormStyle() == fsMDIChild) {
    // The document's frame lies around its client area, inside the MDI client.
    const TPoint Corner =
        AForm.HasSkin()
            ? TPoint{-AForm.Geometry().NewClRect.Left, -AForm.Geometry().NewClRect.Top}
            : TPoint{-GlowDefaultFrameInset, -AForm.DefaultCaptionHeight() - GlowDefaultFrameInset};
    return Form->ClientToScreen(Corner);
  }
  // A full layered border carries the caption objects in its top window.
  if (AForm.WearsFullLayeredBorder())
    if (TspFormLayerWindow* Top = AForm.LayerBorder().Window(spflTop)) return {Top->Left(), Top->Top()};
  return {Form->Left(), Form->Top()};
}

}  // namespace

bool TspActiveSkinObject::GlowAllowed() const {
  return Parent->HasSkin() && GlowLayerPictureIndex != -1 && IsWindows2000OrLater() &&
         SD->ShowCaptionButtonGlowFrames;
}

void TspActiveSkinObject::ShowLayer() {
  if (!GlowAllowed()) return;
  const TBitmap* Glow = SD->Picture(GlowLayerPictureIndex);
  const TBitmap* Mask = SD->Picture(GlowLayerMaskPictureIndex);
  if (Glow == nullptr || Mask == nullptr) return;
  const TPoint Origin = GlowFrameOrigin(*Parent);
  TspLayerManager& Layer = Parent->Objects().LayerManager();
  Layer.TopMostMode = Parent->Form()->FormStyle() == fsStayOnTop;
  Layer.Show(Origin.X + ObjectRect.Left - GlowLayerOffsetX, Origin.Y + ObjectRect.Top - GlowLayerOffsetY,
             *Glow, *Mask, GlowLayerAlphaBlendValue);
}

void TspActiveSkinObject::HideLayer() {
  if (GlowAllowed()) Parent->Objects().LayerManager().Hide();
}
