// The frame objects reached by name: found by their exact IDName, changed only when
// they are of the operation's kind, silently while a skin is being applied.

#include <vector>

#include "platform/win/MessageQueue.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace {

using skin_form_test::SkinFormTest;

class SkinFormNamedObjectsTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Skin = skin_form_test::MakeFixtureSkin();
    AddObject<TspDataSkinSwitch>("lamp", Rect(10, 5, 20, 15));
    AddObject<TspDataSkinButton>("push", Rect(20, 5, 30, 15));
    AddObject<TspDataSkinStdButton>("closebutton", Rect(80, 5, 90, 15));
    AddObject<TspDataSkinLabel>("title", Rect(30, 5, 60, 15));
    AddObject<TspDataSkinCaption>("caption", Rect(30, 15, 60, 25));
    AddObject<TspDataUserObject>("area", Rect(60, 5, 70, 15));
    // A second object of an existing name: never reached by name.
    AddObject<TspDataSkinSwitch>("lamp", Rect(70, 5, 80, 15));
  }
  void TearDown() override {
    DoneApplication();
    Skin.reset();
    SkinFormTest::TearDown();
  }

  template <class TRecord>
  void AddObject(const String& AName, const TRect& ARect) {
    auto Record = std::make_unique<TRecord>(AName);
    Record->SkinRect = ARect;
    TspSkinEditor(*Skin).AddObject(std::move(Record));
  }

  template <class TObject>
  TObject& Object(TspSkinForm& ASkinForm, const String& AName) {
    return dynamic_cast<TObject&>(*ASkinForm.ObjectList[size_t(ASkinForm.GetIndex(AName))]);
  }

  std::unique_ptr<TspSkinData> Skin;
};

TEST_F(SkinFormNamedObjectsTest, NamesAreFoundExactlyAndTheFirstOfTwoWins) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get());
  EXPECT_EQ(SkinForm->GetIndex("lamp"), 0);
  EXPECT_EQ(SkinForm->GetIndex("closebutton"), 2);
  EXPECT_EQ(SkinForm->GetIndex("Lamp"), -1);
  EXPECT_EQ(SkinForm->GetIndex(""), -1);
  SkinForm->SwitchSetState("lamp", swsOn);
  EXPECT_EQ(Object<TspSkinSwitchObject>(*SkinForm, "lamp").State(), swsOn);
  EXPECT_EQ(dynamic_cast<TspSkinSwitchObject&>(*SkinForm->ObjectList[6]).State(), swsOff);
}

TEST_F(SkinFormNamedObjectsTest, UnknownNamesAndObjectsOfAnotherKindAreLeftAlone) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get());
  int PaintCalls = 0;
  SkinForm->OnPaintEvent = [&](const String&, TCanvas&, const TRect&) { ++PaintCalls; };
  for (const String& Name : {String("nosuch"), String("Lamp"), String("area")}) {
    SkinForm->SwitchSetState(Name, swsOn);
    EXPECT_EQ(SkinForm->SwitchGetState(Name), swsOff) << Name;
    SkinForm->ButtonSetDown(Name, true);
    EXPECT_FALSE(SkinForm->ButtonGetDown(Name)) << Name;
    SkinForm->LabelSetText(Name, "text");
    SkinForm->CaptionSetText(Name, "text");
  }
  SkinForm->SetEnabled("nosuch", false);
  SkinForm->SetEnabled("Lamp", false);
  // A switch is not a button nor a user object, a label not a caption.
  SkinForm->ButtonSetDown("lamp", true);
  SkinForm->UserObjectDraw("lamp");
  SkinForm->UserObjectDraw("nosuch");
  SkinForm->CaptionSetText("title", "text");
  EXPECT_EQ(Object<TspSkinLabelObject>(*SkinForm, "title").TextValue(), "");
  EXPECT_EQ(PaintCalls, 0);
  for (const auto& Each : SkinForm->ObjectList) EXPECT_TRUE(Each->Enabled) << Each->IDName;
}

TEST_F(SkinFormNamedObjectsTest, ValuesTextsAndStatesReachTheirObjects) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get());
  std::vector<std::pair<String, TSwitchState>> Switched;
  SkinForm->OnSwitchChangeStateEvent = [&](const String& AName, TSwitchState AState) {
    Switched.emplace_back(AName, AState);
  };
  std::vector<String> Painted;
  SkinForm->OnPaintEvent = [&](const String& AName, TCanvas&, const TRect&) { Painted.push_back(AName); };

  SkinForm->SwitchSetState("lamp", swsOn);
  EXPECT_EQ(SkinForm->SwitchGetState("lamp"), swsOn);
  EXPECT_EQ(Switched, (std::vector<std::pair<String, TSwitchState>>{{"lamp", swsOn}}));
  // Caption buttons are buttons too.
  SkinForm->ButtonSetDown("push", true);
  SkinForm->ButtonSetDown("closebutton", true);
  EXPECT_TRUE(SkinForm->ButtonGetDown("push"));
  EXPECT_TRUE(SkinForm->ButtonGetDown("closebutton"));
  SkinForm->LabelSetText("title", "Volume");
  EXPECT_EQ(Object<TspSkinLabelObject>(*SkinForm, "title").TextValue(), "Volume");
  SkinForm->CaptionSetText("caption", "Converter");
  EXPECT_EQ(Object<TspSkinCaptionObject>(*SkinForm, "caption").TextValue(), "Converter");
  SkinForm->SetEnabled("area", false);
  EXPECT_FALSE(Object<TspUserObject>(*SkinForm, "area").Enabled);
  SkinForm->UserObjectDraw("area");
  EXPECT_EQ(Painted, std::vector<String>{"area"});
}

TEST_F(SkinFormNamedObjectsTest, WhileASkinIsAppliedValuesAreSetWithoutDrawingOrEvents) {
  TForm* Form = NewForm(Bounds(50, 50, 300, 200));
  auto* SkinForm = new TspSkinForm(Form);
  int Switched = 0;
  SkinForm->OnSwitchChangeStateEvent = [&](const String&, TSwitchState) { ++Switched; };
  SkinForm->OnChangeSkinData = [&](TObject*) {
    SkinForm->SwitchSetState("lamp", swsOn);
    SkinForm->LabelSetText("title", "Silent");
  };
  SkinForm->SetSkinData(Skin.get());
  EXPECT_EQ(SkinForm->SwitchGetState("lamp"), swsOn);
  EXPECT_EQ(Switched, 0);
  EXPECT_EQ(Object<TspSkinLabelObject>(*SkinForm, "title").TextValue(), "Silent");
  // Values set before a skin change do not outlive it.
  SkinForm->OnChangeSkinData = nullptr;
  SkinForm->ChangeSkinData();
  EXPECT_EQ(SkinForm->SwitchGetState("lamp"), swsOff);
}

}  // namespace
