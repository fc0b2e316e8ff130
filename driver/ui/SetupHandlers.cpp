// The setup dialog's buttons and menu items, the owner drawing of its status
// bar and the tray icon's mouse events. Windows open through IDriverWindows.
#include "driver/protocol/TQLX32.h"

#include "driver/protocol/NumberText.h"
#include "driver/ui/CalibrationWizards.h"
#include "driver/ui/TForm2.h"

namespace qlx::driver {

// Registers the wizard for the reply decoding while it is shown; a second
// opening of the same wizard while it is up does nothing.
template <typename Wizard>
void TQLX32::RunWizard(Wizard& wizard, Wizard*& slot)
{
    struct Registration {
        Wizard*& slot;
        ~Registration() { slot = nullptr; }
    };
    slot = &wizard;
    const Registration registration{slot};
    windows_->showWizardModal(wizard);
}

void TQLX32::SetupClick()
{
    emit setupRequested();
}

void TQLX32::ShowGraphClick()
{
    if (Graph)
        Graph->FGraphShown = true;
    if (windows_)
        windows_->showGraph();
}

void TQLX32::CheckLoadcellClick()
{
    if (!windows_ || CheckCalibrate)
        return;
    TCheckCalibrate wizard(this);
    RunWizard(wizard, CheckCalibrate);
}

void TQLX32::TransparentButton1Click() { CheckLoadcellClick(); }

void TQLX32::Loadcell1Click()
{
    if (!windows_ || AutoCalibrate)
        return;
    TAutoCalibrate wizard(this);
    wizard.SpinEdit1.set(integerValue(TestMass.text));
    RunWizard(wizard, AutoCalibrate);
}

void TQLX32::TransparentButton5Click() { Loadcell1Click(); }

void TQLX32::EFM1Click()
{
    if (!windows_ || EfmCalibrate)
        return;
    EfmCalibrationOpened = true;
    TForm13 wizard(this);
    SendCommand("w");
    RunWizard(wizard, EfmCalibrate);
    EfmCalibrationOpened = false;
}

void TQLX32::TransparentButton6Click() { EFM1Click(); }

void TQLX32::CalibrateSCALE1Click()
{
    if (!windows_ || ScaleCalibrate)
        return;
    TForm4 wizard(this); // on its mass page, Panel3 hidden, CGauge2 at 0 of 7
    wizard.SpinEdit1.set(integerValue(TestMass.text));
    RunWizard(wizard, ScaleCalibrate);
}

void TQLX32::TransparentButton7Click() { CalibrateSCALE1Click(); }

void TQLX32::ShutDownClick()
{
    SendCommand("oP");
}

TQLX32::PanelLook TQLX32::StatusBar1DrawPanel(int panel) const
{
    const auto lamp = [](bool on, LampColour colour) {
        return PanelLook{on ? colour : LampColour::ButtonFace, -1, on};
    };
    switch (panel) {
    case 5: return lamp(StatusLampGreen, LampColour::Lime);
    case 6: return lamp(StatusLampBlue, LampColour::Blue);
    case 7: return lamp(StatusLampRed, LampColour::Red);
    case 8: return {LampColour::None, ProbeAtTop ? 21 : 23, ProbeAtTop};
    case 9: return {LampColour::None, ProbeAtBottom ? 22 : 23, ProbeAtBottom};
    default: return {}; // a text panel
    }
}

void TQLX32::TrayCallback(int mouseEvent)
{
    if (mouseEvent == TrayLeftDoubleClick)
        ShowGraphClick();
    else if (mouseEvent == TrayRightButtonUp && windows_)
        windows_->showTrayMenu();
}

} // namespace qlx::driver
