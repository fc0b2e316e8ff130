#pragma once
// The simulator's loop: moves bytes between the pseudo-terminal and the
// instrument, plays the control channel and keeps the transcript.

#include "tools/qlx-sim/SimTime.h"

#include <chrono>
#include <csignal>

namespace qlx::sim {

class ControlChannel;
class Instrument;
class PseudoTerminal;
class Transcript;
class Transport;

class Server {
public:
    // How long output may still drain after the instrument ended.
    static constexpr Millis DrainMillis = 2000;
    // Quiet time on the line before it is hung up.
    static constexpr Millis SettleMillis = 200;

    Server(Instrument& instrument, Transport& transport, PseudoTerminal& line, ControlChannel* control,
           Transcript& transcript);

    // Serves until the instrument ends, the line is lost, "quit" arrives on
    // the control channel or `stop` is set by a signal. Signals are delivered
    // only while waiting, with `waitMask` in force.
    void run(const volatile std::sig_atomic_t& stop, const sigset_t* waitMask);

private:
    Millis now() const;
    void deliverDue();
    bool writeOutput(); // false when the line accepts no more for now
    void readInput();
    bool playControl(); // false on "quit"

    Instrument& instrument_;
    Transport& transport_;
    PseudoTerminal& line_;
    ControlChannel* control_;
    Transcript& transcript_;
    std::chrono::steady_clock::time_point start_;
    Millis lastWriteAt_ = 0;
};

} // namespace qlx::sim
