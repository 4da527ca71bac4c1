#include "app/screenshot_mode_qt.h"

#include <QDir>
#include <QEventLoop>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include "app/code_edit_widget.h"
#include "app/form_mind_qt.h"
#include "app/function_window.h"
#include "app/graph_window.h"
#include "app/main_window.h"
#include "app/monitor_window.h"
#include "session/session.h"

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

// The main window and a window beside it, on one picture as they stand.
bool grabBeside(TFormMain& window, QWidget& beside, const QDir& dir, const QString& name) {
    settle(200);
    const QRect all = window.geometry().united(beside.geometry());
    QPixmap picture(all.size());
    picture.fill(Qt::darkGray);
    QPainter painter(&picture);
    painter.drawPixmap(window.geometry().topLeft() - all.topLeft(), window.grab());
    painter.drawPixmap(beside.geometry().topLeft() - all.topLeft(), beside.grab());
    painter.end();
    return picture.save(dir.filePath(name));
}

// A beam under a central load, swept over its span.
const char16_t kBeamParameters[] = u"P = 1000;   // 荷重 [N]\n"
                                   u"L = 1000, 2000, ..., 4000;  // スパン [mm]\n"
                                   u"b = 40;  h = 60;";

// Three functions, the newest first.
const std::vector<std::string> kLibrary{
    "#parallel", "// 並列抵抗の合成値", "parallel(r1, r2)", "{", "\treturn r1 * r2 / (r1 + r2);", "}",
    "#hypot",    "// 直角三角形の斜辺", "hypot(a, b)",     "{", "\treturn sqrt(a * a + b * b);", "}",
    "#db",       "// 電力比のデシベル値", "db(p1, p0)",    "{", "\treturn 10 * log10(p1 / p0);", "}"};

}  // namespace

bool screenshotModeRequested() { return qEnvironmentVariableIsSet("ZENTRA_SCREENSHOTS"); }

int runScreenshotMode(TFormMain& window) {
    const QDir dir(qEnvironmentVariable("ZENTRA_SCREENSHOTS"));
    if (!QDir().mkpath(dir.path())) return 73;
    window.show();
    window.resize(720, 400);
    settle(300);

    window.parameterEditor()->setPlainText(QString::fromUtf16(kBeamParameters));
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

    // The debug monitor after the beam's run.
    if (TFormMon* monitor = window.monitorWindow()) {
        monitor->open();
        settle(300);
        if (!monitor->grab().save(dir.filePath(QStringLiteral("debug-monitor.png")))) ok = false;
        monitor->close();
    }
    // Input recall: "s" typed on a new line offers the earlier lines.
    auto& history = window.session().programHistory;
    history.insert(history.begin(), {"s=sin(x)", "sum=M+Z", "sx=sigma*1.5//安全率"});
    window.programEditor()->moveCursor(QTextCursor::End);
    window.programEditor()->insertPlainText(QStringLiteral("\ns"));
    window.historyWindow()->editorKeyReleased(window.programEditor(), history);
    ok = grabBeside(window, *window.historyWindow(), dir, QStringLiteral("input-history.png")) && ok;

    // The graph window with two curves and the cursor with its read-out.
    window.parameterEditor()->setPlainText(QStringLiteral("x = 0, 5, ..., 360;"));
    window.programEditor()->setPlainText(QStringLiteral("s = sin(x)\nc = cos(x) / 2\ngraph(s, c)"));
    window.execute();
    if (TFormGraph* graph = window.graphWindow(); graph != nullptr && graph->isVisible()) {
        settle(300);
        const QWidget* surface = graph->surface();
        graph->pressAt(Qt::LeftButton, QPoint(surface->width() * 2 / 5, surface->height() / 2));
        settle(100);
        const QString path = dir.filePath(QStringLiteral("graph.png"));
        if (!graph->grab().save(path)) ok = false;
    }
    window.parameterEditor()->setPlainText(QString::fromUtf16(kBeamParameters));

    window.programEditor()->setPlainText(QStringLiteral("M = P * L / 4\n"
                                                        "Z = b * h ^ 2 / 6\n"
                                                        "sigma = M / (Z\n"
                                                        "d = M / "));
    window.execute();
    ok = grabTo(window, dir, QStringLiteral("main-error.png")) && ok;

    // The user-function window with a function open.
    window.session().functionStore = zentra::FunctionStore(kLibrary);
    window.showFunctionWindow();
    if (TFormFunc* functions = window.functionWindow()) {
        functions->openFunction("parallel");
        settle(300);
        ok = functions->grab().save(dir.filePath(QStringLiteral("function-window.png"))) && ok;
        functions->close();
    }

    // A long run: its progress dialog, then cancelled.
    window.parameterEditor()->setPlainText(QStringLiteral("n = 1, 2, 3;\nloops = 2000000000;"));
    window.programEditor()->setPlainText(QStringLiteral("i = 0\nwhile i < n * 300000000 {\n\ti = i + 1\n}"));
    RunProgress& progress = window.runProgress();
    const auto syncView = progress.beforeEvents;
    int looks = 0;
    progress.beforeEvents = [&] {
        syncView();
        QProgressDialog* dialog = progress.dialog();
        // A few rounds of events first, so that the dialog is laid out and painted.
        if (dialog == nullptr || !dialog->isVisible() || ++looks < 5) return;
        const QString path = dir.filePath(QStringLiteral("main-progress.png"));
        if (!dialog->grab().save(path)) ok = false;
        dialog->cancel();
    };
    window.execute();
    progress.beforeEvents = syncView;

    // The popup menu with three recent documents.
    QTemporaryDir documents;
    QDir(documents.path()).mkpath(QStringLiteral("R&D"));
    for (const char* name : {"beam.qbxsrc", "R&D/sweep.qbxsrc", "graph.qbxsrc", "beam.qbxsrc"}) {
        window.saveDocumentTo(documents.filePath(QString::fromLatin1(name)));
    }
    window.popupMenu()->popup(window.mapToGlobal(QPoint(120, 40)));
    settle(300);
    if (!window.popupMenu()->grab().save(dir.filePath(QStringLiteral("main-recent.png")))) ok = false;
    window.popupMenu()->close();

    window.close();
    return ok ? 0 : 73;
}
