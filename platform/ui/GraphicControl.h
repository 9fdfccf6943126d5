#pragma once
// TGraphicControl: a control without a window, painted on its parent's surface in the
// parent's WM_PAINT (through Paint on its Canvas) and reached by direct dispatch. A
// control without csOpaque lets the parent's background and the siblings below it show
// through. User-interface thread only.

#include "platform/ui/Control.h"

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner);
  ~TGraphicControl() override;

  // The parent's surface at the control's place, clipped to it.
  TCanvas& Canvas() { return *FCanvas; }

 protected:
  // Draws the control; the default draws nothing.
  virtual void Paint();
  void Dispatch(TMessage& AMessage) override;

 private:
  void WMPaint(TMessage& AMessage);

  std::unique_ptr<TControlCanvas> FCanvas;
};
