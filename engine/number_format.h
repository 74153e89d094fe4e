// Numbers as the parameter files write and read them: the general format
// with 15 significant digits and the decimal separator of the user's locale.
// Both the fractal parameter file and the attractor parameter file use
// these helpers, so the two files always agree.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zarvo {

// The decimal separator of the current C locale (LC_NUMERIC, as read by
// localeconv): ',' when the locale writes a decimal comma, otherwise '.'.
char LocaleDecimalSeparator();

// The shortest text that gives `v` to 15 significant digits, without
// trailing zeros. Fixed notation, unless the rounded magnitude is below
// 0.00001 or has more than 15 digits before the decimal point; then
// scientific notation with "E", a "-" only for negative exponents and no
// leading zeros in the exponent: 0.05, 127, -1.25, 1E-7, 2.5E20.
// Zero of either sign is "0"; non-finite values give "INF", "-INF", "NAN".
std::string FormatGeneral15(double v, char separator);
// The same with the locale's separator.
std::string FormatGeneral15(double v);

// Reads a real number written with `separator` as the decimal separator:
// optional blanks, an optional sign, digits with an optional fraction, an
// optional exponent ("E" or "e", optional sign, digits), optional blanks.
// Nothing else is accepted (no thousands separators, no "INF" or "NAN").
// Returns false when the text is not such a number or is too large for a
// double; a value too small for a double reads as zero.
bool ParseGeneralReal(std::string_view text, char separator, double& out);

// Reads a decimal integer (optional blanks and sign) that fits 32 bits.
bool ParseDecimalInteger(std::string_view text, int32_t& out);

}  // namespace zarvo
