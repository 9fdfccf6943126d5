// A skin change reaches the controls bound to the changing skin, depth first, and
// rebuilds the frame objects of the forms that wear it; controls and forms of other
// skins are left alone.

#include <string>
#include <vector>

#include "components/controls/SkinCtrls.h"
#include "components/forms/SkinChangeFollower.h"
#include "platform/win/MessageQueue.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace {

using skin_form_test::SkinFormTest;

// A real skinned panel that notes each time the walks reach it.
class TWalkRecordingPanel : public TspSkinPanel {
 public:
  TWalkRecordingPanel(TWinControl* AParent, const std::string& AName, TspSkinData* ASkin,
                      std::vector<std::string>& ALog)
      : TspSkinPanel(AParent), FName(AName), FLog(ALog) {
    SetParent(AParent);
    SetSkinData(ASkin);
  }
  void BeforeChangeSkinData() override {
    FLog.push_back(FName + " forgets");
    TspSkinPanel::BeforeChangeSkinData();
  }
  void ChangeSkinData() override {
    FLog.push_back(FName + " reads");
    TspSkinPanel::ChangeSkinData();
  }

 private:
  std::string FName;
  std::vector<std::string>& FLog;
};

// A control of another library, known to the walk only as a follower of skin
// changes, as the edits are.
class TWalkFollowingEdit : public TCustomControl, public TspSkinChangeFollower {
 public:
  TWalkFollowingEdit(TWinControl* AParent, const std::string& AName, TspSkinData* ASkin,
                     std::vector<std::string>& ALog)
      : TCustomControl(AParent), FName(AName), FSkin(ASkin), FLog(ALog) {
    SetParent(AParent);
  }
  TspSkinData* SkinData() const override { return FSkin; }
  void BeforeChangeSkinData() override { FLog.push_back(FName + " forgets"); }
  void ChangeSkinData() override { FLog.push_back(FName + " reads"); }

 private:
  std::string FName;
  TspSkinData* FSkin;
  std::vector<std::string>& FLog;
};

TspSkinBevel* WalkNewBevel(TWinControl* AParent, TspSkinData* ASkin) {
  auto* Bevel = new TspSkinBevel(AParent);
  Bevel->SetParent(AParent);
  Bevel->SetSkinData(ASkin);
  return Bevel;
}

TColor WalkBevelLightColorOf(const TspSkinData& ASkin) {
  const int Index = ASkin.GetControlIndex("bevel");
  return static_cast<const TspDataSkinBevel&>(*ASkin.Control(Index)).LightColor;
}

class SkinFormSkinChangeWalkTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    OtherSkin = skin_form_test::MakeFixtureSkin();
    auto Bevel = std::make_unique<TspDataSkinBevel>("bevel");
    Bevel->LightColor = clLime;
    TspSkinEditor(*OtherSkin).AddControl(std::move(Bevel));
    TspSkinEditor(*OtherSkin).AddObject(std::make_unique<TspDataSkinSwitch>("otherswitch"));
  }
  void TearDown() override {
    DoneApplication();
    OtherSkin.reset();
    SkinFormTest::TearDown();
  }

  // The frame objects by name, in list order.
  static std::vector<String> ObjectNames(const TspSkinForm& ASkinForm) {
    std::vector<String> Names;
    for (const auto& Object : ASkinForm.ObjectList) Names.push_back(Object->IDName);
    return Names;
  }

  std::unique_ptr<TspSkinData> OtherSkin;
  std::vector<std::string> Log;
};

