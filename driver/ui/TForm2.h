#pragma once
// Widget-free state of the graph window "QLX Graph": the plotted curve, the
// reference line and the controls that need a curve.

#include "driver/protocol/ControlState.h"

#include <vector>

namespace qlx::driver {

class TForm2 {
public:
    TForm2();

    // The plotted curve (plot 0): deflection in mm and force in kg, indices 0..M.
    std::vector<double> XData;
    std::vector<double> YData;
    double XMin = 0.0;
    double XMax = 5.0;
    double YMax = 5.0;
    int CursorIndex = -1; // where the reference line is drawn; -1 before the first curve

    TextControl Label1{"0.0"};
    TextControl Label2{"0.0"};
    TextControl Label3{"Area = Energy"};
    UpDownControl UpDown1{0, 0, 0, 1, true, false, true};
    TextControl SpeedButton1{QString(), false};
    TextControl SpeedButton2{QString(), false};
    MenuItemControl xy{false};
    MenuItemControl y{false};
    MenuItemControl extrafine{true, false};
    MenuItemControl fine{true, true};
    MenuItemControl coarse{true, false};

    bool FGraphShown = false;
    bool NeedsRepaint = false;

    // Replaces plot 0 by the given points, reusing the arrays' storage.
    void PlotCurve(const double* deflection, const double* force, int count);
    void RemovePlot();
    int PointCount() const { return int(XData.size()); }

    // Reference line to point p: cursor and the two labels.
    void UpDown1Click();
    void ShowReferenceLine(int p);
};

} // namespace qlx::driver
