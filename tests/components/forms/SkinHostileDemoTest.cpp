// Hostile skins on the demonstration form, which holds one of every skinned control:
// each skin folder of tests/fixtures/skins, and copies of the default skin whose
// description is damaged one way each (rectangles and points huge, negative or turned
// inside out, picture indexes past the list, pictures that cannot be read, frame
// counts of 0 and two billion, cursor numbers near the top of int). The form is shown,
// every page of it hovered and clicked, resized and repainted, and its timers run.
// Nothing may fail, overflow (the sanitizer build checks), hang, or ask for a bitmap
// larger than the greatest window, control or skin picture it draws.

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <functional>
#include <sstream>

#include "platform/gdi/Bitmaps.h"
#include "platform/ui/Application.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Painting.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/forms/SkinFormTestSupport.h"
#include "tests/skin-demo/SkinDemo.h"
#include "tests/support/TestSupport.h"

using namespace skin_form_test;

namespace {

// ---- The damaged copies of the default skin

// A key of the description and its value; an edit answers the new value.
using TValueEdit = std::function<String(const String& AKey, const String& AValue)>;

// The numbers of a value of two or four comma-separated integers (a point or a
// rectangle), or none.
std::vector<long long> GeometryNumbers(const String& AValue) {
  std::vector<long long> Numbers;
  std::stringstream Fields(AValue);
  String Field;
  while (std::getline(Fields, Field, ',')) {
    if (Field.empty() || Field.find_first_not_of("-0123456789") != String::npos) return {};
    Numbers.push_back(std::stoll(Field));
  }
  return Numbers.size() == 2 || Numbers.size() == 4 ? Numbers : std::vector<long long>();
}

String JoinNumbers(const std::vector<long long>& ANumbers) {
  String Text;
  for (long long Number : ANumbers) Text += (Text.empty() ? "" : ",") + std::to_string(Number);
  return Text;
}

long long Saturated(long long AValue) { return std::clamp<long long>(AValue, INT_MIN, INT_MAX); }

// Every point and rectangle given by AEdit, from its numbers (two for a point: x, y;
// four for a rectangle: left, top, right, bottom), saturated to int.
TValueEdit EveryGeometry(std::function<std::vector<long long>(std::vector<long long>)> AEdit) {
  return [AEdit](const String&, const String& AValue) {
    std::vector<long long> Numbers = GeometryNumbers(AValue);
    if (Numbers.empty()) return AValue;
    Numbers = AEdit(Numbers);
    for (long long& Number : Numbers) Number = Saturated(Number);
    return JoinNumbers(Numbers);
  };
}

// A rectangle's far corner, or a point, moved by ADelta.
std::vector<long long> FarCornerMoved(std::vector<long long> ANumbers, long long ADelta) {
  for (size_t I = ANumbers.size() - 2; I < ANumbers.size(); ++I) ANumbers[I] += ADelta;
  return ANumbers;
}

bool EndsWith(const String& AText, const String& AEnd) {
  return AText.size() >= AEnd.size() && AText.compare(AText.size() - AEnd.size(), AEnd.size(), AEnd) == 0;
}

// Every key whose name ends with one of AKeyEnds gets AValue.
TValueEdit EveryKeyEndingIn(std::vector<String> AKeyEnds, String AValue) {
  return [AKeyEnds, AValue](const String& AKey, const String& AOld) {
    for (const String& End : AKeyEnds)
      if (EndsWith(AKey, End)) return AValue;
    return AOld;
  };
}

const std::vector<String> FrameCountKeys = {"framecount", "framescount", "countframes"};

struct TDamage {
  const char* Name;
  TValueEdit Edit;
};

const TDamage Damages[] = {
    {"Default", [](const String&, const String& AValue) { return AValue; }},
    // Rectangles reaching far right and down, and far left and up.
    {"HugeGeometry", EveryGeometry([](std::vector<long long> A) { return FarCornerMoved(A, 2000000000); })},
    {"NegativeGeometry", EveryGeometry([](std::vector<long long> A) {
       for (size_t I = 0; I < 2; ++I) A[I] -= 2000000000;
       return A;
     })},
    // Every rectangle the whole range of int, every point at its ends.
    {"ExtremeGeometry", EveryGeometry([](std::vector<long long> A) {
       for (size_t I = 0; I < A.size(); ++I) A[I] = (A.size() == 4 ? I < 2 : I == 0) ? INT_MIN : INT_MAX;
       return A;
     })},
    // Rectangles and points beyond the pictures but within what a skin may say.
    {"LargeGeometry", EveryGeometry([](std::vector<long long> A) {
       for (long long& Number : A) Number = Number * 40 + 3;
       return A;
     })},
    {"InsideOutGeometry", EveryGeometry([](std::vector<long long> A) {
       if (A.size() == 4) return std::vector<long long>{A[2], A[3], A[0], A[1]};
       return std::vector<long long>{-A[0], -A[1]};
     })},
    {"PicturesPastTheList", EveryKeyEndingIn({"pictureindex"}, "2147483647")},
    {"PicturesJustPastTheList", EveryKeyEndingIn({"pictureindex"}, "1000")},
    {"NegativePictures", EveryKeyEndingIn({"pictureindex"}, "-2147483648")},
    {"UnreadablePictures",
     [](const String& AKey, const String& AValue) {
       return GeometryNumbers(AValue).empty() && EndsWith(AValue, ".bmp") ? "missing" + AKey + ".bmp"
                                                                          : AValue;
     }},
    {"NoFrames", EveryKeyEndingIn(FrameCountKeys, "0")},
    {"TwoBillionFrames", EveryKeyEndingIn(FrameCountKeys, "2000000000")},
    {"CursorsNearIntMax", EveryKeyEndingIn({"cursorindex"}, "2147483646")},
};

// The default skin's description with ADamage applied to every value, stored as
// "<name>.ini" beside the default skin's pictures. A "CURSORS" section with a first
// number near the top of int is added for the cursor damage.
String DamagedDefaultSkin(const TDamage& ADamage) {
  const String Original = DefaultSkinFile();
  std::stringstream Lines(testing_support::ReadWholeFile(Original));
  String Text, Line;
  while (std::getline(Lines, Line)) {
    const size_t Equals = Line.find('=');
    if (!Line.empty() && Line[0] != '[' && Equals != String::npos)
      Line = Line.substr(0, Equals + 1) + ADamage.Edit(Line.substr(0, Equals), Line.substr(Equals + 1));
    Text += Line + "\n";
  }
  if (String(ADamage.Name) == "CursorsNearIntMax")
    Text += "[CURSORS]\nstartcursorindex=2147483640\ncursors=2\ncursors0=none.cur\ncursors1=none.cur\n";
  const String Damaged =
      (std::filesystem::path(Original).parent_path() / (String(ADamage.Name) + ".ini")).string();
  testing_support::WriteWholeFile(Damaged, Text);
  return Damaged;
}

// The descriptions of the hostile skin folders of tests/fixtures/skins, by folder name.
std::vector<std::pair<String, String>> FixtureSkins() {
  std::vector<std::pair<String, String>> Skins;
  for (const auto& Entry : std::filesystem::directory_iterator(testing_support::FixtureFile("skins")))
    Skins.emplace_back(Entry.path().filename().string(), (Entry.path() / "skin.ini").string());
  std::sort(Skins.begin(), Skins.end());
  return Skins;
}

// ---- The run

class SkinHostileDemoTest : public SkinFormTest, public testing::WithParamInterface<String> {
 protected:
  // Outlives the form, which the application frees at the end of the test.
  std::unique_ptr<TspSkinData> Skin = std::make_unique<TspSkinData>(nullptr);
  int64_t LargestControl = 0;

