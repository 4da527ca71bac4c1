#include "shell/program_docs.h"

#include <algorithm>

#include "base/text_lines.h"

namespace zentra {

namespace {

constexpr std::size_t kHelpColumn = 23;  // where --help's option texts begin

// "-p, --program FILE", "    --radian", "DOCUMENT".
std::string optionWords(const OptionDoc& o) {
    std::string words;
    if (o.longName.empty()) return o.valueName;
    words = o.shortName ? std::string("-") + o.shortName + ", " : std::string("    ");
    words += "--" + o.longName;
    if (!o.valueName.empty()) words += " " + o.valueName;
    return words;
}

void appendHelpEntry(std::string& out, const OptionDoc& o) {
    std::string head = "  " + optionWords(o);
    const std::vector<std::string> text = splitLines(o.help, LineEnds::Lf);
    head += head.size() < kHelpColumn ? std::string(kHelpColumn - head.size(), ' ') : "\n" + std::string(kHelpColumn, ' ');
    out += head + (text.empty() ? "" : text.front()) + "\n";
    for (std::size_t i = 1; i < text.size(); ++i) out += std::string(kHelpColumn, ' ') + text[i] + "\n";
}

// Text for roff: backslashes doubled, a line's leading dot or quote
// protected, minus signs as minus signs.
std::string roff(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\') out += "\\e";
        else if (c == '-') out += "\\-";
        else out += c;
    }
    if (!out.empty() && (out.front() == '.' || out.front() == '\'')) out.insert(0, "\\&");
    return out;
}

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

void appendManEntry(std::string& out, const OptionDoc& o) {
    out += ".TP\n";
    if (o.longName.empty()) {
        out += ".I " + roff(o.valueName) + "\n";
    } else {
        std::string head = o.shortName ? "\\fB\\-" + std::string(1, o.shortName) + "\\fR, " : std::string();
        head += "\\fB\\-\\-" + roff(o.longName) + "\\fR";
        if (!o.valueName.empty()) head += " \\fI" + roff(o.valueName) + "\\fR";
        out += head + "\n";
    }
    // The help's lines were broken for a terminal; the page is filled anew.
    std::string text;
    for (const std::string& line : splitLines(o.help, LineEnds::Lf)) text += (text.empty() ? "" : " ") + line;
    out += roff(text) + "\n";
}

void appendPairs(std::string& out, const char* heading, const std::vector<std::string>& pairs) {
    if (pairs.empty()) return;
    out += std::string(".SH ") + heading + "\n";
    for (const std::string& pair : pairs) {
        const auto tab = pair.find('\t');
        out += ".TP\n.I " + roff(pair.substr(0, tab)) + "\n" + roff(pair.substr(tab + 1)) + "\n";
    }
}

}  // namespace

std::string helpText(const ProgramDoc& doc) {
    std::string out = "usage: " + doc.name + " " + doc.synopsis + "\n";
    for (const std::string& line : doc.helpIntro) out += line + "\n";
    out += "\n";
    for (const OptionDoc& o : doc.operands) appendHelpEntry(out, o);
    for (const OptionDoc& o : doc.options) appendHelpEntry(out, o);
    if (!doc.exitCodes.empty()) {
        out += "\nExit codes:\n";
        for (const ExitDoc& e : doc.exitCodes) {
            std::string code = "  " + std::to_string(e.code);
            out += code + std::string(6 - std::min<std::size_t>(code.size(), 5), ' ') + e.meaning + "\n";
        }
    }
    return out;
}

std::string manPage(const ProgramDoc& doc, const std::string& version, const std::string& date) {
    std::string out = ".TH " + roff(upper(doc.name)) + " 1 \"" + date + "\" \"Zentra " + version + "\" \"User Commands\"\n";
    out += ".SH NAME\n" + roff(doc.name) + " \\- " + roff(doc.summary) + "\n";
    out += ".SH SYNOPSIS\n.B " + roff(doc.name) + "\n" + roff(doc.synopsis) + "\n";
    out += ".SH DESCRIPTION\n";
    for (std::size_t i = 0; i < doc.description.size(); ++i) out += (i ? ".PP\n" : "") + roff(doc.description[i]) + "\n";
    if (!doc.operands.empty()) {
        out += ".SH OPERANDS\n";
        for (const OptionDoc& o : doc.operands) appendManEntry(out, o);
    }
    out += ".SH OPTIONS\n";
    for (const OptionDoc& o : doc.options) appendManEntry(out, o);
    if (!doc.exitCodes.empty()) {
        out += ".SH EXIT STATUS\n";
        for (const ExitDoc& e : doc.exitCodes) out += ".TP\n.B " + std::to_string(e.code) + "\n" + roff(e.meaning) + "\n";
    }
    appendPairs(out, "ENVIRONMENT", doc.environment);
    appendPairs(out, "FILES", doc.files);
    if (!doc.seeAlso.empty()) out += ".SH SEE ALSO\n" + roff(doc.seeAlso) + "\n";
    return out;
}

std::string bashCompletion(const ProgramDoc& doc) {
    std::string function = "_";
    for (const char c : doc.name) function += (c == '-') ? '_' : c;
    std::string words;
    std::string cases;
    for (const OptionDoc& o : doc.options) {
        std::string names = "--" + o.longName;
        words += (words.empty() ? "" : " ") + names;
        if (o.shortName) {
            words += std::string(" -") + o.shortName;
            names += std::string("|-") + o.shortName;
        }
        if (o.valueName.empty()) continue;
        std::string action = "return";  // a number or a text: nothing to offer
        if (o.complete == "file") action = "_filedir; return";
        else if (o.complete == "dir") action = "_filedir -d; return";
        else if (!o.complete.empty()) action = "_filedir '" + o.complete + "'; return";
        cases += "        " + names + ")\n            " + action + "\n            ;;\n";
    }
    std::string operandGlob;
    for (const OptionDoc& o : doc.operands) {
        if (!o.complete.empty() && o.complete != "file") operandGlob = o.complete;
    }
    std::string out = "# bash completion for " + doc.name + "\n";
    out += function + "()\n{\n    local cur prev words cword\n    _init_completion || return\n\n";
    out += "    case $prev in\n" + cases + "    esac\n\n";
    out += "    if [[ $cur == -* ]]; then\n        COMPREPLY=($(compgen -W '" + words + "' -- \"$cur\"))\n        return\n    fi\n";
    out += operandGlob.empty() ? "    _filedir\n" : "    _filedir '" + operandGlob + "'\n";
    out += "} &&\n    complete -F " + function + " " + doc.name + "\n";
    return out;
}

}  // namespace zentra
