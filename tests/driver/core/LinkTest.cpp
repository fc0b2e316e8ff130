#include "tests/driver/core/DriverFixture.h"

using namespace qlx;
using namespace qlx::test;
using driver::TrayIconState;

namespace {
const QString NotAvailableText = "QLX interface could not connect to the current selected serial port.\n"
                                 "Choose an available port under 'SETUP'";
}

class LinkTest : public DriverFixture {};

TEST_F(LinkTest, OpensTheStoredPortAndLogsIn)
{
    writeConfig("ttyUSB0");
    start();
    EXPECT_EQ(serial->opened, QStringList{"ttyUSB0"});
    EXPECT_EQ(serial->written, QByteArrayList{"o 70836u"});
    EXPECT_TRUE(qlx->FPortOpened);
    EXPECT_TRUE(qlx->LinkWatch);
    EXPECT_EQ(qlx->ComboBoxDeviceName.text(), "ttyUSB0");
    EXPECT_EQ(qlx->StatusBar1.panels[3], "RS232");
    EXPECT_EQ(qlx->StatusWord() & 4, 4);
    EXPECT_EQ(qlx->TrayIcon.picture, TrayIconState::Picture::Red);
    EXPECT_EQ(qlx->TrayIcon.tip, "QLX interface installed, QLX not responding");
    EXPECT_EQ(messages->count(), 0);

    serial->deliver("60382u#");
    EXPECT_TRUE(qlx->FLoggedIn);
    EXPECT_EQ(qlx->TrayIcon.picture, TrayIconState::Picture::Green);
    EXPECT_EQ(qlx->TrayIcon.tip, "QLX interface installed, QLX responding and logged in");
}

TEST_F(LinkTest, AStoredPortThatIsNotThereIsForgottenWithAMessage)
{
    writeConfig("COM3");
    start();
    EXPECT_TRUE(serial->opened.isEmpty());
    EXPECT_EQ(qlx->ComboBoxDeviceName.itemIndex, -1);
    EXPECT_EQ(qlx->Config.portName(), "");
    ASSERT_EQ(messages->count(), 1);
    EXPECT_EQ(messages->shown()[0].caption, "Serial port not available");
    EXPECT_EQ(messages->shown()[0].text, NotAvailableText);
    EXPECT_EQ(qlx->StatusWord() & 4, 0);
    EXPECT_TRUE(qlx->TrayIcon.added);
    EXPECT_EQ(qlx->TrayIcon.picture, TrayIconState::Picture::Not);
    EXPECT_EQ(qlx->TrayIcon.tip, "Serial port not available");
}

TEST_F(LinkTest, AListedPortInUseStaysStored)
{
    writeConfig("ttyS0");
    start([](FakeSerialLink& s, FakeHidLink&) { s.unopenable.insert("ttyS0"); });
    EXPECT_EQ(messages->count(), 1);
    EXPECT_EQ(qlx->Config.portName(), "ttyS0");
    EXPECT_FALSE(qlx->LinkOpen());
}

TEST_F(LinkTest, MissingFileAndWrongVersion)
{
    start();
    EXPECT_EQ(messages->count(), 0);
    EXPECT_FALSE(qlx->LinkOpen());
    EXPECT_TRUE(qlx->TrayIcon.added);

    qlx.reset();
    writeConfig("ttyS0", 2);
    start();
    ASSERT_EQ(messages->count(), 1);
    EXPECT_EQ(messages->shown()[0].caption, "Invalid configuration");
    EXPECT_EQ(messages->shown()[0].text, "'QLX_DLL.CFG' is an incorrect version.");
    EXPECT_TRUE(serial->opened.isEmpty());
    EXPECT_FALSE(qlx->TrayIcon.added);
    EXPECT_EQ(qlx->Config.version(), 3);
}

TEST_F(LinkTest, TheEnvironmentAddsDevicePathsToThePortList)
{
    qputenv("QLX_SERIAL_PORTS", "/tmp/qlx-a:/dev/pts/77");
    writeConfig("/dev/pts/77");
    start();
    qunsetenv("QLX_SERIAL_PORTS");
    EXPECT_EQ(qlx->ComboBoxDeviceName.items, (QStringList{"ttyS0", "ttyUSB0", "/tmp/qlx-a", "/dev/pts/77"}));
    EXPECT_EQ(serial->opened, QStringList{"/dev/pts/77"});
}

TEST_F(LinkTest, UsbModeLogsInWithPaddedReports)
{
    start([](FakeSerialLink&, FakeHidLink& h) {
        h.present = true;
        h.caps.inputValues = 2;
    });
    EXPECT_TRUE(qlx->UsbMode);
    EXPECT_EQ(qlx->StatusBar1.panels[3], "USB");
    EXPECT_FALSE(qlx->ComboBoxDeviceName.enabled);
    EXPECT_EQ(hid->sent, QByteArrayList{"070836u" + QByteArray(15, ' ')});
    EXPECT_EQ(qlx->TreeView1, (QStringList{"General HID Info", "Input Values", "  Input Values 0", "  Input Values 1"}));
    EXPECT_TRUE(serial->opened.isEmpty());

    qlx->nrWriteStr("oP");
    EXPECT_EQ(hid->sent.last(), "0oP" + QByteArray(19, ' '));
    qlx->nrWriteStr(QByteArray(30, 'x'));
    EXPECT_EQ(hid->sent.last(), "0" + QByteArray(30, 'x')); // a longer text is not cut

    hid->report(QByteArray("\0" "60382u#\0\0", 10));
    EXPECT_TRUE(qlx->FLoggedIn);
    EXPECT_EQ(qlx->Receiver.ReceiveLength, 0);
}

TEST_F(LinkTest, PickingAPortClosesAnotherButNotTheSame)
{
    writeConfig("ttyS0");
    start();
    serial->deliver("60382u#");
    serial->written.clear();

    qlx->ComboBoxDeviceName.itemIndex = 0; // ttyS0 again
    qlx->ComboBoxDeviceNameChange();
    EXPECT_EQ(serial->opened, QStringList{"ttyS0"});
    EXPECT_TRUE(qlx->FLoggedIn);
    EXPECT_EQ(serial->written, QByteArrayList{"o 70836u"});
    EXPECT_TRUE(qlx->FPortChosen);

    qlx->InstrumentResponding = true;
    qlx->ComboBoxDeviceName.itemIndex = 1; // ttyUSB0
    qlx->ComboBoxDeviceNameChange();
    EXPECT_EQ(serial->opened, (QStringList{"ttyS0", "ttyUSB0"}));
    EXPECT_FALSE(qlx->FLoggedIn);
    EXPECT_FALSE(qlx->InstrumentResponding);
    EXPECT_EQ(qlx->Config.portName(), "ttyUSB0");
    EXPECT_EQ(qlx->TrayIcon.picture, TrayIconState::Picture::Red);
}

TEST_F(LinkTest, CommandsOnAClosedPortAreDropped)
{
    start();
    qlx->SendCommand("r");
    EXPECT_TRUE(serial->written.isEmpty());
}

TEST_F(LinkTest, ALostDeviceEndsTheLink)
{
    writeConfig("ttyS0");
    start();
    serial->deliver("60382u#");
    serial->portOpen = false;
    serial->onLost();
    EXPECT_EQ(qlx->StatusWord() & 4, 0);
    EXPECT_EQ(qlx->TrayIcon.picture, TrayIconState::Picture::Not);
}
