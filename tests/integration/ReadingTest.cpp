// Firmness readings from qlx-sim decoded by the driver over a pseudo-terminal.

#include "tests/integration/DriverOnSimulator.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>

namespace qlx::test {
namespace {

constexpr double MillimetresPerStep = 0.02; // step ratio 5000
constexpr double KilogramsPerRaw = 0.001;   // firmness ratio 1000

TEST(Reading, ScaledCurveMatchesTheSimulatorsFruitAndSizeAndMassFollow)
{
    DriverOnSimulator line;
    ASSERT_TRUE(line.start({"--fruit", "pear", "--seed", "5"})) << line.error.toStdString();
    ASSERT_TRUE(line.settingsRead());
    auto& qlx = *line.qlx;

    ASSERT_TRUE(line.takeReading("r"));
    const sim::Reading first = simulatedReading("pear", 5, 0);
    const ExpectedCurve curve = expectedCurve(first.samples, *first.trigger, MillimetresPerStep, KilogramsPerRaw);
    EXPECT_EQ(differences(line.graph, curve), "");
    EXPECT_EQ(qlx.FCursorStart, curve.cursorStart);
    EXPECT_EQ(qlx.FMaxIndex, curve.maxIndex);
    EXPECT_NEAR(line.graph.XData[std::size_t(curve.cursorStart)], 0.0, 1e-9);
    EXPECT_GT(qlx.FEnergy, 0.0f);
    EXPECT_TRUE(line.runUntil([&] { return qlx.FSizeReady.load(); }));
    EXPECT_NEAR(qlx.FSize, first.size, 0.051);
    EXPECT_FALSE(qlx.FMassReady); // "r" does not weigh
    EXPECT_TRUE(line.runUntil([&] { return qlx.ProbeAtTop.load(); }));

    // The next fruit, weighed with the reading on this model with a scale.
    ASSERT_TRUE(line.takeReading("l"));
    const sim::Reading second = simulatedReading("pear", 5, 1);
    EXPECT_EQ(differences(line.graph, expectedCurve(second.samples, *second.trigger, MillimetresPerStep,
                                                    KilogramsPerRaw)), "");
    ASSERT_TRUE(line.runUntil([&] { return qlx.FMassReady.load(); }));
    EXPECT_NEAR(qlx.FMass, second.mass, 0.051);
    EXPECT_EQ(line.messages->count(), 0);
}

TEST(Reading, ScaleWeighsAndZeroes)
{
    DriverOnSimulator line;
    ASSERT_TRUE(line.start({"--seed", "9"})) << line.error.toStdString();
    ASSERT_TRUE(line.settingsRead());
    auto& qlx = *line.qlx;
    qlx.SendCommand("c");
    ASSERT_TRUE(line.runUntil([&] { return qlx.FMassReady.load(); }));
    EXPECT_NEAR(qlx.FMass, sim::ProfileFruits(*sim::findProfile("apple"), 9).fruit(0).mass, 0.051);

    qlx.ZeroScalePending = true;
    qlx.SendCommand("h");
    ASSERT_TRUE(line.runUntil([&] { return !qlx.ZeroScalePending; }));
    ASSERT_EQ(line.messages->count(), 1);
    EXPECT_EQ(line.messages->shown().front().caption, "Procedure status");
    EXPECT_EQ(line.messages->shown().front().text, "Zero completed on SCALE.");
}

TEST(Reading, PacedAtNineThousandSixHundredBaudWithRecordedSamples)
{
    DriverOnSimulator line;
    const QString csv = line.dir.filePath("curve.csv");
    std::vector<sim::RawSample> samples;
    for (long i = 0; i < 40; ++i)
        samples.push_back({1 + i * i * 3, 2000 + i});
    {
        QFile file(csv);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("force,deflection\n");
        for (const auto& sample : samples)
            file.write(QByteArray::number(qlonglong(sample.force)) + "," + QByteArray::number(qlonglong(sample.deflection)) + "\n");
    }
    ASSERT_TRUE(line.start({"--csv", csv, "--pacing", "9600"})) << line.error.toStdString();
    ASSERT_TRUE(line.settingsRead());

    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(line.takeReading("r"));
    const qint64 elapsed = clock.elapsed();

    // The trigger: the first sample of 50 raw units (50 g) or more.
    const auto trigger = std::find_if(samples.begin(), samples.end(), [](const auto& s) { return s.force >= 50; });
    EXPECT_EQ(differences(line.graph, expectedCurve(samples, trigger->deflection, MillimetresPerStep, KilogramsPerRaw)), "");

    // About 500 bytes up to the end-of-reading reply take half a second at 9600 baud.
    qint64 bytes = 0;
    for (const auto& sample : samples)
        bytes += QByteArray::number(qlonglong(sample.force)).size() + QByteArray::number(qlonglong(sample.deflection)).size() + 3;
    EXPECT_GE(elapsed, qint64(bytes * 10 * 1000 / 9600 * 0.9));
    EXPECT_EQ(line.messages->count(), 0);
}

TEST(Reading, ButtonOnTheControlPipeStartsTheArmedReading)
{
    DriverOnSimulator line;
    const QString control = line.dir.filePath("control");
    ASSERT_TRUE(line.start({"--start", "button", "--control", control})) << line.error.toStdString();
    ASSERT_TRUE(line.settingsRead());
    line.qlx->SendCommand("r");
    line.runFor(300);
    EXPECT_FALSE(line.qlx->FFirmnessReady);

    QFile pipe(control);
    ASSERT_TRUE(pipe.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    pipe.write("press\n");
    EXPECT_TRUE(line.runUntil([&] { return line.qlx->FFirmnessReady.load(); }));
}

// QSerialPort reports a hung-up pseudo-terminal as a read error, again and
// again while the port stays open: the link must end on the first one.
TEST(Reading, LosingTheLineAfterAReadingClosesThePort)
{
    DriverOnSimulator line;
    ASSERT_TRUE(line.start({"--fault", "lose-line=1"})) << line.error.toStdString();
    ASSERT_TRUE(line.settingsRead());
    ASSERT_TRUE(line.takeReading("r"));
    ASSERT_TRUE(line.runUntil([&] { return !line.qlx->SerialPortOpen(); }));
    EXPECT_FALSE(line.qlx->FLoggedIn);
    EXPECT_EQ(line.qlx->StatusWord() & 4, 0);
    EXPECT_EQ(line.qlx->CurrentTrayIcon().picture, driver::TrayIconState::Picture::Not);
    line.qlx->SendCommand("r"); // dropped without a message
    line.runFor(100);
    EXPECT_EQ(line.messages->count(), 0);
    EXPECT_TRUE(line.sim.waitForExit(3000));
}

} // namespace
} // namespace qlx::test
