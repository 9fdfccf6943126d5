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
  Data.FActivePicturesNames->Add(AName);
  return TspSkinEditor(Data).AddPicture(std::move(Picture));
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
  const TspSkinEditor Editor(Skin->Data);
  for (int I = 0; I < Skin->Data.ControlCount(); ++I) Editor.Control(I)->DeriveValues();
  for (int I = 0; I < Skin->Data.ObjectCount(); ++I) Editor.Object(I)->DeriveValues();
  Skin->Data.Empty = false;
  return Skin;
}

void StoreSkinNew(TSkinNew& ASkin, const String& AFolder) {
  ASkin.Data.StoreToDisk(IncludeTrailingPathDelimiter(AFolder) + "skin.ini");
}

}  // namespace skin_new
