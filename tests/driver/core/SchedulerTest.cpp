#include "tests/driver/core/DriverFixture.h"

using namespace qlx;
using namespace qlx::test;

class SchedulerTest : public DriverFixture {
protected:
    void SetUp() override
    {
        writeConfig("ttyS0");
        start();
        serial->written.clear();
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            qlx->Timer2Timer();
    }
};

TEST_F(SchedulerTest, TheSettingsReadAsksOneQueryPerReply)
{
    serial->deliver("60382u#");
    EXPECT_TRUE(serial->written.isEmpty()); // "?E" is parked for the next tick
    EXPECT_EQ(qlx->PendingSerialCommand, "?E");
    ticks(1);
    EXPECT_TRUE(qlx->PendingSerialCommand.isEmpty());
    EXPECT_EQ(serial->takeWritten(), "?E");
    EXPECT_EQ(qlx->Gauge1.progress, 0);

    const QByteArrayList replies{"500E?#", "14000M?#", "50T?#", "30m?#", "20n?#", "100q?#",
                                 "25p?#",  "1.2g?#",   "1000H?#", "8F?#"};
    const QByteArrayList next{"?M", "?T", "?m", "?n", "?q", "?p", "?g", "?H", "?F", "?R"};
    for (int i = 0; i < replies.size(); ++i) {
        serial->deliver(replies[i]);
        EXPECT_EQ(serial->takeWritten(), next[i]) << replies[i].constData();
        EXPECT_EQ(qlx->Gauge1.progress, i + 1);
    }
    serial->deliver("400R?#");
    EXPECT_TRUE(serial->written.isEmpty()); // the step ratio asks for nothing
    serial->deliver("30y?#");                // the instrument goes on by itself
    EXPECT_EQ(serial->takeWritten(), "?y");
    serial->deliver("30y?#");
    EXPECT_EQ(serial->takeWritten(), "?V");
    serial->deliver("7.21V?#");
    EXPECT_EQ(serial->takeWritten(), "A");
    EXPECT_FALSE(qlx->LinkWatch);
    EXPECT_FALSE(qlx->Gauge1.visible);
    EXPECT_EQ(qlx->StatusWord(), 4 | 64 | 256);
    serial->deliver("A#");
    EXPECT_EQ(serial->takeWritten(), "?I");

    qlx->Timer1Timer();
    EXPECT_EQ(qlx->Memo1.lines, (QStringList{"QLX version: 7.21, RV-31", "QLX Interface: 11.8.18", "Nov  5 2019"}));
}

TEST_F(SchedulerTest, ACommandWhileTheFirstQueryWaitsIsQueuedBehindIt)
{
    serial->deliver("60382u#9#"); // the start-up error's "o" comes before the tick
    EXPECT_TRUE(serial->written.isEmpty());
    ticks(1);
    EXPECT_EQ(serial->takeWritten(), "?Eo");
    ticks(1);
    EXPECT_TRUE(serial->written.isEmpty());

    qlx.reset();
    start([](FakeSerialLink&, FakeHidLink& h) { h.present = true; });
    hid->sent.clear();
    hid->report("60382u#");
    hid->report("9#");
    ticks(1);
    EXPECT_EQ(hid->sent, (QByteArrayList{"0?E" + QByteArray(19, ' '), "0o" + QByteArray(20, ' ')}));
}

TEST_F(SchedulerTest, SilenceClosesThePortAfterElevenSecondsAndWarnsOnce)
{
    ticks(54);
    EXPECT_TRUE(qlx->SerialPortOpen());
    EXPECT_EQ(messages->count(), 0);
    ticks(1); // 55 ticks of 200 ms
    EXPECT_FALSE(qlx->SerialPortOpen());
    EXPECT_FALSE(qlx->LinkWatch);
    EXPECT_EQ(qlx->Config.portName(), "");
    ASSERT_EQ(messages->count(), 1);
    EXPECT_EQ(messages->shown()[0].caption, "QLX Not Responding");
    EXPECT_EQ(messages->shown()[0].text,
              "To correct error:\n\n1.  Check serial cable connections.\n2.  Check if a valid port has "
              "been selected.\n3.  Is the QLX swithed on? - allow 5 sec to initialise");
    ticks(100);
    EXPECT_EQ(messages->count(), 1);

    // A second silence after the user picks the port again: no second message.
    qlx->ComboBoxDeviceName.itemIndex = 0;
    qlx->ComboBoxDeviceNameChange();
    ticks(55);
    EXPECT_FALSE(qlx->SerialPortOpen());
    EXPECT_EQ(messages->count(), 1);
}

TEST_F(SchedulerTest, SettingsRepliesKeepTheWatchdogQuiet)
{
    serial->deliver("60382u#");
    ticks(1);
    for (int i = 0; i < 30; ++i) {
        ticks(10); // a reply every 2 s
        serial->deliver("500E?#");
    }
    EXPECT_TRUE(qlx->SerialPortOpen());
    EXPECT_EQ(messages->count(), 0);

    // After the last reply the 50 ms ticks count 51 more before it fires.
    ticks(50);
    EXPECT_TRUE(qlx->SerialPortOpen());
    ticks(1);
    EXPECT_FALSE(qlx->SerialPortOpen());
}

TEST_F(SchedulerTest, UsbSilenceKeepsTheLinkAndShowsTheUsbText)
{
    qlx.reset();
    start([](FakeSerialLink&, FakeHidLink& h) { h.present = true; });
    ticks(55);
    ASSERT_EQ(messages->count(), 1);
    EXPECT_TRUE(messages->shown()[0].text.contains("Check USB cable connections."));
    EXPECT_EQ(qlx->StatusWord() & 4, 4);
}
