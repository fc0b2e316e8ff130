#include "driver/ui/TForm2.h"

#include "driver/protocol/NumberText.h"

namespace qlx::driver {

TForm2::TForm2()
{
    // Room for a whole reading, so that a new curve never allocates.
    XData.reserve(4003);
    YData.reserve(4003);
}

void TForm2::PlotCurve(const double* deflection, const double* force, int count)
{
    XData.assign(deflection, deflection + count);
    YData.assign(force, force + count);
}

void TForm2::RemovePlot()
{
    XData.clear();
    YData.clear();
}

void TForm2::UpDown1Click()
{
    ShowReferenceLine(UpDown1.position);
}

void TForm2::ShowReferenceLine(int p)
{
    if (p < 0 || p >= PointCount())
        return;
    CursorIndex = p;
    Label1.text = formatFixed(YData[std::size_t(p)], 4, 2) + " kg";
    Label2.text = formatFixed(XData[std::size_t(p)], 4, 3) + " mm";
}

} // namespace qlx::driver
