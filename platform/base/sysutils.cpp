#include "platform/base/sysutils.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "platform/base/exceptions.h"

namespace {

// A finite value as sign, digits and exponent: |value| = 0.d1d2d3... * 10^exponent.
struct Decimal {
  bool negative = false;
  int exponent = 0;
  std::string digits;  // no trailing zeros; empty for zero

  bool IsZero() const { return digits.empty(); }
};

void StripTrailingZeros(Decimal& d) {
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.exponent = 0;
}

// The first 18 significant digits, which is as far as the original looked at a value.
Decimal Expand(double value) {
  Decimal d;
  if (value == 0) return d;
  d.negative = value < 0;
  char buf[64];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 17);
  const std::string_view text(buf, res.ptr - buf);  // d.ddddddddddddddddde[+-]xx
  const size_t e = text.find('e');
  for (size_t i = 0; i < e; ++i) {
    if (text[i] != '.') d.digits += text[i];
  }
  int exp10 = 0;
  const char* first = text.data() + e + 1;
  if (*first == '+') ++first;
  std::from_chars(first, text.data() + text.size(), exp10);
  d.exponent = exp10 + 1;
  StripTrailingZeros(d);
  return d;
}

// Keeps `count` significant digits, rounding halves away from zero.
void RoundTo(Decimal& d, int count) {
  if (count >= static_cast<int>(d.digits.size())) return;
  if (count < 0) {
    d.digits.clear();
    d.exponent = 0;
    return;
  }
  const bool up = d.digits[count] >= '5';
  d.digits.resize(count);
  if (up) {
    int i = count - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i < 0) {
      d.digits.insert(d.digits.begin(), '1');
      ++d.exponent;
    } else {
      ++d.digits[i];
    }
  }
  StripTrailingZeros(d);
}

char DigitAt(const Decimal& d, int index) {
  return index >= 0 && index < static_cast<int>(d.digits.size()) ? d.digits[index] : '0';
}

std::string Sign(const Decimal& d) { return d.negative && !d.IsZero() ? "-" : ""; }

std::string ExponentText(int exponent, bool always_sign, int min_digits) {
  std::string s = std::to_string(exponent < 0 ? -exponent : exponent);
  if (static_cast<int>(s.size()) < min_digits) s.insert(0, min_digits - s.size(), '0');
  if (exponent < 0) return "-" + s;
  return always_sign ? "+" + s : s;
}

// Integer digits (at least `min_int` of them, "0" when the value is below 1 and min_int is 1),
// then `decimals` fraction digits of which trailing zeros beyond `min_decimals` are dropped.
std::string FixedText(const Decimal& d, int min_int, int decimals, int min_decimals) {
  std::string s = Sign(d);
  std::string int_part;
  for (int i = 0; i < d.exponent; ++i) int_part += DigitAt(d, i);
  if (static_cast<int>(int_part.size()) < min_int)
    int_part.insert(0, min_int - int_part.size(), '0');
  s += int_part;
  std::string frac;
  for (int i = 0; i < decimals; ++i) frac += DigitAt(d, d.exponent + i);
  while (static_cast<int>(frac.size()) > min_decimals && frac.back() == '0') frac.pop_back();
  if (!frac.empty()) s += DecimalSeparator + frac;
  return s;
}

std::string GeneralText(Decimal d, int precision, int exp_digits) {
  RoundTo(d, precision);
  if (d.IsZero()) return "0";
  if (d.exponent > precision || d.exponent < -3) {
    std::string s = Sign(d) + d.digits[0];
    if (d.digits.size() > 1) s += DecimalSeparator + d.digits.substr(1);
    return s + "E" + ExponentText(d.exponent - 1, false, exp_digits);
  }
  return FixedText(d, 1, std::max(0, static_cast<int>(d.digits.size()) - d.exponent), 0);
}

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// 0..15, or -1 for a character that is no hex digit.
int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string IntToStr(int64_t value) {
  char buf[32];
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, res.ptr);
}

std::string IntToHex(int64_t value, int digits) {
  // The original's integers were 32 bits wide, so -1 is "FFFFFFFF", not sixteen F's.
  const uint64_t bits = value < 0 && value >= std::numeric_limits<int32_t>::min()
                            ? static_cast<uint32_t>(value)
                            : static_cast<uint64_t>(value);
  char buf[32];
  const auto res = std::to_chars(buf, buf + sizeof buf, bits, 16);
  std::string s(buf, res.ptr);
  std::transform(s.begin(), s.end(), s.begin(), [](char c) { return c >= 'a' ? c - 32 : c; });
  digits = std::clamp(digits, 0, 32);
  if (static_cast<int>(s.size()) < digits) s.insert(0, digits - s.size(), '0');
  return s;
}

bool TryStrToInt(const std::string& text, int32_t& value) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  uint64_t magnitude = 0;
  const size_t first_digit = i;
  if (i < n && text[i] == '$') {
    const size_t first_hex = ++i;
    for (; i < n && HexValue(text[i]) >= 0; ++i) {
      magnitude = magnitude * 16 + HexValue(text[i]);
      if (magnitude > 0xFFFFFFFFu) return false;
    }
    if (i == first_hex || i != n) return false;
    // Hex text is a 32-bit pattern: $FFFFFFFF is -1.
    uint32_t bits = static_cast<uint32_t>(magnitude);
    if (negative) bits = 0u - bits;
    value = static_cast<int32_t>(bits);
    return true;
  }
  for (; i < n && IsDigit(text[i]); ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > 2147483648u) return false;
  }
  if (i == first_digit || i != n) return false;
  if (!negative && magnitude > 2147483647u) return false;
  value = static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude)
                                        : static_cast<int64_t>(magnitude));
  return true;
}

