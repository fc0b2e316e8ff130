#include "driver/settings/SettingRules.h"
#include "tests/driver/setup/SetupFixture.h"

#include <QDir>

using namespace qlx;
using namespace qlx::test;
using Button = driver::TQLX32::ArrowButton;

class SettingControlsTest : public SetupFixture {};

namespace {

struct ArrowCase {
    const char* name;
    void (driver::TQLX32::*handler)(Button);
    driver::TextControl driver::TQLX32::*display;
    QString before;
    Button button;
    QString after;
    QByteArrayList commands;
    QString measureSpeed = QStringLiteral("20");
    QString forwardSpeed = QStringLiteral("30");
};

} // namespace

TEST_F(SettingControlsTest, ArrowsStepClampAndSendTheSetting)
{
    using Q = driver::TQLX32;
    const std::vector<ArrowCase> cases{
        {"trigger up", &Q::TriggerScrollClick, &Q::LoadThres, "100", Button::Up, "110", {"o110T"}},
        {"trigger at its top", &Q::TriggerScrollClick, &Q::LoadThres, "300", Button::Up, "300", {"o300T"}},
        {"trigger at its bottom", &Q::TriggerScrollClick, &Q::LoadThres, "50", Button::Down, "50", {"o50T"}},
        {"forward down", &Q::ForwardScrollClick, &Q::MaxVel, "20", Button::Down, "19", {"o", "19m"}, "12"},
        {"forward not below measure speed", &Q::ForwardScrollClick, &Q::MaxVel, "10", Button::Down, "12",
         {"o", "12m"}, "12"},
        {"forward at its top", &Q::ForwardScrollClick, &Q::MaxVel, "30", Button::Up, "30", {"o", "30m"}},
        {"reverse at its top", &Q::ReverseScrollClick, &Q::ReverseSpeed, "40", Button::Up, "40", {"o40y"}},
        {"reverse at its bottom", &Q::ReverseScrollClick, &Q::ReverseSpeed, "10", Button::Down, "10", {"o10y"}},
        {"measure speed up", &Q::MeasureSpeedScrollClick, &Q::LoadVelocity, "12", Button::Up, "13", {"13n"}},
        {"measure speed not above forward speed", &Q::MeasureSpeedScrollClick, &Q::LoadVelocity, "12",
         Button::Up, "12", {"12n"}, "12", "12"},
        {"measure speed at its bottom", &Q::MeasureSpeedScrollClick, &Q::LoadVelocity, "5", Button::Down, "5",
         {"5n"}},
        {"measure speed without a forward speed", &Q::MeasureSpeedScrollClick, &Q::LoadVelocity, "19", Button::Up,
         "20", {"20n"}, "19", ""},
        {"distance empty counts as 5 mm", &Q::MeasureDistanceScrollClick, &Q::TestDistance, "", Button::Up, "5.1",
         {"o51q"}},
        {"distance at its top", &Q::MeasureDistanceScrollClick, &Q::TestDistance, "20.0", Button::Up, "20.0",
         {"o200q"}},
        {"distance at its bottom", &Q::MeasureDistanceScrollClick, &Q::TestDistance, "0.2", Button::Down, "0.2",
         {"o2q"}},
        {"distance down a tenth", &Q::MeasureDistanceScrollClick, &Q::TestDistance, "7.5", Button::Down, "7.4",
         {"o74q"}},
        {"distance 0 from the read rises to the bottom", &Q::MeasureDistanceScrollClick, &Q::TestDistance, "0",
         Button::Up, "0.2", {"o2q"}},
        {"empty reverse increment starts at its arrows (20)", &Q::UpDown1Click, &Q::ReverseInc, "", Button::Down, "19",
         {"19", "i"}},
        {"reverse increment at its top", &Q::UpDown1Click, &Q::ReverseInc, "20", Button::Up, "20", {"20", "i"}},
        {"reverse increment down", &Q::UpDown1Click, &Q::ReverseInc, "12", Button::Down, "11", {"11", "i"}},
    };
    for (const ArrowCase& c : cases) {
        SCOPED_TRACE(c.name);
        qlx->LoadVelocity.text = c.measureSpeed;
        qlx->MaxVel.text = c.forwardSpeed;
        (qlx.get()->*c.display).text = c.before;
        (qlx.get()->*c.handler)(c.button);
        EXPECT_EQ((qlx.get()->*c.display).text, c.after);
        EXPECT_EQ(takeCommands(), c.commands);
    }
}

TEST_F(SettingControlsTest, ChangesAreMarkedOncePerSettingAndMotionSettingsAreNoted)
{
    qlx->TriggerScrollClick(Button::Up);
    qlx->TriggerScrollClick(Button::Up);
    EXPECT_TRUE(qlx->UnsavedChanges);
    EXPECT_EQ(qlx->ChangedSettings, 1);
    EXPECT_EQ(qlx->ChangedCount, 1);
    EXPECT_FALSE(qlx->FMotionSettingChanged); // the trigger does not move the probe

    qlx->UpDown1Click(Button::Down);
    EXPECT_EQ(qlx->ChangedSettings, 1 | 128);
    EXPECT_EQ(qlx->ChangedCount, 2);
    EXPECT_TRUE(qlx->FMotionSettingChanged);
}

