#include "platform/win/DroppedFiles.h"
#include "tests/platform/win/InputTestSupport.h"

namespace window_test {
namespace {

// a accepts files; its child c does not, so files dropped on c reach a.
class DroppedFilesTest : public InputTest {
 protected:
  void SetUp() override {
    InputTest::SetUp();
    Create("a", WS_POPUP | WS_VISIBLE, Bounds(100, 100, 300, 200));
    Create("c", WS_CHILD | WS_VISIBLE, Bounds(10, 10, 100, 100), Window("a"));
    DragAcceptFiles(Window("a"), true);
    Answer(WM_DROPFILES, [this](HWND, UINT, WPARAM AWParam, LPARAM) -> std::optional<LRESULT> {
      FDrop = reinterpret_cast<HDROP>(AWParam);
      return 0;
    });
  }
  void TearDown() override {
    DragFinish(FDrop);
    InputTest::TearDown();
  }

  HDROP FDrop = nullptr;
};

TEST_F(DroppedFilesTest, DropReachesTheAcceptingAncestorWithItsFilesAndPoint) {
  InjectFilesDropped(Window("a"), At("c", 5, 6), {"/tmp/one.mp4", "/home/ü/zwei.avi"});
  Run();
  EXPECT_EQ(InputLog({WM_DROPFILES}), std::vector<std::string>{"a:WM_DROPFILES"});
  ASSERT_NE(FDrop, nullptr);
  EXPECT_EQ(DragQueryFile(FDrop, 0xFFFFFFFF, nullptr, 0), 2u);
  char Name[64];
  EXPECT_EQ(DragQueryFile(FDrop, 1, Name, sizeof Name), 17u);
  EXPECT_STREQ(Name, "/home/ü/zwei.avi");
  EXPECT_EQ(DragQueryFile(FDrop, 0, nullptr, 0), 12u);
  EXPECT_EQ(DragQueryFile(FDrop, 2, Name, sizeof Name), 0u);
  POINT Point;
  EXPECT_TRUE(DragQueryPoint(FDrop, &Point));
  EXPECT_EQ(Point, (TPoint{15, 16}));
}

TEST_F(DroppedFilesTest, ShortBuffersGetWholeCharactersOnly) {
  InjectFilesDropped(Window("a"), At("a", 200, 5), {"/ü"});
  Run();
  ASSERT_NE(FDrop, nullptr);
  char Name[3];
  EXPECT_EQ(DragQueryFile(FDrop, 0, Name, sizeof Name), 1u);
  EXPECT_STREQ(Name, "/");
}

TEST_F(DroppedFilesTest, WindowsThatDoNotAcceptFilesGetNoDrop) {
  DragAcceptFiles(Window("a"), false);
  EXPECT_FALSE(GetWindowLong(Window("a"), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  InjectFilesDropped(Window("a"), At("c", 5, 5), {"/tmp/x"});
  Run();
  EXPECT_TRUE(InputLog({WM_DROPFILES}).empty());
}

}  // namespace
}  // namespace window_test
