// Reading a skin description ("skin.ini") with the picture and cursor files beside it.
// The whole skin is read into a fresh content first; the current skin is replaced only
// by a complete one.

#include <climits>
#include <cstdint>

#include "components/core/SPUtils_PiecesInternal.h"
#include "components/core/SkinData_LoadInternal.h"
#include "platform/base/Exceptions.h"
#include "platform/base/Paths.h"
#include "platform/ui/Screen.h"
#include "platform/win/Cursors.h"

namespace {

// The "count" of a list section, believed only as far as the section has keys: a
// hostile count costs nothing.
int SkinListSectionCount(const TCustomIniFile& AIni, const String& ASection) {
  TStringList Keys;
  AIni.ReadSection(ASection, Keys);
  return std::clamp(AIni.ReadInteger(ASection, "count", 0), 0, Keys.Count());
}

// "name:left,top,right,bottom;a,l,t,r,b": the name before the last ":", the rectangle
// up to the last ";", and five flags only when exactly nine characters follow it.
void ReadSkinAreaLine(const String& ALine, TspSkinContent& AContent) {
  const size_t Colon = ALine.rfind(':');
  const size_t RectStart = Colon == String::npos ? 0 : Colon + 1;
  const String Name = Colon == String::npos ? String() : ALine.substr(0, Colon);
  const size_t Semicolon = ALine.rfind(';');
  const bool HasFlags = Semicolon != String::npos && Semicolon >= RectStart;
  const size_t RectEnd = HasFlags ? Semicolon : ALine.size();
  TRect AreaRect = ParseRect(std::string_view(ALine).substr(RectStart, RectEnd - RectStart));
  BoundSkinValue(AreaRect);
  bool Flags[5] = {};
  if (HasFlags && ALine.size() - Semicolon - 1 == 9)
    for (int I = 0; I < 5; ++I) Flags[I] = ALine[Semicolon + 1 + size_t(I) * 2] == '1';
  AContent.AreaList.push_back(
      std::make_unique<TspDataSkinArea>(Name, AreaRect, Flags[0], Flags[1], Flags[2], Flags[3], Flags[4]));
}

void ReadSkinAreas(const TCustomIniFile& AIni, TspSkinContent& AContent) {
  const int Count = SkinListSectionCount(AIni, "SKINAREAS");
  for (int I = 0; I < Count; ++I)
    ReadSkinAreaLine(AIni.ReadString("SKINAREAS", std::to_string(I), ""), AContent);
}

// Lines "IDName:kind"; a kind the catalogue does not know adds nothing.
template <typename TCreate, typename TAdd>
void ReadSkinRecordList(const TCustomIniFile& AIni, const char* ASection, TCreate ACreate, TAdd AAdd) {
  const int Count = SkinListSectionCount(AIni, ASection);
  for (int I = 0; I < Count; ++I) {
    const String Line = AIni.ReadString(ASection, std::to_string(I), "");
    const size_t Colon = Line.find(':');
    if (Colon == String::npos) continue;
    auto Record = ACreate(Line.substr(Colon + 1), Line.substr(0, Colon));
    if (!Record) continue;
    Record->LoadFromFile(AIni);
    AAdd(std::move(Record));
  }
}

void ReadSkinPictureFiles(const String& AFolder, TspSkinContent& AContent) {
  const std::pair<TBitmap*, const String*> MainPictures[] = {
      {AContent.FPicture.get(), &AContent.FPictureName},
      {AContent.FInActivePicture.get(), &AContent.FInActivePictureName},
      {AContent.FMask.get(), &AContent.FMaskName},
      {AContent.FRollUpPicture.get(), &AContent.FRollUpPictureName},
      {AContent.FRollUpMask.get(), &AContent.FRollUpMaskName}};
  for (const auto& [Picture, Name] : MainPictures)
    if (!Name->empty()) LoadSkinPictureFile(*Picture, AFolder + *Name);
  const TStrings& Names = *AContent.FActivePicturesNames;
  TspSkinEditor Editor(AContent);
  for (int I = 0; I < Names.Count(); ++I) {
    auto Picture = std::make_unique<TBitmap>();
    if (!Names.Strings(I).empty()) LoadSkinPictureFile(*Picture, AFolder + Names.Strings(I));
    Editor.AddPicture(std::move(Picture));
  }
}

void ReadSkinCursorNames(const TCustomIniFile& AIni, TspSkinContent& AContent) {
  // A first number past the cursor table installs no cursor; the bound keeps the sum
  // with a cursor index within int.
  AContent.StartCursorIndex =
      std::clamp(AIni.ReadInteger("CURSORS", "startcursorindex", 1), 1, SkinCursorNumberLimit + 1);
  IniReadStringList(AIni, "CURSORS", "cursors", *AContent.FCursorsNames);
}

// Cursor i under number StartCursorIndex + i; a file that cannot be read leaves the
// default cursor under its number. Numbers beyond the cursor table are skipped.
void InstallSkinCursors(const TspSkinContent& AContent, const String& AFolder) {
  if (!Screen) return;
  const TStrings& Names = *AContent.FCursorsNames;
  for (int I = 0; I < Names.Count(); ++I) {
    const int64_t Number = int64_t(AContent.StartCursorIndex) + I;
    if (Number > SkinCursorNumberLimit) break;
    const String FileName = FindFileIgnoringCase(AFolder + Names.Strings(I));
    Screen->SetCursors(TCursor(Number), FileName.empty() ? nullptr : LoadCursorFromFile(FileName.c_str()));
  }
}

}  // namespace

