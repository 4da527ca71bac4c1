#include "app/application_qt.h"

#include <QMessageBox>
#include <exception>

ZentraApplication::ZentraApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setOrganizationName(QStringLiteral("Tavex"));
    setApplicationName(QStringLiteral("Zentra"));
    setApplicationDisplayName(QStringLiteral("Zentra"));
    showException = [](const QString& text) {
        QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(), text);
    };
}

bool ZentraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        showException(QString::fromUtf8(e.what()));
    } catch (...) {
        showException(QStringLiteral("予期しないエラーが発生しました"));
    }
    return false;
}

void preferXcbOnWayland() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return;
    const bool wayland = qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
                         qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (wayland && qEnvironmentVariableIsSet("DISPLAY")) qputenv("QT_QPA_PLATFORM", "xcb");
}
