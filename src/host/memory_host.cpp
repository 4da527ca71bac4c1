#include "host/memory_host.h"

namespace zentra {

std::vector<std::string> TextArea::lines() const {
    std::vector<std::string> out;
    const int n = lineCount();
    out.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) out.push_back(line(i));
    return out;
}

void TextArea::setLinesLater(LineMaker make) {
    std::vector<std::string> made;
    make(made);
    setLines(made);
}

void TextArea::appendLinesLater(LineMaker make) {
    std::vector<std::string> made;
    make(made);
    for (const auto& text : made) appendLine(text);
}

void MemoryTextArea::settle() const {
    if (pending_.empty()) return;
    std::vector<LineMaker> makers;
    makers.swap(pending_);
    std::vector<std::string> made;
    for (const LineMaker& make : makers) {
        made.clear();
        make(made);
        lines_.reserve(lines_.size() + made.size());
        for (auto& text : made) lines_.push_back({std::move(text), LineColour::Black});
    }
}

int MemoryTextArea::lineCount() const {
    settle();
    return static_cast<int>(lines_.size());
}

// As setLines, which keeps the selection.
void MemoryTextArea::setLinesLater(LineMaker make) {
    pending_.clear();
    lines_.clear();
    pending_.push_back(std::move(make));
}

void MemoryTextArea::appendLinesLater(LineMaker make) { pending_.push_back(std::move(make)); }

std::string MemoryTextArea::line(int index) const {
    if (index < 0 || index >= lineCount()) return {};
    return lines_[static_cast<std::size_t>(index)].text;
}

void MemoryTextArea::appendLine(std::string_view text, LineColour colour) {
    settle();
    lines_.push_back({std::string(text), colour});
}

void MemoryTextArea::deleteLine(int index) {
    if (index < 0 || index >= lineCount()) return;
    lines_.erase(lines_.begin() + index);
}

void MemoryTextArea::clear() {
    pending_.clear();
    lines_.clear();
    selectedLine_ = -1;
}

void MemoryTextArea::setLines(const std::vector<std::string>& lines) {
    pending_.clear();
    lines_.clear();
    for (const auto& text : lines) lines_.push_back({text, LineColour::Black});
}

void MemoryTextArea::setLineColour(int index, LineColour colour) {
    if (index < 0 || index >= lineCount()) return;
    lines_[static_cast<std::size_t>(index)].colour = colour;
}

LineColour MemoryTextArea::colourOf(int index) const {
    if (index < 0 || index >= lineCount()) return LineColour::Black;
    return lines_[static_cast<std::size_t>(index)].colour;
}

void MemoryHost::setStatusText(int panel, std::string_view text) {
    if (panel >= 0 && panel < static_cast<int>(statusTexts.size())) {
        statusTexts[static_cast<std::size_t>(panel)] = std::string(text);
    }
}

void MemoryHost::writeSetting(std::string_view name, std::string_view value) {
    settingsWritten.emplace_back(std::string(name), std::string(value));
}

void MemoryHost::showFunctionInEditor(std::string_view name) {
    functionWindowShown = true;
    functionShown = std::string(name);
}

}  // namespace zentra
