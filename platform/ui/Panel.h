#pragma once
// TCustomPanel and TPanel: a windowed container that paints its colour with a raised
// one-pixel edge and its caption. User-interface thread only.

#include "platform/ui/WinControl.h"

class TCustomPanel : public TCustomControl {
 public:
  // 185 × 41, clBtnFace, caption centred.
  explicit TCustomPanel(TComponent* AOwner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment AValue);

 protected:
  void Paint() override;
  // Children stay inside the edge.
  void AdjustClientRect(TRect& ARect) override;
  void Dispatch(TMessage& AMessage) override;

 private:
  void CMTextChanged(TMessage& AMessage);

  TAlignment FAlignment = taCenter;
};

class TPanel : public TCustomPanel {
 public:
  using TCustomPanel::TCustomPanel;
};
