#pragma once
// The driver's windows on the desktop: the setup dialog, the notification-
// area icon with its menu, the calibration wizards and the graph window.
// Registers itself with the driver for its lifetime.

#include "driver/ui/DriverWindows.h"

#include <memory>

namespace qlx::driver {

class GraphWindow;
class SetupDialog;
class SetupTrayIcon;
class TQLX32;

class QtDriverWindows final : public IDriverWindows {
public:
    // The graph window may be absent (then showing the graph does nothing).
    QtDriverWindows(TQLX32& driver, GraphWindow* graph);
    ~QtDriverWindows() override;

    SetupDialog& setupDialog();
    SetupTrayIcon& trayIcon() { return *tray_; }

    void showSetupDialogModal() override;
    void closeSetupDialog() override;
    void showGraph() override;
    void showTrayMenu() override;
    void showWizardModal(TAutoCalibrate& wizard) override;
    void showWizardModal(TCheckCalibrate& wizard) override;
    void showWizardModal(TForm4& wizard) override;
    void showWizardModal(TForm13& wizard) override;

private:
    template <typename Dialog, typename Wizard>
    void runWizard(Wizard& wizard);

    TQLX32& driver_;
    GraphWindow* graph_;
    std::unique_ptr<SetupDialog> setup_;
    std::unique_ptr<SetupTrayIcon> tray_;
};

} // namespace qlx::driver
