#pragma once
// The pseudo-terminal that stands in for the serial line. The simulator keeps
// the master and also holds the slave open itself, so that the line keeps its
// raw settings and stays up while the PC closes and reopens the port.

#include <string>

namespace qlx::sim {

class PseudoTerminal {
public:
    // Opens a new pseudo-terminal in raw mode; throws std::system_error.
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int master() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }
    bool isOpen() const { return master_ >= 0; }

    // Bytes written that the PC has not read yet.
    int unreadByPc() const;

    // Hangs up the line: the PC's port then reports an error.
    void close();

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

} // namespace qlx::sim
