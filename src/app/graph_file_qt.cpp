#include "app/graph_file_qt.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPalette>
#include <QSaveFile>
#include <cstdio>
#include <memory>

#include "app/graph_painter_qt.h"
#include "app/text_appearance_qt.h"

namespace {

// Qt's own notes (fonts, the platform) are no part of zentra-cli's
// standard error, which holds only what the run and the plot report.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
}

// The application for a program that has none (zentra-cli): offscreen, so
// that no display is needed and no window appears.
std::unique_ptr<QGuiApplication> offscreenApplication() {
    if (QCoreApplication::instance()) return nullptr;
    static int argc = 3;
    static char name[] = "zentra-cli";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    qInstallMessageHandler(quietMessages);
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    installFontStandIns();
    return application;
}

}  // namespace

bool writeGraphFile(const zentra::cli::GraphRequest& request, const zentra::PlotSampler& sampler,
                    const zentra::PlotSamples& samples, std::string& error) {
    const std::unique_ptr<QGuiApplication> application = offscreenApplication();
    const QSize size(request.size.width, request.size.height);
    const GraphPainter painter(designedWindowFont(), QGuiApplication::palette().color(QPalette::Window));
    QByteArray bytes;
    bool encoded = true;
    if (request.format == zentra::cli::GraphFormat::Svg) {
        bytes = painter.svg(size, QStringLiteral("Zentra グラフ"), &sampler, &samples);
    } else {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        encoded = painter.image(size, &sampler, &samples).save(&buffer, "PNG");
    }
    const QString path = QString::fromStdString(request.path);
    QSaveFile file(path);
    if (encoded && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return true;
    error = "ファイル \"" + request.path + "\" を保存できません";
    return false;
}
