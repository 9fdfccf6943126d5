// A full non-client repaint of a skinned form: a 1280 x 720 form wearing the default
// skin is sent WM_NCPAINT, composes its four frame strips from the frame picture and
// puts them on the window. Reported as a ratio to one blit of the form's size (what
// painting a finished image of the form costs), the reference; the goal is at most 3.

#include <cstdio>

#include "bench/BenchSupport.h"
#include "bench/SkinFormBench.h"
#include "platform/gdi/Blit.h"
#include "platform/ui/Forms.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace {

constexpr int Runs = 25;
constexpr int FormWidth = 1280;
constexpr int FormHeight = 720;

double BlitSeconds() {
  TBitmap Source, Target;
  Source.SetSize(FormWidth, FormHeight);
  Target.SetSize(FormWidth, FormHeight);
  return bench::MedianSeconds(Runs, [&] {
    BitBlt(Target.Canvas().Handle(), 0, 0, FormWidth, FormHeight, Source.Canvas().Handle(), 0, 0, SRCCOPY);
  });
}

void Report(const char* AName, double ASeconds, double ABlit) {
  std::printf("%-40s %9.2f us   blit %8.2f us   ratio %6.2f (goal <= 3)\n", AName, ASeconds * 1e6,
              ABlit * 1e6, ASeconds / ABlit);
}

}  // namespace

int main() {
  StartWindowSystem(std::make_unique<THeadlessBackend>());
  {
    const bench::TSkinnedForm Skinned = bench::ShowSkinnedForm(FormWidth, FormHeight);
    const double Blit = BlitSeconds();
    Report("non-client repaint 1280x720",
           bench::MedianSeconds(Runs, [&] { SendMessage(Skinned.Form->Handle(), WM_NCPAINT, 0, 0); }), Blit);
    DoneApplication();
  }
  StopWindowSystem();
  return 0;
}
