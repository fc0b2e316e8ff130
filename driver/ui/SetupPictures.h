#pragma once
// The pictures of the setup dialog, drawn rather than stored: the tray
// icon's three link states and the probe images of the status bar.

#include "driver/protocol/ControlState.h"

#include <QIcon>
#include <QPixmap>

namespace qlx::driver {

// Not: no link; Red: not logged in; Green: logged in.
QIcon trayPicture(TrayIconState::Picture picture);

// The image list's probe pictures: 21 probe at the top, 22 at the bottom,
// 23 neither. Any other index gives an empty pixmap.
QPixmap probeImage(int index, int size = 16);

} // namespace qlx::driver
