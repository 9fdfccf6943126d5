// Push buttons, radio groups and animations on the frame, pressed and hovered through
// injected pointer input, and a client-area-mode form dragged by its picture.

#include "components/forms/SkinMenus.h"
#include "platform/ui/Menus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace skin_form_test {
namespace {

// The fixture frame with an object picture of plain colours: a 10 × 10 hot look, a down
// look, and a strip of four animation frames.
constexpr TColor ButtonsHotColor = TColor(0x0000C0);
constexpr TColor ButtonsDownColor = TColor(0x00C000);
constexpr TColor ButtonsFrameColors[] = {TColor(0x101010), TColor(0x202020), TColor(0x303030),
                                         TColor(0x404040)};
constexpr TRect ButtonsHotLook{0, 0, 10, 10};
constexpr TRect ButtonsDownLook{10, 0, 20, 10};
constexpr TRect ButtonsStrip{0, 10, 40, 20};

class SkinFormFrameButtonsTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Skin = MakeFixtureSkin();
    auto Picture = std::make_unique<TBitmap>();
    Picture->SetPixelFormat(pf24bit);
    Picture->SetSize(40, 20);
    TCanvas& Canvas = Picture->Canvas();
    auto Fill = [&](const TRect& R, TColor AColor) {
      Canvas.Brush().SetColor(AColor);
      Canvas.FillRect(R);
    };
    Fill(ButtonsHotLook, ButtonsHotColor);
    Fill(ButtonsDownLook, ButtonsDownColor);
    for (int I = 0; I < 4; ++I) Fill(Bounds(10 * I, 10, 10, 10), ButtonsFrameColors[I]);
    TspSkinEditor(*Skin).AddPicture(std::move(Picture));
  }

  TspDataSkinButton& AddButton(const String& AIDName, int ALeft, int AGroupIndex) {
    auto Record = std::make_unique<TspDataSkinButton>(AIDName);
    Record->SkinRect = Bounds(ALeft, 10, 10, 10);
    Record->ActiveSkinRect = ButtonsHotLook;
    Record->DownRect = ButtonsDownLook;
    Record->ActivePictureIndex = 0;
    Record->ActiveMaskPictureIndex = -1;
    Record->GroupIndex = AGroupIndex;
    return TspSkinEditor(*Skin).AddObject(std::move(Record));
  }
  TspDataSkinAnimate& AddAnimation(const String& AIDName, int ALeft, int ATimerInterval) {
    auto Record = std::make_unique<TspDataSkinAnimate>(AIDName);
    Record->SkinRect = Bounds(ALeft, 10, 10, 10);
    Record->ActiveSkinRect = ButtonsStrip;
    Record->ActivePictureIndex = 0;
    Record->ActiveMaskPictureIndex = -1;
    Record->CountFrames = 4;
    Record->TimerInterval = ATimerInterval;
    Record->ButtonStyle = true;
    Record->Command = cmDefault;
    return TspSkinEditor(*Skin).AddObject(std::move(Record));
  }

  void ShowSkinnedForm() {
    SkinForm = NewSkinnedForm(Rect(100, 100, 400, 300), Skin.get());
    Form = SkinForm->Form();
    ASSERT_TRUE(SkinForm->GetFormActive());
  }
  template <typename TObject>
  TObject& Object(const String& AIDName) {
    for (auto& Each : SkinForm->ObjectList)
      if (Each->IDName == AIDName) return dynamic_cast<TObject&>(*Each);
    throw std::runtime_error("no object " + AIDName);
  }
  TPoint Centre(const TspActiveSkinObject& AObject) const {
    const TRect& R = AObject.ObjectRect;
    return {Form->Left() + (R.Left + R.Right) / 2, Form->Top() + (R.Top + R.Bottom) / 2};
  }
  // The presented colour at the middle of the object.
  COLORREF Shown(const TspActiveSkinObject& AObject) const {
    const TRect& R = AObject.ObjectRect;
    return PresentedPixel(Form->Handle(), (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
  }
  void Click(const TspActiveSkinObject& AObject) {
    InjectClick(Centre(AObject));
    ProcessPendingMessages();
  }
  static void Move(TPoint APoint) {
    InjectPointerMove(APoint);
    ProcessPendingMessages();
  }
  static void Pass(uint32_t AMilliseconds) {
    HeadlessBackend()->AdvanceClock(AMilliseconds);
    ProcessPendingMessages();
  }

  std::unique_ptr<TspSkinData> Skin;
  TspSkinForm* SkinForm = nullptr;
  TCustomForm* Form = nullptr;
};

TEST_F(SkinFormFrameButtonsTest, AGroupKeepsOneButtonDown) {
  AddButton("first", 10, 1);
  AddButton("second", 25, 1);
  ShowSkinnedForm();
  auto& First = Object<TspSkinButtonObject>("first");
  auto& Second = Object<TspSkinButtonObject>("second");
  int MouseUps = 0;
  SkinForm->OnMouseUpEvent = [&](const String&, int, int, const TRect&, TMouseButton) { ++MouseUps; };
  // A group button stays down after its release, showing its down look.
  Click(First);
  EXPECT_TRUE(First.Down());
  EXPECT_EQ(MouseUps, 1);
  EXPECT_EQ(Shown(First), ColorToRGB(ButtonsDownColor));
  // The second one going down sets the first up.
  Click(Second);
  EXPECT_TRUE(Second.Down());
  EXPECT_FALSE(First.Down());
  // Pressing the down one again changes nothing.
  Click(Second);
  EXPECT_TRUE(Second.Down());
  EXPECT_FALSE(First.Down());
}

TEST_F(SkinFormFrameButtonsTest, APlainButtonGoesUpAndReportsItsReleaseOnlyOverIt) {
  AddButton("plain", 10, -1);
  ShowSkinnedForm();
  auto& Plain = Object<TspSkinButtonObject>("plain");
  std::vector<String> Reports;
  SkinForm->OnMouseDownEvent = [&](const String& AIDName, int, int, const TRect&, TMouseButton) {
    Reports.push_back("down " + AIDName);
  };
  SkinForm->OnMouseUpEvent = [&](const String& AIDName, int, int, const TRect&, TMouseButton) {
    Reports.push_back("up " + AIDName);
  };
  Click(Plain);
  EXPECT_FALSE(Plain.Down());
  // Still under the mouse: the hot look.
  EXPECT_EQ(Shown(Plain), ColorToRGB(ButtonsHotColor));
  EXPECT_EQ(Reports, (std::vector<String>{"down plain", "up plain"}));

  Reports.clear();
  InjectPointerPress(Centre(Plain));
  ProcessPendingMessages();
  EXPECT_EQ(Shown(Plain), ColorToRGB(ButtonsDownColor));
  const TPoint ClientPoint{Form->Left() + 150, Form->Top() + 100};
  Move(ClientPoint);
  Pass(50);
  InjectPointerRelease(ClientPoint);
  ProcessPendingMessages();
  EXPECT_FALSE(Plain.Down());
  EXPECT_FALSE(Plain.Active);
  EXPECT_EQ(Reports, std::vector<String>{"down plain"});
}

TEST_F(SkinFormFrameButtonsTest, AButtonStyleAnimationPlaysForwardUnderTheMouseAndBackWhenLeft) {
  AddAnimation("spinner", 10, 100);
  ShowSkinnedForm();
  auto& Spinner = Object<TspSkinAnimateObject>("spinner");
  ASSERT_EQ(Spinner.TimerInterval, 100);
  Move(Centre(Spinner));
  ASSERT_TRUE(SkinForm->AnimateTimer().Enabled());
  // One frame every fourth 25 ms tick (100 ms a frame), up to the last one.
  std::vector<int> Frames;
  for (int Tick = 0; Tick < 13; ++Tick) {
    Pass(25);
    Frames.push_back(Spinner.Frame());
  }
  EXPECT_EQ(Frames, (std::vector<int>{1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4}));
  EXPECT_EQ(Shown(Spinner), ColorToRGB(ButtonsFrameColors[3]));
  EXPECT_FALSE(SkinForm->AnimateTimer().Enabled());
  // Off the window: the mouse timer ends the hover, and the frames play back to the
  // first one.
  Move({20, 20});
  Pass(50);
  for (int Tick = 0; Tick < 13; ++Tick) Pass(25);
  EXPECT_EQ(Spinner.Frame(), 1);
  EXPECT_EQ(Shown(Spinner), ColorToRGB(ButtonsFrameColors[0]));
  EXPECT_FALSE(SkinForm->AnimateTimer().Enabled());
}

TEST_F(SkinFormFrameButtonsTest, AnimationsStepAtLeastEvery25Milliseconds) {
  AddAnimation("fast", 10, 10);
  ShowSkinnedForm();
  auto& Fast = Object<TspSkinAnimateObject>("fast");
  EXPECT_EQ(Fast.TimerInterval, 25);
  Fast.Cycle = true;
  Fast.Start();
  std::vector<int> Frames;
  for (int Tick = 0; Tick < 6; ++Tick) {
    Pass(25);
    Frames.push_back(Fast.Frame());
  }
  // A cycling animation wraps round to its first frame.
  EXPECT_EQ(Frames, (std::vector<int>{2, 3, 4, 1, 2, 3}));
  Fast.Stop();
  EXPECT_EQ(Fast.Frame(), 1);
  Pass(25);
  EXPECT_FALSE(SkinForm->AnimateTimer().Enabled());
}

TEST_F(SkinFormFrameButtonsTest, DeactivationTakesTheHotLookAndTheFramesBack) {
  AddButton("morphing", 10, -1).Morphing = true;
  AddAnimation("spinner", 30, 25);
  ShowSkinnedForm();
  auto& Button = Object<TspSkinButtonObject>("morphing");
  auto& Spinner = Object<TspSkinAnimateObject>("spinner");
  // The button fades in fully under the mouse; the animation plays on its own.
  Move(Centre(Button));
  for (int Tick = 0; Tick < 8; ++Tick) Pass(25);
  ASSERT_EQ(Button.MorphKf(), 1);
  ASSERT_EQ(Shown(Button), ColorToRGB(ButtonsHotColor));
  Spinner.Start();
  Pass(25);
  Pass(25);
  ASSERT_EQ(Spinner.Frame(), 3);
  // Another form takes the activation: nothing keeps a hot look or a later frame.
  NewForm(Rect(600, 100, 700, 200));
  ASSERT_FALSE(SkinForm->GetFormActive());
  EXPECT_EQ(Button.MorphKf(), 0);
  EXPECT_FALSE(Button.Active);
  EXPECT_NE(Shown(Button), ColorToRGB(ButtonsHotColor));
  EXPECT_EQ(Spinner.Frame(), 1);
  EXPECT_FALSE(Spinner.Active);
}

TEST_F(SkinFormFrameButtonsTest, MainMenuItemsLineUpInTheStripAndTakeTheOpenMenuAlong) {
  // A strip across the top of the frame; items 20 pixels wide around a 12-pixel text area.
  Skin->MainMenuRect = Rect(5, 12, 95, 24);
  TspDataSkinMainMenuItem Record("MAINMENUITEM");
  Record.SkinRect = Rect(0, 10, 20, 20);
  Record.ActiveSkinRect = ButtonsHotLook;
  Record.DownRect = ButtonsDownLook;
  Record.ActivePictureIndex = 0;
  Record.ActiveMaskPictureIndex = -1;
  Record.TextRct = Rect(4, 0, 16, 10);
  Record.ItemLO = Record.ItemRO = 4;
  Record.FontName = "Arial";
  Record.FontHeight = 8;
  ShowSkinnedForm();
  TMainMenu Menu(Form);
  auto AddItem = [&](const char* AName, const String& ACaption) {
    auto* Item = new TMenuItem(&Menu);
    Item->SetName(AName);
    Item->SetCaption(ACaption);
    Menu.Items()->Add(Item);
    SkinForm->ObjectList.push_back(std::make_unique<TspSkinMainMenuItem>(SkinForm, Record, Item));
    ;
    return Item;
  };
  TMenuItem* File = AddItem("FileItem", "File");
  File->Add(new TMenuItem(&Menu));
  int HelpClicks = 0;
  AddItem("HelpItem", "Help")->OnClick = [&](TObject*) { ++HelpClicks; };
  AddItem("LongItem", String(60, 'W'));
  int Entered = 0;
  SkinForm->OnMainMenuEnter = [&](TObject*) { ++Entered; };
  SkinForm->UpDateFormNC();
  ProcessPendingMessages();

  auto& FileObject = Object<TspSkinMainMenuItem>("FileItem");
  auto& HelpObject = Object<TspSkinMainMenuItem>("HelpItem");
  auto& LongObject = Object<TspSkinMainMenuItem>("LongItem");
  // Each as wide as its caption, one after the other from the strip's start.
  EXPECT_EQ(FileObject.ObjectRect.Left, SkinForm->Geometry().NewMainMenuRect.Left);
  EXPECT_EQ(FileObject.ObjectRect.Top, SkinForm->Geometry().NewMainMenuRect.Top);
  EXPECT_EQ(HelpObject.ObjectRect.Left, FileObject.ObjectRect.Right);
  EXPECT_GT(RectangleWidth(FileObject.ObjectRect), 20 - 12 + 2);
  // The one that does not fit is neither drawn nor hit.
  EXPECT_FALSE(LongObject.Visible);
  EXPECT_FALSE(LongObject.Enabled);

  Click(FileObject);
  EXPECT_TRUE(FileObject.Down());
  EXPECT_TRUE(SkinForm->InMainMenu);
  EXPECT_EQ(Entered, 1);
  // The down look at the item's fixed left end, beside its caption.
  EXPECT_EQ(PresentedPixel(Form->Handle(), FileObject.ObjectRect.Left + 1, FileObject.ObjectRect.Top + 1),
            ColorToRGB(ButtonsDownColor));
  // Along the strip with the menu open: the neighbour goes down instead.
  Move(Centre(HelpObject));
  Pass(50);
  EXPECT_FALSE(FileObject.Down());
  EXPECT_TRUE(HelpObject.Down());
  EXPECT_EQ(Entered, 1);
  // An item without sub-items runs its command on the press.
  InjectPointerPress(Centre(HelpObject));
  ProcessPendingMessages();
  EXPECT_EQ(HelpClicks, 1);
  EXPECT_FALSE(HelpObject.Down());
  InjectPointerRelease(Centre(HelpObject));
  ProcessPendingMessages();
  EXPECT_EQ(HelpClicks, 1);
}

// A popup menu of two items, owned by the form.
TPopupMenu& FrameButtonsTwoItemMenu(TCustomForm& AOwner) {
  auto* Menu = new TPopupMenu(&AOwner);
  for (const char* Caption : {"One", "Two"}) {
    auto* Item = new TMenuItem(Menu);
    Item->SetCaption(Caption);
    Menu->Items()->Add(Item);
  }
  return *Menu;
}

TEST_F(SkinFormFrameButtonsTest, AButtonWithAMenuOpensItBelowOrAboveAndIsSetBackWhenItCloses) {
  AddButton("menu", 10, -1);
  ShowSkinnedForm();
  auto& Button = Object<TspSkinButtonObject>("menu");
  TPopupMenu& Menu = FrameButtonsTwoItemMenu(*Form);
  TspSkinMenu& Chain = SkinForm->SkinMenu();
  const TRect& R = Button.ObjectRect;

  SkinForm->LinkMenu("menu", &Menu, false);
  Click(Button);
  ASSERT_TRUE(Chain.Visible());
  EXPECT_TRUE(Button.Down());
  EXPECT_TRUE(SkinForm->InMenu);
  EXPECT_EQ((TPoint{Chain.PopupWindow(0).Left(), Chain.PopupWindow(0).Top()}),
            (TPoint{Form->Left() + R.Left, Form->Top() + R.Bottom}));
  // Escape closes the chain: the button is up and not hot, though the mouse is over it.
  InjectKeyStroke(VK_ESCAPE);
  ProcessPendingMessages();
  EXPECT_FALSE(Chain.Visible());
  EXPECT_FALSE(SkinForm->InMenu);
  EXPECT_FALSE(Button.Down());
  EXPECT_FALSE(Button.Active);

  SkinForm->LinkMenu("menu", &Menu, true);
  Click(Button);
  ASSERT_TRUE(Chain.Visible());
  const TspSkinPopupWindow& Above = Chain.PopupWindow(0);
  EXPECT_EQ((TPoint{Above.Left(), Above.Top() + Above.Height()}),
            (TPoint{Form->Left() + R.Left, Form->Top() + R.Top}));
  // A click elsewhere on the form closes it too.
  InjectClick(TPoint{Form->Left() + 150, Form->Top() + 100});
  ProcessPendingMessages();
  EXPECT_FALSE(Chain.Visible());
  EXPECT_FALSE(Button.Down());
  EXPECT_FALSE(Button.Active);
}

TEST_F(SkinFormFrameButtonsTest, AFreedLinkedMenuIsTakenBackFromItsButton) {
  AddButton("menu", 10, -1);
  ShowSkinnedForm();
  auto& Button = Object<TspSkinButtonObject>("menu");
  TPopupMenu* Menu = &FrameButtonsTwoItemMenu(*Form);
  SkinForm->LinkMenu("menu", Menu, false);
  ASSERT_EQ(Button.MenuItem, Menu->Items());

  delete Menu;
  EXPECT_EQ(Button.MenuItem, nullptr);
  // The press of a button whose menu is gone opens nothing (and reads no freed item).
  Click(Button);
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
  EXPECT_FALSE(SkinForm->InMenu);
}

TEST_F(SkinFormFrameButtonsTest, AnEmptyMenuOpensNothingAndAPlainAnimationTakesNoMenu) {
  AddButton("menu", 10, -1);
  AddAnimation("still", 40, 25).ButtonStyle = false;
  ShowSkinnedForm();
  auto& Button = Object<TspSkinButtonObject>("menu");
  TPopupMenu Empty(Form);
  SkinForm->LinkMenu("menu", &Empty, false);
  // An animation not drawn as a button takes no menu.
  SkinForm->LinkMenu("still", &FrameButtonsTwoItemMenu(*Form), false);
  EXPECT_EQ(Object<TspSkinAnimateObject>("still").MenuItem, nullptr);
  Click(Button);
  EXPECT_FALSE(SkinForm->SkinMenu().Visible());
  EXPECT_FALSE(SkinForm->InMenu);
}

TEST_F(SkinFormFrameButtonsTest, AButtonStyleAnimationWithAMenuHoldsItsLastFrameAndPlaysBackWhenItCloses) {
  AddAnimation("anim", 10, 25);
  ShowSkinnedForm();
  auto& Animation = Object<TspSkinAnimateObject>("anim");
  SkinForm->LinkMenu("anim", &FrameButtonsTwoItemMenu(*Form), false);
  Click(Animation);
  ASSERT_TRUE(SkinForm->SkinMenu().Visible());
  EXPECT_TRUE(Animation.FMenuTracking);
  Pass(200);
  EXPECT_EQ(Shown(Animation), ColorToRGB(ButtonsFrameColors[3]));
  InjectKeyStroke(VK_ESCAPE);
  ProcessPendingMessages();
  EXPECT_FALSE(Animation.FMenuTracking);
  EXPECT_EQ(Animation.Frame(), 4);
  Move(TPoint{Form->Left() + 150, Form->Top() + 100});
  Pass(200);
  EXPECT_EQ(Animation.Frame(), 1);
  EXPECT_EQ(Shown(Animation), ColorToRGB(ButtonsFrameColors[0]));
}

TEST_F(SkinFormFrameButtonsTest, AClientAreaFormIsDraggedByItsPicture) {
  AddButton("plain", 10, -1);
  TForm* Dragged = NewForm(Rect(100, 100, 300, 250), bsNone);
  auto* Component = new TspSkinForm(Dragged);
  Component->SetSupportNCArea(false);
  Component->SetSkinData(Skin.get());
  Component->DraggAble = true;
  ProcessPendingMessages();
  const TPoint Start{Dragged->Left() + 50, Dragged->Top() + 60};
  Move(Start);
  InjectPointerPress(Start);
  ProcessPendingMessages();
  ASSERT_TRUE(Component->IsDragging());
  Move({Start.X + 7, Start.Y + 5});
  EXPECT_EQ(Dragged->BoundsRect(), Rect(107, 105, 307, 255));
  InjectPointerRelease({Start.X + 7, Start.Y + 5});
  ProcessPendingMessages();
  EXPECT_FALSE(Component->IsDragging());
  Move({Start.X + 10, Start.Y + 10});
  EXPECT_EQ(Dragged->BoundsRect(), Rect(107, 105, 307, 255));
  // A press on an object presses it instead of dragging the form.
  TspActiveSkinObject& Plain = *Component->ObjectList.at(0);
  const TPoint OnButton{Dragged->Left() + (Plain.ObjectRect.Left + Plain.ObjectRect.Right) / 2,
                        Dragged->Top() + (Plain.ObjectRect.Top + Plain.ObjectRect.Bottom) / 2};
  Move(OnButton);
  InjectPointerPress(OnButton);
  ProcessPendingMessages();
  EXPECT_FALSE(Component->IsDragging());
  EXPECT_TRUE(dynamic_cast<TspSkinButtonObject&>(Plain).Down());
}

TEST_F(SkinFormFrameButtonsTest, AClientAreaFormIsSizedByTheSkinsEdgesAndGrip) {
  Skin->SizeGripArea = Rect(90, 90, 98, 98);
  TForm* Sized = NewForm(Rect(100, 100, 300, 250), bsNone);
  auto* Component = new TspSkinForm(Sized);
  Component->SetSupportNCArea(false);
  Component->SetSkinData(Skin.get());
  ProcessPendingMessages();
  // 200 × 150: the picture's corners moved by (100, 50), the grip with its corner.
  struct TCase {
    TPoint Point;
    LRESULT Code;
  };
  const TCase Cases[] = {{{100, 75}, HTCLIENT}, {{1, 75}, HTLEFT},           {{100, 1}, HTTOP},
                         {{198, 75}, HTRIGHT},  {{198, 148}, HTBOTTOMRIGHT}, {{193, 143}, HTBOTTOMRIGHT},
                         {{1, 1}, HTTOPLEFT}};
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(testing::Message() << Case.Point.X << ", " << Case.Point.Y);
    EXPECT_EQ(HitTest(Sized, Case.Point), Case.Code);
  }
  // A form that may not be sized is client area everywhere.
  Component->Sizeable = false;
  EXPECT_EQ(HitTest(Sized, {1, 75}), HTCLIENT);
}

