#pragma once
// The line from the instrument to the PC: turns messages into the bursts of
// bytes that are written to the pseudo-terminal, as fast as possible or paced
// at 9600 baud, and plays the line faults (junk, split and merged bursts).

#include "tools/qlx-sim/Faults.h"
#include "tools/qlx-sim/Random.h"
#include "tools/qlx-sim/SimTime.h"

#include <optional>
#include <string>
#include <string_view>

namespace qlx::sim {

class Transport {
public:
    // Bytes the line holds for a PC that does not read; further messages are dropped.
    static constexpr std::size_t Capacity = 64 * 1024;
    // One byte at 9600 baud with a start and a stop bit.
    static constexpr Millis ByteMillis = 10.0 * 1000.0 / 9600.0;
    // Merged bursts hold messages back until this many are waiting or the first has waited this long.
    static constexpr int MergeCount = 3;
    static constexpr Millis MergeWindow = 30;
    // Kinds of junk messages, none of which the PC acts on.
    static constexpr std::string_view JunkKinds = "bfjmnpqrsvxz";

    Transport(const Faults& faults, bool paced, std::uint64_t seed);

    // Queues one message; false when the line is full and the message was dropped.
    bool queue(const std::string& message, Millis now);
    // The bytes to write now; empty when none are due.
    std::string take(Millis now);
    // Bytes the pseudo-terminal did not accept; they go out first next time.
    void putBack(std::string_view bytes);
    std::optional<Millis> nextReady() const;
    bool idle() const { return pending_.empty(); }
    int droppedMessages() const { return dropped_; }

private:
    std::string junkMessage();
    bool holdingForMerge(Millis now) const;

    bool garbage_, split_, merge_, paced_;
    Random random_;
    std::string pending_;
    Millis oldestAt_ = 0;   // when the oldest waiting byte was queued
    Millis readyAt_ = 0;    // no burst before this time (split bursts)
    Millis lineFreeAt_ = 0; // the paced line is busy until this time
    int dropped_ = 0;
};

} // namespace qlx::sim
