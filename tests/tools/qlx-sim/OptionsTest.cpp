#include "tools/qlx-sim/Options.h"

#include <gtest/gtest.h>

namespace qlx::sim {
namespace {

TEST(Options, DefaultsAreAPlausibleInstrumentWithAScale)
{
    const Options options = parseOptions({});
    EXPECT_EQ(options.settings.version, "7.21");
    EXPECT_TRUE(options.settings.hasScale());
    EXPECT_EQ(options.behaviour.start, Behaviour::Start::Automatic);
    EXPECT_FALSE(options.pacedLine);
    EXPECT_FALSE(options.behaviour.realTiming);
    EXPECT_EQ(options.behaviour.afterStepRatio, Behaviour::AfterStepRatio::ReverseSpeed);
    EXPECT_DOUBLE_EQ(options.settings.millimetresPerRawStep(), 0.02);
    EXPECT_DOUBLE_EQ(options.settings.gramsPerRawForce(), 1.0);
}

TEST(Options, ReadsEveryKindOfOption)
{
    const Options options = parseOptions(
        {"--model", "5.2", "--trigger=120", "--distance", "150", "--step-ratio", "10000", "--fruit", "kiwi",
         "--seed", "42", "--start", "button", "--start-delay", "10", "--pacing", "real", "--after-r", "none",
         "--answer-i", "none", "--fault", "garbage", "--fault", "busy=2", "--link", "/tmp/x", "--control",
         "/tmp/c", "--transcript", "/tmp/t", "--keep-serving", "--reset-threshold", "12.5"});
    EXPECT_EQ(options.settings.version, "5.2");
    EXPECT_FALSE(options.settings.hasScale());
    EXPECT_EQ(options.settings.trigger, 120);
    EXPECT_EQ(options.settings.distanceTenths, 150);
    EXPECT_DOUBLE_EQ(options.settings.millimetresPerRawStep(), 0.01);
    EXPECT_EQ(options.settings.resetThreshold, "12.5");
    EXPECT_EQ(options.fruit, "kiwi");
    EXPECT_EQ(options.seed, 42u);
    EXPECT_EQ(options.behaviour.start, Behaviour::Start::Button);
    EXPECT_EQ(options.behaviour.startDelay, 10);
    EXPECT_TRUE(options.pacedLine);
    EXPECT_TRUE(options.behaviour.realTiming);
    EXPECT_EQ(options.behaviour.afterStepRatio, Behaviour::AfterStepRatio::Nothing);
    EXPECT_FALSE(options.behaviour.answerIdentification);
    EXPECT_TRUE(options.faults.garbage);
    EXPECT_EQ(options.faults.busy, 2);
    EXPECT_EQ(options.linkPath, "/tmp/x");
    EXPECT_EQ(options.controlPath, "/tmp/c");
    EXPECT_EQ(options.transcriptPath, "/tmp/t");
    EXPECT_TRUE(options.behaviour.keepServing);
}

TEST(Options, RejectsWhatTheInstrumentCannotBe)
{
    const std::vector<std::vector<std::string>> bad{
        {"--trigger", "0"},   {"--trigger", "abc"}, {"--model", "x"},     {"--step-ratio", "0"},  {"--step-ratio", "1e9"},
        {"--fruit", "plum"},  {"--fault", "nope"},  {"--pacing", "slow"}, {"--after-r", "q"},
        {"--start", "later"}, {"--seed", "-1"},     {"--trigger"},        {"--colour", "red"},
        {"stray"},
    };
    for (const auto& arguments : bad)
        EXPECT_THROW(parseOptions(arguments), OptionError) << arguments.front();
}

TEST(Options, HelpNamesEveryFaultAndSetting)
{
    const std::string help = helpText();
    for (const char* word : {"silence", "no-login", "garbage", "split", "coalesce", "bottom-limit", "overload",
                             "busy=N", "startup-error", "overlong", "too-many-samples", "no-trigger",
                             "lose-line=N", "--model", "--step-ratio", "--firmness-ratio", "--control",
                             "--pacing", "--transcript", "--csv", "--seed", "QLX_SERIAL_PORTS"})
        EXPECT_NE(help.find(word), std::string::npos) << word;
}

} // namespace
} // namespace qlx::sim
