// The "Convert" page: group boxes of radio and check boxes, a track bar and an up-down
// with the values they set, push and menu buttons, and a gauge.

#include "tests/skin-demo/SkinDemo.h"

namespace skin_demo {
namespace {

// Three columns of group boxes, 16 pixels apart and in from the page's edges.
constexpr int Margin = 16;
constexpr int ColumnWidth = 232;
constexpr int BoxHeight = 124;
constexpr int RowHeight = 28;

int ColumnLeft(int AColumn) { return Margin + AColumn * (ColumnWidth + Margin); }

TspSkinGroupBox* AddGroupBox(TSkinDemo& ADemo, TspSkinData* ASkin, TWinControl* APage, int AColumn, int ATop,
                             int AHeight, const String& ACaption) {
  auto* Box = PlaceControl<TspSkinGroupBox>(ADemo, APage, ASkin,
                                            Bounds(ColumnLeft(AColumn), ATop, ColumnWidth, AHeight));
  Box->SetCaption(ACaption);
  return Box;
}

// A column of boxes in AParent from the top of its client area; radio boxes share one
// group.
std::vector<TspSkinCheckRadioBox*> AddBoxes(TSkinDemo& ADemo, TspSkinData* ASkin, TWinControl* AParent,
                                            std::initializer_list<const char*> ACaptions, bool ARadio) {
  std::vector<TspSkinCheckRadioBox*> Result;
  int Top = 32;
  for (const char* Caption : ACaptions) {
    auto* Box = PlaceControl<TspSkinCheckRadioBox>(ADemo, AParent, ASkin, Bounds(Margin, Top, 190, 24));
    Box->SetCaption(Caption);
    Box->SetRadio(ARadio);
    Result.push_back(Box);
    Top += RowHeight;
  }
  return Result;
}

void BuildChoices(TSkinDemo& ADemo, TspSkinData* ASkin, TWinControl* APage) {
  TspSkinGroupBox* Container = AddGroupBox(ADemo, ASkin, APage, 0, 12, BoxHeight, "Container");
  const auto Radios = AddBoxes(ADemo, ASkin, Container, {"MP4", "MKV", "WebM"}, true);
  Radios[0]->SetChecked(true);
  ADemo.MkvRadio = Radios[1];
  for (TspSkinCheckRadioBox* Radio : Radios)
    Radio->OnClick = [Say = ADemo.Say, Radio](TObject*) { Say("radio " + std::string(Radio->Caption())); };

  TspSkinGroupBox* Options = AddGroupBox(ADemo, ASkin, APage, 0, 12 + BoxHeight + 12, BoxHeight, "Options");
  const auto Checks =
      AddBoxes(ADemo, ASkin, Options, {"Deinterlace", "Keep aspect ratio", "Normalize volume"}, false);
  Checks[1]->SetChecked(true);
  ADemo.Deinterlace = Checks[0];
  for (TspSkinCheckRadioBox* Check : Checks)
    Check->OnClick = [Say = ADemo.Say, Check](TObject*) {
      Say("check " + std::string(Check->Caption()) + (Check->Checked() ? " on" : " off"));
    };
}

// A caption at the left of a row and its value at the right.
TspSkinLabel* AddValueRow(TSkinDemo& ADemo, TspSkinData* ASkin, TWinControl* ABox, int ATop,
                          const String& ACaption, const String& AValue) {
  auto* Caption = new TspSkinStdLabel(ADemo.Form);
  Caption->SetParent(ABox);
  Caption->SetBounds(Margin, ATop + 2, 100, 18);
  Caption->SetCaption(ACaption);
  Caption->SetSkinData(ASkin);
  auto* Value =
      PlaceControl<TspSkinLabel>(ADemo, ABox, ASkin, Bounds(ColumnWidth - Margin - 100, ATop, 100, 21));
  Value->SetAlignment(taRightJustify);
  Value->SetCaption(AValue);
  return Value;
}

void BuildValues(TSkinDemo& ADemo, TspSkinData* ASkin, TWinControl* APage) {
  TspSkinGroupBox* Audio = AddGroupBox(ADemo, ASkin, APage, 1, 12, BoxHeight, "Audio");
  ADemo.VolumeValue = AddValueRow(ADemo, ASkin, Audio, 32, "Volume", "50 %");
  ADemo.Volume =
      PlaceControl<TspSkinTrackBar>(ADemo, Audio, ASkin, Bounds(Margin, 70, ColumnWidth - 2 * Margin, 24));
  ADemo.Volume->SetValue(50);
  ADemo.Volume->JumpWhenClick = true;
  ADemo.Volume->OnChange = [Say = ADemo.Say, Track = ADemo.Volume, Value = ADemo.VolumeValue](TObject*) {
    Value->SetCaption(std::to_string(Track->Value()) + " %");
    Say("volume " + std::to_string(Track->Value()));
  };

  TspSkinGroupBox* Video = AddGroupBox(ADemo, ASkin, APage, 1, 12 + BoxHeight + 12, BoxHeight, "Video");
  ADemo.BitRateValue = AddValueRow(ADemo, ASkin, Video, 32, "Bit rate", "1500 kbit/s");
  ADemo.BitRateValue->SetBounds(ColumnWidth - Margin - 148, 32, 100, 21);
  ADemo.BitRate =
      PlaceControl<TspSkinUpDown>(ADemo, Video, ASkin, Bounds(ColumnWidth - Margin - 40, 31, 40, 24));
  ADemo.BitRate->UseSkinSize = false;
  ADemo.BitRate->SetMin(500);
  ADemo.BitRate->SetMax(8000);
  ADemo.BitRate->SetIncrement(100);
  ADemo.BitRate->SetPosition(1500);
  ADemo.BitRate->OnChange = [Say = ADemo.Say, UpDown = ADemo.BitRate, Value = ADemo.BitRateValue](TObject*) {
    Value->SetCaption(std::to_string(UpDown->Position()) + " kbit/s");
    Say("bitrate " + std::to_string(UpDown->Position()));
  };
  auto* Divider = new TspSkinBevel(ADemo.Form);
  Divider->SetParent(Video);
  Divider->SetShape(bsBottomLine);
  Divider->SetDividerMode(true);
  Divider->SetBounds(Margin, 62, ColumnWidth - 2 * Margin, 8);
  Divider->SetSkinData(ASkin);
  AddValueRow(ADemo, ASkin, Video, 76, "Frame rate", "25 fps");
}

void BuildActions(TSkinDemo& ADemo, TspSkinData* ASkin, TWinControl* APage) {
  ADemo.Progress = PlaceControl<TspSkinGauge>(
      ADemo, APage, ASkin, Bounds(Margin, 12 + 2 * BoxHeight + 28, ColumnLeft(2) + ColumnWidth - Margin, 22));
  ADemo.Progress->SetUseSkinSize(false);
  ADemo.Progress->SetValue(0);
  ADemo.Progress->SetShowPercent(true);
  ADemo.Progress->SetShowProgressText(true);
  TspSkinGroupBox* Actions = AddGroupBox(ADemo, ASkin, APage, 2, 12, 2 * BoxHeight + 12, "Actions");
  const int Width = ColumnWidth - 2 * Margin;
  ADemo.ConvertButton = PlaceControl<TspSkinButton>(ADemo, Actions, ASkin, Bounds(Margin, 34, Width, 30));
  ADemo.ConvertButton->UseSkinSize = false;
  ADemo.ConvertButton->SetCaption("Convert");
  ADemo.ConvertButton->Hint = "Convert the checked files";
  ADemo.ConvertButton->SetShowHint(true);
  ADemo.ConvertButton->OnClick = [Say = ADemo.Say, Gauge = ADemo.Progress](TObject*) {
    Gauge->SetValue(Gauge->Value() >= 100 ? 0 : Gauge->Value() + 25);
    Say("button Convert");
  };
  auto* Cancel = PlaceControl<TspSkinButton>(ADemo, Actions, ASkin, Bounds(Margin, 74, Width, 30));
  Cancel->UseSkinSize = false;
  Cancel->SetCaption("Cancel");
  auto* Presets = new TspSkinPopupMenu(ADemo.Form);
  for (const char* Caption : {"Fast", "Balanced", "Best quality"})
    AddDemoMenuItem(ADemo, Presets->Items(), Caption, "preset");
  ADemo.PresetButton = PlaceControl<TspSkinMenuButton>(ADemo, Actions, ASkin, Bounds(Margin, 114, Width, 30));
  ADemo.PresetButton->UseSkinSize = false;
  // Framed like the push buttons above it.
  ADemo.PresetButton->SetSkinDataName("button");
  ADemo.PresetButton->SetCaption("Presets");
  ADemo.PresetButton->SetSkinPopupMenu(Presets);
  auto* Details = new TspSkinButtonLabel(ADemo.Form);
  Details->SetParent(Actions);
  Details->SetBounds(Margin, 160, Width, 24);
  Details->SetCaption("Show details");
  Details->SetSkinData(ASkin);
  Details->OnClick = [Say = ADemo.Say](TObject*) { Say("label Show details"); };
  auto* Site = new TspSkinLinkLabel(ADemo.Form);
  Site->SetParent(Actions);
  Site->SetBounds(Margin, 196, Width, 18);
  Site->SetCaption("pelladrin.example");
  Site->SetSkinData(ASkin);

  Cancel->OnClick = [Say = ADemo.Say, Gauge = ADemo.Progress](TObject*) {
    Gauge->SetValue(0);
    Say("button Cancel");
  };
}

}  // namespace

void BuildConvertPage(TSkinDemo& ADemo, TspSkinData* ASkin, TWinControl* APage) {
  BuildChoices(ADemo, ASkin, APage);
  BuildValues(ADemo, ASkin, APage);
  BuildActions(ADemo, ASkin, APage);
}

}  // namespace skin_demo
