// Geometry from a hostile skin file: coordinates anywhere in the range of int, for
// every composition and region routine. Nothing may fail, overflow or draw outside its
// target (the sanitizer build checks the arithmetic).

#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "components/core/SPUtils.h"
#include "components/core/SkinData.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace skin_hostile_geometry_test {
namespace {

class SkinHostileGeometryTest : public testing::Test {
 protected:
  void SetUp() override {
    StartWindowSystem(std::make_unique<THeadlessBackend>());
    FPicture.SetSize(24, 24);
  }
  void TearDown() override { StopWindowSystem(); }

  int Coordinate() {
    static constexpr int Values[] = {INT_MIN, INT_MIN + 1, -1000000000, -7,          -1,     0, 1, 3, 9, 17,
                                     23,      40,          1000000000,  INT_MAX - 1, INT_MAX};
    return Values[FRandom() % std::size(Values)];
  }
  TPoint AnyPoint() { return {Coordinate(), Coordinate()}; }
  // Any geometry with any places for its corners; the values are drawn in the order of
  // the fields of a part followed by its places.
  TspSkinImageGeometry AnyGeometry(bool AWithoutRight) {
    TspSkinImageGeometry Geometry;
    Geometry.LTPt = AnyPoint();
    Geometry.RTPt = AnyPoint();
    Geometry.LBPt = AnyPoint();
    Geometry.RBPt = AnyPoint();
    Geometry.ClRect = AnyRect();
    Geometry.Targets = TspSkinImageTargets{AnyPoint(), AnyPoint(), AnyPoint(), AnyPoint(), AnyRect()};
    Geometry.SkinRect = AnyRect();
    Geometry.LeftStretch = Flag();
    Geometry.TopStretch = Flag();
    Geometry.RightStretch = Flag();
    Geometry.BottomStretch = Flag();
    Geometry.StretchEffect = Flag();
    Geometry.StretchType = TspStretchType(FRandom() % 3);
    Geometry.WithoutRight = AWithoutRight;
    return Geometry;
  }
  TRect AnyRect() { return {Coordinate(), Coordinate(), Coordinate(), Coordinate()}; }
  int Size() { return int(FRandom() % 40); }
  bool Flag() { return FRandom() % 2 == 0; }

  std::mt19937 FRandom{2213};
  TBitmap FPicture;
};

TEST_F(SkinHostileGeometryTest, EveryRoutineCopesWithAnyCoordinates) {
  for (int Round = 0; Round < 100; ++Round) {
    TBitmap Image, Left, Top, Right, Bottom;
    const int W = Size(), H = Size();
    ComposeSkinImage(Image, FPicture, AnyGeometry(false), W, H, Flag());
    EXPECT_EQ(Image.Width(), H > 0 ? W : Image.Width());
    ComposeSkinImage(Image, FPicture, AnyGeometry(true), W, H, Flag());
    CreateSkinClientImage(AnyRect(), AnyRect(), Image, FPicture, AnyRect(), W, H, Flag(),
                          TspStretchType(FRandom() % 3));
    Image.SetSize(W, H);
    StretchSkinImage(Image, FPicture, AnyRect(), AnyRect(), Flag());
    CreateHSkinImage(Coordinate(), Coordinate(), Image, FPicture, AnyRect(), W, H, Flag());
    CreateHSkinImageLeft(Coordinate(), Coordinate(), Image, FPicture, AnyRect(), W, H, Flag());
    CreateTiledSkinImage(Coordinate(), Coordinate(), Image, FPicture, AnyRect(), W, H, Flag());
    CreateVSkinImage(Coordinate(), Coordinate(), Image, FPicture, AnyRect(), W, H, Flag());
    CreateSkinBorderImages(AnyPoint(), AnyPoint(), AnyPoint(), AnyPoint(), AnyRect(), AnyPoint(), AnyPoint(),
                           AnyPoint(), AnyPoint(), AnyRect(), Left, Top, Right, Bottom, FPicture, AnyRect(),
                           W, H, Flag(), Flag(), Flag(), Flag());
    TOwnedGdiObject<TRegionObject> Region(CreateSkinRegion(AnyPoint(), AnyPoint(), AnyPoint(), AnyPoint(),
                                                           AnyRect(), AnyPoint(), AnyPoint(), AnyPoint(),
                                                           AnyPoint(), AnyRect(), FPicture, W, H));
  }
}

}  // namespace
}  // namespace skin_hostile_geometry_test
