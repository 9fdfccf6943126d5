#pragma once
// What the native-control stand-ins share, with the numbers of the window system the
// program was designed on: the notification header of WM_NOTIFY, the custom-draw
// records, image lists as the controls' messages carry them, and the image index that
// asks the parent.

#include "platform/gdi/DeviceContext.h"
#include "platform/win/WindowTypes.h"

class TCustomImageList;
// An image list as the controls' messages carry it (TCM_SETIMAGELIST, TVM_SETIMAGELIST,
// LVM_SETIMAGELIST lParam).
using HIMAGELIST = TCustomImageList*;

// An item image the parent gives on request (LVN_GETDISPINFOW, TVN_GETDISPINFO).
constexpr int I_IMAGECALLBACK = -1;

// ---- Notifications in general (WM_NOTIFY, lParam points to a record that starts
// with an NMHDR, which the class library reads to reflect the message to hwndFrom).
struct NMHDR {
  HWND hwndFrom = nullptr;
  UINT_PTR idFrom = 0;
  UINT code = 0;
};

constexpr UINT NM_FIRST = 0u;
constexpr UINT NM_CLICK = NM_FIRST - 2;
constexpr UINT NM_DBLCLK = NM_FIRST - 3;
constexpr UINT NM_RETURN = NM_FIRST - 4;
constexpr UINT NM_RCLICK = NM_FIRST - 5;
constexpr UINT NM_CUSTOMDRAW = NM_FIRST - 12;

// Custom draw: the stages a control announces, the answers, and the item states.
constexpr DWORD CDDS_PREPAINT = 0x00001;
constexpr DWORD CDDS_POSTPAINT = 0x00002;
constexpr DWORD CDDS_ITEM = 0x10000;
constexpr DWORD CDDS_ITEMPREPAINT = CDDS_ITEM | CDDS_PREPAINT;
constexpr DWORD CDDS_ITEMPOSTPAINT = CDDS_ITEM | CDDS_POSTPAINT;
constexpr LRESULT CDRF_DODEFAULT = 0x00;
constexpr LRESULT CDRF_SKIPDEFAULT = 0x04;
constexpr LRESULT CDRF_NOTIFYPOSTPAINT = 0x10;
constexpr LRESULT CDRF_NOTIFYITEMDRAW = 0x20;
constexpr UINT CDIS_SELECTED = 0x01;
constexpr UINT CDIS_GRAYED = 0x02;
constexpr UINT CDIS_DISABLED = 0x04;
constexpr UINT CDIS_CHECKED = 0x08;
constexpr UINT CDIS_FOCUS = 0x10;
constexpr UINT CDIS_HOT = 0x40;

struct NMCUSTOMDRAW {
  NMHDR hdr;
  DWORD dwDrawStage = 0;
  HDC hdc = nullptr;
  RECT rc;
  DWORD_PTR dwItemSpec = 0;
  UINT uItemState = 0;
  LPARAM lItemlParam = 0;
};
