// A long run shows its progress in a modal dialog and can be cancelled.
#include <QProgressDialog>
#include <QTest>
#include <QTimer>

#include "app/code_edit_widget.h"
#include "app/main_window.h"
#include "window_fixture.h"

class RunProgressWindowTest : public QObject {
    Q_OBJECT

private slots:
    void aShortRunShowsNoDialog() {
        WindowFixture fixture;
        TFormMain& w = fixture.open();
        setText(w.programEditor(), "y = 1");
        w.execute();
        QVERIFY(w.runProgress().dialog() == nullptr);
        QCOMPARE(outputRows(w), QStringList{"y = 1"});
    }

    void cancellingALongRunKeepsTheGroupsPrinted() {
        WindowFixture fixture;
        TFormMain& w = fixture.open();
        w.runProgress().setDelay(100);
        setText(w.parameterEditor(), "n = 1, 2, 3;\nloops = 2000000000;");
        setText(w.programEditor(), "i = 0\nwhile i < (n - 1) * 300000000 {\n\ti = i + 1\n}");
        bool sawDialog = false;
        bool modal = false;
        bool closed = true;
        QString label;
        QTimer poll;
        poll.setInterval(20);
        connect(&poll, &QTimer::timeout, this, [&] {
            QProgressDialog* dialog = w.runProgress().dialog();
            if (dialog == nullptr || !dialog->isVisible()) return;
            poll.stop();
            sawDialog = true;
            label = dialog->labelText();
            modal = dialog->windowModality() == Qt::ApplicationModal && QApplication::activeModalWidget() == dialog;
            closed = w.close();
            w.execute();  // no second run meanwhile
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        poll.start();
        w.execute();
        QVERIFY(sawDialog);
        QVERIFY(modal);
        QVERIFY(!closed);
        QVERIFY(w.isVisible());
        QCOMPARE(label, QStringLiteral("計算中です　2 / 3 パス"));
        QCOMPARE(outputRows(w), (QStringList{"【 n=1 】", "i = 0"}));
        QCOMPARE(statusText(w, 0), QStringLiteral("計算を中止しました"));
        QVERIFY(fixture.messages().isEmpty());
        QVERIFY(!w.running());
        QVERIFY(w.runProgress().dialog() == nullptr);
        // The window works on as before.
        setText(w.programEditor(), "z = 2");
        setText(w.parameterEditor(), "");
        w.execute();
        QCOMPARE(outputRows(w).last(), QStringLiteral("z = 2"));
    }
};

WINDOW_TEST(RunProgressWindowTest)
#include "run_progress_window_test.moc"
