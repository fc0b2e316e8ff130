#include "driver/ui/CalibrationWizards.h"
#include "tests/driver/core/DriverFixture.h"

using namespace qlx;
using namespace qlx::test;

class DecoderTest : public DriverFixture {
protected:
    void SetUp() override { startLoggedIn(); }
};

TEST_F(DecoderTest, StatusRepliesSetTheProbeAndLampFlags)
{
    struct Case {
        char status;
        bool top, bottom, green, red, blue;
    };
    const Case cases[] = {
        {char(16 | 64), true, false, true, false, false},
        {char(16), true, false, false, false, false},
        {char(32 | 8 | 4), false, true, false, true, true},
        {char(1 | 2 | 128), false, false, false, false, false},
    };
    for (const Case& c : cases) {
        serial->deliver(QByteArray(1, c.status) + "@#");
        EXPECT_EQ(bool(qlx->ProbeAtTop), c.top) << int(c.status);
        EXPECT_EQ(bool(qlx->ProbeAtBottom), c.bottom);
        EXPECT_EQ(qlx->StatusLampGreen, c.green);
        EXPECT_EQ(qlx->StatusLampRed, c.red);
        EXPECT_EQ(qlx->StatusLampBlue, c.blue);
    }
    qlx->StatusLampGreen = true;
    serial->deliver("#");
    EXPECT_FALSE(qlx->StatusLampGreen);
}

TEST_F(DecoderTest, MessagesTooShortForTheirPositionsAreHarmless)
{
    const bool topBefore = qlx->ProbeAtTop;
    for (const QByteArray& m : {QByteArray("?#"), QByteArray("u#"), QByteArray("@#"), QByteArray("l#"),
                                QByteArray("S#"), QByteArray("H#"), QByteArray("D#")})
        serial->deliver(m);
    hid->report(QByteArray());
    hid->report(QByteArray(8, '\0'));
    EXPECT_EQ(bool(qlx->ProbeAtTop), topBefore);
    EXPECT_FALSE(qlx->FLoggedIn); // "u#" holds no acknowledgement code
    EXPECT_EQ(qlx->SampleCount, 0);
}

TEST_F(DecoderTest, OperationRepliesAndTheirMessages)
{
    struct Case {
        QByteArray reply;
        QString caption; // empty: no message
        QString text;
        QByteArray sent;
    };
    const Case cases[] = {
        {"X#", "QLX Error",
         "The data of the last reading will not be\nreliable: 'Bottom limit reached before\ncompletion of test'", "r"},
        {"O#", "QLX Error", "The data of the last reading will not be\nreliable:Maximum load limit exceeded\n on last reading", ""},
        {"2#", "Error: QLX Busy", "QLX is saving the current configuration", ""},
        {"3#", "Error: QLX Busy", "QLX is calibrating", ""},
        {"4#", "Error: QLX Busy", "QLX is calculating the mass ratio", ""},
        {"Y#", "", "", "A"},
        {"A#", "", "", "?I"},
        {"B#", "", "", ""},
        {"Z#", "Procedure status", "Zero completed on SCALE.", ""},
    };
    for (const Case& c : cases) {
        messages->clear();
        serial->deliver(c.reply);
        EXPECT_EQ(serial->takeWritten(), c.sent) << c.reply.constData();
        if (c.caption.isEmpty()) {
            EXPECT_EQ(messages->count(), 0) << c.reply.constData();
        } else {
            ASSERT_EQ(messages->count(), 1) << c.reply.constData();
            EXPECT_EQ(messages->shown()[0].caption, c.caption);
            EXPECT_EQ(messages->shown()[0].text, c.text);
        }
    }
}

