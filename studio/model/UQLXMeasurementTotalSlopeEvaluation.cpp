#include "studio/model/UQLXMeasurementTotalSlopeEvaluation.h"

namespace qlx::studio {

TQLXMeasurementTotalSlopeEvaluation::TQLXMeasurementTotalSlopeEvaluation()
{
    FValues = {{QStringLiteral("TOTAL-SLOPE"), QStringLiteral("Total slope"), {}, QStringLiteral("kg/mm")}};
}

void TQLXMeasurementTotalSlopeEvaluation::DoEvaluation(const TDataPointsRef& ADataPoints)
{
    const int count = ADataPoints ? int(ADataPoints->size()) : 0;
    EvaluateRange(ADataPoints, 0, count - 1);
}

} // namespace qlx::studio
