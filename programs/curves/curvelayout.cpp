#include "programs/curves/curvelayout.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "library/foundation/helpers.h"
#include "platform/base/numbers.h"
#include "platform/base/sysutils.h"
#include "programs/curves/engineering.h"

namespace {

double AxisTransform(const TCurveAxis& A, double V) {
  if (!A.Log) return V;
  return Log10Safe(V > 0 ? V : A.LogFloor);
}

// Fixed-point with 3 significant digits and the magnitude's decimals; trailing zeros of two or
// more decimals go, but never the one right after the point.
std::string ScaleLabelText(double V) {
  if (std::fabs(V) < 0.01) V = 0;
  const int decimals = MagnitudeDecimals(V);
  std::string s = FloatToStrF(V, ffFixed, 3, decimals);
  if (decimals > 1 && s.find(DecimalSeparator) != std::string::npos) {
    const size_t point = s.find(DecimalSeparator);
    while (s.size() > point + 2 && s.back() == '0') s.pop_back();
  }
  return s;
}

}  // namespace

int TCurveAxis::ToPixel(double Value) const {
  const double o = AxisTransform(*this, Origin);
  const double f = AxisTransform(*this, Far);
  const double p = (AxisTransform(*this, Value) - o) * Pixels / (f - o);
  if (!std::isfinite(p) || std::fabs(p) > double(INT_MAX)) return Value > 0 ? INT_MAX : INT_MIN;
  return static_cast<int>(Round(p));
}

double TCurveAxis::FromPixel(double Pixel) const {
  if (Pixels <= 0) return Origin;
  if (!Log) return Origin + (Far - Origin) * Pixel / Pixels;
  const double o = AxisTransform(*this, Origin);
  const double f = AxisTransform(*this, Far);
  return PowerOfTen(o + Pixel / Pixels * (f - o));
}

TCurveAxis MakeCurveAxis(bool Log, double Start, double End, int Pixels, bool Reversed) {
  TCurveAxis a;
  a.Log = Log;
  a.Origin = Reversed ? End : Start;
  a.Far = Reversed ? Start : End;
  a.LogFloor = Start * 0.1;
  a.Pixels = Pixels;
  return a;
}

TCurveLayout LayoutCurve(const TRect& I, int Height) {
  TCurveLayout l;
  l.LeftBand = std::clamp(Height / 8, 25, 35);
  l.BottomBand = std::clamp(Height / 8, 30, 40);
  const int b = l.LeftBand, a = l.BottomBand;
  const int right = I.Right - 3;
  l.YBand = Rect(I.Left, I.Top, I.Left + b + 2, I.Bottom);
  l.XBand = Rect(I.Left + b + 2, I.Bottom - a + 2, right, I.Bottom);
  l.CaptionBand = Rect(I.Left + b + 2, I.Top, right, I.Top + 23);
  l.Plot = Rect(I.Left + b + 2, I.Top + 23, right, I.Bottom - a);
  InflateRect(l.Plot, -2, -2);  // the sunken frame around it
  l.Tick = b / 4;

  const int third = l.CaptionBand.Width() / 3;
  l.CaptionBox = Rect(l.Plot.Left + third, l.CaptionBand.Top + 1, 0, l.CaptionBand.Bottom - 4);
  l.CaptionBox.Right = l.CaptionBox.Left + third;

  l.FontSize = (a - 2) * 26 / 100;  // of the band before its top moves down
  const int font_height = -MulDiv(l.FontSize, 96, 72);
  const int e = std::abs(font_height * 13 / 10);
  l.ReadoutRow = I.Bottom - e;
  const int fifth = (I.Right - I.Left) / 5;
  int left = I.Left;
  for (TRect& box : l.Readouts) {
    box = Rect(left, l.ReadoutRow - 2, left + fifth, l.ReadoutRow - 2 + e + 1);
    left = box.Right + 1;
  }
  return l;
}

TLinearScale LinearScaleLabels(const std::string& UnitName, double Start, double End, int Parts) {
  TLinearScale s;
  const TAxisUnit unit = AxisUnitPrefix(UnitName, Start, End);
  s.UnitText = unit.Text;
  s.Factor = unit.Factor;
  const double span = End - Start;
  for (int i = 0; i <= Parts; ++i) {
    s.Labels.push_back(ScaleLabelText((Start + i * span / Parts) * s.Factor));
  }
  return s;
}

std::optional<int> ZeroLinePixel(const TCurveAxis& Axis, int Limit) {
  if (Axis.Log) return std::nullopt;
  const int p = Axis.ToPixel(0);
  if (p < 1 || p > Limit - 1) return std::nullopt;
  return p;
}

std::vector<double> LogDecades(double Start, double End) {
  std::vector<double> out;
  const int64_t n = Round(Log10Safe(End) - Log10Safe(Start));
  double s = Start;
  for (int64_t k = 0; k <= n && k <= 20; ++k) {
    out.push_back(s);
    s *= 10;
  }
  return out;
}
