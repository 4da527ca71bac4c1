// The user-function window: the list and the editor, registering and
// deleting, library files, the two orders, the filter box, the save query,
// the error location display, and its part in the main window.
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QSplitter>
#include <QTest>

#include "app/code_edit_widget.h"
#include "app/function_window.h"
#include "app/main_window.h"
#include "results/result_output.h"
#include "session/session.h"
#include "window_fixture.h"

namespace {

using Answer = zentra::QueryAnswer;

// Three functions, the newest first; the first has a description.
const std::vector<std::string> kStore{"#sq",  "// 平方",  "sq(x)",  "{", "\treturn x * x;", "}",
                                      "#hyp", "hyp(a, b)", "{", "\treturn sqrt(a * a + b * b);", "}",
                                      "#Cube", "Cube(x)", "{ return x * x * x; }"};

QStringList rows(TFormFunc& f) {
    QStringList out;
    for (int i = 0; i < f.list()->count(); ++i) out << f.list()->item(i)->text();
    return out;
}

// The entry shown selected, or the empty text.
QString selectedRow(TFormFunc& f) {
    const QList<QListWidgetItem*> items = f.list()->selectedItems();
    return items.size() == 1 ? items.front()->text() : QString();
}

void clickEntry(TFormFunc& f, const QString& text) {
    const QList<QListWidgetItem*> found = f.list()->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    QTest::mouseClick(f.list()->viewport(), Qt::LeftButton, {}, f.list()->visualItemRect(found.front()).center());
}

QStringList storeLines(TFormMain& w) {
    QStringList out;
    for (const std::string& line : w.session().functionStore.lines()) out << QString::fromStdString(line);
    return out;
}

QStringList editorLines(TFormFunc& f) { return f.editor()->toPlainText().split(u'\n'); }

// Types ASCII text at the end of the editor's text, Enter for a line break.
void typeAtEnd(TFormFunc& f, const QString& text) {
    f.editor()->moveCursor(QTextCursor::End);
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) QTest::keyClick(f.editor(), Qt::Key_Return);
        typeInto(f.editor(), lines[i]);
    }
}

}  // namespace

class FunctionWindowTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture;

    TFormMain& openMain() {
        TFormMain& w = fixture.openEmpty();
        fixture.dialogs().answers->clear();
        fixture.dialogs().questions->clear();
        fixture.dialogs().openNames->clear();
        fixture.dialogs().saveNames->clear();
        return w;
    }

    TFormFunc& openFunctions(const std::vector<std::string>& store = kStore) {
        TFormMain& w = openMain();
        w.session().functionStore = zentra::FunctionStore(store);
        w.actions().func->trigger();
        TFormFunc* f = w.functionWindow();
        if (!QTest::qWaitForWindowExposed(f)) qWarning("function window not exposed");
        return *f;
    }

    QString libraryPath(const char* name) const { return fixture.folder() + u'/' + QString::fromLatin1(name); }