TEST_F(SettingControlsTest, SpinEditsSendOnlyWhenTheirButtonsChangeTheText)
{
    qlx->Sensitivity.text = "9";
    qlx->SensitivityClickAdd();
    EXPECT_EQ(qlx->Sensitivity.text, "10");
    EXPECT_EQ(takeCommands(), QByteArrayList{"10d"});
    EXPECT_EQ(qlx->ChangedSettings, 32);

    qlx->SensitivityClickAdd(); // at its top: no change, nothing sent, not left armed
    EXPECT_TRUE(takeCommands().isEmpty());
    EXPECT_FALSE(qlx->SensitivityArmed);

    qlx->ResetThreshold.text = "12";
    qlx->ResetThresholdClickSub();
    EXPECT_EQ(takeCommands(), QByteArrayList{"11e"});
    EXPECT_EQ(qlx->ChangedCount, 2);
    EXPECT_FALSE(qlx->FMotionSettingChanged);

    // A text set by the settings read sends nothing.
    serial->deliver("7d?#");
    qlx->SensitivityChange();
    EXPECT_EQ(qlx->Sensitivity.text, "7");
    EXPECT_TRUE(takeCommands().isEmpty());
}

TEST_F(SettingControlsTest, SaveAndReloadSendTheirCommandsAndWaitForTheInstrument)
{
    qlx->TriggerScrollClick(Button::Up);
    takeCommands();
    qlx->TransparentButton3Click();
    EXPECT_EQ(takeCommands(), QByteArrayList{"Q"});
    EXPECT_TRUE(qlx->FSavingSettings);
    EXPECT_FALSE(qlx->UnsavedChanges);
    EXPECT_EQ(qlx->ChangedSettings, 0);
    EXPECT_EQ(qlx->ChangedCount, 0);
    EXPECT_FALSE(qlx->TransparentButton2.enabled);
    EXPECT_FALSE(qlx->TransparentButton3.enabled);
    serial->deliver("26Q#");
    EXPECT_TRUE(qlx->TransparentButton3.enabled);

    qlx->TransparentButton2Click();
    EXPECT_EQ(takeCommands(), QByteArrayList{"?E"});
    EXPECT_FALSE(qlx->TransparentButton2.enabled);
    EXPECT_TRUE(qlx->Gauge1.visible);
    serial->deliver("7.21V?#");
    EXPECT_TRUE(qlx->TransparentButton2.enabled);
}

TEST(UnsavedChangesQuestion, NamesTheChangedSettingsInTheirOrder)
{
    EXPECT_EQ(driver::unsavedChangesQuestion(8, 1),
              "The following operating parameter was\nchanged and not saved on the QLX :\n\nMeasure Speed.\n\n"
              "If not saved, the QLX will only keep the\n new setting untill power is turned off.\n\n"
              "Do you wish to save the new setting?");
    EXPECT_EQ(driver::unsavedChangesQuestion(128 | 64 | 1, 3),
              "The following operating parameters were\nchanged and not saved on the QLX :\n\nTrigger Threshold,\n"
              "Scale Reset Threshold,\nReverse Increment.\n\nIf not saved, the QLX will only keep the\n new settings "
              "untill power is turned off.\n\nDo you wish to save the new settings?");
}

TEST_F(SettingControlsTest, ClosingWithUnsavedChangesAsksAndFollowsTheAnswer)
{
    struct Case {
        MessageAnswer answer;
        int closes;
        QByteArrayList commands;
        bool unsavedAfter;
    };
    for (const Case& c : {Case{MessageAnswer::Yes, 0, {"Q"}, false}, Case{MessageAnswer::No, 1, {}, true},
                          Case{MessageAnswer::Cancel, 0, {}, true}}) {
        SCOPED_TRACE(answerName(c.answer));
        qlx->TriggerScrollClick(Button::Up);
        qlx->TriggerScrollClick(Button::Up);
        qlx->ReverseScrollClick(Button::Down);
        takeCommands();
        messages->clear();
        windows.setupClosed = 0;
        qlx->Setup.enabled = false;
        messages->scriptAnswer(c.answer);

        qlx->TransparentButton4Click();

        EXPECT_TRUE(qlx->Setup.enabled);
        ASSERT_EQ(messages->count(), 1);
        const UserMessage question = messages->shown()[0];
        EXPECT_EQ(question.caption, "WARNING: Changes not saved");
        EXPECT_EQ(question.icon, MessageIcon::Exclamation);
        EXPECT_EQ(question.buttons, MessageButtons::YesNoCancel);
        EXPECT_TRUE(question.text.startsWith("The following operating parameters were\n"));
        EXPECT_TRUE(question.text.contains("\n\nTrigger Threshold,\nReverse Speed.\n\n"));
        EXPECT_EQ(windows.setupClosed, c.closes);
        EXPECT_EQ(takeCommands(), c.commands);
        EXPECT_EQ(qlx->UnsavedChanges, c.unsavedAfter);
        EXPECT_EQ(qlx->FSavingSettings, c.answer == MessageAnswer::Yes);
        qlx->FSavingSettings = false;
    }
}

