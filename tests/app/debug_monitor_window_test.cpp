// The debug monitor: opened by the "debug" setting and by its menu item,
// its panes after a run, the stop switches, the token pane switch, saving
// the symbol and message panes, and the output area's F5 and F2 keys.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

#include "app/code_edit_widget.h"
#include "app/function_window.h"
#include "app/main_window.h"
#include "app/monitor_window.h"
#include "app/output_view_widget.h"
#include "session/session.h"
#include "shell/settings_schema.h"
#include "window_fixture.h"

namespace {

QString pair(int first, int second) { return QString::number(zentra::packPair({first, second})); }

QStringList paneLines(QPlainTextEdit* pane) {
    const QString text = pane->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The menu item that opens the monitor, and the one before it.
QAction* actionNamed(QMenu* menu, const QString& name, QAction** before) {
    QAction* previous = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->objectName() == name) {
            *before = previous;
            return action;
        }
        previous = action;
    }
    return nullptr;
}

}  // namespace

class DebugMonitorWindowTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture;

    // An empty main window with its monitor opened from the menu.
    TFormMon& openMonitor() {
        TFormMain& w = fixture.openEmpty();
        w.actions().monitor->trigger();
        TFormMon& monitor = *w.monitorWindow();
        if (!QTest::qWaitForWindowExposed(&monitor)) qWarning("monitor not exposed");
        return monitor;
    }

    void run(const QString& parameters, const QString& program) {
        setText(fixture.window().parameterEditor(), parameters);
        setText(fixture.window().programEditor(), program);
        fixture.window().execute();
    }

