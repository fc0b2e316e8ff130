#include "tools/qlx-sim/FruitModel.h"

#include <charconv>
#include <fstream>
#include <stdexcept>

namespace qlx::sim {
namespace {

bool parseLong(std::string_view text, long& value)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

} // namespace

std::vector<RawSample> readSampleCsv(const std::string& path)
{
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("cannot read the sample file " + path);
    std::vector<RawSample> samples;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        const auto firstChar = line.find_first_not_of(" \t\r");
        if (firstChar == std::string::npos || line[firstChar] == '#')
            continue;
        const auto comma = line.find(',');
        RawSample sample;
        const bool ok = comma != std::string::npos
            && parseLong(std::string_view(line).substr(0, comma), sample.force)
            && parseLong(std::string_view(line).substr(comma + 1), sample.deflection);
        if (!ok) {
            if (samples.empty() && line.find_first_of("0123456789") == std::string::npos)
                continue; // a header such as "force,deflection"
            throw std::runtime_error(path + ":" + std::to_string(number) + ": expected \"force,deflection\" in raw units");
        }
        if (sample.force < 1)
            throw std::runtime_error(path + ":" + std::to_string(number) + ": the raw force must be at least 1");
        samples.push_back(sample);
    }
    if (samples.empty())
        throw std::runtime_error("no samples in " + path);
    return samples;
}

Fruit RecordedFruit::fruit(int) const
{
    Fruit fruit;
    fruit.size = Size;
    fruit.mass = Mass;
    return fruit;
}

Reading RecordedFruit::measure(const ReadingPlan& plan, int) const
{
    Reading reading;
    reading.size = Size;
    reading.mass = Mass;
    reading.samples = samples_;
    for (const RawSample& sample : samples_) {
        if (sample.force * plan.gramsPerRawForce >= plan.triggerGrams) {
            reading.trigger = sample.deflection;
            return reading;
        }
    }
    reading.bottomReached = true;
    return reading;
}

} // namespace qlx::sim
