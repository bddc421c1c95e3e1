#pragma once
// The class library's date values and their short text, written with the process-wide
// ShortDateFormat and DateSeparator of platform/base/sysutils.h.

#include <string>

// Days since 30 Dec 1899; the time of day is the fraction.
using TDateTime = double;

// Years 1..9999; an impossible date raises EConvertError.
TDateTime EncodeDate(int Year, int Month, int Day);
// Year, month and day of the date's whole day; all 0 outside years 1..9999.
void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day);

// ShortDateFormat read as: "d"/"dd" day, "m"/"mm" month, "yy"/"yyyy" year (without and with
// leading zeros / century), '/' the DateSeparator; every other character literally.
// "dd.mm.yy" gives "24.12.99"; a date outside years 1..9999 gives "".
std::string DateToStr(TDateTime Date);
