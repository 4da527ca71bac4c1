#include "app/graph_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QBuffer>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSaveFile>
#include <QStatusBar>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <algorithm>

#include "app/dialogs_qt.h"
#include "graph/graph_axes.h"
#include "graph/graph_text.h"
#include "run/session.h"

namespace {

constexpr int kStatusHeight = 23;
constexpr int kSmallest = 100;
constexpr int kLargest = 800;
const char* const kNothingFinite = "表示できる有限の値がありません";

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor qColour(zentra::Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

}  // namespace

// The client area above the status bar: hands its paint and mouse events
// to the window.
class GraphSurface : public QWidget {
public:
    explicit GraphSurface(TFormGraph& window) : QWidget(&window), window_(window) {
        setObjectName(QStringLiteral("GraphSurface"));
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override { window_.paintSurface(*this); }
    void mousePressEvent(QMouseEvent* event) override { window_.pressAt(event->button(), event->position().toPoint()); }
    void mouseMoveEvent(QMouseEvent* event) override { window_.moveTo(event->position().toPoint()); }
    // The right button belongs to the cursor; the menu opens from the keyboard.
    void contextMenuEvent(QContextMenuEvent* event) override {
        if (event->reason() == QContextMenuEvent::Mouse) return;
        window_.contextMenu()->popup(mapToGlobal(event->pos()));
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
            window_.contextMenu()->popup(mapToGlobal(QPoint(width() / 2, height() / 2)));
            return;
        }
        QWidget::keyPressEvent(event);
    }

private:
    TFormGraph& window_;
};

TFormGraph::TFormGraph(zentra::Session& session, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), dialogs_(dialogs) {
    setObjectName(QStringLiteral("FormGraph"));
    setWindowTitle(QStringLiteral("Zentra グラフ"));
    setMinimumSize(kSmallest, kSmallest);
    setMaximumSize(kLargest, kLargest);
    // Typing in the main window goes on while the plot comes up.
    setAttribute(Qt::WA_ShowWithoutActivating);

    surface_ = new GraphSurface(*this);
    statusBar_ = new QStatusBar(this);
    statusBar_->setFixedHeight(kStatusHeight);
    statusBar_->setSizeGripEnabled(false);
    status_ = new QLabel(statusBar_);
    status_->setObjectName(QStringLiteral("GraphStatus"));
    statusBar_->addWidget(status_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(surface_, 1);
    layout->addWidget(statusBar_);

    menu_ = new QMenu(this);
    menu_->addAction(QStringLiteral("PNGで保存"), this, &TFormGraph::savePng);
    menu_->addAction(QStringLiteral("SVGで保存"), this, &TFormGraph::saveSvg);
    menu_->addAction(QStringLiteral("クリップボードへコピー"), this, &TFormGraph::copyToClipboard);
    resize(place_.width, place_.height);
}

TFormGraph::~TFormGraph() = default;

bool TFormGraph::showForRun() {
    ++run_;
    clearCursor();
    auto variables = zentra::findGraphedVariables(session_.compiler);
    if (!variables) {
        sampler_.reset();
        close();
        dialogs_.message(this, fromUtf8(zentra::kNoGraphSlotMessage));
        return false;
    }
    sampler_ = std::make_unique<zentra::PlotSampler>(session_, std::move(*variables));
    if (!placed_) {
        setGeometry(place_.left, place_.top, std::clamp(place_.width, kSmallest, kLargest),
                    std::clamp(place_.height, kSmallest, kLargest));
        placed_ = true;
    }
    show();
    surface_->update();
    return true;
}

void TFormGraph::closeForRun() {
    ++run_;
    clearCursor();
    close();
    sampler_.reset();
    image_ = QImage();
}

void TFormGraph::setPlace(const zentra::WindowGeometry& place) {
    place_ = place;
    placed_ = false;
}

zentra::WindowGeometry TFormGraph::place() const {
    if (!placed_) return place_;
    const QRect g = geometry();
    return {g.top(), g.height(), g.left(), g.width()};
}

void TFormGraph::hideEvent(QHideEvent* event) {
    if (placed_) place_ = place();
    QWidget::hideEvent(event);
}

QWidget* TFormGraph::surface() const { return surface_; }

QString TFormGraph::statusText() const { return status_->text(); }

QImage TFormGraph::plotImage() {
    ensureImage(surface_->size());
    QImage shown = image_;
    QPainter painter(&shown);
    drawCursor(painter);
    return shown;
}

void TFormGraph::paintSurface(QWidget& surface) {
    ensureImage(surface.size());
    QPainter painter(&surface);
    painter.drawImage(0, 0, image_);
    drawCursor(painter);
}

void TFormGraph::ensureImage(QSize size) {
    if (!image_.isNull() && image_.size() == size && imageRun_ == run_) return;
    renderImage(size);
}

void TFormGraph::renderImage(QSize size) {
    imageRun_ = run_;
    image_ = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image_.fill(palette().color(QPalette::Window));
    const zentra::PlotArea area = zentra::plotArea(size.width(), size.height());
    plotWidth_ = std::max(0, area.width);
    plotHeight_ = std::max(0, area.height);
    samples_.reset();
    if (!sampler_ || area.width <= 0 || area.height <= 0) return;

    ++samplings_;
    samples_ = sampler_->sample(area.width);
    QPainter painter(&image_);
    paintPlot(painter, size);
    painter.end();

    // After the paint, so that no message box opens inside it.
    if (samples_->firstFailure) {
        const QString text = fromUtf8(samples_->firstFailure->message);
        QMetaObject::invokeMethod(this, [this, text] { dialogs_.message(this, text); }, Qt::QueuedConnection);
    }
}

// Frame, x axis and legend, then the y axis and the curves.
void TFormGraph::paintPlot(QPainter& p, QSize size) const {
    const zentra::PlotArea area = zentra::plotArea(size.width(), size.height());
    p.fillRect(QRect(QPoint(0, 0), size), palette().color(QPalette::Window));
    if (!sampler_ || !samples_ || area.width <= 0 || area.height <= 0) return;
    const int w = area.width;
    const int h = area.height;
    const zentra::PlotSamples& samples = *samples_;
    const auto axes = zentra::computeAxes(w, h, sampler_->xMinimum(), sampler_->xMaximum(), samples.values);

    p.save();
    p.setFont(surface_->font());
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
        for (std::size_t j = 0; j < sampler_->variables().size(); ++j) {
            const QString text = QStringLiteral(" %1 ").arg(fromUtf8(sampler_->variables()[j].name));
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
        for (std::size_t j = 0; j < samples.curves.size(); ++j) {
            p.setPen(qColour(zentra::curveColour(static_cast<int>(j))));
            for (const zentra::Polyline& piece : zentra::curvePolylines(samples.curves[j], *axes.yRange, h)) {
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

void TFormGraph::drawCursor(QPainter& painter) const {
    if (!cursor_ || plotHeight_ <= 0) return;
    painter.save();
    painter.setPen(QPen(Qt::black, 1));
    const int x = zentra::kPlotLeft + *cursor_;
    painter.drawLine(x, zentra::kPlotTop, x, zentra::kPlotTop + plotHeight_ - 1);
    painter.restore();
}

std::optional<int> TFormGraph::columnAt(QPoint at) const {
    const int column = at.x() - zentra::kPlotLeft;
    const int row = at.y() - zentra::kPlotTop;
    if (column < 0 || column >= plotWidth_ || row < 0 || row >= plotHeight_) return std::nullopt;
    return column;
}

void TFormGraph::pressAt(Qt::MouseButton button, QPoint at) {
    if (button == Qt::RightButton) {
        clearCursor();
        return;
    }
    if (button != Qt::LeftButton) return;
    following_ = !following_;
    if (following_) moveTo(at);
}

void TFormGraph::moveTo(QPoint at) {
    if (!following_ || !sampler_) return;
    if (const auto column = columnAt(at)) setCursorAt(*column);
}

void TFormGraph::setCursorAt(int column) {
    cursor_ = column;
    surface_->update();
    const zentra::ReadOut readOut = sampler_->readOut(column, plotWidth_);
    if (readOut.text) {
        status_->setText(fromUtf8(*readOut.text));
    } else if (readOut.failure) {
        following_ = false;  // one message per click, not one per mouse move
        dialogs_.message(this, fromUtf8(readOut.failure->message));
    }
}

void TFormGraph::clearCursor() {
    following_ = false;
    cursor_.reset();
    if (status_) status_->clear();
    if (surface_) surface_->update();
}

void TFormGraph::copyToClipboard() { QApplication::clipboard()->setImage(plotImage()); }

QByteArray TFormGraph::svgDocument() {
    const QSize size = surface_->size().expandedTo(QSize(1, 1));
    ensureImage(size);  // the samples of this size and run
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(windowTitle());
    QPainter painter(&generator);
    paintPlot(painter, size);
    drawCursor(painter);
    painter.end();
    return buffer.data();
}

void TFormGraph::savePng() {
    const QString path = dialogs_.saveFileName(this, QStringLiteral("PNGで保存"), QStringLiteral("PNG (*.png)"));
    if (path.isEmpty()) return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    plotImage().save(&buffer, "PNG");
    writeFile(path, bytes);
}

void TFormGraph::saveSvg() {
    const QString path = dialogs_.saveFileName(this, QStringLiteral("SVGで保存"), QStringLiteral("SVG (*.svg)"));
    if (path.isEmpty()) return;
    writeFile(path, svgDocument());
}

// Written beside the target and renamed over it: a failed write leaves an
// existing file as it was.
bool TFormGraph::writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written) dialogs_.message(this, QStringLiteral("ファイル \"%1\" を保存できません").arg(QDir::toNativeSeparators(path)));
    return written;
}
