// The skin record, its colours and the order in which the builders fill it.

#include "resources/skin-new/SkinNew.h"

#include "resources/skin-new/SkinNewBuildInternal.h"

namespace skin_new {

TSkinNew::TSkinNew() { Colors.SetColorsToDefault(); }

int TSkinNew::AddPicture(const String& AName, std::unique_ptr<TspBitmap> ABitmap) {
  Pictures.push_back({AName, std::move(ABitmap)});
  return int(Pictures.size()) - 1;
}

const TspBitmap* TSkinNew::PictureAt(int AIndex) const {
  if (AIndex < 0 || AIndex >= int(Pictures.size())) return nullptr;
  return Pictures[size_t(AIndex)].Bitmap.get();
}

TspDataSkinControl* TSkinNew::FindControl(const String& AIDName) const {
  for (const auto& Control : Controls)
    if (Control->IDName == AIDName) return Control.get();
  return nullptr;
}

TspDataSkinObject* TSkinNew::FindObject(const String& AIDName) const {
  for (const auto& Object : Objects)
    if (Object->IDName == AIDName) return Object.get();
  return nullptr;
}

namespace {

// The colours of what skinned controls draw without pictures.
void SetSkinNewColors(TspSkinColors& AColors) {
  AColors.cBtnFace = palette::Background;
  AColors.cBtnText = palette::Text;
  AColors.cWindow = palette::Surface;
  AColors.cWindowText = palette::Text;
  AColors.cHighLight = palette::Accent;
  AColors.cHighLightText = palette::AccentText;
  AColors.cBtnHighLight = palette::Surface;
  AColors.cBtnShadow = palette::Border;
  AColors.c3DLight = palette::Light;
  AColors.c3DDkShadow = palette::BorderHot;
}

}  // namespace

std::unique_ptr<TSkinNew> BuildSkinNew() {
  auto Skin = std::make_unique<TSkinNew>();
  SetSkinNewColors(Skin->Colors);
  BuildFrame(*Skin);
  BuildMenus(*Skin);
  BuildButtons(*Skin);
  BuildChecks(*Skin);
  BuildBars(*Skin);
  BuildPanels(*Skin);
  BuildEdits(*Skin);
  BuildLists(*Skin);
  // The values each kind derives when it is read, so that the skin in memory is the
  // skin that loads.
  for (const auto& Control : Skin->Controls) Control->DeriveValues();
  for (const auto& Object : Skin->Objects) Object->DeriveValues();
  return Skin;
}

}  // namespace skin_new
