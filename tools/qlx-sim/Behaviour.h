#pragma once
// How the instrument behaves where the wire protocol leaves it open.

#include "tools/qlx-sim/SimTime.h"

namespace qlx::sim {

struct Behaviour {
    // What the instrument sends by itself after the step-ratio reply "R".
    enum class AfterStepRatio { ReverseSpeed, Version, Nothing };
    AfterStepRatio afterStepRatio = AfterStepRatio::ReverseSpeed;

    // Whether "?I" gets a settings reply.
    bool answerIdentification = true;

    // An armed reading starts by itself after startDelay, or when the button is pressed.
    enum class Start { Automatic, Button };
    Start start = Start::Automatic;
    Millis startDelay = 50;

    // Probe travel, calibration phases and saving take their real time;
    // otherwise everything is answered at once.
    bool realTiming = false;

    // "ou" logs the PC out and the instrument waits for the next login;
    // otherwise it ends the simulation.
    bool keepServing = false;
};

} // namespace qlx::sim
