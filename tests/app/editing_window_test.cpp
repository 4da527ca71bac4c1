// Editing in the program and parameter areas: whole-text undo and redo,
// auto-indent, comment colouring, the font dialog.
#include <QAction>
#include <QKeyEvent>
#include <QTest>
#include <QTextBlock>
#include <QScrollBar>
#include <QTextLayout>

#include "app/code_edit_widget.h"
#include "app/main_window.h"
#include "window_fixture.h"

namespace {

// The colour of character `at` of line `line`, as the highlighter left it.
QColor colourAt(CodeEditWidget* editor, int line, int at) {
    const QTextBlock block = editor->document()->findBlockByNumber(line);
    for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
        if (at >= range.start && at < range.start + range.length) return range.format.foreground().color();
    }
    return QColor(Qt::black);
}

}  // namespace

class EditingWindowTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture;

    TFormMain& freshWindow() { return fixture.openEmpty(); }

private slots:
    void undoAfterANewEditDropsTheRedoBranch() {
        TFormMain& w = freshWindow();
        CodeEditWidget* src = w.programEditor();
        QVERIFY(!w.actions().undo->isEnabled());
        typeInto(src, "A");
        typeInto(src, "B");
        QVERIFY(w.actions().undo->isEnabled());
        QTest::keyClick(src, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(src->toPlainText(), QStringLiteral("A"));
        QVERIFY(w.actions().redo->isEnabled());
        typeInto(src, "C");
        QCOMPARE(src->toPlainText(), QStringLiteral("AC"));
        QVERIFY(!w.actions().redo->isEnabled());
        QTest::keyClick(src, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(src, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(src->toPlainText(), QString());
        QVERIFY(!w.actions().undo->isEnabled());
        QTest::keyClick(src, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(src->toPlainText(), QStringLiteral("A"));
        QCOMPARE(src->textCursor().position(), 1);
    }

    void eachEditorHasItsOwnHistory() {
        TFormMain& w = freshWindow();
        typeInto(w.programEditor(), "x=1");
        QTest::mouseClick(w.parameterEditor()->viewport(), Qt::LeftButton);
        QCOMPARE(w.currentEditor(), w.parameterEditor());
        QVERIFY(!w.actions().undo->isEnabled());
        typeInto(w.parameterEditor(), "k");
        w.editCommand(zentra::EditCommand::Undo);
        QCOMPARE(w.parameterEditor()->toPlainText(), QString());
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("x=1"));
    }

    void undoFollowsTheAreaThatGotTheFocus() {
        TFormMain& w = freshWindow();
        setText(w.programEditor(), "y = a * q");
        setText(w.parameterEditor(), "a = 2;");
        w.execute();
        // The run selected the new line "q=" in the parameter area.
        QCOMPARE(QApplication::focusWidget(), w.parameterEditor());
        w.parameterEditor()->moveCursor(QTextCursor::End);
        typeInto(w.parameterEditor(), "5");
        QTest::keyClick(w.parameterEditor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.parameterEditor()->toPlainText(), QStringLiteral("a = 2;\nq=\n"));
        QCOMPARE(w.programEditor()->toPlainText(), QStringLiteral("y = a * q"));
    }

    void aHeldEnterIndentsOnceWhenReleased() {
        TFormMain& w = freshWindow();
        CodeEditWidget* src = w.programEditor();
        typeInto(src, "\t{");
        // X11 sends a release with every repeat; Windows only one at the end.
        QTest::keyPress(src, Qt::Key_Return);
        QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
        QApplication::sendEvent(src, &repeat);
        QCOMPARE(src->toPlainText(), QStringLiteral("\t{\n"));
        QTest::keyPress(src, Qt::Key_Return);
        QTest::keyRelease(src, Qt::Key_Return);
        QCOMPARE(src->toPlainText(), QStringLiteral("\t{\n\n"));
    }

    void undoKeepsTheFirstVisibleLine() {
        TFormMain& w = freshWindow();
        CodeEditWidget* src = w.programEditor();
        QStringList lines;
        for (int i = 0; i < 200; ++i) lines << QStringLiteral("v%1 = %1").arg(i);
        src->setPlainText(lines.join('\n'));
        src->moveCursor(QTextCursor::End);
        typeInto(src, "1");
        typeInto(src, "2");
        const int top = src->verticalScrollBar()->value();
        QVERIFY(top > 0);
        w.editCommand(zentra::EditCommand::Undo);
        QCOMPARE(src->verticalScrollBar()->value(), top);
        QVERIFY(src->toPlainText().endsWith("v199 = 1991"));
    }

    void enterCopiesTheIndentAndOpensABlock_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("newLine");
        QTest::newRow("brace") << "\t{" << "\t\t";
        QTest::newRow("assignment") << "\tx = 1" << "\t";
        QTest::newRow("spaces and brace") << "  {" << "  \t";
        QTest::newRow("brace later") << "  if x > 0 {" << "  ";
        QTest::newRow("no indent") << "y = 2" << "";
    }
    void enterCopiesTheIndentAndOpensABlock() {
        QFETCH(QString, line);
        QFETCH(QString, newLine);
        TFormMain& w = freshWindow();
        CodeEditWidget* src = w.programEditor();
        typeInto(src, line);
        QTest::keyClick(src, Qt::Key_Return);
        QCOMPARE(src->toPlainText(), line + "\n" + newLine);
        QCOMPARE(src->textCursor().positionInBlock(), newLine.size());
        QVERIFY(w.changeTracking());
    }

    void commentTurnsGreenAsTypedAndBlackWhenASlashGoes() {
        TFormMain& w = freshWindow();
        CodeEditWidget* src = w.programEditor();
        typeInto(src, "a = 1 /");
        QCOMPARE(colourAt(src, 0, 6), QColor(Qt::black));
        typeInto(src, "/ note");
        QCOMPARE(colourAt(src, 0, 6), QColor(0, 128, 0));
        QCOMPARE(colourAt(src, 0, 12), QColor(0, 128, 0));
        QCOMPARE(colourAt(src, 0, 0), QColor(Qt::black));
        QTextCursor c = src->textCursor();
        c.setPosition(7);
        src->setTextCursor(c);
        QTest::keyClick(src, Qt::Key_Backspace);
        QCOMPARE(src->toPlainText(), QStringLiteral("a = 1 / note"));
        QCOMPARE(colourAt(src, 0, 6), QColor(Qt::black));
        QCOMPARE(colourAt(src, 0, 9), QColor(Qt::black));
        // A comment after text of several bytes a character.
        src->setPlainText("角度 = 1 // 度");
        QCOMPARE(colourAt(src, 0, 7), QColor(0, 128, 0));
        QCOMPARE(colourAt(src, 0, 6), QColor(Qt::black));
    }

    void fontDialogSetsEveryAreaAndIsKept() {
        TFormMain& w = freshWindow();
        QFont chosen(QStringLiteral("IPAMincho"), 14);
        fixture.dialogs().fonts->push_back(chosen);
        w.chooseFont();
        QCOMPARE(fixture.dialogs().lastInitialFont->family(), QStringLiteral("ＭＳ ゴシック"));
        QCOMPARE(w.programEditor()->font().family(), QStringLiteral("IPAMincho"));
        QCOMPARE(w.parameterEditor()->font().pointSize(), 14);
        QVERIFY(w.changeTracking());
        const qreal tab = w.programEditor()->tabStopDistance();
        QCOMPARE(tab, 4 * QFontMetricsF(w.programEditor()->font()).averageCharWidth());
        fixture.dialogs().fonts->push_back(std::nullopt);
        w.chooseFont();
        QCOMPARE(w.programEditor()->font().family(), QStringLiteral("IPAMincho"));
        fixture.close();
        QCOMPARE(fixture.readBack()->value("fname").toString(), QStringLiteral("IPAMincho"));
        QCOMPARE(fixture.readBack()->value("fsize").toString(), QStringLiteral("14"));
    }
};

WINDOW_TEST(EditingWindowTest)
#include "editing_window_test.moc"
