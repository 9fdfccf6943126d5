// One step of sizing a skinned form: a 1280 x 720 form wearing the default skin takes
// its frame geometry, rebuilds its four mask strips and sets its window region, as on
// every WM_SIZING of the sizing loop. Reported beside the reference, a region made by
// scanning a whole 1280 x 720 mask (what a step would cost if the inner rectangle were
// scanned too); the step should cost a small part of it.

#include <cstdio>

#include "bench/BenchSupport.h"
#include "bench/SkinFormBench.h"
#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/ui/Forms.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace {

constexpr int Runs = 25;
constexpr int FormWidth = 1280;
constexpr int FormHeight = 720;

double WholeMaskSeconds() {
  TBitmap Mask;
  Mask.SetPixelFormat(pf24bit);
  Mask.SetSize(FormWidth, FormHeight);
  Mask.Canvas().Brush().SetColor(clBlack);
  Mask.Canvas().FillRect(Rect(0, 0, FormWidth, FormHeight));
  return bench::MedianSeconds(Runs, [&] { DeleteObject(CreateMaskRegion(Mask)); });
}

}  // namespace

int main() {
  StartWindowSystem(std::make_unique<THeadlessBackend>());
  {
    const bench::TSkinnedForm Skinned = bench::ShowSkinnedForm(FormWidth, FormHeight);
    const double Step = bench::MedianSeconds(Runs, [&] { Skinned.SkinForm->UpdateSkinFrame(true); });
    const double WholeMask = WholeMaskSeconds();
    std::printf("%-40s %9.2f us   whole-mask region %8.2f us   ratio %6.2f\n", "sizing step 1280x720",
                Step * 1e6, WholeMask * 1e6, Step / WholeMask);
    DoneApplication();
  }
  StopWindowSystem();
  return 0;
}
