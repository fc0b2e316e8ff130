#pragma once
// The greatest force of the curve and the deflection where it is first reached.

#include "studio/model/UQLXMeasurementEvaluation.h"

namespace qlx::studio {

class TQLXMaxForceMeasurementEvaluation final
    : public TQLXMeasurementEvaluationClass<TQLXMaxForceMeasurementEvaluation> {
public:
    TQLXMaxForceMeasurementEvaluation();
    static QString ClassName() { return QStringLiteral("TQLXMaxForceMeasurementEvaluation"); }
    static QString GetClassCaptionStatic() { return QStringLiteral("Max. force & deflection to max."); }
    void DoEvaluation(const TDataPointsRef& ADataPoints) override;
};

// Index of the first point with the greatest force above 0; 0 when no force
// is above 0 (or the curve is empty).
int IndexOfMaxForce(const TDataPoints& ADataPoints);

} // namespace qlx::studio
