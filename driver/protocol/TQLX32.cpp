#include "driver/protocol/TQLX32.h"

#include "common/MessageSeam.h"
#include "driver/link/HidApiLink.h"
#include "driver/link/QtSerialLink.h"
#include "driver/link/SerialPortNames.h"

#include <QApplication>

namespace qlx::driver {
namespace {
const QByteArray SerialLogin = "o 70836u";
const QByteArray UsbLogin = "70836u";
} // namespace

Transports Transports::real()
{
    return {std::make_unique<QtSerialLink>(), std::make_unique<HidApiLink>()};
}

TQLX32::TQLX32(const QString& configPath, TForm2* graph, Transports transports, QObject* parent)
    : QObject(parent), ConfigPath(configPath), Graph(graph), transports_(std::move(transports))
{
    Label3.text = configPath;
    rxPending_.reserve(4096);
    QObject::connect(&Timer1.qtimer(), &QTimer::timeout, this, &TQLX32::Timer1Timer);
    QObject::connect(&Timer2.qtimer(), &QTimer::timeout, this, &TQLX32::Timer2Timer);
    Timer1.setInterval(200);
    Timer1.setEnabled(true); // one step right after start-up
    Timer2.setInterval(200);

    transports_.serial->onReadyRead = [this] { ComPort1RxChar(); };
    transports_.serial->onLost = [this] {
        serialOpen_ = false;
        FLoggedIn = false;
        UpdateTrayIcon();
    };
    transports_.hid->onReport = [this](const QByteArray& report) {
        nrHid1AfterReceive(report.constData(), int(report.size()));
    };
    OpenLink();
}

TQLX32::~TQLX32()
{
    transports_.serial->onReadyRead = nullptr;
    transports_.serial->onLost = nullptr;
    transports_.hid->onReport = nullptr;
    TrayIcon.added = false;
}

void TQLX32::OpenLink()
{
    FPortOpened = false;
    FindHidInstrument();
    Timer2.setEnabled(true);
    if (UsbMode) {
        ComboBoxDeviceName.enabled = false;
        Label5.enabled = false;
        FPortOpened = true;
        ArmWatchdog();
        ResetReceiveState();
        SendCommand(UsbLogin);
    } else {
        ComboBoxDeviceName.enabled = true;
        Label5.enabled = true;
        ComboBoxDeviceName.items = listSerialPorts(transports_.serial->systemPorts());
        switch (Config.read(ConfigPath)) {
        case ConfigRecord::ReadResult::Missing:
            break; // the user picks a port in the setup dialog
        case ConfigRecord::ReadResult::WrongVersion:
            showMessage("Invalid configuration", "'QLX_DLL.CFG' is an incorrect version.");
            return; // no port and no notification icon
        case ConfigRecord::ReadResult::Ok:
            OpenStoredPort();
            break;
        }
    }
    TrayIcon.added = true;
    UpdateTrayIcon();
}

void TQLX32::OpenStoredPort()
{
    const QString stored = QString::fromLocal8Bit(Config.portName());
    const bool listed = SelectStoredPort(stored);
    if (listed && OpenSerialDevice(stored)) {
        transports_.serial->discardInput();
        FPortOpened = true;
        DeferNextCommand = false;
        ResetReceiveState();
        Timer2.setInterval(200);
        SendCommand(SerialLogin);
        ArmWatchdog();
        return;
    }
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        app->beep();
    if (!listed) {
        ComboBoxDeviceName.itemIndex = -1;
        Config.setPortName({});
    }
    // A listed port that cannot be opened (in use by another program) stays
    // stored, so that the next start tries it again.
    showMessage("Serial port not available",
                "QLX interface could not connect to the current selected serial port.\n"
                "Choose an available port under 'SETUP'");
}

bool TQLX32::OpenSerialDevice(const QString& portName)
{
    Receiver.reset();
    DeviceName = serialDeviceName(portName);
    serialOpen_ = transports_.serial->open(DeviceName);
    return serialOpen_;
}

void TQLX32::CloseSerialPort()
{
    transports_.serial->close();
    serialOpen_ = false;
}

bool TQLX32::FindHidInstrument()
{
    const bool found = transports_.hid->findInstrument();
    if (found)
        UpdateTreeInfo();
    UsbMode = found;
    StatusBar1.panels[3] = found ? QStringLiteral("USB") : QStringLiteral("RS232");
    return found;
}

bool TQLX32::SelectStoredPort(const QString& name)
{
    ComboBoxDeviceName.items = listSerialPorts(transports_.serial->systemPorts());
    ComboBoxDeviceName.itemIndex = -1;
    const qsizetype at = ComboBoxDeviceName.items.indexOf(name);
    if (name.isEmpty() || at < 0)
        return false;
    ComboBoxDeviceName.itemIndex = int(at);
    return true;
}

void TQLX32::ComboBoxDeviceNameChange()
{
    const QString picked = ComboBoxDeviceName.text();
    if (picked.isEmpty())
        return;
    const QString device = serialDeviceName(picked);
    const bool samePortOpen = serialOpen_ && DeviceName == device;
    if (!samePortOpen && serialOpen_) {
        CloseSerialPort();
        FLoggedIn = false;
        UpdateTrayIcon();
    }
    Config.setPortName(picked.toLocal8Bit());
    if (!samePortOpen) {
        DeviceName = device;
        serialOpen_ = transports_.serial->open(DeviceName);
    }
    WriteToPort(SerialLogin);
    ResetReceiveState();
    InstrumentResponding = false;
    FPortChosen = true;
    UpdateTrayIcon(); // the icon tells whether the picked port opened
}

void TQLX32::SendCommand(const QByteArray& text)
{
    if (UsbMode) {
        if (DeferNextCommand) {
            PendingUsbCommands.append(text);
            Timer2.setInterval(200);
            Timer2.setEnabled(true);
        } else {
            nrWriteStr(text);
        }
    } else if (serialOpen_) {
        if (DeferNextCommand) {
            PendingSerialCommand += text; // commands carry no framing: back to back is the same
            Timer2.setInterval(200);
            Timer2.setEnabled(true);
        } else {
            WriteToPort(text);
        }
    }
    // serial port closed: the command is dropped
}

void TQLX32::WriteToPort(const QByteArray& text)
{
    if (serialOpen_)
        transports_.serial->write(text);
}

void TQLX32::nrWriteStr(const QByteArray& text)
{
    QByteArray report = "0" + text;
    if (text.size() < 21)
        report.append(21 - text.size(), ' ');
    transports_.hid->sendString(report);
}

void TQLX32::ComPort1RxChar()
{
    char chunk[256];
    qint64 n = 0;
    while ((n = transports_.serial->read(chunk, sizeof chunk)) > 0)
        rxPending_.append(chunk, n);
    while (rxPos_ < rxPending_.size()) {
        if (Receiver.appendSerialByte(rxPending_[rxPos_++]))
            DecodeMessage();
    }
    if (rxPos_ >= rxPending_.size()) {
        rxPending_.truncate(0);
        rxPos_ = 0;
    }
}

void TQLX32::nrHid1AfterReceive(const char* buffer, int received)
{
    Receiver.takeHidReport(buffer, std::size_t(std::max(received, 0)));
    DecodeMessage();
}

void TQLX32::UpdateTreeInfo()
{
    TreeView1.clear();
    if (!transports_.hid->hasDevice())
        return;
    TreeView1.append("General HID Info");
    const HidCapabilities caps = transports_.hid->capabilities();
    const auto addGroup = [this](const char* group, const char* item, int count) {
        if (count == 0)
            return;
        TreeView1.append(group);
        for (int i = 0; i < count; ++i)
            TreeView1.append(QStringLiteral("  ") + item + QString::number(i));
    };
    addGroup("Input Buttons", "Input Button ", caps.inputButtons);
    addGroup("Input Values", "Input Values ", caps.inputValues);
    addGroup("Output Buttons", "Output Button ", caps.outputButtons);
    addGroup("Output Values", "Output Values ", caps.outputValues);
    addGroup("Feature Buttons", "Feature Button ", caps.featureButtons);
    addGroup("Feature Values", "Feature Values ", caps.featureValues);
}

int TQLX32::StatusWord() const
{
    int word = 0;
    if (FFirmnessReady) word |= 1;
    if (FSizeReady) word |= 2;
    if (LinkOpen()) word |= 4;
    if (ProbeAtTop) word |= 16;
    if (ProbeAtBottom) word |= 32;
    if (InstrumentResponding) word |= 64;
    if (FMassReady) word |= 128;
    if (FHasScale) word |= 256;
    if (SetupOpen) word |= 512;
    return word;
}

TrayIconState TQLX32::CurrentTrayIcon() const
{
    TrayIconState icon;
    icon.added = TrayIcon.added;
    if (!LinkOpen()) {
        icon.picture = TrayIconState::Picture::Not;
        icon.tip = QStringLiteral("Serial port not available");
    } else if (FLoggedIn) {
        icon.picture = TrayIconState::Picture::Green;
        icon.tip = QStringLiteral("QLX interface installed, QLX responding and logged in");
    } else {
        icon.picture = TrayIconState::Picture::Red;
        icon.tip = QStringLiteral("QLX interface installed, QLX not responding");
    }
    return icon;
}

void TQLX32::UpdateTrayIcon()
{
    if (TrayIcon.added)
        TrayIcon = CurrentTrayIcon();
    emit stateChanged();
}

} // namespace qlx::driver
