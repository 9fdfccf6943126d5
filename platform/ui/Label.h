#pragma once
// TCustomLabel and TLabel: a windowless control that shows its caption, sized to the
// text when AutoSize is on. User-interface thread only.

#include "platform/ui/GraphicControl.h"

class TWinControl;

class TCustomLabel : public TGraphicControl {
 public:
  // 65 × 17, AutoSize and ShowAccelChar on, opaque (not Transparent).
  explicit TCustomLabel(TComponent* AOwner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment AValue);
  // Fits the bounds to the text (keeping the right edge for right-justified labels).
  void SetAutoSize(bool AValue) override;
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout AValue);
  // Whether "&" marks the accelerator (underlined) instead of showing itself.
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool AValue);
  // Transparent: the parent shows through around the text (the control is not opaque).
  bool Transparent() const { return !ControlStyle.Contains(csOpaque); }
  void SetTransparent(bool AValue);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool AValue);
  // The control that receives the focus when the label's accelerator is typed.
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* AValue);

 protected:
  // Draws (or with DT_CALCRECT in AFlags, measures into ARect) the caption with the
  // label's font: a disabled label draws it twice, in clBtnHighlight one pixel down
  // and right and in clBtnShadow in place.
  virtual void DoDrawText(TRect& ARect, unsigned AFlags);
  // The text drawn: the caption.
  virtual String GetLabelText();
  void Paint() override;
  // Applies AutoSize now.
  void AdjustBounds();
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  void Dispatch(TMessage& AMessage) override;

 private:
  void CMTextChanged(TMessage& AMessage);
  void CMFontChanged(TMessage& AMessage);
  void CMDialogChar(TMessage& AMessage);

  TAlignment FAlignment = taLeftJustify;
  TTextLayout FLayout = tlTop;
  bool FShowAccelChar = true;
  bool FWordWrap = false;
  TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
 public:
  using TCustomLabel::TCustomLabel;
};
