// qlx-sim: a virtual firmness tester on a pseudo-terminal. See --help.

#include "tools/qlx-sim/ControlChannel.h"
#include "tools/qlx-sim/FruitModel.h"
#include "tools/qlx-sim/Instrument.h"
#include "tools/qlx-sim/Options.h"
#include "tools/qlx-sim/PseudoTerminal.h"
#include "tools/qlx-sim/Server.h"
#include "tools/qlx-sim/SymbolicLink.h"
#include "tools/qlx-sim/Transcript.h"
#include "tools/qlx-sim/Transport.h"

#include <csignal>
#include <iostream>
#include <memory>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

// Blocks the stop signals outside the wait and returns the mask for the wait.
sigset_t catchStopSignals()
{
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigset_t blocked;
    sigemptyset(&blocked);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
        sigaddset(&blocked, signal);
    }
    std::signal(SIGPIPE, SIG_IGN);
    sigset_t waitMask;
    sigprocmask(SIG_BLOCK, &blocked, &waitMask);
    return waitMask;
}

std::shared_ptr<const qlx::sim::FruitSource> fruitSource(const qlx::sim::Options& options)
{
    using namespace qlx::sim;
    if (!options.csvPath.empty())
        return std::make_shared<RecordedFruit>(readSampleCsv(options.csvPath));
    return std::make_shared<ProfileFruits>(*findProfile(options.fruit), options.seed);
}

} // namespace

int main(int argc, char** argv)
{
    using namespace qlx::sim;
    Options options;
    try {
        options = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const OptionError& error) {
        std::cerr << "qlx-sim: " << error.what() << "\nTry qlx-sim --help.\n";
        return 2;
    }
    if (options.help) {
        std::cout << helpText();
        return 0;
    }
    try {
        const sigset_t waitMask = catchStopSignals();
        Instrument instrument(options.settings, options.behaviour, options.faults, fruitSource(options),
                              options.seed);
        Transport transport(options.faults, options.pacedLine, options.seed);
        Transcript transcript = options.transcriptPath.empty() ? Transcript() : Transcript(options.transcriptPath);
        PseudoTerminal line;
        std::unique_ptr<ControlChannel> control;
        if (!options.controlPath.empty())
            control = std::make_unique<ControlChannel>(options.controlPath);
        std::unique_ptr<SymbolicLink> link;
        if (!options.linkPath.empty())
            link = std::make_unique<SymbolicLink>(options.linkPath, line.slavePath());

        std::cout << line.slavePath() << std::endl; // the first line: what a script waits for
        std::cerr << "qlx-sim: instrument " << options.settings.version << " on " << line.slavePath() << "\n";

        Server(instrument, transport, line, control.get(), transcript).run(stopRequested, &waitMask);
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "qlx-sim: " << error.what() << "\n";
        return 1;
    }
}
