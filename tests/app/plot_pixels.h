// Reading a rendered plot in the graph tests.
#pragma once

#include <QColor>
#include <QImage>

#include "graph/graph_text.h"

inline QColor colourOf(zentra::Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

// Pixels of `colour` inside the plot area of a picture (the legend above it
// does not count).
inline int plotPixels(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 32; y < image.height() - 25; ++y)
        for (int x = 64; x < image.width() - 30; ++x)
            if (image.pixelColor(x, y) == colour) ++count;
    return count;
}
