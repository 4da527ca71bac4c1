#include "cli/options.h"

#include <getopt.h>

#include <charconv>
#include <cstring>

#include "base/hex_digits.h"
#include "shell/program_docs.h"

namespace zentra::cli {

namespace {

// Values of the long options that have no short form.
enum LongOnly : int {
    kPrecision = 256,
    kLoops,
    kRadian,
    kDegree,
    kHex,
    kMonitor,
    kCsv,
    kGraph,
    kGraphSize,
};

constexpr char kShortOptions[] = ":p:a:e:d:l:hV";  // ':' first: a missing value returns ':'

const option kLongOptions[] = {
    {"program", required_argument, nullptr, 'p'},
    {"params", required_argument, nullptr, 'a'},
    {"line", required_argument, nullptr, 'e'},
    {"define", required_argument, nullptr, 'd'},
    {"library", required_argument, nullptr, 'l'},
    {"precision", required_argument, nullptr, kPrecision},
    {"loops", required_argument, nullptr, kLoops},
    {"radian", no_argument, nullptr, kRadian},
    {"degree", no_argument, nullptr, kDegree},
    {"hex", no_argument, nullptr, kHex},
    {"monitor", required_argument, nullptr, kMonitor},
    {"csv", required_argument, nullptr, kCsv},
    {"graph", required_argument, nullptr, kGraph},
    {"graph-size", required_argument, nullptr, kGraphSize},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
};

bool parseInt(const char* text, int& value) {
    const char* last = text + std::strlen(text);
    const auto [end, ec] = std::from_chars(text, last, value);
    return text != last && ec == std::errc{} && end == last;
}

// The name an option value stands for, as the user wrote its kind: "-p"
// for a short option, "--program" for a long one.
std::string optionName(int value, bool typedLong) {
    if (typedLong || value >= kPrecision) {
        for (const option* o = kLongOptions; o->name; ++o) {
            if (o->val == value) return std::string("--") + o->name;
        }
    }
    return std::string("-") + static_cast<char>(value);
}

// How many long names begin with what a "--na" or "--name=value" word typed
// (an exact name counts as one).
int longMatches(std::string_view word) {
    const std::string_view typed = word.substr(2, word.find('=') - 2);
    int matches = 0;
    for (const option* o = kLongOptions; o->name; ++o) {
        if (std::string_view(o->name) == typed) return 1;
        if (std::string_view(o->name).starts_with(typed)) ++matches;
    }
    return matches;
}

bool takesNoValue(int value) {
    for (const option* o = kLongOptions; o->name; ++o) {
        if (o->val == value) return o->has_arg == no_argument;
    }
    return false;
}

// The one-line message for what getopt_long refused (code '?' or ':').
// A value can only be missing after the last word; an unknown or ambiguous
// long option leaves optopt 0 and optind just past its word; "--help=x"
// leaves the option's value in optopt, which no unknown letter can equal.
std::string refusal(int code, int argc, char* const* argv) {
    if (code == ':') {
        return "option " + optionName(optopt, std::string_view(argv[argc - 1]).starts_with("--")) + " needs a value";
    }
    if (optopt == 0) {
        const std::string_view word = argv[optind - 1];
        const std::string name(word.substr(0, word.find('=')));
        return longMatches(word) > 1 ? "option " + name + " is ambiguous" : "unknown option " + name;
    }
    if (takesNoValue(optopt)) return "option " + optionName(optopt, true) + " takes no value";
    const auto letter = static_cast<unsigned char>(optopt);
    if (letter > ' ' && letter < 0x7F) return "unknown option -" + std::string(1, static_cast<char>(letter));
    return "unknown option -" + escapedByte(letter);
}

}  // namespace

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error) {
    // getopt_long permutes the pointers, so it gets its own copies.
    std::vector<std::string> words{"zentra-cli"};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(words.size());

    Options o;
    optind = 0;  // a full restart of getopt's own state for every parse
    opterr = 0;
    for (;;) {
        int longIndex = -1;
        const int code = getopt_long(argc, argv.data(), kShortOptions, kLongOptions, &longIndex);
        if (code == -1) break;
        auto number = [&](std::optional<int>& out) {
            int n = 0;
            if (!parseInt(optarg, n)) {
                error = "option " + optionName(code, longIndex >= 0) + " needs a whole number, not '" + optarg + "'";
                return false;
            }
            out = n;
            return true;
        };
        bool ok = true;
        switch (code) {
            case 'p': o.programFile = optarg; break;
            case 'a': o.parameterFile = optarg; break;
            case 'e': o.programLines.emplace_back(optarg); break;
            case 'd': o.parameterLines.emplace_back(optarg); break;
            case 'l': o.libraries.emplace_back(optarg); break;
            case kPrecision: ok = number(o.precision); break;
            case kLoops: ok = number(o.loops); break;
            case kRadian: o.radian = 1; break;
            case kDegree: o.radian = 0; break;
            case kHex: o.hex = true; break;
            case kMonitor: o.monitorFile = optarg; break;
            case kCsv: o.csvFile = optarg; break;
            case kGraph:
                o.graphFile = optarg;
                if (!graphFormatOf(optarg)) {
                    error = std::string("option --graph needs a file name ending in .png or .svg, not '") + optarg +
                            "'";
                    ok = false;
                }
                break;
            case kGraphSize:
                o.graphSize = parseGraphSize(optarg, error);
                ok = o.graphSize.has_value();
                break;
            case 'h': o.help = true; break;
            case 'V': o.version = true; break;
            default:
                error = refusal(code, argc, argv.data());
                return std::nullopt;
        }
        if (!ok) return std::nullopt;
    }
    for (int i = optind; i < argc; ++i) {
        if (!o.document.empty()) {
            error = "only one document may be given";
            return std::nullopt;
        }
        o.document = argv[i];
    }
    if (o.graphSize && !o.graphFile) {
        error = "option --graph-size needs --graph";
        return std::nullopt;
    }
    int fromStandardInput = 0;
    for (const std::string* input : {&o.document, &o.programFile, &o.parameterFile}) {
        if (*input == "-") ++fromStandardInput;
    }
    if (fromStandardInput > 1) {
        error = "standard input can hold only one of DOCUMENT, --program and --params";
        return std::nullopt;
    }
    return o;
}

ProgramSource programSource(const Options& o, bool standardInputIsTerminal) {
    if (!o.document.empty() || !o.programFile.empty() || !o.programLines.empty()) return ProgramSource::Given;
    // Standard input already holding the parameter area leaves nothing to run.
    if (standardInputIsTerminal || o.parameterFile == "-") return ProgramSource::Usage;
    return ProgramSource::StandardInput;
}

std::string usageText() { return helpText(zentraCliDoc()); }

std::vector<std::string> longOptionNames() {
    std::vector<std::string> names;
    for (const option* o = kLongOptions; o->name; ++o) names.emplace_back(o->name);
    return names;
}

}  // namespace zentra::cli
