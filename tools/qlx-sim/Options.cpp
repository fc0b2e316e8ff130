#include "tools/qlx-sim/Options.h"

#include "tools/qlx-sim/FruitModel.h"

#include <array>
#include <charconv>

namespace qlx::sim {
namespace {

struct SettingOption {
    const char* name;
    char letter;
    const char* help;
};

const std::array<SettingOption, 18> SettingOptions{{
    {"model", 'V', "\"?V\": 7.21 has a scale, 5.2 has none"},
    {"calibration-weight", 'E', "gram"},
    {"max-load", 'M', "gram; a reading stops with \"O#\" above it"},
    {"trigger", 'T', "trigger threshold, gram"},
    {"forward-speed", 'm', "mm/s"},
    {"measure-speed", 'n', "mm/s"},
    {"reverse-speed", 'y', "mm/s"},
    {"distance", 'q', "measure distance in tenths of a millimetre"},
    {"max-distance", 'p', "mm of probe travel to the bottom limit"},
    {"gradient", 'g', "text"},
    {"firmness-ratio", 'H', "g a raw unit = ratio x 0.001; 1 to 1e6"},
    {"frequency", 'F', "Hz"},
    {"step-ratio", 'R', "mm a raw step = 1 / (ratio x 0.01); 10 to 1e5"},
    {"weight-ratio", 'w', "scale weight ratio"},
    {"sensitivity", 'd', "scale sensitivity, 1 to 10"},
    {"reset-threshold", 'e', "scale reset threshold, gram"},
    {"reverse-increment", 'i', "mm"},
    {"identification", 'I', "the answer to \"?I\""},
}};

std::uint64_t unsignedNumber(const std::string& name, const std::string& text)
{
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        throw OptionError("--" + name + " needs a whole number, not \"" + text + "\"");
    return value;
}

} // namespace

Options parseOptions(const std::vector<std::string>& arguments)
{
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
            continue;
        }
        if (argument.rfind("--", 0) != 0)
            throw OptionError("unexpected argument \"" + argument + "\"");
        std::string name = argument.substr(2);
        std::string value;
        const bool flag = name == "keep-serving";
        if (const auto equals = name.find('='); equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        } else if (!flag) {
            if (i + 1 >= arguments.size())
                throw OptionError("--" + name + " needs a value");
            value = arguments[++i];
        }

        bool known = true;
        if (name == "keep-serving") {
            options.behaviour.keepServing = true;
        } else if (name == "fruit") {
            if (!findProfile(value))
                throw OptionError("unknown fruit \"" + value + "\"; choose one of " + profileNames());
            options.fruit = value;
        } else if (name == "csv") {
            options.csvPath = value;
        } else if (name == "seed") {
            options.seed = unsignedNumber(name, value);
        } else if (name == "link") {
            options.linkPath = value;
        } else if (name == "control") {
            options.controlPath = value;
        } else if (name == "transcript") {
            options.transcriptPath = value;
        } else if (name == "start") {
            if (value != "auto" && value != "button")
                throw OptionError("--start is auto or button");
            options.behaviour.start = value == "auto" ? Behaviour::Start::Automatic : Behaviour::Start::Button;
        } else if (name == "start-delay") {
            options.behaviour.startDelay = static_cast<Millis>(unsignedNumber(name, value));
        } else if (name == "pacing") {
            if (value != "fast" && value != "9600" && value != "real")
                throw OptionError("--pacing is fast, 9600 or real");
            options.pacedLine = value != "fast";
            options.behaviour.realTiming = value == "real";
        } else if (name == "after-r") {
            using After = Behaviour::AfterStepRatio;
            if (value == "y")
                options.behaviour.afterStepRatio = After::ReverseSpeed;
            else if (value == "V")
                options.behaviour.afterStepRatio = After::Version;
            else if (value == "none")
                options.behaviour.afterStepRatio = After::Nothing;
            else
                throw OptionError("--after-r is y, V or none");
        } else if (name == "answer-i") {
            if (value != "reply" && value != "none")
                throw OptionError("--answer-i is reply or none");
            options.behaviour.answerIdentification = value == "reply";
        } else if (name == "fault") {
            if (!enableFault(options.faults, value))
                throw OptionError("unknown fault \"" + value + "\"; see --help");
        } else {
            known = false;
            for (const auto& setting : SettingOptions) {
                if (name != setting.name)
                    continue;
                known = true;
                if (!options.settings.preset(setting.letter, value))
                    throw OptionError("--" + name + ": \"" + value + "\" is not a value the instrument takes");
            }
        }
        if (!known)
            throw OptionError("unknown option --" + name);
    }
    return options;
}

std::string helpText()
{
    const InstrumentSettings defaults;
    std::string text =
        "Usage: qlx-sim [options]\n"
        "\n"
        "A virtual QLX firmness tester on a pseudo-terminal. It prints the\n"
        "terminal's device path as its first line and serves the wire protocol\n"
        "until it is stopped (Ctrl-C) or the PC sends \"ou\". Point the driver at it:\n"
        "\n"
        "  export QLX_SERIAL_PORTS=<the path>   before starting the workbench,\n"
        "                                       then pick that port under SETUP\n"
        "\n"
        "Line and control:\n"
        "  --link PATH           also make PATH a symbolic link to the terminal\n"
        "  --control PATH        named pipe for the instrument's buttons: write a line\n"
        "                        \"press\" (start button), \"efm\" (EFM switch) or \"quit\"\n"
        "  --start auto|button   an armed reading (\"r\", \"t\", \"l\") starts by itself\n"
        "                        after --start-delay, or when \"press\" arrives (auto)\n"
        "  --start-delay MS      50; also the time after which the EFM switch is\n"
        "                        pushed by itself in auto mode\n"
        "  --pacing fast|9600|real  fast: every byte at once (default); 9600: bytes at\n"
        "                        9600 baud; real: 9600 baud and the probe's real travel\n"
        "                        times, calibration phases and saving\n"
        "  --transcript PATH     write every byte in and out with time stamps\n"
        "  --keep-serving        \"ou\" logs the PC out; the instrument waits for the\n"
        "                        next login instead of ending\n"
        "\n"
        "Open points of the protocol:\n"
        "  --after-r y|V|none    after the step-ratio reply \"R\" send the reverse-speed\n"
        "                        reply (y, default), the version reply (V) or nothing\n"
        "  --answer-i reply|none answer \"?I\" with a settings reply (default) or not\n"
        "\n"
        "The fruit:\n"
        "  --fruit NAME          one of " + profileNames() + " (apple)\n"
        "  --csv PATH            send these raw samples (\"force,deflection\" per line)\n"
        "                        for every reading; the trigger is the first sample\n"
        "                        at or above the trigger threshold\n"
        "  --seed N              seed of the fruits' variation and noise (1)\n"
        "\n"
        "Instrument settings (the values \"?\" queries report; defaults in brackets):\n";
    for (const auto& setting : SettingOptions) {
        std::string line = std::string("  --") + setting.name + " V";
        line.resize(std::max<std::size_t>(line.size() + 1, 25), ' ');
        text += line + setting.help + " [" + *defaults.value(setting.letter) + "]\n";
    }
    text += "\nFaults (--fault NAME, repeatable):\n" + faultHelp();
    return text;
}

} // namespace qlx::sim
