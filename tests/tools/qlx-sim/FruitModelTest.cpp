#include "tools/qlx-sim/FruitModel.h"
#include "tools/qlx-sim/Random.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>

namespace qlx::sim {
namespace {

long peakForce(const Reading& reading)
{
    long peak = 0;
    for (const RawSample& sample : reading.samples)
        peak = std::max(peak, sample.force);
    return peak;
}

TEST(FruitModel, EveryProfileGivesACompletePlausibleReading)
{
    const ReadingPlan plan; // 0.02 mm per step, 1 g per raw unit, trigger 50 g, 10 mm
    for (const char* name : {"apple", "pear", "kiwi", "tomato"}) {
        const FruitProfile& profile = *findProfile(name);
        const ProfileFruits fruits(profile, 3);
        std::vector<long> peaks;
        for (int index = 0; index < 10; ++index) {
            const Reading reading = fruits.measure(plan, index);
            ASSERT_TRUE(reading.trigger) << name;
            EXPECT_FALSE(reading.bottomReached || reading.overloaded) << name;
            const auto trigger = std::find_if(reading.samples.begin(), reading.samples.end(),
                                              [&](const RawSample& s) { return s.deflection == *reading.trigger; });
            ASSERT_NE(trigger, reading.samples.end());
            EXPECT_GE(trigger->force, 50) << name;
            EXPECT_TRUE(std::all_of(reading.samples.begin(), trigger, [](const RawSample& s) { return s.force < 50; }));
            EXPECT_EQ(trigger - reading.samples.begin(), plan.preTriggerSamples);
            EXPECT_EQ(reading.samples.back().deflection - *reading.trigger, 500);
            for (std::size_t i = 1; i < reading.samples.size(); ++i)
                ASSERT_EQ(reading.samples[i].deflection, reading.samples[i - 1].deflection + 1);
            peaks.push_back(peakForce(reading));
            EXPECT_GT(peaks.back(), profile.yieldForce * 0.5) << name;
            EXPECT_LT(peaks.back(), profile.yieldForce * 1.6) << name;
            EXPECT_NEAR(reading.size, profile.size, profile.size * 0.3) << name;
            EXPECT_NEAR(reading.mass, profile.mass, profile.mass * 0.6) << name;
        }
        // Fruits of one profile differ from each other.
        std::sort(peaks.begin(), peaks.end());
        EXPECT_GT(peaks.back() - peaks.front(), profile.yieldForce * 0.05) << name;
    }
}

TEST(FruitModel, CurveRisesFromContactToTheYieldAndDropsAfterTheRupture)
{
    Random random(5);
    const Fruit apple = drawFruit(*findProfile("apple"), random);
    EXPECT_EQ(apple.forceAt(-1), 0);
    EXPECT_EQ(apple.forceAt(0), 0);
    double previous = 0;
    for (double depth = 0.05; depth <= apple.yieldDepth; depth += 0.05) {
        EXPECT_GT(apple.forceAt(depth), previous);
        previous = apple.forceAt(depth);
    }
    EXPECT_NEAR(apple.forceAt(apple.yieldDepth), apple.yieldForce, apple.yieldForce * 1e-6);
    EXPECT_LT(apple.forceAt(apple.yieldDepth + 2), apple.yieldForce * 0.9);
    // The toe: the first millimetre is softer than the linear part.
    EXPECT_LT(apple.forceAt(0.2) / 0.2, apple.stiffness * 0.5);
}

TEST(FruitModel, SameSeedAndIndexRepeatTheReading)
{
    const ReadingPlan plan;
    const ProfileFruits a(*findProfile("kiwi"), 11), b(*findProfile("kiwi"), 11);
    EXPECT_EQ(a.measure(plan, 4).samples, b.measure(plan, 4).samples);
    EXPECT_NE(a.measure(plan, 4).samples, a.measure(plan, 5).samples);
    EXPECT_EQ(a.fruit(4).mass, a.measure(plan, 4).mass);
}

TEST(FruitModel, ScalesWithTheInstrumentsRatios)
{
    ReadingPlan plan;
    plan.millimetresPerStep = 0.01;
    plan.gramsPerRawForce = 2.0;
    const ProfileFruits fruits(*findProfile("pear"), 2);
    const Reading reading = fruits.measure(plan, 0);
    ASSERT_TRUE(reading.trigger);
    EXPECT_EQ(reading.samples.back().deflection - *reading.trigger, 1000);
    const Reading unscaled = fruits.measure(ReadingPlan{}, 0);
    EXPECT_NEAR(peakForce(reading) * 2.0, peakForce(unscaled), peakForce(unscaled) * 0.1);
}

TEST(FruitModel, StopsAtTheMaximumLoadAndAtTheBottom)
{
    ReadingPlan plan;
    plan.maxLoadGrams = 1000;
    const Reading overloaded = ProfileFruits(*findProfile("apple"), 1).measure(plan, 0);
    EXPECT_TRUE(overloaded.overloaded);
    EXPECT_GT(overloaded.samples.back().force, 1000);
    EXPECT_LE(std::count_if(overloaded.samples.begin(), overloaded.samples.end(),
                            [](const RawSample& s) { return s.force > 1000; }), 1);

    ReadingPlan shallow;
    shallow.travelMillimetres = 20;
    shallow.distanceMillimetres = 30;
    const Reading bottomed = ProfileFruits(*findProfile("apple"), 1).measure(shallow, 0);
    EXPECT_TRUE(bottomed.bottomReached);
    EXPECT_EQ(bottomed.samples.back().deflection, 1000); // 20 mm at 0.02 mm
}

TEST(RecordedFruit, ReadsRawSamplesAndFindsTheTrigger)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("curve.csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("force,deflection\n# a comment\n\n3,100\r\n 40 , 101\n60,102\n900,103\n");
    file.close();

    const auto samples = readSampleCsv(path.toStdString());
    EXPECT_EQ(samples, (std::vector<RawSample>{{3, 100}, {40, 101}, {60, 102}, {900, 103}}));
    ReadingPlan plan;
    const Reading reading = RecordedFruit(samples).measure(plan, 0);
    EXPECT_EQ(reading.trigger, 102);
    plan.gramsPerRawForce = 0.05; // 900 raw units are 45 g: below the trigger
    EXPECT_FALSE(RecordedFruit(samples).measure(plan, 0).trigger);
}

TEST(RecordedFruit, RejectsBadFilesNamingTheLine)
{
    QTemporaryDir dir;
    const std::vector<std::pair<QByteArray, std::string>> cases{
        {"10,1\n12;2\n", ":2:"}, {"10,1\n0,2\n", ":2:"}, {"# only comments\n", "no samples"}, {"10,x\n", ":1:"}};
    for (const auto& [content, expected] : cases) {
        const QString path = dir.filePath("bad.csv");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        try {
            readSampleCsv(path.toStdString());
            ADD_FAILURE() << content.constData();
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(expected), std::string::npos) << error.what();
        }
    }
    EXPECT_THROW(readSampleCsv(dir.filePath("missing.csv").toStdString()), std::runtime_error);
}

} // namespace
} // namespace qlx::sim
