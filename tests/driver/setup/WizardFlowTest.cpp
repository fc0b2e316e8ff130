// The wizards driven as a user would, with the instrument's replies arriving
// through the fake link and Timer1 ticking between them.
#include "tests/driver/setup/SetupFixture.h"

using namespace qlx;
using namespace qlx::test;

class WizardFlowTest : public SetupFixture {};

TEST_F(WizardFlowTest, ProbeCalibrationRunsFromTheMassToTheSave)
{
    qlx->TestMass.text = "1000";
    bool ran = false;
    windows.probeUser = [&](driver::TAutoCalibrate& w) {
        ran = true;
        EXPECT_EQ(qlx->AutoCalibrate, &w);
        EXPECT_EQ(w.SpinEdit1.value, 1000);
        w.FormShow();
        w.FormActivate();
        EXPECT_EQ(w.activePage, "TabSheet5");
        EXPECT_EQ(takeCommands(), QByteArrayList{"o"});

        w.ContinueClick();
        EXPECT_EQ(takeCommands(), (QByteArrayList{"o", "1000E"}));
        EXPECT_EQ(qlx->TestMass.text, "1000");
        EXPECT_EQ(w.activePage, "TabSheet1");

        w.Step1NextClick(); // generation 7 retracts with "Y"
        EXPECT_EQ(takeCommands(), QByteArrayList{"Y"});
        EXPECT_EQ(w.activePage, "TabSheet2");
        w.Step2NextClick();
        EXPECT_EQ(takeCommands(), (QByteArrayList{"o", "C"}));
        EXPECT_EQ(w.activePage, "TabSheet3");
        w.Step3NextClick();
        EXPECT_EQ(takeCommands(), (QByteArrayList{"o", "G"}));
        EXPECT_TRUE(w.ProgressBar1.visible);

        for (const int v : {100, 250, 499}) {
            serial->deliver(QByteArray::number(v) + "G#");
            qlx->Timer1Timer();
            EXPECT_EQ(w.ProgressBar1.position, v);
            EXPECT_EQ(w.activePage, "TabSheet3");
        }
        serial->deliver("500G#");
        EXPECT_EQ(w.ProgressBar1.position, 0);
        EXPECT_EQ(w.activePage, "TabSheet3"); // the page changes at the next tick
        qlx->Timer1Timer();
        EXPECT_EQ(w.activePage, "TabSheet4");

        w.FinishClick();
        EXPECT_EQ(takeCommands(), QByteArrayList{"oQ"});
        EXPECT_EQ(w.modalResult, driver::ModalResult::OK);
    };
    qlx->Loadcell1Click();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(qlx->FSavingSettings);
    EXPECT_EQ(qlx->AutoCalibrate, nullptr);

    serial->deliver("500G#"); // the wizard has gone: nothing happens
    qlx->Timer1Timer();
    EXPECT_TRUE(takeCommands().isEmpty());
}

TEST_F(WizardFlowTest, TheProbeRetractsOnlyWhenNotAtTheTop)
{
    struct Case {
        QByteArray status;
        bool newGeneration;
        QByteArrayList commands;
    };
    for (const Case& c : {Case{"\x10@#", true, {}}, Case{"\x40@#", true, {"Y"}}, Case{"\x40@#", false, {"B"}}}) {
        serial->deliver(c.status);
        qlx->NewGeneration = c.newGeneration;
        for (const bool check : {false, true}) {
            SCOPED_TRACE(check ? "check" : "calibration");
            takeCommands();
            if (check) {
                driver::TCheckCalibrate w(qlx.get());
                w.Step1NextClick();
            } else {
                driver::TAutoCalibrate w(qlx.get());
                w.Step1NextClick();
            }
            EXPECT_EQ(takeCommands(), c.commands);
        }
    }
}

