#include "driver/link/SerialPortNames.h"

namespace qlx::driver {

// QSerialPort opens "ttyS0" as /dev/ttyS0 and takes a full path as it is.
QString serialDeviceName(const QString& portName)
{
    return portName;
}

} // namespace qlx::driver
