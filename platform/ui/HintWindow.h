#pragma once
// THintWindow: the small popup that shows a hint. It never takes activation or the
// focus and lets the mouse through; the application shows and hides it (Application.h),
// and the skin library derives its skinned hint from it. User-interface thread only.

#include "platform/ui/WinControl.h"
#include "platform/win/WindowTypes.h"

class THintWindow : public TCustomControl {
 public:
  // clInfoBk, the hint font in clInfoText; hidden.
  explicit THintWindow(TComponent* AOwner);

  // Shows AHint in ARect (screen coordinates; the bottom grows by 4 for the border),
  // kept on the screen, top-most and without activation.
  virtual void ActivateHint(TRect ARect, const String& AHint);
  // The same with data of the hint's own (the default ignores it).
  virtual void ActivateHintData(TRect ARect, const String& AHint, void* AData);
  // The rectangle at (0, 0) that AHint needs, wrapped at AMaxWidth.
  virtual TRect CalcHintRect(int AMaxWidth, const String& AHint, void* AData);
  // Whether the message ends the hint: keys, clicks, commands and activation.
  virtual bool IsHintMsg(const MSG& AMessage);
  // Whether the window is on the screen now.
  bool IsShowing();

 protected:
  // A bordered popup tool window.
  void CreateParams(TCreateParams& AParams) override;
  // The caption on clInfoBk, 2 pixels in, wrapped at the width.
  void Paint() override;
  void Dispatch(TMessage& AMessage) override;

 private:
  void WMNCHitTest(TMessage& AMessage);
  void WMMouseActivate(TMessage& AMessage);
};
