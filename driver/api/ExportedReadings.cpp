// The values of the last readings and the settings the setup dialog shows.
#include "driver/api/DriverLibrary.h"
#include "driver/api/qlx_dll.h"

#include "common/MessageSeam.h"
#include "driver/protocol/NumberText.h"

using namespace qlx;
using namespace qlx::api;

namespace {

bool ready(const char* text)
{
    return requireInit(text, "Call sequence error");
}

} // namespace

extern "C" {

QLX_API float QLX_CALL QLXReadMaxFirmness(void)
{
    return guarded(-1.0f, []() -> float {
        if (!ready("Can not call QLXReadMaxFirmness() before a calling QLXInit()"))
            return -1.0f;
        driver::TQLX32& d = driverObject();
        const driver::TForm2& graph = *library().Form2;
        if (!d.FFirmnessReady || d.FMaxIndex < 0 || d.FMaxIndex >= graph.PointCount()) {
            d.FMaxFirmness = -1.0f;
            return -1.0f;
        }
        const auto at = std::size_t(d.FMaxIndex);
        d.FMaxFirmness = float(graph.YData[at]);
        d.FMaxFirmnessPoint = driver::textToWholeNumber(QString::number(graph.XData[at], 'f', 2));
        d.FFirmnessReady = false;
        return d.FMaxFirmness;
    });
}

QLX_API float QLX_CALL QLXMaxFirmnessPoint(void)
{
    return guarded(-1.0f, []() -> float {
        return library().DriverInitialized ? driverObject().FMaxFirmnessPoint : -1.0f;
    });
}

QLX_API float QLX_CALL QLXReadLastFirmness(void)
{
    return guarded(-1.0f, []() -> float {
        if (!ready("Can not call QLXReadLastFirness() before a calling QLXInit()"))
            return -1.0f;
        return driverObject().FFirmnessReady ? driverObject().FLastFirmness : -1.0f;
    });
}

QLX_API float QLX_CALL QLXReadEnergy(void)
{
    return guarded(-1.0f, []() -> float {
        if (!ready("Can not call QLXReadEnergy() before a calling QLXInit()"))
            return -1.0f;
        return driverObject().FFirmnessReady ? driverObject().FEnergy : -1.0f;
    });
}

QLX_API float QLX_CALL QLXReadSize(void)
{
    return guarded(-1.0f, []() -> float {
        if (!ready("Can not call QLXReadSize() before a call to QLXInit()"))
            return -1.0f;
        const float size = driverObject().FSizeReady ? driverObject().FSize : -1.0f;
        driverObject().FSizeReady = false;
        return size;
    });
}

QLX_API float QLX_CALL QLXReadMass(void)
{
    return guarded(-1.0f, []() -> float {
        if (!ready("Can not call QLXReadMass() before a call to QLXInit()"))
            return -1.0f;
        if (!driverObject().FHasScale) {
            showNoScaleMessage();
            return -1.0f;
        }
        const float mass = driverObject().FMassReady ? driverObject().FMass : -1.0f;
        driverObject().FMassReady = false;
        return mass;
    });
}

QLX_API float QLX_CALL QLXMeasureSpeed(void)
{
    return guarded(-1.0f, []() -> float {
        if (!ready("Can not call QLXMeasureSpeed() before a call to QLXInit()"))
            return -1.0f;
        return driver::textToWholeNumber(driverObject().LoadVelocity.text);
    });
}

QLX_API float QLX_CALL QLXMeasureDistance(void)
{
    return guarded(-1.0f, []() -> float {
        if (!ready("Can not call QLXMeasureDistance() before a call to QLXInit()"))
            return -1.0f;
        return driver::textToWholeNumber(driverObject().TestDistance.text);
    });
}

} // extern "C"
