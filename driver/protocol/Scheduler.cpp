// The command side: the settings-read sequence, the link watchdog and the
// deferred sending (Timer2), and the steps the decoder leaves to Timer1.
#include "driver/protocol/TQLX32.h"

#include "common/MessageSeam.h"
#include "driver/ui/CalibrationWizards.h"

#include <utility>

namespace qlx::driver {

void TQLX32::ResetReceiveState()
{
    Receiver.reset();
    SequenceIndex = -1;
    SilentCount = 0;
    Gauge1.minValue = 0;
    Gauge1.progress = 0;
    Gauge1.maxValue = 11;
    Gauge1.visible = true;
    LinkWatch = FPortOpened || UsbMode;
    TickCount = 0;
}

void TQLX32::ArmWatchdog()
{
    TickCount = 0;
    LinkWatch = true;
}

void TQLX32::SendNextRequest()
{
    Timer2.setEnabled(false);
    if (SequenceIndex < int(QueryLetters.size()))
        ++SequenceIndex;
    Gauge1.progress = SequenceIndex;
    char letter = '\0';
    if (SequenceIndex < int(QueryLetters.size())) {
        letter = QueryLetters[std::size_t(SequenceIndex)];
        SendCommand(QByteArray("?") + letter);
    }
    Timer2.setInterval(50);
    if (letter != 'I')
        Timer2.setEnabled(true);
}

void TQLX32::Timer2Timer()
{
    if (LinkWatch)
        ++TickCount;
    else
        TickCount = 0;

    if (TickCount > 4) {
        TickCount = 0;
        if (LinkWatch) {
            ++SilentCount;
            if (SilentCount > 10) {
                Config.setPortName({});
                CloseSerialPort();
                LinkWatch = false;
                Gauge1.visible = false;
                UpdateTrayIcon();
                if (!NotRespondingShown) {
                    NotRespondingShown = true;
                    if (UsbMode)
                        showMessage("QLX Not Responding",
                                    "To correct error:\n\n1.  Check USB cable connections.\n"
                                    "2.  QLX may already be connected to another app.\n"
                                    "3.  Does the PC make 'on connect sound' when QLX is switched ON?");
                    else
                        showMessage("QLX Not Responding",
                                    "To correct error:\n\n1.  Check serial cable connections.\n"
                                    "2.  Check if a valid port has been selected.\n"
                                    "3.  Is the QLX swithed on? - allow 5 sec to initialise");
                }
            }
        }
    }

    if (DeferNextCommand) {
        Timer2.setEnabled(false);
        DeferNextCommand = false;
        if (UsbMode) {
            for (const QByteArray& command : std::exchange(PendingUsbCommands, {}))
                nrWriteStr(command);
        } else {
            WriteToPort(std::exchange(PendingSerialCommand, {}));
        }
        Timer2.setInterval(300);
        Timer2.setEnabled(true);
    }
}

void TQLX32::Timer1Timer()
{
    Timer1.setEnabled(false);
    if (ShowNewModelControls) {
        ShowNewModelControls = false;
        Ver7Panel.enabled = true;
        Ver7Panel.visible = true;
        ShutDown.visible = true;
    }
    if (ProbeCalibrationDone) {
        ProbeCalibrationDone = false;
        if (AutoCalibrate)
            AutoCalibrate->activePage = QStringLiteral("TabSheet4");
    }
    if (ScaleStepEDone) {
        ScaleStepEDone = false;
        SendCommand("?V");
        if (ScaleCalibrate)
            ScaleCalibrate->activePage = QStringLiteral("TabSheet3");
    }
    if (ScaleStepDDone) {
        ScaleStepDDone = false;
        if (ScaleCalibrate)
            ScaleCalibrate->activePage = QStringLiteral("TabSheet2");
    }
    if (EfmStepKDone) {
        SendCommand("o");
        EfmStepKDone = false;
        if (EfmCalibrate)
            EfmCalibrate->activePage = QStringLiteral("TabSheet3");
    }
    if (EfmStepWDone) {
        EfmStepWDone = false;
        SendCommand("o");
        if (EfmCalibrate)
            EfmCalibrate->activePage = QStringLiteral("TabSheet4");
    }
    if (ShowLoginLine) {
        ShowLoginLine = false;
        Memo1.lines = {QStringLiteral("QLX: Responded")};
    }
    if (ShowVersionLines) {
        ShowVersionLines = false;
        Memo1.lines = {VersionText, QStringLiteral("QLX Interface: 11.8.18"), QStringLiteral("Nov  5 2019")};
    }
    emit stateChanged();
}

} // namespace qlx::driver
