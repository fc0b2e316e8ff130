#include "studio/model/UQLXMaxForceMeasurementEvaluation.h"
#include "studio/model/UQLXMeasurementSlopeToMaxEvaluation.h"
#include "studio/model/UQLXMeasurementTotalSlopeEvaluation.h"
#include "tests/studio/model/ModelTestSupport.h"

#include <gtest/gtest.h>

namespace qlx::studio::test {
namespace {

struct CurveCase {
    const char* name;
    TDataPointsRef points;
    const char* maxForce;
    const char* deflectionToMax;
    const char* slopeToMax; // "-": no line
    int slopeToMaxEnd;
    const char* totalSlope;
};

class BuiltInEvaluationsTest : public ::testing::TestWithParam<QLocale::Language> {
protected:
    ScopedLocale locale{GetParam()};
    static QString num(const char* text) { return LocalizeDecimalSeparator(QString::fromLatin1(text)); }
};

INSTANTIATE_TEST_SUITE_P(Locales, BuiltInEvaluationsTest, ::testing::Values(QLocale::English, QLocale::German));

TEST_P(BuiltInEvaluationsTest, ValuesOfTypicalAndDegenerateCurves)
{
    const CurveCase cases[] = {
        {"first of two equal maxima", Curve({{0.5f, 1.0f}, {1.0f, 3.0f}, {1.5f, 3.0f}, {2.0f, 2.0f}}), "3.00", "1.00",
         "4.00", 1, "0.60"},
        {"straight line", Curve({{0.0f, 0.0f}, {1.0f, 2.0f}, {2.0f, 4.0f}}), "4.00", "2.00", "2.00", 2, "2.00"},
        {"no positive force", Curve({{0.5f, 0.0f}, {1.0f, -1.0f}, {1.5f, -2.0f}}), "0.00", "0.00", "-", 0, "-2.00"},
        {"one point", Curve({{0.5f, 1.0f}}), "1.00", "0.50", "-", 0, "-"},
        {"vertical curve", Curve({{1.0f, 1.0f}, {1.0f, 2.0f}, {1.0f, 3.0f}}), "3.00", "1.00", "-", 2, "-"},
        {"vertical at a fine spacing", Curve({{0.01f, 0.5f}, {0.01f, 0.7f}, {0.01f, 0.9f}, {0.01f, 1.3f}}), "1.30",
         "0.01", "-", 3, "-"},
        {"maximum at the start", Curve({{0.5f, 5.0f}, {1.0f, 1.0f}, {1.5f, 1.0f}}), "5.00", "0.50", "-", 0, "-4.00"},
    };
    for (const CurveCase& c : cases) {
        SCOPED_TRACE(c.name);
        TQLXMaxForceMeasurementEvaluation maxForce;
        maxForce.DoEvaluation(c.points);
        EXPECT_EQ(maxForce.GetValues()[0].Value, num(c.maxForce));
        EXPECT_EQ(maxForce.GetValues()[1].Value, num(c.deflectionToMax));

        TQLXMeasurementSlopeToMaxEvaluation slopeToMax;
        slopeToMax.DoEvaluation(c.points);
        EXPECT_EQ(slopeToMax.GetValues()[0].Value, num(c.slopeToMax));
        EXPECT_EQ(slopeToMax.LinearRegressionFromDataPointID(), 0);
        EXPECT_EQ(slopeToMax.LinearRegressionToDataPointID(), c.slopeToMaxEnd);

        TQLXMeasurementTotalSlopeEvaluation totalSlope;
        totalSlope.DoEvaluation(c.points);
        EXPECT_EQ(totalSlope.GetValues()[0].Value, num(c.totalSlope));
        EXPECT_EQ(totalSlope.LinearRegressionToDataPointID(), int(c.points->size()) - 1);
    }
}

TEST(BuiltInEvaluations, ValueRecordsAndCaptions)
{
    const auto names = [](const IQLXMeasurementEvaluation& evaluation) {
        QStringList texts;
        for (const TQLXMeasurementEvaluationValue& value : evaluation.GetValues())
            texts << value.ValueInternalName << value.ValueName << value.Value << value.ValueUnit;
        return texts;
    };
    EXPECT_EQ(names(TQLXMaxForceMeasurementEvaluation()),
              (QStringList{"MAX-FORCE", "Max. force", "", "kg", "DEFLECTION-TO-MAX", "Deflection to max.", "", "mm"}));
    EXPECT_EQ(names(TQLXMeasurementSlopeToMaxEvaluation()), (QStringList{"SLOPE-TO-MAX", "Slope to max.", "", "kg/mm"}));
    EXPECT_EQ(names(TQLXMeasurementTotalSlopeEvaluation()), (QStringList{"TOTAL-SLOPE", "Total slope", "", "kg/mm"}));
    EXPECT_TRUE(TQLXMaxForceMeasurementEvaluation().GetParameters().empty());
    EXPECT_EQ(TQLXMaxForceMeasurementEvaluation().GetClassCaption(), QStringLiteral("Max. force & deflection to max."));
}

TEST(BuiltInEvaluations, StraightLineHasZeroIntercept)
{
    TQLXMeasurementTotalSlopeEvaluation total;
    total.DoEvaluation(Curve({{0.0f, 0.0f}, {1.0f, 2.0f}, {2.0f, 4.0f}}));
    ASSERT_TRUE(total.HasLinearRegression());
    EXPECT_FLOAT_EQ(total.LinearRegression().Slope, 2.0f);
    EXPECT_FLOAT_EQ(total.LinearRegression().Intercept, 0.0f);
}

TEST(BuiltInEvaluations, RegressionUsesRoundedSinglePrecisionSums)
{
    // 0.1 mm steps accumulate rounding in 32-bit sums; the fit must follow
    // that arithmetic, not an exact one.
    auto points = std::make_shared<TDataPoints>();
    for (int i = 0; i < 2000; ++i)
        points->push_back({0.1f * float(i), 0.37f * float(i) * 0.1f + 0.2f});
    float sx = 0, sxx = 0, sy = 0, sxy = 0;
    for (const TDataPoint& p : *points) {
        sx = float(double(sx) + p.Deflection);
        sxx = float(double(sxx) + double(p.Deflection) * p.Deflection);
        sy = float(double(sy) + p.Force);
        sxy = float(double(sxy) + double(p.Deflection) * p.Force);
    }
    const double n = 2000;
    const float slope = float((double(sxy) - double(sx) * sy / n) / (double(sxx) - double(sx) * sx / n));
    const float intercept = float((double(sy) - double(slope) * sx) / n);

    TQLXMeasurementTotalSlopeEvaluation total;
    total.DoEvaluation(points);
    EXPECT_EQ(total.LinearRegression().Slope, slope);
    EXPECT_EQ(total.LinearRegression().Intercept, intercept);
}

TEST(BuiltInEvaluations, DrawSlopeSpansExactlyTheFittedPoints)
{
    auto points = std::make_shared<TDataPoints>();
    for (int i = 0; i <= 60; ++i)
        points->push_back({0.5f * float(i), i <= 40 ? 0.1f * float(i) : 4.0f - 0.05f * float(i - 40)});
    TQLXMeasurementSlopeToMaxEvaluation toMax;
    toMax.DoEvaluation(points);
    FakeChartSeries series;
    series.AddXY(-1, -1);
    toMax.DrawSlope(series);
    ASSERT_EQ(series.points.size(), 41u);
    for (size_t i = 0; i < series.points.size(); ++i) {
        EXPECT_EQ(series.points[i].first, double((*points)[i].Deflection));
        const float expected = float(double(toMax.LinearRegression().Slope) * (*points)[i].Deflection
                                     + toMax.LinearRegression().Intercept);
        EXPECT_EQ(series.points[i].second, double(expected));
    }

    TQLXMeasurementTotalSlopeEvaluation total;
    total.DoEvaluation(points);
    total.DrawSlope(series);
    EXPECT_EQ(series.points.size(), 61u);
}

TEST(BuiltInEvaluations, NoLineIsDrawnWithoutARegression)
{
    FakeChartSeries series;
    TQLXMeasurementTotalSlopeEvaluation notRun;
    series.AddXY(1, 1);
    notRun.DrawSlope(series);
    EXPECT_TRUE(series.points.empty());

    TQLXMeasurementSlopeToMaxEvaluation vertical;
    vertical.DoEvaluation(Curve({{2.0f, 1.0f}, {2.0f, 3.0f}}));
    series.AddXY(1, 1);
    vertical.DrawSlope(series);
    EXPECT_TRUE(series.points.empty());
    EXPECT_FALSE(vertical.HasLinearRegression());
}

TEST(BuiltInEvaluations, EmptyOrMissingCurveGivesTextsAndNoCrash)
{
    for (const TDataPointsRef& points : {TDataPointsRef(), Curve({})}) {
        TQLXMaxForceMeasurementEvaluation maxForce;
        maxForce.DoEvaluation(points);
        EXPECT_EQ(maxForce.GetValues()[0].Value, FormatFixed(0, 2));
        TQLXMeasurementSlopeToMaxEvaluation toMax;
        toMax.DoEvaluation(points);
        EXPECT_EQ(toMax.GetValues()[0].Value, QStringLiteral("-"));
        TQLXMeasurementTotalSlopeEvaluation total;
        total.DoEvaluation(points);
        EXPECT_EQ(total.GetValues()[0].Value, QStringLiteral("-"));
        FakeChartSeries series;
        total.DrawSlope(series);
        EXPECT_TRUE(series.points.empty());
    }
}

TEST(BuiltInEvaluations, RunningAgainOverwritesTheFit)
{
    TQLXMeasurementTotalSlopeEvaluation total;
    total.DoEvaluation(Curve({{0.0f, 0.0f}, {1.0f, 2.0f}}));
    total.DoEvaluation(Curve({{1.0f, 0.0f}, {1.0f, 2.0f}}));
    EXPECT_EQ(total.GetValues()[0].Value, QStringLiteral("-"));
    EXPECT_EQ(total.LinearRegression().Slope, 0.0f);
}

} // namespace
} // namespace qlx::studio::test
