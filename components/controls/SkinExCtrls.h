#pragma once
// The frame control, the frame animation and the link label.
//
// - TspSkinLinkLabel: a transparent label that opens its URL with the desktop's handler
//   when clicked; underlined, coloured under the pointer, optionally glowing. Its font
//   comes from the skin element "stdlabel", which it looks up itself (it is not a
//   skinned-control descendant): the form's skin-change walk calls its ChangeSkinData.
//
// Implementation: SkinExCtrls_LinkLabel.cpp. User-interface thread only.

#include <memory>

#include "components/controls/SkinCtrls.h"
#include "components/core/SkinData.h"
#include "platform/ui/Label.h"

class TspSkinLinkLabel : public TCustomLabel {
 public:
  // Transparent, the hand-point cursor, the font of DefaultFont ("Arial", height 14,
  // underlined).
  explicit TspSkinLinkLabel(TComponent* AOwner);
  ~TspSkinLinkLabel() override;

  // Looks the element up again and repaints.
  void ChangeSkinData();
  // OnClick, then the shell's "open" of URL when it is not empty (its result is not
  // checked: a desktop without a handler simply opens nothing).
  void Click() override;

  // Not owned; forgotten when it is freed. Setting one runs ChangeSkinData.
  TspSkinData* SkinData() const { return FSD; }
  void SetSkinData(TspSkinData* AValue);
  bool UseUnderLine() const { return FUseUnderLine; }
  void SetUseUnderLine(bool AValue);
  TFont& DefaultFont() { return FDefaultFont; }
  // Only copies the font: the next paint uses it.
  void SetDefaultFont(const TFont& AValue) { FDefaultFont.Assign(AValue); }

  bool GlowEffect = false;
  int GlowSize = 7;
  bool UseSkinFont = true;
  TColor DefaultActiveFontColor = RGB(0, 0, 255);
  String URL;
  String SkinDataName = "stdlabel";

 protected:
  // Draws (or measures) the text: see the .cpp for the font and colour rules.
  void DoDrawText(TRect& ARect, unsigned AFlags) override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  void Dispatch(TMessage& AMessage) override;

 private:
  void CMMouseEnter(TMessage& AMessage);
  void CMMouseLeave(TMessage& AMessage);
  void SetMouseIn(bool AValue);
  // The font of the canvas for the text, by the element (FIndex) and the hover state.
  void PrepareFont(TCanvas& ACanvas, bool AUnderline);

  bool FMouseIn = false;
  int FIndex = -1;
  TspSkinData* FSD = nullptr;
  TFont FDefaultFont;
  bool FUseUnderLine = true;
  TspStdLabelFont FSkinFont;
};
