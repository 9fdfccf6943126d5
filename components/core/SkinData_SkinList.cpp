// The skin list: stored skins a skin data switches between by index.

#include "components/core/SkinData.h"
#include "platform/base/Paths.h"

TspSkinListItem::TspSkinListItem(TCollection* ACollection)
    : TCollectionItem(ACollection),
      FSkin(std::make_unique<TspCompressedStoredSkin>(nullptr)),
      FName(Format("spSkin%d", Index())) {}

void TspSkinListItem::Assign(const TPersistent& ASource) {
  const auto* Source = dynamic_cast<const TspSkinListItem*>(&ASource);
  if (!Source) return TCollectionItem::Assign(ASource);
  Description = Source->Description;
  FName = Source->FName;
  FFileName = Source->FFileName;
  FCompressedFileName = Source->FCompressedFileName;
  TMemoryStream& Bytes = Source->FSkin->CompressedStream();
  FSkin->CompressedStream().Clear();
  FSkin->CompressedStream().WriteBuffer(Bytes.Memory(), Bytes.Size());
}

bool TspSkinListItem::ListIsBeingDesigned() const {
  const auto* Items = dynamic_cast<const TspSkinListItems*>(Collection());
  if (!Items || !Items->SkinList()) return false;
  const TComponentState& State = Items->SkinList()->ComponentState();
  return State.Contains(csDesigning) && !State.Contains(csLoading);
}

void TspSkinListItem::SetFileName(const String& AValue) {
  if (!ListIsBeingDesigned()) {
    FFileName = AValue;
    return;
  }
  FSkin->LoadFromIniFile(AValue);
  FFileName = ExtractFileName(AValue);
}

void TspSkinListItem::SetCompressedFileName(const String& AValue) {
  if (!ListIsBeingDesigned()) {
    FCompressedFileName = AValue;
    return;
  }
  FSkin->LoadFromCompressFile(AValue);
  FCompressedFileName = ExtractFileName(AValue);
}

TspSkinListItems::TspSkinListItems(TspCompressedSkinList* ASkinList)
    : TCollection(TCollection::ItemClass<TspSkinListItem>()), FSkinList(ASkinList) {}

TspCompressedSkinList::TspCompressedSkinList(TComponent* AOwner) : TComponent(AOwner) {}
