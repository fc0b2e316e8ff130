#include "studio/model/QLXNumberText.h"

#include <QLocale>

namespace qlx::studio {
namespace {

QChar& capturedSeparator()
{
    static QChar separator = QLocale().decimalPoint().front();
    return separator;
}

} // namespace

void CaptureDecimalSeparator()
{
    capturedSeparator() = QLocale().decimalPoint().front();
}

QChar DecimalSeparator()
{
    return capturedSeparator();
}

QString FormatFixed(double AValue, int ADecimals)
{
    QString text = QString::number(AValue, 'f', ADecimals);
    const QChar separator = DecimalSeparator();
    if (separator != u'.')
        text.replace(u'.', separator);
    return text;
}

QString LocalizeDecimalSeparator(const QString& AText)
{
    const QChar separator = DecimalSeparator();
    QString text = AText;
    if (separator == u'.')
        text.replace(u',', u'.');
    else
        text.replace(u'.', separator);
    return text;
}

} // namespace qlx::studio
