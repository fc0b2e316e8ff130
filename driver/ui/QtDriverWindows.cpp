#include "driver/ui/QtDriverWindows.h"

#include "driver/protocol/TQLX32.h"
#include "driver/ui/GraphWindow.h"
#include "driver/ui/SetupDialog.h"
#include "driver/ui/SetupTrayIcon.h"
#include "driver/ui/wizards/AutoCalibrateDialog.h"
#include "driver/ui/wizards/CheckCalibrateDialog.h"
#include "driver/ui/wizards/EfmCalibrateDialog.h"
#include "driver/ui/wizards/ScaleCalibrateDialog.h"

#include <QCursor>

namespace qlx::driver {

QtDriverWindows::QtDriverWindows(TQLX32& driver, GraphWindow* graph)
    : driver_(driver), graph_(graph), tray_(std::make_unique<SetupTrayIcon>(driver))
{
    driver_.SetWindows(this);
}

QtDriverWindows::~QtDriverWindows()
{
    if (driver_.Windows() == this)
        driver_.SetWindows(nullptr);
}

SetupDialog& QtDriverWindows::setupDialog()
{
    if (!setup_)
        setup_ = std::make_unique<SetupDialog>(driver_);
    return *setup_;
}

void QtDriverWindows::showSetupDialogModal()
{
    setupDialog().exec();
}

void QtDriverWindows::closeSetupDialog()
{
    if (setup_ && setup_->isVisible())
        setup_->closeApproved();
}

void QtDriverWindows::showGraph()
{
    if (!graph_)
        return;
    graph_->refresh(); // shows it: the driver has marked it as shown
    graph_->raise();
    graph_->activateWindow();
}

void QtDriverWindows::showTrayMenu()
{
    tray_->popup(QCursor::pos());
}

// The wizard opens over the setup dialog when that is up.
template <typename Dialog, typename Wizard>
void QtDriverWindows::runWizard(Wizard& wizard)
{
    QWidget* owner = setup_ && setup_->isVisible() ? setup_.get() : nullptr;
    Dialog dialog(driver_, wizard, owner);
    dialog.exec();
}

void QtDriverWindows::showWizardModal(TAutoCalibrate& wizard) { runWizard<AutoCalibrateDialog>(wizard); }
void QtDriverWindows::showWizardModal(TCheckCalibrate& wizard) { runWizard<CheckCalibrateDialog>(wizard); }
void QtDriverWindows::showWizardModal(TForm4& wizard) { runWizard<ScaleCalibrateDialog>(wizard); }
void QtDriverWindows::showWizardModal(TForm13& wizard) { runWizard<EfmCalibrateDialog>(wizard); }

} // namespace qlx::driver
