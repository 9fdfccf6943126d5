// The kind words of the list sections "SKINCONTROLS" and "SKINOBJECTS".

#include <typeinfo>

#include "components/core/SkinData.h"

namespace {

template <typename TBase, typename TKind>
constexpr TspSkinKind<TBase> SkinKind(const char* AWord) {
  return {AWord,
          [](const String& AIDName) -> std::unique_ptr<TBase> { return std::make_unique<TKind>(AIDName); },
          [](const TBase& ARecord) { return typeid(ARecord) == typeid(TKind); }};
}

template <typename TKind>
constexpr TspSkinKind<TspDataSkinControl> ControlKind(const char* AWord) {
  return SkinKind<TspDataSkinControl, TKind>(AWord);
}

template <typename TKind>
constexpr TspSkinKind<TspDataSkinObject> ObjectKind(const char* AWord) {
  return SkinKind<TspDataSkinObject, TKind>(AWord);
}

const TspSkinKind<TspDataSkinControl> ControlKinds[] = {
    ControlKind<TspDataSkinButtonControl>("button"),
    ControlKind<TspDataSkinMenuButtonControl>("menubutton"),
    ControlKind<TspDataSkinCheckRadioControl>("checkradio"),
    ControlKind<TspDataSkinLabelControl>("label"),
    ControlKind<TspDataSkinStdLabelControl>("stdlabel"),
    ControlKind<TspDataSkinBitLabelControl>("bitlabel"),
    ControlKind<TspDataSkinPanelControl>("panel"),
    ControlKind<TspDataSkinExPanelControl>("expanel"),
    ControlKind<TspDataSkinScrollBoxControl>("scrollbox"),
    ControlKind<TspDataSkinBevel>("bevel"),
    ControlKind<TspDataSkinSplitterControl>("splitter"),
    ControlKind<TspDataSkinControlBar>("controlbar"),
    ControlKind<TspDataSkinGaugeControl>("gauge"),
    ControlKind<TspDataSkinTrackBarControl>("trackbar"),
    ControlKind<TspDataSkinEditControl>("edit"),
    ControlKind<TspDataSkinMemoControl>("memo"),
    ControlKind<TspDataSkinSpinEditControl>("spinedit"),
    ControlKind<TspDataSkinUpDownControl>("updown"),
    ControlKind<TspDataSkinComboBox>("combobox"),
    ControlKind<TspDataSkinListBox>("listbox"),
    ControlKind<TspDataSkinCheckListBox>("checklistbox"),
    ControlKind<TspDataSkinScrollBarControl>("scrollbar"),
    ControlKind<TspDataSkinTreeView>("treeview"),
    ControlKind<TspDataSkinListView>("listview"),
    ControlKind<TspDataSkinRichEdit>("richedit"),
    ControlKind<TspDataSkinGridControl>("grid"),
    ControlKind<TspDataSkinSlider>("slider"),
    ControlKind<TspDataSkinTabControl>("tab"),
    ControlKind<TspDataSkinMainMenuBar>("mainmenubar"),
    ControlKind<TspDataSkinFrameGauge>("framegauge"),
    ControlKind<TspDataSkinAnimateControl>("animate"),
    ControlKind<TspDataSkinSwitchControl>("switch"),
    ControlKind<TspDataSkinFrameRegulator>("frameregulator"),
};

const TspSkinKind<TspDataSkinObject> ObjectKinds[] = {
    ObjectKind<TspDataSkinMenuItem>("menuitem"),
    ObjectKind<TspDataSkinMainMenuBarItem>("mainmenubaritem"),
    ObjectKind<TspDataSkinMainMenuItem>("mainmenuitem"),
    ObjectKind<TspDataSkinMainMenuBarButton>("mainmenubarbutton"),
    ObjectKind<TspDataSkinStdButton>("stdbutton"),
    ObjectKind<TspDataSkinButton>("button"),
    ObjectKind<TspDataSkinCaption>("caption"),
    ObjectKind<TspDataSkinTrackBar>("trackbar"),
    ObjectKind<TspDataSkinGauge>("gauge"),
    ObjectKind<TspDataSkinFrameGaugeObject>("framegauge"),
    ObjectKind<TspDataSkinFrameRegulatorObject>("frameregulator"),
    ObjectKind<TspDataSkinLabel>("label"),
    ObjectKind<TspDataSkinBitLabel>("bitlabel"),
    ObjectKind<TspDataSkinSwitch>("switch"),
    ObjectKind<TspDataSkinAnimate>("animate"),
    ObjectKind<TspDataUserObject>("userobject"),
};

template <typename TBase>
std::unique_ptr<TBase> CreateOfKind(std::span<const TspSkinKind<TBase>> AKinds, const String& AKindWord,
                                    const String& AIDName) {
  for (const auto& Kind : AKinds)
    if (AKindWord == Kind.Word) return Kind.Create(AIDName);
  return nullptr;
}

template <typename TBase>
String KindWordOf(std::span<const TspSkinKind<TBase>> AKinds, const TBase& ARecord) {
  for (const auto& Kind : AKinds)
    if (Kind.IsKindOf(ARecord)) return Kind.Word;
  return String();
}

}  // namespace

std::span<const TspSkinKind<TspDataSkinControl>> SkinControlKinds() { return ControlKinds; }
std::span<const TspSkinKind<TspDataSkinObject>> SkinObjectKinds() { return ObjectKinds; }

std::unique_ptr<TspDataSkinControl> CreateSkinControl(const String& AKindWord, const String& AIDName) {
  return CreateOfKind(SkinControlKinds(), AKindWord, AIDName);
}

std::unique_ptr<TspDataSkinObject> CreateSkinObject(const String& AKindWord, const String& AIDName) {
  return CreateOfKind(SkinObjectKinds(), AKindWord, AIDName);
}

String SkinControlKindWord(const TspDataSkinControl& ARecord) {
  return KindWordOf(SkinControlKinds(), ARecord);
}
String SkinObjectKindWord(const TspDataSkinObject& ARecord) { return KindWordOf(SkinObjectKinds(), ARecord); }