TEST_F(SkinFormSkinChangeWalkTest, ALoadedSkinReachesOnlyItsControlsDepthFirstAndRebuildsItsFormsObjects) {
  auto Live = skin_form_test::MakeFixtureSkin();
  TspSkinEditor(*Live).AddObject(std::make_unique<TspDataSkinSwitch>("oldswitch"));
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 400, 300), Live.get());
  TForm* Form = static_cast<TForm*>(SkinForm->Form());
  auto* Outer = new TWalkRecordingPanel(Form, "outer", Live.get(), Log);
  auto* Inner = new TWalkRecordingPanel(Outer, "inner", Live.get(), Log);
  new TWalkRecordingPanel(Inner, "innermost", Live.get(), Log);
  new TWalkRecordingPanel(Outer, "other", OtherSkin.get(), Log);
  new TWalkRecordingPanel(Form, "second", Live.get(), Log);
  TspSkinBevel* LiveBevel = WalkNewBevel(Inner, Live.get());
  TspSkinBevel* OtherBevel = WalkNewBevel(Form, OtherSkin.get());
  TspSkinForm* OtherSkinForm = NewSkinnedForm(Bounds(500, 50, 300, 200), OtherSkin.get());
  const TspActiveSkinObject* OtherObject = OtherSkinForm->ObjectList.front().get();
  ASSERT_EQ(ObjectNames(*SkinForm), std::vector<String>{"oldswitch"});
  ASSERT_EQ(LiveBevel->LightColor, clBtnHighlight);
  Log.clear();

  Live->LoadFromFile(skin_form_test::DefaultSkinFile());
  ProcessPendingMessages();

  // Every control of the loaded skin forgets first, then reads, a parent before its
  // children, in child order; the panel of the other skin is never reached.
  EXPECT_EQ(Log,
            (std::vector<std::string>{"outer forgets", "inner forgets", "innermost forgets", "second forgets",
                                      "outer reads", "inner reads", "innermost reads", "second reads"}));
  // The bevel outside the control bases reads its element too.
  EXPECT_EQ(LiveBevel->LightColor, WalkBevelLightColorOf(*Live));
  EXPECT_EQ(OtherBevel->LightColor, clLime);
  // The form wears the loaded skin's objects; the other form keeps its own.
  EXPECT_EQ(SkinForm->GetIndex("oldswitch"), -1);
  EXPECT_GE(SkinForm->GetIndex("closebutton"), 0);
  ASSERT_EQ(OtherSkinForm->ObjectList.size(), 1u);
  EXPECT_EQ(OtherSkinForm->ObjectList.front().get(), OtherObject);
}

TEST_F(SkinFormSkinChangeWalkTest, AChangeOfAnotherSkinReachesOnlyTheControlsBoundToItAndLeavesTheFrame) {
  auto Live = skin_form_test::MakeFixtureSkin();
  TspSkinEditor(*Live).AddObject(std::make_unique<TspDataSkinSwitch>("formswitch"));
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 400, 300), Live.get());
  TForm* Form = static_cast<TForm*>(SkinForm->Form());
  auto* Outer = new TWalkRecordingPanel(Form, "outer", Live.get(), Log);
  new TWalkRecordingPanel(Outer, "other", OtherSkin.get(), Log);
  TspSkinBevel* OtherBevel = WalkNewBevel(Outer, OtherSkin.get());
  const TspActiveSkinObject* FormObject = SkinForm->ObjectList.front().get();
  const TRect ClientBefore = Form->ClientRect();
  Log.clear();

  TspSkinEditor(*OtherSkin).Control<TspDataSkinBevel>(0)->LightColor = clFuchsia;
  OtherSkin->SendSkinDataMessage(SP_BEFORECHANGESKINDATA);
  OtherSkin->SendSkinDataMessage(SP_CHANGESKINDATA);
  ProcessPendingMessages();

  // Before the change of a skin that is not the form's, nothing happens; then the
  // controls bound to that skin read it again.
  EXPECT_EQ(Log, std::vector<std::string>{"other reads"});
  EXPECT_EQ(OtherBevel->LightColor, clFuchsia);
  ASSERT_EQ(SkinForm->ObjectList.size(), 1u);
  EXPECT_EQ(SkinForm->ObjectList.front().get(), FormObject);
  EXPECT_EQ(Form->ClientRect(), ClientBefore);
}

TEST_F(SkinFormSkinChangeWalkTest, ControlsOfOtherLibrariesFollowTheChangesOfTheirSkinInTheWalksOrder) {
  auto Live = skin_form_test::MakeFixtureSkin();
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 400, 300), Live.get());
  TForm* Form = static_cast<TForm*>(SkinForm->Form());
  auto* Panel = new TWalkRecordingPanel(Form, "panel", Live.get(), Log);
  new TWalkFollowingEdit(Panel, "edit", Live.get(), Log);
  new TWalkFollowingEdit(Panel, "other edit", OtherSkin.get(), Log);
  new TWalkFollowingEdit(Form, "memo", Live.get(), Log);
  Log.clear();

  Live->LoadFromFile(skin_form_test::DefaultSkinFile());
  ProcessPendingMessages();

  EXPECT_EQ(Log, (std::vector<std::string>{"panel forgets", "edit forgets", "memo forgets", "panel reads",
                                           "edit reads", "memo reads"}));
}