void ReadSkinDescription(const TCustomIniFile& AIni, TspSkinContent& AContent) {
  AContent.SkinName = AIni.ReadString("VERSION", "skinname", "");
  AContent.SkinAuthor = AIni.ReadString("VERSION", "skinauthor", "");
  AContent.AuthorEmail = AIni.ReadString("VERSION", "authoremail", "");
  AContent.AuthorURL = AIni.ReadString("VERSION", "authorurl", "");
  AContent.SkinComments = AIni.ReadString("VERSION", "skincomments", "");

  AContent.FPictureName = AIni.ReadString("PICTURES", "picture", "");
  AContent.FInActivePictureName = AIni.ReadString("PICTURES", "inactivepicture", "");
  AContent.FMaskName = AIni.ReadString("PICTURES", "mask", "");
  AContent.FRollUpPictureName = AIni.ReadString("PICTURES", "rolluppicture", "");
  AContent.FRollUpMaskName = AIni.ReadString("PICTURES", "rollupmask", "");
  IniReadStringList(AIni, "PICTURES", "activepictures", *AContent.FActivePicturesNames);

  ReadSkinFormInfo(AIni, AContent);
  AContent.PopupWindow->LoadFromFile(AIni);
  AContent.LayerFrame->LoadFromFile(AIni);
  AContent.HintWindow->LoadFromFile(AIni);
  AContent.FSkinColors.LoadFromFile(AIni);
  ReadSkinAreas(AIni, AContent);
  TspSkinEditor Editor(AContent);
  ReadSkinRecordList(AIni, "SKINOBJECTS", CreateSkinObject, [&](std::unique_ptr<TspDataSkinObject> ARecord) {
    Editor.AddObject(std::move(ARecord));
  });
  ReadSkinRecordList(
      AIni, "SKINCONTROLS", CreateSkinControl,
      [&](std::unique_ptr<TspDataSkinControl> ARecord) { Editor.AddControl(std::move(ARecord)); });
}

void TspSkinData::LoadFromFile(const String& AFileName) {
  TMemIniFile Ini(AFileName);
  if (!IsSkinIniFile(Ini)) return;
  const String Folder = ExtractFilePath(AFileName);
  TspSkinContent Content;
  ReadSkinDescription(Ini, Content);
  ReadSkinPictureFiles(Folder, Content);
  ReadSkinCursorNames(Ini, Content);
  if (!BuildMode) InstallSkinCursors(Content, Folder);
  ReplaceContent(std::move(Content));
}
