#include "studio/model/UQLXMaxForceMeasurementEvaluation.h"

#include "studio/model/QLXNumberText.h"

namespace qlx::studio {

int IndexOfMaxForce(const TDataPoints& ADataPoints)
{
    int index = 0;
    float maxForce = 0.0f;
    for (size_t i = 0; i < ADataPoints.size(); ++i) {
        if (ADataPoints[i].Force > maxForce) {
            maxForce = ADataPoints[i].Force;
            index = int(i);
        }
    }
    return index;
}

TQLXMaxForceMeasurementEvaluation::TQLXMaxForceMeasurementEvaluation()
{
    FValues = {
        {QStringLiteral("MAX-FORCE"), QStringLiteral("Max. force"), {}, QStringLiteral("kg")},
        {QStringLiteral("DEFLECTION-TO-MAX"), QStringLiteral("Deflection to max."), {}, QStringLiteral("mm")},
    };
}

void TQLXMaxForceMeasurementEvaluation::DoEvaluation(const TDataPointsRef& ADataPoints)
{
    TDataPoint maximum{0.0f, 0.0f};
    if (ADataPoints && !ADataPoints->empty()) {
        const TDataPoint& candidate = (*ADataPoints)[size_t(IndexOfMaxForce(*ADataPoints))];
        if (candidate.Force > 0.0f)
            maximum = candidate;
    }
    FValues[0].Value = FormatFixed(maximum.Force, 2);
    FValues[1].Value = FormatFixed(maximum.Deflection, 2);
}

} // namespace qlx::studio
