// Coverage of a pixel is 0.5 minus the signed distance of its centre to the shape's
// edge, clamped to 0..1: a pixel whose centre lies half a pixel inside is covered.

#include "resources/skin-new/SkinNewPainter.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace skin_new {

namespace {

double PainterClampUnit(double AValue) { return std::clamp(AValue, 0.0, 1.0); }

// The signed distance of (AX, AY) to a rectangle with rounded corners, negative inside.
double RoundRectDistance(const TRect& ARect, TCornerRadii ARadii, double AX, double AY) {
  const double HalfWidth = ARect.Width() / 2.0, HalfHeight = ARect.Height() / 2.0;
  const double CentreX = ARect.Left + HalfWidth, CentreY = ARect.Top + HalfHeight;
  const double Radius = std::min({AY < CentreY ? ARadii.Top : ARadii.Bottom, HalfWidth, HalfHeight});
  const double QX = std::abs(AX - CentreX) - (HalfWidth - Radius);
  const double QY = std::abs(AY - CentreY) - (HalfHeight - Radius);
  const double Outside = std::hypot(std::max(QX, 0.0), std::max(QY, 0.0));
  return Outside + std::min(std::max(QX, QY), 0.0) - Radius;
}

double RoundRectCoverage(const TRect& ARect, TCornerRadii ARadii, double AX, double AY) {
  return PainterClampUnit(0.5 - RoundRectDistance(ARect, ARadii, AX, AY));
}

double SegmentDistance(TPointF A, TPointF B, double AX, double AY) {
  const double DX = B.X - A.X, DY = B.Y - A.Y;
  const double Length2 = DX * DX + DY * DY;
  const double T = Length2 > 0 ? PainterClampUnit(((AX - A.X) * DX + (AY - A.Y) * DY) / Length2) : 0.0;
  return std::hypot(AX - (A.X + T * DX), AY - (A.Y + T * DY));
}

TRect PainterBoundsOf(double ALeft, double ATop, double ARight, double ABottom) {
  return Rect(int(std::floor(ALeft)) - 1, int(std::floor(ATop)) - 1, int(std::ceil(ARight)) + 1,
              int(std::ceil(ABottom)) + 1);
}

}  // namespace

template <typename TCoverage>
void TSkinNewPainter::Blend(const TRect& ABounds, TColor AColor, TCoverage&& ACoverage) {
  const TspColor Source = ColorToPixel(AColor);
  const int Left = std::max(ABounds.Left, 0), Right = std::min(ABounds.Right, FTarget.Width());
  const int Top = std::max(ABounds.Top, 0), Bottom = std::min(ABounds.Bottom, FTarget.Height());
  for (int Y = Top; Y < Bottom; ++Y) {
    TspColor* Row = FTarget.GetScanLinePtr(Y);
    for (int X = Left; X < Right; ++X) {
      const double Coverage = ACoverage(X + 0.5, Y + 0.5);
      if (Coverage <= 0) continue;
      const TspColor Dest = Row[X];
      TspColor Result = 0xFF000000;
      for (int Shift = 0; Shift < 24; Shift += 8) {
        const double Channel =
            ((Source >> Shift) & 0xFF) * Coverage + ((Dest >> Shift) & 0xFF) * (1 - Coverage);
        Result |= TspColor(std::lround(Channel)) << Shift;
      }
      Row[X] = Result;
    }
  }
}

void TSkinNewPainter::Fill(const TRect& ARect, TColor AColor) {
  FTarget.FillRect(ARect, ColorToPixel(AColor));
}

void TSkinNewPainter::FillRoundRect(const TRect& ARect, TCornerRadii ARadii, TColor AColor) {
  Blend(ARect, AColor, [&](double AX, double AY) { return RoundRectCoverage(ARect, ARadii, AX, AY); });
}

void TSkinNewPainter::FrameRoundRect(const TRect& ARect, double ARadius, double AWidth, TColor AColor) {
  const int Inset = int(AWidth);
  const TRect Inner = Rect(ARect.Left + Inset, ARect.Top + Inset, ARect.Right - Inset, ARect.Bottom - Inset);
  const double InnerRadius = std::max(ARadius - AWidth, 0.0);
  Blend(ARect, AColor, [&](double AX, double AY) {
    return RoundRectCoverage(ARect, {ARadius, ARadius}, AX, AY) -
           RoundRectCoverage(Inner, {InnerRadius, InnerRadius}, AX, AY);
  });
}

void TSkinNewPainter::Box(const TRect& ARect, double ARadius, TColor AFill, TColor ABorder) {
  FillRoundRect(ARect, ARadius, ABorder);
  FillRoundRect(Rect(ARect.Left + 1, ARect.Top + 1, ARect.Right - 1, ARect.Bottom - 1),
                std::max(ARadius - 1, 0.0), AFill);
}

void TSkinNewPainter::FillCircle(TPointF ACentre, double ARadius, TColor AColor) {
  Blend(PainterBoundsOf(ACentre.X - ARadius, ACentre.Y - ARadius, ACentre.X + ARadius, ACentre.Y + ARadius),
        AColor, [&](double AX, double AY) {
          return PainterClampUnit(0.5 - (std::hypot(AX - ACentre.X, AY - ACentre.Y) - ARadius));
        });
}

void TSkinNewPainter::Stroke(std::initializer_list<TPointF> APoints, double AWidth, TColor AColor) {
  const std::vector<TPointF> Points(APoints);
  if (Points.empty()) return;
  double Left = Points[0].X, Right = Left, Top = Points[0].Y, Bottom = Top;
  for (const TPointF& P : Points) {
    Left = std::min(Left, P.X), Right = std::max(Right, P.X);
    Top = std::min(Top, P.Y), Bottom = std::max(Bottom, P.Y);
  }
  const double Half = AWidth / 2;
  Blend(PainterBoundsOf(Left - Half, Top - Half, Right + Half, Bottom + Half), AColor,
        [&](double AX, double AY) {
          double Distance = SegmentDistance(Points[0], Points[0], AX, AY);
          for (size_t I = 1; I < Points.size(); ++I)
            Distance = std::min(Distance, SegmentDistance(Points[I - 1], Points[I], AX, AY));
          return PainterClampUnit(0.5 - (Distance - Half));
        });
}

void TSkinNewPainter::SetOutside(const TRect& ARect, double ARadius, TColor AColor) {
  const TspColor Key = ColorToPixel(AColor);
  for (int Y = ARect.Top; Y < ARect.Bottom; ++Y)
    for (int X = ARect.Left; X < ARect.Right; ++X)
      if (RoundRectDistance(ARect, {ARadius, ARadius}, X + 0.5, Y + 0.5) >= 0.5) FTarget.SetPixel(X, Y, Key);
}

void TSkinNewPainter::Replace(const TRect& ARect, TColor AFrom, TColor ATo) {
  const TspColor From = ColorToPixel(AFrom), To = ColorToPixel(ATo);
  for (int Y = ARect.Top; Y < ARect.Bottom; ++Y)
    for (int X = ARect.Left; X < ARect.Right; ++X)
      if (FTarget.GetPixel(X, Y) == From) FTarget.SetPixel(X, Y, To);
}

}  // namespace skin_new
