#include "library/foundation/scalemap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct ClampCase {
  double v;
  double other;  // the opposite end of the range
  double bound;
  bool log;
  double expected;
};

TEST(RangeClamp, StartStaysBelowEndAndAboveMinusBound) {
  const ClampCase cases[] = {
      {20, 100, 1000, false, 20},       {60, 50, 1000, false, 49},
      {5000, 100, 1000, false, 99},     {100, 100, 1000, false, 99},
      {-5000, 100, 1000, false, -1000}, {-10000, 50, 9999, false, -9999},
      {20, 100, 1000, true, 10},        {0.05, 10, 1000, true, 0.01},
      {150, 100, 1000, true, 10},       {-3, 100, 1000, true, 0.001},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(ClampRangeStart(c.v, c.other, c.bound, c.log), c.expected)
        << "v=" << c.v << " end=" << c.other << " log=" << c.log;
  }
}

TEST(RangeClamp, EndStaysAboveStartAndAtMostBound) {
  const ClampCase cases[] = {
      {50, 0, 1000, false, 50},
      {3, 5, 1000, false, 6},
      {0, 0, 1000, false, 1},
      {2000, 0, 1000, false, 1000},
      {20000, 0, 9999, false, 9999},
      {50, 0.001, 1000, true, 10},
      {1000, 0.001, 1000, true, 1000},
      // Snapping can drop the end onto the start; the logarithmic repair mends that.
      {0.005, 0.001, 1000, true, 0.001},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(ClampRangeEnd(c.v, c.other, c.bound, c.log), c.expected)
        << "v=" << c.v << " start=" << c.other << " log=" << c.log;
  }
}

TEST(LogRepair, DefaultLinearRangeBecomesFourDecades) {
  double value = 0, start = 0, end = 50;
  RepairLogRange(value, start, end);
  start = ClampRangeStart(start, end, 1000, true);
  end = ClampRangeEnd(end, start, 1000, true);
  EXPECT_FALSE(KeepLogSpan(start, end));
  EXPECT_DOUBLE_EQ(value, 0.001);
  EXPECT_DOUBLE_EQ(start, 0.001);
  EXPECT_DOUBLE_EQ(end, 10);
}

TEST(LogRepair, Steps) {
  struct Case {
    double value, start, end;
    double value_out, start_out, end_out;
  } const cases[] = {
      {5, 2, 1, 5, 2, 200},      // end below start: a hundred times the start
      {5, 2, 5000, 5, 2, 1000},  // capped at 1000 whatever the linear bound
      {-1, -4, 100, 0.001, 0.001, 100},
      {3, 1, 10, 3, 1, 10},
  };
  for (const auto& c : cases) {
    double v = c.value, s = c.start, e = c.end;
    RepairLogRange(v, s, e);
    EXPECT_DOUBLE_EQ(v, c.value_out);
    EXPECT_DOUBLE_EQ(s, c.start_out);
    EXPECT_DOUBLE_EQ(e, c.end_out);
  }
}

TEST(LogRepair, CollapsedSpanGetsTwoDecades) {
  double end = 0.001;
  EXPECT_TRUE(KeepLogSpan(0.001, end));
  EXPECT_DOUBLE_EQ(end, 0.1);
  end = 100;
  EXPECT_TRUE(KeepLogSpan(100, end));
  EXPECT_DOUBLE_EQ(end, 1000);
}

TScaleRange Linear(double start, double end) {
  TScaleRange r;
  r.Start = start;
  r.End = end;
  return r;
}

TScaleRange Log(double start, double end) {
  TScaleRange r = Linear(start, end);
  r.NonLinear = true;
  r.CacheLogs();
  return r;
}

TEST(ScalePixel, LinearFromStartAndFromEnd) {
  struct Case {
    TScaleRange range;
    double v;
    bool from_end;
    int p0, length, expected;
  } const cases[] = {
      {Linear(0, 50), 0, false, 10, 200, 10},
      {Linear(0, 50), 50, false, 10, 200, 210},
      {Linear(0, 50), 25, false, 10, 200, 110},
      {Linear(0, 50), 10.01, false, 10, 200, 50},  // 1001 hundredths * 200 div 5000 = 40
      {Linear(0, 50), 50, true, 10, 200, 10},
      {Linear(0, 50), 0, true, 10, 200, 210},
      {Linear(0, 50), 40, true, 10, 200, 50},
      {Linear(-20, 20), 0, false, 0, 99, 49},  // truncates
      // 1999800 hundredths times 2000 pixels needs more than 32 bits.
      {Linear(-9999, 9999), 9999, false, 5, 2000, 2005},
      {Linear(-9999, 9999), 0, false, 5, 2000, 1005},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.range.Pixel(c.v, c.from_end, c.p0, c.length), c.expected)
        << c.range.Start << ".." << c.range.End << " v=" << c.v << " from_end=" << c.from_end;
  }
}

