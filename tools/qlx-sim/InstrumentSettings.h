#pragma once
// The values the instrument keeps, each under its query letter. Values that
// the PC only shows are kept as the text the instrument sends; values that
// the PC changes with a setting command are numbers with a range the
// instrument accepts (a command outside it is ignored, as a real instrument
// would refuse a value its mechanics cannot do).

#include <optional>
#include <string>
#include <string_view>

namespace qlx::sim {

struct InstrumentSettings {
    std::string version = "7.21";           // V: generation.model; two-digit models have a scale
    std::string calibrationWeight = "1000"; // E: gram
    std::string maxLoad = "14000";          // M: gram
    int trigger = 50;                       // T: gram
    int forwardSpeed = 20;                  // m: mm/s
    int measureSpeed = 10;                  // n: mm/s
    int distanceTenths = 100;               // q: tenths of a millimetre
    int maxDistance = 100;                  // p: mm of probe travel from the top
    std::string gradient = "1.00";          // g
    std::string firmnessRatio = "1000";     // H: raw force x ratio x 0.001 = gram
    std::string frequency = "2000";         // F: Hz
    std::string stepRatio = "5000";         // R: 1 / (ratio x 0.01) mm per raw deflection unit
    int reverseSpeed = 30;                  // y: mm/s
    std::string weightRatio = "250000000";  // w
    int sensitivity = 5;                    // d
    std::string resetThreshold = "10";      // e: gram
    int reverseIncrement = 10;              // i: mm
    std::string identification = "0";       // I: answer to "?I" (see Behaviour)

    // The value text of a settings reply; nothing for a letter the instrument does not know.
    std::optional<std::string> value(char letter) const;

    // Applies a setting command ("50T", "1000E", "20i"); false when the letter
    // is no setting or the number is missing or out of range.
    bool apply(char letter, std::string_view number);

    // Sets any value by its letter from the command line, checked like apply
    // for the changeable ones; false for an unknown letter or a bad number.
    bool preset(char letter, std::string_view text);

    int generation() const;
    // The model part of the version has two digits: the model with a scale.
    bool hasScale() const;

    double gramsPerRawForce() const;     // firmness ratio x 0.001
    double millimetresPerRawStep() const; // 1 / (step ratio x 0.01)
    double distanceMillimetres() const { return distanceTenths * 0.1; }
};

} // namespace qlx::sim
