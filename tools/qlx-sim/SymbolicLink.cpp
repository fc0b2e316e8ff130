#include "tools/qlx-sim/SymbolicLink.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace qlx::sim {

SymbolicLink::SymbolicLink(std::string path, const std::string& target) : path_(std::move(path)), target_(target)
{
    struct stat info {};
    if (::lstat(path_.c_str(), &info) == 0) {
        if (!S_ISLNK(info.st_mode))
            throw std::runtime_error("will not replace " + path_ + ": it is no symbolic link");
        ::unlink(path_.c_str());
    }
    if (::symlink(target_.c_str(), path_.c_str()) != 0)
        throw std::runtime_error("cannot create the link " + path_ + ": " + std::strerror(errno));
}

SymbolicLink::~SymbolicLink()
{
    // Only our own link goes: another simulator may have taken the name meanwhile.
    std::vector<char> buffer(target_.size() + 2);
    const ssize_t length = ::readlink(path_.c_str(), buffer.data(), buffer.size());
    if (length >= 0 && std::string(buffer.data(), static_cast<std::size_t>(length)) == target_)
        ::unlink(path_.c_str());
}

} // namespace qlx::sim
