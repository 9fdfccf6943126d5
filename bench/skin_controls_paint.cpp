// A full repaint of an 800 × 600 window holding 100 skinned panels and group boxes in
// the default skin, each composing its picture off screen and drawing it in one blit,
// against a plain BitBlt of an 800 × 600 picture; and the same window with 50 panels,
// each carrying a standard label, and 50 skinned labels. The goal is a repaint of at most
// four times the blit. The same window with 100 plain controls that fill themselves
// in one call shows what the window system's repaint costs before any skin is drawn.
// Every figure is the median of several runs on the headless backend.
//
// Measured last (8-core machine shared with other work; the instruction counts of
// callgrind, per repaint, are the steady figure; one blit is 0.22 M): 100 skinned
// panels 2.51 M instructions, 6-8x the blit in time; 50 panels with labels and 50
// skinned labels 3.79 M, 9-11x; 100 plain controls 2.49 M, 6-7x. The goal is not
// reached, and this window system cannot reach it: the panels' own blits (100 pictures
// of 58 short rows each, 1.3-2x one blit of the whole form in time), handing the
// finished frame to the screen (about one blit) and the gaps between the controls leave
// about one blit for 101 paint cycles, each a message, an erase, a device context
// clipped to the window's visible part and the control's own bookkeeping. Regions of a
// rectangle or two live inside their object and a handle finds its window by index, so
// a paint cycle allocates little; the standard labels' text, blended at every paint
// over whatever lies behind it, takes about 1 M of the labels' repaint.

#include <cstdio>
#include <memory>
#include <vector>

#include "bench/BenchSupport.h"
#include "components/controls/SkinCtrls.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "resources/skin-new/SkinNew.h"

namespace {

constexpr int FormWidth = 800;
constexpr int FormHeight = 600;
constexpr int Controls = 100;
constexpr int Runs = 15;

// The window the controls stand on: a popup without frame, filled with its colour.
class TBenchHost : public TCustomControl {
 public:
  explicit TBenchHost(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle.Include(csAcceptsControls);
    SetVisible(false);  // shown once its controls stand on it
    SetBounds(0, 0, FormWidth, FormHeight);
  }

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(clBtnFace);
    Canvas().FillRect(ClientRect());
  }
  void CreateParams(TCreateParams& AParams) override {
    TCustomControl::CreateParams(AParams);
    AParams.Style = WS_POPUP | WS_CLIPCHILDREN;
  }
};

// A windowed control that fills itself in one call.
class TFillingControl : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(clWhite);
    Canvas().FillRect(ClientRect());
  }
};

// Places 100 controls made by AMake in a grid of 10 × 10, 78 × 58 pixels each, two
// pixels apart, shows the host and gives the median time of a full repaint.
template <class TMake>
double MedianRepaintSeconds(TMake AMake) {
  TBenchHost Host(nullptr);
  for (int Index = 0; Index < Controls; ++Index) {
    TControl* Control = AMake(Host, Index);
    Control->SetBounds(Index % 10 * 80, Index / 10 * 60, 78, 58);
    Control->SetParent(&Host);
  }
  Host.Show();
  ProcessPendingMessages();
  return bench::MedianSeconds(Runs, [&Host] {
    RedrawWindow(Host.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    ProcessPendingMessages();
  });
}

// A memory device context drawing into a new 32-bit DIB section.
struct TBenchPicture {
  TBenchPicture(int AWidth, int AHeight)
      : Bitmap(CreateDib(AWidth, AHeight, 32)), DC(CreateCompatibleDC(nullptr)) {
    SelectObject(DC, Bitmap);
  }
  ~TBenchPicture() {
    DeleteDC(DC);
    DeleteObject(Bitmap);
  }
  HBITMAP Bitmap;
  HDC DC;
};

}  // namespace

int main() {
  StartWindowSystem(std::make_unique<THeadlessBackend>());
  {
    const std::unique_ptr<skin_new::TSkinNew> Skin = skin_new::BuildSkinNew();
    // Every other control a captioned group box.
    const double Skinned = MedianRepaintSeconds([&Skin](TBenchHost& AHost, int AIndex) {
      TspSkinPanel* Panel = AIndex % 2 == 0 ? new TspSkinPanel(&AHost) : new TspSkinGroupBox(&AHost);
      Panel->SetCaption("Panel");
      Panel->SetSkinData(&Skin->Data);
      return Panel;
    });
    // Every other control a skinned label; the panels carry a field caption each.
    const double Labelled = MedianRepaintSeconds([&Skin](TBenchHost& AHost, int AIndex) -> TControl* {
      if (AIndex % 2 == 1) {
        auto* Label = new TspSkinLabel(&AHost);
        Label->SetCaption("1500 kbit/s");
        Label->SetSkinData(&Skin->Data);
        return Label;
      }
      auto* Panel = new TspSkinPanel(&AHost);
      auto* Caption = new TspSkinStdLabel(Panel);
      Caption->SetCaption("Bit Rate:");
      Caption->SetBounds(4, 4, 60, 16);
      Caption->SetParent(Panel);
      Caption->SetSkinData(&Skin->Data);
      Panel->SetSkinData(&Skin->Data);
      return Panel;
    });
    const double Plain =
        MedianRepaintSeconds([](TBenchHost& AHost, int) { return new TFillingControl(&AHost); });
    TBenchPicture Source(FormWidth, FormHeight), Target(FormWidth, FormHeight);
    const double Blit = bench::MedianSeconds(
        Runs, [&] { BitBlt(Target.DC, 0, 0, FormWidth, FormHeight, Source.DC, 0, 0, SRCCOPY); });
    // What the panels' pictures cost alone: 100 pictures of a control's size, each drawn
    // once into its place of the grid.
    std::vector<std::unique_ptr<TBenchPicture>> Pictures;
    for (int Index = 0; Index < Controls; ++Index)
      Pictures.push_back(std::make_unique<TBenchPicture>(78, 58));
    const double ControlBlits = bench::MedianSeconds(Runs, [&] {
      for (int Index = 0; Index < Controls; ++Index)
        BitBlt(Target.DC, Index % 10 * 80, Index / 10 * 60, 78, 58, Pictures[Index]->DC, 0, 0, SRCCOPY);
    });

    std::printf("full repaint, 800x600 with %d skinned panels and group boxes %8.3f ms\n", Controls,
                Skinned * 1e3);
    std::printf("full repaint, 800x600 with %d skinned panels and labels       %8.3f ms\n", Controls,
                Labelled * 1e3);
    std::printf("full repaint, 800x600 with %d plain filling controls          %8.3f ms\n", Controls,
                Plain * 1e3);
    std::printf("BitBlt SRCCOPY 800x600                                        %8.3f ms\n", Blit * 1e3);
    std::printf("%d BitBlts SRCCOPY 78x58 in the grid                          %8.3f ms\n", Controls,
                ControlBlits * 1e3);
    std::printf("ratio skinned / blit %6.2f (goal: at most 4)\n", Skinned / Blit);
    std::printf("ratio panels and labels / blit %6.2f (goal: at most 4)\n", Labelled / Blit);
    std::printf("ratio plain / blit   %6.2f\n", Plain / Blit);
    std::printf("ratio %d control-sized blits / blit %6.2f\n", Controls, ControlBlits / Blit);
  }
  StopWindowSystem();
  return 0;
}
