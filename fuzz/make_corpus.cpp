// Builds the fuzzers' seed corpus from the examples and the golden cases:
//
//   make_corpus SOURCE_DIR OUT_DIR
//
// writes OUT_DIR/exec/* in the exec fuzzer's input format (exec_input.h),
// from the documents, tests/cli/cases/*.case and fuzz/seeds/*.case, and
// OUT_DIR/files/* (documents and libraries as they lie on disk, in UTF-8 and
// in Shift-JIS) for the files fuzzer. Both folders are emptied first.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "base/text_lines.h"
#include "shell/document_format.h"
#include "shell/text_encoding.h"
#include "shell/text_file.h"
#include "exec_input.h"

namespace {

namespace fs = std::filesystem;
using zentra::fuzz::joinExecInput;

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

// The switches byte: radian, and the hexadecimal display after the run.
std::uint8_t switches(bool radian, bool hex) { return static_cast<std::uint8_t>((radian ? 0x01 : 0) | (hex ? 0x02 : 0)); }

struct GoldenCase {
    std::map<std::string, std::string> sections;
    int precision = 15;
    int loops = 1000;
    bool radian = false;
    bool hex = false;
};

// The sections of a tests/cli/cases file ("#= name" lines start them) and
// the settings its arguments give.
GoldenCase readCase(const fs::path& path) {
    GoldenCase c;
    std::istringstream in(readBytes(path));
    std::string line;
    std::string* section = nullptr;
    while (std::getline(in, line)) {
        if (line.rfind("#= ", 0) != 0) {
            if (section) *section += line + "\n";
            continue;
        }
        std::istringstream head(line.substr(3));
        std::string name;
        head >> name;
        section = &c.sections[name];
        if (name != "args") continue;
        for (std::string word; head >> word;) {
            if (word == "--precision") head >> c.precision;
            if (word == "--loops") head >> c.loops;
            if (word == "--radian") c.radian = true;
            if (word == "--hex") c.hex = true;
        }
    }
    return c;
}

std::vector<fs::path> filesOf(const fs::path& folder, const std::string& extension) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == extension) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_corpus SOURCE_DIR OUT_DIR\n";
        return 64;
    }
    const fs::path source = argv[1];
    const fs::path execDir = fs::path(argv[2]) / "exec";
    const fs::path filesDir = fs::path(argv[2]) / "files";
    for (const auto& dir : {execDir, filesDir}) {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    const std::string library = readBytes(source / "examples/functions.qbxfun");
    int count = 0;

    for (const auto& path : filesOf(source / "examples", ".qbxsrc")) {
        const std::string bytes = readBytes(path);
        const std::string stem = path.stem().string();
        writeBytes(filesDir / (stem + ".qbxsrc"), bytes);
        if (auto sjis = zentra::utf8ToCp932(bytes)) writeBytes(filesDir / (stem + ".sjis.qbxsrc"), *sjis);
        const std::optional<zentra::Document> doc = zentra::parseDocument(zentra::splitLines(bytes, zentra::LineEnds::CrLfLfOrCr));
        if (!doc) {
            std::cerr << path << ": not a document\n";
            return 1;
        }
        const std::string params = joinLines(doc->parameterLines);
        const std::string program = joinLines(doc->programLines);
        writeBytes(execDir / stem, joinExecInput(switches(doc->radian != 0, false), doc->precision, doc->loops,
                                                 params, program, library));
        writeBytes(execDir / (stem + ".hex"), joinExecInput(switches(doc->radian != 0, true) | 0x0C, doc->precision,
                                                            doc->loops, params, program, library));
        count += 2;
    }
    for (const auto& path : filesOf(source / "examples", ".qbxfun")) {
        const std::string bytes = readBytes(path);
        writeBytes(filesDir / path.filename(), bytes);
        if (auto sjis = zentra::utf8ToCp932(bytes)) writeBytes(filesDir / (path.stem().string() + ".sjis.qbxfun"), *sjis);
    }
    // The golden cases, and hand-written seeds in the same form for what
    // they leave out.
    for (const auto& folder : {source / "tests/cli/cases", source / "fuzz/seeds"}) {
        for (const auto& path : filesOf(folder, ".case")) {
            GoldenCase c = readCase(path);
            if (c.sections["program"].empty()) continue;  // the case runs a document, seeded above
            writeBytes(execDir / path.stem(), joinExecInput(switches(c.radian, c.hex), c.precision, c.loops,
                                                            c.sections["parameters"], c.sections["program"],
                                                            c.sections["library"]));
            ++count;
        }
    }
    std::cout << "make_corpus: " << count << " exec inputs in " << execDir.string() << "\n";
    return 0;
}
