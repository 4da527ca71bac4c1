// The main window's part in the user-function window: the command that
// shows it, its font and place, the store it writes to the settings, the
// undo timer's steps for it and the question when the program ends.
#include <QAction>

#include "base/text_lines.h"
#include "app/function_window.h"
#include "app/main_window.h"
#include "app/settings_store_qt.h"
#include "app/window_host_qt.h"
#include "session/session.h"
#include "shell/document_rules.h"
#include "shell/function_list_rules.h"
#include "shell/settings_schema.h"

void TFormMain::createFunctionWindow() {
    funcWindow_ = new TFormFunc({session_->functionStore, *dialogs_, settings_.lastDirectory}, this);
    host_->setFunctionWindow(funcWindow_);
    // While the window is open its command (menu item and tool button) is off.
    connect(actions_.func, &QAction::triggered, this, &TFormMain::showFunctionWindow);
    connect(funcWindow_, &TFormFunc::opened, this, [this] { actions_.func->setEnabled(false); });
    connect(funcWindow_, &TFormFunc::closed, this, [this] { actions_.func->setEnabled(true); });
    connect(funcWindow_, &TFormFunc::storeChanged, this, &TFormMain::writeFunctionStore);
    connect(&timerUndo_, &QTimer::timeout, funcWindow_, &TFormFunc::refreshCommands);
}

void TFormMain::showFunctionWindow() {
    if (!started_) return;
    funcWindow_->open();
}

bool TFormMain::userFunctionModified() const { return funcWindow_ != nullptr && funcWindow_->modified(); }

void TFormMain::writeFunctionStore() {
    store_->setValue("mfunc", zentra::joinLines(session_->functionStore.lines()));
    store_->flush();
}

// False when the user chose to stay.
bool TFormMain::confirmFunctionClose() {
    if (!funcWindow_->isVisible() || !funcWindow_->modified()) return true;
    const auto& question = zentra::kFunctionUnsavedOnExitQuestion;
    switch (dialogs_->askYesNoCancel(
        this, QStringLiteral("警告"), QString::fromUtf8(question.data(), static_cast<qsizetype>(question.size())))) {
    case zentra::QueryAnswer::Yes: funcWindow_->registerFunction(); return true;
    case zentra::QueryAnswer::No: funcWindow_->discardChanges(); return true;
    case zentra::QueryAnswer::Cancel: return false;
    }
    return false;
}
