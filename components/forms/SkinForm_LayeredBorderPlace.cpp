// The layered border placed for a form rectangle given by the caller (the form's own
// bounds may not have changed yet while it is sized or moved), and drawn onto a canvas
// instead of shown in windows.

#include "components/forms/SkinForm_LayeredBorder.h"
#include "platform/gdi/Blit.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"

void TspFormLayerBorder::SetBoundsWithForm2(int AWidth, int AHeight) {
  if (FData == nullptr || !FVisible) return;
  SetBoundsWithForm3(FForm->Left(), FForm->Top(), AWidth, AHeight);
}

void TspFormLayerBorder::SetBoundsWithForm3(int ALeft, int ATop, int AWidth, int AHeight) {
  if (FData == nullptr || !FVisible) return;
  FFormBounds = Bounds(ALeft, ATop, AWidth, AHeight);
  SetBounds(FrameBox(ALeft, ATop, AWidth, AHeight));
}

void TspFormLayerBorder::MoveWithForm2(int ALeft, int ATop) {
  if (FData == nullptr || !FVisible) return;
  FFormBounds = Bounds(ALeft, ATop, FForm->Width(), FForm->Height());
  MoveWindows(FrameBox(ALeft, ATop, FForm->Width(), FForm->Height()));
}

void TspFormLayerBorder::SetAlphaBlend2() {
  if (FData == nullptr || !FVisible) return;
  SetAlphaBlend();
  const TRect Box = FrameBoxOfForm();
  for (int Type = spflLeft; Type <= spflBottom; ++Type) {
    TspFormLayerWindow* Window = FWindows[Type].get();
    if (Window == nullptr || !IsWindowVisible(Window->Handle())) continue;
    const TRect Place = WindowPlace(TspFormLayerBorderType(Type), Box);
    SetWindowPos(Window->Handle(), HWND_TOP, Place.Left, Place.Top, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOOWNERZORDER);
  }
}

void TspFormLayerBorder::Draw(TCanvas& ACanvas, const TRect& ABox) {
  if (FData == nullptr) return;
  CreateLayerImages(ABox.Width(), ABox.Height());
  for (int Type = spflLeft; Type <= spflBottom; ++Type) {
    const TspBitmap& Image = *FImages[Type];
    if (Image.Empty()) continue;
    const TRect Place = WindowPlace(TspFormLayerBorderType(Type), ABox);
    // The images hold colour premultiplied by alpha, as layered windows take them.
    AlphaBlend(ACanvas.Handle(), Place.Left, Place.Top, Place.Width(), Place.Height(), Image.DC(), 0, 0,
               Image.Width(), Image.Height(), BLENDFUNCTION{.AlphaFormat = AC_SRC_ALPHA});
  }
}
