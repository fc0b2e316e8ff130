#include "driver/ui/GraphButtonIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qlx::driver {
namespace {

constexpr int Size = 20;

// Axes, a curve through the given points and a red reference line at x with
// a marker on top.
QPixmap drawPicture(const QPainterPath& curve, double lineX, QIcon::Mode mode)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool disabled = mode == QIcon::Disabled;
    const QColor axes = disabled ? QColor(170, 170, 170) : QColor(0, 0, 128);
    const QColor line = disabled ? QColor(190, 190, 190) : QColor(200, 30, 30);
    const QColor plot = disabled ? QColor(160, 160, 160) : QColor(0, 0, 255);

    painter.setPen(QPen(axes, 1.0));
    painter.drawLine(QPointF(2.5, 2.0), QPointF(2.5, 17.5));
    painter.drawLine(QPointF(2.5, 17.5), QPointF(18.0, 17.5));

    painter.setPen(QPen(plot, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(curve);

    painter.setPen(QPen(line, 1.2));
    painter.drawLine(QPointF(lineX, 5.0), QPointF(lineX, 17.0));
    QPainterPath marker;
    marker.moveTo(lineX - 3.0, 1.5);
    marker.lineTo(lineX + 3.0, 1.5);
    marker.lineTo(lineX, 5.0);
    marker.closeSubpath();
    painter.fillPath(marker, line);
    return pixmap;
}

QIcon iconFrom(const QPainterPath& curve, double lineX)
{
    QIcon icon;
    icon.addPixmap(drawPicture(curve, lineX, QIcon::Normal), QIcon::Normal);
    icon.addPixmap(drawPicture(curve, lineX, QIcon::Disabled), QIcon::Disabled);
    return icon;
}

} // namespace

QIcon penetrationPointIcon()
{
    // Flat until the probe meets the fruit, then rising.
    QPainterPath curve;
    curve.moveTo(3.5, 14.5);
    curve.lineTo(7.5, 14.5);
    curve.cubicTo(11.0, 14.0, 14.0, 9.0, 18.0, 4.5);
    return iconFrom(curve, 7.5);
}

QIcon maximumIcon()
{
    // Rising to a peak, then falling off.
    QPainterPath curve;
    curve.moveTo(3.5, 15.0);
    curve.cubicTo(6.0, 14.0, 8.0, 6.0, 11.5, 6.0);
    curve.cubicTo(14.0, 6.0, 15.0, 12.0, 18.0, 13.0);
    return iconFrom(curve, 11.5);
}

} // namespace qlx::driver
