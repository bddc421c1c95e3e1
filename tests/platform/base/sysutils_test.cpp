#include "platform/base/sysutils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/base/exceptions.h"

namespace {

// Every test starts from the library's settings and leaves them that way.
class Conversions : public ::testing::Test {
 protected:
  void SetUp() override { DecimalSeparator = '.'; }
  void TearDown() override { DecimalSeparator = '.'; }
};

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST_F(Conversions, FloatToStrIsGeneralWithFifteenDigits) {
  const struct {
    double in;
    const char* out;
  } cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {1.5, "1.5"},
      {-0.5, "-0.5"},
      {100, "100"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {0.0001, "0.0001"},  // still fixed
      {0.00009, "9E-5"},   // below 0.0001 the exponent form starts
      {0.00001, "1E-5"},
      {0.00001234, "1.234E-5"},
      {123456789012345, "123456789012345"},
      {1e15, "1E15"},  // sixteen integer digits
      {1234567890123456, "1.23456789012346E15"},
      {1.5e20, "1.5E20"},
      {-2.5e-7, "-2.5E-7"},
      {123456789012344.5, "123456789012345"},  // a half rounds away from zero, not to even
      {std::nan(""), "NAN"},
      {kInf, "INF"},
      {-kInf, "-INF"},
  };
  for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.in), c.out) << c.out;
}

TEST_F(Conversions, FloatToStrFFixedRoundsHalvesAwayAndPadsZeros) {
  const struct {
    double in;
    int precision, digits;
    const char* out;
  } cases[] = {
      {0.125, 4, 2, "0.13"},  // exact half: away from zero
      {-0.125, 4, 2, "-0.13"},
      {2.675, 4, 2, "2.67"},  // the double lies below the half
      {0.25, 7, 1, "0.3"},
      {2.5, 4, 0, "3"},
      {0.5, 4, 0, "1"},
      {100.25, 4, 2, "100.30"},  // four significant digits, then zeros
      {3.5, 4, 3, "3.500"},
      {12.5, 5, 3, "12.500"},
      {1234.5678, 7, 4, "1234.5680"},
      {5, 4, 1, "5.0"},
      {2, 4, 0, "2"},
      {-10, 4, 1, "-10.0"},
      {12.345, 4, 1, "12.3"},  // rounded once, not 12.35 then 12.4
      {123.456, 4, 2, "123.50"},
      {0.001234, 4, 5, "0.00123"},
      {9.96, 4, 1, "10.0"},  // the carry adds an integer digit
      {0, 4, 2, "0.00"},
      {-0.0001, 4, 3, "0.000"},  // rounds to zero: no sign
      {-0.04, 4, 1, "0.0"},
      {-0.05, 4, 1, "-0.1"},
      {-0.4, 4, 0, "0"},
      {1e-30, 4, 2, "0.00"},
      {12345, 5, 0, "12345"},
      // More integer digits than the precision: general format instead.
      {123456, 4, 2, "1.235E5"},
      {-123456, 4, 2, "-1.235E5"},
      {9999.7, 4, 1, "1E4"},
      {1e20, 15, 2, "1E20"},
      {std::nan(""), 4, 2, "NAN"},
      {-kInf, 4, 2, "-INF"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FloatToStrF(c.in, ffFixed, c.precision, c.digits), c.out) << c.out;
  }
}

TEST_F(Conversions, FloatToStrFExponentAndGeneral) {
  const struct {
    double in;
    TFloatFormat format;
    int precision, digits;
    const char* out;
  } cases[] = {
      {1e-7, ffExponent, 2, 2, "1.0E-07"},   {5, ffExponent, 7, 2, "5.000000E+00"},
      {0, ffExponent, 3, 2, "0.00E+00"},     {-123456, ffExponent, 3, 0, "-1.23E+5"},
      {9.99, ffExponent, 2, 2, "1.0E+01"},   {-1e-9, ffExponent, 1, 1, "-1E-9"},
      {1.5e20, ffGeneral, 15, 3, "1.5E020"}, {1234.5, ffGeneral, 4, 0, "1235"},
      {12345, ffGeneral, 4, 0, "1.235E4"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FloatToStrF(c.in, c.format, c.precision, c.digits), c.out) << c.out;
  }
}

