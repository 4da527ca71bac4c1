#include "app/screenshot_mode_qt.h"

#include <QDir>
#include <QEventLoop>
#include <QPixmap>
#include <QTextStream>
#include <QTimer>

#include "app/code_edit_widget.h"
#include "app/main_window.h"

namespace {

void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool grabTo(TFormMain& window, const QDir& dir, const QString& name) {
    settle(200);
    const QString path = dir.filePath(name);
    if (window.grab().save(path)) return true;
    QTextStream(stderr) << "zentra: cannot write " << path << "\n";
    return false;
}

}  // namespace

bool screenshotModeRequested() { return qEnvironmentVariableIsSet("ZENTRA_SCREENSHOTS"); }

int runScreenshotMode(TFormMain& window) {
    const QDir dir(qEnvironmentVariable("ZENTRA_SCREENSHOTS"));
    if (!QDir().mkpath(dir.path())) return 73;
    window.show();
    window.resize(720, 400);
    settle(300);

    window.parameterEditor()->setPlainText(QStringLiteral("P = 1000;   // 荷重 [N]\n"
                                                          "L = 1000, 2000, ..., 4000;  // スパン [mm]\n"
                                                          "b = 40;  h = 60;"));
    window.programEditor()->setPlainText(QStringLiteral("// 単純支持梁の中央集中荷重\n"
                                                        "M = P * L / 4\n"
                                                        "Z = b * h ^ 2 / 6\n"
                                                        "sigma = M / Z   // 曲げ応力 [MPa]\n"
                                                        "P * L / 4"));
    window.execute();
    bool ok = grabTo(window, dir, QStringLiteral("main-results.png"));

    window.toggleHexDisplay();
    ok = grabTo(window, dir, QStringLiteral("main-hex.png")) && ok;
    window.toggleHexDisplay();

    window.programEditor()->setPlainText(QStringLiteral("M = P * L / 4\n"
                                                        "Z = b * h ^ 2 / 6\n"
                                                        "sigma = M / (Z\n"
                                                        "d = M / "));
    window.execute();
    ok = grabTo(window, dir, QStringLiteral("main-error.png")) && ok;

    window.close();
    return ok ? 0 : 73;
}
