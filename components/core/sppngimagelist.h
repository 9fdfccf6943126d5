#pragma once
// The PNG image list: an image list whose images are PNG pictures with alpha, kept as a
// collection of named items. The class-library image store follows the items, one
// blank slot per item at the item's place, so that code that counts or indexes the
// list sees the items; drawing comes from the items' pictures. User-interface thread
// only.

#include <memory>

#include "platform/base/Strings.h"
#include "platform/gdi/Graphics.h"
#include "platform/ui/Collection.h"
#include "platform/ui/ImgList.h"

// The library's PNG picture; its pixels may be replaced as a whole.
class TspPngImage : public TPngImage {
 public:
  std::unique_ptr<TGraphic> Clone() const override;
  using TPixelImageGraphic::SetImage;
};

// Lowers the picture's alpha to the level ALevel (127 for the disabled look): pictures
// of 8 bits or fewer per pixel (palette and grey) get alpha ALevel wherever they are
// not transparent; others get alpha Round(alpha / 256 × (ALevel + 1)), halves to even.
void FadePngImage(TspPngImage& APicture, int ALevel);

class TspPngImageList;

class TspPngImageItem : public TCollectionItem {
 public:
  // An empty picture named "PngImage<index>", and a blank slot in the list's store at
  // the item's place.
  explicit TspPngImageItem(TCollection* ACollection);
  // Frees the picture and the item's slot (when the store has one at its place).
  ~TspPngImageItem() override;

  const String& Name() const { return FName; }
  void SetName(const String& AValue) { FName = AValue; }
  TspPngImage& PngImage() { return FPngImage; }
  const TspPngImage& PngImage() const { return FPngImage; }
  // Copies the picture and reports the item as changed.
  void SetPngImage(const TGraphic& AValue);

  // From another item: its picture and name.
  void Assign(const TPersistent& ASource) override;
  // The name, or the class-library's display name while it is empty.
  String GetDisplayName() const override;

 private:
  TspPngImageList* ImageList() const;

  TspPngImage FPngImage;
  String FName;
};

class TspPngImageItems : public TCollection {
 public:
  explicit TspPngImageItems(TspPngImageList* APngImageList);

  TspPngImageItem* GetItem(int AIndex) const { return static_cast<TspPngImageItem*>(Items(AIndex)); }
  TspPngImageList* PngImageList() const { return FPngImageList; }

 private:
  TspPngImageList* FPngImageList;
};

class TspPngImageList : public TCustomImageList {
 public:
  explicit TspPngImageList(TComponent* AOwner);
  ~TspPngImageList() override;

  TspPngImageItems& PngImages() { return *FPngImages; }
  // Item by item from AValue.
  void SetPngImages(const TspPngImageItems& AValue) { FPngImages->Assign(AValue); }

  int PngWidth() const { return Width(); }
  int PngHeight() const { return Height(); }
  // A new size clears the items, unless the list is being loaded: then the items stay,
  // each with a blank slot of the new size.
  void SetPngWidth(int AValue) { SetPngSize(AValue, Height()); }
  void SetPngHeight(int AValue) { SetPngSize(Width(), AValue); }

 protected:
  // Draws item AIndex's picture into (AX, AY, AX + Width, AY + Height); a disabled image
  // is drawn half transparent. AStyle is not used. An index outside the items raises
  // the collection's EListError.
  void DoDraw(int AIndex, TCanvas& ACanvas, int AX, int AY, UINT AStyle, bool AEnabled) override;

 private:
  friend class TspPngImageItem;
  void InsertBlankImage(int AIndex);
  void SetPngSize(int AWidth, int AHeight);

  std::unique_ptr<TspPngImageItems> FPngImages;
};
