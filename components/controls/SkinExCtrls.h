#pragma once
// The frame control, the frame animation and the link label.
//
// - TspFrameSkinControl: a windowed control that shows one frame of a frame strip (equal
//   frames side by side or stacked), from a skin element of the frame kind or from a
//   default image given in code; sized exactly to one frame and shaped by the mask's
//   region.
// - TspSkinAnimate: a frame control that steps through its frames on a timer: once, in
//   a cycle, or as a hover button (forward under the pointer, back after it leaves).
// - TspSkinLinkLabel: a transparent label that opens its URL with the desktop's handler
//   when clicked; underlined, coloured under the pointer, optionally glowing. Its font
//   comes from the skin element "stdlabel", which it looks up itself (it is not a
//   skinned-control descendant): the form's skin-change walk calls its ChangeSkinData.
//
// Implementation: SkinExCtrls_FrameControl.cpp, SkinExCtrls_Animate.cpp,
// SkinExCtrls_LinkLabel.cpp. User-interface thread only.

#include <memory>

#include "components/controls/SkinCtrls.h"
#include "components/core/SkinData.h"
#include "platform/ui/Label.h"
#include "platform/ui/Timer.h"

class TspFrameSkinControl : public TspSkinControl {
 public:
  explicit TspFrameSkinControl(TComponent* AOwner);

  // With an element or a default image the size is always one frame's.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // Binds again; then the size of one frame, the region and the cursor (see the .cpp).
  void ChangeSkinData() override;

  // The frame shown, from 1. Setting it does nothing without a strip; it is clamped to
  // 1..FramesCount and repaints when it changes.
  int Frame() const { return FFrame; }
  void SetFrame(int AValue);
  // The strip and mask used without a skin element; both copied. A new image shows
  // frame 1 and sizes the control to one frame.
  TBitmap& DefaultImage() { return FDefaultImage; }
  void SetDefaultImage(const TBitmap& AValue);
  TBitmap& DefaultMask() { return FDefaultMask; }
  void SetDefaultMask(const TBitmap& AValue);
  int DefaultFramesCount() const { return FDefaultFramesCount; }
  // Values of 0 or less count as 1.
  void SetDefaultFramesCount(int AValue);
  TFramesPlacement DefaultFramesPlacement() const { return FDefaultFramesPlacement; }
  void SetDefaultFramesPlacement(TFramesPlacement AValue);
  // The strip in use: the element's, or the default image's.
  int FramesCount() const { return FFramesCount; }

 protected:
  void Loaded() override;
  void GetSkinData() override;
  // The frame of the default image, or the built-in look without one.
  void CreateControlDefaultImage(TBitmap& B) override;
  // The frame of the element's strip.
  void CreateControlSkinImage(TBitmap& B) override;
  // The frame count and placement of the default image, and the frame size from it.
  virtual void CalcDefaultFrameSize();
  // Whether there is a strip to show: an element or a non-empty default image.
  bool HasStrip() const { return FIndex != -1 || !FDefaultImage.Empty(); }
  // Frame 1 from the next paint on, without repainting now.
  void RewindFrame() { FFrame = 1; }
  void Dispatch(TMessage& AMessage) override;

 private:
  // The frame size of a strip of ASize whose frames lie by the current placement.
  void CalcFrameSize(int AWidth, int AHeight);
  // Sets the bounds to one frame at the current place.
  void SizeToFrame();
  // The mask's region on the window, or no region without a mask.
  void UpdateRegion();
  // Frame FFrame of the strip in ASource (from AOrigin) into B.
  void CopyFrame(TBitmap& B, TBitmap& ASource, TPoint AOrigin);
  void WMEraseBkgnd(TMessage& AMessage);

  int FFrame = 1;
  int FrameW = 0;
  int FrameH = 0;
  TBitmap* Picture = nullptr;      // the skin's
  TBitmap* MaskPicture = nullptr;  // the skin's
  TBitmap FDefaultImage;
  TBitmap FDefaultMask;
  int FDefaultFramesCount = 1;
  TFramesPlacement FDefaultFramesPlacement = fpHorizontal;
  TRect SkinRect;
  int FFramesCount = 1;
  TFramesPlacement FFramesPlacement = fpHorizontal;
};

class TspSkinAnimate : public TspFrameSkinControl {
 public:
  // 50 × 50; the timer at 50 ms, stopped.
  explicit TspSkinAnimate(TComponent* AOwner);

  // Starts the timer: outside cycle and button mode from frame 1. OnStart follows.
  void Start();
  // Stops the timer; OnStop follows. The animation never stops by itself.
  void Stop();

  bool Active() const { return FActive; }
  // Stores; with a strip, Start or Stop.
  void SetActive(bool AValue);
  UINT TimerInterval() const { return FAnimateTimer->Interval(); }
  void SetTimerInterval(UINT AValue) { FAnimateTimer->SetInterval(AValue); }

  bool CycleMode = false;
  bool ButtonMode = false;
  TNotifyEvent OnStart;
  TNotifyEvent OnStop;

 protected:
  void Dispatch(TMessage& AMessage) override;

 private:
  // One step: forward (to the last frame, or round in cycle mode), or in button mode
  // without the pointer back towards frame 1.
  void AnimateTimerTick();
  void CMMouseEnter(TMessage& AMessage);
  void CMMouseLeave(TMessage& AMessage);
  void SetMouseIn(bool AValue);

  TTimer* FAnimateTimer;  // owned as a component
  bool FMouseIn = false;
  bool FActive = false;
};

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