int32_t StrToInt(const std::string& text) {
  int32_t value = 0;
  if (!TryStrToInt(text, value)) throw EConvertError("'" + text + "' is not a valid integer value");
  return value;
}

int32_t StrToIntDef(const std::string& text, int32_t default_value) {
  int32_t value = 0;
  return TryStrToInt(text, value) ? value : default_value;
}

bool TryStrToFloat(const std::string& text, double& value) {
  size_t i = 0;
  size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  while (n > i && text[n - 1] == ' ') --n;
  // Rebuilt with '.' for from_chars, which is locale-independent but does not take '+'.
  std::string plain;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') plain += '-';
    ++i;
  }
  size_t mantissa_digits = 0;
  for (; i < n && IsDigit(text[i]); ++i, ++mantissa_digits) plain += text[i];
  if (i < n && text[i] == DecimalSeparator) {
    plain += '.';
    for (++i; i < n && IsDigit(text[i]); ++i, ++mantissa_digits) plain += text[i];
  }
  if (mantissa_digits == 0) return false;
  bool negative_exponent = false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      negative_exponent = text[i] == '-';
      if (negative_exponent) plain += '-';
      ++i;
    }
    const size_t first_exp = i;
    for (; i < n && IsDigit(text[i]); ++i) plain += text[i];
    if (i == first_exp) return false;
  }
  if (i != n) return false;
  double result = 0;
  const auto res = std::from_chars(plain.data(), plain.data() + plain.size(), result);
  if (res.ec == std::errc::result_out_of_range) {
    // Too small for a double is zero; too large is no value.
    if (!negative_exponent) return false;
    result = plain[0] == '-' ? -0.0 : 0.0;
  } else if (res.ec != std::errc() || res.ptr != plain.data() + plain.size()) {
    return false;
  }
  value = result;
  return true;
}

double StrToFloat(const std::string& text) {
  double value = 0;
  if (!TryStrToFloat(text, value)) {
    throw EConvertError("'" + text + "' is not a valid floating point value");
  }
  return value;
}

std::string FloatToStr(double value) { return FloatToStrF(value, ffGeneral, 15, 0); }

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  precision = std::clamp(precision, 1, 18);
  Decimal d = Expand(value);
  switch (format) {
    case ffGeneral:
      return GeneralText(d, precision, std::clamp(digits, 0, 4));
    case ffExponent: {
      RoundTo(d, precision);
      std::string s = Sign(d) + DigitAt(d, 0);
      if (precision > 1) {
        s += DecimalSeparator;
        for (int i = 1; i < precision; ++i) s += DigitAt(d, i);
      }
      return s + "E" +
             ExponentText(d.IsZero() ? 0 : d.exponent - 1, true, std::clamp(digits, 0, 4));
    }
    case ffFixed:
      break;
  }
  digits = std::clamp(digits, 0, 18);
  const Decimal unrounded = d;
  RoundTo(d, std::min(precision, d.exponent + digits));
  if (d.exponent > precision) return GeneralText(unrounded, precision, 0);
  return FixedText(d, 1, digits, digits);
}

std::string FormatFloat(const std::string& format, double value) {
  if (format.empty()) return FloatToStr(value);
  if (!std::isfinite(value)) return NonFiniteText(value);
  // Split the pattern into prefix, number part and suffix.
  const auto is_number_char = [](char c) { return c == '0' || c == '#' || c == '.'; };
  const size_t begin = std::find_if(format.begin(), format.end(), is_number_char) - format.begin();
  size_t i = begin;
  int int_places = 0, int_zeros = 0, dec_places = 0, dec_zeros = 0;
  bool in_fraction = false;
  for (; i < format.size() && is_number_char(format[i]); ++i) {
    const char c = format[i];
    if (c == '.') {
      if (in_fraction) break;
      in_fraction = true;
    } else if (in_fraction) {
      ++dec_places;
      if (c == '0') dec_zeros = dec_places;  // digits up to the last '0' are always shown
    } else {
      ++int_places;
      if (c == '0' && int_zeros == 0)
        int_zeros = 1;
      else if (int_zeros > 0)
        ++int_zeros;  // from the first '0' on, every place is shown
    }
  }
  bool scientific = false, exp_always_sign = false;
  char exp_char = 'E';
  int exp_digits = 0;
  if (i + 1 < format.size() && (format[i] == 'e' || format[i] == 'E') &&
      (format[i + 1] == '+' || format[i + 1] == '-')) {
    scientific = true;
    exp_char = format[i];
    exp_always_sign = format[i + 1] == '+';
    for (i += 2; i < format.size() && format[i] == '0'; ++i) ++exp_digits;
  }
  const std::string prefix = format.substr(0, begin);
  const std::string suffix = format.substr(i);

  Decimal d = Expand(value);
  if (scientific) {
    const int lead = std::max(1, int_places);
    RoundTo(d, lead + dec_places);
    const int exponent = d.IsZero() ? 0 : d.exponent - lead;
    Decimal mantissa = d;
    mantissa.exponent = lead;
    return prefix + FixedText(mantissa, lead, dec_places, dec_zeros) + exp_char +
           ExponentText(exponent, exp_always_sign, exp_digits) + suffix;
  }
  RoundTo(d, d.exponent + dec_places);
  if (d.exponent > 18) return prefix + FloatToStr(value) + suffix;
  return prefix + FixedText(d, int_zeros, dec_places, dec_zeros) + suffix;
}