private slots:
    void keloOpensTheMonitorAtItsKeptPlace() {
        WindowFixture kelo;
        {
            QSettings preset(kelo.settingsPath(), QSettings::IniFormat);
            preset.setValue("debug", "Kelo");
            preset.setValue("mtop_height", pair(120, 450));
            preset.setValue("mleft_width", pair(80, 600));
        }
        TFormMain& w = kelo.open();
        TFormMon* monitor = w.monitorWindow();
        QVERIFY(monitor->isVisible());
        QCOMPARE(monitor->windowTitle(), QStringLiteral("デバッグモニタ"));
        QCOMPARE(monitor->geometry(), QRect(80, 120, 600, 450));
        monitor->setGeometry(90, 130, 620, 460);
        kelo.close();
        QCOMPARE(kelo.readBack()->value("mtop_height").toString(), pair(130, 460));
        QCOMPARE(kelo.readBack()->value("mleft_width").toString(), pair(90, 620));
        QCOMPARE(kelo.readBack()->value("debug").toString(), QStringLiteral("Kelo"));

        // Any other word leaves it closed.
        kelo.readBack()->setValue("debug", "kelo");
        QVERIFY(!kelo.open().monitorWindow()->isVisible());
    }

    void aMonitorOffEveryScreenComesBack() {
        WindowFixture kelo;
        {
            QSettings preset(kelo.settingsPath(), QSettings::IniFormat);
            preset.setValue("debug", "Kelo");
            preset.setValue("mtop_height", pair(6000, 400));
            preset.setValue("mleft_width", pair(-9000, 500));
        }
        TFormMon* monitor = kelo.open().monitorWindow();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.contains(monitor->geometry()));
        QCOMPARE(monitor->size(), QSize(500, 400));
    }

    void menuItemOpensTheMonitorWithTheLastRun() {
        TFormMain& w = fixture.openEmpty();
        QVERIFY(!w.monitorWindow()->isVisible());
        QAction* before = nullptr;
        QAction* item = actionNamed(w.popupMenu(), QStringLiteral("MenuMonitor"), &before);
        QVERIFY(item != nullptr);
        QCOMPARE(item->text(), QStringLiteral("デバッグモニタ (&M)"));
        QCOMPARE(before, w.actions().font);

        // A run with the monitor closed leaves its views alone; they show
        // the panes when it opens.
        run("k = 2;", "y = k * 3");
        QVERIFY(w.monitorWindow()->tokenPane()->toPlainText().isEmpty());
        item->trigger();
        TFormMon& monitor = *w.monitorWindow();
        QVERIFY(monitor.isVisible());
        QVERIFY(paneLines(monitor.tokenPane()).join('\n').contains("y"));
        QVERIFY(paneLines(monitor.symbolPane()).join('\n').contains("_k"));
        QVERIFY(!paneLines(monitor.messagePane()).isEmpty());
        QVERIFY(monitor.tokenPane()->isReadOnly() && monitor.symbolPane()->isReadOnly() &&
                monitor.messagePane()->isReadOnly());

        // An open monitor follows each run.
        const QStringList firstTokens = paneLines(monitor.tokenPane());
        run("k = 2;", "y = k * 3\nz = y + 1");
        QVERIFY(paneLines(monitor.tokenPane()).size() > firstTokens.size());
        QVERIFY(paneLines(monitor.tokenPane()).join('\n').contains("z"));
    }

    void stopSwitchesEndTheRunEarlyAndKeepThePanes() {
        TFormMon& monitor = openMonitor();
        TFormMain& w = fixture.window();
        run("k = 2;", "y = k * 3");
        QCOMPARE(outputRows(w), QStringList{"y = 6"});
        const QStringList tokens = paneLines(monitor.tokenPane());
        const QStringList symbols = paneLines(monitor.symbolPane());
        QVERIFY(!tokens.isEmpty() && !symbols.isEmpty());

        QTest::mouseClick(monitor.stopButton(1), Qt::LeftButton);
        QVERIFY(monitor.stopButton(1)->isChecked());
        run("k = 5;", "w = k * 7\nv = 1");
        QCOMPARE(outputRows(w), QStringList{"y = 6"});
        QCOMPARE(paneLines(monitor.tokenPane()), tokens);
        QCOMPARE(paneLines(monitor.symbolPane()), symbols);

        // 3 stops after the token dump: new tokens, still no results.
        monitor.stopButton(3)->click();
        fixture.window().execute();
        QCOMPARE(outputRows(w), QStringList{"y = 6"});
        QVERIFY(paneLines(monitor.tokenPane()).join('\n').contains("w"));
        QCOMPARE(paneLines(monitor.symbolPane()), symbols);

        // A switch left on in a closed monitor stops nothing.
        monitor.close();
        fixture.window().execute();
        QCOMPARE(outputRows(w), (QStringList{"y = 6", "w = 35", "v = 1"}));
        monitor.open();
        QVERIFY(monitor.stopButton(3)->isChecked());
        monitor.stopButton(0)->click();
        fixture.window().execute();
        QCOMPARE(outputRows(w).size(), 5);
    }

    void tokenCheckHidesAndShowsTheTokenPane() {
        TFormMon& monitor = openMonitor();
        run("", "a = 1");
        QVERIFY(monitor.tokenCheck()->isChecked());
        QVERIFY(monitor.tokenPane()->isVisible());
        const QString tokens = monitor.tokenPane()->toPlainText();
        QVERIFY(!tokens.isEmpty());

        QTest::mouseClick(monitor.tokenCheck(), Qt::LeftButton);
        QVERIFY(!monitor.tokenPane()->isVisible());
        QVERIFY(monitor.symbolPane()->isVisible());
        QTest::mouseClick(monitor.tokenCheck(), Qt::LeftButton);
        QVERIFY(monitor.tokenPane()->isVisible());
        QCOMPARE(monitor.tokenPane()->toPlainText(), tokens);
    }

    void saveToFileWithEmptyPanesWritesTwoEmptyFiles() {
        TFormMon& monitor = openMonitor();
        QTemporaryDir target;
        fixture.dialogs().folderNames->append(target.path());
        QTest::mouseClick(monitor.saveButton(), Qt::LeftButton);
        QCOMPARE(*fixture.dialogs().lastFolderQuestion, (QStringList{"保存先のフォルダ", QDir::currentPath()}));
        QCOMPARE(fileBytes(target.filePath("symbol.txt")), QByteArray());
        QCOMPARE(fileBytes(target.filePath("message.txt")), QByteArray());
        QCOMPARE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
        QCOMPARE(fixture.messages().size(), 1);
        QVERIFY2(fixture.messages().first().contains(QDir::toNativeSeparators(target.path())),
                 qPrintable(fixture.messages().first()));

        // After a run, the panes line by line with CR LF.
        run("k = 2;", "y = k");
        fixture.dialogs().folderNames->append(target.path());
        monitor.saveButton()->click();
        const QByteArray symbols = fileBytes(target.filePath("symbol.txt"));
        QCOMPARE(symbols, (paneLines(monitor.symbolPane()).join("\r\n") + "\r\n").toUtf8());
        QVERIFY(fileBytes(target.filePath("message.txt")).endsWith("\r\n"));

        // Cancelled: nothing written, nothing said.
        fixture.messages().clear();
        QFile::remove(target.filePath("symbol.txt"));
        monitor.saveButton()->click();
        QVERIFY(!QFile::exists(target.filePath("symbol.txt")));
        QVERIFY(fixture.messages().isEmpty());
    }

    void saveToFileIntoAnUnwritableFolderChangesNothing() {
        TFormMon& monitor = openMonitor();
        run("k = 2;", "y = k");
        const QString symbols = monitor.symbolPane()->toPlainText();
        const QString messages = monitor.messagePane()->toPlainText();

        // Root may write into any folder it can read, but not into /proc.
        QTemporaryDir locked;
        const bool root = ::geteuid() == 0;
        const QString folder = root ? QStringLiteral("/proc") : locked.path();
        if (!root) QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
        fixture.dialogs().folderNames->append(folder);
        monitor.saveButton()->click();
        if (!root) ::chmod(QFile::encodeName(folder).constData(), 0755);
        QCOMPARE(fixture.messages(),
                 QStringList{QStringLiteral("ファイル \"%1/symbol.txt\" を保存できません").arg(folder)});
        QVERIFY(!QFile::exists(folder + "/symbol.txt") && !QFile::exists(folder + "/message.txt"));

        QCOMPARE(monitor.symbolPane()->toPlainText(), symbols);
        QCOMPARE(monitor.messagePane()->toPlainText(), messages);
    }

    void f5AndF2WriteToTheMessagePane() {
        TFormMon& monitor = openMonitor();
        TFormMain& w = fixture.window();
        w.session().functionStore.registerText({"twice(x)", "{", "\treturn x * 2;", "}"});
        run("", "a = 1");
        QVERIFY(paneLines(monitor.messagePane()).size() > 3);

        w.outputView()->setFocus();
        QTest::keyClick(w.outputView(), Qt::Key_F5);
        QCOMPARE(paneLines(monitor.messagePane()), (QStringList{"#twice", "twice(x)", "{", "\treturn x * 2;", "}"}));
        QTest::keyClick(w.outputView(), Qt::Key_F2);
        QCOMPARE(paneLines(monitor.messagePane()).last(), QStringLiteral("not Modified"));
        QCOMPARE(paneLines(monitor.messagePane()).size(), 6);

        // With the monitor closed the pane is still written, and shown when it opens.
        monitor.close();
        QTest::keyClick(w.outputView(), Qt::Key_F2);
        monitor.open();
        QCOMPARE(paneLines(monitor.messagePane()).size(), 7);
        // Other keys leave it alone.
        QTest::keyClick(w.outputView(), Qt::Key_F6);
        QCOMPARE(paneLines(monitor.messagePane()).size(), 7);
        // An edit the function window has not registered yet.
        w.functionWindow()->open();
        w.functionWindow()->editor()->setPlainText("thrice(x)");
        w.functionWindow()->editor()->document()->setModified(true);
        QTest::keyClick(w.outputView(), Qt::Key_F2);
        QCOMPARE(paneLines(monitor.messagePane()).last(), QStringLiteral("Modified"));
    }
};

WINDOW_TEST(DebugMonitorWindowTest)
#include "debug_monitor_window_test.moc"
