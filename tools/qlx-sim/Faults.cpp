#include "tools/qlx-sim/Faults.h"

#include <array>
#include <charconv>

namespace qlx::sim {
namespace {

struct FaultName {
    const char* name;
    bool Faults::*flag;
    const char* help;
};

const std::array<FaultName, 11> Switches{{
    {"silence", &Faults::silence, "answer nothing at all"},
    {"no-login", &Faults::noLogin, "never acknowledge the login"},
    {"startup-error", &Faults::startupError, "send \"9#\" (start-up error) before the login acknowledgement"},
    {"bottom-limit", &Faults::bottomLimit, "end the first reading part-way with \"X#\" (bottom limit)"},
    {"overload", &Faults::overload, "report \"O#\" (overload) part-way through the first reading"},
    {"overlong", &Faults::overlong, "send 700 bytes without \"#\" before the first reading"},
    {"too-many-samples", &Faults::tooManySamples, "send 4500 samples in the first reading"},
    {"no-trigger", &Faults::noTrigger, "end the first reading with an \"S\" beyond every sample"},
    {"garbage", &Faults::garbage, "send junk messages between messages"},
    {"split", &Faults::split, "cut messages into random bursts"},
    {"coalesce", &Faults::coalesce, "send several messages in one burst"},
}};

bool numberAfter(std::string_view spec, std::string_view name, int low, int high, int& value)
{
    if (spec.substr(0, name.size()) != name)
        return false;
    const std::string_view digits = spec.substr(name.size());
    int parsed = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
    if (error != std::errc() || end != digits.data() + digits.size() || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

} // namespace

bool enableFault(Faults& faults, std::string_view spec)
{
    for (const auto& entry : Switches) {
        if (spec == entry.name) {
            faults.*entry.flag = true;
            return true;
        }
    }
    return numberAfter(spec, "busy=", 1, 4, faults.busy)
        || numberAfter(spec, "lose-line=", 1, 1000000, faults.loseLineAfter);
}

std::string faultHelp()
{
    std::string text;
    for (const auto& entry : Switches)
        text += std::string("  ") + entry.name + std::string(18 - std::string_view(entry.name).size(), ' ')
            + entry.help + "\n";
    text += "  busy=N            refuse the first operation with the busy reply N (1 to 4)\n";
    text += "  lose-line=N       close the line after N readings\n";
    return text;
}

} // namespace qlx::sim
