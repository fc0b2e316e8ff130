// The measurement model: what the user waits for after each fruit (running
// the evaluations, the protocol text) and at start-up (loading the
// configuration folder).

#include "studio/model/UClassRegister.h"
#include "studio/model/UQLXMaxForceMeasurementEvaluation.h"
#include "studio/model/UQLXMeasurement.h"
#include "studio/model/UQLXMeasurementConfigurations.h"
#include "studio/model/UQLXMeasurementSlopeToMaxEvaluation.h"
#include "studio/model/UQLXMeasurementTotalSlopeEvaluation.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

using namespace qlx::studio;

// A firmness curve of 2000 points at 0.01 mm: rising to a peak, then
// yielding as the skin breaks.
TDataPointsRef fruitCurve()
{
    auto points = std::make_shared<TDataPoints>();
    for (int i = 0; i < 2000; ++i) {
        const float deflection = 0.01f * float(i);
        const float force = i < 1400 ? 3.2f * std::sin(deflection / 14.0f * 1.5707964f) : 3.2f - 0.002f * float(i - 1400);
        points->push_back({deflection, force});
    }
    return points;
}

void BM_BuiltInEvaluations(benchmark::State& state)
{
    const TDataPointsRef curve = fruitCurve();
    for (auto _ : state) {
        TQLXMaxForceMeasurementEvaluation maxForce;
        TQLXMeasurementSlopeToMaxEvaluation slopeToMax;
        TQLXMeasurementTotalSlopeEvaluation totalSlope;
        maxForce.DoEvaluation(curve);
        slopeToMax.DoEvaluation(curve);
        totalSlope.DoEvaluation(curve);
        benchmark::DoNotOptimize(totalSlope.GetValues()[0].Value.size());
    }
}
BENCHMARK(BM_BuiltInEvaluations)->Unit(benchmark::kMicrosecond);

void BM_GetProtocol(benchmark::State& state)
{
    TQLXMeasurement measurement(fruitCurve());
    measurement.AddEvaluation(std::make_shared<TQLXMaxForceMeasurementEvaluation>());
    measurement.AddEvaluation(std::make_shared<TQLXMeasurementSlopeToMaxEvaluation>());
    measurement.AddEvaluation(std::make_shared<TQLXMeasurementTotalSlopeEvaluation>());
    for (auto _ : state)
        benchmark::DoNotOptimize(measurement.GetProtocol().size());
}
BENCHMARK(BM_GetProtocol)->Unit(benchmark::kMicrosecond);

void BM_GetDataPointsAsString(benchmark::State& state)
{
    TQLXMeasurement measurement(fruitCurve());
    for (auto _ : state)
        benchmark::DoNotOptimize(measurement.GetDataPointsAsString().size());
}
BENCHMARK(BM_GetDataPointsAsString)->Unit(benchmark::kMicrosecond);

void BM_LoadFromDirectory(benchmark::State& state)
{
    TClassRegister classRegister;
    RegisterBuiltInEvaluations(classRegister);
    QTemporaryDir dir;
    for (int i = 0; i < state.range(0); ++i) {
        TQLXMeasurementConfiguration configuration;
        configuration.MeasurementEvaluation().SetName(QStringLiteral("Configuration %1").arg(i));
        configuration.MeasurementEvaluation().SetComment(QStringLiteral("Apples of orchard %1\nsecond line").arg(i));
        configuration.MeasurementEvaluation().Evaluations() = {
            std::make_shared<TQLXMaxForceMeasurementEvaluation>(), std::make_shared<TQLXMeasurementSlopeToMaxEvaluation>(),
            std::make_shared<TQLXMeasurementTotalSlopeEvaluation>()};
        configuration.WriteToFolder(dir.path());
    }
    TQLXMeasurementConfigurations configurations(classRegister);
    for (auto _ : state) {
        configurations.LoadFromDirectory(dir.path() + u'/');
        benchmark::DoNotOptimize(configurations.Count());
    }
    if (configurations.Count() != state.range(0))
        state.SkipWithError("not every configuration loaded");
}
BENCHMARK(BM_LoadFromDirectory)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
