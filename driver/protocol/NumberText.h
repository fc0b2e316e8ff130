#pragma once
// Number texts of the wire protocol and of the driver's displays. Everything
// uses "." as the decimal separator, whatever the user's locale.

#include <QString>

namespace qlx::driver {

// Reads an integer from the start of a text like atol: blanks, a sign, digits,
// stopping at the first other character; 0 without digits. Clamped to int.
int integerValue(const char* text);
int integerValue(const QString& text);

// Reads a decimal number from the start of a text like strtod (point and
// exponent allowed); 0 without a number and for values that are not finite.
double realValue(const char* text);
double realValue(const QString& text);

// The whole-number part of a displayed decimal number: 12.75 gives 12,
// 20 gives 20, .5 gives 0.
float textToWholeNumber(const QString& text);

// Fixed notation with `digits` decimals after rounding to `precision`
// significant digits; exponent notation when the whole part has more digits
// than `precision`.
QString formatFixed(double value, int precision, int digits);

} // namespace qlx::driver
