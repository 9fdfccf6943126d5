// The inactive-client effect: the still picture over a deactivated form's client area,
// blurred or washed over by the skinned background, which keeps the mouse from the
// controls and goes with the next activation.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "platform/win/Focus.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowTree.h"
#include "platform/win/headless/HeadlessInput.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace skin_form_test {
namespace {

// Four-pixel stripes of two colours, which the blur and the wash change visibly;
// counts the presses that reach it.
class TInactiveEffectStripes : public TCustomControl {
 public:
  explicit TInactiveEffectStripes(TComponent* AOwner) : TCustomControl(AOwner) {}
  int Presses = 0;

 protected:
  void Paint() override {
    for (int X = 0; X < Width(); X += 4) {
      Canvas().Brush().SetColor(static_cast<TColor>(X / 4 % 2 != 0 ? RGB(200, 40, 10) : RGB(20, 60, 220)));
      Canvas().FillRect(Rect(X, 0, X + 4, Height()));
    }
  }
  void MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) override {
    ++Presses;
    TCustomControl::MouseDown(AButton, AShift, AX, AY);
  }
};

uint32_t InactiveEffectChannel(uint32_t APixel, int AShift) { return (APixel >> AShift) & 0xFF; }

// The stack blur written out as its triangle kernel (weights 1 … R+1 … 1 over
// (R+1)² on each axis), edges repeated, each pass truncated.
TPixelImage ReferenceBlur(const TPixelImage& AImage, int ARadius) {
  auto Pass = [ARadius](const TPixelImage& ASource, bool AHorizontal) {
    TPixelImage Result = ASource;
    const int Weights = (ARadius + 1) * (ARadius + 1);
    for (int Y = 0; Y < ASource.Height; ++Y)
      for (int X = 0; X < ASource.Width; ++X) {
        uint32_t Pixel = 0xFF000000u;
        for (int Shift = 0; Shift <= 16; Shift += 8) {
          int Sum = 0;
          for (int D = -ARadius; D <= ARadius; ++D) {
            const int SX = AHorizontal ? std::clamp(X + D, 0, ASource.Width - 1) : X;
            const int SY = AHorizontal ? Y : std::clamp(Y + D, 0, ASource.Height - 1);
            Sum += int(InactiveEffectChannel(ASource.Pixel(SX, SY), Shift)) * (ARadius + 1 - std::abs(D));
          }
          Pixel |= uint32_t(Sum / Weights) << Shift;
        }
        Result.Row(Y)[X] = Pixel;
      }
    return Result;
  };
  return Pass(Pass(AImage, true), false);
}

// Pixels of the two pictures whose channels differ by more than ATolerance.
int DifferingPixels(const TPixelImage& AActual, const TPixelImage& AExpected, int ATolerance) {
  int Count = 0;
  for (int Y = 0; Y < AExpected.Height; ++Y)
    for (int X = 0; X < AExpected.Width; ++X)
      for (int Shift = 0; Shift <= 16; Shift += 8)
        if (std::abs(int(InactiveEffectChannel(AActual.Pixel(X, Y), Shift)) -
                     int(InactiveEffectChannel(AExpected.Pixel(X, Y), Shift))) > ATolerance) {
          ++Count;
          break;
        }
  return Count;
}

class SkinFormInactiveEffectTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Skin = MakeFixtureSkin();
  }
  void TearDown() override {
    SkinFormTest::TearDown();
    Skin.reset();
  }
  // A second form to hand the activation to, and a shown skinned form with the effect
  // on and the stripes in its client area, active.
  void NewEffectForm(TspClientInActiveEffect AEffect) {
    // The main form, so that freeing the form under test leaves the application be.
    Other = NewForm(Bounds(500, 400, 100, 100));
    SkinForm = NewSkinnedForm(Bounds(40, 40, 300, 220), Skin.get());
    Form = SkinForm->Form();
    SkinForm->ClientInActiveEffect = true;
    SkinForm->ClientInActiveEffectType = AEffect;
    Stripes = new TInactiveEffectStripes(Form);
    Stripes->SetParent(Form);
    Stripes->SetBounds(10, 10, 120, 80);
    Activate(Form);
  }
  static void Activate(TCustomForm* AForm) {
    SetActiveWindow(AForm->Handle());
    ProcessPendingMessages();
  }
  // The client area as the screen shows it.
  TPixelImage ClientPicture() const {
    const TPixelImage Window = WindowPicture(Form->Handle());
    const TPoint Origin = Form->ClientOrigin();
    const int Left = Origin.X - Form->Left(), Top = Origin.Y - Form->Top();
    TPixelImage Client;
    Client.Width = Form->ClientWidth();
    Client.Height = Form->ClientHeight();
    for (int Y = 0; Y < Client.Height; ++Y)
      for (int X = 0; X < Client.Width; ++X)
        Client.Pixels.push_back(Window.Pixel(Left + X, Top + Y) | 0xFF000000u);
    return Client;
  }
  TPoint StripesCentre() const { return Stripes->ClientToScreen({60, 40}); }
  int InactivePanelsOnForm() const {
    int Count = 0;
    for (int I = 0; I < Form->ControlCount(); ++I)
      Count += dynamic_cast<TspClientInActivePanel*>(Form->Controls(I)) != nullptr;
    return Count;
  }

  std::unique_ptr<TspSkinData> Skin;
  TspSkinForm* SkinForm = nullptr;
  TCustomForm* Form = nullptr;
  TForm* Other = nullptr;
  TInactiveEffectStripes* Stripes = nullptr;
};

