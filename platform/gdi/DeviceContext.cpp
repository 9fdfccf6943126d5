#include "platform/gdi/DeviceContext.h"

#include <algorithm>

#include "platform/gdi/ObjectUseInternal.h"

namespace {

// The bitmap every memory device context starts with, shared by all of them as in the
// window system (there it is a 1 × 1 monochrome bitmap; ours has the screen's format).
HBITMAP DefaultBitmap() {
  static const HBITMAP Bitmap = [] {
    HBITMAP Result = CreateDib(1, 1, 32);
    Result->MarkShared();
    MarkStock(Result);
    return Result;
  }();
  return Bitmap;
}

}  // namespace

TDeviceContext::TDeviceContext(TGdiObjectType AKind) : FKind(AKind) {
  FState.Bitmap = DefaultBitmap();
  FState.Pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
  FState.Brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  Retain(FState);
}

TDeviceContext::~TDeviceContext() {
  Release(FState);
  for (const TState& Saved : FSaved) Release(Saved);
}

void TDeviceContext::Retain(const TState& AState) {
  RetainBitmap(AState.Bitmap, this);
  RetainObject(AState.Pen);
  RetainObject(AState.Brush);
  RetainObject(AState.Font);
}

void TDeviceContext::Release(const TState& AState) {
  ReleaseObject(AState.Bitmap);
  ReleaseObject(AState.Pen);
  ReleaseObject(AState.Brush);
  ReleaseObject(AState.Font);
}

HBITMAP TDeviceContext::SelectBitmap(HBITMAP ABitmap) {
  if (!RetainBitmap(ABitmap, this)) return nullptr;
  const HBITMAP Old = FState.Bitmap;
  FState.Bitmap = ABitmap;
  FVisibleIsStale = true;
  ReleaseObject(Old);
  return Old;
}

namespace {

// Puts ANew into the state's slot and hands back what it held; the selection keeps
// the new object alive and lets go of the old one.
template <typename THandle>
THandle Reselect(THandle& ASlot, THandle ANew) {
  RetainObject(ANew);
  const THandle Old = ASlot;
  ASlot = ANew;
  ReleaseObject(Old);
  return Old;
}

}  // namespace

HPEN TDeviceContext::SelectPen(HPEN APen) { return Reselect(FState.Pen, APen); }
HBRUSH TDeviceContext::SelectBrush(HBRUSH ABrush) { return Reselect(FState.Brush, ABrush); }
HGDIOBJ TDeviceContext::SelectFont(HGDIOBJ AFont) { return Reselect(FState.Font, AFont); }

int TDeviceContext::SaveState() {
  FSaved.push_back(FState);
  Retain(FState);
  return int(FSaved.size());
}

bool TDeviceContext::RestoreState(int ALevel) {
  const int Count = int(FSaved.size());
  const int Target = ALevel < 0 ? Count + ALevel + 1 : ALevel;
  if (ALevel == 0 || Target < 1 || Target > Count) return false;
  // The uses counted for the saved state pass on to the current one; the current state
  // and the states saved after the target are let go.
  Release(FState);
  FState = std::move(FSaved[Target - 1]);
  for (int I = Target; I < Count; ++I) Release(FSaved[I]);
  FSaved.resize(Target - 1);
  FVisibleIsStale = true;
  return true;
}

void TDeviceContext::SetWindowOrg(TPoint AOrigin) { FState.WindowOrg = AOrigin; }
void TDeviceContext::SetViewportOrg(TPoint AOrigin) { FState.ViewportOrg = AOrigin; }

void TDeviceContext::SetClip(std::optional<TRegion> AClip) {
  FState.Clip = std::move(AClip);
  FVisibleIsStale = true;
}

void TDeviceContext::SetDeviceArea(TPoint ADeviceOrigin, std::optional<TRegion> ASystemClip) {
  FDeviceOrigin = ADeviceOrigin;
  FSystemClip = std::move(ASystemClip);
  FVisibleIsStale = true;
}

TPoint TDeviceContext::LogicalToSurface(TPoint APoint) const {
  return {APoint.X - FState.WindowOrg.X + FState.ViewportOrg.X + FDeviceOrigin.X,
          APoint.Y - FState.WindowOrg.Y + FState.ViewportOrg.Y + FDeviceOrigin.Y};
}

TRect TDeviceContext::LogicalToSurface(const TRect& ARect) const {
  const TPoint TopLeft = LogicalToSurface(ARect.TopLeft()),
               BottomRight = LogicalToSurface(ARect.BottomRight());
  return {TopLeft.X, TopLeft.Y, BottomRight.X, BottomRight.Y};
}

