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
#include <QVBoxLayout>
#include <algorithm>

#include "app/dialogs_qt.h"
#include "app/graph_painter_qt.h"
#include "app/text_appearance_qt.h"
#include "app/window_place_qt.h"
#include "graph/graph_axes.h"
#include "session/session.h"

namespace {

constexpr int kStatusHeight = 23;
constexpr int kSmallest = zentra::kGraphWindowSmallest;
constexpr int kLargest = zentra::kGraphWindowLargest;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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
    // The main window's font, which zentra-cli --graph draws in too.
    setFont(designedWindowFont());
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
    // Above the main window, though it does not take the keyboard: a window
    // manager may otherwise put a window shown without activation below it.
    raise();
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
    return placeOf(*this);
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
    const zentra::PlotArea area = zentra::plotArea(size.width(), size.height());
    plotWidth_ = std::max(0, area.width);
    plotHeight_ = std::max(0, area.height);
    samples_.reset();
    if (sampler_ && area.width > 0 && area.height > 0) {
        ++samplings_;
        samples_ = sampler_->sample(area.width);
    }
    image_ = plotPainter().image(size, sampler_.get(), samples_ ? &*samples_ : nullptr);

    // After the paint, so that no message box opens inside it.
    if (samples_ && samples_->firstFailure) {
        const QString text = fromUtf8(samples_->firstFailure->message);
        QMetaObject::invokeMethod(this, [this, text] { dialogs_.message(this, text); }, Qt::QueuedConnection);
    }
}

GraphPainter TFormGraph::plotPainter() const {
    return GraphPainter(surface_->font(), palette().color(QPalette::Window));
}

void TFormGraph::drawCursor(QPainter& painter) const {
    if (cursor_) GraphPainter::paintCursor(painter, *cursor_, plotHeight_);
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
    return plotPainter().svg(size, windowTitle(), sampler_.get(), samples_ ? &*samples_ : nullptr, cursor_);
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