TEST_F(SettingControlsTest, ClosingWithoutChangesClosesAtOnce)
{
    qlx->TransparentButton4Click();
    EXPECT_EQ(messages->count(), 0);
    EXPECT_EQ(windows.setupClosed, 1);
}

TEST_F(SettingControlsTest, OnlyAMotionSettingMakesTheClosingSendA)
{
    qlx->FormClose();
    EXPECT_TRUE(takeCommands().isEmpty());

    qlx->MeasureSpeedScrollClick(Button::Down);
    messages->scriptAnswer(MessageAnswer::No);
    qlx->TransparentButton4Click();
    qlx->FormClose();
    EXPECT_EQ(takeCommands(), (QByteArrayList{"19n", "A"}));
    qlx->FormClose(); // the mark stays for every later closing
    EXPECT_EQ(takeCommands(), QByteArrayList{"A"});
}

TEST_F(SettingControlsTest, ClosingAfterAPortPickWritesTheRecord)
{
    const QString path = configPath();
    QFile::remove(path);
    qlx->FormClose();
    EXPECT_FALSE(QFile::exists(path)); // no port picked: nothing written

    qlx->ComboBoxDeviceName.itemIndex = 1;
    qlx->ComboBoxDeviceNameChange();
    qlx->TransparentButton4Click();
    EXPECT_EQ(qlx->Label6.text, "ttyUSB0");
    qlx->FormClose();
    driver::ConfigRecord record;
    ASSERT_EQ(record.read(path), driver::ConfigRecord::ReadResult::Ok);
    EXPECT_EQ(record.portName(), "ttyUSB0");
    EXPECT_EQ(messages->count(), 0);
}

TEST_F(SettingControlsTest, AFailedRecordWriteWarnsAndKeepsTheRecordForTheNextClosing)
{
    qlx->ConfigPath = dir.filePath("missing/QLX_DLL.CFG");
    qlx->ComboBoxDeviceName.itemIndex = 1;
    qlx->ComboBoxDeviceNameChange();
    qlx->TransparentButton4Click();
    qlx->FormClose();

    ASSERT_EQ(messages->count(), 1);
    EXPECT_EQ(messages->shown()[0].caption, "Error on exit from QLX interface");
    EXPECT_EQ(messages->shown()[0].text, "Could not SAVE the configuration file:\n" + qlx->ConfigPath
                                             + "\n\nIMPORTANT NOTE:\nEnsure that the path exists and is NOT "
                                               "write protected.");
    EXPECT_EQ(windows.setupClosed, 1); // the dialog closes all the same
    EXPECT_EQ(qlx->Config.portName(), "ttyUSB0");

    ASSERT_TRUE(QDir(dir.path()).mkdir("missing"));
    qlx->FormClose();
    driver::ConfigRecord record;
    ASSERT_EQ(record.read(qlx->ConfigPath), driver::ConfigRecord::ReadResult::Ok);
    EXPECT_EQ(record.portName(), "ttyUSB0");
    EXPECT_EQ(messages->count(), 1);
}

class CannotEditTest : public DriverFixture {};

TEST_F(CannotEditTest, ExplainsWhyByTheLink)
{
    struct Case {
        const char* caption;
        const char* text;
        std::function<void()> prepare;
    };
    const std::vector<Case> cases{
        {"No port is currently selected",
         "Select one of the avialable COM ports to establish a\nlink with the QLX.   The controls on this dialog "
         "will\nremain incative untill a port is selected and the QLX\nis responding.",
         [this] { start(); }},
        {"QLX is NOT responding",
         "The QLX is not responding. This may be due to\nsome of the following:\n\n1. The QLX is not switched "
         "ON.\n2. The communication cable is not properly connected.\n3. An invalid serial port is selected.",
         [this] {
             writeConfig("ttyS0");
             start();
         }},
        {"Not an edit box",
         "Cannot edit directly, use the arrow buttons on the right\nto increase or decrease the value.",
         [this] { startLoggedIn(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        c.prepare();
        messages->clear();
        qlx->CannotEdit();
        ASSERT_EQ(messages->count(), 1);
        EXPECT_EQ(messages->shown()[0].caption, c.caption);
        EXPECT_EQ(messages->shown()[0].text, c.text);
        EXPECT_EQ(messages->shown()[0].icon, MessageIcon::Information);
        EXPECT_EQ(messages->shown()[0].buttons, MessageButtons::OK);
    }
}
