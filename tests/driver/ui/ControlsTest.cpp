#include "driver/ui/controls/FlatButton.h"
#include "driver/ui/controls/HintBox.h"
#include "driver/ui/controls/XYGraph.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

namespace qlx::test {
namespace {

using driver::FlatButton;
using driver::HintBox;
using driver::XYGraph;

// How many different colours a widget's picture has: an empty or unpainted
// widget has one.
int colourCount(QWidget& widget)
{
    const QImage image = widget.grab().toImage();
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

TEST(DialogControls, RenderTheirContent)
{
    HintBox hint;
    hint.setText(QStringLiteral("<c><b>Probe calibration</b>\nPlace the <u>calibration weight</u> on the probe."));
    hint.resize(hint.sizeHint());

    const double x[] = {0.0, 1.0, 2.0, 3.0};
    const double y[] = {0.0, 2.0, 1.5, 3.0};
    XYGraph graph;
    graph.plot(x, y, 0, 4, Qt::blue);
    graph.setCursorIndex(2);
    graph.resize(300, 200);

    FlatButton light(QStringLiteral(" Save configuration     on QLX"));
    light.setFrameStyle(FlatButton::FrameStyle::Light);
    light.resize(light.sizeHint());

    for (QWidget* widget : std::initializer_list<QWidget*>{&hint, &graph, &light}) {
        SCOPED_TRACE(widget->metaObject()->className());
        EXPECT_FALSE(widget->size().isEmpty());
        EXPECT_GT(colourCount(*widget), 2);
    }
}

TEST(HintBox, GrowsWithItsLinesAtAGivenWidth)
{
    HintBox box;
    box.setText(QStringLiteral("one line"));
    const int oneLine = box.heightForWidth(200);
    box.setText(QStringLiteral("one line\n<b>two</b>\n<r>three"));
    EXPECT_GT(box.heightForWidth(200), oneLine);
    EXPECT_EQ(box.lines().size(), 3);
}

TEST(XYGraph, FixedOrAutomaticLimits)
{
    const double x[] = {-1.0, 4.0, 9.0};
    const double y[] = {0.5, 7.0, 2.0};
    XYGraph graph;
    graph.setLimits({0.0, 5.0, 0.0, 5.0});
    graph.plot(x, y, 0, 3);
    EXPECT_EQ(graph.limits().xMax, 5.0);

    // Fitted to the points and rounded out to whole ticks.
    graph.setAutoScale(true);
    const XYGraph::Limits fitted = graph.limits();
    EXPECT_EQ(fitted.xMin, -2.0);
    EXPECT_EQ(fitted.xMax, 10.0);
    EXPECT_EQ(fitted.yMin, 0.0);
    EXPECT_EQ(fitted.yMax, 8.0);

    // A point range: only points 1 and 2.
    graph.clearPlots();
    graph.plot(x, y, 1, 2);
    EXPECT_EQ(graph.limits().xMin, 4.0);
    EXPECT_EQ(graph.limits().yMax, 7.0);
    graph.removePlot(0);
    graph.removePlot(5);
    EXPECT_EQ(graph.plotCount(), 0);
}

TEST(FlatButton, ClicksWhenEnabledOnly)
{
    FlatButton button(QStringLiteral("Close"));
    button.resize(button.sizeHint());
    QSignalSpy clicked(&button, &FlatButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
}

TEST(FlatButton, LongCaptionsWrap)
{
    FlatButton button(QStringLiteral("Verify Probe Calibration and keep the result"));
    const int oneLine = button.fontMetrics().height();
    EXPECT_GT(button.heightForWidth(90), 2 * oneLine);
    button.setWordWrap(false);
    EXPECT_LT(button.sizeHint().height(), 2 * oneLine + 10);
}

} // namespace
} // namespace qlx::test
