#pragma once
// Collects incoming bytes into complete messages ended by "#".

#include <array>
#include <cstddef>

namespace qlx::driver {

class MessageFramer {
public:
    static constexpr int Capacity = 500;

    // The message being collected: ReceiveLength characters, NUL behind them.
    std::array<char, Capacity + 1> ReceiveBuffer{};
    int ReceiveLength = 0;

    // Appends one serial byte. Returns true when it completed a message, which
    // then stands in the first ReceiveLength characters of ReceiveBuffer.
    // A message that outgrows the buffer is dropped up to and with its "#";
    // reception goes on with the next message.
    bool appendSerialByte(char byte);

    // Puts one HID report into the buffer as one message: zero bytes skipped,
    // everything after the first "#" ignored.
    void takeHidReport(const char* data, std::size_t size);

    void reset();

    // Messages dropped because they outgrew the buffer.
    int droppedOverlongMessages() const { return dropped_; }

private:
    bool discarding_ = false;
    int dropped_ = 0;
};

} // namespace qlx::driver
