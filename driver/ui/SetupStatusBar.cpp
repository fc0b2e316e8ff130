#include "driver/ui/SetupStatusBar.h"

#include "driver/protocol/TQLX32.h"
#include "driver/ui/SetupPictures.h"

#include <QPainter>

namespace qlx::driver {
namespace {

constexpr int Gap = 2; // between panels

// The widest texts the five text panels show; a panel is never narrower.
const std::array<QString, 5> WidestTexts{QStringLiteral("000.000 kg"), QStringLiteral("000.00 mm"),
                                         QStringLiteral("00000 gram"), QStringLiteral("RS232"),
                                         QStringLiteral("0000")};

QColor lampColour(TQLX32::LampColour lamp, const QPalette& palette)
{
    switch (lamp) {
    case TQLX32::LampColour::Lime: return QColor(0, 255, 0);
    case TQLX32::LampColour::Blue: return QColor(0, 0, 255);
    case TQLX32::LampColour::Red: return QColor(255, 0, 0);
    default: return palette.color(QPalette::Button);
    }
}

} // namespace

SetupStatusBar::SetupStatusBar(const TQLX32& driver, QWidget* parent) : QWidget(parent), driver_(driver)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

int SetupStatusBar::panelWidth(int panel) const
{
    const int own = PanelWidths[std::size_t(panel)];
    if (panel >= int(WidestTexts.size()))
        return own;
    return std::max(own, fontMetrics().horizontalAdvance(WidestTexts[std::size_t(panel)]) + 10);
}

QSize SetupStatusBar::sizeHint() const
{
    int width = 0;
    for (int panel = 0; panel < int(PanelWidths.size()); ++panel)
        width += panelWidth(panel) + Gap;
    return {width, std::max(fontMetrics().height() + 8, 22)};
}

QRect SetupStatusBar::panelRect(int panel) const
{
    int x = 0;
    for (int i = 0; i < panel; ++i)
        x += panelWidth(i) + Gap;
    return {x, 2, panelWidth(panel), height() - 3};
}

void SetupStatusBar::drawBevel(QPainter& painter, const QRect& rect, bool lowered) const
{
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const QRect r = rect.adjusted(0, 0, -1, -1);
    painter.setPen(lowered ? dark : light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(lowered ? light : dark);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

void SetupStatusBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, 0, width(), 0);

    for (int panel = 0; panel < int(PanelWidths.size()); ++panel) {
        const QRect box = panelRect(panel);
        const TQLX32::PanelLook look = driver_.StatusBar1DrawPanel(panel);
        if (look.lamp != TQLX32::LampColour::None) {
            painter.fillRect(box.adjusted(1, 1, -1, -1), lampColour(look.lamp, palette()));
            drawBevel(painter, box, look.lowered);
        } else if (look.image >= 0) {
            const QPixmap image = probeImage(look.image, 16);
            painter.drawPixmap(box.x() + (box.width() - image.width()) / 2,
                               box.y() + (box.height() - image.height()) / 2, image);
            drawBevel(painter, box, look.lowered);
        } else {
            drawBevel(painter, box, true);
            painter.setPen(palette().color(QPalette::WindowText));
            const QString text = driver_.StatusBar1.panels[std::size_t(panel)].trimmed();
            painter.drawText(box.adjusted(2, 0, -2, 0), Qt::AlignCenter,
                             fontMetrics().elidedText(text, Qt::ElideRight, box.width() - 4));
        }
    }
}

} // namespace qlx::driver
