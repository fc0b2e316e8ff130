#include "driver/ui/controls/XYGraph.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>

namespace qlx::driver {
namespace {

constexpr double MinimumTickSpacing = 48.0; // pixels between labelled ticks

// A tick step of 1, 2, 2.5 or 5 times a power of ten giving at most maxTicks intervals.
double niceStep(double range, double maxTicks)
{
    const double raw = range / std::max(1.0, maxTicks);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (factor * magnitude >= raw)
            return factor * magnitude;
    }
    return 10.0 * magnitude;
}

// The ticks of [low, high] at multiples of the step.
std::vector<double> ticks(double low, double high, double maxTicks)
{
    std::vector<double> values;
    const double step = niceStep(high - low, maxTicks);
    if (!std::isfinite(step) || step <= 0.0)
        return values;
    const double tolerance = step * 1e-9;
    for (double k = std::ceil((low - tolerance) / step); k * step <= high + tolerance && values.size() < 100; k += 1.0)
        values.push_back(k * step);
    return values;
}

void widen(double& low, double& high, double fallbackLow, double fallbackHigh)
{
    if (!std::isfinite(low) || !std::isfinite(high)) {
        low = fallbackLow;
        high = fallbackHigh;
    }
    if (high <= low) {
        const double pad = low == 0.0 ? 1.0 : std::fabs(low) * 0.5;
        low -= pad;
        high += pad;
    }
}

void roundOut(double& low, double& high)
{
    const double step = niceStep(high - low, 5.0);
    if (!std::isfinite(step) || step <= 0.0)
        return;
    low = std::floor(low / step) * step;
    high = std::ceil(high / step) * step;
}

} // namespace

XYGraph::XYGraph(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBackgroundRole(QPalette::Base);
}

int XYGraph::plot(const double* x, const double* y, int first, int count, const QColor& color)
{
    PlotData data;
    if (x && y && first >= 0 && count > 0) {
        data.x.assign(x + first, x + first + count);
        data.y.assign(y + first, y + first + count);
    }
    data.color = color;
    plots_.push_back(std::move(data));
    update();
    return plotCount() - 1;
}

void XYGraph::removePlot(int index)
{
    if (index < 0 || index >= plotCount())
        return;
    plots_.erase(plots_.begin() + index);
    update();
}

void XYGraph::clearPlots()
{
    plots_.clear();
    update();
}

void XYGraph::setAutoScale(bool on)
{
    autoScale_ = on;
    update();
}

void XYGraph::setLimits(const Limits& limits)
{
    fixed_ = limits;
    update();
}

XYGraph::Limits XYGraph::limits() const
{
    Limits result = fixed_;
    if (autoScale_) {
        constexpr double inf = std::numeric_limits<double>::infinity();
        result = {inf, -inf, inf, -inf};
        for (const PlotData& data : plots_) {
            for (std::size_t i = 0; i < data.x.size(); ++i) {
                if (!std::isfinite(data.x[i]) || !std::isfinite(data.y[i]))
                    continue;
                result.xMin = std::min(result.xMin, data.x[i]);
                result.xMax = std::max(result.xMax, data.x[i]);
                result.yMin = std::min(result.yMin, data.y[i]);
                result.yMax = std::max(result.yMax, data.y[i]);
            }
        }
    }
    widen(result.xMin, result.xMax, fixed_.xMin, fixed_.xMax);
    widen(result.yMin, result.yMax, fixed_.yMin, fixed_.yMax);
    widen(result.xMin, result.xMax, 0.0, 1.0);
    widen(result.yMin, result.yMax, 0.0, 1.0);
    if (autoScale_) {
        // Fitted limits end on whole ticks, so that both ends are labelled.
        roundOut(result.xMin, result.xMax);
        roundOut(result.yMin, result.yMax);
    }
    return result;
}

void XYGraph::setLabelDecimals(int decimals)
{
    labelDecimals_ = std::clamp(decimals, 0, 6);
    update();
}

void XYGraph::setDefaultPen(const QPen& pen)
{
    defaultPen_ = pen;
    update();
}

void XYGraph::setCursorColor(const QColor& color)
{
    cursorColor_ = color;
    update();
}

void XYGraph::setAxesColor(const QColor& color)
{
    axesColor_ = color;
    update();
}

void XYGraph::setLabelColor(const QColor& color)
{
    labelColor_ = color;
    update();
}

void XYGraph::setCursorIndex(int index)
{
    cursorIndex_ = index;
    update();
}

