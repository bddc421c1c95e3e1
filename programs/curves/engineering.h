#pragma once
// Engineering number texts of the curve and logic programs: values written with an SI prefix
// letter, and the prefix and decimals of a linear axis. All of them look at the decimal exponent
// of a value printed with one rounded mantissa digit ("0e-": 999.7 has the exponent 3).

#include <string>

// Value scaled to its prefix (f p n u m - k M G T for exponents -15..14; beyond those the value
// shows as 0), written with 4 significant digits and |exponent| mod 3 decimals (3 for a remainder
// of 0) when `engineering`, else none; without `keep_zeros` trailing zeros of 2 or 3 decimals go,
// but never the one right after the decimal separator. Then prefix and unit, no blank between:
// 0.00005 "Sec" -> "50.00uSec" (keep_zeros) or "50.0uSec". A value that is no finite number is
// written as the float-to-text conversion does ("NAN", "INF", "-INF") before the unit.
std::string FormatEngineering(const std::string& UnitName, bool Engineering, bool KeepZeros,
                              double Value);

// Scale factor and unit text of an axis running from a to b: the prefix of the larger magnitude
// of the two ends before the unit name; factor 0 and no prefix outside the prefix table (and for
// ends that are no finite numbers).
struct TAxisUnit {
  double Factor = 0;
  std::string Text;
};
TAxisUnit AxisUnitPrefix(const std::string& UnitName, double A, double B);

// Decimals of an axis label: 0 for 0, 4 below 0.01, 3 below 0.1, 2 below 1, 1 below 10, else 0.
int MagnitudeDecimals(double Value);
