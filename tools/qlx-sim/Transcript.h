#pragma once
// A record of every byte on the line: one line per burst with the time in
// seconds (microseconds shown; the first line ties 0 to the monotonic clock),
// the direction ("in" from the PC, "out" from the instrument) and
// the bytes, printable ones as they are and others as \xNN.

#include "tools/qlx-sim/SimTime.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace qlx::sim {

class Transcript {
public:
    Transcript() = default;
    // Opens (truncates) the file; throws std::runtime_error when it cannot.
    explicit Transcript(const std::string& path);
    ~Transcript();
    Transcript(const Transcript&) = delete;
    Transcript& operator=(const Transcript&) = delete;

    void bytesIn(std::string_view bytes, Millis at) { write("in ", bytes, at); }
    void bytesOut(std::string_view bytes, Millis at) { write("out", bytes, at); }
    void note(std::string_view text, Millis at) { write("---", text, at); }

    static std::string escaped(std::string_view bytes);

private:
    void write(const char* direction, std::string_view bytes, Millis at);

    std::FILE* file_ = nullptr;
};

} // namespace qlx::sim
