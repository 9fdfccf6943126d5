// The frame objects a skin gives a form: one per object record, of the class the
// record's kind calls for, in the skin's order.

#include <typeindex>
#include <typeinfo>
#include <vector>

#include "components/controls/SkinCtrls.h"
#include "platform/win/MessageQueue.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace {

using SkinFormSkinObjectKindsTest = skin_form_test::SkinFormTest;

struct TObjectKindCase {
  const char* KindWord;
  // The class of the live object; typeid(void) for a kind that makes none.
  std::type_index Made;
};

const TObjectKindCase ObjectKindCases[] = {
    // Menu items come from the form's main menu; the others serve menus and menu bar.
    {"menuitem", typeid(void)},
    {"mainmenubaritem", typeid(void)},
    {"mainmenuitem", typeid(void)},
    {"mainmenubarbutton", typeid(void)},
    {"stdbutton", typeid(TspSkinStdButtonObject)},
    {"button", typeid(TspSkinButtonObject)},
    {"caption", typeid(TspSkinCaptionObject)},
    {"userobject", typeid(TspUserObject)},
    {"switch", typeid(TspSkinSwitchObject)},
    {"label", typeid(TspSkinLabelObject)},
    {"animate", typeid(TspSkinAnimateObject)},
    {"trackbar", typeid(TspSkinTrackBarObject)},
    {"gauge", typeid(TspSkinGaugeObject)},
    {"framegauge", typeid(TspSkinFrameGaugeObject)},
    {"frameregulator", typeid(TspSkinFrameRegulatorObject)},
    {"bitlabel", typeid(TspSkinBitLabelObject)},
};

TEST_F(SkinFormSkinObjectKindsTest, EveryRecordKindMakesItsObjectInTheSkinsOrder) {
  auto Skin = skin_form_test::MakeFixtureSkin();
  ASSERT_EQ(std::size(ObjectKindCases), SkinObjectKinds().size()) << "every kind of the skin has its case";
  // The kinds twice, the second round in reverse, so the order shows.
  std::vector<const TObjectKindCase*> Order;
  for (const TObjectKindCase& Case : ObjectKindCases) Order.push_back(&Case);
  for (auto Case = std::rbegin(ObjectKindCases); Case != std::rend(ObjectKindCases); ++Case)
    Order.push_back(&*Case);
  std::vector<String> ExpectedNames;
  for (size_t I = 0; I < Order.size(); ++I) {
    const String Name = String(Order[I]->KindWord) + std::to_string(I);
    TspSkinEditor(*Skin).AddObject(CreateSkinObject(Order[I]->KindWord, Name));
    if (Order[I]->Made != typeid(void)) ExpectedNames.push_back(Name);
  }
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 400, 300), Skin.get());

  std::vector<String> Names;
  for (const auto& Object : SkinForm->ObjectList) Names.push_back(Object->IDName);
  EXPECT_EQ(Names, ExpectedNames);
  for (size_t I = 0; I < Order.size(); ++I) {
    const String Name = String(Order[I]->KindWord) + std::to_string(I);
    const int Index = SkinForm->GetIndex(Name);
    if (Order[I]->Made == typeid(void)) {
      EXPECT_EQ(Index, -1) << Name;
      continue;
    }
    ASSERT_GE(Index, 0) << Name;
    const TspActiveSkinObject& Object = *SkinForm->ObjectList[size_t(Index)];
    EXPECT_EQ(std::type_index(typeid(Object)), Order[I]->Made) << Name;
  }
}

TEST_F(SkinFormSkinObjectKindsTest, ASkinWithoutObjectsLeavesNoneAndAnEmptySkinTheBuiltInButtons) {
  auto Skin = skin_form_test::MakeFixtureSkin();
  TspSkinEditor(*Skin).AddObject(CreateSkinObject("switch", "lamp"));
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 400, 300), Skin.get());
  ASSERT_EQ(SkinForm->GetIndex("lamp"), 0);
  TspSkinEditor(*Skin).ClearObjects();
  SkinForm->ChangeSkinData();
  EXPECT_TRUE(SkinForm->ObjectList.empty());
  // Without a skin the built-in frame paints its own six caption buttons.
  SkinForm->SetSkinData(nullptr);
  ProcessPendingMessages();
  EXPECT_EQ(SkinForm->ObjectList.size(), 6u);
  EXPECT_EQ(SkinForm->GetIndex("closebutton"), 0);
}

TEST_F(SkinFormSkinObjectKindsTest, ObjectsNeverOutliveTheSkinTheyWereMadeFrom) {
  auto Skin = skin_form_test::MakeFixtureSkin();
  TspSkinEditor(*Skin).AddObject(CreateSkinObject("switch", "lamp"));
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 400, 300), Skin.get());
  ASSERT_EQ(SkinForm->GetIndex("lamp"), 0);
  Skin.reset();
  EXPECT_EQ(SkinForm->GetIndex("lamp"), -1);
  // The frame paints and hit-tests on without it.
  SendMessage(SkinForm->Form()->Handle(), WM_NCPAINT, 0, 0);
  HitTest(SkinForm->Form(), {20, 10});

  // Client-area mode: a form given no skin keeps nothing of the last one.
  auto Other = skin_form_test::MakeFixtureSkin();
  TspSkinEditor(*Other).AddObject(CreateSkinObject("switch", "lamp"));
  Other->AddSkinArea("box", Rect(20, 40, 60, 80), false, false, false, false, false);
  TForm* Form = NewForm(Bounds(50, 50, 300, 200), bsNone);
  auto* ClientSkinForm = new TspSkinForm(Form);
  ClientSkinForm->SetSupportNCArea(false);
  ClientSkinForm->SetSkinData(Other.get());
  auto* Child = new TspSkinPanel(Form);
  Child->SetParent(Form);
  ClientSkinForm->LinkControlToArea("box", Child);
  ASSERT_EQ(ClientSkinForm->GetIndex("lamp"), 0);
  ClientSkinForm->SetSkinData(nullptr);
  EXPECT_TRUE(ClientSkinForm->ObjectList.empty());
  EXPECT_TRUE(ClientSkinForm->AreaList().empty());
}

}  // namespace
