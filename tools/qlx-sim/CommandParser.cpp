#include "tools/qlx-sim/CommandParser.h"

namespace qlx::sim {
namespace {

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isNumberChar(char c) { return (c >= '0' && c <= '9') || c == ' ' || c == '.' || c == '-'; }

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

void CommandParser::restart()
{
    pending_.clear();
    query_ = false;
    discarding_ = false;
}

std::vector<Command> CommandParser::feed(std::string_view bytes)
{
    std::vector<Command> commands;
    for (const char c : bytes) {
        if (isLetter(c)) {
            if (!discarding_)
                commands.push_back(query_ ? Command{c, true, {}} : Command{c, false, trimmed(pending_)});
            restart();
        } else if (c == '?') {
            if (query_ || !trimmed(pending_).empty())
                ++dropped_; // a query cannot follow a number or another "?"
            restart();
            query_ = true;
        } else if (isNumberChar(c)) {
            if (query_) { // "?" must be followed by its letter
                ++dropped_;
                restart();
            }
            if (discarding_)
                continue;
            if (pending_.size() >= MaxNumberLength) {
                ++dropped_;
                discarding_ = true;
                pending_.clear();
                continue;
            }
            pending_.push_back(c);
        }
        // Line noise (control characters, "#", bytes above 127) belongs to no command.
    }
    return commands;
}

} // namespace qlx::sim
