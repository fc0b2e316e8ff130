#pragma once
// A framed box of instruction lines with the hint mark-up of HintMarkup.h.
// Lines wrap at the box's width.

#include <QStringList>
#include <QTextDocument>
#include <QWidget>

namespace qlx::driver {

class HintBox : public QWidget {
    Q_OBJECT
public:
    explicit HintBox(QWidget* parent = nullptr);

    // The lines, separated by line feeds in setText.
    void setLines(const QStringList& lines);
    void setText(const QString& text);
    QStringList lines() const { return lines_; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void rebuild();
    QRect textArea() const;

    QStringList lines_;
    QTextDocument document_;
};

} // namespace qlx::driver
