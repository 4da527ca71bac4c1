// Runs every case of tests/cli/cases through zentra-cli and compares its
// standard output, standard error and exit code with what the case expects.
//
// A case file holds sections introduced by lines beginning with "#=":
//   #= args --precision 6        extra command-line arguments (optional; @SRC@ stands
//                                for the source folder, @TMP@ for the case's own
//                                scratch folder; standard input is empty unless
//                                the arguments redirect it)
//   #= stdout-to /dev/full       where standard output goes instead of being compared
//                                (optional; the stdout section is then left out)
//   #= requires graph            run only where zentra-cli has --graph (built with the
//                                desktop application); "requires no-graph": only where
//                                it has not (optional)
//   #= parameters                the parameter area (optional)
//   #= program                   the program area
//   #= library                   a user-function library passed with -l (optional)
//   #= exit 0                    the expected exit code
//   #= stdout                    the expected standard output
//   #= stderr                    the expected standard error (optional: empty when absent)
//   #= file monitor.txt          the expected bytes of the file @TMP@/monitor.txt that the
//                                run wrote (optional, any number of them), with the
//                                case's scratch folder written as @TMP@; each line of
//                                the section ends in a line feed
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

#ifdef ZENTRA_CLI_HAS_GRAPH
constexpr bool kCliHasGraph = true;
#else
constexpr bool kCliHasGraph = false;
#endif

struct Case {
    std::string args;
    std::string stdoutTo;
    std::string needs;  // "graph", "no-graph" or empty
    std::map<std::string, std::string> sections;
    int exitCode = 0;
};

Case readCase(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    Case c;
    std::string line;
    std::string* section = nullptr;
    while (std::getline(in, line)) {
        if (line.rfind("#= ", 0) == 0) {
            const std::string head = line.substr(3);
            if (head.rfind("args", 0) == 0) {
                c.args = head.size() > 5 ? head.substr(5) : "";
                for (auto at = c.args.find("@SRC@"); at != std::string::npos; at = c.args.find("@SRC@")) {
                    c.args.replace(at, 5, ZENTRA_SOURCE_DIR);
                }
                section = nullptr;
            } else if (head.rfind("requires ", 0) == 0) {
                c.needs = head.substr(9);
                section = nullptr;
            } else if (head.rfind("stdout-to ", 0) == 0) {
                c.stdoutTo = head.substr(10);
                section = nullptr;
            } else if (head.rfind("exit", 0) == 0) {
                c.exitCode = std::stoi(head.substr(5));
                section = nullptr;
            } else {
                section = &c.sections[head];
            }
            continue;
        }
        if (section) *section += line + "\n";
    }
    return c;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<fs::path> casePaths() {
    std::vector<fs::path> paths;
    for (const auto& entry : fs::directory_iterator(fs::path(ZENTRA_SOURCE_DIR) / "tests/cli/cases")) {
        if (entry.path().extension() == ".case") paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

class GoldenCase : public ::testing::TestWithParam<fs::path> {};

TEST_P(GoldenCase, OutputMatches) {
    const Case c = readCase(GetParam());
    ASSERT_TRUE(c.needs.empty() || c.needs == "graph" || c.needs == "no-graph") << c.needs;
    if (c.needs == "graph" && !kCliHasGraph) GTEST_SKIP() << "zentra-cli is built without --graph";
    if (c.needs == "no-graph" && kCliHasGraph) GTEST_SKIP() << "zentra-cli is built with --graph";
    const fs::path dir = fs::temp_directory_path() / ("zentra-golden-" + GetParam().stem().string() +
                                                      "-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::string command = std::string("'") + ZENTRA_CLI_PATH + "'";
    for (const char* name : {"parameters", "program", "library"}) {
        const auto found = c.sections.find(name);
        if (found == c.sections.end()) continue;
        const fs::path file = dir / name;
        writeFile(file, found->second);
        const std::string flag = std::string(name) == "parameters" ? "-a" : std::string(name) == "program" ? "-p" : "-l";
        command += " " + flag + " '" + file.string() + "'";
    }
    std::string args = c.args;
    for (auto at = args.find("@TMP@"); at != std::string::npos; at = args.find("@TMP@")) {
        args.replace(at, 5, dir.string());
    }
    const std::string out = c.stdoutTo.empty() ? (dir / "out").string() : c.stdoutTo;
    command += " </dev/null " + args + " >'" + out + "' 2>'" + (dir / "err").string() + "'";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << command;
    EXPECT_EQ(WEXITSTATUS(status), c.exitCode) << command;
    const auto expected = [&](const char* name) {
        const auto found = c.sections.find(name);
        return found == c.sections.end() ? std::string() : found->second;
    };
    if (c.stdoutTo.empty()) {
        EXPECT_EQ(readFile(dir / "out"), expected("stdout")) << GetParam();
    }
    EXPECT_EQ(readFile(dir / "err"), expected("stderr")) << GetParam();
    for (const auto& [head, text] : c.sections) {
        if (head.rfind("file ", 0) != 0) continue;
        const fs::path written = dir / head.substr(5);
        if (!fs::is_regular_file(written)) {
            ADD_FAILURE() << GetParam() << ": no file " << head.substr(5);
            continue;
        }
        std::string bytes = readFile(written);
        for (auto at = bytes.find(dir.string()); at != std::string::npos; at = bytes.find(dir.string(), at)) {
            bytes.replace(at, dir.string().size(), "@TMP@");
        }
        EXPECT_EQ(bytes, text) << GetParam() << ": " << head;
    }
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Programs, GoldenCase, ::testing::ValuesIn(casePaths()),
                         [](const ::testing::TestParamInfo<fs::path>& param) {
                             std::string name = param.param.stem().string();
                             for (char& ch : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             }
                             return name;
                         });

}  // namespace
