#include "tools/qlx-sim/Instrument.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qlx::sim {
namespace {

using Messages = std::vector<std::string>;

// An instrument on a virtual clock: every call advances the clock and
// collects what the instrument sent meanwhile.
struct Bench {
    explicit Bench(Behaviour behaviour = {}, Faults faults = {}, InstrumentSettings settings = {},
                   std::uint64_t seed = 1, std::shared_ptr<const FruitSource> fruits = nullptr)
        : instrument(settings, behaviour, faults,
                     fruits ? fruits : std::make_shared<ProfileFruits>(*findProfile("apple"), seed), seed)
    {
    }

    Messages send(std::string_view bytes, Millis wait = 0)
    {
        instrument.receive(bytes, now);
        return advance(wait);
    }

    Messages advance(Millis wait)
    {
        const Millis until = now + wait;
        Messages out;
        while (const auto due = instrument.nextDue()) {
            if (*due > until)
                break;
            now = std::max(now, *due);
            for (std::string& message : instrument.takeDue(now))
                out.push_back(std::move(message));
        }
        now = until;
        return out;
    }

    Instrument instrument;
    Millis now = 0;
};

std::vector<std::string> ofKind(const Messages& messages, char kind)
{
    std::vector<std::string> found;
    for (const auto& message : messages)
        if (message.size() >= 2 && message[message.size() - 2] == kind && message.back() == '#')
            found.push_back(message);
    return found;
}

long longValue(const std::string& message) { return std::strtol(message.c_str(), nullptr, 10); }

// A reading taken to its end: what a decoder needs from it.
struct ReadingSeen {
    std::vector<RawSample> samples;
    long trigger = -1;
};

ReadingSeen reading(const Messages& messages)
{
    ReadingSeen seen;
    for (const auto& message : ofKind(messages, 'l')) {
        const auto comma = message.find(',');
        seen.samples.push_back({longValue(message), std::strtol(message.c_str() + comma + 1, nullptr, 10)});
    }
    if (const auto end = ofKind(messages, 'S'); end.size() == 1)
        seen.trigger = longValue(end.front());
    return seen;
}

TEST(Instrument, AcknowledgesTheLoginOnBothTransportsAndReportsItsStatus)
{
    Bench bench;
    EXPECT_EQ(bench.send("o 70836u"), (Messages{"60382u#", "P@#"})); // ready at the top
    EXPECT_EQ(bench.send("70836u"), (Messages{"60382u#", "P@#"}));
    EXPECT_EQ(bench.send("o 12345u"), Messages{"u#"});
}

TEST(Instrument, AnswersEverySettingsQueryOnce)
{
    Bench bench;
    const std::vector<std::pair<std::string, std::string>> replies{
        {"?E", "1000E?#"}, {"?M", "14000M?#"}, {"?T", "50T?#"}, {"?m", "20m?#"}, {"?n", "10n?#"},
        {"?q", "100q?#"}, {"?p", "100p?#"}, {"?g", "1.00g?#"}, {"?H", "1000H?#"}, {"?F", "2000F?#"},
        {"?y", "30y?#"}, {"?V", "7.21V?#"}, {"?w", "250000000w?#"}, {"?d", "5d?#"}, {"?e", "10e?#"},
        {"?i", "10i?#"}, {"?I", "0I?#"}};
    for (const auto& [query, reply] : replies)
        EXPECT_EQ(bench.send(query), Messages{reply}) << query;
    EXPECT_EQ(bench.send("?Z"), Messages{}); // no such setting
}

TEST(Instrument, FollowsTheStepRatioAndAnswersIdentificationAsChosen)
{
    using After = Behaviour::AfterStepRatio;
    const std::vector<std::pair<After, Messages>> cases{
        {After::ReverseSpeed, {"5000R?#", "30y?#"}},
        {After::Version, {"5000R?#", "7.21V?#"}},
        {After::Nothing, {"5000R?#"}},
    };
    for (const auto& [after, expected] : cases) {
        Behaviour behaviour;
        behaviour.afterStepRatio = after;
        Bench bench(behaviour);
        EXPECT_EQ(bench.send("?R"), expected);
    }
    Behaviour silentI;
    silentI.answerIdentification = false;
    EXPECT_EQ(Bench(silentI).send("A?I"), Messages{"A#"});
}

TEST(Instrument, SettingCommandsChangeWhatTheNextReadReports)
{
    const std::vector<std::tuple<std::string, std::string, std::string>> cases{
        {"o120T", "?T", "120T?#"}, {"o12m", "?m", "12m?#"},   {"o25y", "?y", "25y?#"},
        {"15n", "?n", "15n?#"},     {"o8n", "?n", "8n?#"},     {"o150q", "?q", "150q?#"},
        {"7d", "?d", "7d?#"},       {"12.5e", "?e", "12.5e?#"}, {"o2000E", "?E", "2000E?#"},
        // A value the mechanics cannot do is refused and the old one stays.
        {"o0T", "?T", "50T?#"},     {"o5000q", "?q", "100q?#"}, {"T", "?T", "50T?#"},
    };
    for (const auto& [command, query, reply] : cases) {
        Bench bench;
        EXPECT_EQ(bench.send(command), Messages{}) << command;
        EXPECT_EQ(bench.send(query), Messages{reply}) << command;
    }
    // The reverse increment comes as its number and then "i", possibly apart.
    Bench bench;
    bench.send("12");
    bench.send("i");
    EXPECT_EQ(bench.send("?i"), Messages{"12i?#"});
}

TEST(Instrument, AutomaticReadingStartsAfterTheDelayAndEndsAtTheTrigger)
{
    Bench bench;
    EXPECT_EQ(bench.send("r", 49), Messages{});
    const Messages messages = bench.advance(1);
    ASSERT_GE(messages.size(), 4u);
    EXPECT_EQ(messages[0], "i#");
    EXPECT_EQ(messages[1], "\x04@#"); // moving

    const ReadingSeen seen = reading(messages);
    ASSERT_GT(seen.samples.size(), 400u);
    const auto trigger = std::find_if(seen.samples.begin(), seen.samples.end(),
                                      [](const RawSample& s) { return s.force >= 50; });
    ASSERT_NE(trigger, seen.samples.end());
    EXPECT_EQ(seen.trigger, trigger->deflection);
    EXPECT_EQ(trigger - seen.samples.begin(), 10); // the samples kept from before the trigger
    // 10.0 mm at 0.02 mm per step after the trigger.
    EXPECT_EQ(seen.samples.back().deflection - seen.trigger, 500);
    EXPECT_TRUE(std::all_of(seen.samples.begin(), seen.samples.end(), [](const RawSample& s) { return s.force >= 1; }));

    const auto afterEnd = std::find(messages.begin(), messages.end(), std::to_string(seen.trigger) + "S#");
    EXPECT_EQ(Messages(afterEnd + 1, messages.end()).size(), 3u);
    EXPECT_EQ(messages[messages.size() - 2], "P@#"); // back at the top
    EXPECT_EQ(ofKind(messages, 'D').size(), 1u);
    EXPECT_TRUE(ofKind(messages, 'M').empty()); // "r" weighs nothing
    EXPECT_EQ(bench.instrument.readingsDone(), 1);
}

TEST(Instrument, WeighsWithTheReadingOnlyOnModelsWithAScale)
{
    const std::vector<std::pair<std::string, std::size_t>> models{{"7.21", 1}, {"5.2", 0}, {"8.41", 1}};
    for (const auto& [model, masses] : models) {
        InstrumentSettings settings;
        settings.version = model;
        Bench bench({}, {}, settings);
        EXPECT_EQ(ofKind(bench.send("l", 100), 'M').size(), masses) << model;
        EXPECT_EQ(ofKind(bench.send("c", 100), 'M').size(), masses) << model;
        EXPECT_EQ(bench.send("h", 100), masses ? Messages{"Z#"} : Messages{}) << model;
    }
}

TEST(Instrument, ButtonStartWaitsForThePressAndStopDisarms)
{
    Behaviour behaviour;
    behaviour.start = Behaviour::Start::Button;
    Bench bench(behaviour);
    EXPECT_EQ(bench.send("r", 1000), Messages{});
    bench.instrument.pressButton(bench.now);
    EXPECT_EQ(reading(bench.advance(0)).samples.empty(), false);

    bench.send("r");
    bench.send("o");
    bench.instrument.pressButton(bench.now);
    EXPECT_EQ(bench.advance(1000), Messages{});
}

TEST(Instrument, RefusesOperationsWhileBusyAndStopsAReadingMidway)
{
    Behaviour behaviour;
    behaviour.realTiming = true;
    Bench bench(behaviour);
    bench.send("r", 100); // started, still travelling down
    EXPECT_EQ(bench.send("h"), Messages{"1#"});
    EXPECT_EQ(bench.send("r"), Messages{"1#"});
    EXPECT_EQ(bench.send("?T"), Messages{"50T?#"}); // queries are always answered
    EXPECT_EQ(bench.send("o", 5000), (Messages{"\x04@#", "P@#"}));
    EXPECT_EQ(bench.instrument.readingsDone(), 0);

    bench.send("Q", 150);
    EXPECT_EQ(bench.send("r"), Messages{"2#"}); // saving
    bench.advance(5000);
    bench.send("oG", 100);
    EXPECT_EQ(bench.send("l"), Messages{"3#"}); // calibrating
}

TEST(Instrument, RealTimingTakesTheProbesTravelTime)
{
    Behaviour behaviour;
    behaviour.realTiming = true;
    Bench bench(behaviour);
    bench.send("r");
    // Down about 25 mm at 20 mm/s, then 10 mm at 10 mm/s.
    EXPECT_TRUE(ofKind(bench.advance(2000), 'S').empty());
    EXPECT_EQ(ofKind(bench.advance(1000), 'S').size(), 1u);
}

TEST(Instrument, SendsProgressOfSavingAndCalibrations)
{
    struct Case {
        std::string command;
        char kind;
        std::vector<long> values;
    };
    const std::vector<Case> cases{
        {"Q", 'Q', {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26}},
        {"oG", 'G', {0, 50, 100, 150, 200, 250, 300, 350, 400, 450, 500}},
        {"oa", 'd', {0, 1, 2, 3, 4, 5, 6, 7}},
        {"ob", 'e', {0, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50}},
    };
    for (const auto& c : cases) {
        Bench bench;
        std::vector<long> values;
        for (const auto& message : bench.send(c.command, 100)) {
            ASSERT_EQ(message[message.size() - 2], c.kind) << c.command;
            values.push_back(longValue(message));
        }
        EXPECT_EQ(values, c.values) << c.command;
    }
}

TEST(Instrument, EfmStepsWaitForTheSwitch)
{
    Bench automatic;
    EXPECT_EQ(automatic.send("w", 100), Messages{"W#"});
    EXPECT_EQ(automatic.send("ok", 100), Messages{"K#"});

    Behaviour behaviour;
    behaviour.start = Behaviour::Start::Button;
    Bench manual(behaviour);
    EXPECT_EQ(manual.send("w", 1000), Messages{});
    manual.instrument.pushEfmSwitch(manual.now);
    EXPECT_EQ(manual.advance(0), Messages{"W#"});
    manual.instrument.pushEfmSwitch(manual.now); // nothing waits any more
    EXPECT_EQ(manual.advance(0), Messages{});
}

TEST(Instrument, CheckFeedReportsTheWeightUntilStopped)
{
    Bench bench;
    const Messages feed = bench.send("oX", 1000);
    ASSERT_EQ(feed.size(), 6u); // at 0, 200, … 1000 ms
    for (const auto& message : feed) {
        EXPECT_EQ(message.substr(message.size() - 2), "H#");
        EXPECT_EQ(message.front(), ' '); // right-aligned like the display
        EXPECT_NEAR(std::strtod(message.c_str(), nullptr), 1000.0, 10.0);
    }
    // Starting the feed again replaces it instead of adding a second one.
    EXPECT_EQ(bench.send("X").size(), 1u);
    EXPECT_EQ(bench.advance(1000).size(), 5u);
    bench.send("o");
    EXPECT_EQ(bench.advance(1000), Messages{});
}

TEST(Instrument, MotionRepliesAndAcknowledgements)
{
    Bench bench;
    EXPECT_EQ(bench.send("Y"), (Messages{"P@#", "Y#"}));
    EXPECT_EQ(bench.send("B"), (Messages{"P@#", "B#"}));
    EXPECT_EQ(bench.send("A"), Messages{"A#"});
    EXPECT_EQ(bench.send("f"), Messages{});
}

TEST(Instrument, QuitEndsUnlessKeptServingAndShutDownSilences)
{
    Bench ending;
    ending.send("ou");
    EXPECT_TRUE(ending.instrument.ended());

    Behaviour behaviour;
    behaviour.keepServing = true;
    Bench serving(behaviour);
    serving.send("ou");
    EXPECT_FALSE(serving.instrument.ended());
    EXPECT_EQ(serving.send("o 70836u").front(), "60382u#");

    Bench off;
    off.send("oP");
    EXPECT_TRUE(off.instrument.poweredOff());
    EXPECT_EQ(off.send("o 70836u?E", 1000), Messages{});
}

TEST(Instrument, SameSeedSameFruitsAndOtherSeedOtherFruits)
{
    Bench first({}, {}, {}, 7), second({}, {}, {}, 7), other({}, {}, {}, 8);
    const Messages a = first.send("r", 100);
    EXPECT_EQ(a, second.send("r", 100));
    EXPECT_NE(a, other.send("r", 100));
    EXPECT_NE(a, first.send("r", 100)); // the next fruit differs from the first
}

// ---- faults ------------------------------------------------------------------

Bench withFault(const char* name)
{
    Faults faults;
    EXPECT_TRUE(enableFault(faults, name)) << name;
    return Bench({}, faults);
}

TEST(InstrumentFaults, LoginFaults)
{
    EXPECT_EQ(withFault("silence").send("o 70836u?E", 1000), Messages{});
    auto noLogin = withFault("no-login");
    EXPECT_EQ(noLogin.send("o 70836u", 1000), Messages{});
    EXPECT_EQ(noLogin.send("?T"), Messages{"50T?#"});

    auto startup = withFault("startup-error");
    EXPECT_EQ(startup.send("o 70836u"), (Messages{"9#", "60382u#", "P@#"}));
    EXPECT_EQ(startup.send("o 70836u"), (Messages{"60382u#", "P@#"})); // once
}

TEST(InstrumentFaults, BusyRefusesTheFirstOperationOnly)
{
    for (const char* name : {"busy=1", "busy=2", "busy=3", "busy=4"}) {
        auto bench = withFault(name);
        EXPECT_EQ(bench.send("r", 100), Messages{std::string(1, name[5]) + "#"}) << name;
        EXPECT_EQ(ofKind(bench.send("r", 100), 'S').size(), 1u) << name;
    }
}

TEST(InstrumentFaults, BottomLimitAbortsTheFirstReadingOnly)
{
    auto bench = withFault("bottom-limit");
    const Messages first = bench.send("r", 100);
    EXPECT_TRUE(ofKind(first, 'S').empty());
    EXPECT_EQ(ofKind(first, 'X').size(), 1u);
    EXPECT_FALSE(ofKind(first, 'l').empty());
    EXPECT_EQ(first.back(), "P@#");
    EXPECT_EQ(bench.instrument.readingsDone(), 0);
    EXPECT_EQ(ofKind(bench.send("r", 100), 'S').size(), 1u);
}

TEST(InstrumentFaults, NaturalBottomLimitWhenTheProbeRunsOutOfTravel)
{
    // A fruit too soft to reach the trigger.
    auto soft = std::make_shared<RecordedFruit>(std::vector<RawSample>{{5, 100}, {20, 101}, {30, 102}});
    const Messages untriggered = Bench({}, {}, {}, 1, soft).send("r", 100);
    EXPECT_TRUE(ofKind(untriggered, 'S').empty());
    EXPECT_EQ(ofKind(untriggered, 'X').size(), 1u);
    EXPECT_EQ(reading(untriggered).samples.size(), 3u);

    // A measure distance longer than the travel left below the fruit's top.
    InstrumentSettings settings;
    settings.maxDistance = 26;
    settings.distanceTenths = 400;
    const Messages deep = Bench({}, {}, settings).send("r", 100);
    EXPECT_TRUE(ofKind(deep, 'S').empty());
    EXPECT_EQ(ofKind(deep, 'X').size(), 1u);
}

TEST(InstrumentFaults, OverloadWarnsAndTheReadingGoesOn)
{
    auto bench = withFault("overload");
    const Messages messages = bench.send("r", 100);
    EXPECT_EQ(ofKind(messages, 'O').size(), 1u);
    EXPECT_EQ(ofKind(messages, 'S').size(), 1u);
    EXPECT_GT(reading(messages).samples.size(), 400u);

    InstrumentSettings weak;
    weak.maxLoad = "2000"; // an apple yields far above it
    Bench limited({}, {}, weak);
    const Messages stopped = limited.send("r", 100);
    const ReadingSeen seen = reading(stopped);
    EXPECT_EQ(ofKind(stopped, 'O').size(), 1u);
    EXPECT_EQ(seen.trigger >= 0, true);
    EXPECT_GT(seen.samples.back().force, 2000);
    EXPECT_LT(seen.samples.back().deflection - seen.trigger, 500);
}

TEST(InstrumentFaults, SampleCountAndTriggerFaults)
{
    auto many = withFault("too-many-samples");
    EXPECT_EQ(reading(many.send("r", 100)).samples.size(), static_cast<std::size_t>(Faults::ManySamples));
    EXPECT_LT(reading(many.send("r", 100)).samples.size(), 1000u);

    auto noTrigger = withFault("no-trigger");
    const ReadingSeen seen = reading(noTrigger.send("r", 100));
    EXPECT_GT(seen.trigger, seen.samples.back().deflection);
}

TEST(InstrumentFaults, OverlongMessageComesBeforeTheFirstReading)
{
    auto bench = withFault("overlong");
    const Messages messages = bench.send("r", 100);
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages[0].size(), static_cast<std::size_t>(Faults::OverlongLength));
    EXPECT_EQ(messages[0].find('#'), std::string::npos);
    EXPECT_EQ(messages[1], "i#");
    EXPECT_NE(bench.send("r", 100).front(), messages[0]);
}

TEST(InstrumentFaults, LosesTheLineAfterTheGivenReadings)
{
    auto bench = withFault("lose-line=2");
    bench.send("r", 100);
    EXPECT_FALSE(bench.instrument.lineLost());
    bench.send("r", 100);
    EXPECT_TRUE(bench.instrument.lineLost());
}

TEST(InstrumentFaults, UnknownNamesAndBadNumbersAreRejected)
{
    Faults faults;
    for (const char* name : {"", "gremlins", "busy=0", "busy=5", "busy=x", "lose-line=0", "lose-line="})
        EXPECT_FALSE(enableFault(faults, name)) << name;
}

} // namespace
} // namespace qlx::sim
