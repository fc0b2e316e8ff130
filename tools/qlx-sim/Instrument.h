#pragma once
// The instrument's side of the wire protocol as a state machine without any
// input or output of its own: bytes from the PC go in with the time they
// arrived, and the messages the instrument sends come out when their time
// has come. The server loop and the tests drive it.

#include "tools/qlx-sim/Behaviour.h"
#include "tools/qlx-sim/CommandParser.h"
#include "tools/qlx-sim/Faults.h"
#include "tools/qlx-sim/FruitModel.h"
#include "tools/qlx-sim/InstrumentSettings.h"
#include "tools/qlx-sim/Random.h"
#include "tools/qlx-sim/SimTime.h"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qlx::sim {

// Bits of the status reply "@".
namespace StatusBit {
constexpr int Ready = 64; // green lamp
constexpr int Bottom = 32;
constexpr int Top = 16;
constexpr int Fault = 8;  // red lamp
constexpr int Moving = 4; // blue lamp
} // namespace StatusBit

// How a reading is taken with the given settings.
ReadingPlan readingPlan(const InstrumentSettings& settings);

class Instrument {
public:
    static constexpr const char* LoginCode = "70836";
    static constexpr const char* Acknowledgement = "60382";
    static constexpr Millis FeedPeriod = 200; // "H" readings of the calibration check

    Instrument(InstrumentSettings settings, Behaviour behaviour, Faults faults,
               std::shared_ptr<const FruitSource> fruits, std::uint64_t seed);

    void receive(std::string_view bytes, Millis now);
    // The start button: starts an armed reading.
    void pressButton(Millis now);
    // The EFM switch: completes a waiting EFM calibration step.
    void pushEfmSwitch(Millis now);

    // The messages whose time has come, in the order they are sent.
    std::vector<std::string> takeDue(Millis now);
    std::optional<Millis> nextDue() const;

    bool ended() const { return ended_; }       // "ou" without keep-serving
    bool lineLost() const { return lineLost_; } // the lose-line fault has struck
    bool poweredOff() const { return poweredOff_; }
    int readingsDone() const { return readingsDone_; }
    int droppedCommands() const { return parser_.dropped(); }
    const InstrumentSettings& settings() const { return settings_; }


private:
    enum class Activity { Idle, Armed, Reading, Saving, ProbeCalibration, ScaleCalibration, MassRatio, Efm, CheckFeed };

    struct Step {
        Millis at = 0;
        std::string message;
        int job = 0; // 0: a reply that no stop cancels
        std::function<void(Millis)> then;
    };

    void execute(const Command& command, Millis now);
    void answerQuery(char letter, Millis now);
    void login(const std::string& code, Millis now);
    void stop(Millis now);
    bool refusedAsBusy(Millis now);
    void arm(char kind, Millis now);
    void startReading(Millis now);
    void runProgress(Activity activity, char kind, int last, int stepSize, Millis interval, Millis now);
    void awaitEfmSwitch(char reply, Millis now);
    void feedCheckReading(Millis now);
    void finishReading(Millis now);

    int beginJob(Activity activity);
    void cancelJob(); // drops the messages the current operation has yet to send
    void endJob();
    void send(Millis at, std::string message, int job = 0, std::function<void(Millis)> then = {});
    Millis delay(Millis realMillis) const { return behaviour_.realTiming ? realMillis : 0; }
    std::string status(int bits) const;

    InstrumentSettings settings_;
    Behaviour behaviour_;
    Faults faults_;
    std::shared_ptr<const FruitSource> fruits_;
    Random noise_;
    CommandParser parser_;
    std::deque<Step> steps_;

    Activity activity_ = Activity::Idle;
    int job_ = 0;
    int lastJob_ = 0;
    bool withMass_ = false;   // the armed reading is "l" on a model with a scale
    char efmReply_ = 0;       // the EFM step waiting for the switch
    int fruitIndex_ = 0;      // the fruit on the stage
    int readingsDone_ = 0;
    bool ended_ = false;
    bool lineLost_ = false;
    bool poweredOff_ = false;
};

} // namespace qlx::sim
