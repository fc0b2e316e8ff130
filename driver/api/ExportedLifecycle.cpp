// Start and end of the driver, the setup dialog and the settings read.
#include "driver/api/DriverLibrary.h"
#include "driver/api/DriverWindows.h"
#include "driver/api/qlx_dll.h"

#include "common/MessageSeam.h"

#include <mutex>

using namespace qlx;
using namespace qlx::api;

namespace {

void initialize()
{
    DriverLibrary& lib = library();
    if (lib.DriverInitialized) {
        showMessage("Initialize sequence error",
                    "Can not Initialize QLX twice,\nConsequetive calls to QLXInit() not allowed");
        return;
    }
    ensureApplication();
    std::unique_lock lock(lib.lifetime);
    lib.Form2 = std::make_unique<driver::TForm2>();
    lib.Driver = std::make_unique<driver::TQLX32>(lib.ConfigPath, lib.Form2.get());
    lib.Form2->Driver = {&lib.Driver->FCursorStart, &lib.Driver->FMaxIndex, &lib.Driver->FGraphReady};
    lib.Windows = DriverWindows::create(*lib.Driver, *lib.Form2);
    lib.CoordCountFetched = false;
    lib.DriverInitialized = true;
    lib.Driver->NotRespondingShown = false;
}

} // namespace

extern "C" {

QLX_API void QLX_CALL QLXInit(void)
{
    guarded([] {
        library().ConfigPath = defaultConfigPath();
        initialize();
    });
}

QLX_API void QLX_CALL QLXInit2(const char* directory)
{
    guarded([directory] {
        const QString dir = directory ? QString::fromLocal8Bit(directory) : QString();
        library().ConfigPath = dir.size() < 2 ? defaultConfigPath() : configPathIn(dir);
        initialize();
    });
}

QLX_API void QLX_CALL QLXQuit(void)
{
    guarded([] {
        DriverLibrary& lib = library();
        if (!requireInit("Can not call QLXQuit() before QLXInit()", "Quit error"))
            return;
        driver::TQLX32& qlx = *lib.Driver;
        if (lib.Windows)
            lib.Windows->closeGraph();
        if (qlx.UsbMode) {
            qlx.SendCommand("ou");
        } else if (qlx.SerialPortOpen()) {
            qlx.WriteToPort("ou");
            qlx.CloseSerialPort();
        }
        qlx.InstrumentResponding = false;
        std::unique_lock lock(lib.lifetime);
        lib.DriverInitialized = false;
        lib.Windows.reset();
        lib.Form2.reset();
        lib.Driver.reset();
    });
}

QLX_API void QLX_CALL QLXSetup(void)
{
    guarded([] {
        DriverLibrary& lib = library();
        if (lib.Driver)
            lib.Driver->SetupOpen = true;
        if (!requireInit("Can only call QLXSetup() after QLXInit()", "Initialize sequence error")) {
            if (lib.Driver)
                lib.Driver->SetupOpen = false;
            return;
        }
        driver::TQLX32& qlx = *lib.Driver;
        qlx.Memo1.lines.clear();
        if (qlx.UsbMode)
            qlx.ComboBoxDeviceName.enabled = false;
        if (qlx.ComboBoxDeviceName.itemIndex >= 0 || qlx.UsbMode) {
            qlx.ResetReceiveState();
            qlx.SequenceIndex = 0; // "?E" is the first query of this read
            qlx.SendCommand("?E");
        }
        qlx.Setup.enabled = false;
        if (lib.Windows)
            lib.Windows->execSetupDialog();
        if (lib.Driver)
            lib.Driver->SetupOpen = false;
    });
}

QLX_API void QLX_CALL QLXRefreshSettings(void)
{
    guarded([] {
        DriverLibrary& lib = library();
        if (!lib.DriverInitialized)
            return;
        lib.Driver->ResetReceiveState();
        lib.Driver->SendCommand("?E");
    });
}

} // extern "C"
