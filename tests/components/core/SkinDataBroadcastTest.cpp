// The skin-change broadcast: which forms hear which message, in what order, and that
// a load always ends with all three messages.

#include <gtest/gtest.h>

#include <vector>

#include "components/core/SkinData.h"
#include "platform/ui/Forms.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/components/core/SkinDataTestSupport.h"

using namespace skin_data_test;
using testing_support::TempDir;

// The layered-border window of a skinned form, known to the broadcast by its class
// name.
class TspFormLayerWindow : public TForm {
 public:
  using TForm::TForm;
};

namespace {

struct THeardMessage {
  String Form;
  unsigned Msg;
  bool SkinWasEmpty;
  friend bool operator==(const THeardMessage&, const THeardMessage&) = default;
};

void PrintTo(const THeardMessage& AHeard, std::ostream* AStream) {
  *AStream << AHeard.Form << ":" << AHeard.Msg << (AHeard.SkinWasEmpty ? " (empty)" : "");
}

class SkinDataBroadcastTest : public ::testing::Test {
 protected:
  void SetUp() override { StartWindowSystem(std::make_unique<THeadlessBackend>()); }
  void TearDown() override {
    DoneApplication();
    StopWindowSystem();
  }

  // A form that records every skin message it hears.
  template <typename TFormClass = TForm>
  TFormClass* NewListeningForm(const String& AName) {
    TFormClass* Form = Application->CreateForm<TFormClass>();
    Form->SetName(AName);
    TWndMethod Inherited = Form->WindowProc;
    Form->WindowProc = [this, Form, Inherited](TMessage& AMessage) {
      if (AMessage.LParam == SkinDataMessageTag && AMessage.WParam != 0) {
        auto* Skin = reinterpret_cast<TspSkinData*>(AMessage.WParam);
        FHeard.push_back({Form->Name(), AMessage.Msg, Skin->Empty});
      }
      Inherited(AMessage);
    };
    return Form;
  }

  // The names of the screen's forms in its order, without the layered-border windows.
  std::vector<String> ScreenOrder() {
    std::vector<String> Names;
    for (int I = 0; I < Screen->FormCount(); ++I)
      if (Screen->Forms(I)->ClassName() != SkinLayerWindowClassName)
        Names.push_back(Screen->Forms(I)->Name());
    return Names;
  }

  // AMsg heard by each of AForms in this order.
  static std::vector<THeardMessage> Expected(const std::vector<String>& AForms, unsigned AMsg, bool AEmpty) {
    std::vector<THeardMessage> Heard;
    for (const String& Form : AForms) Heard.push_back({Form, AMsg, AEmpty});
    return Heard;
  }

  // The three messages of a load, each to AForms in this order.
  static std::vector<THeardMessage> LoadMessages(const std::vector<String>& AForms) {
    std::vector<THeardMessage> Heard = Expected(AForms, SP_BEFORECHANGESKINDATA, true);
    for (const auto& Next :
         {Expected(AForms, SP_CHANGESKINDATA, false), Expected(AForms, SP_AFTERCHANGESKINDATA, false)})
      Heard.insert(Heard.end(), Next.begin(), Next.end());
    return Heard;
  }

