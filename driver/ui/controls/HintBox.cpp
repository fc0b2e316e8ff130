#include "driver/ui/controls/HintBox.h"

#include "driver/ui/controls/HintMarkup.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPainter>
#include <QTextCursor>
#include <cmath>
#include <memory>

namespace qlx::driver {
namespace {

constexpr int Padding = 8;

} // namespace

HintBox::HintBox(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    document_.setDocumentMargin(0);
    rebuild();
}

void HintBox::setLines(const QStringList& lines)
{
    lines_ = lines;
    rebuild();
}

void HintBox::setText(const QString& text)
{
    setLines(text.split(u'\n'));
}

void HintBox::rebuild()
{
    document_.clear();
    document_.setDefaultFont(font());
    QTextCursor cursor(&document_);
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const HintLine line = parseHintLine(lines_[i]);
        QTextBlockFormat block;
        block.setAlignment(line.alignment);
        if (i == 0)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        for (const HintRun& run : line.runs) {
            QTextCharFormat format;
            format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
            format.setFontItalic(run.italic);
            format.setFontUnderline(run.underline);
            format.setFontStrikeOut(run.strikeOut);
            format.setForeground(palette().color(QPalette::Text));
            cursor.insertText(run.text, format);
        }
    }
    updateGeometry();
    update();
}

QRect HintBox::textArea() const
{
    return rect().adjusted(Padding, Padding, -Padding, -Padding);
}

int HintBox::heightForWidth(int width) const
{
    // Measured on a copy, so that asking does not re-lay out the shown text.
    std::unique_ptr<QTextDocument> copy(document_.clone());
    copy->setTextWidth(std::max(1, width - 2 * Padding));
    return int(std::ceil(copy->size().height())) + 2 * Padding;
}

QSize HintBox::sizeHint() const
{
    const int width = 260;
    return {width, heightForWidth(width)};
}

void HintBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        rebuild();
    QWidget::changeEvent(event);
}

void HintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const QRect area = textArea();
    document_.setTextWidth(area.width());
    painter.translate(area.topLeft());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, 0, area.width(), area.height());
    context.palette = palette();
    document_.documentLayout()->draw(&painter, context);
}

} // namespace qlx::driver
