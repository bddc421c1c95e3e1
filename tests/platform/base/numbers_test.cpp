#include "platform/base/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Round, HalvesGoToTheEvenNeighbour) {
  const struct {
    long double in;
    int64_t out;
  } cases[] = {
      {0.5L, 0},   {1.5L, 2},     {2.5L, 2},       {-0.5L, 0},  {-1.5L, -2},
      {-2.5L, -2}, {0.49999L, 0}, {2.5000001L, 3}, {-3.7L, -4}, {1e12L + 0.5L, 1000000000000},
  };
  for (const auto& c : cases) EXPECT_EQ(Round(c.in), c.out) << static_cast<double>(c.in);
}

TEST(Round, NaNAndHugeValuesDoNotTrap) {
  EXPECT_EQ(Round(NAN), 0);
  EXPECT_EQ(Round(1e30L), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(Trunc(-1e30L), std::numeric_limits<int64_t>::min());
  EXPECT_EQ(Trunc(-2.9L), -2);
  EXPECT_EQ(Trunc(2.9L), 2);
}

TEST(MulDiv, RoundsHalvesAwayFromZero) {
  const struct {
    int32_t a, b, c, out;
  } cases[] = {
      {5, 1, 2, 3},
      {-5, 1, 2, -3},
      {5, -1, 2, -3},
      {-5, -1, -2, -3},
      {7, 1, 3, 2},
      {8, 1, 3, 3},
      {10, 96, 72, 13},
      {8, 96, 72, 11},
      {0, 5, 7, 0},
      {2000000000, 2, 4, 1000000000},   // the product needs 64 bits
      {1, 1, 0, -1},                    // division by zero
      {2000000000, 2000000000, 1, -1},  // result out of range
  };
  for (const auto& c : cases)
    EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.out) << c.a << "*" << c.b << "/" << c.c;
}
