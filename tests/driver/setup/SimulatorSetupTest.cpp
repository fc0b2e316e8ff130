// The setting controls against qlx-sim over a pseudo-terminal: what the
// arrows send is what the instrument reports on the next re-load.
#include "tests/integration/DriverOnSimulator.h"

#include <gtest/gtest.h>

using namespace qlx;
using namespace qlx::test;
using Button = driver::TQLX32::ArrowButton;

class SimulatorSetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(line.start({})) << line.error.toStdString();
        ASSERT_TRUE(line.settingsRead());
    }

    DriverOnSimulator line;
};

TEST_F(SimulatorSetupTest, ArrowsChangeTheInstrumentAndReloadShowsIt)
{
    driver::TQLX32& qlx = *line.qlx;
    qlx.TriggerScrollClick(Button::Up);
    qlx.ForwardScrollClick(Button::Down);
    qlx.ReverseScrollClick(Button::Down);
    qlx.MeasureSpeedScrollClick(Button::Down);
    qlx.MeasureDistanceScrollClick(Button::Up);
    line.runFor(100);
    const QStringList shown{qlx.LoadThres.text, qlx.MaxVel.text, qlx.ReverseSpeed.text, qlx.LoadVelocity.text,
                            qlx.TestDistance.text};
    EXPECT_EQ(qlx.ChangedCount, 5);

    for (driver::TextControl* display :
         {&qlx.LoadThres, &qlx.MaxVel, &qlx.ReverseSpeed, &qlx.LoadVelocity, &qlx.TestDistance})
        display->text.clear();
    qlx.InstrumentResponding = false;
    qlx.TransparentButton2Click();
    EXPECT_FALSE(qlx.TransparentButton2.enabled);
    ASSERT_TRUE(line.runUntil([&] { return qlx.InstrumentResponding.load(); }));
    EXPECT_EQ((QStringList{qlx.LoadThres.text, qlx.MaxVel.text, qlx.ReverseSpeed.text, qlx.LoadVelocity.text,
                           qlx.TestDistance.text}),
              shown);
    EXPECT_TRUE(qlx.TransparentButton2.enabled);

    qlx.TransparentButton3Click(); // save: the instrument reports its progress to the end
    EXPECT_TRUE(qlx.FSavingSettings);
    ASSERT_TRUE(line.runUntil([&] { return !qlx.FSavingSettings; }));
    EXPECT_TRUE(qlx.TransparentButton3.enabled);
    EXPECT_FALSE(qlx.UnsavedChanges);
    EXPECT_EQ(line.messages->count(), 0);
}
