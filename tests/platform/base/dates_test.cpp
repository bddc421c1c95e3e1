#include "platform/base/dates.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/base/exceptions.h"
#include "platform/base/sysutils.h"

namespace {

class Dates : public ::testing::Test {
 protected:
  void TearDown() override {
    ShortDateFormat = "dd.mm.yy";
    DateSeparator = '/';
  }
};

TEST_F(Dates, DayNumbersOfTheClassLibrary) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDate(2000, 3, 1), 36586);
  EXPECT_EQ(EncodeDate(1899, 12, 29), -1);
  int y, m, d;
  DecodeDate(36585.75, y, m, d);  // the time of day does not count
  EXPECT_EQ(y * 10000 + m * 100 + d, 20000229);
  DecodeDate(NAN, y, m, d);
  EXPECT_EQ(y + m + d, 0);
  DecodeDate(1e300, y, m, d);
  EXPECT_EQ(y + m + d, 0);
}

TEST_F(Dates, ImpossibleDatesRaise) {
  const int bad[][3] = {{2001, 2, 29}, {1900, 2, 29}, {2000, 13, 1}, {2000, 4, 31},
                        {0, 1, 1},     {10000, 1, 1}, {2000, 1, 0}};
  for (const auto& b : bad) EXPECT_THROW(EncodeDate(b[0], b[1], b[2]), EConvertError);
  EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
}

TEST_F(Dates, ShortDateFormatAndSeparator) {
  const TDateTime christmas = EncodeDate(1999, 12, 24);
  const TDateTime spring = EncodeDate(2005, 3, 7);
  EXPECT_EQ(DateToStr(christmas), "24.12.99");  // the library's setting: points are literal
  EXPECT_EQ(DateToStr(spring), "07.03.05");
  ShortDateFormat = "mm/dd/yy";
  EXPECT_EQ(DateToStr(spring), "03/07/05");
  DateSeparator = '-';
  EXPECT_EQ(DateToStr(spring), "03-07-05");
  ShortDateFormat = "d.m.yyyy";
  EXPECT_EQ(DateToStr(spring), "7.3.2005");
  EXPECT_EQ(DateToStr(EncodeDate(33, 1, 2)), "2.1.0033");
  EXPECT_EQ(DateToStr(-1e9), "");
}

}  // namespace
