#pragma once
// The end-of-reading computation: raw samples in, the scaled force-deflection
// curve with its maximum and energy out.

#include <QString>

namespace qlx::driver {

struct CurveResult {
    bool usable = false;
    QString problem;       // why the reading gives no curve, when it is not usable
    int begin = 0;         // first sample of the curve
    int count = 0;         // points of the curve
    int cursorStart = 0;   // the trigger sample, counted from the curve start
    int maxIndex = 0;      // the first force maximum, counted from the curve start
    float energy = 0.0f;   // joule
    float lastFirmness = 0.0f; // force of the last curve point, kg
};

// Scales samples [begin, n) of the arrays in place: forces to kg, deflections
// to mm with the trigger sample at 0. The curve starts three samples before
// the first sample whose raw deflection reaches triggerRaw (never before the
// first sample).
CurveResult computeCurve(double* force, double* deflection, int n, int triggerRaw,
                         float deflectionFactor, float forceFactor);

// Millimetres per raw deflection unit and kilogram-thousandths per raw force
// unit, from the instrument's step ratio and firmness ratio texts.
float deflectionFactorFrom(const QString& stepRatioText);
float forceFactorFrom(const QString& firmnessRatioText);

} // namespace qlx::driver
