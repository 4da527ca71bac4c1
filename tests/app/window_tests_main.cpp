// Runs every registered window test class (all, or the ones named on the
// command line) on the offscreen platform, with a runtime folder of its own.
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "app/application_qt.h"
#include "app/text_appearance_qt.h"
#include "window_fixture.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    // No test may reach the user's settings.
    qputenv("ZENTRA_SETTINGS", (runtime.path() + QStringLiteral("/never-used.ini")).toLocal8Bit());
    ZentraApplication app(argc, argv);
    installFontStandIns();

    QStringList only;
    for (int i = 1; i < argc; ++i) only << QString::fromLocal8Bit(argv[i]);
    int failed = 0;
    for (const auto& [name, make] : windowTestRegistry()) {
        if (!only.isEmpty() && !only.contains(name)) continue;
        const std::unique_ptr<QObject> test = make();
        failed += QTest::qExec(test.get(), QStringList{QStringLiteral("zentra_window_tests")});
    }
    std::fprintf(stderr, "window tests: %d failed\n", failed);
    return failed == 0 ? 0 : 1;
}
