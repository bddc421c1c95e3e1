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

void StripTrailingZeros(Decimal& D) {
  while (!D.digits.empty() && D.digits.back() == '0') D.digits.pop_back();
  if (D.digits.empty()) D.exponent = 0;
}

// The first 18 significant digits, which is as far as the original looked at a value.
Decimal Expand(double Value) {
  Decimal d;
  if (Value == 0) return d;
  d.negative = Value < 0;
  char buf[64];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, std::fabs(Value), std::chars_format::scientific, 17);
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
void RoundTo(Decimal& D, int Count) {
  if (Count >= static_cast<int>(D.digits.size())) return;
  if (Count < 0) {
    D.digits.clear();
    D.exponent = 0;
    return;
  }
  const bool up = D.digits[Count] >= '5';
  D.digits.resize(Count);
  if (up) {
    int i = Count - 1;
    while (i >= 0 && D.digits[i] == '9') D.digits[i--] = '0';
    if (i < 0) {
      D.digits.insert(D.digits.begin(), '1');
      ++D.exponent;
    } else {
      ++D.digits[i];
    }
  }
  StripTrailingZeros(D);
}

char DigitAt(const Decimal& D, int Index) {
  return Index >= 0 && Index < static_cast<int>(D.digits.size()) ? D.digits[Index] : '0';
}

std::string Sign(const Decimal& D) { return D.negative && !D.IsZero() ? "-" : ""; }

std::string ExponentText(int Exponent, bool AlwaysSign, int MinDigits) {
  std::string s = std::to_string(Exponent < 0 ? -Exponent : Exponent);
  if (static_cast<int>(s.size()) < MinDigits) s.insert(0, MinDigits - s.size(), '0');
  if (Exponent < 0) return "-" + s;
  return AlwaysSign ? "+" + s : s;
}

// Integer digits (at least `min_int` of them, "0" when the value is below 1 and min_int is 1),
// then `decimals` fraction digits of which trailing zeros beyond `min_decimals` are dropped.
std::string FixedText(const Decimal& D, int MinInt, int Decimals, int MinDecimals) {
  std::string s = Sign(D);
  std::string int_part;
  for (int i = 0; i < D.exponent; ++i) int_part += DigitAt(D, i);
  if (static_cast<int>(int_part.size()) < MinInt) int_part.insert(0, MinInt - int_part.size(), '0');
  s += int_part;
  std::string frac;
  for (int i = 0; i < Decimals; ++i) frac += DigitAt(D, D.exponent + i);
  while (static_cast<int>(frac.size()) > MinDecimals && frac.back() == '0') frac.pop_back();
  if (!frac.empty()) s += DecimalSeparator + frac;
  return s;
}

std::string GeneralText(Decimal D, int Precision, int ExpDigits) {
  RoundTo(D, Precision);
  if (D.IsZero()) return "0";
  if (D.exponent > Precision || D.exponent < -3) {
    std::string s = Sign(D) + D.digits[0];
    if (D.digits.size() > 1) s += DecimalSeparator + D.digits.substr(1);
    return s + "E" + ExponentText(D.exponent - 1, false, ExpDigits);
  }
  return FixedText(D, 1, std::max(0, static_cast<int>(D.digits.size()) - D.exponent), 0);
}

std::string NonFiniteText(double Value) {
  if (std::isnan(Value)) return "NAN";
  return Value < 0 ? "-INF" : "INF";
}

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

// 0..15, or -1 for a character that is no hex digit.
int HexValue(char C) {
  if (IsDigit(C)) return C - '0';
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  if (C >= 'A' && C <= 'F') return C - 'A' + 10;
  return -1;
}

}  // namespace

std::string IntToStr(int64_t Value) {
  char buf[32];
  const auto res = std::to_chars(buf, buf + sizeof buf, Value);
  return std::string(buf, res.ptr);
}

std::string IntToHex(int64_t Value, int Digits) {
  // The original's integers were 32 bits wide, so -1 is "FFFFFFFF", not sixteen F's.
  const uint64_t bits = Value < 0 && Value >= std::numeric_limits<int32_t>::min()
                            ? static_cast<uint32_t>(Value)
                            : static_cast<uint64_t>(Value);
  char buf[32];
  const auto res = std::to_chars(buf, buf + sizeof buf, bits, 16);
  std::string s(buf, res.ptr);
  std::transform(s.begin(), s.end(), s.begin(), [](char c) { return c >= 'a' ? c - 32 : c; });
  Digits = std::clamp(Digits, 0, 32);
  if (static_cast<int>(s.size()) < Digits) s.insert(0, Digits - s.size(), '0');
  return s;
}

