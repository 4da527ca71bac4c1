// The flows a user relies on in the main window: Exec with results and with
// each kind of failure, error lines leading back to the source, the
// hexadecimal display, clearing, and the status-bar settings.
#include <QAction>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "app/code_edit_widget.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/output_view_widget.h"
#include "app/status_bar_widget.h"
#include "session/session.h"
#include "window_fixture.h"

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture;

    TFormMain& freshWindow() { return fixture.openEmpty(); }

    void clickRow(TFormMain& w, int row) {
        OutputViewWidget* view = w.outputView();
        const QRect rect = view->visualRect(view->model()->index(row, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }

private slots:
    void execPrintsOneRedHeaderPerSweepValue() {
        TFormMain& w = freshWindow();
        setText(w.parameterEditor(), "L = 1, 2;  // span\nP = 10;");
        setText(w.programEditor(), "M = P * L // moment\nP * L / 4");
        QTest::keyClick(&w, Qt::Key_F9);
        const QStringList expected{"【 L=1 】", "M = 10", "P*L/4 = 2.5", "【 L=2 】", "M = 20", "P*L/4 = 5"};
        QCOMPARE(outputRows(w), expected);
        QCOMPARE(outputRowColour(w, 0), QColor(255, 0, 0));
        QCOMPARE(outputRowColour(w, 1), QColor(Qt::black));
        QCOMPARE(statusText(w, 1), QStringLiteral(" precision 15"));
        QCOMPARE(statusText(w, 2), QStringLiteral(" unit DEG"));
        // A second run appends below the first.
        w.execute();
        QCOMPARE(outputRows(w).size(), 12);
    }

    void frontEndErrorSelectsTheSourceLine() {
        TFormMain& w = freshWindow();
        setText(w.programEditor(), "a = 1\nb = (a\nc = 2");
        w.execute();
        const QStringList rows = outputRows(w);
        QVERIFY(!rows.isEmpty());
        QVERIFY2(rows.first().startsWith("error ") && rows.first().contains("-00002"), qPrintable(rows.first()));
        QCOMPARE(selectedText(w.programEditor()), QStringLiteral("b = (a"));
        QCOMPARE(statusText(w, 0), QStringLiteral("プログラムエリアの記述にエラーがあります"));
    }

    void clickingAnErrorLineSelectsItsSourceLine() {
        TFormMain& w = freshWindow();
        setText(w.parameterEditor(), "k = 1;\nm = (2;");
        setText(w.programEditor(), "x = k\ny = (k");
        w.execute();
        const QStringList rows = outputRows(w);
        int paramRow = -1, programRow = -1;
        for (int i = 0; i < rows.size(); ++i) {
            if (rows[i].startsWith("error ") && rows[i].contains("-01002")) paramRow = i;
            if (rows[i].startsWith("error ") && rows[i].contains("-00002")) programRow = i;
        }
        if (paramRow < 0 && programRow < 0) QFAIL(qPrintable(rows.join('\n')));
        const int row = programRow >= 0 ? programRow : paramRow;
        CodeEditWidget* editor = programRow >= 0 ? w.programEditor() : w.parameterEditor();
        editor->moveCursor(QTextCursor::Start);
        clickRow(w, row);
        QCOMPARE(selectedText(editor), programRow >= 0 ? QStringLiteral("y = (k") : QStringLiteral("m = (2;"));
        QCOMPARE(QApplication::focusWidget(), editor);
        // A line that is no error line changes nothing.
        w.programEditor()->moveCursor(QTextCursor::End);
        const int before = w.programEditor()->textCursor().position();
        clickRow(w, row + 1);
        QCOMPARE(w.programEditor()->textCursor().position(), before);
    }

    void runtimeErrorKeepsTheEarlierGroups() {
        TFormMain& w = freshWindow();
        setText(w.parameterEditor(), "x = 4, -1, 9;");
        setText(w.programEditor(), "y = sqrt(x)");
        w.execute();
        QCOMPARE(outputRows(w), (QStringList{"【 x=4 】", "y = 2"}));
        QCOMPARE(fixture.messages(), QStringList{"負数の平方根は計算できません"});
        QVERIFY(!w.running());
    }

    void undefinedParameterIsAskedFor() {
        TFormMain& w = freshWindow();
        setText(w.parameterEditor(), "a = 2;\n");
        setText(w.programEditor(), "y = a * q");
        w.execute();
        QCOMPARE(w.parameterEditor()->toPlainText(), QStringLiteral("a = 2;\nq=\n"));
        QCOMPARE(selectedText(w.parameterEditor()), QStringLiteral("q="));
        QCOMPARE(statusText(w, 0), QStringLiteral("error パラメータ q を入力してください"));
        QVERIFY(outputRows(w).isEmpty());
    }

    void hexadecimalDisplayAndClearFromTheToolBar() {
        TFormMain& w = freshWindow();
        setText(w.parameterEditor(), "v = 255.5, 1;");
        setText(w.programEditor(), "y = v");
        w.execute();
        w.session().precision = 12;
        auto* hexButton = qobject_cast<QToolButton*>(w.toolBar()->widgetForAction(w.actions().hex));
        QVERIFY(hexButton != nullptr);
        QCOMPARE(hexButton->toolTip(), QStringLiteral("16進数表示"));
        QTest::mouseClick(hexButton, Qt::LeftButton);
        QCOMPARE(outputRows(w), (QStringList{"【 v=255.5 】", "y = 255.5 = 0xFF.8000000", "【 v=1 】", "y = 1 = 0x1"}));
        QCOMPARE(outputRowColour(w, 2), QColor(255, 0, 0));
        // A run while it is on comes back in hexadecimal, new lines included.
        w.execute();
        QCOMPARE(outputRows(w).size(), 8);
        QVERIFY(outputRows(w).last().endsWith("= 0x1"));
        QTest::mouseClick(hexButton, Qt::LeftButton);
        QCOMPARE(outputRows(w).at(1), QStringLiteral("y = 255.5"));
        QCOMPARE(outputRowColour(w, 2), QColor(255, 0, 0));
        QTest::mouseClick(qobject_cast<QToolButton*>(w.toolBar()->widgetForAction(w.actions().clear)), Qt::LeftButton);
        QVERIFY(outputRows(w).isEmpty());
    }

    void statusBarClicksChangePrecisionAndUnit() {
        TFormMain& w = freshWindow();
        MainStatusBar* bar = w.statusPanels();
        const QPoint precision = bar->panelCentre(zentra::StatusPanel::Precision);
        const QPoint unit = bar->panelCentre(zentra::StatusPanel::Unit);
        for (int i = 0; i < 3; ++i) QTest::mouseClick(bar, Qt::LeftButton, {}, precision);
        QCOMPARE(statusText(w, 1), QStringLiteral(" precision 15"));
        for (int i = 0; i < 16; ++i) QTest::mouseClick(bar, Qt::RightButton, {}, precision);
        QCOMPARE(statusText(w, 1), QStringLiteral(" precision 1"));
        QCOMPARE(w.session().precision, 1);
        QTest::mouseClick(bar, Qt::LeftButton, {}, precision);
        QCOMPARE(statusText(w, 1), QStringLiteral(" precision 2"));
        QTest::mouseClick(bar, Qt::LeftButton, {}, unit);
        QCOMPARE(statusText(w, 2), QStringLiteral(" unit RAD"));
        QTest::mouseClick(bar, Qt::RightButton, {}, unit);
        QCOMPARE(statusText(w, 2), QStringLiteral(" unit RAD"));
        // A run uses them: precision is raised to 4 there, sine takes radians.
        setText(w.programEditor(), "y = sin(1)");
        w.execute();
        QCOMPARE(outputRows(w), QStringList{"y = 0.8415"});
        QCOMPARE(statusText(w, 1), QStringLiteral(" precision 4"));
        QTest::mouseMove(bar, unit);
        QCOMPARE(statusText(w, 0), QStringLiteral("角度単位を Radian⇔Degree と切り替えます"));
        QTest::mouseMove(bar, precision);
        QCOMPARE(statusText(w, 0), QStringLiteral("左/右クリックで表示桁数を増/減します"));
    }

    void popupMenuAndToolBarShareTheCommands() {
        TFormMain& w = freshWindow();
        QStringList items;
        for (QAction* a : w.popupMenu()->actions()) {
            items << (a->isSeparator() ? QStringLiteral("-") : a->text() + "|" + a->shortcut().toString());
        }
        const QStringList expected{"実行 (&E)|F9", "ヘルプ (&H)|F1", "-", "新規作成 (&N)|", "ファイルから入力 (&L)|",
                                   "上書き保存 (&S)|Ctrl+S", "名前をつけて保存 (&A)|", "CSVで保存 (&C)|", "-",
                                   "関数一覧の表示 (&F)|",
                                   "入力再利用を無効にする (&D)|", "フォントの指定 (&T)|", "デバッグモニタ (&M)|", "-",
                                   "元に戻す (&U)|Ctrl+Z",
                                   "やり直す (&R)|Ctrl+Y", "-", "終了 (&Q)|F3"};
        QCOMPARE(items, expected);
        QStringList hints;
        for (QAction* a : w.toolBar()->actions()) hints << w.toolBar()->widgetForAction(a)->toolTip();
        QCOMPARE(hints, (QStringList{"上書き保存", "入力の取消", "取消した入力のやり直し", "ユーザ関数の編集", "16進数表示",
                                     "出力クリア", "処理開始", "取扱説明"}));
        QVERIFY(!w.actions().undo->isEnabled());
        QVERIFY(!w.actions().redo->isEnabled());
        QVERIFY(w.actions().reuse->isCheckable());
    }

    void f1OpensTheManual() {
        TFormMain& w = freshWindow();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(w.programEditor(), Qt::Key_F1);
        HelpWindow* help = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* h = dynamic_cast<HelpWindow*>(top)) help = h;
        }
        QVERIFY(help != nullptr);
        QVERIFY(help->isVisible());
        QVERIFY(help->isWindow());
        QVERIFY(help->manualPath().endsWith("docs/manual.md"));
        help->close();
    }

    void outputCopiesSelectedRowsAndAnyKeyStopsChangeTracking() {
        TFormMain& w = freshWindow();
        setText(w.programEditor(), "a = 1\nb = 2\nc = 3");
        w.execute();
        OutputViewWidget* view = w.outputView();
        view->selectionModel()->select(view->model()->index(0, 0), QItemSelectionModel::Select);
        view->selectionModel()->select(view->model()->index(2, 0), QItemSelectionModel::Select);
        QCOMPARE(view->selectedText(), QStringLiteral("a = 1\nc = 3"));
        QVERIFY(w.changeTracking());
        QTest::keyClick(view, Qt::Key_Down);
        QVERIFY(!w.changeTracking());
        // An edit now is not snapshotted on its own...
        const int snapshots = w.editHistory(w.programEditor()).snapshotCount();
        w.programEditor()->moveCursor(QTextCursor::End);
        w.programEditor()->insertPlainText("4");
        QCOMPARE(w.editHistory(w.programEditor()).snapshotCount(), snapshots);
        // ...until a key release in an editor completes.
        typeInto(w.programEditor(), "5");
        QVERIFY(w.changeTracking());
    }
};

WINDOW_TEST(MainWindowTest)
#include "main_window_test.moc"
