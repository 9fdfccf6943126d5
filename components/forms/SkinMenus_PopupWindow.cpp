// The popup window itself: its window class, activation, showing and hiding.

#include "components/forms/SkinMenus.h"
#include "platform/ui/Screen.h"
#include "platform/win/WindowPos.h"

namespace {

// The skin's picture at AIndex; nullptr for -1 or an index past the list.
TBitmap* PopupSkinPicture(TspSkinData* ASkin, int AIndex) {
  if (AIndex < 0 || AIndex >= static_cast<int>(ASkin->FActivePictures.size())) return nullptr;
  return ASkin->FActivePictures[AIndex].get();
}

}  // namespace

TspSkinPopupWindow::TspSkinPopupWindow(TComponent* AOwner, TspDataSkinPopupWindow* AData,
                                       TspSkinMenu& AParentMenu)
    : TCustomControl(AOwner), ParentMenu(AParentMenu), MouseTimer(new TTimer(this)) {
  FVisible = false;
  MouseTimer->SetEnabled(false);
  MouseTimer->SetInterval(50);
  MouseTimer->OnTimer = [this](TObject*) { MouseTimerTick(); };
  // A skin look needs its window picture to be measured and drawn from.
  if (!AData || !AParentMenu.SkinData) return;
  WindowPicture = PopupSkinPicture(AParentMenu.SkinData, AData->WindowPictureIndex);
  if (!WindowPicture) return;
  PW = AData;
  SD = AParentMenu.SkinData;
  MaskPicture = PopupSkinPicture(SD, AData->MaskPictureIndex);
}

TspSkinPopupWindow::~TspSkinPopupWindow() = default;

// Top-most and never activated.
void TspSkinPopupWindow::CreateParams(TCreateParams& AParams) {
  TCustomControl::CreateParams(AParams);
  AParams.Style = WS_POPUP;
  AParams.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  AParams.WndParent = nullptr;
  AParams.WindowClass.style |= CS_SAVEBITS;
}

void TspSkinPopupWindow::Dispatch(TMessage& AMessage) {
  if (AMessage.Msg == WM_MOUSEACTIVATE)
    AMessage.Result = MA_NOACTIVATE;
  else
    TCustomControl::Dispatch(AMessage);
}

void TspSkinPopupWindow::Show(const TRect& AAnchor, TMenuItem* AItem, int AStartIndex,
                              TspPopupDirection ADirection) {
  FillItems(AItem, AStartIndex);
  const TRect WorkArea = Screen->MonitorFromRect(AAnchor)->WorkareaRect();
  VisibleStartIndex = 0;
  int Height = ContentHeight();
  Scroll = Height > WorkArea.Height();
  if (Scroll) Height = WorkArea.Height();
  SizeTo(ContentWidth(), Height);
  LayoutItems();

  const TPoint Place =
      PlaceSkinPopupWindow(WorkArea, AAnchor, TSize{Width(), Height}, NewItemsRect.Top, ADirection, Scroll);
  ShowX = Place.X;
  ShowY = Place.Y;
  SetBounds(ShowX, ShowY, Width(), Height);
  SetWindowPos(Handle(), HWND_TOPMOST, ShowX, ShowY, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_SHOWWINDOW);
  FVisible = true;
  LastMousePos = TPoint{-1, -1};
  MouseTimer->SetEnabled(true);

  for (int I = 0; I < ItemCount(); ++I) {
    TspSkinMenuItem& Line = *ItemList[I];
    if (Line.IsSeparator() || !Line.MenuItem->Enabled()) continue;
    Line.WaitCommand = true;
    Line.Active = true;
    ActiveItem = I;
    break;
  }
}

void TspSkinPopupWindow::Hide() {
  MouseTimer->SetEnabled(false);
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW);
  FVisible = false;
}
