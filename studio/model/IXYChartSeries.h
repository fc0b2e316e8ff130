#pragma once
// What the measurement model needs of a chart's line series: the workbench's
// charts implement it, tests record into a fake.

namespace qlx::studio {

class IXYChartSeries {
public:
    virtual ~IXYChartSeries() = default;
    virtual void Clear() = 0;
    // Appends a point without label in the series' own colour.
    virtual void AddXY(double AX, double AY) = 0;
};

} // namespace qlx::studio