private slots:
    void theWindowListsTheStoreAndItsMenuHasEveryCommandInOrder() {
        TFormFunc& f = openFunctions();
        QCOMPARE(f.windowTitle(), QStringLiteral(" ユーザ関数の一覧と編集"));
        QCOMPARE(rows(f), (QStringList{"sq(x) //平方", "hyp(a,b)", "Cube(x)"}));
        QVERIFY(f.editor()->toPlainText().isEmpty());
        QStringList items;
        for (QAction* a : f.popupMenu()->actions()) items << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(items, (QStringList{"新しい関数の作成 (&N)", "登録または更新 (&G)", "-", "登録済関数の保存 (&S)",
                                     "ファイルから登録 (&L)", "-", "新しい順 (&B)", "アルファベット順 (&A)", "-",
                                     "元に戻す(&U)", "やり直す(&R)", "-", "選択した関数の削除 (&D)"}));
        QVERIFY(f.actions().sortNew->isChecked() && f.actions().sortNew->actionGroup() == f.actions().sort->actionGroup());
        QVERIFY(!f.actions().regist->isEnabled());
        QVERIFY(!f.actions().undo->isEnabled());
        // The main window's command is off while the window is open.
        TFormMain& w = fixture.window();
        QVERIFY(!w.actions().func->isEnabled());
        f.close();
        QVERIFY(w.actions().func->isEnabled());
    }

    void registeringMovesTheFunctionToTheFrontAndWritesTheStore() {
        TFormFunc& f = openFunctions();
        clickEntry(f, "hyp(a,b)");
        QCOMPARE(editorLines(f), (QStringList{"hyp(a, b)", "{", "\treturn sqrt(a * a + b * b);", "}"}));
        QVERIFY(!f.modified());
        QVERIFY(f.actions().regist->isEnabled());
        typeAtEnd(f, "\n// side");
        QVERIFY(f.modified());
        f.actions().regist->trigger();
        QVERIFY(!f.modified());
        TFormMain& w = fixture.window();
        QCOMPARE(storeLines(w).mid(0, 6),
                 (QStringList{"#hyp", "hyp(a, b)", "{", "\treturn sqrt(a * a + b * b);", "}", "// side"}));
        QCOMPARE(storeLines(w).count(QStringLiteral("#hyp")), 1);
        QCOMPARE(rows(f), (QStringList{"hyp(a,b)", "sq(x) //平方", "Cube(x)"}));
        QCOMPARE(selectedRow(f), QStringLiteral("hyp(a,b)"));
        QCOMPARE(fixture.readBack()->value("mfunc").toString(), storeLines(w).join(u'\n') + u'\n');
    }

    void deletingRemovesTheFunctionNamedInTheEditorNotTheSelectedOne() {
        TFormFunc& f = openFunctions();
        clickEntry(f, "Cube(x)");
        // The editor names sq; the list still has Cube selected.
        f.editor()->setPlainText(QStringLiteral("sq(x)\n{ return x * x; }"));
        f.actions().remove->trigger();
        QCOMPARE(storeLines(fixture.window()),
                 (QStringList{"#hyp", "hyp(a, b)", "{", "\treturn sqrt(a * a + b * b);", "}", "#Cube", "Cube(x)",
                              "{ return x * x * x; }"}));
        QCOMPARE(rows(f), (QStringList{"hyp(a,b)", "Cube(x)"}));
        QCOMPARE(selectedRow(f), QString());
        QVERIFY(!f.modified());
    }

    void aTextWithoutDeclarationIsRefusedWithItsMessage() {
        TFormFunc& f = openFunctions();
        f.newFunction();
        QCOMPARE(editorLines(f), (QStringList{"//説明", "", "{", "\t", "\treturn ", "}"}));
        QCOMPARE(f.editor()->caretLine(), 1);
        f.registerFunction();
        QCOMPARE(fixture.messages(), QStringList{"ソースコードに関数名がありません"});
        QCOMPARE(storeLines(fixture.window()).size(), static_cast<qsizetype>(kStore.size()));
    }

    void aNewFunctionTypedIntoTheTemplateIsRegistered() {
        TFormFunc& f = openFunctions();
        f.newFunction();
        typeInto(f.editor(), "twice(x)");
        f.editor()->moveCursor(QTextCursor::End);
        f.editor()->moveCursor(QTextCursor::Up);
        f.editor()->moveCursor(QTextCursor::EndOfLine);
        typeInto(f.editor(), "2 * x;");
        QVERIFY(f.modified());
        f.refreshCommands();
        QVERIFY(f.actions().regist->isEnabled());
        f.actions().regist->trigger();
        QCOMPARE(rows(f).front(), QStringLiteral("twice(x) //説明"));
        QCOMPARE(storeLines(fixture.window()).mid(0, 7),
                 (QStringList{"#twice", "//説明", "twice(x)", "{", "\t", "\treturn 2 * x;", "}"}));
    }

    void importingTwiceFindsNothingNewTheSecondTime() {
        const QString path = libraryPath("more.qbxfun");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#half\r\nhalf(x)\r\n{ return x / 2; }\r\n#sq\r\nsq(x)\r\n{ return x; }\r\n");
        }
        TFormFunc& f = openFunctions();
        *fixture.dialogs().openNames << path << path;
        f.actions().import->trigger();
        QCOMPARE(fixture.dialogs().lastOpenQuestion->filter,
                 QStringLiteral("ユーザ関数 (*.qbxfun);;テキスト (*.txt);;すべて (*)"));
        // sq is there already (its header line is), so only half is taken.
        QCOMPARE(fixture.messages(), QStringList{"以下の関数を登録しました\n\nhalf\n"});
        QCOMPARE(rows(f).front(), QStringLiteral("half(x)"));
        QCOMPARE(storeLines(fixture.window()).count(QStringLiteral("#sq")), 1);
        f.actions().import->trigger();
        QCOMPARE(fixture.messages().back(), QStringLiteral("指定ファイルに未登録の関数はありません"));
        fixture.close();
        QCOMPARE(fixture.readBack()->value("dir").toString(), fixture.folder() + u'/');
    }

    void anExportedLibraryImportsIntoAnEmptyStoreInReverseOrder() {
        TFormFunc& f = openFunctions();
        // A name typed without an extension gets the library's.
        *fixture.dialogs().saveNames << libraryPath("lib");
        f.actions().save->trigger();
        const FileQuestion asked = *fixture.dialogs().lastSaveFileQuestion;
        QCOMPARE(asked.caption, QStringLiteral("ユーザ関数の保存"));
        QCOMPARE(asked.defaultSuffix, QStringLiteral("qbxfun"));
        QCOMPARE(asked.filter, QStringLiteral("ユーザ関数(*.qbxfun);;テキスト(*.txt);;すべてのファイル(*)"));
        QVERIFY(QFile::exists(libraryPath("lib.qbxfun")));
        QVERIFY(!QFile::exists(libraryPath("lib")));

        f.close();
        TFormFunc& empty = openFunctions({});
        QVERIFY(rows(empty).isEmpty());
        *fixture.dialogs().openNames << libraryPath("lib.qbxfun");
        // The next dialog starts where the library was written.
        empty.actions().import->trigger();
        QCOMPARE(fixture.dialogs().lastOpenQuestion->start, fixture.folder() + u'/');
        QCOMPARE(fixture.messages(), QStringList{"以下の関数を登録しました\n\nsq\nhyp\nCube\n"});
        QCOMPARE(rows(empty), (QStringList{"Cube(x)", "hyp(a,b)", "sq(x) //平方"}));
        QCOMPARE(storeLines(fixture.window()),
                 (QStringList{"#Cube", "Cube(x)", "{ return x * x * x; }", "#hyp", "hyp(a, b)", "{",
                              "\treturn sqrt(a * a + b * b);", "}", "#sq", "// 平方", "sq(x)", "{", "\treturn x * x;",
                              "}"}));
    }

    void anUnreadableLibraryChangesNothing() {
        TFormFunc& f = openFunctions();
        *fixture.dialogs().openNames << libraryPath("missing.qbxfun");
        f.actions().import->trigger();
        QCOMPARE(fixture.messages().size(), 1);
        QVERIFY(fixture.messages().front().contains(QStringLiteral("missing.qbxfun")));
        QCOMPARE(storeLines(fixture.window()).size(), static_cast<qsizetype>(kStore.size()));
    }

    void openingAnotherFunctionAsksAboutTheChangedOne_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes registers") << true;
        QTest::newRow("No drops the change") << false;
    }

    void openingAnotherFunctionAsksAboutTheChangedOne() {
        QFETCH(bool, yes);
        TFormFunc& f = openFunctions();
        clickEntry(f, "Cube(x)");
        typeAtEnd(f, "\n// cube");
        fixture.dialogs().answers->push_back(yes ? Answer::Yes : Answer::No);
        clickEntry(f, "hyp(a,b)");
        QCOMPARE(*fixture.dialogs().questions, QStringList{"確認|表示中の関数は変更されています。保存しますか？"});
        QCOMPARE(editorLines(f).front(), QStringLiteral("hyp(a, b)"));
        QVERIFY(!f.modified());
        QCOMPARE(selectedRow(f), QStringLiteral("hyp(a,b)"));
        const QStringList store = storeLines(fixture.window());
        QCOMPARE(store.front() == QStringLiteral("#Cube"), yes);
        QCOMPARE(store.contains(QStringLiteral("\t// cube")), yes);  // indented after "{"
        // Unchanged text is not asked about.
        clickEntry(f, "sq(x) //平方");
        QCOMPARE(fixture.dialogs().questions->size(), 1);
    }

    void bothOrdersKeepTheSelectedEntry() {
        TFormFunc& f = openFunctions();
        clickEntry(f, "hyp(a,b)");
        f.actions().sort->trigger();
        QCOMPARE(rows(f), (QStringList{"Cube(x)", "hyp(a,b)", "sq(x) //平方"}));
        QCOMPARE(selectedRow(f), QStringLiteral("hyp(a,b)"));
        QVERIFY(f.actions().sort->isChecked() && !f.actions().sort->isEnabled());
        QVERIFY(f.actions().sortNew->isEnabled());
        f.actions().sortNew->trigger();
        QCOMPARE(rows(f), (QStringList{"sq(x) //平方", "hyp(a,b)", "Cube(x)"}));
        QCOMPARE(selectedRow(f), QStringLiteral("hyp(a,b)"));
        QVERIFY(f.actions().sortNew->isChecked() && !f.actions().sortNew->isEnabled());

        // Registering in alphabetical order selects the registered function where it lands.
        f.actions().sort->trigger();
        clickEntry(f, "Cube(x)");
        typeAtEnd(f, " ");
        f.actions().regist->trigger();
        QCOMPARE(rows(f), (QStringList{"Cube(x)", "hyp(a,b)", "sq(x) //平方"}));
        QCOMPARE(selectedRow(f), QStringLiteral("Cube(x)"));
        QCOMPARE(storeLines(fixture.window()).front(), QStringLiteral("#Cube"));

        // The window opened again shows the order last chosen.
        f.close();
        fixture.window().showFunctionWindow();
        QCOMPARE(rows(f), (QStringList{"Cube(x)", "hyp(a,b)", "sq(x) //平方"}));
        QVERIFY(f.actions().sort->isChecked());
    }

    void theFilterBoxNarrowsTheListUntilTheListIsRebuilt() {
        TFormFunc& f = openFunctions();
        clickEntry(f, "sq(x) //平方");
        QTest::keyClicks(f.filterBox(), "H");
        QCOMPARE(rows(f), (QStringList{"hyp(a,b)"}));
        QCOMPARE(selectedRow(f), QString());
        f.filterBox()->clear();
        QCOMPARE(rows(f).size(), 3);
        QCOMPARE(selectedRow(f), QStringLiteral("sq(x) //平方"));  // the selection comes back
        f.filterBox()->setText(QStringLiteral("x 平方"));
        QCOMPARE(rows(f), (QStringList{"sq(x) //平方"}));
        // A click on a filtered entry opens it.
        f.filterBox()->clear();
        QTest::keyClicks(f.filterBox(), "Cu");
        clickEntry(f, "Cube(x)");
        QCOMPARE(editorLines(f).front(), QStringLiteral("Cube(x)"));
        // Registering shows the whole list again.
        typeAtEnd(f, " ");
        f.registerFunction();
        QCOMPARE(f.filterBox()->text(), QString());
        QCOMPARE(rows(f), (QStringList{"Cube(x)", "sq(x) //平方", "hyp(a,b)"}));
        // So do both orders.
        QTest::keyClicks(f.filterBox(), "hyp");
        f.actions().sort->trigger();
        QCOMPARE(f.filterBox()->text(), QString());
        QCOMPARE(rows(f).size(), 3);
    }

    void undoAndRedoWorkOnTheEditorsOwnHistory() {
        TFormFunc& f = openFunctions();
        clickEntry(f, "Cube(x)");
        QVERIFY(!f.actions().undo->isEnabled());
        typeAtEnd(f, "A");
        typeAtEnd(f, "B");
        QVERIFY(f.actions().undo->isEnabled());
        QTest::keyClick(f.editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editorLines(f).back(), QStringLiteral("{ return x * x * x; }A"));
        QVERIFY(f.actions().redo->isEnabled());
        QTest::keyClick(f.editor(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(editorLines(f).back(), QStringLiteral("{ return x * x * x; }AB"));
        // The main window's history saw none of it.
        QVERIFY(!fixture.window().actions().undo->isEnabled());
        // Auto-indent as in the main editors.
        f.editor()->setPlainText(QStringLiteral("g(x)\n\t{"));
        f.editor()->moveCursor(QTextCursor::End);
        QTest::keyClick(f.editor(), Qt::Key_Return);
        QCOMPARE(f.editor()->toPlainText(), QStringLiteral("g(x)\n\t{\n\t\t"));
    }

    void anErrorLineOfAUserFunctionOpensItWithTheLineSelected() {
        TFormMain& w = openMain();
        w.session().functionStore =
            zentra::FunctionStore({"#ok", "ok(x)", "{ return x; }", "#bad", "bad(x)", "{", "", "return x * ;", "}"});
        setText(w.programEditor(), QStringLiteral("y = bad(2)"));
        w.execute();
        TFormFunc& f = *w.functionWindow();
        QVERIFY(f.isVisible());
        QCOMPARE(fixture.messages().front(), QStringLiteral("該当する関数のコードを表示します"));
        // Shown as stored, with the empty line the error line counts.
        QCOMPARE(editorLines(f), (QStringList{"bad(x)", "{", "", "return x * ;", "}"}));
        QCOMPARE(selectedText(f.editor()), QStringLiteral("return x * ;"));
        QVERIFY(!w.actions().func->isEnabled());
        // With the window shown, a click on the error line asks nothing more.
        const qsizetype boxes = fixture.messages().size();
        f.editor()->moveCursor(QTextCursor::Start);
        const QStringList out = outputRows(w);
        // indexOf matches whole rows.
        const qsizetype errorRow = out.indexOf(QRegularExpression(QStringLiteral("error \\d+-02\\d+")));
        QVERIFY2(errorRow >= 0, qPrintable(out.join(u'|')));
        zentra::showErrorLocation(w.session(), static_cast<int>(errorRow));
        QCOMPARE(fixture.messages().size(), boxes);
        QCOMPARE(selectedText(f.editor()), QStringLiteral("return x * ;"));
    }

    void closingTheMainWindowAsksAboutAnUnregisteredFunction_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("registered");
        QTest::newRow("Yes") << static_cast<int>(Answer::Yes) << true << true;
        QTest::newRow("No") << static_cast<int>(Answer::No) << true << false;
        QTest::newRow("Cancel") << static_cast<int>(Answer::Cancel) << false << false;
    }

    void closingTheMainWindowAsksAboutAnUnregisteredFunction() {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, registered);
        TFormFunc& f = openFunctions();
        clickEntry(f, "hyp(a,b)");
        typeAtEnd(f, "\n// side");
        TFormMain& w = fixture.window();
        fixture.dialogs().answers->push_back(static_cast<Answer>(answer));
        QCOMPARE(w.close(), closed);
        QCOMPARE(*fixture.dialogs().questions, QStringList{"警告|ユーザ関数が変更されています\n保存しますか？"});
        QCOMPARE(w.isVisible(), !closed);
        QCOMPARE(f.isVisible(), !closed);
        QCOMPARE(f.modified(), !closed);
        QCOMPARE(storeLines(w).front() == QStringLiteral("#hyp"), registered);
        if (closed) {
            const QString mfunc = fixture.readBack()->value("mfunc").toString();
            QCOMPARE(mfunc.startsWith(QStringLiteral("#hyp\n")), registered);
            QCOMPARE(mfunc.contains(QStringLiteral("// side")), registered);
        }
        fixture.dialogs().answers->clear();
    }

    void aRegisteredOrHiddenFunctionWindowAsksNothingOnClose() {
        TFormFunc& f = openFunctions();
        clickEntry(f, "hyp(a,b)");
        QVERIFY(!fixture.window().userFunctionModified());
        typeAtEnd(f, " ");
        QVERIFY(fixture.window().userFunctionModified());
        f.registerFunction();
        QVERIFY(!fixture.window().userFunctionModified());
        QVERIFY(fixture.window().close());
        QVERIFY(fixture.dialogs().questions->isEmpty());
    }

    void theFontAndThePlaceReachTheWindow() {
        TFormFunc& f = openFunctions();
        fixture.dialogs().fonts->push_back(QFont(QStringLiteral("IPAGothic"), 36));
        fixture.window().chooseFont();
        QCOMPARE(f.editor()->textFont().pointSize(), 36);
        QCOMPARE(f.list()->font().pointSize(), 36);
        QVERIFY(f.tracking());
        // Rows are the size in points plus 6, but a large font is never cut.
        QCOMPARE(f.list()->visualItemRect(f.list()->item(0)).height(), QFontMetrics(f.list()->font()).height());
        fixture.dialogs().fonts->push_back(QFont(QStringLiteral("IPAGothic"), 10));
        fixture.window().chooseFont();
        QCOMPARE(f.list()->visualItemRect(f.list()->item(0)).height(), 16);
        f.setGeometry(200, 150, 600, 380);
        f.splitter()->setSizes({150, 600 - 150 - f.splitter()->handleWidth()});
        fixture.close();
        const auto back = fixture.readBack();
        QCOMPARE(back->value("fSplit").toInt(), 150);
        QCOMPARE(back->value("fleft_width").toInt(), (200 << 16) | 600);
        QCOMPARE(back->value("ftop_height").toInt(), (150 << 16) | 380);

        TFormMain& again = fixture.open();
        again.showFunctionWindow();
        TFormFunc& g = *again.functionWindow();
        QCOMPARE(g.geometry(), QRect(200, 150, 600, 380));
        QCOMPARE(g.listWidth(), 150);
        QCOMPARE(g.editor()->textFont().pointSize(), 10);
    }
};

WINDOW_TEST(FunctionWindowTest)
#include "function_window_test.moc"
