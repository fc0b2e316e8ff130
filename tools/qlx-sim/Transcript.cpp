#include "tools/qlx-sim/Transcript.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace qlx::sim {

Transcript::Transcript(const std::string& path) : file_(std::fopen(path.c_str(), "w"))
{
    if (!file_)
        throw std::runtime_error("cannot write the transcript " + path + ": " + std::strerror(errno));
}

Transcript::~Transcript()
{
    if (file_)
        std::fclose(file_);
}

std::string Transcript::escaped(std::string_view bytes)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\\') {
            text += "\\\\";
        } else if (byte >= 32 && byte < 127) {
            text.push_back(c);
        } else {
            text += "\\x";
            text.push_back(hex[byte >> 4]);
            text.push_back(hex[byte & 15]);
        }
    }
    return text;
}

void Transcript::write(const char* direction, std::string_view bytes, Millis at)
{
    if (!file_)
        return;
    std::fprintf(file_, "%12.6f %s %s\n", at / 1000.0, direction, escaped(bytes).c_str());
    std::fflush(file_); // a transcript is read while the simulator runs, and after it was killed
}

} // namespace qlx::sim
