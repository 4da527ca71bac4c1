// Calculation documents in the main window: saving and loading, the save
// query, the open and save dialogs, and the recent-documents list.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QScreen>
#include <QSplitter>
#include <QTest>

#include "app/code_edit_widget.h"
#include "app/graph_window.h"
#include "app/main_window.h"
#include "app/recent_file_menu_qt.h"
#include "session/session.h"
#include "window_fixture.h"

namespace {

using zentra::QueryAnswer;

const QString kDataError = QStringLiteral("指定されたファイルのデータが正しくありません");
const QString kUnnamed = QStringLiteral("警告|現在の内容は保存されていません。名前をつけて保存しますか？");
const QString kModified = QStringLiteral("警告|現在の内容は変更されています。保存しますか？");
const QString kBase = QStringLiteral(" 科学技術計算用電卓  Zentra 1.2  ");

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A document's lines with CR LF; `settings` from the angle unit on.
QByteArray document(const QStringList& parameters, const QStringList& program, const QStringList& settings) {
    QStringList lines{"#parameters", QString::number(parameters.size())};
    lines << parameters << "#program" << QString::number(program.size()) << program << "#setting" << settings;
    return (lines.join("\r\n") + "\r\n").toUtf8();
}

QStringList captions(TFormMain& w) {
    QStringList out;
    for (const QAction* item : w.recentFileMenu()->entryActions()) out << item->text();
    return out;
}

void answer(WindowFixture& f, std::initializer_list<QueryAnswer> answers) {
    f.dialogs().answers->assign(answers.begin(), answers.end());
}

}  // namespace

class DocumentWindowTest : public QObject {
    Q_OBJECT

private slots:
    void savedDocumentLoadsBackWithTextsSettingsAndPlaces() {
        WindowFixture f;
        TFormMain& w = f.openEmpty();
        setText(w.parameterEditor(), "k = 3;  // 係数");
        setText(w.programEditor(), "y = k * 2\n// 結果");
        w.session().precision = 12;
        w.session().radian = 1;
        w.session().loopLimit = 5000;
        w.setGeometry(120, 90, 640, 360);
        QApplication::processEvents();
        w.editorSplitter()->setSizes({150, 100});
        const int usrHeight = w.parameterEditor()->height();
        // A name without suffix gets the documents' one.
        *f.dialogs().saveNames << f.folder() + "/calc";
        QVERIFY(w.saveDocumentAs());
        const QString path = f.folder() + "/calc.qbxsrc";
        QVERIFY(QFile::exists(path));
        QCOMPARE(f.dialogs().lastSaveFileQuestion->filter, QStringLiteral("Zentra source (*.qbxsrc)"));
        QCOMPARE(f.dialogs().lastSaveFileQuestion->defaultSuffix, QStringLiteral("qbxsrc"));
        QCOMPARE(w.windowTitle(), kBase + "calc.qbxsrc");
        QVERIFY(fileBytes(path).startsWith("#parameters\r\n1\r\nk = 3;  // \x8c\x57\x90\x94\r\n#program\r\n2\r\n"));

        setText(w.parameterEditor(), "other");
        setText(w.programEditor(), "z = 1");
        w.session().precision = 5;
        w.session().radian = 0;
        w.session().loopLimit = 7;
        w.setGeometry(200, 150, 500, 300);
        w.execute();
        QVERIFY(!outputRows(w).isEmpty());

        QVERIFY(w.loadDocument(path));
        QCOMPARE(w.parameterEditor()->toPlainText(), QStringLiteral("k = 3;  // 係数"));
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("y = k * 2\n// 結果"));
        QCOMPARE(w.session().precision, 12);
        QCOMPARE(w.session().radian, 1);
        QCOMPARE(w.session().loopLimit, 5000);
        QCOMPARE(statusText(w, 1), QStringLiteral(" precision 12"));
        QCOMPARE(statusText(w, 2), QStringLiteral(" unit RAD"));
        QCOMPARE(w.geometry(), QRect(120, 90, 640, 360));
        QCOMPARE(w.parameterEditor()->height(), usrHeight);
        QVERIFY(outputRows(w).isEmpty());
        QVERIFY(!w.programEditor()->document()->isModified());
        QVERIFY(!w.editHistory(w.programEditor()).canUndo());
        QVERIFY(!w.editHistory(w.parameterEditor()).canUndo());
        QVERIFY(w.changeTracking());
        QVERIFY(f.messages().isEmpty());

