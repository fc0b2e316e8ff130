// The calibration wizards' logic driven by qlx-sim's progress replies.

#include "driver/ui/CalibrationWizards.h"
#include "tests/integration/DriverOnSimulator.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace qlx::test {
namespace {

using namespace driver;

class Calibration : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(line.start({})) << line.error.toStdString();
        ASSERT_TRUE(line.settingsRead());
    }

    bool pageBecomes(const WizardState& wizard, const char* page)
    {
        return line.runUntil([&] { return wizard.activePage == QLatin1String(page); });
    }

    DriverOnSimulator line;
};

TEST_F(Calibration, ProbeCalibrationReachesItsLastStepAndSaves)
{
    TQLX32& qlx = *line.qlx;
    TAutoCalibrate wizard(&qlx);
    qlx.AutoCalibrate = &wizard;
    wizard.FormShow();
    wizard.SpinEdit1.set(2500);
    wizard.ContinueClick();
    wizard.Step1NextClick(); // the probe is at the top already: nothing to retract
    wizard.Step2NextClick();
    wizard.Step3NextClick();
    ASSERT_TRUE(pageBecomes(wizard, "TabSheet4"));
    EXPECT_EQ(wizard.ProgressBar1.position, 0);

    wizard.FinishClick();
    EXPECT_TRUE(line.runUntil([&] { return !qlx.FSavingSettings; }));
    qlx.AutoCalibrate = nullptr;

    // The instrument keeps the calibration weight it was sent.
    qlx.ResetReceiveState();
    qlx.TestMass.text.clear();
    qlx.SendCommand("?E");
    EXPECT_TRUE(line.runUntil([&] { return qlx.TestMass.text == "2500"; }));
    EXPECT_EQ(line.messages->count(), 0);
}

TEST_F(Calibration, CheckShowsTheLoadCellReadingOfTheWeight)
{
    TQLX32& qlx = *line.qlx;
    TCheckCalibrate wizard(&qlx);
    qlx.CheckCalibrate = &wizard;
    wizard.FormShow();
    wizard.Step1NextClick();
    wizard.Step2NextClick();
    wizard.Label1Click();
    ASSERT_TRUE(line.runUntil([&] { return wizard.Label1.text.endsWith(" gram"); }));
    const auto match = QRegularExpression("^(\\d+) gram$").match(wizard.Label1.text);
    ASSERT_TRUE(match.hasMatch()) << wizard.Label1.text.toStdString();
    EXPECT_NEAR(match.captured(1).toInt(), 1000, 8); // within the check's tolerance

    wizard.Step3NextClick(); // the feed stops
    wizard.FinishClick();
    line.runFor(100);
    qlx.CheckCalibrate = nullptr;
    wizard.Label1.text.clear();
    line.runFor(500);
    EXPECT_TRUE(wizard.Label1.text.isEmpty()); // no reading came after the stop
}

TEST_F(Calibration, ScaleCalibrationPassesBothStagesAndRereadsTheVersion)
{
    TQLX32& qlx = *line.qlx;
    TForm4 wizard(&qlx);
    qlx.ScaleCalibrate = &wizard;
    wizard.ContinueClick();
    wizard.Stage1OkClick();
    ASSERT_TRUE(pageBecomes(wizard, "TabSheet2"));
    EXPECT_EQ(wizard.CGauge2.progress, 7);
    qlx.VersionText.clear();
    wizard.Step2OkClick();
    ASSERT_TRUE(pageBecomes(wizard, "TabSheet3"));
    EXPECT_EQ(wizard.CGauge1.progress, 50);
    EXPECT_TRUE(line.runUntil([&] { return qlx.VersionText == "QLX version: 7.21, RV-31"; })); // the "?V"
    wizard.FinishClick();
    EXPECT_TRUE(line.runUntil([&] { return !qlx.FSavingSettings; }));
    qlx.ScaleCalibrate = nullptr;
    EXPECT_EQ(line.messages->count(), 0);
}

TEST_F(Calibration, EfmStepsFollowTheSwitch)
{
    TQLX32& qlx = *line.qlx;
    qlx.EfmCalibrationOpened = true;
    TForm13 wizard(&qlx);
    qlx.EfmCalibrate = &wizard;
    qlx.SendCommand("w");
    ASSERT_TRUE(pageBecomes(wizard, "TabSheet4")); // after "W", the simulator's switch pushed by itself
    wizard.OkClick();
    ASSERT_TRUE(pageBecomes(wizard, "TabSheet3")); // after "K"
    wizard.ContinueClick();
    EXPECT_TRUE(line.runUntil([&] { return !qlx.FSavingSettings; }));
    qlx.EfmCalibrate = nullptr;
    qlx.EfmCalibrationOpened = false;
    EXPECT_EQ(line.messages->count(), 0);
}

} // namespace
} // namespace qlx::test
