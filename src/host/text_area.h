// An editor, the output area or a monitor pane, seen as a list of lines.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zentra {

enum class LineColour { Black, Red };

class TextArea {
public:
    virtual ~TextArea() = default;
    virtual int lineCount() const = 0;
    virtual std::string line(int index) const = 0;
    virtual void appendLine(std::string_view text, LineColour colour = LineColour::Black) = 0;
    virtual void deleteLine(int index) = 0;
    virtual void clear() = 0;
    // Replaces every line (dumps, the hexadecimal display).
    virtual void setLines(const std::vector<std::string>& lines) = 0;
    // Lines that are made when somebody reads the area rather than now: the
    // monitor's dumps and listing are a large share of an Exec and are
    // seldom looked at. A maker fills the vector it is given and must own
    // everything it reads. An area that cannot wait makes the lines at once.
    using LineMaker = std::function<void(std::vector<std::string>& lines)>;
    virtual void setLinesLater(LineMaker make);
    virtual void appendLinesLater(LineMaker make);
    virtual void setLineColour(int index, LineColour colour) = 0;
    // Selects the whole line, gives the area the focus and scrolls it into view.
    virtual void selectLine(int index) = 0;

    std::vector<std::string> lines() const;
};

}  // namespace zentra
