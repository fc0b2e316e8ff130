#pragma once
// Seeded noise that gives the same numbers on every platform: the standard
// distributions are implementation-defined, so the few we need are built here
// on the portable 64-bit Mersenne Twister.

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <random>

namespace qlx::sim {

class Random {
public:
    // One independent stream per (seed, stream) pair, e.g. one per fruit.
    explicit Random(std::uint64_t seed, std::uint64_t stream = 0)
    {
        std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
                               static_cast<std::uint32_t>(stream), static_cast<std::uint32_t>(stream >> 32)};
        engine_.seed(sequence);
    }

    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

    // Uniform integer in [low, high].
    int between(int low, int high)
    {
        return low + static_cast<int>(uniform() * static_cast<double>(high - low + 1));
    }

    bool chance(double probability) { return uniform() < probability; }

    // Normal by the Box-Muller transform.
    double normal(double mean, double sd)
    {
        const double u1 = 1.0 - uniform(); // (0, 1]
        const double u2 = uniform();
        return mean + sd * std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * 3.14159265358979323846 * u2);
    }

private:
    std::mt19937_64 engine_;
};

} // namespace qlx::sim