TEST_F(WizardFlowTest, TheMassStepsBy50WithinItsBounds)
{
    driver::TAutoCalibrate probe(qlx.get());
    probe.SpinEdit1.set(14000);
    probe.UpDown1Click(true);
    EXPECT_EQ(probe.SpinEdit1.value, 14000);
    probe.UpDown1Click(false);
    EXPECT_EQ(probe.SpinEdit1.value, 13950);
    probe.SpinEdit1.set(0); // an empty calibration weight display
    EXPECT_EQ(probe.SpinEdit1.value, 500);

    driver::TForm4 scale(qlx.get());
    scale.SpinEdit1.set(20000);
    scale.UpDown1Click(true);
    EXPECT_EQ(scale.SpinEdit1.value, 20000);
    scale.SpinEdit1.set(50);
    scale.UpDown1Click(false);
    EXPECT_EQ(scale.SpinEdit1.value, 50);
}

TEST_F(WizardFlowTest, CancelStopsTheInstrumentOnEveryWizard)
{
    windows.probeUser = [](driver::TAutoCalibrate& w) { w.CancelClick(); };
    windows.checkUser = [](driver::TCheckCalibrate& w) { w.CancelClick(); };
    windows.scaleUser = [](driver::TForm4& w) { w.CancelClick(); };
    windows.efmUser = [](driver::TForm13& w) { w.CancelClick(); };

    qlx->TransparentButton5Click();
    EXPECT_EQ(takeCommands(), (QByteArrayList{"o", "L"}));
    qlx->TransparentButton1Click();
    EXPECT_EQ(takeCommands(), (QByteArrayList{"o", "o"})); // the button's, then the closing's
    qlx->TransparentButton7Click();
    EXPECT_EQ(takeCommands(), QByteArrayList{"o"});
    qlx->TransparentButton6Click();
    EXPECT_EQ(takeCommands(), (QByteArrayList{"w", "o"}));
    EXPECT_FALSE(qlx->FSavingSettings);
}

TEST_F(WizardFlowTest, CalibrationCheckShowsTheLiveReading)
{
    windows.checkUser = [&](driver::TCheckCalibrate& w) {
        w.FormShow();
        w.FormActivate();
        EXPECT_EQ(w.activePage, "TabSheet1");
        serial->deliver("\x10@#");
        w.Step1NextClick();
        w.Step2NextClick();
        EXPECT_EQ(w.activePage, "TabSheet3");
        EXPECT_FALSE(w.Label2.visible);
        EXPECT_EQ(w.Label1.text, "Click to view result...");
        EXPECT_EQ(takeCommands(), (QByteArrayList{"o", "o", "Z"}));

        w.Label1Click();
        w.Label1Click();
        EXPECT_EQ(takeCommands(), (QByteArrayList{"o", "X"}));
        EXPECT_TRUE(w.Label2.visible);
        serial->deliver("  999.6H#");
        EXPECT_EQ(w.Label1.text, "999 gram");
        serial->deliver("1001H#");
        EXPECT_EQ(w.Label1.text, "1001 gram");

        w.Step3NextClick();
        EXPECT_EQ(w.activePage, "TabSheet4");
        EXPECT_EQ(takeCommands(), QByteArrayList{"o"});
        w.FinishClick();
        EXPECT_EQ(w.modalResult, driver::ModalResult::OK);
    };
    qlx->CheckLoadcellClick();
    EXPECT_EQ(takeCommands(), (QByteArrayList{"o", "o"}));
    EXPECT_EQ(qlx->CheckCalibrate, nullptr);
    serial->deliver("12H#");
    EXPECT_TRUE(takeCommands().isEmpty());
}

