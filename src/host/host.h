// What the engine needs from its surroundings. The desktop application
// implements it with widgets; zentra-cli and the tests with plain line lists.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/output_model.h"
#include "host/text_area.h"

namespace zentra {

// The debug monitor's stop switches: where a run ends early.
enum class StopPoint { None, AfterFunctionCheck, AfterSourcePreparation, AfterTokenDump };

class Host {
public:
    virtual ~Host() = default;

    virtual TextArea& programArea() = 0;
    virtual TextArea& parameterArea() = 0;
    virtual OutputModel& outputArea() = 0;
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
