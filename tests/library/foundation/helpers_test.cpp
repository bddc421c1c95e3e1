#include "library/foundation/helpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "library/foundation/types.h"
#include "platform/base/sysutils.h"

namespace {

class DecimalSeparatorGuard {
 public:
  explicit DecimalSeparatorGuard(char sep) : FSaved(DecimalSeparator) { DecimalSeparator = sep; }
  ~DecimalSeparatorGuard() { DecimalSeparator = FSaved; }

 private:
  char FSaved;
};

TEST(PosItems, FieldsAreTrimmedAndMissingOrBadFieldsReadAsZero) {
  DecimalSeparatorGuard sep('.');
  const std::string item = "  Volt | 5 | 2.5 ";
  EXPECT_EQ(PosItemText(item), "Volt");
  EXPECT_EQ(PosItemInteger(item), 5);
  EXPECT_DOUBLE_EQ(PosItemFloat(item), 2.5);
  EXPECT_DOUBLE_EQ(PosItemFloat("x|1|2,5"), 2.5);  // the other separator is accepted once
  EXPECT_EQ(PosItemText("plain"), "plain");
  EXPECT_EQ(PosItemInteger("plain"), 0);
  EXPECT_EQ(PosItemInteger("x|abc"), 0);
  EXPECT_EQ(PosItemInteger("x|-7|9"), -7);
  EXPECT_DOUBLE_EQ(PosItemFloat("a|1"), 0);
  EXPECT_DOUBLE_EQ(PosItemFloat("a|1|"), 0);
  EXPECT_DOUBLE_EQ(PosItemFloat("a|1|x"), 0);
  EXPECT_DOUBLE_EQ(PosItemFloat("a|1|3|4"), 3);
  EXPECT_EQ(PosItemColor("x|clRed"), clRed);
  EXPECT_EQ(PosItemColor("x| 255 |1"), 255);
  EXPECT_EQ(PosItemColor("x|nocolour"), 0);
  EXPECT_EQ(PosItemColor("x"), 0);
}

TEST(PosItems, FloatFieldFollowsACommaSeparator) {
  DecimalSeparatorGuard sep(',');
  EXPECT_DOUBLE_EQ(PosItemFloat("  Volt | 5 | 2.5 "), 2.5);
  EXPECT_DOUBLE_EQ(PosItemFloat("a|1|2,25"), 2.25);
}

TEST(TrimBlanks, RemovesOnlySpacesAtBothEnds) {
  const struct {
    std::string in, out;
  } cases[] = {{"  ab c  ", "ab c"}, {"\tab\t", "\tab\t"}, {"   ", ""}, {"", ""}, {"x", "x"}};
  for (const auto& c : cases) {
    std::string text = c.in;
    EXPECT_EQ(TrimBlanks(text), c.out);
    EXPECT_EQ(text, c.out);
  }
}

TEST(Geometry, VectorAngleRotationAndRadius) {
  const struct {
    double a, b, deg;
  } angles[] = {{0, 0, 0},    {1, 1, 45}, {-1, 1, 135},  {-1, -1, 225}, {1, -1, 315},
                {0, -1, 270}, {0, 1, 90}, {1e-6, 5, 90}, {-3, 0, 180},  {2, 1e-6, 0}};
  for (const auto& c : angles)
    EXPECT_NEAR(VectorAngleDeg(c.a, c.b), c.deg, 1e-6) << c.a << ", " << c.b;

  EXPECT_EQ(RotatePoint({0, 0}, {10, 0}, 90), (TPoint{0, 10}));
  EXPECT_EQ(RotatePoint({5, 5}, {5, 15}, 90), (TPoint{-5, 5}));
  EXPECT_EQ(RotatePoint({0, 0}, {7, 3}, 0), (TPoint{7, 3}));
  TFloatPoint f = RotatePointF({0, 0}, {10, 0}, 30);
  EXPECT_NEAR(f.X, 10 * std::cos(M_PI / 6), 1e-6);
  EXPECT_NEAR(f.Y, 5, 1e-6);
  EXPECT_NEAR(SinDeg(30), 0.5, 1e-9);

  EXPECT_TRUE(PointInRadius({3, 4}, 6, {0, 0}));
  EXPECT_FALSE(PointInRadius({3, 4}, 5, {0, 0}));  // on the circle is outside
  EXPECT_FALSE(PointInRadius({2000000000, 0}, 5, {-2000000000, 0}));
}

TEST(Scale, DecadeStepsLogarithmsAndDecimals) {
  const struct {
    double x, step;
  } steps[] = {{-5, 0.001}, {0, 0.001}, {0.005, 0.001}, {0.05, 0.01},   {0.5, 0.1},   {1, 1},
               {99, 10},    {500, 100}, {9999, 1000},   {99999, 10000}, {1e6, 100000}};
  for (const auto& c : steps) EXPECT_DOUBLE_EQ(DecadeStep(c.x), c.step) << c.x;

  EXPECT_EQ(Log10Safe(0), 0);
  EXPECT_EQ(Log10Safe(-5), 0);
  EXPECT_LT(Log10Safe(1000), 3);  // the short constant keeps it just below
  EXPECT_NEAR(Log10Safe(1000), 3, 1e-5);
  EXPECT_NEAR(PowerOfTen(2), 100, 1e-3);

  const struct {
    double x;
    int decimals;
  } decimals[] = {{2.5, 0}, {0.5, 1}, {0.05, 2}, {0.005, 3}, {-0.5, 3}, {-2.5, 3}, {7, 0}, {-7, 0}};
  for (const auto& c : decimals) EXPECT_EQ(DecimalsFor(c.x), c.decimals) << c.x;
}

}  // namespace

namespace {

TEST(ShortStrings, LongerValuesAreCut) {
  string10 s = "1234567890AB";
  EXPECT_EQ(s.str(), "1234567890");
  string20 t = std::string("short");
  EXPECT_EQ(t.str(), "short");
  string32 u = std::string(40, 'x');
  EXPECT_EQ(u.size(), 32u);
  EXPECT_EQ(kMakerMark, "vtro");
}

}  // namespace
