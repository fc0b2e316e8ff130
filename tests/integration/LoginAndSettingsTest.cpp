// Login and settings read between the driver and qlx-sim over a pseudo-terminal.

#include "tests/integration/DriverOnSimulator.h"

#include <gtest/gtest.h>

namespace qlx::test {
namespace {

const QString NotRespondingText = "To correct error:\n\n1.  Check serial cable connections.\n"
                                  "2.  Check if a valid port has been selected.\n"
                                  "3.  Is the QLX swithed on? - allow 5 sec to initialise";

struct ModelCase {
    const char* model;
    const char* versionText;
    bool scale;
    bool newGeneration;
};

// Names the case in test output instead of its bytes.
void PrintTo(const ModelCase& c, std::ostream* out) { *out << c.model; }

class LoginAndSettings : public ::testing::TestWithParam<ModelCase> {};

TEST_P(LoginAndSettings, FillsTheSetupStateAndIdentifiesTheInstrument)
{
    const ModelCase& c = GetParam();
    DriverOnSimulator line;
    ASSERT_TRUE(line.start({"--model", c.model})) << line.error.toStdString();
    ASSERT_TRUE(line.settingsRead());
    auto& qlx = *line.qlx;

    // The whole exchange, in order: login, every query up to the version, then
    // "A" and, on its reply, "?I". "?y" comes after the instrument's own "y" reply.
    ASSERT_TRUE(line.runUntil([&] { return line.bytesFromDriver().endsWith("A?I"); }));
    EXPECT_EQ(line.bytesFromDriver(), "o 70836u?E?M?T?m?n?q?p?g?H?F?R?y?VA?I");

    EXPECT_TRUE(qlx.FLoggedIn);
    EXPECT_TRUE(qlx.FSettingsRead);
    EXPECT_EQ(qlx.TestMass.text, "1000");
    EXPECT_EQ(qlx.MaxLoad.text, "14000");
    EXPECT_EQ(qlx.LoadThres.text, "50");
    EXPECT_EQ(qlx.MaxVel.text, "20");
    EXPECT_EQ(qlx.LoadVelocity.text, "10");
    EXPECT_EQ(qlx.TestDistance.text, "10.0");
    EXPECT_EQ(qlx.MaxDis.text, "100");
    EXPECT_EQ(qlx.gradien.text, "1.00");
    EXPECT_EQ(qlx.massratio.text, "1000");
    EXPECT_EQ(qlx.clkfrequency.text, "2000");
    EXPECT_EQ(qlx.stepratio.text, "5000");
    EXPECT_EQ(qlx.ReverseSpeed.text, "30");
    EXPECT_FALSE(qlx.Gauge1.visible);
    EXPECT_FALSE(qlx.LinkWatch);

    EXPECT_EQ(qlx.VersionText, c.versionText);
    EXPECT_EQ(qlx.FHasScale.load(), c.scale);
    EXPECT_EQ(qlx.NewGeneration, c.newGeneration);
    EXPECT_EQ(qlx.ScaleGroup.visible, c.scale);

    // Link open, probe at the top (the status reply after the login), responding, scale.
    EXPECT_EQ(qlx.StatusWord(), 4 | 16 | 64 | (c.scale ? 256 : 0));
    EXPECT_TRUE(qlx.StatusLampGreen);

    ASSERT_TRUE(line.runUntil([&] { return qlx.Memo1.lines.size() == 3; }));
    EXPECT_EQ(qlx.Memo1.lines.front(), c.versionText);

    // The read is over: the watchdog no longer counts.
    for (int tick = 0; tick < 100; ++tick)
        qlx.Timer2Timer();
    EXPECT_TRUE(qlx.SerialPortOpen());
    EXPECT_EQ(line.messages->count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Models, LoginAndSettings,
                         ::testing::Values(ModelCase{"7.21", "QLX version: 7.21, RV-31", true, true},
                                           ModelCase{"5.2", "QLX version: 5.2, RV-36", false, false},
                                           ModelCase{"8.42", "QLX version: 8.42, RV-47", true, true}),
                         [](const auto& info) {
                             std::string name = info.param.model;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return "model_" + name;
                         });

TEST(LoginAndSettingsOpenPoints, VersionRightAfterTheStepRatioEndsTheReadWithoutReverseSpeed)
{
    DriverOnSimulator line;
    ASSERT_TRUE(line.start({"--after-r", "V", "--answer-i", "none"})) << line.error.toStdString();
    ASSERT_TRUE(line.settingsRead());
    ASSERT_TRUE(line.runUntil([&] { return line.bytesFromDriver().endsWith("A?I"); }));
    EXPECT_EQ(line.bytesFromDriver(), "o 70836u?E?M?T?m?n?q?p?g?H?F?RA?I");
    EXPECT_TRUE(line.qlx->ReverseSpeed.text.isEmpty());
    EXPECT_EQ(line.messages->count(), 0);
}

TEST(LoginAndSettingsOpenPoints, NothingAfterTheStepRatioLeavesTheWatchdogToFire)
{
    DriverOnSimulator line;
    ASSERT_TRUE(line.start({"--after-r", "none"})) << line.error.toStdString();
    ASSERT_TRUE(line.runUntil([&] { return line.qlx->stepratio.text == "5000"; }));
    line.tickUntilPortClosed();
    EXPECT_FALSE(line.qlx->SerialPortOpen());
    EXPECT_FALSE(line.qlx->InstrumentResponding);
    ASSERT_EQ(line.messages->count(), 1);
    EXPECT_EQ(line.messages->shown().front().caption, "QLX Not Responding");
}

TEST(LoginAndSettings, SettingCommandsChangeWhatTheNextReadReports)
{
    DriverOnSimulator line;
    ASSERT_TRUE(line.start({})) << line.error.toStdString();
    ASSERT_TRUE(line.settingsRead());
    auto& qlx = *line.qlx;
    qlx.SendCommand("o120T");
    qlx.SendCommand("o");
    qlx.SendCommand("12m");
    qlx.SendCommand("o25y");
    qlx.SendCommand("8n");
    qlx.SendCommand("o150q");
    qlx.SendCommand("o2000E");
    line.runFor(100);

    // The re-load: a fresh settings read.
    qlx.ResetReceiveState();
    qlx.SendCommand("?E");
    ASSERT_TRUE(line.runUntil([&] { return qlx.ReverseSpeed.text == "25"; }));
    EXPECT_EQ(qlx.LoadThres.text, "120");
    EXPECT_EQ(qlx.MaxVel.text, "12");
    EXPECT_EQ(qlx.LoadVelocity.text, "8");
    EXPECT_EQ(qlx.TestDistance.text, "15.0");
    EXPECT_EQ(qlx.TestMass.text, "2000");
    EXPECT_EQ(line.messages->count(), 0);
}

TEST(LoginAndSettings, SaveOnTheInstrumentReportsItsProgress)
{
    DriverOnSimulator line;
    ASSERT_TRUE(line.start({})) << line.error.toStdString();
    ASSERT_TRUE(line.settingsRead());
    auto& qlx = *line.qlx;
    qlx.FSavingSettings = true;
    qlx.TransparentButton2.enabled = qlx.TransparentButton3.enabled = false;
    qlx.SendCommand("Q");
    ASSERT_TRUE(line.runUntil([&] { return !qlx.FSavingSettings; }));
    EXPECT_FALSE(qlx.Gauge1.visible);
    EXPECT_EQ(qlx.Gauge1.maxValue, 11);
    EXPECT_TRUE(qlx.TransparentButton2.enabled);
    EXPECT_TRUE(qlx.TransparentButton3.enabled);
    EXPECT_EQ(line.messages->count(), 0);
}

class SilentInstrument : public ::testing::TestWithParam<const char*> {};

// The watchdog counts 11 periods of 5 ticks; the test ticks it by hand.
TEST_P(SilentInstrument, WatchdogClosesThePortAndWarnsOnce)
{
    DriverOnSimulator line;
    ASSERT_TRUE(line.start({"--fault", GetParam()})) << line.error.toStdString();
    line.runFor(300); // time for an acknowledgement that does not come
    EXPECT_FALSE(line.qlx->FLoggedIn);

    const int ticks = line.tickUntilPortClosed();
    EXPECT_GE(ticks, 50);
    EXPECT_LE(ticks, 56);
    EXPECT_FALSE(line.qlx->SerialPortOpen());
    EXPECT_TRUE(line.qlx->Config.portName().isEmpty());
    EXPECT_EQ(line.qlx->StatusWord() & 4, 0);

    for (int tick = 0; tick < 100; ++tick)
        line.qlx->Timer2Timer();
    line.runFor(100);
    ASSERT_EQ(line.messages->count(), 1);
    const UserMessage shown = line.messages->shown().front();
    EXPECT_EQ(shown.caption, "QLX Not Responding");
    EXPECT_EQ(shown.text, NotRespondingText);
    EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
}

INSTANTIATE_TEST_SUITE_P(Faults, SilentInstrument, ::testing::Values("silence", "no-login"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
} // namespace qlx::test
