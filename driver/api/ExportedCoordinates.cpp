// The coordinate table of the last curve: built by the graph window, served here.
#include "driver/api/DriverLibrary.h"
#include "driver/api/qlx_dll.h"

#include "common/MessageSeam.h"

using namespace qlx;
using namespace qlx::api;

namespace {

const char* const SequenceText = "Cannot call 'QLXGetGraphCoord' before\na call to 'QLXGetCoordCnt'.";
const char* const NoGraphText = "Cannot call 'QLXGetGraphCoord' - no graph is available.";

bool graphReady()
{
    return library().DriverInitialized && driverObject().FGraphReady;
}

// Steps 1 to 3 of every table read: the sequence and the curve.
bool tableAvailable()
{
    if (!library().CoordCountFetched)
        showMessage("Call sequence error", SequenceText);
    if (!graphReady()) {
        showMessage("Call sequence error", NoGraphText);
        return false;
    }
    return true;
}

float cell(int32_t index, bool force)
{
    if (!tableAvailable())
        return 0.0f;
    const driver::CoordinateTable& table = library().Form2->AdvStringGrid2;
    if (index < 0 || index >= table.RowCount()) {
        showMessage("Application error", "Cannot call for a Coord value beyond Coord count.");
        return 0.0f;
    }
    const driver::CoordRow& row = table.Row(index);
    return float(force ? row.Force : row.Deflection);
}

} // namespace

extern "C" {

QLX_API int32_t QLX_CALL QLXGetCoordCnt(int32_t resolution)
{
    return guarded<int32_t>(0, [resolution]() -> int32_t {
        DriverLibrary& lib = library();
        if (!lib.DriverInitialized)
            return 0;
        lib.Form2->RequestCoordResolution(resolution);
        if (!driverObject().FGraphReady)
            return 0;
        const int rows = lib.Form2->CopyGraphExecute();
        lib.CoordCountFetched = true;
        return rows;
    });
}

QLX_API int32_t QLX_CALL QLXGetGraphCoord(float* x, float* y, int32_t size)
{
    return guarded<int32_t>(0, [x, y, size]() -> int32_t {
        DriverLibrary& lib = library();
        if (!lib.CoordCountFetched)
            showMessage("Call sequence error", SequenceText);
        lib.CoordCountFetched = false;
        if (!graphReady()) {
            showMessage("Call sequence error", NoGraphText);
            return 0;
        }
        const driver::CoordinateTable& table = lib.Form2->AdvStringGrid2;
        const int rows = table.RowCount();
        // Missing arrays count as too small: nothing is written through them.
        if (rows >= size || !x || !y) {
            showMessage("Buffer too small", "The buffer size is too small.");
            return -1;
        }
        for (int i = 0; i < rows; ++i) {
            x[i] = float(table.Row(i).Deflection);
            y[i] = float(table.Row(i).Force);
        }
        return rows;
    });
}

QLX_API float QLX_CALL QLXGraphXatIdx(int32_t index)
{
    return guarded(0.0f, [index] { return cell(index, false); });
}

QLX_API float QLX_CALL QLXGraphYatIdx(int32_t index)
{
    return guarded(0.0f, [index] { return cell(index, true); });
}

} // extern "C"
