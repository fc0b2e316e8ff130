#pragma once
// A symbolic link to the terminal, so that a fixed name reaches a device path
// that changes with each run. Removed again when the simulator ends.

#include <string>

namespace qlx::sim {

class SymbolicLink {
public:
    // Replaces an existing symbolic link at `path`; throws std::runtime_error
    // when `path` is another kind of file or cannot be created.
    SymbolicLink(std::string path, const std::string& target);
    ~SymbolicLink();
    SymbolicLink(const SymbolicLink&) = delete;
    SymbolicLink& operator=(const SymbolicLink&) = delete;

private:
    std::string path_;
    std::string target_;
};

} // namespace qlx::sim
