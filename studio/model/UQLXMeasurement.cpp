#include "studio/model/UQLXMeasurement.h"

#include "studio/model/IXYChartSeries.h"

namespace qlx::studio {

TQLXMeasurement::TQLXMeasurement(TDataPointsRef ADataPoints)
    : FDataPoints(ADataPoints ? std::move(ADataPoints) : std::make_shared<const TDataPoints>())
{
}

void TQLXMeasurement::Draw(IXYChartSeries& AChartSeries) const
{
    AChartSeries.Clear();
    for (const TDataPoint& point : *FDataPoints)
        AChartSeries.AddXY(point.Deflection, point.Force);
}

void TQLXMeasurement::AddEvaluation(const IQLXMeasurementEvaluationPtr& AEvaluation)
{
    if (!AEvaluation || FDataPoints->empty())
        return;
    try {
        AEvaluation->DoEvaluation(FDataPoints);
    } catch (...) {
        FEvaluations.push_back(AEvaluation);
        throw;
    }
    FEvaluations.push_back(AEvaluation);
}

QStringList TQLXMeasurement::GetProtocol() const
{
    if (FDataPoints->empty())
        return {QStringLiteral("Measurement contains no data")};

    QStringList lines;
    lines.reserve(qsizetype(FDataPoints->size()) + 3);
    lines += QStringLiteral("Deflection [mm]; Force [kg]");
    for (const TDataPoint& point : *FDataPoints)
        lines += FormatFixed(point.Deflection, 2) + QStringLiteral("; ") + FormatFixed(point.Force, 3);
    lines += QString();
    lines += QStringLiteral("Evaluation results");
    for (const IQLXMeasurementEvaluationPtr& evaluation : FEvaluations) {
        lines += QStringLiteral("- ") + evaluation->GetClassCaption();
        const QString caption = evaluation->GetCaption();
        if (!caption.trimmed().isEmpty())
            lines += u'"' + caption + u'"';
        const TQLXMeasurementEvaluationParameters& parameters = evaluation->GetParameters();
        if (!parameters.empty())
            lines += QStringLiteral("  Parameters:");
        for (const TQLXMeasurementEvaluationParameter& parameter : parameters)
            lines += QStringLiteral("  %1: %2 %3").arg(parameter.ParamName, parameter.ParamValue, parameter.ParamUnit);
        lines += QStringLiteral("  Values:");
        for (const TQLXMeasurementEvaluationValue& value : evaluation->GetValues())
            lines += QStringLiteral("  %1: %2 %3").arg(value.ValueName, value.Value, value.ValueUnit);
    }
    return lines;
}

QString TQLXMeasurement::GetDataPointsAsString() const
{
    QString text;
    text.reserve(qsizetype(FDataPoints->size()) * 16);
    for (const TDataPoint& point : *FDataPoints) {
        if (!text.isEmpty())
            text += u';';
        text += u'"' + LocalizeDecimalSeparator(FormatFixed(point.Deflection, 2)) + u'\t'
            + LocalizeDecimalSeparator(FormatFixed(point.Force, 3)) + u'"';
    }
    return text;
}

} // namespace qlx::studio
