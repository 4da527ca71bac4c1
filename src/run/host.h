// What the engine needs from its surroundings. The desktop application
// implements it with widgets; zentra-cli and the tests with plain line lists.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zentra {

enum class LineColour { Black, Red };

// An editor, the output area or a monitor pane, seen as a list of lines.
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

// The debug monitor's stop switches: where a run ends early.
enum class StopPoint { None, AfterFunctionCheck, AfterSourcePreparation, AfterTokenDump };

class Host {
public:
    virtual ~Host() = default;

    virtual TextArea& programArea() = 0;
    virtual TextArea& parameterArea() = 0;
    virtual TextArea& outputArea() = 0;
    virtual TextArea& monitorTokens() = 0;
    virtual TextArea& monitorSymbols() = 0;
    virtual TextArea& monitorMessages() = 0;

    virtual void setStatusText(int panel, std::string_view text) = 0;
    virtual void messageBox(std::string_view text) = 0;

    virtual StopPoint stopPoint() const { return StopPoint::None; }
    virtual void writeSetting(std::string_view /*name*/, std::string_view /*value*/) {}

    virtual bool graphVisible() const { return false; }
    virtual void closeGraph() {}
    virtual void showGraph() {}
    virtual void hideHistoryWindow() {}

    // The user-function editor window.
    virtual bool functionWindowVisible() const { return false; }
    virtual std::vector<std::string> functionEditorLines() const { return {}; }
    // Opens the window if needed and shows the named function; selects a line of it.
    virtual void showFunctionInEditor(std::string_view /*name*/) {}
    virtual void selectFunctionEditorLine(int /*index*/) {}

    // Called before each pass and every so many executed jumps inside one; false cancels the run.
    virtual bool keepRunning(int pass, int passCount) {
        (void)pass;
        (void)passCount;
        return true;
    }
};

}  // namespace zentra
