#include "tools/qlx-sim/InstrumentSettings.h"

#include <charconv>
#include <cstdlib>

namespace qlx::sim {
namespace {

std::optional<int> wholeNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> decimalNumber(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    const std::string copy(text);
    char* end = nullptr;
    const double value = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size())
        return std::nullopt;
    return value;
}

bool setInRange(int& field, std::string_view number, int low, int high)
{
    const auto value = wholeNumber(number);
    if (!value || *value < low || *value > high)
        return false;
    field = *value;
    return true;
}

// Numbers of the reply texts: whole numbers stay whole, decimals keep their digits.
bool setTextInRange(std::string& field, std::string_view number, double low, double high)
{
    const auto value = decimalNumber(number);
    if (!value || *value < low || *value > high)
        return false;
    field = std::string(number);
    return true;
}

double positiveOr(std::string_view text, double fallback)
{
    const auto value = decimalNumber(text);
    return value && *value > 0 ? *value : fallback;
}

} // namespace

std::optional<std::string> InstrumentSettings::value(char letter) const
{
    switch (letter) {
    case 'E': return calibrationWeight;
    case 'M': return maxLoad;
    case 'T': return std::to_string(trigger);
    case 'm': return std::to_string(forwardSpeed);
    case 'n': return std::to_string(measureSpeed);
    case 'q': return std::to_string(distanceTenths);
    case 'p': return std::to_string(maxDistance);
    case 'g': return gradient;
    case 'H': return firmnessRatio;
    case 'F': return frequency;
    case 'R': return stepRatio;
    case 'y': return std::to_string(reverseSpeed);
    case 'V': return version;
    case 'w': return weightRatio;
    case 'd': return std::to_string(sensitivity);
    case 'e': return resetThreshold;
    case 'i': return std::to_string(reverseIncrement);
    case 'I': return identification;
    default: return std::nullopt;
    }
}

bool InstrumentSettings::apply(char letter, std::string_view number)
{
    switch (letter) {
    case 'T': return setInRange(trigger, number, 10, 1000);
    case 'm': return setInRange(forwardSpeed, number, 1, 50);
    case 'y': return setInRange(reverseSpeed, number, 1, 50);
    case 'n': return setInRange(measureSpeed, number, 1, 50);
    case 'q': return setInRange(distanceTenths, number, 1, 400);
    case 'd': return setInRange(sensitivity, number, 1, 10);
    case 'e': return setTextInRange(resetThreshold, number, 1, 100);
    case 'i': return setInRange(reverseIncrement, number, 1, 50);
    case 'E': return setTextInRange(calibrationWeight, number, 1, 100000);
    default: return false;
    }
}

bool InstrumentSettings::preset(char letter, std::string_view text)
{
    switch (letter) {
    case 'M': return setTextInRange(maxLoad, text, 1, 1e6);
    case 'p': return setInRange(maxDistance, text, 1, 1000);
    case 'g': gradient = text; return !text.empty();
    // The ratios bound how many raw units a reading spans: 0.001 to 1 mm a step.
    case 'H': return setTextInRange(firmnessRatio, text, 1, 1e6);
    case 'F': return setTextInRange(frequency, text, 1e-3, 1e9);
    case 'R': return setTextInRange(stepRatio, text, 10, 1e5);
    case 'w': return setTextInRange(weightRatio, text, 0, 1e18);
    case 'V': version = text; return decimalNumber(text).has_value();
    case 'I': identification = text; return true;
    default: return apply(letter, text);
    }
}

int InstrumentSettings::generation() const
{
    return static_cast<int>(positiveOr(version, 0));
}

bool InstrumentSettings::hasScale() const
{
    const auto point = version.find('.');
    if (point == std::string::npos)
        return false;
    const auto model = wholeNumber(std::string_view(version).substr(point + 1));
    return model && *model >= 10;
}

double InstrumentSettings::gramsPerRawForce() const
{
    return positiveOr(firmnessRatio, 1000) * 0.001;
}

double InstrumentSettings::millimetresPerRawStep() const
{
    return 1.0 / (positiveOr(stepRatio, 5000) * 0.01);
}

} // namespace qlx::sim
