// TspSkinToolBar: its properties, what it hands its speed buttons and bevels, and the
// vertical centring of its children.

#include "components/controls/SkinBars.h"
#include "components/controls/SkinButtonElement.h"

TspSkinToolBar::TspSkinToolBar(TComponent* AOwner) : TspSkinPanel(AOwner) {
  FForceBackground = false;
  SetSkinDataName("toolpanel");
  SetDefaultHeight(0);
  SetHeight(25);
  SetBorderStyle(bvNone);
}

template <class TChild, class TAction>
void TspSkinToolBar::ForEachChildOf(TAction AAction) {
  for (int I = 0; I < ControlCount(); ++I)
    if (auto* Child = dynamic_cast<TChild*>(Controls(I))) AAction(*Child);
}

void TspSkinToolBar::SetScrollOffset(int AValue) {
  if (AValue >= 0) FScrollOffset = AValue;
}

void TspSkinToolBar::SetScrollTimerInterval(int AValue) {
  if (AValue > 0) FScrollTimerInterval = AValue;
}

void TspSkinToolBar::SetImages(TCustomImageList* AValue) {
  ReplaceNotified(FImages, AValue);
  ForEachChildOf<TspSkinSpeedButton>([](TspSkinSpeedButton& AButton) { AButton.Repaint(); });
}

void TspSkinToolBar::SetHotImages(TCustomImageList* AValue) { ReplaceNotified(FHotImages, AValue); }

void TspSkinToolBar::SetDisabledImages(TCustomImageList* AValue) { ReplaceNotified(FDisabledImages, AValue); }

void TspSkinToolBar::Notification(TComponent* AComponent, TOperation AOperation) {
  TspSkinPanel::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == FHotImages) FHotImages = nullptr;
  if (AComponent == FDisabledImages) FDisabledImages = nullptr;
}

void TspSkinToolBar::SetFlat(bool AValue) {
  FFlat = AValue;
  ForEachChildOf<TspSkinSpeedButton>([AValue](TspSkinSpeedButton& AButton) { AButton.SetFlat(AValue); });
}

void TspSkinToolBar::SetSkinData(TspSkinData* AValue) {
  TspSkinPanel::SetSkinData(AValue);
  ForEachChildOf<TspSkinSpeedButton>([AValue](TspSkinSpeedButton& AButton) { AButton.SetSkinData(AValue); });
  ForEachChildOf<TspSkinBevel>([AValue](TspSkinBevel& ABevel) { ABevel.SetSkinData(AValue); });
}

void TspSkinToolBar::SetShowCaptions(bool AValue) {
  if (FShowCaptions == AValue) return;
  FShowCaptions = AValue;
  if (AutoShowHideCaptions)
    ForEachChildOf<TspSkinSpeedButton>(
        [AValue](TspSkinSpeedButton& AButton) { AButton.SetShowCaption(AValue); });
  if (WidthWithCaptions != 0 && WidthWithoutCaptions != 0)
    SetWidth(AValue ? WidthWithCaptions : WidthWithoutCaptions);
}

void TspSkinToolBar::GetSkinData() {
  TspSkinPanel::GetSkinData();
  ButtonData = nullptr;
  ButtonPicture = nullptr;
  // Tolerated: a skin without a drawable "resizebutton" gets the built-in arrows.
  if (FIndex != -1) ButtonData = FindButtonElement(SkinData(), "resizebutton", ButtonPicture);
}

void TspSkinToolBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const int OldWidth = Width();
  TspSkinPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
  // Skinned children centre themselves whenever their bounds are set.
  if (AdjustControls)
    for (int I = 0; I < ControlCount(); ++I) {
      TControl* Child = Controls(I);
      Child->SetBounds(Child->Left(), Child->Top(), Child->Width(), Child->Height());
    }
  if (!CanScroll) return;
  FHSizeOffset = OldWidth != 0 && Width() > OldWidth ? Width() - OldWidth : 0;
  UpdateScroll();
}

// The children the skinned bases do not centre themselves, and that are not aligned.
void TspSkinToolBar::CentreChildren() {
  const TRect Area = GetSkinClientRect();
  for (int I = 0; I < ControlCount(); ++I) {
    TControl* Child = Controls(I);
    if (dynamic_cast<TspSkinControl*>(Child) || dynamic_cast<TspGraphicSkinControl*>(Child) ||
        Child->Align() != alNone)
      continue;
    const int Top = Area.Top + Area.Height() / 2 - Child->Height() / 2;
    if (Child->Top() != Top) Child->SetTop(Top);
  }
}

int CentredTopOnToolBar(TWinControl* AParent, int ATop, int AHeight, bool AOnlyWhenAdjusting) {
  auto* Bar = dynamic_cast<TspSkinToolBar*>(AParent);
  if (!Bar || (AOnlyWhenAdjusting && !Bar->AdjustControls)) return ATop;
  const TRect Area = Bar->GetSkinClientRect();
  return Area.Top + Area.Height() / 2 - AHeight / 2;
}