TEST_F(DecoderTest, BusyAsksToCancelAndShowsOneBoxAtATime)
{
    messages->scriptAnswer(MessageAnswer::Yes);
    messages->onPresent([this](const UserMessage&) {
        // Replies arriving while the box is open: dropped, no second box.
        if (messages->count() == 1)
            serial->deliver("1#2#");
    });
    serial->deliver("1#");
    ASSERT_EQ(messages->count(), 1);
    EXPECT_EQ(messages->shown()[0].caption, "Warning: QLX busy");
    EXPECT_EQ(messages->shown()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(messages->shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(serial->takeWritten(), "o");
    EXPECT_FALSE(qlx->FBusyMessageShown);

    messages->onPresent({});
    messages->scriptAnswer(MessageAnswer::No);
    serial->deliver("1#");
    EXPECT_TRUE(serial->written.isEmpty());

    qlx->ZeroScalePending = true;
    serial->deliver("1#");
    EXPECT_EQ(messages->shown().last().icon, MessageIcon::Information);
    EXPECT_TRUE(messages->shown().last().text.startsWith("The QLX could not execute the requested command.\r\r"));
}

TEST_F(DecoderTest, StartupErrorSendsCancelAfterTheUserConfirms)
{
    qlx->StatusLampGreen = true;
    serial->deliver("9#");
    ASSERT_EQ(messages->count(), 1);
    EXPECT_EQ(messages->shown()[0].caption, "Error: QLX can connect to loadcell interface");
    EXPECT_EQ(messages->shown()[0].icon, MessageIcon::Information);
    EXPECT_EQ(serial->takeWritten(), "o");
    EXPECT_FALSE(qlx->StatusLampGreen);
    EXPECT_FALSE(qlx->Label11.enabled);
}

TEST_F(DecoderTest, SizeAndMassReadings)
{
    serial->deliver("72.5D#");
    EXPECT_FLOAT_EQ(qlx->FSize, 72.5f);
    EXPECT_EQ(qlx->StatusBar1.panels[1], "72.50 mm");
    EXPECT_EQ(qlx->StatusWord() & 2, 2);
    serial->deliver("153.6M#");
    EXPECT_FLOAT_EQ(qlx->FMass, 153.6f);
    EXPECT_EQ(qlx->StatusBar1.panels[2], "154 gram");
    EXPECT_EQ(qlx->StatusWord() & 128, 128);
}

TEST_F(DecoderTest, SizeBeforeTheSettingsReadAndMassWithoutScaleAreDropped)
{
    qlx.reset();
    writeConfig("ttyS0");
    start();
    serial->deliver("72.5D#150M#");
    EXPECT_EQ(qlx->StatusWord() & (2 | 128), 0);
}

TEST_F(DecoderTest, SaveProgressDrivesTheGauge)
{
    qlx->FSavingSettings = true;
    serial->deliver("0Q#");
    EXPECT_TRUE(qlx->Gauge1.visible);
    EXPECT_EQ(qlx->Gauge1.maxValue, 26);
    serial->deliver("13Q#");
    EXPECT_EQ(qlx->Gauge1.progress, 13);
    serial->deliver("26Q#");
    EXPECT_FALSE(qlx->Gauge1.visible);
    EXPECT_EQ(qlx->Gauge1.maxValue, 11);
    EXPECT_FALSE(qlx->FSavingSettings);
    EXPECT_TRUE(qlx->TransparentButton2.enabled);
    EXPECT_TRUE(qlx->TransparentButton3.enabled);
}

TEST_F(DecoderTest, CalibrationRepliesMoveOnlyOpenWizards)
{
    serial->deliver("600G#20d#60e#K#W#523.4H#");
    EXPECT_FALSE(qlx->ProbeCalibrationDone || qlx->ScaleStepDDone || qlx->ScaleStepEDone ||
                 qlx->EfmStepKDone || qlx->EfmStepWDone);

    driver::TAutoCalibrate probe;
    driver::TForm4 scale;
    driver::TForm13 efm;
    driver::TCheckCalibrate check;
    qlx->AutoCalibrate = &probe;
    qlx->ScaleCalibrate = &scale;
    qlx->EfmCalibrate = &efm;
    qlx->CheckCalibrate = &check;
    qlx->EfmCalibrationOpened = true;

    serial->deliver("250G#");
    EXPECT_EQ(probe.ProgressBar1.position, 250);
    serial->deliver("500G#");
    EXPECT_EQ(probe.ProgressBar1.position, 0);
    serial->deliver("6d#");
    EXPECT_FALSE(qlx->ScaleStepDDone);
    serial->deliver("7d#49e#");
    EXPECT_TRUE(qlx->ScaleStepDDone);
    EXPECT_FALSE(qlx->ScaleStepEDone);
    serial->deliver("50e#W#");
    serial->deliver(" 523.4H#");
    EXPECT_EQ(check.Label1.text, "523 gram");
    serial->deliver("1000H#");
    EXPECT_EQ(check.Label1.text, "1000 gram"); // no "." shows the reading whole
    EXPECT_TRUE(qlx->Timer1.enabled());

    serial->written.clear();
    qlx->Timer1Timer();
    EXPECT_EQ(probe.activePage, "TabSheet4");
    EXPECT_EQ(scale.activePage, "TabSheet2"); // the d step runs after the e step
    EXPECT_EQ(efm.activePage, "TabSheet4");
    EXPECT_EQ(serial->takeWritten(), "?Vo");
    qlx->AutoCalibrate = nullptr;
    qlx->ScaleCalibrate = nullptr;
    qlx->EfmCalibrate = nullptr;
    qlx->CheckCalibrate = nullptr;
}
