#include "driver/ui/controls/FlatButton.h"

#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace qlx::driver {
namespace {

constexpr int PaddingX = 8;
constexpr int PaddingY = 5;
constexpr int GlyphGap = 6;
constexpr int PreferredTextWidth = 150; // a longer caption wraps from here on

} // namespace

FlatButton::FlatButton(const QString& caption, QWidget* parent)
    : QAbstractButton(parent)
{
    setText(caption);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void FlatButton::setFrameStyle(FrameStyle style)
{
    frameStyle_ = style;
    update();
}

void FlatButton::setWordWrap(bool on)
{
    wordWrap_ = on;
    updateGeometry();
    update();
}

QString FlatButton::shownCaption() const
{
    // Wrapping decides the line breaks, so runs of blanks that padded the
    // caption for a fixed width count as one.
    return wordWrap_ ? text().simplified() : text();
}

int FlatButton::textFlags() const
{
    return Qt::AlignCenter | Qt::TextShowMnemonic | (wordWrap_ ? Qt::TextWordWrap : 0);
}

QRect FlatButton::captionRect(const QRect& inner) const
{
    if (icon().isNull())
        return inner;
    return inner.adjusted(iconSize().width() + GlyphGap, 0, 0, 0);
}

int FlatButton::heightForWidth(int width) const
{
    const QRect inner(0, 0, std::max(1, width - 2 * PaddingX), 10000);
    const QRect text = fontMetrics().boundingRect(captionRect(inner), textFlags(), shownCaption());
    const int glyph = icon().isNull() ? 0 : iconSize().height();
    return std::max(text.height(), glyph) + 2 * PaddingY;
}

QSize FlatButton::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int glyph = icon().isNull() ? 0 : iconSize().width() + GlyphGap;
    int textWidth = metrics.boundingRect(QRect(0, 0, 10000, 10000), textFlags() & ~Qt::TextWordWrap, shownCaption()).width();
    if (wordWrap_)
        textWidth = std::min(textWidth, PreferredTextWidth);
    const int width = textWidth + glyph + 2 * PaddingX;
    return {std::max(width, 75), heightForWidth(width)};
}

QSize FlatButton::minimumSizeHint() const
{
    const int glyph = icon().isNull() ? 0 : iconSize().width() + GlyphGap;
    return {glyph + 2 * PaddingX + fontMetrics().averageCharWidth() * 4, fontMetrics().height() + 2 * PaddingY};
}

void FlatButton::enterEvent(QEnterEvent* event)
{
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void FlatButton::leaveEvent(QEvent* event)
{
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void FlatButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colors = palette();
    const bool enabled = isEnabled();
    const bool down = isDown() || isChecked();
    const QRect frame = rect().adjusted(0, 0, -1, -1);

    QColor face = colors.color(QPalette::Button);
    if (down)
        face = face.darker(112);
    else if (hovered_ && enabled)
        face = face.lighter(106);
    painter.fillRect(rect(), face);

    if (frameStyle_ == FrameStyle::Light) {
        const bool highlight = enabled && (hovered_ || down || hasFocus());
        painter.setPen(highlight ? colors.color(QPalette::Highlight) : colors.color(QPalette::Mid));
        painter.drawRect(frame);
    } else {
        // A raised bevel that sinks while the button is held down.
        const QColor light = colors.color(QPalette::Light);
        const QColor dark = colors.color(QPalette::Dark);
        painter.setPen(down ? dark : light);
        painter.drawLine(frame.topLeft(), frame.topRight());
        painter.drawLine(frame.topLeft(), frame.bottomLeft());
        painter.setPen(down ? light : dark);
        painter.drawLine(frame.bottomLeft(), frame.bottomRight());
        painter.drawLine(frame.topRight(), frame.bottomRight());
    }

    QRect inner = rect().adjusted(PaddingX, PaddingY, -PaddingX, -PaddingY);
    if (down)
        inner.translate(1, 1);
    if (!icon().isNull()) {
        const QRect glyph(inner.left(), inner.top() + (inner.height() - iconSize().height()) / 2,
                          iconSize().width(), iconSize().height());
        icon().paint(&painter, glyph, Qt::AlignCenter, enabled ? QIcon::Normal : QIcon::Disabled);
    }
    painter.setPen(colors.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(captionRect(inner), textFlags(), shownCaption());

    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange) && frameStyle_ == FrameStyle::Regular) {
        QPen pen(colors.color(QPalette::Dark), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(frame.adjusted(3, 3, -3, -3));
    }
}

} // namespace qlx::driver
