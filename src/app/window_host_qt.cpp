#include "app/window_host_qt.h"

#include "app/code_edit_widget.h"
#include "app/dialogs_qt.h"
#include "app/function_window.h"
#include "app/graph_window.h"
#include "app/monitor_window.h"
#include "app/output_view_widget.h"
#include "app/run_progress_qt.h"
#include "app/status_bar_widget.h"

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

WindowHost::WindowHost(const Parts& parts)
    : parts_(parts), program_(*parts.program), parameters_(*parts.parameters) {}

void WindowHost::setStatusText(int panel, std::string_view text) {
    parts_.statusBar->setPanelText(panel, fromUtf8(text));
}

void WindowHost::messageBox(std::string_view text) {
    // What the run printed so far shows behind the box.
    parts_.outputView->sync();
    parts_.progress->hide();
    parts_.dialogs->message(parts_.window, fromUtf8(text));
}

void WindowHost::writeSetting(std::string_view name, std::string_view value) {
    if (settingWriter) settingWriter(name, value);
}

bool WindowHost::keepRunning(int pass, int passCount) { return parts_.progress->keepRunning(pass, passCount); }

bool WindowHost::graphVisible() const { return graph_ != nullptr && graph_->isVisible(); }

zentra::StopPoint WindowHost::stopPoint() const {
    return monitor_ != nullptr ? monitor_->stopPoint() : zentra::StopPoint::None;
}

void WindowHost::closeGraph() {
    if (graph_) graph_->closeForRun();
}

void WindowHost::showGraph() {
    if (graph_) graph_->showForRun();
}

bool WindowHost::functionWindowVisible() const { return functions_ != nullptr && functions_->isVisible(); }

std::vector<std::string> WindowHost::functionEditorLines() const {
    return functions_ != nullptr ? functions_->editorLines() : std::vector<std::string>{};
}

void WindowHost::showFunctionInEditor(std::string_view name) {
    if (functions_ == nullptr) return;
    functions_->open();
    functions_->openFunction(std::string(name));
}

void WindowHost::selectFunctionEditorLine(int index) {
    if (functions_ != nullptr) functions_->selectEditorLine(index);
}
