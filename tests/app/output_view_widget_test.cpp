// The output view follows the engine's output model in bulk.
#include <QScrollBar>
#include <QTest>

#include "app/output_view_widget.h"
#include "host/output_model.h"
#include "window_fixture.h"

class OutputViewWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void appendsNewLinesAndStartsOverWhenLinesChanged() {
        zentra::OutputModel lines;
        OutputViewWidget view(lines);
        lines.appendLine("a = 1");
        lines.appendSweepHeader("【 x=1 】");
        view.sync();
        QCOMPARE(view.rowCount(), 2);
        QCOMPARE(view.model()->index(1, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
        lines.appendLine("b = 2");
        view.sync();
        QCOMPARE(view.model()->index(2, 0).data().toString(), QStringLiteral("b = 2"));
        // Lines replaced in place: the view starts over.
        lines.setLines({"c = 3"});
        view.sync();
        QCOMPARE(view.rowCount(), 1);
        QCOMPARE(view.model()->index(0, 0).data().toString(), QStringLiteral("c = 3"));
        lines.clear();
        view.sync();
        QCOMPARE(view.rowCount(), 0);
    }

    // How long it takes is measured by bench/window_bench.cpp.
    void aHundredThousandLinesShowInOneSync() {
        zentra::OutputModel lines;
        OutputViewWidget view(lines);
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        for (int i = 0; i < 100'000; ++i) lines.appendDump("value" + std::to_string(i), std::to_string(i), i);
        view.sync();
        view.repaint();
        QCOMPARE(view.rowCount(), 100'000);
        // Shows the end, as the output area does after a run.
        QCOMPARE(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());
    }

    void aLongLineCanBeScrolledTo() {
        zentra::OutputModel lines;
        OutputViewWidget view(lines);
        view.resize(200, 150);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        lines.appendLine("a = 1");
        view.sync();
        QApplication::processEvents();
        QCOMPARE(view.horizontalScrollBar()->maximum(), 0);
        lines.appendLine("long = " + std::string(300, '7'));
        view.sync();
        QApplication::processEvents();
        QVERIFY(view.horizontalScrollBar()->maximum() > 0);
    }
};

WINDOW_TEST(OutputViewWidgetTest)
#include "output_view_widget_test.moc"
