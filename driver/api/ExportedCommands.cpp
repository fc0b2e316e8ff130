// Commands to the instrument: readings, cancelling, the scale, probe and settings.
#include "driver/api/DriverLibrary.h"
#include "driver/api/qlx_dll.h"

#include "common/MessageSeam.h"

using namespace qlx;
using namespace qlx::api;

namespace {

// The not-initialised text of a command function, as its siblings word it.
QByteArray sequenceText(const char* function)
{
    return QByteArray("Can not call ") + function + "() before a call to QLXInit()";
}

bool ready(const char* function)
{
    return requireInit(sequenceText(function).constData(), "Call sequence error");
}

bool readyWithScale(const char* function)
{
    if (!ready(function))
        return false;
    if (!library().Driver->FHasScale) {
        showNoScaleMessage();
        return false;
    }
    return true;
}

void armReading(const char* function, const QByteArray& command)
{
    if (!ready(function))
        return;
    driverObject().Setup.enabled = false;
    driverObject().Calibrate.enabled = false;
    emit driverObject().stateChanged();
    driverObject().SendCommand(command);
}

} // namespace

extern "C" {

QLX_API void QLX_CALL QLXDoFirmnessReading(void)
{
    guarded([] { armReading("QLXDoFirmnessReading", "r"); });
}

QLX_API void QLX_CALL QLXDoAutoFirmnessReading(void)
{
    guarded([] { armReading("QLXDoAutoFirmnessReading", "t"); });
}

QLX_API void QLX_CALL QLXDoFirmnessAndMass(void)
{
    guarded([] {
        if (ready("QLXDoFirmnessAndMass"))
            armReading("QLXDoFirmnessAndMass", driverObject().FHasScale ? "l" : "r");
    });
}

QLX_API void QLX_CALL QLXDoMassReading(void)
{
    guarded([] {
        if (readyWithScale("QLXDoMassReading"))
            armReading("QLXDoMassReading", "c");
    });
}

QLX_API void QLX_CALL QLXCancel(void)
{
    guarded([] {
        if (!requireInit("Can not call QLXCancelOperation() before a call to QLXInit()", "QLX32 not initialized"))
            return;
        driverObject().Setup.enabled = true;
        driverObject().Calibrate.enabled = true;
        emit driverObject().stateChanged();
        driverObject().SendCommand("o");
    });
}

QLX_API void QLX_CALL QLXCancelMass(void)
{
    guarded([] {
        if (readyWithScale("QLXCancelMass"))
            driverObject().SendCommand("f");
    });
}

QLX_API void QLX_CALL QLXZeroScale(void)
{
    guarded([] {
        if (!readyWithScale("QLXZeroScale"))
            return;
        driverObject().SendCommand("h");
        driverObject().ZeroScalePending = true;
    });
}

QLX_API void QLX_CALL QLXBack(void)
{
    guarded([] {
        if (ready("QLXBack") && !driverObject().ProbeAtTop)
            driverObject().SendCommand("B");
    });
}

QLX_API void QLX_CALL QLXSetMeasureSpeed(int32_t millimetresPerSecond)
{
    guarded([millimetresPerSecond] {
        if (!ready("QLXSetMeasureSpeed"))
            return;
        if (millimetresPerSecond < 5 || millimetresPerSecond > 20) {
            showMessage("Incorrect Speed Setting", "Measure Speed should be in the range 5 - 20mm/sec");
            return;
        }
        driverObject().SendCommand("o" + QByteArray::number(millimetresPerSecond) + "n");
    });
}

QLX_API void QLX_CALL QLXSetMeasureDistance(int32_t tenthsOfMillimetre)
{
    guarded([tenthsOfMillimetre] {
        if (!ready("QLXSetMeasureDistance"))
            return;
        if (tenthsOfMillimetre < 10 || tenthsOfMillimetre > 200) {
            showMessage("Incorrect Measure Distance", "Measure Distance should be in the range 0.1 - 20mm");
            return;
        }
        driverObject().SendCommand("o" + QByteArray::number(tenthsOfMillimetre) + "q");
    });
}

QLX_API void QLX_CALL QLXNoScale(void)
{
    guarded([] { showNoScaleMessage(); });
}

} // extern "C"