  // The skin description of the case: a damaged default skin or a fixture folder.
  static String SkinFile(const String& ACase) {
    for (const TDamage& Damage : Damages)
      if (ACase == Damage.Name) return DamagedDefaultSkin(Damage);
    for (const auto& [Name, File] : FixtureSkins())
      if (ACase == "Fixture_" + Name) return File;
    return "";
  }

  void Settle() { ProcessPendingMessages(); }
  void Run(uint32_t AMilliseconds) {
    for (uint32_t Step = 0; Step < AMilliseconds; Step += 50) {
      HeadlessBackend()->AdvanceClock(50);
      Settle();
    }
  }
  // Points across AArea (screen), ASteps by ASteps of them.
  static std::vector<TPoint> Grid(const TRect& AArea, int ASteps) {
    std::vector<TPoint> Points;
    for (int Y = 0; Y < ASteps; ++Y)
      for (int X = 0; X < ASteps; ++X)
        Points.push_back({AArea.Left + (AArea.Width() - 1) * X / (ASteps - 1),
                          AArea.Top + (AArea.Height() - 1) * Y / (ASteps - 1)});
    return Points;
  }
  // A click, then Escape for whatever it opened (a menu, a drag).
  void ClickAndLeave(const TPoint& AAt) {
    InjectClick(AAt);
    InjectKeyStroke(VK_ESCAPE);
    Settle();
  }
  // AAction for every shown control under AParent, parents first.
  static void ForEachShownControl(TWinControl* AParent, const std::function<void(TControl*)>& AAction) {
    for (int I = 0; I < AParent->ControlCount(); ++I) {
      TControl* Control = AParent->Controls(I);
      if (!Control->Visible()) continue;
      AAction(Control);
      if (auto* Parent = dynamic_cast<TWinControl*>(Control)) ForEachShownControl(Parent, AAction);
    }
  }
  // The largest control so far: a control's own picture is as large as the control,
  // which a skin may size.
  void NoteControlSizes(TWinControl* AForm) {
    ForEachShownControl(AForm, [this](TControl* AControl) {
      LargestControl = std::max<int64_t>(LargestControl, AControl->Width() * int64_t(AControl->Height()));
    });
  }
  // Every shown control under AParent hovered, clicked in its middle and near its top
  // left, and repainted.
  void TouchEveryControl(TWinControl* AParent) {
    ForEachShownControl(AParent, [this](TControl* AControl) {
      const TRect Area = AControl->ClientRect();
      InjectPointerMove(AControl->ClientToScreen({Area.Width() / 2, Area.Height() / 2}));
      Settle();
      ClickAndLeave(AControl->ClientToScreen({Area.Width() / 2, Area.Height() / 2}));
      ClickAndLeave(
          AControl->ClientToScreen({std::min(Area.Width() - 1, 4), std::min(Area.Height() - 1, 4)}));
      AControl->Repaint();
    });
  }
  // The whole window hovered; its client area clicked where the grid falls.
  void TouchTheWindow(TForm* AForm) {
    for (const TPoint& At : Grid(AForm->BoundsRect(), 7)) InjectPointerMove(At);
    InjectPointerLeave();
    Settle();
    const TPoint Origin = AForm->ClientToScreen({0, 0});
    for (const TPoint& At : Grid(Bounds(Origin.X, Origin.Y, AForm->ClientWidth(), AForm->ClientHeight()), 4))
      ClickAndLeave(At);
  }
};

TEST_P(SkinHostileDemoTest, TheDemonstrationFormSurvivesTheSkin) {
  const String File = SkinFile(GetParam());
  ASSERT_FALSE(File.empty()) << GetParam();
  Skin->LoadFromFile(File);

  // What the run may allocate: the greatest window it shows, skin picture it has or
  // control it lays out.
  int64_t LargestPicture = std::max<int64_t>(Skin->FPicture->Width() * int64_t(Skin->FPicture->Height()), 1);
  for (int I = 0; I < Skin->PictureCount(); ++I)
    LargestPicture =
        std::max<int64_t>(LargestPicture, Skin->Picture(I)->Width() * int64_t(Skin->Picture(I)->Height()));
  const TRect Sizes[] = {Bounds(40, 40, 780, 490), Bounds(10, 10, 150, 110), Bounds(0, 0, 1200, 860),
                         Bounds(30, 30, 24, 18), Bounds(40, 40, 700, 520)};
  int64_t LargestWindow = 0;
  for (const TRect& Size : Sizes)
    LargestWindow = std::max<int64_t>(LargestWindow, Size.Width() * Size.Height());
  ResetLargestBitmapRequest();

  skin_demo::TSkinDemo Demo = skin_demo::CreateSkinDemo(Skin.get(), {});
  Demo.Form->Show();
  Settle();
  for (int Page = 0; Page < Demo.Pages->PageCount(); ++Page) {
    Demo.Pages->SetActivePageIndex(Page);
    Settle();
    NoteControlSizes(Demo.Form);
    TouchEveryControl(Demo.Form);
    Run(500);
  }
  for (const TRect& Size : Sizes) {
    Demo.Form->SetBoundsRect(Size);
    Settle();
    NoteControlSizes(Demo.Form);
    TouchTheWindow(Demo.Form);
    RedrawWindow(Demo.Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    Run(200);
  }
  EXPECT_LE(LargestBitmapRequest(), std::max({LargestWindow, LargestPicture, LargestControl})) << GetParam();
}

std::vector<String> Cases() {
  std::vector<String> Names;
  for (const TDamage& Damage : Damages) Names.push_back(Damage.Name);
  for (const auto& Skin : FixtureSkins()) Names.push_back("Fixture_" + Skin.first);
  return Names;
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinHostileDemoTest, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<String>& AInfo) {
                           String Name = AInfo.param;
                           std::replace_if(
                               Name.begin(), Name.end(), [](char C) { return !isalnum(C); }, '_');
                           return Name;
                         });

}  // namespace
