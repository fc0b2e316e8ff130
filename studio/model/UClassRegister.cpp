#include "studio/model/UClassRegister.h"

#include "studio/model/QLXError.h"
#include "studio/model/UQLXMaxForceMeasurementEvaluation.h"
#include "studio/model/UQLXMeasurementSlopeToMaxEvaluation.h"
#include "studio/model/UQLXMeasurementTotalSlopeEvaluation.h"

#include <algorithm>

namespace qlx::studio {
namespace {

const QStringList& builtInCaptionOrder()
{
    static const QStringList order{TQLXMeasurementSlopeToMaxEvaluation::GetClassCaptionStatic(),
                                   TQLXMeasurementTotalSlopeEvaluation::GetClassCaptionStatic(),
                                   TQLXMaxForceMeasurementEvaluation::GetClassCaptionStatic()};
    return order;
}

} // namespace

void TClassRegister::RegisterClass(const QString& ACaption, const TQLXMeasurementEvaluationClassRef& AClass)
{
    const bool known = std::any_of(FClassDictionary.begin(), FClassDictionary.end(),
                                   [&](const auto& entry) { return entry.first == ACaption; });
    if (known)
        throw EQLXError(QStringLiteral("Class caption %1 is already registered!").arg(ACaption));
    FClassDictionary.emplace_back(ACaption, AClass);
}

const TQLXMeasurementEvaluationClassRef& TClassRegister::GetClassFromName(const QString& AClassName) const
{
    for (const auto& [caption, evaluationClass] : FClassDictionary) {
        if (evaluationClass.ClassName == AClassName)
            return evaluationClass;
    }
    throw EQLXError(QStringLiteral("Class %1 not found!").arg(AClassName));
}

const TQLXMeasurementEvaluationClassRef& TClassRegister::GetClassFromCaption(const QString& ACaption) const
{
    for (const auto& [caption, evaluationClass] : FClassDictionary) {
        if (caption == ACaption)
            return evaluationClass;
    }
    throw EQLXError(QStringLiteral("Class with caption %1 not found!").arg(ACaption));
}

QStringList TClassRegister::GetClassCaptions() const
{
    QStringList captions;
    for (const QString& builtIn : builtInCaptionOrder()) {
        for (const auto& entry : FClassDictionary) {
            if (entry.first == builtIn)
                captions += builtIn;
        }
    }
    for (const auto& entry : FClassDictionary) {
        if (!builtInCaptionOrder().contains(entry.first))
            captions += entry.first;
    }
    return captions;
}

void RegisterBuiltInEvaluations(TClassRegister& AClassRegister)
{
    for (const auto& evaluationClass : {TQLXMeasurementEvaluationClassRef::Of<TQLXMaxForceMeasurementEvaluation>(),
                                        TQLXMeasurementEvaluationClassRef::Of<TQLXMeasurementSlopeToMaxEvaluation>(),
                                        TQLXMeasurementEvaluationClassRef::Of<TQLXMeasurementTotalSlopeEvaluation>()})
        AClassRegister.RegisterClass(evaluationClass.ClassCaption, evaluationClass);
}

} // namespace qlx::studio
