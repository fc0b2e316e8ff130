#pragma once
// The evaluation part of a measurement configuration: name, comment, point
// spacing and the evaluations every measurement made with it runs.

#include "studio/model/UIQLXMeasurementEvaluation.h"

namespace qlx::studio {

class TQLXMeasurementEvaluationConfiguration {
public:
    const QString& Name() const { return FName; }
    void SetName(const QString& AName) { FName = AName; }
    const QString& Comment() const { return FComment; }
    void SetComment(const QString& AComment) { FComment = AComment; }
    TDisplacementResolution DisplacementResolution() const { return FDisplacementResolution; }
    void SetDisplacementResolution(TDisplacementResolution AValue) { FDisplacementResolution = AValue; }
    // In the order they run and are shown.
    std::vector<IQLXMeasurementEvaluationPtr>& Evaluations() { return FEvaluations; }
    const std::vector<IQLXMeasurementEvaluationPtr>& Evaluations() const { return FEvaluations; }

    void Clear();
    // Copies name, comment and spacing; the evaluations become fresh clones
    // (without caption or parameter values) of the source's.
    void CopyFrom(const TQLXMeasurementEvaluationConfiguration& AQLXMeasurementEvaluationConfiguration);

private:
    QString FName;
    QString FComment;
    TDisplacementResolution FDisplacementResolution = dr05;
    std::vector<IQLXMeasurementEvaluationPtr> FEvaluations;
};

} // namespace qlx::studio
