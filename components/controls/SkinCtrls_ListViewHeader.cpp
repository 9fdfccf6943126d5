// The list view's column header: the "SysHeader32" child is subclassed when it is
// created and painted here, section by section through an off-screen bitmap, plain or
// from the button element HeaderSkinDataName.

#include <algorithm>
#include <vector>

#include "components/controls/SkinCtrls_LabelFontInternal.h"
#include "components/controls/SkinCtrls_PaintInternal.h"
#include "components/controls/SkinCtrls_ViewsInternal.h"
#include "platform/base/ScopeExit.h"
#include "platform/gdi/DcScopes.h"
#include "platform/gdi/Text.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowClasses.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowProcedures.h"
#include "platform/win/WindowTree.h"

void TspSkinCustomListView::HeaderCreated(HWND AChild) {
  if (GetClassName(AChild) != WC_HEADER || !ShowColumnHeaders()) return;
  ReleaseHeader();
  FHeaderHandle = AChild;
  FDefHeaderProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtr(AChild, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FHeaderInstance)));
}

void TspSkinCustomListView::ReleaseHeader() {
  if (!FHeaderHandle) return;
  if (IsWindow(FHeaderHandle))
    SetWindowLongPtr(FHeaderHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FDefHeaderProc));
  FHeaderHandle = nullptr;
  FDefHeaderProc = nullptr;
  FActiveSection = -1;
  FHeaderDown = false;
  FDevDown = false;
}

LRESULT TspSkinCustomListView::HeaderWndProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_WINDOWPOSCHANGING: {
      // The header reaches 25 pixels past the list, so that no gap shows at its end.
      auto* Place = reinterpret_cast<WINDOWPOS*>(ALParam);
      if (!(Place->flags & SWP_NOSIZE)) Place->cx += 25;
      return 0;
    }
    case WM_PAINT:
      PaintHeader(reinterpret_cast<HDC>(AWParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    default:
      break;
  }
  const WNDPROC Previous = FDefHeaderProc;
  const LRESULT Result = CallWindowProc(Previous, AWindow, AMessage, AWParam, ALParam);
  if (AMessage == WM_NCDESTROY) {
    FHeaderHandle = nullptr;
    FDefHeaderProc = nullptr;
  } else {
    HeaderMouse(AMessage, ALParam);
  }
  return Result;
}

// The pressed look follows the left button held on a section; a divider drag shows no
// pressed section but repaints live as the column follows the pointer.
void TspSkinCustomListView::HeaderMouse(UINT AMessage, LPARAM ALParam) {
  switch (AMessage) {
    case WM_LBUTTONDOWN: {
      const POINT Point{GET_X_LPARAM(ALParam), GET_Y_LPARAM(ALParam)};
      FActiveSection = -1;
      const int Count = static_cast<int>(SendMessage(FHeaderHandle, HDM_GETITEMCOUNT, 0, 0));
      for (int I = 0; I < Count && FActiveSection == -1; ++I)
        if (PtInRect(SectionRect(I), Point)) FActiveSection = I;
      HDHITTESTINFO Hit;
      Hit.pt = Point;
      SendMessage(FHeaderHandle, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&Hit));
      FDevDown = (Hit.flags & HHT_ONDIVIDER) != 0;
      FHeaderDown = !FDevDown;
      InvalidateRect(FHeaderHandle, nullptr, false);
      break;
    }
    case WM_MOUSEMOVE:
      if (FDevDown) InvalidateRect(FHeaderHandle, nullptr, false);
      break;
    case WM_LBUTTONUP:
      FHeaderDown = false;
      FDevDown = false;
      FActiveSection = -1;
      InvalidateRect(FHeaderHandle, nullptr, false);
      break;
    default:
      break;
  }
}

// Column AIndex's section; with FullDrag the section shown at position AIndex, so that
// the columns are painted in the order the sections were dragged into.
TRect TspSkinCustomListView::SectionRect(int AIndex) {
  int Item = AIndex;
  if (FullDrag()) {
    std::vector<int> Order(static_cast<size_t>(SendMessage(FHeaderHandle, HDM_GETITEMCOUNT, 0, 0)));
    if (AIndex >= 0 && AIndex < static_cast<int>(Order.size()) &&
        SendMessage(FHeaderHandle, HDM_GETORDERARRAY, Order.size(), reinterpret_cast<LPARAM>(Order.data())))
      Item = Order[static_cast<size_t>(AIndex)];
  }
  RECT Result{};
  SendMessage(FHeaderHandle, HDM_GETITEMRECT, static_cast<WPARAM>(Item), reinterpret_cast<LPARAM>(&Result));
  return Result;
}

