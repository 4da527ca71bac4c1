// The graph window after a run: both curves drawn, the cursor read-out,
// clearing it, a graphed name without a variable, failing passes shown once
// per plot, the plot kept until the size or the run changes, its place kept,
// saving it as PNG and SVG.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "app/code_edit_widget.h"
#include "app/graph_window.h"
#include "app/main_window.h"
#include "graph/graph_text.h"
#include "session/session.h"
#include "shell/settings_schema.h"
#include "plot_pixels.h"
#include "window_fixture.h"

namespace {

// The plot area of a surface 444 × 300 is 350 × 243 at (64, 32).
constexpr int kSurfaceWidth = 444;
constexpr int kSurfaceHeight = 300;
constexpr int kStatusHeight = 23;

QPoint plotPoint(int column, int row) { return {64 + column, 32 + row}; }

}  // namespace

class GraphWindowTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture;

    // Runs the program over the parameters in a fresh main window; the graph
    // window (if shown) gets a plot 350 pixels wide.
    QTemporaryDir folder;

    // The context-menu item with `text`; a detached one (doing nothing) when
    // the menu has none, so that the checks after it fail.
    QAction* menuItem(TFormGraph& g, const QString& text) {
        for (QAction* action : g.contextMenu()->actions())
            if (action->text() == text) return action;
        return new QAction(&g);
    }

    TFormGraph& runGraph(const QString& parameters, const QString& program) {
        TFormMain& w = fixture.open();
        fixture.messages().clear();
        setText(w.parameterEditor(), parameters);
        setText(w.programEditor(), program);
        QTest::keyClick(&w, Qt::Key_F9);
        TFormGraph& g = *w.graphWindow();
        g.resize(kSurfaceWidth, kSurfaceHeight + kStatusHeight);
        QApplication::processEvents();
        return g;
    }

