#include "driver/link/SerialPortNames.h"

namespace qlx::driver {

// The device namespace lets ports above COM9 open like the others.
QString serialDeviceName(const QString& portName)
{
    return QStringLiteral("\\\\.\\") + portName;
}

} // namespace qlx::driver
