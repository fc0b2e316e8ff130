#pragma once
// The notification-area icon: its picture and tip follow the link, a double
// click and the context request go to the driver's tray callback, and the
// pop-up menu forwards to the driver's menu handlers. Without a notification
// area the icon stays hidden and the driver works all the same.

#include "driver/protocol/ControlState.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace qlx::driver {

class TQLX32;

class SetupTrayIcon : public QObject {
    Q_OBJECT
public:
    explicit SetupTrayIcon(TQLX32& driver, QObject* parent = nullptr);
    ~SetupTrayIcon() override;

    void refresh();
    void popup(const QPoint& at);
    QMenu* popupMenu() const { return PopupMenu1.get(); }
    QSystemTrayIcon* icon() const { return icon_; }

private:
    QAction* item(QMenu* menu, const QString& name, const QString& caption, std::function<void()> handler);

    TQLX32& driver_;
    QSystemTrayIcon* icon_ = nullptr;
    std::unique_ptr<QMenu> PopupMenu1;
    QMenu* Calibrate = nullptr;
    QAction* Setup = nullptr;
    QAction* ShowGraph = nullptr;
    QAction* CheckLoadcell = nullptr;
    QAction* EFM1 = nullptr;
    QAction* Loadcell1 = nullptr;
    QAction* CalibrateSCALE1 = nullptr;
    std::optional<TrayIconState::Picture> shownPicture_;
};

} // namespace qlx::driver