private slots:
    void aSweepWithTwoGraphedVariablesDrawsBothCurves() {
        TFormGraph& g = runGraph("x = 0, 1, ..., 10;", "y = x * 2\nz = -x\ngraph(y, z)");
        QVERIFY(g.isVisible());
        QCOMPARE(g.windowTitle(), QStringLiteral("Zentra グラフ"));
        QCOMPARE(g.surface()->size(), QSize(kSurfaceWidth, kSurfaceHeight));
        const QImage image = g.surface()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(plotPixels(image, colourOf(zentra::curveColour(0))) > 200);
        QVERIFY(plotPixels(image, colourOf(zentra::curveColour(1))) > 200);
        QVERIFY(fixture.messages().isEmpty());
    }

    void thePlotIsSampledAgainOnlyForANewSizeOrRun() {
        TFormGraph& g = runGraph("x = 0, 10;", "y = x\ngraph(y)");
        g.plotImage();
        const int first = g.samplingCount();
        g.surface()->grab();
        g.plotImage();
        QCOMPARE(g.samplingCount(), first);
        g.resize(kSurfaceWidth + 20, kSurfaceHeight + kStatusHeight);
        QApplication::processEvents();
        g.plotImage();
        QCOMPARE(g.samplingCount(), first + 1);

        fixture.window().execute();
        QVERIFY(g.isVisible());
        g.plotImage();
        QCOMPARE(g.samplingCount(), first + 2);
    }

    void aClickShowsTheReadOutAndARightClickClearsIt() {
        TFormGraph& g = runGraph("x = 0, 10;", "y = x * 2\nz = -x\ngraph(y, z)");
        g.plotImage();
        const int samplings = g.samplingCount();
        QTest::mouseClick(g.surface(), Qt::LeftButton, {}, plotPoint(70, 100));
        QCOMPARE(g.statusText(), QStringLiteral(" x=2.00E+0  y=4.00E+0  z=-2.00E+0"));
        QCOMPARE(g.cursorColumn(), std::optional<int>(70));

        // Following the mouse: the line and the text move with it.
        QTest::mouseMove(g.surface(), plotPoint(100, 5));
        QCOMPARE(g.cursorColumn(), std::optional<int>(100));
        QCOMPARE(g.statusText(), QStringLiteral(" x=2.86E+0  y=5.71E+0  z=-2.86E+0"));
        // Near the top at column 100 no curve and no tick: only the cursor line is black.
        QCOMPARE(g.plotImage().pixelColor(plotPoint(100, 5)), QColor(Qt::black));
        QCOMPARE(g.samplingCount(), samplings);

        QTest::mouseClick(g.surface(), Qt::RightButton, {}, plotPoint(120, 5));
        QCOMPARE(g.statusText(), QString());
        QVERIFY(!g.cursorColumn());
        QCOMPARE(g.plotImage().pixelColor(plotPoint(100, 5)), colourOf(zentra::kPlotBackground));
        QTest::mouseMove(g.surface(), plotPoint(140, 5));
        QCOMPARE(g.statusText(), QString());

        // A left click turns the read-out on again.
        QTest::mouseClick(g.surface(), Qt::LeftButton, {}, plotPoint(140, 5));
        QCOMPARE(g.statusText(), QStringLiteral(" x=4.00E+0  y=8.00E+0  z=-4.00E+0"));
    }

    void aGraphedNameWithoutAVariableIsRefused() {
        TFormGraph& g = runGraph("x = 0, 1;", "y = x\ngraph(y)");
        QVERIFY(g.isVisible());
        fixture.window().session().compiler.plan.graphList.push_back("nothing");
        QVERIFY(!g.showForRun());
        QVERIFY(!g.isVisible());
        QCOMPARE(fixture.messages(), QStringList{QStringLiteral("メモリアドレスエラー")});
    }

    void failingPassesGiveOneMessagePerPlot() {
        // Every column with |x| < 1 fails.
        TFormGraph& g = runGraph("x = -2, 2;", "y = sqrt(x * x - 1)\ngraph(y)");
        QVERIFY(g.isVisible());
        g.surface()->grab();
        g.surface()->grab();
        QApplication::processEvents();
        const int samplings = g.samplingCount();
        QVERIFY(samplings >= 1);
        QCOMPARE(fixture.messages().size(), samplings);
        QVERIFY(!fixture.messages().front().isEmpty());
        QVERIFY(plotPixels(g.plotImage(), colourOf(zentra::curveColour(0))) > 50);

        g.resize(kSurfaceWidth + 30, kSurfaceHeight + kStatusHeight);
        QApplication::processEvents();
        g.surface()->grab();
        QApplication::processEvents();
        QCOMPARE(g.samplingCount(), samplings + 1);
        QCOMPARE(fixture.messages().size(), samplings + 1);

        // The read-out at a failing column: the message, the text unchanged.
        QTest::mouseClick(g.surface(), Qt::LeftButton, {}, plotPoint(0, 5));
        const QString before = g.statusText();
        QVERIFY(!before.isEmpty());
        QTest::mouseClick(g.surface(), Qt::LeftButton, {}, plotPoint(0, 5));  // off
        QTest::mouseClick(g.surface(), Qt::LeftButton, {}, plotPoint(190, 5));
        QCOMPARE(fixture.messages().size(), samplings + 2);
        QCOMPARE(g.statusText(), before);
    }

    void nothingFiniteDrawsNoCurve() {
        TFormGraph& g = runGraph("x = 0, 1;", "y = exp(1000 + x)\ngraph(y)");
        QVERIFY(g.isVisible());
        QCOMPARE(plotPixels(g.plotImage(), colourOf(zentra::curveColour(0))), 0);
    }

    void aRunFromTheGraphWindowClosesItAndOneWithoutGraphKeepsItClosed() {
        TFormGraph& g = runGraph("x = 0, 1;", "y = x\ngraph(y)");
        QVERIFY(g.isVisible());
        setText(fixture.window().programEditor(), "y = x");
        QTest::keyClick(g.surface(), Qt::Key_F9);  // F9 from the graph window
        QVERIFY(!g.isVisible());
    }

    void thePlaceIsKeptInTheSettings() {
        TFormGraph& g = runGraph("x = 0, 1;", "y = x\ngraph(y)");
        g.setGeometry(300, 200, 500, 400);
        fixture.close();
        auto settings = fixture.readBack();
        QCOMPARE(settings->value("gleft_width").toString(),
                 QString::number(zentra::packPair({300, 500})));
        QCOMPARE(settings->value("gtop_height").toString(),
                 QString::number(zentra::packPair({200, 400})));

        TFormGraph& again = runGraph("x = 0, 1;", "y = x\ngraph(y)");
        QCOMPARE(again.geometry().topLeft(), QPoint(300, 200));
    }

    void theWindowSizeIsLimited() {
        TFormGraph& g = runGraph("x = 0, 1;", "y = x\ngraph(y)");
        g.resize(2000, 20);
        QApplication::processEvents();
        QCOMPARE(g.size(), QSize(800, 100));
    }

    void copyPutsThePlotOnTheClipboard() {
        TFormGraph& g = runGraph("x = 0, 10;", "y = x\ngraph(y)");
        g.copyToClipboard();
        const QImage copied = QApplication::clipboard()->image();
        QCOMPARE(copied.size(), g.surface()->size());
        QVERIFY(plotPixels(copied.convertToFormat(QImage::Format_RGB32), colourOf(zentra::curveColour(0))) > 100);
    }

    void svgIsWrittenFromTheSameSamples() {
        TFormGraph& g = runGraph("x = 0, 10;", "y = x * 2\nz = -x\ngraph(y, z)");
        g.plotImage();
        const int samplings = g.samplingCount();
        const QString path = folder.filePath(QStringLiteral("plot.svg"));
        *fixture.dialogs().saveNames << path;
        menuItem(g, QStringLiteral("SVGで保存"))->trigger();
        QCOMPARE(*fixture.dialogs().lastSaveQuestion, (QStringList{"SVGで保存", "SVG (*.svg)"}));
        QVERIFY(fixture.messages().isEmpty());
        QCOMPARE(g.samplingCount(), samplings);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QXmlStreamReader xml(svg);
        int polylines = 0;
        QString root;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (root.isEmpty()) root = xml.name().toString();
            if (xml.name() == QLatin1String("polyline")) ++polylines;
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(root, QStringLiteral("svg"));
        QVERIFY(polylines >= 2);
        for (int j : {0, 1}) QVERIFY(svg.contains(colourOf(zentra::curveColour(j)).name().toLatin1()));
    }

    void pngIsWrittenThroughTheDialog() {
        TFormGraph& g = runGraph("x = 0, 10;", "y = x\ngraph(y)");
        const QString path = folder.filePath(QStringLiteral("plot.png"));
        *fixture.dialogs().saveNames << path;
        menuItem(g, QStringLiteral("PNGで保存"))->trigger();
        const QImage saved(path);
        QCOMPARE(saved.size(), g.surface()->size());
        QVERIFY(plotPixels(saved.convertToFormat(QImage::Format_RGB32), colourOf(zentra::curveColour(0))) > 100);
    }

    void aFileThatCannotBeWrittenIsReported() {
        TFormGraph& g = runGraph("x = 0, 10;", "y = x\ngraph(y)");
        const QString path = folder.filePath(QStringLiteral("missing/plot.svg"));
        *fixture.dialogs().saveNames << path;
        menuItem(g, QStringLiteral("SVGで保存"))->trigger();
        QCOMPARE(fixture.messages(),
                 QStringList{QStringLiteral("ファイル \"%1\" を保存できません").arg(QDir::toNativeSeparators(path))});
        QVERIFY(!QFile::exists(path));
    }
};

WINDOW_TEST(GraphWindowTest)
#include "graph_window_test.moc"
