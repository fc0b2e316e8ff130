#pragma once
// Windows without widgets: records what the driver opens and runs a scripted
// user in place of each modal wizard.

#include "driver/ui/CalibrationWizards.h"
#include "driver/ui/DriverWindows.h"

#include <functional>

namespace qlx::test {

class FakeWindows final : public driver::IDriverWindows {
public:
    int setupShown = 0;
    int setupClosed = 0;
    int graphShown = 0;
    int trayMenuShown = 0;
    std::function<void(driver::TAutoCalibrate&)> probeUser;
    std::function<void(driver::TCheckCalibrate&)> checkUser;
    std::function<void(driver::TForm4&)> scaleUser;
    std::function<void(driver::TForm13&)> efmUser;

    void showSetupDialogModal() override { ++setupShown; }
    void closeSetupDialog() override { ++setupClosed; }
    void showGraph() override { ++graphShown; }
    void showTrayMenu() override { ++trayMenuShown; }
    void showWizardModal(driver::TAutoCalibrate& wizard) override { run(probeUser, wizard); }
    void showWizardModal(driver::TCheckCalibrate& wizard) override { run(checkUser, wizard); }
    void showWizardModal(driver::TForm4& wizard) override { run(scaleUser, wizard); }
    void showWizardModal(driver::TForm13& wizard) override { run(efmUser, wizard); }

private:
    template <typename Wizard>
    static void run(const std::function<void(Wizard&)>& user, Wizard& wizard)
    {
        if (user)
            user(wizard);
    }
};

} // namespace qlx::test
