#pragma once
// What the skinned tree view and list view share: the font an element gives them,
// their non-client answers, and showing or hiding an external bar. User-interface
// thread.

#include "components/controls/SkinCtrls.h"

// The view's font: the element's name, style and height when AUseSkinFont, else
// ADefaultFont's; the element's colour; the skin's character set.
TFont ViewSkinFont(const TspSkinData* ASkinData, const TFont& ADefaultFont, bool AUseSkinFont,
                   const String& AName, TFontStyles AStyle, int AHeight, TColor AColor);
// The views have no non-client area and draw no system bars: WM_NCCALCSIZE and
// WM_NCPAINT are swallowed, WM_NCHITTEST answers HTCLIENT. True when AMessage was
// one of them.
bool AnswerViewNonClient(TMessage& AMessage);
// Shows or hides ABar; true when its visibility changed.
bool SetViewBarVisible(TspSkinScrollBar& ABar, bool AVisible);
// With both bars: the horizontal one leaves room for the corner while the vertical
// one shows.
void MatchViewBarCorner(TspSkinScrollBar* AVScrollBar, TspSkinScrollBar* AHScrollBar);
// Each bar's parent lays it out again.
void ReAlignViewBars(TspSkinScrollBar* AVScrollBar, TspSkinScrollBar* AHScrollBar);
// A bar given to a view: enabled, hidden, its OnChange the view's.
void AttachViewBar(TspSkinScrollBar* ABar, TNotifyEvent AOnChange);

// The list-box element AName of the skin, which gives the views their selected items,
// and its picture; nullptr when the skin lacks either (the class library draws then).
const TspDataSkinListBox* FindViewItemElement(const TspSkinData* ASkinData, const String& AName,
                                              TBitmap*& APicture);
// ATarget (already sized) becomes the element's selected-item picture stretched with
// its text rectangle kept as the client part: FocusItemRect for a focused view, else
// ActiveItemRect. Its canvas takes AFont in the matching font colour, brush clear.
void ComposeViewSelection(TBitmap& ATarget, const TspDataSkinListBox& AElement, TBitmap& APicture,
                          bool AFocused, const TFont& AFont);

// The properties the tree view and the list view share, over their like-named fields:
// the skin data (a loaded one is read at once), the default font and colour (used while
// no element is bound), the external bars, and forgetting a freed one of them. Both
// classes befriend these rules.
template <class TView>
struct TspViewPropertyRules {
  static void SetSkinData(TView& AView, TspSkinData* AValue) {
    AView.ReplaceNotified(AView.FSD, AValue);
    if (AView.FSD && !AView.FSD->Empty) AView.ChangeSkinData();
  }

  static void SetDefaultFont(TView& AView, const TFont& AValue) {
    AView.FDefaultFont.Assign(AValue);
    if (AView.FIndex == -1) AView.SetFont(AView.FDefaultFont);
  }

  static void SetDefaultColor(TView& AView, TColor AValue) {
    AView.FDefaultColor = AValue;
    if (AView.FIndex == -1) AView.SetColor(AValue);
  }

  static void SetVScrollBar(TView& AView, TspSkinScrollBar* AValue) {
    ReplaceBar(AView, AView.FVScrollBar, AValue);
    AttachViewBar(AValue, [View = &AView](TObject*) { View->VScrollBarChanged(); });
    AView.UpDateScrollBars();
  }

  static void SetHScrollBar(TView& AView, TspSkinScrollBar* AValue) {
    ReplaceBar(AView, AView.FHScrollBar, AValue);
    AttachViewBar(AValue, [View = &AView](TObject*) { View->HScrollBarChanged(); });
    AView.UpDateScrollBars();
  }

  // The view goes: its bars stay, no longer calling it.
  static void DetachBars(TView& AView) {
    ReplaceBar(AView, AView.FVScrollBar, nullptr);
    ReplaceBar(AView, AView.FHScrollBar, nullptr);
  }

  // The old bar no longer calls the view, and the view hears when the new one is freed.
  static void ReplaceBar(TView& AView, TspSkinScrollBar*& AField, TspSkinScrollBar* AValue) {
    if (AField) {
      AField->OnChange = nullptr;
      AField->RemoveFreeNotification(&AView);
    }
    AField = AValue;
    if (AField) AField->FreeNotification(&AView);
  }

  // The skin data or a bar being freed (AComponent).
  static void Forget(TView& AView, TComponent* AComponent) {
    if (AComponent == AView.FSD) AView.FSD = nullptr;
    if (AComponent == AView.FVScrollBar) AView.FVScrollBar = nullptr;
    if (AComponent == AView.FHScrollBar) AView.FHScrollBar = nullptr;
  }
};
