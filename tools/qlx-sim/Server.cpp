#include "tools/qlx-sim/Server.h"

#include "tools/qlx-sim/ControlChannel.h"
#include "tools/qlx-sim/Instrument.h"
#include "tools/qlx-sim/PseudoTerminal.h"
#include "tools/qlx-sim/Transcript.h"
#include "tools/qlx-sim/Transport.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <iostream>
#include <string>
#include <poll.h>
#include <unistd.h>

namespace qlx::sim {
namespace {

// Longest wait when nothing is scheduled, so that a stop is seen in time.
constexpr Millis IdleWaitMillis = 500;

} // namespace

Server::Server(Instrument& instrument, Transport& transport, PseudoTerminal& line, ControlChannel* control,
               Transcript& transcript)
    : instrument_(instrument), transport_(transport), line_(line), control_(control), transcript_(transcript),
      start_(std::chrono::steady_clock::now())
{
    // Times in the transcript count from here; this note ties them to the
    // machine's monotonic clock, so another program can compare its own.
    const auto epoch = std::chrono::duration_cast<std::chrono::nanoseconds>(start_.time_since_epoch()).count();
    transcript_.note("monotonic clock at 0: " + std::to_string(epoch) + " ns", 0.0);
}

Millis Server::now() const
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
}

void Server::deliverDue()
{
    const Millis at = now();
    for (const std::string& message : instrument_.takeDue(at))
        if (!transport_.queue(message, at))
            transcript_.note("line full, message dropped: " + message, at);
}

bool Server::writeOutput()
{
    for (;;) {
        const Millis at = now();
        const std::string burst = transport_.take(at);
        if (burst.empty())
            return true;
        const ssize_t written = ::write(line_.master(), burst.data(), burst.size());
        if (written < 0) {
            transport_.putBack(burst);
            if (errno == EINTR)
                continue;
            return false; // EAGAIN: the PC is not reading; wait until it does
        }
        transcript_.bytesOut(std::string_view(burst).substr(0, static_cast<std::size_t>(written)), at);
        lastWriteAt_ = at;
        if (static_cast<std::size_t>(written) < burst.size()) {
            transport_.putBack(std::string_view(burst).substr(static_cast<std::size_t>(written)));
            return false;
        }
    }
}

void Server::readInput()
{
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(line_.master(), buffer, sizeof buffer);
        if (count <= 0)
            return;
        const Millis at = now();
        transcript_.bytesIn(std::string_view(buffer, static_cast<std::size_t>(count)), at);
        instrument_.receive(std::string_view(buffer, static_cast<std::size_t>(count)), at);
    }
}

bool Server::playControl()
{
    for (const std::string& line : control_->readLines()) {
        const Millis at = now();
        transcript_.note("control: " + line, at);
        if (line == "press")
            instrument_.pressButton(at);
        else if (line == "efm")
            instrument_.pushEfmSwitch(at);
        else if (line == "quit")
            return false;
        else
            std::cerr << "qlx-sim: unknown control command \"" << line << "\" (press, efm, quit)\n";
    }
    return true;
}

void Server::run(const volatile std::sig_atomic_t& stop, const sigset_t* waitMask)
{
    std::optional<Millis> endedAt;
    while (!stop) {
        Millis wakeAt = now() + IdleWaitMillis;
        deliverDue();
        const bool lineTakesMore = writeOutput();
        if (instrument_.ended() || instrument_.lineLost()) {
            if (!endedAt)
                endedAt = now();
            // Hanging up discards what the PC has not read yet: let it read
            // first. The queue count misses bytes still on their way inside
            // the terminal, hence also the pause after the last write.
            const bool drained = transport_.idle() && line_.unreadByPc() == 0 && now() - lastWriteAt_ > SettleMillis;
            if (drained || now() - *endedAt > DrainMillis)
                break;
            wakeAt = std::min(wakeAt, now() + 10);
        }

        if (const auto due = instrument_.nextDue())
            wakeAt = std::min(wakeAt, *due);
        if (const auto ready = transport_.nextReady(); ready && lineTakesMore)
            wakeAt = std::min(wakeAt, *ready);
        const Millis wait = std::max(0.0, wakeAt - now());
        const timespec timeout{static_cast<time_t>(wait / 1000),
                               static_cast<long>(std::fmod(wait, 1000.0) * 1e6)};

        pollfd fds[2] = {{line_.master(), static_cast<short>(POLLIN | (lineTakesMore ? 0 : POLLOUT)), 0},
                         {control_ ? control_->fd() : -1, POLLIN, 0}};
        if (::ppoll(fds, control_ ? 2 : 1, &timeout, waitMask) < 0)
            continue; // a signal: the loop condition looks at it
        if (fds[0].revents & POLLIN)
            readInput();
        if (control_ && (fds[1].revents & POLLIN) && !playControl())
            break;
    }
    if (instrument_.lineLost()) {
        transcript_.note("line closed", now());
        line_.close();
    }
}

} // namespace qlx::sim
