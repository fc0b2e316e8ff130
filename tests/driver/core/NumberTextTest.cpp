#include "driver/protocol/NumberText.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace qlx::driver;

TEST(NumberText, ReadsIntegersLikeAtol)
{
    const std::pair<const char*, int> cases[] = {
        {"50T?", 50}, {"  -12x", -12}, {"+7", 7}, {"", 0}, {"abc", 0}, {"523.4H", 523},
        {"99999999999999999999", INT_MAX}, {"-99999999999999999999", INT_MIN},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(integerValue(text), expected) << text;
}

TEST(NumberText, ReadsRealsWithAPointWhateverTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German));
    const std::pair<const char*, double> cases[] = {
        {"12.5,340l", 12.5}, {" 340", 340.0}, {"-0.25", -0.25}, {".5", 0.5}, {"1e3x", 1000.0},
        {"", 0.0}, {"abc", 0.0}, {"inf", 0.0}, {"nan", 0.0}, {"1e999", 0.0}, {".", 0.0}, {"-", 0.0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_DOUBLE_EQ(realValue(text), expected) << text;
    QLocale::setDefault(QLocale::c());
}

TEST(NumberText, TextToWholeNumberKeepsTheWholePart)
{
    const std::pair<QString, float> cases[] = {
        {"12.75", 12.0f}, {" 7.5", 7.0f}, {".5", 0.0f}, {"19.5", 19.0f},
        {"20", 20.0f}, // a whole-number display such as the measure speed
        {"5.0", 5.0f}, {"", 0.0f}, {"abc", 0.0f}, {"1.2.3", 1.0f},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(textToWholeNumber(text), expected) << text.toStdString();
}

TEST(NumberText, FormatsFixedAfterRoundingToSignificantDigits)
{
    struct Case {
        double value;
        int precision, digits;
        QString text;
    };
    const Case cases[] = {
        {3.0, 6, 3, "3.000"},   {0.113796, 3, 3, "0.114"}, {72.5, 5, 2, "72.50"},
        {150.4, 5, 0, "150"},   {1.0, 4, 2, "1.00"},       {0.25, 10, 8, "0.25000000"},
        {12.345, 3, 3, "12.300"}, {-1.5, 4, 3, "-1.500"},  {0.0, 4, 2, "0.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatFixed(c.value, c.precision, c.digits), c.text) << c.value;
}
