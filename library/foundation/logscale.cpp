#include <algorithm>
#include <cmath>
#include <string>

#include "library/foundation/helpers.h"
#include "platform/base/sysutils.h"
#include "platform/graphics/canvas.h"

namespace {

constexpr double kLog10E = 0.4342944;
constexpr double kLn10 = 2.302585;

std::string ScaleLabel(double Value) {
  return FloatToStrF(Value, ffFixed, 4, DecimalsFor(Value)).substr(0, 10);
}

}  // namespace

double DecadeStep(double X) {
  if (X < 0.01 || std::isnan(X)) return 0.001;
  if (X < 0.1) return 0.01;
  if (X < 1) return 0.1;
  if (X < 10) return 1;
  if (X < 100) return 10;
  if (X < 1000) return 100;
  if (X < 10000) return 1000;
  if (X < 100000) return 10000;
  return 100000;
}

double Log10Safe(double X) { return X > 0 ? std::log(X) * kLog10E : 0; }

double PowerOfTen(double X) { return std::exp(X * kLn10); }

int DecimalsFor(double X) {
  if (!std::isfinite(X) || X == std::trunc(X)) return 0;
  if (X < 0.01) return 3;
  if (X < 0.1) return 2;
  if (X < 1) return 1;
  return 0;
}

int ScaleTextWidth(TCanvas& Canvas, double V1, double V2) {
  return std::max(Canvas.TextWidth(ScaleLabel(V1)), Canvas.TextWidth(ScaleLabel(V2)));
}

namespace {

std::string DecadeExponent(double Value) {
  std::string exponent = FormatFloat("0e-", Value).substr(0, 10);
  exponent.erase(0, 2);
  return exponent;
}

// Runs Use with the canvas font made the exponent's, then sets the size back.
template <class F>
void WithExponentFont(TCanvas& Canvas, F&& Use) {
  const int saved_size = Canvas.Font()->Size();
  Canvas.Font()->SetHeight(std::abs(Canvas.Font()->Height() * 9 / 10));
  Use();
  Canvas.Font()->SetSize(saved_size);
}

}  // namespace

void DrawPowerOfTen(int X, int Y, TCanvas& Canvas, double Value) {
  Canvas.TextOut(X, Y, "10");
  const int base_width = Canvas.TextWidth("10");
  WithExponentFont(Canvas, [&] { Canvas.TextOut(X + base_width, Y - 3, DecadeExponent(Value)); });
}

void SetFontAfterPowerOfTen(TFont& Font) { Font.SetSize(Font.Size()); }

int PowerOfTenWidth(TCanvas& Canvas, double Value) {
  int width = Canvas.TextWidth("10");
  WithExponentFont(Canvas, [&] { width += Canvas.TextWidth(DecadeExponent(Value)); });
  return width;
}
