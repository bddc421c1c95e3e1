#pragma once
// Geometry of the curve component as plain data: the mapping between values and plot pixels on
// linear and logarithmic axes, the bands, plot and boxes inside the frame, and the scales' texts.
// Painting draws what these compute; tests read them without pixels.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/graphics/geometry.h"

// One axis of the plot. Pixel 0 shows Origin and pixel Pixels shows Far: for x the start and the
// end of the range, for y the end and the start (rows grow downwards).
struct TCurveAxis {
  bool Log = false;
  double Origin = 0;
  double Far = 1;
  // Logarithmic: where values at or below 0 go (a tenth of the range's start).
  double LogFloor = 0;
  int Pixels = 0;

  // Rounded half to even. A value whose pixel is no number or beyond the int range (a huge
  // value, an empty range) gives INT_MAX for a positive value, else INT_MIN.
  int ToPixel(double Value) const;
  // The value at a pixel (fractions allowed); Origin on an axis without pixels.
  double FromPixel(double Pixel) const;
};

// The linear or logarithmic axis of a range running from Start to End over Pixels pixels;
// Reversed for the y axis, whose pixel 0 shows End.
TCurveAxis MakeCurveAxis(bool Log, double Start, double End, int Pixels, bool Reversed);

// Where painting puts everything, from the frame's inner rectangle and the control's height.
struct TCurveLayout {
  int LeftBand = 0;    // width of the y-scale band
  int BottomBand = 0;  // height of the x-scale band
  int Tick = 0;        // length of the scale ticks
  TRect YBand, XBand, CaptionBand;
  TRect Plot;        // inside its sunken frame: the plot bitmap's place
  TRect CaptionBox;  // including its frame
  int FontSize = 0;  // of the scale labels
  int ReadoutRow = 0;
  std::array<TRect, 4> Readouts;  // including their frames
};
TCurveLayout LayoutCurve(const TRect& Inner, int Height);

// A linear scale of Parts + 1 labels: the unit text with its prefix, the factor applied and the
// label texts from the start of the range to its end.
struct TLinearScale {
  std::string UnitText;
  double Factor = 0;
  std::vector<std::string> Labels;
};
TLinearScale LinearScaleLabels(const std::string& UnitName, double Start, double End, int Parts);

// The pixel of the value 0 on a linear axis when it lies in 1 .. Limit - 1, else nothing.
std::optional<int> ZeroLinePixel(const TCurveAxis& Axis, int Limit);

// The decades of a logarithmic range: the values Start * 10^k, k = 0..Round(decades).
std::vector<double> LogDecades(double Start, double End);
