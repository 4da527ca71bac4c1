// The input-history window: earlier input lines offered while typing,
// picked into the editor, shown all, deleted; where it appears, its size
// kept, and when it goes away.
#include <QAction>
#include <QApplication>
#include <QListView>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include "app/code_edit_widget.h"
#include "app/form_mind_qt.h"
#include "app/main_window.h"
#include "session/session.h"
#include "window_fixture.h"

class InputHistoryWindowTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture;

    // A window whose program history holds these lines, oldest first.
    TFormMain& withHistory(std::vector<std::string> history) {
        TFormMain& w = fixture.openEmpty();
        if (w.actions().reuse->isChecked()) w.actions().reuse->trigger();  // kept from a test before
        w.session().programHistory = std::move(history);
        return w;
    }
    static TFormMind& mind(TFormMain& w) { return *w.historyWindow(); }
    static QStringList entries(TFormMain& w) { return w.historyWindow()->entries(); }
    static void selectRows(TFormMain& w, std::initializer_list<int> rows) {
        QListView* list = mind(w).list();
        list->clearSelection();
        for (int row : rows) list->selectionModel()->select(list->model()->index(row, 0), QItemSelectionModel::Select);
    }
    // The list with the keyboard, as after a click into it.
    static void focusList(TFormMain& w) {
        QTRY_VERIFY(w.isActiveWindow());
        mind(w).activateWindow();
        mind(w).list()->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), mind(w).list());
    }

