// The main window's side of the debug monitor: the window over the host's
// panes, its menu item, its settings, and the output area's diagnostic keys.
#include <QAction>
#include <QKeyEvent>

#include "app/main_window.h"
#include "app/monitor_window.h"
#include "app/window_host_qt.h"
#include "session/session.h"

void TFormMain::createMonitor() {
    monitor_ = new TFormMon(
        TFormMon::Panes{host_->monitorTokens(), host_->monitorSymbols(), host_->monitorMessages()}, *dialogs_, this);
    monitor_->addAction(actions_.exec);  // F9 runs again while the monitor is the active window
    host_->setMonitor(monitor_);
    connect(actions_.monitor, &QAction::triggered, monitor_, &TFormMon::open);
}

void TFormMain::applyMonitorSettings() {
    monitor_->setPlace(settings_.monitorWindow);
    if (settings_.debugMonitorAtStart()) monitor_->open();
}

// F5 and F2 in the output area.
void TFormMain::writeMonitorDiagnostic(int key) {
    zentra::TextArea& messages = host_->monitorMessages();
    if (key == Qt::Key_F5) {
        messages.setLines(session_->functionStore.lines());
    } else if (key == Qt::Key_F2) {
        messages.appendLine(userFunctionModified() ? "Modified" : "not Modified");
    } else {
        return;
    }
    monitor_->refresh();
}
