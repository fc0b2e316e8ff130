#pragma once
// A static text that answers a left click, for the value displays of the
// setup dialog and the result label of the calibration check.

#include <QLabel>
#include <QMouseEvent>
#include <functional>

namespace qlx::driver {

class ClickableLabel : public QLabel {
public:
    explicit ClickableLabel(std::function<void()> click, QWidget* parent = nullptr)
        : QLabel(parent), click_(std::move(click))
    {
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QLabel::mouseReleaseEvent(event);
        if (click_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            click_();
    }

private:
    std::function<void()> click_;
};

} // namespace qlx::driver
