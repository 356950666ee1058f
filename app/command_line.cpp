#include "app/command_line.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "logic/colour_models.h"
#include "language/translation.h"
#include "logic/controls.h"
#include "logic/controls_text.h"
#include "logic/depth_range.h"

#ifndef MARIVANE_VERSION
#error "the build passes MARIVANE_VERSION"
#endif

namespace {

// The options for starting a lesson, as --help lists them.
struct StartOption {
    const char* name;
    const char* value;  // what follows "=" (or the next argument), or nullptr
    const char* what;
};

constexpr const char* waterOption = "--water";
constexpr const char* depthOption = "--depth";
constexpr const char* torchOption = "--torch";
constexpr const char* chartOption = "--chart";
constexpr const char* fullScreenOption = "--fullscreen";

inline constexpr StartOption startOptions[] = {
    {waterOption, "simple|clear|open|coastal", N_("start with this colour model (F3)")},
    {depthOption, "N", N_("start at this depth (%g..%g m in the waters, %g..%g under the simple rule)")},
    {torchOption, nullptr, N_("start with the diver's torch on (F6)")},
    {chartOption, nullptr, N_("start with the colour chart shown (F4)")},
    {fullScreenOption, nullptr, N_("start in full screen (F11)")},
};

// What the user is told on a bad command line; each names what it was given
// and ends by pointing to --help.
constexpr const char* unknownOptionText = N_("marivane: unknown option '%s'; see marivane --help");
constexpr const char* strayArgumentText = N_("marivane: unexpected argument '%s'; see marivane --help");
constexpr const char* missingValueText = N_("marivane: %s needs a value; see marivane --help");
constexpr const char* unneededValueText = N_("marivane: %s takes no value, but was given '%s'; see marivane --help");
constexpr const char* badWaterText =
    N_("marivane: --water takes simple, clear, open or coastal, not '%s'; see marivane --help");
constexpr const char* badDepthText =
    N_("marivane: --depth takes a number from %g to %g with --water=%s, not '%s'; see marivane --help");

void printUsage()
{
    std::fputs(tr("Usage: marivane [options]\n"
                  "Shows how daylight loses its colours as a diver descends.\n"),
               stdout);
    std::printf("\n%s\n", tr("Options:"));
    std::printf("  %-20s %s\n", "-h, --help", tr("print this text and exit"));
    std::printf("  %-20s %s\n", "--version", tr("print the version and exit"));
    for (const StartOption& option : startOptions) {
        const std::string form = option.value ? std::string(option.name) + "=" + option.value : option.name;
        const std::string what = formatted(tr(option.what), static_cast<double>(measuredDepths.shallowest),
                                           static_cast<double>(measuredDepths.deepest),
                                           static_cast<double>(simpleRuleDepths.shallowest),
                                           static_cast<double>(simpleRuleDepths.deepest));
        // A long form has its words on the next line, under the others'.
        if (form.size() > 20)
            std::printf("  %s\n  %-20s %s\n", form.c_str(), "", what.c_str());
        else
            std::printf("  %-20s %s\n", form.c_str(), what.c_str());
    }
    // TRANSLATORS: a heading before its list ("Controls:").
    std::printf("\n%s\n", formatted(tr("%s:"), tr(controlsTitle)).c_str());
    std::fputs(controlsListing(tr).c_str(), stdout);
    std::fputs("\n", stdout);
    std::fputs(tr("Each asset is read from the working directory, or else from\n"
                  "<folder of the program>/../share/marivane/.\n"
                  "See marivane(6).\n"),
               stdout);
}

// The colour model a --water word names, or -1.
int modelNamed(std::string_view word)
{
    for (int model = 0; model < colourModelCount(); ++model)
        if (word == colourModelKeyword(model))
            return model;
    return -1;
}

// A finite number and nothing else; false otherwise.
bool readNumber(const std::string& text, float& number)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value))
        return false;
    number = static_cast<float>(value);
    return true;
}

// The option of that name; nullptr for none.
const StartOption* findOption(std::string_view name)
{
    for (const StartOption& option : startOptions)
        if (name == option.name)
            return &option;
    return nullptr;
}

}  // namespace

CommandLine readCommandLine(int argc, char** argv)
{
    CommandLine line;
    if (printInformationRequested(argc, argv)) {
        line.action = CommandLineAction::printed;
        return line;
    }
    auto misuse = [&line](std::string problem) {
        line.action = CommandLineAction::misuse;
        line.problem = std::move(problem);
        return line;
    };
    std::string depthText;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("-", 0) != 0)
            return misuse(formatted(tr(strayArgumentText), argument.c_str()));
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const StartOption* option = findOption(name);
        if (option == nullptr)
            return misuse(formatted(tr(unknownOptionText), argument.c_str()));
        const bool takesValue = option->value != nullptr;
        std::string value;
        if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
            if (!takesValue)
                return misuse(formatted(tr(unneededValueText), name.c_str(), value.c_str()));
        } else if (takesValue) {
            // "--water clear" as well as "--water=clear".
            if (i + 1 >= argc)
                return misuse(formatted(tr(missingValueText), name.c_str()));
            value = argv[++i];
        }
        if (name == waterOption) {
            const int model = modelNamed(value);
            if (model < 0)
                return misuse(formatted(tr(badWaterText), value.c_str()));
            line.start.colourModel = model;
        } else if (name == depthOption) {
            depthText = value;
            line.start.depthGiven = true;
        } else if (name == torchOption) {
            line.start.torchOn = true;
        } else if (name == chartOption) {
            line.start.chartShown = true;
        } else if (name == fullScreenOption) {
            line.start.fullScreen = true;
        }
    }
    // The depth is checked against the model's range once the whole line is
    // read, so "--depth=5 --water=clear" is the same as the other order.
    if (line.start.depthGiven) {
        const DepthRange range = modelDepthRange(line.start.colourModel);
        float number = 0.0f;
        if (!readNumber(depthText, number) || number < range.shallowest || number > range.deepest)
            return misuse(formatted(tr(badDepthText), static_cast<double>(range.shallowest),
                                    static_cast<double>(range.deepest), colourModelKeyword(line.start.colourModel),
                                    depthText.c_str()));
        line.start.depth = number;
    }
    return line;
}

bool printInformationRequested(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            printUsage();
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("marivane %s\n", MARIVANE_VERSION);
            return true;
        }
    }
    return false;
}
