#include "tools/qlx-sim/PseudoTerminal.h"

#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace qlx::sim {
namespace {

[[noreturn]] void fail(const char* what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

} // namespace

PseudoTerminal::PseudoTerminal()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0)
        fail("posix_openpt");
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
        const int error = errno;
        close();
        errno = error;
        fail("grantpt/unlockpt");
    }
    const char* name = ptsname(master_);
    if (!name) {
        close();
        fail("ptsname");
    }
    slavePath_ = name;
    slave_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave_ < 0) {
        close();
        fail("open slave");
    }
    termios settings{};
    if (tcgetattr(slave_, &settings) != 0) {
        close();
        fail("tcgetattr");
    }
    cfmakeraw(&settings);
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    if (tcsetattr(slave_, TCSANOW, &settings) != 0) {
        close();
        fail("tcsetattr");
    }
}

int PseudoTerminal::unreadByPc() const
{
    // The slave end that we hold shares its input queue with the PC's.
    int count = 0;
    return slave_ >= 0 && ::ioctl(slave_, TIOCINQ, &count) == 0 ? count : 0;
}

PseudoTerminal::~PseudoTerminal()
{
    close();
}

void PseudoTerminal::close()
{
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
}

} // namespace qlx::sim
