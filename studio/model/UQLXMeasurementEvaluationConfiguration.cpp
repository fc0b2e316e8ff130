#include "studio/model/UQLXMeasurementEvaluationConfiguration.h"

namespace qlx::studio {

void TQLXMeasurementEvaluationConfiguration::Clear()
{
    *this = TQLXMeasurementEvaluationConfiguration();
}

void TQLXMeasurementEvaluationConfiguration::CopyFrom(
    const TQLXMeasurementEvaluationConfiguration& AQLXMeasurementEvaluationConfiguration)
{
    const auto& source = AQLXMeasurementEvaluationConfiguration;
    std::vector<IQLXMeasurementEvaluationPtr> clones;
    clones.reserve(source.FEvaluations.size());
    for (const IQLXMeasurementEvaluationPtr& evaluation : source.FEvaluations)
        clones.push_back(evaluation->Clone());
    FName = source.FName;
    FComment = source.FComment;
    FDisplacementResolution = source.FDisplacementResolution;
    FEvaluations = std::move(clones);
}

} // namespace qlx::studio
