#include "driver/ui/TForm2.h"

#include "driver/protocol/NumberText.h"
#include "driver/ui/ClipboardSeam.h"

namespace qlx::driver {

TForm2::TForm2()
    : Clipboard(&systemClipboard())
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

void TForm2::UpDown1Click(UpDownButton button)
{
    if (!UpDown1.enabled)
        return;
    const int step = button == UpDownButton::Up ? UpDown1.increment : -UpDown1.increment;
    int p = UpDown1.position + step;
    if (UpDown1.wrap && p > UpDown1.max)
        p = UpDown1.min;
    else if (UpDown1.wrap && p < UpDown1.min)
        p = UpDown1.max;
    UpDown1.setPosition(p);
    UpDown1Click();
}

void TForm2::ShowReferenceLine(int p)
{
    if (p < 0 || p >= PointCount())
        return;
    CursorIndex = p;
    Label1.text = formatFixed(YData[std::size_t(p)], 4, 2) + " kg";
    Label2.text = formatFixed(XData[std::size_t(p)], 4, 3) + " mm";
}

void TForm2::MoveReferenceLine(int p)
{
    UpDown1.setPosition(p);
    UpDown1Click();
}

void TForm2::SpeedButton1Click()
{
    if (Driver.FCursorStart)
        MoveReferenceLine(*Driver.FCursorStart);
}

void TForm2::SpeedButton2Click()
{
    if (Driver.FMaxIndex)
        MoveReferenceLine(*Driver.FMaxIndex);
}

void TForm2::Button1Click()
{
    FGraphShown = false;
}

void TForm2::SelectResolution(MenuItemControl& item)
{
    for (MenuItemControl* each : {&extrafine, &fine, &coarse})
        each->checked = each == &item;
}

void TForm2::extrafineClick()
{
    SelectResolution(extrafine);
}

void TForm2::fineClick()
{
    SelectResolution(fine);
}

void TForm2::coarseClick()
{
    SelectResolution(coarse);
}

double TForm2::CoordStep(int resolution)
{
    switch (resolution) {
    case 0: return 0.5;
    case 1: return 0.1;
    case 2: return 0.01;
    default: return 1.0;
    }
}

void TForm2::RequestCoordResolution(int resolution)
{
    FCoordResolution = CoordStep(resolution);
    FCoordResolutionSet = true;
}

double TForm2::NextCoordStep() const
{
    if (FCoordResolutionSet)
        return FCoordResolution;
    if (extrafine.checked)
        return 0.01;
    if (coarse.checked)
        return 0.5;
    if (fine.checked)
        return 0.1;
    return 1.0;
}

int TForm2::CopyGraphExecute()
{
    const double step = NextCoordStep();
    FCoordResolutionSet = false;
    AdvStringGrid2.Build(XData.data(), YData.data(), PointCount(), step);
    CopyTable(CoordinateTable::Columns::Both);
    return AdvStringGrid2.RowCount();
}

void TForm2::CopyTable(CoordinateTable::Columns columns)
{
    // An empty table leaves the user's clipboard as it was.
    if (Clipboard && AdvStringGrid2.RowCount() > 0)
        Clipboard->setText(AdvStringGrid2.Text(columns));
}

void TForm2::xyClick()
{
    // The build itself copies both columns.
    if (GraphReady())
        CopyGraphExecute();
}

void TForm2::yClick()
{
    if (!GraphReady())
        return;
    CopyGraphExecute();
    CopyTable(CoordinateTable::Columns::ForceOnly);
}

} // namespace qlx::driver
