// A skinned form on the desktop: the x11 backend shows it undecorated, in the shape of
// its skin; the user resizes it by its border and moves a form by its caption through
// the window system's own move-and-size loop, and the shape follows every new size.
// Maximized, a form fills the work area the desktop announces; the main form minimizes
// by iconifying.

#include <algorithm>
#include <string>

#include "components/forms/SkinForm.h"
#include "platform/ui/Forms.h"
#include "tests/e2e/DefaultSkinOnDisk.h"
#include "tests/e2e/X11BackendFixture.h"

namespace e2e {
namespace {

class X11SkinFormTest : public X11DefaultSkinTest {
 protected:
  // A form with a skin component at ABounds, shown; its X window.
  TXid ShowForm(const char* ATitle, const TRect& ABounds, TspSkinData* ASkin) {
    TForm* Form = Application->CreateForm<TForm>();
    Form->SetCaption(ATitle);
    auto* SkinForm = new TspSkinForm(Form);
    SkinForms.push_back(SkinForm);
    SkinForm->SetSkinData(ASkin);
    Form->SetBoundsRect(ABounds);
    Form->Show();
    Forms.push_back(Form);
    TXid Window = 0;
    EXPECT_TRUE(PumpUntil([&] {
      Window = Other().WindowTitled(ATitle);
      return Window != 0 && Other().Geometry(Window) == ABounds;
    }));
    return Window;
  }

  // Presses the left button at AFrom, moves to ATo and lets go (screen points).
  void Drag(TPoint AFrom, TPoint ATo) {
    VirtualDisplay().Xdotool("mousemove " + std::to_string(AFrom.X) + " " + std::to_string(AFrom.Y) +
                             " mousedown 1 mousemove " + std::to_string((AFrom.X + ATo.X) / 2) + " " +
                             std::to_string((AFrom.Y + ATo.Y) / 2) + " mousemove " + std::to_string(ATo.X) +
                             " " + std::to_string(ATo.Y) + " mouseup 1");
  }

  // The points of a grid over the window where its X shape and its window region
  // disagree.
  int ShapeMismatches(TXid AWindow, TCustomForm* AForm) {
    const std::vector<TRect> Shape = Other().Shape(AWindow, false);
    HRGN Region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(AForm->Handle(), Region), ERROR);
    int Mismatches = 0;
    auto Check = [&](int AX, int AY) {
      const bool InShape = std::any_of(Shape.begin(), Shape.end(), [&](const TRect& R) {
        return PtInRect(R, {AX, AY});
      });
      if (InShape != bool(PtInRegion(Region, AX, AY))) ++Mismatches;
    };
    for (int Y = 0; Y < AForm->Height(); Y += 3)
      for (int X = 0; X < AForm->Width(); X += 3) Check(X, Y);
    // The corners, where a skin cuts the shape.
    for (int Y : {0, 1, 2, AForm->Height() - 3, AForm->Height() - 2, AForm->Height() - 1})
      for (int X : {0, 1, 2, AForm->Width() - 3, AForm->Width() - 2, AForm->Width() - 1}) Check(X, Y);
    DeleteObject(Region);
    return Mismatches;
  }

