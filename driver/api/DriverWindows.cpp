#include "driver/api/DriverWindows.h"

#include "driver/api/qlx_dll.h"

#include "driver/protocol/TQLX32.h"
#include "driver/ui/GraphWindow.h"
#include "driver/ui/QtDriverWindows.h"
#include "driver/ui/TForm2.h"

#include <QApplication>

namespace qlx::api {

std::unique_ptr<DriverWindows> DriverWindows::create(driver::TQLX32& driver, driver::TForm2& graph)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return nullptr;
    return std::unique_ptr<DriverWindows>(new DriverWindows(driver, graph));
}

DriverWindows::DriverWindows(driver::TQLX32& driver, driver::TForm2& graph)
    : driver_(driver), graph_(graph), graphWindow_(std::make_unique<driver::GraphWindow>(graph)),
      windows_(std::make_unique<driver::QtDriverWindows>(driver, graphWindow_.get()))
{
    // The tray menu's "QLX Setup" runs the same path as the exported call,
    // after the menu has gone.
    QObject::connect(&driver_, &driver::TQLX32::setupRequested, graphWindow_.get(), [] { QLXSetup(); },
                     Qt::QueuedConnection);
    // Every decoded message changes state; the graph only needs a new curve drawn.
    QObject::connect(&driver_, &driver::TQLX32::stateChanged, graphWindow_.get(), [this] {
        if (graph_.NeedsRepaint && graph_.FGraphShown) {
            graph_.NeedsRepaint = false;
            graphWindow_->refresh();
        }
    });
}

DriverWindows::~DriverWindows() = default;

void DriverWindows::showGraph()
{
    graph_.FGraphShown = true;
    graphWindow_->refresh();
    graphWindow_->show();
}

void DriverWindows::closeGraph()
{
    graph_.FGraphShown = false;
    graphWindow_->hide();
}

void DriverWindows::execSetupDialog()
{
    windows_->showSetupDialogModal();
}

} // namespace qlx::api