TEST_F(Conversions, FormatFloatPatterns) {
  const struct {
    const char* format;
    double in;
    const char* out;
  } cases[] = {
      {"0e-", 1000, "1e3"},
      {"0e-", 0.01, "1e-2"},
      {"0e-", 1, "1e0"},
      {"0e-", 9.6, "1e1"},  // the mantissa rounds up to 10
      {"0e-", 999.7, "1e3"},
      {"0e-", 2.5, "3e0"},  // half away from zero
      {"0e-", 0.25, "3e-1"},
      {"0e-", -0.05, "-5e-2"},
      {"0e-", 0, "0e0"},
      {"0e-", 1.5e-300, "2e-300"},
      {"0.00E+00", 12345, "1.23E+04"},
      {"0.00", 0.125, "0.13"},
      {"0.00", 1.005, "1.00"},  // the double lies below the half
      {"0.00", -0.001, "0.00"},
      {"#.##", 0.5, ".5"},
      {"0.0#", 1.5, "1.5"},
      {"0.0#", 1.257, "1.26"},
      {"000", 7, "007"},
      {"0", 1234.5, "1235"},
      {"x=0.0 V", 2.25, "x=2.3 V"},
      {"", 1.5e20, "1.5E20"},
      {"0e-", std::nan(""), "NAN"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatFloat(c.format, c.in), c.out) << c.format << " " << c.out;
}

TEST_F(Conversions, DecimalSeparatorSwitchesEveryConversion) {
  DecimalSeparator = ',';
  EXPECT_EQ(FloatToStr(1.5), "1,5");
  EXPECT_EQ(FloatToStr(1.5e-5), "1,5E-5");
  EXPECT_EQ(FloatToStrF(3.5, ffFixed, 4, 3), "3,500");
  EXPECT_EQ(FloatToStrF(5, ffExponent, 3, 2), "5,00E+00");
  EXPECT_EQ(FormatFloat("0.0", 2.25), "2,3");
  EXPECT_DOUBLE_EQ(StrToFloat("1,5"), 1.5);
  double v = 0;
  EXPECT_FALSE(TryStrToFloat("1.5", v));  // only the current separator counts
  DecimalSeparator = '.';
  EXPECT_EQ(FloatToStr(1.5), "1.5");
  EXPECT_DOUBLE_EQ(StrToFloat("1.5"), 1.5);
  EXPECT_FALSE(TryStrToFloat("1,5", v));
}

TEST_F(Conversions, IntToStrAndIntToHex) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-42), "-42");
  EXPECT_EQ(IntToStr(std::numeric_limits<int64_t>::max()), "9223372036854775807");
  const struct {
    int64_t in;
    int digits;
    const char* out;
  } cases[] = {
      {255, 2, "FF"},
      {255, 6, "0000FF"},
      {0x35, 6, "000035"},
      {0, 0, "0"},
      {0xABCDE, 2, "ABCDE"},  // more digits when needed
      {-1, 2, "FFFFFFFF"},    // negatives as 32-bit two's complement
      {-2, 4, "FFFFFFFE"},
      {-2147483648LL, 8, "80000000"},
      {4294967295LL, 8, "FFFFFFFF"},
      {0x123456789LL, 4, "123456789"},
  };
  for (const auto& c : cases) EXPECT_EQ(IntToHex(c.in, c.digits), c.out) << c.out;
}

TEST_F(Conversions, StrToIntReadsDecimalAndHex) {
  const struct {
    const char* in;
    int32_t out;
  } cases[] = {
      {"123", 123},
      {"  -45", -45},
      {"+7", 7},
      {"007", 7},
      {"$1F", 31},
      {"$ff", 255},
      {"-$10", -16},
      {"$FFFFFFFF", -1},
      {"2147483647", 2147483647},
      {"-2147483648", std::numeric_limits<int32_t>::min()},
  };
  for (const auto& c : cases) EXPECT_EQ(StrToInt(c.in), c.out) << c.in;
}

TEST_F(Conversions, StrToIntRejectsBadText) {
  const char* bad[] = {"",    " ",    "12a",        "12 ",         "1.5",        "$", "$G",
                       "- 5", "0x1F", "2147483648", "-2147483649", "$100000000", "+", "1e3"};
  for (const char* text : bad) {
    int32_t v = 99;
    EXPECT_FALSE(TryStrToInt(text, v)) << text;
    EXPECT_EQ(v, 99) << text;
    EXPECT_THROW(StrToInt(text), EConvertError) << text;
    EXPECT_EQ(StrToIntDef(text, -7), -7) << text;
  }
  try {
    StrToInt("abc");
    FAIL();
  } catch (const Exception& e) {  // callers catch the common base
    EXPECT_EQ(e.Message(), "'abc' is not a valid integer value");
  }
}

TEST_F(Conversions, StrToFloatReadsOnlyItsOwnGrammar) {
  const struct {
    const char* in;
    double out;
  } cases[] = {
      {" 1.5 ", 1.5}, {"-2", -2},        {"+.5", 0.5},    {"5.", 5},
      {"1e3", 1000},  {"1.5E-2", 0.015}, {"-1E+2", -100}, {"1e-400", 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(StrToFloat(c.in), c.out) << c.in;
  const char* bad[] = {"",      " ",   ".",   "1e",  "1e+",   "abc", "1.5.2", "1,5",
                       "1e999", "inf", "nan", "$10", "1 000", "--1", "e5"};
  for (const char* text : bad) {
    double v = 99;
    EXPECT_FALSE(TryStrToFloat(text, v)) << text;
    EXPECT_EQ(v, 99) << text;
    EXPECT_THROW(StrToFloat(text), EConvertError) << text;
  }
}

}  // namespace
