// The setting controls of the setup dialog: arrows and spin edits change a
// setting on the instrument at once; save, re-load, closing and the record
// file written on closing.
#include "driver/protocol/TQLX32.h"

#include "common/MessageSeam.h"
#include "driver/protocol/NumberText.h"
#include "driver/settings/SettingRules.h"

#include <cmath>
#include <functional>

namespace qlx::driver {
namespace {

using Button = TQLX32::ArrowButton;

QByteArray number(int value)
{
    return QByteArray::number(value);
}

// A display's number; a display that holds none yet reads as the position
// of its arrows, which mirrors the instrument's last reported value.
int displayedValue(const TextControl& display, const UpDownControl& arrows)
{
    const QString text = display.text.trimmed();
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : (text.isEmpty() ? arrows.position : integerValue(text));
}

// One arrow step on a display: the new value is shown and mirrored by the arrows.
int stepDisplay(TextControl& display, UpDownControl& arrows, Button button, int step, int min, int max,
                const std::function<int(int)>& limit = {})
{
    int v = steppedValue(displayedValue(display, arrows), button == Button::Up, step, min, max);
    if (limit)
        v = limit(v);
    display.text = QString::number(v);
    arrows.setPosition(v);
    return v;
}

} // namespace

void TQLX32::MarkSettingChanged(int bit)
{
    UnsavedChanges = true;
    if (!(ChangedSettings & bit)) {
        ChangedSettings |= bit;
        ++ChangedCount;
    }
    if (isMotionSetting(SettingBit(bit)))
        FMotionSettingChanged = true;
    emit stateChanged();
}

void TQLX32::TriggerScrollClick(ArrowButton button)
{
    const int v = stepDisplay(LoadThres, TriggerScroll, button, 10, 50, 300);
    SendCommand("o" + number(v) + "T");
    MarkSettingChanged(TriggerThresholdBit);
}

void TQLX32::ForwardScrollClick(ArrowButton button)
{
    // Never below the measure speed.
    const int measure = integerValue(LoadVelocity.text);
    const int v =
        stepDisplay(MaxVel, ForwardScroll, button, 1, 5, 30, [measure](int s) { return std::max(s, measure); });
    SendCommand("o");
    SendCommand(number(v) + "m");
    MarkSettingChanged(ForwardSpeedBit);
}

void TQLX32::ReverseScrollClick(ArrowButton button)
{
    const int v = stepDisplay(ReverseSpeed, ReverseScroll, button, 1, 10, 40);
    SendCommand("o" + number(v) + "y");
    MarkSettingChanged(ReverseSpeedBit);
}

void TQLX32::MeasureSpeedScrollClick(ArrowButton button)
{
    // Never above the forward speed, when there is one to compare with.
    const int forward = integerValue(MaxVel.text);
    const int v = stepDisplay(LoadVelocity, MeasureSpeedScroll, button, 1, 5, 20,
                              [forward](int s) { return forward > 0 ? std::min(s, forward) : s; });
    SendCommand(number(v) + "n");
    MarkSettingChanged(MeasureSpeedBit);
}

void TQLX32::MeasureDistanceScrollClick(ArrowButton button)
{
    // In tenths of a millimetre; the display shows one decimal, so rounding
    // reads it back exactly. An empty display counts as 5 mm.
    const QString text = TestDistance.text.trimmed();
    const long tenths = text.isEmpty() ? 50 : std::lround(realValue(text) * 10.0);
    const int v = steppedValue(int(std::clamp<long>(tenths, 0, 100000)), button == Button::Up, 1, 2, 200);
    TestDistance.text = QString::number(v * 0.1, 'f', 1);
    MeasureDistanceScroll.setPosition(v);
    SendCommand("o" + number(v) + "q");
    MarkSettingChanged(MeasureDistanceBit);
}

void TQLX32::UpDown1Click(ArrowButton button)
{
    const int v = stepDisplay(ReverseInc, UpDown1, button, 1, 5, 20);
    SendCommand(number(v));
    SendCommand("i");
    MarkSettingChanged(ReverseIncrementBit);
}

// The spin edit changes its text by one step within its bounds; only a
// changed text calls the change handler, so the arming never outlives the click.
void TQLX32::StepSpinEdit(TextControl& edit, bool& armed, bool up, int min, int max)
{
    armed = true;
    const QString stepped = QString::number(steppedValue(integerValue(edit.text), up, 1, min, max));
    if (stepped == edit.text) {
        armed = false;
        return;
    }
    edit.text = stepped;
    if (&edit == &Sensitivity)
        SensitivityChange();
    else
        ResetThresholdChange();
}

void TQLX32::SensitivityClickAdd() { StepSpinEdit(Sensitivity, SensitivityArmed, true, 1, 10); }
void TQLX32::SensitivityClickSub() { StepSpinEdit(Sensitivity, SensitivityArmed, false, 1, 10); }
void TQLX32::ResetThresholdClickAdd() { StepSpinEdit(ResetThreshold, ResetThresholdArmed, true, 5, 50); }
void TQLX32::ResetThresholdClickSub() { StepSpinEdit(ResetThreshold, ResetThresholdArmed, false, 5, 50); }

void TQLX32::SensitivityChange()
{
    if (!SensitivityArmed)
        return;
    SensitivityArmed = false;
    SendCommand(Sensitivity.text.toLatin1() + "d");
    MarkSettingChanged(ScaleSensitivityBit);
}

void TQLX32::ResetThresholdChange()
{
    if (!ResetThresholdArmed)
        return;
    ResetThresholdArmed = false;
    SendCommand(ResetThreshold.text.toLatin1() + "e");
    MarkSettingChanged(ScaleResetThresholdBit);
}

void TQLX32::TransparentButton3Click()
{
    SendCommand("Q");
    FSavingSettings = true;
    UnsavedChanges = false;
    ChangedSettings = 0;
    ChangedCount = 0;
    TransparentButton2.enabled = false;
    TransparentButton3.enabled = false;
    emit stateChanged();
}

void TQLX32::TransparentButton2Click()
{
    ResetReceiveState();
    SendCommand("?E");
    TransparentButton2.enabled = false;
    TransparentButton3.enabled = false;
    emit stateChanged();
}

void TQLX32::TransparentButton4Click()
{
    Setup.enabled = true;
    if (FPortChosen) {
        const QByteArray port = ComboBoxDeviceName.text().toLocal8Bit();
        Config.setPortName(port);
        Label6.text = QString::fromLocal8Bit(Config.portName());
    }
    emit stateChanged();
    if (!UnsavedChanges) {
        if (windows_)
            windows_->closeSetupDialog();
        return;
    }
    const MessageAnswer answer = showMessage(QStringLiteral("WARNING: Changes not saved"),
                                             unsavedChangesQuestion(ChangedSettings, ChangedCount),
                                             MessageIcon::Exclamation, MessageButtons::YesNoCancel);
    switch (answer) {
    case MessageAnswer::Yes: // the dialog stays open and shows the save's progress
        UnsavedChanges = false;
        ChangedSettings = 0;
        ChangedCount = 0;
        SendCommand("Q");
        FSavingSettings = true;
        emit stateChanged();
        break;
    case MessageAnswer::No:
        if (windows_)
            windows_->closeSetupDialog();
        break;
    default: // Cancel: the dialog stays as it is
        break;
    }
}

void TQLX32::FormClose()
{
    if (FMotionSettingChanged)
        SendCommand("A");
    // The record is replaced whole or not at all; after a failure the old
    // file and the record in memory stay, and the next closing writes again.
    if (FPortChosen && !Config.write(ConfigPath))
        showMessage(QStringLiteral("Error on exit from QLX interface"),
                    QStringLiteral("Could not SAVE the configuration file:\n") + ConfigPath
                        + QStringLiteral("\n\nIMPORTANT NOTE:\nEnsure that the path exists and is NOT write "
                                         "protected."));
}

void TQLX32::CannotEdit()
{
    if (!SerialPortOpen() && !UsbMode)
        showMessage(QStringLiteral("No port is currently selected"),
                    QStringLiteral("Select one of the avialable COM ports to establish a\nlink with the QLX.   "
                                   "The controls on this dialog will\nremain incative untill a port is selected "
                                   "and the QLX\nis responding."),
                    MessageIcon::Information);
    else if (InstrumentResponding)
        showMessage(QStringLiteral("Not an edit box"),
                    QStringLiteral("Cannot edit directly, use the arrow buttons on the right\nto increase or "
                                   "decrease the value."),
                    MessageIcon::Information);
    else
        showMessage(QStringLiteral("QLX is NOT responding"),
                    QStringLiteral("The QLX is not responding. This may be due to\nsome of the following:\n\n"
                                   "1. The QLX is not switched ON.\n2. The communication cable is not properly "
                                   "connected.\n3. An invalid serial port is selected."),
                    MessageIcon::Information);
}

} // namespace qlx::driver
