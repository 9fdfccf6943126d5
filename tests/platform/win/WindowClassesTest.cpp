// Window classes: registration, names, class longs.

#include "tests/platform/win/WindowTestSupport.h"

namespace window_test {
namespace {

class WindowClassesTest : public WindowSystemTest {
 protected:
  static LRESULT Plain(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
    return DefWindowProc(AWindow, AMessage, AWParam, ALParam);
  }

  static ATOM Register(const char* AName, UINT AStyle = 0) {
    WNDCLASS Class;
    Class.style = AStyle;
    Class.lpfnWndProc = Plain;
    Class.lpszClassName = AName;
    return RegisterClass(&Class);
  }

  static HWND CreateOf(const char* AClass) {
    return CreateWindowEx(0, AClass, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  }
};

TEST_F(WindowClassesTest, NamesAreUniqueWhateverTheCase) {
  EXPECT_NE(Register("TspFormLayerWindow"), 0);
  EXPECT_EQ(Register("TSPFORMLAYERWINDOW"), 0);
  EXPECT_EQ(Register(""), 0);
  WNDCLASS Found;
  ASSERT_TRUE(GetClassInfo(nullptr, "tspformlayerwindow", &Found));
  EXPECT_STREQ(Found.lpszClassName, "TspFormLayerWindow");
  EXPECT_EQ(Found.lpfnWndProc, &Plain);
  EXPECT_EQ(CreateOf("NoSuchClass"), nullptr);
}

TEST_F(WindowClassesTest, GetClassNameGivesTheRegisteredName) {
  Register("SysHeader32");
  const HWND Window = CreateOf("sysheader32");
  EXPECT_EQ(GetClassName(Window), "SysHeader32");
  char Short[4];
  EXPECT_EQ(GetClassName(Window, Short, sizeof Short), 3);
  EXPECT_STREQ(Short, "Sys");
  DestroyWindow(Window);
  EXPECT_EQ(GetClassName(Window), "");
}

TEST_F(WindowClassesTest, ClassStyleChangesReachEveryWindowOfTheClass) {
  Register("Popup", CS_SAVEBITS);
  const HWND First = CreateOf("Popup");
  const HWND Second = CreateOf("Popup");
  const LONG_PTR Old = SetClassLong(First, GCL_STYLE, GetClassLong(First, GCL_STYLE) | CS_DROPSHADOW);
  EXPECT_EQ(Old, CS_SAVEBITS);
  EXPECT_EQ(GetClassLong(Second, GCL_STYLE), CS_SAVEBITS | CS_DROPSHADOW);
}

TEST_F(WindowClassesTest, AClassWithWindowsCannotBeUnregistered) {
  Register("Busy");
  const HWND Window = CreateOf("Busy");
  EXPECT_FALSE(UnregisterClass("Busy", nullptr));
  DestroyWindow(Window);
  EXPECT_TRUE(UnregisterClass("busy", nullptr));
  EXPECT_NE(Register("Busy"), 0);
}

TEST_F(WindowClassesTest, AtomsOfUnregisteredClassesAreGivenOutAgain) {
  // More registrations than there are atoms: each unregistration frees one.
  for (int I = 0; I < 20000; ++I) {
    ASSERT_NE(Register("Transient"), 0) << "registration " << I;
    ASSERT_TRUE(UnregisterClass("Transient", nullptr));
  }
}

}  // namespace
}  // namespace window_test
