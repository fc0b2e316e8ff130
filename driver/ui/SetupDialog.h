#pragma once
// The setup dialog "QLX Setup x86": renders the state of the driver object
// (settings rows, buttons, port list, gauge, memo, status bar) whenever it
// changes and forwards every click to the driver's handlers.

#include <QDialog>
#include <QHash>
#include <functional>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;

namespace qlx::driver {

class FlatButton;
class SetupStatusBar;
class TQLX32;
struct TextControl;
struct UpDownControl;

class SetupDialog : public QDialog {
    Q_OBJECT
public:
    explicit SetupDialog(TQLX32& driver, QWidget* parent = nullptr);

    // Re-reads the whole state of the driver.
    void refresh();
    // The driver agreed to close: the dialog closes and FormClose runs.
    void closeApproved();

    // The three lines of the hint under the settings.
    static const QStringList HintLines;

protected:
    void showEvent(QShowEvent* event) override;
    // Every way of closing (Close, Escape, the title bar) asks the driver first.
    void done(int result) override;

private:
    struct Row {
        QLabel* display = nullptr;
        QWidget* arrows = nullptr;
        const TextControl* text = nullptr;
        const UpDownControl* updown = nullptr;
    };

    QWidget* buildSettingsPanel();
    QWidget* buildButtonPanel();
    QWidget* buildFoot();
    QLabel* addValueRow(QGridLayout* grid, int row, const QString& caption, const QString& name,
                        const TextControl& text, const QString& unit, bool changeable);
    QWidget* arrowPair(const QString& name, std::function<void()> up, std::function<void()> down);
    FlatButton* button(const QString& name, const TextControl& state, std::function<void()> click);
    void forward(const std::function<void()>& handler);

    TQLX32& driver_;
    bool closing_ = false;
    QList<Row> rows_;
    QHash<FlatButton*, const TextControl*> buttons_;
    QList<QWidget*> ver7Widgets_;
    QGroupBox* ScaleGroup = nullptr;
    QLabel* Label5 = nullptr;
    QComboBox* ComboBoxDeviceName = nullptr;
    QProgressBar* Gauge1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* Label3 = nullptr;
    SetupStatusBar* StatusBar1 = nullptr;
};

} // namespace qlx::driver
