#include "driver/link/MessageFramer.h"

namespace qlx::driver {

bool MessageFramer::appendSerialByte(char byte)
{
    if (discarding_) {
        if (byte == '#')
            discarding_ = false;
        return false;
    }
    if (ReceiveLength >= Capacity) {
        // Overlong: forget what was collected and skip to the end of this message.
        ++dropped_;
        ReceiveLength = 0;
        ReceiveBuffer[0] = '\0';
        discarding_ = byte != '#';
        return false;
    }
    ReceiveBuffer[ReceiveLength++] = byte;
    ReceiveBuffer[ReceiveLength] = '\0';
    return byte == '#';
}

void MessageFramer::takeHidReport(const char* data, std::size_t size)
{
    reset();
    for (std::size_t i = 0; i < size && ReceiveLength < Capacity; ++i) {
        if (data[i] == '\0')
            continue;
        ReceiveBuffer[ReceiveLength++] = data[i];
        if (data[i] == '#')
            break;
    }
    ReceiveBuffer[ReceiveLength] = '\0';
}

void MessageFramer::reset()
{
    ReceiveLength = 0;
    ReceiveBuffer[0] = '\0';
    discarding_ = false;
}

} // namespace qlx::driver
