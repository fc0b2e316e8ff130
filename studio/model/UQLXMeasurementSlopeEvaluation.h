#pragma once
// The common part of the slope evaluations: a least-squares line of force
// over deflection across a range of the curve, and its drawing.

#include "studio/model/UQLXMeasurementEvaluation.h"

namespace qlx::studio {

class TQLXMeasurementSlopeEvaluation : public TQLXMeasurementEvaluation,
                                       public IQLXMeasurementSlopeEvaluation {
public:
    struct TLinearRegression {
        float Slope = 0.0f;     // kg/mm
        float Intercept = 0.0f; // kg
    };

    // Draws the fitted line over the fitted points; draws nothing when the
    // range has no line (all its deflections equal) or nothing has run.
    void DrawSlope(IXYChartSeries& AChartSeries) const override;

    const TLinearRegression& LinearRegression() const { return FLinearRegression; }
    // False when the deflections of the range are all equal: no line exists.
    bool HasLinearRegression() const { return FHasLinearRegression; }
    int LinearRegressionFromDataPointID() const { return FLinearRegressionFromDataPointID; }
    int LinearRegressionToDataPointID() const { return FLinearRegressionToDataPointID; }

    // The value text shown for a range without a line.
    static QString NoSlopeText() { return QStringLiteral("-"); }

protected:
    TQLXMeasurementSlopeEvaluation() = default;

    // Keeps the curve and the range, fits the line and sets the first value
    // to the slope (two decimals) or to NoSlopeText().
    void EvaluateRange(const TDataPointsRef& ADataPoints, int AFromDataPointID, int AToDataPointID);

private:
    void CalculateLinearRegression();

    TDataPointsRef FDataPoints;
    TLinearRegression FLinearRegression;
    bool FHasLinearRegression = false;
    int FLinearRegressionFromDataPointID = 0;
    int FLinearRegressionToDataPointID = 0;
};

} // namespace qlx::studio
