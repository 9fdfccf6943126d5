#pragma once
// Files dropped on windows from the desktop. User-interface thread only.
//
// A window that accepts files (DragAcceptFiles, or WS_EX_ACCEPTFILES) receives
// WM_DROPFILES (posted; wParam an HDROP) when files are dropped on it or on one of its
// descendants that does not accept files itself. The receiver reads the drop with
// DragQueryFile and DragQueryPoint and frees it with DragFinish; a drop still unread
// when its window is destroyed is freed with it.

#include "platform/win/WindowTypes.h"

struct TDropInfo;
using HDROP = TDropInfo*;

// Sets or clears WS_EX_ACCEPTFILES.
void DragAcceptFiles(HWND AWindow, bool AAccept);
// AIndex 0xFFFFFFFF: the number of files. Otherwise the length in bytes of file AIndex
// (UTF-8) without the terminating zero, and, with a buffer, the name copied into it, cut
// to ASize - 1 bytes without splitting a character; 0 for a wrong index or handle.
UINT DragQueryFile(HDROP ADrop, UINT AIndex, char* AFile, UINT ASize);
// The drop point in the client coordinates of the window that received the drop;
// returns whether it lies in the client area.
bool DragQueryPoint(HDROP ADrop, POINT* APoint);
// Frees the drop; unknown handles are ignored.
void DragFinish(HDROP ADrop);
