// The graph window, and two functions old clients still call.
#include "driver/api/DriverLibrary.h"
#include "driver/api/DriverWindows.h"
#include "driver/api/qlx_dll.h"

using namespace qlx::api;

extern "C" {

QLX_API void QLX_CALL QLXGraph(void)
{
    guarded([] {
        DriverLibrary& lib = library();
        if (!lib.DriverInitialized)
            return;
        lib.Form2->FGraphShown = true;
        if (lib.Windows)
            lib.Windows->showGraph();
    });
}

QLX_API void QLX_CALL QLXNoGraph(void)
{
    guarded([] {
        DriverLibrary& lib = library();
        if (!lib.DriverInitialized || !lib.Form2->FGraphShown)
            return;
        lib.Form2->FGraphShown = false;
        if (lib.Windows)
            lib.Windows->closeGraph();
    });
}

QLX_API void QLX_CALL QLXVersion(int32_t, int32_t) {}

QLX_API void QLX_CALL QLXDelay(void) {}

} // extern "C"
