// The reply side: every message from the instrument passes through DecodeMessage.
#include "driver/protocol/TQLX32.h"

#include "common/MessageSeam.h"
#include "driver/protocol/NumberText.h"
#include "driver/ui/CalibrationWizards.h"

#include <cstring>

namespace qlx::driver {

void TQLX32::DecodeMessage()
{
    // Work on a copy and free the buffer at once: a message box below runs a
    // nested event loop that may collect the next message meanwhile.
    const int k = Receiver.ReceiveLength;
    std::memcpy(MessageText.data(), Receiver.ReceiveBuffer.data(), std::size_t(k));
    MessageText[std::size_t(k)] = '\0';
    Receiver.ReceiveLength = 0;

    if (k >= 2 && MessageText[std::size_t(k - 2)] == '?') {
        SilentCount = 0;
        // "?#" names no setting: it still counts as a settings reply for the watchdog.
        const char letter = k >= 3 ? MessageText[std::size_t(k - 3)] : '\0';
        if (k >= 3)
            MessageText[std::size_t(k - 3)] = '\0';
        DecodeSettingsReply(letter, MessageText.data());
        TickCount = 5;
    } else if (k == 1) {
        StatusLampGreen = false;
    } else if (k >= 2) {
        DecodeOperationReply(MessageText[std::size_t(k - 2)], k);
    }
    emit stateChanged();
}

void TQLX32::DecodeOperationReply(char kind, int length)
{
    const char* text = MessageText.data();
    switch (kind) {
    case 'u': LoginReply(); break;
    case '@': StatusReply(length); break;
    case 'i':
        SampleCount = 0;
        DroppedSamples = 0;
        MalformedSamples = 0;
        break;
    case 'l': SampleReply(); break;
    case 'S': EndOfReading(); break;
    case 'X':
        SampleCount = 0;
        showMessage("QLX Error", "The data of the last reading will not be\n"
                                 "reliable: 'Bottom limit reached before\ncompletion of test'");
        SendCommand("r");
        break;
    case 'O':
        showMessage("QLX Error", "The data of the last reading will not be\n"
                                 "reliable:Maximum load limit exceeded\n on last reading");
        break;
    case 'D': SizeReply(); break;
    case 'M': MassReply(); break;
    case 'Z':
        showMessage("Procedure status", "Zero completed on SCALE.", MessageIcon::Information);
        ZeroScalePending = false;
        break;
    case 'Q': SaveProgressReply(); break;
    case 'A': SendCommand("?I"); break;
    case 'Y': SendCommand("A"); break;
    case 'B': break;
    case 'G':
        if (AutoCalibrate) {
            const int v = integerValue(text);
            AutoCalibrate->ProgressBar1.position = v;
            if (v >= 500) {
                AutoCalibrate->ProgressBar1.position = 0;
                ProbeCalibrationDone = true;
                Timer1.setEnabled(true);
            }
        }
        break;
    case 'd':
        if (ScaleCalibrate) {
            const int v = integerValue(text);
            ScaleCalibrate->CGauge2.progress = v;
            if (v >= 7) {
                ScaleStepDDone = true;
                Timer1.setEnabled(true);
            }
        }
        break;
    case 'e':
        if (ScaleCalibrate) {
            const int v = integerValue(text);
            ScaleCalibrate->CGauge1.progress = v;
            if (v >= 50) {
                ScaleStepEDone = true;
                Timer1.setEnabled(true);
            }
        }
        break;
    case 'K':
        if (EfmCalibrationOpened) {
            EfmStepKDone = true;
            Timer1.setEnabled(true);
        }
        break;
    case 'W':
        if (EfmCalibrationOpened) {
            EfmStepWDone = true;
            Timer1.setEnabled(true);
        }
        break;
    case 'H':
        if (CheckCalibrate) {
            // The reading without kind and "#", cut at its first ".".
            QString reading = QString::fromLatin1(text, length - 2);
            const qsizetype point = reading.indexOf('.');
            if (point >= 0)
                reading.truncate(point);
            while (reading.startsWith(' '))
                reading.remove(0, 1);
            CheckCalibrate->Label1.text = reading + QStringLiteral(" gram");
        }
        break;
    case '1': BusyReply(); break;
    case '2': BusyMessage("QLX is saving the current configuration"); break;
    case '3': BusyMessage("QLX is calibrating"); break;
    case '4': BusyMessage("QLX is calculating the mass ratio"); break;
    case '9': StartupErrorReply(); break;
    default: break; // not a reply the driver knows
    }
}

void TQLX32::LoginReply()
{
    if (!std::strstr(MessageText.data(), "60382")) {
        FLoggedIn = false;
        return;
    }
    ResetReceiveState();
    SilentCount = 0;
    Gauge1.maxValue = 11;
    Gauge1.progress = 1;
    Gauge1.visible = true;
    FLoggedIn = true;
    ShowLoginLine = true;
    DeferNextCommand = true;
    SendNextRequest();
    UpdateTrayIcon();
}

void TQLX32::StatusReply(int length)
{
    if (length < 3)
        return; // "@#" carries no status character
    SetStatusBits(static_cast<unsigned char>(MessageText[std::size_t(length - 3)]));
}

void TQLX32::SetStatusBits(unsigned char bits)
{
    StatusLampGreen = bits & 64;
    ProbeAtBottom = bits & 32;
    ProbeAtTop = bits & 16;
    StatusLampRed = bits & 8;
    StatusLampBlue = bits & 4;
}

void TQLX32::SampleReply()
{
    const char* text = MessageText.data();
    const char* comma = std::strchr(text, ',');
    if (!comma) {
        ++MalformedSamples;
        return;
    }
    if (SampleCount >= MaxSamples) {
        ++DroppedSamples;
        return;
    }
    double force = realValue(text);
    if (!(force > 0.0))
        force = 1.0;
    FForce[std::size_t(SampleCount)] = force;
    FDeflection[std::size_t(SampleCount)] = realValue(comma + 1);
    ++SampleCount;
}

void TQLX32::SizeReply()
{
    if (!FSettingsRead)
        return;
    FSize = float(realValue(MessageText.data()));
    StatusBar1.panels[1] = formatFixed(FSize, 5, 2) + QStringLiteral(" mm");
    FSizeReady = true;
}

void TQLX32::MassReply()
{
    if (!FHasScale)
        return;
    FMass = float(realValue(MessageText.data()));
    StatusBar1.panels[2] = formatFixed(FMass, 5, 0) + QStringLiteral(" gram");
    FMassReady = true;
}

void TQLX32::SaveProgressReply()
{
    const int v = integerValue(MessageText.data());
    if (!Gauge1.visible && FSavingSettings)
        Gauge1.visible = true;
    if (v == 0 && FSavingSettings) {
        Gauge1.minValue = 0;
        Gauge1.maxValue = 26;
        Gauge1.visible = true;
    }
    if (v >= 26 || (v > 22 && !FSettingsRead && FSavingSettings)) {
        Gauge1.maxValue = 11;
        Gauge1.visible = false;
        TransparentButton2.enabled = true;
        TransparentButton3.enabled = true;
        FSavingSettings = false;
    } else if (FSavingSettings) {
        Gauge1.progress = v;
    }
}

void TQLX32::BusyReply()
{
    if (FBusyMessageShown)
        return;
    FBusyMessageShown = true;
    if (ZeroScalePending) {
        showMessage("Warning: QLX busy",
                    "The QLX could not execute the requested command.\r\r"
                    "Do not zero the scale attachment after the probe \r"
                    "started moving downwards. Wait for the firmness\r"
                    "cycle to finish (i.e. when the carriage stops at the\r"
                    "top position again) before attempting a zero procedure.",
                    MessageIcon::Information);
    } else if (showMessage("Warning: QLX busy",
                           "The QLX could not execute the requested command,\r"
                           "because it is busy with a test cycle. \r\r"
                           "Do you want to cancel the current test?",
                           MessageIcon::Exclamation, MessageButtons::YesNo) == MessageAnswer::Yes) {
        SendCommand("o");
    }
    FBusyMessageShown = false;
}

void TQLX32::BusyMessage(const QString& text)
{
    if (FBusyMessageShown)
        return;
    FBusyMessageShown = true;
    showMessage("Error: QLX Busy", text);
    FBusyMessageShown = false;
}

void TQLX32::StartupErrorReply()
{
    if (FBusyMessageShown)
        return;
    FBusyMessageShown = true;
    showMessage("Error: QLX can connect to loadcell interface",
                "An error occured during system intialing\nSwitch the QLX OFF and then ON.\n"
                "If this message occur again, contact Quorvane or a representative",
                MessageIcon::Information);
    SendCommand("o");
    StatusLampGreen = false;
    Label11.enabled = false;
    FBusyMessageShown = false;
}

} // namespace qlx::driver