bool TryStrToInt(const std::string& Text, int32_t& Value) {
  size_t i = 0;
  const size_t n = Text.size();
  while (i < n && Text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (Text[i] == '+' || Text[i] == '-')) negative = Text[i++] == '-';
  uint64_t magnitude = 0;
  const size_t first_digit = i;
  if (i < n && Text[i] == '$') {
    const size_t first_hex = ++i;
    for (; i < n && HexValue(Text[i]) >= 0; ++i) {
      magnitude = magnitude * 16 + HexValue(Text[i]);
      if (magnitude > 0xFFFFFFFFu) return false;
    }
    if (i == first_hex || i != n) return false;
    // Hex text is a 32-bit pattern: $FFFFFFFF is -1.
    uint32_t bits = static_cast<uint32_t>(magnitude);
    if (negative) bits = 0u - bits;
    Value = static_cast<int32_t>(bits);
    return true;
  }
  for (; i < n && IsDigit(Text[i]); ++i) {
    magnitude = magnitude * 10 + (Text[i] - '0');
    if (magnitude > 2147483648u) return false;
  }
  if (i == first_digit || i != n) return false;
  if (!negative && magnitude > 2147483647u) return false;
  Value = static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude)
                                        : static_cast<int64_t>(magnitude));
  return true;
}

int32_t StrToInt(const std::string& Text) {
  int32_t value = 0;
  if (!TryStrToInt(Text, value)) throw EConvertError("'" + Text + "' is not a valid integer value");
  return value;
}

int32_t StrToIntDef(const std::string& Text, int32_t DefaultValue) {
  int32_t value = 0;
  return TryStrToInt(Text, value) ? value : DefaultValue;
}

bool TryStrToFloat(const std::string& Text, double& Value) {
  size_t i = 0;
  size_t n = Text.size();
  while (i < n && Text[i] == ' ') ++i;
  while (n > i && Text[n - 1] == ' ') --n;
  // Rebuilt with '.' for from_chars, which is locale-independent but does not take '+'.
  std::string plain;
  if (i < n && (Text[i] == '+' || Text[i] == '-')) {
    if (Text[i] == '-') plain += '-';
    ++i;
  }
  size_t mantissa_digits = 0;
  for (; i < n && IsDigit(Text[i]); ++i, ++mantissa_digits) plain += Text[i];
  if (i < n && Text[i] == DecimalSeparator) {
    plain += '.';
    for (++i; i < n && IsDigit(Text[i]); ++i, ++mantissa_digits) plain += Text[i];
  }
  if (mantissa_digits == 0) return false;
  bool negative_exponent = false;
  if (i < n && (Text[i] == 'e' || Text[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < n && (Text[i] == '+' || Text[i] == '-')) {
      negative_exponent = Text[i] == '-';
      if (negative_exponent) plain += '-';
      ++i;
    }
    const size_t first_exp = i;
    for (; i < n && IsDigit(Text[i]); ++i) plain += Text[i];
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
  Value = result;
  return true;
}

double StrToFloat(const std::string& Text) {
  double value = 0;
  if (!TryStrToFloat(Text, value)) {
    throw EConvertError("'" + Text + "' is not a valid floating point value");
  }
  return value;
}

std::string FloatToStr(double Value) { return FloatToStrF(Value, ffGeneral, 15, 0); }

std::string FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits) {
  if (!std::isfinite(Value)) return NonFiniteText(Value);
  Precision = std::clamp(Precision, 1, 18);
  Decimal d = Expand(Value);
  switch (Format) {
    case ffGeneral:
      return GeneralText(d, Precision, std::clamp(Digits, 0, 4));
    case ffExponent: {
      RoundTo(d, Precision);
      std::string s = Sign(d) + DigitAt(d, 0);
      if (Precision > 1) {
        s += DecimalSeparator;
        for (int i = 1; i < Precision; ++i) s += DigitAt(d, i);
      }
      return s + "E" +
             ExponentText(d.IsZero() ? 0 : d.exponent - 1, true, std::clamp(Digits, 0, 4));
    }
    case ffFixed:
      break;
  }
  Digits = std::clamp(Digits, 0, 18);
  const Decimal unrounded = d;
  RoundTo(d, std::min(Precision, d.exponent + Digits));
  if (d.exponent > Precision) return GeneralText(unrounded, Precision, 0);
  return FixedText(d, 1, Digits, Digits);
}

std::string FormatFloat(const std::string& Format, double Value) {
  if (Format.empty()) return FloatToStr(Value);
  if (!std::isfinite(Value)) return NonFiniteText(Value);
  // Split the pattern into prefix, number part and suffix.
  const auto is_number_char = [](char c) { return c == '0' || c == '#' || c == '.'; };
  const size_t begin = std::find_if(Format.begin(), Format.end(), is_number_char) - Format.begin();
  size_t i = begin;
  int int_places = 0, int_zeros = 0, dec_places = 0, dec_zeros = 0;
  bool in_fraction = false;
  for (; i < Format.size() && is_number_char(Format[i]); ++i) {
    const char c = Format[i];
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
  if (i + 1 < Format.size() && (Format[i] == 'e' || Format[i] == 'E') &&
      (Format[i + 1] == '+' || Format[i + 1] == '-')) {
    scientific = true;
    exp_char = Format[i];
    exp_always_sign = Format[i + 1] == '+';
    for (i += 2; i < Format.size() && Format[i] == '0'; ++i) ++exp_digits;
  }
  const std::string prefix = Format.substr(0, begin);
  const std::string suffix = Format.substr(i);

  Decimal d = Expand(Value);
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
  if (d.exponent > 18) return prefix + FloatToStr(Value) + suffix;
  return prefix + FixedText(d, int_zeros, dec_places, dec_zeros) + suffix;
}
