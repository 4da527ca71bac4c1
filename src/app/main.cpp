// zentra: the desktop application.
#include <QMessageBox>

#include "app/application_qt.h"
#include "app/main_window.h"
#include "app/screenshot_mode_qt.h"
#include "app/single_instance_qt.h"
#include "app/text_appearance_qt.h"

int main(int argc, char** argv) {
    preferXcbOnWayland();
    ZentraApplication app(argc, argv);
    installFontStandIns();

    SingleInstance instance;
    const SingleInstance::Result claimed = instance.acquire();
    if (claimed != SingleInstance::Result::Acquired) {
        QMessageBox::information(nullptr, QApplication::applicationDisplayName(), SingleInstance::messageFor(claimed));
        if (claimed == SingleInstance::Result::AlreadyRunning) return 0;
    }

    TFormMain window;
    if (screenshotModeRequested()) return runScreenshotMode(window);
    window.show();
    return app.exec();
}
