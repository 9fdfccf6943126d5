// The picture sheet and the helpers of the element records.

#include <algorithm>

#include "resources/skin-new/SkinNewBuildInternal.h"

namespace skin_new {

namespace {
constexpr int SheetGap = 2;
constexpr int SheetMaxHeight = 1024;
}  // namespace

TSkinNewSheet::TSkinNewSheet(int AMaxWidth) {
  FBitmap.SetSize(AMaxWidth, SheetMaxHeight);
  FBitmap.Clear(ColorToPixel(palette::Background));
}

TRect TSkinNewSheet::Place(int AWidth, int AHeight) {
  if (FX > 0 && FX + AWidth > FBitmap.Width()) NewRow();
  const TRect Result = Bounds(FX, FY, AWidth, AHeight);
  FX += AWidth + SheetGap;
  FRowHeight = std::max(FRowHeight, AHeight);
  FUsedWidth = std::max(FUsedWidth, Result.Right);
  return Result;
}

void TSkinNewSheet::NewRow() {
  FY += FRowHeight + SheetGap;
  FX = 0;
  FRowHeight = 0;
}

int TSkinNewSheet::Finish(TSkinNew& ASkin, const String& AFileName) {
  TspBitmap Picture;
  Picture.SetSize(FUsedWidth, FY + FRowHeight);
  FBitmap.Draw(Picture, 0, 0, Rect(0, 0, Picture.Width(), Picture.Height()));
  return ASkin.AddPicture(AFileName, Picture);
}

TPointF CentreOf(const TRect& ARect) {
  return {(ARect.Left + ARect.Right) / 2.0, (ARect.Top + ARect.Bottom) / 2.0};
}

TRect LocalRect(const TRect& ARect) { return Rect(0, 0, ARect.Width(), ARect.Height()); }

TRect Shrunk(const TRect& ARect, int ADX, int ADY) {
  return Rect(ARect.Left + ADX, ARect.Top + ADY, ARect.Right - ADX, ARect.Bottom - ADY);
}

void SetNinePartEdges(TspDataSkinCustomControl& ARecord, const TRect& ASkinRect, const TRect& AEdges) {
  const int W = ASkinRect.Width(), H = ASkinRect.Height();
  ARecord.SkinRect = ASkinRect;
  ARecord.ClRect = Rect(AEdges.Left, AEdges.Top, W - AEdges.Right, H - AEdges.Bottom);
  ARecord.LTPoint = {ARecord.ClRect.Left, ARecord.ClRect.Top};
  ARecord.RTPoint = {ARecord.ClRect.Right, ARecord.ClRect.Top};
  ARecord.LBPoint = {ARecord.ClRect.Left, ARecord.ClRect.Bottom};
  ARecord.RBPoint = {ARecord.ClRect.Right, ARecord.ClRect.Bottom};
}

void SetNinePart(TspDataSkinCustomControl& ARecord, const TRect& ASkinRect, int ACornerX, int ACornerY) {
  SetNinePartEdges(ARecord, ASkinRect, Rect(ACornerX, ACornerY, ACornerX, ACornerY));
}

void SetNinePart(TspDataSkinCustomControl& ARecord, const TRect& ASkinRect, int ACorner) {
  SetNinePart(ARecord, ASkinRect, ACorner, ACorner);
}

}  // namespace skin_new
