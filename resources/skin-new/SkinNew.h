#pragma once
// The default skin "skin-new", made by code: its pictures drawn with our own
// anti-aliased painter, its element records filled from the palette and metrics of
// SkinNewPalette.h, all held in a TspSkinData that stores the skin folder ("skin.ini"
// and its pictures) the program loads beside itself.
//
// Implementation: SkinNew.cpp (the skin, its colours, the order of the builders and
// storing), SkinNewPainter.cpp, SkinNewGlyphs.cpp and SkinNewSheet.cpp (drawing), and
// one builder per family of elements (SkinNewFrame.cpp, SkinNewButtons.cpp,
// SkinNewChecks.cpp, SkinNewBars.cpp, SkinNewPanels.cpp, SkinNewEdits.cpp,
// SkinNewLists.cpp, SkinNewMenus.cpp).

#include <memory>

#include "components/core/SkinData.h"
#include "components/core/spEffBmp.h"

namespace skin_new {

class TSkinNew {
 public:
  TSkinNew();

  // The skin being built; in build mode, so that it announces nothing.
  TspSkinData Data{nullptr};

  static constexpr const char* PictureName = "frame.bmp";
  static constexpr const char* InActivePictureName = "frameinactive.bmp";
  static constexpr const char* MaskName = "framemask.bmp";

  // Sets one of the five frame pictures (Data.FPicture, …) with its file name.
  static void SetFramePicture(TBitmap& APicture, const TspBitmap& ADrawn);
  // Appends a picture to the list under AName and answers its index.
  int AddPicture(const String& AName, const TspBitmap& ADrawn);

  template <typename TRecord>
  TRecord& AddControl(const String& AIDName) {
    return TspSkinEditor(Data).AddControl(std::make_unique<TRecord>(AIDName));
  }
  template <typename TRecord>
  TRecord& AddObject(const String& AIDName) {
    return TspSkinEditor(Data).AddObject(std::make_unique<TRecord>(AIDName));
  }
  // The record named AIDName (letter case included), or nullptr.
  const TspDataSkinControl* FindControl(const String& AIDName) const { return Data.Control(AIDName); }
  const TspDataSkinObject* FindObject(const String& AIDName) const { return Data.Object(AIDName); }
};

// Draws every picture and fills every record of the skin.
std::unique_ptr<TSkinNew> BuildSkinNew();

// Writes "skin.ini" and every picture beside it into AFolder, which must exist.
void StoreSkinNew(TSkinNew& ASkin, const String& AFolder);

}  // namespace skin_new
