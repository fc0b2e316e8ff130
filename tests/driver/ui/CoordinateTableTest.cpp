#include "driver/ui/CoordinateTable.h"

#include "tests/driver/ui/GraphFixture.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <cmath>

namespace qlx::test {
namespace {

using driver::CoordinateTable;
using driver::roundToDecimals;

double parabola(double x)
{
    return 1.0 + x * x;
}

QString rowText(const CoordinateTable& table, int row)
{
    return table.CellText(row, 0) + u'\t' + table.CellText(row, 1);
}

struct BuildCase {
    const char* name;
    Curve curve;
    double step;
    int rows;
    const char* firstRow;
    const char* lastRow;
};

void PrintTo(const BuildCase& c, std::ostream* out)
{
    *out << c.name;
}

class TableBuild : public ::testing::TestWithParam<BuildCase> {};

TEST_P(TableBuild, RowsUpToOneStepBeyondTheSecondToLastPoint)
{
    const BuildCase& c = GetParam();
    CoordinateTable table;
    ASSERT_EQ(table.Build(c.curve.x.data(), c.curve.y.data(), int(c.curve.x.size()), c.step), c.rows);
    ASSERT_EQ(table.RowCount(), c.rows);
    EXPECT_EQ(rowText(table, 0), QString::fromLatin1(c.firstRow));
    EXPECT_EQ(rowText(table, c.rows - 1), QString::fromLatin1(c.lastRow));
    for (int k = 0; k < c.rows; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(table.Row(k).Deflection, roundToDecimals(k * c.step, 2));
        EXPECT_TRUE(std::isfinite(table.Row(k).Force));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Curves, TableBuild,
    ::testing::Values(
        // 4.50 is the last step below the second-to-last point (4.77); 5.00 lies
        // beyond the last point and is extrapolated along 4.77 and 4.80.
        BuildCase{"Every003mmAt05mm", evenCurve(0.0, 0.03, 161, parabola), 0.5, 11, "0.00\t1.000", "5.00\t25.954"},
        // No rows at 1.90 and 2.00: 1.80, between 1.75 and 2.00, is the last.
        BuildCase{"Every025mmAt01mm", evenCurve(0.0, 0.25, 9, parabola), 0.1, 19, "0.00\t1.000", "1.80\t4.250"},
        // The points before the trigger point are never current points.
        BuildCase{"NegativeStart",
                  Curve{{-0.09, -0.06, -0.03, 0.0, 0.25, 0.5, 0.75, 1.0}, {9.0, 9.0, 9.0, 1.0, 1.0625, 1.25, 1.5625, 2.0}},
                  0.5, 3, "0.00\t1.000", "1.00\t2.000"},
        // The probe stood still at the end: the last two points share their
        // deflection, and the row beyond takes the lower one's force.
        BuildCase{"EqualLastDeflections", Curve{{0.0, 0.3, 0.6, 0.6}, {0.0, 1.0, 2.0, 5.0}}, 0.5, 3, "0.00\t0.000",
                  "1.00\t2.000"},
        // Before the first point there is no lower neighbour: its force holds.
        BuildCase{"StartAboveZero", Curve{{0.2, 0.4, 0.6}, {1.0, 2.0, 3.0}}, 0.1, 6, "0.00\t1.000", "0.50\t2.500"},
        BuildCase{"Every0005mmAt001mm", evenCurve(0.0, 0.005, 4001, parabola), 0.01, 2001, "0.00\t1.000",
                  "20.00\t401.000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TableBuild, CurvesWithoutUsableRowsGiveAnEmptyTable)
{
    CoordinateTable table;
    const double one[] = {0.0};
    const double nan = std::nan("");
    const double broken[] = {nan, nan, nan, nan};
    const double negative[] = {-0.3, -0.2, -0.1};
    const double force[] = {1.0, 2.0, 3.0, 4.0};
    EXPECT_EQ(table.Build(one, force, 1, 0.1), 0);
    EXPECT_EQ(table.Build(broken, force, 4, 0.1), 0);
    EXPECT_EQ(table.Build(negative, force, 3, 0.1), 0);
}

TEST(TableBuild, WildDeflectionsStayBounded)
{
    // A point far beyond the instrument's stroke must not make the table grow without end.
    const double deflection[] = {0.0, 1e12, 1e12 + 1.0};
    const double force[] = {0.0, 1.0, 2.0};
    CoordinateTable table;
    EXPECT_EQ(table.Build(deflection, force, 3, 0.01), CoordinateTable::MaxRows);
}

QString withoutNegativeZero(QString text)
{
    return text.toDouble() == 0.0 && text.startsWith(u'-') ? text.mid(1) : text;
}

// The numbers of the table are what their texts give when read back, and the
// texts are those of the driver's number formatting (halves away from zero),
// except that the table shows no negative zero.
TEST(CellNumbers, EqualTheirTextsReadBack)
{
    std::vector<double> values = {0.125, -0.125, 0.0625, 1.005, 2.675, 0.0004, -0.0004, 123.4565, 1e-9, 3e7};
    QRandomGenerator random(7);
    for (int i = 0; i < 2000; ++i)
        values.push_back((random.generateDouble() - 0.2) * std::pow(10.0, random.bounded(-3, 5)));

    for (double value : values) {
        SCOPED_TRACE(value);
        // Row 1 of this table lies at |value| and carries the force value.
        const double deflection[] = {0.0, std::fabs(value)};
        const double force[] = {value, value};
        CoordinateTable table;
        ASSERT_EQ(table.Build(deflection, force, 2, std::fabs(value)), 2);
        const QString deflectionText = QString::number(std::fabs(value), 'f', 2);
        const QString forceText = withoutNegativeZero(QString::number(value, 'f', 3));
        EXPECT_EQ(table.CellText(1, 0), deflectionText);
        EXPECT_EQ(table.CellText(1, 1), forceText);
        EXPECT_EQ(table.Row(1).Deflection, deflectionText.toDouble());
        EXPECT_EQ(table.Row(1).Force, forceText.toDouble());
    }
}

} // namespace
} // namespace qlx::test
