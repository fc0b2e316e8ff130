#include "tools/render-windows/Renderings.h"

#include "driver/ui/GraphWindow.h"
#include "driver/ui/TForm2.h"
#include "driver/ui/controls/FlatButton.h"
#include "driver/ui/controls/HintBox.h"
#include "driver/ui/controls/XYGraph.h"
#include "tools/render-windows/SampleCurve.h"
#include "tools/render-windows/SetupRenderings.h"

#include <QApplication>
#include <QGridLayout>
#include <QMenu>
#include <QVBoxLayout>
#include <cmath>

namespace qlx::render {
namespace {

// Shows a widget offscreen, lets it lay out and paint, and pictures it.
QPixmap picture(QWidget& widget)
{
    widget.show();
    QApplication::processEvents();
    return widget.grab();
}

QPixmap graphWindow()
{
    driver::TForm2 form;
    SampleReading reading;
    plotSampleCurve(form, reading);
    driver::GraphWindow window(form);
    return picture(window);
}

// Before the first curve: empty graph, the controls that need a curve disabled.
QPixmap emptyGraphWindow()
{
    driver::TForm2 form;
    driver::GraphWindow window(form);
    return picture(window);
}

QPixmap graphWindowMenu()
{
    driver::TForm2 form;
    SampleReading reading;
    plotSampleCurve(form, reading);
    driver::GraphWindow window(form);
    QMenu* menu = window.popupMenu();
    menu->adjustSize();
    return picture(*menu);
}

QPixmap hintBox()
{
    driver::HintBox box;
    box.setLines({QStringLiteral("<c><b>Probe calibration</b>"),
                  QString(),
                  QStringLiteral("1. Remove everything from the probe."),
                  QStringLiteral("2. Place the <u>calibration weight</u> on the probe and press <b>Next</b>."),
                  QStringLiteral("3. Wait until the bar is full; do <i>not</i> touch the instrument."),
                  QString(),
                  QStringLiteral("Old ratio: <s>1.250</s> new ratio: <b>1.262</b>"),
                  QStringLiteral("<r><i>Step 2 of 4</i>")});
    box.resize(320, box.heightForWidth(320));
    return picture(box);
}

QPixmap xyGraph()
{
    std::vector<double> x;
    std::vector<double> first;
    std::vector<double> second;
    for (int k = 0; k <= 200; ++k) {
        x.push_back(k * 0.05);
        first.push_back(3.0 * std::sin(x.back() / 4.0));
        second.push_back(0.25 * x.back() + 0.4 * std::sin(2.0 * x.back()));
    }
    driver::XYGraph graph;
    graph.setAutoScale(true);
    graph.plot(x.data(), first.data(), 0, int(x.size()), QColor(0, 0, 255));
    graph.plot(x.data(), second.data(), 20, 150, QColor(0, 140, 0));
    graph.setCursorIndex(120);
    graph.resize(400, 260);
    return picture(graph);
}

QPixmap flatButtons()
{
    QWidget panel;
    auto* layout = new QGridLayout(&panel);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    const auto add = [&](const QString& caption, driver::FlatButton::FrameStyle style, int row, int column,
                         bool enabled = true) {
        auto* button = new driver::FlatButton(caption, &panel);
        button->setFrameStyle(style);
        button->setEnabled(enabled);
        button->setFixedWidth(150);
        layout->addWidget(button, row, column, Qt::AlignTop);
    };
    using Style = driver::FlatButton::FrameStyle;
    add(QStringLiteral(" Re-load configuration  from QLX"), Style::Regular, 0, 0);
    add(QStringLiteral(" Save configuration     on QLX"), Style::Regular, 0, 1, false);
    add(QStringLiteral("Verify Probe Calibration"), Style::Light, 1, 0);
    add(QStringLiteral("Close"), Style::Light, 1, 1);
    return picture(panel);
}

} // namespace

std::vector<Rendering> renderings()
{
    std::vector<Rendering> all{
        {QStringLiteral("graph-window.png"), graphWindow},
        {QStringLiteral("graph-window-empty.png"), emptyGraphWindow},
        {QStringLiteral("graph-window-menu.png"), graphWindowMenu},
        {QStringLiteral("hint-box.png"), hintBox},
        {QStringLiteral("xy-graph.png"), xyGraph},
        {QStringLiteral("flat-buttons.png"), flatButtons},
    };
    for (Rendering& setup : setupRenderings())
        all.push_back(std::move(setup));
    return all;
}

} // namespace qlx::render