TPoint TDeviceContext::SurfaceToLogical(TPoint APoint) const {
  return {APoint.X + FState.WindowOrg.X - FState.ViewportOrg.X - FDeviceOrigin.X,
          APoint.Y + FState.WindowOrg.Y - FState.ViewportOrg.Y - FDeviceOrigin.Y};
}

TRect TDeviceContext::DeviceBounds() const {
  return Bounds(-FDeviceOrigin.X, -FDeviceOrigin.Y, Surface().Width, Surface().Height);
}

const TRegion& TDeviceContext::VisibleRegion() const {
  if (FVisibleIsStale) UpdateVisibleRegion();
  return FVisible;
}

void TDeviceContext::UpdateVisibleRegion() const {
  TRegion Visible(Rect(0, 0, Surface().Width, Surface().Height));
  if (FSystemClip) Visible = TRegion::Combine(Visible, *FSystemClip, roAnd);
  if (FState.Clip) {
    TRegion Clip = *FState.Clip;
    // A clip that cannot be moved into bitmap coordinates lies far outside the bitmap.
    if (!Clip.Offset(FDeviceOrigin.X, FDeviceOrigin.Y)) Clip = TRegion();
    Visible = TRegion::Combine(Visible, Clip, roAnd);
  }
  FVisible = std::move(Visible);
  FVisibleIsStale = false;
}

// Objects ---------------------------------------------------------------------------------

HDC CreateCompatibleDC(HDC) { return new TDeviceContext(OBJ_MEMDC); }

bool DeleteDC(HDC ADC) {
  if (!ADC) return false;
  delete ADC;
  return true;
}

HGDIOBJ SelectObject(HDC ADC, HGDIOBJ AObject) {
  if (!ADC || !AObject) return nullptr;
  switch (AObject->ObjectType()) {
    case OBJ_BITMAP:
      return ADC->SelectBitmap(static_cast<HBITMAP>(AObject));
    case OBJ_PEN:
      return ADC->SelectPen(static_cast<HPEN>(AObject));
    case OBJ_BRUSH:
      return ADC->SelectBrush(static_cast<HBRUSH>(AObject));
    case OBJ_FONT:
      return ADC->SelectFont(AObject);
    case OBJ_REGION:
      return reinterpret_cast<HGDIOBJ>(intptr_t(SelectClipRgn(ADC, static_cast<HRGN>(AObject))));
    default:
      return nullptr;
  }
}

HGDIOBJ GetCurrentObject(HDC ADC, unsigned AType) {
  if (!ADC) return nullptr;
  switch (AType) {
    case OBJ_BITMAP:
      return ADC->State().Bitmap;
    case OBJ_PEN:
      return ADC->State().Pen;
    case OBJ_BRUSH:
      return ADC->State().Brush;
    case OBJ_FONT:
      return ADC->State().Font;
    default:
      return nullptr;
  }
}

bool DeleteObject(HGDIOBJ AObject) {
  if (!AObject) return false;
  const TGdiObjectType Type = AObject->ObjectType();
  if (Type == OBJ_DC || Type == OBJ_MEMDC) return false;
  DeleteWhenUnused(AObject);
  return true;
}

void MarkStockObject(HGDIOBJ AObject) { MarkStock(AObject); }

unsigned GetObjectType(HGDIOBJ AObject) { return AObject ? unsigned(AObject->ObjectType()) : 0; }

namespace {

BITMAP DescribeBitmap(const TBitmapObject& ABitmap) {
  BITMAP Result;
  Result.bmWidth = ABitmap.Width();
  Result.bmHeight = ABitmap.Height();
  Result.bmWidthBytes = int32_t(ABitmap.RowBytes());
  Result.bmBitsPixel = uint16_t(ABitmap.StorageBits());
  Result.bmBits = ABitmap.IsDIBSection() ? ABitmap.Bits() : nullptr;
  return Result;
}

DIBSECTION DescribeDibSection(const TBitmapObject& ABitmap) {
  DIBSECTION Result;
  Result.dsBm = DescribeBitmap(ABitmap);
  Result.dsBmih.biWidth = ABitmap.Width();
  Result.dsBmih.biHeight = ABitmap.IsTopDown() ? -ABitmap.Height() : ABitmap.Height();
  Result.dsBmih.biBitCount = uint16_t(ABitmap.StorageBits());
  if (ABitmap.BitsPerPixel() == 16) {
    Result.dsBmih.biCompression = BI_BITFIELDS;
    std::copy(kMask565, kMask565 + 3, Result.dsBitfields);
  }
  if (ABitmap.BitsPerPixel() == 8) Result.dsBmih.biClrUsed = 256;
  Result.dsBmih.biSizeImage = uint32_t(ABitmap.RowBytes() * ABitmap.Height());
  return Result;
}

template <typename TRecord>
int CopyDescription(const TRecord& ARecord, int ASize, void* ABuffer) {
  if (!ABuffer) return int(sizeof(TRecord));
  if (ASize < int(sizeof(TRecord))) return 0;
  *static_cast<TRecord*>(ABuffer) = ARecord;
  return int(sizeof(TRecord));
}

}  // namespace

