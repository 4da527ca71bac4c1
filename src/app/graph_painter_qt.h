// The graph window's plot drawn without any widget: frame, axes, legend and
// curves of one set of samples, into any QPainter. The window, its PNG and
// SVG exports and zentra-cli --graph all draw through this class.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <optional>

class QPainter;

namespace zentra {
class PlotSampler;
struct PlotSamples;
}  // namespace zentra

class GraphPainter {
public:
    // `font` is the surface's font (the legend is drawn half as large again);
    // `surround` fills the surface around the plot.
    GraphPainter(QFont font, QColor surround);

    // Everything but the cursor for a drawing surface of `size`; with no
    // samples (or no room for a plot) only the surround.
    void paint(QPainter& painter, QSize size, const zentra::PlotSampler* sampler,
               const zentra::PlotSamples* samples) const;
    // The cursor line at plot column `column` of a plot `plotHeight` high.
    static void paintCursor(QPainter& painter, int column, int plotHeight);

    // The same drawing as a picture and as an SVG document (with `title`).
    QImage image(QSize size, const zentra::PlotSampler* sampler, const zentra::PlotSamples* samples,
                 std::optional<int> cursor = std::nullopt) const;
    QByteArray svg(QSize size, const QString& title, const zentra::PlotSampler* sampler,
                   const zentra::PlotSamples* samples, std::optional<int> cursor = std::nullopt) const;

private:
    QFont font_;
    QColor surround_;
};
