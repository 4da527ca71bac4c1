// A Host over plain line lists, for zentra-cli and the tests.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "host/host.h"

namespace zentra {

class MemoryTextArea : public TextArea {
public:
    struct Line {
        std::string text;
        LineColour colour = LineColour::Black;
    };

    int lineCount() const override;
    std::string line(int index) const override;
    void appendLine(std::string_view text, LineColour colour = LineColour::Black) override;
    void deleteLine(int index) override;
    void clear() override;
    void setLines(const std::vector<std::string>& lines) override;
    void setLinesLater(LineMaker make) override;
    void appendLinesLater(LineMaker make) override;
    void setLineColour(int index, LineColour colour) override;
    void selectLine(int index) override { selectedLine_ = index; }

    LineColour colourOf(int index) const;
    int selectedLine() const { return selectedLine_; }

private:
    // Makes the lines still waiting in their makers, in order.
    void settle() const;

    // Reading an area makes its waiting lines, so both change under const.
    mutable std::vector<Line> lines_;
    mutable std::vector<LineMaker> pending_;
    int selectedLine_ = -1;
};

class MemoryHost : public Host {
public:
    TextArea& programArea() override { return program; }
    TextArea& parameterArea() override { return parameters; }
    OutputModel& outputArea() override { return output; }
    TextArea& monitorTokens() override { return tokens; }
    TextArea& monitorSymbols() override { return symbols; }
    TextArea& monitorMessages() override { return messages; }

    void setStatusText(int panel, std::string_view text) override;
    void messageBox(std::string_view text) override { messageBoxes.emplace_back(text); }
    StopPoint stopPoint() const override { return stop; }
    void writeSetting(std::string_view name, std::string_view value) override;
    bool graphVisible() const override { return graphShown; }
    void closeGraph() override { graphShown = false; }
    void showGraph() override { graphShown = true; }
    void hideHistoryWindow() override { historyHidden = true; }
    bool functionWindowVisible() const override { return functionWindowShown; }
    std::vector<std::string> functionEditorLines() const override { return functionEditor; }
    void showFunctionInEditor(std::string_view name) override;
    void selectFunctionEditorLine(int index) override { selectedFunctionLine = index; }

    MemoryTextArea program, parameters, tokens, symbols, messages;
    OutputModel output;
    std::array<std::string, 3> statusTexts;
    std::vector<std::string> messageBoxes;
    std::vector<std::pair<std::string, std::string>> settingsWritten;
    StopPoint stop = StopPoint::None;
    bool graphShown = false;
    bool historyHidden = false;
    bool functionWindowShown = false;
    std::vector<std::string> functionEditor;
    std::string functionShown;
    int selectedFunctionLine = -1;
};

}  // namespace zentra
