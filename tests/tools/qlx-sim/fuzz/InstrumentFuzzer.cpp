// Arbitrary bytes from the PC, in arbitrary pieces and at arbitrary times,
// against the simulated instrument: it must neither crash nor send anything
// but whole messages.
//
// Input: one byte of faults and behaviour, then records of
//   [length & 31] [length bytes for the line] [time step in 10 ms] [control]
// where control bit 0 presses the button and bit 1 pushes the EFM switch.

#include "tools/qlx-sim/Instrument.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

using namespace qlx::sim;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t setup = data[0];
    Behaviour behaviour;
    behaviour.start = setup & 1 ? Behaviour::Start::Button : Behaviour::Start::Automatic;
    behaviour.realTiming = setup & 2;
    behaviour.afterStepRatio = static_cast<Behaviour::AfterStepRatio>((setup >> 2) % 3);
    Faults faults;
    faults.bottomLimit = setup & 16;
    faults.tooManySamples = setup & 32;
    faults.noTrigger = setup & 64;
    faults.overlong = setup & 128;
    InstrumentSettings settings;
    Instrument instrument(settings, behaviour, faults,
                          std::make_shared<ProfileFruits>(*findProfile("kiwi"), setup), setup);

    Millis now = 0;
    std::size_t at = 1;
    while (at < size) {
        const std::size_t wanted = data[at++] & 31;
        const std::size_t length = std::min(wanted, size - at);
        instrument.receive(std::string_view(reinterpret_cast<const char*>(data + at), length), now);
        at += length;
        now += at < size ? data[at++] * 10.0 : 0.0;
        const std::uint8_t control = at < size ? data[at++] : 0;
        if (control & 1)
            instrument.pressButton(now);
        if (control & 2)
            instrument.pushEfmSwitch(now);
        for (const std::string& message : instrument.takeDue(now)) {
            const bool overlong = message.size() == static_cast<std::size_t>(Faults::OverlongLength);
            check(!message.empty() && (message.back() == '#' || overlong));
            check(message.size() <= static_cast<std::size_t>(Faults::OverlongLength));
        }
        if (const auto due = instrument.nextDue())
            check(*due >= 0);
    }
    return 0;
}
