// The skinned main menu's link to its skin data: it follows the skin data component's
// life, and a replaced skin no longer touches the menu.

#include <gtest/gtest.h>

#include <memory>

#include "components/forms/SkinMenuBar.h"

namespace skin_main_menu_test {
namespace {

TEST(SkinMainMenuTest, FreeingItsSkinDataClearsTheLink) {
  TspSkinMainMenu Menu(nullptr);
  EXPECT_EQ(Menu.SkinData(), nullptr);
  auto* Skin = new TspSkinData(nullptr);
  Menu.SetSkinData(Skin);
  EXPECT_EQ(Menu.SkinData(), Skin);
  delete Skin;
  EXPECT_EQ(Menu.SkinData(), nullptr);
}

TEST(SkinMainMenuTest, AReplacedSkinDataNoLongerClearsTheLinkWhenFreed) {
  auto Old = std::make_unique<TspSkinData>(nullptr);
  TspSkinData New(nullptr);
  TspSkinMainMenu Menu(nullptr);
  Menu.SetSkinData(Old.get());
  Menu.SetSkinData(&New);
  Old.reset();
  EXPECT_EQ(Menu.SkinData(), &New);
}

}  // namespace
}  // namespace skin_main_menu_test
