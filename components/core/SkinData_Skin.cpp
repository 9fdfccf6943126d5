// The skin data component: its life, clearing, lookups by name and the switches that
// announce their changes.

#include "components/core/SkinData.h"
#include "components/core/SkinData_LoadInternal.h"
#include "platform/base/Exceptions.h"
#include "platform/base/Paths.h"

TspSkinContent::TspSkinContent()
    : FPicture(std::make_unique<TBitmap>()),
      FInActivePicture(std::make_unique<TBitmap>()),
      FMask(std::make_unique<TBitmap>()),
      FRollUpPicture(std::make_unique<TBitmap>()),
      FRollUpMask(std::make_unique<TBitmap>()),
      FActivePicturesNames(std::make_unique<TStringList>()),
      FCursorsNames(std::make_unique<TStringList>()),
      PopupWindow(std::make_unique<TspDataSkinPopupWindow>()),
      LayerFrame(std::make_unique<TspDataSkinLayerFrame>()),
      HintWindow(std::make_unique<TspDataSkinHintWindow>()) {}

TspSkinContent::~TspSkinContent() = default;
TspSkinContent::TspSkinContent(TspSkinContent&&) noexcept = default;
TspSkinContent& TspSkinContent::operator=(TspSkinContent&&) noexcept = default;

TRect TspSkinContent::PicturePart(int AIndex, const TRect& ARect) const {
  const TBitmap* Source = Picture(AIndex);
  return Source ? RectangleWithin(ARect, Source->Width(), Source->Height()) : TRect{};
}

TspSkinData::TspSkinData(TComponent* AOwner) : TComponent(AOwner) {}

TspSkinData::~TspSkinData() {
  SetWatchedReference(FResourceStrData, static_cast<TspResourceStrData*>(nullptr));
  SetWatchedReference(FCompressedStoredSkin, static_cast<TspCompressedStoredSkin*>(nullptr));
  SetWatchedReference(FCompressedSkinList, static_cast<TspCompressedSkinList*>(nullptr));
  Empty = true;
  ClearObjects();
}

void TspSkinData::ClearObjects() {
  ++FChangeCount;
  AreaList.clear();
  ObjectList.clear();
  CtrlList.clear();
  FActivePictures.clear();
  PopupWindow->WindowPictureIndex = -1;
  HintWindow->WindowPictureIndex = -1;
  LayerFrame->PictureIndex = -1;
  FCursorsNames->Clear();
  FActivePicturesNames->Clear();
  FSkinColors.SetColorsToDefault();
}

void TspSkinData::ClearAll() {
  ClearObjects();
  for (TBitmap* Picture :
       {FPicture.get(), FInActivePicture.get(), FMask.get(), FRollUpPicture.get(), FRollUpMask.get()})
    Picture->SetSize(0, 0);
  for (String* Name :
       {&FPictureName, &FInActivePictureName, &FMaskName, &FRollUpPictureName, &FRollUpMaskName})
    Name->clear();
  Empty = true;
}

void TspSkinData::ClearSkin() {
  ClearAll();
  SendSkinDataMessage(SP_BEFORECHANGESKINDATA);
  SendSkinDataMessage(SP_CHANGESKINDATA);
  SendSkinDataMessage(SP_AFTERCHANGESKINDATA);
}

void TspSkinData::ReplaceContent(TspSkinContent&& AContent) {
  Empty = true;
  ChangeSkinDataProcess = true;
  SendSkinDataMessage(SP_BEFORECHANGESKINDATA);
  static_cast<TspSkinContent&>(*this) = std::move(AContent);
  ++FChangeCount;
  Empty = false;
  if (OnLoadData) OnLoadData(this);
  SendSkinDataMessage(SP_CHANGESKINDATA);
  ChangeSkinDataProcess = false;
  SendSkinDataMessage(SP_AFTERCHANGESKINDATA);
}

int TspSkinData::GetControlIndex(const String& AName) const { return IndexByName(CtrlList, AName); }
int TspSkinData::GetIndex(const String& AName) const { return IndexByName(ObjectList, AName); }
int TspSkinData::GetAreaIndex(const String& AName) const { return IndexByName(AreaList, AName); }

