#include "host/output_model.h"

#include <algorithm>

namespace zentra {

namespace {

const OutputLine kNoLine{};

}  // namespace

void OutputModel::append(OutputLine line) { lines_.push_back(std::move(line)); }

void OutputModel::appendLine(std::string_view text, LineColour colour) {
    OutputLine line;
    line.text = std::string(text);
    line.colour = colour;
    append(std::move(line));
}

void OutputModel::appendSweepHeader(std::string text, double value) {
    OutputLine line;
    line.text = std::move(text);
    line.value = value;
    line.colour = LineColour::Red;
    line.kind = OutputKind::SweepHeader;
    append(std::move(line));
}

void OutputModel::appendAlias(std::string text) {
    OutputLine line;
    line.text = std::move(text);
    line.kind = OutputKind::Alias;
    append(std::move(line));
}

void OutputModel::appendDump(std::string_view name, std::string_view valueText, double value) {
    OutputLine line;
    line.text.reserve(name.size() + 3 + valueText.size());
    line.text.append(name).append(" = ").append(valueText);
    line.value = value;
    // Names are far shorter than this; a longer one only loses its length.
    line.nameLength = static_cast<std::uint16_t>(std::min<std::size_t>(name.size(), 0xFFFF));
    line.kind = OutputKind::Dump;
    append(std::move(line));
}

const OutputLine& OutputModel::at(int index) const {
    if (index < 0 || index >= lineCount()) return kNoLine;
    return lines_[static_cast<std::size_t>(index)];
}

void OutputModel::deleteLine(int index) {
    if (index < 0 || index >= lineCount()) return;
    lines_.erase(lines_.begin() + index);
    changed();
}

void OutputModel::clear() {
    lines_.clear();
    decimalCopy_.clear();
    selectedLine_ = -1;
    changed();
}

void OutputModel::setLines(const std::vector<std::string>& lines) {
    std::vector<OutputLine> replaced;
    replaced.reserve(lines.size());
    for (const auto& text : lines) replaced.push_back(OutputLine{text});
    replaceLines(std::move(replaced));
}

void OutputModel::replaceLines(std::vector<OutputLine> lines) {
    lines_ = std::move(lines);
    changed();
}

void OutputModel::setLineColour(int index, LineColour colour) {
    if (index < 0 || index >= lineCount()) return;
    auto& line = lines_[static_cast<std::size_t>(index)];
    if (line.colour == colour) return;
    line.colour = colour;
    changed();
}

std::vector<OutputLine> OutputModel::takeDecimalCopy() {
    std::vector<OutputLine> copy;
    copy.swap(decimalCopy_);
    return copy;
}

}  // namespace zentra
