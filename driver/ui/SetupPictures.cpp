#include "driver/ui/SetupPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace qlx::driver {
namespace {

// The instrument seen from the front: a column with the probe over a fruit,
// and a round lamp at the lower right that tells the link.
QPixmap trayPixmap(int size, TrayIconState::Picture picture)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(QColor(230, 230, 230));
    p.drawRoundedRect(QRectF(3, 1.5, 20, 28), 3, 3); // the stand
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(11, 4, 4, 11));               // the carriage
    p.drawRect(QRectF(12.25, 15, 1.5, 4));          // the probe
    p.setBrush(QColor(214, 72, 44));
    p.drawEllipse(QRectF(7.5, 19, 11, 9));           // the fruit

    QColor lamp;
    switch (picture) {
    case TrayIconState::Picture::Not: lamp = QColor(150, 150, 150); break;
    case TrayIconState::Picture::Red: lamp = QColor(230, 0, 0); break;
    case TrayIconState::Picture::Green: lamp = QColor(0, 200, 0); break;
    }
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(lamp);
    p.drawEllipse(QRectF(18, 17, 13, 13));
    if (picture == TrayIconState::Picture::Not) { // a cross: no port
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(21.5, 20.5), QPointF(27.5, 26.5));
        p.drawLine(QPointF(27.5, 20.5), QPointF(21.5, 26.5));
    }
    return pixmap;
}

} // namespace

QIcon trayPicture(TrayIconState::Picture picture)
{
    QIcon icon;
    for (const int size : {16, 22, 32, 48})
        icon.addPixmap(trayPixmap(size, picture));
    return icon;
}

QPixmap probeImage(int index, int size)
{
    if (index < 21 || index > 23)
        return {};
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);

    // The rail with its two end stops; the carriage sits at the top, at
    // the bottom or, greyed, in between.
    p.setPen(QPen(QColor(100, 100, 100), 1));
    p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
    p.drawLine(QPointF(5, 1.5), QPointF(11, 1.5));
    p.drawLine(QPointF(5, 14.5), QPointF(11, 14.5));

    const bool atEnd = index != 23;
    const qreal top = index == 21 ? 2.5 : index == 22 ? 8.5 : 5.5;
    p.setPen(QPen(atEnd ? QColor(0, 0, 0) : QColor(120, 120, 120), 1));
    p.setBrush(atEnd ? QColor(0, 90, 200) : QColor(200, 200, 200));
    p.drawRect(QRectF(4.5, top, 7, 4));
    p.drawLine(QPointF(8, top + 4), QPointF(8, top + 5.5)); // the probe tip
    return pixmap;
}

} // namespace qlx::driver
