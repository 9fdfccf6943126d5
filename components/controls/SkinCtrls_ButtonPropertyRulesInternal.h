#pragma once
// The properties and the built-in look that the push button and the speed button
// share: the content setters store what is valid and repaint; a button put down holds
// its hot picture while down and fades back from it once up, and a group button going
// down raises the others of its group on its parent; a change of Enabled drops the hot
// look and its fade; the built-in look frames the button by its state under the
// content; a linked action's picture becomes the button's. Both classes befriend these
// rules. User-interface thread.

#include <algorithm>

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_ButtonInternal.h"
#include "components/controls/SkinCtrls_FadeInternal.h"
#include "components/controls/SkinCtrls_PaintInternal.h"

template <class TButton>
struct TspButtonPropertyRules {
  static void SetGlyph(TButton& AButton, const TBitmap& AValue) {
    AButton.FGlyph->Assign(AValue);
    AButton.Repaint();
  }

  // A strip holds one to four frames.
  static void SetNumGlyphs(TButton& AButton, int AValue) {
    AButton.FNumGlyphs = std::clamp(AValue, 1, 4);
    AButton.Repaint();
  }

  static void SetMargin(TButton& AButton, int AValue) {
    if (AValue < -1 || AValue == AButton.FMargin) return;
    AButton.FMargin = AValue;
    AButton.Repaint();
  }

  static void SetSpacing(TButton& AButton, int AValue) {
    if (AValue == AButton.FSpacing) return;
    AButton.FSpacing = AValue;
    AButton.Repaint();
  }

  static void SetLayout(TButton& AButton, TspButtonLayout AValue) {
    if (AValue == AButton.FLayout) return;
    AButton.FLayout = AValue;
    AButton.Repaint();
  }

  static void SetImageList(TButton& AButton, TCustomImageList* AValue) {
    AButton.ReplaceNotified(AButton.FImageList, AValue);
    AButton.Repaint();
  }

  // Up, not hot, faded back, animation stopped, repainted.
  static void Refresh(TButton& AButton) {
    AButton.FMouseIn = false;
    AButton.FDown = false;
    if (AButton.MorphApplies()) AButton.FMorphKf = 0;
    if (AButton.EffectsOn()) AButton.StopAnimation();
    AButton.Repaint();
  }

  // Enabled or disabled: no fade running, not hot, repainted.
  static void DropHot(TButton& AButton) {
    if (AButton.MorphApplies()) {
      if (AButton.MorphTimer) AButton.MorphTimer->SetEnabled(false);
      AButton.FMorphKf = 0;
    }
    AButton.FMouseIn = false;
    AButton.Repaint();
  }

  // FDown := AValue, without the repaint. A released button fades from its hot picture
  // if the pointer has gone.
  static void StoreDown(TButton& AButton, bool AValue) {
    AButton.FDown = AValue;
    if (!AButton.MorphApplies()) return;
    AButton.FMorphKf = 1;
    if (AButton.FDown) {
      if (AButton.MorphTimer) AButton.MorphTimer->SetEnabled(false);
    } else {
      StartFadeTimer(AButton.MorphTimer, &AButton, [Button = &AButton] { Button->MorphTick(); });
    }
  }

  // In a group (GroupIndex > 0, AllowAllUp off) a button that is down raises the others
  // of its group on its parent.
  static void RaiseOthersOfGroup(TButton& AButton) {
    if (AButton.FGroupIndex <= 0 || !AButton.FDown || AButton.AllowAllUp || !AButton.Parent()) return;
    TWinControl* Container = AButton.Parent();
    for (int I = 0; I < Container->ControlCount(); ++I) {
      auto* Other = dynamic_cast<TButton*>(Container->Controls(I));
      if (Other && Other != &AButton && Other->FGroupIndex == AButton.FGroupIndex && Other->FDown)
        Other->SetDown(false);
    }
  }

  // The built-in look over what the base drew into ACanvas: the client framed pressed,
  // hot (AHot) or normal, then OnPaint and the content in the default font.
  static void DrawBuiltInLook(TButton& AButton, TCanvas& ACanvas, bool AHot) {
    const TRect Client = Rect(0, 0, AButton.Width(), AButton.Height());
    if (AButton.IsPressedLook())
      DrawFramedPart(ACanvas, Client, BuiltInPartFrame, BuiltInPressedFill);
    else if (AHot)
      DrawFramedPart(ACanvas, Client, BuiltInPartFrame, BuiltInHotFill);
    else
      DrawFramedPart(ACanvas, Client, clBtnShadow, clBtnFace);
    AButton.ApplyDefaultFont(ACanvas.Font());
    if (!AButton.Enabled()) ACanvas.Font().SetColor(clBtnShadow);
    ACanvas.Brush().SetStyle(bsClear);
    bool DrawDefaultContent = true;
    if (AButton.OnPaint)
      AButton.OnPaint(&AButton, ACanvas, Client, AButton.FDown, AButton.FMouseIn, DrawDefaultContent);
    if (DrawDefaultContent) AButton.DrawContent(ACanvas, Client, AButton.FDown, AButton.FMouseIn);
  }

  // A linked action's picture (see ActionPicture) for a button without a glyph.
  static void TakeActionPicture(TButton& AButton, TObject* AAction) {
    TCustomImageList* Images = nullptr;
    int Index = 0;
    if (!ActionPicture(AAction, *AButton.FGlyph, Images, Index)) return;
    AButton.SetImageList(Images);
    AButton.SetImageIndex(Index);
    AButton.Repaint();
  }
};
