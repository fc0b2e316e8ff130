#pragma once
// Fakes and helpers shared by the measurement model tests.

#include "studio/model/IXYChartSeries.h"
#include "studio/model/QLXNumberText.h"
#include "studio/model/UQLXMeasurementEvaluation.h"

#include <QLocale>
#include <QString>
#include <utility>
#include <vector>

namespace qlx::studio::test {

// Records the points of a chart series.
class FakeChartSeries final : public IXYChartSeries {
public:
    void Clear() override { points.clear(); ++clears; }
    void AddXY(double AX, double AY) override { points.emplace_back(AX, AY); }
    std::vector<std::pair<double, double>> points;
    int clears = 0;
};

// Switches the default locale and recaptures the decimal separator; restores
// both at the end of the scope.
class ScopedLocale {
public:
    explicit ScopedLocale(QLocale::Language language)
        : previous_(QLocale())
    {
        QLocale::setDefault(QLocale(language));
        CaptureDecimalSeparator();
    }
    ~ScopedLocale()
    {
        QLocale::setDefault(previous_);
        CaptureDecimalSeparator();
    }

private:
    QLocale previous_;
};

// An evaluation with parameters, a failing run on demand and no values of
// its own: the parameter machinery and failure paths of the framework.
class TTestParameterEvaluation final : public TQLXMeasurementEvaluationClass<TTestParameterEvaluation> {
public:
    TTestParameterEvaluation()
    {
        FParameters = {{QStringLiteral("Start"), QStringLiteral("1.0"), QStringLiteral("kg"), QStringLiteral("from")},
                       {QStringLiteral("Width"), QStringLiteral("2"), QStringLiteral("mm"), QStringLiteral("span")}};
        FValues = {{QStringLiteral("TEST"), QStringLiteral("Test value"), {}, QStringLiteral("kg")}};
    }
    static QString ClassName() { return QStringLiteral("TTestParameterEvaluation"); }
    static QString GetClassCaptionStatic() { return QStringLiteral("Test evaluation"); }
    void DoEvaluation(const TDataPointsRef&) override
    {
        FValues[0].Value = QStringLiteral("partial");
        if (failRun)
            throw std::runtime_error("run failed");
    }
    bool failRun = false;
};

inline TDataPointsRef Curve(std::initializer_list<TDataPoint> points)
{
    return std::make_shared<const TDataPoints>(points);
}

} // namespace qlx::studio::test
