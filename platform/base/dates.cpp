#include "platform/base/dates.h"

#include <cctype>
#include <cmath>

#include "platform/base/exceptions.h"
#include "platform/base/numbers.h"
#include "platform/base/sysutils.h"

namespace {

// Days since 1 Mar of year 0 of the proleptic Gregorian calendar.
int64_t DaysFromCivil(int64_t Y, int M, int D) {
  Y -= M <= 2;
  const int64_t era = (Y >= 0 ? Y : Y - 399) / 400;
  const int64_t yoe = Y - era * 400;
  const int64_t doy = (153 * (M + (M > 2 ? -3 : 9)) + 2) / 5 + D - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe;
}

const int64_t kDay0 = DaysFromCivil(1899, 12, 30);
const int64_t kFirstDay = DaysFromCivil(1, 1, 1) - kDay0;
const int64_t kLastDay = DaysFromCivil(9999, 12, 31) - kDay0;

bool IsLeap(int Y) { return (Y % 4 == 0 && Y % 100 != 0) || Y % 400 == 0; }

int DaysInMonth(int Y, int M) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return M == 2 && IsLeap(Y) ? 29 : kDays[M - 1];
}

std::string TwoDigits(int V) {
  return std::string(1, static_cast<char>('0' + V / 10 % 10)) + static_cast<char>('0' + V % 10);
}

}  // namespace

TDateTime EncodeDate(int Year, int Month, int Day) {
  if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 ||
      Day > DaysInMonth(Year, Month)) {
    throw EConvertError("Invalid argument to date encode");
  }
  return static_cast<TDateTime>(DaysFromCivil(Year, Month, Day) - kDay0);
}

void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day) {
  Year = Month = Day = 0;
  if (std::isnan(Date)) return;
  const int64_t days = Trunc(Date);
  if (days < kFirstDay || days > kLastDay) return;
  const int64_t z = days + kDay0;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  Day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  Month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  Year = static_cast<int>(yoe + era * 400 + (Month <= 2));
}

std::string DateToStr(TDateTime Date) {
  int year, month, day;
  DecodeDate(Date, year, month, day);
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
