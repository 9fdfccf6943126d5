#include "platform/gdi/FontFamilies.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>

std::vector<String> InstalledFontFamilies() {
  std::vector<String> Families;
  FcPattern* Pattern = FcPatternCreate();
  FcPatternAddBool(Pattern, FC_SCALABLE, FcTrue);
  FcObjectSet* Objects = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* Fonts = FcFontList(nullptr, Pattern, Objects);
  if (Fonts) {
    for (int I = 0; I < Fonts->nfont; ++I) {
      // A font may carry its family in several languages; the first name is the one
      // fontconfig matches by.
      FcChar8* Family = nullptr;
      if (FcPatternGetString(Fonts->fonts[I], FC_FAMILY, 0, &Family) == FcResultMatch)
        Families.emplace_back(reinterpret_cast<const char*>(Family));
    }
    FcFontSetDestroy(Fonts);
  }
  FcObjectSetDestroy(Objects);
  FcPatternDestroy(Pattern);
  std::sort(Families.begin(), Families.end(),
            [](const String& A, const String& B) { return CompareText(A, B) < 0; });
  Families.erase(std::unique(Families.begin(), Families.end(),
                             [](const String& A, const String& B) { return SameText(A, B); }),
                 Families.end());
  return Families;
}
