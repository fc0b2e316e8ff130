#pragma once
// The fruit under the probe. A fruit's force-deflection curve has a contact
// toe (the probe's round tip meets the skin), a nearly linear rise, the
// bioyield where the skin ruptures and the force drops, and a rough plateau
// while the probe crushes the flesh. Each fruit of a profile draws its own
// parameters around the profile's means, from a stream seeded by the run's
// seed and the fruit's number, so a run can be repeated exactly.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qlx::sim {

class Random;

struct FruitProfile {
    std::string name;
    double yieldForce;   // gram at the bioyield
    double stiffness;    // gram per mm of the linear rise
    double toe;          // mm over which the contact stiffens
    double rupture;      // share of the yield force lost after the skin breaks
    double ruptureWidth; // mm over which that force is lost
    double plateauSlope; // gram per mm after the rupture
    double roughness;    // share of the yield force: the flesh's unevenness
    double variation;    // relative spread of the force parameters between fruits
    double size;         // mm
    double mass;         // gram
};

const FruitProfile* findProfile(std::string_view name);
std::string profileNames(); // "apple, pear, …" for the help text

struct Fruit {
    double yieldForce = 0, stiffness = 0, toe = 0, rupture = 0, ruptureWidth = 0, plateauSlope = 0;
    double roughness = 0;
    double yieldDepth = 0; // mm at which the rise reaches the yield force
    double size = 0;       // mm
    double mass = 0;       // gram

    // The noiseless force in gram at a depth in mm below the first contact.
    double forceAt(double depth) const;
};

Fruit drawFruit(const FruitProfile& profile, Random& random);

struct RawSample {
    long force = 0;      // raw load-cell units, at least 1
    long deflection = 0; // raw steps of the probe from its top position

    bool operator==(const RawSample&) const = default;
};

// How the instrument is set for a reading.
struct ReadingPlan {
    double millimetresPerStep = 0.02;
    double gramsPerRawForce = 1.0;
    double triggerGrams = 50;
    double distanceMillimetres = 10;  // sampled after the trigger
    double travelMillimetres = 100;   // the bottom limit, from the top
    double maxLoadGrams = 14000;
    int preTriggerSamples = 10;       // kept from before the trigger
};

struct Reading {
    std::vector<RawSample> samples;
    std::optional<long> trigger; // raw deflection of the trigger sample; none: the bottom came first
    bool bottomReached = false;
    bool overloaded = false;     // stopped at the maximum load
    double size = 0;             // mm
    double mass = 0;             // gram
};

class FruitSource {
public:
    virtual ~FruitSource() = default;
    // The size and mass of fruit number `index` (from 0).
    virtual Fruit fruit(int index) const = 0;
    // The reading of fruit number `index`.
    virtual Reading measure(const ReadingPlan& plan, int index) const = 0;
};

// Fruits drawn from a built-in profile.
class ProfileFruits final : public FruitSource {
public:
    ProfileFruits(FruitProfile profile, std::uint64_t seed) : profile_(std::move(profile)), seed_(seed) {}
    Fruit fruit(int index) const override;
    Reading measure(const ReadingPlan& plan, int index) const override;

private:
    FruitProfile profile_;
    std::uint64_t seed_;
};

// Raw samples recorded in a CSV file ("force,deflection" per line), the same for every fruit.
class RecordedFruit final : public FruitSource {
public:
    static constexpr double Size = 70.0;
    static constexpr double Mass = 150.0;

    explicit RecordedFruit(std::vector<RawSample> samples) : samples_(std::move(samples)) {}
    Fruit fruit(int index) const override;
    Reading measure(const ReadingPlan& plan, int index) const override;

private:
    std::vector<RawSample> samples_;
};

// Reads "force,deflection" lines; blank lines, lines starting with "#" and a
// header line are skipped. Throws std::runtime_error naming the bad line.
std::vector<RawSample> readSampleCsv(const std::string& path);

} // namespace qlx::sim
