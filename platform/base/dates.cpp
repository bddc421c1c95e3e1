#include "platform/base/dates.h"

#include <cctype>
#include <cmath>

#include "platform/base/exceptions.h"
#include "platform/base/numbers.h"
#include "platform/base/sysutils.h"

namespace {

// Days since 1 Mar of year 0 of the proleptic Gregorian calendar.
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe;
}

const int64_t kDay0 = DaysFromCivil(1899, 12, 30);
const int64_t kFirstDay = DaysFromCivil(1, 1, 1) - kDay0;
const int64_t kLastDay = DaysFromCivil(9999, 12, 31) - kDay0;

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

std::string TwoDigits(int v) {
  return std::string(1, static_cast<char>('0' + v / 10 % 10)) + static_cast<char>('0' + v % 10);
}

}  // namespace

TDateTime EncodeDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month)) {
    throw EConvertError("Invalid argument to date encode");
  }
  return static_cast<TDateTime>(DaysFromCivil(year, month, day) - kDay0);
}

void DecodeDate(TDateTime date, int& year, int& month, int& day) {
  year = month = day = 0;
  if (std::isnan(date)) return;
  const int64_t days = Trunc(date);
  if (days < kFirstDay || days > kLastDay) return;
  const int64_t z = days + kDay0;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

std::string DateToStr(TDateTime date) {
  int year, month, day;
  DecodeDate(date, year, month, day);
  if (year == 0) return "";
  std::string out;
  const std::string& format = ShortDateFormat;
  for (size_t i = 0; i < format.size();) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(format[i])));
    size_t run = 1;
    while (i + run < format.size() &&
           std::tolower(static_cast<unsigned char>(format[i + run])) == c) {
      ++run;
    }
    if (c == 'd') {
      out += run == 1 ? std::to_string(day) : TwoDigits(day);
    } else if (c == 'm') {
      out += run == 1 ? std::to_string(month) : TwoDigits(month);
    } else if (c == 'y') {
      out += run <= 2 ? TwoDigits(year % 100) : TwoDigits(year / 100) + TwoDigits(year % 100);
    } else {
      for (size_t k = i; k < i + run; ++k) out += format[k] == '/' ? DateSeparator : format[k];
    }
    i += run;
  }
  return out;
}
