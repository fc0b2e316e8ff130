#pragma once
// Number texts of the workbench: fixed decimals with the user's decimal
// separator, which is taken once from the locale when the program starts.

#include <QChar>
#include <QString>

namespace qlx::studio {

// Takes the decimal separator from the default QLocale. The program calls it
// at start; the first number text takes it when nobody has.
void CaptureDecimalSeparator();
QChar DecimalSeparator();

// Fixed point with the given decimals (like "%0.2f"), no thousands separator,
// the captured decimal separator. Halfway values round away from zero.
QString FormatFixed(double AValue, int ADecimals);

// With "." as the separator every "," becomes "."; otherwise every "."
// becomes the separator. Nothing else changes.
QString LocalizeDecimalSeparator(const QString& AText);

} // namespace qlx::studio
