#include "tools/qlx-sim/Transport.h"

#include <gtest/gtest.h>

#include <numeric>

namespace qlx::sim {
namespace {

Faults lineFault(bool Faults::*flag)
{
    Faults faults;
    faults.*flag = true;
    return faults;
}

// Runs the line millisecond by millisecond and records the bursts.
std::vector<std::pair<Millis, std::string>> drain(Transport& line, Millis from, Millis limit = 10000)
{
    std::vector<std::pair<Millis, std::string>> bursts;
    for (Millis now = from; now < from + limit && !line.idle(); now += 1)
        for (std::string burst; !(burst = line.take(now)).empty();)
            bursts.emplace_back(now, burst);
    return bursts;
}

std::string joined(const std::vector<std::pair<Millis, std::string>>& bursts)
{
    return std::accumulate(bursts.begin(), bursts.end(), std::string(),
                           [](std::string all, const auto& burst) { return all + burst.second; });
}

TEST(Transport, FastLineSendsEverythingAtOnce)
{
    Transport line({}, false, 1);
    line.queue("60382u#", 0);
    line.queue("P@#", 0);
    EXPECT_EQ(line.take(0), "60382u#P@#");
    EXPECT_TRUE(line.idle());
    EXPECT_FALSE(line.nextReady());
}

TEST(Transport, PacedLineKeepsTo9600Baud)
{
    Transport line({}, true, 1);
    const std::string message(96, 'x');
    line.queue(message, 0);
    const auto bursts = drain(line, 0);
    EXPECT_EQ(joined(bursts), message);
    std::size_t sent = 0;
    for (const auto& [at, burst] : bursts) {
        sent += burst.size();
        EXPECT_LE(static_cast<double>(sent), at / Transport::ByteMillis + 1.0);
    }
    EXPECT_NEAR(bursts.back().first, 95 * Transport::ByteMillis, 1.0); // 96 bytes take 100 ms
}

TEST(Transport, SplitLineCutsMessagesIntoSmallBursts)
{
    Transport line(lineFault(&Faults::split), false, 1);
    const std::string message = "1234,5678l#1235,5679l#1236,5680l#";
    line.queue(message, 0);
    const auto bursts = drain(line, 0);
    EXPECT_EQ(joined(bursts), message);
    EXPECT_GT(bursts.size(), 3u);
    for (const auto& burst : bursts)
        EXPECT_LE(burst.second.size(), 8u);
}

TEST(Transport, MergingLineHoldsMessagesForOneBurst)
{
    Transport line(lineFault(&Faults::coalesce), false, 1);
    line.queue("i#", 0);
    line.queue("\x04@#", 0);
    EXPECT_EQ(line.take(5), "");
    EXPECT_EQ(line.nextReady(), Transport::MergeWindow);
    line.queue("1,100l#", 6);
    EXPECT_EQ(line.take(6), "i#\x04@#1,100l#");

    line.queue("S#", 10);
    EXPECT_EQ(line.take(10 + Transport::MergeWindow), "S#"); // a lone message waits no longer
}

TEST(Transport, GarbageIsJunkMessagesTheDriverIgnores)
{
    Transport line(lineFault(&Faults::garbage), false, 1);
    std::vector<std::string> sent;
    for (int i = 0; i < 200; ++i) {
        sent.push_back(std::to_string(i) + "," + std::to_string(i) + "l#");
        line.queue(sent.back(), 0);
    }
    const std::string bytes = line.take(0);
    std::vector<std::string> real;
    int junk = 0;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find('#', start)) != std::string::npos; start = end + 1) {
        const std::string message = bytes.substr(start, end - start + 1);
        const char kind = message[message.size() - 2];
        if (kind == 'l') {
            real.push_back(message);
            continue;
        }
        ++junk;
        EXPECT_NE(Transport::JunkKinds.find(kind), std::string_view::npos);
        EXPECT_TRUE(message.size() < 3 || message[message.size() - 3] != '?'); // never a settings reply
        EXPECT_EQ(message.find('\0'), std::string::npos);
    }
    EXPECT_EQ(real, sent);
    EXPECT_GT(junk, 20);
}

TEST(Transport, FullLineDropsNewMessagesAndPutBackKeepsOrder)
{
    Transport line({}, false, 1);
    const std::string big(Transport::Capacity - 2, 'x');
    EXPECT_TRUE(line.queue(big, 0));
    EXPECT_TRUE(line.queue("A#", 0));
    EXPECT_FALSE(line.queue("B#", 0));
    EXPECT_EQ(line.droppedMessages(), 1);

    const std::string all = line.take(0);
    line.putBack(std::string_view(all).substr(10));
    EXPECT_EQ(all.substr(0, 10) + line.take(0), big + "A#");
}

} // namespace
} // namespace qlx::sim
