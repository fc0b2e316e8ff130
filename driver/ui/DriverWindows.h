#pragma once
// The driver's way to its windows. The Qt layer implements it; logic tests
// hand in a fake, so that the handlers run without any window.

namespace qlx::driver {

struct TAutoCalibrate;
struct TCheckCalibrate;
struct TForm4;
struct TForm13;

class IDriverWindows {
public:
    virtual ~IDriverWindows() = default;

    // Shows the setup dialog and returns when it has closed.
    virtual void showSetupDialogModal() = 0;
    // The setup dialog may close now (its closing then calls FormClose).
    virtual void closeSetupDialog() = 0;
    // Shows the graph window, which the caller has marked as shown.
    virtual void showGraph() = 0;
    // Opens the notification-area icon's pop-up menu at the mouse position.
    virtual void showTrayMenu() = 0;

    // Each shows its wizard and returns when the wizard has closed.
    virtual void showWizardModal(TAutoCalibrate& wizard) = 0;
    virtual void showWizardModal(TCheckCalibrate& wizard) = 0;
    virtual void showWizardModal(TForm4& wizard) = 0;
    virtual void showWizardModal(TForm13& wizard) = 0;
};

} // namespace qlx::driver
