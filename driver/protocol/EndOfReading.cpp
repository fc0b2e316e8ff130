// The end of a firmness reading: the samples become the plotted curve.
#include "driver/protocol/TQLX32.h"

#include "common/MessageSeam.h"
#include "driver/protocol/CurveComputation.h"
#include "driver/protocol/NumberText.h"
#include "driver/ui/TForm2.h"

namespace qlx::driver {
namespace {

// The force axis: the next of 5, 10, 20, 50, 100, 200 kg above the maximum.
double forceAxisMaximum(double maxForce, double current)
{
    for (const double limit : {5.0, 10.0, 20.0, 50.0, 100.0, 200.0}) {
        if (maxForce < limit)
            return limit;
    }
    return current;
}

} // namespace

void TQLX32::EndOfReading()
{
    const int n = SampleCount;
    SampleCount = 0;
    FDeflectionFactor = deflectionFactorFrom(stepratio.text);
    FForceFactor = forceFactorFrom(massratio.text);
    const CurveResult curve = computeCurve(FForce.data(), FDeflection.data(), n,
                                           integerValue(MessageText.data()), FDeflectionFactor,
                                           FForceFactor);
    if (!curve.usable) {
        showMessage("QLX Error", curve.problem);
        return;
    }

    const double* force = FForce.data() + curve.begin;
    const double* deflection = FDeflection.data() + curve.begin;
    FCursorStart = short(curve.cursorStart);
    FMaxIndex = curve.maxIndex;
    FEnergy = curve.energy;
    FLastFirmness = curve.lastFirmness;
    const double maxForce = force[FMaxIndex];
    StatusBar1.panels[0] = formatFixed(maxForce, 6, 3) + QStringLiteral(" kg");

    if (Graph) {
        TForm2& g = *Graph;
        g.Label3.text = QStringLiteral("Energy = ") + formatFixed(FEnergy, 3, 3) + QStringLiteral(" Joule");
        g.YMax = forceAxisMaximum(maxForce, g.YMax);
        g.UpDown1.min = 0;
        g.UpDown1.max = curve.count - 1;
        g.UpDown1.enabled = true;
        g.RemovePlot();
        g.PlotCurve(deflection, force, curve.count);
        g.XMin = deflection[0];
        g.XMax = deflection[curve.count - 1];
        g.SpeedButton1.enabled = true;
        g.SpeedButton2.enabled = true;
        g.xy.enabled = true;
        g.y.enabled = true;
        g.UpDown1.position = FCursorStart;
        g.CursorIndex = FCursorStart;
        g.Label1.text = formatFixed(force[FCursorStart], 4, 2);
        g.Label2.text = formatFixed(deflection[FCursorStart], 4, 3);
        g.NeedsRepaint = true;
    }
    FGraphReady = true;
    FFirmnessReady = true;
    Calibrate.enabled = true;

    if (MalformedSamples > 0)
        showMessage("QLX Error", QStringLiteral("The data of the last reading will not be\n"
                                                "reliable: %1 samples could not be read.")
                                     .arg(MalformedSamples));
}

} // namespace qlx::driver
