#pragma once
// The control channel: a named pipe on which a person or a test plays the
// instrument's own buttons, one word per line:
//   press   the start button (starts an armed reading)
//   efm     the EFM switch (completes a waiting EFM calibration step)
//   quit    end the simulation

#include <string>
#include <vector>

namespace qlx::sim {

class ControlChannel {
public:
    // Creates the pipe (or reuses an existing one) and opens it without
    // blocking; throws std::runtime_error when the path is taken by another file.
    explicit ControlChannel(std::string path);
    ~ControlChannel();
    ControlChannel(const ControlChannel&) = delete;
    ControlChannel& operator=(const ControlChannel&) = delete;

    int fd() const { return readFd_; }
    // Reads what is waiting and returns the complete lines, blanks trimmed.
    std::vector<std::string> readLines();

    static constexpr std::size_t MaxLineLength = 256;

private:
    void release();

    std::string path_;
    bool created_ = false;
    int readFd_ = -1;
    int keepOpenFd_ = -1; // our own writer, so the pipe never reports end of file
    std::string partial_;
};

} // namespace qlx::sim
