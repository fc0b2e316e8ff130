#include "driver/ui/controls/HintMarkup.h"

#include <gtest/gtest.h>

namespace qlx::test {
namespace {

using driver::HintLine;
using driver::HintRun;
using driver::parseHintLine;

HintRun plain(const char* text)
{
    return {QString::fromUtf8(text)};
}

HintRun styled(const char* text, bool bold, bool italic, bool underline, bool strikeOut)
{
    return {QString::fromUtf8(text), bold, italic, underline, strikeOut};
}

struct MarkupCase {
    const char* line;
    Qt::Alignment alignment;
    std::vector<HintRun> runs;
};

void PrintTo(const MarkupCase& c, std::ostream* out)
{
    *out << c.line;
}

class HintMarkup : public ::testing::TestWithParam<MarkupCase> {};

TEST_P(HintMarkup, SplitsALineIntoStyledRuns)
{
    const MarkupCase& c = GetParam();
    const HintLine line = parseHintLine(QString::fromUtf8(c.line));
    EXPECT_EQ(line.alignment, c.alignment);
    EXPECT_EQ(line.runs, c.runs);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, HintMarkup,
    ::testing::Values(
        MarkupCase{"Place the weight", Qt::AlignLeft, {plain("Place the weight")}},
        MarkupCase{"Press <b>Next</b> now", Qt::AlignLeft,
                   {plain("Press "), styled("Next", true, false, false, false), plain(" now")}},
        // Styles combine and overlap; the tags are case-insensitive.
        MarkupCase{"<B>a<i>b</B>c</i>", Qt::AlignLeft,
                   {styled("a", true, false, false, false), styled("b", true, true, false, false),
                    styled("c", false, true, false, false)}},
        MarkupCase{"<c><u>Step 1</u>", Qt::AlignHCenter, {styled("Step 1", false, false, true, false)}},
        MarkupCase{"<r>old <s>10 g</s> 20 g", Qt::AlignRight,
                   {plain("old "), styled("10 g", false, false, false, true), plain(" 20 g")}},
        // Anything else in angle brackets is text, and so is an unclosed "<".
        MarkupCase{"force <x> 5 < 7 <b", Qt::AlignLeft, {plain("force <x> 5 < 7 <b")}},
        MarkupCase{"<b></b>", Qt::AlignLeft, {}}));

TEST(HintMarkup, StylesEndWithTheirLine)
{
    EXPECT_EQ(parseHintLine(QStringLiteral("<b>bold")).runs, std::vector{styled("bold", true, false, false, false)});
    EXPECT_EQ(parseHintLine(QStringLiteral("next")).runs, std::vector{plain("next")});
}

} // namespace
} // namespace qlx::test
