// zentra: the desktop application.
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>

#include "app/application_qt.h"
#include "app/command_line_qt.h"
#include "app/document_hand_off_qt.h"
#include "app/main_window.h"
#include "app/screenshot_mode_qt.h"
#include "app/single_instance_qt.h"
#include "app/text_appearance_qt.h"
#include "shell/program_docs.h"

namespace {

// Milliseconds since the kernel started this process (start time in clock
// ticks since boot, against the boot-time clock); -1 when unknown.
double msSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    if (close == std::string::npos) return -1;
    std::size_t at = close + 2;
    // Field 22 is the start time; the text after ')' begins with field 3.
    for (int field = 3; field < 22 && at != 0; ++field) at = text.find(' ', at) + 1;  // npos + 1 is 0
    if (at == 0 || at >= text.size()) return -1;
    const double ticks = std::strtod(text.c_str() + at, nullptr);
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (now.tv_sec + now.tv_nsec / 1e9) * 1000.0 - ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// ZENTRA_STARTUP_PROBE=1: on the main window's first expose, prints the time
// since process start and quits (bench/startup-time).
class StartupProbe : public QObject {
public:
    explicit StartupProbe(const QElapsedTimer& sinceMain) : sinceMain_(sinceMain) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            done_ = true;
            std::printf("startup %.1f ms since process start, %lld ms since main\n", msSinceProcessStart(),
                        static_cast<long long>(sinceMain_.elapsed()));
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    const QElapsedTimer& sinceMain_;
    bool done_ = false;
};

QStringList rawArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// --help and --version answer without a display; anything else is judged
// again after Qt has taken its own options (-platform, -style...).
std::optional<int> answerWithoutWindow(const AppCommandLine& commandLine) {
    switch (commandLine.action) {
    case AppCommandLine::Action::ShowHelp:
        std::fputs(zentra::helpText(zentra::zentraDoc()).c_str(), stdout);
        return 0;
    case AppCommandLine::Action::ShowVersion:
        std::printf("zentra %s\n", ZENTRA_VERSION);
        return 0;
    default: return std::nullopt;
    }
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (const auto answered = answerWithoutWindow(parseAppCommandLine(rawArguments(argc, argv)))) return *answered;
    preferXcbOnWayland();
    ZentraApplication app(argc, argv);
    const AppCommandLine commandLine = parseAppCommandLine(QApplication::arguments());
    if (commandLine.action == AppCommandLine::Action::Refuse) {
        std::fprintf(stderr, "zentra: %s\nTry 'zentra --help'.\n", qPrintable(commandLine.error));
        return kAppExitUsage;
    }
    if (const auto answered = answerWithoutWindow(commandLine)) return *answered;
    installFontStandIns();

    SingleInstance instance;
    const SingleInstance::Result claimed = instance.acquire();
    if (claimed == SingleInstance::Result::AlreadyRunning && !commandLine.document.isEmpty() &&
        handDocumentToRunningInstance(commandLine.document)) {
        return 0;
    }
    if (claimed != SingleInstance::Result::Acquired) {
        QMessageBox::information(nullptr, QApplication::applicationDisplayName(), SingleInstance::messageFor(claimed));
        if (claimed == SingleInstance::Result::AlreadyRunning) return 0;
    }

    TFormMain window;
    DocumentHandOffServer handOff;
    if (claimed == SingleInstance::Result::Acquired) {
        handOff.listen();
        QObject::connect(&handOff, &DocumentHandOffServer::documentRequested, &window, &TFormMain::openHandedDocument);
    }
    if (screenshotModeRequested()) return runScreenshotMode(window);
    StartupProbe probe(sinceMain);
    if (qEnvironmentVariable("ZENTRA_STARTUP_PROBE") == QLatin1String("1")) {
        window.winId();  // the native window, to watch its first expose
        window.windowHandle()->installEventFilter(&probe);
    }
    window.show();
    if (!commandLine.document.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, path = commandLine.document] { window.openStartupDocument(path); });
    }
    return app.exec();
}
