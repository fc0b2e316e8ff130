#pragma once
// The slope of the curve from its first point to the force maximum.

#include "studio/model/UQLXMeasurementSlopeEvaluation.h"

namespace qlx::studio {

class TQLXMeasurementSlopeToMaxEvaluation final
    : public TQLXMeasurementEvaluationClass<TQLXMeasurementSlopeToMaxEvaluation, TQLXMeasurementSlopeEvaluation> {
public:
    TQLXMeasurementSlopeToMaxEvaluation();
    static QString ClassName() { return QStringLiteral("TQLXMeasurementSlopeToMaxEvaluation"); }
    static QString GetClassCaptionStatic() { return QStringLiteral("Slope to max."); }
    void DoEvaluation(const TDataPointsRef& ADataPoints) override;
};

} // namespace qlx::studio
