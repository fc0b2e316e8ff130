#pragma once
// A graph window state with a curve plotted as the reply decoding plots it,
// the driver fields bound and the clipboard recorded.

#include "driver/ui/ClipboardSeam.h"
#include "driver/ui/TForm2.h"

#include <QStringList>
#include <vector>

namespace qlx::test {

class RecordingClipboard final : public driver::IClipboard {
public:
    void setText(const QString& text) override { texts.append(text); }
    QStringList texts;
};

struct Curve {
    std::vector<double> x;
    std::vector<double> y;
};

// count points x0, x0 + step, … with the force f(x) at each.
template <typename Force>
Curve evenCurve(double x0, double step, int count, Force f)
{
    Curve curve;
    for (int k = 0; k < count; ++k) {
        curve.x.push_back(x0 + k * step);
        curve.y.push_back(f(curve.x.back()));
    }
    return curve;
}

struct GraphFixture {
    driver::TForm2 form;
    RecordingClipboard clipboard;
    short cursorStart = 3;
    int maxIndex = 0;
    bool graphReady = false;

    GraphFixture()
    {
        form.Driver = {&cursorStart, &maxIndex, &graphReady};
        form.Clipboard = &clipboard;
    }

    void plot(const Curve& curve)
    {
        const int count = int(curve.x.size());
        form.PlotCurve(curve.x.data(), curve.y.data(), count);
        form.XMin = curve.x.front();
        form.XMax = curve.x.back();
        form.UpDown1 = {0, count - 1, 0, 1, true, true, true};
        form.SpeedButton1.enabled = form.SpeedButton2.enabled = true;
        form.xy.enabled = form.y.enabled = true;
        graphReady = true;
    }
};

} // namespace qlx::test
