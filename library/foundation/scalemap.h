#pragma once
// The scale map: the value scale every instrument and input control shares: the clamps of the range
// setters, the repair of a logarithmic range, and the mapping of a value onto a straight scale
// (pixels) or a round one (degrees). Pure arithmetic: nothing here draws or knows a component.
//
// Divisors that stored data can make zero (a range of no width, a logarithmic range inside one
// decade) are guarded: such a scale maps every value onto its start.

#include <string>

// Range setter clamps, B being the class's range bound. The start stays at or above -B and
// below End (a value at or above End becomes End - 1); the end stays above Start (a value at or
// below Start becomes Start + 1) and at or below B. With NonLinear the result is snapped to the
// decade at or below it (DecadeStep).
double ClampRangeStart(double V, double End, double Bound, bool NonLinear);
double ClampRangeEnd(double V, double Start, double Bound, bool NonLinear);

// The setters of the ends of a linear range without a bound: after DropOrStoreRead each end is
// kept on its side of the other by the clamps above. True when the end changed.
bool SetRangeStart(double& Start, double Value, double End, bool Reading);
bool SetRangeEnd(double& End, double Value, double Start, bool Reading);

// What a logarithmic scale keeps of a value or a range start V: one at or below 0 becomes 0.001.
double LogScaleValue(double V);

// Steps 1 to 4 of the logarithmic repair, applied in place: a non-positive Value or Start becomes
// 0.001, an End at or below Start becomes 100 * Start, an End above 1000 becomes 1000. The caller
// then runs its own range setters (they snap both ends to decades) and calls FinishLogRange.
void RepairLogRange(double& Value, double& Start, double& End);

// Last step of the repair: when snapping let End fall onto Start, End becomes 100 * Start (at
// most 1000), so the range keeps at least one decade. Returns true when it changed End.
bool KeepLogSpan(double Start, double& End);

// One value scale: the range ends, linear or logarithmic, and the cached logarithms of the ends
// (refreshed by the owner with CacheLogs whenever NonLinear is on and an end may have changed).
struct TScaleRange {
  double Start = 0;
  double End = 100;
  bool NonLinear = false;
  double LogStart = 0;
  double LogEnd = 0;

  void CacheLogs();

  // Degrees from the scale start to V on a round scale whose whole length is SignedSweep degrees
  // (negative when the scale runs counter-clockwise). V is not limited to the range.
  double Angle(double V, double SignedSweep) const;

  // Pixel of V on a straight scale of L pixels whose origin end lies at P0. FromEnd puts the
  // origin at End (a vertical scale counting down from its top). Linear scales work in integer
  // hundredths of the value unit and truncate; logarithmic ones round. Only values inside the
  // range are meant to be mapped; others give pixels beyond the scale.
  int Pixel(double V, bool FromEnd, int P0, int L) const;

  // The inverse on a straight travel: the value of a point at Distance pixels from the low end
  // of a travel of Length pixels. A travel of no length gives the scale's start.
  double TravelValue(int Distance, int Length) const;

  // Number of decades of a logarithmic scale, at least 1.
  int Decades() const;
};

// Position of a point Distance pixels from the low end of a travel of Length pixels among
// ScalaPart + 1 positions (not limited); 0 on a travel of no length.
int TravelPosition(int ScalaPart, int Distance, int Length);

// Text of a scale label: "0" for exactly zero, else fixed-point with 4 significant digits and
// Decimals decimals, of which a second decimal '0' is dropped ("2.50" -> "2.5", "1.25" stays).
std::string ScaleLabelText(double V, int Decimals);

// Label decimals by the width R of the range: 2 below TwoBelow, 1 below OneBelow, else 0.
int ScaleLabelDecimals(double R, double TwoBelow, double OneBelow);
