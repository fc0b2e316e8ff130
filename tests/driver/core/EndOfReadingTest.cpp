#include "tests/driver/core/DriverFixture.h"

using namespace qlx;
using namespace qlx::test;

namespace {
// Raw force 1000 is 1 kg and one raw deflection unit 1 mm with these ratios.
const std::vector<std::pair<double, double>> Reading{
    {100, 0}, {200, 1}, {300, 2}, {1000, 3}, {2000, 4}, {3000, 5}, {2500, 6}, {2600, 7}};
} // namespace

class EndOfReadingTest : public DriverFixture {
protected:
    void SetUp() override { startLoggedIn("100", "1000"); }
};

TEST_F(EndOfReadingTest, ACompleteReadingComputedByHand)
{
    deliverSamples(Reading);
    serial->deliver("5S#");

    // Trigger at sample 5, curve from sample 2: deflections -3..2 mm.
    ASSERT_EQ(graph.PointCount(), 6);
    EXPECT_EQ(graph.XData, (std::vector<double>{-3, -2, -1, 0, 1, 2}));
    EXPECT_EQ(graph.YData, (std::vector<double>{0.3, 1.0, 2.0, 3.0, 2.5, 2.6}));
    EXPECT_EQ(qlx->FCursorStart, 3);
    EXPECT_EQ(qlx->FMaxIndex, 3);
    // Energy: steps of 1 mm times 1 + 2 + 3 + 2.5 + 2.6 kg, in joule.
    EXPECT_NEAR(qlx->FEnergy, 11.1 * 0.001 * 9.81, 1e-6);
    EXPECT_FLOAT_EQ(qlx->FLastFirmness, 2.6f);
    EXPECT_EQ(qlx->StatusBar1.panels[0], "3.000 kg");
    EXPECT_EQ(graph.Label3.text, "Energy = 0.109 Joule");
    EXPECT_EQ(graph.Label1.text, "3.00");
    EXPECT_EQ(graph.Label2.text, "0.000");
    EXPECT_EQ(graph.UpDown1.max, 5);
    EXPECT_EQ(graph.UpDown1.position, 3);
    EXPECT_DOUBLE_EQ(graph.XMin, -3.0);
    EXPECT_DOUBLE_EQ(graph.XMax, 2.0);
    EXPECT_DOUBLE_EQ(graph.YMax, 5.0);
    EXPECT_TRUE(graph.xy.enabled && graph.y.enabled && graph.SpeedButton1.enabled && graph.SpeedButton2.enabled);
    EXPECT_TRUE(qlx->FGraphReady);
    EXPECT_EQ(qlx->StatusWord() & 1, 1);
    EXPECT_EQ(qlx->SampleCount, 0);
    EXPECT_EQ(messages->count(), 0);
}

TEST_F(EndOfReadingTest, TriggerPositionsAndTheCurveStart)
{
    struct Case {
        int trigger;
        int expectedBegin;
        short cursorStart;
        int points;
    };
    // Raw deflections 0, 10, ..., 200: trigger 95 reaches sample 10.
    const Case cases[] = {{95, 7, 3, 14}, {0, 0, 0, 21}, {15, 0, 2, 21}, {200, 17, 3, 4}};
    for (const Case& c : cases) {
        std::vector<std::pair<double, double>> samples;
        for (int i = 0; i <= 20; ++i)
            samples.emplace_back(100 + i, 10 * i);
        deliverSamples(samples);
        serial->deliver(QByteArray::number(c.trigger) + "S#");
        EXPECT_EQ(graph.PointCount(), c.points) << c.trigger;
        EXPECT_EQ(qlx->FCursorStart, c.cursorStart) << c.trigger;
        EXPECT_DOUBLE_EQ(graph.XData[std::size_t(c.cursorStart)], 0.0) << c.trigger;
        EXPECT_DOUBLE_EQ(graph.YData[0], (100 + c.expectedBegin) * 0.001) << c.trigger;
    }
}

