#pragma once
// Shared by the files of the skin data that read and write a skin: the picture
// reader, the description reader of both skin forms (folder and compressed skin) and
// the frame geometry's keys.

#include "components/core/SkinData.h"

// Reads a picture file of any format the platform knows (recognised by its content);
// a missing or unreadable file leaves an empty picture. The name may use "\" and
// another letter case than the file on disk.
void LoadSkinPictureFile(TBitmap& APicture, const String& AFileName);

// Everything a skin description says but the picture and cursor files: the
// "VERSION" texts, the picture names, the frame geometry, the window descriptions,
// the colours, the areas, objects and controls.
void ReadSkinDescription(const TCustomIniFile& AIni, TspSkinContent& AContent);

// "FORMINFO", with the adjustments reading makes (the mask's area and hit-test
// points, the corners clamped to the client rectangle).
void ReadSkinFormInfo(const TCustomIniFile& AIni, TspSkinContent& AContent);
void WriteSkinFormInfo(TCustomIniFile& AIni, TspSkinContent& AContent);
