#pragma once
// The registry of evaluation classes: class captions and class names to the
// factories that make evaluations.

#include "studio/model/UIQLXMeasurementEvaluation.h"

#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace qlx::studio {

// An evaluation class: its names, known without an instance, and how to
// make one. Create may give none when the object is not an evaluation.
struct TQLXMeasurementEvaluationClassRef {
    QString ClassName;
    QString ClassCaption;
    std::function<IQLXMeasurementEvaluationPtr()> Create;

    template <class TEvaluation>
    static TQLXMeasurementEvaluationClassRef Of()
    {
        return {TEvaluation::ClassName(), TEvaluation::GetClassCaptionStatic(),
                [] { return IQLXMeasurementEvaluationPtr(std::make_shared<TEvaluation>()); }};
    }
};

class TClassRegister {
public:
    // A caption registered twice fails.
    void RegisterClass(const QString& ACaption, const TQLXMeasurementEvaluationClassRef& AClass);
    // Exact, case-sensitive lookups; a miss fails with the user's message.
    const TQLXMeasurementEvaluationClassRef& GetClassFromName(const QString& AClassName) const;
    const TQLXMeasurementEvaluationClassRef& GetClassFromCaption(const QString& ACaption) const;
    // The built-in captions first in their familiar order ("Slope to max.",
    // "Total slope", "Max. force & deflection to max."), then the others in
    // the order of registration.
    QStringList GetClassCaptions() const;

private:
    std::vector<std::pair<QString, TQLXMeasurementEvaluationClassRef>> FClassDictionary;
};

// Registers the three built-in evaluations under their class captions.
void RegisterBuiltInEvaluations(TClassRegister& AClassRegister);

} // namespace qlx::studio
