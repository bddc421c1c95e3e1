#include "programs/curves/engineering.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/base/sysutils.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// The curve readouts drop trailing zeros, the logic readouts keep them.
struct Case {
  double value;
  const char* unit;
  const char* curve;  // engineering, trailing zeros removed
  const char* logic;  // engineering, trailing zeros kept
};

}  // namespace

TEST(FormatEngineering, PrefixesAndDecimalsByExponent) {
  const Case cases[] = {
      {0.001234, "V", "1.234mV", "1.234mV"},
      {0.00005, "Sec", "50.0uSec", "50.00uSec"},
      {12345, "Hz", "12.3kHz", "12.3kHz"},  // rounded once, not 12.35 -> 12.4
      {123456, "Hz", "123.5kHz", "123.50kHz"},
      {1e20, "Hz", "0.0Hz", "0.00Hz"},   // beyond the table: shown as 0
      {-1e20, "Hz", "0.0Hz", "0.00Hz"},  // without a sign
      {1e-16, "V", "0.0V", "0.0V"},
      {1.5e-15, "F", "1.5fF", "1.500fF"},
      {2.5e14, "B", "250.0TB", "250.00TB"},
      {1, "V", "1.0V", "1.000V"},
      {1.25, "V", "1.25V", "1.250V"},
      {47.11, "V", "47.1V", "47.1V"},
      {3.3e6, "Ohm", "3.3MOhm", "3.300MOhm"},
      {2.2e-9, "F", "2.2nF", "2.200nF"},
      {6.8e-11, "F", "68.0pF", "68.00pF"},
      {7e9, "Hz", "7.0GHz", "7.000GHz"},
      {0.25, "s", "250.0ms", "250.0ms"},  // exponent -1: one decimal
      {1234.5678, "m", "1.235km", "1.235km"},
      // The exponent comes from the one-digit mantissa, so values next to a prefix boundary
      // already take the next prefix.
      {999.7, "V", "1.0kV", "1.000kV"},
      {999.4, "V", "0.999kV", "0.999kV"},
      {949.9, "V", "949.9V", "949.90V"},
      {9.5, "V", "9.5V", "9.5V"},
      {9.4, "V", "9.4V", "9.400V"},
      {9.96, "V", "10.0V", "10.0V"},
      {0.000999, "s", "0.999ms", "0.999ms"},
      {0.00096, "s", "0.96ms", "0.960ms"},
      {0.00094, "s", "940.0us", "940.0us"},
      // Negative values and zero.
      {-0.001234, "V", "-1.234mV", "-1.234mV"},
      {-999.7, "V", "-1.0kV", "-1.000kV"},
      {-9.5, "V", "-9.5V", "-9.5V"},
      {-0.00005, "Sec", "-50.0uSec", "-50.00uSec"},
      {0, "V", "0.0V", "0.000V"},
      {-0.0, "V", "0.0V", "0.000V"},
      {0, "", "0.0", "0.000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatEngineering(c.unit, true, false, c.value), c.curve) << c.value;
    EXPECT_EQ(FormatEngineering(c.unit, true, true, c.value), c.logic) << c.value;
  }
}

TEST(FormatEngineering, WithoutEngineeringDecimals) {
  EXPECT_EQ(FormatEngineering("Hz", false, false, 12345), "12kHz");
  EXPECT_EQ(FormatEngineering("Hz", false, true, 123456), "123kHz");
  EXPECT_EQ(FormatEngineering("V", false, false, 0.0015), "2mV");  // halves away from zero
  EXPECT_EQ(FormatEngineering("V", false, false, -7.6), "-8V");
}

TEST(FormatEngineering, NoNumberGivesATextInsteadOfFailing) {
  EXPECT_EQ(FormatEngineering("V", true, false, std::nan("")), "NANV");
  EXPECT_EQ(FormatEngineering("Sec", true, true, kInf), "INFSec");
  EXPECT_EQ(FormatEngineering("Sec", true, true, -kInf), "-INFSec");
}

TEST(FormatEngineering, FollowsTheDecimalSeparator) {
  const char saved = DecimalSeparator;
  DecimalSeparator = ',';
  EXPECT_EQ(FormatEngineering("Sec", true, false, 0.00005), "50,0uSec");
  EXPECT_EQ(FormatEngineering("V", true, false, 1.2), "1,2V");
  DecimalSeparator = saved;
}

TEST(AxisUnitPrefix, ChoosesByTheLargerEnd) {
  const struct {
    double a, b, factor;
    const char* text;
  } cases[] = {
      {0, 0.5, 1000, "mVolt"},     {0, 200, 1, "Volt"},          {-5000, 10, 0.001, "kVolt"},
      {10, -5000, 0.001, "kVolt"}, {0, 999.7, 0.001, "kVolt"},   {0, 0, 1, "Volt"},
      {1e-9, 5e-9, 1e9, "nVolt"},  {0, 1e15, 0, "Volt"},          // beyond the table
      {0, 1e-16, 0, "Volt"},       {0, std::nan(""), 0, "Volt"},  // no number: no scale
      {-kInf, 1, 0, "Volt"},
  };
  for (const auto& c : cases) {
    const TAxisUnit u = AxisUnitPrefix("Volt", c.a, c.b);
    EXPECT_EQ(u.Factor, c.factor) << c.a << ".." << c.b;
    EXPECT_EQ(u.Text, c.text) << c.a << ".." << c.b;
  }
}

TEST(MagnitudeDecimals, ByMagnitude) {
  const struct {
    double value;
    int decimals;
  } cases[] = {
      {0.05, 3}, {-7, 1}, {10, 0},   {0, 0},    {0.005, 4}, {0.01, 3},         {0.1, 2},
      {0.5, 2},  {1, 1},  {9.99, 1}, {-0.2, 2}, {1e300, 0}, {std::nan(""), 0}, {kInf, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(MagnitudeDecimals(c.value), c.decimals) << c.value;
}
