#include "driver/link/SerialPortNames.h"

namespace qlx::driver {

QStringList listSerialPorts(const QStringList& systemPorts)
{
    QStringList ports = systemPorts;
    const QString extra = qEnvironmentVariable("QLX_SERIAL_PORTS");
    for (const QString& path : extra.split(':', Qt::SkipEmptyParts)) {
        if (!ports.contains(path))
            ports.append(path);
    }
    return ports;
}

} // namespace qlx::driver
