#include "app/output_view_widget.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <algorithm>

#include "host/output_model.h"

namespace {

constexpr int kSideInset = 8;
constexpr int kTopInset = 4;

QString rowText(const zentra::OutputModel& lines, int row) {
    const std::string_view text = lines.text(row);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

OutputListModel::OutputListModel(const zentra::OutputModel& lines, QObject* parent)
    : QAbstractListModel(parent), lines_(lines), metrics_(QFont()) {}

int OutputListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant OutputListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_) return {};
    switch (role) {
    case Qt::DisplayRole: return rowText(lines_, index.row());
    case Qt::ForegroundRole:
        if (lines_.colourOf(index.row()) == zentra::LineColour::Red) return QColor(255, 0, 0);
        return {};
    case Qt::SizeHintRole:
        // Every row is as wide as the widest, so that the view scrolls to it.
        return QSize(widest_ + 2 * metrics_.averageCharWidth(), metrics_.height());
    default: return {};
    }
}

void OutputListModel::measure(int from, int to) {
    for (int row = from; row < to; ++row) widest_ = std::max(widest_, metrics_.horizontalAdvance(rowText(lines_, row)));
}

bool OutputListModel::sync() {
    const int count = lines_.lineCount();
    if (lines_.generation() != generation_ || count < rows_) {
        beginResetModel();
        generation_ = lines_.generation();
        rows_ = count;
        widest_ = 0;
        measure(0, count);
        endResetModel();
        return true;
    }
    if (count == rows_) return false;
    const int before = widest_;
    beginInsertRows(QModelIndex(), rows_, count - 1);
    measure(rows_, count);
    rows_ = count;
    endInsertRows();
    if (widest_ != before) emit dataChanged(index(0), index(0), {Qt::SizeHintRole});
    return true;
}

void OutputListModel::setFont(const QFont& font) {
    metrics_ = QFontMetrics(font);
    beginResetModel();
    widest_ = 0;
    measure(0, rows_);
    endResetModel();
}

OutputViewWidget::OutputViewWidget(const zentra::OutputModel& lines, QWidget* parent)
    : QListView(parent), model_(new OutputListModel(lines, this)) {
    setModel(model_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setViewportMargins(kSideInset, kTopInset, kSideInset, kTopInset);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Base));
    setPalette(p);
    connect(this, &QListView::clicked, this, [this](const QModelIndex& index) { emit lineClicked(index.row()); });
}

void OutputViewWidget::sync() {
    if (model_->sync()) scrollToBottom();
}

void OutputViewWidget::setTextFont(const QFont& font) {
    setFont(font);
    model_->setFont(font);
}

QString OutputViewWidget::selectedText() const {
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList texts;
    texts.reserve(rows.size());
    for (const QModelIndex& index : rows) texts << index.data().toString();
    return texts.join(u'\n');
}

void OutputViewWidget::keyPressEvent(QKeyEvent* e) {
    emit keyPressed(e);
    if (e->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(selectedText());
        return;
    }
    QListView::keyPressEvent(e);
}
