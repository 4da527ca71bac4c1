#include "app/run_progress_qt.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {

// Events are looked at this often while a run goes on (milliseconds).
constexpr qint64 kEventInterval = 50;

}  // namespace

RunProgress::RunProgress(QWidget* window) : window_(window) {}

RunProgress::~RunProgress() { finish(); }

void RunProgress::start() {
    running_ = true;
    cancelled_ = false;
    hidden_ = false;
    lastEvents_ = 0;
    clock_.start();
}

bool RunProgress::keepRunning(int pass, int passCount) {
    if (!running_ || cancelled_) return !cancelled_;
    const qint64 now = clock_.elapsed();
    if (now < delayMs_ || now - lastEvents_ < kEventInterval) return true;
    lastEvents_ = now;
    if (dialog_ == nullptr) {
        dialog_ = new QProgressDialog(window_);
        dialog_->setWindowTitle(QStringLiteral("Zentra"));
        dialog_->setCancelButtonText(QStringLiteral("中止"));
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->setMinimumDuration(0);
        // Esc reaches the dialog as a rejection where its shortcut does not fire.
        QObject::connect(dialog_, &QDialog::rejected, dialog_, &QProgressDialog::cancel);
    }
    dialog_->setMaximum(passCount);
    dialog_->setValue(pass);
    dialog_->setLabelText(QStringLiteral("計算中です　%1 / %2 パス").arg(pass + 1).arg(passCount));
    if (hidden_ || !dialog_->isVisible()) {
        hidden_ = false;
        dialog_->show();
    }
    if (beforeEvents) beforeEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Cancel, Esc and closing the dialog all end here.
    if (dialog_ != nullptr && dialog_->wasCanceled()) cancelled_ = true;
    return !cancelled_;
}

void RunProgress::hide() {
    if (dialog_ != nullptr && dialog_->isVisible()) {
        dialog_->hide();
        hidden_ = true;
    }
}

void RunProgress::finish() {
    running_ = false;
    if (dialog_ != nullptr) {
        dialog_->hide();
        delete dialog_;
    }
}