TspSkinCustomListView::THeaderSkin TspSkinCustomListView::GetHeaderSkinData() {
  THeaderSkin Skin;
  const int Index = FindSkinElement(FSD, HeaderSkinDataName);
  if (Index == -1) return Skin;
  const auto* Element = FSD->Control<TspDataSkinButtonControl>(Index);
  TBitmap* Picture = Element ? FSD->Picture(Element->PictureIndex) : nullptr;
  if (!Picture || IsRectEmpty(Element->SkinRect)) return Skin;
  Skin.Picture = Picture;
  Skin.Geometry = SkinImageGeometry(*Element);
  Skin.DownSkinRect = !IsRectEmpty(Element->DownSkinRect)     ? Element->DownSkinRect
                      : !IsRectEmpty(Element->ActiveSkinRect) ? Element->ActiveSkinRect
                                                              : Element->SkinRect;
  Skin.FontColor = Element->FontColor;
  Skin.DownFontColor = Element->DownFontColor;
  return Skin;
}

// Paints into ADC when given (the caller's: it stays the caller's, unreleased), else
// into the header's own paint.
void TspSkinCustomListView::PaintHeader(HDC ADC) {
  PAINTSTRUCT Paint{};
  const bool OwnPaint = ADC == nullptr;
  HDC DC = OwnPaint ? BeginPaint(FHeaderHandle, &Paint) : ADC;
  ScopeExit EndOwnPaint([&] {
    if (OwnPaint) EndPaint(FHeaderHandle, &Paint);
  });
  TCanvas Canvas;
  TCanvasHandleScope Lent(Canvas, DC);
  const THeaderSkin Skin = GetHeaderSkinData();
  const int Count = static_cast<int>(SendMessage(FHeaderHandle, HDM_GETITEMCOUNT, 0, 0));
  int Right = 0;
  for (int I = 0; I < Count; ++I) {
    const TRect R = SectionRect(I);
    TListColumn* Column = I < Columns().Count() ? Columns()[I] : nullptr;
    DrawHeaderSection(Canvas, Skin, Column, R, I == FActiveSection && FHeaderDown);
    Right = std::max(Right, static_cast<int>(R.Right));
  }
  RECT Client{};
  GetClientRect(FHeaderHandle, &Client);
  const TRect Rest(Right, 0, Client.Right + 1, Client.Bottom);
  if (!IsRectEmpty(Rest)) DrawHeaderRest(Canvas, Skin, Rest);
}

void TspSkinCustomListView::DrawHeaderRest(TCanvas& ACanvas, const THeaderSkin& ASkin, const TRect& R) {
  if (!ASkin.Picture) {
    DrawFramedPart(ACanvas, R, clBtnShadow, clBtnFace);
    return;
  }
  TBitmap Image;
  const int Width = R.Width();
  const int Height = R.Height();
  const TspSkinImageGeometry& Part = ASkin.Geometry;
  if (Part.LBPt != TPoint(0, 0)) {
    TspSkinImageGeometry Geometry = Part;
    Geometry.WithoutRight = true;
    ComposeSkinImage(Image, *ASkin.Picture, Geometry, Width, Height, true);
    ACanvas.Draw(R.Left, R.Top, Image);
    return;
  }
  CreateHSkinImageLeft(Part.LTPt.X, Part.SkinRect.Width() - Part.RTPt.X, Image, *ASkin.Picture, Part.SkinRect,
                       Width, Part.SkinRect.Height(), Part.StretchEffect);
  ACanvas.StretchDraw(R, Image);
}