TEST_F(EndOfReadingTest, EqualMaximaPickTheFirstAndTheAxisFollowsTheForce)
{
    deliverSamples({{1000, 0}, {12000, 1}, {12000, 2}, {500, 3}});
    serial->deliver("0S#");
    EXPECT_EQ(qlx->FMaxIndex, 1);
    EXPECT_DOUBLE_EQ(graph.YMax, 20.0);
}

TEST_F(EndOfReadingTest, NoSampleReachingTheTriggerGivesNoCurve)
{
    deliverSamples(Reading);
    serial->deliver("100S#");
    EXPECT_EQ(qlx->StatusWord() & 1, 0);
    EXPECT_FALSE(qlx->FGraphReady);
    ASSERT_EQ(messages->count(), 1);
    EXPECT_EQ(messages->shown()[0].caption, "QLX Error");
    EXPECT_TRUE(messages->shown()[0].text.contains("no sample reached the trigger point"));
    EXPECT_EQ(qlx->SampleCount, 0);

    serial->deliver("i#5S#"); // a reading without samples
    EXPECT_EQ(qlx->StatusWord() & 1, 0);
}

TEST_F(EndOfReadingTest, RatiosNotReadOrNotNumbersGiveNoCurve)
{
    for (const auto& [step, firmness] : {std::pair<QString, QString>{"", "1000"}, {"100", ""},
                                         {"abc", "1000"}, {"100", "x"}, {"0", "1000"}}) {
        messages->clear();
        qlx->stepratio.text = step;
        qlx->massratio.text = firmness;
        deliverSamples(Reading);
        serial->deliver("3S#");
        EXPECT_EQ(qlx->StatusWord() & 1, 0);
        ASSERT_EQ(messages->count(), 1);
        EXPECT_TRUE(messages->shown()[0].text.contains("the step ratio and the firmness"));
        for (double f : graph.YData)
            EXPECT_TRUE(std::isfinite(f));
    }
}

TEST_F(EndOfReadingTest, SamplesBeyondTheArraysAreDroppedAndTheReadingStaysUsable)
{
    std::vector<std::pair<double, double>> samples;
    for (int i = 0; i < 4100; ++i)
        samples.emplace_back(1000 + i, i);
    deliverSamples(samples);
    EXPECT_EQ(qlx->SampleCount, 4000);
    serial->deliver("10S#");
    EXPECT_EQ(qlx->StatusWord() & 1, 1);
    EXPECT_EQ(graph.PointCount(), 4000 - 7);
    EXPECT_FLOAT_EQ(qlx->FLastFirmness, 4.999f);
    EXPECT_EQ(messages->count(), 0);
}

TEST_F(EndOfReadingTest, ASampleWithoutCommaIsLeftOutAndReported)
{
    serial->deliver("i#100,0l#200,1l#300l#1000,3l#2000,4l#");
    EXPECT_EQ(qlx->SampleCount, 4);
    serial->deliver("1S#");
    EXPECT_EQ(qlx->StatusWord() & 1, 1);
    ASSERT_EQ(messages->count(), 1);
    EXPECT_TRUE(messages->shown()[0].text.contains("1 samples could not be read"));
}

TEST_F(EndOfReadingTest, ZeroOrNegativeForcesBecomeOneRawUnit)
{
    serial->deliver("i#0,12l#-5,13l#");
    EXPECT_DOUBLE_EQ(qlx->FForce[0], 1.0);
    EXPECT_DOUBLE_EQ(qlx->FDeflection[0], 12.0);
    EXPECT_DOUBLE_EQ(qlx->FForce[1], 1.0);
}

TEST_F(EndOfReadingTest, BottomLimitDropsTheSamplesAndRearms)
{
    deliverSamples(Reading);
    serial->written.clear();
    serial->deliver("X#");
    EXPECT_EQ(qlx->SampleCount, 0);
    EXPECT_EQ(serial->takeWritten(), "r");
}
