#pragma once
// A flat push button: an optional glyph, a caption that wraps onto several
// lines, and a light (thin outline) or regular (raised bevel) frame.

#include <QAbstractButton>

namespace qlx::driver {

class FlatButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class FrameStyle { Light, Regular };

    explicit FlatButton(const QString& caption = QString(), QWidget* parent = nullptr);

    void setFrameStyle(FrameStyle style);
    FrameStyle frameStyle() const { return frameStyle_; }
    void setWordWrap(bool on);
    bool wordWrap() const { return wordWrap_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return wordWrap_; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QRect captionRect(const QRect& inner) const;
    QString shownCaption() const;
    int textFlags() const;

    FrameStyle frameStyle_ = FrameStyle::Regular;
    bool wordWrap_ = true;
    bool hovered_ = false;
};

} // namespace qlx::driver