  TempDir FFolder;
  std::vector<THeardMessage> FHeard;
};

TEST_F(SkinDataBroadcastTest, ALoadSendsTheThreeMessagesToEveryFormInTheScreensOrder) {
  NewListeningForm("first");
  NewListeningForm("second");
  NewListeningForm<TspFormLayerWindow>("layer");
  NewListeningForm("third");
  TspSkinData Skin(nullptr);
  Skin.LoadFromFile(WriteSkinIni(FFolder, SkinIniText("plain")));
  EXPECT_EQ(FHeard, LoadMessages(ScreenOrder()));
}

TEST_F(SkinDataBroadcastTest, WithALayerFramePictureTheWalkRunsBackwards) {
  NewListeningForm("first");
  NewListeningForm<TspFormLayerWindow>("layer");
  NewListeningForm("second");
  auto* Owner = NewListeningForm("owner");
  auto* Skin = new TspSkinData(Owner);
  Skin->LoadFromFile(WriteSkinIni(
      FFolder, SkinIniText("layered", "", "", "count=0", "count=0", "[LAYERFRAME]\npictureindex=0\n")));
  std::vector<String> Order = ScreenOrder();
  std::reverse(Order.begin(), Order.end());
  // The broadcast of the first message still sees the old skin, without a layer frame.
  std::vector<THeardMessage> Wanted = Expected(ScreenOrder(), SP_BEFORECHANGESKINDATA, true);
  for (const auto& Next :
       {Expected(Order, SP_CHANGESKINDATA, false), Expected(Order, SP_AFTERCHANGESKINDATA, false)})
    Wanted.insert(Wanted.end(), Next.begin(), Next.end());
  EXPECT_EQ(FHeard, Wanted);
}

TEST_F(SkinDataBroadcastTest, WithoutLayeredBordersTheOwnerFormHearsFirstAndOnce) {
  NewListeningForm("first");
  auto* Owner = NewListeningForm("owner");
  NewListeningForm("last");
  auto* Skin = new TspSkinData(Owner);
  Skin->SetShowLayeredBorders(false);
  FHeard.clear();
  Skin->LoadFromFile(WriteSkinIni(
      FFolder, SkinIniText("owned", "", "", "count=0", "count=0", "[LAYERFRAME]\npictureindex=0\n")));
  std::vector<String> Order = {"owner"};
  for (const String& Name : ScreenOrder())
    if (Name != "owner") Order.push_back(Name);
  EXPECT_EQ(FHeard, LoadMessages(Order));
}

TEST_F(SkinDataBroadcastTest, SettersSendOnlyWhatChanged) {
  NewListeningForm("only");
  TspSkinData Skin(nullptr);
  Skin.SetShowLayeredBorders(true);
  Skin.SetAeroBlurEnabled(true);
  Skin.SetSkinnableForm(true);
  EXPECT_TRUE(FHeard.empty());
  Skin.SetShowLayeredBorders(false);
  Skin.SetAeroBlurEnabled(false);
  Skin.SetSkinnableForm(false);
  TspResourceStrData Strings(nullptr);
  Skin.SetResourceStrData(&Strings);
  Skin.SetResourceStrData(&Strings);
  EXPECT_EQ(FHeard, (std::vector<THeardMessage>{{"only", SP_CHANGELAYEREDBORDERS, true},
                                                {"only", SP_CHANGEAEROBLUR, true},
                                                {"only", SP_CHANGESKINNABLEFORM, true},
                                                {"only", SP_CHANGERESSTRDATA, true},
                                                {"only", SP_CHANGERESSTRDATA, true}}));
  Skin.SetResourceStrData(nullptr);
}

TEST_F(SkinDataBroadcastTest, AFreedStringTableIsForgotten) {
  TspSkinData Skin(nullptr);
  auto Strings = std::make_unique<TspResourceStrData>(nullptr);
  Skin.SetResourceStrData(Strings.get());
  Strings.reset();
  EXPECT_EQ(Skin.ResourceStrData(), nullptr);
}

TEST_F(SkinDataBroadcastTest, AFileThatIsNoSkinSendsNothingAndKeepsTheSkin) {
  NewListeningForm("only");
  TspSkinData Skin(nullptr);
  Skin.LoadFromFile(WriteSkinIni(FFolder, SkinIniText("kept")));
  FHeard.clear();
  std::string Text = SkinIniText("lost");
  Text.replace(Text.find("[SKINCONTROLS]"), 14, "[CONTROLS]");
  Skin.LoadFromFile(WriteSkinIni(FFolder, Text));
  EXPECT_TRUE(FHeard.empty());
  EXPECT_EQ(Skin.SkinName, "kept");
  EXPECT_FALSE(Skin.Empty);
}

TEST_F(SkinDataBroadcastTest, ACorruptPictureStillEndsWithAllThreeMessages) {
  NewListeningForm("only");
  testing_support::WriteWholeFile(FFolder.File("frame.bmp"), "BM\x10\x00broken");
  TspSkinData Skin(nullptr);
  Skin.LoadFromFile(WriteSkinIni(FFolder, SkinIniText("corrupt", "picture=frame.bmp\n")));
  EXPECT_EQ(FHeard, LoadMessages({"only"}));
  EXPECT_TRUE(Skin.FPicture->Empty());
  EXPECT_FALSE(Skin.ChangeSkinDataProcess);
}

TEST_F(SkinDataBroadcastTest, BuildModeSendsNothing) {
  NewListeningForm("only");
  TspSkinData Skin(nullptr);
  Skin.BuildMode = true;
  Skin.LoadFromFile(WriteSkinIni(FFolder, SkinIniText("built")));
  Skin.SetShowLayeredBorders(false);
  Skin.ClearSkin();
  EXPECT_TRUE(FHeard.empty());
  EXPECT_TRUE(Skin.Empty);
}

TEST_F(SkinDataBroadcastTest, ClearSkinSendsTheThreeMessagesForAnEmptySkin) {
  NewListeningForm("only");
  TspSkinData Skin(nullptr);
  Skin.ClearSkin();
  EXPECT_EQ(FHeard, (std::vector<THeardMessage>{{"only", SP_BEFORECHANGESKINDATA, true},
                                                {"only", SP_CHANGESKINDATA, true},
                                                {"only", SP_AFTERCHANGESKINDATA, true}}));
}

}  // namespace