private slots:
    void typingAPrefixListsEarlierLinesNewestFirst() {
        TFormMain& w = withHistory({"x=1+2", "y=3*4", "xb=5*6", "x2=7+8"});
        CodeEditWidget* src = w.programEditor();
        QVERIFY(!mind(w).isVisible());
        typeInto(src, "x");
        QVERIFY(mind(w).isVisible());
        QCOMPARE(mind(w).windowTitle(), QStringLiteral("過去の入力一覧"));
        QCOMPARE(entries(w), (QStringList{"x2=7+8", "xb=5*6", "x=1+2"}));
        // The typing goes on in the editor, the caret where it was.
        QTRY_COMPARE(QApplication::focusWidget(), src);
        QCOMPARE(src->textCursor().position(), 1);
        setText(src, QString());
        typeInto(src, " x b");  // blanks are not part of the prefix
        QCOMPARE(entries(w), QStringList{"xb=5*6"});
    }

    void anEmptyPrefixOrNoMatchShowsNothing() {
        TFormMain& w = withHistory({"x=1+2"});
        typeInto(w.programEditor(), "  ");
        QVERIFY(!mind(w).isVisible());
        QVERIFY(entries(w).isEmpty());
        typeInto(w.programEditor(), "x");
        QVERIFY(mind(w).isVisible());
        typeInto(w.programEditor(), "q");  // no match: the window stays, empty
        QVERIFY(mind(w).isVisible());
        QVERIFY(entries(w).isEmpty());
    }

    void aPickReplacesTheLineAsOneUndoableEdit() {
        TFormMain& w = withHistory({"x=1+2", "xb=5*6"});
        CodeEditWidget* src = w.programEditor();
        setText(src, "a=1\n");
        src->moveCursor(QTextCursor::End);
        typeInto(src, "\tx");
        mind(w).pick(1);
        QCOMPARE(src->toPlainText(), QStringLiteral("a=1\n\tx=1+2"));  // the indent stays
        QCOMPARE(src->textCursor().position(), src->toPlainText().size());
        QTRY_COMPARE(QApplication::focusWidget(), src);
        w.editCommand(zentra::EditCommand::Undo);
        QCOMPARE(src->toPlainText(), QStringLiteral("a=1\n\tx"));
        w.editCommand(zentra::EditCommand::Redo);
        QCOMPARE(src->toPlainText(), QStringLiteral("a=1\n\tx=1+2"));
    }

    void theKeyAfterAPickDoesNotRefilterTheOneAfterDoes() {
        TFormMain& w = withHistory({"x=1+2", "xb=5*6"});
        CodeEditWidget* src = w.programEditor();
        typeInto(src, "x");
        // A double-click picks; a single click only selects.
        QListView* list = mind(w).list();
        const QPoint first = list->visualRect(list->model()->index(0, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
        QCOMPARE(src->toPlainText(), QStringLiteral("x"));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, first);
        QCOMPARE(src->toPlainText(), QStringLiteral("xb=5*6"));
        QVERIFY(mind(w).justPicked());
        typeInto(src, "+");
        QCOMPARE(entries(w), (QStringList{"xb=5*6", "x=1+2"}));
        QVERIFY(!mind(w).justPicked());
        typeInto(src, "1");
        QVERIFY(entries(w).isEmpty());
    }

    void enterInTheListPicksAndAltHeldPicksNothing() {
        TFormMain& w = withHistory({"x=1+2", "xb=5*6"});
        CodeEditWidget* src = w.programEditor();
        typeInto(src, "x");
        focusList(w);
        QListView* list = mind(w).list();
        list->setCurrentIndex(list->model()->index(1, 0));
        QTest::keyPress(list, Qt::Key_Alt, Qt::AltModifier);
        QVERIFY(mind(w).altHeld());
        QTest::keyClick(list, Qt::Key_Return, Qt::AltModifier);
        QCOMPARE(src->toPlainText(), QStringLiteral("x"));
        QTest::keyRelease(list, Qt::Key_Alt);
        QVERIFY(!mind(w).altHeld());
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(src->toPlainText(), QStringLiteral("x=1+2"));
        QTRY_COMPARE(QApplication::focusWidget(), src);
    }

    void showAllSortsWithoutCaseAndSurvivesTheNextKey() {
        TFormMain& w = withHistory({"beta=2", "Alpha=1", "alpha=3", "xb=5*6"});
        typeInto(w.programEditor(), "x");
        mind(w).popupMenu()->actions().at(0)->trigger();  // 全て表示
        QCOMPARE(mind(w).popupMenu()->actions().at(0)->text(), QStringLiteral("全て表示 (&V)"));
        const QStringList all{"Alpha=1", "alpha=3", "beta=2", "xb=5*6"};
        QCOMPARE(entries(w), all);
        typeInto(w.programEditor(), "b");
        QCOMPARE(entries(w), all);
        typeInto(w.programEditor(), "=");
        QCOMPARE(entries(w), QStringList{"xb=5*6"});
    }

    void deleteRemovesFromTheListAndTheHistory() {
        TFormMain& w = withHistory({"x=1+2", "y=3*4", "xb=5*6", "x2=7+8"});
        typeInto(w.programEditor(), "x");
        focusList(w);
        selectRows(w, {0, 2});
        QTest::keyClick(mind(w).list(), Qt::Key_Delete);
        QCOMPARE(entries(w), QStringList{"xb=5*6"});
        QCOMPARE(w.session().programHistory, (std::vector<std::string>{"y=3*4", "xb=5*6"}));
        QTest::keyClick(mind(w).list(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(mind(w).list()->selectionModel()->selectedRows().size(), 1);
        mind(w).deleteSelected();
        QCOMPARE(w.session().programHistory, std::vector<std::string>{"y=3*4"});
        // Written on exit.
        fixture.close();
        QCOMPARE(fixture.readBack()->value("msrc").toString(), QStringLiteral("y=3*4\n"));
    }

    void recallOffSearchesNothingAndPicksNothing() {
        TFormMain& w = withHistory({"x=1+2"});
        typeInto(w.programEditor(), "x");
        QVERIFY(mind(w).isVisible());
        w.actions().reuse->trigger();
        QVERIFY(!mind(w).isVisible());
        mind(w).pick(0);
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("x"));
        setText(w.programEditor(), QString());
        typeInto(w.programEditor(), "x");
        QVERIFY(!mind(w).isVisible());
        // Undo still takes one step per key.
        typeInto(w.programEditor(), "y");
        w.editCommand(zentra::EditCommand::Undo);
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("x"));
    }

    void withRecallOnUnmatchedTypingStillUndoesKeyByKey() {
        TFormMain& w = withHistory({"x=1+2"});
        typeInto(w.programEditor(), "A");
        typeInto(w.programEditor(), "B");
        QVERIFY(w.changeTracking());
        w.editCommand(zentra::EditCommand::Undo);
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("A"));
    }

    void hiddenAfterARunThatReachedTheSweep() {
        TFormMain& w = withHistory({"x=1+2"});
        typeInto(w.programEditor(), "x");
        QVERIFY(mind(w).isVisible());
        setText(w.programEditor(), "y = (1");  // stops in the parser: the window stays
        w.execute();
        QVERIFY(mind(w).isVisible());
        setText(w.programEditor(), "y = 1 + 2");
        w.execute();
        QVERIFY(!mind(w).isVisible());
        QCOMPARE(w.session().programHistory, (std::vector<std::string>{"x=1+2", "y=1+2"}));
    }

    void closedWhenTheOtherEditorIsClickedOrEscapeIsPressed() {
        TFormMain& w = withHistory({"x=1+2"});
        typeInto(w.programEditor(), "x");
        mind(w).showAll();
        QVERIFY(mind(w).justPicked());
        QTest::mouseClick(w.parameterEditor()->viewport(), Qt::LeftButton);
        QVERIFY(!mind(w).isVisible());
        QVERIFY(!mind(w).justPicked());
        // The parameter area searches its own history.
        w.session().parameterHistory = {"kk=3;"};
        typeInto(w.parameterEditor(), "k");
        QCOMPARE(entries(w), QStringList{"kk=3;"});
        focusList(w);
        QTest::keyClick(mind(w).list(), Qt::Key_Escape);
        QVERIFY(!mind(w).isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), w.parameterEditor());
        // Escape in the editor closes it too; the next key searches again.
        typeInto(w.parameterEditor(), "k");
        QVERIFY(mind(w).isVisible());
        QTest::keyClick(w.parameterEditor(), Qt::Key_Escape);
        QVERIFY(!mind(w).isVisible());
        typeInto(w.parameterEditor(), "=");
        QCOMPARE(entries(w), QStringList{"kk=3;"});
        QVERIFY(mind(w).isVisible());
    }

    void appearsBesideTheMainWindowOnScreen() {
        TFormMain& w = withHistory({"x=1+2"});
        w.setGeometry(20, 40, 300, 200);
        QApplication::processEvents();
        typeInto(w.programEditor(), "x");
        const QRect place = mind(w).frameGeometry();
        QCOMPARE(place.left(), w.frameGeometry().right() + 1);
        QCOMPARE(place.top(), w.programEditor()->mapToGlobal(QPoint(0, 0)).y());
        QVERIFY(w.screen()->availableGeometry().contains(place));
    }

    void sizeIsReadFromAndWrittenToRheitWidth() {
        fixture.close();
        {
            QSettings preset(fixture.settingsPath(), QSettings::IniFormat);
            preset.setValue("rheit_width", QString::number(400 * 65536 + 250));
        }
        TFormMain& w = fixture.open();
        QCOMPARE(mind(w).size(), QSize(250, 400));
        mind(w).resize(300, 500);
        fixture.close();
        QCOMPARE(fixture.readBack()->value("rheit_width").toInt(), 500 * 65536 + 300);
        fixture.close();
        {
            QSettings preset(fixture.settingsPath(), QSettings::IniFormat);
            preset.setValue("rheit_width", QString::number(2000 * 65536 + 20));  // out of the limits
        }
        QCOMPARE(fixture.open().historyWindow()->size(), QSize(100, 800));
    }

    void aLongHistoryListsEveryMatchNewestFirst() {
        std::vector<std::string> history;
        for (int i = 0; i < 20000; ++i) history.push_back("x" + std::to_string(i) + "=1+2");
        TFormMain& w = withHistory(std::move(history));
        typeInto(w.programEditor(), "x");
        typeInto(w.programEditor(), "1");
        QCOMPARE(entries(w).size(), 11111);
        QCOMPARE(entries(w).first(), QStringLiteral("x19999=1+2"));
    }
};

WINDOW_TEST(InputHistoryWindowTest)
#include "input_history_window_test.moc"
