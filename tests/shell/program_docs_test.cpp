#include "shell/program_docs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "cli/options.h"

namespace zentra {
namespace {

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Every option the table documents is one the parser takes, so --help, the
// manual page and the completion never offer what zentra-cli refuses.
TEST(ProgramDocs, EveryDocumentedCliOptionIsAccepted) {
    const std::map<std::string, std::string> sampleValue{{"graph", "plot.png"}, {"graph-size", "640x480"}};
    for (const OptionDoc& o : zentraCliDoc().options) {
        std::vector<std::string> args{"--" + o.longName};
        if (!o.valueName.empty()) args.push_back(sampleValue.contains(o.longName) ? sampleValue.at(o.longName) : "1");
        if (o.longName == "graph-size") args.insert(args.end(), {"--graph", "plot.png"});  // sizes that picture
        std::string error;
        EXPECT_TRUE(cli::parseOptions(args, error).has_value()) << o.longName << ": " << error;
        if (o.shortName) {
            args.front() = std::string("-") + o.shortName;  // the short form, same value
            EXPECT_TRUE(cli::parseOptions(args, error).has_value()) << o.shortName << ": " << error;
        }
    }
}

TEST(ProgramDocs, EveryCliOptionIsDocumented) {
    for (const std::string& name : cli::longOptionNames()) {
        const auto& options = zentraCliDoc().options;
        EXPECT_TRUE(std::any_of(options.begin(), options.end(), [&](const OptionDoc& o) { return o.longName == name; }))
            << name;
    }
}

TEST(ProgramDocs, HelpLinesUpOptionTextsAndContinuations) {
    ProgramDoc doc;
    doc.name = "tool";
    doc.synopsis = "[OPTIONS]";
    doc.helpIntro = {"Does things."};
    doc.options = {{'p', "program", "FILE", "first line\nsecond line", "file"},
                   {0, "radian", "", "angles in radians", ""},
                   {0, "a-very-long-option-name", "VALUE", "text", ""}};
    doc.exitCodes = {{0, "ran"}, {64, "bad command line"}};
    EXPECT_EQ(helpText(doc),
              "usage: tool [OPTIONS]\n"
              "Does things.\n"
              "\n"
              "  -p, --program FILE   first line\n"
              "                       second line\n"
              "      --radian         angles in radians\n"
              "      --a-very-long-option-name VALUE\n"
              "                       text\n"
              "\n"
              "Exit codes:\n"
              "  0   ran\n"
              "  64  bad command line\n");
}

TEST(ProgramDocs, ManPageEscapesWhatRoffWouldTakeAsCommands) {
    ProgramDoc doc;
    doc.name = "tool";
    doc.summary = "a tool";
    doc.synopsis = "[OPTIONS]";
    doc.description = {".dots at the start", "a back\\slash and a-dash"};
    doc.options = {{'x', "extra", "N", "'quoted at the start", ""}};
    const std::string page = manPage(doc, "1.0", "2026-01-01");
    EXPECT_TRUE(page.starts_with(".TH TOOL 1 \"2026-01-01\" \"Zentra 1.0\""));
    EXPECT_TRUE(contains(page, "\n\\&.dots at the start\n"));
    EXPECT_TRUE(contains(page, "a back\\eslash and a\\-dash"));
    EXPECT_TRUE(contains(page, "\\fB\\-x\\fR, \\fB\\-\\-extra\\fR \\fIN\\fR\n\\&'quoted"));
}

TEST(ProgramDocs, ManPagesNameEveryOptionOfBothPrograms) {
    for (const ProgramDoc* doc : {&zentraDoc(), &zentraCliDoc()}) {
        const std::string page = manPage(*doc, "1.2.0", "2026-12-08");
        for (const char* section : {".SH NAME", ".SH SYNOPSIS", ".SH DESCRIPTION", ".SH OPTIONS", ".SH EXIT STATUS"}) {
            EXPECT_TRUE(contains(page, section)) << doc->name << section;
        }
        for (const OptionDoc& o : doc->options) {
            std::string escaped;
            for (const char c : o.longName) escaped += c == '-' ? std::string("\\-") : std::string(1, c);
            EXPECT_TRUE(contains(page, "\\fB\\-\\-" + escaped + "\\fR")) << doc->name << " --" << o.longName;
        }
    }
}

TEST(ProgramDocs, CompletionOffersOptionsAndFilesByKind) {
    const std::string script = bashCompletion(zentraCliDoc());
    EXPECT_TRUE(contains(script, "complete -F _zentra_cli zentra-cli"));
    EXPECT_TRUE(contains(script, "--precision"));
    EXPECT_TRUE(contains(script, "--library|-l)\n            _filedir 'qbxfun'; return"));
    EXPECT_TRUE(contains(script, "--precision)\n            return"));  // a number: nothing to offer
    EXPECT_TRUE(contains(script, "--program|-p)\n            _filedir; return"));
    EXPECT_TRUE(contains(script, "    _filedir 'qbxsrc'\n}"));  // the document operand
}

}  // namespace
}  // namespace zentra
