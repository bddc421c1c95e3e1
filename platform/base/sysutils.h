#pragma once
// The class library's number <-> text conversions, with its exact outputs. They read the
// process-wide settings below and never the C locale.

#include <cstdint>
#include <string>

// Process-wide format settings; the library's start-up and the programs change them at run time.
inline char DecimalSeparator = '.';
// Printed for a '/' in a date format.
inline char DateSeparator = '/';
inline std::string ShortDateFormat = "dd.mm.yy";

enum TFloatFormat { ffGeneral, ffExponent, ffFixed };

std::string IntToStr(int64_t Value);

// Upper-case hex, zero-padded to at least `digits`. A negative value within the 32-bit range
// prints as its 32-bit two's complement (-1 -> "FFFFFFFF").
std::string IntToHex(int64_t Value, int Digits);

// Leading blanks, an optional sign, then decimal digits or '$' and hex digits (up to $FFFFFFFF,
// read as a 32-bit two's complement). Anything else, trailing blanks included, or a value outside
// the 32-bit range is rejected.
bool TryStrToInt(const std::string& Text, int32_t& Value);
// As TryStrToInt; bad text raises EConvertError.
int32_t StrToInt(const std::string& Text);
int32_t StrToIntDef(const std::string& Text, int32_t DefaultValue);

// Blanks around, an optional sign, digits with at most one DecimalSeparator (no other separator),
// an optional exponent [eE][sign]digits. At least one mantissa digit. Overflow is rejected; values
// too small for a double give 0.
bool TryStrToFloat(const std::string& Text, double& Value);
// As TryStrToFloat; bad text raises EConvertError.
double StrToFloat(const std::string& Text);

// General format with 15 significant digits: "0.1", "100", "1E-5", "1.5E20", "NAN", "-INF".
std::string FloatToStr(double Value);

// Rounding is decided once, halves away from zero, on the value's first 18 significant digits.
// A value that rounds to zero prints without '-'. Precision is clamped to 1..18.
//  ffFixed: `digits` (0..18) decimals, zero-padded; at most `precision` significant digits. When
//    the integer part needs more than `precision` digits the general format is used instead.
//  ffGeneral: shortest text with up to `precision` significant digits; exponent form ("1.5E20",
//    at least `digits` (0..4) exponent digits, no '+') when the magnitude is below 0.0001 or the
//    integer part needs more than `precision` digits.
//  ffExponent: "d.dddE+dd" with `precision` digits and at least `digits` (0..4) exponent digits.
std::string FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits);

// Number patterns made of digit placeholders '0' (always shown) and '#' (shown when significant),
// an optional '.' (printed as DecimalSeparator) and an optional exponent part "E+", "E-", "e+" or
// "e-" followed by '0's giving the minimum exponent digits ('-': sign only when negative). Other
// characters before or after the number are copied. "0e-": 1000 -> "1e3", 0.01 -> "1e-2".
// An empty pattern gives FloatToStr.
std::string FormatFloat(const std::string& Format, double Value);
