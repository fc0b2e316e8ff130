#pragma once
// The graph window "QLX Graph": renders a TForm2 (curve, axes, reference
// line, labels, buttons, pop-up menu) and forwards the user's actions to its
// handlers. It holds no logic of its own.

#include <QWidget>

class QActionGroup;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;

namespace qlx::driver {

class TForm2;
class XYGraph;

class GraphWindow : public QWidget {
    Q_OBJECT
public:
    explicit GraphWindow(TForm2& form, QWidget* parent = nullptr);

    // Re-reads the whole state: curve, axes, cursor, labels, enabled and
    // checked controls, and whether the window is shown.
    void refresh();

    QMenu* popupMenu() const { return PopupMenu1; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    QWidget* buildGraphPanel();
    QWidget* buildControlRow();
    // Runs a handler of the form, then shows what it changed.
    template <typename Handler>
    void forward(Handler handler);

    TForm2& form_;
    XYGraph* XYGraph1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QWidget* UpDown1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QPushButton* Button1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* xy = nullptr;
    QAction* y = nullptr;
    QAction* extrafine = nullptr;
    QAction* fine = nullptr;
    QAction* coarse = nullptr;
};

} // namespace qlx::driver
