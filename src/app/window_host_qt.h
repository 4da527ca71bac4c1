// What a run needs from the desktop: the two editors, the output area (the
// engine's model, shown by the output view), the status bar, message boxes,
// settings writes and the progress of a long run. The debug monitor's panes
// are plain line lists until the monitor window shows them.
#pragma once

#include <functional>

#include "app/editor_area_qt.h"
#include "host/host.h"
#include "host/memory_host.h"

class CodeEditWidget;
class Dialogs;
class MainStatusBar;
class OutputViewWidget;
class RunProgress;
class TFormFunc;
class TFormGraph;
class TFormMon;
class QWidget;

class WindowHost : public zentra::Host {
public:
    struct Parts {
        QWidget* window;
        CodeEditWidget* program;
        CodeEditWidget* parameters;
        zentra::OutputModel* output;
        OutputViewWidget* outputView;
        MainStatusBar* statusBar;
        Dialogs* dialogs;
        RunProgress* progress;
    };

    explicit WindowHost(const Parts& parts);

    zentra::TextArea& programArea() override { return program_; }
    zentra::TextArea& parameterArea() override { return parameters_; }
    zentra::OutputModel& outputArea() override { return *parts_.output; }
    zentra::TextArea& monitorTokens() override { return tokens_; }
    zentra::TextArea& monitorSymbols() override { return symbols_; }
    zentra::TextArea& monitorMessages() override { return messages_; }

    void setStatusText(int panel, std::string_view text) override;
    void messageBox(std::string_view text) override;
    void writeSetting(std::string_view name, std::string_view value) override;
    bool keepRunning(int pass, int passCount) override;

    bool graphVisible() const override;
    void closeGraph() override;
    void showGraph() override;
    void setGraphWindow(TFormGraph* graph) { graph_ = graph; }
    zentra::StopPoint stopPoint() const override;
    void setMonitor(const TFormMon* monitor) { monitor_ = monitor; }

    bool functionWindowVisible() const override;
    std::vector<std::string> functionEditorLines() const override;
    void showFunctionInEditor(std::string_view name) override;
    void selectFunctionEditorLine(int index) override;
    void setFunctionWindow(TFormFunc* window) { functions_ = window; }

    void hideHistoryWindow() override {
        if (hideHistory) hideHistory();
    }
    std::function<void()> hideHistory;

    // Where writeSetting goes (the window's settings store).
    std::function<void(std::string_view name, std::string_view value)> settingWriter;

private:
    Parts parts_;
    TFormGraph* graph_ = nullptr;
    const TFormMon* monitor_ = nullptr;
    TFormFunc* functions_ = nullptr;
    EditorArea program_;
    EditorArea parameters_;
    zentra::MemoryTextArea tokens_;
    zentra::MemoryTextArea symbols_;
    zentra::MemoryTextArea messages_;
};
