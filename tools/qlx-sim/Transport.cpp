#include "tools/qlx-sim/Transport.h"

#include <algorithm>
#include <cmath>

namespace qlx::sim {

Transport::Transport(const Faults& faults, bool paced, std::uint64_t seed)
    : garbage_(faults.garbage), split_(faults.split), merge_(faults.coalesce), paced_(paced),
      random_(seed, ~std::uint64_t{1})
{
}

std::string Transport::junkMessage()
{
    std::string junk;
    const int length = random_.between(1, 6);
    while (static_cast<int>(junk.size()) < length) {
        const char byte = static_cast<char>(random_.between(1, 255));
        if (byte != '#' && byte != '?')
            junk.push_back(byte);
    }
    junk.push_back(JunkKinds[static_cast<std::size_t>(random_.between(0, static_cast<int>(JunkKinds.size()) - 1))]);
    junk.push_back('#');
    return junk;
}

bool Transport::queue(const std::string& message, Millis now)
{
    std::string bytes = garbage_ && random_.chance(0.3) ? junkMessage() + message : message;
    if (pending_.size() + bytes.size() > Capacity) {
        ++dropped_;
        return false;
    }
    if (pending_.empty())
        oldestAt_ = now;
    pending_ += bytes;
    return true;
}

bool Transport::holdingForMerge(Millis now) const
{
    return merge_ && std::count(pending_.begin(), pending_.end(), '#') < MergeCount && now < oldestAt_ + MergeWindow;
}

std::string Transport::take(Millis now)
{
    if (pending_.empty() || now < readyAt_ || holdingForMerge(now))
        return {};
    std::size_t count = pending_.size();
    if (split_) {
        count = std::min<std::size_t>(count, static_cast<std::size_t>(random_.between(1, 8)));
        readyAt_ = now + random_.between(0, 3);
    }
    if (paced_) {
        if (lineFreeAt_ < now - ByteMillis)
            lineFreeAt_ = now; // an idle line saves up no time
        if (now < lineFreeAt_)
            return {};
        const auto fitting = static_cast<std::size_t>(std::floor((now - lineFreeAt_) / ByteMillis)) + 1;
        count = std::min(count, fitting);
        lineFreeAt_ += static_cast<double>(count) * ByteMillis;
    }
    std::string burst = pending_.substr(0, count);
    pending_.erase(0, count);
    if (!pending_.empty() && merge_)
        oldestAt_ = now;
    return burst;
}

void Transport::putBack(std::string_view bytes)
{
    if (pending_.empty())
        oldestAt_ = 0; // bytes already released once are not held back again
    pending_.insert(0, bytes);
}

std::optional<Millis> Transport::nextReady() const
{
    if (pending_.empty())
        return std::nullopt;
    Millis at = readyAt_;
    if (paced_)
        at = std::max(at, lineFreeAt_);
    if (merge_ && std::count(pending_.begin(), pending_.end(), '#') < MergeCount)
        at = std::max(at, oldestAt_ + MergeWindow);
    return at;
}

} // namespace qlx::sim
