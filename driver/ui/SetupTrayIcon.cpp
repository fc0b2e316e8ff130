#include "driver/ui/SetupTrayIcon.h"

#include "driver/protocol/TQLX32.h"
#include "driver/ui/SetupPictures.h"

#include <QMenu>
#include <QSystemTrayIcon>

namespace qlx::driver {
namespace {

void applyState(QAction* action, const MenuItemControl& state)
{
    action->setEnabled(state.enabled);
    action->setVisible(state.visible);
}

} // namespace

SetupTrayIcon::SetupTrayIcon(TQLX32& driver, QObject* parent)
    : QObject(parent), driver_(driver), icon_(new QSystemTrayIcon(this)), PopupMenu1(std::make_unique<QMenu>())
{
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Setup = item(PopupMenu1.get(), QStringLiteral("Setup"), QStringLiteral("QLX &Setup"),
                 [this] { driver_.SetupClick(); });
    ShowGraph = item(PopupMenu1.get(), QStringLiteral("ShowGraph"), QStringLiteral("&Graph Visible"),
                     [this] { driver_.ShowGraphClick(); });
    PopupMenu1->addSeparator();
    Calibrate = PopupMenu1->addMenu(QStringLiteral("Calibration"));
    Calibrate->setObjectName(QStringLiteral("Calibrate"));
    CheckLoadcell = item(Calibrate, QStringLiteral("CheckLoadcell"), QStringLiteral("Verify Probe Calibration"),
                         [this] { driver_.CheckLoadcellClick(); });
    Calibrate->addSeparator();
    EFM1 = item(Calibrate, QStringLiteral("EFM1"), QStringLiteral("Calibrate EFM"), [this] { driver_.EFM1Click(); });
    Loadcell1 = item(Calibrate, QStringLiteral("Loadcell1"), QStringLiteral("Calibrate Probe"),
                     [this] { driver_.Loadcell1Click(); });
    CalibrateSCALE1 = item(Calibrate, QStringLiteral("CalibrateSCALE1"), QStringLiteral("Calibrate SCALE"),
                           [this] { driver_.CalibrateSCALE1Click(); });

    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick)
            driver_.TrayCallback(TQLX32::TrayLeftDoubleClick);
        else if (reason == QSystemTrayIcon::Context)
            driver_.TrayCallback(TQLX32::TrayRightButtonUp);
    });
    connect(&driver_, &TQLX32::stateChanged, this, &SetupTrayIcon::refresh);
    refresh();
}

SetupTrayIcon::~SetupTrayIcon() = default;

QAction* SetupTrayIcon::item(QMenu* menu, const QString& name, const QString& caption, std::function<void()> handler)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    // Queued: a wizard opened from the menu runs its modal loop after the
    // menu has closed.
    connect(action, &QAction::triggered, this, std::move(handler), Qt::QueuedConnection);
    return action;
}

void SetupTrayIcon::refresh()
{
    applyState(Setup, driver_.Setup);
    applyState(ShowGraph, driver_.ShowGraph);
    Calibrate->setEnabled(driver_.Calibrate.enabled);
    Calibrate->menuAction()->setEnabled(driver_.Calibrate.enabled);
    applyState(CheckLoadcell, driver_.CheckLoadcell);
    applyState(EFM1, driver_.EFM1);
    applyState(Loadcell1, driver_.Loadcell1);
    applyState(CalibrateSCALE1, driver_.CalibrateSCALE1);

    // Every decoded message signals a change: the picture is drawn only
    // when the link state it shows has changed.
    const TrayIconState& state = driver_.TrayIcon;
    if (!shownPicture_ || *shownPicture_ != state.picture) {
        icon_->setIcon(trayPicture(state.picture));
        shownPicture_ = state.picture;
    }
    if (icon_->toolTip() != state.tip)
        icon_->setToolTip(state.tip);
    const bool visible = state.added && QSystemTrayIcon::isSystemTrayAvailable();
    if (icon_->isVisible() != visible)
        icon_->setVisible(visible);
}

void SetupTrayIcon::popup(const QPoint& at)
{
    refresh();
    PopupMenu1->popup(at);
    PopupMenu1->activateWindow();
}

} // namespace qlx::driver
