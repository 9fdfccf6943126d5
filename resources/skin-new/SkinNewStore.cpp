// Writes the skin folder: "skin.ini" in the skin format's sections, and every picture
// as a 24-bit bitmap file beside it.

#include "components/core/SPUtils.h"
#include "platform/base/Paths.h"
#include "platform/base/Streams.h"
#include "platform/gdi/PictureCodecs.h"
#include "resources/skin-new/SkinNew.h"

namespace skin_new {

namespace {

void StoreBitmapFile(const TspBitmap& ABitmap, const String& AFileName) {
  TPixelImage Image;
  Image.Width = ABitmap.Width();
  Image.Height = ABitmap.Height();
  Image.Pixels.assign(ABitmap.Bits(), ABitmap.Bits() + size_t(Image.Width) * size_t(Image.Height));
  const std::vector<uint8_t> Data = EncodeBmp(Image, 24);
  TFileStream File(AFileName, fmCreate);
  File.WriteBuffer(Data.data(), int64_t(Data.size()));
}

void WriteVersion(const TSkinNew& ASkin, TCustomIniFile& AIni) {
  AIni.WriteInteger("VERSION", "ver", 2);
  AIni.WriteString("VERSION", "skinname", ASkin.SkinName);
  AIni.WriteString("VERSION", "skinauthor", ASkin.SkinAuthor);
  AIni.WriteString("VERSION", "authoremail", "");
  AIni.WriteString("VERSION", "authorurl", "");
  AIni.WriteString("VERSION", "skincomments", "");
}

void WritePictures(const TSkinNew& ASkin, TCustomIniFile& AIni) {
  AIni.WriteString("PICTURES", "picture", TSkinNew::PictureName);
  AIni.WriteString("PICTURES", "inactivepicture", TSkinNew::InActivePictureName);
  AIni.WriteString("PICTURES", "mask", TSkinNew::MaskName);
  TStringList Names;
  for (const auto& Picture : ASkin.Pictures) Names.Add(Picture.Name);
  IniWriteStringList(AIni, "PICTURES", "activepictures", Names);
}

void WriteFormInfo(const TSkinNewFormInfo& AInfo, TCustomIniFile& AIni) {
  const String Section = "FORMINFO";
  IniWritePoint(AIni, Section, "lefttoppoint", AInfo.LTPoint);
  IniWritePoint(AIni, Section, "righttoppoint", AInfo.RTPoint);
  IniWritePoint(AIni, Section, "leftbottompoint", AInfo.LBPoint);
  IniWritePoint(AIni, Section, "rightbottompoint", AInfo.RBPoint);
  IniWriteRect(AIni, Section, "clientrect", AInfo.ClRect);
  AIni.WriteInteger(Section, "bgpictureindex", -1);
  AIni.WriteInteger(Section, "mdibgpictureindex", -1);
  IniWriteRect(AIni, Section, "buttonsrect", AInfo.ButtonsRect);
  IniWriteRect(AIni, Section, "captionrect", AInfo.CaptionRect);
  AIni.WriteInteger(Section, "buttonsoffset", 0);
  IniWritePoint(AIni, Section, "hittestlefttoppoint", AInfo.HitTestLTPoint);
  IniWritePoint(AIni, Section, "hittestrighttoppoint", AInfo.HitTestRTPoint);
  IniWritePoint(AIni, Section, "hittestleftbottompoint", AInfo.HitTestLBPoint);
  IniWritePoint(AIni, Section, "hittestrightbottompoint", AInfo.HitTestRBPoint);
  IniWriteRect(AIni, Section, "mainmenurect", AInfo.MainMenuRect);
  AIni.WriteInteger(Section, "borderwidth", AInfo.BorderWidth);
  AIni.WriteInteger(Section, "formminwidth", AInfo.FormMinWidth);
  AIni.WriteInteger(Section, "formminheight", AInfo.FormMinHeight);
  IniWriteRect(AIni, Section, "sizegriparea", AInfo.SizeGripArea);
  AIni.WriteString(Section, "statusbarname", AInfo.StatusBarName);
}

template <typename TRecord, typename TKindWord>
void WriteList(const std::vector<std::unique_ptr<TRecord>>& ARecords, const String& ASection,
               TKindWord AKindWord, TCustomIniFile& AIni) {
  AIni.WriteInteger(ASection, "count", int(ARecords.size()));
  for (size_t I = 0; I < ARecords.size(); ++I) {
    AIni.WriteString(ASection, std::to_string(I), ARecords[I]->IDName + ":" + AKindWord(*ARecords[I]));
    ARecords[I]->SaveToFile(AIni);
  }
}

}  // namespace

void StoreSkinNew(TSkinNew& ASkin, const String& AFolder) {
  const String Folder = IncludeTrailingPathDelimiter(AFolder);
  TMemIniFile Ini(Folder + "skin.ini");
  WriteVersion(ASkin, Ini);
  WritePictures(ASkin, Ini);
  WriteFormInfo(ASkin.FormInfo, Ini);
  ASkin.PopupWindow.SaveToFile(Ini);
  ASkin.LayerFrame.SaveToFile(Ini);
  ASkin.HintWindow.SaveToFile(Ini);
  Ini.WriteInteger("SKINAREAS", "count", 0);
  ASkin.Colors.SaveToFile(Ini);
  WriteList(
      ASkin.Objects, "SKINOBJECTS", [](const TspDataSkinObject& A) { return SkinObjectKindWord(A); }, Ini);
  WriteList(
      ASkin.Controls, "SKINCONTROLS", [](const TspDataSkinControl& A) { return SkinControlKindWord(A); },
      Ini);
  Ini.UpdateFile();

  StoreBitmapFile(ASkin.Picture, Folder + TSkinNew::PictureName);
  StoreBitmapFile(ASkin.InActivePicture, Folder + TSkinNew::InActivePictureName);
  StoreBitmapFile(ASkin.Mask, Folder + TSkinNew::MaskName);
  for (const auto& Picture : ASkin.Pictures) StoreBitmapFile(*Picture.Bitmap, Folder + Picture.Name);
}

}  // namespace skin_new
