#pragma once
#include <QString>
#include <QStringList>

namespace qlx::driver {

// The ports offered to the user: the system's serial ports, then the device
// paths listed in QLX_SERIAL_PORTS (separated by ":"), read afresh on each call.
QStringList listSerialPorts(const QStringList& systemPorts);

// The name under which the serial library opens a listed port
// (the device-namespace prefix on Windows, the name itself elsewhere).
QString serialDeviceName(const QString& portName);

} // namespace qlx::driver