void TspSkinData::AddSkinArea(const String& AName, const TRect& ARect, bool AUseAnchors, bool AAnchorLeft,
                              bool AAnchorTop, bool AAnchorRight, bool AAnchorBottom) {
  AreaList.push_back(std::make_unique<TspDataSkinArea>(AName, ARect, AUseAnchors, AAnchorLeft, AAnchorTop,
                                                       AAnchorRight, AAnchorBottom));
}

void TspSkinData::AddBitMap(const String& AFileName) {
  auto Picture = std::make_unique<TBitmap>();
  LoadSkinPictureFile(*Picture, AFileName);
  FActivePictures.push_back(std::move(Picture));
  FActivePicturesNames->Add(ExtractFileName(AFileName));
  ++FChangeCount;
}

int TspSkinEditor::AddPicture(std::unique_ptr<TBitmap> APicture) {
  FContent.FActivePictures.push_back(std::move(APicture));
  return int(FContent.FActivePictures.size()) - 1;
}

void TspSkinData::DeleteBitMap(int AIndex) {
  if (AIndex < 0 || AIndex >= int(FActivePictures.size()))
    throw EListError(Format("List index out of bounds (%d)", AIndex));
  FActivePictures.erase(FActivePictures.begin() + AIndex);
  ++FChangeCount;
  if (AIndex < FActivePicturesNames->Count()) FActivePicturesNames->Delete(AIndex);
}

void TspSkinData::SetBroadcastSwitch(bool& AField, bool AValue, unsigned AMsg) {
  if (AField == AValue) return;
  AField = AValue;
  if (!ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading))
    SendSkinDataMessage(AMsg);
}

void TspSkinData::SetSkinnableForm(bool AValue) {
  SetBroadcastSwitch(FSkinnableForm, AValue, SP_CHANGESKINNABLEFORM);
}

void TspSkinData::SetShowLayeredBorders(bool AValue) {
  SetBroadcastSwitch(FShowLayeredBorders, AValue, SP_CHANGELAYEREDBORDERS);
}

void TspSkinData::SetAeroBlurEnabled(bool AValue) {
  SetBroadcastSwitch(FAeroBlurEnabled, AValue, SP_CHANGEAEROBLUR);
}

template <typename TTarget>
void TspSkinData::SetWatchedReference(TTarget*& AField, TTarget* AValue) {
  if (AField == AValue) return;
  ReplaceNotified(AField, AValue);
}

void TspSkinData::SetResourceStrData(TspResourceStrData* AValue) {
  SetWatchedReference(FResourceStrData, AValue);
  if (!ComponentState().Contains(csDesigning)) SendSkinDataMessage(SP_CHANGERESSTRDATA);
}

void TspSkinData::SetCompressedStoredSkin(TspCompressedStoredSkin* AValue) {
  SetWatchedReference(FCompressedStoredSkin, AValue);
  if (FCompressedStoredSkin && !ComponentState().Contains(csDesigning))
    LoadCompressedStoredSkin(*FCompressedStoredSkin);
}

void TspSkinData::LoadSkinListEntry() {
  if (!FCompressedSkinList || ComponentState().Contains(csDesigning)) return;
  TspSkinListItems& Skins = FCompressedSkinList->Skins();
  if (FCompressedSkinIndex >= 0 && FCompressedSkinIndex < Skins.Count())
    LoadCompressedStoredSkin(Skins.Items(FCompressedSkinIndex)->Skin());
}

void TspSkinData::SetSkinList(TspCompressedSkinList* AValue) {
  SetWatchedReference(FCompressedSkinList, AValue);
  LoadSkinListEntry();
}

void TspSkinData::SetSkinIndex(int AValue) {
  if (AValue == FCompressedSkinIndex) return;
  if (FCompressedSkinList && (AValue < 0 || AValue >= FCompressedSkinList->Skins().Count())) return;
  FCompressedSkinIndex = AValue;
  LoadSkinListEntry();
}

void TspSkinData::Notification(TComponent* AComponent, TOperation AOperation) {
  TComponent::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  if (AComponent == FResourceStrData) FResourceStrData = nullptr;
  if (AComponent == FCompressedStoredSkin) FCompressedStoredSkin = nullptr;
  if (AComponent == FCompressedSkinList) FCompressedSkinList = nullptr;
}
