#pragma once
// The frame of a calibration wizard: a page stack without tabs, each page
// with its picture (a label laid over it), an instruction panel and the
// step's buttons. It renders the wizard's state, shows the page the state
// names, forwards the clicks and ends its modal loop when the wizard closes.

#include "driver/ui/wizards/WizardPictures.h"

#include <QDialog>
#include <QHash>
#include <functional>
#include <vector>

class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

namespace qlx::driver {

class TQLX32;
struct MassField;
struct WizardState;

class WizardDialog : public QDialog {
    Q_OBJECT
public:
    void refresh();
    QString currentPageName() const;
    // The page's widget, for tests and renderings.
    QWidget* page(const QString& name) const;

    struct PageButton {
        QString caption;
        std::function<void()> click;
    };
    struct PageContent {
        QString name;
        WizardPicture picture;
        QStringList pictureLabels; // laid over the picture, top to bottom
        QStringList instructions;  // hint box lines
        std::vector<PageButton> buttons;
    };


protected:
    WizardDialog(TQLX32& driver, WizardState& state, const QString& caption, QWidget* parent);

    // Adds a page; the returned layout sits between the instructions and
    // the buttons, for a page's own controls.
    QVBoxLayout* addPage(const PageContent& content);
    // The calibration weight: its display, the 50 g arrows and "gram".
    QLabel* addMassRow(QVBoxLayout* own, MassField& field);
    // A progress gauge that keeps its room while hidden.
    QProgressBar* addGauge(QVBoxLayout* own, const QString& name, const QString& hint);
    static void showGauge(QProgressBar* bar, int min, int max, int progress, bool visible);
    // The band under the pages with the Cancel that every page offers.
    void addCancelBand(const QString& hint);
    // Runs a handler of the wizard, then renders and closes when it closed.
    void forward(const std::function<void()>& handler);
    // A page's own controls follow the state here.
    virtual void refreshPageControls() {}
    virtual void activated() {}
    virtual void shown() {}

    TQLX32& driver_;

    void done(int result) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void finishIfClosed();

    WizardState& state_;
    QStackedWidget* pages_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
    QHash<QString, QWidget*> pageByName_;
    const MassField* mass_ = nullptr;
    QLabel* massDisplay_ = nullptr;
};

} // namespace qlx::driver
