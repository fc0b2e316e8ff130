#pragma once
// The base of all evaluations: values, parameters, caption and the
// "MeasurementEvaluation" XML element.

#include "studio/model/UIQLXMeasurementEvaluation.h"

namespace qlx::studio {

class TQLXMeasurementEvaluation : public virtual IQLXMeasurementEvaluation {
public:
    const TQLXMeasurementEvaluationValues& GetValues() const override { return FValues; }
    const TQLXMeasurementEvaluationParameters& GetParameters() const override { return FParameters; }
    // Matches the first parameter by name only.
    void SetParameter(const QString& AParameterName, const QString& AParameterValue) override;
    QString GetCaption() const override { return FCaption; }
    void SetCaption(const QString& ACaption) override { FCaption = ACaption; }
    std::unique_ptr<pugi::xml_document> Serialize() const override;
    // Steps done before a failure stay done.
    void Deserialize(const pugi::xml_node& AMeasurementEvaluationXMLNode) override;

    // The class name written as "Type", by which files name the class.
    virtual QString GetClassName() const = 0;

protected:
    TQLXMeasurementEvaluation() = default;

    TQLXMeasurementEvaluationValues FValues;
    TQLXMeasurementEvaluationParameters FParameters;
    QString FCaption;

private:
    // Matches the first parameter by name and unit.
    void UpdateParameter(const TQLXMeasurementEvaluationParameter& AParameter);
};

// Gives a concrete evaluation class its clone and class-level names from the
// static ClassName() and GetClassCaptionStatic() of TDerived.
template <class TDerived, class TBase = TQLXMeasurementEvaluation>
class TQLXMeasurementEvaluationClass : public TBase {
public:
    IQLXMeasurementEvaluationPtr Clone() const override { return std::make_shared<TDerived>(); }
    QString GetClassCaption() const override { return TDerived::GetClassCaptionStatic(); }
    QString GetClassName() const override { return TDerived::ClassName(); }
};

} // namespace qlx::studio
