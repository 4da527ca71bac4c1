#include "app/graph_painter_qt.h"

#include <QBuffer>
#include <QPainter>
#include <QPolygon>
#include <QSvgGenerator>
#include <utility>

#include "graph/graph_axes.h"
#include "graph/graph_text.h"
#include "graph/plot_sampler.h"

namespace {

const char* const kNothingFinite = "表示できる有限の値がありません";

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor qColour(zentra::Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

}  // namespace

GraphPainter::GraphPainter(QFont font, QColor surround) : font_(std::move(font)), surround_(surround) {}

// Frame, x axis and legend, then the y axis and the curves.
void GraphPainter::paint(QPainter& p, QSize size, const zentra::PlotSampler* sampler,
                         const zentra::PlotSamples* samples) const {
    const zentra::PlotArea area = zentra::plotArea(size.width(), size.height());
    p.fillRect(QRect(QPoint(0, 0), size), surround_);
    if (!sampler || !samples || area.width <= 0 || area.height <= 0) return;
    const int w = area.width;
    const int h = area.height;
    const auto axes = zentra::computeAxes(w, h, sampler->xMinimum(), sampler->xMaximum(), samples->values);

    p.save();
    p.setFont(font_);
    const QFontMetrics metrics(p.font());
    p.setPen(Qt::black);
    const QTransform outside = p.transform();
    p.translate(area.left, area.top);
    p.fillRect(0, 0, w, h, qColour(zentra::kPlotBackground));
    p.drawRect(0, 0, w - 1, h - 1);

    for (const zentra::AxisTick& tick : axes.x) {
        p.drawLine(tick.pixel, h - 1, tick.pixel, h - 5);
        p.drawLine(tick.pixel, 0, tick.pixel, 4);
        if (!tick.labelled) continue;
        const QString label = fromUtf8(tick.label);
        const int half = tick.pixel == 0 ? 0 : metrics.horizontalAdvance(label) / 2;
        const int top = size.height() - 25 + 4 - area.top;
        p.drawText(tick.pixel - half, top + metrics.ascent(), label);
    }

    // The legend: names in their curve colours above the plot.
    {
        QFont big = p.font();
        if (big.pointSizeF() > 0) big.setPointSizeF(big.pointSizeF() * 3 / 2);
        else big.setPixelSize(big.pixelSize() * 3 / 2);
        p.save();
        p.setTransform(outside);
        p.setFont(big);
        const QFontMetrics bigMetrics(big);
        int x = 84;
        const int top = 28 - bigMetrics.height();
        for (std::size_t j = 0; j < sampler->variables().size(); ++j) {
            const QString text = QStringLiteral(" %1 ").arg(fromUtf8(sampler->variables()[j].name));
            const int width = bigMetrics.horizontalAdvance(text);
            p.fillRect(x, top, width, bigMetrics.height(), qColour(zentra::kPlotBackground));
            p.setPen(qColour(zentra::curveColour(static_cast<int>(j))));
            p.drawText(x, top + bigMetrics.ascent(), text);
            x += width;
        }
        p.restore();
    }

    if (!axes.yRange) {
        p.drawText(QRect(0, 0, w, h), Qt::AlignCenter | Qt::TextWordWrap, QString::fromUtf8(kNothingFinite));
    } else {
        for (const zentra::AxisTick& tick : axes.y) {
            p.drawLine(w - 1, tick.pixel, w - 5, tick.pixel);
            p.drawLine(0, tick.pixel, 4, tick.pixel);
            const QString label = fromUtf8(tick.label);
            const QRect box(-area.left, tick.pixel - metrics.height() / 2, 60, metrics.height());
            p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, label);
        }
        p.setClipRect(0, 0, w, h);
        for (std::size_t j = 0; j < samples->curves.size(); ++j) {
            p.setPen(qColour(zentra::curveColour(static_cast<int>(j))));
            for (const zentra::Polyline& piece : zentra::curvePolylines(samples->curves[j], *axes.yRange, h)) {
                if (piece.size() == 1) {
                    p.drawPoint(piece.front().x, piece.front().y);
                    continue;
                }
                QPolygon line;
                line.reserve(static_cast<qsizetype>(piece.size()));
                for (const zentra::PlotPoint& point : piece) line.append(QPoint(point.x, point.y));
                p.drawPolyline(line);
            }
        }
    }
    p.restore();
}

void GraphPainter::paintCursor(QPainter& painter, int column, int plotHeight) {
    if (plotHeight <= 0) return;
    painter.save();
    painter.setPen(QPen(Qt::black, 1));
    const int x = zentra::kPlotLeft + column;
    painter.drawLine(x, zentra::kPlotTop, x, zentra::kPlotTop + plotHeight - 1);
    painter.restore();
}

QImage GraphPainter::image(QSize size, const zentra::PlotSampler* sampler, const zentra::PlotSamples* samples,
                           std::optional<int> cursor) const {
    QImage picture(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter painter(&picture);
    paint(painter, picture.size(), sampler, samples);
    if (cursor) paintCursor(painter, *cursor, zentra::plotArea(size.width(), size.height()).height);
    return picture;
}

QByteArray GraphPainter::svg(QSize size, const QString& title, const zentra::PlotSampler* sampler,
                             const zentra::PlotSamples* samples, std::optional<int> cursor) const {
    size = size.expandedTo(QSize(1, 1));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(96);  // one picture pixel per CSS pixel: viewers show it at its size
    generator.setTitle(title);
    QPainter painter(&generator);
    paint(painter, size, sampler, samples);
    if (cursor) paintCursor(painter, *cursor, zentra::plotArea(size.width(), size.height()).height);
    painter.end();
    return buffer.data();
}
