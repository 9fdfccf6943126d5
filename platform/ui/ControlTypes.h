#pragma once
// The value types of controls: alignment and anchors, control styles and states,
// mouse buttons and shift states, cursors, text layout, the parameters of window
// creation and the event signatures.

#include <cstdint>
#include <functional>

#include "platform/base/Persistent.h"
#include "platform/base/Set.h"
#include "platform/gdi/Geometry.h"
#include "platform/win/WindowClasses.h"
#include "platform/win/WindowTypes.h"

class TControl;
class TWinControl;

// Alignment inside the parent; children are placed in the order alTop, alBottom,
// alLeft, alRight, alClient, alCustom (and anchors of alNone controls last).
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
inline const TAnchors AnchorsLeftTop = {akLeft, akTop};
// The anchors an alignment implies (SetAlign sets them).
TAnchors AnchorsForAlign(TAlign AAlign);

enum TControlStyleItem {
  csAcceptsControls,  // children may be placed on it
  csCaptureMouse,     // captures the mouse while a button is held on it
  csClickEvents,      // a press and release on it make a Click
  csFramed,
  csSetCaption,    // the Name becomes the caption while the caption is the name
  csOpaque,        // covers its whole rectangle: what lies below is not painted
  csDoubleClicks,  // a double click reaches it as WM_LBUTTONDBLCLK
  csFixedWidth,
  csFixedHeight,
  csNoDesignVisible,
  csReplicatable,
  csNoStdEvents,  // the OnKey… and OnMouse… events are not raised
  csParentBackground,
  csInheritable,
};
using TControlStyle = TSet<TControlStyleItem>;

enum TControlStateItem {
  csLButtonDown,  // the left button went down on it and is still held
  csClicked,      // a press that may become a Click
  csPalette,
  csReadingState,
  csAlignmentNeeded,  // an alignment was asked while alignment was disabled
  csFocusing,         // it is being given the focus
  csCreating,         // its window is being made
  csPaintCopy,        // it paints a copy of itself for another control
  csCustomPaint,
  csDestroyingHandle,  // its window is being destroyed
};
using TControlState = TSet<TControlStateItem>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };

// Cursors: 0 is the control's default; the negative numbers are the standard shapes;
// positive numbers are free for cursors a program registers (CursorTable.h).
using TCursor = int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// What CreateParams fills in for CreateWindowHandle. X, Y, Width, Height are in the
// parent's client area; WinClassName is registered with WindowClass on first use.
struct TCreateParams {
  String Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
  void* Param = nullptr;
  WNDCLASS WindowClass;
  String WinClassName;
};

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent =
    std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
// Key is the virtual key; a handler may change it (0 swallows the key).
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
// Key is the character (a code point); a handler may change it (0 swallows it).
using TKeyPressEvent = std::function<void(TObject* Sender, uint32_t& Key)>;
using TContextPopupEvent = std::function<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
using TCanResizeEvent = std::function<void(TObject* Sender, int& NewWidth, int& NewHeight, bool& Resize)>;

// The shift state of a mouse message's wParam (MK_ flags), plus Alt from the keyboard.
TShiftState KeysToShiftState(WORD AKeys);
// The shift state of a key message's key data, with Shift and Ctrl from the keyboard.
TShiftState KeyDataToShiftState(LPARAM AKeyData);
