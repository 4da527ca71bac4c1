#include "cli/options.h"

#include <charconv>

namespace zentra::cli {

namespace {

bool parseInt(const std::string& text, int& value) {
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    return !text.empty() && ec == std::errc{} && end == last;
}

}  // namespace

std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = "option " + a + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        auto number = [&](std::optional<int>& out) {
            std::string text;
            int n = 0;
            if (!value(text)) return false;
            if (!parseInt(text, n)) {
                error = "option " + a + " needs a whole number, not '" + text + "'";
                return false;
            }
            out = n;
            return true;
        };
        std::string text;
        bool ok = true;
        if (a == "-p" || a == "--program") ok = value(o.programFile);
        else if (a == "-a" || a == "--params") ok = value(o.parameterFile);
        else if (a == "-e" || a == "--line") ok = value(text) && (o.programLines.push_back(text), true);
        else if (a == "-d" || a == "--define") ok = value(text) && (o.parameterLines.push_back(text), true);
        else if (a == "-l" || a == "--library") ok = value(text) && (o.libraries.push_back(text), true);
        else if (a == "--precision") ok = number(o.precision);
        else if (a == "--loops") ok = number(o.loops);
        else if (a == "--radian") o.radian = 1;
        else if (a == "--degree") o.radian = 0;
        else if (a == "--hex") o.hex = true;
        else if (a == "--monitor") ok = value(o.monitorFile);
        else if (a == "-h" || a == "--help") o.help = true;
        else if (a == "-V" || a == "--version") o.version = true;
        else if (!a.empty() && a[0] == '-' && a != "-") {
            error = "unknown option " + a;
            return std::nullopt;
        } else if (o.document.empty()) {
            o.document = a;
        } else {
            error = "only one document may be given";
            return std::nullopt;
        }
        if (!ok) return std::nullopt;
    }
    return o;
}

std::string usageText() {
    return "usage: zentra-cli [OPTIONS] [DOCUMENT]\n"
           "Runs one Exec of a Zentra calculation and prints the output area.\n"
           "\n"
           "  DOCUMENT             a calculation document (.qbxsrc)\n"
           "  -p, --program FILE   program area from FILE (\"-\" = standard input)\n"
           "  -a, --params FILE    parameter area from FILE\n"
           "  -e, --line TEXT      append TEXT as a program-area line (repeatable)\n"
           "  -d, --define TEXT    append TEXT as a parameter-area line (repeatable)\n"
           "  -l, --library FILE   add the user functions of a library (.qbxfun)\n"
           "      --precision N    display precision (4..15), default 15\n"
           "      --radian         angles in radians\n"
           "      --degree         angles in degrees (default)\n"
           "      --loops N        loop limit, default 1000\n"
           "      --hex            show the output in hexadecimal after a successful run\n"
           "      --monitor FILE   write the debug monitor's panes to FILE\n"
           "  -h, --help           this text\n"
           "  -V, --version        the version\n"
           "\n"
           "Exit codes: 0 ran, 1 errors in the input, 2 run-time error, 3 undefined\n"
           "identifier, 4 unregistered user functions, 64 bad command line,\n"
           "66 unreadable input file.\n";
}

}  // namespace zentra::cli
