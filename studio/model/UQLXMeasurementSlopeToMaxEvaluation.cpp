#include "studio/model/UQLXMeasurementSlopeToMaxEvaluation.h"

#include "studio/model/UQLXMaxForceMeasurementEvaluation.h"

namespace qlx::studio {

TQLXMeasurementSlopeToMaxEvaluation::TQLXMeasurementSlopeToMaxEvaluation()
{
    FValues = {{QStringLiteral("SLOPE-TO-MAX"), QStringLiteral("Slope to max."), {}, QStringLiteral("kg/mm")}};
}

void TQLXMeasurementSlopeToMaxEvaluation::DoEvaluation(const TDataPointsRef& ADataPoints)
{
    const int maxIndex = ADataPoints ? IndexOfMaxForce(*ADataPoints) : 0;
    EvaluateRange(ADataPoints, 0, maxIndex);
}

} // namespace qlx::studio
