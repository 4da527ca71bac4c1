// Starting the desktop program: its command line, a second start handing a
// document to the running one, and the manual found where it is installed.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QElapsedTimer>
#include <QLocalServer>

#include "app/command_line_qt.h"
#include "app/document_hand_off_qt.h"
#include "app/help_window.h"
#include "app/single_instance_qt.h"
#include "window_fixture.h"

class DesktopStartQtTest : public QObject {
    Q_OBJECT

private slots:
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("document");  // relative to the working folder
        const int start = int(AppCommandLine::Action::Start);
        const int refuse = int(AppCommandLine::Action::Refuse);
        QTest::newRow("nothing") << QStringList{} << start << QString();
        QTest::newRow("a document") << QStringList{"beam.qbxsrc"} << start << "beam.qbxsrc";
        QTest::newRow("a name like an option") << QStringList{"--", "-x.qbxsrc"} << start << "-x.qbxsrc";
        QTest::newRow("help") << QStringList{"--help"} << int(AppCommandLine::Action::ShowHelp) << QString();
        QTest::newRow("short help") << QStringList{"-h"} << int(AppCommandLine::Action::ShowHelp) << QString();
        QTest::newRow("version") << QStringList{"--version"} << int(AppCommandLine::Action::ShowVersion) << QString();
        QTest::newRow("short version") << QStringList{"-V"} << int(AppCommandLine::Action::ShowVersion) << QString();
        QTest::newRow("two documents") << QStringList{"a.qbxsrc", "b.qbxsrc"} << refuse << QString();
        QTest::newRow("unknown option") << QStringList{"--bogus"} << refuse << QString();
        QTest::newRow("empty name") << QStringList{""} << refuse << QString();
    }

    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, document);
        const AppCommandLine parsed = parseAppCommandLine(QStringList{"zentra"} + arguments);
        QCOMPARE(int(parsed.action), action);
        QCOMPARE(parsed.document, document.isEmpty() ? QString() : QDir::current().absoluteFilePath(document));
        QCOMPARE(parsed.error.isEmpty(), action != int(AppCommandLine::Action::Refuse));
    }

    // The test holds the lock and listens as the running window does; a
    // real second `zentra` hands its document over and ends quietly.
    void aSecondStartHandsItsDocumentToTheRunningOne() {
        QTemporaryDir runtime;
        SingleInstance running;
        QCOMPARE(running.acquire(runtime.path()), SingleInstance::Result::Acquired);
        DocumentHandOffServer server;
        QVERIFY(server.listen(runtime.path()));
        QSignalSpy requested(&server, &DocumentHandOffServer::documentRequested);

        QTemporaryDir work;
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("ZENTRA_SETTINGS", work.filePath("Zentra.ini"));
        second.setProcessEnvironment(env);
        second.setWorkingDirectory(work.path());
        // A name with a line feed and an ampersand travels whole.
        const QString name = QStringLiteral("R&D\nbeam.qbxsrc");
        second.start(QStringLiteral(ZENTRA_APP_PATH), {name});
        QVERIFY(requested.wait(10000));
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(requested.front().front().toString(), QDir(work.path()).absoluteFilePath(name));
        QVERIFY(second.readAllStandardError().isEmpty());
    }

    // Nothing listening, or a running program that never answers (busy or
    // stuck): the hand-off gives up within its time.
    void aHandOffToNobodyGivesUp() {
        QTemporaryDir runtime;
        QVERIFY(!handDocumentToRunningInstance(QStringLiteral("a.qbxsrc"), 300, runtime.path()));

        QLocalServer silent;
        QVERIFY(silent.listen(handOffSocketPath(runtime.path())));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!handDocumentToRunningInstance(QStringLiteral("a.qbxsrc"), 300, runtime.path()));
        QVERIFY(clock.elapsed() < 5000);
    }

    void aSocketLeftByACrashIsReplaced() {
        QTemporaryDir runtime;
        QFile stale(handOffSocketPath(runtime.path()));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        DocumentHandOffServer server;
        QVERIFY(server.listen(runtime.path()));
    }

    void theManualIsFoundBesideAnInstalledProgram() {
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath("bin"));
        QVERIFY(QDir(prefix.path()).mkpath("share/doc/zentra"));
        QFile manual(prefix.filePath("share/doc/zentra/manual.md"));
        QVERIFY(manual.open(QIODevice::WriteOnly));
        manual.close();
        QCOMPARE(HelpWindow::findManual(prefix.filePath("bin")), QFileInfo(manual).absoluteFilePath());
    }

    void theManualIsFoundFromTheBuildFolder() {
        const QString found = HelpWindow::findManual(QStringLiteral(ZENTRA_BUILD_DIR));
        QVERIFY(found.endsWith(QStringLiteral("/docs/manual.md")));
        QVERIFY(QFileInfo::exists(found));
    }
};

WINDOW_TEST(DesktopStartQtTest)
#include "desktop_start_qt_test.moc"
