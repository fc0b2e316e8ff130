#include "tools/qlx-sim/Instrument.h"

#include <algorithm>
#include <cstdio>

namespace qlx::sim {
namespace {

std::string withKind(std::string value, char kind)
{
    value += kind;
    value += '#';
    return value;
}

std::string decimal(double value, const char* format)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

bool isOperation(char letter)
{
    return std::string_view("rtlchQGabwkXYB").find(letter) != std::string_view::npos;
}

} // namespace

Instrument::Instrument(InstrumentSettings settings, Behaviour behaviour, Faults faults,
                       std::shared_ptr<const FruitSource> fruits, std::uint64_t seed)
    : settings_(std::move(settings)), behaviour_(behaviour), faults_(faults), fruits_(std::move(fruits)),
      noise_(seed, ~std::uint64_t{0})
{
}

ReadingPlan readingPlan(const InstrumentSettings& settings)
{
    ReadingPlan plan;
    plan.millimetresPerStep = settings.millimetresPerRawStep();
    plan.gramsPerRawForce = settings.gramsPerRawForce();
    plan.triggerGrams = settings.trigger;
    plan.distanceMillimetres = settings.distanceMillimetres();
    plan.travelMillimetres = settings.maxDistance;
    plan.maxLoadGrams = std::strtod(settings.maxLoad.c_str(), nullptr);
    return plan;
}

void Instrument::receive(std::string_view bytes, Millis now)
{
    for (const Command& command : parser_.feed(bytes)) {
        if (faults_.silence || poweredOff_ || ended_)
            return;
        execute(command, now);
    }
}

void Instrument::pressButton(Millis now)
{
    if (activity_ == Activity::Armed && !poweredOff_ && !ended_)
        startReading(now);
}

void Instrument::pushEfmSwitch(Millis now)
{
    if (activity_ != Activity::Efm || poweredOff_ || ended_)
        return;
    send(now, withKind({}, efmReply_), job_);
    endJob();
}

std::vector<std::string> Instrument::takeDue(Millis now)
{
    std::vector<std::string> due;
    while (!steps_.empty() && steps_.front().at <= now) {
        Step step = std::move(steps_.front());
        steps_.pop_front();
        if (!step.message.empty())
            due.push_back(std::move(step.message));
        if (step.then)
            step.then(step.at);
    }
    return due;
}

std::optional<Millis> Instrument::nextDue() const
{
    if (steps_.empty())
        return std::nullopt;
    return steps_.front().at;
}

void Instrument::send(Millis at, std::string message, int job, std::function<void(Millis)> then)
{
    const auto place = std::upper_bound(steps_.begin(), steps_.end(), at,
                                        [](Millis time, const Step& step) { return time < step.at; });
    steps_.insert(place, Step{at, std::move(message), job, std::move(then)});
}

int Instrument::beginJob(Activity activity)
{
    cancelJob(); // a new operation replaces whatever the instrument was doing
    activity_ = activity;
    job_ = ++lastJob_;
    return job_;
}

void Instrument::cancelJob()
{
    if (job_)
        std::erase_if(steps_, [job = job_](const Step& step) { return step.job == job; });
}

void Instrument::endJob()
{
    activity_ = Activity::Idle;
    job_ = 0;
}

std::string Instrument::status(int bits) const
{
    return std::string(1, static_cast<char>(bits)) + "@#";
}

void Instrument::execute(const Command& command, Millis now)
{
    if (command.query) {
        answerQuery(command.letter, now);
        return;
    }
    if (isOperation(command.letter) && refusedAsBusy(now))
        return;
    switch (command.letter) {
    case 'u':
        login(command.number, now);
        return;
    case 'o':
        stop(now);
        return;
    case 'P':
        stop(now);
        poweredOff_ = true;
        steps_.clear();
        return;
    case 'A':
        send(now, "A#");
        return;
    case 'r':
    case 't':
    case 'l':
        arm(command.letter, now);
        return;
    case 'c':
        if (settings_.hasScale())
            send(now + delay(800), withKind(decimal(fruits_->fruit(fruitIndex_).mass, "%.1f"), 'M'));
        return;
    case 'h':
        if (settings_.hasScale())
            send(now + delay(500), "Z#");
        return;
    case 'Y':
    case 'B':
        send(now, status(StatusBit::Ready | StatusBit::Top));
        send(now, withKind({}, command.letter));
        return;
    case 'Q':
        runProgress(Activity::Saving, 'Q', 26, 1, 100, now);
        return;
    case 'G':
        runProgress(Activity::ProbeCalibration, 'G', 500, 50, 500, now);
        return;
    case 'a':
        runProgress(Activity::ScaleCalibration, 'd', 7, 1, 400, now);
        return;
    case 'b':
        runProgress(Activity::MassRatio, 'e', 50, 5, 300, now);
        return;
    case 'w':
        awaitEfmSwitch('W', now);
        return;
    case 'k':
        awaitEfmSwitch('K', now);
        return;
    case 'X':
        beginJob(Activity::CheckFeed);
        feedCheckReading(now);
        return;
    default:
        // Setting commands change what the next settings read reports; the
        // rest ("f", "C", "L", "Z") only move parts the PC does not hear about.
        if (!command.number.empty())
            settings_.apply(command.letter, command.number);
        return;
    }
}

void Instrument::answerQuery(char letter, Millis now)
{
    if (letter == 'I' && !behaviour_.answerIdentification)
        return;
    const auto value = settings_.value(letter);
    if (!value)
        return;
    send(now, *value + letter + "?#");
    if (letter != 'R')
        return;
    if (behaviour_.afterStepRatio == Behaviour::AfterStepRatio::ReverseSpeed)
        send(now, *settings_.value('y') + "y?#");
    else if (behaviour_.afterStepRatio == Behaviour::AfterStepRatio::Version)
        send(now, settings_.version + "V?#");
}

void Instrument::login(const std::string& code, Millis now)
{
    if (code.empty()) { // "ou": the PC leaves
        stop(now);
        if (!behaviour_.keepServing)
            ended_ = true;
        return;
    }
    if (faults_.noLogin)
        return;
    if (code != LoginCode) {
        send(now, "u#");
        return;
    }
    // An instrument that failed to start reports it before it acknowledges.
    if (faults_.startupError) {
        faults_.startupError = false;
        send(now, "9#");
    }
    send(now, withKind(Acknowledgement, 'u'));
    const bool atTop = activity_ != Activity::Reading;
    send(now, status(atTop ? StatusBit::Ready | StatusBit::Top : StatusBit::Moving));
}

bool Instrument::refusedAsBusy(Millis now)
{
    char reply = 0;
    if (faults_.busy) {
        reply = static_cast<char>('0' + faults_.busy);
        faults_.busy = 0;
    } else {
        switch (activity_) {
        case Activity::Reading: reply = '1'; break;
        case Activity::Saving: reply = '2'; break;
        case Activity::ProbeCalibration:
        case Activity::ScaleCalibration: reply = '3'; break;
        case Activity::MassRatio: reply = '4'; break;
        default: break; // idle, armed, waiting for the EFM switch or feeding the check readings
        }
    }
    if (reply)
        send(now, withKind({}, reply));
    return reply != 0;
}

void Instrument::stop(Millis now)
{
    if (activity_ == Activity::Idle || activity_ == Activity::Saving) // a save runs to its end
        return;
    const bool probeMoving = activity_ == Activity::Reading;
    cancelJob();
    endJob();
    if (probeMoving) { // back to the top
        send(now, status(StatusBit::Moving));
        send(now + delay(1000), status(StatusBit::Ready | StatusBit::Top));
    }
}

void Instrument::arm(char kind, Millis now)
{
    stop(now); // arming again replaces an armed reading
    const int job = beginJob(Activity::Armed);
    withMass_ = kind == 'l' && settings_.hasScale();
    if (behaviour_.start == Behaviour::Start::Automatic)
        send(now + behaviour_.startDelay, {}, job, [this](Millis at) { startReading(at); });
}

void Instrument::startReading(Millis now)
{
    const int job = beginJob(Activity::Reading);
    const ReadingPlan plan = readingPlan(settings_);
    Reading reading = fruits_->measure(plan, fruitIndex_);

    // The reading faults strike the first reading only.
    const Faults faults = faults_;
    faults_.overlong = faults_.bottomLimit = faults_.overload = faults_.tooManySamples = faults_.noTrigger = false;

    if (faults.tooManySamples && !reading.samples.empty())
        while (reading.samples.size() < static_cast<std::size_t>(Faults::ManySamples))
            reading.samples.push_back({reading.samples.back().force, reading.samples.back().deflection + 1});
    // Without a trigger, or with the bottom-limit fault, the probe meets the bottom limit.
    const bool bottom = faults.bottomLimit || reading.bottomReached || !reading.trigger || reading.samples.empty();
    const std::size_t sent = faults.bottomLimit ? reading.samples.size() / 3 : reading.samples.size();

    if (faults.overlong) {
        std::string junk(Faults::OverlongLength, ' ');
        for (std::size_t i = 0; i < junk.size(); ++i)
            junk[i] = "0123456789ABCDEFGHJKLMNPRSTUVWXYZ,."[i % 35];
        send(now, junk, job);
    }
    send(now, "i#", job);
    send(now, status(StatusBit::Moving), job);

    const double mm = plan.millimetresPerStep;
    const long first = reading.samples.empty() ? 0 : reading.samples.front().deflection;
    const Millis contactAt = now + delay(first * mm / std::max(1, settings_.forwardSpeed) * 1000);
    Millis at = contactAt;
    for (std::size_t i = 0; i < sent; ++i) {
        const RawSample& sample = reading.samples[i];
        at = contactAt + delay((sample.deflection - first) * mm / std::max(1, settings_.measureSpeed) * 1000);
        send(at, std::to_string(sample.force) + "," + std::to_string(sample.deflection) + "l#", job);
        if (faults.overload && i == reading.samples.size() / 2)
            send(at, "O#", job);
    }
    const long last = sent ? reading.samples[sent - 1].deflection : first;
    const Millis returned = at + delay(last * mm / std::max(1, settings_.reverseSpeed) * 1000);

    if (bottom) {
        send(at, status(StatusBit::Bottom | StatusBit::Fault), job);
        send(at, "X#", job);
        send(at, status(StatusBit::Moving), job);
        send(returned, status(StatusBit::Ready | StatusBit::Top), job, [this](Millis) { endJob(); });
        return;
    }
    if (reading.overloaded)
        send(at, "O#", job);
    const long trigger = faults.noTrigger ? reading.samples.back().deflection + 1 : *reading.trigger;
    send(at, std::to_string(trigger) + "S#", job);
    send(at, status(StatusBit::Moving), job);
    send(returned, status(StatusBit::Ready | StatusBit::Top), job);
    send(returned, withKind(decimal(reading.size, "%.1f"), 'D'), job);
    if (withMass_)
        send(returned + delay(800), withKind(decimal(reading.mass, "%.1f"), 'M'), job);
    send(returned + delay(withMass_ ? 800 : 0), {}, job, [this](Millis at) { finishReading(at); });
}

void Instrument::finishReading(Millis)
{
    endJob();
    ++fruitIndex_;
    ++readingsDone_;
    if (faults_.loseLineAfter > 0 && readingsDone_ >= faults_.loseLineAfter)
        lineLost_ = true;
}

void Instrument::runProgress(Activity activity, char kind, int last, int stepSize, Millis interval, Millis now)
{
    const int job = beginJob(activity);
    Millis at = now;
    for (int value = 0; value <= last; value += stepSize, at += delay(interval))
        send(at, withKind(std::to_string(value), kind), job);
    send(at, {}, job, [this, job](Millis) {
        if (job_ == job)
            endJob();
    });
}

void Instrument::awaitEfmSwitch(char reply, Millis now)
{
    const int job = beginJob(Activity::Efm);
    efmReply_ = reply;
    if (behaviour_.start == Behaviour::Start::Automatic)
        send(now + behaviour_.startDelay, {}, job, [this](Millis at) { pushEfmSwitch(at); });
}

void Instrument::feedCheckReading(Millis now)
{
    // The load cell's reading of the calibration weight, right-aligned as the display shows it.
    const double weight = std::strtod(settings_.calibrationWeight.c_str(), nullptr) + noise_.normal(0, 1.5);
    send(now, withKind(decimal(weight, "%7.1f"), 'H'), job_);
    send(now + FeedPeriod, {}, job_, [this](Millis at) { feedCheckReading(at); });
}

} // namespace qlx::sim
