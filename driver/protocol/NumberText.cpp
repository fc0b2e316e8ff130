#include "driver/protocol/NumberText.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace qlx::driver {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

int integerValue(const char* text)
{
    const char* p = text;
    while (isBlank(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    long long value = 0;
    while (*p >= '0' && *p <= '9') {
        if (value < LLONG_MAX / 100)
            value = value * 10 + (*p - '0');
        ++p;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return int(value);
}

int integerValue(const QString& text)
{
    return integerValue(text.toLatin1().constData());
}

double realValue(const char* text)
{
    const char* p = text;
    while (isBlank(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    if (!((*p >= '0' && *p <= '9') || (*p == '.' && p[1] >= '0' && p[1] <= '9')))
        return 0.0; // no number here (also no "inf" or "nan")
    double value = 0.0;
    const auto result = std::from_chars(p, p + std::strlen(p), value, std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return negative ? -value : value;
}

double realValue(const QString& text)
{
    return realValue(text.toLatin1().constData());
}

float textToWholeNumber(const QString& text)
{
    QByteArray kept;
    int lastPoint = -1;
    for (int i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 46 && c <= 57)
            kept.append(char(c));
        if (c == '.')
            lastPoint = i;
    }
    if (lastPoint == 0)
        return 0.0f;
    if (lastPoint > 0)
        kept.truncate(lastPoint);
    return float(integerValue(kept.constData()));
}

QString formatFixed(double value, int precision, int digits)
{
    if (!std::isfinite(value))
        return QString::number(value);
    if (value == 0.0)
        return QString::number(0.0, 'f', digits);
    const int wholeDigits = int(std::floor(std::log10(std::fabs(value)))) + 1;
    if (wholeDigits > precision)
        return QString::number(value, 'E', precision - 1);
    // Round to the significant digits first, then show the requested decimals.
    const double rounded = QString::number(value, 'g', precision).toDouble();
    return QString::number(rounded, 'f', digits);
}

} // namespace qlx::driver
