#include "studio/model/UQLXMaxForceMeasurementEvaluation.h"
#include "studio/model/UQLXMeasurement.h"
#include "studio/model/UQLXMeasurementSlopeToMaxEvaluation.h"
#include "tests/studio/model/ModelTestSupport.h"

#include <gtest/gtest.h>

namespace qlx::studio::test {
namespace {

class MeasurementTest : public ::testing::TestWithParam<QLocale::Language> {
protected:
    ScopedLocale locale{GetParam()};
    QString num(const char* text) const { return LocalizeDecimalSeparator(QString::fromLatin1(text)); }
};

INSTANTIATE_TEST_SUITE_P(Locales, MeasurementTest, ::testing::Values(QLocale::English, QLocale::German));

TEST_P(MeasurementTest, EmptyMeasurementReportsNoDataAndIgnoresEvaluations)
{
    for (TDataPointsRef points : {TDataPointsRef(), Curve({})}) {
        TQLXMeasurement measurement(points);
        auto evaluation = std::make_shared<TQLXMaxForceMeasurementEvaluation>();
        measurement.AddEvaluation(evaluation);
        EXPECT_EQ(measurement.DataPointsCount(), 0);
        EXPECT_TRUE(measurement.Evaluations().empty());
        EXPECT_TRUE(evaluation->GetValues()[0].Value.isEmpty()) << "not run";
        EXPECT_EQ(measurement.GetProtocol(), QStringList{QStringLiteral("Measurement contains no data")});
        EXPECT_EQ(measurement.GetDataPointsAsString(), QString());
        FakeChartSeries series;
        series.AddXY(9, 9);
        measurement.Draw(series);
        EXPECT_TRUE(series.points.empty());
    }
}

TEST_P(MeasurementTest, OnePointProtocolHasOneDataLine)
{
    TQLXMeasurement measurement(Curve({{1.5f, 0.734f}}));
    const QStringList expected{QStringLiteral("Deflection [mm]; Force [kg]"), num("1.50; 0.734"), QString(),
                               QStringLiteral("Evaluation results")};
    EXPECT_EQ(measurement.GetProtocol(), expected);
    EXPECT_EQ(measurement.GetDataPointsAsString(), u'"' + num("1.50") + u'\t' + num("0.734") + u'"');
}

TEST_P(MeasurementTest, DataPointsAsStringQuotesEveryItem)
{
    TQLXMeasurement measurement(Curve({{0.5f, 0.1234f}, {1.0f, 0.2f}, {-0.004f, -1.0f}}));
    const QString expected = QStringLiteral("\"%1\t%2\";\"%3\t%4\";\"%5\t%6\"")
                                 .arg(num("0.50"), num("0.123"), num("1.00"), num("0.200"), num("-0.00"),
                                      num("-1.000"));
    EXPECT_EQ(measurement.GetDataPointsAsString(), expected);
}

TEST_P(MeasurementTest, ProtocolListsEveryEvaluationBlock)
{
    TQLXMeasurement measurement(Curve({{0.5f, 0.67f}, {6.5f, 2.47f}, {7.0f, 2.0f}}));
    measurement.AddEvaluation(std::make_shared<TQLXMaxForceMeasurementEvaluation>());

    auto captioned = std::make_shared<TQLXMeasurementSlopeToMaxEvaluation>();
    captioned->SetCaption(QStringLiteral("A"));
    measurement.AddEvaluation(captioned);

    auto blankCaption = std::make_shared<TTestParameterEvaluation>();
    blankCaption->SetCaption(QStringLiteral("  \t "));
    measurement.AddEvaluation(blankCaption);

    const QStringList expected{
        QStringLiteral("Deflection [mm]; Force [kg]"),
        num("0.50; 0.670"),
        num("6.50; 2.470"),
        num("7.00; 2.000"),
        QString(),
        QStringLiteral("Evaluation results"),
        QStringLiteral("- Max. force & deflection to max."),
        QStringLiteral("  Values:"),
        QStringLiteral("  Max. force: ") + num("2.47") + QStringLiteral(" kg"),
        QStringLiteral("  Deflection to max.: ") + num("6.50") + QStringLiteral(" mm"),
        QStringLiteral("- Slope to max."),
        QStringLiteral("\"A\""),
        QStringLiteral("  Values:"),
        QStringLiteral("  Slope to max.: ") + num("0.30") + QStringLiteral(" kg/mm"),
        QStringLiteral("- Test evaluation"),
        QStringLiteral("  Parameters:"),
        QStringLiteral("  Start: 1.0 kg"),
        QStringLiteral("  Width: 2 mm"),
        QStringLiteral("  Values:"),
        QStringLiteral("  Test value: partial kg"),
    };
    EXPECT_EQ(measurement.GetProtocol(), expected);
}

TEST_P(MeasurementTest, ValuesLineAppearsEvenWithoutValues)
{
    class TNoValues final : public TQLXMeasurementEvaluationClass<TNoValues> {
    public:
        static QString ClassName() { return QStringLiteral("TNoValues"); }
        static QString GetClassCaptionStatic() { return QStringLiteral("Nothing"); }
        void DoEvaluation(const TDataPointsRef&) override {}
    };
    TQLXMeasurement measurement(Curve({{1.0f, 1.0f}}));
    measurement.AddEvaluation(std::make_shared<TNoValues>());
    const QStringList protocol = measurement.GetProtocol();
    EXPECT_EQ(protocol.mid(4), (QStringList{QStringLiteral("- Nothing"), QStringLiteral("  Values:")}));
}

TEST_P(MeasurementTest, DrawShowsTheCurveOnceEvenWhenDrawnTwice)
{
    TQLXMeasurement measurement(Curve({{0.5f, 1.0f}, {1.0f, 3.0f}}));
    FakeChartSeries series;
    measurement.Draw(series);
    measurement.Draw(series);
    EXPECT_EQ(series.points, (std::vector<std::pair<double, double>>{{0.5, 1.0}, {1.0, 3.0}}));
}

TEST(Measurement, FailingEvaluationIsKeptAndTheFailurePassesOn)
{
    TQLXMeasurement measurement(Curve({{1.0f, 1.0f}}));
    auto failing = std::make_shared<TTestParameterEvaluation>();
    failing->failRun = true;
    EXPECT_THROW(measurement.AddEvaluation(failing), std::runtime_error);
    ASSERT_EQ(measurement.Evaluations().size(), 1u);
    EXPECT_EQ(measurement.Evaluations()[0]->GetValues()[0].Value, QStringLiteral("partial"));
}

TEST(Measurement, MeasurementSharesTheCurveAndReleasesItsEvaluations)
{
    const TDataPointsRef points = Curve({{1.0f, 1.0f}, {2.0f, 3.0f}});
    auto kept = std::make_shared<TQLXMeasurementSlopeToMaxEvaluation>();
    std::weak_ptr<IQLXMeasurementEvaluation> released;
    {
        TQLXMeasurement measurement(points);
        EXPECT_EQ(&measurement.DataPoints(), points.get());
        auto onlyHere = std::make_shared<TQLXMaxForceMeasurementEvaluation>();
        released = onlyHere;
        measurement.AddEvaluation(std::move(onlyHere));
        measurement.AddEvaluation(kept);
        EXPECT_EQ(kept.use_count(), 2);
    }
    EXPECT_TRUE(released.expired());
    EXPECT_EQ(kept.use_count(), 1);
    FakeChartSeries series;
    kept->DrawSlope(series);
    EXPECT_EQ(series.points.size(), 2u) << "the evaluation still holds the curve it ran on";
}

TEST(Measurement, ClearEvaluationsEmptiesTheList)
{
    TQLXMeasurement measurement(Curve({{1.0f, 1.0f}}));
    measurement.AddEvaluation(std::make_shared<TQLXMaxForceMeasurementEvaluation>());
    measurement.ClearEvaluations();
    EXPECT_TRUE(measurement.Evaluations().empty());
}

} // namespace
} // namespace qlx::studio::test
