#include "driver/api/DriverLibrary.h"
#include "driver/api/DriverWindows.h"

#include "common/MessageSeam.h"

#include <QApplication>
#include <QThread>

namespace qlx::api {
namespace {
bool ownApplication = false;
}

DriverLibrary& library()
{
    static DriverLibrary state;
    return state;
}

void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    // A plain C client on a machine without a display still gets its windows, offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qlx_dll";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv); // lives as long as the process
    ownApplication = true;
}

void pumpEvents()
{
    if (ownApplication && QThread::currentThread() == QCoreApplication::instance()->thread())
        QCoreApplication::processEvents();
}

bool requireInit(const char* text, const char* caption)
{
    if (library().DriverInitialized)
        return true;
    showMessage(caption, text);
    return false;
}

void showNoScaleMessage()
{
    showMessage("Error: no scale", "The QLX currently connected to the PC\ris not configured to support a scale\r"
                                   "and cannot process this command");
}

} // namespace qlx::api
