// Documents from outside the window: named on the command line, or handed
// over by a second start.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTest>
#include <QTimer>

#include "app/code_edit_widget.h"
#include "app/main_window.h"
#include "window_fixture.h"

namespace {

const QString kUnnamed = QStringLiteral("警告|現在の内容は保存されていません。名前をつけて保存しますか？");

}  // namespace

class DocumentStartWindowTest : public QObject {
    Q_OBJECT

    // A document holding `program`, written by the window itself; the
    // window is left empty.
    QString writeDocument(TFormMain& w, const QString& program) {
        w.programEditor()->setPlainText(program);
        w.parameterEditor()->setPlainText(QStringLiteral("x = 1, 2, 3;"));
        const QString path = fixture.folder() + QStringLiteral("/start.qbxsrc");
        if (!w.saveDocumentTo(path)) return {};
        w.newDocument();
        w.programEditor()->clear();
        w.parameterEditor()->clear();
        fixture.dialogs().questions->clear();
        return path;
    }

    WindowFixture fixture;

private slots:
    void startingWithADocumentIntoEmptyAreasAsksNothing() {
        TFormMain& w = fixture.openEmpty();
        const QString path = writeDocument(w, QStringLiteral("y = x * 2"));
        QVERIFY(!path.isEmpty());
        w.openStartupDocument(path);
        QVERIFY(fixture.dialogs().questions->isEmpty());
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("y = x * 2"));
    }

    void restoredTextsAreOfferedForSavingFirst() {
        TFormMain& w = fixture.openEmpty();
        const QString path = writeDocument(w, QStringLiteral("y = x * 2"));
        w.programEditor()->setPlainText(QStringLiteral("unsaved = 1"));
        fixture.dialogs().answers->push_back(zentra::QueryAnswer::No);
        w.openStartupDocument(path);
        QCOMPARE(*fixture.dialogs().questions, QStringList{kUnnamed});
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("y = x * 2"));
    }

    void aMissingDocumentIsReportedAndChangesNothing() {
        TFormMain& w = fixture.openEmpty();
        w.programEditor()->setPlainText(QStringLiteral("kept = 1"));
        fixture.dialogs().answers->push_back(zentra::QueryAnswer::No);
        w.openStartupDocument(fixture.folder() + QStringLiteral("/missing.qbxsrc"));
        QCOMPARE(fixture.messages().size(), 1);
        QVERIFY(fixture.messages().front().startsWith(QStringLiteral("指定されたファイルのデータが正しくありません")));
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("kept = 1"));
    }

    // A handed document waits while a dialog is open and opens when it closes.
    void aHandedDocumentWaitsForAnOpenDialog() {
        TFormMain& w = fixture.openEmpty();
        const QString path = writeDocument(w, QStringLiteral("z = x + 1"));
        QDialog dialog(&w);
        dialog.setModal(true);
        dialog.show();
        QTRY_VERIFY(QApplication::activeModalWidget() == &dialog);
        fixture.dialogs().answers->push_back(zentra::QueryAnswer::No);  // the areas have no name
        w.openHandedDocument(path);
        QTest::qWait(500);
        QVERIFY(w.programEditor()->toPlainText().isEmpty());
        dialog.close();
        QTRY_COMPARE(w.programEditor()->toPlainText(), QStringLiteral("z = x + 1"));
    }
};

WINDOW_TEST(DocumentStartWindowTest)
#include "document_start_window_test.moc"
