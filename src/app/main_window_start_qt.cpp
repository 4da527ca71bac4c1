// Documents that come from outside the window: the one named on the command
// line, and the ones a second start hands over.
#include <QApplication>
#include <QTimer>

#include "app/code_edit_widget.h"
#include "app/main_window.h"

namespace {

// How often a handed document looks again whether the dialog or run that
// held it back has ended.
constexpr int kHandOffRetryMs = 200;

}  // namespace

void TFormMain::openStartupDocument(const QString& path) {
    if (memoSrc_->toPlainText().isEmpty() && memoUsr_->toPlainText().isEmpty()) {
        loadDocument(path);
    } else {
        openDocumentAfterQuery(path);
    }
}

void TFormMain::openHandedDocument(const QString& path) {
    if (running_ || QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(kHandOffRetryMs, this, [this, path] { openHandedDocument(path); });
        return;
    }
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    openDocumentAfterQuery(path);
}
