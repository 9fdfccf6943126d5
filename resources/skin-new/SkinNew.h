#pragma once
// The default skin "skin-new", made by code: its pictures drawn with our own
// anti-aliased painter, its element records filled from the palette and metrics of
// SkinNewPalette.h, and the whole written as a skin folder ("skin.ini" and its
// pictures) that the program loads beside itself.
//
// Implementation: SkinNew.cpp (the skin, its colours and the order of the builders),
// SkinNewPainter.cpp, SkinNewGlyphs.cpp and SkinNewSheet.cpp (drawing), one builder
// per family of elements (SkinNewFrame.cpp, SkinNewButtons.cpp, SkinNewChecks.cpp,
// SkinNewBars.cpp, SkinNewPanels.cpp, SkinNewEdits.cpp, SkinNewLists.cpp,
// SkinNewMenus.cpp) and SkinNewStore.cpp (the folder).

#include <memory>
#include <vector>

#include "components/core/SkinData.h"
#include "components/core/spEffBmp.h"

namespace skin_new {

// The frame geometry of section FORMINFO, in frame-picture coordinates.
struct TSkinNewFormInfo {
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect ClRect, ButtonsRect, CaptionRect, MainMenuRect, SizeGripArea;
  TPoint HitTestLTPoint, HitTestRTPoint, HitTestLBPoint, HitTestRBPoint;
  int BorderWidth = 0;
  int FormMinWidth = 0, FormMinHeight = 0;
  String StatusBarName;
};

// One entry of the picture list, with the file name it is stored under.
struct TSkinNewPictureFile {
  String Name;
  std::unique_ptr<TspBitmap> Bitmap;
};

class TSkinNew {
 public:
  TSkinNew();

  String SkinName = "skin-new";
  String SkinAuthor = "Pelladrin";

  // The frame picture, the inactive frame picture and the frame mask.
  TspBitmap Picture, InActivePicture, Mask;
  static constexpr const char* PictureName = "frame.bmp";
  static constexpr const char* InActivePictureName = "frameinactive.bmp";
  static constexpr const char* MaskName = "framemask.bmp";

  std::vector<TSkinNewPictureFile> Pictures;
  TSkinNewFormInfo FormInfo;
  TspDataSkinPopupWindow PopupWindow;
  TspDataSkinHintWindow HintWindow;
  TspDataSkinLayerFrame LayerFrame;
  TspSkinColors Colors;
  std::vector<std::unique_ptr<TspDataSkinObject>> Objects;
  std::vector<std::unique_ptr<TspDataSkinControl>> Controls;

  // Appends a picture to the list and answers its index.
  int AddPicture(const String& AName, std::unique_ptr<TspBitmap> ABitmap);
  // The picture at AIndex, or nullptr for an index outside the list.
  const TspBitmap* PictureAt(int AIndex) const;

  template <typename TRecord>
  TRecord& AddControl(const String& AIDName) {
    Controls.push_back(std::make_unique<TRecord>(AIDName));
    return static_cast<TRecord&>(*Controls.back());
  }
  template <typename TRecord>
  TRecord& AddObject(const String& AIDName) {
    Objects.push_back(std::make_unique<TRecord>(AIDName));
    return static_cast<TRecord&>(*Objects.back());
  }
  // The record named AIDName (case-sensitive), or nullptr.
  TspDataSkinControl* FindControl(const String& AIDName) const;
  TspDataSkinObject* FindObject(const String& AIDName) const;
};

// Draws every picture and fills every record of the skin.
std::unique_ptr<TSkinNew> BuildSkinNew();

// Writes "skin.ini" and every picture (as bitmap files) into AFolder, which must exist.
void StoreSkinNew(TSkinNew& ASkin, const String& AFolder);

}  // namespace skin_new
