#pragma once
// The library-wide state behind the exported functions: the one driver
// object, its graph window state and the call-sequence flags.

#include "driver/protocol/TQLX32.h"
#include "driver/ui/TForm2.h"

#include <QString>
#include <atomic>
#include <memory>
#include <shared_mutex>

namespace qlx::api {

class DriverWindows;

struct DriverLibrary {
    std::atomic<bool> DriverInitialized{false};
    std::unique_ptr<driver::TForm2> Form2;
    std::unique_ptr<driver::TQLX32> Driver;
    std::unique_ptr<DriverWindows> Windows; // the widgets, when the client has a GUI application
    bool CoordCountFetched = false;
    QString ConfigPath;
    // Held shared by status calls from other threads and exclusively while the
    // driver is created or destroyed, so a watcher never reads a dying driver.
    std::shared_mutex lifetime;
};

DriverLibrary& library();

// Creates an application object when the client has none, and from then on
// lets pending events run at each exported call on that thread.
void ensureApplication();
void pumpEvents();

// Shows the message when the driver is not initialised; true when it is.
bool requireInit(const char* text, const char* caption);

// The driver object; only while initialised.
inline driver::TQLX32& driverObject()
{
    return *library().Driver;
}

void showNoScaleMessage();

// The default configuration file and the one in a given folder.
QString defaultConfigPath();
QString configPathIn(const QString& directory);

// Runs an exported function's body; nothing escapes the library.
template <typename R, typename Body>
R guarded(R neutral, Body&& body) noexcept
{
    try {
        pumpEvents();
        return body();
    } catch (...) {
        return neutral;
    }
}

template <typename Body>
void guarded(Body&& body) noexcept
{
    try {
        pumpEvents();
        body();
    } catch (...) {
    }
}

} // namespace qlx::api
