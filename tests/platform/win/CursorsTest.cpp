#include "platform/win/Cursors.h"
#include "tests/platform/win/InputTestSupport.h"
#include "tests/support/TestSupport.h"

namespace window_test {
namespace {

using testing_support::TempDir;
using testing_support::WriteWholeFile;

class CursorsTest : public InputTest {};

// A cursor file of one 4×4 picture whose hot spot is (3, 1).
std::string CursorFile() {
  TPixelImage Picture;
  ResizePixelImage(Picture, 4, 4, 0xFF102030);
  std::vector<uint8_t> Bytes = EncodeIcon(Picture);
  Bytes[2] = 2;   // a cursor file
  Bytes[10] = 3;  // hot spot x, where an icon keeps its planes
  Bytes[12] = 1;  // hot spot y, where an icon keeps its bit count
  return std::string(Bytes.begin(), Bytes.end());
}

TEST_F(CursorsTest, StandardCursorsAreSharedAndShownByTheBackend) {
  const HCURSOR Arrow = LoadCursor(nullptr, IDC_ARROW);
  ASSERT_NE(Arrow, nullptr);
  EXPECT_EQ(LoadCursor(nullptr, IDC_ARROW), Arrow);
  EXPECT_EQ(Arrow->StandardShape, 32512);
  EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(1)), nullptr);
  const HCURSOR Hand = LoadCursor(nullptr, IDC_HAND);
  SetCursor(Arrow);
  EXPECT_EQ(SetCursor(Hand), Arrow);
  EXPECT_EQ(Headless().Cursor(), Hand);
  // Standard cursors survive DestroyCursor.
  EXPECT_TRUE(DestroyCursor(Hand));
  EXPECT_EQ(LoadCursor(nullptr, IDC_HAND), Hand);
}

TEST_F(CursorsTest, ShowCursorHidesWhileTheCounterIsNegative) {
  SetCursor(LoadCursor(nullptr, IDC_WAIT));
  EXPECT_EQ(ShowCursor(false), -1);
  EXPECT_EQ(Headless().Cursor(), nullptr);
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
  EXPECT_EQ(ShowCursor(true), 0);
  EXPECT_EQ(Headless().Cursor(), LoadCursor(nullptr, IDC_WAIT));
}

TEST_F(CursorsTest, CursorFileGivesItsPictureAndHotSpot) {
  TempDir Folder;
  WriteWholeFile(Folder.File("skin.cur"), CursorFile());
  const HCURSOR Cursor = LoadCursorFromFile(Folder.File("skin.cur").c_str());
  ASSERT_NE(Cursor, nullptr);
  EXPECT_EQ(Cursor->StandardShape, 0);
  EXPECT_EQ(Cursor->Image.Width, 4);
  EXPECT_EQ(Cursor->Image.Pixel(0, 0), 0xFF102030u);
  EXPECT_EQ(Cursor->Image.HotSpot, (TPoint{3, 1}));
  SetCursor(Cursor);
  EXPECT_EQ(Headless().Cursor(), Cursor);
  // The cursor being shown gives way to the arrow when it is freed.
  EXPECT_TRUE(DestroyCursor(Cursor));
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_ARROW));
  EXPECT_FALSE(DestroyCursor(Cursor));
}

TEST_F(CursorsTest, UnreadableFilesGiveNoCursor) {
  TempDir Folder;
  WriteWholeFile(Folder.File("broken.cur"), CursorFile().substr(0, 30));
  WriteWholeFile(Folder.File("text.cur"), "not a cursor");
  EXPECT_EQ(LoadCursorFromFile(Folder.File("broken.cur").c_str()), nullptr);
  EXPECT_EQ(LoadCursorFromFile(Folder.File("text.cur").c_str()), nullptr);
  EXPECT_EQ(LoadCursorFromFile(Folder.File("missing.cur").c_str()), nullptr);
  EXPECT_EQ(LoadCursorFromFile(nullptr), nullptr);
}

TEST_F(CursorsTest, ClassCursorShowsOverTheClientAreaAndSizingCursorsOverBorders) {
  Create("w", WS_POPUP | WS_VISIBLE, Bounds(100, 100, 200, 150));
  SetClassLong(Window("w"), GCL_HCURSOR, reinterpret_cast<LONG_PTR>(LoadCursor(nullptr, IDC_CROSS)));
  InjectPointerMove(At("w", 50, 50));
  Run();
  EXPECT_EQ(Headless().Cursor(), LoadCursor(nullptr, IDC_CROSS));
  Answer(WM_NCHITTEST, [](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> { return HTLEFT; });
  InjectPointerMove(At("w", 51, 50));
  Run();
  EXPECT_EQ(Headless().Cursor(), LoadCursor(nullptr, IDC_SIZEWE));
}

}  // namespace
}  // namespace window_test
