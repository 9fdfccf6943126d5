// The skin's replacements of ten system colours, section "SKINCOLORS".

#include "components/core/SkinData.h"

namespace {

struct TspSkinColorKey {
  const char* Key;
  TColor TspSkinColors::*Field;
  TColor SystemReference;
};

const TspSkinColorKey SkinColorKeys[] = {
    {"cbtnface", &TspSkinColors::cBtnFace, clBtnFace},
    {"cbtntext", &TspSkinColors::cBtnText, clBtnText},
    {"cwindow", &TspSkinColors::cWindow, clWindow},
    {"cwindowtext", &TspSkinColors::cWindowText, clWindowText},
    {"chighlight", &TspSkinColors::cHighLight, clHighlight},
    {"chighlighttext", &TspSkinColors::cHighLightText, clHighlightText},
    {"cbtnhighlight", &TspSkinColors::cBtnHighLight, clBtnHighlight},
    {"cbtnshadow", &TspSkinColors::cBtnShadow, clBtnShadow},
    {"c3dlight", &TspSkinColors::c3DLight, cl3DLight},
    {"c3ddkshadow", &TspSkinColors::c3DDkShadow, cl3DDkShadow},
};

}  // namespace

void TspSkinColors::SetColorsToDefault() {
  for (const auto& Color : SkinColorKeys) this->*Color.Field = Color.SystemReference;
}

void TspSkinColors::LoadFromFile(const TCustomIniFile& AIni) {
  for (const auto& Color : SkinColorKeys)
    this->*Color.Field = AIni.ReadInteger(Section, Color.Key, Color.SystemReference);
}

void TspSkinColors::SaveToFile(TCustomIniFile& AIni) const {
  for (const auto& Color : SkinColorKeys) AIni.WriteInteger(Section, Color.Key, this->*Color.Field);
}