TEST_F(SkinFormSkinChangeWalkTest, BetweenTheTwoMessagesTheFormHasNoObjectsAndPaintsNoBuiltInFrame) {
  auto Live = skin_form_test::MakeFixtureSkin();
  TspSkinEditor(*Live).AddObject(std::make_unique<TspDataSkinSwitch>("formswitch"));
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 400, 300), Live.get());
  Live->SendSkinDataMessage(SP_BEFORECHANGESKINDATA);
  EXPECT_TRUE(SkinForm->ObjectList.empty());
  // A paint now would make the built-in caption buttons; the form waits instead.
  SendMessage(SkinForm->Form()->Handle(), WM_NCPAINT, 0, 0);
  EXPECT_TRUE(SkinForm->ObjectList.empty());
  Live->SendSkinDataMessage(SP_CHANGESKINDATA);
  EXPECT_EQ(SkinForm->GetIndex("formswitch"), 0);
}

TEST_F(SkinFormSkinChangeWalkTest, TurningSkinnedFormsOffOrOnMakesEveryControlReadItsSkin) {
  auto Live = skin_form_test::MakeFixtureSkin();
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 400, 300), Live.get());
  TForm* Form = static_cast<TForm*>(SkinForm->Form());
  new TWalkRecordingPanel(Form, "own", Live.get(), Log);
  new TWalkRecordingPanel(Form, "other", OtherSkin.get(), Log);
  Log.clear();
  Live->SetSkinnableForm(false);
  ProcessPendingMessages();
  EXPECT_EQ(Log, (std::vector<std::string>{"own reads", "other reads"}));
}

TEST_F(SkinFormSkinChangeWalkTest, TheChangeEventRunsWhileValuesAreSetSilentlyAndTheClientSizeIsImposed) {
  auto Live = skin_form_test::MakeFixtureSkin();
  TForm* Form = NewForm(Bounds(50, 50, 400, 300));
  auto* SkinForm = new TspSkinForm(Form);
  SkinForm->ClientWidth = 250;
  SkinForm->ClientHeight = 120;
  bool SilentInEvent = false;
  SkinForm->OnChangeSkinData = [&](TObject* Sender) {
    SilentInEvent = Sender == SkinForm && SkinForm->InChangeSkinData();
  };
  SkinForm->SetSkinData(Live.get());
  EXPECT_TRUE(SilentInEvent);
  EXPECT_FALSE(SkinForm->InChangeSkinData());
  EXPECT_EQ(Form->ClientWidth(), 250);
  EXPECT_EQ(Form->ClientHeight(), 120);
}

TEST_F(SkinFormSkinChangeWalkTest, ANewStringTableOfTheSkinGivesTheCaptionButtonsTheirHints) {
  auto Live = skin_form_test::MakeFixtureSkin();
  auto Close = std::make_unique<TspDataSkinStdButton>("closebutton");
  Close->Command = cmClose;
  TspSkinEditor(*Live).AddObject(std::move(Close));
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 400, 300), Live.get());
  ASSERT_EQ(SkinForm->ObjectList.front()->Hint, "Close");
  TspResourceStrData Strings(nullptr);
  Strings.ResStrings().Clear();
  Strings.ResStrings().Add("CLOSEBUTTON_HINT=Fermer");
  Live->SetResourceStrData(&Strings);
  EXPECT_EQ(SkinForm->ObjectList.front()->Hint, "Fermer");
  Live->SetResourceStrData(nullptr);
}

TEST_F(SkinFormSkinChangeWalkTest, AMinimumSizeLargerOnOneSideGrowsOnlyThatSide) {
  auto Live = skin_form_test::MakeFixtureSkin();
  TForm* Form = NewForm(Bounds(50, 50, 300, 200));
  auto* SkinForm = new TspSkinForm(Form);
  SkinForm->MinHeight = 260;
  SkinForm->SetSkinData(Live.get());
  EXPECT_EQ(Form->BoundsRect(), Bounds(50, 50, 300, 260));
  SkinForm->MinWidth = 320;
  SkinForm->ChangeSkinData();
  EXPECT_EQ(Form->BoundsRect(), Bounds(50, 50, 320, 260));
}

}  // namespace
