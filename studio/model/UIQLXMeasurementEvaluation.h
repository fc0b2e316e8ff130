#pragma once
// The evaluation interfaces. Evaluations are shared: a configuration holds its
// templates, a measurement holds the clones it ran; the last holder frees one.

#include "studio/model/QLXTypes.h"

#include <QString>
#include <memory>
#include <vector>

namespace pugi {
class xml_document;
class xml_node;
} // namespace pugi

namespace qlx::studio {

class IXYChartSeries;

// One result value; Value is the formatted text of the last run.
struct TQLXMeasurementEvaluationValue {
    QString ValueInternalName; // key in the data exchange, e.g. "MAX-FORCE"
    QString ValueName;
    QString Value;
    QString ValueUnit;
};
using TQLXMeasurementEvaluationValues = std::vector<TQLXMeasurementEvaluationValue>;

// One setting of an evaluation; the description is for the editor only.
struct TQLXMeasurementEvaluationParameter {
    QString ParamName;
    QString ParamValue;
    QString ParamUnit;
    QString ParamDescription;
};
using TQLXMeasurementEvaluationParameters = std::vector<TQLXMeasurementEvaluationParameter>;

class IQLXMeasurementEvaluation;
using IQLXMeasurementEvaluationPtr = std::shared_ptr<IQLXMeasurementEvaluation>;

class IQLXMeasurementEvaluation {
public:
    virtual ~IQLXMeasurementEvaluation() = default;

    // A new evaluation of the same class in its initial state.
    virtual IQLXMeasurementEvaluationPtr Clone() const = 0;
    virtual const TQLXMeasurementEvaluationValues& GetValues() const = 0;
    virtual const TQLXMeasurementEvaluationParameters& GetParameters() const = 0;
    virtual void SetParameter(const QString& AParameterName, const QString& AParameterValue) = 0;
    virtual QString GetCaption() const = 0;
    virtual void SetCaption(const QString& ACaption) = 0;
    // A new document whose element is this evaluation's "MeasurementEvaluation".
    virtual std::unique_ptr<pugi::xml_document> Serialize() const = 0;
    virtual void Deserialize(const pugi::xml_node& AMeasurementEvaluationXMLNode) = 0;
    virtual void DoEvaluation(const TDataPointsRef& ADataPoints) = 0;
    virtual QString GetClassCaption() const = 0;
};

// An evaluation that fits a line and can draw it.
class IQLXMeasurementSlopeEvaluation : public virtual IQLXMeasurementEvaluation {
public:
    virtual void DrawSlope(IXYChartSeries& AChartSeries) const = 0;
};

} // namespace qlx::studio
