#pragma once
// Splits the byte stream from the PC into commands. Commands carry no end
// mark: each is named by its letter, which ends it. Before the letter stand
// digits, blanks and a decimal point (the number of a setting command, the
// login code); a query is "?" and its letter. The stop command "o" is a
// letter of its own, so "o50T" is the stop followed by the setting "50T",
// which is what the instrument does with it anyway.

#include <string>
#include <string_view>
#include <vector>

namespace qlx::sim {

struct Command {
    char letter = 0;
    bool query = false;
    std::string number; // the text before the letter, blanks removed at both ends

    bool operator==(const Command&) const = default;
};

class CommandParser {
public:
    // Longest number text kept; a longer one is dropped with its letter.
    static constexpr std::size_t MaxNumberLength = 32;

    std::vector<Command> feed(std::string_view bytes);

    // Commands dropped: too long, or a "?" not followed by a letter.
    int dropped() const { return dropped_; }

private:
    void restart();

    std::string pending_;
    bool query_ = false;
    bool discarding_ = false;
    int dropped_ = 0;
};

} // namespace qlx::sim
