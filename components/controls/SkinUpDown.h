#pragma once
// SkinUpDown: a pair of skinned step buttons with an integer position. Pressing the
// up button (right, or upper) moves Position up by Increment, the down button (left,
// or lower) down; a held button steps again after a pause. Drawn from an up-down skin
// element ("hupdown", "vupdown"), from the resizable "resizebutton" element when the
// skin size is not used, or in a built-in flat look.
//
// The unit belongs with the edits, but it lives among the standard controls because
// the skinned page control (SkinTabs.h) uses it as the scroller of its tab row.
//
// User-interface thread only.

#include "components/controls/SkinCtrls.h"

enum TUDOrientation { udHorizontal, udVertical };

// One small button of a skinned control: its rectangle and its state.
struct TspCBButtonX {
  TRect R;
  bool MouseIn = false;
  bool Down = false;
};

class TspSkinUpDown : public TspSkinCustomControl {
 public:
  // "hupdown", 25 × 50, skin size used, 0..100 by 1 at 0, horizontal.
  explicit TspSkinUpDown(TComponent* AOwner);
  ~TspSkinUpDown() override;

  // A value outside Min..Max is ignored; any other is stored and raises OnChange,
  // also when it did not change.
  int Position() const { return FPosition; }
  void SetPosition(int AValue);
  // Setting a bound moves Position inside it without OnChange; the bounds are not
  // checked against each other.
  int Min() const { return FMin; }
  void SetMin(int AValue);
  int Max() const { return FMax; }
  void SetMax(int AValue);
  // 0 switches stepping and repeating off (clicks still raise their events).
  int Increment() const { return FIncrement; }
  void SetIncrement(int AValue) { FIncrement = AValue; }
  TUDOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TUDOrientation AValue);
  // Whether the skin element fixes the size and the places of the buttons.
  bool UseSkinSize = true;

  TNotifyEvent OnChange;
  TNotifyEvent OnUpButtonClick;
  TNotifyEvent OnDownButtonClick;

  // Button 0 steps up, button 1 down.
  const TspCBButtonX& Button(int AIndex) const { return FButtons[AIndex]; }

 protected:
  // What the twin below changes: whether the skin element places the buttons, whether
  // a release steps (here always, wherever the pointer is), and what a repeated step
  // does besides stepping.
  virtual bool HasSkinButtonPlaces() const;
  virtual bool ReleaseSteps(int /*AIndex*/) const { return true; }
  virtual void RepeatStep(int ASign) { Step(ASign); }
  void ForgetActiveButton() { ActiveButton = OldActiveButton = -1; }
  // One step by Increment; a step past Min or Max is ignored whole.
  void Step(int ASign);
  int ArrowDirection(int AIndex) const;

  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap& B) override;
  void CreateControlSkinImage(TBitmap& B) override;
  void CalcSize(int& AWidth, int& AHeight) override;
  void SetControlRegion() override;
  void MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  void MouseMove(TShiftState AShift, int AX, int AY) override;
  void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  void Dispatch(TMessage& AMessage) override;

 private:
  void CalcButtonRects();
  void TestActive(int AX, int AY);
  void ButtonEnter(int AIndex);
  void ButtonLeave(int AIndex);
  void ButtonDown(int AIndex);
  void ButtonUp(int AIndex);
  void StartRepeat(UINT AInterval);
  void StopRepeat();
  void RepeatTick();
  void DrawButton(TCanvas& ACanvas, int AIndex);
  void DrawResizeButton(TCanvas& ACanvas, int AIndex);
  void CMMouseEnter(TMessage& AMessage);
  void CMMouseLeave(TMessage& AMessage);

  TUDOrientation FOrientation = udHorizontal;
  TspCBButtonX FButtons[2];
  int OldActiveButton = -1;
  int ActiveButton = -1;
  int CaptureButton = -1;
  // 0 no repeating, 1 repeating down, 2 repeating up.
  int TimerMode = 0;
  // The first, longer pause before repeating is running.
  bool WaitMode = false;
  int FIncrement = 1;
  int FPosition = 0;
  int FMin = 0;
  int FMax = 100;
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
};

// The twin of the up-down that the time edit steps with. It shares the up-down's
// pointer and timer rules and differs where the time edit needs it: its two buttons
// always split the control in halves and are drawn from the "combobutton" element
// (else "resizetoolbutton") with small arrows; its size is free and it sets no region;
// a release steps only over the pressed button; every repeated step raises
// FOnUpChange or FOnDownChange; leaving the control forgets the active button.
class TspSkinIntUpDown : public TspSkinUpDown {
 public:
  // "hupdown", 50 × 25, otherwise as the up-down.
  explicit TspSkinIntUpDown(TComponent* AOwner);

  // Raised after each repeated step up or down, whether or not Position changed; the
  // owner assigns them directly.
  TNotifyEvent FOnUpChange;
  TNotifyEvent FOnDownChange;

 protected:
  bool HasSkinButtonPlaces() const override { return false; }
  bool ReleaseSteps(int AIndex) const override { return Button(AIndex).MouseIn; }
  void RepeatStep(int ASign) override;
  void CalcSize(int& /*AWidth*/, int& /*AHeight*/) override {}
  void SetControlRegion() override {}
  void CreateControlSkinImage(TBitmap& B) override;
  void Dispatch(TMessage& AMessage) override;

 private:
  void DrawSmallArrowButton(TCanvas& ACanvas, int AIndex);
};
