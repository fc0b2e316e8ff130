// The graph window's coordinate table: what QLXGetCoordCnt waits for, and
// the clipboard text of the finest table.
#include "driver/ui/CoordinateTable.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <vector>

namespace {

using qlx::driver::CoordinateTable;

// A 4000-point firmness curve over 20 mm: three points before the trigger
// point, a rise to a peak, a break and a second rise.
struct Curve {
    std::vector<double> x;
    std::vector<double> y;

    Curve()
    {
        constexpr int Points = 4000;
        const double step = 20.0 / (Points - 4);
        for (int k = 0; k < Points; ++k) {
            const double d = (k - 3) * step;
            x.push_back(d);
            y.push_back(d <= 0.0 ? 0.0 : 3.0 * std::sin(d / 6.0) + 0.05 * d + 0.02 * std::sin(7.0 * d));
        }
    }
};

const Curve& curve()
{
    static const Curve c;
    return c;
}

void BM_TableBuild(benchmark::State& state)
{
    const double step = double(state.range(0)) / 100.0;
    CoordinateTable table;
    for (auto _ : state)
        benchmark::DoNotOptimize(table.Build(curve().x.data(), curve().y.data(), int(curve().x.size()), step));
    state.counters["rows"] = table.RowCount();
}
BENCHMARK(BM_TableBuild)->Arg(1)->Arg(10)->Arg(50)->ArgName("step_hundredths_mm")->Unit(benchmark::kMicrosecond);

void BM_ClipboardText(benchmark::State& state)
{
    CoordinateTable table;
    table.Build(curve().x.data(), curve().y.data(), int(curve().x.size()), 0.01);
    for (auto _ : state)
        benchmark::DoNotOptimize(table.Text(CoordinateTable::Columns::Both));
    state.counters["rows"] = table.RowCount();
}
BENCHMARK(BM_ClipboardText)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