namespace {

// The section's background from the element: nine parts when the element has its
// lower corner points, else a three-part strip stretched to the section's height.
void ComposeHeaderSectionImage(TBitmap& AImage, const TspSkinImageGeometry& AGeometry, TBitmap& APicture,
                               int AWidth, int AHeight) {
  if (AGeometry.LBPt != TPoint(0, 0)) {
    ComposeSkinImage(AImage, APicture, AGeometry, AWidth, AHeight, true);
    return;
  }
  const TRect& Source = AGeometry.SkinRect;
  TBitmap Strip;
  CreateHSkinImage(AGeometry.LTPt.X, Source.Width() - AGeometry.RTPt.X, Strip, APicture, Source, AWidth,
                   Source.Height(), AGeometry.StretchEffect);
  AImage.SetSize(AWidth, AHeight);
  AImage.Canvas().StretchDraw(TRect(0, 0, AWidth, AHeight), Strip);
}

// The column's picture of AImages (when its index is valid) and its caption 10 pixels
// after it, in from both ends of the section by 5 pixels: the caption shortened with
// "..." to what the picture leaves, the two placed together by the column's alignment
// (from the left when the caption had to be shortened), the picture vertically
// centred and the caption too (one pixel higher for an odd font height).
void DrawHeaderCaption(TCanvas& ACanvas, const TListColumn& AColumn, TCustomImageList* AImages, int AWidth,
                       int AHeight) {
  const TRect Area(5, 0, AWidth - 5, AHeight);
  const int Index = AColumn.ImageIndex();
  const bool HasImage = AImages && Index >= 0 && Index < AImages->Count();
  const int ImageSpace = HasImage ? AImages->Width() + 10 : 0;
  String Text = AColumn.Caption();
  FitWideTextToWidth(ACanvas, Text, Area.Width() - ImageSpace);
  const bool Shortened = Text != AColumn.Caption();
  const int TextWidth = WideTextWidth(ACanvas, Text);
  const int TextHeight = WideTextHeight(ACanvas, Text);
  const int Block = ImageSpace + TextWidth;
  int Left = Area.Left;
  if (!Shortened && AColumn.Alignment() == taRightJustify)
    Left = Area.Right - Block;
  else if (!Shortened && AColumn.Alignment() == taCenter)
    Left = Area.Left + Area.Width() / 2 - Block / 2;
  Left = std::max(Left, static_cast<int>(Area.Left));
  if (HasImage) AImages->Draw(ACanvas, Left, Area.Top + Area.Height() / 2 - AImages->Height() / 2, Index);
  int Top = Area.Top + Area.Height() / 2 - TextHeight / 2;
  if (ACanvas.Font().Height() % 2 != 0) --Top;
  TRect Place(Left + ImageSpace, Top, Area.Right, Top + TextHeight);
  IntersectRect(Place, Place, Area);
  DrawWideText(ACanvas, Text, Place, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT);
}

}  // namespace

void TspSkinCustomListView::DrawHeaderSection(TCanvas& ACanvas, const THeaderSkin& ASkin,
                                              TListColumn* AColumn, const TRect& R, bool APressed) {
  if (IsRectEmpty(R)) return;
  const int Width = R.Width();
  const int Height = R.Height();
  TBitmap Image;
  Image.SetSize(Width, Height);
  TCanvas& Surface = Image.Canvas();
  Surface.Font().Assign(Font());
  if (!ASkin.Picture) {
    DrawFramedPart(Surface, TRect(0, 0, Width, Height), APressed ? BuiltInPartFrame : clBtnShadow,
                   APressed ? BuiltInPressedFill : clBtnFace);
    Surface.Font().SetColor(clBtnText);
  } else {
    TspSkinImageGeometry Geometry = ASkin.Geometry;
    if (APressed) Geometry.SkinRect = ASkin.DownSkinRect;
    ComposeHeaderSectionImage(Image, Geometry, *ASkin.Picture, Width, Height);
    Surface.Font().SetColor(APressed ? ASkin.DownFontColor : ASkin.FontColor);
  }
  Surface.Brush().SetStyle(bsClear);
  if (OnDrawHeaderSection)
    OnDrawHeaderSection(Surface, AColumn, APressed, TRect(0, 0, Width, Height));
  else if (AColumn)
    DrawHeaderCaption(Surface, *AColumn, SmallImages(), Width, Height);
  ACanvas.Draw(R.Left, R.Top, Image);
}
