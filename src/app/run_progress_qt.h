// A run lasting longer than a moment shows a modal dialog with the pass and
// a Cancel button (Esc). The run itself stays on the user-interface thread:
// events are processed only from here, a few times a second, and the modal
// dialog keeps every other window from taking input meanwhile.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <functional>

#include <QProgressDialog>
class QWidget;

class RunProgress {
public:
    explicit RunProgress(QWidget* window);
    ~RunProgress();

    // How long a run goes on before the dialog shows.
    void setDelay(int milliseconds) { delayMs_ = milliseconds; }

    void start();
    // Before pass `pass` (of `passCount`) and now and then inside one: false
    // when the user cancelled.
    bool keepRunning(int pass, int passCount);
    // Out of the way of a message box; shows again at the next keepRunning.
    void hide();
    void finish();

    bool cancelled() const { return cancelled_; }
    bool running() const { return running_; }
    QProgressDialog* dialog() const { return dialog_; }

    // Called before events are processed (the output view catches up).
    std::function<void()> beforeEvents;

private:
    QWidget* window_;
    QPointer<QProgressDialog> dialog_;
    QElapsedTimer clock_;
    qint64 lastEvents_ = 0;
    int delayMs_ = 500;
    bool running_ = false;
    bool cancelled_ = false;
    bool hidden_ = false;
};
