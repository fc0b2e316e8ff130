#pragma once
// The slope over the whole curve.

#include "studio/model/UQLXMeasurementSlopeEvaluation.h"

namespace qlx::studio {

class TQLXMeasurementTotalSlopeEvaluation final
    : public TQLXMeasurementEvaluationClass<TQLXMeasurementTotalSlopeEvaluation, TQLXMeasurementSlopeEvaluation> {
public:
    TQLXMeasurementTotalSlopeEvaluation();
    static QString ClassName() { return QStringLiteral("TQLXMeasurementTotalSlopeEvaluation"); }
    static QString GetClassCaptionStatic() { return QStringLiteral("Total slope"); }
    void DoEvaluation(const TDataPointsRef& ADataPoints) override;
};

} // namespace qlx::studio
