// Makes the default skin folder: skin_new_generator <folder>.

#include <cstdio>

#include "platform/base/Exceptions.h"
#include "platform/base/Files.h"
#include "resources/skin-new/SkinNew.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <skin folder>\n", argv[0]);
    return 2;
  }
  try {
    if (!ForceDirectories(argv[1])) {
      std::fprintf(stderr, "Cannot create the folder %s\n", argv[1]);
      return 1;
    }
    skin_new::StoreSkinNew(*skin_new::BuildSkinNew(), argv[1]);
  } catch (const Exception& E) {
    std::fprintf(stderr, "%s\n", E.Message().c_str());
    return 1;
  }
  return 0;
}
