// zentra-cli --graph: the picture it writes holds the curves in their
// colours, is drawn like the window's plot, and an SVG one parses.
#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "app/code_edit_widget.h"
#include "app/graph_window.h"
#include "app/main_window.h"
#include "graph/graph_text.h"
#include "plot_pixels.h"
#include "window_fixture.h"

namespace {

struct CliRun {
    int exitCode = -1;
    QString standardError;
};

CliRun runCli(const QStringList& args) {
    QProcess cli;
    cli.setProgram(QStringLiteral(ZENTRA_CLI_PATH));
    cli.setArguments(args);
    cli.setStandardInputFile(QProcess::nullDevice());
    cli.start();
    if (!cli.waitForFinished(30000)) return {};
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
            QString::fromUtf8(cli.readAllStandardError())};
}

const QString kTwoCurvesParameters = QStringLiteral("x = 0, 1, ..., 10;");
const QString kTwoCurvesProgram = QStringLiteral("y = x * 2\nz = -x\ngraph(y, z)");

}  // namespace

class GraphFileQtTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;
    WindowFixture fixture;

    QStringList twoCurves(const QString& file) {
        QStringList args{QStringLiteral("-d"), kTwoCurvesParameters};
        for (const QString& line : kTwoCurvesProgram.split(u'\n')) args << QStringLiteral("-e") << line;
        return args << QStringLiteral("--graph") << file;
    }

private slots:
    void aPngHoldsBothCurvesInTheirColours() {
        const QString path = folder.filePath(QStringLiteral("two.png"));
        const CliRun run = runCli(twoCurves(path) << QStringLiteral("--graph-size") << QStringLiteral("500x300"));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.standardError, QString());
        const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), QSize(500, 300));
        QVERIFY(plotPixels(image, colourOf(zentra::curveColour(0))) > 300);
        QVERIFY(plotPixels(image, colourOf(zentra::curveColour(1))) > 300);
        QVERIFY(plotPixels(image, colourOf(zentra::kPlotBackground)) > 50000);
    }

    // The eighth curve too is seen against the plot.
    void eightCurvesEachLeaveTheirColourOnThePlot() {
        const QString path = folder.filePath(QStringLiteral("eight.png"));
        QStringList args{QStringLiteral("-d"), QStringLiteral("x = 0, 10;")};
        QStringList names;
        for (int j = 0; j < 8; ++j) {
            const QString name = QStringLiteral("v%1").arg(j);
            args << QStringLiteral("-e") << QStringLiteral("%1 = x * %2 + %3").arg(name).arg(j + 1).arg(j * 7);
            names << name;
        }
        args << QStringLiteral("-e") << QStringLiteral("graph(%1)").arg(names.join(u','));
        QCOMPARE(runCli(args << QStringLiteral("--graph") << path).exitCode, 0);
        const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(image.size(), QSize(640, 480));  // the default size
        for (int j = 0; j < 8; ++j)
            QVERIFY2(plotPixels(image, colourOf(zentra::curveColour(j))) > 200, qPrintable(names[j]));
    }

    // The same painting code as the window: a plot of the same size and
    // run is the same picture, pixel for pixel, wherever the plot draws.
    void thePictureIsTheWindowsPlot() {
        const QString path = folder.filePath(QStringLiteral("same.png"));
        QCOMPARE(runCli(twoCurves(path) << QStringLiteral("--graph-size") << QStringLiteral("444x300")).exitCode, 0);
        const QImage written = QImage(path).convertToFormat(QImage::Format_RGB32);

        TFormMain& w = fixture.openEmpty();
        setText(w.parameterEditor(), kTwoCurvesParameters);
        setText(w.programEditor(), kTwoCurvesProgram);
        w.execute();
        TFormGraph& g = *w.graphWindow();
        g.resize(444, 300 + 23);
        QApplication::processEvents();
        QCOMPARE(g.surface()->size(), QSize(444, 300));
        const QImage shown = g.plotImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(written.size(), shown.size());
        const QColor surround = g.palette().color(QPalette::Window);
        int compared = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                if (shown.pixelColor(x, y) == surround) continue;  // the desktop's own colour
                QCOMPARE(written.pixelColor(x, y), shown.pixelColor(x, y));
                ++compared;
            }
        QVERIFY(compared > 350 * 243);
    }

    void anSvgParsesAndHoldsTheCurves() {
        const QString path = folder.filePath(QStringLiteral("two.svg"));
        const CliRun run = runCli(twoCurves(path));
        QCOMPARE(run.exitCode, 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QXmlStreamReader xml(svg);
        QString root;
        int polylines = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (root.isEmpty()) root = xml.name().toString();
            if (xml.name() == QLatin1String("polyline")) ++polylines;
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(root, QStringLiteral("svg"));
        QVERIFY(polylines >= 2);
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox(), QRect(0, 0, 640, 480));  // the default size
        for (int j : {0, 1}) QVERIFY(svg.contains(colourOf(zentra::curveColour(j)).name().toLatin1()));
    }

    void anUnwritableFileLeavesNothingBehind() {
        const QString path = folder.filePath(QStringLiteral("missing/plot.png"));
        const CliRun run = runCli(twoCurves(path));
        QCOMPARE(run.exitCode, 73);
        QCOMPARE(run.standardError, QStringLiteral("ファイル \"%1\" を保存できません\n").arg(path));
        QVERIFY(!QFile::exists(path));
    }
};

WINDOW_TEST(GraphFileQtTest)
#include "graph_file_qt_test.moc"