int GetObject(HGDIOBJ AObject, int ASize, void* ABuffer) {
  if (!AObject) return 0;
  switch (AObject->ObjectType()) {
    case OBJ_BITMAP: {
      const auto& Bitmap = *static_cast<HBITMAP>(AObject);
      if (Bitmap.IsDIBSection() && (!ABuffer || ASize >= int(sizeof(DIBSECTION))))
        return CopyDescription(DescribeDibSection(Bitmap), ASize, ABuffer);
      return CopyDescription(DescribeBitmap(Bitmap), ASize, ABuffer);
    }
    case OBJ_PEN: {
      const auto& Pen = *static_cast<HPEN>(AObject);
      return CopyDescription(LOGPEN{Pen.Style(), {Pen.Width(), 0}, Pen.Color()}, ASize, ABuffer);
    }
    case OBJ_BRUSH: {
      const auto& Brush = *static_cast<HBRUSH>(AObject);
      return CopyDescription(LOGBRUSH{Brush.Style(), Brush.Color(), 0}, ASize, ABuffer);
    }
    default:
      return 0;
  }
}

// State -------------------------------------------------------------------------------------

int SaveDC(HDC ADC) { return ADC ? ADC->SaveState() : 0; }
bool RestoreDC(HDC ADC, int ASavedDC) { return ADC && ADC->RestoreState(ASavedDC); }

bool SetViewportOrgEx(HDC ADC, int AX, int AY, POINT* AOldOrigin) {
  if (!ADC) return false;
  if (AOldOrigin) *AOldOrigin = ADC->State().ViewportOrg;
  ADC->SetViewportOrg({AX, AY});
  return true;
}

bool GetViewportOrgEx(HDC ADC, POINT* AOrigin) {
  if (!ADC || !AOrigin) return false;
  *AOrigin = ADC->State().ViewportOrg;
  return true;
}

bool SetWindowOrgEx(HDC ADC, int AX, int AY, POINT* AOldOrigin) {
  if (!ADC) return false;
  if (AOldOrigin) *AOldOrigin = ADC->State().WindowOrg;
  ADC->SetWindowOrg({AX, AY});
  return true;
}

bool GetWindowOrgEx(HDC ADC, POINT* AOrigin) {
  if (!ADC || !AOrigin) return false;
  *AOrigin = ADC->State().WindowOrg;
  return true;
}

COLORREF SetTextColor(HDC ADC, COLORREF AColor) {
  if (!ADC) return CLR_INVALID;
  const COLORREF Old = ADC->State().TextColor;
  ADC->SetTextColor(AColor);
  return Old;
}

COLORREF GetTextColor(HDC ADC) { return ADC ? ADC->State().TextColor : CLR_INVALID; }

COLORREF SetBkColor(HDC ADC, COLORREF AColor) {
  if (!ADC) return CLR_INVALID;
  const COLORREF Old = ADC->State().BkColor;
  ADC->SetBkColor(AColor);
  return Old;
}

COLORREF GetBkColor(HDC ADC) { return ADC ? ADC->State().BkColor : CLR_INVALID; }

int SetBkMode(HDC ADC, int AMode) {
  if (!ADC || (AMode != TRANSPARENT && AMode != OPAQUE)) return 0;
  const int Old = ADC->State().BkMode;
  ADC->SetBkMode(AMode);
  return Old;
}

int GetBkMode(HDC ADC) { return ADC ? ADC->State().BkMode : 0; }

int SetROP2(HDC ADC, int AMode) {
  if (!ADC || AMode < R2_BLACK || AMode > R2_WHITE) return 0;
  const int Old = ADC->State().Rop2;
  ADC->SetRop2(AMode);
  return Old;
}

int GetROP2(HDC ADC) { return ADC ? ADC->State().Rop2 : 0; }

int SetStretchBltMode(HDC ADC, int AMode) {
  if (!ADC || AMode < BLACKONWHITE || AMode > HALFTONE) return 0;
  const int Old = ADC->State().StretchMode;
  ADC->SetStretchMode(AMode);
  return Old;
}

int GetStretchBltMode(HDC ADC) { return ADC ? ADC->State().StretchMode : 0; }