TEST_F(SkinFormFrameButtonsTest, AClientAreaFormShowsTheSkinsCursors) {
  AddButton("plain", 10, -1).CursorIndex = 2;
  Skin->CursorIndex = 0;
  TForm* Pointed = NewForm(Rect(100, 100, 300, 250), bsNone);
  auto* Component = new TspSkinForm(Pointed);
  Component->SetSupportNCArea(false);
  Component->SetSkinData(Skin.get());
  Component->UseSkinCursors = true;
  ProcessPendingMessages();
  const TRect& Place = Component->ObjectList.at(0)->ObjectRect;
  // Over the object its own cursor, over the rest of the picture the skin's.
  Move({Pointed->Left() + (Place.Left + Place.Right) / 2, Pointed->Top() + (Place.Top + Place.Bottom) / 2});
  Pass(50);
  EXPECT_EQ(Pointed->Cursor(), TCursor(Skin->StartCursorIndex + 2));
  Move({Pointed->Left() + 100, Pointed->Top() + 75});
  Pass(50);
  EXPECT_EQ(Pointed->Cursor(), TCursor(Skin->StartCursorIndex));
  // Off the form the hover ends and the timer stops.
  Move({20, 20});
  Pass(50);
  EXPECT_FALSE(Component->Objects().MouseIn);
  EXPECT_FALSE(Component->MouseTimer().Enabled());
}

}  // namespace
}  // namespace skin_form_test
