#include "driver/protocol/CurveComputation.h"

#include "driver/protocol/NumberText.h"

#include <algorithm>
#include <cmath>

namespace qlx::driver {

float deflectionFactorFrom(const QString& stepRatioText)
{
    return float(1.0 / (float(realValue(stepRatioText)) * 0.01f));
}

float forceFactorFrom(const QString& firmnessRatioText)
{
    return float(realValue(firmnessRatioText)) * 0.001f;
}

CurveResult computeCurve(double* force, double* deflection, int n, int triggerRaw,
                         float deflectionFactor, float forceFactor)
{
    CurveResult result;
    if (!std::isfinite(deflectionFactor) || deflectionFactor <= 0.0f || !std::isfinite(forceFactor) ||
        forceFactor <= 0.0f) {
        result.problem = QStringLiteral(
            "The last reading cannot be shown: the step ratio and the firmness\n"
            "ratio of the QLX have not been read. Re-load the configuration\n"
            "from the QLX and repeat the reading.");
        return result;
    }
    int trigger = 0;
    while (trigger < n && deflection[trigger] < double(triggerRaw))
        ++trigger;
    if (trigger >= n) {
        result.problem = QStringLiteral(
            "The data of the last reading is not usable:\n"
            "no sample reached the trigger point.");
        return result;
    }

    const int begin = std::max(trigger - 3, 0);
    const double offset = double(deflectionFactor) * deflection[trigger];
    int maxAt = begin;
    float energy = 0.0f;
    for (int j = begin; j < n; ++j) {
        force[j] = force[j] * double(forceFactor) * 0.001;
        deflection[j] = deflection[j] * double(deflectionFactor) - offset;
        if (j > begin) // both deflections of the step are scaled
            energy += float((deflection[j] - deflection[j - 1]) * force[j]);
        if (force[j] > force[maxAt])
            maxAt = j;
    }

    result.usable = true;
    result.begin = begin;
    result.count = n - begin;
    result.cursorStart = trigger - begin;
    result.maxIndex = maxAt - begin;
    result.energy = float(double(energy) * 0.001 * 9.81);
    result.lastFirmness = float(force[n - 1]);
    return result;
}

} // namespace qlx::driver
