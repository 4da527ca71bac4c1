// The application object: the one place where an exception that reached the
// event loop is caught and shown, and the platform choices made before it
// exists.
#pragma once

#include <QApplication>
#include <functional>

class ZentraApplication : public QApplication {
public:
    ZentraApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // How a caught exception is shown (a message box; tests record it).
    std::function<void(const QString& text)> showException;
};

// On a Wayland session the windows place themselves only through XWayland:
// asks for the xcb platform unless QT_QPA_PLATFORM chooses one.
void preferXcbOnWayland();
