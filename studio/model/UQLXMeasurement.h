#pragma once
// One completed firmness measurement: the curve the driver delivered and the
// evaluations run on it, with its texts for the protocol and the data exchange.

#include "studio/model/QLXNumberText.h"
#include "studio/model/UIQLXMeasurementEvaluation.h"

#include <QStringList>

namespace qlx::studio {

class TQLXMeasurement {
public:
    // Shares the curve; a null curve is an empty one.
    explicit TQLXMeasurement(TDataPointsRef ADataPoints);

    const TDataPoints& DataPoints() const { return *FDataPoints; }
    int DataPointsCount() const { return int(FDataPoints->size()); }
    const std::vector<IQLXMeasurementEvaluationPtr>& Evaluations() const { return FEvaluations; }

    // Clears the series and adds one point per data point (deflection, force).
    void Draw(IXYChartSeries& AChartSeries) const;
    // Runs the evaluation on the curve and keeps it, also when it fails (the
    // failure then goes on to the caller). Without data points it does nothing.
    void AddEvaluation(const IQLXMeasurementEvaluationPtr& AEvaluation);
    void ClearEvaluations() { FEvaluations.clear(); }

    QStringList GetProtocol() const;
    // Quoted "deflection<TAB>force" items joined by ";"; empty without points.
    QString GetDataPointsAsString() const;

private:
    TDataPointsRef FDataPoints;
    std::vector<IQLXMeasurementEvaluationPtr> FEvaluations;
};

} // namespace qlx::studio
