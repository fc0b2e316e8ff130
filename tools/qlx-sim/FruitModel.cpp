#include "tools/qlx-sim/FruitModel.h"

#include "tools/qlx-sim/Random.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>

namespace qlx::sim {
namespace {

// Typical readings with an 11 mm probe: a firm apple yields near 7 kg, a ripe
// tomato near 1 kg and barely ruptures.
const std::array<FruitProfile, 4> Profiles{{
    {"apple", 7000, 3200, 0.5, 0.25, 0.4, -80, 0.03, 0.12, 75, 180},
    {"pear", 4500, 2400, 0.5, 0.30, 0.4, -60, 0.04, 0.15, 68, 200},
    {"kiwi", 2500, 1500, 0.6, 0.35, 0.5, -40, 0.05, 0.20, 52, 95},
    {"tomato", 1200, 600, 0.8, 0.08, 0.8, 30, 0.02, 0.15, 62, 130},
}};

// Load-cell noise: a floor and a share of the load.
constexpr double NoiseFloorGrams = 2.0;
constexpr double NoiseShare = 0.002;
// How strongly the flesh's unevenness at one step carries to the next.
constexpr double RoughnessMemory = 0.8;

double riseAt(const Fruit& fruit, double depth)
{
    return fruit.stiffness * (depth - fruit.toe * (1.0 - std::exp(-depth / fruit.toe)));
}

double positiveDraw(Random& random, double mean, double relativeSd)
{
    return std::max(mean * 0.2, random.normal(mean, mean * relativeSd));
}

} // namespace

const FruitProfile* findProfile(std::string_view name)
{
    for (const auto& profile : Profiles)
        if (profile.name == name)
            return &profile;
    return nullptr;
}

std::string profileNames()
{
    std::string names;
    for (const auto& profile : Profiles)
        names += (names.empty() ? "" : ", ") + profile.name;
    return names;
}

double Fruit::forceAt(double depth) const
{
    if (depth <= 0)
        return 0;
    if (depth <= yieldDepth)
        return riseAt(*this, depth);
    const double past = depth - yieldDepth;
    const double force = yieldForce * (1.0 - rupture * (1.0 - std::exp(-past / ruptureWidth))) + plateauSlope * past;
    return std::max(0.0, force);
}

Fruit drawFruit(const FruitProfile& profile, Random& random)
{
    Fruit fruit;
    fruit.yieldForce = positiveDraw(random, profile.yieldForce, profile.variation);
    fruit.stiffness = positiveDraw(random, profile.stiffness, profile.variation);
    fruit.toe = positiveDraw(random, profile.toe, profile.variation);
    fruit.rupture = std::clamp(random.normal(profile.rupture, profile.rupture * profile.variation), 0.0, 0.9);
    fruit.ruptureWidth = positiveDraw(random, profile.ruptureWidth, profile.variation);
    fruit.plateauSlope = random.normal(profile.plateauSlope, std::abs(profile.plateauSlope) * profile.variation);
    fruit.roughness = profile.roughness;
    fruit.size = positiveDraw(random, profile.size, 0.07);
    fruit.mass = positiveDraw(random, profile.mass, 0.14);
    // The rise grows without bound, so bisection finds the yield depth.
    double low = 0, high = 1;
    while (riseAt(fruit, high) < fruit.yieldForce)
        high *= 2;
    for (int i = 0; i < 60; ++i) {
        const double middle = (low + high) / 2;
        (riseAt(fruit, middle) < fruit.yieldForce ? low : high) = middle;
    }
    fruit.yieldDepth = high;
    return fruit;
}

Fruit ProfileFruits::fruit(int index) const
{
    Random random(seed_, static_cast<std::uint64_t>(index));
    return drawFruit(profile_, random);
}

Reading ProfileFruits::measure(const ReadingPlan& plan, int index) const
{
    Random random(seed_, static_cast<std::uint64_t>(index));
    const Fruit body = drawFruit(profile_, random);
    Reading reading;
    reading.size = body.size;
    reading.mass = body.mass;

    const double step = plan.millimetresPerStep;
    // The fruit sits on the stage; its top is `size` below the bottom limit.
    const double contact = std::max(2.0, plan.travelMillimetres - body.size);
    const long bottomStep = static_cast<long>(plan.travelMillimetres / step);
    const long distanceSteps = std::max(1L, std::lround(plan.distanceMillimetres / step));
    long position = std::max(0L, static_cast<long>(contact / step) - 2L * plan.preTriggerSamples);

    std::deque<RawSample> before; // the instrument's ring of samples before the trigger
    double unevenness = 0;
    std::optional<long> end;
    for (; position <= bottomStep; ++position) {
        const double depth = position * step - contact;
        double grams = body.forceAt(depth);
        if (depth > body.yieldDepth) {
            unevenness = RoughnessMemory * unevenness
                + random.normal(0, body.roughness * body.yieldForce * (1 - RoughnessMemory));
            grams = std::max(0.0, grams + unevenness);
        }
        grams += random.normal(0, NoiseFloorGrams + NoiseShare * grams);
        const RawSample sample{std::max(1L, std::lround(grams / plan.gramsPerRawForce)), position};
        // The instrument judges the load as it measured it, in raw units.
        const double measured = static_cast<double>(sample.force) * plan.gramsPerRawForce;

        if (!reading.trigger) {
            if (measured < plan.triggerGrams) {
                before.push_back(sample);
                if (before.size() > static_cast<std::size_t>(plan.preTriggerSamples))
                    before.pop_front();
                continue;
            }
            reading.trigger = position;
            reading.samples.assign(before.begin(), before.end());
            end = position + distanceSteps;
        }
        reading.samples.push_back(sample);
        if (measured > plan.maxLoadGrams) {
            reading.overloaded = true;
            return reading;
        }
        if (position >= *end)
            return reading;
    }
    reading.bottomReached = true;
    return reading;
}

} // namespace qlx::sim
