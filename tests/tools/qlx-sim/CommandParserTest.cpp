#include "tools/qlx-sim/CommandParser.h"

#include <gtest/gtest.h>

namespace qlx::sim {
namespace {

Command op(char letter, std::string number = {}) { return {letter, false, std::move(number)}; }
Command ask(char letter) { return {letter, true, {}}; }

struct Case {
    const char* name;
    std::string stream;
    std::vector<Command> expected;
    int dropped = 0;
};

// Names the case in test output instead of its bytes.
void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class CommandStream : public ::testing::TestWithParam<Case> {};

// The driver writes one command at a time, but the line delivers them in any
// grouping: each case is one stream as the instrument might read it.
TEST_P(CommandStream, SplitsIntoCommands)
{
    const Case& c = GetParam();
    CommandParser parser;
    EXPECT_EQ(parser.feed(c.stream), c.expected);
    EXPECT_EQ(parser.dropped(), c.dropped);

    // The same bytes one at a time give the same commands.
    CommandParser bytewise;
    std::vector<Command> commands;
    for (const char byte : c.stream)
        for (Command& command : bytewise.feed(std::string_view(&byte, 1)))
            commands.push_back(std::move(command));
    EXPECT_EQ(commands, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, CommandStream,
    ::testing::Values(
        Case{"serial_login", "o 70836u", {op('o'), op('u', "70836")}},
        Case{"usb_login", "70836u", {op('u', "70836")}},
        Case{"quit", "ou", {op('o'), op('u')}},
        Case{"settings_read_queries", "?E?M?T", {ask('E'), ask('M'), ask('T')}},
        Case{"setting_with_stop", "o50To100q", {op('o'), op('T', "50"), op('o'), op('q', "100")}},
        Case{"forward_speed_pair", "o12m", {op('o'), op('m', "12")}},
        Case{"reverse_increment_number_then_letter", "20i", {op('i', "20")}},
        Case{"decimal_reset_threshold", "12.5e", {op('e', "12.5")}},
        Case{"reading_and_save", "rlcQ", {op('r'), op('l'), op('c'), op('Q')}},
        Case{"calibration_mass", "o1000E", {op('o'), op('E', "1000")}},
        Case{"line_noise_is_skipped", "\r\n?\x01" "E#\xff" "5\x7f" "0T", {ask('E'), op('T', "50")}},
        Case{"query_broken_by_digit", "?5T", {op('T', "5")}, 1},
        Case{"query_after_number", "12?E", {ask('E')}, 1},
        Case{"double_question_mark", "??E", {ask('E')}, 1},
        Case{"overlong_number_dropped_with_its_letter",
             std::string(40, '9') + "T?E", {ask('E')}, 1}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(CommandParser, KeepsAnUnfinishedCommandAcrossFeeds)
{
    CommandParser parser;
    EXPECT_EQ(parser.feed("o 708"), std::vector<Command>{op('o')}); // the stop is complete at once
    EXPECT_EQ(parser.feed("36"), std::vector<Command>{});
    EXPECT_EQ(parser.feed("u?"), std::vector<Command>{op('u', "70836")});
    EXPECT_EQ(parser.feed("V"), std::vector<Command>{ask('V')});
}

} // namespace
} // namespace qlx::sim