  std::vector<TForm*> Forms;
  std::vector<TspSkinForm*> SkinForms;
};

TEST_F(X11SkinFormTest, ADefaultSkinFormIsResizedByItsBorderWithItsShapeAndDraggedByItsCaption) {
  const TXid Window = ShowForm("Skinned", Bounds(100, 100, 500, 350), Skin.get());
  TCustomForm* Form = Forms.back();
  EXPECT_EQ(ShapeMismatches(Window, Form), 0);
  // The skin cuts the top-left corner away: the shape leaves it out.
  const std::vector<TRect> Shape = Other().Shape(Window, false);
  EXPECT_FALSE(std::any_of(Shape.begin(), Shape.end(), [](const TRect& R) { return PtInRect(R, {0, 0}); }));

  // The right border, dragged 120 pixels right.
  ASSERT_EQ(SendMessage(Form->Handle(), WM_NCHITTEST, 0, PointToLParam({100 + 499, 100 + 120})), HTRIGHT);
  Drag({100 + 499, 100 + 120}, {100 + 619, 100 + 120});
  EXPECT_TRUE(PumpUntil([&] { return Other().Geometry(Window) == Bounds(100, 100, 620, 350); }))
      << Other().Geometry(Window).Right;
  EXPECT_EQ(Form->BoundsRect(), Bounds(100, 100, 620, 350));
  Other().Synchronize();
  EXPECT_EQ(ShapeMismatches(Window, Form), 0);

  // The bottom border, dragged 60 pixels down.
  ASSERT_EQ(SendMessage(Form->Handle(), WM_NCHITTEST, 0, PointToLParam({100 + 100, 100 + 349})), HTBOTTOM);
  Drag({100 + 100, 100 + 349}, {100 + 100, 100 + 409});
  EXPECT_TRUE(PumpUntil([&] { return Other().Geometry(Window) == Bounds(100, 100, 620, 410); }));
  Other().Synchronize();
  EXPECT_EQ(ShapeMismatches(Window, Form), 0);

  // The caption, beside the title, dragged 100 pixels right and 50 down.
  ASSERT_EQ(SendMessage(Form->Handle(), WM_NCHITTEST, 0, PointToLParam({100 + 200, 100 + 16})), HTCAPTION);
  Drag({100 + 200, 100 + 16}, {100 + 300, 100 + 66});
  EXPECT_TRUE(PumpUntil([&] { return Other().Geometry(Window) == Bounds(200, 150, 620, 410); }));
  EXPECT_EQ(Form->BoundsRect(), Bounds(200, 150, 620, 410));
}

TEST_F(X11SkinFormTest, AFormWithTheBuiltInFrameIsDraggedByItsCaption) {
  const TXid Window = ShowForm("Plain", Bounds(100, 100, 400, 300), nullptr);
  TCustomForm* Form = Forms.back();
  ASSERT_EQ(SendMessage(Form->Handle(), WM_NCHITTEST, 0, PointToLParam({100 + 150, 100 + 10})), HTCAPTION);
  Drag({100 + 150, 100 + 10}, {100 + 350, 100 + 110});
  EXPECT_TRUE(PumpUntil([&] { return Other().Geometry(Window) == Bounds(300, 200, 400, 300); }));
  EXPECT_EQ(Form->BoundsRect(), Bounds(300, 200, 400, 300));
  Other().Synchronize();
  EXPECT_EQ(ShapeMismatches(Window, Form), 0);
}

TEST_F(X11SkinFormTest, TheDefaultSkinsCaptionButtonsMaximizeRestoreMinimizeAndClose) {
  // The application's main form first, so that a close button closes only its form.
  ShowForm("Main", Bounds(800, 550, 300, 200), nullptr);
  const TRect Normal = Bounds(100, 100, 500, 350);
  const TXid Window = ShowForm("Buttons", Normal, Skin.get());
  TCustomForm* Form = Forms.back();
  const TXid MinimizedWindow = ShowForm("Minimized", Bounds(200, 500, 400, 200), Skin.get());
  TCustomForm* Minimized = Forms.back();
  // Hovers over the button and clicks it, as a person does.
  auto ClickButton = [&](TCustomForm* AForm, const char* AIDName) {
    for (const auto& Object : FindSkinForm(AForm)->ObjectList)
      if (Object->IDName == AIDName) {
        const TRect& R = Object->ObjectRect;
        const TPoint Centre{AForm->Left() + (R.Left + R.Right) / 2, AForm->Top() + (R.Top + R.Bottom) / 2};
        VirtualDisplay().Xdotool("mousemove " + std::to_string(Centre.X) + " " + std::to_string(Centre.Y) +
                                 " click 1");
        return;
      }
    ADD_FAILURE() << "no " << AIDName;
  };
  TspSkinForm* SkinForm = FindSkinForm(Form);

  ClickButton(Form, "maxbutton");
  EXPECT_TRUE(PumpUntil([&] {
    return SkinForm->WindowState() == wsMaximized && Other().Geometry(Window) == SkinForm->MaximizedBounds();
  }));
  ClickButton(Form, "maxbutton");
  EXPECT_TRUE(
      PumpUntil([&] { return SkinForm->WindowState() == wsNormal && Other().Geometry(Window) == Normal; }));

  // A form other than the main one minimizes into a caption strip.
  TspSkinForm* MinimizedSkin = FindSkinForm(Minimized);
  ClickButton(Minimized, "minbutton");
  EXPECT_TRUE(PumpUntil([&] {
    return MinimizedSkin->ReachedWindowState() == wsMinimized &&
           Other().Geometry(MinimizedWindow).Height() == MinimizedSkin->GetMinHeight();
  }));

  ClickButton(Form, "closebutton");
  EXPECT_TRUE(PumpUntil([&] { return !Form->Visible() && !IsWindowVisible(Form->Handle()); }));
}

TEST_F(X11SkinFormTest, AMaximizedFormFillsTheWorkAreaTheDesktopAnnouncesAndIsRestored) {
  // A panel of 40 pixels at the bottom, as a window manager would announce it.
  Other().SetCardinals(Other().Root(), "_NET_WORKAREA", {0, 0, 1280, 760});
  ASSERT_TRUE(PumpUntil([&] { return X11().Monitors().front().WorkArea == Bounds(0, 0, 1280, 760); }));
  ShowForm("Main", Bounds(50, 50, 400, 300), Skin.get());
  const TXid Window = ShowForm("Second", Bounds(100, 100, 500, 350), Skin.get());
  SkinForms.back()->SetWindowState(wsMaximized);
  EXPECT_TRUE(PumpUntil([&] { return Other().Geometry(Window) == Bounds(0, 0, 1280, 760); }));
  Other().Synchronize();
  EXPECT_EQ(ShapeMismatches(Window, Forms.back()), 0);
  SkinForms.back()->SetWindowState(wsNormal);
  EXPECT_TRUE(PumpUntil([&] { return Other().Geometry(Window) == Bounds(100, 100, 500, 350); }));
}

TEST_F(X11SkinFormTest, OnADesktopWithoutPanelsTheMaximizedFormLeavesAPixelFree) {
  ShowForm("Main", Bounds(50, 50, 400, 300), Skin.get());
  const TXid Window = ShowForm("Second", Bounds(100, 100, 500, 350), Skin.get());
  SkinForms.back()->SetWindowState(wsMaximized);
  EXPECT_TRUE(PumpUntil([&] { return Other().Geometry(Window) == Rect(1, 1, 1279, 799); }));
}

TEST_F(X11SkinFormTest, TheMainFormMinimizesByIconifyingAndTheDesktopRestoresIt) {
  const TXid Window = ShowForm("Main", Bounds(50, 50, 400, 300), Skin.get());
  int Restores = 0;
  SkinForms.back()->OnRestore = [&](TObject*) { ++Restores; };
  SkinForms.back()->SetWindowState(wsMinimized);
  EXPECT_TRUE(IsIconic(Forms.back()->Handle()));
  EXPECT_EQ(SkinForms.back()->WindowState(), wsNormal);
  // The window manager's answer, then its restore from the task bar. The program reads
  // the display's events in order: a work area announced after the answer has arrived
  // once the answer has.
  Other().SetWindowState(Window, true);
  Other().SetCardinals(Other().Root(), "_NET_WORKAREA", {0, 0, 1280, 760});
  ASSERT_TRUE(PumpUntil([&] { return X11().Monitors().front().WorkArea == Bounds(0, 0, 1280, 760); }));
  Other().SetWindowState(Window, false);
  EXPECT_TRUE(PumpUntil([&] { return !IsIconic(Forms.back()->Handle()); }));
  EXPECT_EQ(Restores, 1);
  EXPECT_TRUE(PumpUntil([&] { return Other().Geometry(Window) == Bounds(50, 50, 400, 300); }));
}

}  // namespace
}  // namespace e2e
