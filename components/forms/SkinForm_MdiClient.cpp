// The frame's MDI client: its rectangle in the frame, the maximized document, the
// refresh of the documents, and the subclass through which the frame paints the
// client from the skin and keeps maximized documents fitted to it.

#include <algorithm>

#include "components/forms/SkinForm.h"
#include "platform/gdi/DcScopes.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowTree.h"

TRect GetMDIClientRect() {
  TCustomForm* Main = Application != nullptr ? Application->MainForm() : nullptr;
  if (Main == nullptr) return {};
  TRect Area{0, 0, Main->ClientWidth(), Main->ClientHeight()};
  bool HasLeft = false, HasTop = false, HasRight = false, HasBottom = false;
  for (int I = 0; I < Main->ControlCount(); ++I) {
    const TControl* Control = Main->Controls(I);
    if (!Control->Visible()) continue;
    const TRect Place = Control->BoundsRect();
    switch (Control->Align()) {
      case alLeft:
        Area.Left = HasLeft ? std::max(Area.Left, Place.Right) : Place.Right;
        HasLeft = true;
        break;
      case alTop:
        Area.Top = HasTop ? std::max(Area.Top, Place.Bottom) : Place.Bottom;
        HasTop = true;
        break;
      case alRight:
        Area.Right = HasRight ? std::min(Area.Right, Place.Left) : Place.Left;
        HasRight = true;
        break;
      case alBottom:
        Area.Bottom = HasBottom ? std::min(Area.Bottom, Place.Top) : Place.Top;
        HasBottom = true;
        break;
      default:
        break;
    }
  }
  return Area;
}

TCustomForm* FindMaximizedMDIChild() {
  TCustomForm* Main = Application != nullptr ? Application->MainForm() : nullptr;
  if (Main == nullptr || Main->FormStyle() != fsMDIForm) return nullptr;
  auto IsMaximized = [](TCustomForm* AChild) {
    const TspSkinForm* ChildSkin = AChild != nullptr ? FindSkinForm(AChild) : nullptr;
    return ChildSkin != nullptr && ChildSkin->WindowState() == wsMaximized;
  };
  if (TCustomForm* Active = Main->ActiveMDIChild(); IsMaximized(Active)) return Active;
  for (int I = 0; I < Main->MDIChildCount(); ++I)
    if (IsMaximized(Main->MDIChildren(I))) return Main->MDIChildren(I);
  return nullptr;
}

String TspSkinFormMdi::CaptionText() const {
  if (SkinForm.FForm->FormStyle() != fsMDIForm || !FMDIChildMaximized) return SkinForm.FForm->Caption();
  const TCustomForm* Maximized = FindMaximizedMDIChild();
  return Maximized != nullptr ? SkinForm.FForm->Caption() + " - [" + Maximized->Caption() + "]"
                              : SkinForm.FForm->Caption();
}

void TspSkinFormMdi::RefreshMDIChildren() {
  if (SkinForm.FForm->FormStyle() != fsMDIForm) return;
  for (int I = 0; I < SkinForm.FForm->MDIChildCount(); ++I)
    if (TCustomForm* Child = SkinForm.FForm->MDIChildren(I); Child->HandleAllocated())
      SendMessage(Child->Handle(), SP_MDICHILDFITCLIENT, 0, 0);
  if (!SkinForm.ShowMDIScrollBars) ArrangeMinimizedChildren();
}

void TspSkinFormMdi::PaintMDIBGDefault(HDC DC) {
  if (DC == nullptr) return;
  TCanvas Canvas;
  const TCanvasHandleScope CanvasScope(Canvas, DC);
  Canvas.Brush().SetColor(clAppWorkSpace);
  Canvas.FillRect(SkinForm.FForm->ClientRect());
  if (SkinForm.LogoBitMap.Width() != 0) SkinForm.DrawLogo(Canvas);
}

void TspSkinFormMdi::SubclassMDIClient() {
  CreateMDIScrollBars();
  const HWND Client = SkinForm.FForm->ClientHandle();
  if (Client == nullptr || Client == FClientWindow) return;
  UnsubclassMDIClient();
  FClientWindow = Client;
  FClientHook.Install(Client, [this](TMessage& AMessage) { ClientWindowProc(AMessage); });
}

// A subclass that another one covers meanwhile stays in the chain and passes every
// message on from then on.
void TspSkinFormMdi::UnsubclassMDIClient() {
  FClientHook.Remove();
  FClientWindow = nullptr;
}

void TspSkinFormMdi::ClientWindowProc(TMessage& AMessage) {
  switch (AMessage.Msg) {
    case WM_SIZE: {
      if (!FClientHook.Forward(AMessage)) return;
      RefreshMDIChildren();
      // A background that follows the size is drawn anew as a whole.
      const bool StretchedBackground =
          SkinForm.FSkinSupport &&
          ((SkinForm.FSD->StretchEffect && SkinForm.FSD->MDIBGPictureIndex == -1) ||
           (SkinForm.FSD->MDIBGStretchEffect && SkinForm.FSD->MDIBGPictureIndex != -1));
      if (SkinForm.LogoBitMap.Width() != 0 || StretchedBackground) {
        const RECT Whole{0, 0, SkinForm.FForm->ClientWidth(), SkinForm.FForm->ClientHeight()};
        RedrawWindow(FClientWindow, &Whole, nullptr, RDW_INVALIDATE | RDW_ERASE);
      }
      UpdateMDIScrollBars(true);
      return;
    }
    case WM_ERASEBKGND: {
      const auto DC = reinterpret_cast<HDC>(AMessage.WParam);
      if (SkinForm.FSD == nullptr || SkinForm.FSD->Empty)
        PaintMDIBGDefault(DC);
      else if (SkinForm.FSD->MDIBGPictureIndex != -1)
        SkinForm.PaintBG3(DC);
      else if (SkinForm.FSD->BGPictureIndex == -1)
        SkinForm.PaintBG(DC);
      else
        SkinForm.PaintBG2(DC);
      return;
    }
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
      // The client has no frame of its own.
      return;
    case WM_NCACTIVATE:
      AMessage.Result = 1;
      return;
    default:
      (void)FClientHook.Forward(AMessage);
  }
}
