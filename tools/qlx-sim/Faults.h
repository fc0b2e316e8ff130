#pragma once
// Faults the simulator can play, each chosen on the command line.

#include <string>
#include <string_view>

namespace qlx::sim {

struct Faults {
    // Instrument faults.
    bool silence = false;        // answers nothing at all
    bool noLogin = false;        // ignores the login
    bool startupError = false;   // "9#" before the first login acknowledgement
    int busy = 0;                // 1..4: the first operation is refused with this busy reply
    bool bottomLimit = false;    // the first reading ends with "X#" part-way
    bool overload = false;       // the first reading reports "O#" part-way and goes on
    bool overlong = false;       // a message without "#" longer than any buffer before the first reading
    bool tooManySamples = false; // the first reading sends ManySamples samples
    bool noTrigger = false;      // the first reading's "S" lies beyond every sample
    int loseLineAfter = 0;       // close the line after this many readings (0: never)

    // Line faults.
    bool garbage = false;  // junk messages between messages
    bool split = false;    // messages cut into random bursts
    bool coalesce = false; // several messages in one burst

    static constexpr int ManySamples = 4500;
    static constexpr int OverlongLength = 700;
};

// Switches on the fault named by `spec` ("garbage", "busy=2", "lose-line=3");
// false for an unknown name or a bad number.
bool enableFault(Faults& faults, std::string_view spec);

// The fault names with one line of explanation each, for the help text.
std::string faultHelp();

} // namespace qlx::sim