TEST_F(SkinFormInactiveEffectTest, ABlurredStillPictureCoversTheClientAreaAndKeepsTheMouseUntilActivation) {
  NewEffectForm(spieBlur);
  const TPixelImage Before = ClientPicture();
  Activate(Other);
  ASSERT_NE(SkinForm->InActivePanel(), nullptr);
  EXPECT_TRUE(SkinForm->InActivePanel()->Visible());
  EXPECT_EQ(SkinForm->InActivePanel()->BoundsRect(), Rect(0, 0, Form->ClientWidth(), Form->ClientHeight()));
  // The blur's division and the independent one round alike; 2 allows for the order
  // of the passes.
  const TPixelImage Expected = ReferenceBlur(Before, 3);
  ASSERT_GT(DifferingPixels(Expected, Before, 2), 0);
  EXPECT_EQ(DifferingPixels(ClientPicture(), Expected, 2), 0);

  // A press on the covered stripes does not reach them.
  InjectClick(StripesCentre());
  ProcessPendingMessages();
  EXPECT_EQ(Stripes->Presses, 0);

  Activate(Form);
  EXPECT_EQ(SkinForm->InActivePanel(), nullptr);
  EXPECT_EQ(InactivePanelsOnForm(), 0);
  EXPECT_EQ(DifferingPixels(ClientPicture(), Before, 0), 0);
  InjectClick(StripesCentre());
  ProcessPendingMessages();
  EXPECT_EQ(Stripes->Presses, 1);
}

TEST_F(SkinFormInactiveEffectTest, TheWashedOutLookShowsTheControlsFaintlyThroughTheSkinnedBackground) {
  NewEffectForm(spieSemiTransparent);
  Stripes->Hide();
  ProcessPendingMessages();
  const TPixelImage Background = ClientPicture();
  Stripes->Show();
  ProcessPendingMessages();
  const TPixelImage Before = ClientPicture();
  ASSERT_GT(DifferingPixels(Before, Background, 2), 0);
  Activate(Other);
  ASSERT_NE(SkinForm->InActivePanel(), nullptr);
  // The background over the client picture at 170 of 255.
  TPixelImage Expected = Before;
  for (int Y = 0; Y < Expected.Height; ++Y)
    for (int X = 0; X < Expected.Width; ++X) {
      uint32_t Pixel = 0xFF000000u;
      for (int Shift = 0; Shift <= 16; Shift += 8)
        Pixel |= (InactiveEffectChannel(Background.Pixel(X, Y), Shift) * 170 +
                  InactiveEffectChannel(Before.Pixel(X, Y), Shift) * 85) /
                     255
                 << Shift;
      Expected.Row(Y)[X] = Pixel;
    }
  EXPECT_EQ(DifferingPixels(ClientPicture(), Expected, 2), 0);
}

TEST_F(SkinFormInactiveEffectTest, ASecondDeactivationReplacesThePanelWithAPictureOfTheControls) {
  NewEffectForm(spieBlur);
  const TPixelImage Expected = ReferenceBlur(ClientPicture(), 3);
  SendMessage(Form->Handle(), WM_NCACTIVATE, 0, 0);
  ProcessPendingMessages();
  SendMessage(Form->Handle(), WM_NCACTIVATE, 0, 0);
  ProcessPendingMessages();
  EXPECT_EQ(InactivePanelsOnForm(), 1);
  // The second picture shows the controls, not the first panel blurred once more.
  EXPECT_EQ(DifferingPixels(ClientPicture(), Expected, 2), 0);
}

TEST_F(SkinFormInactiveEffectTest, AnEmptyClientAreaGetsAPanelWithoutPicture) {
  NewEffectForm(spieBlur);
  Form->SetClientHeight(0);
  ProcessPendingMessages();
  ASSERT_EQ(Form->ClientHeight(), 0);
  SkinForm->ShowClientInActiveEffect();
  ASSERT_NE(SkinForm->InActivePanel(), nullptr);
  EXPECT_FALSE(SkinForm->InActivePanel()->Visible());
  EXPECT_EQ(SkinForm->InActivePanel()->Buffer(), nullptr);
}

TEST_F(SkinFormInactiveEffectTest, FreeingTheFormWithThePanelUpFreesThePanelsWindow) {
  NewEffectForm(spieSemiTransparent);
  Activate(Other);
  ASSERT_NE(SkinForm->InActivePanel(), nullptr);
  const HWND PanelWindow = SkinForm->InActivePanel()->Handle();
  ASSERT_TRUE(IsWindow(PanelWindow));
  delete Form;
  ProcessPendingMessages();
  EXPECT_FALSE(IsWindow(PanelWindow));
}

TEST_F(SkinFormInactiveEffectTest, FreeingTheActiveFormLeavesNoPanelBehind) {
  NewEffectForm(spieBlur);
  ASSERT_EQ(GetActiveWindow(), Form->Handle());
  auto AllWindows = [] {
    std::set<HWND> Windows;
    EnumWindows([&Windows](HWND AWindow) {
      Windows.insert(AWindow);
      EnumChildWindows(AWindow, [&Windows](HWND AChild) {
        Windows.insert(AChild);
        return true;
      });
      return true;
    });
    return Windows;
  };
  const std::set<HWND> Before = AllWindows();
  // The activation leaves the form while it goes: no panel is made for it then.
  delete Form;
  ProcessPendingMessages();
  const std::set<HWND> After = AllWindows();
  EXPECT_TRUE(std::includes(Before.begin(), Before.end(), After.begin(), After.end()));
  EXPECT_TRUE(After.contains(Other->Handle()));
}

}  // namespace
}  // namespace skin_form_test
