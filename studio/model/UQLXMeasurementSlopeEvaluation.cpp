#include "studio/model/UQLXMeasurementSlopeEvaluation.h"

#include "studio/model/IXYChartSeries.h"
#include "studio/model/QLXNumberText.h"

#include <cmath>

namespace qlx::studio {

void TQLXMeasurementSlopeEvaluation::EvaluateRange(const TDataPointsRef& ADataPoints, int AFromDataPointID,
                                                   int AToDataPointID)
{
    FDataPoints = ADataPoints;
    FLinearRegressionFromDataPointID = AFromDataPointID;
    FLinearRegressionToDataPointID = AToDataPointID;
    CalculateLinearRegression();
    FValues[0].Value = FHasLinearRegression ? FormatFixed(FLinearRegression.Slope, 2) : NoSlopeText();
}

// Ordinary least squares over 32-bit running sums; each step is added in
// double precision and rounded back to 32 bits. A range whose deflections are
// all equal has no line; it is detected directly because the rounded sums
// need not cancel to an exact zero.
void TQLXMeasurementSlopeEvaluation::CalculateLinearRegression()
{
    FLinearRegression = {};
    FHasLinearRegression = false;
    const int count = FDataPoints ? int(FDataPoints->size()) : 0;
    if (FLinearRegressionFromDataPointID < 0 || FLinearRegressionToDataPointID >= count
        || FLinearRegressionFromDataPointID > FLinearRegressionToDataPointID)
        return;

    float sx = 0.0f, sxx = 0.0f, sy = 0.0f, sxy = 0.0f;
    bool deflectionsDiffer = false;
    const float firstDeflection = (*FDataPoints)[size_t(FLinearRegressionFromDataPointID)].Deflection;
    for (int i = FLinearRegressionFromDataPointID; i <= FLinearRegressionToDataPointID; ++i) {
        const double x = (*FDataPoints)[size_t(i)].Deflection;
        const double y = (*FDataPoints)[size_t(i)].Force;
        sx = float(double(sx) + x);
        sxx = float(double(sxx) + x * x);
        sy = float(double(sy) + y);
        sxy = float(double(sxy) + x * y);
        deflectionsDiffer = deflectionsDiffer || float(x) != firstDeflection;
    }
    if (!deflectionsDiffer)
        return;

    const double n = double(FLinearRegressionToDataPointID - FLinearRegressionFromDataPointID + 1);
    const double denominator = double(sxx) - double(sx) * double(sx) / n;
    const float slope = float((double(sxy) - double(sx) * double(sy) / n) / denominator);
    const float intercept = float((double(sy) - double(slope) * double(sx)) / n);
    if (!std::isfinite(slope) || !std::isfinite(intercept))
        return;
    FLinearRegression = {slope, intercept};
    FHasLinearRegression = true;
}

void TQLXMeasurementSlopeEvaluation::DrawSlope(IXYChartSeries& AChartSeries) const
{
    AChartSeries.Clear();
    if (!FHasLinearRegression)
        return;
    for (int i = FLinearRegressionFromDataPointID; i <= FLinearRegressionToDataPointID; ++i) {
        const float x = (*FDataPoints)[size_t(i)].Deflection;
        const float y = float(double(FLinearRegression.Slope) * double(x) + double(FLinearRegression.Intercept));
        AChartSeries.AddXY(x, y);
    }
}

} // namespace qlx::studio
