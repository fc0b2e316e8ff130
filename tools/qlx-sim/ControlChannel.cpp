#include "tools/qlx-sim/ControlChannel.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace qlx::sim {

ControlChannel::ControlChannel(std::string path) : path_(std::move(path))
{
    struct stat info {};
    if (::stat(path_.c_str(), &info) == 0) {
        if (!S_ISFIFO(info.st_mode))
            throw std::runtime_error("the control path " + path_ + " exists and is no named pipe");
    } else if (::mkfifo(path_.c_str(), 0600) == 0) {
        created_ = true;
    } else {
        throw std::runtime_error("cannot create the control pipe " + path_ + ": " + std::strerror(errno));
    }
    readFd_ = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK);
    keepOpenFd_ = readFd_ >= 0 ? ::open(path_.c_str(), O_WRONLY | O_NONBLOCK) : -1;
    if (keepOpenFd_ < 0) {
        const std::string reason = std::strerror(errno);
        release();
        throw std::runtime_error("cannot open the control pipe " + path_ + ": " + reason);
    }
}

ControlChannel::~ControlChannel()
{
    release();
}

void ControlChannel::release()
{
    if (keepOpenFd_ >= 0)
        ::close(keepOpenFd_);
    if (readFd_ >= 0)
        ::close(readFd_);
    keepOpenFd_ = readFd_ = -1;
    if (created_)
        ::unlink(path_.c_str());
    created_ = false;
}

std::vector<std::string> ControlChannel::readLines()
{
    std::vector<std::string> lines;
    char buffer[512];
    ssize_t count = 0;
    while ((count = ::read(readFd_, buffer, sizeof buffer)) > 0) {
        for (ssize_t i = 0; i < count; ++i) {
            if (buffer[i] != '\n') {
                if (partial_.size() < MaxLineLength) // an endless line is cut, not stored
                    partial_.push_back(buffer[i]);
                continue;
            }
            const auto first = partial_.find_first_not_of(" \t\r");
            if (first != std::string::npos)
                lines.push_back(partial_.substr(first, partial_.find_last_not_of(" \t\r") - first + 1));
            partial_.clear();
        }
    }
    return lines;
}

} // namespace qlx::sim
