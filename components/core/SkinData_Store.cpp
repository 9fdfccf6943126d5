// Writing a skin description, and storing it with its pictures as a skin folder.

#include <algorithm>
#include <cctype>

#include "components/core/SPUtils.h"
#include "components/core/SkinData_LoadInternal.h"
#include "platform/base/Exceptions.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"

namespace {

void WriteSkinVersion(TCustomIniFile& AIni, const TspSkinContent& AContent) {
  AIni.EraseSection("VERSION");
  AIni.WriteInteger("VERSION", "ver", 2);
  AIni.WriteString("VERSION", "skinname", AContent.SkinName);
  AIni.WriteString("VERSION", "skinauthor", AContent.SkinAuthor);
  AIni.WriteString("VERSION", "authoremail", AContent.AuthorEmail);
  AIni.WriteString("VERSION", "authorurl", AContent.AuthorURL);
  AIni.WriteString("VERSION", "skincomments", AContent.SkinComments);
}

void WriteSkinPictureNames(TCustomIniFile& AIni, const TspSkinContent& AContent) {
  AIni.EraseSection("PICTURES");
  AIni.WriteString("PICTURES", "picture", AContent.FPictureName);
  AIni.WriteString("PICTURES", "inactivepicture", AContent.FInActivePictureName);
  AIni.WriteString("PICTURES", "mask", AContent.FMaskName);
  AIni.WriteString("PICTURES", "rolluppicture", AContent.FRollUpPictureName);
  AIni.WriteString("PICTURES", "rollupmask", AContent.FRollUpMaskName);
  IniWriteStringList(AIni, "PICTURES", "activepictures", *AContent.FActivePicturesNames);
}

void WriteSkinCursorNames(TCustomIniFile& AIni, const TspSkinContent& AContent) {
  AIni.EraseSection("CURSORS");
  AIni.WriteInteger("CURSORS", "startcursorindex", AContent.StartCursorIndex);
  IniWriteStringList(AIni, "CURSORS", "cursors", *AContent.FCursorsNames);
}

String SkinAreaLine(const TspDataSkinArea& AArea) {
  auto Flag = [](bool AValue) { return AValue ? "1" : "0"; };
  return AArea.IDName + ":" + RectToStr(AArea.AreaRect) + ";" + Flag(AArea.UseAnchors) + "," +
         Flag(AArea.AnchorLeft) + "," + Flag(AArea.AnchorTop) + "," + Flag(AArea.AnchorRight) + "," +
         Flag(AArea.AnchorBottom);
}

void WriteSkinAreas(TCustomIniFile& AIni, const TspSkinContent& AContent) {
  AIni.EraseSection("SKINAREAS");
  AIni.WriteInteger("SKINAREAS", "count", int(AContent.AreaList.size()));
  for (size_t I = 0; I < AContent.AreaList.size(); ++I)
    AIni.WriteString("SKINAREAS", std::to_string(I), SkinAreaLine(*AContent.AreaList[I]));
}

// The list lines "IDName:kind", each record writing its own section.
template <typename TRecord, typename TKindWord>
void WriteSkinRecordList(TCustomIniFile& AIni, const char* ASection, TKindWord AKindWord,
                         const std::vector<std::unique_ptr<TRecord>>& AList) {
  AIni.EraseSection(ASection);
  AIni.WriteInteger(ASection, "count", int(AList.size()));
  for (size_t I = 0; I < AList.size(); ++I) {
    AIni.WriteString(ASection, std::to_string(I), AList[I]->IDName + ":" + AKindWord(*AList[I]));
    AList[I]->SaveToFile(AIni);
  }
}

bool IsPngSkinFileName(const String& AFileName) {
  String Extension = ExtractFileExt(AFileName);
  std::transform(Extension.begin(), Extension.end(), Extension.begin(),
                 [](unsigned char C) { return char(std::tolower(C)); });
  return Extension == ".png";
}

// The picture in the format its name's extension says.
void StoreSkinPicture(TBitmap& APicture, const String& AFileName) {
  if (APicture.Empty()) return;
  String FileName = AFileName;
  std::replace(FileName.begin(), FileName.end(), '\\', '/');
  ForceDirectories(ExtractFileDir(FileName));
  if (IsJpegFileName(FileName)) {
    TJPEGImage Picture;
    Picture.Assign(APicture);
    Picture.SaveToFile(FileName);
  } else if (IsPngSkinFileName(FileName)) {
    TPngImage Picture;
    Picture.Assign(APicture);
    Picture.SaveToFile(FileName);
  } else {
    APicture.SaveToFile(FileName);
  }
}

// A picture name of a skin must name a file inside the skin's folder: no absolute
// path, no drive and no ".." step, with either separator.
bool StaysInSkinFolder(const String& AName) {
  String Name = AName;
  std::replace(Name.begin(), Name.end(), '\\', '/');
  if (Name.starts_with('/') || (Name.size() >= 2 && Name[1] == ':')) return false;
  size_t Start = 0;
  while (Start <= Name.size()) {
    const size_t End = std::min(Name.find('/', Start), Name.size());
    if (Name.compare(Start, End - Start, "..") == 0) return false;
    Start = End + 1;
  }
  return true;
}

}  // namespace

void TspSkinData::SaveToCustomIniFile(TCustomIniFile& AIni) {
  WriteSkinVersion(AIni, *this);
  WriteSkinPictureNames(AIni, *this);
  WriteSkinCursorNames(AIni, *this);
  WriteSkinFormInfo(AIni, *this);
  PopupWindow->SaveToFile(AIni);
  LayerFrame->SaveToFile(AIni);
  HintWindow->SaveToFile(AIni);
  WriteSkinAreas(AIni, *this);
  AIni.EraseSection(TspSkinColors::Section);
  FSkinColors.SaveToFile(AIni);
  WriteSkinRecordList(AIni, "SKINOBJECTS", SkinObjectKindWord, ObjectList);
  WriteSkinRecordList(AIni, "SKINCONTROLS", SkinControlKindWord, CtrlList);
}

void TspSkinData::SaveToFile(const String& AFileName) {
  TMemIniFile Ini(AFileName);
  SaveToCustomIniFile(Ini);
  Ini.UpdateFile();
}

void TspSkinData::StoreToDisk(const String& AFileName) {
  const std::pair<TBitmap*, const String*> MainPictures[] = {{FPicture.get(), &FPictureName},
                                                             {FInActivePicture.get(), &FInActivePictureName},
                                                             {FMask.get(), &FMaskName},
                                                             {FRollUpPicture.get(), &FRollUpPictureName},
                                                             {FRollUpMask.get(), &FRollUpMaskName}};
  std::vector<std::pair<TBitmap*, String>> Pictures;
  for (const auto& [Picture, Name] : MainPictures)
    if (!Name->empty()) Pictures.emplace_back(Picture, *Name);
  const int Count = std::min(int(FActivePictures.size()), FActivePicturesNames->Count());
  for (int I = 0; I < Count; ++I)
    Pictures.emplace_back(FActivePictures[size_t(I)].get(), FActivePicturesNames->Strings(I));
  // Every name is checked before anything is written, so that a refused skin leaves
  // no part of itself behind.
  for (const auto& Entry : Pictures)
    if (!StaysInSkinFolder(Entry.second))
      throw EFCreateError("Cannot store the picture \"" + Entry.second +
                          "\": its name leaves the skin folder");
  SaveToFile(AFileName);
  const String Folder = ExtractFilePath(AFileName);
  for (const auto& [Picture, Name] : Pictures) StoreSkinPicture(*Picture, Folder + Name);
}