        // The name, the list and the folder survive a restart.
        f.close();
        QCOMPARE(f.readBack()->value("LastFile").toString(), path);
        QCOMPARE(f.readBack()->value("dir").toString(), f.folder());
        TFormMain& again = f.open();
        QCOMPARE(again.windowTitle(), kBase + "calc.qbxsrc");
        QCOMPARE(again.recentFileMenu()->current(), path);
    }

    void aRefusedOrShortFileChangesNothing() {
        WindowFixture f;
        TFormMain& w = f.openEmpty();
        const QString good = f.folder() + "/good.qbxsrc";
        *f.dialogs().saveNames << good;
        setText(w.programEditor(), "a = 1");
        QVERIFY(w.saveDocumentAs());
        setText(w.parameterEditor(), "p = 2;");
        setText(w.programEditor(), "a = 2");
        w.execute();
        const QStringList output = outputRows(w);

        const QByteArray settings = "0\r\n15\r\n1000\r\n10\r\n300\r\n10\r\n500\r\n100\r\n250\r\n";
        const QList<QByteArray> broken{
            "#parameters\r\n1\r\nx = 1;\r\n#program \r\n1\r\ny = x\r\n#setting\r\n" + settings,  // blank after the mark
            "#parameters\r\n1\r\nx = 1;\r\n#program\r\n1\r\ny = x\r\n#setting\r\n0\r\n15\r\n",  // cut short
            "#parameters\r\n2147483647\r\nx = 1;\r\n",                                           // a count past the file
            "#parameters\r\n0\r\n#program\r\n0\r\n#setting\r\n0\r\n12.5\r\n1000\r\n",           // no integer
            "",
        };
        for (const QByteArray& bytes : broken) {
            const QString path = f.folder() + "/broken.qbxsrc";
            writeFile(path, bytes);
            f.messages().clear();
            QVERIFY(!w.loadDocument(path));
            QCOMPARE(f.messages().size(), 1);
            QVERIFY2(f.messages()[0].startsWith(kDataError + "\n"), qPrintable(f.messages()[0]));
            QVERIFY(f.messages()[0].size() > kDataError.size() + 1);  // the reason follows
            QCOMPARE(w.parameterEditor()->toPlainText(), QStringLiteral("p = 2;"));
            QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("a = 2"));
            QCOMPARE(outputRows(w), output);
            QCOMPARE(w.windowTitle(), kBase + "good.qbxsrc");
            QCOMPARE(w.recentFileMenu()->current(), good);
            QVERIFY(w.recentFileMenu()->entryActions().isEmpty());
            QVERIFY(w.changeTracking());
        }
        // A missing file says so too.
        f.messages().clear();
        QVERIFY(!w.loadDocument(f.folder() + "/none.qbxsrc"));
        QVERIFY(f.messages().value(0).startsWith(kDataError + "\n"));
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("a = 2"));
    }

    void absurdValuesAreClamped() {
        WindowFixture f;
        TFormMain& w = f.openEmpty();
        const QString path = f.folder() + "/absurd.qbxsrc";
        writeFile(path, document({}, {"y = 1"}, {"7", "99", "-5", "-40000", "200", "90000", "400", "100", "250",
                                                 "-90000", "300", "-90000", "300"}));
        QVERIFY(w.loadDocument(path));
        QCOMPARE(w.session().precision, 15);
        QCOMPARE(w.session().radian, 1);
        QCOMPARE(w.session().loopLimit, 1);
        QRect screens;
        for (const QScreen* s : QGuiApplication::screens()) screens |= s->availableGeometry();
        QVERIFY2(screens.intersects(w.geometry()), qPrintable(QString("%1,%2").arg(w.x()).arg(w.y())));
        const zentra::WindowGeometry g = w.graphWindow()->place();
        QVERIFY(screens.intersects(QRect(g.left, g.top, g.width, g.height)));
    }

    void theSaveQueryAsksAboutUnnamedTexts() {
        WindowFixture f;
        TFormMain& w = f.openEmpty();
        setText(w.programEditor(), "a = 1");
        // Cancel: nothing happens.
        answer(f, {QueryAnswer::Cancel});
        w.newDocument();
        QCOMPARE(*f.dialogs().questions, QStringList{kUnnamed});
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("a = 1"));
        // Yes, and the save dialog cancelled: nothing is lost either.
        answer(f, {QueryAnswer::Yes});
        w.newDocument();
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("a = 1"));
        // Yes and a name: saved, then New goes on.
        answer(f, {QueryAnswer::Yes});
        *f.dialogs().saveNames << f.folder() + "/kept.qbxsrc";
        w.newDocument();
        QVERIFY(fileBytes(f.folder() + "/kept.qbxsrc").contains("a = 1\r\n"));
        QCOMPARE(w.programEditor()->toPlainText(), QString());
        QCOMPARE(w.windowTitle(), kBase);
        QCOMPARE(captions(w), QStringList{"&1 " + f.folder() + "/kept.qbxsrc"});
        // No: goes on without saving; empty texts are asked about too.
        f.dialogs().questions->clear();
        answer(f, {QueryAnswer::No});
        w.newDocument();
        QCOMPARE(*f.dialogs().questions, QStringList{kUnnamed});
    }

    void theSaveQueryAsksAboutChangedDocumentsOnly() {
        WindowFixture f;
        TFormMain& w = f.openEmpty();
        const QString path = f.folder() + "/doc.qbxsrc";
        writeFile(path, document({"p = 1;"}, {"y = p"}, {"0", "15", "1000", "10", "300", "10", "500", "100", "250"}));
        QVERIFY(w.loadDocument(path));
        // Unchanged: no question.
        *f.dialogs().openNames << path;
        w.openDocument();
        QVERIFY(f.dialogs().questions->isEmpty());
        // Typed into (the edit history clears the modified mark as it records).
        w.programEditor()->moveCursor(QTextCursor::End);
        typeInto(w.programEditor(), " + 1");
        QVERIFY(!w.programEditor()->document()->isModified());
        answer(f, {QueryAnswer::Yes});
        *f.dialogs().openNames << path;
        w.openDocument();
        QCOMPARE(*f.dialogs().questions, QStringList{kModified});
        QVERIFY2(fileBytes(path).contains("y = p + 1\r\n"), fileBytes(path).constData());
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("y = p + 1"));
        // A modified mark alone asks too; No loads without saving.
        w.programEditor()->document()->setModified(true);
        f.dialogs().questions->clear();
        answer(f, {QueryAnswer::No});
        w.newDocument();
        QCOMPARE(*f.dialogs().questions, QStringList{kModified});
        QCOMPARE(w.programEditor()->toPlainText(), QString());
    }

    void openStartsInTheLastFolderAndOffersTheDocumentFilters() {
        WindowFixture f;
        QDir(f.folder()).mkpath("sub");
        {
            QSettings preset(f.settingsPath(), QSettings::IniFormat);
            preset.setValue("dir", f.folder() + "/sub");
        }
        TFormMain& w = f.openEmpty();
        answer(f, {QueryAnswer::No});
        w.openDocument();  // cancelled
        QCOMPARE(f.dialogs().lastOpenQuestion->start, f.folder() + "/sub");
        QCOMPARE(f.dialogs().lastOpenQuestion->filter,
                 QStringLiteral("Zentra source (*.qbxsrc);;テキスト (*.txt);;すべて (*)"));
        QCOMPARE(f.dialogs().lastOpenQuestion->defaultSuffix, QStringLiteral("qbxsrc"));

        const QString path = f.folder() + "/other.qbxsrc";
        writeFile(path, document({}, {"q = 2"}, {"0", "15", "1000", "10", "300", "10", "500", "100", "250"}));
        answer(f, {QueryAnswer::No});
        *f.dialogs().openNames << path;
        w.openDocument();
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("q = 2"));
        QCOMPARE(w.windowTitle(), kBase + "other.qbxsrc");
        // Save As starts at the document's own name, the next Open in its folder.
        *f.dialogs().saveNames << f.folder() + "/sub/copy.qbxsrc";
        QVERIFY(w.saveDocumentAs());
        QCOMPARE(f.dialogs().lastSaveFileQuestion->start, path);
        w.openDocument();
        QCOMPARE(f.dialogs().lastOpenQuestion->start, f.folder() + "/sub");
    }

    void elevenDocumentsLeaveTenNumberedEntries() {
        WindowFixture f;
        TFormMain& w = f.openEmpty();
        QStringList paths;
        for (int i = 1; i <= 11; ++i) {
            paths << f.folder() + QStringLiteral("/d%1.qbxsrc").arg(i);
            setText(w.programEditor(), QStringLiteral("v = %1").arg(i));
            QVERIFY(w.saveDocumentTo(paths.last()));
        }
        for (const QString& path : paths) QVERIFY(w.loadDocument(path));
        const QStringList shown = captions(w);
        QCOMPARE(shown.size(), 10);
        for (int i = 0; i < 10; ++i) QCOMPARE(shown[i], QStringLiteral("&%1 ").arg(i + 1) + paths[9 - i]);

        // In the popup menu: after N1, then a separator, then MenuQuit.
        const QList<QAction*> items = w.popupMenu()->actions();
        const qsizetype n1 = items.indexOf(w.actions().recentSeparator);
        QCOMPARE(items.value(n1 + 1)->text(), shown[0]);
        QCOMPARE(items.value(n1 + 10)->text(), shown[9]);
        QVERIFY(items.value(n1 + 11)->isSeparator());
        QCOMPARE(items.value(n1 + 12), w.actions().quit);

        // Choosing an entry loads it; the current document takes the top.
        w.recentFileMenu()->entryActions()[2]->trigger();
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("v = 8"));
        QCOMPARE(w.recentFileMenu()->current(), paths[7]);
        QCOMPARE(captions(w).value(0), "&1 " + paths[10]);
        QCOMPARE(w.popupMenu()->actions().size(), items.size());

        // The list survives a restart.
        f.close();
        TFormMain& again = f.open();
        QCOMPARE(captions(again).size(), 10);
        QCOMPARE(again.recentFileMenu()->current(), paths[7]);
    }

    void reopeningTheCurrentDocumentOrNewAfterNewKeepTheList() {
        WindowFixture f;
        TFormMain& w = f.openEmpty();
        const QString a = f.folder() + "/a.qbxsrc";
        const QString b = f.folder() + "/b.qbxsrc";
        QVERIFY(w.saveDocumentTo(a));
        QVERIFY(w.saveDocumentTo(b));
        QCOMPARE(captions(w), QStringList{"&1 " + a});
        QVERIFY(w.loadDocument(b));
        QCOMPARE(captions(w), QStringList{"&1 " + a});
        w.newDocument();  // unchanged: no question
        QVERIFY(f.dialogs().questions->isEmpty());
        QCOMPARE(captions(w), (QStringList{"&1 " + b, "&2 " + a}));
        answer(f, {QueryAnswer::No});
        w.newDocument();
        QCOMPARE(captions(w), (QStringList{"&1 " + b, "&2 " + a}));
        QCOMPARE(w.windowTitle(), kBase);
    }

    void anAmpersandInAPathShowsAsItself() {
        WindowFixture f;
        QDir(f.folder()).mkpath("R&D");
        TFormMain& w = f.openEmpty();
        const QString odd = f.folder() + "/R&D/a&b.qbxsrc";
        setText(w.programEditor(), "w = 5");
        QVERIFY(w.saveDocumentTo(odd));
        QVERIFY(w.saveDocumentTo(f.folder() + "/plain.qbxsrc"));
        QString escaped = odd;
        escaped.replace("&", "&&");
        QCOMPARE(captions(w), QStringList{"&1 " + escaped});
        setText(w.programEditor(), "w = 6");
        answer(f, {QueryAnswer::No});
        w.recentFileMenu()->entryActions()[0]->trigger();
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("w = 5"));
        QCOMPARE(w.windowTitle(), kBase + "a&b.qbxsrc");
        // The last folder is the entry's own.
        w.openDocument();
        QCOMPARE(f.dialogs().lastOpenQuestion->start, f.folder() + "/R&D");
    }

    void aTextShiftJisCannotHoldFailsTheSaveAndKeepsEverything() {
        WindowFixture f;
        TFormMain& w = f.openEmpty();
        const QString path = f.folder() + "/keep.qbxsrc";
        setText(w.programEditor(), "a = 1");
        QVERIFY(w.saveDocumentTo(path));
        const QByteArray before = fileBytes(path);
        setText(w.programEditor(), QStringLiteral("a = 1 // 😀"));
        QVERIFY(!w.saveDocumentTo(f.folder() + "/new.qbxsrc"));
        QVERIFY(!w.saveDocument());
        QCOMPARE(f.messages().size(), 2);
        QVERIFY2(f.messages()[1].contains("Shift-JIS"), qPrintable(f.messages()[1]));
        QVERIFY(f.messages()[1].contains(path));
        QCOMPARE(fileBytes(path), before);
        QVERIFY(!QFile::exists(f.folder() + "/new.qbxsrc"));
        QCOMPARE(w.windowTitle(), kBase + "keep.qbxsrc");
        QCOMPARE(w.recentFileMenu()->current(), path);
        QVERIFY(w.recentFileMenu()->entryActions().isEmpty());
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("a = 1 // 😀"));
        // The failed save is still unsaved: the query asks.
        answer(f, {QueryAnswer::Cancel});
        w.newDocument();
        QCOMPARE(*f.dialogs().questions, QStringList{kModified});
    }

    void loadingClosesTheGraphWindowAndTakesItsPlace() {
        WindowFixture f;
        TFormMain& w = f.openEmpty();
        setText(w.parameterEditor(), "x = 0, 1, ..., 10;");
        setText(w.programEditor(), "y = x * x\ngraph(y)");
        w.execute();
        QVERIFY(w.graphWindow()->isVisible());
        const QString path = f.folder() + "/g.qbxsrc";
        writeFile(path, document({}, {"y = 1"}, {"0", "15", "1000", "100", "300", "100", "500", "100", "250", "60",
                                                 "320", "70", "410"}));
        QVERIFY(w.loadDocument(path));
        QVERIFY(!w.graphWindow()->isVisible());
        QCOMPARE(w.graphWindow()->place(), (zentra::WindowGeometry{60, 320, 70, 410}));

        // Without the graph window lines, its place stays.
        const QString shorter = f.folder() + "/short.qbxsrc";
        writeFile(shorter, document({}, {"y = 2"}, {"0", "15", "1000", "100", "300", "100", "500", "100", "250"}));
        QVERIFY(w.loadDocument(shorter));
        QCOMPARE(w.graphWindow()->place(), (zentra::WindowGeometry{60, 320, 70, 410}));
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("y = 2"));
    }

    void closingAsksAboutANamedDocumentWhoseTextsChanged() {
        WindowFixture f;
        TFormMain& first = f.openEmpty();
        const QString path = f.folder() + "/c.qbxsrc";
        setText(first.programEditor(), "a = 1");
        QVERIFY(first.saveDocumentTo(path));
        QVERIFY(first.close());
        QVERIFY(f.dialogs().questions->isEmpty());

        // After a restart the texts come from the settings and match the file.
        TFormMain& w = f.open();
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("a = 1"));
        setText(w.programEditor(), "a = 2");
        answer(f, {QueryAnswer::Cancel});
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QCOMPARE(*f.dialogs().questions, QStringList{kModified});
        answer(f, {QueryAnswer::Yes});
        QVERIFY(w.close());
        QVERIFY(fileBytes(path).contains("a = 2\r\n"));

        TFormMain& again = f.open();
        setText(again.programEditor(), "a = 3");
        answer(f, {QueryAnswer::No});
        QVERIFY(again.close());
        QVERIFY(fileBytes(path).contains("a = 2\r\n"));
        QCOMPARE(f.readBack()->value("src").toString(), QStringLiteral("a = 3\n"));

        // Texts without a document live on in the settings: no question.
        TFormMain& unnamed = f.open();
        answer(f, {QueryAnswer::No});
        unnamed.newDocument();
        setText(unnamed.programEditor(), "b = 1");
        f.dialogs().questions->clear();
        QVERIFY(unnamed.close());
        QVERIFY(f.dialogs().questions->isEmpty());
    }

    void aDroppedDocumentOpensAfterTheQuery() {
        WindowFixture f;
        QDir(f.folder()).mkpath("drop");
        TFormMain& w = f.openEmpty();
        const QString path = f.folder() + "/drop/dropped.qbxsrc";
        writeFile(path, document({}, {"d = 4"}, {"0", "15", "1000", "100", "300", "100", "500", "100", "250"}));
        setText(w.programEditor(), "kept");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QWidget* target = w.programEditor()->viewport();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        // Cancel keeps the texts.
        answer(f, {QueryAnswer::Cancel});
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QTRY_COMPARE(*f.dialogs().questions, QStringList{kUnnamed});
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("kept"));
        answer(f, {QueryAnswer::No});
        QDragEnterEvent enterAgain(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enterAgain);
        QDropEvent again(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &again);
        QTRY_COMPARE(w.programEditor()->toPlainText(), QStringLiteral("d = 4"));
        QCOMPARE(w.windowTitle(), kBase + "dropped.qbxsrc");
        w.openDocument();
        QCOMPARE(f.dialogs().lastOpenQuestion->start, f.folder() + "/drop");
    }
};

WINDOW_TEST(DocumentWindowTest)
#include "document_window_test.moc"