QString XYGraph::axisLabel(double value) const
{
    if (std::fabs(value) < 1e-12)
        value = 0.0; // no "-0.00" at the origin
    return QString::number(value, 'f', labelDecimals_);
}

QRectF XYGraph::plotArea(const Limits& limits) const
{
    const QFontMetricsF metrics(font());
    const double labelWidth = std::max({metrics.horizontalAdvance(axisLabel(limits.yMin)),
                                        metrics.horizontalAdvance(axisLabel(limits.yMax)),
                                        metrics.horizontalAdvance(axisLabel(-std::fabs(limits.yMax)))});
    const double left = labelWidth + 12.0;
    const double right = metrics.horizontalAdvance(axisLabel(limits.xMax)) / 2.0 + 6.0;
    const double top = metrics.height() / 2.0 + 6.0;
    const double bottom = metrics.height() + 10.0;
    return QRectF(left, top, std::max(1.0, width() - left - right), std::max(1.0, height() - top - bottom));
}

void XYGraph::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));

    const Limits range = limits();
    const QRectF area = plotArea(range);
    const auto toX = [&](double x) { return area.left() + (x - range.xMin) / (range.xMax - range.xMin) * area.width(); };
    const auto toY = [&](double y) { return area.bottom() - (y - range.yMin) / (range.yMax - range.yMin) * area.height(); };

    const QFontMetricsF metrics(font());
    QColor gridColor = axesColor_;
    gridColor.setAlpha(40);

    // Grid, ticks and labels.
    for (double value : ticks(range.xMin, range.xMax, area.width() / MinimumTickSpacing)) {
        const double x = std::round(toX(value)) + 0.5;
        painter.setPen(QPen(gridColor, 1.0, Qt::DotLine));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(axesColor_);
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 4.0));
        const QString text = axisLabel(value);
        const double textWidth = metrics.horizontalAdvance(text);
        painter.setPen(labelColor_);
        painter.drawText(QRectF(x - textWidth / 2.0 - 2.0, area.bottom() + 5.0, textWidth + 4.0, metrics.height()),
                         Qt::AlignCenter, text);
    }
    for (double value : ticks(range.yMin, range.yMax, area.height() / (MinimumTickSpacing * 0.6))) {
        const double y = std::round(toY(value)) + 0.5;
        painter.setPen(QPen(gridColor, 1.0, Qt::DotLine));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(axesColor_);
        painter.drawLine(QPointF(area.left() - 4.0, y), QPointF(area.left(), y));
        painter.setPen(labelColor_);
        painter.drawText(QRectF(0.0, y - metrics.height() / 2.0, area.left() - 7.0, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, axisLabel(value));
    }

    // Axes along the left and bottom of the plot area.
    painter.setPen(QPen(axesColor_, 1.0));
    const double axisLeft = std::round(area.left()) + 0.5;
    const double axisBottom = std::round(area.bottom()) + 0.5;
    painter.drawLine(QPointF(axisLeft, area.top()), QPointF(axisLeft, axisBottom));
    painter.drawLine(QPointF(axisLeft, axisBottom), QPointF(area.right(), axisBottom));

    painter.save();
    painter.setClipRect(area.adjusted(0.0, -1.0, 1.0, 1.0));
    painter.setRenderHint(QPainter::Antialiasing);
    for (const PlotData& data : plots_) {
        QPainterPath path;
        bool drawing = false;
        for (std::size_t i = 0; i < data.x.size(); ++i) {
            if (!std::isfinite(data.x[i]) || !std::isfinite(data.y[i])) {
                drawing = false;
                continue;
            }
            const QPointF point(toX(data.x[i]), toY(data.y[i]));
            drawing ? path.lineTo(point) : path.moveTo(point);
            drawing = true;
        }
        QPen pen = defaultPen_;
        if (data.color.isValid())
            pen.setColor(data.color);
        painter.strokePath(path, pen);
    }
    painter.restore();

    // The cursor line at its point of the first plot.
    if (!plots_.empty() && cursorIndex_ >= 0 && cursorIndex_ < int(plots_.front().x.size())) {
        const double value = plots_.front().x[std::size_t(cursorIndex_)];
        if (std::isfinite(value) && value >= range.xMin && value <= range.xMax) {
            const double x = std::round(toX(value)) + 0.5;
            painter.setPen(QPen(cursorColor_, 1.0));
            painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        }
    }
}

} // namespace qlx::driver
