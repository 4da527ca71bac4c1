// The output area's lines. Runs append to it; the hexadecimal display, the
// error scans and the error-location display read it; a window or the batch
// tool shows it. A window's widget is only ever a view of this model.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/text_area.h"

namespace zentra {

enum class OutputKind : std::uint8_t {
    Text,         // error lines and anything else written as plain text
    SweepHeader,  // "【 x=1 】", red
    Alias,        // "v[0]=p", written by the parameter area's alias ranges
    Dump,         // "name = value": the value is kept whole beside the text
};

struct OutputLine {
    std::string text;
    double value = 0.0;  // Dump lines: the variable's value; sweep headers: the pass value (both unrounded)
    std::uint16_t nameLength = 0;  // Dump lines: the variable's name is text[0, nameLength)
    LineColour colour = LineColour::Black;
    OutputKind kind = OutputKind::Text;

    std::string_view variable() const { return std::string_view(text).substr(0, nameLength); }
};

class OutputModel : public TextArea {
public:
    int lineCount() const override { return static_cast<int>(lines_.size()); }
    std::string line(int index) const override { return std::string(text(index)); }
    void appendLine(std::string_view text, LineColour colour = LineColour::Black) override;
    void deleteLine(int index) override;
    void clear() override;
    void setLines(const std::vector<std::string>& lines) override;
    void setLineColour(int index, LineColour colour) override;
    void selectLine(int index) override { selectedLine_ = index; }

    // Every append goes through here.
    virtual void append(OutputLine line);
    void appendSweepHeader(std::string text, double value = 0.0);
    void appendAlias(std::string text);
    void appendDump(std::string_view name, std::string_view valueText, double value);

    // Reading without copies; an index outside the area reads as an empty text line.
    const OutputLine& at(int index) const;
    std::string_view text(int index) const { return at(index).text; }
    LineColour colourOf(int index) const { return at(index).colour; }
    int selectedLine() const { return selectedLine_; }

    // Replaces every line, as the hexadecimal display does.
    void replaceLines(std::vector<OutputLine> lines);

    // While the hexadecimal display is on: the decimal lines it replaced.
    bool hasDecimalCopy() const { return !decimalCopy_.empty(); }
    void keepDecimalCopy(std::vector<OutputLine> lines) { decimalCopy_ = std::move(lines); }
    std::vector<OutputLine> takeDecimalCopy();
    const std::vector<OutputLine>& entries() const { return lines_; }

    // Changes whenever a line other than an appended one changed, so that a
    // view knows whether appending the lines past its own count is enough.
    std::uint64_t generation() const { return generation_; }

private:
    void changed() { ++generation_; }

    std::vector<OutputLine> lines_;
    std::vector<OutputLine> decimalCopy_;
    std::uint64_t generation_ = 0;
    int selectedLine_ = -1;
};

}  // namespace zentra
