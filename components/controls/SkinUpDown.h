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
  void Step(int ASign);
  void DrawButton(TCanvas& ACanvas, int AIndex);
  void DrawResizeButton(TCanvas& ACanvas, int AIndex);
  int ArrowDirection(int AIndex) const;
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
