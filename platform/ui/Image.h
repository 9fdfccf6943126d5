#pragma once
// TImage: a windowless control that shows a picture at its own size, centred or
// stretched. User-interface thread only.

#include "platform/ui/GraphicControl.h"

class TImage : public TGraphicControl {
 public:
  // 105 × 105, empty.
  explicit TImage(TComponent* AOwner);

  // Changing the picture repaints the control (and sizes it with AutoSize).
  TPicture& Picture() { return FPicture; }
  // Drawn stretched over the whole control.
  bool Stretch() const { return FStretch; }
  void SetStretch(bool AValue);
  // Drawn in the middle of the control (when not stretched).
  bool Center() const { return FCenter; }
  void SetCenter(bool AValue);
  // The graphic is drawn with its transparent parts left out.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool AValue);

 protected:
  void Paint() override;
  bool CanAutoSize(int& ANewWidth, int& ANewHeight) override;

 private:
  void PictureChanged();
  TRect DestRect();

  TPicture FPicture;
  bool FStretch = false;
  bool FCenter = false;
  bool FTransparent = false;
};
