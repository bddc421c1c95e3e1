#include "programs/curves/engineering.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/base/sysutils.h"

namespace {

struct TPrefix {
  const char* letter;
  double factor;
};

// By decimal exponent in steps of three, from -15 up to 14.
constexpr TPrefix kPrefixes[] = {
    {"f", 1e15}, {"p", 1e12}, {"n", 1e9},  {"u", 1e6},  {"m", 1e3},
    {"", 1},     {"k", 1e-3}, {"M", 1e-6}, {"G", 1e-9}, {"T", 1e-12},
};
constexpr int kLowestExponent = -15;
constexpr int kHighestExponent = 14;

// Exponent of a finite value as printed with one rounded mantissa digit.
int DecimalExponent(double X) {
  const std::string text = FormatFloat("0e-", X);
  int32_t e = 0;
  const auto pos = text.find('e');
  if (pos == std::string::npos || !TryStrToInt(text.substr(pos + 1), e)) return 0;
  return e;
}

TPrefix PrefixOf(int E) {
  if (E < kLowestExponent || E > kHighestExponent) return {"", 0};
  return kPrefixes[(E - kLowestExponent) / 3];
}

}  // namespace

std::string FormatEngineering(const std::string& UnitName, bool Engineering, bool KeepZeros,
                              double Value) {
  if (!std::isfinite(Value)) return FloatToStr(Value) + UnitName;
  const int e = DecimalExponent(Value);
  const TPrefix prefix = PrefixOf(e);
  // Outside the table the factor 0 shows the value as zero; keep a negative one from printing "-0".
  const double v = prefix.factor == 0 ? 0.0 : Value * prefix.factor;
  int decimals = 0;
  if (Engineering) {
    decimals = std::abs(e) % 3;
    if (decimals == 0) decimals = 3;
  }
  std::string text = FloatToStrF(v, ffFixed, 4, decimals);
  if (decimals > 1 && !KeepZeros) {
    const auto sep = text.find(DecimalSeparator);
    if (sep != std::string::npos) {
      while (text.size() > sep + 2 && text.back() == '0') text.pop_back();
    }
  }
  return text + prefix.letter + UnitName;
}

TAxisUnit AxisUnitPrefix(const std::string& UnitName, double A, double B) {
  const double m = std::max(std::fabs(A), std::fabs(B));
  if (!std::isfinite(m) || std::isnan(A) || std::isnan(B)) return {0, UnitName};
  const TPrefix prefix = PrefixOf(DecimalExponent(m));
  return {prefix.factor, prefix.letter + UnitName};
}

int MagnitudeDecimals(double Value) {
  const double x = std::fabs(Value);
  if (x == 0) return 0;
  if (x < 0.01) return 4;
  if (x < 0.1) return 3;
  if (x < 1) return 2;
  if (x < 10) return 1;
  return 0;
}
