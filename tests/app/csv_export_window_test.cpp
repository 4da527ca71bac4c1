// Saving the last completed sweep as CSV from the main window's popup menu:
// when the item is offered, what the file holds, and a file that cannot be
// written.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "app/code_edit_widget.h"
#include "app/main_window.h"
#include "window_fixture.h"

namespace {

// The records of a CSV file, each split at its commas (no field here is quoted).
QList<QStringList> readRecords(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString text = QString::fromUtf8(file.readAll());
    QList<QStringList> records;
    for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) records << line.split(u',');
    return records;
}

}  // namespace

class CsvExportWindowTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture;
    QTemporaryDir dir;

    TFormMain& runProgram(const QString& parameters, const QString& program) {
        TFormMain& w = fixture.open();
        w.clearOutput();
        fixture.messages().clear();
        fixture.dialogs().saveNames->clear();
        setText(w.parameterEditor(), parameters);
        setText(w.programEditor(), program);
        w.execute();
        return w;
    }

private slots:
    void theItemFollowsTheSaveItemsInThePopup() {
        TFormMain& w = fixture.open();
        const QList<QAction*> items = w.popupMenu()->actions();
        const qsizetype at = items.indexOf(w.actions().saveAs);
        QVERIFY(at >= 0 && at + 1 < items.size());
        QCOMPARE(items[at + 1], w.actions().saveCsv);
        QCOMPARE(w.actions().saveCsv->objectName(), QStringLiteral("MenuSaveCsv"));
        QCOMPARE(w.actions().saveCsv->text(), QStringLiteral("CSVで保存 (&C)"));
        QVERIFY(!w.actions().saveCsv->isEnabled());
    }

    void aCompletedSweepIsWrittenAsHeaderAndRows() {
        TFormMain& w = runProgram("L = 1, 2, 3;\nP = 10;", "M = P * L\nh = L / 4");
        QVERIFY(w.actions().saveCsv->isEnabled());
        const QString path = dir.filePath(QStringLiteral("sweep.csv"));
        *fixture.dialogs().saveNames << path;
        w.actions().saveCsv->trigger();
        QCOMPARE(*fixture.dialogs().lastSaveQuestion, (QStringList{"CSVで保存", "CSV (*.csv)"}));
        QVERIFY(fixture.messages().isEmpty());
        const QList<QStringList> records = readRecords(path);
        QCOMPARE(records.size(), 4);
        QCOMPARE(records[0], (QStringList{"L", "M", "h"}));
        for (int pass = 1; pass <= 3; ++pass) {
            const QStringList& row = records[pass];
            QCOMPARE(row.size(), 3);
            QCOMPARE(row[0].toDouble(), double(pass));
            QCOMPARE(row[1].toDouble(), 10.0 * pass);
            QCOMPARE(row[2].toDouble(), pass / 4.0);
        }
    }

    void theHexadecimalDisplayDoesNotChangeTheTable() {
        TFormMain& w = runProgram("v = 255.5, 0.1;", "y = v / 3");
        w.toggleHexDisplay();
        const QString path = dir.filePath(QStringLiteral("hex.csv"));
        *fixture.dialogs().saveNames << path;
        w.actions().saveCsv->trigger();
        w.toggleHexDisplay();
        const QList<QStringList> records = readRecords(path);
        QCOMPARE(records.size(), 3);
        QCOMPARE(records[0], (QStringList{"v", "y"}));
        QCOMPARE(records[1][1].toDouble(), 255.5 / 3);
        QCOMPARE(records[2][1].toDouble(), 0.1 / 3);
    }

    void aCancelledDialogWritesNothing() {
        TFormMain& w = runProgram("x = 1, 2;", "y = x");
        const QStringList before = QDir(dir.path()).entryList(QDir::Files);
        w.actions().saveCsv->trigger();  // no scripted answer: cancelled
        QVERIFY(fixture.messages().isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);
    }

    void aFileThatCannotBeWrittenIsReported() {
        TFormMain& w = runProgram("x = 1, 2;", "y = x");
        const QString path = dir.filePath(QStringLiteral("no-such-folder/out.csv"));
        *fixture.dialogs().saveNames << path;
        w.actions().saveCsv->trigger();
        QCOMPARE(fixture.messages(),
                 QStringList{QStringLiteral("ファイル \"%1\" を保存できません").arg(QDir::toNativeSeparators(path))});
        QVERIFY(!QFile::exists(path));
    }

    void aFailedRunOrClearingTakesTheItemAway() {
        TFormMain& w = runProgram("x = 4, -1;", "y = sqrt(x)");
        QVERIFY(!w.actions().saveCsv->isEnabled());
        // A completed run offers it, clearing the output takes it away again.
        setText(w.programEditor(), "y = x");
        w.execute();
        QVERIFY(w.actions().saveCsv->isEnabled());
        w.clearOutput();
        QVERIFY(!w.actions().saveCsv->isEnabled());
        // So does a run that fails after one that completed.
        w.execute();
        QVERIFY(w.actions().saveCsv->isEnabled());
        setText(w.programEditor(), "y = sqrt(x)");
        w.execute();
        QVERIFY(!w.actions().saveCsv->isEnabled());
    }
};

WINDOW_TEST(CsvExportWindowTest)
#include "csv_export_window_test.moc"
