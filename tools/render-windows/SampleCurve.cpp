#include "tools/render-windows/SampleCurve.h"

#include "driver/protocol/NumberText.h"

#include <cmath>
#include <vector>

namespace qlx::render {

void plotSampleCurve(driver::TForm2& form, SampleReading& reading)
{
    constexpr int Points = 603;
    constexpr double Step = 10.0 / (Points - 4);
    std::vector<double> deflection;
    std::vector<double> force;
    double energy = 0.0;
    for (int k = 0; k < Points; ++k) {
        const double x = (k - reading.cursorStart) * Step;
        double f = 0.0;
        if (x > 0.0) {
            const double skin = 4.3 * std::pow(std::sin(std::min(x, 5.2) / 5.2 * M_PI / 2.0), 1.4);
            const double flesh = x > 5.2 ? -1.1 * (1.0 - std::exp(-(x - 5.2) * 2.5)) : 0.0;
            f = skin + flesh + 0.03 * std::sin(9.0 * x);
        }
        if (k > 0)
            energy += (x - deflection.back()) * f;
        deflection.push_back(x);
        force.push_back(f);
        if (f > force[std::size_t(reading.maxIndex)])
            reading.maxIndex = k;
    }

    form.PlotCurve(deflection.data(), force.data(), Points);
    form.XMin = deflection.front();
    form.XMax = deflection.back();
    form.YMax = 5.0;
    form.UpDown1 = {0, Points - 1, 0, 1, true, true, true};
    form.SpeedButton1.enabled = form.SpeedButton2.enabled = true;
    form.xy.enabled = form.y.enabled = true;
    form.Label3.text = QStringLiteral("Energy = ") + driver::formatFixed(energy * 0.001 * 9.81, 3, 3)
                       + QStringLiteral(" Joule");
    form.Driver = {&reading.cursorStart, &reading.maxIndex, &reading.graphReady};
    form.SpeedButton2Click();
}

} // namespace qlx::render
