// Each fault mode of qlx-sim leaves the driver working: it shows the
// messages the protocol gives for it and takes the next reading.

#include "tests/integration/DriverOnSimulator.h"

#include <gtest/gtest.h>

#include <optional>

namespace qlx::test {
namespace {

constexpr double MillimetresPerStep = 0.02;
constexpr double KilogramsPerRaw = 0.001;

struct Shown {
    QString caption;
    QString text;
};

struct FaultCase {
    const char* name;
    const char* fault;
    std::vector<Shown> expected;
    int truthFruit; // the fruit whose curve the last reading shows; -1: not compared
};

const QString BottomLimit = "The data of the last reading will not be\n"
                            "reliable: 'Bottom limit reached before\ncompletion of test'";
const QString Overload = "The data of the last reading will not be\n"
                         "reliable:Maximum load limit exceeded\n on last reading";
const QString NoTrigger = "The data of the last reading is not usable:\nno sample reached the trigger point.";
const QString BusyCycle = "The QLX could not execute the requested command,\rbecause it is busy with a test cycle. "
                          "\r\rDo you want to cancel the current test?";
const QString StartupError = "An error occured during system intialing\nSwitch the QLX OFF and then ON.\n"
                             "If this message occur again, contact Quorvane or a representative";

// Names the case in test output instead of its bytes.
void PrintTo(const FaultCase& c, std::ostream* out) { *out << c.name; }

class FaultMode : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FaultMode, DriverKeepsWorking)
{
    const FaultCase& c = GetParam();
    DriverOnSimulator line;
    ASSERT_TRUE(line.start({"--fault", c.fault})) << line.error.toStdString();
    ASSERT_TRUE(line.settingsRead());
    auto& qlx = *line.qlx;
    EXPECT_EQ(qlx.VersionText, "QLX version: 7.21, RV-31");

    // A refused or unusable first reading is repeated, as the user would.
    qlx.SendCommand("r");
    line.runUntil([&] { return qlx.FFirmnessReady || line.messages->count() >= qsizetype(c.expected.size()); });
    if (!qlx.FFirmnessReady) {
        line.runFor(100);
        if (!qlx.FFirmnessReady)
            qlx.SendCommand("r");
    }
    ASSERT_TRUE(line.runUntil([&] { return qlx.FFirmnessReady.load(); }));
    ASSERT_TRUE(line.runUntil([&] { return qlx.FSizeReady.load(); }));
    EXPECT_TRUE(qlx.SerialPortOpen());

    const auto shown = line.messages->shown();
    ASSERT_EQ(shown.size(), qsizetype(c.expected.size()));
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
        EXPECT_EQ(shown[qsizetype(i)].caption, c.expected[i].caption);
        EXPECT_EQ(shown[qsizetype(i)].text, c.expected[i].text);
    }
    if (c.truthFruit >= 0) {
        const sim::Reading truth = simulatedReading("apple", 1, c.truthFruit);
        EXPECT_EQ(differences(line.graph, expectedCurve(truth.samples, *truth.trigger, MillimetresPerStep,
                                                        KilogramsPerRaw)), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultMode,
    ::testing::Values(
        FaultCase{"garbage", "garbage", {}, 0},
        FaultCase{"split", "split", {}, 0},
        FaultCase{"coalesce", "coalesce", {}, 0},
        FaultCase{"overlong", "overlong", {}, 0},
        FaultCase{"startup_error", "startup-error", {{"Error: QLX can connect to loadcell interface", StartupError}}, 0},
        FaultCase{"busy_cycle", "busy=1", {{"Warning: QLX busy", BusyCycle}}, 0},
        FaultCase{"busy_saving", "busy=2", {{"Error: QLX Busy", "QLX is saving the current configuration"}}, 0},
        FaultCase{"busy_calibrating", "busy=3", {{"Error: QLX Busy", "QLX is calibrating"}}, 0},
        FaultCase{"busy_computing", "busy=4", {{"Error: QLX Busy", "QLX is calculating the mass ratio"}}, 0},
        FaultCase{"bottom_limit", "bottom-limit", {{"QLX Error", BottomLimit}}, 0},
        FaultCase{"overload", "overload", {{"QLX Error", Overload}}, 0},
        FaultCase{"no_trigger", "no-trigger", {{"QLX Error", NoTrigger}}, 1}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(FaultModes, OverlongMessageIsDroppedAndTheNextMessagesCount)
{
    DriverOnSimulator line;
    ASSERT_TRUE(line.start({"--fault", "overlong"})) << line.error.toStdString();
    ASSERT_TRUE(line.settingsRead());
    ASSERT_TRUE(line.takeReading("r"));
    EXPECT_EQ(line.qlx->Receiver.droppedOverlongMessages(), 1);
}

TEST(FaultModes, SamplesBeyondWhatTheDriverHoldsAreDropped)
{
    DriverOnSimulator line;
    ASSERT_TRUE(line.start({"--fault", "too-many-samples"})) << line.error.toStdString();
    ASSERT_TRUE(line.settingsRead());
    ASSERT_TRUE(line.takeReading("r"));
    EXPECT_EQ(line.qlx->DroppedSamples, 4500 - driver::TQLX32::MaxSamples);
    // The curve is what the arrays hold: from three samples before the trigger to the 4000th sample.
    const sim::Reading truth = simulatedReading("apple", 1, 0);
    const int triggerIndex = int(std::find_if(truth.samples.begin(), truth.samples.end(),
                                              [&](const auto& s) { return s.deflection == *truth.trigger; })
                                 - truth.samples.begin());
    EXPECT_EQ(line.graph.PointCount(), driver::TQLX32::MaxSamples - (triggerIndex - 3));
    EXPECT_TRUE(line.qlx->SerialPortOpen());

    // The next reading is whole again.
    ASSERT_TRUE(line.takeReading("r"));
    EXPECT_EQ(line.qlx->DroppedSamples, 0);
}

} // namespace
} // namespace qlx::test
