// The graph window (TFormGraph): the graphed variables of the last run over
// the swept range, one pass of the program per pixel column. The plot is
// kept as an image for one window size and one run; the cursor line and its
// read-out are drawn over it without sampling again.
#pragma once

#include <QImage>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "graph/plot_sampler.h"
#include "shell/settings_schema.h"

class Dialogs;
class GraphPainter;
class QLabel;
class QMenu;
class QStatusBar;

namespace zentra {
struct Session;
}

class GraphSurface;

class TFormGraph : public QWidget {
    Q_OBJECT

public:
    TFormGraph(zentra::Session& session, Dialogs& dialogs, QWidget* parent = nullptr);
    ~TFormGraph() override;

    // After a run with graphed variables: finds their slots and shows the
    // window; without a slot for one of them shows the message and stays closed.
    bool showForRun();
    // At the start of a run: the plot of the previous one is gone.
    void closeForRun();

    // The place and size kept in the settings.
    void setPlace(const zentra::WindowGeometry& place);
    zentra::WindowGeometry place() const;

    // What the window shows, for tests.
    QWidget* surface() const;
    QString statusText() const;
    std::optional<int> cursorColumn() const { return cursor_; }
    int samplingCount() const { return samplings_; }
    QMenu* contextMenu() const { return menu_; }
    // The plot as it stands (image and cursor line).
    QImage plotImage();

    // Copies the plot to the clipboard.
    void copyToClipboard();
    // The plot as an SVG document, drawn by the same code as the window.
    QByteArray svgDocument();

    // Called by the drawing surface.
    void paintSurface(QWidget& surface);
    void pressAt(Qt::MouseButton button, QPoint at);
    void moveTo(QPoint at);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void ensureImage(QSize size);
    void renderImage(QSize size);
    void drawCursor(QPainter& painter) const;
    void setCursorAt(int column);
    void clearCursor();
    void savePng();
    void saveSvg();
    // Draws the plot of the current samples in the surface's font and colours.
    GraphPainter plotPainter() const;
    bool writeFile(const QString& path, const QByteArray& bytes);
    std::optional<int> columnAt(QPoint at) const;

    zentra::Session& session_;
    Dialogs& dialogs_;
    GraphSurface* surface_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* status_ = nullptr;
    QMenu* menu_ = nullptr;

    std::unique_ptr<zentra::PlotSampler> sampler_;
    zentra::WindowGeometry place_ = zentra::kGraphWindowDesigned;
    bool placed_ = false;

    QImage image_;
    int imageRun_ = -1;
    int run_ = 0;
    int samplings_ = 0;
    int plotWidth_ = 0;
    int plotHeight_ = 0;
    std::optional<zentra::PlotSamples> samples_;  // those the image shows

    bool following_ = false;
    std::optional<int> cursor_;
};
