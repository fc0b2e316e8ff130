#pragma once
// The setup dialog's status bar: ten panels, the first five with the
// driver's texts, the last five owner-drawn by StatusBar1DrawPanel (three
// lamps and the two probe pictures).

#include <QWidget>
#include <array>

class QPainter;

namespace qlx::driver {

class TQLX32;

class SetupStatusBar : public QWidget {
    Q_OBJECT
public:
    static constexpr std::array<int, 10> PanelWidths{65, 65, 65, 45, 30, 18, 18, 18, 20, 20};

    explicit SetupStatusBar(const TQLX32& driver, QWidget* parent = nullptr);

    // The panel's width: its own, or wider when the font needs it.
    int panelWidth(int panel) const;
    QRect panelRect(int panel) const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawBevel(QPainter& painter, const QRect& rect, bool lowered) const;

    const TQLX32& driver_;
};

} // namespace qlx::driver
