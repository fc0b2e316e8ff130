#include "driver/ui/wizards/WizardPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace qlx::driver {
namespace {

const QColor Ink(40, 40, 48);
const QColor Steel(176, 184, 194);
const QColor DarkSteel(110, 118, 130);
const QColor Accent(214, 96, 0);  // what the user handles in this step
const QColor Brass(200, 160, 60); // the calibration weight
const QColor Good(0, 150, 60);

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour = Accent)
{
    p.save();
    p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QLineF line(to, from);
    QLineF wing = line;
    wing.setLength(9);
    wing.setAngle(line.angle() + 28);
    p.drawLine(wing);
    wing.setAngle(line.angle() - 28);
    p.drawLine(wing);
    p.restore();
}

// A thumb screw seen from the side: knurled head on a short thread.
void thumbScrew(QPainter& p, QPointF centre, bool highlight)
{
    p.setPen(QPen(Ink, 1));
    p.setBrush(highlight ? Accent : DarkSteel);
    p.drawRoundedRect(QRectF(centre.x() - 7, centre.y() - 6, 14, 12), 3, 3);
    p.setPen(QPen(highlight ? Qt::white : Steel, 1));
    for (int i = -4; i <= 4; i += 4)
        p.drawLine(QPointF(centre.x() + i, centre.y() - 4), QPointF(centre.x() + i, centre.y() + 4));
}

// The probe assembly: the load cell block with its two thumb screws and the
// probe; upright (probe down) or upside down (probe up). `at` is the top
// left of the block.
void probeAssembly(QPainter& p, QPointF at, bool upsideDown, bool highlightScrews, bool dashed = false)
{
    p.save();
    const Qt::PenStyle style = dashed ? Qt::DashLine : Qt::SolidLine;
    p.setPen(QPen(dashed ? DarkSteel : Ink, 1.2, style));
    p.setBrush(dashed ? Qt::NoBrush : QBrush(Steel));
    const QRectF block(at.x(), at.y(), 44, 46);
    p.drawRect(block);
    const qreal probeX = block.center().x() - 3;
    if (upsideDown) {
        p.drawRect(QRectF(probeX, block.top() - 44, 6, 44));
        p.drawEllipse(QRectF(probeX - 1, block.top() - 50, 8, 8));
    } else {
        p.drawRect(QRectF(probeX, block.bottom(), 6, 44));
        p.drawEllipse(QRectF(probeX - 1, block.bottom() + 42, 8, 8));
    }
    if (!dashed) {
        const qreal screwY = upsideDown ? block.bottom() - 12 : block.top() + 12;
        thumbScrew(p, QPointF(block.left() - 6, screwY), highlightScrews);
        thumbScrew(p, QPointF(block.right() + 6, screwY), highlightScrews);
    }
    p.restore();
}

// The instrument from the side: base, column and the arm that carries the
// probe assembly.
void instrument(QPainter& p)
{
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(QColor(222, 224, 228));
    p.drawRect(QRectF(14, 186, 192, 14));  // base
    p.drawRect(QRectF(160, 18, 26, 168));  // column
    p.drawRect(QRectF(70, 18, 116, 22));   // arm
    p.setBrush(DarkSteel);
    p.drawRect(QRectF(98, 40, 16, 8));     // carriage
}

void supportPad(QPainter& p)
{
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(QColor(60, 60, 64));
    p.drawRoundedRect(QRectF(60, 176, 100, 10), 3, 3);
}

// A calibration weight: a brass cylinder with a lifting knob and its mass.
void weight(QPainter& p, const QRectF& body, const QString& label)
{
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(Brass);
    const QRectF knob(body.center().x() - body.width() / 6, body.top() - body.height() / 4, body.width() / 3,
                      body.height() / 4);
    p.drawRoundedRect(knob, 3, 3);
    p.drawRoundedRect(body, 5, 5);
    p.setPen(QPen(QColor(150, 115, 30), 1));
    p.drawLine(QPointF(body.left() + 4, body.top() + body.height() * 0.3),
               QPointF(body.right() - 4, body.top() + body.height() * 0.3));
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(int(body.height() / 3));
    p.setFont(f);
    p.setPen(Ink);
    p.drawText(body.adjusted(0, body.height() * 0.3, 0, 0), Qt::AlignCenter, label);
}

void scale(QPainter& p, bool withWeight)
{
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(QColor(222, 224, 228));
    p.drawRoundedRect(QRectF(40, 150, 140, 40), 6, 6); // body
    p.setBrush(DarkSteel);
    p.drawRect(QRectF(104, 136, 12, 14));              // stem
    p.setBrush(Steel);
    p.drawRoundedRect(QRectF(30, 126, 160, 10), 3, 3); // weigh platform
    p.setBrush(QColor(20, 60, 40));
    p.drawRect(QRectF(64, 160, 50, 20));               // display
    p.setPen(QColor(120, 255, 160));
    QFont f = p.font();
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(64, 160, 48, 20), Qt::AlignRight | Qt::AlignVCenter,
               withWeight ? QStringLiteral("---") : QStringLiteral("0"));
    if (withWeight)
        weight(p, QRectF(74, 76, 72, 50), QStringLiteral("g"));
    else { // the fruit comes off the platform
        p.setPen(QPen(DarkSteel, 1.2, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(88, 90, 44, 36));
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(QColor(214, 72, 44));
        p.drawEllipse(QRectF(150, 14, 44, 36));
        arrow(p, QPointF(124, 86), QPointF(154, 52));
    }
}

