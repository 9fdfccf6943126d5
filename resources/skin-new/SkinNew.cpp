// The skin record, its colours and the order in which the builders fill it.

#include "resources/skin-new/SkinNew.h"

#include "platform/base/Paths.h"
#include "resources/skin-new/SkinNewBuildInternal.h"

namespace skin_new {

TSkinNew::TSkinNew() {
  Data.BuildMode = true;
  Data.SkinName = "skin-new";
  Data.SkinAuthor = "Pelladrin";
  Data.FPictureName = PictureName;
  Data.FInActivePictureName = InActivePictureName;
  Data.FMaskName = MaskName;
}

void TSkinNew::SetFramePicture(TBitmap& APicture, const TspBitmap& ADrawn) { APicture.Assign(ADrawn); }

int TSkinNew::AddPicture(const String& AName, const TspBitmap& ADrawn) {
  auto Picture = std::make_unique<TBitmap>();
  Picture->Assign(ADrawn);
  Data.FActivePictures.push_back(std::move(Picture));
  Data.FActivePicturesNames->Add(AName);
  return int(Data.FActivePictures.size()) - 1;
}

TBitmap* TSkinNew::PictureAt(int AIndex) const {
  if (AIndex < 0 || AIndex >= int(Data.FActivePictures.size())) return nullptr;
  return Data.FActivePictures[size_t(AIndex)].get();
}

TspDataSkinControl* TSkinNew::FindControl(const String& AIDName) const {
  const int Index = Data.GetControlIndex(AIDName);
  return Index < 0 ? nullptr : Data.CtrlList[size_t(Index)].get();
}

TspDataSkinObject* TSkinNew::FindObject(const String& AIDName) const {
  const int Index = Data.GetIndex(AIDName);
  return Index < 0 ? nullptr : Data.ObjectList[size_t(Index)].get();
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
  SetSkinNewColors(Skin->Data.FSkinColors);
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
  for (const auto& Control : Skin->Data.CtrlList) Control->DeriveValues();
  for (const auto& Object : Skin->Data.ObjectList) Object->DeriveValues();
  Skin->Data.Empty = false;
  return Skin;
}

void StoreSkinNew(TSkinNew& ASkin, const String& AFolder) {
  ASkin.Data.StoreToDisk(IncludeTrailingPathDelimiter(AFolder) + "skin.ini");
}

}  // namespace skin_new