TEST(ScalePixel, LogarithmicDecadesAreEven) {
  const TScaleRange r = Log(0.001, 10);
  const struct {
    double v;
    int expected;
  } cases[] = {{0.001, 7}, {0.01, 107}, {0.1, 207}, {1, 307}, {10, 407}};
  for (const auto& c : cases) EXPECT_EQ(r.Pixel(c.v, false, 7, 400), c.expected) << c.v;
  EXPECT_EQ(r.Pixel(10, true, 7, 400), 7);
  EXPECT_EQ(r.Pixel(0.001, true, 7, 400), 407);
}

TEST(ScalePixel, DegenerateRangesMapOntoTheStart) {
  const TScaleRange cases[] = {Linear(0, 0.004), Linear(5, 5), Linear(5, 1), Log(1, 1), Log(10, 1)};
  for (const auto& r : cases) {
    EXPECT_EQ(r.Pixel(r.Start, false, 3, 100), 3);
    EXPECT_EQ(r.Pixel(r.End, false, 3, 100), 3);
    if (r.End <= r.Start || r.NonLinear) {
      EXPECT_EQ(r.Angle(r.End, 120), 0);
    }
  }
  // A narrow range is still a valid divisor for the angle.
  EXPECT_DOUBLE_EQ(Linear(0, 0.004).Angle(0.002, 120), 60);
}

TEST(ScaleAngle, LinearAndLogarithmic) {
  struct Case {
    TScaleRange range;
    double v, sweep, expected;
  } const cases[] = {
      {Linear(0, 100), 0, 120, 0},     {Linear(0, 100), 50, 120, 60},
      {Linear(0, 100), 100, 120, 120}, {Linear(0, 100), 50, -120, -60},
      {Linear(-50, 50), 0, 270, 135},  {Linear(0, 100), 150, 120, 180},
      {Log(0.001, 100), 1, 120, 72},   {Log(0.001, 100), 100, -120, -120},
      {Log(1, 1000), 10, 270, 90},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(c.range.Angle(c.v, c.sweep), c.expected, 1e-9) << c.v;
  }
}

TEST(ScaleRange, DecadesRoundTheLogarithmSpan) {
  EXPECT_EQ(Log(0.001, 100).Decades(), 5);
  EXPECT_EQ(Log(1, 1000).Decades(), 3);  // the logarithm of 1000 lies slightly below 3
  EXPECT_EQ(Log(0.001, 10).Decades(), 4);
  EXPECT_EQ(Log(1, 1).Decades(), 1);
}

TEST(ScaleLabel, Texts) {
  const struct {
    double v;
    int decimals;
    const char* expected;
  } cases[] = {
      {0, 2, "0"},     {0.5, 2, "0.5"}, {1.0, 2, "1.0"},     {1.25, 2, "1.25"},
      {2.0, 2, "2.0"}, {10, 0, "10"},   {33.333, 1, "33.3"}, {1.25, 0, "1"},
      {2.5, 0, "3"},   {3.75, 0, "4"},  {-20, 0, "-20"},     {1e-17, 1, "0.0"},
  };
  for (const auto& c : cases) EXPECT_EQ(ScaleLabelText(c.v, c.decimals), c.expected) << c.v;
}

TEST(ScaleLabel, DecimalsByRange) {
  EXPECT_EQ(ScaleLabelDecimals(2, 3, 5), 2);
  EXPECT_EQ(ScaleLabelDecimals(3, 3, 5), 1);
  EXPECT_EQ(ScaleLabelDecimals(4.99, 3, 5), 1);
  EXPECT_EQ(ScaleLabelDecimals(5, 3, 5), 0);
  EXPECT_EQ(ScaleLabelDecimals(1.5, 2, 4), 2);
}

}  // namespace
