#include "tests/studio/model/ModelTestSupport.h"

#include <gtest/gtest.h>

namespace qlx::studio::test {
namespace {

struct LocalizeCase {
    QLocale::Language language;
    const char* text;
    const char* expected;
};

TEST(NumberText, LocalizeDecimalSeparatorFollowsTheCapturedLocale)
{
    const LocalizeCase cases[] = {
        {QLocale::English, "1,50", "1.50"},
        {QLocale::English, "1.50", "1.50"},
        {QLocale::English, "1,234,5", "1.234.5"},
        {QLocale::English, "", ""},
        {QLocale::German, "1.50", "1,50"},
        {QLocale::German, "1,50", "1,50"},
        {QLocale::German, "a.b.c", "a,b,c"},
    };
    for (const LocalizeCase& c : cases) {
        ScopedLocale locale(c.language);
        EXPECT_EQ(LocalizeDecimalSeparator(QString::fromLatin1(c.text)), QString::fromLatin1(c.expected))
            << c.text << " under " << QLocale::languageToString(c.language).toStdString();
    }
}

TEST(NumberText, SeparatorIsTakenOnlyWhenCaptured)
{
    ScopedLocale english(QLocale::English);
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(DecimalSeparator(), QChar(u'.'));
    EXPECT_EQ(FormatFixed(1.5, 2), QStringLiteral("1.50"));
    CaptureDecimalSeparator();
    EXPECT_EQ(FormatFixed(1.5, 2), QStringLiteral("1,50"));
}

struct FormatCase {
    double value;
    int decimals;
    const char* english;
    const char* german;
};

TEST(NumberText, FormatFixedUsesFixedDecimalsWithoutGrouping)
{
    const FormatCase cases[] = {
        {1.5, 2, "1.50", "1,50"},       {0.1234, 3, "0.123", "0,123"}, {-2.0, 2, "-2.00", "-2,00"},
        {12345.678, 2, "12345.68", "12345,68"}, {0.0625, 3, "0.063", "0,063"}, {0.125, 2, "0.13", "0,13"},
    };
    for (const FormatCase& c : cases) {
        {
            ScopedLocale locale(QLocale::English);
            EXPECT_EQ(FormatFixed(c.value, c.decimals), QString::fromLatin1(c.english)) << c.value;
        }
        ScopedLocale locale(QLocale::German);
        EXPECT_EQ(FormatFixed(c.value, c.decimals), QString::fromLatin1(c.german)) << c.value;
    }
}

} // namespace
} // namespace qlx::studio::test
