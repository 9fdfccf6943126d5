// The frame objects with values reached by name: each operation reaches only its own
// kind, also while a skin is being applied (when the values are set without drawing).

#include <vector>

#include "tests/components/forms/SkinFormObjFixture.h"

namespace skin_form_obj_named_test {

using namespace skin_form_obj_test;

class SkinFormObjNamedTest : public SkinFormObjTest {
 protected:
  void SetUp() override {
    SkinFormObjTest::SetUp();
    auto Gauge = std::make_unique<TspDataSkinGauge>("level");
    Gauge->SkinRect = Rect(30, 8, 40, 11);
    Gauge->MaxValue = 100;
    TspSkinEditor(*Skin).AddObject(std::move(Gauge));
    auto TrackBar = std::make_unique<TspDataSkinTrackBar>("volume");
    TrackBar->SkinRect = Rect(40, 8, 61, 13);
    TrackBar->BeginPoint = Point(2, 2);
    TrackBar->EndPoint = Point(18, 2);
    TrackBar->MaxValue = 100;
    TspSkinEditor(*Skin).AddObject(std::move(TrackBar));
    auto Meter = std::make_unique<TspDataSkinFrameGaugeObject>("meter");
    Meter->SkinRect = Rect(70, 8, 74, 10);
    Meter->MaxValue = 100;
    TspSkinEditor(*Skin).AddObject(std::move(Meter));
    auto Knob = std::make_unique<TspDataSkinFrameRegulatorObject>("knob");
    Knob->SkinRect = Rect(80, 8, 90, 18);
    Knob->MaxValue = 90;
    TspSkinEditor(*Skin).AddObject(std::move(Knob));
    auto Clock = std::make_unique<TspDataSkinBitLabel>("clock");
    Clock->SkinRect = Rect(100, 8, 120, 12);
    TspSkinEditor(*Skin).AddObject(std::move(Clock));
  }
  // A form that takes the skin (not shown), its value events noted.
  void MakeForm(TNotifyEvent AOnChangeSkinData = nullptr) {
    NewSkinForm(skin_form_paint_test::FixturePictureWidth, skin_form_paint_test::FixturePictureHeight,
                nullptr);
    SkinForm->OnTrackBarChangeValueEvent = [this](const String& AIDName, int AValue) {
      Reported.push_back(AIDName + "=" + std::to_string(AValue));
    };
    SkinForm->OnFrameRegulatorChangeValueEvent = SkinForm->OnTrackBarChangeValueEvent;
    SkinForm->OnChangeSkinData = std::move(AOnChangeSkinData);
    SkinForm->SetSkinData(Skin.get());
  }
  template <class TObject>
  TObject& Object(const String& AName) {
    return dynamic_cast<TObject&>(*SkinForm->ObjectList.at(size_t(SkinForm->GetIndex(AName))));
  }

  std::vector<std::string> Reported;
};

TEST_F(SkinFormObjNamedTest, EachValueOperationReachesOnlyItsOwnKind) {
  MakeForm();
  SkinForm->TrackBarSetValue("volume", 60);
  SkinForm->GaugeSetValue("level", 40);
  SkinForm->FrameGaugeSetValue("meter", 30);
  SkinForm->FrameRegulatorSetValue("knob", 45);
  SkinForm->BitLabelSetText("clock", "12:30");
  EXPECT_EQ(SkinForm->TrackBarGetValue("volume"), 60);
  EXPECT_EQ(Object<TspSkinGaugeObject>("level").Value(), 40);
  EXPECT_EQ(Object<TspSkinFrameGaugeObject>("meter").Value(), 30);
  EXPECT_EQ(SkinForm->FrameRegulatorGetValue("knob"), 45);
  EXPECT_EQ(Object<TspSkinBitLabelObject>("clock").TextValue(), "12:30");
  EXPECT_EQ(Reported, (std::vector<std::string>{"volume=60", "knob=45"}));

  // Another kind's name, or none, changes nothing; getters give 0.
  SkinForm->GaugeSetValue("volume", 10);
  SkinForm->TrackBarSetValue("level", 5);
  SkinForm->FrameGaugeSetValue("knob", 90);
  SkinForm->FrameRegulatorSetValue("meter", 90);
  SkinForm->BitLabelSetText("level", "x");
  EXPECT_EQ(SkinForm->TrackBarGetValue("volume"), 60);
  EXPECT_EQ(Object<TspSkinGaugeObject>("level").Value(), 40);
  EXPECT_EQ(SkinForm->FrameRegulatorGetValue("knob"), 45);
  EXPECT_EQ(Object<TspSkinFrameGaugeObject>("meter").Value(), 30);
  EXPECT_EQ(SkinForm->TrackBarGetValue("level"), 0);
  EXPECT_EQ(SkinForm->FrameRegulatorGetValue("nothing"), 0);
  EXPECT_EQ(Reported.size(), 2u);
}

TEST_F(SkinFormObjNamedTest, WhileASkinIsAppliedTheValuesAreSetAsTheNewObjectsStart) {
  MakeForm([&](TObject*) {
    SkinForm->TrackBarSetValue("volume", 25);
    SkinForm->GaugeSetValue("level", 70);
    SkinForm->FrameRegulatorSetValue("knob", 30);
    SkinForm->BitLabelSetText("clock", "9");
  });
  EXPECT_EQ(SkinForm->TrackBarGetValue("volume"), 25);
  EXPECT_EQ(Object<TspSkinGaugeObject>("level").Value(), 70);
  EXPECT_EQ(SkinForm->FrameRegulatorGetValue("knob"), 30);
  EXPECT_EQ(Object<TspSkinBitLabelObject>("clock").TextValue(), "9");
  // The track bar and the regulator report the value even then.
  EXPECT_EQ(Reported, (std::vector<std::string>{"volume=25", "knob=30"}));
}

}  // namespace skin_form_obj_named_test
