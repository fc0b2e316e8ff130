#pragma once
// Widget-free state of the graph window "QLX Graph": the plotted curve, the
// reference line, the controls that need a curve and the coordinate table.

#include "driver/protocol/ControlState.h"
#include "driver/ui/CoordinateTable.h"

#include <vector>

namespace qlx::driver {

class IClipboard;

class TForm2 {
public:
    // The driver object's fields the window reads. The driver points them at
    // its own when it creates the window; unbound, the window has no curve.
    struct DriverFields {
        const short* FCursorStart = nullptr;
        const int* FMaxIndex = nullptr;
        const bool* FGraphReady = nullptr;
    };

    enum class UpDownButton { Up, Down };

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

    // The invisible coordinate table the exported API serves.
    CoordinateTable AdvStringGrid2;
    // A step requested through the API; the next table build takes it once.
    double FCoordResolution = 1.0;
    bool FCoordResolutionSet = false;

    DriverFields Driver;
    IClipboard* Clipboard; // the system clipboard unless a test replaces it

    bool FGraphShown = false;
    bool NeedsRepaint = false;

    // Replaces plot 0 by the given points, reusing the arrays' storage.
    void PlotCurve(const double* deflection, const double* force, int count);
    void RemovePlot();
    int PointCount() const { return int(XData.size()); }

    // Reference line to point p: cursor and the two labels.
    void UpDown1Click();
    // One arrow step; past the last point comes the first and back.
    void UpDown1Click(UpDownButton button);
    void ShowReferenceLine(int p);
    void SpeedButton1Click();
    void SpeedButton2Click();

    void Button1Click();

    void extrafineClick();
    void fineClick();
    void coarseClick();

    // The API's resolution code: 0 → 0.5 mm, 1 → 0.1 mm, 2 → 0.01 mm, else 1.0 mm.
    static double CoordStep(int resolution);
    // Stores the step of a resolution code for the next table build.
    void RequestCoordResolution(int resolution);
    // The step the next build uses: the API's request, else the menu's choice.
    double NextCoordStep() const;

    // Builds the coordinate table, copies it (both columns) to the clipboard
    // and returns its number of rows.
    int CopyGraphExecute();
    void xyClick();
    void yClick();

private:
    bool GraphReady() const { return Driver.FGraphReady && *Driver.FGraphReady; }
    void MoveReferenceLine(int p);
    void SelectResolution(MenuItemControl& item);
    void CopyTable(CoordinateTable::Columns columns);
};

} // namespace qlx::driver
