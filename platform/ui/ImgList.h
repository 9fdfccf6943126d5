#pragma once
// Image lists: pictures of one size kept by index and drawn by index (menu items, tool
// buttons, tabs, the tray icon). Every image is kept as 32-bit pixels with straight
// alpha, whatever it was added from. User-interface thread only.

#include <vector>

#include "platform/gdi/Graphics.h"
#include "platform/ui/Component.h"
#include "platform/win/WindowTypes.h"

// The Style of DoDraw. ILD_NORMAL lays the image on the list's BkColor (when that is
// not clNone), ILD_TRANSPARENT on what the canvas holds; ILD_MASK draws the mask
// instead of the image (black where the image is, white elsewhere); ILD_FOCUS and
// ILD_SELECTED tint the image with clHighlight by a quarter and a half.
constexpr UINT ILD_NORMAL = 0x0000;
constexpr UINT ILD_TRANSPARENT = 0x0001;
constexpr UINT ILD_MASK = 0x0010;
constexpr UINT ILD_FOCUS = 0x0002;
constexpr UINT ILD_SELECTED = 0x0004;

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum TImageType { itImage, itMask };

class TCustomImageList : public TComponent {
 public:
  // 16 × 16, empty, BkColor clNone, dsNormal, itImage.
  explicit TCustomImageList(TComponent* AOwner);
  TCustomImageList(TComponent* AOwner, int AWidth, int AHeight);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // A new size empties the list; sizes below 1 raise EInvalidOperation "Invalid image
  // size".
  void SetWidth(int AValue) { SetSize(AValue, FHeight); }
  void SetHeight(int AValue) { SetSize(FWidth, AValue); }
  void SetSize(int AWidth, int AHeight);
  int Count() const { return static_cast<int>(FImages.size()); }

  TColor BkColor() const { return FBkColor; }
  void SetBkColor(TColor AValue);
  TDrawingStyle DrawingStyle() const { return FDrawingStyle; }
  void SetDrawingStyle(TDrawingStyle AValue);
  TImageType ImageType() const { return FImageType; }
  void SetImageType(TImageType AValue);

  // Adds the images AImage holds side by side (its width divided by Width, at least
  // one; its top Height rows) and returns the index of the first. AMask, when given,
  // makes its light pixels transparent; without it a 32-bit bitmap brings its alpha.
  // A bitmap smaller than the list's size raises EInvalidOperation "Invalid image size".
  int Add(const TBitmap& AImage, const TBitmap* AMask);
  // The same, with the pixels of AMaskColor transparent (clDefault: the colour of the
  // bitmap's bottom-left pixel).
  int AddMasked(const TBitmap& AImage, TColor AMaskColor);
  // Inserts the first image of AImage before AIndex (Count appends). Indexes outside
  // the list raise EInvalidOperation "Invalid ImageList Index" here and below.
  void Insert(int AIndex, const TBitmap& AImage, const TBitmap* AMask);
  void Delete(int AIndex);
  void Replace(int AIndex, const TBitmap& AImage, const TBitmap* AMask);
  void Clear();

  // The image at its own size as a 32-bit bitmap with alpha (transparent pixels are
  // transparent black); false for an index outside the list.
  bool GetBitmap(int AIndex, TBitmap& AImage) const;
  bool GetIcon(int AIndex, TIcon& AIcon) const;
  // Draws the image with its top-left at (AX, AY) through DoDraw, in the style that
  // DrawingStyle and ImageType give; a disabled image is drawn in the greyed look. An
  // index outside the list draws nothing.
  void Draw(TCanvas& ACanvas, int AX, int AY, int AIndex, bool AEnabled = true);

  // After every change of the images or of the way they are drawn, with the list as
  // sender.
  TNotifyEvent OnChange;

 protected:
  // Draws image AIndex (Style: the ILD_ values). The greyed look is the image's
  // outline in clBtnHighlight one pixel down and right, with the outline in
  // clBtnShadow over it in place.
  virtual void DoDraw(int AIndex, TCanvas& ACanvas, int AX, int AY, UINT AStyle, bool AEnabled);
  // Raises OnChange, unless the list is being loaded or destroyed.
  virtual void Change();
  // The stored picture of an image (straight alpha, Width × Height).
  const TPixelImage& Image(int AIndex) const;

 private:
  // The images of AImage (with AMask's transparency) cut to the list's size.
  std::vector<TPixelImage> Slice(const TBitmap& AImage, const TBitmap* AMask) const;
  void CheckIndex(int AIndex, int ALast) const;

  int FWidth = 16;
  int FHeight = 16;
  std::vector<TPixelImage> FImages;
  TColor FBkColor = clNone;
  TDrawingStyle FDrawingStyle = dsNormal;
  TImageType FImageType = itImage;
};

class TImageList : public TCustomImageList {
 public:
  using TCustomImageList::TCustomImageList;
};
