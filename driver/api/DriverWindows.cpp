#include "driver/api/DriverWindows.h"

#include "driver/protocol/TQLX32.h"
#include "driver/ui/GraphWindow.h"
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
    : driver_(driver), graph_(graph), graphWindow_(std::make_unique<driver::GraphWindow>(graph))
{
    QObject::connect(&driver_, &driver::TQLX32::stateChanged, graphWindow_.get(), [this] {
        if (graph_.FGraphShown || graph_.NeedsRepaint)
            graphWindow_->refresh();
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
}

} // namespace qlx::api
