#pragma once
// The simulator's command line.

#include "tools/qlx-sim/Behaviour.h"
#include "tools/qlx-sim/Faults.h"
#include "tools/qlx-sim/InstrumentSettings.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace qlx::sim {

struct Options {
    InstrumentSettings settings;
    Behaviour behaviour;
    Faults faults;
    std::string fruit = "apple";
    std::string csvPath;   // raw samples instead of a fruit profile
    std::uint64_t seed = 1;
    bool pacedLine = false; // bytes at 9600 baud
    std::string linkPath;
    std::string controlPath;
    std::string transcriptPath;
    bool help = false;
};

struct OptionError : std::invalid_argument {
    using std::invalid_argument::invalid_argument;
};

// Parses the arguments after the program name; throws OptionError naming the option.
Options parseOptions(const std::vector<std::string>& arguments);

std::string helpText();

} // namespace qlx::sim