TEST_F(WizardFlowTest, ScaleCalibrationFollowsTheGauges)
{
    qlx->TestMass.text = "2000";
    windows.scaleUser = [&](driver::TForm4& w) {
        EXPECT_EQ(w.activePage, "TabSheet4");
        EXPECT_FALSE(w.Panel3.visible);
        EXPECT_EQ(w.CGauge2.maxValue, 7);
        EXPECT_EQ(w.SpinEdit1.value, 2000);
        w.UpDown1Click(true);
        w.ContinueClick();
        EXPECT_EQ(takeCommands(), (QByteArrayList{"o", "2050E"}));
        EXPECT_EQ(qlx->TestMass.text, "2050");
        EXPECT_EQ(w.activePage, "TabSheet1");
        EXPECT_EQ(w.CGauge1.maxValue, 100);

        w.Stage1OkClick();
        EXPECT_TRUE(w.Panel3.visible);
        EXPECT_EQ(takeCommands(), QByteArrayList{"oa"});
        serial->deliver("6d#");
        qlx->Timer1Timer();
        EXPECT_EQ(w.CGauge2.progress, 6);
        EXPECT_EQ(w.activePage, "TabSheet1");
        serial->deliver("7d#");
        qlx->Timer1Timer();
        EXPECT_EQ(w.activePage, "TabSheet2");
        EXPECT_EQ(w.CGauge1.maxValue, 50); // set as the page shows
        EXPECT_EQ(w.CGauge1.progress, 0);

        w.Step2OkClick();
        EXPECT_TRUE(w.Panel4.visible);
        EXPECT_EQ(takeCommands(), QByteArrayList{"ob"});
        serial->deliver("49e#");
        qlx->Timer1Timer();
        EXPECT_EQ(w.CGauge1.progress, 49);
        EXPECT_EQ(w.activePage, "TabSheet2");
        EXPECT_TRUE(takeCommands().isEmpty());
        serial->deliver("50e#");
        qlx->Timer1Timer();
        EXPECT_EQ(w.activePage, "TabSheet3");
        EXPECT_EQ(takeCommands(), QByteArrayList{"?V"});

        w.FinishClick();
        EXPECT_EQ(takeCommands(), QByteArrayList{"oQ"});
    };
    qlx->CalibrateSCALE1Click();
    EXPECT_TRUE(qlx->FSavingSettings);
    EXPECT_EQ(qlx->ScaleCalibrate, nullptr);
}

TEST_F(WizardFlowTest, EfmCalibrationIsLedByTheStrapSwitch)
{
    windows.efmUser = [&](driver::TForm13& w) {
        EXPECT_TRUE(qlx->EfmCalibrationOpened);
        EXPECT_EQ(w.activePage, "TabSheet1");
        EXPECT_EQ(takeCommands(), QByteArrayList{"w"});
        serial->deliver("W#");
        EXPECT_EQ(w.activePage, "TabSheet1");
        qlx->Timer1Timer();
        EXPECT_EQ(w.activePage, "TabSheet4");
        EXPECT_EQ(takeCommands(), QByteArrayList{"o"});

        w.OkClick();
        EXPECT_EQ(w.activePage, "TabSheet2");
        EXPECT_EQ(takeCommands(), QByteArrayList{"ok"});
        serial->deliver("K#");
        qlx->Timer1Timer();
        EXPECT_EQ(w.activePage, "TabSheet3");
        EXPECT_EQ(takeCommands(), QByteArrayList{"o"});

        w.ContinueClick();
        EXPECT_EQ(takeCommands(), QByteArrayList{"oQ"});
        EXPECT_EQ(w.modalResult, driver::ModalResult::OK);
    };
    qlx->EFM1Click();
    EXPECT_FALSE(qlx->EfmCalibrationOpened);
    EXPECT_EQ(qlx->EfmCalibrate, nullptr);

    serial->deliver("W#K#"); // after closing the EFM replies change nothing
    qlx->Timer1Timer();
    EXPECT_TRUE(takeCommands().isEmpty());
}

TEST_F(WizardFlowTest, AWizardOpensOnlyOnceAndNeedsWindows)
{
    int opened = 0;
    windows.probeUser = [&](driver::TAutoCalibrate&) {
        ++opened;
        qlx->Loadcell1Click(); // the tray menu while the wizard is up
    };
    qlx->Loadcell1Click();
    EXPECT_EQ(opened, 1);

    qlx->SetWindows(nullptr);
    qlx->EFM1Click();
    EXPECT_TRUE(takeCommands().isEmpty());
    EXPECT_FALSE(qlx->EfmCalibrationOpened);
}