// The EFM calibration disk from the side: the 50 mm part below the 20 mm
// part; the strap lies around the part in use.
void efmDisk(QPainter& p, int strapOn)
{
    const QRectF big(35, 120, 150, 56);
    const QRectF small(80, 64, 60, 56);
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(QColor(236, 236, 240));
    p.drawRect(big);
    p.drawRect(small);
    p.setBrush(QColor(200, 200, 206));
    p.drawRect(QRectF(25, 176, 170, 8)); // table

    const auto dimension = [&](const QRectF& part, const QString& text, qreal y) {
        p.setPen(QPen(DarkSteel, 1));
        p.drawLine(QPointF(part.left(), y), QPointF(part.right(), y));
        p.drawLine(QPointF(part.left(), y - 4), QPointF(part.left(), y + 4));
        p.drawLine(QPointF(part.right(), y - 4), QPointF(part.right(), y + 4));
        QFont f = p.font();
        f.setPixelSize(11);
        f.setBold(false);
        p.setFont(f);
        p.setPen(Ink);
        p.drawText(QRectF(part.left(), y - 16, part.width(), 14), Qt::AlignCenter, text);
    };
    dimension(big, QStringLiteral("50 mm"), 198);
    dimension(small, QStringLiteral("20 mm"), 52);

    if (strapOn == 0)
        return;
    const QRectF part = strapOn == 50 ? big : small;
    const qreal y = part.center().y() - 7;
    p.setPen(QPen(Ink, 1));
    p.setBrush(Accent);
    p.drawRect(QRectF(part.left() - 3, y, part.width() + 6, 14)); // the strap, no slack
    p.setBrush(QColor(60, 60, 64));
    p.drawRoundedRect(QRectF(part.right() + 6, y - 6, 18, 26), 3, 3); // EFM head with its switch
    p.setBrush(QColor(0, 160, 0));
    p.drawEllipse(QRectF(part.right() + 10, y - 2, 10, 10));
}

void checkMark(QPainter& p, const QPointF& centre, qreal radius)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Good);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(Qt::white, radius / 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(centre + QPointF(-radius * 0.45, 0));
    tick.lineTo(centre + QPointF(-radius * 0.1, radius * 0.38));
    tick.lineTo(centre + QPointF(radius * 0.5, -radius * 0.35));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

} // namespace

QPixmap wizardPicture(WizardPicture picture)
{
    QPixmap pixmap(WizardPictureWidth, WizardPictureHeight);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.save();
    p.translate(0, WizardLabelBand);

    switch (picture) {
    case WizardPicture::CalibrationWeight:
        weight(p, QRectF(50, 80, 120, 96), QStringLiteral("gram"));
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(QColor(200, 200, 206));
        p.drawRect(QRectF(25, 176, 170, 8));
        break;
    case WizardPicture::RemoveProbeAssembly:
        instrument(p);
        probeAssembly(p, QPointF(84, 48), false, false, true); // where it was
        probeAssembly(p, QPointF(16, 78), false, true);
        arrow(p, QPointF(98, 104), QPointF(72, 110));
        break;
    case WizardPicture::ProbeUpsideDown:
        supportPad(p);
        probeAssembly(p, QPointF(88, 130), true, false);
        p.setPen(QPen(Accent, 1.5, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(98, 70, 24, 18), 3, 3); // the calibration interface, if needed
        break;
    case WizardPicture::WeightOnProbeTip:
        supportPad(p);
        probeAssembly(p, QPointF(88, 130), true, false);
        weight(p, QRectF(66, 48, 88, 34), QStringLiteral("g"));
        arrow(p, QPointF(36, 40), QPointF(62, 60));
        break;
    case WizardPicture::RefitProbeAssembly:
        instrument(p);
        probeAssembly(p, QPointF(84, 48), false, true);
        arrow(p, QPointF(40, 150), QPointF(80, 110));
        break;
    case WizardPicture::EmptyScale:
        scale(p, false);
        break;
    case WizardPicture::WeightOnScale:
        scale(p, true);
        break;
    case WizardPicture::EfmStrapOn50:
        efmDisk(p, 50);
        break;
    case WizardPicture::EfmStrapOn20:
        efmDisk(p, 20);
        break;
    case WizardPicture::EfmReady:
        efmDisk(p, 0);
        checkMark(p, QPointF(172, 110), 13);
        arrow(p, QPointF(40, 40), QPointF(74, 80));
        break;
    case WizardPicture::Success:
        checkMark(p, QPointF(110, 105), 56);
        break;
    }
    p.restore();
    p.setPen(QPen(QColor(160, 160, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}

} // namespace qlx::driver
