#pragma once
// A line graph of x/y arrays: plots with their own colours, fixed or
// automatic axis limits, axes with labelled ticks and a vertical cursor line
// at a point index of the first plot.

#include <QColor>
#include <QPen>
#include <QWidget>
#include <vector>

namespace qlx::driver {

class XYGraph : public QWidget {
    Q_OBJECT
public:
    struct Limits {
        double xMin = 0.0;
        double xMax = 5.0;
        double yMin = 0.0;
        double yMax = 5.0;
    };

    explicit XYGraph(QWidget* parent = nullptr);

    // Adds a plot of the points first..first+count-1 and returns its index.
    // An invalid colour means the default pen's colour.
    int plot(const double* x, const double* y, int first, int count, const QColor& color = QColor());
    // Removes plot `index`; later plots move down. Unknown indices are ignored.
    void removePlot(int index);
    void clearPlots();
    int plotCount() const { return int(plots_.size()); }

    // Automatic scaling fits the axes to the plotted points; otherwise the
    // fixed limits hold.
    void setAutoScale(bool on);
    bool autoScale() const { return autoScale_; }
    void setLimits(const Limits& limits);
    // The limits in force: the fixed ones or those fitted to the points.
    Limits limits() const;

    void setLabelDecimals(int decimals);
    void setDefaultPen(const QPen& pen);
    void setCursorColor(const QColor& color);
    void setAxesColor(const QColor& color);
    void setLabelColor(const QColor& color);

    // Draws the cursor line at point `index` of the first plot; -1 hides it.
    void setCursorIndex(int index);
    int cursorIndex() const { return cursorIndex_; }

    QSize sizeHint() const override { return {400, 260}; }
    QSize minimumSizeHint() const override { return {160, 100}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct PlotData {
        std::vector<double> x;
        std::vector<double> y;
        QColor color;
    };

    QRectF plotArea(const Limits& limits) const;
    QString axisLabel(double value) const;

    std::vector<PlotData> plots_;
    Limits fixed_;
    bool autoScale_ = false;
    int labelDecimals_ = 2;
    QPen defaultPen_{QColor(Qt::red), 1.5};
    QColor cursorColor_ = Qt::black;
    QColor axesColor_ = QColor(0, 0, 128);
    QColor labelColor_ = QColor(128, 0, 128);
    int cursorIndex_ = -1;
};

} // namespace qlx::driver
